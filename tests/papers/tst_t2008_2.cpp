// What the 2008 paper, variant 2, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): А7's table has no comment row, the С1 listings fail
// exactly for their fault, and the С3 game is won as the worked solution
// says.
#include "testmain.h"

#include "check/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <QRegularExpression>

#include <functional>
#include <map>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_2.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

bool leap(qint64 n) {
    return (n % 4 == 0 && n % 100 != 0) || n % 400 == 0;
}

// The lines of each listing that make its check of evenness: the check
// (the first line that reads so), and its "else" branch (the last lines
// that read so).
struct CheckLines {
    QString check;
    QStringList last;
};
const std::vector<CheckLines> evennessLines = {
    {"if n mod 2 = 0 then", {"else", "writeln('нет')"}},
    {"IF n MOD 2 = 0 THEN", {"ELSE", "PRINT \"нет\"", "END IF"}},
};

} // namespace

class TestT2008_2 : public QObject {
    Q_OBJECT
private slots:
    void a7HasNoCommentRow();
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
};

// This paper's А7 table holds only the fragment: no line of any column is
// a comment of its language.
void TestT2008_2::a7HasNoCommentRow() {
    try {
        const std::vector<QString> columns = tableColumns(element(task("А7"), Kind::Table));
        const QStringList comments = {"'", "REM", "{", "(*", "//", "|"};
        for (const QString& column : columns)
            for (const QString& line : column.split('\n'))
                for (const QString& c : comments)
                    QVERIFY2(!line.trimmed().startsWith(c), qPrintable(line));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Over the years 1 … 2500 each listing answers rightly except for the
// years divisible by 400, and for every one of those it says «нет».
void TestT2008_2::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int wrong = 0;
    try {
        for (qint64 n = 1; n <= 2500; ++n) {
            const QString out = printed(language, source, n);
            if (n % 400 == 0) {
                QCOMPARE(out, QString("нет"));
                ++wrong;
            } else {
                QVERIFY2(out == (leap(n) ? "да" : "нет"),
                         qPrintable(QString("%1: %2").arg(n).arg(out)));
            }
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QCOMPARE(wrong, 6);
}

// Taking out the check of evenness with its «else» branch changes nothing
// the listing prints.
void TestT2008_2::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutLines(source, {evennessLines[size_t(listing)].check},
                                             evennessLines[size_t(listing)].last);

        QCOMPARE(shorter.count('\n'),
                 source.count('\n') - 1 - evennessLines[size_t(listing)].last.size());
        for (qint64 n = 1; n <= 2500; ++n)
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The year the worked solution gives is a leap year, and both listings
// answer «нет» for it.
void TestT2008_2::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const qint64 n = number(capture(t.solution, R"(n = (\d+))")[0]);
        QVERIFY(leap(n));
        for (size_t i = 0; i < listingLanguages.size(); ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), n), QString("нет"));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game on two heaps played out from its wording; the worked
// solution names the winner, and every reply it names leaves the opponent
// a lost position or wins at once.
void TestT2008_2::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const QStringList heaps = capture(w, R"(в первой (\d+) камн\w*, во второй (\d+))");
        need(w.contains("добавить один камень в одну из кучек"), "another first move");
        need(w.contains("увеличить вдвое число камней в одной из кучек"), "another second move");
        const qint64 goal = number(capture(w, R"(вместе окажется не меньше (\d+) камней)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
        auto moves = [](qint64 a, qint64 b) {
            return std::vector<std::pair<qint64, qint64>>{
                {a + 1, b}, {a, b + 1}, {a * 2, b}, {a, b * 2}};
        };
        std::map<std::pair<qint64, qint64>, bool> memo;
        std::function<bool(qint64, qint64)> wins = [&](qint64 a, qint64 b) {
            const auto key = std::make_pair(a, b);
            if (auto it = memo.find(key); it != memo.end())
                return it->second;
            bool w = false;
            for (auto [x, y] : moves(a, b))
                if (x + y >= goal || !wins(x, y))
                    w = true;
            memo[key] = w;
            return w;
        };
        const qint64 a = number(heaps[0]), b = number(heaps[1]);
        const QString winner = wins(a, b) ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        // The positions "(x, y)" of the solution after "отвечает позицией"
        // are lost for the one to move.
        for (const auto& m : rx(R"(позицией \((\d+), (\d+)\))").globalMatch(t.solution))
            QVERIFY2(!wins(number(m.captured(1)), number(m.captured(2))), qPrintable(m.captured()));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

ZUT_TEST_MAIN(TestT2008_2)
#include "tst_t2008_2.moc"
