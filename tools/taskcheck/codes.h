// SPDX-License-Identifier: GPL-3.0-or-later
// Codes of letters: a message written with a code table, and every way of
// reading a string of code symbols back into letters.
#pragma once

#include <QString>
#include <QStringList>

#include <map>

namespace zut::check {

// The message with each letter replaced by its code.
QString encode(const QString& message, const std::map<QChar, QString>& codes);

// Every message whose code is `text`, in alphabetical order of the messages
// (an empty list where none is). At most `limit` are returned; more throw.
QStringList decodings(const QString& text, const std::map<QChar, QString>& codes,
                      int limit = 10000);

// Whether no code is the beginning of another (then every code string has
// at most one reading).
bool isPrefixCode(const std::map<QChar, QString>& codes);

} // namespace zut::check
