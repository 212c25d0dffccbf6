#!/usr/bin/env bash
# Installs what building, running and testing Velqora needs on Debian 12.
# Idempotent: packages already present are left alone.
set -eu
pkgs=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev
  qt6-multimedia-dev qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
  libgl-dev libglx-dev
  qt6-qpa-plugins
  fonts-liberation
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # The desktop's address book, and the private session bus its tests run on.
  libebook1.2-dev evolution-data-server dbus-daemon
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
