#!/usr/bin/env bash
# Installs what is missing and builds the two programs (Release, no tests) in build/.
# Every option is set, so a folder configured by another script is put right.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_APP=ON \
  -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF -DMORVANE_SANITIZE=OFF >/dev/null
cmake --build build -j"$(nproc)"
