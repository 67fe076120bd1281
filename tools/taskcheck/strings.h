// SPDX-License-Identifier: GPL-3.0-or-later
// Strings built by rules, as building blocks of the algorithm tasks: a
// string made again and again from the one before it, the character at a
// position of such a string and the count of a character in it (without
// building it, so long strings are fine), and run-length codes.
#pragma once

#include <QString>

#include <functional>

namespace zut::check {

// A rule builds string n from string n − 1 (the first string is number 1).
// It is a template: {s} stands for the string before, {r} for it reversed,
// {n} for the number n in decimal, {c} for the n-th character of
// `alphabet`; every other character stands for itself. "{s}{n}{s}" with
// the first string "1" gives 1, 121, 1213121, …
QString buildString(const QString& first, const QString& rule, int number,
                    const QString& alphabet = {});

// The length of string `number`, its character at `position` (from 1) and
// the number of times `c` occurs in it.
qint64 builtLength(const QString& first, const QString& rule, int number,
                   const QString& alphabet = {});
QChar builtCharAt(const QString& first, const QString& rule, int number, qint64 position,
                  const QString& alphabet = {});
qint64 builtCount(const QString& first, const QString& rule, int number, QChar c,
                  const QString& alphabet = {});

// Applies `step` to `start` `times` times.
QString applyTimes(const QString& start, const std::function<QString(const QString&)>& step,
                   int times);

QString reversed(const QString& s);

// Run-length codes: a count before a character or a parenthesised group,
// a character without a count standing once: "3A2B" is AAABB, "2(AB)C" is
// ABABC, "A10B" is A and ten B. Digits cannot be coded characters.
QString runLengthDecode(const QString& code);
qint64 runLengthDecodedLength(const QString& code);
// The shortest code of that kind without groups (counts of 1 left out).
QString runLengthEncode(const QString& text);

} // namespace zut::check
