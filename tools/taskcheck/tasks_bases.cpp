// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks on positional number systems and binary codes.
#include "bases.h"
#include "codes.h"
#include "error.h"
#include "executor.h"
#include "interpret.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "taskshared.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace zut::check {

namespace {

// An option written as digits with their base as an index label,
// "1101001{_2}": the digits and the base.
std::pair<QString, int> basedOption(const QString& o) {
    static const QRegularExpression form(R"(^([0-9A-Z]+)\{_(\d+)\}$)");
    const auto m = form.match(o);
    if (!m.hasMatch())
        throw CheckError("not a number with its base: " + o);
    return {m.captured(1), m.captured(2).toInt()};
}

// A number written with its base after an underscore ("5C7_16"): the
// digits and the base.
std::pair<QString, int> digitsAndBase(const Task& t, const QString& written) {
    const qsizetype bar = written.indexOf('_');
    bool ok = false;
    const int base = bar > 0 ? written.mid(bar + 1).toInt(&ok) : 0;
    if (!ok)
        t.fail("not digits_base: " + written);
    return {written.left(bar), base};
}

// The task's `letters` with their `codes`, one each in order.
std::map<QChar, QString> letterCodes(const Task& t) {
    const QStringList letters = t.list("letters"), codes = t.list("codes");
    if (letters.size() != codes.size())
        t.fail("the letters and their codes do not pair");
    std::map<QChar, QString> code;
    for (qsizetype i = 0; i < letters.size(); ++i)
        code[letters[i].front()] = codes[i];
    return code;
}

// The binary digits of the greatest number that a chain of `length` (a
// word) of the task's `letters`, coded by its `codes`, makes when the codes
// are written one after another: the letters different unless
// `repeating`; with `longest`, only the chains whose codes together have
// the most digits (zeros in front counted) are compared.
QString largestChainCode(const Task& t, bool repeating, bool longest) {
    const QStringList letters = t.list("letters"), codes = t.list("codes");
    const int length = numeral(t.text("length"));
    if (letters.size() != codes.size() || length < 1 || (!repeating && length > letters.size()))
        t.fail("the letters, their codes and the chain's length do not fit");
    std::map<QChar, QString> code;
    for (qsizetype i = 0; i < letters.size(); ++i)
        code[letters[i].front()] = codes[i];
    QString bestBits;
    std::function<void(const QString&)> grow = [&](const QString& chain) {
        if (chain.size() == length) {
            const QString bits = encode(chain, code);
            const bool longer = longest && bits.size() > bestBits.size();
            const bool shorter = longest && bits.size() < bestBits.size();
            if (bestBits.isEmpty() || longer ||
                (!shorter && fromBase(bits, 2) > fromBase(bestBits, 2)))
                bestBits = bits;
            return;
        }
        for (const QString& l : letters)
            if (repeating || !chain.contains(l.front()))
                grow(chain + l.front());
    };
    grow({});
    return bestBits;
}

// The picture's code table, a row of the wording's `letters` over a row of
// their codes: each letter with its code, in the table's order.
std::vector<std::pair<QChar, QString>> drawnCodeRow(const Task& t) {
    const QVariantMap table = t.drawn()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    const QVariantList rows = table["rows"].toList();
    if (rows.size() != 1 || head.value(0) != "Буква")
        t.fail("the code table is not a row of letters over a row of codes");
    const QStringList codes = rows.front().toStringList();
    if (codes.size() != head.size() || head.mid(1) != t.list("letters"))
        t.fail("the table codes other letters than the wording names");
    std::vector<std::pair<QChar, QString>> row;
    for (qsizetype i = 1; i < head.size(); ++i)
        row.emplace_back(head[i].front(), codes[i]);
    return row;
}

// The slips codes.decodeTwinsSwapped (`inWord`) and codes.decodeTwinMisread
// read from the picture's code table and `message`.
QString twinSlip(const Task& t, bool inWord) {
    const QVariantMap table = t.drawn()["table"].toMap();
    const QStringList letters = table["head"].toStringList();
    const QStringList codes = table["rows"].toList().value(0).toStringList();
    if (letters.size() != codes.size() || letters.size() < 2)
        t.fail("the code table is not letters over codes");
    std::map<QChar, QString> code;
    for (qsizetype i = 1; i < letters.size(); ++i)
        code[letters[i].front()] = codes[i];
    const QStringList words = decodings(t.text("message"), code);
    if (words.size() != 1)
        t.fail("the message reads as " + words.join(", "));
    const QString word = words.front();
    std::vector<std::pair<QChar, QChar>> found;
    for (const auto& [a, x] : code)
        for (const auto& [b, y] : code)
            if (a != b && x.size() == y.size() && x.chopped(1) == y.chopped(1) &&
                word.contains(a) && word.contains(b) == inWord && (!inWord || a < b))
                found.push_back({a, b});
    if (found.size() != 1)
        t.fail(QString("%1 cases of twin codes, not one").arg(found.size()));
    const auto [a, b] = found.front();
    QString slip = word;
    for (QChar& c : slip)
        c = c == a ? b : c == b && inWord ? a : c;
    return slip;
}
} // namespace

void addBases(Registry& r) {
    // Slips of writing `expression`, one number with its base ("234_5"),
    // in the base `system` names: its digits read as a decimal number; its
    // digits read from the right (the place values in reverse order); in
    // binary, each digit written as three binary digits, as an octal digit
    // is (the number read as octal).
    {
        const auto single = [](const Task& t) {
            const QStringList parts = t.text("expression").split('_');
            bool ok = false;
            const int base = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
            if (!ok || base < 2)
                t.fail("the expression is not one number with its base");
            return std::pair{parts[0], base};
        };
        r.solvers["bases.numberReadDecimal"] = [=](const Task& t) {
            return toBase(fromBase(single(t).first, 10), numeral(t.text("system")));
        };
        r.solvers["bases.numberPlacesReversed"] = [=](const Task& t) {
            auto [digits, base] = single(t);
            std::reverse(digits.begin(), digits.end());
            return toBase(fromBase(digits, base), numeral(t.text("system")));
        };
        r.solvers["bases.numberDigitsAsTriads"] = [=](const Task& t) {
            const auto [digits, base] = single(t);
            if (base >= 8 || numeral(t.text("system")) != 2)
                t.fail("not digits below 8 written in binary");
            return toBase(fromBase(digits, 8), 2);
        };
    }
    // `base` to the power `exponent`, less `less`, in the base `system`
    // names, with that base ("177777_8"); and its slips: the `less` left
    // out, the `less` taken off the exponent (`fromExponent`: 4⁸ − 1 read as
    // 4⁸⁻¹ = 4⁷).
    const auto powerLess = [](const Task& t, qint64 less, bool fromExponent = false) {
        qint64 base = t.integer("base"), exponent = t.integer("exponent");
        if (fromExponent) {
            exponent -= less;
            less = 0;
        }
        if (base < 2 || exponent < 1 || exponent * std::log2(double(base)) > 60)
            t.fail("the power is out of range");
        qint64 value = 1;
        for (qint64 i = 0; i < exponent; ++i)
            value *= base;
        if (value <= less)
            t.fail("nothing is left of the power");
        return toBase(value - less, numeral(t.text("system")));
    };
    const auto withBase = [](const Task& t, const QString& digits) {
        return digits + "_" + QString::number(numeral(t.text("system")));
    };
    r.solvers["bases.powerLessInBase"] = [=](const Task& t) {
        return withBase(t, powerLess(t, t.integer("less")));
    };
    r.solvers["bases.powerLessIgnored"] = [=](const Task& t) {
        return withBase(t, powerLess(t, 0));
    };
    r.solvers["bases.powerLessFromExponent"] = [=](const Task& t) {
        return withBase(t, powerLess(t, t.integer("less"), true));
    };
    // The slip of writing the number in the power's own base (4⁸ − 1 as
    // 33333333) and keeping the subscript of `system`.
    r.solvers["bases.powerLessInOwnBase"] = [=](const Task& t) {
        const int system = numeral(t.text("system"));
        const qint64 base = t.integer("base");
        if (base >= system)
            t.fail("the power's base has digits the system lacks");
        const qint64 value = fromBase(powerLess(t, t.integer("less")), system);
        return withBase(t, toBase(value, int(base)));
    };
    // The larger of two whole positive numbers whose `sum` and `difference`
    // are given, each with its base ("7C_16", "1012_3"), in decimal. Its
    // slips: the smaller number; the difference taken for the smaller
    // number (sum minus difference); the powers of the difference's base
    // counted from the first, not the zeroth (its value times the base).
    {
        const auto valueOf = [](const Task& t, const QString& given) {
            const auto [digits, base] = digitsAndBase(t, t.text(given));
            return fromBase(digits, base); // refuses a digit the base lacks
        };
        const auto pair = [=](const Task& t) {
            const qint64 sum = valueOf(t, "sum"), difference = valueOf(t, "difference");
            if (difference <= 0 || difference >= sum || (sum + difference) % 2 != 0)
                t.fail("no two whole positive numbers have this sum and difference");
            return std::pair{(sum + difference) / 2, (sum - difference) / 2};
        };
        r.solvers["bases.largerFromSumAndDifference"] = [=](const Task& t) {
            return QString::number(pair(t).first);
        };
        r.solvers["bases.largerFromSumAndDifferenceSmaller"] = [=](const Task& t) {
            return QString::number(pair(t).second);
        };
        r.solvers["bases.largerFromSumAndDifferenceMinusDifference"] = [=](const Task& t) {
            return QString::number(valueOf(t, "sum") - valueOf(t, "difference"));
        };
        r.solvers["bases.largerFromSumAndDifferencePowersFromFirst"] = [=](const Task& t) {
            const qint64 sum = valueOf(t, "sum");
            const qint64 difference =
                valueOf(t, "difference") * digitsAndBase(t, t.text("difference")).second;
            if (difference >= sum || (sum + difference) % 2 != 0)
                t.fail("the slip gives no two whole positive numbers");
            return QString::number((sum + difference) / 2);
        };
    }
    // Slips of counting the digits of `value` in the base `system` names:
    // the powers counted from the 0th up to the first one above it; its
    // digits in binary.
    r.solvers["bases.powersUpToFirstAbove"] = [](const Task& t) {
        return QString::number(toBase(t.integer("value"), numeral(t.text("system"))).size() + 1);
    };
    r.solvers["bases.digitTotalInBinary"] = [](const Task& t) {
        return QString::number(toBase(t.integer("value"), 2).size());
    };
    // Each decimal digit written in the base alone (699 → 20|100|100 in
    // base 3): the digits of those records together.
    r.solvers["bases.digitTotalDigitByDigit"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        qsizetype total = 0;
        for (const QChar d : QString::number(t.integer("value")))
            total += toBase(d.digitValue(), base).size();
        return QString::number(total);
    };
    // `letters` coded by `codes` (one each, in order); chains of `length`
    // (a word: "трёх") different letters, their codes written one after
    // another and read as one binary number: the greatest such number, in
    // the base `system` names.
    r.solvers["bases.largestCodedWord"] = [](const Task& t) {
        return convertDigits(largestChainCode(t, false, false), 2, numeral(t.text("system")));
    };
    // Its slips: a letter used more than once; the greatest of the chains
    // with the most digits, as if zeros in front counted; the codes of the
    // greatest values, the greatest first (refused where two codes have
    // one value).
    r.solvers["bases.largestCodedWordRepeating"] = [](const Task& t) {
        return convertDigits(largestChainCode(t, true, false), 2, numeral(t.text("system")));
    };
    r.solvers["bases.largestCodedWordLongest"] = [](const Task& t) {
        return convertDigits(largestChainCode(t, false, true), 2, numeral(t.text("system")));
    };
    r.solvers["bases.largestCodedWordByCodeValue"] = [](const Task& t) {
        const QStringList codes = t.list("codes");
        const int length = numeral(t.text("length"));
        if (length < 1 || length > codes.size())
            t.fail("the chain is longer than the codes are many");
        std::map<qint64, QString> byValue;
        for (const QString& c : codes)
            if (!byValue.emplace(fromBase(c, 2), c).second)
                t.fail("two codes of one value: " + c);
        QString bits;
        auto it = byValue.rbegin();
        for (int taken = 0; taken < length; ++taken, ++it)
            bits += it->second;
        return convertDigits(bits, 2, numeral(t.text("system")));
    };
    // Options written in several bases ("1301{_5}"): the value of the one
    // that `holds` for its digits, its base and the given `value`'s right
    // record in that base. The solver and its slips: the right record; the
    // record with its digits reversed; the hexadecimal record with one letter
    // digit one off; the record without its leading digit (the division
    // stopped one step early).
    const auto recordOption =
        [](const Task& t, const std::function<bool(const QString&, int, const QString&)>& holds) {
            const qint64 value = t.integer("value");
            const QString o = theOption(t, [&](const QString& option) {
                const auto [digits, base] = basedOption(option);
                return holds(digits, base, toBase(value, base));
            });
            const auto [digits, base] = basedOption(o);
            return QString::number(fromBase(digits, base));
        };
    r.solvers["bases.whichRecord"] = [=](const Task& t) {
        return recordOption(t,
                            [](const QString& d, int, const QString& right) { return d == right; });
    };
    r.solvers["bases.recordReversed"] = [=](const Task& t) {
        return recordOption(t, [](const QString& d, int, const QString& right) {
            QString reversed = right;
            std::reverse(reversed.begin(), reversed.end());
            return d != right && d == reversed;
        });
    };
    r.solvers["bases.recordLetterOff"] = [=](const Task& t) {
        return recordOption(t, [](const QString& d, int base, const QString& right) {
            if (base != 16 || d.size() != right.size())
                return false;
            int off = 0;
            for (qsizetype i = 0; i < d.size(); ++i)
                if (d[i] != right[i]) {
                    const bool letter = d[i].isLetter() || right[i].isLetter();
                    off += letter && std::abs(fromBase(d.mid(i, 1), 16) -
                                              fromBase(right.mid(i, 1), 16)) == 1
                               ? 1
                               : 2;
                }
            return off == 1;
        });
    };
    r.solvers["bases.recordShort"] = [=](const Task& t) {
        return recordOption(t, [](const QString& d, int, const QString& right) {
            return right.size() > 1 && d == right.mid(1);
        });
    };
    // The letters `letters` coded by `codes` (one each, in order), the codes
    // of `word` written one after another and read as one binary number: its
    // value. And the slip of reading the octal record as a decimal number.
    const auto codedWordBits = [](const Task& t) { return encode(t.text("word"), letterCodes(t)); };
    r.solvers["bases.codedWordValue"] = [=](const Task& t) {
        return QString::number(fromBase(codedWordBits(t), 2));
    };
    r.solvers["bases.codedWordOctalAsDecimal"] = [=](const Task& t) {
        return convertDigits(codedWordBits(t), 2, 8);
    };
    // A slip of bases.codedWord: the codes written in the order the letters
    // are listed, not in the order of `word`.
    r.solvers["bases.codedWordListOrder"] = [](const Task& t) {
        const QString listed = t.list("letters").join(QString());
        if (listed == t.text("word"))
            t.fail("the word is its letters in the listed order");
        return convertDigits(encode(listed, letterCodes(t)), 2, numeral(t.text("system")));
    };
    // `value` written in the base the word `system` names ("восьмеричной").
    r.solvers["bases.convert"] = [](const Task& t) {
        return toBase(t.integer("value"), numeral(t.text("system")));
    };
    // A slip: the binary digits of `value` cut into groups from the left,
    // not from the right, for a base `system` names that is a power of two;
    // the last group, short, read as it stands (157 = 10011101 in octal:
    // 100 111 01, "471").
    r.solvers["bases.convertGroupedLeft"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        const int width = bitsForAlphabet(base);
        if (qint64(1) << width != base)
            t.fail("the base is not a power of two");
        const QString bits = toBase(t.integer("value"), 2);
        QString digits;
        for (qsizetype at = 0; at < bits.size(); at += width)
            digits += toBase(fromBase(bits.mid(at, width), 2), base);
        return digits;
    };
    // Slips of the way through binary, for a base `system` names that is a
    // power of two: the halving's remainders written in the order they came
    // (the bits reversed), then grouped from the right (157: 10111001, "271"
    // in octal); the bits grouped from the right, the short group at the
    // left filled up with zeros on its right (157: 100 011 101, "435").
    const auto viaBinary = [](const Task& t, bool reversed, bool padRight) {
        const int base = numeral(t.text("system"));
        const int width = bitsForAlphabet(base);
        if (base < 2 || qint64(1) << width != base)
            t.fail("the base is not a power of two");
        QString bits = toBase(t.integer("value"), 2);
        if (reversed)
            std::reverse(bits.begin(), bits.end());
        if (padRight) {
            if (bits.size() % width == 0)
                t.fail("the bits fall into whole groups");
            bits = bits.left(bits.size() % width).leftJustified(width, '0') +
                   bits.mid(bits.size() % width);
        }
        return toBase(fromBase(bits, 2), base);
    };
    r.solvers["bases.convertBitsReversed"] = [=](const Task& t) { return viaBinary(t, true, false); };
    r.solvers["bases.convertShortGroupPaddedRight"] = [=](const Task& t) {
        return viaBinary(t, false, true);
    };
    // The value of `expression` (numbers written with their bases, "·" a
    // product) written in the base `system` names.
    r.solvers["bases.expression"] = [](const Task& t) {
        return evaluateBased(formulaText(t.text("expression")), numeral(t.text("system")));
    };
    // The letters `letters` coded by `codes` (one each, in order), the codes
    // of `word` written one after another and read as one binary number,
    // that number written in the base `system` names.
    r.solvers["bases.codedWord"] = [](const Task& t) {
        const std::map<QChar, QString> code = letterCodes(t);
        return convertDigits(encode(t.text("word"), code), 2, numeral(t.text("system")));
    };
    // A slip: how many digits `value` has in that base at all.
    r.solvers["bases.digitTotal"] = [](const Task& t) {
        return QString::number(toBase(t.integer("value"), numeral(t.text("system"))).size());
    };
    // Every base in which the number written `record` divides `value`,
    // ascending, joined by commas; refused where the record's digits do not
    // matter (no base below its largest digit would divide too).
    r.solvers["bases.recordDivides"] = [](const Task& t) {
        const qint64 value = t.integer("value");
        const QString record = t.text("record");
        if (record.size() < 2 || record.front() == '0')
            t.fail("the record is not a number of two digits or more");
        int low = 2;
        for (QChar c : record)
            low = std::max(low, int(fromBase(QString(c), 36)) + 1);
        const auto weighed = [&](qint64 b) {
            qint64 v = 0;
            for (QChar c : record)
                v = v * b + fromBase(QString(c), 36);
            return v;
        };
        bool boundMatters = false;
        for (qint64 b = 2; b < low; ++b)
            boundMatters = boundMatters || (weighed(b) > 0 && value % weighed(b) == 0);
        if (!boundMatters)
            t.fail("the digits of the record bound nothing");
        QStringList bases;
        for (qint64 b = low; weighed(b) <= value; ++b)
            if (value % weighed(b) == 0)
                bases << QString::number(b);
        return bases.join(',');
    };
    // Every base b in which `record`, digits with one digit after the
    // comma ("5,1"), names a number whose record in the base `base` is a
    // finite fraction with at most `places` (a number word: "двух") digits
    // after the comma, ascending, joined by commas. Only the digit d after
    // the comma counts: d/b must be some m/base^places, so b divides
    // d · base^places. Refused where no base qualifies, and where the
    // record's digits bound nothing: no smaller base would qualify by the
    // fraction alone.
    r.solvers["bases.fractionFiniteIn"] = [](const Task& t) {
        const QStringList parts = t.text("record").split(',');
        const qint64 base = t.integer("base");
        const qint64 places = countGiven(t, "places");
        if (parts.size() != 2 || parts[0].isEmpty() || parts[1].size() != 1 || base < 2 ||
            places < 1 || places > 6)
            t.fail("not a record with one digit after the comma, or no base and places");
        int low = 2;
        for (const QChar c : parts[0] + parts[1])
            low = std::max(low, int(fromBase(QString(c), 36)) + 1);
        qint64 whole = fromBase(parts[1], 36);
        for (qint64 i = 0; i < places; ++i)
            whole *= base;
        QStringList bases;
        bool boundMatters = false;
        for (qint64 b = 2; b <= whole; ++b) {
            if (whole % b != 0)
                continue;
            if (b < low)
                boundMatters = true;
            else
                bases << QString::number(b);
        }
        if (bases.isEmpty() || !boundMatters)
            t.fail("no base, or the record's digits bound nothing");
        return bases.join(',');
    };
    // Every base in which striking out the first digit of the record of
    // `value` (reading the digits left, leading zeros and all, in the same
    // base) makes the number smaller by `drop`, ascending, joined by
    // commas. Refused where "b divides drop and b exceeds what is left"
    // gives the same bases, so that the first digit's bound matters.
    r.solvers["bases.leadingDigitStruck"] = [](const Task& t) {
        const qint64 value = t.integer("value"), drop = t.integer("drop");
        if (drop <= 0 || drop >= value)
            t.fail("the drop is not below the number");
        QStringList bases, divisorsOnly;
        for (qint64 b = 2; b <= value; ++b) {
            const QString record = toBase(value, int(b));
            if (value - fromBase(record.mid(1), int(b)) == drop)
                bases << QString::number(b);
            if (drop % b == 0 && b > value - drop)
                divisorsOnly << QString::number(b);
        }
        if (bases.isEmpty() || bases == divisorsOnly)
            t.fail("divisibility alone gives the bases");
        return bases.join(',');
    };
    // The option is a number with its base as an index ("1101001{_2}"),
    // written as that base writes it, whose value is the answer.
    r.readers["indexedBaseValue"] = [](const QString& answer, const QString& o, int, const Task&) {
        const auto [digits, base] = basedOption(o);
        return toBase(fromBase(digits, base), base) == digits &&
               fromBase(digits, base) == number(answer);
    };
    // The binary digits `left` and `right` written before and after the
    // binary record of `number` (digits_base, a base that is a power of
    // two), read as one number in the base `system` names. Its slips: the
    // record taken with every digit's group of bits whole, the leading
    // zeros of the first group kept (3B4₁₆ as 0011 1011 0100); `left` and
    // `right` written on the wrong sides; `right` left out, as if a digit
    // written on the right changed nothing.
    {
        const auto writtenOn = [](const Task& t, char how) {
            const auto [digits, base] = digitsAndBase(t, t.text("number"));
            const int width = bitsForAlphabet(base);
            if (base < 2 || qint64(1) << width != base)
                t.fail("the base is not a power of two");
            QString left = t.text("left"), right = t.text("right");
            static const QRegularExpression binary("^[01]+$");
            if (!binary.match(left).hasMatch() || !binary.match(right).hasMatch())
                t.fail("the digits written on are not binary");
            const QString record = toBase(fromBase(digits, base), 2);
            QString bits = record;
            if (how == 'z') {
                bits.clear();
                for (const QChar d : digits)
                    bits += toBase(fromBase(QString(d), base), 2).rightJustified(width, '0');
                if (bits == record)
                    t.fail("the record has no leading zeros to keep");
            } else if (how == 's') {
                if (left == right)
                    t.fail("both sides get the same digits");
                std::swap(left, right);
            } else if (how == 'r') {
                right.clear();
            }
            return convertDigits(left + bits + right, 2, numeral(t.text("system")));
        };
        r.solvers["bases.bitsWrittenOn"] = [=](const Task& t) { return writtenOn(t, ' '); };
        r.solvers["bases.bitsWrittenOnZerosKept"] = [=](const Task& t) {
            return writtenOn(t, 'z');
        };
        r.solvers["bases.bitsWrittenOnSidesSwapped"] = [=](const Task& t) {
            return writtenOn(t, 's');
        };
        r.solvers["bases.bitsWrittenOnRightLeftOut"] = [=](const Task& t) {
            return writtenOn(t, 'r');
        };
    }
    // How many ones the binary record of the sum of the two `terms` (each
    // digits_base) has; its slips: the ones of the two terms counted apart
    // and added (the carries forgotten); the first term's digits read as a
    // decimal number; the first term's digits written in four binary
    // digits each, as hexadecimal digits are.
    {
        const auto onesOfSum = [](const Task& t, char firstAs) {
            QStringList terms = t.list("terms");
            if (terms.size() != 2)
                t.fail("not two terms");
            const auto [digits, base] = digitsAndBase(t, terms[0]);
            if (firstAs == 'd')
                terms[0] = digits;
            else if (firstAs == 'h')
                terms[0] = digits + "_16";
            if (firstAs == 'h' && base == 16)
                t.fail("the first term is hexadecimal already");
            return QString::number(digitCount(evaluateBased(terms.join(" + ")), 2, '1'));
        };
        r.solvers["bases.onesOfSum"] = [=](const Task& t) { return onesOfSum(t, ' '); };
        r.solvers["bases.onesOfSumFirstAsDecimal"] = [=](const Task& t) {
            return onesOfSum(t, 'd');
        };
        r.solvers["bases.onesOfSumFirstInFours"] = [=](const Task& t) {
            return onesOfSum(t, 'h');
        };
        r.solvers["bases.onesOfSumNoCarries"] = [](const Task& t) {
            int ones = 0;
            for (const QString& term : t.list("terms"))
                ones += digitCount(evaluateBased(term), 2, '1');
            return QString::number(ones);
        };
    }
    // Every base b in which the decimal `value` is written with at most
    // `length` digits (a number word: "трёх") and adding 1 to that record
    // carries into the next place, that is, its last digit is b − 1:
    // ascending, joined by commas. Refused where the length bound rules
    // out no base that carries, so that both conditions matter.
    r.solvers["bases.carryWithinLength"] = [](const Task& t) {
        const qint64 value = t.integer("value");
        const int length = int(countGiven(t, "length"));
        if (value < 1 || value > 100000 || length < 1)
            t.fail("the value is not from 1 to 100000 or the length not positive");
        QStringList bases;
        bool boundMatters = false;
        // From b = value + 2 on the record is one digit below b − 1.
        for (qint64 b = 2; b <= value + 1; ++b) {
            if (value % b != b - 1)
                continue;
            int digits = 0;
            for (qint64 v = value; v > 0; v /= b)
                ++digits;
            if (digits <= length)
                bases << QString::number(b);
            else
                boundMatters = true;
        }
        if (bases.isEmpty() || !boundMatters)
            t.fail("no base carries within the length, or the length bounds nothing");
        return bases.join(',');
    };
    // The sum of `first` and `second`, each written with its base ("65_8"),
    // the same for both, in that base.
    r.solvers["bases.sumKeptInBase"] = [](const Task& t) {
        static const QRegularExpression form(R"(^[0-9A-Z]+_(\d+)$)");
        const auto a = form.match(t.text("first")), b = form.match(t.text("second"));
        if (!a.hasMatch() || !b.hasMatch() || a.captured(1) != b.captured(1))
            t.fail("the numbers are not written in one base");
        return evaluateBased(t.text("first") + " + " + t.text("second"), a.captured(1).toInt());
    };
    // The option is digits with their base as an index ("74{_8}"): the
    // answer's digits, in the base the given `system` names where the task
    // has one.
    r.readers["digitsWithBase"] = [](const QString& answer, const QString& o, int, const Task& t) {
        static const QRegularExpression form(R"(^([0-9A-Z]+)\{_(\d+)\}$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not digits with a base: " + o);
        return m.captured(1) == answer &&
               (!t.has("system") || m.captured(2).toInt() == numeral(t.text("system")));
    };
    // The `names` of the `sums` (each numbers digits_base joined by " + "),
    // one name a sum, from the least sum to the greatest: "X < Z < Y". Its
    // slips, each refused where the task has no number it misreads: every
    // octal number read as decimal; every hexadecimal number's digits
    // weighted by powers of ten (1E as 1 · 10 + 14); every number's powers
    // counted from the first, not the zeroth (each number its base times
    // too large).
    {
        using Reading = std::function<qint64(const QString& digits, int base)>;
        const auto inOrder = [](const Task& t, const Reading& read, int misread) {
            const QStringList sums = t.list("sums"), names = t.list("names");
            if (sums.size() < 2 || sums.size() != names.size())
                t.fail("the sums and their names do not pair");
            bool misreadFound = misread == 0;
            std::vector<std::pair<qint64, QString>> valued;
            for (qsizetype i = 0; i < sums.size(); ++i) {
                qint64 total = 0;
                for (const QString& number : sums[i].split(" + ")) {
                    const auto [digits, base] = digitsAndBase(t, number);
                    misreadFound = misreadFound || base == misread;
                    total += read(digits, base);
                }
                valued.push_back({total, names[i]});
            }
            if (!misreadFound)
                t.fail("no number in base " + QString::number(misread) + " to misread");
            std::sort(valued.begin(), valued.end());
            QStringList order;
            for (size_t i = 0; i < valued.size(); ++i) {
                if (i > 0 && valued[i].first == valued[i - 1].first)
                    t.fail("two sums are equal");
                order << valued[i].second;
            }
            return order.join(" < ");
        };
        r.solvers["bases.sumsInOrder"] = [=](const Task& t) {
            return inOrder(
                t, [](const QString& d, int b) { return fromBase(d, b); }, 0);
        };
        r.solvers["bases.sumsInOrderOctalAsDecimal"] = [=](const Task& t) {
            return inOrder(
                t, [](const QString& d, int b) { return fromBase(d, b == 8 ? 10 : b); }, 8);
        };
        r.solvers["bases.sumsInOrderHexAtTen"] = [=](const Task& t) {
            return inOrder(
                t,
                [](const QString& d, int b) {
                    qint64 value = 0;
                    for (const QChar c : d)
                        value = value * (b == 16 ? 10 : b) + fromBase(QString(c), b);
                    return value;
                },
                16);
        };
        r.solvers["bases.sumsInOrderPowersFromOne"] = [=](const Task& t) {
            return inOrder(
                t, [](const QString& d, int b) { return fromBase(d, b) * b; }, 0);
        };
    }
    // The numbers, ascending and joined by commas, whose record in the base
    // `falling` names has two digits or more, each less than the one before
    // it (so finitely many), and whose record in the base `mirror` names
    // reads the same from either end.
    r.solvers["bases.fallingAndMirrored"] = [](const Task& t) {
        const int falling = numeral(t.text("falling")), mirror = numeral(t.text("mirror"));
        if (falling < 2 || falling > 10 || mirror < 2)
            t.fail("the bases are out of range");
        std::vector<qint64> found;
        // Each set of two digits or more, written greatest first.
        for (int set = 1; set < (1 << falling); ++set) {
            QString digits;
            for (int d = falling - 1; d >= 0; --d)
                if (set & (1 << d))
                    digits += QChar('0' + d);
            if (digits.size() < 2)
                continue;
            const qint64 value = fromBase(digits, falling);
            const QString record = toBase(value, mirror);
            if (std::equal(record.begin(), record.end(), record.rbegin()))
                found.push_back(value);
        }
        if (found.empty())
            t.fail("no number fits");
        std::sort(found.begin(), found.end());
        QStringList out;
        for (qint64 v : found)
            out << QString::number(v);
        return out.join(',');
    };
    // A received `chain` of fours, each one of the `letters`' three-bit
    // `codes` with a control bit on the right that makes the ones even, in
    // which one bit was flipped: its place in the chain, counted from the
    // left. Refused unless exactly one four is odd and exactly one bit of
    // it gives back a letter's four. Its slips: the place inside the four;
    // the number of the four; the first bit of the four whose flip evens
    // the ones but gives no letter's four (parity mended, code unchecked).
    {
        enum class Asked { Chain, InFour, Four, ToNoCode };
        const auto flipped = [](const Task& t, Asked asked) {
            std::set<QString> words;
            for (const QString& c : t.list("codes")) {
                if (c.size() != 3)
                    t.fail("a code is not three bits");
                words.insert(c + (c.count('1') % 2 ? "1" : "0"));
            }
            const QString chain = t.text("chain");
            if (chain.isEmpty() || chain.size() % 4 ||
                std::any_of(chain.begin(), chain.end(),
                            [](QChar c) { return c != '0' && c != '1'; }))
                t.fail("the chain is not of whole fours of bits");
            std::vector<int> odd;
            for (int i = 0; i < chain.size() / 4; ++i)
                if (chain.mid(4 * i, 4).count('1') % 2)
                    odd.push_back(i);
            if (odd.size() != 1)
                t.fail(QString("%1 fours are odd, not one").arg(odd.size()));
            const int four = odd.front();
            std::vector<int> back, noCode;
            for (int bit = 0; bit < 4; ++bit) {
                QString f = chain.mid(4 * four, 4);
                f[bit] = f[bit] == '1' ? '0' : '1';
                (words.count(f) ? back : noCode).push_back(bit);
            }
            if (back.size() != 1)
                t.fail(QString("%1 bits give back a letter, not one").arg(back.size()));
            switch (asked) {
            case Asked::Chain:
                return QString::number(4 * four + back.front() + 1);
            case Asked::InFour:
                return QString::number(back.front() + 1);
            case Asked::Four:
                return QString::number(four + 1);
            case Asked::ToNoCode:
                break;
            }
            return QString::number(4 * four + noCode.front() + 1);
        };
        r.solvers["bases.parityFlippedBit"] = [=](const Task& t) {
            return flipped(t, Asked::Chain);
        };
        r.solvers["bases.parityFlippedBitInFour"] = [=](const Task& t) {
            return flipped(t, Asked::InFour);
        };
        r.solvers["bases.parityFlippedFour"] = [=](const Task& t) {
            return flipped(t, Asked::Four);
        };
        r.solvers["bases.parityFlippedToNoCode"] = [=](const Task& t) {
            return flipped(t, Asked::ToNoCode);
        };
    }
    // The one base in which the decimal `value` is written with exactly
    // `length` digits (a number word: "трёх") whose sum is `sum`. Refused
    // where not one base fits, and where the length bounds nothing: some
    // base of another length must give that digit sum too.
    r.solvers["bases.lengthAndDigitSum"] = [](const Task& t) {
        const qint64 value = t.integer("value"), sum = t.integer("sum");
        const qint64 length = countGiven(t, "length");
        if (value < 2 || value > 100000 || length < 2)
            t.fail("the value is not from 2 to 100000 or the length below two");
        std::vector<qint64> bases;
        bool boundMatters = false;
        // From b = value + 1 on the record is the one digit `value`.
        for (qint64 b = 2; b <= value; ++b) {
            qint64 digits = 0, total = 0;
            for (qint64 v = value; v > 0; v /= b, ++digits)
                total += v % b;
            if (total != sum)
                continue;
            if (digits == length)
                bases.push_back(b);
            else
                boundMatters = true;
        }
        if (bases.size() != 1 || !boundMatters)
            t.fail(QString("%1 bases fit, or the length bounds nothing").arg(bases.size()));
        return QString::number(bases.front());
    };
    // The option is digits with their base as an index label ("EA{_16}"),
    // the answer the same written "EA_16".
    r.readers["baseIndexLabel"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression index(R"(\{_(\d+)\})");
        return QString(o).replace(index, "_\\1") == answer;
    };
    // The word the picture's code table (letters over their codes) reads
    // `message` as; the code must read one way only.
    r.solvers["codes.decodeMessage"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList letters = table["head"].toStringList();
        const QStringList codes = table["rows"].toList().value(0).toStringList();
        if (letters.size() != codes.size() || letters.size() < 2)
            t.fail("the code table is not letters over codes");
        std::map<QChar, QString> code;
        for (qsizetype i = 1; i < letters.size(); ++i) {
            if (letters[i].size() != 1)
                t.fail("a letter of the table is not one letter");
            code[letters[i].front()] = codes[i];
        }
        if (!isPrefixCode(code))
            t.fail("the code can be read in more than one way");
        const QStringList words = decodings(t.text("message"), code);
        if (words.size() != 1)
            t.fail("the message reads as " + words.join(", "));
        return words.front();
    };
    // Slips of codes.decodeMessage: the right word with a pair of twin
    // codes (equal but for the last bit, as 100 and 101) confused. Twins
    // swapped: the two letters of the word whose codes are twins exchange
    // them (the table's two columns read the wrong way round); a twin
    // misread: the one letter of the word whose code's twin belongs to a
    // letter not in the word is read as that letter. Each case must be the
    // only one of its kind.
    r.solvers["codes.decodeTwinsSwapped"] = [](const Task& t) {
        return twinSlip(t, true);
    };
    r.solvers["codes.decodeTwinMisread"] = [](const Task& t) {
        return twinSlip(t, false);
    };
    // `letters` coded by `codes` (one each, in order), no code the
    // beginning of another; the options are words' chains of `bits` binary
    // digits, each written in hexadecimal digits of four bits ("C26{_16}"),
    // and every one must read as a word. The digits of the one option whose
    // word reads the same from either end; its slips, each the one option
    // that fits: the chain of bits the same from either end; its
    // hexadecimal digits so; the chain cut into pieces as long as the
    // shortest code, as if the code were uniform, each piece read as the one
    // letter whose code begins with it (11 as the letter of 110), read as
    // such a word (refused for a uniform code, where that is no slip).
    {
        const auto palindromeChain = [](const Task& t, char how) {
            const std::map<QChar, QString> code = letterCodes(t);
            if (!isPrefixCode(code))
                t.fail("a code begins another");
            const qint64 length = t.integer("bits");
            const auto same = [](const QString& s) {
                return std::equal(s.begin(), s.end(), s.rbegin());
            };
            const QString o = theOption(t, [&](const QString& option) {
                const auto [digits, base] = basedOption(option);
                if (base != 16)
                    t.fail("not a hexadecimal chain: " + option);
                QString bits;
                for (const QChar d : digits)
                    bits += toBase(fromBase(QString(d), 16), 2).rightJustified(4, '0');
                const QStringList words = decodings(bits, code);
                if (bits.size() != length || words.size() != 1)
                    t.fail("not the chain of a word: " + option);
                if (how == 'b')
                    return same(bits);
                if (how == 'd')
                    return same(digits);
                if (how == 'u') {
                    qsizetype piece = length, longest = 0;
                    for (const auto& [letter, c] : code) {
                        piece = std::min(piece, c.size());
                        longest = std::max(longest, c.size());
                    }
                    if (piece == longest)
                        t.fail("a uniform code: cutting the chain into pieces is no slip");
                    if (length % piece != 0)
                        return false;
                    QString word;
                    for (qsizetype i = 0; i < length; i += piece) {
                        QString read;
                        for (const auto& [letter, c] : code)
                            if (c.startsWith(bits.mid(i, piece)))
                                read += letter;
                        if (read.size() != 1)
                            return false;
                        word += read;
                    }
                    return same(word);
                }
                return same(words.front());
            });
            return basedOption(o).first;
        };
        r.solvers["codes.palindromeChain"] = [=](const Task& t) { return palindromeChain(t, ' '); };
        r.solvers["codes.palindromeChainBits"] = [=](const Task& t) {
            return palindromeChain(t, 'b');
        };
        r.solvers["codes.palindromeChainDigits"] = [=](const Task& t) {
            return palindromeChain(t, 'd');
        };
        r.solvers["codes.palindromeChainAsUniform"] = [=](const Task& t) {
            return palindromeChain(t, 'u');
        };
    }
    // How many natural numbers have a record of `lengths.1` digits (a
    // numeral word: «семи») in the base `systems.1` names and one of
    // `lengths.2` digits in the base `systems.2` names. Its slips: a record
    // of k digits taken to run from b^k to b^(k+1) − 1 (the powers shifted by one); the first
    // record taken to have at most its digits (its lower end lost); the
    // common range taken between the outer ends of the two.
    {
        enum class Range { Exact, PowersShifted, FirstAtMost, OuterEnds };
        const auto counted = [](const Task& t, Range how) {
            const QStringList lengths = t.list("lengths"), systems = t.list("systems");
            if (lengths.size() != 2 || systems.size() != 2)
                t.fail("not two lengths in two bases");
            qint64 low = 1, high = std::numeric_limits<qint64>::max();
            qint64 outerLow = high, outerHigh = 0;
            for (int i = 0; i < 2; ++i) {
                const int k = numeral(lengths[i]), b = numeral(systems[i]);
                if (k < 1 || k > 20 || b < 2)
                    t.fail("no record of " + lengths[i] + " digits");
                qint64 from = 1; // b^(k − 1)
                for (int j = 1; j < k; ++j)
                    from *= b;
                qint64 to = from * b - 1;
                if (how == Range::PowersShifted) {
                    from *= b;
                    to = to * b + b - 1;
                }
                if (how == Range::FirstAtMost && i == 0)
                    from = 1;
                low = std::max(low, from);
                high = std::min(high, to);
                outerLow = std::min(outerLow, from);
                outerHigh = std::max(outerHigh, to);
            }
            // OuterEnds: the common range taken from the lesser start to the
            // greater end (the two ranges joined, not intersected).
            if (how == Range::OuterEnds) {
                if (high < low)
                    t.fail("the ranges do not meet");
                return QString::number(outerHigh - outerLow + 1);
            }
            if (how == Range::Exact && high < low)
                t.fail("no number has both records");
            return QString::number(std::max<qint64>(0, high - low + 1));
        };
        r.solvers["bases.numbersWithLengths"] = [=](const Task& t) {
            return counted(t, Range::Exact);
        };
        r.solvers["bases.numbersWithLengthsPowersShifted"] = [=](const Task& t) {
            return counted(t, Range::PowersShifted);
        };
        r.solvers["bases.numbersWithLengthsFirstAtMost"] = [=](const Task& t) {
            return counted(t, Range::FirstAtMost);
        };
        r.solvers["bases.numbersWithLengthsOuterEnds"] = [=](const Task& t) {
            return counted(t, Range::OuterEnds);
        };
    }
    // The first term of a column sum whose record `pattern` hides some
    // digits behind «*»: `sum` − `second` (both digits_base, one base),
    // worked column by column from the right. The slips: the carries into
    // the columns ignored (each digit (s − t) mod base); a carry added to
    // the next column instead of taken away; the second term written flush
    // left under the sum. A result that does not fit the pattern's length
    // and shown digits is refused, as is a slip that changes nothing.
    {
        enum class Column { Right, CarriesIgnored, CarryAdded, FlushLeft };
        const auto firstTerm = [](const Task& t, Column how) {
            const auto [sumDigits, base] = digitsAndBase(t, t.text("sum"));
            auto [secondDigits, secondBase] = digitsAndBase(t, t.text("second"));
            if (secondBase != base)
                t.fail("the sum and the second term in different bases");
            const QString pattern = t.text("pattern");
            if (how == Column::FlushLeft) {
                if (secondDigits.size() >= sumDigits.size())
                    t.fail("the second term is as long as the sum");
                secondDigits += QString(sumDigits.size() - secondDigits.size(), '0');
            }
            const qsizetype n = sumDigits.size();
            const QString second = secondDigits.rightJustified(n, '0');
            QString digits(n, '0');
            int borrow = 0;
            for (qsizetype i = n - 1; i >= 0; --i) {
                const int s = fromBase(QString(sumDigits[i]), base);
                const int d = int(fromBase(QString(second[i]), base));
                int raw = s - d + (how == Column::CarryAdded ? borrow : -borrow);
                if (how == Column::CarriesIgnored)
                    raw = s - d;
                if (raw >= base)
                    t.fail("a column runs over the base");
                borrow = raw < 0 ? 1 : 0;
                digits[i] = toBase((raw + base) % base, base)[0];
            }
            while (digits.size() > 1 && digits[0] == '0')
                digits.remove(0, 1);
            if (digits.size() != pattern.size())
                t.fail("the first term does not fit the pattern's length");
            for (qsizetype i = 0; i < pattern.size(); ++i)
                if (pattern[i] != '*' && pattern[i] != digits[i])
                    t.fail("the first term does not fit the pattern's shown digits");
            return digits + "_" + QString::number(base);
        };
        r.solvers["bases.termUnderStars"] = [=](const Task& t) {
            return firstTerm(t, Column::Right);
        };
        const auto slip = [=](const Task& t, Column how) {
            const QString wrong = firstTerm(t, how);
            if (wrong == firstTerm(t, Column::Right))
                t.fail("the slip changes nothing");
            return wrong;
        };
        r.solvers["bases.termUnderStarsCarriesIgnored"] = [=](const Task& t) {
            return slip(t, Column::CarriesIgnored);
        };
        r.solvers["bases.termUnderStarsCarryAdded"] = [=](const Task& t) {
            return slip(t, Column::CarryAdded);
        };
        r.solvers["bases.termUnderStarsFlushLeft"] = [=](const Task& t) {
            return slip(t, Column::FlushLeft);
        };
    }
    // The one base N in which `value` has two digits and the base
    // N + `shift` writes it with the same two digits the other way round
    // (17 = 32 in base 5 = 23 in base 7).
    r.solvers["bases.baseOfTurnedRecord"] = [](const Task& t) {
        const qint64 value = t.integer("value"), shift = t.integer("shift");
        if (shift < 1)
            t.fail("the second base is not the greater");
        QStringList found;
        for (qint64 b = 2; b + shift <= 36; ++b) {
            QString turned = toBase(value, int(b));
            std::reverse(turned.begin(), turned.end());
            if (turned.size() == 2 && toBase(value, int(b + shift)) == turned)
                found << QString::number(b);
        }
        if (found.size() != 1)
            t.fail("bases that turn the record round: " + found.join(", "));
        return found.front();
    };
    // The picture's code table (a row of `letters` over a row of codes) with
    // one letter's code shown as "?": the option that can be that code, where
    // no code may begin another and the chain of `bits` binary digits written
    // as the hexadecimal digits `hex` (four each) must read as a message. Its
    // slips, each the one option that fits: a code that begins a letter's
    // code, or one that a letter's code begins, with which the chain reads;
    // a code clear of both with which only the chain of the digits written
    // without their leading zeros reads.
    {
        struct Missing {
            std::map<QChar, QString> known;
            QChar letter;
        };
        const auto missing = [](const Task& t) {
            Missing m;
            for (const auto& [letter, written] : drawnCodeRow(t)) {
                if (written != "?")
                    m.known[letter] = written;
                else if (m.letter.isNull())
                    m.letter = letter;
                else
                    t.fail("more than one code is missing");
            }
            if (m.letter.isNull())
                t.fail("no code is missing");
            if (!isPrefixCode(m.known))
                t.fail("a code of the table begins another");
            return m;
        };
        const auto chain = [](const Task& t, bool padded) {
            QString bits;
            for (const QChar d : t.text("hex")) {
                const QString b = toBase(fromBase(QString(d), 16), 2);
                bits += padded ? b.rightJustified(4, '0') : b;
            }
            if (padded && bits.size() != t.integer("bits"))
                t.fail("the hex digits do not hold the chain's length");
            return bits;
        };
        const auto with = [](const Task& t, const Missing& m, const QString& o) {
            if (o.isEmpty() || o.contains(QRegularExpression("[^01]")))
                t.fail("an option is not a binary code: " + o);
            auto code = m.known;
            code[m.letter] = o;
            return code;
        };
        const auto reads = [](const QString& bits, const std::map<QChar, QString>& code) {
            return !decodings(bits, code).isEmpty();
        };
        // Whether `o` begins a letter's code (or is begun by one).
        const auto begins = [](const Missing& m, const QString& o, bool oFirst) {
            return std::any_of(m.known.begin(), m.known.end(), [&](const auto& known) {
                const QString& c = known.second;
                return c != o && (oFirst ? c.startsWith(o) : o.startsWith(c));
            });
        };
        r.solvers["codes.missingCode"] = [=](const Task& t) {
            const Missing m = missing(t);
            const QString bits = chain(t, true);
            return theOption(t, [&](const QString& o) {
                const auto code = with(t, m, o);
                return isPrefixCode(code) && reads(bits, code);
            });
        };
        r.solvers["codes.missingCodeBeginsAnother"] = [=](const Task& t) {
            const Missing m = missing(t);
            const QString bits = chain(t, true);
            return theOption(t, [&](const QString& o) {
                return begins(m, o, true) && reads(bits, with(t, m, o));
            });
        };
        r.solvers["codes.missingCodeBegunByAnother"] = [=](const Task& t) {
            const Missing m = missing(t);
            const QString bits = chain(t, true);
            return theOption(t, [&](const QString& o) {
                return begins(m, o, false) && reads(bits, with(t, m, o));
            });
        };
        r.solvers["codes.missingCodeZerosDropped"] = [=](const Task& t) {
            const Missing m = missing(t);
            const QString bits = chain(t, true), unpadded = chain(t, false);
            return theOption(t, [&](const QString& o) {
                const auto code = with(t, m, o);
                return isPrefixCode(code) && !reads(bits, code) && reads(unpadded, code);
            });
        };
    }
    // `letters` coded by `codes` (one each, in order, all of one width); the
    // codes of a message written one after another and read as one binary
    // number, shown in the base `system` names (a power of two). Options in
    // that base ("1531{_8}"): the value of the one option that some message
    // makes, its bits filled up with zeros on the left to whole codes. And
    // its slips, each the one option a misreading lets through: each digit
    // taken as four bits (a hexadecimal digit); the record read as a decimal
    // number; every group holding as many ones as each code holds (the codes
    // alike in that), though some group is no code.
    const auto codedChainOption = [](const Task& t, const QString& reading) {
        const QStringList codes = t.list("codes");
        const int width = int(codes.value(0).size());
        for (const QString& c : codes)
            if (c.size() != width || c.contains(QRegularExpression("[^01]")))
                t.fail("the codes are not binary of one width");
        if (t.list("letters").size() != codes.size())
            t.fail("the letters and their codes do not pair");
        const int base = numeral(t.text("system"));
        const int digitBits = bitsForAlphabet(base);
        if (qint64(1) << digitBits != base)
            t.fail("the base is not a power of two");
        const auto wholeCodes = [&](const QString& bits) {
            if (bits.isEmpty() || bits.size() % width)
                return false;
            for (qsizetype at = 0; at < bits.size(); at += width)
                if (!codes.contains(bits.mid(at, width)))
                    return false;
            return true;
        };
        const auto leftFilled = [&](QString bits) {
            while (bits.size() % width)
                bits.prepend('0');
            return bits;
        };
        const qsizetype ones = codes.value(0).count('1');
        for (const QString& c : codes)
            if (reading == "ones" && c.count('1') != ones)
                t.fail("the codes differ in their ones");
        const QString o = theOption(t, [&](const QString& option) {
            const auto [digits, b] = basedOption(option);
            if (b != base)
                t.fail("an option in another base: " + option);
            if (reading == "fours") {
                QString bits;
                for (QChar d : digits)
                    bits += toBase(fromBase(QString(d), base), 2).rightJustified(4, '0');
                return wholeCodes(bits);
            }
            const QString bits =
                leftFilled(toBase(fromBase(digits, reading == "decimal" ? 10 : base), 2));
            if (reading == "ones") {
                for (qsizetype at = 0; at < bits.size(); at += width)
                    if (bits.mid(at, width).count('1') != ones)
                        return false;
                return !wholeCodes(bits);
            }
            return wholeCodes(bits);
        });
        const auto [digits, b] = basedOption(o);
        return QString::number(fromBase(digits, b));
    };
    r.solvers["bases.codedChainAmong"] = [=](const Task& t) {
        return codedChainOption(t, "right");
    };
    r.solvers["bases.codedChainReadDecimal"] = [=](const Task& t) {
        return codedChainOption(t, "decimal");
    };
    r.solvers["bases.codedChainDigitsAsFours"] = [=](const Task& t) {
        return codedChainOption(t, "fours");
    };
    r.solvers["bases.codedChainOnesOnly"] = [=](const Task& t) {
        return codedChainOption(t, "ones");
    };
    // Every base in which the number written `roman` in Roman numerals
    // ("XXIII") ends in the digit `digit`, ascending, separated by commas.
    // Only the usual shortest Roman record from 1 to 3999 is read.
    r.solvers["bases.endingInOfRoman"] = [](const Task& t) {
        static const std::pair<int, const char*> marks[] = {
            {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"},
            {50, "L"},   {40, "XL"},  {10, "X"},  {9, "IX"},   {5, "V"},   {4, "IV"}, {1, "I"}};
        const QString roman = t.text("roman");
        qint64 value = 0;
        qsizetype at = 0;
        for (const auto& [worth, mark] : marks)
            while (roman.mid(at).startsWith(QLatin1String(mark))) {
                value += worth;
                at += qsizetype(qstrlen(mark));
            }
        QString again;
        for (qint64 rest = value; const auto& [worth, mark] : marks)
            for (; rest >= worth; rest -= worth)
                again += QLatin1String(mark);
        if (value == 0 || value > 3999 || at != roman.size() || again != roman)
            t.fail("not a Roman number: " + roman);
        QStringList bases;
        for (qint64 b : basesEndingIn(value, int(t.integer("digit"))))
            bases << QString::number(b);
        return bases.join(',');
    };

    // Binary digits cut into groups of a base's width from the left, not
    // from the right, the last short group read as it stands (a slip).
    const auto groupedFromLeft = [](const Task& t, const QString& bits, int base) {
        const int width = bitsForAlphabet(base);
        if (qint64(1) << width != base)
            t.fail("the base is not a power of two");
        QString digits;
        for (qsizetype at = 0; at < bits.size(); at += width)
            digits += toBase(fromBase(bits.mid(at, width), 2), base);
        return digits;
    };
    // The least number whose binary record has `digits` digits, `ones` of
    // them ones, in the base `system` names; its slips: the largest such
    // number, the leading one forgotten (one digit short), the binary
    // digits cut into groups from the left.
    const auto withOnes = [](const Task& t, bool least, qint64 length) {
        const qint64 ones = t.integer("ones");
        if (ones < 1 || ones > length || length > 62)
            t.fail("no such binary record");
        return least ? (qint64(1) << (length - 1)) | ((qint64(1) << (ones - 1)) - 1)
                     : ((qint64(1) << ones) - 1) << (length - ones);
    };
    r.solvers["bases.leastWithOnes"] = [=](const Task& t) {
        return toBase(withOnes(t, true, t.integer("digits")), numeral(t.text("system")));
    };
    r.solvers["bases.largestWithOnes"] = [=](const Task& t) {
        return toBase(withOnes(t, false, t.integer("digits")), numeral(t.text("system")));
    };
    r.solvers["bases.leastWithOnesShort"] = [=](const Task& t) {
        return toBase(withOnes(t, true, t.integer("digits") - 1), numeral(t.text("system")));
    };
    r.solvers["bases.leastWithOnesGroupedLeft"] = [=](const Task& t) {
        return groupedFromLeft(t, toBase(withOnes(t, true, t.integer("digits")), 2),
                               numeral(t.text("system")));
    };
    // The difference of `numbers` (two, each digits_base, the second taken
    // from the first) in the base `system` names; and its slips: the
    // difference left in the first number's base; both rewritten in the
    // base `system` names and taken column by column, the smaller digit
    // from the larger wherever a borrow is due; the decimal difference's
    // digits.
    const auto twoNumbers = [](const Task& t) {
        const QStringList numbers = t.list("numbers");
        if (numbers.size() != 2)
            t.fail("not two numbers");
        return std::pair{digitsAndBase(t, numbers[0]), digitsAndBase(t, numbers[1])};
    };
    const auto difference = [=](const Task& t) {
        const auto [first, second] = twoNumbers(t);
        const qint64 d =
            fromBase(first.first, first.second) - fromBase(second.first, second.second);
        if (d <= 0)
            t.fail("the difference is not positive");
        return d;
    };
    r.solvers["bases.differenceOfNumbers"] = [=](const Task& t) {
        return toBase(difference(t), numeral(t.text("system")));
    };
    r.solvers["bases.differenceInDecimal"] = [=](const Task& t) {
        return QString::number(difference(t));
    };
    r.solvers["bases.differenceInFirstBase"] = [=](const Task& t) {
        const int base = twoNumbers(t).first.second;
        if (base == numeral(t.text("system")))
            t.fail("the first number is already in that base");
        return toBase(difference(t), base);
    };
    r.solvers["bases.differenceSmallerFromLarger"] = [=](const Task& t) {
        const auto [first, second] = twoNumbers(t);
        const int base = numeral(t.text("system"));
        const QString top = convertDigits(first.first, first.second, base);
        const QString low =
            convertDigits(second.first, second.second, base).rightJustified(top.size(), '0');
        if (low.size() != top.size())
            t.fail("the second number is longer than the first");
        QString digits;
        bool borrow = false;
        for (qsizetype i = 0; i < top.size(); ++i) {
            const qint64 d = fromBase(QString(top[i]), base) - fromBase(QString(low[i]), base);
            borrow = borrow || d < 0;
            digits += toBase(d < 0 ? -d : d, base);
        }
        if (!borrow)
            t.fail("no column needs a borrow");
        return toBase(fromBase(digits, base), base);
    };
    // The Latin letters of `word` coded by their numbers in the alphabet
    // (A 1 … Z 26) in five binary digits, the codes joined and read as one
    // binary number, in the base `system` names; its slips: the letters
    // numbered from 0, each code's leading zeros dropped, the bits cut into
    // groups from the left.
    const auto alphabetCoded = [](const Task& t, int first, bool padded) {
        QString bits;
        for (QChar c : t.text("word")) {
            if (c < QChar('A') || c > QChar('Z'))
                t.fail("not a Latin capital in the word");
            const QString code = toBase(c.unicode() - 'A' + first, 2);
            bits += padded ? code.rightJustified(5, '0') : code;
        }
        return bits;
    };
    // How much the number of `word`'s alphabet code (five bits a letter)
    // grows when every letter is replaced by the one `shift` places
    // further on, in the base `system` names; its slips: the shifts simply
    // added, each letter weighted as one digit of the base (four bits),
    // the new word's number given instead of the growth.
    const auto shiftGrowth = [=](const Task& t) {
        QString after;
        for (QChar c : t.text("word")) {
            const qint64 place = c.unicode() - 'A' + 1 + t.integer("shift");
            if (place > 26)
                t.fail("a shifted letter leaves the alphabet");
            after += toBase(place, 2).rightJustified(5, '0');
        }
        return fromBase(after, 2) - fromBase(alphabetCoded(t, 1, true), 2);
    };
    r.solvers["bases.alphabetShiftGrowth"] = [=](const Task& t) {
        return toBase(shiftGrowth(t), numeral(t.text("system")));
    };
    r.solvers["bases.alphabetShiftGrowthAdded"] = [=](const Task& t) {
        return toBase(t.integer("shift") * t.text("word").size(), numeral(t.text("system")));
    };
    r.solvers["bases.alphabetShiftGrowthDigitEach"] = [=](const Task& t) {
        const int base = numeral(t.text("system"));
        qint64 growth = 0;
        for (qsizetype i = 0; i < t.text("word").size(); ++i)
            growth = growth * base + t.integer("shift");
        return toBase(growth, base);
    };
    r.solvers["bases.alphabetShiftGrowthNewNumber"] = [=](const Task& t) {
        return toBase(shiftGrowth(t) + fromBase(alphabetCoded(t, 1, true), 2),
                      numeral(t.text("system")));
    };
    // The base in which `digits` stands for the number that, added to
    // `term`, gives `sum` (both digits_base), as "digits_base"; its slip:
    // the term's digits read as decimal.
    const auto baseOfTerm = [](const Task& t, qint64 sum, qint64 term) {
        const QString digits = t.text("digits");
        int low = 2;
        for (QChar c : digits)
            low = std::max(low, int(fromBase(QString(c), 36)) + 1);
        std::vector<int> found;
        for (int b = low; b <= 36; ++b)
            if (fromBase(digits, b) == sum - term)
                found.push_back(b);
        if (found.size() != 1)
            t.fail(QString("%1 bases fit, not one").arg(found.size()));
        return digits + "_" + QString::number(found.front());
    };
    const auto basedGiven = [](const Task& t, const QString& name) {
        return digitsAndBase(t, t.text(name));
    };
    r.solvers["bases.baseOfTerm"] = [=](const Task& t) {
        const auto [s, sb] = basedGiven(t, "sum");
        const auto [a, ab] = basedGiven(t, "term");
        return baseOfTerm(t, fromBase(s, sb), fromBase(a, ab));
    };
    r.solvers["bases.baseOfTermTermAsDecimal"] = [=](const Task& t) {
        const auto [s, sb] = basedGiven(t, "sum");
        const auto [a, ab] = basedGiven(t, "term");
        return baseOfTerm(t, fromBase(s, sb), fromBase(a, 10));
    };
    // Slips in solving d1 · b + d0 = value for b, `digits` = d1 d0: the d0
    // carried over with its sign kept (b = (value + d0) / d1), the division
    // by d1 forgotten (b = value − d0).
    const auto baseOfTermSolved = [=](const Task& t, bool signKept) {
        const auto [s, sb] = basedGiven(t, "sum");
        const auto [a, ab] = basedGiven(t, "term");
        const QString digits = t.text("digits");
        if (digits.size() != 2)
            t.fail("not a two-digit record");
        const qint64 high = fromBase(digits.left(1), 36), low = fromBase(digits.right(1), 36);
        const qint64 value = fromBase(s, sb) - fromBase(a, ab);
        const qint64 base = signKept ? value + low : value - low;
        const qint64 divisor = signKept ? high : 1;
        if (high == 0 || base % divisor != 0 || base / divisor <= std::max(high, low))
            t.fail("the slip gives no base");
        return digits + "_" + QString::number(base / divisor);
    };
    r.solvers["bases.baseOfTermSignKept"] = [=](const Task& t) {
        return baseOfTermSolved(t, true);
    };
    r.solvers["bases.baseOfTermNotDivided"] = [=](const Task& t) {
        return baseOfTermSolved(t, false);
    };
}

} // namespace zut::check
