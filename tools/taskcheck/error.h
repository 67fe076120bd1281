// SPDX-License-Identifier: GPL-3.0-or-later
// The one error the answer checks throw: a task's data that cannot be
// solved as given (a malformed formula, a program with a syntax error, a
// division by zero, a loop that does not end). The message says what is
// wrong and where.
#pragma once

#include <QString>

#include <stdexcept>

namespace zut::check {

struct CheckError : std::runtime_error {
    explicit CheckError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace zut::check
