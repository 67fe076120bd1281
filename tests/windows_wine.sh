#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine, in a fresh Wine prefix and a private X
# server with a window manager, driven from outside as a student would:
# the title window, the chooser, the 2007 paper answered by keyboard and
# marked, the instruction dialog, the way back and out with exit status 0.
# Then the installer: a silent install, the installed program started and
# left, a silent uninstall that leaves no file behind.
#
#   tests/windows_wine.sh EXE INSTALLER
#
# Screenshots go to $ZUT_WINE_SHOTS (default: wine-shots beside EXE). The
# marked result is read from the screen by OCR (tesseract).
set -euo pipefail
exe=$(realpath "$1")
installer=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
shots=${ZUT_WINE_SHOTS:-$(dirname "$exe")/wine-shots}
mkdir -p "$shots"

# A fresh prefix; no prompt for Wine's .NET and HTML engines, which the
# program does not use.
export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The program the session helpers start: the .exe under Wine, in the same
# process (exec), so that its windows carry the pid they look for.
program=$(mktemp)
printf '#!/bin/sh\nexec wine "$ZUT_EXE"\n' >"$program"
chmod +x "$program"
export ZUT_EXE=$exe
scratch="$WINEPREFIX $program"

source "$here/xsession.sh"
unset QT_QPA_PLATFORM # the Windows program has its own platform
wine_cleanup() {
    wineserver -k 2>/dev/null || true
    cleanup
}
trap wine_cleanup EXIT

shot() { # window, name
    import -window "$1" "$shots/$2.png"
    step "screenshot $shots/$2.png"
}

# The text in a rectangle of a window, read by OCR (Russian), on one line.
read_text() { # window, x, y, width, height
    import -window "$1" -crop "${4}x${5}+${2}+${3}" +repage -resize 300% png:- |
        tesseract stdin stdout -l rus --psm 7 2>/dev/null | tr -s ' \n' ' '
}

# Keys to the window with the focus.
keys() { xdotool key --delay 60 "$@"; }

step "a fresh Wine prefix"
wineboot -i >/dev/null 2>&1
wineserver -w

echo "The program from the .exe"
t0=$(date +%s.%N)
start
t=$(expect_alone "$title")
step "title window after $(echo "$(date +%s.%N) - $t0" | bc) s"
shot "$t" title
click "$t" 144 364 # Начать работу
c=$(expect_alone "")
step "chooser"
shot "$c" chooser
click "$c" 72 120 # Тест 2007 года
p=$(expect_alone "Тест ЗУТ 2007 года")
step "2007 paper"
shot "$p" paper-2007

# The key of the 2007 paper, from the program's own table.
key_source=$here/../src/windows/test_2007.cpp
read -r -a part1 <<<"$(sed -n 's/.*key{{\([0-9, ]*\)},.*/\1/p' "$key_source" | tr -d ',')"
mapfile -t part2 < <(sed -n 's/.*{u"\([^"]*\)".*/\1/p' "$key_source")
[[ ${#part1[@]} -eq 20 && ${#part2[@]} -eq 8 ]] || fail "cannot read the 2007 key from $key_source"

# Tasks 1-4 get a wrong option, the rest the right one; Part 2's answers
# in digits are typed (the six numbers), the two in Russian letters left
# empty: 16 + 6 = 22 right, "4 (хорошо)". Task 1's option is clicked (its
# answer box is on the first screen, 20 px apart from x = 878, at y = 262);
# Ctrl+Tab steps from task to task and the arrows choose, as in the Linux
# keyboard test. Ctrl+Tab is not pressed in a text field: under Wine it
# moves as Tab does there.
step "answering"
for i in $(seq 0 19); do
    choice=${part1[$i]}
    ((i < 4)) && choice=$((choice % 4 + 1))
    if ((i == 0)); then
        click "$p" $((878 + 20 * (choice - 1))) 262
        continue
    fi
    keys ctrl+Tab
    if ((choice == 1)); then keys space; else for _ in $(seq 2 "$choice"); do keys Right; done; fi
done
keys ctrl+Tab # to the heading
for answer in "${part2[@]}"; do
    keys Tab
    [[ "$answer" =~ ^[0-9,]+$ ]] && xdotool type --delay 80 "$answer"
done
click "$p" 782 686 # Проверка
sleep 1
shot "$p" paper-2007-marked
result=$(read_text "$p" 0 674 520 24)
grade=$(read_text "$p" 520 674 171 24)
step "result \"$result\", grade \"$grade\""
[[ "$result" == *"правильных"*"22"* ]] || fail "the result does not say 22 right: \"$result\""
[[ "$grade" == *"4"*"хорошо"* ]] || fail "the grade is not 4 (хорошо): \"$grade\""

click "$p" 932 20 # Инструкция
d=$(window "Инструкция по выполнению работы")
step "instruction dialog"
shot "$d" instruction
close_window "$d"
p=$(expect_alone "Тест ЗУТ 2007 года")
click "$p" 942 686 # Назад
c=$(expect_alone "")
click "$c" 408 264 # Выход из программы
expect_end "exit button of the chooser"

echo "The installer"
before=$(mktemp)
scratch="$scratch $before"
(cd "$WINEPREFIX/drive_c" && find . | sort) >"$before"
wine "$installer" /S
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/zut-informatika"
[[ -f "$installed/zut-informatika.exe" ]] || fail "the installer put no zut-informatika.exe into Program Files"
ls "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/"*.lnk >/dev/null 2>&1 ||
    fail "the installer made no Start-menu entry"
step "installed: $(comm -13 "$before" <(cd "$WINEPREFIX/drive_c" && find . -type f | sort) | tr '\n' ' ')"
export ZUT_EXE="$installed/zut-informatika.exe"
start
t=$(expect_alone "$title")
click "$t" 144 420 # Выйти из программы
expect_end "the installed program"
wine "$installed/uninstall.exe" /S
wineserver -w
# The uninstaller runs from a copy in the temporary folder, which Windows
# deletes at the next start; Wine's start of Windows does the same.
wineboot -r >/dev/null 2>&1
wineserver -w
left=$(comm -13 "$before" <(cd "$WINEPREFIX/drive_c" && find . | sort))
[[ -z "$left" ]] || fail "the uninstaller left: $left"
step "uninstalled, nothing left"
echo "PASS"
