#!/usr/bin/env bash
# Builds the Debian package from the built tree and checks that it holds exactly what
# `cmake --install` lays out, below /usr, and that its dependencies, computed from the
# program's libraries, name Qt.
#   package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.txt" 2>&1 \
  || fail "cpack: $(cat "$work/cpack.txt")"
debs=("$work/package"/shutterly_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no package shutterly_${version}_*.deb: $(ls "$work/package")"
deb=${debs[0]}

cmake --install "$build" --prefix "$work/prefix" > /dev/null
(cd "$work/prefix" && find . -type f | sed 's:^\./:./usr/:' | sort) > "$work/installed.txt"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort > "$work/packaged.txt"
[ -s "$work/installed.txt" ] || fail "nothing installed"
diff "$work/installed.txt" "$work/packaged.txt" > "$work/diff.txt" \
  || fail "package and install differ: $(cat "$work/diff.txt")"
grep -qx "./usr/share/applications/$id.desktop" "$work/packaged.txt" || fail "no desktop entry packaged"

info=$(dpkg-deb --info "$deb")
depends=$(sed -n 's/^ Depends: //p' <<< "$info")
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "$library" <<< "$depends" || fail "dependencies lack $library: $depends"
done
grep -q "^ Version: $version$" <<< "$info" || fail "package version is not $version"
echo "package $(basename "$deb"): $(wc -l < "$work/packaged.txt") files, depends on $depends"
