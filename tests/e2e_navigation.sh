#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program from outside, in a private X server with a window
# manager: clicks through the windows as a student would, closes windows
# through the window manager, and checks that every way out ends the program
# with exit status 0.
set -euo pipefail
program=$(realpath "$1")
# In a sanitized build the leak checker is off here: its own tracer thread
# now and then crashes at the exit of the program under the X server
# ("Tracer caught signal 11"), and the in-process tests check the same
# windows for leaks.
[[ -n "${ASAN_OPTIONS:-}" ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"

source "$(dirname "$0")/xsession.sh"

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
close_window "$d"
p=$(expect_alone "Тест ЗУТ 2007 года")
step "dialog closed, paper alone again"
close_window "$p"
expect_end "close box of the 2007 paper"

echo "Every way out"
start; t=$(expect_alone "$title"); click "$t" 144 420
expect_end "Выйти из программы"

start; t=$(expect_alone "$title"); close_window "$t"
expect_end "close box of the title window"

start; t=$(expect_alone "$title"); click "$t" 476 468
d=$(window "")
step "help dialog"
close_window "$d"
t=$(expect_alone "$title"); close_window "$t"
expect_end "close box of the title window after the help dialog"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 408 264
expect_end "Выход из программы"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); close_window "$c"
expect_end "close box of the chooser"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 72 192
m=$(expect_alone "$menu"); click "$m" 528 382
expect_end "exit button of the variant menu"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 72 192
m=$(expect_alone "$menu"); close_window "$m"
expect_end "close box of the variant menu"

start; t=$(expect_alone "$title"); click "$t" 144 364
c=$(expect_alone ""); click "$c" 72 192
m=$(expect_alone "$menu"); click "$m" 160 360 # 7 вариант
p=$(expect_alone "Тест  2008 года 7 вариант"); close_window "$p"
expect_end "close box of a 2008 paper"

echo "PASS"
