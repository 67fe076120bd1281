// What the 2008 paper, variant 1, needs beyond its tasks' checks
// (tst_tasks): the fragments in three languages agree and are each of their
// own language, the С1 listings fail exactly for their fault, the С3 game
// is won as the worked solution says, the answer labels of B7 and B8 run
// from А, the pictures' cut-off strips are blank, and no option is given
// twice nor a word written in two alphabets.
#include "testmain.h"

#include "check/error.h"
#include "check/interpret.h"
#include "check/taskcheck.h"
#include "papertest.h"

#include "papercheck.h"

#include <QImage>

#include <stdexcept>
#include <vector>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_1.yaml");
    return c;
}

namespace {

// ---- С1: the three listings ------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic,
                                                    ck::Language::C};

// The lines of each listing that make its check of y <= 3: the check, its
// "else" and what that branch prints (in Basic also one END IF).
const std::vector<QStringList> checkLines = {
    {"if y <= 3 then", "else", "writeln('не принадлежит')"},
    {"IF y <= 3 THEN", "ELSE", "PRINT \"не принадлежит\"", "END IF"},
    {"if (y <= 3)", "else", "printf(\"не принадлежит\\n\");"},
};

bool inside(double x, double y) {
    return x >= 0 && y >= 0 && x * x + y * y <= 9;
}

} // namespace

class TestT2008_1 : public QObject {
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
    void labelsFromTheFirstLetter_data();
    void labelsFromTheFirstLetter();
    void cutOffStripsAreBlank_data();
    void cutOffStripsAreBlank();
    void checksFollowTheirGivens_data();
    void checksFollowTheirGivens();
};

void TestT2008_1::everyTaskHasContent() {
    QCOMPARE(content().paper, "t2008_1");
    QCOMPARE(content().tasks.size(), size_t(32));
    for (const zut::TaskContent& t : content().tasks) {
        QVERIFY2(!t.elements.empty(), qPrintable(t.id + " has no elements"));
        QVERIFY2(t.solution.size() > 40, qPrintable(t.id + " has no worked solution"));
    }
}

void TestT2008_1::threeLanguagesAgree_data() {
    QTest::addColumn<QString>("task");
    QTest::newRow("А7") << "А7";
    QTest::newRow("А8") << "А8";
}

// The fragments run in their own languages leave the same values, and
// each is a fragment of its language, not of another.
void TestT2008_1::threeLanguagesAgree() {
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

void TestT2008_1::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
    QTest::newRow("Си") << 2;
}

// Over a grid of points each listing either answers rightly or prints
// nothing; it prints nothing for some point outside the region, and never
// for one inside.
void TestT2008_1::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0;
    try {
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5) {
                const QString out = printed(language, source, x, y);
                const QString expected = inside(x, y) ? "принадлежит" : "не принадлежит";
                if (out.isEmpty() && !inside(x, y))
                    ++silent;
                else
                    QVERIFY2(out == expected,
                             qPrintable(QString("(%1, %2): %3").arg(x).arg(y).arg(out)));
            }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
}

// Taking out the check of y <= 3 with its branch, which never runs, changes
// nothing the listing prints.
void TestT2008_1::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutLines(source, checkLines[size_t(listing)]);

        QVERIFY(shorter.count('\n') < source.count('\n'));
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5)
                QCOMPARE(printed(language, shorter, x, y), printed(language, source, x, y));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The point the worked solution gives lies outside the region, and every
// listing prints nothing for it.
void TestT2008_1::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const QStringList m = capture(t.solution, R"(x = (−?\d+), y = (−?\d+))");
        const double x = double(number(m[0])), y = double(number(m[1]));
        QVERIFY(!inside(x, y));
        for (size_t i = 0; i < 3; ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), x, y), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner.
void TestT2008_1::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = number(capture(w, R"(добавить в кучу (\d+) камн)")[0]);
        need(w.contains("вдвое"), "the second move is not doubling");
        const qint64 goal = number(capture(w, R"((\d+) камня или больше)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
        const std::vector<bool> wins = moverWins(goal, [add](qint64 n) {
            return std::vector<qint64>{n + add, n * 2};
        });
        const QString winner = wins[size_t(start)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_1::labelsFromTheFirstLetter_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Cyrillic capitals from А on, B8's
// first written with its Latin look-alike.
void TestT2008_1::labelsFromTheFirstLetter() {
    QFETCH(QString, id);
    QStringList labels = answerLabels(task(id));
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.join(""), lettersFrom(u'А', labels.size()));
}

void TestT2008_1::cutOffStripsAreBlank_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("file");
    QTest::newRow("А18") << "А18" << 0 << "t2008_1/a18.jpg";
    QTest::newRow("А19 sheet") << "А19" << 0 << "t2008_1/a19.jpg";
    for (int k = 1; k <= 4; ++k)
        QTest::newRow(qPrintable(QString("А19 chart %1").arg(k)))
            << "А19" << k << QString("t2008_1/a19-%1.jpg").arg(k);
    QTest::newRow("А20") << "А20" << 0 << "t2008_1/a20.jpg";
}

// A JPEG larger than its rectangle loses only blank margin, and what the
// rectangle shows has ink.
void TestT2008_1::cutOffStripsAreBlank() {
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

void TestT2008_1::checksFollowTheirGivens_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("answer"); // empty: the check must refuse
    QTest::newRow("А2 one signal past 3^4") << "А2"
                                            << "signals" << QVariant("82") << "5";
    QTest::newRow("А5 other bases") << "А5"
                                    << "numbers" << QVariant(QStringList{"10_2", "10_16"}) << "18";
    QTest::newRow("А9 false for three") << "А9"
                                        << "truth" << QVariant("ложно") << "";
    QTest::newRow("А12 no stop") << "А12"
                                 << "stop" << QVariant("0") << "75";
    QTest::newRow("А12 no whole minutes")
        << "А12"
        << "speeds" << QVariant(QStringList{"60", "45", "70"}) << "";
    QTest::newRow("А14 two yellow fit two") << "А14"
                                            << "most" << QVariant("двух") << "";
    QTest::newRow("А16 no ИЛИ") << "А16"
                                << "condition" << QVariant("(Класс = 11) И (Информатика > 70)")
                                << "2";
    QTest::newRow("А17 256 colours") << "А17"
                                     << "colours" << QVariant("256") << "163840";
    QTest::newRow("А18 another cell") << "А18"
                                      << "cell" << QVariant("B2") << "6";
    QTest::newRow("А19 not one row") << "А19"
                                     << "last" << QVariant("C1") << "";
    QTest::newRow("А20 stopped by walls") << "А20"
                                          << "start" << QVariant("a5") << "a5";
    QTest::newRow("А20 into a wall") << "А20"
                                     << "start" << QVariant("b5") << "";
    QTest::newRow("B2 equal to 0") << "B2"
                                   << "value" << QVariant("0") << "6";
    QTest::newRow("B3 too few commands") << "B3"
                                         << "most" << QVariant("четырёх") << "";
    QTest::newRow("B5 64 seconds") << "B5"
                                   << "seconds" << QVariant("4") << "500";
    QTest::newRow("B5 no whole Kbytes") << "B5"
                                        << "seconds" << QVariant("0") << "";
    QTest::newRow("B6 fifth chain") << "B6"
                                    << "which" << QVariant("пятой") << "31";
}

// A task's check run on other givens than the paper's computes from them,
// and refuses what has no one answer.
void TestT2008_1::checksFollowTheirGivens() {
    QFETCH(QString, id);
    QFETCH(QString, given);
    QFETCH(QVariant, value);
    QFETCH(QString, answer);
    zut::TaskContent t = task(id);
    QVERIFY(t.givens.contains(given));
    t.givens[given] = value;
    try {
        const QString found = ck::runCheck(t).answer;
        QVERIFY2(!answer.isEmpty(), qPrintable("the check found " + found));
        QCOMPARE(found, answer);
    } catch (const ck::CheckError& e) {
        QVERIFY2(answer.isEmpty(), qPrintable(e.message()));
    }
}

ZUT_TEST_MAIN(TestT2008_1)
#include "tst_t2008_1.moc"
