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

// What the task asks for: hours, minutes and seconds of s, through a space.
QString hms(qint64 s) {
    return QString("%1 %2 %3").arg(s / 3600).arg(s / 60 % 60).arg(s % 60);
}

// What a listing prints for s, its blanks made single.
QString printedFor(int listing, const QString& source, qint64 s) {
    return printed(listingLanguage(listing), source, s).simplified();
}

// Every 7th second of the day and the first hour's last one: the listings
// run on these.
std::vector<qint64> seconds() {
    std::vector<qint64> all;
    for (qint64 s = 1; s < 86400; s += 7)
        all.push_back(s);
    all.push_back(3599);
    all.push_back(3600);
    all.push_back(86399);
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

// Each listing answers rightly below an hour; from an hour up it prints
// all the minutes since midnight.
void TestT2008_7::listingFault() {
    QFETCH(int, listing);
    int wrong = 0;
    try {
        for (qint64 s : seconds()) {
            const QString expected = QString("%1 %2 %3").arg(s / 3600).arg(s / 60).arg(s % 60);
            QCOMPARE(printedFor(listing, ::listing(listing), s), expected);
            wrong += expected != hms(s) ? 1 : 0;
            QCOMPARE(expected != hms(s), s >= 3600);
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
    QTest::newRow("Паскаль") << 0 << "  if h < 0 then\n    h := 0;\n"
                             << "h < 0";
    QTest::newRow("Бейсик") << 1 << "IF h < 0 THEN h = 0\n"
                            << "IF h < 0 THEN h = 0";
}

// Without its check of h < 0 each listing prints what it printed, for
// every s; the worked solution names that check.
void TestT2008_7::superfluousCondition() {
    QFETCH(int, listing);
    QFETCH(QString, part);
    QFETCH(QString, named);
    const QString source = ::listing(listing);
    QVERIFY2(source.contains(part), qPrintable(part));
    QVERIFY2(task("С1").solution.contains(named), qPrintable(named));
    const QString shorter = QString(source).remove(part);
    try {
        for (qint64 s : seconds())
            QCOMPARE(printedFor(listing, shorter, s), printedFor(listing, source, s));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_7::listingFixed_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("faulty");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("Паскаль") << 0 << "m := s div 60;"
                             << "m := (s div 60) mod 60;";
    QTest::newRow("Бейсик") << 1 << "m = s \\ 60"
                            << "m = (s \\ 60) MOD 60";
}

// The fix of the worked solution makes each listing right for every n.
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
        const qint64 start = numberIn(w, R"(В куче лежат (\d+) камней)");
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

ZUT_TEST_MAIN(TestT2008_7)
#include "tst_t2008_7.moc"
