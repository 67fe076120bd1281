#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything with warnings as errors and
# runs every test, the end-to-end tests in a private X server included;
# then builds again with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the whole suite there, with leak checking at each program's end.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" --test
"$top/scripts/build.sh" -DZUT_WERROR=ON -DZUT_BENCHMARKS=ON
(cd "$top/build" && ctest --output-on-failure -j 2)

echo "== the same suite under the sanitizers"
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUT_WERROR=ON \
    -DZUT_SANITIZE=ON -DZUT_BENCHMARKS=OFF -DZUT_RANDOM_ACTIONS=300 >/dev/null
cmake --build "$top/build-asan" -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$top/build-asan" && ctest --output-on-failure -j 2)
