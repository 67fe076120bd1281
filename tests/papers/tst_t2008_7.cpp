// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2008 paper, variant 7, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): А7's notes name only the whole division it uses, the С1
// listings fail exactly for their fault, lose nothing without their
// superfluous condition and are right once fixed, the С3 game is won as
// the worked solution says, the wordings of B7 and B8 name their Latin
// labels, А2's key and slips, А9's number and its slip, B7's address and
// B8's order follow their givens, А20's command back and its slip follow
// the program, А12's fastest route follows its bus times, and А19's chart
// keeps its right edge blank.
#include "testmain.h"

#include "taskcheck/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <QImage>

#include <algorithm>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_7.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

// The language of each listing, by its column heading.
ck::Language listingLanguage(int i) {
    const QString heading = element<ListingsElement>(task("С1")).headings.value(i);
    if (heading == "Программа на Паскале")
        return ck::Language::Pascal;
    need(heading == "Программа на Бейсике", "a listing in no known language: " + heading);
    return ck::Language::Basic;
}

// What the task asks for: hours, minutes and seconds of s, through a space.
QString hms(qint64 s) {
    return QString("%1 %2 %3").arg(s / 3600).arg(s / 60 % 60).arg(s % 60);
}

// What a listing prints for s, its blanks made single.
QString printedFor(int listing, const QString& source, qint64 s) {
    return printed(listingLanguage(listing), source, s).simplified();
}

// The s the listings run on: every s of the first two hours, then every
// 13th, each hour's edges (the fault shows on whole hours only) and the last
// second of the day. Every s of the day, 86 399 runs of four interpreters,
// took more than the test's five minutes in the sanitized build.
std::vector<qint64> seconds() {
    std::vector<qint64> all;
    for (qint64 s = 1; s < 86400; ++s)
        if (s <= 7200 || s % 13 == 0 || s % 3600 <= 1 || s % 3600 == 3599 || s == 86399)
            all.push_back(s);
    return all;
}

} // namespace

class TestT2008_7 : public QObject {
    Q_OBJECT
private slots:
    void notesNameTheQuotientOnly();
    void listingFault_data();
    void listingFault();
    void superfluousCondition_data();
    void superfluousCondition();
    void listingFixed_data();
    void listingFixed();
    void faultExampleOfTheSolution_data() { listingFault_data(); }
    void faultExampleOfTheSolution();
    void exampleOfTheWording_data() { listingFault_data(); }
    void exampleOfTheWording();
    void gameWinner();
    void labelsInLatinLetters_data();
    void labelsInLatinLetters();
    void solvers_data();
    void solvers() { solverFollowsItsGiven(); }
    void chartEdgeBlank();
    void fastestRouteOnOtherTimes_data();
    void fastestRouteOnOtherTimes();
    void drawerFollowsItsProgram_data();
    void drawerFollowsItsProgram();
};

// А7's notes explain whole division only: no fragment takes a remainder.
void TestT2008_7::notesNameTheQuotientOnly() {
    for (const QString& fragment : tableColumns(element<TableElement>(task("А7")))) {
        QVERIFY2(fragment.contains("деление нацело") && !fragment.contains("остаток"),
                 qPrintable(fragment));
        QVERIFY2(!fragment.contains("mod", Qt::CaseInsensitive), qPrintable(fragment));
    }
}

void TestT2008_7::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing is right except on whole hours, where the correction of the
// rounded hours takes one hour too many and leaves 60 minutes.
void TestT2008_7::listingFault() {
    QFETCH(int, listing);
    int wrong = 0;
    try {
        for (qint64 s : seconds()) {
            const bool wholeHour = s % 3600 == 0;
            const QString expected = wholeHour ? QString("%1 60 0").arg(s / 3600 - 1) : hms(s);
            QCOMPARE(printedFor(listing, ::listing(listing), s), expected);
            wrong += wholeHour ? 1 : 0;
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QCOMPARE(wrong, 23);
}

void TestT2008_7::superfluousCondition_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("named"); // empty: the worked solution calls it needed
    QTest::newRow("Паскаль, m < 0") << 0 << "  if m < 0 then m := 0;\n" << "if m < 0 then m := 0";
    QTest::newRow("Бейсик, m < 0") << 1 << "IF m < 0 THEN m = 0\n" << "IF m < 0 THEN m = 0";
    QTest::newRow("Паскаль, the minutes' correction") << 0 << "  if 60 * m > s then m := m - 1;\n"
                                                     << "";
    QTest::newRow("Бейсик, the minutes' correction") << 1 << "IF 60 * m > s THEN m = m - 1\n"
                                                    << "";
}

// Without its check of m < 0, which never holds, each listing prints what
// it printed, for every s, and the worked solution names that check;
// without the minutes' correction it prints something else for some s.
void TestT2008_7::superfluousCondition() {
    QFETCH(int, listing);
    QFETCH(QString, part);
    QFETCH(QString, named);
    const QString source = ::listing(listing);
    QVERIFY2(source.contains(part), qPrintable(part));
    QVERIFY2(named.isEmpty() || task("С1").solution.contains(named), qPrintable(named));
    const QString shorter = QString(source).remove(part);
    try {
        bool differs = false;
        for (qint64 s : seconds())
            differs = differs || printedFor(listing, shorter, s) != printedFor(listing, source, s);
        QCOMPARE(differs, named.isEmpty());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_7::listingFixed_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("faulty");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("Паскаль") << 0 << "if 3600 * h >= s then h := h - 1;"
                             << "if 3600 * h > s then h := h - 1;";
    QTest::newRow("Бейсик") << 1 << "IF 3600 * h >= s THEN h = h - 1"
                            << "IF 3600 * h > s THEN h = h - 1";
}

// The fix of the worked solution makes each listing right for every s.
void TestT2008_7::listingFixed() {
    QFETCH(int, listing);
    QFETCH(QString, faulty);
    QFETCH(QString, fixed);
    QVERIFY2(task("С1").solution.contains(fixed), qPrintable(fixed));
    try {
        const QString mended = replacedLine(::listing(listing), faulty, fixed);
        for (qint64 s : seconds())
            QCOMPARE(printedFor(listing, mended, s), hms(s));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The s of the worked solution: the listing prints what the solution says,
// and the right answer is another.
void TestT2008_7::faultExampleOfTheSolution() {
    QFETCH(int, listing);
    const QString solution = task("С1").solution;
    try {
        const qint64 s = numberIn(solution, R"(s = (\d+):)");
        const QString shown = capture(solution, R"(программа выводит (\d+ \d+ \d+))")[0];
        const QString right = capture(solution, R"(должна вывести (\d+ \d+ \d+))")[0];
        QCOMPARE(right, hms(s));
        QVERIFY(shown != right);
        QCOMPARE(printedFor(listing, ::listing(listing), s), shown);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The example of the wording: the right answer, and the listing prints it
// (the fault does not show on it).
void TestT2008_7::exampleOfTheWording() {
    QFETCH(int, listing);
    try {
        const QString w = wording(task("С1"));
        const qint64 s = numberIn(w, R"(для s = (\d+) программа)");
        const QString shown = capture(w, R"(должна вывести (\d+ \d+ \d+))")[0];
        QCOMPARE(shown, hms(s));
        QCOMPARE(printedFor(listing, ::listing(listing), s), shown);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording: take one stone or half the
// heap (rounded down), whoever takes the last stone wins. The worked
// solution names the winner; every heap it has the winner leave (a clause
// naming the player, then the heap in parentheses) loses for the other, and
// 0 only the winner leaves; every heap it has the other leave wins for the
// winner.
void TestT2008_7::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = numberIn(w, R"(В куче лежат (\d+)\x{00a0}камней)");
        need(w.contains("взять из кучи один камень"), "the first move is not taking one");
        need(w.contains("взять половину камней кучи") && w.contains("округляется вниз"),
             "the second move is not taking half rounded down");
        need(w.contains("Выигрывает тот, кто возьмёт последний камень"), "another winning rule");
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй[ \x{00A0}]— (\w+)\.)")[0];
        // wins[n]: the player to move on a heap of n wins.
        std::vector<bool> wins(size_t(start) + 1, false);
        for (qint64 n = 1; n <= start; ++n)
            wins[size_t(n)] = !wins[size_t(n - 1)] || (n / 2 >= 1 && !wins[size_t(n - n / 2)]);
        const bool firstWins = wins[size_t(start)];
        const QString winner = firstWins ? first : second, loser = firstWins ? second : first;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner + "."), qPrintable(t.solution));
        int heaps = 0;
        bool emptied = false;
        for (const auto& [who, moverLoses] : {std::pair{winner, true}, std::pair{loser, false}})
            for (const auto& m :
                 rx(who + R"([^().,:]*\((\d+)(?: или (\d+))?\))").globalMatch(t.solution))
                for (int g : {1, 2})
                    if (!m.captured(g).isEmpty()) {
                        const qint64 heap = number(m.captured(g));
                        ++heaps;
                        QVERIFY2(heap < start, qPrintable(QString("a heap of %1").arg(heap)));
                        if (heap == 0) {
                            QVERIFY2(moverLoses, qPrintable(who + " takes the last stone"));
                            emptied = true;
                        } else {
                            QVERIFY2(wins[size_t(heap)] != moverLoses,
                                     qPrintable(QString("%1 leaves %2").arg(who).arg(heap)));
                        }
                    }
        QVERIFY(heaps >= 8);
        QVERIFY2(emptied, "the winner never takes the last stone");
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_7::labelsInLatinLetters_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The wordings of B7 and B8 name their labels, Latin letters.
void TestT2008_7::labelsInLatinLetters() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    const QStringList labels = answerLabels(t);
    QVERIFY(labels.size() >= 4);
    const QString named =
        id == "B7" ? "латинскими буквами от A до " + labels.last()
                   : "латинскими буквами " + labels.mid(0, 3).join(", ") + " и " + labels.last();
    QVERIFY2(wording(t).contains(named), qPrintable(named));
}

// А2's key and its slips on other givens, А5's base and А13's growth with
// their slips on other givens, А9's number and its slip (the implication
// read backwards) on other statements, B2's greatest X on other
// statements, B7's address built by the rule of the brother's one, and
// B8's order counted on other lists of pages.
void TestT2008_7::solvers_data() {
    solverColumns();
    // 4 · 2⁵ = 128 tickets, 128 : 2³ = 16 winning.
    solverRow("А2 four main prizes", "А2", "volume.twoMessagesOthers", "main", "4", "112");
    // 96 tickets, 96 : 2² = 24 winning.
    solverRow("А2 two bits", "А2", "volume.twoMessagesOthers", "winBits", "2", "72");
    solverRow("А2 as many bits", "А2", "volume.twoMessagesOthers", "winBits", "5", "");
    solverRow("А2 fewer bits", "А2", "volume.twoMessagesOthers", "mainBits", "2", "");
    solverRow("А2 slip, five main prizes", "А2", "volume.twoMessagesOnlyRarerOff", "main", "5",
              "155");
    solverRow("А2 slip, four bits", "А2", "volume.twoMessagesAll", "mainBits", "4", "48");
    // 192 tickets, 24 winning, 3 taken off again.
    solverRow("А2 slip, six bits", "А2", "volume.twoMessagesRarerTwice", "mainBits", "6", "165");
    // 13 = 1101₂, 10 = 1010₂, 9 = 1001₂, 14 = 1110₂.
    solverRow("А9 backwards", "А9", "logic.binaryWhere", "statement",
              "(в двоичной записи X ровно 2 единицы) → (двоичная запись X оканчивается на 0)",
              "9");
    solverRow("А9 slip of the backwards one", "А9", "logic.binaryWhereConverse", "statement",
              "(в двоичной записи X ровно 2 единицы) → (двоичная запись X оканчивается на 0)",
              "14");
    solverRow("А9 odd, three ones", "А9", "logic.binaryWhere", "statement",
              "(двоичная запись X оканчивается на 1) → (в двоичной записи X ровно 3 единицы)",
              "9");
    solverRow("А9 slip, odd, three ones", "А9", "logic.binaryWhereConverse", "statement",
              "(двоичная запись X оканчивается на 1) → (в двоичной записи X ровно 3 единицы)",
              "14");
    solverRow("А9 slip, no implication", "А9", "logic.binaryWhereConverse", "statement",
              "(двоичная запись X оканчивается на 0) ∧ (в двоичной записи X ровно 3 единицы)", "");
    solverRow("А9 an unknown part", "А9", "logic.binaryWhere", "statement",
              "(X делится на 3) → (в двоичной записи X ровно 2 единицы)", "");
    // А5: 35₈ = 29 and 23 in base b is 2b + 3; 44₁₆ = 68 asks 2b + 3 = 39.
    solverRow("А5 another sum", "А5", "bases.baseOfTerm", "sum", "44_16", "23_18");
    solverRow("А5 no base fits", "А5", "bases.baseOfTerm", "digits", "24", "");
    // 5b + 9 = 29 gives b = 4, too small for the digit 9.
    solverRow("А5 a digit too big for the base", "А5", "bases.baseOfTerm", "digits", "59", "");
    // 47 read as decimal: 58 − 47 = 11 = 2 · 4 + 3.
    solverRow("А5 slip, term as decimal", "А5", "bases.baseOfTermTermAsDecimal", "term", "47_8",
              "23_4");
    // 44₁₆ − 29 = 39: the sign kept gives 2b = 42, the halving forgotten
    // b = 36; 24 with the sign kept asks 2b = 33; 20₁₆ − 29 = 3 leaves no
    // base above the digits.
    solverRow("А5 slip, sign kept", "А5", "bases.baseOfTermSignKept", "sum", "44_16", "23_21");
    solverRow("А5 slip, sign kept, odd", "А5", "bases.baseOfTermSignKept", "digits", "24", "");
    solverRow("А5 slip, not divided", "А5", "bases.baseOfTermNotDivided", "sum", "44_16", "23_36");
    solverRow("А5 slip, not divided, 25", "А5", "bases.baseOfTermNotDivided", "digits", "25",
              "25_24");
    solverRow("А5 slip, not divided, too small", "А5", "bases.baseOfTermNotDivided", "sum", "20_16",
              "");
    // А13: a shift of s adds s · (1 + 2⁵ + 2¹⁰ + …), one term a letter.
    solverRow("А13 shift by one", "А13", "bases.alphabetShiftGrowth", "shift", "1", "421");
    solverRow("А13 four letters", "А13", "bases.alphabetShiftGrowth", "word", "CODE", "10842");
    solverRow("А13 a letter past Z", "А13", "bases.alphabetShiftGrowth", "word", "ZOO", "");
    solverRow("А13 slip, a digit each", "А13", "bases.alphabetShiftGrowthDigitEach", "word",
              "CODE", "2222");
    // GPY = 00111 10000 11001₂ = 7705.
    solverRow("А13 slip, the new number", "А13", "bases.alphabetShiftGrowthNewNumber", "shift", "1",
              "1E19");
    solverRow("А13 slip, the new number past Z", "А13", "bases.alphabetShiftGrowthNewNumber",
              "word", "ZOO", "");
    // А8 on other indexes: 38, 19, 13, 10 with div; 38, 36, 33, 29, 24,
    // 18, 11, 3 with i mod A[i-1]; k of the third and eighth passes.
    solverRow("А8 slip, div, A[4]", "А8", "programs.elementModAsQuotient", "index", "4", "10");
    solverRow("А8 slip, operands swapped, A[8]", "А8", "programs.elementModOperandsSwapped",
              "index", "8", "3");
    solverRow("А8 slip, k of the third pass", "А8", "programs.elementHelperOfPass", "index", "3",
              "2");
    solverRow("А8 slip, k of the last pass", "А8", "programs.elementHelperOfPass", "index", "8",
              "4");
    // А19: B1 given the number it holds changes nothing; the cell or its
    // number other than the sheet's is refused.
    solverRow("А19 the same number", "А19", "tables.barsChanged", "now", "4",
              "не изменится ни один столбик");
    solverRow("А19 C1 does not hold 4", "А19", "tables.barsChanged", "cell", "C1", "");
    solverRow("А19 B1 said to hold 2", "А19", "tables.barsChanged", "was", "2", "");
    // А12 with another wait: 63, 48, 93, 46 minutes at 5; 98, 153, 93, 116
    // at 40; at 3 schemes 2 and 4 both take 42; no route starts at Ж.
    solverRow("А12 a short wait", "А12", "tables.fastestRoute", "wait", "5", "схема 4");
    solverRow("А12 a long wait", "А12", "tables.fastestRoute", "wait", "40", "схема 3");
    solverRow("А12 a tie", "А12", "tables.fastestRoute", "wait", "3", "");
    solverRow("А12 slip, every change twice, short wait", "А12", "tables.fastestRouteChangeTwice",
              "wait", "5", "схема 4");
    solverRow("А12 from another place", "А12", "tables.fastestRoute", "from", "Ж", "");
    solverRow("А13 slip, shifts added", "А13", "bases.alphabetShiftGrowthAdded", "word", "CODE",
              "8");
    // 1728 : 3b is whole for every divisor b of 576, the digit 3 asks b > 3.
    solverRow("B1 record of two digits", "B1", "bases.recordDivides", "record", "30",
              "4,6,8,9,12,16,18,24,32,36,48,64,72,96,144,192,288,576");
    solverRow("B1 digits that bound nothing", "B1", "bases.recordDivides", "record", "100", "");
    solverRow("B1 one digit", "B1", "bases.recordDivides", "record", "3", "");
    // B2: with «X делится на 3» in place of the odd X, 5 is the last X
    // before the second bound turns true, so that bound alone settles it;
    // bounds from 1 and from 10 on leave the even X up to 8; one bound
    // leaves ever larger X; three bounds leave X = −2 alone.
    solverRow("B2 divisible by 3", "B2", "logic.greatestExactlyOne", "statements",
              "4 · X − 5 > 2 · X|3 · X > X + 10|X делится на 3", "");
    solverRow("B2 odd, bounds moved", "B2", "logic.greatestExactlyOne", "statements",
              "2 · X > 1|X > 9|X\u00A0— нечётное число", "8");
    solverRow("B2 ever larger X", "B2", "logic.greatestExactlyOne", "statements",
              "X > 2|X\u00A0— чётное число|X делится на 3", "");
    solverRow("B2 one X only", "B2", "logic.greatestExactlyOne", "statements",
              "X > −3|X > −2|X > −1", "");
    // From E6 the row of $B4 may not rise above row 3: D2 and B7 both fail.
    solverRow("А18 two cells refuse", "А18", "tables.copyLeavesSheet", "from", "E6", "");
    // Only the row of $C2 moves: the copy may not rise above row 4.
    solverRow("А18 a fixed column", "А18", "tables.copyLeavesSheet", "formula", "=$C2+$B$4",
              "D2");
    solverRow("А18 nothing moves", "А18", "tables.copyLeavesSheet", "formula", "=$C$2+$B$4", "");
    solverRow("B7 surname first", "B7", "text.mailAddressByRule", "login", "lis.oleg", "");
    solverRow("B7 name in capitals", "B7", "text.mailAddressByRule", "brother", "ОЛЕГ",
              "DGAFCEB");
    solverRow("B7 another brother", "B7", "text.mailAddressByRule", "brother", "Олжас", "");
    solverRow("B7 server of two levels", "B7", "text.mailAddressByRule", "server", "gimn.ru", "");
    solverRow("B7 a name with no fragment", "B7", "text.mailAddressByRule", "name", "Лера", "");
    // поезд on 1, 2, 3, 4, 6, самолёт on 3, 5, билеты on 5, 7: a finds 6
    // pages, b 1, c 2, d 3. With поезд on 1, 2, самолёт on 2, 3 and
    // билеты on 3, 4, a and d find 3 pages each.
    solverRow("B8 other pages", "B8", "tables.queryOrderOnPages", "pages",
              "1, 2, 3, 4 и 6|3 и 5|5 и 7", "bcda");
    solverRow("B8 two counts equal", "B8", "tables.queryOrderOnPages", "pages", "1, 2|2, 3|3, 4",
              "");
    solverRow("B8 descending", "B8", "tables.queryOrderOnPages", "order", "убывания", "dacb");
    solverRow("B8 a page past the site", "B8", "tables.queryOrderOnPages", "site", "7", "");
    solverRow("B8 a page twice", "B8", "tables.queryOrderOnPages", "pages",
              "2, 3, 5 и 5|1, 3, 5 и 6|1, 3, 4, 6, 7 и 8", "");
    solverRow("B8 a word with no list", "B8", "tables.queryOrderOnPages", "words",
              "поезд|самолёт|билет", "");
}

// А19's chart, stored wider than it is shown, keeps its last 6 shown
// pixels and the strip cut off free of ink, the grid's light lines too.
void TestT2008_7::chartEdgeBlank() {
    const PictureElement& e = picture(task("А19"), 1);
    const QImage image(":/pictures/" + e.file);
    QCOMPARE(image.size(), e.stored);
    QVERIFY(e.stored.width() > e.rect.width());
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 235)
                last = x;
    QVERIFY2(last >= 0 && last < e.rect.width() - 6,
             qPrintable(QString("ink up to column %1").arg(last)));
}

// А12 with one bus time of the table changed (both its cells; empty: no
// bus): the fastest route and its slips, or a refusal (""). Ж–Л at 45
// makes scheme 1 as fast as scheme 4 (66 minutes).
void TestT2008_7::fastestRouteOnOtherTimes_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    QTest::newRow("Ж–Л faster") << "Ж"
                                << "Л"
                                << "44"
                                << "tables.fastestRoute"
                                << "схема 1";
    QTest::newRow("a tie") << "Ж"
                           << "Л"
                           << "45"
                           << "tables.fastestRoute"
                           << "";
    QTest::newRow("no bus on a route") << "Ж"
                                       << "Л"
                                       << ""
                                       << "tables.fastestRoute"
                                       << "";
    QTest::newRow("Е–И slower") << "Е"
                                << "И"
                                << "25"
                                << "tables.fastestRoute"
                                << "схема 1";
    QTest::newRow("changes free, Ж–И slower") << "Ж"
                                              << "И"
                                              << "9"
                                              << "tables.fastestRouteChangesFree"
                                              << "схема 4";
    QTest::newRow("every change twice, a faster direct bus") << "Е"
                                                             << "Л"
                                                             << "87"
                                                             << "tables.fastestRouteChangeTwice"
                                                             << "схема 3";
    QTest::newRow("fewest changes, no direct bus") << "Е"
                                                   << "Л"
                                                   << ""
                                                   << "tables.fastestRouteFewestChanges"
                                                   << "";
}

void TestT2008_7::fastestRouteOnOtherTimes() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, minutes);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А12");
    QVERIFY(setRoad(t, from, to, minutes));
    solvesOrRefuses(solver, t, answer);
}

// А20's command back and its slip of the first command left out, on
// other programs: of two equal shifts only the first is left out; a
// program that starts with a repeat has no first shift to leave out.
void TestT2008_7::drawerFollowsItsProgram_data() {
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("program");
    // Empty: the solver must refuse.
    QTest::addColumn<QString>("answer");
    const QString twice = "нач\n  сместиться на (4, −1)\n  сместиться на (4, −1)\nкон";
    const QString repeatFirst =
        "нач\n  повтори 2 [\n    сместиться на (1, −3)\n  ]\n  сместиться на (0, 5)\nкон";
    QTest::newRow("one of two equal shifts left out")
        << "programs.drawerFirstDropped" << twice << "сместиться на (−4, 1)";
    QTest::newRow("back from a repeat first")
        << "programs.drawerBack" << repeatFirst << "сместиться на (−2, 1)";
    QTest::newRow("a repeat first, nothing left out")
        << "programs.drawerFirstDropped" << repeatFirst << "";
}

void TestT2008_7::drawerFollowsItsProgram() {
    QFETCH(QString, solver);
    QFETCH(QString, program);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А20");
    int programs = 0;
    for (FieldElement* f : zut::allOf<FieldElement>(t.elements))
        if (f->text.trimmed().startsWith("нач")) {
            f->text = program;
            ++programs;
        }
    QCOMPARE(programs, 1);
    solvesOrRefuses(solver, t, answer);
}

ZUT_TEST_MAIN(TestT2008_7)
#include "tst_t2008_7.moc"
