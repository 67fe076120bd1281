// Tasks on positional number systems and binary codes.
#include "bases.h"
#include "codes.h"
#include "error.h"
#include "taskcheck.h"

#include <algorithm>

namespace zut::check {

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
}

} // namespace zut::check
