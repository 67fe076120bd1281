#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program reads no environment of its own: started offscreen and in a
# private X server with a library preloaded that writes down every
# environment variable the process asks for, each name it asks for must
# belong to the toolkit or to a library beneath it.
#
#   environment.sh PROGRAM ENVLOG_LIBRARY
set -euo pipefail
program=$(realpath "$1")
shim=$(realpath "$2")
scratch=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch" "${displayfile:-}"
}
trap cleanup EXIT

# A sanitized build checks that its runtime comes first; here the preloaded
# library does, which is harmless.
asan=${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0:detect_leaks=0}

# Runs the program for three seconds with `$@` in its environment.
run() {
    env -i HOME="$scratch" PATH=/usr/bin:/bin LANG=C.UTF-8 $asan \
        ENVLOG_FILE="$scratch/names" LD_PRELOAD="$shim" "$@" "$program" >"$scratch/run.log" 2>&1 &
    local pid=$!
    sleep 3
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: the program ended early"
        cat "$scratch/run.log"
        exit 1
    fi
    kill "$pid"
    wait "$pid" || true
}

run QT_QPA_PLATFORM=offscreen
source "$(dirname "$0")/xserver.sh"
start_xserver
run DISPLAY="$DISPLAY"

[[ -s "$scratch/names" ]] || { echo "FAIL: nothing was written down: is the library preloaded?"; exit 1; }
# HOME and LANG at least are always asked for: the log is the program's.
grep -qx HOME "$scratch/names" || { echo "FAIL: HOME was not asked for"; exit 1; }

# The toolkit (QT_, QDBUS_, the platform plugins' X, XDG and desktop
# variables) and the libraries under it: the C library's locale, font
# configuration, FreeType, expat, GLib, OpenMP, libjpeg, the GL dispatch,
# D-Bus and the accessibility bus, Xlib, XCB, the cursor and keyboard
# libraries; the sanitizers' own.
allowed='^(QT_|QDBUS_|XDG_|LC_|OMP_|GOMP_|ACC_|FC_|FONTCONFIG_|EXPAT_|JSIMD_|G_|__GL|__GLX_|__GLVND_|XCURSOR_|XKB_|_XKB_|DBUS_|XLIB|AT_SPI_|ASAN_|UBSAN_|LSAN_|MSAN_)'
allowed+='|^(DISPLAY|WAYLAND_DISPLAY|HOME|LANG|LANGUAGE|TMPDIR|TZ|SNAP|JPEGMEM|FREETYPE_PROPERTIES|DESKTOP_SESSION|DESKTOP_STARTUP_ID|GNOME_DESKTOP_SESSION_ID|KDE_FULL_SESSION|KDE_SESSION_VERSION|SESSION_MANAGER|XAUTHORITY|XENVIRONMENT|XLOCALEDIR|XMODIFIERS|RESOURCE_NAME|NO_AT_BRIDGE|LIBGL_[A-Z_]+|MESA_[A-Z_]+|PATH|TERM|POSIXLY_CORRECT|MALLOC_[A-Z_]+|GLIBC_TUNABLES)$'
own=$(sort -u "$scratch/names" | grep -vE "$allowed" || true)
if [[ -n "$own" ]]; then
    echo "FAIL: environment variables that no library beneath the program reads:"
    sed 's/^/    /' <<<"$own"
    exit 1
fi
echo "PASS: $(sort -u "$scratch/names" | wc -l) variables asked for, all of the toolkit and its libraries"
