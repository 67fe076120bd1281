// Tasks on logic: statements about words and numbers, equivalent formulas,
// truth tables.
#include "error.h"
#include "logic.h"
#include "taskcheck.h"

#include <QRegularExpression>

namespace zut::check {

namespace {

// The properties of a name that statements may speak of, each a variable.
const std::map<QString, WordProperty>& wordProperties() {
    static const std::map<QString, WordProperty> known = {
        {"первая буква имени согласная", [](const QString& w) { return isConsonant(w.front()); }},
        {"первая буква имени гласная", [](const QString& w) { return isVowel(w.front()); }},
        {"последняя буква имени гласная", [](const QString& w) { return isVowel(w.back()); }},
        {"последняя буква имени согласная", [](const QString& w) { return isConsonant(w.back()); }},
    };
    return known;
}

} // namespace

void addLogic(Registry& r) {
    // The option is a formula equivalent to the answer.
    r.readers["equivalent"] = [](const QString& answer, const QString& o, int, const Task&) {
        return equivalent(Formula::parse(formulaText(answer)), Formula::parse(formulaText(o)));
    };
    // The name among the options for which `statement` (properties of the
    // name in parentheses, joined by logical signs) is `truth`.
    r.solvers["logic.nameWhere"] = [](const Task& t) {
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        int n = 0;
        static const QRegularExpression part(R"(\(([^()]+)\))");
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const auto k = wordProperties().find(m.captured(1));
            if (k == wordProperties().end())
                t.fail("an unknown property: " + m.captured(1));
            const QString variable = QString("P%1").arg(++n);
            properties[variable] = k->second;
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
}

} // namespace zut::check
