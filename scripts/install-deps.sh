#!/usr/bin/env bash
# Installs the Debian packages the tutor needs to build, run and test (as root, apt-get).
set -euo pipefail
packages=(cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation xvfb openbox xdotool x11-utils x11-xkb-utils imagemagick python3
  python3-pyatspi at-spi2-core dbus-daemon
  x11-session-utils x11-xserver-utils
  clang libclang-rt-14-dev
  hunspell hunspell-en-us hunspell-en-gb hunspell-de-de hunspell-fr)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
