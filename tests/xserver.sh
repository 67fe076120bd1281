#!/usr/bin/env bash
# Sourced by the tests that need a display: start_xserver starts a private
# X server, which picks a free display itself and writes its number once it
# takes connections, so that two tests started at once never share one.
# It exports DISPLAY and sets `xvfb` (the server's pid) and `displayfile`;
# the caller kills the one and removes the other at its end.
start_xserver() {
    displayfile=$(mktemp)
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$displayfile" 2>/dev/null &
    xvfb=$!
    # A busy machine starts a server slowly: up to a minute.
    for _ in $(seq 600); do
        [[ -s "$displayfile" ]] && break
        sleep 0.1
    done
    [[ -s "$displayfile" ]] || { echo "FAIL: the X server did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n 1 "$displayfile")
}
