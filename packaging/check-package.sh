#!/usr/bin/env bash
# check-package.sh DEB: the package check. lintian (pedantic, with the
# informational tags), appstreamcli on the metainfo and desktop-file-validate
# on the desktop entry, each as installed by the package; any finding fails.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
status=0
# lintian warns on standard error when run as root; other complaints of its own still show.
findings=$(lintian -I --pedantic "$deb" 2> >(grep -v "root privileges" >&2) || true)
if [ -n "$findings" ]; then echo "$findings"; status=1; fi
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml || status=1
findings=$(desktop-file-validate "$root"/usr/share/applications/*.desktop 2>&1 || echo "desktop-file-validate failed")
if [ -n "$findings" ]; then echo "$findings"; status=1; fi
[ "$status" = 0 ] && echo "lintian, appstreamcli and desktop-file-validate: nothing to report"
exit "$status"
