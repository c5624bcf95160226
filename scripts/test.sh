#!/usr/bin/env bash
# Installs what is missing, builds Morvane with its tests and runs every test; makes the
# Debian package and checks it; then builds the core and batch tests with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs them too.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if grep -rn '#include <Q' src/core; then echo "src/core must not use Qt" >&2; exit 1; fi
jobs=$(nproc)
# Every option is set, so a folder configured by another script is put right.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_APP=ON \
  -DMORVANE_BUILD_TESTS=ON -DMORVANE_BUILD_BENCH=ON -DMORVANE_SANITIZE=OFF >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j"$jobs")
deb=$(bash scripts/package.sh | tail -n 1)
bash tests/package/check_package.sh "$deb" build
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON \
  -DMORVANE_BUILD_APP=OFF -DMORVANE_BUILD_TESTS=ON -DMORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs" --target core_tests batch_tests
(cd build-sanitize && ctest --output-on-failure --no-tests=error -j"$jobs")
