// SPDX-License-Identifier: GPL-3.0-or-later
#include "bases.h"

#include "error.h"

#include <algorithm>

namespace zut::check {

namespace {

void requireBase(qint64 base) {
    if (base < 2 || base > 36)
        throw CheckError(QStringLiteral("base %1 is outside 2 … 36").arg(base));
}

// The value of one digit character, or -1.
int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'Z')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'z')
        return u - 'a' + 10;
    return -1;
}

QChar digitChar(int d) {
    return QChar(d < 10 ? '0' + d : 'A' + d - 10);
}

qint64 checkedMul(qint64 a, qint64 b, const QString& where) {
    qint64 r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        throw CheckError(QStringLiteral("%1: the number is too large").arg(where));
    return r;
}

qint64 checkedAdd(qint64 a, qint64 b, const QString& where) {
    qint64 r = 0;
    if (__builtin_add_overflow(a, b, &r))
        throw CheckError(QStringLiteral("%1: the number is too large").arg(where));
    return r;
}

// A recursive-descent reader of based expressions.
class BasedParser {
public:
    explicit BasedParser(const QString& text)
        : s(text) {}

    qint64 parse() {
        qint64 v = sum();
        skip();
        if (i < s.size())
            fail(QStringLiteral("unexpected '%1'").arg(s[i]));
        return v;
    }

private:
    const QString& s;
    qsizetype i = 0;
    int depth = 0;

    [[noreturn]] void fail(const QString& what) const {
        throw CheckError(
            QStringLiteral("expression '%1': %2 at character %3").arg(s, what).arg(i + 1));
    }
    void skip() {
        while (i < s.size() && s[i].isSpace())
            ++i;
    }
    qint64 sum() {
        qint64 v = product();
        for (;;) {
            skip();
            if (i < s.size() && (s[i] == '+' || s[i] == '-' || s[i] == QChar(0x2212))) {
                const bool minus = s[i] != '+';
                ++i;
                const qint64 w = product();
                v = checkedAdd(v, minus ? -w : w, QStringLiteral("expression '%1'").arg(s));
            } else {
                return v;
            }
        }
    }
    qint64 product() {
        qint64 v = factor();
        for (;;) {
            skip();
            if (i < s.size() && (s[i] == '*' || s[i] == QChar(0x00D7) || s[i] == QChar(0x22C5))) {
                ++i;
                v = checkedMul(v, factor(), QStringLiteral("expression '%1'").arg(s));
            } else {
                return v;
            }
        }
    }
    qint64 factor() {
        struct Guard {
            int& d;
            ~Guard() { --d; }
        } guard{++depth};
        if (depth > 200)
            fail(QStringLiteral("the expression is nested too deeply"));
        skip();
        if (i >= s.size())
            fail(QStringLiteral("a number is missing"));
        if (s[i] == '(') {
            ++i;
            const qint64 v = sum();
            skip();
            if (i >= s.size() || s[i] != ')')
                fail(QStringLiteral("')' is missing"));
            ++i;
            return v;
        }
        if (s[i] == '-') {
            ++i;
            return -factor();
        }
        const qsizetype start = i;
        while (i < s.size() && digitValue(s[i]) >= 0)
            ++i;
        if (i == start)
            fail(QStringLiteral("a number is missing"));
        const QString digits = s.mid(start, i - start);
        int base = 10;
        if (i < s.size() && s[i].unicode() >= 0x2080 && s[i].unicode() <= 0x2089) {
            // A base written in subscript digits: 1011₂.
            base = 0;
            while (i < s.size() && s[i].unicode() >= 0x2080 && s[i].unicode() <= 0x2089)
                base = base * 10 + (s[i++].unicode() - 0x2080);
        } else if (i < s.size() && s[i] == '_') {
            ++i;
            const qsizetype b = i;
            while (i < s.size() && s[i].isDigit())
                ++i;
            if (i == b)
                fail(QStringLiteral("the base after '_' is missing"));
            base = s.mid(b, i - b).toInt();
        }
        try {
            return fromBase(digits, base);
        } catch (const CheckError& e) {
            i = start;
            fail(e.message());
        }
    }
};

} // namespace

QString toBase(qint64 value, int base) {
    requireBase(base);
    if (value == 0)
        return QStringLiteral("0");
    // Work on the negative side so that the least int64 is written too.
    const bool negative = value < 0;
    qint64 v = negative ? value : -value;
    QString digits;
    while (v != 0) {
        digits.prepend(digitChar(int(-(v % base))));
        v /= base;
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

qint64 fromBase(const QString& text, int base) {
    requireBase(base);
    QString digits = text.trimmed();
    const bool negative = digits.startsWith('-');
    if (negative)
        digits.remove(0, 1);
    if (digits.isEmpty())
        throw CheckError(QStringLiteral("'%1' holds no digits").arg(text));
    qint64 v = 0;
    const QString where = QStringLiteral("'%1' in base %2").arg(text).arg(base);
    for (qsizetype k = 0; k < digits.size(); ++k) {
        const int d = digitValue(digits[k]);
        if (d < 0 || d >= base)
            throw CheckError(
                QStringLiteral("'%1' is not a digit of base %2 (in '%3', character %4)")
                    .arg(digits[k])
                    .arg(base)
                    .arg(text)
                    .arg(k + 1));
        v = checkedAdd(checkedMul(v, base, where), negative ? -d : d, where);
    }
    return v;
}

QString convertDigits(const QString& text, int from, int to) {
    requireBase(from);
    requireBase(to);
    // Digits of the number in base `from`, most significant first.
    std::vector<int> digits;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const int d = digitValue(text[k]);
        if (d < 0 || d >= from)
            throw CheckError(
                QStringLiteral("'%1' is not a digit of base %2 (in '%3', character %4)")
                    .arg(text[k])
                    .arg(from)
                    .arg(text)
                    .arg(k + 1));
        digits.push_back(d);
    }
    if (digits.empty())
        throw CheckError(QStringLiteral("'%1' holds no digits").arg(text));
    QString out;
    // Long division by `to`, again and again; each remainder is one digit.
    while (!(digits.empty() || (digits.size() == 1 && digits[0] == 0))) {
        std::vector<int> quotient;
        int rest = 0;
        for (int d : digits) {
            const int cur = rest * from + d;
            const int q = cur / to;
            rest = cur % to;
            if (!quotient.empty() || q != 0)
                quotient.push_back(q);
        }
        out.prepend(digitChar(rest));
        digits = std::move(quotient);
    }
    return out.isEmpty() ? QStringLiteral("0") : out;
}

int digitCount(qint64 value, int base, QChar digit) {
    const int d = digitValue(digit);
    if (d < 0 || d >= base)
        throw CheckError(QStringLiteral("'%1' is not a digit of base %2").arg(digit).arg(base));
    return int(toBase(value, base).count(digitChar(d)));
}

qint64 evaluateBased(const QString& expression) {
    return BasedParser(expression).parse();
}

QString evaluateBased(const QString& expression, int resultBase) {
    return toBase(evaluateBased(expression), resultBase);
}

std::vector<qint64> basesEndingIn(qint64 value, int digit) {
    if (value < 0 || digit < 0 || digit > 35)
        throw CheckError(QStringLiteral("bases ending in %1 are sought for %2, which needs a "
                                        "number of at least 0 and a digit 0 … 35")
                             .arg(digit)
                             .arg(value));
    if (value == digit)
        throw CheckError(QStringLiteral("%1 is the one digit %2 in every base above %2: the bases "
                                        "are endless")
                             .arg(value)
                             .arg(digit));
    std::vector<qint64> bases;
    if (value < digit)
        return bases;
    // value = k·b + digit with k >= 1: b divides value − digit and exceeds digit.
    const qint64 rest = value - digit;
    for (qint64 d = 1; d <= rest / d; ++d) {
        if (rest % d != 0)
            continue;
        for (qint64 b : {d, rest / d})
            if (b >= 2 && b > digit && std::find(bases.begin(), bases.end(), b) == bases.end())
                bases.push_back(b);
    }
    std::sort(bases.begin(), bases.end());
    return bases;
}

std::vector<qint64> basesWithPattern(qint64 value, const QString& pattern) {
    if (value < 0)
        throw CheckError(
            QStringLiteral("the forms of %1 are sought, which is negative").arg(value));
    if (pattern.isEmpty())
        throw CheckError(QStringLiteral("the form of a number is empty"));
    std::vector<int> known; // -1 where the digit is not known
    int least = 2;
    for (qsizetype k = 0; k < pattern.size(); ++k) {
        if (pattern[k] == '?') {
            known.push_back(-1);
            continue;
        }
        const int d = digitValue(pattern[k]);
        if (d < 0)
            throw CheckError(QStringLiteral("'%1' is neither a digit nor '?' (in the form '%2', "
                                            "character %3)")
                                 .arg(pattern[k])
                                 .arg(pattern)
                                 .arg(k + 1));
        known.push_back(d);
        least = std::max(least, d + 1);
    }
    if (known[0] == 0 && known.size() > 1)
        throw CheckError(QStringLiteral("the form '%1' begins with 0").arg(pattern));
    const int length = int(known.size());
    if (length == 1) {
        if (known[0] >= 0 ? value == known[0] : true)
            throw CheckError(QStringLiteral("%1 has the form '%2' in endlessly many bases")
                                 .arg(value)
                                 .arg(pattern));
        return {};
    }
    // b^(length−1) <= value bounds the bases to try.
    std::vector<qint64> bases;
    const qint64 limit = 20'000'000;
    for (qint64 b = least;; ++b) {
        qint64 power = 1;
        bool over = false;
        for (int k = 1; k < length && !over; ++k)
            over = __builtin_mul_overflow(power, b, &power) || power > value;
        if (over)
            break;
        if (b - least > limit)
            throw CheckError(QStringLiteral("too many bases to try for %1 in the form '%2'")
                                 .arg(value)
                                 .arg(pattern));
        // Write value in base b with exactly `length` digits and compare.
        qint64 v = value;
        bool fits = true;
        for (int k = length - 1; k >= 0 && fits; --k) {
            const qint64 d = v % b;
            v /= b;
            fits = known[k] < 0 || known[k] == d;
        }
        if (fits && v == 0)
            bases.push_back(b);
    }
    return bases;
}

std::vector<qint64> basesWithDigitCount(qint64 value, int digits) {
    if (digits < 1)
        throw CheckError(QStringLiteral("a number cannot have %1 digits").arg(digits));
    return basesWithPattern(value, QString(digits, QLatin1Char('?')));
}

} // namespace zut::check
