#!/usr/bin/env bash
# The English interface text file, translations/daviduv_en.ts, against the sources.
#   scripts/update-translations.sh           lupdate over src/ and tools/ into the file: new texts
#                                            arrive unfinished (translate them in Qt Linguist or the
#                                            XML), texts no longer in the sources are dropped
#   scripts/update-translations.sh --check   the same into a temporary copy; fails, listing them,
#                                            when any text is unfinished or missing (ctest runs this)
# The file carries no line numbers, so a change elsewhere in a source leaves it alone.
# LUPDATE names the lupdate program (default: Qt 6's).
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v /usr/lib/qt6/bin/lupdate || command -v lupdate6 || command -v lupdate)}
TS=translations/daviduv_en.ts
refresh() {
    "$LUPDATE" -silent -no-obsolete -locations none -extensions cpp,h \
        -source-language zh_CN -target-language en src tools -ts "$1"
}
case "${1:-}" in
  "") refresh "$TS" ;;
  --check)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp "$TS" "$work/daviduv_en.ts"
    refresh "$work/daviduv_en.ts"
    # Each unfinished message: its source text, for the reader.
    unfinished=$(python3 - "$work/daviduv_en.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for m in context.iter("message"):
        t = m.find("translation")
        if t is None or t.get("type") in ("unfinished", "vanished", "obsolete") or not (t.text or "").strip():
            print(context.findtext("name"), "|", m.findtext("source"))
PY
)
    if [ -n "$unfinished" ]; then
        echo "untranslated texts in $TS (run scripts/update-translations.sh and translate them):" >&2
        echo "$unfinished" >&2
        exit 1
    fi
    echo "$TS: every text translated" ;;
  *) echo "usage: scripts/update-translations.sh [--check]" >&2; exit 2 ;;
esac
