#!/usr/bin/env bash
# Fails when a file includes a layer its library does not link.
#   scripts/check-layers.sh [ROOT]     (ROOT defaults to the checkout)
# Each folder of src/ and tools/ is one library or program; the layers it may
# include are the ones its CMakeLists.txt links with target_link_libraries
# (dv_<folder>), followed through their own links. So the build's link graph is
# the one statement of the layering, and an include cannot reach around it.
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$ROOT"

declare -A direct allowed
folders=()
for dir in src/*/ tools/*/; do
    [ -f "$dir/CMakeLists.txt" ] || continue
    name=$(basename "$dir")
    folders+=("$name")
    # dv_barcode_ll lives in barcode/, like dv_barcode.
    direct[$name]=$(tr '\n' ' ' <"$dir/CMakeLists.txt" |
        grep -oE 'target_link_libraries\([^)]*\)' |
        grep -oE '\bdv_[a-z]+' | sed -E 's/^dv_//; s/_ll$//' | sort -u | tr '\n' ' ' || true)
done

closure() {  # the layers $1 links, directly or through others
    local todo=(${direct[$1]}) seen=" " layer
    while [ ${#todo[@]} -gt 0 ]; do
        layer=${todo[0]}
        todo=("${todo[@]:1}")
        case "$seen" in *" $layer "*) continue ;; esac
        seen+="$layer "
        todo+=(${direct[$layer]:-})
    done
    echo "$seen"
}
for name in "${folders[@]}"; do allowed[$name]=" $name$(closure "$name")"; done

known=" ${folders[*]} "
status=0
for name in "${folders[@]}"; do
    for base in src tools; do
        [ -d "$base/$name" ] || continue
        while IFS=: read -r file line include; do
            layer=${include%%/*}
            case "$known" in *" $layer "*) ;; *) continue ;; esac
            case "${allowed[$name]} " in
            *" $layer "*) ;;
            *)
                echo "$file:$line includes \"$include\": $name does not link $layer" >&2
                status=1
                ;;
            esac
        done < <(grep -rnoE '^#include "[a-z]+/[^"]+"' "$base/$name" | sed -E 's/#include "([^"]+)"/\1/')
    done
done
[ $status -eq 0 ] && echo "every include stays within the layers its library links"
exit $status
