// SPDX-License-Identifier: GPL-3.0-or-later
// Pascal fragments: a whole program (program …; const …; var …; begin …
// end.) or a bare list of statements whose variables need no declaration.
// Integer and real variables and one-dimensional arrays; :=, div, mod, the
// operators of Pascal with its own priorities (so a > 0 and b > 0 needs
// parentheses, as in Pascal itself); for … to/downto … do, while … do,
// repeat … until, if … then … else, begin … end, break, continue, exit;
// write, writeln (with :width:decimals), read, readln, inc, dec; abs, sqr,
// sqrt, trunc, round (halves to even, as the compilers in use do), odd,
// min, max. A counted loop's variable has no value after the loop and may
// not be changed inside it. A real written without :width:decimals is
// printed in its shortest form rather than Pascal's exponent form.
#pragma once

#include "interpret.h"

namespace zut::check {

RunResult runPascal(const QString& source, const RunOptions& options = {});

} // namespace zut::check
