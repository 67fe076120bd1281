#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the task-check solvers that no content names: each a registration
# r.solvers["name"] in tools/taskcheck whose name stands in no paper
# (resources/papers) and no content fixture of the tests (tests/**/*.yaml).
# Such a solver is dead code once the task it checked has been rewritten,
# even where its own rows in a paper test still call it.
import glob
import os
import re
import sys

top = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
registered = {}
for path in glob.glob(os.path.join(top, 'tools/taskcheck/*.cpp')):
    with open(path, encoding='utf-8') as f:
        for m in re.finditer(r'r\.solvers\["([^"]+)"\]', f.read()):
            registered[m.group(1)] = os.path.relpath(path, top)

users = ''
for pattern in ('resources/papers/*.yaml', 'tests/**/*.yaml'):
    for path in glob.glob(os.path.join(top, pattern), recursive=True):
        with open(path, encoding='utf-8') as f:
            users += f.read() + '\n'

unused = [n for n in sorted(registered)
          if not re.search(r'(?<![\w.])' + re.escape(n) + r'(?!\w)', users)]
for name in unused:
    print(registered[name], name)
print(f'{len(unused)} of {len(registered)} solvers unused', file=sys.stderr)
sys.exit(1 if unused else 0)
