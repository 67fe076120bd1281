#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs, and only those that are
# missing, so that a second run needs no network. With "--test" it adds
# what the tests need (the X server, window manager and X tools, a session
# bus with the accessibility bus for the accessibility events, and the
# validators and Debian tools the packaging tests use); "--windows" and
# "--wine" add what scripts/windows.sh needs to build and to test.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxcb1-dev
    libyaml-cpp-dev
    fonts-liberation2 fonts-urw-base35 fonts-wine
)
for option in "$@"; do
    case "$option" in
    --test)
        packages+=(libbenchmark-dev xvfb openbox xdotool wmctrl x11-utils imagemagick strace procps
                   desktop-file-utils appstream dpkg-dev file dbus-daemon at-spi2-core) ;;
    --windows) # scripts/windows.sh: the cross compiler, Qt's build tools, the installer maker
        packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build dpkg-dev
                   xz-utils nsis) ;;
    --wine) # scripts/windows.sh --test
        packages+=(wine wine64 xvfb openbox xdotool wmctrl x11-utils imagemagick procps file bc
                   tesseract-ocr tesseract-ocr-rus) ;;
    *) echo "usage: scripts/setup.sh [--test] [--windows] [--wine]" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
