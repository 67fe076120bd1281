#!/usr/bin/env bash
# Sourced by the end-to-end tests: a private X server with a window manager,
# and helpers to find the program's windows, click in them and see it end.
# The caller sets `program` (the executable) and may set `launch` (a command
# put before it, such as strace).
for n in $(seq 91 199); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || break
done
export DISPLAY=:$n
export QT_QPA_PLATFORM=xcb # a real window system, whatever the caller runs with
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
    [[ -n "${wm:-}" ]] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

title="Готовимся к ЗУТ по информатике"
menu="Варианты 2008 года"

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "  $*"; }

# The one visible window of the program with exactly this title.
window() {
    local title=$1 id
    for _ in $(seq 100); do
        id=$(xdotool search --all --onlyvisible --pid "$app" --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no visible window titled \"$title\""
}

# Every window of the program that is on screen now.
visible_count() {
    xdotool search --all --onlyvisible --pid "$app" --name '.*' 2>/dev/null | wc -l
}

expect_alone() {
    local title=$1 id
    id=$(window "$title")
    for _ in $(seq 100); do
        sleep 0.1
        [[ $(visible_count) -eq 1 ]] && { echo "$id"; return; }
    done
    fail "\"$title\" is not the only visible window"
}

# Closes a window through the window manager and waits until it is gone;
# a close asked for while the machine is busy can be lost, so it is asked
# for once more after three seconds, as a student would click again.
close_window() {
    local id=$1
    wmctrl -i -c "$id"
    for i in $(seq 60); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' || return 0
        [[ $i -eq 30 ]] && wmctrl -i -c "$id"
        sleep 0.1
    done
}

click() { # window, x, y in the window's client area
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

start() { # sets pid (what was started) and app (the program); not in a subshell
    ${launch:-} "$program" >/dev/null 2>&1 &
    pid=$!
    app=$pid
    if [[ -n "${launch:-}" ]]; then
        app=
        for _ in $(seq 100); do
            app=$(pgrep -P "$pid" | head -n 1 || true)
            [[ -n "$app" ]] && break
            sleep 0.1
        done
        [[ -n "$app" ]] || fail "the program did not start under ${launch}"
    fi
}

expect_end() {
    local status=0
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end: $1"
    wait "$pid" || status=$?
    pid=
    [[ $status -eq 0 ]] || fail "exit status $status: $1"
    step "ended with status 0: $1"
}


