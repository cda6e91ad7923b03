#!/usr/bin/env bash
# Configures and builds into build/ (extra arguments go to cmake, e.g. -DDAVIDUV_SANITIZE=ON).
# BUILD_TARGETS="daviduv daviduv-cli" builds only those (default: everything).
# ccache is used when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
LAUNCHER=()
if command -v ccache >/dev/null; then
    LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Paths relative to the checkout, so every clone shares the cache.
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
    export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
    # The compiler's own dependency list instead of a second preprocessor run on every miss.
    export CCACHE_DEPEND=${CCACHE_DEPEND:-true}
fi
TARGETS=()
for t in ${BUILD_TARGETS:-}; do TARGETS+=(--target "$t"); done
cmake -S . -B "$BUILD_DIR" -G Ninja "${LAUNCHER[@]}" "$@" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" "${TARGETS[@]}"
