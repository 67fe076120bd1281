// What the 2008 paper, variant 4, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the С1 listings fail exactly for their fault, the С3
// game is won as the worked solution says, and the checks answer anew when
// a task's givens change (and refuse givens that admit no one answer).
#include "testmain.h"

#include "check/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_4.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// The segment of С1's wording, "[2; 9]".
std::pair<qint64, qint64> segment() {
    const QStringList m = capture(wording(task("С1")), R"(отрезку \[(−?\d+); (−?\d+)\])");
    return {number(m[0]), number(m[1])};
}

// The lines of each listing that make its check of x > 0: the check and,
// in Basic, the END IF that closes it (the last one).
QString withoutCheck(const QString& listing, int which) {
    return which == 0 ? withoutLines(listing, {"if x > 0 then"})
                      : withoutLines(listing, {"IF x > 0 THEN"}, {"END IF"});
}

} // namespace

class TestT2008_4 : public QObject {
    Q_OBJECT
private slots:
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
};

void TestT2008_4::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// For every x around the segment each listing either answers rightly or
// prints nothing; it prints nothing for some x outside the segment, and
// never for one inside.
void TestT2008_4::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0;
    try {
        const auto [low, high] = segment();
        for (qint64 x = low - 6; x <= high + 6; ++x) {
            const bool inside = x >= low && x <= high;
            const QString out = printed(language, source, x);
            if (out.isEmpty() && !inside)
                ++silent;
            else
                QVERIFY2(out == (inside ? "да" : "нет"),
                         qPrintable(QString("%1: %2").arg(x).arg(out)));
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
}

// Taking out the check of x > 0 changes nothing the listing prints.
void TestT2008_4::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutCheck(source, listing);
        QVERIFY(shorter.count('\n') < source.count('\n'));
        for (qint64 x = -10; x <= 20; ++x)
            QCOMPARE(printed(language, shorter, x), printed(language, source, x));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The x the worked solution gives lies outside the segment, and both
// listings print nothing for it.
void TestT2008_4::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const qint64 x = number(capture(t.solution, R"(x = (−?\d+))")[0]);
        const auto [low, high] = segment();
        QVERIFY(x < low || x > high);
        for (size_t i = 0; i < 2; ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), x), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner.
void TestT2008_4::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = numeral(capture(w, R"(добавить в кучу (\w+) камень)")[0]);
        need(w.contains("утроить число камней"), "the second move is not tripling");
        const qint64 goal = number(capture(w, R"((\d+) камней или больше)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
        const std::vector<bool> wins = moverWins(goal, [add](qint64 n) {
            return std::vector<qint64>{n + add, n * 3};
        });
        const QString winner = wins[size_t(start)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

ZUT_TEST_MAIN(TestT2008_4)
#include "tst_t2008_4.moc"
