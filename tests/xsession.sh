#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests: a private X server with a window manager,
# and helpers to find the program's windows, click in them and see it end.
# The caller sets `program` (the executable) and may set `launch` (a command
# put before it, such as strace), `tracelog` (what that command writes, shown
# on a failure) and `scratch` (files to remove at the end).
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "  $*"; }

# Waits up to a minute (a busy machine starts a server slowly) for a
# command to succeed.
wait_for() {
    for _ in $(seq 600); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

pid=
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
    [[ -n "${wm:-}" ]] && kill "$wm" 2>/dev/null || true
    [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
    rm -f "${displayfile:-}" "${wmlog:-}" "${applog:-}"
    [[ -n "${scratch:-}" ]] && rm -rf $scratch || true
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
start_xserver
export QT_QPA_PLATFORM=xcb # a real window system, whatever the caller runs with
wait_for xdpyinfo || fail "the X server at $DISPLAY takes no connections"

# The window manager must be managing the screen before the program starts:
# without one, windows map unmanaged and a close through it is never delivered.
# It is started again should it fail to come up.
wmlog=$(mktemp)
for attempt in 1 2 3; do
    openbox >"$wmlog" 2>&1 &
    wm=$!
    for _ in $(seq 300); do
        wmctrl -m >/dev/null 2>&1 && break 2
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.1
    done
    kill "$wm" 2>/dev/null || true
    echo "  the window manager did not start (attempt $attempt): $(cat "$wmlog")" >&2
    [[ $attempt -eq 3 ]] && fail "no window manager"
done

title="Готовимся к ЗУТ по информатике"
menu="Варианты 2008 года"

# What the program shows now, for a failure's message.
describe() {
    kill -0 "$app" 2>/dev/null && echo "  the program (pid $app) is running" || echo "  the program (pid ${app:-unknown}) is not running"
    [[ -s "${applog:-}" ]] && { echo "  it said:"; tail -n 20 "$applog" | sed 's/^/    /'; }
    [[ -s "${tracelog:-}" ]] && { echo "  its trace ends:"; tail -n 8 "$tracelog" | sed 's/^/    /'; }
    ps -o pid=,stat=,wchan:24=,args= -p "$wm" >/dev/null 2>&1 &&
        echo "  window manager: $(ps -o pid=,stat=,wchan:24=,args= -p "$wm")" ||
        { echo "  the window manager is not running; it said:"; sed 's/^/    /' "$wmlog"; }
    local id
    for id in $(xdotool search --all --pid "$app" --name '.*' 2>/dev/null); do
        echo "  window $id \"$(xdotool getwindowname "$id" 2>/dev/null)\"" \
            "$(xwininfo -id "$id" 2>/dev/null | grep -oE 'Is(Viewable|UnMapped|Unviewable)')"
    done
}

# The one visible window of the program with exactly this title; a window
# may take a while to come when the machine is busy.
window() {
    local title=$1 id
    for _ in $(seq 300); do
        id=$(xdotool search --all --onlyvisible --pid "$app" --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return; }
        sleep 0.1
    done
    describe >&2
    fail "no visible window titled \"$title\""
}

# Every window of the program that is on screen now.
visible_count() {
    xdotool search --all --onlyvisible --pid "$app" --name '.*' 2>/dev/null | wc -l
}

expect_alone() {
    local title=$1 id
    id=$(window "$title")
    for _ in $(seq 300); do
        sleep 0.1
        [[ $(visible_count) -eq 1 ]] && { echo "$id"; return; }
    done
    describe >&2
    fail "\"$title\" is not the only visible window"
}

# Closes a window through the window manager and waits until it is gone;
# a close asked for while the machine is busy can be lost, so it is asked
# for again every three seconds, as a student would click again.
close_window() {
    local id=$1
    wmctrl -i -c "$id"
    for i in $(seq 300); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' || return 0
        (( i % 30 == 0 )) && wmctrl -i -c "$id"
        sleep 0.1
    done
    describe >&2
    fail "window $id did not close"
}

click() { # window, x, y in the window's client area
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

applog=$(mktemp)
start() { # sets pid (what was started) and app (the program); not in a subshell
    ${launch:-} "$program" >"$applog" 2>&1 &
    pid=$!
    app=$pid
    if [[ -n "${launch:-}" ]]; then
        # The program is the launcher's child that runs the program's file:
        # strace first forks short-lived children of its own (to see what
        # the kernel's ptrace supports), and on a busy machine one of them
        # may still be there when we look.
        app=
        local c
        for _ in $(seq 600); do
            for c in $(pgrep -P "$pid" || true); do
                [[ "$(readlink "/proc/$c/exe" 2>/dev/null)" == "$(realpath "$program")" ]] && app=$c && break 2
            done
            sleep 0.1
        done
        [[ -n "$app" ]] || fail "the program did not start under ${launch}"
    fi
}

expect_end() {
    local status=0
    for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        describe >&2
        fail "the program did not end: $1"
    fi
    wait "$pid" || status=$?
    pid=
    [[ $status -eq 0 ]] || fail "exit status $status: $1"
    step "ended with status 0: $1"
}


