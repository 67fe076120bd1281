// SPDX-License-Identifier: GPL-3.0-or-later
#include "volume.h"

#include "error.h"

#include <cmath>

namespace zut::check {

namespace {

qint64 multiply(qint64 a, qint64 b, const char* what) {
    qint64 r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        throw CheckError(QStringLiteral("%1: the result is too large").arg(QLatin1String(what)));
    return r;
}

void requirePositive(qint64 v, const char* what) {
    if (v < 1)
        throw CheckError(
            QStringLiteral("%1 must be at least 1, not %2").arg(QLatin1String(what)).arg(v));
}

} // namespace

qint64 bitsIn(Unit unit) {
    switch (unit) {
    case Unit::Bit:
        return 1;
    case Unit::Byte:
        return 8;
    case Unit::Kbit:
        return 1024;
    case Unit::Kbyte:
        return 8 * 1024;
    case Unit::Mbit:
        return 1024 * 1024;
    case Unit::Mbyte:
        return 8 * 1024 * 1024;
    case Unit::Gbyte:
        return qint64(8) * 1024 * 1024 * 1024;
    }
    throw CheckError(QStringLiteral("unknown unit"));
}

double convert(double amount, Unit from, Unit to) {
    return amount * double(bitsIn(from)) / double(bitsIn(to));
}

qint64 characterCount(const QString& text) {
    qint64 n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

qint64 textBits(qint64 characters, qint64 perCharacter, Unit unit) {
    if (characters < 0)
        throw CheckError(QStringLiteral("a text cannot have %1 characters").arg(characters));
    requirePositive(perCharacter, "the code length of a character");
    return multiply(characters, multiply(perCharacter, bitsIn(unit), "text volume"), "text volume");
}

qint64 textBits(const QString& text, qint64 perCharacter, Unit unit) {
    return textBits(characterCount(text), perCharacter, unit);
}

int bitsForAlphabet(qint64 symbols) {
    requirePositive(symbols, "the number of symbols");
    int bits = 0;
    while (bits < 63 && (qint64(1) << bits) < symbols)
        ++bits;
    return bits;
}

qint64 codeCount(qint64 kinds, int length) {
    requirePositive(kinds, "the number of kinds of signal");
    if (length < 0)
        throw CheckError(QStringLiteral("a code cannot have %1 signals").arg(length));
    qint64 n = 1;
    for (int i = 0; i < length; ++i)
        n = multiply(n, kinds, "number of codes");
    return n;
}

qint64 codeCountUpTo(qint64 kinds, int length) {
    qint64 sum = 0;
    for (int l = 1; l <= length; ++l)
        if (__builtin_add_overflow(sum, codeCount(kinds, l), &sum))
            throw CheckError(QStringLiteral("number of codes: the result is too large"));
    return sum;
}

int leastCodeLength(qint64 kinds, qint64 count, bool upTo) {
    requirePositive(count, "the number of objects to code");
    requirePositive(kinds, "the number of kinds of signal");
    if (kinds == 1 && count > 1) {
        // One kind of signal: codes differ in length only.
        if (!upTo || count > 1'000'000)
            throw CheckError(
                QStringLiteral("one kind of signal cannot tell %1 objects apart%2")
                    .arg(count)
                    .arg(upTo ? QStringLiteral(" in a reasonable length") : QString()));
        return int(count);
    }
    for (int l = upTo ? 1 : 0;; ++l)
        if ((upTo ? codeCountUpTo(kinds, l) : codeCount(kinds, l)) >= count)
            return l;
}

double informationBits(qint64 total, qint64 favourable) {
    requirePositive(total, "the number of outcomes");
    requirePositive(favourable, "the number of favourable outcomes");
    if (favourable > total)
        throw CheckError(
            QStringLiteral("%1 favourable outcomes of only %2").arg(favourable).arg(total));
    return std::log2(double(total) / double(favourable));
}

qint64 messageBits(qint64 count, qint64 alphabet) {
    if (count < 0)
        throw CheckError(QStringLiteral("a message cannot have %1 symbols").arg(count));
    return multiply(count, bitsForAlphabet(alphabet), "message volume");
}

qint64 rasterBits(qint64 width, qint64 height, qint64 colours) {
    requirePositive(width, "the width of a picture");
    requirePositive(height, "the height of a picture");
    return multiply(multiply(width, height, "picture volume"), bitsForAlphabet(colours),
                    "picture volume");
}

double transferSeconds(double size, Unit sizeUnit, double rate, Unit rateUnit) {
    if (!(rate > 0))
        throw CheckError(QStringLiteral("a transfer rate must be positive, not %1").arg(rate));
    return size * double(bitsIn(sizeUnit)) / (rate * double(bitsIn(rateUnit)));
}

double transferSize(double rate, Unit rateUnit, double seconds, Unit result) {
    if (rate < 0 || seconds < 0)
        throw CheckError(QStringLiteral("a transfer needs a rate and a time of at least 0"));
    return rate * double(bitsIn(rateUnit)) * seconds / double(bitsIn(result));
}

} // namespace zut::check
