// SPDX-License-Identifier: GPL-3.0-or-later
#include "strings.h"

#include "error.h"

#include <vector>

namespace zut::check {

namespace {

struct Piece {
    enum Kind { Before, Reversed, Number, Letter, Literal } kind;
    QString text; // Literal
};

std::vector<Piece> readRule(const QString& rule) {
    std::vector<Piece> out;
    for (qsizetype i = 0; i < rule.size();) {
        if (rule[i] == '{') {
            const qsizetype close = rule.indexOf('}', i);
            if (close < 0)
                throw CheckError(QStringLiteral("rule '%1': '{' is not closed (character %2)")
                                     .arg(rule)
                                     .arg(i + 1));
            const QString name = rule.mid(i + 1, close - i - 1);
            if (name == QLatin1String("s"))
                out.push_back({Piece::Before, {}});
            else if (name == QLatin1String("r"))
                out.push_back({Piece::Reversed, {}});
            else if (name == QLatin1String("n"))
                out.push_back({Piece::Number, {}});
            else if (name == QLatin1String("c"))
                out.push_back({Piece::Letter, {}});
            else
                throw CheckError(QStringLiteral("rule '%1': unknown part {%2}").arg(rule, name));
            i = close + 1;
        } else {
            if (out.empty() || out.back().kind != Piece::Literal)
                out.push_back({Piece::Literal, {}});
            out.back().text += rule[i++];
        }
    }
    return out;
}

class Builder {
public:
    Builder(const QString& first, const QString& rule, int number, const QString& alphabet)
        : first(first)
        , pieces(readRule(rule))
        , alphabet(alphabet)
        , number(number) {
        if (number < 1)
            throw CheckError(QStringLiteral("strings are numbered from 1, not %1").arg(number));
        lengths.push_back(first.size());
        for (int n = 2; n <= number; ++n) {
            qint64 len = 0;
            for (const Piece& p : pieces)
                if (__builtin_add_overflow(len, pieceLength(p, n), &len))
                    throw CheckError(QStringLiteral("string %1 is too long to count").arg(n));
            lengths.push_back(len);
        }
    }

    qint64 length(int n) const { return lengths[n - 1]; }

    QChar letter(int n) const {
        if (n > alphabet.size())
            throw CheckError(
                QStringLiteral("the alphabet '%1' has no letter %2").arg(alphabet).arg(n));
        return alphabet[n - 1];
    }

    QChar charAt(int n, qint64 pos) const { // pos from 0
        while (n > 1) {
            bool found = false;
            for (const Piece& p : pieces) {
                const qint64 len = pieceLength(p, n);
                if (pos >= len) {
                    pos -= len;
                    continue;
                }
                switch (p.kind) {
                case Piece::Before:
                    break;
                case Piece::Reversed:
                    pos = length(n - 1) - 1 - pos;
                    break;
                case Piece::Number:
                    return QString::number(n)[pos];
                case Piece::Letter:
                    return letter(n);
                case Piece::Literal:
                    return p.text[pos];
                }
                found = true;
                break;
            }
            if (!found)
                throw CheckError(QStringLiteral("position beyond the string"));
            --n;
        }
        return first[pos];
    }

    qint64 count(QChar c) const {
        qint64 k = first.count(c);
        for (int n = 2; n <= number; ++n) {
            qint64 next = 0;
            for (const Piece& p : pieces) {
                qint64 add = 0;
                switch (p.kind) {
                case Piece::Before:
                case Piece::Reversed:
                    add = k;
                    break;
                case Piece::Number:
                    add = QString::number(n).count(c);
                    break;
                case Piece::Letter:
                    add = letter(n) == c;
                    break;
                case Piece::Literal:
                    add = p.text.count(c);
                    break;
                }
                if (__builtin_add_overflow(next, add, &next))
                    throw CheckError(QStringLiteral("the count is too large"));
            }
            k = next;
        }
        return k;
    }

    QString build() const {
        if (length(number) > 50'000'000)
            throw CheckError(QStringLiteral("string %1 has %2 characters, too many to build")
                                 .arg(number)
                                 .arg(length(number)));
        QString s = first;
        for (int n = 2; n <= number; ++n) {
            QString next;
            next.reserve(length(n));
            for (const Piece& p : pieces) {
                switch (p.kind) {
                case Piece::Before:
                    next += s;
                    break;
                case Piece::Reversed:
                    next += reversed(s);
                    break;
                case Piece::Number:
                    next += QString::number(n);
                    break;
                case Piece::Letter:
                    next += letter(n);
                    break;
                case Piece::Literal:
                    next += p.text;
                    break;
                }
            }
            s = std::move(next);
        }
        return s;
    }

private:
    QString first;
    std::vector<Piece> pieces;
    QString alphabet;
    int number;
    std::vector<qint64> lengths;

    qint64 pieceLength(const Piece& p, int n) const {
        switch (p.kind) {
        case Piece::Before:
        case Piece::Reversed:
            return lengths[n - 2];
        case Piece::Number:
            return QString::number(n).size();
        case Piece::Letter:
            return 1;
        case Piece::Literal:
            return p.text.size();
        }
        return 0;
    }
};

// Run-length codes: reads a sequence up to ')' or the end.
class RunLength {
public:
    explicit RunLength(const QString& code)
        : s(code) {}

    using Sink = std::function<void(QChar, qint64)>;

    void sequence(const Sink& put, bool inner) {
        struct Guard {
            int& d;
            ~Guard() { --d; }
        } guard{++depth};
        if (depth > 200)
            fail(QStringLiteral("groups nested too deeply"));
        while (i < s.size()) {
            if (s[i] == ')') {
                if (!inner)
                    fail(QStringLiteral("')' without '('"));
                return;
            }
            qint64 count = 1;
            if (s[i].isDigit()) {
                count = 0;
                while (i < s.size() && s[i].isDigit()) {
                    if (__builtin_mul_overflow(count, 10, &count) ||
                        __builtin_add_overflow(count, s[i].digitValue(), &count))
                        fail(QStringLiteral("the count is too large"));
                    ++i;
                }
                if (i >= s.size())
                    fail(QStringLiteral("a count with nothing to repeat"));
            }
            if (s[i] == '(') {
                ++i;
                const qsizetype start = i;
                for (qint64 k = 0; k < std::max<qint64>(count, 1); ++k) {
                    i = start;
                    if (count == 0) {
                        sequence([](QChar, qint64) {}, true);
                        break;
                    }
                    sequence(put, true);
                }
                if (i >= s.size() || s[i] != ')')
                    fail(QStringLiteral("'(' is not closed"));
                ++i;
            } else {
                put(s[i], count);
                ++i;
            }
        }
        if (inner)
            fail(QStringLiteral("'(' is not closed"));
    }

private:
    const QString& s;
    qsizetype i = 0;
    int depth = 0;
    [[noreturn]] void fail(const QString& what) const {
        throw CheckError(
            QStringLiteral("run-length code '%1': %2 at character %3").arg(s, what).arg(i + 1));
    }
};

// The decoded length of a code, without decoding: groups multiply.
qint64 decodedLength(const QString& s, qsizetype& i, bool inner, int depth = 0) {
    if (depth > 200)
        throw CheckError(QStringLiteral("run-length code '%1': groups nested too deeply").arg(s));
    qint64 total = 0;
    while (i < s.size()) {
        if (s[i] == ')') {
            if (!inner)
                throw CheckError(QStringLiteral("run-length code '%1': ')' without '(' at "
                                                "character %2")
                                     .arg(s)
                                     .arg(i + 1));
            return total;
        }
        qint64 count = 1;
        if (s[i].isDigit()) {
            count = 0;
            while (i < s.size() && s[i].isDigit()) {
                if (__builtin_mul_overflow(count, 10, &count) ||
                    __builtin_add_overflow(count, s[i].digitValue(), &count))
                    throw CheckError(
                        QStringLiteral("run-length code '%1': a count is too large").arg(s));
                ++i;
            }
            if (i >= s.size())
                throw CheckError(
                    QStringLiteral("run-length code '%1': a count with nothing to repeat").arg(s));
        }
        qint64 unit = 1;
        if (s[i] == '(') {
            ++i;
            unit = decodedLength(s, i, true, depth + 1);
            if (i >= s.size())
                throw CheckError(QStringLiteral("run-length code '%1': '(' is not closed").arg(s));
        }
        ++i;
        qint64 part = 0;
        if (__builtin_mul_overflow(count, unit, &part) ||
            __builtin_add_overflow(total, part, &total))
            throw CheckError(QStringLiteral("run-length code '%1': too long to count").arg(s));
    }
    if (inner)
        throw CheckError(QStringLiteral("run-length code '%1': '(' is not closed").arg(s));
    return total;
}

} // namespace

QString buildString(const QString& first, const QString& rule, int number,
                    const QString& alphabet) {
    return Builder(first, rule, number, alphabet).build();
}

qint64 builtLength(const QString& first, const QString& rule, int number, const QString& alphabet) {
    return Builder(first, rule, number, alphabet).length(number);
}

QChar builtCharAt(const QString& first, const QString& rule, int number, qint64 position,
                  const QString& alphabet) {
    const Builder b(first, rule, number, alphabet);
    if (position < 1 || position > b.length(number))
        throw CheckError(QStringLiteral("string %1 has no position %2 (it has %3 characters)")
                             .arg(number)
                             .arg(position)
                             .arg(b.length(number)));
    return b.charAt(number, position - 1);
}

qint64 builtCount(const QString& first, const QString& rule, int number, QChar c,
                  const QString& alphabet) {
    return Builder(first, rule, number, alphabet).count(c);
}

QString applyTimes(const QString& start, const std::function<QString(const QString&)>& step,
                   int times) {
    if (times < 0)
        throw CheckError(QStringLiteral("a rule cannot be applied %1 times").arg(times));
    QString s = start;
    for (int k = 0; k < times; ++k) {
        s = step(s);
        if (s.size() > 50'000'000)
            throw CheckError(QStringLiteral("the string grows too long"));
    }
    return s;
}

QString reversed(const QString& s) {
    QString r;
    r.reserve(s.size());
    for (qsizetype k = s.size() - 1; k >= 0; --k) {
        if (k > 0 && s[k].isLowSurrogate() && s[k - 1].isHighSurrogate()) {
            r += s[k - 1];
            r += s[k];
            --k;
        } else {
            r += s[k];
        }
    }
    return r;
}

QString runLengthDecode(const QString& code) {
    if (runLengthDecodedLength(code) > 50'000'000)
        throw CheckError(
            QStringLiteral("run-length code '%1' decodes to too long a string").arg(code));
    QString out;
    RunLength(code).sequence([&](QChar c, qint64 n) { out += QString(n, c); }, false);
    return out;
}

qint64 runLengthDecodedLength(const QString& code) {
    qsizetype i = 0;
    return decodedLength(code, i, false);
}

QString runLengthEncode(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].isDigit() || text[i] == '(' || text[i] == ')')
            throw CheckError(QStringLiteral("'%1' (character %2) cannot be run-length coded")
                                 .arg(text[i])
                                 .arg(i + 1));
        qsizetype j = i;
        while (j < text.size() && text[j] == text[i])
            ++j;
        if (j - i > 1)
            out += QString::number(j - i);
        out += text[i];
        i = j;
    }
    return out;
}

} // namespace zut::check
