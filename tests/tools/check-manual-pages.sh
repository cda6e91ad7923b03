#!/usr/bin/env bash
# check-manual-pages.sh BIN_DIR MAN_DIR [--drop-from PAGE OPTION]
# Fails, naming what is missing, when an option that a program's --help shows
# is not in its manual page; for daviduv-cli also a command or an exit code.
# --drop-from removes every line naming --OPTION from PAGE first (a planted
# omission, to see the check fail).
set -euo pipefail
bin=$1 man=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The pages as plain words: roff's \- is a hyphen, font changes go.
for page in "$man"/*.1; do
  sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$page" >"$work/$(basename "$page")"
done
if [ "${3:-}" = --drop-from ]; then
  sed -i "/--$5\\b/d" "$work/$4"
fi

missing=0
lacks() { echo "$1 lacks $2"; missing=1; }
for program in daviduv daviduv-cli daviduv-printer; do
  page="$work/$program.1"
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/$program" --help)
  for option in $(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$help" | sort -u); do
    grep -qE -- "$option([^a-z0-9-]|\$)" "$page" || lacks "$program.1" "$option"
  done
done

cli=$(env -u DISPLAY "$bin/daviduv-cli" --help)
page="$work/daviduv-cli.1"
for command in $(sed -n '/^commands:/,/^$/p' <<<"$cli" | grep -oE '^  [a-z]+' | sort -u); do
  grep -qE "^\.B $command( |\$)" "$page" || lacks daviduv-cli.1 "the command $command"
done
for code in $(sed -n '/^exit codes:/,/^$/p' <<<"$cli" | grep -oE '(^|: |, )[0-9]+ [a-z]' | grep -oE '[0-9]+'); do
  grep -qE "^\.B $code\$" "$page" || lacks daviduv-cli.1 "the exit status $code"
done
[ "$missing" = 0 ] && echo "every --help option, command and exit status is in its manual page"
exit "$missing"
