#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# From outside the process: a scripted session of the real program under
# strace, then a look at what it asked of the system. It must open no file
# for writing (nor create, rename or remove one), use no socket but its
# display connection, and read no configuration of its own.
set -euo pipefail
program=$(realpath "$1")
log=$(mktemp)
home=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
scratch="$log $home $runtime" # removed by the session's cleanup
tracelog=$log
# A clean environment, but for what a sanitized build of the program needs.
# (strace -q, not -qq: how each process ended stays in the trace, which a
# failure shows.)
# (The leak checker cannot work under strace; the other tests check leaks.)
sanitizers="${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0} ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS}"
launch="env -i DISPLAY=PLACEHOLDER HOME=$home XDG_RUNTIME_DIR=$runtime PATH=/usr/bin:/bin LANG=C.UTF-8 $sanitizers
    strace -f -q -o $log
    -e trace=open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,rmdir,truncate,ftruncate,link,linkat,symlink,symlinkat,socket,connect,bind,listen,access,faccessat,faccessat2,newfstatat,statx"

source "$(dirname "$0")/xsession.sh"
launch=${launch/PLACEHOLDER/$DISPLAY}

echo "A session under strace"
start; t=$(expect_alone "$title")
click "$t" 144 364 # Начать работу
c=$(expect_alone ""); click "$c" 72 192
m=$(expect_alone "$menu"); click "$m" 160 200 # 3 вариант
p=$(expect_alone "Тест  2008 года 3 вариант")
click "$p" 850 300 # into the page
xdotool type --window "$p" "12121"
click "$p" 782 686 # Проверка
click "$p" 932 20  # Инструкция
d=$(window "Инструкция по выполнению работы"); close_window "$d"
p=$(expect_alone "Тест  2008 года 3 вариант")
click "$p" 942 686 # Назад
m=$(expect_alone "$menu"); click "$m" 528 382
expect_end "exit button of the variant menu"

echo "What it asked of the system ($(wc -l <"$log") calls)"
problems=0
report() { echo "FAIL: $1:"; sed 's/^/    /' <<<"$2" | head -n 10; problems=1; }

# Files opened for writing, created, renamed or removed; devices aside.
writes=$(grep -E '(open|openat|creat)\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' |
         grep -vE '"/dev/' | grep -v ' = -1 ' || true)
[[ -z "$writes" ]] || report "files opened for writing" "$writes"
changes=$(grep -E '(rename|renameat2?|unlink|unlinkat|mkdir|mkdirat|rmdir|truncate|link|symlink)\(' "$log" |
          grep -v ' = -1 ' || true)
[[ -z "$changes" ]] || report "files created, renamed or removed" "$changes"

# Sockets: one connection, to the X server.
sockets=$(grep -E 'socket\(' "$log" | grep -v 'AF_UNIX' || true)
[[ -z "$sockets" ]] || report "sockets other than local ones" "$sockets"
connects=$(grep -E 'connect\(' "$log" | grep -v '/tmp/.X11-unix/X' || true)
[[ -z "$connects" ]] || report "connections other than the display" "$connects"
binds=$(grep -E '(bind|listen)\(' "$log" || true)
[[ -z "$binds" ]] || report "listening sockets" "$binds"

# Configuration of its own: no file named after the program is looked for
# (beside the executable the toolkit looks for its plugin folders).
own=$(grep -E '(open|openat|stat|access|newfstatat)\(' "$log" | grep -v "\"$(dirname "$program")/" |
      grep -iE 'zut|informatika' || true)
[[ -z "$own" ]] || report "files of its own looked for" "$own"

[[ $problems -eq 0 ]] || exit 1
echo "PASS"
