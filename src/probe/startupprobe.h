// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up marks for the start-up benchmark. Silent unless the toolkit's
// logging rules switch the category "zut.startup" on (QT_LOGGING_RULES);
// then each mark is one line on standard error with the monotonic clock's
// time in nanoseconds, which the benchmark that started the process reads.
#pragma once

class QWidget;

namespace zut::probe {

bool enabled();

// Writes "zut.startup: mark <what> <ns>".
void mark(const char* what);

// Marks "painted" when the window has painted its first frame.
void watchFirstPaint(QWidget* window);

// Marks "running" when the event loop dispatches its first queued call.
void markWhenLoopRuns();

} // namespace zut::probe
