#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program in a private X server with a window manager and saves a
# picture of its title window, frame included, to the given PNG file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/docs/title-window.png}")
trap 'kill $(jobs -p) 2>/dev/null || true; rm -f "${displayfile:-}"' EXIT
source "$top/tests/xserver.sh"
start_xserver
openbox >/dev/null 2>&1 &
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
"$top/build/zut-informatika" >/dev/null 2>&1 &
for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "Готовимся" 2>/dev/null | head -n 1 || true)
    [[ -n "$id" ]] && break
    sleep 0.1
done
sleep 0.5
X=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $NF}')
Y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $NF}')
WIDTH=$(xwininfo -id "$id" | awk '/Width:/ {print $NF}')
HEIGHT=$(xwininfo -id "$id" | awk '/Height:/ {print $NF}')
read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
/usr/bin/import -window root -crop "$((WIDTH + l + r))x$((HEIGHT + t + b))+$((X - l))+$((Y - t))" \
    +repage "$out"
echo "$out"
