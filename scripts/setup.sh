#!/usr/bin/env bash
# Installs the Debian 12 packages daviduv needs:
#   scripts/setup.sh             to build and run the three programs (run-editor.sh)
#   scripts/setup.sh --dev       also to test, benchmark and fuzz them (test.sh)
#   scripts/setup.sh --package   also to build and check the Debian package (package.sh)
# Does nothing (and never touches the package lists) when all are installed.
set -euo pipefail
PACKAGES=(
  cmake ninja-build g++ lld pkg-config ccache
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev
  libjpeg62-turbo-dev libzxing-dev
  fonts-arphic-uming fonts-liberation fonts-dejavu-core
)
for group in "$@"; do
  case "$group" in
    --dev) PACKAGES+=(clang libgtest-dev libgmock-dev libbenchmark-dev libzint-dev
                      xvfb x11-apps imagemagick xdotool openbox ser2net clang-format python3) ;;
    --package) PACKAGES+=(dpkg-dev lintian appstream desktop-file-utils) ;;
    *) echo "usage: scripts/setup.sh [--dev] [--package]" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
