// SPDX-License-Identifier: GPL-3.0-or-later
// The school algorithmic language (in Russian): алг … нач … кон or a bare
// list of statements; цел, вещ, лог, лит and the tables целтаб, вещтаб,
// логтаб A[1:10]; :=; нц для i от a до b (шаг s) … кц, нц пока … кц,
// нц n раз … кц, нц … кц при …; если … то … иначе … все; выбор при …: …
// иначе … все; вывод (нс ends a line), ввод, выход, утв; div(a, b) and
// mod(a, b) with a remainder of the divisor's sign (as the language defines
// them), abs, iabs, sqrt, int, min, max, imin, imax, sign; и, или, не;
// ** for powers; | starts a comment. A counted loop's variable has no value
// after the loop and may not be changed inside it.
#pragma once

#include "interpret.h"

namespace zut::check {

RunResult runAlgorithmic(const QString& source, const RunOptions& options = {});

} // namespace zut::check
