#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test, the end-to-end test in a private X server included.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" --test
"$top/scripts/build.sh" -DZUT_WERROR=ON -DZUT_BENCHMARKS=ON
cd "$top/build"
ctest --output-on-failure -j 2
