// What the 2008 paper, variant 4, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the С1 listings fail exactly for their fault, keep
// one superfluous condition and are mended by the worked fix, and the
// С3 game is won as the worked solution says.
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

bool isPrime(qint64 n) {
    for (qint64 d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return n >= 2;
}

// The answer the task asks for.
QString rightAnswer(qint64 n) {
    return isPrime(n) ? "да" : "нет";
}

// The numbers the checks run through: all up to 400, and the squares of
// primes, a prime and the bound near the top of the range.
std::vector<qint64> inputs() {
    std::vector<qint64> ns;
    for (qint64 n = 2; n <= 400; ++n)
        ns.push_back(n);
    for (qint64 n : {961, 1369, 10403, 29929, 29983, 29989, 30000})
        ns.push_back(n);
    return ns;
}

// The listing without its superfluous condition d < n.
QString withoutCheck(const QString& listing, int which) {
    const QString part = which == 0 ? " and (d < n)" : " AND d < n";
    need(listing.count(part) == 1, "the condition d < n is not in the loop once");
    return QString(listing).remove(part);
}

// The listing without the loop's condition d * d < n.
QString withoutBound(const QString& listing, int which) {
    const QString part = which == 0 ? "(d * d < n) and " : "d * d < n AND ";
    need(listing.count(part) == 1, "the condition d * d < n is not in the loop once");
    return QString(listing).remove(part);
}

// The listing with its last decision replaced by the one the worked
// solution gives for that language.
QString fixedBySolution(const QString& listing, int which, const QString& solution) {
    static const QRegularExpression pascal(R"(if [^;]*? then writeln\('нет'\) else writeln\('да'\))");
    static const QRegularExpression basic(R"(IF [^;]*? THEN PRINT "нет" ELSE PRINT "да")");
    const QRegularExpression& line = which == 0 ? pascal : basic;
    const auto inListing = line.match(listing), inSolution = line.match(solution);
    need(inListing.hasMatch() && inSolution.hasMatch(), "no last decision to replace");
    need(inListing.captured() != inSolution.captured(), "the solution repeats the faulty line");
    return QString(listing).replace(inListing.capturedStart(), inListing.capturedLength(),
                                    inSolution.captured());
}

// С3: whether the player to move with n stones wins when a move adds one
// stone or doubles the heap, never past `goal`, and whoever makes exactly
// `goal` wins; and the fewest own moves the winner needs against any
// defence (the most the loser can hold out), by the heap.
struct ExactGame {
    std::vector<bool> wins;
    std::vector<int> moves;
};

ExactGame exactGame(qint64 goal) {
    ExactGame g{std::vector<bool>(size_t(goal + 1), false), std::vector<int>(size_t(goal + 1), 0)};
    for (qint64 n = goal - 1; n >= 1; --n) {
        int best = -1, longest = 0;
        for (qint64 next : {n + 1, 2 * n}) {
            if (next > goal)
                continue;
            if (!g.wins[size_t(next)])
                best = best < 0 ? g.moves[size_t(next)] + 1
                                : std::min(best, g.moves[size_t(next)] + 1);
            else
                longest = std::max(longest, g.moves[size_t(next)]);
        }
        g.wins[size_t(n)] = best >= 0;
        g.moves[size_t(n)] = best >= 0 ? best : longest;
    }
    return g;
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
    void boundIsNeeded_data() { listingsShareTheirFault_data(); }
    void boundIsNeeded();
    void fixOfTheSolution_data() { listingsShareTheirFault_data(); }
    void fixOfTheSolution();
    void gameWinner();
};

void TestT2008_4::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing answers rightly for every n checked but 2, for which it
// says «нет» (it takes n itself for a divisor).
void TestT2008_4::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int wrong = 0;
    try {
        for (qint64 n : inputs()) {
            const QString out = printed(language, source, n);
            if (n == 2) {
                QCOMPARE(out, QString("нет"));
                ++wrong;
            } else {
                QVERIFY2(out == rightAnswer(n), qPrintable(QString("%1: %2").arg(n).arg(out)));
            }
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QCOMPARE(wrong, 1);
}

// Taking out the condition d < n changes nothing the listing prints.
void TestT2008_4::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutCheck(source, listing);
        for (qint64 n : inputs())
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n the worked solution gives is answered wrongly by both listings.
void TestT2008_4::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const qint64 n = number(capture(t.solution, R"(n = (\d+))")[0]);
        QVERIFY(n >= 2 && n <= 30000);
        for (size_t i = 0; i < 2; ++i)
            QVERIFY(printed(listingLanguages[i], listing(int(i)), n) != rightAnswer(n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The loop's bound d * d < n cannot go too: without it every odd prime
// is called composite, so d < n stays the only superfluous condition.
void TestT2008_4::boundIsNeeded() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutBound(source, listing);
        int changed = 0;
        for (qint64 n = 2; n <= 100; ++n)
            if (printed(language, shorter, n) != printed(language, source, n)) {
                QVERIFY2(isPrime(n), qPrintable(QString::number(n)));
                ++changed;
            }
        QCOMPARE(changed, 24); // the primes from 3 to 97
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the worked solution gives answers rightly for every n checked.
void TestT2008_4::fixOfTheSolution() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString fixed = fixedBySolution(source, listing, task("С1").solution);
        for (qint64 n : inputs())
            QVERIFY2(printed(language, fixed, n) == rightAnswer(n),
                     qPrintable(QString("%1: %2").arg(n).arg(printed(language, fixed, n))));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner, whose strategy takes three or more of his own moves.
void TestT2008_4::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        need(w.contains("добавить в кучу один камень") && w.contains("удвоить число камней"),
             "the moves are not adding one and doubling");
        const qint64 bound = number(capture(w, R"(не больше (\d+) камней)")[0]);
        const qint64 goal = number(capture(w, R"(ровно (\d+) камней)")[0]);
        QCOMPARE(bound, goal);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй\s*—\s*(\w+))")[0];
        const ExactGame g = exactGame(goal);
        const QString winner = g.wins[size_t(start)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        QVERIFY2(g.moves[size_t(start)] >= 3,
                 qPrintable(QString("won in %1 moves").arg(g.moves[size_t(start)])));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

ZUT_TEST_MAIN(TestT2008_4)
#include "tst_t2008_4.moc"
