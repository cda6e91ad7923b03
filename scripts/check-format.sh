#!/usr/bin/env bash
# Fails, naming each file, when a C++ file of the tree is not formatted as
# .clang-format says: scripts/check-format.sh [ROOT]  (ROOT defaults to the
# checkout). Reformat with: clang-format -i FILE.
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$ROOT"
CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
status=0
while IFS= read -r -d '' file; do
    "$CLANG_FORMAT" --style=file --dry-run --Werror "$file" >/dev/null 2>&1 || {
        echo "$file is not formatted as .clang-format says" >&2
        status=1
    }
done < <(find src tools tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | sort -z)
[ $status -eq 0 ] && echo "every C++ file is formatted as .clang-format says"
exit $status
