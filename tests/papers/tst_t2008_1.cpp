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

// The lines of each listing that make its check of y <= 3, which has no
// "else" of its own: the check (in Basic also one END IF).
const std::vector<QStringList> checkLines = {
    {"if y <= 3 then"},
    {"IF y <= 3 THEN", "END IF"},
    {"if (y <= 3)"},
};

bool inside(double x, double y) {
    return x >= 0 && y >= 0 && x * x + y * y <= 9;
}

// А7 with the second line of its fragment, in each language, replaced.
zut::TaskContent withSecondLine(const QStringList& line) {
    const QStringList was = {"m = n - n MOD 9", "m := n - n mod 9;", "m := n - mod(n, 9)"};
    zut::TaskContent t = task("А7");
    int replaced = 0;
    for (zut::TableElement* e : zut::allOf<zut::TableElement>(t.elements))
        for (zut::TableElement::Cell& c : e->cells)
            if (const auto at = was.indexOf(c.text); at >= 0) {
                c.text = line[at];
                ++replaced;
            }
    if (replaced != 3)
        throw std::runtime_error("А7 has not the second lines the test replaces");
    return t;
}

// B8 with other queries in its four rows (`queries` split at " / ") and
// another fact (`fact`, "X > Y": the word X stands on more pages than Y).
zut::TaskContent withQueries(const QString& queries, const QString& fact) {
    zut::TaskContent t = task("B8");
    const QStringList list = queries.split(" / ");
    qsizetype next = 0;
    for (zut::RowElement* row : zut::allOf<zut::RowElement>(t.elements))
        if (auto* query = zut::as<zut::TextElement>(row->children.back());
            query && next < list.size())
            query->text = list[next++];
    if (next != 4 || list.size() != 4)
        throw std::runtime_error("B8 has not the four query rows the test replaces");
    const QStringList words = fact.split(" > ");
    if (words.size() != 2)
        throw std::runtime_error("a fact compares two words");
    t.givens["more"] = words[0];
    t.givens["fewer"] = words[1];
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
    void queriesWithFact_data();
    void queriesWithFact();
    void dayOfYearAddress_data();
    void dayOfYearAddress();
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

// Taking out the check of y <= 3, whose points beyond it the check of the
// disc turns away with no "else" either, changes nothing the listing prints.
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

// А7's slips on other fragments (n = 206): the multiple of 7 below n
// (203, so 40.6 rounds up to 41), of 10 (200, a multiple of 5 itself), and
// a line with no number less its own remainder.
void TestT2008_1::fragmentSlips_data() {
    QTest::addColumn<QStringList>("line");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QStringList seven = {"m = n - n MOD 7", "m := n - n mod 7;", "m := n - mod(n, 7)"};
    const QStringList ten = {"m = n - n MOD 10", "m := n - n mod 10;", "m := n - mod(n, 10)"};
    const QStringList plus = {"m = n MOD 9 + 100", "m := n mod 9 + 100;", "m := mod(n, 9) + 100"};
    QTest::newRow("right, by 7") << seven << "programs.values" << "k = 40, r = 3";
    QTest::newRow("right, plus") << plus << "programs.values" << "k = 21, r = 3";
    QTest::newRow("rounded up, by 7") << seven << "programs.valuesRoundedUp" << "k = 41, r = -2";
    // 200 is a multiple of 5: rounding up leaves k as it is.
    QTest::newRow("rounded up, by 10") << ten << "programs.valuesRoundedUp" << "k = 40, r = 0";
    QTest::newRow("mod as quotient, by 7") << seven << "programs.valuesModAsQuotient"
                                           << "k = 35, r = 2";
    QTest::newRow("mod as quotient, by 10") << ten << "programs.valuesModAsQuotient"
                                            << "k = 37, r = 1";
    QTest::newRow("mod as quotient, plus") << plus << "programs.valuesModAsQuotient"
                                           << "k = 24, r = 2";
    QTest::newRow("multiple as number, by 7") << seven << "programs.valuesMultipleAsNumber"
                                              << "k = 41, r = 1";
    // No number less its own remainder: the slip has nothing to read.
    QTest::newRow("multiple as number, plus") << plus << "programs.valuesMultipleAsNumber" << "";
}

void TestT2008_1::fragmentSlips() {
    QFETCH(QStringList, line);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    QCOMPARE(solved(solver, withSecondLine(line)), answer);
}

// А11's slips: the one option that fits only when read left to right, only
// without its brackets, or only with a ¬ taken over the rest of its
// conjunction; refused where none or two do. The paper's earlier rows
// (0001 1101 1110) tested no precedence.
void TestT2008_1::tableSlips_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QString rows = "0001 1011 1100", earlier = "0001 1101 1110";
    const QStringList paper = options(task("А11"));
    const QStringList negated = {paper[0], "¬(¬X \\/ Y && Z)", paper[2], paper[3]};
    const QStringList inner = {paper[0], paper[1], "Y \\/ (¬X && Z)", paper[3]};
    const QStringList beforeBracket = {paper[0], paper[1], "¬(X \\/ Y) && Z", paper[3]};
    const QStringList twoWide = {paper[0], paper[1], paper[2], "¬Y && X \\/ Z"};
    const QStringList arrow = {paper[0], paper[1], paper[2], "Z –> X"};
    const auto row = [](const char* name, const QString& rows, const QStringList& options,
                        const char* solver, const QString& answer) {
        QTest::newRow(name) << rows << options << QString(solver) << answer;
    };
    row("left to right", rows, paper, "logic.fitsTableLeftToRight", paper[1]);
    row("brackets dropped", rows, paper, "logic.fitsTableBracketsDropped", paper[3]);
    row("negation over the conjunction", rows, paper, "logic.fitsTableNegationOverConjunction",
        paper[2]);
    row("earlier rows, left to right", earlier, paper, "logic.fitsTableLeftToRight", "");
    row("earlier rows, brackets dropped", earlier, paper, "logic.fitsTableBracketsDropped", "");
    // ¬X ∨ ¬(Y ∧ Z) fits the earlier rows, ¬X ∨ ¬Y ∧ Z not.
    row("earlier rows, negation over the conjunction", earlier, paper,
        "logic.fitsTableNegationOverConjunction", paper[0]);
    // Inside a bracket: Y ∨ ¬(X ∧ Z) fits, Y ∨ (¬X ∧ Z) not.
    row("negation inside a bracket", "0001 0011 1010", inner,
        "logic.fitsTableNegationOverConjunction", inner[2]);
    // Before a bracket: ¬((X ∨ Y) ∧ Z) fits, ¬(X ∨ Y) ∧ Z not.
    row("negation before a bracket", "0001 0011 0110", beforeBracket,
        "logic.fitsTableNegationOverConjunction", beforeBracket[2]);
    // ¬(Y ∧ X) ∨ Z fits the paper's rows too: two options, no slip.
    row("two wide negations", rows, twoWide, "logic.fitsTableNegationOverConjunction", "");
    row("an implication", rows, arrow, "logic.fitsTableNegationOverConjunction", "");
    // Inside a negated bracket: ¬((¬X ∨ Y) ∧ Z) fits, ¬(¬X ∨ Y ∧ Z) not.
    row("left to right under ¬", "0001 1101 1110", negated, "logic.fitsTableLeftToRight",
        negated[1]);
    // Two rows: Z ∧ (X ∨ ¬Y) fits them as written.
    row("two rows, brackets dropped", "1011 1100", paper, "logic.fitsTableBracketsDropped", "");
}

void TestT2008_1::tableSlips() {
    QFETCH(QString, rows);
    QFETCH(QStringList, options);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    QVERIFY(options.size() == 4);
    QCOMPARE(solved(solver, withTruthRows(task("А11"), rows, options)), answer);
}

void TestT2008_1::queriesWithFact_data() {
    QTest::addColumn<QString>("queries");
    QTest::addColumn<QString>("fact");
    QTest::addColumn<QString>("answer");
    const auto row = [](const char* name, const QString& queries, const char* fact,
                        const char* answer) {
        QTest::newRow(name) << queries << QString(fact) << QString(answer);
    };
    // The paper's queries: А and В differ by the pages with «чай» and
    // «кофе» but not «торт» (only А) and those with «торт» but not both
    // (only В), so the fact on those two queries orders them, and the
    // same fact turned round puts В above А but leaves А apart from Б.
    const QString task =
        "чай && (кофе | ~торт) / торт && ~чай / (чай && ~кофе) | торт / чай | кофе";
    row("a fact on a query", task, "чай && кофе > торт", "БВАГ");
    row("a fact on a query turned round", task, "торт > чай && кофе", "");
    row("a fact on the words alone", task, "чай > кофе", "");
    row("a fact on a word no query holds", task, "чай && сахар > торт", "");
    // A fact on two words.
    const QString paper = "чай && (торт | ~кофе) / кофе && ~чай / чай && ~кофе / чай | кофе";
    row("the fact in capitals", paper, "Чай > КОФЕ", "БВАГ");
    // Under «НЕ» the fact turns round: fewer pages lack «чай» than «кофе»
    // (В ⊂ А, А below Г by the fact, Г ⊂ Б).
    row("pages without the words", "~чай / ~кофе | чай / кофе && ~чай / ~кофе", "чай > кофе",
        "ВАГБ");
    // Turned round, the fact puts В below Б but leaves А and Б apart.
    row("the fact turned round", paper, "кофе > чай", "");
    // A part both queries share hides the difference of Б and В.
    row("a part added to both",
        "чай | кофе | торт / (кофе && ~чай) | торт / (чай && ~кофе) | торт / торт", "чай > кофе",
        "");
    row("a part both require", "торт / кофе && ~чай && торт / чай && ~кофе && торт / торт | чай",
        "чай > кофе", "");
    row("ordered without the fact", "чай && кофе / кофе && торт && чай / чай / чай | торт",
        "чай > кофе", "");
    row("a word of the fact in no query", paper, "чай > сахар", "");
    row("a word against itself", paper, "чай > чай", "");
}

// B8's order on other queries and facts: computed where the fact decides
// it, refused where inclusion alone orders the queries or where the fact
// leaves two of them unordered.
void TestT2008_1::queriesWithFact() {
    QFETCH(QString, queries);
    QFETCH(QString, fact);
    QFETCH(QString, answer);
    QCOMPARE(solved("tables.queryOrderWithMore", withQueries(queries, fact)), answer);
}

void TestT2008_1::solversFollowTheirGivens_data() {
    solverColumns();
    const auto row = solverRow;
    row("А1 twice the loss", "А1", "volume.recodedCharacters", "lost", "2016", "224");
    row("А1 loss not whole", "А1", "volume.recodedCharacters", "lost", "1010", "");
    row("А1 nothing lost a character", "А1", "volume.recodedCharacters", "to", "16", "");
    row("А1 Unicode bytes", "А1", "volume.recodedFirstBytes", "lost", "2016", "448");
    row("А1 Unicode bytes, 4-bit code", "А1", "volume.recodedFirstBytes", "to", "4", "168");
    row("А1 over the second code of 8", "А1", "volume.recodedOverSecondCode", "to", "8", "126");
    row("А1 over the second code of 5", "А1", "volume.recodedOverSecondCode", "to", "5", "201.6");
    row("А1 a byte lost, twice the loss", "А1", "volume.recodedSecondAsByte", "lost", "2016",
        "252");
    // An 8-bit second code makes the slip the answer; an 8-bit first code
    // has no byte to lose.
    row("А1 a byte lost, 8-bit second code", "А1", "volume.recodedSecondAsByte", "to", "8", "");
    row("А1 a byte lost, 8-bit first code", "А1", "volume.recodedSecondAsByte", "from", "8", "");
    // А2: 8 · 3^k signals. All lamps of three states: 3^7 ≥ 2000, 3^8 ≥
    // 2200; with seven old ones 3^7 ≥ 1500 already, nothing to add; four
    // states, 4^6 ≥ 1500. All on/off: eleven old ones give 2048 ≥ 1500.
    row("А2 more signals", "А2", "volume.leastAddedLamps", "signals", "2200", "6");
    row("А2 all of the new kind, 2000", "А2", "volume.leastAddedLampsAllNewKind", "signals", "2000",
        "4");
    row("А2 all of the new kind, 2200", "А2", "volume.leastAddedLampsAllNewKind", "signals", "2200",
        "5");
    row("А2 all of the new kind, five old", "А2", "volume.leastAddedLampsAllNewKind", "had", "5",
        "2");
    row("А2 all of the new kind, seven old", "А2", "volume.leastAddedLampsAllNewKind", "had", "7",
        "");
    row("А2 all of the new kind, four states", "А2", "volume.leastAddedLampsAllNewKind", "kinds",
        "четырёх", "3");
    row("А2 all on/off, eleven old", "А2", "volume.leastAddedLampsAllTwoStates", "had", "11", "");
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
    row("А4 powers past 243", "А4", "bases.powersUpToFirstAbove", "value", "243", "7");
    row("А4 binary of 256", "А4", "bases.digitTotalInBinary", "value", "256", "9");
    // Digit by digit: 2 = 2, 5 = 12, 0 = 0 in base 3; 9 = 1001 in base 2.
    row("А4 digit by digit, 250", "А4", "bases.digitTotalDigitByDigit", "value", "250", "4");
    row("А4 digit by digit, 1000", "А4", "bases.digitTotalDigitByDigit", "value", "1000", "4");
    row("А4 digit by digit in binary", "А4", "bases.digitTotalDigitByDigit", "system",
        "двоичной", "11");
    // X = 21 + 44 = 65, Y = 30 + 37 = 67, Z = 36 + 30 = 66. With 200₄ Z
    // passes Y, with 133₄ it ties with Y; a sum may have three numbers.
    row("А5 Z the greatest", "А5", "bases.sumsInOrder", "sums",
        "25_8 + 101100_2|1E_16 + 211_4|100100_2 + 200_4", "X < Y < Z");
    row("А5 two sums equal", "А5", "bases.sumsInOrder", "sums",
        "25_8 + 101100_2|1E_16 + 211_4|100100_2 + 133_4", "");
    row("А5 three numbers in Z", "А5", "bases.sumsInOrder", "sums",
        "25_8 + 101100_2|1E_16 + 211_4|1111_2 + 132_4 + 10101_2", "X < Z < Y");
    row("А5 other names", "А5", "bases.sumsInOrder", "names", "P|Q|R", "P < R < Q");
    row("А5 a name short", "А5", "bases.sumsInOrder", "names", "X|Y", "");
    // 2E₁₆ at ten is 34: Y = 71 stays the greatest. 23₈ read as 23 ties X
    // with Y.
    row("А5 at ten, 2E", "А5", "bases.sumsInOrderHexAtTen", "sums",
        "25_8 + 101100_2|2E_16 + 211_4|100100_2 + 132_4", "X < Z < Y");
    row("А5 at ten, no hexadecimal number", "А5", "bases.sumsInOrderHexAtTen", "sums",
        "25_8 + 101100_2|36_8 + 211_4|100100_2 + 132_4", "");
    row("А5 octal as decimal, a tie", "А5", "bases.sumsInOrderOctalAsDecimal", "sums",
        "23_8 + 101100_2|1E_16 + 211_4|100100_2 + 132_4", "");
    row("А5 octal as decimal, no octal number", "А5", "bases.sumsInOrderOctalAsDecimal", "sums",
        "25_16 + 101100_2|1E_16 + 211_4|100100_2 + 132_4", "");
    // From the first power 9₁₆ is 144: X = 232 comes between Z = 192 and
    // Y = 628.
    row("А5 powers from one, 9", "А5", "bases.sumsInOrderPowersFromOne", "sums",
        "9_16 + 101100_2|1E_16 + 211_4|100100_2 + 132_4", "Z < X < Y");
    row("А7 the values of m and k", "А7", "programs.values", "variables", "m|k", "m = 198, k = 39");
    row("А7 rounded up, m and k", "А7", "programs.valuesRoundedUp", "variables", "m|k",
        "m = 198, k = 40");
    row("А7 mod as quotient, m and k", "А7", "programs.valuesModAsQuotient", "variables", "m|k",
        "m = 184, k = 36");
    row("А7 multiple as number, m and k", "А7", "programs.valuesMultipleAsNumber", "variables",
        "m|k", "m = 206, k = 41");
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
    // A strictly falling record holds each digit once, so the numbers are
    // few; none of 3, 6, 7, 21 reads the same both ways in base three.
    row("B1 falling in base four", "B1", "bases.fallingAndMirrored", "falling", "четверичной", "9");
    row("B1 falling in base five", "B1", "bases.fallingAndMirrored", "falling", "пятеричной",
        "5,15,17,21,85,585");
    row("B1 mirrored in base five", "B1", "bases.fallingAndMirrored", "mirror", "пятеричной", "3,6");
    row("B1 mirrored in base three", "B1", "bases.fallingAndMirrored", "mirror", "троичной", "");
    // А13 with К 0100, О 000, Р 11, Т 0101: zeros in front give no digits,
    // so two letters do best with the two longest codes (ТК), three with Р
    // in front (РТК), four with all of them (РТКО). With Р coded 1 the
    // longest chain of three (ТКО) is the greatest.
    row("А13 two letters", "А13", "bases.largestCodedWord", "length", "двух", "54");
    row("А13 two letters, repeating", "А13", "bases.largestCodedWordRepeating", "length", "двух",
        "55");
    row("А13 four letters", "А13", "bases.largestCodedWord", "length", "четырёх", "1AA0");
    row("А13 four letters, by code value", "А13", "bases.largestCodedWordByCodeValue", "length",
        "четырёх", "A98");
    row("А13 Р coded 1", "А13", "bases.largestCodedWord", "codes", "0100|000|1|0101", "2A0");
    row("А13 Р coded 1, longest", "А13", "bases.largestCodedWordLongest", "codes",
        "0100|000|1|0101", "2A0");
    row("А13 Р coded 1, by code value", "А13", "bases.largestCodedWordByCodeValue", "codes",
        "0100|000|1|0101", "A9");
    row("А13 two codes of one value", "А13", "bases.largestCodedWordByCodeValue", "codes",
        "0100|000|11|011", "");
    row("А13 five different of four", "А13", "bases.largestCodedWord", "length", "пяти", "");
    row("А13 five, by code value", "А13", "bases.largestCodedWordByCodeValue", "length", "пяти",
        "");
    row("А13 five, repeating", "А13", "bases.largestCodedWordRepeating", "length", "пяти", "55555");
    row("А13 in octal", "А13", "bases.largestCodedWord", "system", "восьмеричной", "1524");
    row("А13 in octal, longest", "А13", "bases.largestCodedWordLongest", "system", "восьмеричной",
        "1240");
    // А14: 3 · 3 · 2 = 18 chains of four beads. Five beads leave 54 (84
    // with any number of yellow, 72 with the last pair free, 36 with
    // exactly one yellow); with two yellow allowed yellow ends count too,
    // 24, and exactly two leave only the yellow ends, 6; three colours
    // leave 2 · 2 · 1. No chain of two beads keeps different neighbours
    // and like ends, and a colour not among them is refused.
    row("А14 five beads", "А14", "text.beadChainsCount", "length", "пять", "54");
    row("А14 at most two yellow", "А14", "text.beadChainsCount", "most", "двух", "24");
    row("А14 three colours", "А14", "text.beadChainsCount", "colours", "красных|синих|жёлтых", "4");
    row("А14 two beads", "А14", "text.beadChainsCount", "length", "две", "");
    row("А14 no such colour", "А14", "text.beadChainsCount", "rare", "зелёных", "");
    row("А14 any yellow, five beads", "А14", "text.beadChainsCountRareFree", "length", "пять",
        "84");
    row("А14 last pair free, five beads", "А14", "text.beadChainsCountLastPairFree", "length",
        "пять", "72");
    row("А14 exactly one, five beads", "А14", "text.beadChainsCountRareExact", "length", "пять",
        "36");
    row("А14 exactly two yellow", "А14", "text.beadChainsCountRareExact", "most", "двух", "6");
    row("А15 star first", "А15", "text.namesFittingMask", "mask", "*ol*.d*", "5");
    row("А15 star first, no question mark", "А15", "text.namesFittingMaskQuestionOptional",
        "mask", "*ol*.d*", "5");
    row("А15 star first, stems", "А15", "text.namesFittingMaskExtensionIgnored", "mask",
        "*ol*.d*", "9");
    row("А15 star first, mark as star", "А15", "text.namesFittingMaskQuestionAsStar", "mask",
        "*ol*.d*", "5");
    row("А15 any extension", "А15", "text.namesFittingMask", "mask", "?ol*.*", "7");
    row("А15 any extension, optional mark", "А15", "text.namesFittingMaskQuestionOptional", "mask",
        "?ol*.*", "8");
    row("А15 any extension, mark as star", "А15", "text.namesFittingMaskQuestionAsStar", "mask",
        "?ol*.*", "9");
    row("А15 two marks", "А15", "text.namesFittingMask", "mask", "??l*.d*", "3");
    row("А15 two marks, optional", "А15", "text.namesFittingMaskQuestionOptional", "mask",
        "??l*.d*", "4");
    // school.dat fits once the two marks may stand for «scho».
    row("А15 two marks as stars", "А15", "text.namesFittingMaskQuestionAsStar", "mask",
        "??l*.d*", "5");
    // The first picture is 480 × 400 = 192 000 pixels of 5 bits, 960 000
    // bits; the second, 640 × 400, gets 3.75 bits a pixel. A second picture
    // of as many pixels keeps 5 bits; 33 colours take 6 bits, 4.5 for the
    // second; 200 colours take 8 bits, 6 whole ones; 800 × 640 pixels
    // leave 1.875 bits, 1280 × 1024 not one.
    row("А17 as many pixels", "А17", "volume.paletteWithinFirst", "second", "400|480", "32");
    row("А17 33 colours", "А17", "volume.paletteWithinFirst", "colours", "33", "16");
    row("А17 800 × 640", "А17", "volume.paletteWithinFirst", "second", "800|640", "2");
    row("А17 no bit left", "А17", "volume.paletteWithinFirst", "second", "1280|1024", "");
    row("А17 no height", "А17", "volume.paletteWithinFirst", "first", "480", "");
    row("А17 rounded up, 800 × 640", "А17", "volume.paletteWithinFirstRoundedUp", "second",
        "800|640", "4");
    row("А17 rounded up, whole bits", "А17", "volume.paletteWithinFirstRoundedUp", "colours", "200",
        "");
    row("А17 bits as colours, 33 colours", "А17", "volume.paletteWithinFirstBitsAsColours",
        "colours", "33", "4");
    row("А17 bits as colours, 800 × 640", "А17", "volume.paletteWithinFirstBitsAsColours", "second",
        "800|640", "1");
    row("А17 bits as colours, no bit left", "А17", "volume.paletteWithinFirstBitsAsColours",
        "second", "1280|1024", "");
    row("А17 colours scaled, 20 colours", "А17", "volume.paletteWithinFirstColoursScaled",
        "colours", "20", "15");
    row("А17 colours scaled, 33 colours", "А17", "volume.paletteWithinFirstColoursScaled",
        "colours", "33", "");
    // B7: a protocol or an extension the fragments do not hold.
    row("B7 another protocol", "B7", "text.addressByDayOfYear", "protocol", "ftp", "");
    row("B7 another extension", "B7", "text.addressByDayOfYear", "extension", "htm", "");
}

// B7 on other days of the year: 2008 is a leap year, so day 100 is 9 April
// (in a year of 365 days it would be the 10th, which no fragment holds);
// day 248, 4 September, is spelt by the same fragments with the day and
// the month swapped; 9 February and 9 September lack a fragment.
void TestT2008_1::dayOfYearAddress_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("answer");
    QTest::newRow("the paper's, 9 April") << "100"
                                          << "ЖГБВАЕД";
    QTest::newRow("4 September") << "248"
                                 << "ЖГБВЕАД";
    QTest::newRow("9 February") << "40"
                                << "";
    QTest::newRow("9 September") << "253"
                                 << "";
}

void TestT2008_1::dayOfYearAddress() {
    QFETCH(QString, day);
    QFETCH(QString, answer);
    zut::TaskContent t = task("B7");
    QVERIFY(t.givens.contains("day") && t.givens.contains("year"));
    t.givens["day"] = day;
    QCOMPARE(solved("text.addressByDayOfYear", t), answer);
}

// А1 … А17: each new task's solver, and each slip its wrong options model,
// run on other givens than the paper's, computes from them or refuses.
void TestT2008_1::solversFollowTheirGivens() {
    solverFollowsItsGiven();
}

ZUT_TEST_MAIN(TestT2008_1)
#include "tst_t2008_1.moc"
