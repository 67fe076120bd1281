// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2008 paper, variant 4, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the С1 listings fail exactly for their fault, keep
// one superfluous check and are mended by the worked fix, the
// С3 game is won as the worked solution says, А19's options hold what
// its solution says, and the solvers of А2, А3, А4, А5, А6, А9, А12, А17
// and B7 and their slips follow their givens.
#include "testmain.h"

#include "taskcheck/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numeric>
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

// The listing without its superfluous check, the decision by parity
// before the loop.
QString withoutCheck(const QString& listing, int which) {
    return withoutLines(listing, {which == 0 ? "if n mod 2 = 0 then p := false else p := true;"
                                             : "IF n MOD 2 = 0 THEN p = 0 ELSE p = 1"});
}

// The listing without one part, which must be in it once.
QString without(const QString& listing, const QString& part) {
    need(listing.count(part) == 1, "not in the listing once: " + part);
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
    static const QRegularExpression pascal(
        R"(if \(?n mod d = 0[^;]*? then p := false else p := true)");
    static const QRegularExpression basic(R"(IF n MOD d = 0[^;]*? THEN p = 0 ELSE p = 1)");
    const QRegularExpression& line = which == 0 ? pascal : basic;
    const auto inListing = line.match(listing), inSolution = line.match(solution);
    need(inListing.hasMatch() && inSolution.hasMatch(), "no last decision to replace");
    need(inListing.captured() != inSolution.captured(), "the solution repeats the faulty line");
    return QString(listing).replace(inListing.capturedStart(), inListing.capturedLength(),
                                    inSolution.captured());
}

// ---- А19, А20 -------------------------------------------------------------

// The task's pictures' data, in page order.
std::vector<QVariantMap> drawings(const zut::TaskContent& t) {
    std::vector<QVariantMap> found;
    for (const PictureElement* e : all<PictureElement>(t))
        found.push_back(e->draw.toMap());
    return found;
}

// The ant's letters on the field of the task's picture with its edges
// joined, each end found by arithmetic rather than step by step: `way` 0
// walks the ring, 1 stops at the edge, 2 takes each step over an edge for
// two (a lap of the ring then costs its length + 1), 3 starts from the
// column and row swapped.
int ringEnd(int at, int by, int size, int way) {
    if (way == 1)
        return std::clamp(at + by, 1, size);
    if (way != 2)
        return ((at - 1 + by) % size + size) % size + 1;
    // Mirror a move to the left or up into one to the right or down.
    const bool back = by < 0;
    int p = back ? size - at : at - 1, n = back ? -by : by;
    if (n > size - 1 - p) {
        n -= size - 1 - p + 2; // to the edge, then over it
        need(n >= 0 && n % (size + 1) != size, "a move ends on the step over the edge");
        p = n % (size + 1);
    } else {
        p += n;
    }
    return back ? size - p : p + 1;
}

QString antWalk(const zut::TaskContent& t, int way) {
    const QVariantList rows = drawings(t).at(0)["table"].toMap()["rows"].toList();
    const int width = int(rows.at(0).toStringList().size()) - 1, height = int(rows.size());
    int c = t.givens["column"].toInt(), r = t.givens["row"].toInt();
    if (way == 3)
        std::swap(c, r);
    QString written;
    for (const QString& line : t.givens["program"].toStringList())
        for (const QString& command : line.split(QRegularExpression("[,;] "))) {
            if (command == "запиши") {
                written += rows.at(r - 1).toStringList().at(c);
                continue;
            }
            const QStringList words = command.split(' ');
            need(words.size() == 2, "not a move: " + command);
            const int n = words[1].toInt();
            if (words[0] == "вправо")
                c = ringEnd(c, n, width, way);
            else if (words[0] == "влево")
                c = ringEnd(c, -n, width, way);
            else if (words[0] == "вниз")
                r = ringEnd(r, n, height, way);
            else if (words[0] == "вверх")
                r = ringEnd(r, -n, height, way);
            else
                need(false, "unknown move");
        }
    return written;
}

// A19: a column's values 2..4 of the sheet, column E summing B..D by its
// formulas (checked to be those sums).
std::vector<double> sheetColumn(const zut::TaskContent& t, int column) {
    const QVariantList rows = drawings(t).at(0)["spreadsheet"].toMap()["rows"].toList();
    std::vector<double> values;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList row = rows[i].toStringList();
        const int n = int(i) + 1;
        need(row[4] == QString("=B%1+C%1+D%1").arg(n), "column E is not the sums");
        values.push_back(column < 4 ? row[column].toDouble()
                                    : row[1].toDouble() + row[2].toDouble() + row[3].toDouble());
    }
    return values;
}

bool sameShares(const std::vector<double>& a, const std::vector<double>& b) {
    const double sa = std::accumulate(a.begin(), a.end(), 0.0);
    const double sb = std::accumulate(b.begin(), b.end(), 0.0);
    for (size_t i = 0; i < a.size(); ++i)
        if (std::abs(a[i] / sa - b[i] / sb) > 1e-9)
            return false;
    return a.size() == b.size();
}

std::vector<double> chartValues(const zut::TaskContent& t, int picture) {
    std::vector<double> v;
    for (const QVariant& x : drawings(t).at(picture)["chart"].toMap()["values"].toList())
        v.push_back(x.toDouble());
    return v;
}

// С3: the different non-zero digits of n's decimal record, ascending.
QList<qint64> digitMoves(qint64 n) {
    QList<qint64> out;
    for (qint64 d = 1; d <= 9; ++d)
        if (QString::number(n).contains(QChar('0' + int(d))))
            out << d;
    return out;
}

// С3: whether the player to move with n stones wins when a move adds to
// the heap one of the non-zero digits of its record and whoever makes the heap
// `goal` or more wins; and the fewest own moves the winner needs against
// any defence (the most the loser can hold out), by the heap.
struct DigitGame {
    std::vector<bool> wins;
    std::vector<int> moves;
};

DigitGame digitGame(qint64 goal) {
    DigitGame g{std::vector<bool>(size_t(goal), false), std::vector<int>(size_t(goal), 0)};
    for (qint64 n = goal - 1; n >= 1; --n) {
        int best = -1, longest = 0;
        for (qint64 d : digitMoves(n)) {
            const qint64 next = n + d;
            const int own = next >= goal ? 1 : g.moves[size_t(next)] + 1;
            if (next >= goal || !g.wins[size_t(next)])
                best = best < 0 ? own : std::min(best, own);
            else
                longest = std::max(longest, g.moves[size_t(next)]);
        }
        g.wins[size_t(n)] = best >= 0;
        g.moves[size_t(n)] = best >= 0 ? best : longest;
    }
    return g;
}

// С3 read from its wording: the heap at the start, the heap that wins,
// the two players and who moves first; the wording's example of the
// moves must list the non-zero digits of its heap.
struct GameWording {
    qint64 start = 0, goal = 0;
    QString first, second;
};

GameWording gameWording(const zut::TaskContent& t) {
    const QString w = wording(t).replace(QChar(0x00A0), ' '); // no-break spaces read as spaces
    need(w.contains("столько камней, сколько составляет одна из ненулевых цифр десятичной записи "
                    "числа камней в куче"),
         "a move does not add a digit of the heap");
    const QStringList example =
        capture(w, R"(к куче из (\d+) камней можно добавить ([\d, ]+) или (\d+) камней)");
    QList<qint64> listed;
    for (const QString& d : (example[1] + ", " + example[2]).split(", "))
        listed << number(d);
    need(listed == digitMoves(number(example[0])), "the example's moves are not the digits");
    const QStringList only = capture(w, R"(к куче из (\d+) камней — только (\d+) камн)");
    need(digitMoves(number(only[0])) == QList<qint64>{number(only[1])},
         "the example's single move is not the only digit");
    GameWording g;
    g.start = numberIn(w, R"(вначале (\d+) камн)");
    g.goal = numberIn(w, R"(окажется (\d+) камней или больше)");
    const QStringList names = capture(w, R"((\w+) и (\w+) по очереди)");
    g.first = capture(w, R"(первой ходит (\w+))")[0];
    need(names.contains(g.first), "the first player is not one of the two");
    g.second = names[0] == g.first ? names[1] : names[0];
    return g;
}

// The heaps from `from` up from which the player to move loses.
QList<qint64> losingHeaps(const DigitGame& g, qint64 from) {
    QList<qint64> out;
    for (qint64 n = from; n < qint64(g.wins.size()); ++n)
        if (!g.wins[size_t(n)])
            out << n;
    return out;
}

// The heaps the worked solution calls lost for the player to move:
// «от a до b проигрышны для того, кто ходит, кучи x, y, … и z».
struct NamedHeaps {
    qint64 from = 0, to = 0;
    QList<qint64> heaps;
};

NamedHeaps losingHeapsNamed(const QString& solution) {
    const QStringList m =
        capture(QString(solution).replace(QChar(0x00A0), ' '),
                R"(от (\d+) до (\d+) проигрышны для того, кто ходит, кучи ([\d, ]+) и (\d+))");
    NamedHeaps named{number(m[0]), number(m[1]), {}};
    for (const QString& n : (m[2] + ", " + m[3]).split(", "))
        named.heaps << number(n);
    return named;
}

// Whether the winner's rule the worked solution gives (reach the goal when
// he can, otherwise leave one of the two heaps it names) wins against every
// line of the first player from `heap`: the first player never reaches the
// goal, and the rule always has a move.
bool ruleWins(const QString& solution, qint64 heap, qint64 goal) {
    const QStringList kept = capture(QString(solution).replace(QChar(0x00A0), ' '),
                                     R"(а иначе оставляет \w+ кучу (\d+) или (\d+))");
    for (qint64 d : digitMoves(heap)) {
        const qint64 next = heap + d;
        if (next >= goal)
            return false;
        bool answered = false;
        for (qint64 e : digitMoves(next)) {
            const qint64 reply = next + e;
            if (reply >= goal)
                answered = true;
            else if (kept.contains(QString::number(reply)) && ruleWins(solution, reply, goal))
                answered = true;
        }
        if (!answered)
            return false;
    }
    return true;
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
    void otherChecksAreNeeded_data();
    void otherChecksAreNeeded();
    void fixOfTheSolution_data() { listingsShareTheirFault_data(); }
    void fixOfTheSolution();
    void gameWinner();
    void gameClaims_data();
    void gameClaims();
    void claimsCatchChanges_data();
    void claimsCatchChanges();
    void antRoutes_data();
    void antRoutes();
    void chartRanges_data();
    void chartRanges();
    void enteredBlock_data();
    void enteredBlock();
    void ownSolvers_data();
    void ownSolvers() { solverFollowsItsGiven(); }
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

// Taking out the decision by parity changes nothing the listing prints,
// before the worked fix and after it.
void TestT2008_4::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutCheck(source, listing);
        const QString fixed = fixedBySolution(source, listing, task("С1").solution);
        const QString fixedShorter = withoutCheck(fixed, listing);
        for (qint64 n : inputs()) {
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
            QCOMPARE(printed(language, fixedShorter, n), printed(language, fixed, n));
        }
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

// The loop's bound d * d < n cannot go: without it every odd prime is
// called composite.
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

// The other checks cannot go either: without the loop's test of n mod d
// or without the decision after the loop the listing is wrong for the n
// the worked solution names, so the decision by parity is the only
// superfluous check.
void TestT2008_4::otherChecksAreNeeded_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("part");
    QTest::addColumn<qint64>("n");
    QTest::newRow("Паскаль, n mod d <> 0") << 0 << " and (n mod d <> 0)" << qint64(15);
    QTest::newRow("Бейсик, n MOD d <> 0") << 1 << " AND n MOD d <> 0" << qint64(15);
    QTest::newRow("Паскаль, проверка после цикла")
        << 0 << "if n mod d = 0 then p := false else p := true;" << qint64(9);
    QTest::newRow("Бейсик, проверка после цикла")
        << 1 << "IF n MOD d = 0 THEN p = 0 ELSE p = 1" << qint64(9);
}

void TestT2008_4::otherChecksAreNeeded() {
    QFETCH(int, listing);
    QFETCH(QString, part);
    QFETCH(qint64, n);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        QCOMPARE(printed(language, source, n), rightAnswer(n));
        QVERIFY(printed(language, without(source, part), n) != rightAnswer(n));
        QVERIFY(task("С1").solution.contains(QString("при n = %1 программа").arg(n)));
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
        const GameWording w = gameWording(t);
        const DigitGame g = digitGame(w.goal);
        const QString winner = g.wins[size_t(w.start)] ? w.first : w.second;
        QCOMPARE(winner, w.second);
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        QVERIFY2(g.moves[size_t(w.start)] >= 3,
                 qPrintable(QString("won in %1 moves").arg(g.moves[size_t(w.start)])));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// What the worked solution claims beyond the winner, each against the
// search: the heaps lost for the player to move, the winner's rule, and
// how many moves he needs when the loser holds out longest.
void TestT2008_4::gameClaims_data() {
    QTest::addColumn<QString>("claim");
    QTest::newRow("проигрышные кучи") << "losing";
    QTest::newRow("правило победителя") << "rule";
    QTest::newRow("число ходов") << "length";
    QTest::newRow("начальная куча проигрышна") << "start";
}

void TestT2008_4::gameClaims() {
    QFETCH(QString, claim);
    const zut::TaskContent& t = task("С3");
    try {
        const GameWording w = gameWording(t);
        const DigitGame g = digitGame(w.goal);
        if (claim == "losing") {
            const NamedHeaps named = losingHeapsNamed(t.solution);
            QCOMPARE(named.to, w.goal - 1);
            QCOMPARE(named.heaps, losingHeaps(g, named.from));
        } else if (claim == "rule") {
            QVERIFY(ruleWins(t.solution, w.start, w.goal));
        } else if (claim == "length") {
            const QString word = capture(t.solution, R"(понадобится не больше (\w+) ход)")[0];
            QCOMPARE(numeral(word), g.moves[size_t(w.start)]);
        } else {
            QVERIFY(losingHeapsNamed(t.solution).heaps.contains(w.start));
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// A solution with its list of heaps or its rule changed, or a game with
// another goal, no longer agrees with the search: the claims above can
// fail.
void TestT2008_4::claimsCatchChanges_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("goalShift");
    QTest::addColumn<QString>("claim");
    QTest::newRow("без кучи 18") << "кучи 16, 18, 20"
                                 << "кучи 16, 20" << 0 << "losing";
    QTest::newRow("лишняя куча 22") << "20, 23"
                                    << "20, 22, 23" << 0 << "losing";
    QTest::newRow("цель 37") << ""
                             << "" << 1 << "losing";
    QTest::newRow("цель 35") << ""
                             << "" << -1 << "losing";
    QTest::newRow("оставляет 30 вместо 32") << "кучу 24 или 32"
                                            << "кучу 24 или 30" << 0 << "rule";
    QTest::newRow("оставляет 20 вместо 24") << "кучу 24 или 32"
                                            << "кучу 20 или 32" << 0 << "rule";
    QTest::newRow("цель 38 при том же правиле") << ""
                                                << "" << 2 << "rule";
}

void TestT2008_4::claimsCatchChanges() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, goalShift);
    QFETCH(QString, claim);
    const zut::TaskContent& t = task("С3");
    try {
        const GameWording w = gameWording(t);
        QString solution = QString(t.solution).replace(QChar(0x00A0), ' ');
        if (!from.isEmpty()) {
            QCOMPARE(solution.count(from), 1);
            solution.replace(from, to);
        }
        const qint64 goal = w.goal + goalShift;
        if (claim == "losing")
            QVERIFY(losingHeapsNamed(solution).heaps !=
                    losingHeaps(digitGame(goal), losingHeapsNamed(solution).from));
        else
            QVERIFY(!ruleWins(solution, w.start, goal));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Each А20 option is the route walked right or with one slip, computed
// here on the field; a wrong option number or letter fails the row.
void TestT2008_4::antRoutes_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("option");
    QTest::newRow("по кольцу") << 0 << 2;
    QTest::newRow("остановка у края") << 1 << 1;
    QTest::newRow("переход за два шага") << 2 << 3;
    QTest::newRow("начало перепутано") << 3 << 4;
}

void TestT2008_4::antRoutes() {
    QFETCH(int, way);
    QFETCH(int, option);
    try {
        const zut::TaskContent& t = task("А20");
        const QStringList o = options(t);
        const QString walked = antWalk(t, way);
        QCOMPARE(o.count(walked), 1);
        QCOMPARE(o.indexOf(walked) + 1, option);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Each one-column А19 option against the two charts: only the key fits
// both; the pie-only slip fits the shares but not the bars; column B is in
// the proportion of the first two sectors only. Column A holds the charts'
// labels, not values; column D, like B, fits the first two sectors (B and
// C fit them, so D = E − B − C does too), and neither is an option.
void TestT2008_4::chartRanges_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("column"); // 0 = A … 4 = E
    QTest::addColumn<bool>("labels");
    QTest::addColumn<bool>("twoSectors");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<bool>("pie");
    QTest::newRow("E") << 1 << 4 << false << true << true << true;
    QTest::newRow("C") << 2 << 2 << false << true << false << true;
    QTest::newRow("B") << 3 << 1 << false << true << false << false;
    QTest::newRow("A, no option") << 0 << 0 << true << false << false << false;
    QTest::newRow("D, no option") << 0 << 3 << false << true << false << false;
}

void TestT2008_4::chartRanges() {
    QFETCH(int, option);
    QFETCH(int, column);
    QFETCH(bool, labels);
    QFETCH(bool, twoSectors);
    QFETCH(bool, bars);
    QFETCH(bool, pie);
    try {
        const zut::TaskContent& t = task("А19");
        const QString letter = QString(QChar('A' + column));
        const QString range = letter + "2:" + letter + "4";
        if (option > 0)
            QCOMPARE(options(t).at(option - 1), range);
        else
            QVERIFY(!options(t).contains(range));
        const QVariantList rows = drawings(t).at(0)["spreadsheet"].toMap()["rows"].toList();
        QStringList held;
        for (qsizetype i = 1; i < rows.size(); ++i)
            held << rows[i].toStringList().at(column);
        const QStringList chartLabels = drawings(t).at(1)["chart"].toMap()["labels"].toStringList();
        QCOMPARE(held == chartLabels, labels);
        bool numeric = true;
        for (const QString& h : held)
            if (!h.startsWith('=')) {
                bool ok = false;
                h.toDouble(&ok);
                numeric = numeric && ok;
            }
        const std::vector<double> values = numeric ? sheetColumn(t, column) : std::vector<double>{};
        const std::vector<double> shown = chartValues(t, 1);
        const std::vector<double> sectors = chartValues(t, 2);
        QCOMPARE(numeric && values.size() >= 2 &&
                     sameShares({values[0], values[1]}, {sectors[0], sectors[1]}),
                 twoSectors);
        QCOMPARE(numeric && values == shown, bars);
        QCOMPARE(numeric && sameShares(values, sectors), pie);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// А19's slips on the sheet with one cell retyped: the option B2:D4 is the
// block's answer only while the block holds exactly the numbers typed in;
// B2:B4 is the two-sectors answer only while its 4 : 6 fits the pie's
// 12 : 18 and its whole does not. With 2 in B4 column B fits the whole pie,
// and the totals 12, 18, 7 fit the first two sectors only.
void TestT2008_4::enteredBlock_data() {
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer"); // empty: refused
    const QString block = "tables.rangeOfEnteredNumbers", two = "tables.rangeOnTwoSectorsOnly";
    QTest::newRow("as drawn") << block << ""
                              << ""
                              << "B2:D4";
    QTest::newRow("a count given by a formula") << block << "D3"
                                                << "=2+2"
                                                << "";
    QTest::newRow("a total typed in") << block << "E4"
                                      << "6"
                                      << "";
    QTest::newRow("a heading typed as a number") << block << "B1"
                                                 << "7"
                                                 << "";
    QTest::newRow("two sectors, as drawn") << two << ""
                                           << ""
                                           << "B2:B4";
    QTest::newRow("two sectors, B3 not in 2 : 3") << two << "B3"
                                                  << "5"
                                                  << "";
    QTest::newRow("two sectors, B in the whole pie") << two << "B4"
                                                     << "2"
                                                     << "E2:E4";
}

void TestT2008_4::enteredBlock() {
    QFETCH(QString, solver);
    QFETCH(QString, cell);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А19");
    if (!cell.isEmpty()) {
        PictureElement* sheet = zut::allOf<PictureElement>(t.elements).at(0);
        QVariantMap draw = sheet->draw.toMap(), grid = draw["spreadsheet"].toMap();
        QVariantList rows = grid["rows"].toList();
        const int column = cell[0].unicode() - 'A', row = cell.mid(1).toInt() - 1;
        QStringList line = rows.at(row).toStringList();
        QVERIFY(line.at(column) != typed);
        line[column] = typed;
        rows[row] = line;
        grid["rows"] = rows;
        draw["spreadsheet"] = grid;
        sheet->draw = draw;
    }
    solvesOrRefuses(solver, t, answer);
}

// Solvers of the paper's tasks on one given changed, worked by hand; an
// empty answer is a refusal.
void TestT2008_4::ownSolvers_data() {
    solverColumns();
    const auto row = solverRow;
    // 0,5 Мбайта free: 512 Кбайт, 4096 Кбит.
    // Fours 0110 0101 1000 1111 0110: only 1000 is odd, and only its
    // control bit gives back a letter (1001, Д). With Ы coded 110, 1100 is a
    // letter too; 0111 is one flip from О, Ы and М; 0010 only from О (its
    // second bit), its first bit giving 1010, no letter.
    row("А13 Ы coded 110", "А13", "bases.parityFlippedBit", "codes", "100|011|111|110", "");
    row("А13 a code of two bits", "А13", "bases.parityFlippedBit", "codes", "10|011|111|010", "");
    row("А13 the first four 0010", "А13", "bases.parityFlippedBit", "chain", "00100101100111110110",
        "2");
    row("А13 0010, the parity mended", "А13", "bases.parityFlippedToNoCode", "chain",
        "00100101100111110110", "1");
    row("А13 0010 in the fifth four", "А13", "bases.parityFlippedBitInFour", "chain",
        "01100101100111110010", "2");
    row("А13 0010, the four's number", "А13", "bases.parityFlippedFour", "chain",
        "01100101100111110010", "5");
    row("А13 0111, three letters", "А13", "bases.parityFlippedBit", "chain", "01110101100111110110",
        "");
    row("А13 two odd fours", "А13", "bases.parityFlippedBit", "chain", "01100101100011110111", "");
    row("А13 nineteen bits", "А13", "bases.parityFlippedBit", "chain", "0110010110001111011", "");
    // 1111010₂ − 43₁₆ = 122 − 67 = 55, left in binary; 152₈ − 67₈ with the
    // smaller digit from the larger in both lower columns.
    row("А5 left in binary", "А5", "bases.differenceInFirstBase", "numbers", "1111010_2|43_16",
        "110111");
    row("А5 two columns swapped", "А5", "bases.differenceSmallerFromLarger", "numbers",
        "6A_16|110111_2", "115");
    row("А3 a photo of 100 Кбайт", "А3", "volume.freeSpaceLeft", "kbytes", "100", "156");
    row("А3 2048 Кбит by 1024", "А3", "volume.freeSpaceKbitsBy1024", "kbytes", "100", "410");
    row("А3 3072 Кбит by 1024", "А3", "volume.freeSpaceKbitsBy1024", "kbits", "3072", "365");
    row("А3 left in Кбит", "А3", "volume.freeSpaceInKbits", "kbytes", "100", "1248");
    row("А3 Кбайт unconverted", "А3", "volume.freeSpaceKbytesUnconverted", "kbytes", "104", "243");
    row("А3 Кбайт unconverted, not whole", "А3", "volume.freeSpaceKbytesUnconverted", "kbytes",
        "100", "");
    row("А3 more written than free", "А3", "volume.freeSpaceLeft", "kbits", "4096", "");
    row("А3 Кбит not whole Кбайт", "А3", "volume.freeSpaceLeft", "kbits", "2044", "");
    row("А4 base 6 by triads", "А4", "bases.numberDigitsAsTriads", "expression", "234_6",
        "10011100");
    row("А4 a digit beyond octal", "А4", "bases.numberDigitsAsTriads", "expression", "238_9", "");
    row("А4 triads into octal", "А4", "bases.numberDigitsAsTriads", "system", "восьмеричной", "");
    // Three passes of four leave n = 4603 div 1000.
    row("А6 a pass fewer leaves n", "А6", "programs.flowchartOnePassFewer", "variable", "n", "4");
    row("А6 no such variable", "А6", "programs.flowchartBodyReversed", "variable", "r", "");
    // Read on its last digit the loop stops at n = 460; the zero's pass
    // skipped still runs n out; a 12-bit code is no whole bytes a
    // character; 150 bytes hold 75 characters (1200 : 75 = 16) or, read as
    // bits, 9 (600 : 9 → 67); in 8 bits 148 and 18 characters (5 and 34);
    // 10 bytes read as bits hold no 16-bit character.
    row("А6 the last digit's condition leaves n", "А6", "programs.flowchartConditionOnLastDigit",
        "variable", "n", "460");
    row("А6 the zero skipped, n run out", "А6", "programs.flowchartZeroDigitSkipped", "variable",
        "n", "0");
    row("А1 150 bytes, the width twice", "А1", "volume.partsWidthTwice", "bytes", "150", "16");
    row("А1 150 bytes as bits", "А1", "volume.partsBytesAsBits", "bytes", "150", "67");
    row("А1 8 bits, the width twice", "А1", "volume.partsWidthTwice", "bits", "8", "5");
    row("А1 8 bits, bytes as bits", "А1", "volume.partsBytesAsBits", "bits", "8", "34");
    row("А1 12 bits, the width twice", "А1", "volume.partsWidthTwice", "bits", "12", "");
    row("А1 10 bytes as bits", "А1", "volume.partsBytesAsBits", "bytes", "10", "");
    // The slip's address: the root folder plan kept in the path.
    row("B7 the root folder kept", "B7", "text.addressOnDisk", "file", "D:\\plan\\plan\\leto.doc",
        "egadfbc");
    row("B7 the file in the root", "B7", "text.addressOnDisk", "file", "D:\\plan\\plan.doc", "");
    row("B7 the file on another disk", "B7", "text.addressOnDisk", "file",
        "C:\\plan\\leto\\plan.doc", "");
    row("B7 the root a folder higher", "B7", "text.addressOnDisk", "root", "D:", "");
    // Flashes of three kinds, one to five long: 3 + 9 + 27 + 81 + 243, the
    // longest alone 243.
    row("А2 three kinds", "А2", "volume.signalsFromTo", "kinds", "короткие|длинные|двойные", "363");
    row("А2 three kinds, the longest", "А2", "volume.signalsLongestOnly", "kinds",
        "короткие|длинные|двойные", "243");
    row("А2 a kind named twice", "А2", "volume.signalsFromTo", "kinds", "короткие|короткие", "");
    // The pause a third kind: 4⁵ places with three kinds, 3⁴ up to four.
    row("А2 three kinds and the pause", "А2", "volume.signalsPauseAsKind", "kinds",
        "короткие|длинные|двойные", "1024");
    row("А2 up to four, the pause", "А2", "volume.signalsPauseAsKind", "most", "четырёх", "81");
    // 6 Мбайт free = 6 291 456 байт; a page 1024 × 600 in 5 bits is
    // 384 000 байт, in 64 colours 1024 × 768 takes 589 824 (7 bits:
    // 688 128); 800 × 768 in 5 bits is 384 000 байт against 50 331 648 bits.
    row("А17 600 high", "А17", "volume.screenPages", "height", "600", "16");
    row("А17 600 high, the reserve forgotten", "А17", "volume.screenPagesReserveForgotten",
        "height", "600", "21");
    row("А17 64 colours", "А17", "volume.screenPages", "colours", "64", "10");
    row("А17 64 colours, the record's length", "А17", "volume.screenPagesColourCountRecord",
        "colours", "64", "9");
    row("А17 800 wide, memory in bits", "А17", "volume.screenPagesMemoryInBits", "width", "800",
        "131");
    row("А17 48 colours", "А17", "volume.screenPages", "colours", "48", "");
    row("А17 all memory reserved", "А17", "volume.screenPages", "reserved", "8", "");
    // The statement turned to «истинно»: 624, 381 and 472 hold, so no one
    // option; the conjunction bracketed, nothing left to misread. With an
    // odd sum asked for, only 624 (6 > 4 but 2 < 6) makes it false, and
    // read from the right 381 too (1 < 3).
    row("А9 asked true", "А9", "logic.digitsWhere", "truth", "истинно", "");
    row("А9 bracketed", "А9", "logic.digitsWhereLeftToRight", "statement",
        "((сумма цифр чётна) ∨ (первая цифра больше последней)) ∧ (вторая цифра больше первой)",
        "");
    row("А9 odd sum", "А9", "logic.digitsWhere", "statement",
        "(сумма цифр нечётна) ∨ (первая цифра больше последней) ∧ (вторая цифра больше первой)",
        "624");
    row("А9 odd sum, from the right", "А9", "logic.digitsWhereFromTheRight", "statement",
        "(сумма цифр нечётна) ∨ (первая цифра больше последней) ∧ (вторая цифра больше первой)",
        "381");
    // The way from П to С (П–У–С, 5 km): without С–У it is 16 km, without
    // П–У 15; from Р to Т closing С–Т or С–У costs 1 km each, a tie.
    row("А12 to С", "А12", "tables.closingLengthensMost", "to", "С", "С–У");
    row("А12 to С, the longest on the way", "А12", "tables.closingLongestOnRoute", "to", "С",
        "П–У");
    row("А12 from Р", "А12", "tables.closingLengthensMost", "from", "Р", "");
    // 57 in three digits: 321 (base 4), 212 (5), 133 (6), 111 (7); no
    // base gives the sum 4 in three digits, and in two digits 14, 27 and 53
    // all give 5. 71 is 131 in base 7.
    row("B1 sum 6", "B1", "bases.lengthAndDigitSum", "sum", "6", "4");
    row("B1 sum 7", "B1", "bases.lengthAndDigitSum", "sum", "7", "6");
    row("B1 sum 4", "B1", "bases.lengthAndDigitSum", "sum", "4", "");
    row("B1 two digits", "B1", "bases.lengthAndDigitSum", "length", "двух", "");
    row("B1 71", "B1", "bases.lengthAndDigitSum", "value", "71", "7");
    // From (4, 2) «вправо 5» crosses the right edge into column 1 (А), or
    // stops in column 8 (С), or ends on the step over it; «вправо 3» crosses
    // nothing. Swapped, the start (5, 2) would be row 5 of four.
    row("А20 right 5", "А20", "programs.antLettersRing", "program", "вправо 5, запиши", "А");
    row("А20 right 5, clamped", "А20", "programs.antLettersRingClamped", "program",
        "вправо 5, запиши", "С");
    row("А20 right 5, ends over the edge", "А20", "programs.antLettersRingCrossingStep", "program",
        "вправо 5, запиши", "");
    row("А20 right 3, no edge", "А20", "programs.antLettersRing", "program", "вправо 3, запиши",
        "");
    row("А20 start in column 5, swapped", "А20", "programs.antLettersRingStartSwapped", "column",
        "5", "");
    // The digit of place i (from 0) is the count of ones in i: of the
    // ninth string's 256 places, C(8,5) + … + C(8,8) = 93 hold more than 4;
    // of the tenth's 512, only 511 holds 9.
    row("B6 ninth string, above 4", "B6", "programs.plusOneCopyCountAbove", "which", "девятой",
        "93");
    row("B6 above 8", "B6", "programs.plusOneCopyCountAbove", "above", "8", "1");
    row("B6 a string shown against the rule", "B6", "programs.plusOneCopyCountAbove", "strings",
        "0|01|0112|01121222", "");
    row("B6 eleventh string, past 9", "B6", "programs.plusOneCopyCountAbove", "which",
        "одиннадцатой", "");
}

ZUT_TEST_MAIN(TestT2008_4)
#include "tst_t2008_4.moc"
