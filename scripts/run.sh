#!/usr/bin/env bash
# Installs what is missing, builds Morvane and runs it: the desktop program when a
# display is there, otherwise the batch command on the default scenario.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-programs.sh
if [[ -n "${DISPLAY:-}" && -x build/src/app/morvane ]]; then
  exec build/src/app/morvane
fi
build/src/batch/morvane-batch
echo
echo "No display here: this was morvane-batch on the default scenario (see --help)."
echo "To open the window, run build/src/app/morvane on a desktop, or under Xvfb:"
echo "  xvfb-run -a build/src/app/morvane"
