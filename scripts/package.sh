#!/usr/bin/env bash
# Builds the Debian package build-package/daviduv_<version>_amd64.deb: the
# programs under /usr/bin, the sample Config.ini under /etc/daviduv, the
# desktop entry, AppStream metainfo, icons, .spt file type, manual pages and
# bash completion; then checks it with lintian, appstreamcli and
# desktop-file-validate. Extra arguments go to cmake.
# It builds in a folder of its own (BUILD_DIR, default build-package), without
# the test programs, so the everyday build/ keeps its prefix and flags.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --package
BUILD_DIR=${BUILD_DIR:-build-package}
# Debian's hardening flags (fortified functions, stack protector, full RELRO
# with immediate binding); they stay in this build folder's cache.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
BUILD_DIR=$BUILD_DIR scripts/build.sh -DCMAKE_INSTALL_PREFIX=/usr -DDAVIDUV_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD_DIR"/daviduv_*_amd64.deb)
echo "$deb"
packaging/check-package.sh "$deb"
