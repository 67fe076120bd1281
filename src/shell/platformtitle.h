// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zut {

// Qt never lets a title bar be empty: QPlatformWindow::formatWindowTitle,
// which the platform windows (QXcbWindow, QWindowsWindow) call, puts the
// program's name into an empty title. For the windows whose title bar is
// meant to be empty (the chooser, the help dialog) this clears the name on
// the window system.
void clearPlatformTitle(QWidget* window);

} // namespace zut
