// What the 2008 paper, variant 2, needs beyond its tasks' checks
// (tst_tasks): the fragments in three languages agree and are each of their
// own language, the С1 listings fail exactly for their fault, the С3 game is
// won as the worked solution says, the labels of B7 and B8 run in their
// alphabet, the pictures' cut-off strips are blank, and no option is given
// twice nor a word written in two alphabets.
#include "testmain.h"

#include "check/error.h"
#include "check/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <QImage>
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
    void everyTaskHasContent();
    void optionsDistinct_data() { addTaskRows("А", 20); }
    void optionsDistinct() {
        QFETCH(QString, id);
        checkOptionsDistinct(id);
    }
    void noMixedScriptWords() { checkNoMixedScriptWords(); }
    void threeLanguagesAgree_data();
    void threeLanguagesAgree();
    void a7HasNoCommentRow();
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheirAlphabet_data();
    void labelsInTheirAlphabet();
    void cutOffStripsAreBlank_data();
    void cutOffStripsAreBlank();
};

void TestT2008_2::everyTaskHasContent() {
    QCOMPARE(content().paper, "t2008_2");
    QCOMPARE(content().tasks.size(), size_t(32));
    for (const zut::TaskContent& t : content().tasks) {
        QVERIFY2(!t.elements.empty(), qPrintable(t.id + " has no elements"));
        QVERIFY2(t.solution.size() > 40, qPrintable(t.id + " has no worked solution"));
    }
}

void TestT2008_2::threeLanguagesAgree_data() {
    QTest::addColumn<QString>("task");
    QTest::newRow("А7") << "А7";
    QTest::newRow("А8") << "А8";
}

// The fragments run in their own languages leave the same values, and
// each is a fragment of its language, not of another.
void TestT2008_2::threeLanguagesAgree() {
    QFETCH(QString, task);
    const zut::TaskContent& t = ::task(task);
    const std::vector<QString> texts =
        task == "А7" ? tableColumns(element(t, Kind::Table))
                     : std::vector<QString>{fieldText(t, "MA8b"), fieldText(t, "MA8P"),
                                            fieldText(t, "MA8A")};
    QCOMPARE(texts.size(), size_t(3));
    try {
        const auto fragments = inThreeLanguages(texts);
        const ck::Comparison c = ck::runAll(fragments);
        QVERIFY2(c.agree(), qPrintable(c.differences.join("; ")));
        for (const auto& [language, text] : fragments)
            for (const auto& [other, otherText] : fragments)
                if (other != language) {
                    bool rejected = false;
                    try {
                        ck::run(other, text);
                    } catch (const ck::CheckError&) {
                        rejected = true;
                    }
                    QVERIFY2(rejected,
                             qPrintable(ck::languageName(language) + " text is also valid " +
                                        ck::languageName(other)));
                }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

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

void TestT2008_2::labelsInTheirAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("first");
    QTest::newRow("B7") << "B7" << int('a');
    QTest::newRow("B8") << "B8" << 0x0410; // Cyrillic А
}

// The labels B7 and B8 ask for run from their first letter on (B8's first
// written with its Latin look-alike, which the student types as the
// Cyrillic letter).
void TestT2008_2::labelsInTheirAlphabet() {
    QFETCH(QString, id);
    QFETCH(int, first);
    QStringList labels = answerLabels(task(id));
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.join(""), lettersFrom(QChar(char16_t(first)), labels.size()));
}

void TestT2008_2::cutOffStripsAreBlank_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("file");
    QTest::newRow("А16") << "А16" << 0 << "t2008_2/a16.jpg";
    QTest::newRow("А19") << "А19" << 0 << "t2008_2/a19.jpg";
    QTest::newRow("А19 3)") << "А19" << 3 << "t2008_2/a19-3.jpg";
}

// A JPEG taller or wider than its rectangle loses only blank margin, and
// what the rectangle shows has ink.
void TestT2008_2::cutOffStripsAreBlank() {
    QFETCH(QString, id);
    QFETCH(int, n);
    QFETCH(QString, file);
    const Element& e = picture(task(id), n);
    QCOMPARE(e.picture, file);
    const QImage image(":/pictures/" + file);
    QCOMPARE(image.size(), e.stored);
    QVERIFY(image.width() > e.rect.width() || image.height() > e.rect.height());
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool dark = qGray(image.pixel(x, y)) < 160;
            if (x >= e.rect.width() || y >= e.rect.height())
                QVERIFY2(!dark, qPrintable(QString("ink cut off at %1, %2").arg(x).arg(y)));
            else
                ink += dark;
        }
    QVERIFY(ink > 100);
}

ZUT_TEST_MAIN(TestT2008_2)
#include "tst_t2008_2.moc"
