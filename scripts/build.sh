#!/usr/bin/env bash
# Configures and builds into build/ (extra arguments go to cmake, e.g. -DDAVIDUV_SANITIZE=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja "$@" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
