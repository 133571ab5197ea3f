#!/usr/bin/env bash
# Installs every Debian package the project needs, then configures and builds.
# Does nothing for packages already present; uses sudo only when not root.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
PKGS=(
  g++ cmake ninja-build pkg-config make
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-multimedia-dev qt6-webengine-dev
  qt6-httpserver-dev qt6-websockets-dev libqt6svg6
  libgl-dev libglx-dev libopengl-dev
  fonts-nanum fonts-dejavu-core xvfb xauth xfonts-base
  espeak-ng sox libsox-fmt-base pulseaudio pulseaudio-utils
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  clang libclang-rt-14-dev
  sqlite3 imagemagick xdotool
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
