// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2008 paper, variant 5, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the fragments in three languages take only
// remainders, the С1 listings fail exactly for their fault, the С3 game is
// won as the worked solution says, the С4 sample protocol gives the
// output the wording states, the answer labels of B7 and B8 are the
// key's, the fields show their lines whole, and the solvers only this
// paper names follow their givens.
#include "testmain.h"

#include "taskcheck/interpret.h"
#include "papertest.h"

#include "papercheck.h"
#include "shell/controls.h"
#include "app/windowset.h"

#include <QFontMetrics>
#include <QScrollArea>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <memory>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_5.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// The greatest decimal digit of n (of its magnitude).
qint64 greatestDigit(qint64 n) {
    qint64 m = 0;
    for (n = qAbs(n); n > 0; n /= 10)
        m = std::max(m, n % 10);
    return m;
}

// Where the listings fail: n of two or more digits whose leading digit is
// greater than every other one — the loop stops before it.
bool leadingDigitAlone(qint64 n) {
    n = qAbs(n);
    if (n < 10)
        return false;
    qint64 lead = n;
    while (lead >= 10)
        lead /= 10;
    qint64 rest = n, m = 0;
    for (; rest >= 10; rest /= 10)
        m = std::max(m, rest % 10);
    return lead > m;
}

// The line of each listing that the worked solution calls superfluous.
const QString checkLine[] = {"if n < 10 then m := n;", "IF n < 10 THEN m = n"};
// The check of a negative n, which the listings need.
const QString signLine[] = {"if n < 0 then n := -n;", "IF n < 0 THEN n = -n"};
// The line that ends the loop, and the fix the worked solution quotes for it.
const QString loopEnd[] = {"until n < 10;", "LOOP UNTIL n < 10"};
const QString fixPattern[] = {R"(«(until [^»]+)»)", R"(\((LOOP UNTIL [^)]+)\))"};

constexpr qint64 lastInput = 3000;

} // namespace

class TestT2008_5 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void remainderOnly();
    void codeSlips_data();
    void codeSlips() { solverFollowsItsGiven(); }
    void ownSolvers_data();
    void ownSolvers() { solverFollowsItsGiven(); }
    void flowchartOnOtherStarts_data();
    void flowchartOnOtherStarts();
    void fragmentOnOtherStarts_data();
    void fragmentOnOtherStarts();
    void networkOnOtherCosts_data();
    void networkOnOtherCosts();
    void chartsOnOtherData_data();
    void chartsOnOtherData();
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data() { listingFault_data(); }
    void superfluousCheck();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameStrategy();
    void leadersOfTheExample();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void fieldsShowTheirLines();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

// А7 of this paper takes only remainders: no quotient in any language.
void TestT2008_5::remainderOnly() {
    try {
        const std::vector<QString> columns = tableColumns(element<TableElement>(task("А7")));
        QCOMPARE(columns.size(), size_t(3));
        for (const QString& c : columns) {
            QVERIFY2(c.contains("mod", Qt::CaseInsensitive), qPrintable(c));
            QVERIFY2(!c.contains("div", Qt::CaseInsensitive) && !c.contains('\\') &&
                         !c.contains('/'),
                     qPrintable(c));
        }
        // The last rows of each column say how the remainder is written,
        // as a comment of that language: it must change nothing. A Бейсик or
        // Алгоритмический comment runs to the end of its line, so every line
        // holding words of the note must start with the comment mark.
        const struct {
            int column;
            QString note, mark;
        } notes[] = {{0, "' MOD", "'"}, {1, "{mod", "{"}, {2, "| mod", "|"}};
        for (const auto& n : notes) {
            const QStringList lines = columns[size_t(n.column)].split('\n');
            int first = -1;
            for (int i = 0; i < lines.size(); ++i)
                if (lines[i].startsWith(n.note)) first = i;
            QVERIFY2(first >= 0, qPrintable(n.note));
            for (int i = first; i < lines.size(); ++i)
                QVERIFY2(n.column == 1 || lines[i].startsWith(n.mark), qPrintable(lines[i]));
            QVERIFY2(lines.mid(first).join(' ').contains("нацело"), qPrintable(n.note));
        }
        QVERIFY(columns[1].split('\n').last().endsWith("}"));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// А13's slips on other messages: twin codes (000 and 001 of К and Н, 110
// and 111 of Л and Т) swapped where both letters are in the word, or a
// letter read as its twin outside the word; refused where that case is
// not the only one.
void TestT2008_5::codeSlips_data() {
    solverColumns();
    solverRow("swapped in the task", "А13", "codes.decodeTwinsSwapped", "message",
              "0000100101110", "НАКАЛ");
    solverRow("swapped in КОН", "А13", "codes.decodeTwinsSwapped", "message", "00010001", "НОК");
    solverRow("swapped in ТАЛ", "А13", "codes.decodeTwinsSwapped", "message", "11101110", "ЛАТ");
    solverRow("no twins in НОЛ", "А13", "codes.decodeTwinsSwapped", "message", "00110110", "");
    solverRow("two pairs in КНЛТ", "А13", "codes.decodeTwinsSwapped", "message", "000001110111",
              "");
    solverRow("misread in the task", "А13", "codes.decodeTwinMisread", "message",
              "0000100101110", "КАНАТ");
    solverRow("misread in ОЛ", "А13", "codes.decodeTwinMisread", "message", "10110", "ОТ");
    solverRow("two misreads in НОЛ", "А13", "codes.decodeTwinMisread", "message", "00110110", "");
    solverRow("no misread in КОН", "А13", "codes.decodeTwinMisread", "message", "00010001", "");
}

// The solvers only this paper names, on other givens: the fewest yes/no
// questions that find a code of a letter and digits (А2) and their slips;
// the volume of a file that stores its palette and its slip of one bit
// short (А17); the cells of a range once its formula is copied (А18) and
// its slips; the element of an array whose loop changes the element
// before its own (А8) under its slips; the bases in which a record with
// one digit after the comma is a short finite fraction in another base
// (B1); how many whole X make a statement true (B2); a power less a
// number with the number taken off the exponent (А4); the larger of two
// numbers from their sum and difference (А5) and the fewest kilograms for
// a half of the pie and the tallest bar (А19), with their slips. Refused:
// a code of one letter, a palette of a power of two for the slip, a
// reference copied off the sheet, a formula with no range or two, a
// statement true for endlessly many X or for none, nothing left of the
// power, a sum and difference of no two whole numbers, a class the sheet
// lacks.
void TestT2008_5::ownSolvers_data() {
    solverColumns();
    solverRow("5000 codes", "А2", "volume.fewestQuestions", "letters", "А|Б|В|Г|Д", "13");
    solverRow("2000 codes", "А2", "volume.fewestQuestions", "letters", "А|Б", "11");
    solverRow("600 codes", "А2", "volume.fewestQuestions", "digits", "двух", "10");
    solverRow("60 codes", "А2", "volume.fewestQuestions", "digits", "1", "6");
    solverRow("one letter", "А2", "volume.fewestQuestions", "letters", "А", "");
    solverRow("apart, two digits", "А2", "volume.fewestQuestionsEachApart", "digits", "двух", "11");
    solverRow("letter as a digit, two digits", "А2", "volume.fewestQuestionsLetterAsDigit",
              "digits", "двух", "10");
    solverRow("one by one, two digits", "А2", "volume.fewestQuestionsOneByOne", "digits", "двух",
              "23");
    solverRow("copied down and right", "А18", "tables.copiedRangeCells", "to", "F7", "30");
    solverRow("copied up and left", "А18", "tables.copiedRangeCells", "to", "B2", "1");
    solverRow("copied along the row", "А18", "tables.copiedRangeCells", "to", "E3", "8");
    solverRow("copied down the column", "А18", "tables.copiedRangeCells", "to", "C9", "16");
    solverRow("copied off the sheet", "А18", "tables.copiedRangeCells", "to", "A1", "");
    solverRow("no range", "А18", "tables.copiedRangeCells", "formula", "=$A$1+B2", "");
    solverRow("two ranges", "А18", "tables.copiedRangeCells", "formula",
              "=СУММ($A$1:B2)-СУММ(A1:A2)", "");
    solverRow("$ ignored along the row", "А18", "tables.copiedRangeCellsFixingIgnored", "to", "E3",
              "4");
    solverRow("rows only", "А18", "tables.copiedRangeCellsRowsOnly", "to", "H5", "8");
    // The shift counted inclusive: C3 to C9 taken as 7 rows (A1:B9), C3 to
    // E3 as 3 columns (A1:E2); C3 to B2 taken as two back each way runs
    // off the sheet, though the copy itself does not.
    solverRow("inclusive down the column", "А18", "tables.copiedRangeCellsShiftInclusive", "to",
              "C9", "18");
    solverRow("inclusive along the row", "А18", "tables.copiedRangeCellsShiftInclusive", "to", "E3",
              "10");
    solverRow("inclusive off the sheet", "А18", "tables.copiedRangeCellsShiftInclusive", "to", "B2",
              "");
    // А8: A[i] := A[i-1] + i, then A[i-1] := A[i] + i*A[i-1]. The element
    // A[10] no later pass changes; the line read as changing A[i] gives
    // (i + 1)! − 1.
    solverRow("later change missed, A[3]", "А8", "programs.elementLineBackDropped", "index", "3",
              "6");
    solverRow("later change missed, A[10]", "А8", "programs.elementLineBackDropped", "index", "10",
              "55");
    solverRow("own element changed, A[3]", "А8", "programs.elementLineBackOnOwn", "index", "3",
              "23");
    solverRow("own element changed, A[6]", "А8", "programs.elementLineBackOnOwn", "index", "6",
              "5039");
    solverRow("sum first, A[3]", "А8", "programs.elementLineBackLeftToRight", "index", "3", "84");
    solverRow("sum first, A[6]", "А8", "programs.elementLineBackLeftToRight", "index", "6", "735");
    // А17's file volumes in bits: 64 × 25 = 1600 pixels and a palette of
    // 3 bytes a colour. 33 to 64 colours take 6 bits, 65 take 7; the slip
    // takes one bit less and has nothing to round at a power of two.
    solverRow("file, 33 colours", "А17", "volume.fileWithPalette", "colours", "33", "10392");
    solverRow("file, 64 colours", "А17", "volume.fileWithPalette", "colours", "64", "11136");
    solverRow("file, 65 colours", "А17", "volume.fileWithPalette", "colours", "65", "12760");
    solverRow("one bit short, the task", "А17", "volume.fileWithPaletteOneBitShort", "colours",
              "48", "9152");
    solverRow("one bit short, 65 colours", "А17", "volume.fileWithPaletteOneBitShort", "colours",
              "65", "11160");
    solverRow("one bit short, 3 colours", "А17", "volume.fileWithPaletteOneBitShort", "colours",
              "3", "1672");
    solverRow("one bit short, 32 colours", "А17", "volume.fileWithPaletteOneBitShort", "colours",
              "32", "");
    solverRow("one bit short, 2 colours", "А17", "volume.fileWithPaletteOneBitShort", "colours",
              "2", "");
    // А1: Russian letters of 2 bytes among 4000 characters of 6 Кбайт; a
    // volume that no count of letters fills is refused.
    solverRow("letters, 5 Кбайт", "А1", "volume.russianLetters", "kbytes", "5", "1120");
    solverRow("letters, 5000 characters", "А1", "volume.russianLetters", "characters", "5000",
              "1144");
    solverRow("letters, 3 bytes each", "А1", "volume.russianLetters", "wide", "3", "1072");
    solverRow("more than two bytes a character", "А1", "volume.russianLetters", "kbytes", "8", "");
    solverRow("less than a byte a character", "А1", "volume.russianLetters", "kbytes", "3", "");
    solverRow("as wide as the others", "А1", "volume.russianLetters", "narrow", "2", "");
    solverRow("others, 5 Кбайт", "А1", "volume.russianLettersOthers", "kbytes", "5", "2880");
    solverRow("1000 bytes, 5 Кбайт", "А1", "volume.russianLettersKbyteAsThousand", "kbytes", "5",
              "1000");
    solverRow("all wide, 3 bytes each", "А1", "volume.russianLettersAllWide", "wide", "3", "2048");
    solverRow("all wide, 5 bytes each", "А1", "volume.russianLettersAllWide", "wide", "5", "");
    // А3: 300 readings from 0 to 1000 (10 bits), differences from −8 to +7
    // (16 values, 4 bits). −9 makes 17 values, 5 bits; the sign-bit slip
    // costs nothing where the magnitudes fit 3 bits beside the sign.
    solverRow("record, 301 readings", "А3", "volume.deltaRecord", "count", "301", "1210");
    solverRow("record, from −9", "А3", "volume.deltaRecord", "dlow", "−9", "1505");
    solverRow("record, one reading", "А3", "volume.deltaRecord", "count", "1", "");
    solverRow("difference each, 301 readings", "А3", "volume.deltaRecordDifferenceEach", "count",
              "301", "1214");
    solverRow("difference each, from −9", "А3", "volume.deltaRecordDifferenceEach", "dlow", "−9",
              "1510");
    solverRow("all full, up to 2000", "А3", "volume.deltaRecordAllFull", "high", "2000", "3300");
    // А4: the 1 taken off the exponent, 4⁷ = 40000₈; an exponent taken
    // down to nothing is refused.
    solverRow("off the exponent, 4 squared", "А4", "bases.powerLessFromExponent", "exponent", "3",
              "20_8");
    solverRow("off the exponent, less 2", "А4", "bases.powerLessFromExponent", "less", "2",
              "10000_8");
    solverRow("off the exponent, 2 to the 7th", "А4", "bases.powerLessFromExponent", "base", "2",
              "200_8");
    solverRow("off the exponent, all of it", "А4", "bases.powerLessFromExponent", "less", "8", "");
    // А5: 7C₁₆ = 124 and 1012₃ = 32 give 78 and 46; an odd sum of the two,
    // a difference above the sum or a digit the base lacks is refused.
    solverRow("larger, 8E", "А5", "bases.largerFromSumAndDifference", "sum", "8E_16", "87");
    solverRow("larger, odd", "А5", "bases.largerFromSumAndDifference", "sum", "8D_16", "");
    solverRow("larger, difference too big", "А5", "bases.largerFromSumAndDifference", "difference",
              "20000_3", "");
    solverRow("larger, digit 3", "А5", "bases.largerFromSumAndDifference", "difference", "1302_3",
              "");
    solverRow("smaller, 8E", "А5", "bases.largerFromSumAndDifferenceSmaller", "sum", "8E_16", "55");
    // The difference taken for the smaller: 142 − 32. Powers from the
    // first: 1012₃ read as 96 gives (142 + 96) : 2; 1102₃ as 114 gives
    // (124 + 114) : 2; an odd sum (123 + 96) or 2012₃ read as 177, above
    // the sum, is refused.
    solverRow("minus difference, 8E", "А5", "bases.largerFromSumAndDifferenceMinusDifference",
              "sum", "8E_16", "110");
    solverRow("powers from the first, 8E", "А5", "bases.largerFromSumAndDifferencePowersFromFirst",
              "sum", "8E_16", "119");
    solverRow("powers from the first, 1102", "А5",
              "bases.largerFromSumAndDifferencePowersFromFirst", "difference", "1102_3", "119");
    solverRow("powers from the first, odd", "А5", "bases.largerFromSumAndDifferencePowersFromFirst",
              "sum", "7B_16", "");
    solverRow("powers from the first, above the sum", "А5",
              "bases.largerFromSumAndDifferencePowersFromFirst", "difference", "2012_3", "");
    // А19 for another class: 8А (36 of 87) needs only the bar above 30,
    // but half of the old whole is 7,5 above its own.
    solverRow("fewest, 8А", "А19", "tables.fewestForHalfAndTallest", "team", "8А", "31");
    solverRow("fewest, no such class", "А19", "tables.fewestForHalfAndTallest", "team", "9А", "");
    solverRow("whole kept, 8А", "А19", "tables.fewestForHalfAndTallestWholeKept", "team", "8А",
              "8");
    solverRow("own forgotten, 8Б", "А19", "tables.fewestForHalfAndTallestOwnForgotten", "team",
              "8Б", "54");
    // B1: 5,1 is 5 + 1/b, a fraction of at most two base-6 places when b
    // divides 36, and the digit 5 needs b above 5. 3,1 lets 4 in; 5,2
    // needs b to divide 72; three places, 216; base 10, 100. Refused: no
    // base (nothing after the comma), digits that bound nothing, two
    // digits after the comma, no comma.
    solverRow("B1 the task", "B1", "bases.fractionFiniteIn", "record", "5,1", "6,9,12,18,36");
    solverRow("B1 the digit 3", "B1", "bases.fractionFiniteIn", "record", "3,1", "4,6,9,12,18,36");
    solverRow("B1 two after the comma", "B1", "bases.fractionFiniteIn", "record", "5,2",
              "6,8,9,12,18,24,36,72");
    solverRow("B1 three places", "B1", "bases.fractionFiniteIn", "places", "трёх",
              "6,8,9,12,18,24,27,36,54,72,108,216");
    solverRow("B1 in base 10", "B1", "bases.fractionFiniteIn", "base", "10", "10,20,25,50,100");
    solverRow("B1 nothing after the comma", "B1", "bases.fractionFiniteIn", "record", "5,0", "");
    solverRow("B1 the digits bound nothing", "B1", "bases.fractionFiniteIn", "record", "1,1", "");
    solverRow("B1 two digits after it", "B1", "bases.fractionFiniteIn", "record", "5,12", "");
    solverRow("B1 no comma", "B1", "bases.fractionFiniteIn", "record", "51", "");
    solverRow("the task", "B2", "logic.countX", "formula",
              "¬((X > 3) ∨ (X < −2)) ∧ ((X > 1) ∨ (X < −1))", "3");
    solverRow("between two bounds", "B2", "logic.countX", "formula", "(X > 2) ∧ (X < 7)", "4");
    solverRow("a square below ten", "B2", "logic.countX", "formula", "X · X < 10", "7");
    solverRow("endlessly many", "B2", "logic.countX", "formula", "(X > 2) → (X < 7)", "");
    solverRow("none", "B2", "logic.countX", "formula", "(X > 5) ∧ (X < 3)", "");
}

// А6 on other start values of x (the 59 of the picture's data replaced):
// k and the slips its options model — the branches swapped, the count
// read as part of the halving branch, a pass more after the loop. From 64
// every pass halves and the swapped branches halve 63, 31 … down to 1;
// from 1 the loop never runs, but the slip still runs its body once.
void TestT2008_5::flowchartOnOtherStarts_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("k");
    QTest::newRow("45") << "45"
                        << "programs.flowchartValue"
                        << "8";
    QTest::newRow("45, swapped") << "45"
                                 << "programs.flowchartBranchesSwapped"
                                 << "7";
    QTest::newRow("45, counted in yes") << "45"
                                        << "programs.flowchartAfterConditionInYes"
                                        << "5";
    QTest::newRow("45, a pass more") << "45"
                                     << "programs.flowchartOnePassMore"
                                     << "9";
    QTest::newRow("64, swapped") << "64"
                                 << "programs.flowchartBranchesSwapped"
                                 << "6";
    QTest::newRow("64, counted in yes") << "64"
                                        << "programs.flowchartAfterConditionInYes"
                                        << "6";
    QTest::newRow("100, swapped") << "100"
                                  << "programs.flowchartBranchesSwapped"
                                  << "8";
    QTest::newRow("100, counted in yes") << "100"
                                         << "programs.flowchartAfterConditionInYes"
                                         << "6";
    QTest::newRow("1, a pass more") << "1"
                                    << "programs.flowchartOnePassMore"
                                    << "1";
}

void TestT2008_5::flowchartOnOtherStarts() {
    QFETCH(QString, start);
    QFETCH(QString, solver);
    QFETCH(QString, k);
    zut::TaskContent t = task("А6");
    const std::vector<PictureElement*> pictures = zut::allOf<PictureElement>(t.elements);
    QCOMPARE(pictures.size(), size_t(1));
    QVariantMap draw = pictures.front()->draw.toMap();
    QVariantList steps = draw["flowchart"].toList();
    int replaced = 0;
    for (QVariant& step : steps) {
        QVariantMap m = step.toMap();
        if (m.value("do").toString().contains("x := 59")) {
            m["do"] = m["do"].toString().replace("x := 59", "x := " + start);
            step = m;
            ++replaced;
        }
    }
    QCOMPARE(replaced, 1);
    draw["flowchart"] = steps;
    pictures.front()->draw = draw;
    try {
        QCOMPARE(ck::registry().solvers.at(solver)(ck::Task(t)), k);
    } catch (const ck::CheckError& e) {
        QFAIL(qPrintable(e.message()));
    }
}

// А7 on other start values (the 51 of every column replaced): the values
// and the slips that its options model — a smaller number's remainder by
// a greater taken as 0, the quotient in the first remainder's place, the
// quotient for every remainder. Where the condition fails anyway, the
// first slip changes nothing.
void TestT2008_5::fragmentOnOtherStarts_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("values");
    QTest::newRow("53") << "53" << "programs.values" << "a = 5, b = 13";
    QTest::newRow("53, small as 0") << "53" << "programs.valuesSmallModZero" << "a = 53, b = 12";
    QTest::newRow("53, first as quotient")
        << "53" << "programs.valuesFirstModAsQuotient" << "a = 3, b = 8";
    QTest::newRow("49") << "49" << "programs.values" << "a = 49, b = 4";
    QTest::newRow("49, small as 0") << "49" << "programs.valuesSmallModZero" << "a = 49, b = 4";
    QTest::newRow("49, first as quotient")
        << "49" << "programs.valuesFirstModAsQuotient" << "a = 4, b = 9";
    QTest::newRow("49, all as quotient")
        << "49" << "programs.valuesModAsQuotient" << "a = 49, b = 12";
}

void TestT2008_5::fragmentOnOtherStarts() {
    QFETCH(QString, start);
    QFETCH(QString, solver);
    QFETCH(QString, values);
    zut::TaskContent t = task("А7");
    int replaced = 0;
    for (TableElement* e : zut::allOf<TableElement>(t.elements))
        for (TableElement::Cell& c : e->cells)
            if (c.text.contains("51")) {
                c.text.replace("51", start);
                ++replaced;
            }
    QCOMPARE(replaced, 3);
    try {
        QCOMPARE(ck::registry().solvers.at(solver)(ck::Task(t)), values);
    } catch (const ck::CheckError& e) {
        QFAIL(qPrintable(e.message()));
    }
}

// А12 with one road's cost changed in the table (both its cells): the
// scheme of the cheapest network and of each slip, or a refusal ("") where
// no scheme fits, two roads cost alike or two cheapest ways tie.
void TestT2008_5::networkOnOtherCosts_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("scheme");
    const QString net = "tables.cheapestNetwork";
    QTest::newRow("В–Д dearer than Б–Г") << "В" << "Д" << "8" << net << "2";
    QTest::newRow("Г–Д dear: no scheme") << "Г" << "Д" << "8" << net << "";
    QTest::newRow("А–Д as dear as Б–Г") << "А" << "Д" << "6" << net << "";
    QTest::newRow("А–Б dear") << "А" << "Б" << "8" << net << "1";
    QTest::newRow("А–Б dear, cheapest roads")
        << "А" << "Б" << "8" << "tables.cheapestNetworkCheapestRoads" << "1";
    QTest::newRow("two cheapest ways to Д")
        << "А" << "Д" << "8" << "tables.cheapestNetworkShortestWays" << "";
    QTest::newRow("walk turns at В: no scheme")
        << "Б" << "В" << "9" << "tables.cheapestNetworkNearestWalk" << "";
}

void TestT2008_5::networkOnOtherCosts() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, cost);
    QFETCH(QString, solver);
    QFETCH(QString, scheme);
    zut::TaskContent t = task("А12");
    QVERIFY(setRoad(t, from, to, cost));
    solvesOrRefuses(solver, t, scheme);
}

// А19 on a changed sheet or chart: every total must be its row's or its
// column's sum, the bars the months' totals, the pie the classes' totals
// in their shares and order. `row` −1: the chart's `field` is replaced.
void TestT2008_5::chartsOnOtherData_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("answer");
    QTest::newRow("a class's total off") << 0 << "rows" << 3 << 4 << "19"
                                         << "";
    QTest::newRow("a month's total off") << 0 << "rows" << 4 << 1 << "30"
                                         << "";
    QTest::newRow("bars of the classes") << 1 << "values" << -1 << -1 << "36|33|18"
                                         << "";
    QTest::newRow("pie in other units") << 2 << "values" << -1 << -1 << "72|66|36"
                                        << "51";
    QTest::newRow("pie of the months") << 2 << "values" << -1 << -1 << "29|28|30"
                                       << "";
    QTest::newRow("pie's labels reordered") << 2 << "labels" << -1 << -1 << "8Б|8А|8В"
                                            << "";
}

void TestT2008_5::chartsOnOtherData() {
    QFETCH(int, picture);
    QFETCH(QString, field);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, value);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А19");
    const std::vector<PictureElement*> pictures = zut::allOf<PictureElement>(t.elements);
    QCOMPARE(pictures.size(), size_t(3));
    QVariantMap draw = pictures[size_t(picture)]->draw.toMap();
    const QString kind = picture == 0 ? "spreadsheet" : "chart";
    QVariantMap drawn = draw[kind].toMap();
    if (row >= 0) {
        QVariantList rows = drawn[field].toList();
        QStringList cells = rows[row].toStringList();
        QVERIFY(cells[column] != value);
        cells[column] = value;
        rows[row] = cells;
        drawn[field] = rows;
    } else {
        QVERIFY(drawn.contains(field));
        drawn[field] = value.split('|');
    }
    draw[kind] = drawn;
    pictures[size_t(picture)]->draw = draw;
    solvesOrRefuses("tables.fewestForHalfAndTallest", t, answer);
}

void TestT2008_5::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// For every n up to a few thousand either way of 0 each listing prints the
// greatest digit, except exactly where the leading digit is greater than
// all others: then it prints the greatest of the others. Such n exist.
void TestT2008_5::listingFault() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        int wrong = 0;
        for (qint64 n = -lastInput; n <= lastInput; ++n) {
            const qint64 out = number(printed(language, source, n));
            qint64 others = 0;
            for (qint64 rest = qAbs(n); rest >= 10; rest /= 10)
                others = std::max(others, rest % 10);
            const qint64 expected = leadingDigitAlone(n) ? others : greatestDigit(n);
            QVERIFY2(out == expected, qPrintable(QString("%1: %2").arg(n).arg(out)));
            wrong += out != greatestDigit(n) ? 1 : 0;
        }
        QVERIFY(wrong > 0);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Taking out the check of a one-digit n changes nothing the listing prints,
// neither as it stands nor once the worked solution's fix is made; taking
// out the check of a negative n makes the listing print for the solution's
// n what the solution says, not the greatest digit.
void TestT2008_5::superfluousCheck() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        QVERIFY(task("С1").solution.contains(checkLine[listing].chopped(listing == 0 ? 1 : 0)));
        const QString shorter = withoutLines(source, {checkLine[listing]});
        QCOMPARE(shorter.count('\n'), source.count('\n') - 1);
        const QString with = capture(task("С1").solution, fixPattern[listing])[0];
        const QString fixed = replacedLine(source, loopEnd[listing], "  " + with);
        const QString fixedShorter = replacedLine(shorter, loopEnd[listing], "  " + with);
        for (qint64 n = -lastInput; n <= lastInput; n += qAbs(n) < 100 ? 1 : 7) {
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
            QCOMPARE(printed(language, fixedShorter, n), printed(language, fixed, n));
        }
        const QStringList negative =
            capture(task("С1").solution, R"(при n = (−\d+) программа выводит (−?\d+))");
        const qint64 n = number(negative[0]), out = number(negative[1]);
        QCOMPARE(number(printed(language, withoutLines(source, {signLine[listing]}), n)), out);
        QVERIFY(out != greatestDigit(n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the worked solution quotes, put in place of the loop's end,
// makes each listing right for every n.
void TestT2008_5::fixOfTheSolution() {
    QFETCH(int, listing);
    try {
        const QString with = capture(task("С1").solution, fixPattern[listing])[0];
        const QString fixed = replacedLine(::listing(listing), loopEnd[listing], "  " + with);
        const auto language = listingLanguages[size_t(listing)];
        for (qint64 n = -lastInput; n <= lastInput; ++n)
            QVERIFY2(number(printed(language, fixed, n)) == greatestDigit(n),
                     qPrintable(QString::number(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n of the worked solution is one where both listings fail, and they
// print what the solution says.
void TestT2008_5::faultExampleOfTheSolution() {
    try {
        const QStringList m =
            capture(task("С1").solution, R"(n = (\d+): программа выводит (\d) вместо (\d))");
        const qint64 n = number(m[0]);
        QCOMPARE(number(m[2]), greatestDigit(n));
        for (size_t i = 0; i < 2; ++i)
            QCOMPARE(printed(listingLanguages[i], ::listing(int(i)), n), m[1]);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the row of cards searched from its wording: a move takes the card at
// either end, and the greater sum wins. The worked solution names the
// winner the search finds, the second player, and the sums his strategy
// brings, which are the game's value. Its replies, with the greater end
// card taken on the third move, answer every line of the first player by
// an end card and leave the rows it says; taking the greater end card on
// every move, which the solution refutes, loses.
void TestT2008_5::gameStrategy() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t), s = t.solution;
        need(w.contains("забирает себе одну карточку с любого края ряда"), "other moves");
        need(w.contains("выигрывает тот, у кого сумма больше"), "another goal");
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй\W+(\w+)\.)")[0];
        const auto numbers = [](const QString& list) {
            std::vector<qint64> out;
            for (const QString& v : list.split(", "))
                out.push_back(number(v));
            return out;
        };
        const std::vector<qint64> row = numbers(capture(w, R"(с числами ([\d, ]+) \(слева)")[0]);
        qint64 total = 0;
        for (qint64 v : row)
            total += v;
        need(total % 2 == 1, "the sums may tie");
        need(std::set<qint64>(row.begin(), row.end()).size() == row.size(), "two equal cards");
        QVERIFY(row.size() / 2 >= 3); // the second player moves three times at least
        const size_t n = row.size();
        // lead(i, j): what the player to move on cards i…j−1 gains over the other.
        std::map<std::pair<size_t, size_t>, qint64> leads;
        std::function<qint64(size_t, size_t)> lead = [&](size_t i, size_t j) -> qint64 {
            if (i == j)
                return 0;
            const auto it = leads.find({i, j});
            if (it != leads.end())
                return it->second;
            return leads[{i, j}] = std::max(row[i] - lead(i + 1, j), row[j - 1] - lead(i, j - 1));
        };
        const bool firstWins = lead(0, n) > 0;
        QVERIFY2(s.startsWith("Выигрывает " + (firstWins ? first : second) + "."), qPrintable(s));
        QVERIFY(!firstWins);
        QVERIFY(s.contains(QString("= %1 нечётна").arg(total)));
        QVERIFY(s.contains(QString("кто наберёт не меньше %1.").arg(total / 2 + 1)));

        // The replies, by the cards the first player has taken so far.
        std::map<std::vector<qint64>, qint64> reply;
        std::map<qint64, std::vector<qint64>> leftSaid;
        const QStringList opening =
            capture(s, "Первым ходом " + second +
                           R"([^:]*: на (\d+)\x{00A0}— (\d+), на (\d+)\x{00A0}— (\d+)\.)");
        for (int k : {0, 2})
            reply[{number(opening[k])}] = number(opening[k + 1]);
        for (const auto& m : rx("После (\\d+) и (\\d+) остаются ([\\d, ]+): на (\\d+) " + second +
                                " отвечает (\\d+), на (\\d+)\\x{00A0}— (\\d+)\\.")
                                 .globalMatch(s)) {
            const qint64 a = number(m.captured(1));
            QCOMPARE(reply.at({a}), number(m.captured(2)));
            leftSaid[a] = numbers(m.captured(3));
            for (int g : {4, 6})
                reply[{a, number(m.captured(g))}] = number(m.captured(g + 1));
        }
        QCOMPARE(reply.size(), size_t(6));
        need(s.contains("Третьим ходом " + second + " берёт бо́льшую из двух крайних карточек"),
             "no third move");

        // Every line of the first player against `answer`: the least sum of
        // the second player and the greatest of the first.
        using Answer = std::function<qint64(const std::vector<qint64>&, size_t, size_t)>;
        const auto play = [&](const Answer& answer) {
            qint64 leastSecond = total, mostFirst = 0;
            std::function<void(size_t, size_t, std::vector<qint64>, qint64)> on =
                [&](size_t i, size_t j, std::vector<qint64> taken, qint64 firstSum) {
                    if (i == j) {
                        leastSecond = std::min(leastSecond, total - firstSum);
                        mostFirst = std::max(mostFirst, firstSum);
                        return;
                    }
                    for (bool left : {true, false}) {
                        std::vector<qint64> h = taken;
                        h.push_back(left ? row[i] : row[j - 1]);
                        size_t a = left ? i + 1 : i, b = left ? j : j - 1;
                        if (a < b) {
                            const qint64 card = answer(h, a, b);
                            need(card == row[a] || card == row[b - 1],
                                 QString("%1 is no end card").arg(card));
                            if (card == row[a])
                                ++a;
                            else
                                --b;
                            const auto said = leftSaid.find(h[0]);
                            if (h.size() == 1 && said != leftSaid.end())
                                need(std::vector<qint64>(row.begin() + long(a),
                                                         row.begin() + long(b)) == said->second,
                                     QString("another row left after %1").arg(h[0]));
                        }
                        on(a, b, h, firstSum + h.back());
                    }
                };
            on(0, n, {}, 0);
            return std::pair{leastSecond, mostFirst};
        };
        const auto [leastSecond, mostFirst] =
            play([&](const std::vector<qint64>& h, size_t a, size_t b) {
                const auto it = reply.find(h);
                if (h.size() > 2)
                    return std::max(row[a], row[b - 1]);
                need(it != reply.end(), QString("no reply to %1").arg(h.back()));
                return it->second;
            });
        QCOMPARE(leastSecond - mostFirst, -lead(0, n));
        const QStringList sums =
            capture(s, R"(набирает не меньше (\d+), а \w+ не больше (\d+) − (\d+) = (\d+)\.)");
        QCOMPARE(number(sums[0]), leastSecond);
        QCOMPARE(number(sums[1]), total);
        QCOMPARE(number(sums[2]), leastSecond);
        QCOMPARE(number(sums[3]), mostFirst);
        // The greedy second player loses.
        need(s.contains("Брать каждый раз бо́льшую из крайних карточек"), "greed not refuted");
        const auto greedy = play([&](const std::vector<qint64>&, size_t a, size_t b) {
            return std::max(row[a], row[b - 1]);
        });
        QVERIFY(greedy.second > greedy.first);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С4: the wording's sample protocol gives the output the wording states:
// the leaders in the order they took the lead, a tie leaving the leader.
// The sample tells that reading from the slips the worked solution names:
// a tie passing the lead on, the leader printed after every shot, the
// leader searched anew with the smallest number winning a tie.
void TestT2008_5::leadersOfTheExample() {
    const zut::TaskContent& t = task("С4");
    try {
        const QString w = oneLine(fieldText(t, "Memo14"));
        need(w.contains("сравнялся со счётом лидера, лидер не меняется"),
             "the wording does not say what a tie does");
        const QStringList sample = capture(
            w, R"(в первой строке (\d+), в следующих\s*— ((?:«\d+ \d+»,? ?)+)\.)");
        const QString printed = capture(w, R"(программа выводит: ([\d ]+?) \()")[0];
        std::vector<std::pair<int, int>> shots;
        static const QRegularExpression shot(R"(«(\d+) (\d+)»)");
        for (const auto& m : shot.globalMatch(sample[1]))
            shots.push_back({m.captured(1).toInt(), m.captured(2).toInt()});
        QCOMPARE(int(shots.size()), sample[0].toInt());
        enum Reading { Right, TiePasses, EveryShot, SmallestOnTie };
        const auto leaders = [&](Reading r) {
            std::map<int, int> score;
            int leader = 0;
            QStringList out;
            for (const auto& [k, points] : shots) {
                score[k] += points;
                int next = leader;
                if (r == SmallestOnTie) {
                    for (const auto& [j, s] : score) // ascending numbers
                        if (s > 0 && (next == 0 || s > score[next] ||
                                      (s == score[next] && j < next)))
                            next = j;
                } else if (score[k] > 0 &&
                           (leader == 0 || score[k] > score[leader] ||
                            (r == TiePasses && score[k] == score[leader] && k != leader))) {
                    next = k;
                }
                if (next != leader || (r == EveryShot && next != 0))
                    out << QString::number(next);
                leader = next;
            }
            return out.join(' ');
        };
        QCOMPARE(leaders(Right), printed);
        for (Reading slip : {TiePasses, EveryShot, SmallestOnTie}) {
            const QString wrong = leaders(slip);
            QVERIFY2(wrong != printed, qPrintable(wrong));
            QVERIFY2(t.solution.contains("даёт " + wrong), qPrintable(wrong));
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_5::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// B7 has seven labels and B8 four, every letter of the key among them,
// and the wording asks for Latin letters, all small or all capital.
void TestT2008_5::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    try {
        const QStringList labels = answerLabels(t);
        QCOMPARE(labels.size(), id == "B7" ? 7 : 4);
        QVERIFY(wording(t).contains("латинскими буквами"));
        QVERIFY(wording(t).contains("все буквы строчные или все прописные"));
        QVERIFY(!wording(t).contains("строчными"));
        const auto& accepted = t2008_5->key().part2[size_t(zut::taskNumber(id) - 1)];
        for (const char16_t* k : accepted)
            if (k) {
                const QString key = QString::fromUtf16(k);
                QCOMPARE(key.size(), labels.size());
                for (QChar c : key)
                    QVERIFY2(labels.contains(QString(c.toLower())), qPrintable(key));
            }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// No field of the page cuts a line off at its right edge or a line off
// its foot: every field shows every line of its text whole.
void TestT2008_5::fieldsShowTheirLines() {
    const auto fields = t2008_5->page()->widget()->findChildren<zut::TextField*>();
    int checked = 0;
    for (zut::TextField* f : fields) {
        if (!f->isReadOnly())
            continue; // the heading field Memo6
        const QStringList lines = f->toPlainText().split('\n');
        QCOMPARE(lines.size(), f->property("lines").toInt());
        const QFontMetrics fm(f->font());
        // The field's own width, less its frame and the text's margins (the
        // viewport takes its size only once the field is shown).
        const int room =
            f->width() - 2 * f->frameWidth() - 2 * int(f->document()->documentMargin());
        for (const QString& line : lines)
            QVERIFY2(fm.horizontalAdvance(line) <= room,
                     qPrintable(QString("%1: \"%2\" is %3 px in %4")
                                    .arg(f->objectName(), line)
                                    .arg(fm.horizontalAdvance(line))
                                    .arg(room)));
        ++checked;
    }
    QCOMPARE(checked, 12);
}

ZUT_TEST_MAIN(TestT2008_5)
#include "tst_t2008_5.moc"
