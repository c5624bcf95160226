#!/usr/bin/env bash
# Installs what is missing, builds Morvane and runs it: the desktop program when a
# display is there, otherwise the batch command on the default scenario.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Every option is set, so a folder configured by another script is put right.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_APP=ON \
  -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF -DMORVANE_SANITIZE=OFF >/dev/null
cmake --build build -j"$(nproc)"
if [[ -n "${DISPLAY:-}" && -x build/src/app/morvane ]]; then
  exec build/src/app/morvane
fi
build/src/batch/morvane-batch
echo
echo "No display here: this was morvane-batch on the default scenario (see --help)."
echo "To open the window, run build/src/app/morvane on a desktop, or under Xvfb:"
echo "  xvfb-run -a build/src/app/morvane"
