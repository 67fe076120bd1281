// SPDX-License-Identifier: GPL-3.0-or-later
// Basic of the classic school kind: LET (optional), PRINT (; and ,), INPUT,
// DIM A(10) (elements 0 … 10; also A(1 TO 10), AS INTEGER), FOR … TO …
// STEP … NEXT, WHILE … WEND, DO … LOOP with WHILE or UNTIL, IF … THEN … ELSE
// … END IF and the one-line IF, EXIT FOR, END; the operators ^ * / \ MOD
// + - = <> < > <= >= NOT AND OR XOR with Basic's priorities; ABS, SQR
// (square root), INT, FIX, CINT, SGN. Line numbers are allowed and
// ignored; GOTO is not supported. Every variable starts at 0, and an
// array used without DIM has the elements 0 … 10, as in Basic. PRINT writes
// a number with a blank before it (where its sign would stand) and one
// after it, as Basic does; AND and OR read both their operands.
#pragma once

#include "interpret.h"

namespace zut::check {

RunResult runBasic(const QString& source, const RunOptions& options = {});

} // namespace zut::check
