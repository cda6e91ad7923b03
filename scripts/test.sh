#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# Called without arguments (as CI does), it then runs the whole suite once
# more under AddressSanitizer and UndefinedBehaviorSanitizer and each fuzz
# target for 20 s on its corpus. With clang installed both come from one
# clang build (build-fuzz/: the libraries carry the fuzzer's coverage hooks,
# which the tests ignore); without it the sanitized suite is built with g++
# in build-asan/ and the fuzz targets are skipped.
# Arguments go to cmake and skip the extra runs, as DAVIDUV_QUICK=1 does:
#   BUILD_DIR=build-asan scripts/test.sh -DDAVIDUV_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --dev
# The test programs, even where run-editor.sh configured the build without them.
scripts/build.sh -DDAVIDUV_TESTS=ON "$@"
export QT_QPA_PLATFORM=offscreen
suite() { ctest --test-dir "$1" --output-on-failure -j "$(nproc)"; }
if [ $# -gt 0 ] || [ -n "${DAVIDUV_QUICK:-}" ]; then
    suite "${BUILD_DIR:-build}"
    exit 0
fi

# The plain suite mostly waits on the virtual printer's timing, so it runs
# while the sanitized build compiles; its report follows the build's.
plain_log=$(mktemp)
suite "${BUILD_DIR:-build}" >"$plain_log" 2>&1 &
plain=$!
trap 'kill $plain 2>/dev/null || true; rm -f "$plain_log"' EXIT
# Fontconfig keeps its caches for the life of the process.
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
if command -v clang++ >/dev/null; then
    SANITIZED=${FUZZ_BUILD_DIR:-build-fuzz}
    BUILD_DIR=$SANITIZED scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ -DDAVIDUV_FUZZ=ON
else
    SANITIZED=build-asan
    BUILD_DIR=$SANITIZED scripts/build.sh -DDAVIDUV_SANITIZE=ON
fi
plain_status=0
wait $plain || plain_status=$?
echo "== the plain suite"
cat "$plain_log"
[ $plain_status -eq 0 ] || exit $plain_status
echo "== the sanitized suite"
suite "$SANITIZED"
if [ "$SANITIZED" = build-asan ]; then
    echo "clang++ is not installed: the fuzz targets were not run"
else
    FUZZ_BUILD_DIR=$SANITIZED scripts/fuzz.sh 20
fi
