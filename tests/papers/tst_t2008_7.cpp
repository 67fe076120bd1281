// What the 2008 paper, variant 7, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): А7's notes name only the quotient it uses, the С1
// listings fail exactly for their fault, lose nothing without their
// superfluous condition and are right once fixed, the С3 game is won as
// the worked solution says, and the wordings of B7 and B8 name their Latin
// labels.
#include "testmain.h"

#include "check/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <algorithm>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_7.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

// The language of each listing, by its column heading.
ck::Language listingLanguage(int i) {
    const QString heading = element(task("С1"), Kind::Listings).items.value(i);
    if (heading == "Программа на Паскале")
        return ck::Language::Pascal;
    need(heading == "Программа на Бейсике", "a listing in no known language: " + heading);
    return ck::Language::Basic;
}

// What the task asks for: the sum of the even digits of n.
qint64 evenDigitSum(qint64 n) {
    qint64 s = 0;
    for (; n > 0; n /= 10)
        s += n % 10 % 2 == 0 ? n % 10 : 0;
    return s;
}
qint64 leadingDigit(qint64 n) {
    while (n > 9)
        n /= 10;
    return n;
}

constexpr qint64 largestInput = 1200;

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
    void gameWinner();
    void labelsInLatinLetters_data();
    void labelsInLatinLetters();
};

// А7's notes explain the quotient only: no fragment takes a remainder.
void TestT2008_7::notesNameTheQuotientOnly() {
    for (const QString& fragment : tableColumns(element(task("А7"), Kind::Table))) {
        QVERIFY2(fragment.contains("частное") && !fragment.contains("остаток"),
                 qPrintable(fragment));
        QVERIFY2(!fragment.contains("mod", Qt::CaseInsensitive), qPrintable(fragment));
    }
}

void TestT2008_7::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing answers rightly unless the leading digit of n is even; then
// it leaves that digit out of the sum.
void TestT2008_7::listingFault() {
    QFETCH(int, listing);
    int wrong = 0;
    try {
        const auto language = listingLanguage(listing);
        for (qint64 n = 1; n <= largestInput; ++n) {
            const qint64 right = evenDigitSum(n);
            const qint64 lead = leadingDigit(n);
            const qint64 expected = lead % 2 == 0 ? right - lead : right;
            QCOMPARE(printed(language, ::listing(listing), n), QString::number(expected));
            wrong += expected != right ? 1 : 0;
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(wrong > 0);
}

void TestT2008_7::superfluousCondition_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("named");
    QTest::newRow("Паскаль") << 0 << " and (d < 10)"
                             << "d < 10";
    QTest::newRow("Бейсик") << 1 << " AND d < 10"
                            << "d < 10 после AND";
}

// Without its check of d < 10 each listing prints what it printed, for
// every n; the worked solution names that check.
void TestT2008_7::superfluousCondition() {
    QFETCH(int, listing);
    QFETCH(QString, part);
    QFETCH(QString, named);
    const QString source = ::listing(listing);
    QVERIFY2(source.contains(part), qPrintable(part));
    QVERIFY2(task("С1").solution.contains(named), qPrintable(named));
    const QString shorter = QString(source).remove(part);
    try {
        const auto language = listingLanguage(listing);
        for (qint64 n = 1; n <= largestInput; ++n)
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_7::listingFixed_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("faulty");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("Паскаль") << 0 << "while n > 9 do begin"
                             << "while n > 0 do begin";
    QTest::newRow("Бейсик") << 1 << "WHILE n > 9"
                            << "WHILE n > 0";
}

// The fix of the worked solution makes each listing right for every n.
void TestT2008_7::listingFixed() {
    QFETCH(int, listing);
    QFETCH(QString, faulty);
    QFETCH(QString, fixed);
    QVERIFY2(task("С1").solution.contains(fixed), qPrintable(fixed));
    try {
        const auto language = listingLanguage(listing);
        const QString mended = replacedLine(::listing(listing), faulty, fixed);
        for (qint64 n = 1; n <= largestInput; ++n)
            QCOMPARE(printed(language, mended, n), QString::number(evenDigitSum(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n of the worked solution: the listing prints what the solution says,
// and the right sum is another.
void TestT2008_7::faultExampleOfTheSolution() {
    QFETCH(int, listing);
    const QString solution = task("С1").solution;
    try {
        const qint64 n = numberIn(solution, R"(n = (\d+):)");
        const qint64 shown = numberIn(solution, R"(программа выводит (\d+))");
        const qint64 right = numberIn(solution, R"(сумма чётных цифр равна (\d+))");
        QCOMPARE(right, evenDigitSum(n));
        QVERIFY(shown != right);
        QCOMPARE(printed(listingLanguage(listing), ::listing(listing), n), QString::number(shown));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording. The worked solution names the
// winner; every heap it has the winner leave (a clause naming the player,
// then the heap in parentheses) loses for the other, every heap it has the
// other leave wins for the winner.
void TestT2008_7::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = numberIn(w, R"(В куче лежат (\d+) камней)");
        const qint64 add = numberIn(w, R"(добавить в кучу (\d+) камня)");
        need(w.contains("удвоить число камней в куче"), "the second move is not doubling");
        const qint64 goal = numberIn(w, R"(окажется (\d+) камней или больше)");
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+)\.)")[0];
        const auto wins = moverWins(goal, [add](qint64 n) { return std::vector{n + add, 2 * n}; });
        const bool firstWins = wins[size_t(start)];
        const QString winner = firstWins ? first : second, loser = firstWins ? second : first;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner + "."), qPrintable(t.solution));
        int heaps = 0;
        for (const auto& [who, moverLoses] : {std::pair{winner, true}, std::pair{loser, false}})
            for (const auto& m :
                 rx(who + R"([^().,:]*\((\d+)(?: или (\d+))?\))").globalMatch(t.solution))
                for (int g : {1, 2})
                    if (!m.captured(g).isEmpty()) {
                        const qint64 heap = number(m.captured(g));
                        ++heaps;
                        if (heap >= goal)
                            QVERIFY2(moverLoses, qPrintable(who + " wins at once"));
                        else
                            QVERIFY2(wins[size_t(heap)] != moverLoses,
                                     qPrintable(QString("%1 leaves %2").arg(who).arg(heap)));
                    }
        QVERIFY(heaps >= 4);
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

ZUT_TEST_MAIN(TestT2008_7)
#include "tst_t2008_7.moc"
