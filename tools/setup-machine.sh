#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building (and, with "test", testing) the tutorial needs.
# Needs nothing but bash and apt; runs apt only when something is missing.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgif-dev fonts-liberation)
if [[ "${1:-}" == "test" ]]; then
    packages+=(xvfb xauth openbox xdotool x11-utils dbus-daemon aspell aspell-en desktop-file-utils
        clang-format)
    # The screen reader that reads the tutorial aloud, and the accessibility bus it listens on.
    packages+=(orca at-spi2-core)
    # Debian's packaging tools: the package is built and checked as a test. dpkg-buildpackage
    # refuses to start without build-essential, which a minimal Debian doesn't have.
    packages+=(build-essential dpkg-dev debhelper lintian appstream)
    # The desktops the tutorial is tried on: Wayland (weston), and dark colour schemes with
    # larger fonts from qt6ct, the GTK platform theme and the Adwaita style.
    packages+=(weston qt6-wayland qt6ct qt6-gtk-platformtheme adwaita-qt6 fonts-dejavu-core)
    # The window manager's own un-maximize, asked for as a desktop's tools ask for it.
    packages+=(wmctrl)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || {
        echo "setup: these packages are missing and there is no sudo: ${missing[*]}" >&2
        exit 1
    }
    as_root=(sudo)
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
