#!/usr/bin/env bash
# Drives the real program from outside, in a private X server with a window
# manager: clicks through the windows as a student would, closes windows
# through the window manager, and checks that every way out ends the program
# with exit status 0.
set -euo pipefail
program=$(realpath "$1")

for n in $(seq 91 199); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || break
done
export DISPLAY=:$n
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
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no visible window titled \"$title\""
}

# Every window of the program that is on screen now.
visible_count() {
    xdotool search --all --onlyvisible --pid "$pid" --name '.*' 2>/dev/null | wc -l
}

expect_alone() {
    local title=$1 id
    id=$(window "$title")
    sleep 0.2
    [[ $(visible_count) -eq 1 ]] || fail "\"$title\" is not the only visible window"
    echo "$id"
}

click() { # window, x, y in the window's client area
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

start() { # sets pid; not to be called in a subshell
    "$program" >/dev/null 2>&1 &
    pid=$!
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


echo "Walk through the windows"
start; t=$(expect_alone "$title")
click "$t" 144 364 # Начать работу
c=$(expect_alone "")
step "chooser"
click "$c" 72 192 # 2008
m=$(expect_alone "$menu")
step "variant menu"
click "$m" 416 200 # 4 вариант
p=$(expect_alone "Тест  2008 года 4 вариант")
step "paper 4"
click "$p" 942 686 # Назад
m=$(expect_alone "$menu")
step "back to the variant menu"
click "$m" 457 383 # back arrow
c=$(expect_alone "")
step "back to the chooser"
click "$c" 72 120 # 2007
p=$(expect_alone "Тест ЗУТ 2007 года")
step "2007 paper"
click "$p" 932 20 # Инструкция
d=$(window "Инструкция по выполнению работы")
step "instruction dialog over the paper"
click "$p" 942 686 # Назад, blocked while the dialog is open
sleep 0.3
[[ $(visible_count) -eq 2 ]] || fail "the paper reacted while the dialog was open"
wmctrl -i -c "$d"
p=$(expect_alone "Тест ЗУТ 2007 года")
step "dialog closed, paper alone again"
wmctrl -i -c "$p"
expect_end "close box of the 2007 paper"

echo "Every way out"
start; t=$(expect_alone "$title"); click "$t" 144 420
expect_end "Выйти из программы"

start; t=$(expect_alone "$title"); wmctrl -i -c "$t"
expect_end "close box of the title window"

start; t=$(expect_alone "$title"); click "$t" 476 468
d=$(window "")
step "help dialog"
wmctrl -i -c "$d"
t=$(expect_alone "$title"); wmctrl -i -c "$t"
expect_end "close box of the title window after the help dialog"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 408 264
expect_end "Выход из программы"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); wmctrl -i -c "$c"
expect_end "close box of the chooser"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 72 192
m=$(expect_alone "$menu"); click "$m" 528 382
expect_end "exit button of the variant menu"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 72 192
m=$(expect_alone "$menu"); wmctrl -i -c "$m"
expect_end "close box of the variant menu"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 72 192
m=$(expect_alone "$menu"); click "$m" 160 360 # 7 вариант
p=$(expect_alone "Тест  2008 года 7 вариант"); wmctrl -i -c "$p"
expect_end "close box of a 2008 paper"

echo "PASS"
