#!/usr/bin/env bash
# Installs what is missing, builds what changed, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_DIR=${BUILD_DIR:-build}
# Configured once; afterwards ninja rebuilds only what changed (and reconfigures
# by itself when a CMakeLists.txt changed).
if [ -f "$BUILD_DIR/build.ninja" ]; then
  cmake --build "$BUILD_DIR"
else
  scripts/build.sh
fi
exec "$BUILD_DIR/bin/daviduv"
