#!/usr/bin/env bash
# Installs the Debian packages the tutor needs (as root, apt-get): "run" what building and
# running it need, "test" (the default) everything the tests and the package need as well.
set -euo pipefail
packages=(cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland fonts-liberation)
if [ "${1:-test}" != run ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev
    xvfb openbox xdotool x11-utils x11-xkb-utils imagemagick python3
    python3-pyatspi at-spi2-core dbus-daemon
    x11-session-utils x11-xserver-utils
    clang libclang-rt-14-dev
    hunspell hunspell-en-us hunspell-en-gb hunspell-de-de hunspell-fr
    dpkg-dev lintian appstream desktop-file-utils weston mutter)
fi
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
