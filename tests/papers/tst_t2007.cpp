// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2007 paper needs beyond its tasks' checks (tst_tasks) and what
// every paper's content must satisfy (tst_papercontent): the С1 listings
// fail exactly for their fault, the С3 game is won as the worked solution
// says, the slips of А2, А3, А4, А13, А18 and А20 follow other givens than the
// paper's, А11's solver and slips follow other rows and options, and А18's
// key is not the option made of its options' most frequent parts.
#include "testmain.h"

#include "taskcheck/error.h"
#include "taskcheck/interpret.h"
#include "taskcheck/taskcheck.h"
#include "papertest.h"

#include "papercheck.h"
#include "app/windowset.h"
#include "windows/start.h"

#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2007.yaml");
    return c;
}

namespace {

// ---- С1: the three listings ------------------------------------------------

struct Listing {
    const char* name;
    ck::Language language;
    // The superfluous check and the two needed ones (of a and of c), as the
    // listing writes them, and the missing condition added where the
    // listing's other two stand.
    QString superfluous;
    QStringList needed;
    const char* written;
    const char* fixed;
};
const Listing listings[] = {
    {"Memo10",
     ck::Language::Pascal,
     "if b <= 0 then ok := false;",
     {"if a <= 0 then ok := false;", "if c <= 0 then ok := false;"},
     "(c < a + b);",
     "(c < a + b) and (b < a + c);"},
    {"Memo11",
     ck::Language::Basic,
     "IF B <= 0 THEN OK = 0",
     {"IF A <= 0 THEN OK = 0", "IF C <= 0 THEN OK = 0"},
     "C < A + B THEN",
     "C < A + B AND B < A + C THEN"},
    {"Memo12",
     ck::Language::C,
     "if (b <= 0) ok = 0;",
     {"if (a <= 0) ok = 0;", "if (c <= 0) ok = 0;"},
     "(c < a + b);",
     "(c < a + b) && (b < a + c);"},
};

bool triangle(int a, int b, int c) {
    return a > 0 && b > 0 && c > 0 && a < b + c && b < a + c && c < a + b;
}

} // namespace

class TestT2007 : public QObject {
    Q_OBJECT
private slots:
    void listingFault_data();
    void listingFault();
    void partThreeGame();
    void slipsFollowTheirGivens_data();
    void slipsFollowTheirGivens();
    void fragmentMisfit_data();
    void fragmentMisfit();
    void formulaKeyNotOfCommonParts();
};

void TestT2007::listingFault_data() {
    QTest::addColumn<int>("listing");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(listings[i].name) << i;
}

// Each С1 listing fails exactly where the missing condition matters, its
// superfluous check, the one the worked solution names, changes nothing,
// the fix makes it right, and each of the other two checks decides for
// the numbers the solution gives it.
void TestT2007::listingFault() {
    QFETCH(int, listing);
    const Listing& l = listings[listing];
    try {
        const QString source = fieldText(task("С1"), l.name);
        const QString pruned = withoutLines(source, {l.superfluous});
        QVERIFY(task("С1").solution.contains("«" + l.superfluous));
        QVERIFY(source.contains(l.written));
        const QString fixed = QString(source).replace(l.written, l.fixed);
        int wrong = 0;
        for (int a = -2; a <= 6; ++a)
            for (int b = -2; b <= 6; ++b)
                for (int c = -2; c <= 6; ++c) {
                    const QString right = triangle(a, b, c) ? "можно" : "нельзя";
                    const QString shown = printed(l.language, source, a, b, c);
                    QVERIFY(shown == "можно" || shown == "нельзя");
                    if (shown != right) {
                        ++wrong;
                        QVERIFY2(b >= a + c, qPrintable(QString("wrong for %1 %2 %3, not a "
                                                                "fault of the missing check")
                                                            .arg(a)
                                                            .arg(b)
                                                            .arg(c)));
                    }
                    QCOMPARE(printed(l.language, pruned, a, b, c), shown);
                    QCOMPARE(printed(l.language, fixed, a, b, c), right);
                }
        QVERIFY(wrong > 0);
        // The example of the worked solution is one of the failing inputs.
        QCOMPARE(printed(l.language, source, 1, 5, 1), "можно");
        const QStringList m =
            capture(task("С1").solution, R"(при a = (\d+), b = (\d+), c = (\d+) оба[^;]*; так же )"
                                         R"(при a = (\d+), b = (\d+), c = (\d+) без)");
        for (int k = 0; k < 2; ++k) {
            const int a = int(number(m[3 * k])), b = int(number(m[3 * k + 1])),
                      c = int(number(m[3 * k + 2]));
            QVERIFY(!triangle(a, b, c));
            QCOMPARE(printed(l.language, source, a, b, c), "нельзя");
            QCOMPARE(printed(l.language, withoutLines(source, {l.needed[k]}), a, b, c), "можно");
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2007::partThreeGame() {
    const QString t = wording(task("С3"));
    const int start = int(numberIn(t, R"(кучка из (\d+) камней)"));
    const int goal = int(numberIn(t, R"((\d+) камней или больше)"));
    const std::vector<bool> wins = moverWins(goal, [](qint64 n) {
        return std::vector<qint64>{n + 1, n + 4, n * 2};
    });
    QVERIFY(wins[size_t(start)]); // the first player, Петя, wins
    QStringList winning;
    const QStringList moves = {"один камень", "четыре камня", "удвоить"};
    const int after[] = {start + 1, start + 4, start * 2};
    for (int i = 0; i < 3; ++i)
        if (after[i] >= goal || !wins[size_t(after[i])])
            winning << moves[i];
    QCOMPARE(winning, QStringList{"четыре камня"});
    QVERIFY(task("С3").solution.contains("выигрывает Петя"));
    QVERIFY(task("С3").solution.contains("добавляет четыре камня"));
    QStringList losing;
    for (int n = 1; n < goal; ++n)
        if (!wins[size_t(n)])
            losing << QString::number(n);
    QVERIFY(task("С3").solution.contains(losing.join(", ")));
}

void TestT2007::slipsFollowTheirGivens_data() {
    solverColumns();
    const auto row = solverRow;
    // А2: 2⁴ − 1 codes of two kinds use the first; 3⁵ − 2⁵ of five signals;
    // exactly once 4 · 1⁴⁻¹ and 5 · 2⁴; a place fixed 4 · 2³ and 5 · 3⁴.
    row("А2 two kinds", "А2", "volume.codesUsingOne", "kinds", "двух", "15");
    row("А2 two kinds, exactly once", "А2", "volume.codesUsingOneExactlyOnce", "kinds", "двух",
        "4");
    row("А2 two kinds, place fixed", "А2", "volume.codesUsingOnePlaceFixed", "kinds", "двух", "32");
    row("А2 five signals", "А2", "volume.codesUsingOne", "length", "пяти", "211");
    row("А2 five signals, exactly once", "А2", "volume.codesUsingOneExactlyOnce", "length", "пяти",
        "80");
    row("А2 five signals, place fixed", "А2", "volume.codesUsingOnePlaceFixed", "length", "пяти",
        "405");
    row("А2 one kind", "А2", "volume.codesUsingOne", "kinds", "одного", "");
    // 13 = 1101: 110 and a lone 1, where 1 and 101 are right (15).
    row("А4 13 from the left", "А4", "bases.convertGroupedLeft", "value", "13", "61");
    // 64 = 1000000: the last group, one zero, still gives a digit (100).
    row("А4 64 from the left", "А4", "bases.convertGroupedLeft", "value", "64", "400");
    // 45 = 101101 is whole triads: grouping from the left changes nothing (55).
    row("А4 45 from the left", "А4", "bases.convertGroupedLeft", "value", "45", "55");
    // 157 = 10011101 is whole tetrads and whole pairs: both ways agree (9D, 2131).
    row("А4 157 in hexadecimal", "А4", "bases.convertGroupedLeft", "system", "шестнадцатеричной",
        "9D");
    row("А4 157 in base four", "А4", "bases.convertGroupedLeft", "system", "четверичной", "2131");
    row("А4 in base ten", "А4", "bases.convertGroupedLeft", "system", "десятичной", "");
    // 100 = 1100100, halved with its remainders in the order they came:
    // 0010011 = 19, 23 in octal; 157 in hexadecimal: 10111001 = B9.
    row("А4 100 bits reversed", "А4", "bases.convertBitsReversed", "value", "100", "23");
    row("А4 157 bits reversed in hexadecimal", "А4", "bases.convertBitsReversed", "system",
        "шестнадцатеричной", "B9");
    row("А4 bits reversed in base ten", "А4", "bases.convertBitsReversed", "system", "десятичной",
        "");
    // 13 = 1 101: the lone 1 filled up to 100 (45); 64 = 1 000 000 (400);
    // 45 = 101 101 and 157 in hexadecimal fall into whole groups: refused.
    row("А4 13 padded right", "А4", "bases.convertShortGroupPaddedRight", "value", "13", "45");
    row("А4 64 padded right", "А4", "bases.convertShortGroupPaddedRight", "value", "64", "400");
    row("А4 45 padded right", "А4", "bases.convertShortGroupPaddedRight", "value", "45", "");
    row("А4 157 padded right in hexadecimal", "А4", "bases.convertShortGroupPaddedRight", "system",
        "шестнадцатеричной", "");
    // А3's slips: −64 … +33 takes 7 bits a magnitude and a sign bit (96 · 8);
    // with the minus of −3 lost, 33 − 3 + 1 = 31 values, 5 bits (96 · 5);
    // −40 … +33 loses every value; 0 … +33 has no sign to lose.
    row("А3 sign bit to −64", "А3", "volume.measurementsSignBit", "low", "−64", "768");
    row("А3 low sign lost from −3", "А3", "volume.measurementsLowSignLost", "low", "−3", "480");
    row("А3 low sign lost from −40", "А3", "volume.measurementsLowSignLost", "low", "−40", "");
    row("А3 byte each from 0", "А3", "volume.measurementsByteEach", "low", "0", "");
    // А13's codes in the listed order (У, Н, А, Л) in octal; a word that is
    // that order is refused.
    row("А13 listed order in octal", "А13", "bases.codedWordListOrder", "system", "восьмеричной",
        "1436");
    row("А13 the word in listed order", "А13", "bases.codedWordListOrder", "word", "УНАЛ", "");
    // А20's slips on other strings (the right results: МСГ, ОДК, ДАГ).
    row("А20 ПРОГРАММИСТ, branches swapped", "А20", "programs.editorBranchesSwapped", "start",
        "ПРОГРАММИСТ", "МТР");
    row("А20 ПРОГРАММИСТ, body reversed", "А20", "programs.editorBodyReversed", "start",
        "ПРОГРАММИСТ", "ИОА");
    row("А20 АБВГД, body reversed", "А20", "programs.editorBodyReversed", "start", "АБВГД", "ДВГ");
    row("А20 АБВГД, branches swapped", "А20", "programs.editorBranchesSwapped", "start", "АБВГД",
        "ДБВ");
    row("А20 КОД, branches swapped", "А20", "programs.editorBranchesSwapped", "start", "КОД",
        "ОДК");
    row("А20 КОД, body reversed", "А20", "programs.editorBodyReversed", "start", "КОД", "ОДК");
    // C3 to E4 is two columns and one row (=$B3+E$1 is right).
    row("А18 to E4, columns only", "А18", "tables.copyFormulaColumnsOnly", "to", "E4", "=$B2+E$1");
    row("А18 to E4, $ turned over", "А18", "tables.copyFormulaFixingSwapped", "to", "E4",
        "=$D2+C$2");
    row("А18 to E4, uncopied", "А18", "tables.formulaUncopied", "to", "E4", "=$B2+C$1");
    // C3 to B1: the right copy takes $B2 off the sheet; copying across does not.
    row("А18 to B1, columns only", "А18", "tables.copyFormulaColumnsOnly", "to", "B1", "=$B2+B$1");
    // C3 to A3 with $ turned over moves the B of $B2 two columns left, off the sheet.
    row("А18 to A3, $ turned over", "А18", "tables.copyFormulaFixingSwapped", "to", "A3", "");
    row("А18 a whole fixed reference", "А18", "tables.copyFormulaFixingSwapped", "formula",
        "=A1+$B$2", "=A1+$C$4");
    row("А18 a range", "А18", "tables.copyFormulaFixingSwapped", "formula", "=СУММ($A1:B$2)",
        "=СУММ($B1:B$4)");
    row("А18 a range, columns only", "А18", "tables.copyFormulaColumnsOnly", "formula",
        "=СУММ($A1:B$2)", "=СУММ($A1:C$2)");
}

// The slips of А3, А4, А13, А18 and А20 and their solvers, run on other givens
// than the paper's, compute from them or refuse.
void TestT2007::slipsFollowTheirGivens() {
    solverFollowsItsGiven();
}

// А11 asks for the one option that cannot be F: on the paper's rows the
// key; none or all four fail on other rows, and then it refuses. Its slips
// name the one fitting option that a misreading rejects, or refuse.
void TestT2007::fragmentMisfit_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QString rows = "0100 1000 1111";
    const QStringList paper = options(task("А11"));
    QStringList twoDropped = paper;
    twoDropped[2] = "(X \\/ ¬Y) && Z";
    const QStringList disjunction = {"¬X \\/ ¬Y", "X && Y", "X \\/ Y", "Z"};
    const auto row = [](const char* name, const QString& r, const QStringList& o,
                        const char* solver, const QString& answer) {
        QTest::newRow(name) << r << o << QString(solver) << answer;
    };
    row("paper", rows, paper, "logic.failsTable", paper[1]);
    row("paper, brackets dropped", rows, paper, "logic.failsTableBracketsDropped", paper[0]);
    row("paper, negations joined", rows, paper, "logic.failsTableNegationsJoined", paper[2]);
    row("all four fail", "0100 1000 1110", paper, "logic.failsTable", "");
    row("none fails", "0100 1111", paper, "logic.failsTable", "");
    row("none fails, brackets dropped", "0100 1111", paper, "logic.failsTableBracketsDropped",
        paper[0]);
    row("no row against dropping", "1000 1111", paper, "logic.failsTableBracketsDropped", "");
    row("two rejected when dropped", rows, twoDropped, "logic.failsTableBracketsDropped", "");
    row("nothing to join", rows, twoDropped, "logic.failsTableNegationsJoined", "");
    row("¬X ∨ ¬Y joined", "1001 1100", disjunction, "logic.failsTableNegationsJoined",
        disjunction[0]);
}

void TestT2007::fragmentMisfit() {
    QFETCH(QString, rows);
    QFETCH(QStringList, options);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    solvesOrRefuses(solver, withTruthRows(task("А11"), rows, options), answer);
}

// Whoever picks, at each place of the references, the column or row that
// most options have there must not land on the key: every such choice,
// ties taken either way, is a wrong option or no option at all.
void TestT2007::formulaKeyNotOfCommonParts() {
    const zut::TaskContent& t = task("А18");
    const QStringList opts = options(t);
    const QString key = ck::registry().solvers.at("tables.copyFormula")(ck::Task(t));
    QVERIFY(opts.contains(key));
    const QStringList common = optionsOfCommonParts(opts);
    QVERIFY(!common.isEmpty()); // the test looked at something
    QVERIFY2(!common.contains(key), qPrintable(key + " is made of the common parts"));
}

ZUT_TEST_MAIN(TestT2007)
#include "tst_t2007.moc"
