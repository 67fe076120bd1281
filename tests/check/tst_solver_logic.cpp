// SPDX-License-Identifier: GPL-3.0-or-later
// Logic formulas: the notation and its priorities, truth tables,
// equivalence, table fragments, counts of solutions, falsifying sets of
// values, statements about whole numbers and about words.
#include "taskcheck/error.h"
#include "taskcheck/logic.h"

#include <QTest>

using namespace zut::check;

namespace {

// "A=1,B=0" → values.
std::map<QString, bool> values(const QString& text) {
    std::map<QString, bool> v;
    for (const QString& pair : text.split(',', Qt::SkipEmptyParts)) {
        const QStringList kv = pair.split('=');
        v[kv[0].trimmed()] = kv[1].trimmed() == QLatin1String("1");
    }
    return v;
}

QString bits(const std::vector<bool>& table) {
    QString s;
    for (bool b : table)
        s += b ? '1' : '0';
    return s;
}

} // namespace

class TestLogic : public QObject {
    Q_OBJECT

private slots:
    void evaluation_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<bool>("value");
        QTest::newRow("negation first") << "¬A /\\ B"
                                        << "A=0,B=1" << true;
        QTest::newRow("negation of A only") << "¬A /\\ B"
                                            << "A=1,B=1" << false;
        // A ∨ (B ∧ C); (A ∨ B) ∧ C would give 0.
        QTest::newRow("and before or") << "A \\/ B /\\ C"
                                       << "A=1,B=0,C=0" << true;
        QTest::newRow("implication, en dash") << "A –> B"
                                              << "A=1,B=0" << false;
        QTest::newRow("implication, ascii") << "A -> B"
                                            << "A=0,B=0" << true;
        QTest::newRow("label ampersands") << "A && B"
                                          << "A=1,B=1" << true;
        QTest::newRow("single ampersand") << "A & ¬B"
                                          << "A=1,B=1" << false;
        QTest::newRow("bar") << "A | B"
                             << "A=0,B=0" << false;
        QTest::newRow("equivalence sign") << "A ≡ B"
                                          << "A=0,B=0" << true;
        QTest::newRow("equals as equivalence") << "A = B"
                                               << "A=1,B=0" << false;
        // (A ∨ B) → C; A ∨ (B → C) would give 1.
        QTest::newRow("or before implication") << "A \\/ B –> C"
                                               << "A=1,B=0,C=0" << false;
        // (A → B) ≡ C; A → (B ≡ C) would give 1.
        QTest::newRow("implication before equivalence") << "A –> B ≡ C"
                                                        << "A=0,B=0,C=0" << false;
        QTest::newRow("parentheses") << "¬(A /\\ B) ≡ ¬A \\/ ¬B"
                                     << "A=1,B=0" << true;
        QTest::newRow("Cyrillic variables") << "А /\\ ¬Б"
                                            << "А=1,Б=0" << true;
        QTest::newRow("digits in names") << "X1 /\\ X2"
                                         << "X1=1,X2=0" << false;
        QTest::newRow("constants") << "1 –> A"
                                   << "A=0" << false;
        QTest::newRow("constant 0") << "0 \\/ A"
                                    << "A=1" << true;
        QTest::newRow("double negation") << "¬¬A"
                                         << "A=1" << true;
    }
    void evaluation() {
        QFETCH(QString, formula);
        QFETCH(QString, assignment);
        QFETCH(bool, value);
        QCOMPARE(Formula::parse(formula).evaluate(values(assignment)), value);
    }

    void malformed_data() {
        QTest::addColumn<QString>("formula");
        QTest::newRow("ends early") << "A /\\";
        QTest::newRow("unclosed") << "(A \\/ B";
        QTest::newRow("operator missing") << "A B";
        QTest::newRow("implication chain") << "A –> B –> C";
        QTest::newRow("unknown sign") << "A # B";
        QTest::newRow("empty") << "";
        QTest::newRow("not a truth value") << "2 /\\ A";
        QTest::newRow("arithmetic without numbers") << "A + 1";
        QTest::newRow("stray parenthesis") << "A)";
    }
    void malformed() {
        QFETCH(QString, formula);
        QVERIFY_THROWS_EXCEPTION(CheckError, Formula::parse(formula));
    }

    void variables() {
        QCOMPARE(Formula::parse(QStringLiteral("B /\\ A \\/ ¬B")).variables(),
                 (QStringList{"B", "A"}));
        // A Latin and a Cyrillic capital A are two different variables.
        QCOMPARE(Formula::parse(QStringLiteral("A /\\ А")).variables().size(), 2);
        QVERIFY_THROWS_EXCEPTION(CheckError,
                                 Formula::parse(QStringLiteral("A /\\ B")).evaluate(values("A=1")));
    }

    void tables() {
        const Formula f = Formula::parse(QStringLiteral("A –> B"));
        QCOMPARE(bits(truthTable(f, {"A", "B"})), QStringLiteral("1101"));
        QCOMPARE(bits(truthTable(f, {"B", "A"})), QStringLiteral("1011"));
        QCOMPARE(bits(truthTable(Formula::parse(QStringLiteral("(A ≡ B) /\\ C")))),
                 QStringLiteral("01000001"));
        QVERIFY_THROWS_EXCEPTION(CheckError, truthTable(f, {"A"}));
    }

    void equivalence_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("implication as disjunction") << "A –> B"
                                                    << "¬A \\/ B" << true;
        QTest::newRow("negated disjunction") << "¬(A \\/ B)"
                                             << "¬A /\\ ¬B" << true;
        QTest::newRow("negation not spread") << "¬(A \\/ B)"
                                             << "¬A \\/ ¬B" << false;
        QTest::newRow("converse") << "A –> B"
                                  << "B –> A" << false;
        QTest::newRow("contrapositive") << "A –> B"
                                        << "¬B –> ¬A" << true;
        QTest::newRow("absorption, extra variable") << "A /\\ (A \\/ C)"
                                                    << "A" << true;
        QTest::newRow("equivalence as implications") << "A ≡ B"
                                                     << "(A –> B) /\\ (B –> A)" << true;
        QTest::newRow("grouping matters") << "A \\/ B /\\ C"
                                          << "(A \\/ B) /\\ C" << false;
    }
    void equivalence() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(equivalent(Formula::parse(a), Formula::parse(b)), same);
    }

    void fragments_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("rows"); // X Y Z then F, rows separated by blanks
        QTest::addColumn<bool>("fits");
        const QString rows = QStringLiteral("1001 0100 0011 1100");
        QTest::newRow("the right one") << "X /\\ ¬Y \\/ Z" << rows << true;
        // X ∨ Z fits the first three rows but gives 1 in 1100.
        QTest::newRow("wrong in one row") << "X \\/ Z" << rows << false;
        QTest::newRow("wrong in 0011") << "¬Y /\\ X" << rows << false;
        QTest::newRow("hidden Y can be 1") << "X /\\ ¬Y \\/ Z"
                                           << "1?00" << true;
        QTest::newRow("value hidden") << "X /\\ ¬Y \\/ Z"
                                      << "010?" << true;
        QTest::newRow("no hidden values fit") << "X /\\ ¬Y \\/ Z"
                                              << "??10" << false;
    }
    void fragments() {
        QFETCH(QString, formula);
        QFETCH(QString, rows);
        QFETCH(bool, fits);
        QCOMPARE(fitsTableFragment(Formula::parse(formula), {"X", "Y", "Z"}, rows.split(' ')),
                 fits);
    }

    void badFragments() {
        const Formula f = Formula::parse(QStringLiteral("X /\\ Y"));
        QVERIFY_THROWS_EXCEPTION(CheckError, fitsTableFragment(f, {"X", "Y"}, {"1011"}));
        QVERIFY_THROWS_EXCEPTION(CheckError, fitsTableFragment(f, {"X", "Y"}, {"1x1"}));
    }

    void solutions_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<qint64>("count");
        QTest::newRow("and") << "A /\\ B" << QStringList() << qint64(1);
        QTest::newRow("or") << "A \\/ B" << QStringList() << qint64(3);
        QTest::newRow("equivalence") << "A ≡ B" << QStringList() << qint64(2);
        QTest::newRow("chain of equivalences")
            << "(A ≡ B) /\\ (B ≡ C)" << QStringList() << qint64(2);
        // C does not occur: each solution counts twice.
        QTest::newRow("a variable that does not occur")
            << "A –> B" << QStringList{"A", "B", "C"} << qint64(6);
        QTest::newRow("two clauses") << "(A \\/ B) /\\ (¬A \\/ C)" << QStringList() << qint64(4);
        // False when K ∨ L (3 of 4) and not M ∧ N (3 of 4): 16 − 9.
        QTest::newRow("implication of pairs")
            << "(K \\/ L) –> (M /\\ N)" << QStringList() << qint64(7);
    }
    void solutions() {
        QFETCH(QString, formula);
        QFETCH(QStringList, variables);
        QFETCH(qint64, count);
        QCOMPARE(countSolutions(Formula::parse(formula), variables), count);
    }

    void falsifying_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("sets");
        QTest::newRow("one set") << "(K /\\ ¬L) –> (M \\/ N)" << QStringList{"K", "L", "M", "N"}
                                 << QStringList{"1000"};
        // The same set written in the reverse order of variables.
        QTest::newRow("order stated")
            << "(K /\\ ¬L) –> (M \\/ N)" << QStringList{"N", "M", "L", "K"} << QStringList{"0001"};
        QTest::newRow("three sets") << "K \\/ L \\/ (M /\\ N)" << QStringList{"K", "L", "M", "N"}
                                    << QStringList{"0000", "0001", "0010"};
    }
    void falsifying() {
        QFETCH(QString, formula);
        QFETCH(QStringList, order);
        QFETCH(QStringList, sets);
        QCOMPARE(assignmentsWhere(Formula::parse(formula), order, false), sets);
    }

    void wholeNumbers_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("value");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<qint64>("least");
        QTest::addColumn<qint64>("greatest");
        // True for X > 2: reading it as X > 5 would give 6.
        QTest::newRow("negated premise") << "¬(X > 2) –> (X > 5)" << true << qint64(0)
                                         << qint64(100) << qint64(3) << qint64(100);
        QTest::newRow("negated premise, false")
            << "¬(X > 2) –> (X > 5)" << false << qint64(0) << qint64(100) << qint64(0) << qint64(2);
        QTest::newRow("a band") << "(X < 10) /\\ ¬(X < 7)" << true << qint64(0) << qint64(50)
                                << qint64(7) << qint64(9);
        QTest::newRow("arithmetic") << "(X*X > 30) /\\ (X - 1 < 8)" << true << qint64(0)
                                    << qint64(50) << qint64(6) << qint64(8);
        QTest::newRow("negative numbers") << "(-X > 3) \\/ (X = 0)" << true << qint64(-10)
                                          << qint64(10) << qint64(-10) << qint64(0);
        QTest::newRow("equality in an equivalence")
            << "(X = 1) ≡ (X > 0)" << false << qint64(-5) << qint64(5) << qint64(2) << qint64(5);
        QTest::newRow("unicode comparisons") << "(X ≥ 4) /\\ (X ≠ 5) /\\ (X ≤ 6)" << true
                                             << qint64(0) << qint64(9) << qint64(4) << qint64(6);
    }
    void wholeNumbers() {
        QFETCH(QString, formula);
        QFETCH(bool, value);
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(qint64, least);
        QFETCH(qint64, greatest);
        const Formula f = Formula::parse(formula, {"X"});
        QCOMPARE(leastWhere(f, value, from, to), std::optional<qint64>(least));
        QCOMPARE(greatestWhere(f, value, from, to), std::optional<qint64>(greatest));
        QCOMPARE(evaluateAt(f, least), value);
    }

    void wholeNumberEdges() {
        const Formula f = Formula::parse(QStringLiteral("(X > 3) /\\ (X < 3)"), {"X"});
        QCOMPARE(leastWhere(f, true, -100, 100), std::nullopt);
        QVERIFY_THROWS_EXCEPTION(CheckError, leastWhere(f, true, 5, 1));
        // Without X named a number, X > 2 compares a truth value.
        QVERIFY_THROWS_EXCEPTION(CheckError, Formula::parse(QStringLiteral("X > 2")));
        QVERIFY_THROWS_EXCEPTION(CheckError, Formula::parse(QStringLiteral("X > 2 > 1"), {"X"}));
        QVERIFY_THROWS_EXCEPTION(CheckError, Formula::parse(QStringLiteral("X /\\ A"), {"X"}));
        QVERIFY_THROWS_EXCEPTION(CheckError, evaluateAt(Formula::parse(QStringLiteral("A")), 1));
    }

    void words() {
        const std::map<QString, WordProperty> properties = {
            {"A", [](const QString& w) { return isVowel(w.front()); }},
            {"B", [](const QString& w) { return isVowel(w.back()); }}};
        const Formula f = Formula::parse(QStringLiteral("¬A /\\ B"));
        const QStringList names = {"Анна", "Мария", "Пётр", "Ирина", "Вера", "Игорь"};
        QCOMPARE(wordsWhere(f, names, properties, true), (QStringList{"Мария", "Вера"}));
        QCOMPARE(wordsWhere(f, names, properties, false),
                 (QStringList{"Анна", "Пётр", "Ирина", "Игорь"}));
        QVERIFY_THROWS_EXCEPTION(CheckError, wordsWhere(Formula::parse(QStringLiteral("A /\\ C")),
                                                        names, properties, true));
    }

    void letters_data() {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<bool>("vowel");
        QTest::addColumn<bool>("consonant");
        QTest::newRow("а") << QChar(u'а') << true << false;
        QTest::newRow("Ё") << QChar(u'Ё') << true << false;
        QTest::newRow("й") << QChar(u'й') << false << true;
        QTest::newRow("ь") << QChar(u'ь') << false << false;
        QTest::newRow("Ъ") << QChar(u'Ъ') << false << false;
        QTest::newRow("Latin b") << QChar('b') << false << true;
        QTest::newRow("Latin E") << QChar('E') << true << false;
        QTest::newRow("digit") << QChar('7') << false << false;
    }
    void letters() {
        QFETCH(QChar, letter);
        QFETCH(bool, vowel);
        QFETCH(bool, consonant);
        QCOMPARE(isVowel(letter), vowel);
        QCOMPARE(isConsonant(letter), consonant);
    }
};

QTEST_APPLESS_MAIN(TestLogic)
#include "tst_solver_logic.moc"
