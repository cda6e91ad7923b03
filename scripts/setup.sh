#!/usr/bin/env bash
# Installs every Debian 12 package daviduv needs to build, test and run.
# Does nothing (and never touches the package lists) when all are installed.
set -euo pipefail
PACKAGES=(
  cmake ninja-build g++ clang pkg-config ccache
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev libzxing-dev
  libgtest-dev libgmock-dev libbenchmark-dev libzint-dev
  fonts-arphic-uming fonts-liberation fonts-dejavu-core
  xvfb x11-apps imagemagick xdotool
)
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
