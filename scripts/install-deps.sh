#!/usr/bin/env bash
# Installs the Debian packages Morvane needs to build, test and run, if missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev libqt6charts6-dev libgl-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick poppler-utils libwmf-bin emf2svg fonts-dejavu-core
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
