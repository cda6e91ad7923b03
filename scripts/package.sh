#!/usr/bin/env bash
# Builds the Debian package build/daviduv_<version>_amd64.deb: the programs
# under /usr/bin, the sample Config.ini under /etc/daviduv, the desktop entry,
# icon, .spt file type and manual pages. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# Debian's hardening flags (fortified functions, stack protector, full RELRO
# with immediate binding); they stay in the build folder's cache.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
scripts/build.sh -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
ls "$BUILD_DIR"/daviduv_*_amd64.deb
