#!/usr/bin/env bash
# Installs the Debian packages Morvane needs to build, package, test and run, if missing.
# Without recommends, so every package the build or a test uses is named here
# (wmf2svg, for one, finds no font without fonts-urw-base35).
set -euo pipefail
packages=(
  build-essential cmake pkg-config dpkg-dev file help2man
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev libqt6charts6-dev libgl-dev libjpeg-dev
  libglpk-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool imagemagick poppler-utils libwmf-bin fonts-urw-base35 emf2svg fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
