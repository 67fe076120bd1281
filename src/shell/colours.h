// SPDX-License-Identifier: GPL-3.0-or-later
// The program's named colours (RGB) and the desktop roles the layouts use.
#pragma once

#include <QColor>

namespace zut::colours {

inline const QColor cream{255, 251, 240};
inline const QColor teal{0, 128, 128};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor navy{0, 0, 128};
inline const QColor purple{128, 0, 128};
inline const QColor olive{128, 128, 0};
// The desktop has no "active border" role; this is its usual grey.
inline const QColor activeBorder{180, 180, 180};

} // namespace zut::colours
