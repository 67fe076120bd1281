#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the includes between the program's layers (the folders of src/),
# each layer with the layers it includes from and how many includes; fails,
# naming the files, where a layer includes from one above it. The same check
# runs in every build (cmake/layers.cmake).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cmake -DSOURCES="$top/src" "-DLAYERS=core;probe;shell;paper;windows;app" -DPRINT=ON \
      -P "$top/cmake/layers.cmake"
