#!/usr/bin/env bash
# The translation files are complete: no text unfinished or left empty in German or Thai, and
# no text of the sources missing from them (lupdate, run on copies, finds nothing new).
# usage: check_ts.sh LUPDATE SOURCE_DIR TS_FILE...
set -euo pipefail
lupdate=$1 source=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  name=$(basename "$ts")
  if grep -q 'type="unfinished"' "$ts"; then
    echo "$name: unfinished translations:"; grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -20
    status=1
  fi
  if grep -q '<translation></translation>\|<translation/>' "$ts"; then
    echo "$name: empty translations"; status=1
  fi
  cp "$ts" "$work/$name"
  (cd "$source" && "$lupdate" -locations none -no-obsolete controls texts help tray moonpicture calculator moonwindow \
      locations moredata almanac places cli planner app -ts "$work/$name") > "$work/$name.log" 2>&1
  if ! grep -q '(0 new and' "$work/$name.log"; then
    echo "$name: texts of the sources are missing; run: cmake --build build --target update_translations"
    cat "$work/$name.log"; status=1
  fi
  if ! cmp -s "$ts" "$work/$name"; then
    echo "$name: lupdate would change it (a text no longer in the sources?):"; diff "$ts" "$work/$name" | head -20
    status=1
  fi
done
exit $status
