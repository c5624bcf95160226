#!/usr/bin/env bash
# Makes docs/main-window.png, the README's picture: the main window with the
# example scenario after both computations, on a 1366 x 768 screen under Xvfb
# (xcb, no window manager), driven by the mouse and keyboard as a planner would.
# Run it after a build whenever the window changes:
#   bash scripts/readme-picture.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/src/app/morvane}
display=:93
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
# A fresh settings folder: no recent files of this machine's.
HOME=$(mktemp -d) QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
app=$!
# The first window whose title holds $1, once it shows (30 s at most).
window() {
  local found
  for _ in $(seq 150); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
    if [[ -n $found ]]; then echo "${found%%$'\n'*}"; return; fi
    sleep 0.2
  done
  echo "No window \"$1\" showed." >&2
  return 1
}
window "Morvane" >/dev/null
sleep 3
# File > Open..., the file's path typed into the dialog (without a window
# manager the dialog takes the keyboard only when given it).
xdotool mousemove 20 8 click 1
sleep 1
xdotool mousemove 55 51 click 1
xdotool windowfocus "$(window "Open scenario")"
xdotool type --delay 5 "$PWD/examples/contact_centre_day.morvane"
xdotool key Return
sleep 2
# Clicks between the charts give the main window back the keyboard (the first
# after a dialog closes only wakes it).
for _ in 1 2; do
  xdotool mousemove 740 700 click 1
  sleep 1
done
xdotool key alt+c   # "&Compute Steady State Probs"
sleep 3
xdotool key alt+o   # "C&Ompute Time Dep. Probs"
sleep 12
mkdir -p docs
import -window root docs/main-window.png
echo "docs/main-window.png"
