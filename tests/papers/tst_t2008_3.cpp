// What the 2008 paper, variant 3, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the С1 listings fail exactly for their fault, the
// check they hold is superfluous and the fix of the worked solution makes
// them right, the С3 game is won as the worked solution says, and the
// letters of B7 and B8 are those the key uses.
#include "testmain.h"

#include "check/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <cmath>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_3.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// What a listing prints for n, as a number.
double printedNumber(ck::Language language, const QString& source, int n) {
    const ck::RunResult r = runWith(language, source, n);
    need(r.printed.size() == 1 && r.printed.front().isNumber(), "not one number printed");
    return r.printed.front().number();
}

// The sum of the wording: n terms, the first 1/2, each half the one before.
double sum(int n) {
    double s = 0, term = 0.5;
    for (int i = 0; i < n; ++i, term /= 2)
        s += term;
    return s;
}

bool near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

// The superfluous check of each listing, and the loop's head and foot as
// the fix of the worked solution writes them.
const std::vector<QString> checkLine = {"if s > 1 then s := 1;", "IF s > 1 THEN s = 1"};
const std::vector<std::pair<QString, QString>> loopHead = {{"repeat", "while i < n do begin"},
                                                           {"DO", "DO WHILE i < n"}};
const std::vector<std::pair<QString, QString>> loopFoot = {{"until i >= n;", "end;"},
                                                           {"LOOP UNTIL i >= n", "LOOP"}};

} // namespace

class TestT2008_3 : public QObject {
    Q_OBJECT
private slots:
    // The windows, for the paper's key.
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data() { listingFault_data(); }
    void superfluousCheck();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestT2008_3::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing prints the sum rightly for every n from 2 on and wrongly
// for n = 1 only.
void TestT2008_3::listingFault() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        QList<int> wrong;
        for (int n = 1; n <= 20; ++n)
            if (!near(printedNumber(language, source, n), sum(n)))
                wrong << n;
        QCOMPARE(wrong, QList<int>{1});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Taking out the check of s > 1 changes nothing the listing prints.
void TestT2008_3::superfluousCheck() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        const QString shorter = withoutLines(source, {checkLine[size_t(listing)]});
        QCOMPARE(shorter.count('\n'), source.count('\n') - 1);
        for (int n = 1; n <= 40; ++n)
            QCOMPARE(printedNumber(language, shorter, n), printedNumber(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the worked solution gives, the condition checked before the
// loop's body, makes each listing right for every n.
void TestT2008_3::fixOfTheSolution() {
    QFETCH(int, listing);
    const QString solution = task("С1").solution;
    const auto& [head, newHead] = loopHead[size_t(listing)];
    const auto& [foot, newFoot] = loopFoot[size_t(listing)];
    QVERIFY2(solution.contains(newHead.section(' ', 0, 2)), qPrintable(newHead));
    try {
        const QString fixed =
            replacedLine(replacedLine(::listing(listing), head, newHead), foot, newFoot);

        const auto language = listingLanguages[size_t(listing)];
        for (int n = 1; n <= 20; ++n)
            QVERIFY2(near(printedNumber(language, fixed, n), sum(n)),
                     qPrintable(QString::number(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n of the worked solution is one where both listings fail, and they
// print what the solution says.
void TestT2008_3::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const QStringList m =
            capture(t.solution, R"(n = (\d+):.* выводит (\d+\.\d+) вместо (\d+\.\d+))");
        const int n = int(number(m[0]));
        QCOMPARE(m[2].toDouble(), sum(n));
        for (size_t i = 0; i < 2; ++i) {
            const double out = printedNumber(listingLanguages[i], ::listing(int(i)), n);
            QVERIFY(!near(out, sum(n)));
            QCOMPARE(out, m[1].toDouble());
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner and a first move that leaves the other player lost.
void TestT2008_3::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = number(capture(w, R"(добавить в кучу (\d+) камень)")[0]);
        need(w.contains("втрое"), "the second move is not tripling");
        const qint64 goal = number(capture(w, R"((\d+) камней или больше)")[0]);
        const QStringList players = capture(w, R"(первый ход делает (\w+), второй — (\w+)\.)");
        const std::vector<bool> wins = moverWins(goal, [add](qint64 n) {
            return std::vector<qint64>{n + add, n * 3};
        });
        const QString winner = wins[size_t(start)] ? players[0] : players[1];
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        const qint64 move = number(capture(t.solution, R"(добавляет (\d+) камень \((\d+)\))")[0]);
        const qint64 after = number(capture(t.solution, R"(добавляет (\d+) камень \((\d+)\))")[1]);
        QCOMPARE(move, add);
        QCOMPARE(after, start + add);
        QVERIFY(after < goal && !wins[size_t(after)]);
        QVERIFY(wins[size_t(start * 3)]); // tripling first would hand the game over
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// Every letter of the key of B7 and B8 is one of their labels (B8's first
// read as the Cyrillic letter its Latin look-alike stands for), and the
// wording asks for Russian letters.
void TestT2008_3::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    QStringList labels = answerLabels(t);
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QVERIFY(wording(t).contains("русскими буквами"));
    const QString key =
        QString::fromUtf16(t2008_3->key().part2[size_t(zut::taskNumber(id) - 1)][1]);
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

ZUT_TEST_MAIN(TestT2008_3)
#include "tst_t2008_3.moc"
