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
// `repeating`; with `alphabetical`, that chain's letters put in
// alphabetical order before they are coded.
QString largestChainCode(const Task& t, bool repeating, bool alphabetical) {
    const QStringList letters = t.list("letters"), codes = t.list("codes");
    const int length = numeral(t.text("length"));
    if (letters.size() != codes.size() || length < 1 || (!repeating && length > letters.size()))
        t.fail("the letters, their codes and the chain's length do not fit");
    std::map<QChar, QString> code;
    for (qsizetype i = 0; i < letters.size(); ++i)
        code[letters[i].front()] = codes[i];
    QString best, bestBits;
    std::function<void(const QString&)> grow = [&](const QString& chain) {
        if (chain.size() == length) {
            const QString bits = encode(chain, code);
            if (bestBits.isEmpty() || fromBase(bits, 2) > fromBase(bestBits, 2))
                best = chain, bestBits = bits;
            return;
        }
        for (const QString& l : letters)
            if (repeating || !chain.contains(l.front()))
                grow(chain + l.front());
    };
    grow({});
    if (alphabetical) {
        std::sort(best.begin(), best.end());
        return encode(best, code);
    }
    return bestBits;
}

} // namespace

void addBases(Registry& r) {
    // Slips of counting the digits of `value` in the base `system` names:
    // the exponent of the greatest power of the base not above it; the
    // powers counted from the 0th up to the first one above it; its digits
    // in binary.
    r.solvers["bases.largestPowerExponent"] = [](const Task& t) {
        return QString::number(toBase(t.integer("value"), numeral(t.text("system"))).size() - 1);
    };
    r.solvers["bases.powersUpToFirstAbove"] = [](const Task& t) {
        return QString::number(toBase(t.integer("value"), numeral(t.text("system"))).size() + 1);
    };
    r.solvers["bases.digitTotalInBinary"] = [](const Task& t) {
        return QString::number(toBase(t.integer("value"), 2).size());
    };
    // `letters` coded by `codes` (one each, in order); chains of `length`
    // (a word: "трёх") different letters, their codes written one after
    // another and read as one binary number: the greatest such number, in
    // the base `system` names.
    r.solvers["bases.largestCodedWord"] = [](const Task& t) {
        return convertDigits(largestChainCode(t, false, false), 2, numeral(t.text("system")));
    };
    // Its slips: a letter used more than once; the letters of the greatest
    // chain put in alphabetical order; the binary digits grouped from the
    // left, the last group short.
    r.solvers["bases.largestCodedWordRepeating"] = [](const Task& t) {
        return convertDigits(largestChainCode(t, true, false), 2, numeral(t.text("system")));
    };
    r.solvers["bases.largestCodedWordAlphabetical"] = [](const Task& t) {
        return convertDigits(largestChainCode(t, false, true), 2, numeral(t.text("system")));
    };
    r.solvers["bases.largestCodedWordGroupedLeft"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        const int width = bitsForAlphabet(base);
        if (qint64(1) << width != base)
            t.fail("the base is not a power of two");
        const QString bits = largestChainCode(t, false, false);
        QString digits;
        for (qsizetype at = 0; at < bits.size(); at += width)
            digits += toBase(fromBase(bits.mid(at, width), 2), base);
        return digits;
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
    // value. And the slips: the bits grouped in fours from the left (the
    // last group filled up with zeros on the right) read as hexadecimal
    // digits; the word coded from its end; the octal record read as a
    // decimal number.
    const auto codedWordBits = [](const Task& t, bool backwards) {
        const std::map<QChar, QString> code = letterCodes(t);
        QString word = t.text("word");
        if (backwards)
            std::reverse(word.begin(), word.end());
        return encode(word, code);
    };
    r.solvers["bases.codedWordValue"] = [=](const Task& t) {
        return QString::number(fromBase(codedWordBits(t, false), 2));
    };
    r.solvers["bases.codedWordFoursFromLeft"] = [=](const Task& t) {
        QString bits = codedWordBits(t, false);
        while (bits.size() % 4)
            bits += '0';
        return QString::number(fromBase(bits, 2));
    };
    r.solvers["bases.codedWordBackwards"] = [=](const Task& t) {
        return QString::number(fromBase(codedWordBits(t, true), 2));
    };
    r.solvers["bases.codedWordOctalAsDecimal"] = [=](const Task& t) {
        return convertDigits(codedWordBits(t, false), 2, 8);
    };
    // Slips of bases.codedWord, written in the base `system` names (a power
    // of two): the number's bits cut into groups from the left, the last
    // group filled up with zeros on the right; the word coded from its end; each
    // letter given an equal code, its place among `letters` in binary.
    r.solvers["bases.codedWordGroupedFromLeft"] = [=](const Task& t) {
        const int base = numeral(t.text("system"));
        const int width = bitsForAlphabet(base);
        if (qint64(1) << width != base)
            t.fail("the base is not a power of two");
        // The number's bits: the zeros the code starts with are no digits.
        QString bits = toBase(fromBase(codedWordBits(t, false), 2), 2);
        while (bits.size() % width)
            bits += '0';
        QString digits;
        for (qsizetype at = 0; at < bits.size(); at += width)
            digits += toBase(fromBase(bits.mid(at, width), 2), base);
        return digits;
    };
    r.solvers["bases.codedWordFromEnd"] = [=](const Task& t) {
        return convertDigits(codedWordBits(t, true), 2, numeral(t.text("system")));
    };
    r.solvers["bases.codedWordUniform"] = [](const Task& t) {
        const QStringList letters = t.list("letters");
        const int width = bitsForAlphabet(letters.size());
        std::map<QChar, QString> code;
        for (qsizetype i = 0; i < letters.size(); ++i)
            code[letters[i].front()] = toBase(i, 2).rightJustified(width, '0');
        return convertDigits(encode(t.text("word"), code), 2, numeral(t.text("system")));
    };
    // `value` written in the base the word `system` names ("восьмеричной").
    r.solvers["bases.convert"] = [](const Task& t) {
        return toBase(t.integer("value"), numeral(t.text("system")));
    };
    // A slip: the remainders of the divisions written in the order they
    // came, the digits reversed.
    r.solvers["bases.convertReversed"] = [](const Task& t) {
        QString digits = toBase(t.integer("value"), numeral(t.text("system")));
        std::reverse(digits.begin(), digits.end());
        return digits;
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
    // A slip: `value` divided by the base one below the one `system` names,
    // so written in that base (157 in base 7 for octal: "313").
    r.solvers["bases.convertBaseBelow"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        if (base < 3)
            t.fail("no base below the named one to slip into");
        return toBase(t.integer("value"), base - 1);
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
    // How many times the digit `digit` stands in `value` written in the
    // base `system` names.
    r.solvers["bases.digitCount"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        return QString::number(
            digitCount(t.integer("value"), base, toBase(t.integer("digit"), base).front()));
    };
    // A slip: how many digits `value` has in that base at all.
    r.solvers["bases.digitTotal"] = [](const Task& t) {
        return QString::number(toBase(t.integer("value"), numeral(t.text("system"))).size());
    };
    // Every base in which `value` ends in the digit `digit`, ascending,
    // separated by commas.
    r.solvers["bases.endingIn"] = [](const Task& t) {
        QStringList bases;
        for (qint64 b : basesEndingIn(t.integer("value"), int(t.integer("digit"))))
            bases << QString::number(b);
        return bases.join(',');
    };
    // Every base in which `value` is written with exactly two digits and
    // ends in the digit `digit`, ascending, separated by commas; the length
    // must drop some base that the ending alone lets in.
    r.solvers["bases.twoDigitEndingIn"] = [](const Task& t) {
        const qint64 value = t.integer("value");
        const std::vector<qint64> ending = basesEndingIn(value, int(t.integer("digit")));
        QStringList bases;
        for (qint64 b : ending)
            if (b <= value && value < b * b)
                bases << QString::number(b);
        if (bases.isEmpty() || bases.size() == qsizetype(ending.size()))
            t.fail(QString("%1 of %2 bases are two-digit").arg(bases.size()).arg(ending.size()));
        return bases.join(',');
    };
    // The option is a number with its base as an index ("1101001{_2}"),
    // written as that base writes it, whose value is the answer.
    r.readers["indexedBaseValue"] = [](const QString& answer, const QString& o, int, const Task&) {
        const auto [digits, base] = basedOption(o);
        return toBase(fromBase(digits, base), base) == digits &&
               fromBase(digits, base) == number(answer);
    };
    // The sum of `numbers`, each written with its base ("57_8"), in decimal.
    r.solvers["bases.sumOfIndexedNumbers"] = [](const Task& t) {
        return QString::number(evaluateBased(t.list("numbers").join(" + ")));
    };
    // `number` (digits_base) written in the base the word `system` names.
    r.solvers["bases.rewrite"] = [](const Task& t) {
        const auto [digits, base] = digitsAndBase(t, t.text("number"));
        return convertDigits(digits, base, numeral(t.text("system")));
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
    // The sum of `numbers` (each digits_base) written in the base the word
    // `system` names.
    // (`terms` the same as `numbers`.)
    r.solvers["bases.sumOfNumbers"] = [](const Task& t) {
        const QStringList numbers = t.list(t.has("terms") ? "terms" : "numbers");
        return evaluateBased(numbers.join(" + "), numeral(t.text("system")));
    };
    // The one base in which the decimal `value` is written `writing`.
    r.solvers["bases.baseOfWriting"] = [](const Task& t) {
        const std::vector<qint64> bases = basesWithPattern(t.integer("value"), t.text("writing"));
        if (bases.size() != 1)
            t.fail(QString("%1 bases fit, not one").arg(bases.size()));
        return QString::number(bases.front());
    };
    // The option is digits with their base as an index label ("EA{_16}"),
    // the answer the same written "EA_16".
    r.readers["baseIndexLabel"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression index(R"(\{_(\d+)\})");
        return QString(o).replace(index, "_\\1") == answer;
    };
    // The number `value` (written with its base) in the base `system`
    // names, with that base: "EA_16".
    r.solvers["bases.rewrittenWithBase"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        return toBase(evaluateBased(t.text("value")), base) + "_" + QString::number(base);
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
    // How many `digits` (нулей, единиц) the writing of `value` has in the
    // base `system` names.
    r.solvers["bases.digitsCounted"] = [](const Task& t) {
        const QString digits = t.text("digits");
        if (digits != "нулей" && digits != "единиц")
            t.fail("digits is neither нулей nor единиц");
        return QString::number(digitCount(t.integer("value"), numeral(t.text("system")),
                                          digits == "нулей" ? QChar('0') : QChar('1')));
    };
    // The sum of `terms` (each digits_base) in the base `system` names,
    // written digits_base.
    r.solvers["bases.sumWithBase"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        return evaluateBased(t.list("terms").join(" + "), base) + "_" + QString::number(base);
    };
    // The one base in which `value` is written `digits`.
    r.solvers["bases.baseOfDigitString"] = [](const Task& t) {
        const std::vector<qint64> bases = basesWithPattern(t.integer("value"), t.text("digits"));
        if (bases.size() != 1)
            t.fail(QString("%1 bases").arg(bases.size()));
        return QString::number(bases.front());
    };
    // The one word whose code is `chain`, by the code table the picture
    // draws (a row of `letters` over a row of codes); no code may begin
    // another.
    r.solvers["codes.decodedWord"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const QVariantList rows = table["rows"].toList();
        if (rows.size() != 1 || head.value(0) != "Буква")
            t.fail("the code table is not a row of letters over a row of codes");
        const QStringList codes = rows.front().toStringList();
        if (codes.size() != head.size() || head.mid(1) != t.list("letters"))
            t.fail("the table codes other letters than the wording names");
        std::map<QChar, QString> code;
        for (qsizetype i = 1; i < head.size(); ++i)
            code[head[i].front()] = codes[i];
        if (!isPrefixCode(code))
            t.fail("a code begins another");
        const QStringList words = decodings(t.text("chain"), code);
        if (words.size() != 1)
            t.fail("not one reading: " + words.join(' '));
        return words.front();
    };
    // The bases in which every one of the numbers `values` ends in the digit
    // `digit`, increasing, joined by commas; refused where one number alone
    // gives those bases, or where there are none.
    r.solvers["bases.endingInAll"] = [](const Task& t) {
        const QStringList values = t.list("values");
        if (values.size() < 2)
            t.fail("fewer than two numbers");
        std::vector<std::vector<qint64>> each;
        for (const QString& v : values) {
            bool ok = false;
            const qint64 n = v.toLongLong(&ok);
            if (!ok)
                t.fail("not a whole number: " + v);
            each.push_back(basesEndingIn(n, int(t.integer("digit"))));
        }
        std::vector<qint64> common = each.front();
        for (const auto& b : each) {
            std::vector<qint64> kept;
            for (qint64 base : common)
                if (std::binary_search(b.begin(), b.end(), base))
                    kept.push_back(base);
            common = kept;
        }
        if (common.empty())
            t.fail("no base is common to the numbers");
        for (const auto& b : each)
            if (b == common)
                t.fail("one number alone gives the bases");
        QStringList bases;
        for (qint64 b : common)
            bases << QString::number(b);
        return bases.join(',');
    };
    // `letters` coded by `codes` (one each, in order, all of one width); the
    // codes of a message written one after another and read as one binary
    // number, shown in the base `system` names (a power of two). Options in
    // that base ("1625{_8}"): the value of the one option that some message
    // makes, its bits filled up with zeros on the left to whole codes. And
    // its slips, each the one option a misreading lets through: each digit
    // turned into bits without its leading zeros; each digit taken as four
    // bits (a hexadecimal digit); the number's bits cut into codes from the
    // left, the last one filled up with zeros on the right.
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
        const QString o = theOption(t, [&](const QString& option) {
            const auto [digits, b] = basedOption(option);
            if (b != base)
                t.fail("an option in another base: " + option);
            QString bits;
            if (reading == "right" || reading == "left")
                bits = toBase(fromBase(digits, base), 2);
            for (QChar d : digits) {
                const qint64 v = fromBase(QString(d), base);
                if (reading == "unpadded")
                    bits += toBase(v, 2);
                else if (reading == "fours")
                    bits += toBase(v, 2).rightJustified(4, '0');
            }
            if (reading == "left") {
                while (bits.size() % width)
                    bits += '0';
                return wholeCodes(bits);
            }
            return wholeCodes(reading == "fours" ? bits : leftFilled(bits));
        });
        const auto [digits, b] = basedOption(o);
        return QString::number(fromBase(digits, b));
    };
    r.solvers["bases.codedChainAmong"] = [=](const Task& t) {
        return codedChainOption(t, "right");
    };
    r.solvers["bases.codedChainDigitsUnpadded"] = [=](const Task& t) {
        return codedChainOption(t, "unpadded");
    };
    r.solvers["bases.codedChainDigitsAsFours"] = [=](const Task& t) {
        return codedChainOption(t, "fours");
    };
    r.solvers["bases.codedChainFoursFromLeft"] = [=](const Task& t) {
        return codedChainOption(t, "left");
    };
    // Every base in which the number written `digits` in the base `system`
    // names ("двоичной") ends in the digit `digit`, ascending, separated by
    // commas.
    r.solvers["bases.endingInOfWritten"] = [](const Task& t) {
        const qint64 value = fromBase(t.text("digits"), numeral(t.text("system")));
        QStringList bases;
        for (qint64 b : basesEndingIn(value, int(t.integer("digit"))))
            bases << QString::number(b);
        return bases.join(',');
    };
}

} // namespace zut::check
