// SPDX-License-Identifier: GPL-3.0-or-later
// C fragments: int main() { … } (with #include lines, which are skipped)
// or a bare list of statements. int, long, short, char, double and float
// variables and one-dimensional arrays (with {…} initial values);
// = += -= *= /= %= ++ --; the operators of C with its priorities, / and %
// of two ints giving the whole quotient and the remainder; (int) and
// (double) casts; for, while, do … while, if … else, break, continue,
// return; printf (%d, %i, %f, %.2f, %c, %s, %%, widths) and scanf, which
// reads from the run's input. Assignments stand only as statements.
#pragma once

#include "interpret.h"

namespace zut::check {

RunResult runC(const QString& source, const RunOptions& options = {});

} // namespace zut::check
