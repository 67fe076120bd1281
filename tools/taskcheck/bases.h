// SPDX-License-Identifier: GPL-3.0-or-later
// Number bases: writing a number in base 2 … 36 (digits 0-9, then A-Z),
// reading it back, counting digits, sums and products of numbers written
// with their bases, and finding the bases in which a number takes a given
// form.
#pragma once

#include <QString>

#include <vector>

namespace zut::check {

// The digit string of `value` in `base` (upper-case letters, "-" before a
// negative number).
QString toBase(qint64 value, int base);

// The value of a digit string in `base`; letters in either case, an
// optional leading "-".
qint64 fromBase(const QString& digits, int base);

// The same number, of any length, rewritten from one base into another,
// without leading zeros (a code read as one long number).
QString convertDigits(const QString& digits, int from, int to);

// How many times `digit` occurs in the writing of `value` in `base`.
int digitCount(qint64 value, int base, QChar digit);

// An expression of sums, differences and products of numbers, each written
// as digits, an underscore and its base in decimal (`1011_2 + 37_8 * 1A_16`);
// a base may also be written in subscript digits (`1011₂`); a number
// without a base is decimal. Parentheses group; * binds tighter
// than + and -.
qint64 evaluateBased(const QString& expression);
QString evaluateBased(const QString& expression, int resultBase);

// Every base b (b >= 2, b > digit) in which `value` ends in `digit`,
// increasing.
std::vector<qint64> basesEndingIn(qint64 value, int digit);

// Every base in which `value` is written as `pattern`: digits (0-9, A-Z)
// where the digit is known, `?` where it is not. The first digit is never 0.
// Increasing.
std::vector<qint64> basesWithPattern(qint64 value, const QString& pattern);

// Every base in which `value` has exactly `digits` digits, increasing.
std::vector<qint64> basesWithDigitCount(qint64 value, int digits);

} // namespace zut::check
