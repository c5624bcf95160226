#!/usr/bin/env bash
# Installs what is missing, builds Morvane (Release) and makes its Debian package;
# the path of the .deb is the last line printed. Install it with `apt install ./<file>`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-programs.sh
rm -f build/morvane_*.deb
(cd build && cpack -G DEB >/dev/null)
ls "$PWD"/build/morvane_*.deb
