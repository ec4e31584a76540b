#!/usr/bin/env bash
# Installs, from Debian packages only, everything Kinovue ST needs to build, run and test.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache clang-format
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libmpv-dev ffmpeg
    libfluidsynth-dev timgm6mb-soundfont
    libxcb1-dev libxcb-ewmh-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth x11-utils xdotool imagemagick
    # a small window manager: the background screen is also tested on a managed desktop
    openbox
    desktop-file-utils appstream file
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
