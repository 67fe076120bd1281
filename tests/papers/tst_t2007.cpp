// What the 2007 paper needs beyond its tasks' checks (tst_tasks): the
// fragments in three languages are each of their own language, the С1
// listings fail exactly for their fault, the С3 game is won as the worked
// solution says, the pictures' cut-off strips are blank, and no option is
// given twice nor a word written in two alphabets.
#include "testmain.h"

#include "check/error.h"
#include "check/interpret.h"
#include "papertest.h"

#include "papercheck.h"
#include "shell/windowset.h"
#include "windows/start.h"

#include <QImage>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2007.yaml");
    return c;
}

namespace {

// А7: the fragment's lines, one column a language, as the drawn table shows them.
std::vector<QString> a7Fragments() {
    return tableColumns(element(task("А7"), Kind::Table));
}

std::vector<QString> a8Fragments() {
    const zut::TaskContent& t = task("А8");
    return {fieldText(t, "MA8b"), fieldText(t, "MA8P"), fieldText(t, "MA8A")};
}

// ---- С1: the three listings ------------------------------------------------

struct Listing {
    const char* name;
    ck::Language language;
    // The superfluous check, as the listing writes it, and the missing
    // condition added where the listing's other two stand.
    QStringList superfluous;
    const char* written;
    const char* fixed;
};
const Listing listings[] = {
    {"Memo10",
     ck::Language::Pascal,
     {"if a <= 0 then", "ok := false;"},
     "(b < a + c);",
     "(b < a + c) and (c < a + b);"},
    {"Memo11",
     ck::Language::Basic,
     {"IF A <= 0 THEN OK = 0"},
     "B < A + C THEN",
     "B < A + C AND C < A + B THEN"},
    {"Memo12",
     ck::Language::C,
     {"if (a <= 0)", "ok = 0;"},
     "(b < a + c);",
     "(b < a + c) && (c < a + b);"},
};

bool triangle(int a, int b, int c) {
    return a < b + c && b < a + c && c < a + b;
}

} // namespace

class TestT2007 : public QObject {
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
    void listingFault_data();
    void listingFault();
    void partThreeGame();
    void cutOffStripsAreBlank_data();
    void cutOffStripsAreBlank();
};

void TestT2007::everyTaskHasContent() {
    QCOMPARE(content().paper, "t2007");
    for (const zut::TaskContent& t : content().tasks) {
        QVERIFY2(!t.elements.empty(), qPrintable(t.id + " has no elements"));
        QVERIFY2(t.solution.size() > 40, qPrintable(t.id + " has no worked solution"));
    }
}

void TestT2007::threeLanguagesAgree_data() {
    QTest::addColumn<QString>("task");
    QTest::newRow("А7") << "А7";
    QTest::newRow("А8") << "А8";
}

// The fragments run in their own languages leave the same values, and
// each is a fragment of its language, not of another.
void TestT2007::threeLanguagesAgree() {
    QFETCH(QString, task);
    const std::vector<QString> texts = task == "А7" ? a7Fragments() : a8Fragments();
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

void TestT2007::listingFault_data() {
    QTest::addColumn<int>("listing");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(listings[i].name) << i;
}

// Each С1 listing fails exactly where the missing condition matters, its
// superfluous part changes nothing, and the fix makes it right.
void TestT2007::listingFault() {
    QFETCH(int, listing);
    const Listing& l = listings[listing];
    try {
        const QString source = fieldText(task("С1"), l.name);
        const QString pruned = withoutLines(source, l.superfluous);
        QVERIFY(source.contains(l.written));
        const QString fixed = QString(source).replace(l.written, l.fixed);
        int wrong = 0;
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= 6; ++b)
                for (int c = 1; c <= 6; ++c) {
                    const QString right = triangle(a, b, c) ? "можно" : "нельзя";
                    const QString shown = printed(l.language, source, a, b, c);
                    QVERIFY(shown == "можно" || shown == "нельзя");
                    if (shown != right) {
                        ++wrong;
                        QVERIFY2(c >= a + b, qPrintable(QString("wrong for %1 %2 %3, not a "
                                                                "fault of the missing check")
                                                            .arg(a)
                                                            .arg(b)
                                                            .arg(c)));
                    }
                    QCOMPARE(printed(l.language, pruned, a, b, c), shown);
                    QCOMPARE(printed(l.language, fixed, a, b, c), right);
                }
        QVERIFY(wrong > 0);
        // The example of the worked solution is one of the failing inputs.
        QCOMPARE(printed(l.language, source, 1, 1, 5), "можно");
        // The superfluous check does decide for a number that is not natural.
        QCOMPARE(printed(l.language, source, 0, 2, 3), "нельзя");
        QCOMPARE(printed(l.language, pruned, 0, 2, 3), "можно");
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2007::partThreeGame() {
    const QString t = wording(task("С3"));
    const int start = int(numberIn(t, R"(кучка из (\d+) камней)"));
    const int goal = int(numberIn(t, R"((\d+) камней или больше)"));
    const std::vector<bool> wins = moverWins(goal, [](qint64 n) {
        return std::vector<qint64>{n + 1, n + 4, n * 2};
    });
    QVERIFY(wins[size_t(start)]); // the first player, Петя, wins
    QStringList winning;
    const QStringList moves = {"один камень", "четыре камня", "удвоить"};
    const int after[] = {start + 1, start + 4, start * 2};
    for (int i = 0; i < 3; ++i)
        if (after[i] >= goal || !wins[size_t(after[i])])
            winning << moves[i];
    QCOMPARE(winning, QStringList{"четыре камня"});
    QVERIFY(task("С3").solution.contains("выигрывает Петя"));
    QVERIFY(task("С3").solution.contains("добавляет четыре камня"));
    QStringList losing;
    for (int n = 1; n < goal; ++n)
        if (!wins[size_t(n)])
            losing << QString::number(n);
    QVERIFY(task("С3").solution.contains(losing.join(", ")));
}

void TestT2007::cutOffStripsAreBlank_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("file");
    QTest::newRow("А11") << "А11"
                         << "t2007/a11.jpg";
    QTest::newRow("А12") << "А12"
                         << "t2007/a12.jpg";
    QTest::newRow("А16") << "А16"
                         << "t2007/a16.jpg";
}

// A JPEG larger than its rectangle loses only blank margin, and what the
// rectangle shows has ink.
void TestT2007::cutOffStripsAreBlank() {
    QFETCH(QString, id);
    QFETCH(QString, file);
    const auto pictures = elements(task(id), Kind::Picture);
    QCOMPARE(pictures.size(), size_t(1));
    const Element& e = *pictures.front();
    QCOMPARE(e.picture, file);
    const QImage image(":/pictures/" + file);
    QCOMPARE(image.size(), e.stored);
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

ZUT_TEST_MAIN(TestT2007)
#include "tst_t2007.moc"
