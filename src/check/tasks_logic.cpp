// Tasks on logic: statements about words and numbers, equivalent formulas,
// truth tables.
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

// A property of a word a statement speaks of: "вторая буква гласная",
// "последняя буква имени согласная".
WordProperty letterProperty(const Task& t, const QString& words) {
    static const std::map<QString, int> places = {
        {"первая", 0}, {"вторая", 1}, {"третья", 2}, {"последняя", -1}};
    QStringList w = words.split(' ');
    w.removeAll("имени");
    if (w.size() != 3 || !places.contains(w[0]) || w[1] != "буква" ||
        (w[2] != "гласная" && w[2] != "согласная"))
        t.fail("an unknown property: " + words);
    const int at = places.at(w[0]);
    const bool vowel = w[2] == "гласная";
    return [at, vowel](const QString& word) {
        if (at >= word.size())
            return false;
        const QChar c = at < 0 ? word.back() : word[at];
        return vowel ? isVowel(c) : isConsonant(c);
    };
}

} // namespace

void addLogic(Registry& r) {
    // The option is a formula equivalent to the answer.
    r.readers["equivalent"] = [](const QString& answer, const QString& o, int, const Task&) {
        return equivalent(Formula::parse(formulaText(answer)), Formula::parse(formulaText(o)));
    };
    // The name among the options for which `statement` (properties of a
    // letter of the name in parentheses, "(вторая буква гласная)", joined
    // by logical signs) is `truth`.
    r.solvers["logic.nameWhere"] = [](const Task& t) {
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        int n = 0;
        static const QRegularExpression part(R"(\(([^()]+)\))");
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const QString variable = QString("P%1").arg(++n);
            properties[variable] = letterProperty(t, m.captured(1));
            statement.replace(m.captured(0), variable);
        }
        const QStringList words =
            wordsWhere(Formula::parse(statement), t.options(), properties, truthGiven(t, "truth"));
        if (words.size() != 1)
            t.fail("the statement is " + t.text("truth") + " for " + words.join(", "));
        return words.front();
    };
    // The formula itself, for options equivalent to it.
    r.solvers["logic.formula"] = [](const Task& t) { return t.text("formula"); };
    // The option whose formula fits the truth-table fragment the picture
    // draws (its last column is F).
    r.solvers["logic.fitsTable"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        QStringList head = table["head"].toStringList();
        if (head.size() < 2 || head.last() != "F")
            t.fail("the table's last column is not F");
        head.removeLast();
        QStringList rows;
        for (const QVariant& row : table["rows"].toList())
            rows << row.toStringList().join("");
        return theOption(t, [&](const QString& o) {
            return fitsTableFragment(Formula::parse(formulaText(o)), head, rows);
        });
    };
    // The greatest or least (`extreme`: наибольшее, наименьшее) whole X for
    // which `formula` is `truth`.
    r.solvers["logic.extremeX"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const QString extreme = t.text("extreme");
        if (extreme != "наибольшее" && extreme != "наименьшее")
            t.fail("extreme is neither наибольшее nor наименьшее");
        const bool value = truthGiven(t, "truth");
        const auto x = extreme == "наибольшее" ? greatestWhere(f, value, -10000, 10000)
                                               : leastWhere(f, value, -10000, 10000);
        if (!x || *x == 10000 || *x == -10000)
            t.fail("no bound within the range searched");
        return QString::number(*x);
    };
    // The option, a whole X, for which `formula` (or `statement`) is
    // `truth`.
    r.solvers["logic.optionX"] = [](const Task& t) {
        const QString formula = t.text(t.has("statement") ? "statement" : "formula");
        const Formula f = Formula::parse(formulaText(formula), {"X"});
        const bool truth = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return evaluateAt(f, number(o)) == truth; });
    };
    // The least natural X for which `formula` is `truth`.
    r.solvers["logic.leastNaturalX"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const auto x = leastWhere(f, truthGiven(t, "truth"), 1, 100000);
        if (!x || *x == 100000)
            t.fail("no natural X within the range searched");
        return QString::number(*x);
    };
    // The number of sets of values of `variables` for which `formula`
    // equals `value` (0 or 1).
    r.solvers["logic.countEquationSolutions"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")));
        const QStringList names = t.list("variables");
        const qint64 value = t.integer("value");
        if (value != 0 && value != 1)
            t.fail("the equation's value is neither 0 nor 1");
        const qint64 ones = countSolutions(f, names);
        return QString::number(value == 1 ? ones : (qint64(1) << names.size()) - ones);
    };
    // The one set of values of `variables`, in that order, for which
    // `formula` is `truth`.
    r.solvers["logic.onlyAssignment"] = [](const Task& t) {
        const QStringList sets = assignmentsWhere(Formula::parse(formulaText(t.text("formula"))),
                                                  t.list("variables"), truthGiven(t, "truth"));
        if (sets.size() != 1)
            t.fail("not one set of values: " + sets.join(' '));
        return sets.front();
    };
    // The option, a whole number X, for which `statement` is `truth`.
    r.solvers["logic.numberWhere"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("statement")), {"X"});
        const bool value = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return evaluateAt(f, number(o)) == value; });
    };
    // The one set of values of `variables` (as 0/1 digits in their order)
    // for which `formula` is `truth`.
    r.solvers["logic.valuesWhere"] = [](const Task& t) {
        const QStringList sets = assignmentsWhere(Formula::parse(formulaText(t.text("formula"))),
                                                  t.list("variables"), truthGiven(t, "truth"));
        if (sets.size() != 1)
            t.fail(QString("%1 sets of values").arg(sets.size()));
        return sets.front();
    };
}

} // namespace zut::check
