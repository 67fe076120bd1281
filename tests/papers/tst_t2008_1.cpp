// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2008 paper, variant 1, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the С1 listings fail exactly for their fault, the С3
// game is won as the worked solution says, and the tasks' checks follow
// other givens than the paper's.
#include "testmain.h"

#include "taskcheck/error.h"
#include "taskcheck/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <stdexcept>
#include <vector>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_1.yaml");
    return c;
}

namespace {

// ---- С1: the three listings ------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic,
                                                    ck::Language::C};

// The lines of each listing that make its check of y <= 3: the check, its
// "else" and what that branch prints (in Basic also one END IF).
const std::vector<QStringList> checkLines = {
    {"if y <= 3 then", "else", "writeln('не принадлежит')"},
    {"IF y <= 3 THEN", "ELSE", "PRINT \"не принадлежит\"", "END IF"},
    {"if (y <= 3)", "else", "printf(\"не принадлежит\\n\");"},
};

bool inside(double x, double y) {
    return x >= 0 && y >= 0 && x * x + y * y <= 9;
}

// А7 with the second line of its fragment, in each language, replaced.
zut::TaskContent withSecondLine(const QStringList& line) {
    const QStringList was = {"h = t \\ 3600", "h := t div 3600;", "h := div(t, 3600)"};
    zut::TaskContent t = task("А7");
    int replaced = 0;
    for (zut::Element& e : t.elements)
        for (zut::Element::Cell& c : e.cells)
            if (const auto at = was.indexOf(c.text); at >= 0) {
                c.text = line[at];
                ++replaced;
            }
    if (replaced != 3)
        throw std::runtime_error("А7 has not the second lines the test replaces");
    return t;
}

// А11 with other rows in its truth table ("0001 1101": X, Y, Z, F) and
// other answers.
zut::TaskContent withTable(const QString& rows, const QStringList& options) {
    zut::TaskContent t = task("А11");
    for (zut::Element& e : t.elements) {
        if (e.kind == zut::Element::Kind::Picture) {
            QVariantMap draw = e.draw.toMap();
            QVariantMap table = draw["table"].toMap();
            QVariantList list;
            for (const QString& row : rows.split(' ')) {
                QStringList cells;
                for (const QChar c : row)
                    cells << QString(c);
                list << cells;
            }
            table["rows"] = list;
            draw["table"] = table;
            e.draw = draw;
        } else if (e.kind == zut::Element::Kind::Answers) {
            e.items = options;
        }
    }
    return t;
}

// The answer of `solver` for the task, or an empty string where it refuses.
QString solved(const QString& solver, const zut::TaskContent& t) {
    try {
        return ck::registry().solvers.at(solver)(ck::Task(t));
    } catch (const ck::CheckError&) {
        return {};
    }
}

} // namespace

class TestT2008_1 : public QObject {
    Q_OBJECT
private slots:
    void solversFollowTheirGivens_data();
    void solversFollowTheirGivens();
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
    void fragmentSlips_data();
    void fragmentSlips();
    void tableSlips_data();
    void tableSlips();
};

void TestT2008_1::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
    QTest::newRow("Си") << 2;
}

// Over a grid of points each listing either answers rightly or prints
// nothing; it prints nothing for some point outside the region, and never
// for one inside.
void TestT2008_1::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0;
    try {
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5) {
                const QString out = printed(language, source, x, y);
                const QString expected = inside(x, y) ? "принадлежит" : "не принадлежит";
                if (out.isEmpty() && !inside(x, y))
                    ++silent;
                else
                    QVERIFY2(out == expected,
                             qPrintable(QString("(%1, %2): %3").arg(x).arg(y).arg(out)));
            }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
}

// Taking out the check of y <= 3 with its branch, which never runs, changes
// nothing the listing prints.
void TestT2008_1::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutLines(source, checkLines[size_t(listing)]);

        QVERIFY(shorter.count('\n') < source.count('\n'));
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5)
                QCOMPARE(printed(language, shorter, x, y), printed(language, source, x, y));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The point the worked solution gives lies outside the region, and every
// listing prints nothing for it.
void TestT2008_1::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const QStringList m = capture(t.solution, R"(x = (−?\d+), y = (−?\d+))");
        const double x = double(number(m[0])), y = double(number(m[1]));
        QVERIFY(!inside(x, y));
        for (size_t i = 0; i < 3; ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), x, y), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game of two heaps searched in full from its wording: the player
// to move wins exactly when the heaps differ, the first player wins, and
// the one first move that wins is the one the worked solution names.
void TestT2008_1::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const int one = int(number(capture(w, R"(в одной (\d+) камн)")[0]));
        const int other = int(number(capture(w, R"(в другой (\d+))")[0]));
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй\x{00A0}— (\w+))")[0];
        need(w.contains("последний камень"), "the last stone does not win");
        // wins[a][b]: the player to move on heaps a and b wins.
        std::vector<std::vector<bool>> wins(size_t(one + 1), std::vector<bool>(size_t(other + 1)));
        for (int a = 0; a <= one; ++a)
            for (int b = 0; b <= other; ++b) {
                bool win = false;
                for (int k = 1; k <= a && !win; ++k)
                    win = !wins[size_t(a - k)][size_t(b)];
                for (int k = 1; k <= b && !win; ++k)
                    win = !wins[size_t(a)][size_t(b - k)];
                wins[size_t(a)][size_t(b)] = win;
                QCOMPARE(win, a != b); // the symmetry the solution argues from
            }
        const QString winner = wins[size_t(one)][size_t(other)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        // The winning first moves: a count taken from the heap of `other`.
        QStringList winning;
        for (int k = 1; k <= other; ++k)
            if (!wins[size_t(one)][size_t(other - k)])
                winning << QString("%1 из %2").arg(k).arg(other);
        for (int k = 1; k <= one; ++k)
            if (!wins[size_t(one - k)][size_t(other)])
                winning << QString("%1 из %2").arg(k).arg(one);
        const QStringList named =
            capture(t.solution, R"(берёт (\d+) камн\w* из кучки, где их (\d+))");
        QCOMPARE(winning, QStringList{named[0] + " из " + named[1]});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// А7's slips on other fragments: «h := t div 1000» in the second line
// (8130 / 1000 = 8.13, so rounding up gives 9), «h := t div 10» (a whole
// quotient), or a second update of t in place of h.
void TestT2008_1::fragmentSlips_data() {
    QTest::addColumn<QStringList>("line");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QStringList thousand = {"h = t \\ 1000", "h := t div 1000;", "h := div(t, 1000)"};
    const QStringList ten = {"h = t \\ 10", "h := t div 10;", "h := div(t, 10)"};
    const QStringList threeThousand = {"h = t \\ 3000", "h := t div 3000;", "h := div(t, 3000)"};
    const QStringList update = {"t = t + 70", "t := t + 70;", "t := t + 70"};
    QTest::newRow("right, by 1000") << thousand << "programs.values"
                                    << "h = 8, m = 15";
    QTest::newRow("rounded up, by 1000") << thousand << "programs.valuesRoundedUp"
                                         << "h = 9, m = 16";
    // 8130 is a multiple of 10: rounding up leaves h as it is.
    QTest::newRow("rounded up, by 10") << ten << "programs.valuesRoundedUp"
                                       << "h = 813, m = 16";
    // 8130 / 1000 = 8.13 rounds down to 8, 8130 / 3000 = 2.71 up to 3, and
    // 930 / 60 = 15.5 up to 16.
    QTest::newRow("nearest, by 1000") << thousand << "programs.valuesRoundedNearest"
                                      << "h = 8, m = 16";
    QTest::newRow("nearest, by 3000") << threeThousand << "programs.valuesRoundedNearest"
                                      << "h = 3, m = 16";
    QTest::newRow("nearest, by 10") << ten << "programs.valuesRoundedNearest"
                                    << "h = 813, m = 16";
    QTest::newRow("update first, by 1000") << thousand << "programs.valuesUpdateFirst"
                                           << "h = 0, m = 15";
    QTest::newRow("update first, by 10") << ten << "programs.valuesUpdateFirst"
                                         << "h = 93, m = 15";
    // The first update follows the line that sets t: no line to pass.
    QTest::newRow("update first, two updates") << update << "programs.valuesUpdateFirst"
                                               << "";
    QTest::newRow("mod subtracted, by 1000") << thousand << "programs.valuesModSubtracted"
                                             << "h = 8, m = 75";
    QTest::newRow("mod subtracted, by 10") << ten << "programs.valuesModSubtracted"
                                           << "h = 813, m = 75";
}

void TestT2008_1::fragmentSlips() {
    QFETCH(QStringList, line);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    QCOMPARE(solved(solver, withSecondLine(line)), answer);
}

// А11's slips: the one option that fits only when read left to right, only
// without its brackets, or only against F inverted; refused where none or
// two do. The paper's earlier rows (0110 1011 1110) tested no precedence.
void TestT2008_1::tableSlips_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QString rows = "0001 1101 1110", earlier = "0110 1011 1110";
    const QStringList paper = task("А11").elements.back().items;
    const QStringList oldFourth = {paper[0], paper[1], paper[2], "X && (¬Y \\/ Z)"};
    const QStringList negated = {paper[0], "¬(¬X \\/ Y && Z)", paper[2], paper[3]};
    QTest::newRow("left to right") << rows << paper << "logic.fitsTableLeftToRight" << paper[1];
    QTest::newRow("brackets dropped")
        << rows << paper << "logic.fitsTableBracketsDropped" << paper[3];
    QTest::newRow("inverted") << rows << paper << "logic.fitsTableInverted" << paper[2];
    QTest::newRow("earlier rows, left to right") << earlier << paper << "logic.fitsTableLeftToRight"
                                                 << "";
    QTest::newRow("earlier rows, brackets dropped")
        << earlier << paper << "logic.fitsTableBracketsDropped"
        << "";
    // X ∧ (¬Y ∨ Z) is 0, 0, 1 as well: two options fit F inverted.
    QTest::newRow("two inverted") << rows << oldFourth << "logic.fitsTableInverted"
                                  << "";
    QTest::newRow("old fourth, brackets dropped")
        << rows << oldFourth << "logic.fitsTableBracketsDropped"
        << "";
    // Inside a negated bracket: ¬((¬X ∨ Y) ∧ Z) fits, ¬(¬X ∨ Y ∧ Z) not.
    QTest::newRow("left to right under ¬")
        << rows << negated << "logic.fitsTableLeftToRight" << negated[1];
    // Two rows: ¬Y ∧ (¬X ∨ ¬Z) fits them as written.
    QTest::newRow("two rows, brackets dropped")
        << "0001 1110" << paper << "logic.fitsTableBracketsDropped"
        << "";
}

void TestT2008_1::tableSlips() {
    QFETCH(QString, rows);
    QFETCH(QStringList, options);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    QVERIFY(options.size() == 4);
    QCOMPARE(solved(solver, withTable(rows, options)), answer);
}

void TestT2008_1::solversFollowTheirGivens_data() {
    solverColumns();
    const auto row = solverRow;
    row("А1 twice the loss", "А1", "volume.recodedCharacters", "lost", "1440", "180");
    row("А1 loss not whole", "А1", "volume.recodedCharacters", "lost", "724", "");
    row("А1 nothing lost a character", "А1", "volume.recodedCharacters", "to", "16", "");
    row("А1 over the first code", "А1", "volume.recodedOverFirstCode", "lost", "1440", "90");
    row("А1 Unicode bytes", "А1", "volume.recodedFirstBytes", "lost", "1440", "360");
    row("А1 Unicode bytes, 32-bit code", "А1", "volume.recodedFirstBytes", "from", "32", "120");
    // Volumes in bits.
    row("А3 one more number", "А3", "volume.codesInWholeBytes", "count", "41", "1640");
    row("А3 pooled, one more number", "А3", "volume.codesBitsPooled", "count", "41", "1440");
    row("А3 sixteen symbols", "А3", "volume.codesInWholeBytes", "letters", "6", "1280");
    row("А3 sixteen symbols, rounded down", "А3", "volume.codesBitsRoundedDown", "letters", "6",
        "1280");
    row("А3 33 symbols", "А3", "volume.codesInWholeBytes", "letters", "23", "1920");
    row("А3 33 symbols, rounded down", "А3", "volume.codesBitsRoundedDown", "letters", "23",
        "1600");
    row("А3 a byte a character, longer", "А3", "volume.codesByteACharacter", "length", "8",
        "2560");
    row("А4 a power of three", "А4", "bases.digitTotal", "value", "243", "6");
    row("А4 just below it", "А4", "bases.digitTotal", "value", "242", "5");
    row("А4 exponent of 243", "А4", "bases.largestPowerExponent", "value", "243", "5");
    row("А4 exponent of 242", "А4", "bases.largestPowerExponent", "value", "242", "4");
    row("А4 powers past 243", "А4", "bases.powersUpToFirstAbove", "value", "243", "7");
    row("А4 binary of 256", "А4", "bases.digitTotalInBinary", "value", "256", "9");
    row("А7 the values of t and h", "А7", "programs.values", "variables", "t|h", "t = 930, h = 2");
    row("А7 t and h exchanged", "А7", "programs.valuesExchanged", "variables", "t|h",
        "t = 2, h = 930");
    row("А7 one variable to exchange", "А7", "programs.valuesExchanged", "variables", "h", "");
    row("А7 div and mod swapped, t", "А7", "programs.valuesDivModSwapped", "variables", "t|m",
        "t = 2, m = 2");
    row("А7 the update of t left out", "А7", "programs.valuesUpdateIgnored", "variables", "t|m",
        "t = 8130, m = 135");
    row("А7 rounded up, t and h", "А7", "programs.valuesRoundedUp", "variables", "t|h",
        "t = 930, h = 3");
    row("А7 nearest, t and h", "А7", "programs.valuesRoundedNearest", "variables", "t|h",
        "t = 930, h = 2");
    row("А7 update first, t and h", "А7", "programs.valuesUpdateFirst", "variables", "t|h",
        "t = 930, h = 0");
    row("А7 mod subtracted, t and h", "А7", "programs.valuesModSubtracted", "variables", "t|h",
        "t = 4530, h = 2");
    row("А8 seventh", "А8", "programs.element", "index", "7", "-6");
    row("А8 seventh from a copy", "А8", "programs.elementFromCopy", "index", "7", "3");
    row("А8 seventh, terms swapped", "А8", "programs.elementTermsSwapped", "index", "7", "0");
    row("А8 tenth from a copy", "А8", "programs.elementFromCopy", "index", "10", "9");
    // Before the middle the mirror element is not changed yet: the copy
    // makes no difference.
    row("А8 third", "А8", "programs.element", "index", "3", "-5");
    row("А8 third from a copy", "А8", "programs.elementFromCopy", "index", "3", "-5");
    row("А8 another array", "А8", "programs.elementFromCopy", "array", "B", "");
    row("А10 a compound conclusion", "А10", "logic.converse", "formula", "A → B ∧ C",
        "B ∧ C → A");
    row("А10 an implication in brackets", "А10", "logic.converse", "formula", "(A → B) → C",
        "C → (A → B)");
    row("А10 no implication", "А10", "logic.converse", "formula", "A ∨ B", "");
    row("А10 premise kept, compound", "А10", "logic.turnedPremiseKept", "formula", "A → B ∧ C",
        "¬(B ∧ C) → A");
    row("А10 conclusion kept, compound", "А10", "logic.turnedConclusionKept", "formula",
        "A → B ∧ C", "B ∧ C → ¬(A)");
    row("А10 premise kept, in brackets", "А10", "logic.turnedPremiseKept", "formula",
        "(A → B) → C", "¬(C) → (A → B)");
    row("А10 conclusion kept, no implication", "А10", "logic.turnedConclusionKept", "formula",
        "A ∧ B", "");
    row("А10 premise kept, a chain", "А10", "logic.turnedPremiseKept", "formula", "A → B → C", "");
    row("А10 a chain", "А10", "logic.converse", "formula", "A → B → C", "");
    // The whole way of 65 km at the first leg's speed, the stop added.
    row("А12 at first speed, no stop", "А12", "motion.journeyAtFirstSpeed", "stop", "0", "65");
    row("А12 at first speed, longer first leg", "А12", "motion.journeyAtFirstSpeed", "lengths",
        "40|15|20", "90");
    row("А12 at first speed of 50", "А12", "motion.journeyAtFirstSpeed", "speeds", "50|45|48",
        "93");
    // Only the first speed counts: the other legs' speeds change nothing.
    row("А12 at first speed, other later speeds", "А12", "motion.journeyAtFirstSpeed", "speeds",
        "60|90|60", "80");
    row("А12 at first speed, no whole minutes", "А12", "motion.journeyAtFirstSpeed", "speeds",
        "70|45|48", "");
    row("А12 at first speed, a leg without speed", "А12", "motion.journeyAtFirstSpeed",
        "lengths", "30|15|20|10", "");
    row("А13 two letters", "А13", "bases.largestCodedWord", "length", "двух", "3D");
    row("А13 two letters, repeating", "А13", "bases.largestCodedWordRepeating", "length", "двух",
        "3F");
    row("А13 two letters, alphabetical", "А13", "bases.largestCodedWordAlphabetical", "length",
        "двух", "2F");
    row("А13 two letters, from the left", "А13", "bases.largestCodedWordGroupedLeft", "length",
        "двух", "F1");
    row("А13 four letters", "А13", "bases.largestCodedWord", "length", "четырёх", "F62");
    // Twelve bits make whole tetrads: grouping from the left changes nothing.
    row("А13 four letters, from the left", "А13", "bases.largestCodedWordGroupedLeft", "length",
        "четырёх", "F62");
    row("А13 five different of four", "А13", "bases.largestCodedWord", "length", "пяти", "");
    row("А13 five, repeating", "А13", "bases.largestCodedWordRepeating", "length", "пяти",
        "7FFF");
    row("А13 in octal", "А13", "bases.largestCodedWord", "system", "восьмеричной", "754");
    row("А13 grouped in base ten", "А13", "bases.largestCodedWordGroupedLeft", "system",
        "десятичной", "");
    row("А15 star first", "А15", "text.namesFittingMask", "mask", "*ol*.d*", "6");
    row("А15 star first, non-empty", "А15", "text.namesFittingMaskStarNonEmpty", "mask",
        "*ol*.d*", "4");
    row("А15 star first, no question mark", "А15", "text.namesFittingMaskQuestionOptional",
        "mask", "*ol*.d*", "6");
    row("А15 star first, stems", "А15", "text.namesFittingMaskExtensionIgnored", "mask",
        "*ol*.d*", "8");
    row("А15 any extension", "А15", "text.namesFittingMask", "mask", "?ol*.*", "7");
    row("А15 any extension, optional mark", "А15", "text.namesFittingMaskQuestionOptional", "mask",
        "?ol*.*", "8");
    row("А15 two marks", "А15", "text.namesFittingMask", "mask", "??l*.d*", "5");
    row("А15 two marks, optional", "А15", "text.namesFittingMaskQuestionOptional", "mask",
        "??l*.d*", "6");
    // Picture volumes in bits; the picture is 256 × 160 = 40 960 pixels.
    row("А17 256 colours", "А17", "volume.rasterWithPalette", "colours", "256", "327680");
    row("А17 one bit short, 256 colours", "А17", "volume.rasterOneBitShort", "colours", "256",
        "286720");
    // 33 colours need 6 bits, not 5: the slip drops to 5.
    row("А17 one bit short, 33 colours", "А17", "volume.rasterOneBitShort", "colours", "33",
        "204800");
    row("А17 one bit short, two colours", "А17", "volume.rasterOneBitShort", "colours", "2", "");
    row("А17 colours as bits, 16 colours", "А17", "volume.rasterColoursAsBits", "colours", "16",
        "655360");
    row("А17 colours as bits, no width", "А17", "volume.rasterColoursAsBits", "width", "0", "");
    row("А17 bits as bytes, 16 colours", "А17", "volume.rasterBitsAsBytes", "colours", "16",
        "1310720");
    row("А17 bits as bytes, 33 colours", "А17", "volume.rasterBitsAsBytes", "colours", "33",
        "1966080");
    row("А17 bits as bytes, no height", "А17", "volume.rasterBitsAsBytes", "height", "0", "");
}

// А1 … А17: each new task's solver, and each slip its wrong options model,
// run on other givens than the paper's, computes from them or refuses.
void TestT2008_1::solversFollowTheirGivens() {
    solverFollowsItsGiven();
}

ZUT_TEST_MAIN(TestT2008_1)
#include "tst_t2008_1.moc"
