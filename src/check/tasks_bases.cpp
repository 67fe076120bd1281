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

} // namespace

void addBases(Registry& r) {
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
    // The value of `expression` (numbers written with their bases, "·" a
    // product) written in the base `system` names.
    r.solvers["bases.expression"] = [](const Task& t) {
        return evaluateBased(formulaText(t.text("expression")), numeral(t.text("system")));
    };
    // The letters `letters` coded by `codes` (one each, in order), the codes
    // of `word` written one after another and read as one binary number,
    // that number written in the base `system` names.
    r.solvers["bases.codedWord"] = [](const Task& t) {
        const QStringList letters = t.list("letters"), codes = t.list("codes");
        if (letters.size() != codes.size())
            t.fail("the letters and their codes do not pair");
        std::map<QChar, QString> code;
        for (qsizetype i = 0; i < letters.size(); ++i)
            code[letters[i].front()] = codes[i];
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
}

} // namespace zut::check
