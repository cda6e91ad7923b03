#!/usr/bin/env bash
# Installs what is missing, builds what changed, and starts the editor.
#
# Beside the editor runs a virtual printer named "virtual": the editor's
# start-up search finds it, and each message sent to it is printed as a
# picture into ~/daviduv-prints (or $DAVIDUV_PRINTS). It stops with the editor.
# At a site with a real printer, start without it:
#   scripts/run-editor.sh --no-virtual-printer
set -euo pipefail
cd "$(dirname "$0")/.."
virtual_printer=1
if [[ "${1:-}" == --no-virtual-printer ]]; then virtual_printer=0; fi
scripts/setup.sh
BUILD_DIR=${BUILD_DIR:-build}
# Only the three programs; the test programs come with scripts/test.sh.
# Configured once; afterwards ninja rebuilds only what changed (and reconfigures
# by itself when a CMakeLists.txt changed).
PROGRAMS=(daviduv daviduv-cli daviduv-printer)
if [ -f "$BUILD_DIR/build.ninja" ]; then
  cmake --build "$BUILD_DIR" --target "${PROGRAMS[@]}"
else
  BUILD_DIR=$BUILD_DIR BUILD_TARGETS="${PROGRAMS[*]}" scripts/build.sh
fi
if (( ! virtual_printer )); then exec "$BUILD_DIR/bin/daviduv"; fi

prints="${DAVIDUV_PRINTS:-$HOME/daviduv-prints}"
exec {printer_out}< <(exec "$BUILD_DIR/bin/daviduv-printer" --name virtual --print-dir "$prints")
printer=$!
trap 'kill "$printer" 2>/dev/null || true' EXIT
# Its first line, the device, comes once the printer is listed among the ports.
read -r device <&"$printer_out"
echo "virtual printer 'virtual' on $device; its prints go to $prints"
status=0
"$BUILD_DIR/bin/daviduv" || status=$?
exit "$status"
