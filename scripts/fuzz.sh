#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each for SECONDS
# (default 60), two at a time on a two-core machine. New corpus entries and
# crashes are kept outside the repository, in $FUZZ_WORK (default
# ~/.cache/daviduv-fuzz/<target>/); the seeds in fuzz/corpus/ are only read.
# FUZZ_TARGETS="spt barcode" runs only those.
# Prints one line per target (runs, coverage, crashes) and exits 1 when any
# target crashed, timed out or ran out of memory.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
WORK=${FUZZ_WORK:-${XDG_CACHE_HOME:-$HOME/.cache}/daviduv-fuzz}
JOBS=${FUZZ_JOBS:-$(nproc)}
TARGETS=(${FUZZ_TARGETS:-ini spt barcode frames picture})
declare -A DICT=([ini]=spt.dict [spt]=spt.dict [frames]=frames.dict)

# Through build.sh, so the fuzz build shares the compiler cache of every other build.
BUILD_DIR=$BUILD_DIR BUILD_TARGETS=fuzzers scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ -DDAVIDUV_FUZZ=ON >/dev/null

# A smaller quarantine keeps the sanitizer's own memory well under the 512 MB limit.
export ASAN_OPTIONS="quarantine_size_mb=64${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

run_target() {
    local t=$1 dir="$WORK/$1"
    mkdir -p "$dir/corpus" "$dir/crashes"
    local options=(-max_total_time="$SECONDS_EACH" -rss_limit_mb=512 -timeout=5 -print_final_stats=1
                   -artifact_prefix="$dir/crashes/")
    [ -n "${DICT[$t]:-}" ] && options+=(-dict="fuzz/${DICT[$t]}")
    "$BUILD_DIR/fuzz/fuzz_$t" "${options[@]}" "$dir/corpus" "fuzz/corpus/$t" >"$dir/last.log" 2>&1 || true
}

summary() {
    local t=$1 dir="$WORK/$1" log="$WORK/$1/last.log"
    local runs cov ft crashes
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    crashes=$(grep -c -E '^==[0-9]+==ERROR|^property failed|ALARM: working on the last Unit|out-of-memory' "$log" || true)
    printf 'fuzz_%-8s %10s runs in %ss, coverage %s edges (%s features), corpus %s files, crashes %s\n' \
        "$t" "${runs:-?}" "$SECONDS_EACH" "${cov:-?}" "${ft:-?}" "$(ls "$dir/corpus" | wc -l)" "$crashes"
    if [ "$crashes" != 0 ]; then
        ls "$dir/crashes" | sed "s|^|    $dir/crashes/|" | tail -3
        return 1
    fi
}

for t in "${TARGETS[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$JOBS" ]; do wait -n || true; done
    run_target "$t" &
done
wait
failed=0
for t in "${TARGETS[@]}"; do summary "$t" || failed=1; done
exit $failed
