#!/usr/bin/env bash
# Checks the Debian package as a planner's machine would see it: its control data, the
# files it installs, and that its own morvane-batch, unpacked, gives the build's figures.
# Usage: tests/package/check_package.sh PACKAGE.deb BUILD_DIR
set -uo pipefail
deb=$1 build=$2
passed=0 failed=0
check() {  # check "what" command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}
has() { grep -qE "$1" <<<"$2"; }

info=$(dpkg-deb --info "$deb")
check "package name and version" has '^ Package: morvane$' "$info"
check "version of the about box" has '^ Version: 1\.0\.0\.1$' "$info"
for library in libqt6widgets6 libqt6charts6 libqt6printsupport6 libjpeg62-turbo libglpk40 \
  libstdc\\+\\+6; do
  check "depends on $library" has "^ Depends: .*\b$library\b" "$info"
done

contents=$(dpkg-deb --contents "$deb")
for file in usr/bin/morvane usr/bin/morvane-batch usr/share/applications/morvane.desktop \
  usr/share/man/man1/morvane-batch.1.gz usr/share/doc/morvane/copyright \
  usr/share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/morvane.png; do
  check "installs /$file" has " \./$file\$" "$contents"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
check "desktop entry opens the program in Office" \
  grep -qx 'Categories=Office;' "$unpacked/usr/share/applications/morvane.desktop"
check "copyright file names the licence" grep -qx 'License: GPL-3+' "$unpacked/usr/share/doc/morvane/copyright"
check "man page made from --help" has 'morvane-batch' "$(zcat "$unpacked/usr/share/man/man1/morvane-batch.1.gz")"
check "morvane-batch --version" test "$("$unpacked/usr/bin/morvane-batch" --version)" = "Morvane 1.0.0.1"
check "morvane --version without a display" \
  test "$(env -u DISPLAY "$unpacked/usr/bin/morvane" --version)" = "Morvane 1.0.0.1"
check "the package's figures are the build's" \
  test "$("$unpacked/usr/bin/morvane-batch" --json)" = "$("$build/src/batch/morvane-batch" --json)"

echo "package: $passed passed, $failed failed"
((failed == 0))
