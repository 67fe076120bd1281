// What the 2008 paper, variant 4, needs beyond its tasks' checks
// (tst_tasks): the fragments in three languages are each of their own
// language, the С1 listings fail exactly for their fault, the С3 game is
// won as the worked solution says, the checks answer anew when a task's
// givens change (and refuse givens that admit no one answer), the cut-off
// strip of a picture is
// blank, the labels B7 and B8 ask for run from a, and no option is given
// twice nor a word written in two alphabets.
#include "testmain.h"

#include "check/error.h"
#include "check/interpret.h"
#include "check/taskcheck.h"
#include "papertest.h"

#include "papercheck.h"

#include <QImage>

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
    void everyTaskHasContent();
    void optionsDistinct_data() { addTaskRows("А", 20); }
    void optionsDistinct() {
        QFETCH(QString, id);
        checkOptionsDistinct(id);
    }
    void noMixedScriptWords() { checkNoMixedScriptWords(); }
    void threeLanguagesAgree_data();
    void threeLanguagesAgree();
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
    void changedGivens_data();
    void changedGivens();
    void cutOffStripIsBlank();
    void labelsFromA_data();
    void labelsFromA();
};

void TestT2008_4::everyTaskHasContent() {
    QCOMPARE(content().paper, "t2008_4");
    QCOMPARE(content().tasks.size(), size_t(32));
    for (const zut::TaskContent& t : content().tasks) {
        QVERIFY2(!t.elements.empty(), qPrintable(t.id + " has no elements"));
        QVERIFY2(t.solution.size() > 40, qPrintable(t.id + " has no worked solution"));
    }
}

void TestT2008_4::threeLanguagesAgree_data() {
    QTest::addColumn<QString>("task");
    QTest::newRow("А7") << "А7";
    QTest::newRow("А8") << "А8";
}

// The fragments run in their own languages leave the same values, and
// each is a fragment of its language, not of another.
void TestT2008_4::threeLanguagesAgree() {
    QFETCH(QString, task);
    try {
        const auto fragments = inThreeLanguages(columnTexts(element(::task(task), Kind::Programs)));
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

void TestT2008_4::changedGivens_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("answer"); // empty: the check must refuse
    const auto row = [](const char* name, const char* id, const char* given, QVariant value,
                        const char* answer) {
        QTest::newRow(name) << QString(id) << QString(given) << value << QString(answer);
    };
    row("А2 up to four", "А2", "most", "четырёх", "30");
    row("А5 another sum", "А5", "numbers", QStringList{"11011_2", "2E_16"}, "111");
    row("А9 true for three", "А9", "truth", "истинно", "");
    row("А12 of 7 km", "А12", "length", "7", "2");
    row("А12 of 6 km", "А12", "length", "6", "4");
    row("А12 of 5 km", "А12", "length", "5", "");
    row("А13 word reversed", "А13", "word", "АДУР", "1E");
    row("А14 less by 2", "А14", "less", "2", "К8М6");
    row("А15 three up", "А15", "up", "три", "C:\\Информатика\\Проекты");
    row("А15 above the disk", "А15", "up", "четыре", "");
    row("А16 third", "А16", "place", "третьем", "181");
    row("А16 first of a tie", "А16", "place", "первом", "103");
    row("А17 to 4 colours", "А17", "after", "4", "4");
    row("А17 to 8 colours", "А17", "after", "8", "");
    row("А20 one line less", "А20", "program",
        QStringList{"вправо 3, запиши", "вверх 2, запиши", "влево 4, запиши", "вниз 3, запиши",
                    "вправо 6, запиши"},
        "ЛОГИК");
    row("А20 off the field", "А20", "program", QStringList{"вверх 3, запиши"}, "");
    row("B1 another writing", "B1", "writing", "321", "4");
    row("B2 true", "B2", "truth", "истинно", "");
    row("B3 wrong example", "B3", "exampleTo", "34", "");
    row("B4 another guess", "B4", "guessPlaces", QStringList{"5", "3", "4"}, "");
    row("B5 twenty seconds", "B5", "seconds", "20", "16");
    row("B5 no whole pages", "B5", "bits", "7", "");
    row("B6 fifth", "B6", "which", "пятой", "16");
    row("B6 a string off the rule", "B6", "strings", QStringList{"АБ", "АБ2АБ", "АБ2АБ3АБ"}, "");
    row("B7 no such address", "B7", "file", "spisok.net", "");
}

// The task's check run with one given changed finds the answer those
// givens make, or refuses them.
void TestT2008_4::changedGivens() {
    QFETCH(QString, id);
    QFETCH(QString, given);
    QFETCH(QVariant, value);
    QFETCH(QString, answer);
    zut::TaskContent changed = task(id);
    QVERIFY(changed.givens.contains(given));
    changed.givens[given] = value;
    try {
        const QString found = ck::runCheck(changed).answer;
        QVERIFY2(!answer.isEmpty(), qPrintable("answered " + found));
        QCOMPARE(found, answer);
    } catch (const ck::CheckError& e) {
        QVERIFY2(answer.isEmpty(), qPrintable(e.message()));
    }
}

// А16's picture is stored taller than its rectangle: it loses only blank
// margin, and what the rectangle shows has ink.
void TestT2008_4::cutOffStripIsBlank() {
    const auto pictures = elements(task("А16"), Kind::Picture);
    QCOMPARE(pictures.size(), size_t(1));
    const Element& e = *pictures.front();
    const QImage image(":/pictures/" + e.picture);
    QCOMPARE(image.size(), e.stored);
    QVERIFY(image.height() > e.rect.height());
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

void TestT2008_4::labelsFromA_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Latin small letters from a on, as
// their wordings say.
void TestT2008_4::labelsFromA() {
    QFETCH(QString, id);
    const QStringList labels = answerLabels(task(id));
    QVERIFY(labels.size() >= 4);
    QCOMPARE(labels.join(""), lettersFrom(u'a', labels.size()));
}

ZUT_TEST_MAIN(TestT2008_4)
#include "tst_t2008_4.moc"
