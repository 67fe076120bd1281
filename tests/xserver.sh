#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that need a display: start_xserver starts a private
# X server, which picks a free display itself and writes its number once it
# takes connections, so that two tests started at once never share one.
# It exports DISPLAY and sets `xvfb` (the server's pid) and `displayfile`;
# the caller kills the one and removes the other at its end.
#
# -noreset: by default an X server starts itself afresh each time its last
# client leaves, and drops every connection that arrives meanwhile ("could
# not connect to display"). The tests' first client often leaves at once
# (xdpyinfo asking whether the server is up, the accessibility bus launcher
# setting its property) just as the next one connects; on a busy machine
# the restart lasts long enough for that to fail.
start_xserver() {
    displayfile=$(mktemp)
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$displayfile" 2>/dev/null &
    xvfb=$!
    # A busy machine starts a server slowly: up to a minute.
    for _ in $(seq 600); do
        [[ -s "$displayfile" ]] && break
        sleep 0.1
    done
    [[ -s "$displayfile" ]] || { echo "FAIL: the X server did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n 1 "$displayfile")
}
