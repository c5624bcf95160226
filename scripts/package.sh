#!/usr/bin/env bash
# Installs what is missing, builds Morvane (Release) and makes its Debian package;
# the path of the .deb is the last line printed. Install it with `apt install ./<file>`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_APP=ON \
  -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF -DMORVANE_SANITIZE=OFF >/dev/null
cmake --build build -j"$(nproc)"
rm -f build/morvane_*.deb
(cd build && cpack -G DEB >/dev/null)
ls "$PWD"/build/morvane_*.deb
