#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks it as a desktop sees it: the
# desktop entry and the metadata validate, every file they name is there, and the installed
# program answers on its command line, starts, and keeps its settings in the user's
# configuration folder when its own folder is not writable.
#   installed_copy.sh BUILD_DIR APP_ID VERSION SOURCE_DIR
set -euo pipefail
build=$1 id=$2 version=$3 source=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $desktop"
[ -f "$metainfo" ] || fail "no metadata $metainfo"
[ -f "$prefix/share/doc/shutterly/README.md" ] || fail "no README in share/doc/shutterly"

# Hints (such as two main categories, which the entry's categories have) are no warnings.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
if grep -v ': hint: ' <<< "$report" | grep -q .; then fail "desktop-file-validate: $report"; fi
appstreamcli validate --no-net "$metainfo" > "$work/appstream.txt" 2>&1 \
  || fail "appstreamcli: $(cat "$work/appstream.txt")"

entry() { sed -n "s/^$1=//p" "$desktop"; }
for key in Exec TryExec; do
  program=$(entry "$key" | cut -d' ' -f1)
  [ -x "$prefix/bin/$program" ] || fail "$key names '$program', which is not in bin/"
done
icon=$(entry Icon)
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "icon $icon has no ${size}-pixel picture"
  file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not $size pixels: $(file "$png")"
done
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$id.desktop" ] || fail "metadata launches '$launchable'"
binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
[ -x "$prefix/bin/$binary" ] || fail "metadata provides '$binary', which is not in bin/"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metadata lacks release $version"
# Screenshots are addresses on the web site; the pictures to publish there are in the sources.
images=$(sed -n 's:.*<image>.*/screenshots/\(.*\)</image>.*:\1:p' "$metainfo")
[ -n "$images" ] || fail "metadata shows no screenshots"
for image in $images; do
  [ -f "$source/packaging/screenshots/$image" ] || fail "screenshot $image is not in packaging/screenshots"
done

# Help and version need no display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/shutterly" --version)
[ "$answer" = "Shutterly $version" ] || fail "--version answered '$answer'"
# The installed copy carries its translations: the help in English and in German.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 LANG=C.UTF-8 "$prefix/bin/shutterly" --help \
  | grep -q -- '--settings <file>' || fail "--help does not list --settings"
if locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE= \
    "$prefix/bin/shutterly" --help | grep -q -- '--settings <Datei>' || fail "--help is not in German in a German session"
fi
mkdir -p "$work/home/runtime"
chmod 700 "$work/home/runtime"
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/home/runtime" LC_ALL=C.UTF-8 LANG=C.UTF-8 \
  "$prefix/bin/shutterly" --no-such-option 2> "$work/stderr.txt" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with $status, not 2"
grep -q "Unknown option 'no-such-option'" "$work/stderr.txt" || fail "unknown option: $(cat "$work/stderr.txt")"

# Runs the installed program offscreen for a few seconds; it must still be running then,
# neither refused nor crashed. Then it is ended. It is started through a link of another name,
# so that `pkill shutterly`, aimed at a copy the developer runs, does not end it as well; the
# program still finds its folder (and so its settings) through the link.
ln -s "$prefix/bin/shutterly" "$work/installed-probe"
run_briefly() {
  env QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
    XDG_RUNTIME_DIR="$work/home/runtime" "$@" > "$work/run.txt" 2>&1 &
  local pid=$! status=0
  sleep 4
  if ! kill -0 "$pid" 2> /dev/null; then
    wait "$pid" || status=$?
    fail "$* ended by itself with status $status: $(cat "$work/run.txt")"
  fi
  kill "$pid"
  wait "$pid" || true
}

printf '[Current]\nRotate=180\n' > "$work/other.ini"
run_briefly "$work/installed-probe" --settings "$work/other.ini"
[ ! -e "$work/home/config" ] || fail "started with --settings, it still chose the configuration folder"

# Installed, the program keeps its settings in the configuration folder: as the user who
# installed it, who could write beside it, and as another user, for whom bin/ is read-only
# (root may write anywhere, so then the program runs as nobody).
run_briefly "$work/installed-probe"
[ -d "$work/home/config" ] || fail "the installed program did not choose the configuration folder"
[ ! -e "$prefix/bin/shutterly.ini" ] || fail "the installed program wrote beside itself"
rm -rf "$work/home/config"
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$work/home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$prefix/bin"
  as_user=()
fi
run_briefly "${as_user[@]}" "$work/installed-probe"
[ -d "$work/home/config" ] || fail "for another user the program did not choose the configuration folder"
chmod -R u+w "$prefix"
echo "installed copy in $prefix: entry, metadata, icons, command line and settings folder checked"
