#!/usr/bin/env bash
# Installs what Shutterly needs on Debian 12, builds it, then starts it or runs its tests.
#   ./install.sh --start   install, build and start the program
#   ./install.sh --test    install, build, check the code's layout and a clang build, and run the
#                          whole test suite headless, once in each of the locales the program is
#                          tested in; then once more built with
#                          AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target
#                          for a short fixed time
#   ./install.sh --package install, build and make the Debian package build/shutterly_*.deb
#   ./install.sh           install and build only
# Safe to run again: packages already present are not reinstalled and the build is incremental.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build="$here/build"
packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6printsupport6 libgl-dev
  # the translations: lupdate and lrelease, their CMake functions, and Qt's own German texts
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev libnova-dev
  python3 python3-icalendar fonts-dejavu-core fonts-thai-tlwg locales xvfb xauth
  desktop-file-utils appstream dpkg-dev file
  # the test run's layout check, its clang build and its fuzz targets (libFuzzer comes with
  # clang's runtime libraries)
  clang clang-format libclang-rt-14-dev
)
# The suite runs in an English, a decimal-comma and a Thai locale.
test_locales=(C.UTF-8 de_DE.UTF-8 th_TH.UTF-8)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# "locale -a" writes de_DE.UTF-8 as de_DE.utf8.
locale_available() {
  local wanted
  wanted=$(echo "$1" | tr 'A-Z' 'a-z' | tr -d '-')
  locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d '-' | grep -qxF "$wanted"
}

generate_missing_locales() {
  local missing=()
  for name in "${test_locales[@]}"; do
    locale_available "$name" || missing+=("$name")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Generating locales: ${missing[*]}"
  for name in "${missing[@]}"; do
    if grep -q "^# *$name UTF-8" /etc/locale.gen; then
      as_root sed -i "s/^# *\($name UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$name UTF-8" /etc/locale.gen; then
      echo "$name UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    fi
  done
  as_root locale-gen
}

run_tests() {
  local failed=0
  cd "$build"
  for name in "${test_locales[@]}"; do
    echo "Test suite in locale $name"
    LANG=$name LC_ALL=$name LANGUAGE= QT_QPA_PLATFORM=offscreen \
      ctest --output-on-failure --parallel "$(nproc)" || failed=1
  done
  return $failed
}

# --- Sanitizers and fuzzing (part of --test) -------------------------------------------------
# The suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer in a build
# folder of its own, in the first test locale.
run_sanitized_tests() {
  local folder="$here/build-sanitize"
  echo "Test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake -S "$here" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHUTTERLY_WERROR=ON \
    -DSHUTTERLY_SANITIZE=ON >/dev/null || return 1
  cmake --build "$folder" --parallel "$(nproc)" || return 1
  (cd "$folder" && LANG=${test_locales[0]} LC_ALL=${test_locales[0]} LANGUAGE= \
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --parallel "$(nproc)")
}

# Each fuzz target of tests/fuzz, built with clang, runs from its committed seed corpus for
# fuzz_seconds; any finding (a crash, a hang past fuzz_timeout, a sanitizer report, a broken
# rule) fails the run and leaves its input in build-fuzz/findings.
fuzz_seconds=30
fuzz_timeout=20
run_fuzz_targets() {
  local folder="$here/build-fuzz" failed=0 target name log
  echo "Fuzz targets, ${fuzz_seconds} s each"
  CXX=clang++ cmake -S "$here" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHUTTERLY_FUZZ=ON >/dev/null \
    || return 1
  local targets=()
  for source in "$here"/tests/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
  cmake --build "$folder" --parallel "$(nproc)" --target "${targets[@]}" || return 1
  mkdir -p "$folder/findings"
  for target in "${targets[@]}"; do
    name=${target#fuzz_}
    log="$folder/$target.log"
    rm -rf "$folder/corpus/$name"
    mkdir -p "$folder/corpus/$name"
    if ASAN_OPTIONS=detect_leaks=0 "$folder/tests/fuzz/$target" -max_total_time="$fuzz_seconds" \
         -timeout="$fuzz_timeout" -rss_limit_mb=4096 -artifact_prefix="$folder/findings/$name-" \
         "$folder/corpus/$name" "$here/tests/fuzz/corpus/$name" >"$log" 2>&1; then
      echo "  $target: $(grep -E '^Done [0-9]+ runs' "$log" | tail -1)"
    else
      echo "  $target: FINDING (see $log and $folder/findings)"
      tail -n 40 "$log"
      failed=1
    fi
  done
  return $failed
}
# --- end of sanitizers and fuzzing -------------------------------------------------------------

build_program() {
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHUTTERLY_WERROR=ON >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
}

# --- Code habits: the layout check and a second, warning-free build with clang ---------------
build_clang="$here/build-clang"

check_habits() {
  echo "Checking the code's layout"
  "$here/tools/check_format.sh" || return 1
  echo "Building with clang"
  # Unoptimised and without debug data: clang warns from the source alone, and the build that
  # only looks for warnings takes a third of the time.
  cmake -S "$here" -B "$build_clang" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DSHUTTERLY_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null || return 1
  cmake --build "$build_clang" --parallel "$(nproc)"
}
# --- end of code habits ----------------------------------------------------------------------

has_display() {
  [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]
}

install_missing_packages
generate_missing_locales
build_program

case "${1:-}" in
  --start)
    if ! has_display; then
      echo "Shutterly needs a graphical desktop session and none was found here; on a machine without one, start it under a virtual display with: xvfb-run -a $build/shutterly"
      exit 1
    fi
    exec "$build/shutterly"
    ;;
  --test)
    status=0
    check_habits || status=1
    run_tests || status=1
    run_sanitized_tests || status=1
    run_fuzz_targets || status=1
    exit $status
    ;;
  --package)
    cd "$build"
    cpack -G DEB
    ;;
  "") ;;
  *)
    echo "Unknown option '$1'. Use --start, --test, --package or no option." >&2
    exit 2
    ;;
esac
