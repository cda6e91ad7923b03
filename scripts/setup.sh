#!/usr/bin/env bash
# Installs every Debian 12 package daviduv needs to build, test and run.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq \
  cmake ninja-build g++ pkg-config ccache \
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev \
  libjpeg62-turbo-dev libzxing-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-arphic-uming fonts-liberation fonts-dejavu-core \
  xvfb x11-apps imagemagick xdotool >/dev/null
