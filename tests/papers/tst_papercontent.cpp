// SPDX-License-Identifier: GPL-3.0-or-later
// What every paper's content must satisfy, checked the same way over the
// eight papers: each task has its elements and a worked solution, Part 1's
// options are distinct, no word mixes Cyrillic and Latin letters, every
// fragment in three languages runs alike in each and is rejected by the
// others, the strips cut off pictures larger than their rectangle are
// blank, the labels B7 and B8 ask for run from the first letter of their
// alphabet, and a task's check follows other givens than the paper's. A
// paper's own test, tst_<paper>.cpp, keeps what is its
// alone.
#include "testmain.h"

#include "taskcheck/error.h"
#include "taskcheck/taskcheck.h"
#include "papertest.h"

#include "papercheck.h"

#include <QImage>

#include <map>
#include <optional>

namespace {

const zut::PaperContent& contentOf(const QString& paper) {
    static std::map<QString, zut::PaperContent> read;
    if (!read.contains(paper))
        read[paper] = zut::readContent(":/papers/" + paper + ".yaml");
    return read.at(paper);
}

const zut::TaskContent& taskOf(const QString& paper, const QString& id) {
    for (const zut::TaskContent& t : contentOf(paper).tasks)
        if (t.id == id)
            return t;
    qFatal("%s has no task %s", qPrintable(paper), qPrintable(id));
}

// Pictures whose cut-off strip has ink in the content as it stands, each
// with what is lost; the strip must stay as it is for the rest.
const std::map<QString, const char*> inkCutOff = {};

// The data column every row has: the paper's name.
void addPaperColumn() {
    QTest::addColumn<QString>("paper");
}

// The fragments in three languages of a task: each Programs element's
// fields and each drawn table of three columns.
std::vector<std::vector<QString>> threeLanguageFragments(const zut::TaskContent& t) {
    std::vector<std::vector<QString>> out;
    zut::walkElements(t.elements, [&](const auto& e) {
        using E = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<E, ProgramsElement>)
            out.push_back(columnTexts(e));
        if constexpr (std::is_same_v<E, TableElement>)
            if (e.columnRules.size() == 2)
                out.push_back(tableColumns(e));
    });
    return out;
}

} // namespace

class TestPaperContent : public QObject {
    Q_OBJECT
private slots:
    void everyTaskHasContent_data();
    void everyTaskHasContent();
    void optionsDistinct_data();
    void optionsDistinct();
    void noMixedScriptWords_data() { everyTaskHasContent_data(); }
    void noMixedScriptWords();
    void threeLanguagesAgree_data();
    void threeLanguagesAgree();
    void cutOffStripsAreBlank_data();
    void cutOffStripsAreBlank();
    void labelsFromTheFirstLetter_data();
    void labelsFromTheFirstLetter();
    void checksFollowTheirGivens_data();
    void checksFollowTheirGivens();
};

void TestPaperContent::everyTaskHasContent_data() {
    addPaperColumn();
    for (const char* paper : paperNames)
        QTest::newRow(paper) << QString(paper);
}

// The 20 + 8 marked tasks and С1 … С4, each with elements and a worked
// solution.
void TestPaperContent::everyTaskHasContent() {
    QFETCH(QString, paper);
    const zut::PaperContent& c = contentOf(paper);
    QCOMPARE(c.paper, paper);
    QCOMPARE(c.tasks.size(), size_t(32));
    for (const zut::TaskContent& t : c.tasks) {
        QVERIFY2(!t.elements.empty(), qPrintable(t.id + " has no elements"));
        QVERIFY2(t.solution.size() > 40, qPrintable(t.id + " has no worked solution"));
    }
}

void TestPaperContent::optionsDistinct_data() {
    addPaperColumn();
    QTest::addColumn<QString>("id");
    for (const char* paper : paperNames)
        for (int n = 1; n <= 20; ++n)
            QTest::addRow("%s А%d", paper, n) << QString(paper) << QString("А%1").arg(n);
}

// A Part 1 task has four options, no two the same.
void TestPaperContent::optionsDistinct() {
    QFETCH(QString, paper);
    QFETCH(QString, id);
    try {
        QStringList o = options(taskOf(paper, id));
        QCOMPARE(o.size(), 4);
        o.removeDuplicates();
        QCOMPARE(o.size(), 4);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// No word of the paper mixes Cyrillic and Latin letters (a look-alike
// typed in the wrong alphabet).
void TestPaperContent::noMixedScriptWords() {
    QFETCH(QString, paper);
    QStringList all;
    const auto words = [&](const auto& e) {
        using E = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<E, TextElement> || std::is_same_v<E, FieldElement>)
            all << e.text;
        if constexpr (std::is_same_v<E, AnswersElement>)
            all << e.options;
        if constexpr (std::is_same_v<E, TableElement>)
            for (const TableElement::Cell& c : e.cells)
                all << c.text;
        if constexpr (std::is_same_v<E, ProgramsElement>)
            all << e.heading << e.headings;
        if constexpr (std::is_same_v<E, ListingsElement>)
            all << e.headings;
    };
    for (const zut::TaskContent& t : contentOf(paper).tasks)
        zut::walkElements(t.elements, words);
    QVERIFY(all.size() > 100);
    static const QRegularExpression word = rx(R"(\w+)");
    for (const QString& text : all)
        for (const auto& m : word.globalMatch(text)) {
            const QString w = m.captured();
            bool cyrillic = false, latin = false;
            for (QChar c : w) {
                cyrillic = cyrillic || (c.script() == QChar::Script_Cyrillic);
                latin = latin || (c.script() == QChar::Script_Latin);
            }
            QVERIFY2(!(cyrillic && latin), qPrintable(w));
        }
}

void TestPaperContent::threeLanguagesAgree_data() {
    addPaperColumn();
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("n");
    for (const char* paper : paperNames) {
        int found = 0;
        for (const zut::TaskContent& t : contentOf(paper).tasks) {
            const auto fragments = threeLanguageFragments(t);
            for (size_t n = 0; n < fragments.size(); ++n, ++found)
                QTest::addRow("%s %s %zu", paper, qPrintable(t.id), n)
                    << QString(paper) << t.id << int(n);
        }
        // А7 and А8 of every paper are written in three languages.
        if (found < 2)
            qFatal("%s has %d fragments in three languages", paper, found);
    }
}

// The fragments run in their own languages leave the same values, and
// each is a fragment of its language, not of another.
void TestPaperContent::threeLanguagesAgree() {
    QFETCH(QString, paper);
    QFETCH(QString, id);
    QFETCH(int, n);
    try {
        const auto fragments =
            inThreeLanguages(threeLanguageFragments(taskOf(paper, id))[size_t(n)]);
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

void TestPaperContent::cutOffStripsAreBlank_data() {
    addPaperColumn();
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("n");
    for (const char* paper : paperNames)
        for (const zut::TaskContent& t : contentOf(paper).tasks) {
            const auto pictures = all<PictureElement>(t);
            for (size_t n = 0; n < pictures.size(); ++n) {
                const PictureElement& e = *pictures[n];
                if (e.format == "jpeg" && !e.fit &&
                    (e.stored.width() > e.rect.width() || e.stored.height() > e.rect.height()))
                    QTest::addRow("%s", qPrintable(e.file)) << QString(paper) << t.id << int(n);
            }
        }
}

// A JPEG larger than its rectangle loses only blank margin, and what the
// rectangle shows has ink.
void TestPaperContent::cutOffStripsAreBlank() {
    QFETCH(QString, paper);
    QFETCH(QString, id);
    QFETCH(int, n);
    const PictureElement& e = picture(taskOf(paper, id), n);
    const QImage image(":/pictures/" + e.file);
    QCOMPARE(image.size(), e.stored);
    int ink = 0;
    std::optional<QPoint> cutOff;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool dark = qGray(image.pixel(x, y)) < 160;
            if (x < e.rect.width() && y < e.rect.height())
                ink += dark;
            else if (dark && !cutOff)
                cutOff = QPoint(x, y);
        }
    QVERIFY(ink > 100);
    if (const auto known = inkCutOff.find(e.file); known != inkCutOff.end())
        QEXPECT_FAIL("", known->second, Abort);
    QVERIFY2(!cutOff,
             qPrintable(QString("ink cut off at %1, %2").arg(cutOff->x()).arg(cutOff->y())));
}

void TestPaperContent::labelsFromTheFirstLetter_data() {
    addPaperColumn();
    QTest::addColumn<QString>("id");
    QTest::addColumn<QChar>("first");
    // The Cyrillic capitals of a B8 whose first label is written with its
    // Latin look-alike A, as the student types it.
    QTest::addColumn<bool>("lookAlike");
    const struct {
        const char* paper;
        char16_t b7, b8;
        bool lookAlike;
    } papers[] = {
        {"t2008_1", u'А', u'А', true},  {"t2008_2", u'a', u'А', true},
        {"t2008_3", u'А', u'А', true},  {"t2008_4", u'a', u'a', false},
        {"t2008_5", u'a', u'a', false}, {"t2008_6", u'А', u'А', true},
        {"t2008_7", u'A', u'a', false},
    };
    for (const auto& p : papers) {
        QTest::addRow("%s B7", p.paper) << QString(p.paper) << "B7" << QChar(p.b7) << false;
        QTest::addRow("%s B8", p.paper) << QString(p.paper) << "B8" << QChar(p.b8) << p.lookAlike;
    }
}

// The labels B7 and B8 ask the answer in run from the first letter of
// their alphabet.
void TestPaperContent::labelsFromTheFirstLetter() {
    QFETCH(QString, paper);
    QFETCH(QString, id);
    QFETCH(QChar, first);
    QFETCH(bool, lookAlike);
    QStringList labels = answerLabels(taskOf(paper, id));
    QVERIFY(labels.size() >= 4);
    if (lookAlike) {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.join(""), lettersFrom(first, labels.size()));
}

void TestPaperContent::checksFollowTheirGivens_data() {
    addPaperColumn();
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("given");
    // A list given may be written as its items joined by "|".
    QTest::addColumn<QVariant>("value");
    // Empty: the check must refuse; "!…": refuse, saying ….
    QTest::addColumn<QString>("answer");
    const auto row5 = [](const char* name, const char* id, const char* given, QVariant value,
                         const char* answer) {
        QTest::addRow("t2008_5 %s", name)
            << QString("t2008_5") << QString(id) << QString(given) << value << QString(answer);
    };
    row5("А1 more than two bytes a character", "А1", "kbytes", "8", "!no whole number");
    row5("А1 more characters than bytes", "А1", "characters", "7000", "!no whole number");
    row5("А3 differences wider than the readings", "А3", "dhigh", "+1000", "!no readings worth");
    row5("А3 no fall between readings", "А3", "dlow", "0", "!no readings worth");
    row5("А9 true", "А9", "truth", "истинно", "!истинно for R962, N5FD, V38L");
    row5("А16 four records fit two sorts", "А16", "first",
         "«Робототехника»|«Первые программы»|«Звёздное небо»|«Птицы наших лесов»",
         "!2 options fit");
    row5("А18 copied one row less", "А18", "to", "F6", "!option 3 is not the slip");
    // For 8А the bar decides (31), and half of the old whole is 8 above
    // its own, not option 2's 26.
    row5("А19 another class", "А19", "team", "8А", "!option 2 is not the slip");
    // 5,2 is 5 + 2/b, two base-6 places when b divides 72; in 1,1 no digit
    // rules out a base that 1/36 admits.
    row5("B1 two after the comma", "B1", "record", "5,2", "6,8,9,12,18,24,36,72");
    row5("B1 digits that bound nothing", "B1", "record", "1,1", "!bound nothing");
    row5("B2 the bound moved", "B2", "formula", "¬((X > 5) ∨ (X < −2)) ∧ ((X > 1) ∨ (X < −1))",
         "5");
    // Eight line bits a byte: 393,75 Кбайт, no whole answer.
    // Глеб's half of the third statement changed: another answer, five
    // answers, or a property the check cannot read.
    row5("B4 Глеб's divisible by 5", "B4", "what",
         "не делится на 5|больше, чем у Ани|меньше 60|меньше, чем у Глеба|нечётный|делится на 5",
         "57106534");
    row5("B4 Глеб's above 50", "B4", "what",
         "не делится на 5|больше, чем у Ани|меньше 60|меньше, чем у Глеба|нечётный|больше 50",
         "!5 solutions");
    row5("B4 a property not known", "B4", "what",
         "не делится на 5|больше, чем у Ани|меньше 60|меньше, чем у Глеба|простой|меньше 50",
         "!a property not known");
    row5("B5 no framing bits", "B5", "lineBits", "8", "!no whole number");
    row5("B6 the last digit of 185", "B6", "position", "56", "5");
    row5("B6 the first digit of 218", "B6", "position", "60", "2");
    row5("B6 a place in a string shown", "B6", "position", "9", "!in a string shown");
    row5("B6 a place past string 30", "B6", "position", "200", "!shorter than the position");
    row5("B6 a string off the rule", "B6", "chains", "1|11|112|1124|11248|1124832", "!string 6");
    row5("B7 another file", "B7", "file", "trassa.html", "");
    row5("B8 descending", "B8", "order", "убывания", "adcb");
    const auto row7 = [](const char* name, const char* id, const char* given, QVariant value,
                         const char* answer) {
        QTest::addRow("t2008_7 %s", name)
            << QString("t2008_7") << QString(id) << QString(given) << value << QString(answer);
    };
    // А1's date must be letters with separators, А5's second term must
    // stand for the difference in exactly one base.
    row7("А1 a date without separators", "А1", "date", "ДДММГГГГ",
         "!not letters with separators");
    row7("А5 no base fits", "А5", "digits", "24", "!0 bases fit, not one");
    // 1200 runners need four digits a number: the text log is refused.
    row7("А3 numbers longer than their digits", "А3", "participants", "1200",
         "!do not fit their digits");
    row7("А9 true for three", "А9", "truth", "истинно", "!истинно for 13, 10, 9");
    // No option's move gives D:\Архив\Сайт\img\logo.gif.
    row7("А15 a name no move gives", "А15", "became", "D:\\Архив\\Сайт\\img\\logo.gif",
         "!0 options fit");
    row7("А15 the name unchanged", "А15", "became", "D:\\Работы\\Сайт\\img\\logo.gif",
         "!did not change");
    // 4 in B1 again: no bar moves; 4 is not what A1 holds.
    row7("А19 the same number again", "А19", "now", "4", "не изменится ни один столбик");
    row7("А19 another cell", "А19", "cell", "A1", "!does not hold the number");
    // Six digits: no option is a code of that length.
    row7("А14 six digits", "А14", "length", "6", "");
    // 36 = 100 in base 6: a divisor whose record repeats a digit drops out.
    // 300 is 3b²: 1440 = 3 · 480 keeps b² | 480, so 4 alone above the
    // digit 3; 75 = 3 · 25 needs no bound (300 in bases 2 and 3 fails).
    row7("B1 1440 keeps base 4", "B1", "value", "1440", "4");
    row7("B1 no base below the digit", "B1", "value", "75", "!bound nothing");
    // The second bound from 8 on leaves the even X up to 6; from 5 on
    // (≥) it turns true right after 4, and settles the answer alone.
    row7("B2 the second bound moved", "B2", "statements",
         QStringList{"4 · X − 5 > 2 · X", "3 · X > X + 14", "X\u00A0— нечётное число"}, "6");
    row7("B2 a loose second bound", "B2", "statements",
         QStringList{"4 · X − 5 > 2 · X", "3 · X ≥ X + 10", "X\u00A0— нечётное число"},
         "!one statement alone");
    row7("B3 one addition fewer", "B3", "to", "171", "2211");
    row7("B3 three programs", "B3", "to", "692", "!3 programs");
    row7("B3 the example does not arrive", "B3", "exampleTo", "353", "!the example program");
    // One half of a guess changed: the masks move, the fox's among them;
    // two ways or none fit; a half of another form; a mask not brought.
    const QString costumes = "Гоша в маске медведя, а Даша\u00A0— в маске енота",
                  bear = "Юра в маске медведя, а маску лисы никто не надел",
                  wolf = "Гоша не в маске волка, а Юра не в маске енота";
    row7("B4 Нина's second half about Даша", "B4", "guesses",
         QStringList{costumes, bear, "Гоша не в маске волка, а Даша не в маске енота"}, "лем");
    row7("B4 Лёва's raccoon left over", "B4", "guesses",
         QStringList{costumes, "Юра в маске медведя, а маску енота никто не надел", wolf}, "вем");
    row7("B4 two ways", "B4", "guesses",
         QStringList{costumes, "Юра в маске волка, а маску лисы никто не надел", wolf}, "!2 ways");
    row7("B4 no way", "B4", "guesses",
         QStringList{costumes, bear, "Даша не в маске волка, а Юра не в маске енота"}, "!0 ways");
    row7("B4 a costume", "B4", "guesses",
         QStringList{"Гоша в костюме медведя, а Даша в маске енота", bear, wolf}, "!no known form");
    row7("B4 a hare's mask", "B4", "guesses",
         QStringList{"Гоша в маске зайца, а Даша в маске енота", bear, wolf}, "!unknown");
    // 100 seconds over midnight; 80 seconds within one day; 120 seconds
    // give no whole rate; no time at all; an hour the clock has not.
    row7("B5 a hundred seconds", "B5", "start", "23:59:40", "28672");
    row7("B5 after midnight", "B5", "start", "0:00:00", "35840");
    row7("B5 two minutes", "B5", "start", "23:59:20", "!no whole number");
    row7("B5 no time", "B5", "start", "0:01:20", "!at one time");
    row7("B5 hour 24", "B5", "end", "24:01:20", "!not a time of day");
    // The first string after the 120 that begin with 1, and the last of
    // all 720; a string shown, a string not in the list, a list shown out
    // of order, a wrong last string, a digit given twice.
    row7("B6 the first string beginning with 2", "B6", "word", "213456", "121");
    row7("B6 the last string", "B6", "word", "654321", "720");
    row7("B6 a string shown", "B6", "word", "124356", "!among those shown");
    row7("B6 a digit outside the list", "B6", "word", "523417", "!not in the list");
    row7("B6 two strings shown swapped", "B6", "shown",
         QStringList{"123456", "123546", "123465"}, "!not the start of the list");
    row7("B6 a wrong last string", "B6", "last", "654312", "!not the last of the list");
    row7("B6 a digit twice", "B6", "digits", QStringList{"1", "2", "3", "4", "5", "5"},
         "!not two to eight different digits");
    // 1944 = 8 · 3^5 still takes five lamps; with four old lamps 3 · 2 no
    // longer stands apart from the right count; lamps of two states are no
    // lamps of more states. A third number in a sum keeps the order where
    // the sum keeps its value, and 21 written in decimal leaves no octal
    // number to misread.
    QTest::newRow("t2008_1 А2 exactly 8 · 3^5") << QString("t2008_1") << "А2"
                                                << "signals" << QVariant("1944") << "5";
    QTest::newRow("t2008_1 А2 four old lamps") << QString("t2008_1") << "А2"
                                               << "had" << QVariant("4") << "!option 1 is not the slip";
    QTest::newRow("t2008_1 А2 two-state new lamps") << QString("t2008_1") << "А2"
                                                    << "kinds" << QVariant("двух") << "!not on/off lamps";
    QTest::newRow("t2008_1 А5 three numbers in Z")
        << QString("t2008_1") << "А5"
        << "sums"
        << QVariant(QStringList{"25_8 + 101100_2", "1E_16 + 211_4", "1111_2 + 132_4 + 10101_2"})
        << "X < Z < Y";
    QTest::newRow("t2008_1 А5 no octal number")
        << QString("t2008_1") << "А5"
        << "sums" << QVariant(QStringList{"21_10 + 101100_2", "1E_16 + 211_4", "100100_2 + 132_4"})
        << "!no number in base 8 to misread";
    QTest::newRow("t2008_1 А9 false for three") << QString("t2008_1") << "А9"
                                                << "truth" << QVariant("ложно") << "";
    // Without the stop option 4 (65 km at 60 km/h and the stop) no longer
    // carries its slip.
    QTest::newRow("t2008_1 А12 no stop") << QString("t2008_1") << "А12"
                                         << "stop" << QVariant("0") << "!option 4 is not the slip";
    QTest::newRow("t2008_1 А12 faster later legs")
        << QString("t2008_1") << "А12"
        << "speeds" << QVariant(QStringList{"60", "90", "60"}) << "75";
    QTest::newRow("t2008_1 А12 no whole minutes")
        << QString("t2008_1") << "А12"
        << "speeds" << QVariant(QStringList{"60", "45", "70"}) << "";
    // Two yellow beads allowed: 24 chains, and exactly two yellow leave
    // only the 6 with yellow ends, no longer option 2.
    QTest::newRow("t2008_1 А14 two yellow allowed")
        << QString("t2008_1") << "А14"
        << "most" << QVariant("двух") << "!option 2 is not the slip";
    QTest::newRow("t2008_1 А16 no ИЛИ")
        << QString("t2008_1") << "А16"
        << "condition" << QVariant("(Класс = 11) И (Информатика > 70)") << "5";
    // The first picture's pixels count, not its shape; 31 colours scaled
    // by the pixels' ratio leave a quarter of a colour.
    QTest::newRow("t2008_1 А17 as many pixels in another shape")
        << QString("t2008_1") << "А17"
        << "first" << QVariant(QStringList{"192", "1000"}) << "8";
    QTest::newRow("t2008_1 А17 31 colours")
        << QString("t2008_1") << "А17"
        << "colours" << QVariant("31") << "!do not scale to a whole number";
    QTest::newRow("t2008_1 А18 another cell") << QString("t2008_1") << "А18"
                                              << "cell" << QVariant("B2") << "6";
    QTest::newRow("t2008_1 А19 not one row") << QString("t2008_1") << "А19"
                                             << "last" << QVariant("C1") << "";
    // From d6 Робот ends in a1 and the loops read as «if» leave him in e5,
    // which option 1 no longer carries; from c5 the first step hits d5.
    QTest::newRow("t2008_1 А20 another start") << QString("t2008_1") << "А20"
                                               << "start" << QVariant("d6") << "!option 1 is not the slip";
    QTest::newRow("t2008_1 А20 into a wall") << QString("t2008_1") << "А20"
                                             << "start" << QVariant("c5") << "!breaks at c5";
    QTest::newRow("t2008_1 B2 equal to 0") << QString("t2008_1") << "B2"
                                           << "value" << QVariant("0") << "6";
    QTest::newRow("t2008_1 B3 too few commands") << QString("t2008_1") << "B3"
                                                 << "most" << QVariant("четырёх") << "";
    QTest::newRow("t2007 B7 read from the one label") << QString("t2007") << "B7"
                                                     << "server" << QVariant("test.ru") << "!0 ways";
    // B1 reads its number from Roman numerals: subtractive pairs count, and
    // a record that is not the usual shortest one is refused.
    QTest::newRow("t2007 B1 XXIX") << QString("t2007") << "B1"
                                   << "roman" << QVariant("XXIX") << "6,8,12,24";
    QTest::newRow("t2007 B1 XLIV") << QString("t2007") << "B1"
                                   << "roman" << QVariant("XLIV") << "13,39";
    QTest::newRow("t2007 B1 MCMXCIX") << QString("t2007") << "B1"
                                      << "roman" << QVariant("MCMXCIX") << "997,1994";
    QTest::newRow("t2007 B1 four I in a row") << QString("t2007") << "B1"
                                              << "roman" << QVariant("XXIIII") << "!not a Roman number";
    QTest::newRow("t2007 B1 smaller mark before two larger") << QString("t2007") << "B1"
                                              << "roman" << QVariant("IXX") << "!not a Roman number";
    QTest::newRow("t2007 B1 not a Roman letter") << QString("t2007") << "B1"
                                                 << "roman" << QVariant("XXIIIA") << "!not a Roman number";
    // 21 is 15 in hexadecimal; a falling binary record can only be 10.
    QTest::newRow("t2008_1 B1 mirrored in hexadecimal")
        << QString("t2008_1") << "B1" << "mirror" << QVariant("шестнадцатеричной") << "3,6,7";
    QTest::newRow("t2008_1 B1 falling in binary")
        << QString("t2008_1") << "B1" << "falling" << QVariant("двоичной") << "!no number fits";
    QTest::newRow("t2008_1 B3 other target")
        << QString("t2008_1") << "B3" << "to" << QVariant(QStringList{"21", "8"}) << "1211";
    QTest::newRow("t2008_1 B3 target out of reach")
        << QString("t2008_1") << "B3" << "to" << QVariant(QStringList{"24", "14"}) << "!0 programs";
    QTest::newRow("t2008_1 B4 Вера names another floor")
        << QString("t2008_1") << "B4" << "claims"
        << QVariant(QStringList{"Я живу на третьем этаже, а Вера — на четвёртом",
                                "Я живу не на третьем этаже, а Галя — на третьем",
                                "Я живу не на втором этаже, а Антон — на первом",
                                "Я живу на четвёртом этаже, а Вера — на первом"})
        << "3412";
    QTest::newRow("t2008_1 B4 Антон denies: two placings")
        << QString("t2008_1") << "B4" << "claims"
        << QVariant(QStringList{"Я живу не на третьем этаже, а Вера — на четвёртом",
                                "Я живу не на третьем этаже, а Галя — на третьем",
                                "Я живу не на втором этаже, а Антон — на третьем",
                                "Я живу на четвёртом этаже, а Вера — на первом"})
        << "!2 placings";
    QTest::newRow("t2008_1 B5 larger buffer") << QString("t2008_1") << "B5"
                                              << "buffer" << QVariant("400") << "650";
    QTest::newRow("t2008_1 B5 second channel waits")
        << QString("t2008_1") << "B5" << "rates" << QVariant(QStringList{"16384", "65536"}) << "!channel 2 would wait";
    QTest::newRow("t2008_1 B6 up to 299") << QString("t2008_1") << "B6"
                                          << "last" << QVariant("299") << "60";
    QTest::newRow("t2008_1 B6 digit 1") << QString("t2008_1") << "B6"
                                        << "digit" << QVariant("1") << "176";
    QTest::newRow("t2008_1 B6 row shown wrongly") << QString("t2008_1") << "B6"
                                                  << "shown" << QVariant("1234567891112") << "!does not begin as shown";
    // 13 April has no month 13 to be taken for; 4 April one number for
    // both; day 367 is not in 2008.
    QTest::newRow("t2008_1 B7 13 April")
        << QString("t2008_1") << "B7"
        << "day" << QVariant("104") << "!cannot be taken for each other";
    QTest::newRow("t2008_1 B7 4 April")
        << QString("t2008_1") << "B7"
        << "day" << QVariant("95") << "!cannot be taken for each other";
    QTest::newRow("t2008_1 B7 past the year")
        << QString("t2008_1") << "B7"
        << "day" << QVariant("367") << "!not a day of the year";
    QTest::newRow("t2008_1 B8 descending") << QString("t2008_1") << "B8"
                                           << "order" << QVariant("убывания") << "ГАВБ";
    const auto row3 = [](const char* name, const char* id, const char* given, QVariant value,
                         const char* answer) {
        QTest::addRow("t2008_3 %s", name)
            << QString("t2008_3") << QString(id) << QString(given) << value << QString(answer);
    };
    // A drop of 16 is the first digit's weight in records of five, three
    // and two digits alike.
    row3("B1 a drop of 16", "B1", "drop", "16", "2,4,16");
    row3("B1 divisibility alone", "B1", "drop", "18", "!divisibility alone");
    // No two multiples of 3 stand next to each other.
    row3("B2 false", "B2", "truth", "ложно", "2");
    // Odd multiples of 5 and multiples of 20: nine false from 6 to 14.
    row3("B2 fives", "B2", "formula",
         "(X делится на 5) ∧ ((X\u00a0— чётное число) → (X делится на 4))", "10");
    row3("B2 the implication left out", "B2", "formula", "(X делится на 3)",
         "!the least X gives the answer");
    row3("B2 false from 40 on", "B2", "formula",
         "(X делится на 3) ∧ ((X\u00a0— чётное число) → (X делится на 4)) ∧ (X < 40)", "!never so");
    row3("B3 four commands", "B3", "most", "четырёх", "!0 programs");
    row3("B3 only 8 forbidden", "B3", "forbidden", QStringList{"8"}, "!4 programs");
    row3("B3 only 11 forbidden", "B3", "forbidden", QStringList{"11"}, "!4 programs");
    row3("B3 segment ends at 17", "B3", "length", "17", "!0 programs");
    row3("B3 to the far end", "B3", "to", "19", "11121");
    row3("B3 example ends elsewhere", "B3", "exampleTo", "6", "!example");
    row3("B3 example through a forbidden point", "B3", "forbidden", QStringList{"2", "11"},
         "!example");
    row3("B4 not next to", "B4", "statements",
         QStringList{"Лиза сидит не рядом с Олегом, а Миша\u00a0— на четвёртом стуле",
                     "Миша сидит между Ниной и Олегом, а Олег\u00a0— на четвёртом",
                     "Олег сидит между Мишей и Ниной, а Лиза\u00a0— на первом"},
         "1234");
    row3("B4 at an end: three seatings", "B4", "statements",
         QStringList{"Лиза сидит рядом с Олегом, а Миша\u00a0— на четвёртом стуле",
                     "Миша сидит между Ниной и Олегом, а Олег\u00a0— на четвёртом",
                     "Олег сидит с краю, а Лиза\u00a0— на первом"},
         "!3 solutions");
    row3("B5 mono", "B5", "channels", "1", "240000");
    row3("B5 sixteen kHz", "B5", "kHz", "16", "960000");
    row3("B5 no service data", "B5", "service", "0", "400000");
    row3("B5 packets of 1000 bytes", "B5", "packet", "1000", "440000");
    row3("B5 packets not whole", "B5", "packet", "300", "!whole number of packets");
    row3("B6 ninth", "B6", "which", "девятой", "170");
    row3("B6 eleventh", "B6", "which", "одиннадцатой", "682");
    row3("B6 fours", "B6", "digit", "4", "337");
    row3("B6 a chain off the rule", "B6", "chains", QStringList{"1", "24", "3134", "34324343"},
         "!chain 4 does not follow");
    row3("B7 no such file", "B7", "file", "map.html", "!0 orders");
    row3("B8 descending", "B8", "order", "убывания", "БАВГ");
    row3("B8 a fact on no query", "B8", "part", "Ангара", "!no query");
    const auto row = [](const char* name, const char* id, const char* given, QVariant value,
                        const char* answer) {
        QTest::addRow("t2008_4 %s", name)
            << QString("t2008_4") << QString(id) << QString(given) << value << QString(answer);
    };
    // Up to four flashes the longest alone are 16, not option 1's 32.
    row("А2 up to four", "А2", "most", "четырёх", "!option 1 is not the slip");
    // 7A₁₆ − 1010111₂ meets every slip as 6A₁₆ − 1000111₂ does; 77₈ − 40₈
    // needs no borrow, so no digit is taken from a larger one; an octal
    // first number leaves nothing to forget to convert.
    row("А5 another difference", "А5", "numbers", QStringList{"7A_16", "1010111_2"}, "43");
    row("А5 no borrow", "А5", "numbers", QStringList{"3F_16", "100000_2"},
        "!no column needs a borrow");
    row("А5 the first in octal", "А5", "numbers", QStringList{"152_8", "1000111_2"},
        "!already in that base");
    row("А5 the second greater", "А5", "numbers", QStringList{"11101_2", "3C_16"}, "!not positive");
    row("А1 parts of 150 bytes", "А1", "bytes", "150", "!option 1 is not the slip");
    row("А4 another number", "А4", "expression", "243_5", "");
    row("А9 true for three", "А9", "truth", "истинно",
        "!the statement is истинно for 624, 381, 472");
    // Read with ∨ first, as the slip of option 2 reads it, 624 is false
    // as well as 539.
    row("А9 bracketed", "А9", "statement",
        "((сумма цифр чётна) ∨ (первая цифра больше последней)) ∧ (вторая цифра больше первой)",
        "!the statement is ложно for 539, 624");
    // On the way from П to С the longest named road is П–У, not option 1's
    // С–Т; from Р to Т closing С–Т or С–У costs 1 km each, a tie.
    row("А12 the way to С", "А12", "to", "С", "!option 1 is not the slip");
    row("А12 the way from Р", "А12", "from", "Р", "!2 options fit");
    // The second four 1101 is one flip from Ы, Д and М; a chain with no
    // flip has no odd four.
    row("А13 1101 three ways", "А13", "chain", "01101101100111110110",
        "!3 bits give back a letter");
    row("А13 nothing flipped", "А13", "chain", "01100101100111110110", "!0 fours are odd");
    // With equal counts of Я and Д no option keeps both rules.
    row("А14 a row that keeps the rules", "А14", "row", "ДЯСДМСД", "!already keeps the rules");
    row("А14 a row of six", "А14", "row", "ДЯСЯМС", "!do not fit the pendant");
    row("А14 counts of Я and Д", "А14", "equal", QStringList{"Я", "Д"}, "!0 options fit");
    row("А14 counts of Я and М", "А14", "equal", QStringList{"Я", "М"}, "четвёртую\u00a0— на Д");
    // Without «?» the name 08ил.jpg fits too; searched from D:\Ира\Фото,
    // option 2 is right and the Фото found elsewhere is option 1's.
    row("А15 no question mark", "А15", "mask", "*08*.jpg", "!2 options fit");
    row("А15 searched from the other Фото", "А15", "root", "D:\\Ира\\Фото",
        "!option 2 is not the slip");
    // Grouped by hall, hall 1 has the best session and the most viewers
    // (507 against 389): no option is a hall.
    row("А16 grouped by hall", "А16", "group", "Зал", "!option 1 is not the slip");
    row("А16 no such field", "А16", "group", "Имя", "!lacks a column");
    // 48 colours are no power of two; with 3 Мбайта reserved 5120 : 480
    // leaves 10 pages, option 2's number, but 6 bits give 8.
    row("А17 forty-eight colours", "А17", "colours", "48", "!the palette is no power of two");
    row("А17 three reserved", "А17", "reserved", "3", "!option 2 is not the slip");
    row("А18 a single cell", "А18", "range", "B2:B2", "!4 options fit");
    row("А18 entered elsewhere", "А18", "from", "C3", "!the range does not start");
    row("А20 one line less", "А20", "program",
        QStringList{"вверх 6, запиши; вправо 6, запиши", "вниз 3, запиши; влево 2, запиши"},
        "!option 1 is not the slip");
    // A[28] is A[4] again, and 28 = 4 · 7 meets the period taken as 7;
    // five elements do not yet repeat.
    row("А8 element 28", "А8", "index", "28", "17");
    row("А8 element 5", "А8", "index", "5", "!do not repeat");
    row("А20 no edge crossed", "А20", "program", QStringList{"вправо 3, запиши"}, "");
    row("B1 digit sum 6", "B1", "sum", "6", "4");
    row("B2 true", "B2", "truth", "истинно", "");
    row("B3 to ДБГВА", "B3", "target", "ДБГВА", "12112");
    row("B3 four commands", "B3", "most", "четырёх", "!0 programs");
    row("B3 to ДВАБГ", "B3", "target", "ДВАБГ", "11211");
    row("B3 an example row off", "B3", "exampleRows",
        QStringList{"АБВГД", "БАВГД", "ВАБГД", "ВАДБГ"}, "!row 2 does not follow");
    // Петя at place 3 leaves к3 too; Дима without «не» leaves no cell;
    // Оля's place 6 moves the prize to м6.
    row("B4 Петя's place 3", "B4", "guesses",
        QStringList{"Приз в ряду к, на месте 5", "Приз не в ряду к, а на месте 3",
                    "Приз в ряду м, на месте 3", "Приз в ряду м, на месте 3"},
        "!not one cell: к3 м5");
    row("B4 Дима's «не» dropped", "B4", "guesses",
        QStringList{"Приз в ряду к, на месте 5", "Приз в ряду к, а на месте 3",
                    "Приз в ряду м, на месте 3", "Приз в ряду м, на месте 4"},
        "!not one cell");
    row("B4 Оля's place 6", "B4", "guesses",
        QStringList{"Приз в ряду к, на месте 6", "Приз не в ряду к, а на месте 3",
                    "Приз в ряду м, на месте 3", "Приз в ряду м, на месте 4"},
        "м6");
    row("B5 a file of 140 Кбайт", "B5", "file", "140", "40");
    row("B5 parts not whole", "B5", "kbyteRate", "4", "!no whole number of Кбайт");
    row("B6 sixth: one 5", "B6", "which", "шестой", "1");
    row("B6 eleventh passes nine", "B6", "which", "одиннадцатой", "!past 9");
    row("B6 a string off the rule", "B6", "strings", QStringList{"0", "01", "0121"}, "!follow");
    row("B7 no such address", "B7", "file", "D:\\plan\\leto\\plan.xls", "!0 ways");
    row("B8 descending", "B8", "order", "убывания", "bacd");
    // With the pair counts of a and b swapped, b finds fewer pages than a.
    row("B8 other pair counts", "B8", "knownCounts",
        QStringList{"520", "480", "300", "750", "100", "180"}, "dcba");
    const auto rowA3 = [](const char* name, const char* id, const char* given, QVariant value,
                         const char* answer) {
        QTest::addRow("t2008_3 %s", name)
            << QString("t2008_3") << QString(id) << QString(given) << value << QString(answer);
    };
    rowA3("А1 the word once", "А1", "times", "1", "!several times");
    rowA3("А1 words run together", "А1", "separator", "", "!no separator");
    // 16 blue balls of 128: 3 bits, and 8 equal chances, not option 2's 16.
    rowA3("А2 sixteen blue balls", "А2", "others", "112", "!option 2 is not the slip");
    rowA3("А2 28 blue balls", "А2", "others", "100", "!no whole number of bits");
    rowA3("А2 no blue ball", "А2", "others", "128", "!favourable outcomes must be at least 1");
    // 105 bytes give 7 bits a character: the smallest alphabet is then 65.
    rowA3("А3 seven bits a character", "А3", "bytes", "105", "!option 1 is not the slip");
    rowA3("А3 one bit a character", "А3", "bytes", "15", "!no code length of two bits");
    rowA3("А4 a number none records", "А4", "value", "200", "!0 options fit");
    rowA3("А7 variables asked the other way", "А7", "variables", QStringList{"c", "r"},
         "c = 12, r = 4");
    rowA3("А9 X less than Y", "А9", "formula", "¬(X < Y) ∨ (X + Y > 12)", "!0 options fit");
    // The parts in the other order: the key and the slips stay.
    rowA3("А9 negated part second", "А9", "formula", "(X + Y > 12) ∨ ¬(X > Y)", "X = 8, Y = 4");
    rowA3("А9 the bound one higher", "А9", "formula", "¬(X > Y) ∨ (X + Y > 13)", "!2 options fit");
    rowA3("А9 true", "А9", "truth", "истинно", "!3 options fit");
    // Г coded 1100 makes option 1 a message and leaves the key's 0011 the
    // only stranger with two ones.
    rowA3("А13 Г coded 1100", "А13", "codes", QStringList{"0101", "0110", "1001", "1100"},
          "!option 1 is not the slip");
    rowA3("А13 Б coded 0010", "А13", "codes", QStringList{"0101", "0010", "1001", "0011"},
          "!the codes differ in their ones");
    rowA3("А13 В coded 1011", "А13", "codes", QStringList{"0101", "0110", "1011", "0011"},
          "!0 options fit");
    // Option 2 read as hexadecimal needs Б's 0110.
    rowA3("А13 Б coded 1010", "А13", "codes", QStringList{"0101", "1010", "1001", "0011"},
          "!0 options fit");
    rowA3("А13 hexadecimal", "А13", "system", "шестнадцатеричной", "!an option in another base");
    // The key still fits, but the chains that open with blue no longer do,
    // so option 2 shows no slip.
    rowA3("А14 blue may not start", "А14", "first", "красная или жёлтая", "!0 options fit");
    rowA3("А14 after red all but red", "А14", "rules",
         QStringList{"после красной фишки может лежать любая, кроме красной",
                     "после синей\u00A0— красная или синяя",
                     "после жёлтой\u00A0— любая, кроме жёлтой"},
         "!2 options fit");
    rowA3("А14 after yellow only red", "А14", "rules",
         QStringList{"после красной фишки может лежать только жёлтая",
                     "после синей\u00A0— красная или синяя", "после жёлтой\u00A0— только красная"},
         "!0 options fit");
    // The slips name the rules by their place in the list: listed the other
    // way, the rule numbered 2 is red's, whose breach option 3 shows.
    rowA3("А14 rules of red and blue listed the other way", "А14", "rules",
          QStringList{"после синей\u00A0— красная или синяя",
                      "после красной фишки может лежать только жёлтая",
                      "после жёлтой\u00A0— любая, кроме жёлтой"},
          "!option 2 is not the slip");
    // The slip of the same-named directory takes the deepest one of the
    // start's branch (Осень, one move up) before a shallower one (Партии).
    rowA3("А15 deepest same name taken", "А15", "target", "C:\\Клуб\\Шахматы\\2007\\Партии\\Осень",
          "!option 3 is not the slip");
    rowA3("А15 no same-named directory", "А15", "target", "C:\\Клуб\\Шахматы\\2007\\Задачи\\Разбор",
          "!no directory of the same name");
    // One level deeper, the way through the root is 12 moves, not 11.
    rowA3("А15 target a level deeper", "А15", "target",
          "C:\\Клуб\\Шахматы\\2007\\Партии\\Разбор\\Лучшие", "!option 1 is not the slip");
    rowA3("А16 wind up to 4 m/s", "А16", "wind", "4", "!option 3 is not the slip");
    rowA3("А16 no wind at all", "А16", "wind", "0", "!no one warmest day");
    rowA3("А18 a filled cell", "А18", "cell", "A1", "!not empty");
    // C2 never falls to 4: below 10 it stays 6, above 10 it exceeds 6.
    rowA3("А18 C2 against A1", "А18", "equal", QStringList{"A1", "C2"}, "!0 numbers");
    const auto row2 = [](const char* name, const char* id, const char* given, QVariant value,
                         const char* answer) {
        QTest::addRow("t2008_2 %s", name)
            << QString("t2008_2") << QString(id) << QString(given) << value << QString(answer);
    };
    const QString lettersThenI =
        "¬(название начинается с буквы, стоящей в алфавите раньше буквы «И»)";
    row2("А9 false for three", "А9", "truth", "ложно", "!ложно for Владимир, Самара, Брянск");
    row2("А9 more than five letters", "А9", "statement",
         "(в названии больше пяти букв) ∧ " + lettersThenI, "!for Самара, Мурманск");
    // Мурманск stays right, but no option of seven letters is the slip of
    // option 2.
    row2("А9 more than seven letters", "А9", "statement",
         "(в названии больше семи букв) ∧ " + lettersThenI, "!0 options fit only so");
    // Самара is right, but without the negation three options fit.
    row2("А9 six letters, not before Н", "А9", "statement",
         "(в названии больше пяти букв) ∧ ¬(название начинается с буквы, стоящей в алфавите "
         "раньше буквы «Н»)",
         "!3 options fit only so");
    row2("А9 not after М", "А9", "statement",
         "(в названии больше шести букв) ∧ ¬(название начинается с буквы, стоящей в алфавите "
         "позже буквы «М»)",
         "!for Владимир, Мурманск");
    // From Мостки the round trip is still 27, but the walk to the nearest
    // village first gives 28, no longer option 1.
    row2("А12 from Мостки", "А12", "from", "Мостки", "!option 1 is not the slip");
    // 4 colours: still 256 × 256 at one bit a pixel, but 64 × 64 with the
    // bytes not turned into bits.
    row2("А17 4 colours", "А17", "colours", "4", "!option 3 is not the slip");
    row2("А3 24 racks", "А3", "racks", "24", "!no whole number of bits");
    row2("B8 descending", "B8", "order", "убывания", "АВБГ");
    // B4: phrases 2 and 3 leave Павел, Олег, Роман and Роман, Олег, Павел
    // (from upstream); phrase 1 picks one, or neither, or makes phrase 2
    // idle.
    const QString orderPhrases = "|Олег живёт выше по реке, чем Павел, а Павел\u00A0— выше, чем "
                                 "Роман|Роман живёт ниже по реке, чем Олег, а Павел\u00A0— ниже, "
                                 "чем Роман";
    row2("B4 Олег in Дубки", "B4", "phrases",
         "Олег живёт в Дубках, а Роман\u00A0— выше по реке, чем Олег" + orderPhrases, "ДКМ");
    row2("B4 phrase 2 idle", "B4", "phrases",
         "Роман живёт в Каменке, а Олег\u00A0— в Мохове" + orderPhrases, "!phrase 2 is not needed");
    row2("B4 no placing", "B4", "phrases",
         "Павел живёт в Мохове, а Роман\u00A0— выше по реке, чем Олег" + orderPhrases,
         "!0 placings");
    row2("B4 a village off the river", "B4", "phrases",
         "Олег живёт в Липках, а Роман\u00A0— выше по реке, чем Олег" + orderPhrases,
         "!not one village");
    row2("B4 compared with himself", "B4", "phrases",
         "Олег живёт в Каменке, а Роман\u00A0— выше по реке, чем Роман" + orderPhrases,
         "!comparing someone with himself");
    row2("А15 on another disk", "А15", "file", "D:\\Музыка\\Хор\\Голоса\\бас.mid",
         "!not two full names on one disk");
    row2("А18 copied from another cell", "А18", "from", "C4", "!option 1 is not the slip");
    row2("А19 range of two rows", "А19", "first", "A1", "!not one row");
    row2("А19 a cell left out", "А19", "last", "C2", "!outside the range");
    row2("А19 a shown number hidden", "А19", "hidden", "A1", "!not shown as hidden");
    // B1: no number to write, no length to bound it.
    row2("B1 the value 0", "B1", "value", "0", "!the value");
    row2("B1 a length not a number", "B1", "length", "многих", "!given length");
    row2("B2 below 50", "B2", "formula", "(X < A) → (X * X < 50)", "8");
    row2("B2 a conjunction", "B2", "formula", "(X < A) ∧ (X * X < 30)", "!no greatest A");
    row2("B2 a gap", "B2", "formula", "(X < A) → (X ≠ 3) ∨ (A > 6)", "!have a gap");
    row2("B3 three commands", "B3", "to", "ББОВ", "121");
    row2("B3 one command", "B3", "to", "АЯМА", "2");
    row2("B3 too few commands", "B3", "most", "четырёх", "!0 programs");
    row2("B2 divisors of 12", "B2", "formula", "(X < A) → (число 12 делится на X + 1)", "4");
    row2("B2 shifted by two", "B2", "formula",
         "(X\u00a0<\u00a0A) → (число 60 делится на X\u00a0+\u00a02)", "5");
    row2("B2 every X divides", "B2", "formula", "(X < A) → (число 0 делится на X + 1)",
         "!no greatest A");
    row2("B3 wrong example", "B3", "example", "121", "!the example program");
    row2("B7 another top domain", "B7", "levels", QStringList{"org", "orion", "math"}, "!0 ways");
    row2("B7 levels swapped", "B7", "host", "orion", "!0 ways");
    // 11 rows: without the 55 blanks 132 characters, 264 bytes, not 220.
    QTest::newRow("t2008_6 А1 a taller tree")
        << QString("t2008_6") << "А1"
        << "rows" << QVariant(QString("11")) << "!option 2 is not the slip";
    QTest::newRow("t2008_6 А1 a single star")
        << QString("t2008_6") << "А1"
        << "rows" << QVariant(QString("1")) << "!no tree of several rows";
    QTest::newRow("t2008_6 А2 other alphabets")
        << QString("t2008_6") << "А2"
        << "alphabets" << QVariant(QString("64|4")) << "!option 1 is not the slip";
    // 33 symbols still take 6 bits: the answer and the bits' slip stay.
    QTest::newRow("t2008_6 А2 an alphabet of 33")
        << QString("t2008_6") << "А2"
        << "alphabets" << QVariant(QString("33|2")) << "12";
    // Hours 1…24 still take 5 bits; 63 posts take 6 bits, and 63 = 111111₂
    // has 6 digits too, so option 1's slip (64 = 1000000₂, 7 bits) is gone.
    QTest::newRow("t2008_6 А3 hours from one")
        << QString("t2008_6") << "А3"
        << "lows" << QVariant(QString("1|1|1")) << "210";
    QTest::newRow("t2008_6 А3 posts up to 63")
        << QString("t2008_6") << "А3"
        << "highs" << QVariant(QString("63|31|23"))
        << "!option 1 is not the slip volume.largestBoundWidthsOfHighest";
    QTest::newRow("t2008_6 А3 no room left") << QString("t2008_6") << "А3"
                                             << "bytes" << QVariant(QString("2")) << "!0 bits left";
    // А4: eight binary digits (128 … 255) and three base-5 ones (25 … 124)
    // meet nowhere; with three octal digits (64 … 511) the powers shifted
    // (128 … 255 against 512 … 4095) meet nowhere either, not at option 1's 128.
    const auto rowA4 = [](const char* name, const char* given, const char* value,
                          const char* answer) {
        QTest::addRow("t2008_6 А4 %s", name)
            << QString("t2008_6") << QString("А4") << QString(given) << QVariant(QString(value))
            << QString(answer);
    };
    rowA4("no number in common", "lengths", "восьми|трёх", "!no number has both records");
    rowA4("octal records", "systems", "двоичной|восьмеричной",
          "!option 1 is not the slip bases.numbersWithLengthsPowersShifted");
    rowA4("one base", "systems", "двоичной", "!not two lengths in two bases");
    // А5: 3113₄ − 120₄ = 2333₄ is no option; a units digit 2 is not shown
    // by 3113₄ − 130₄.
    QTest::newRow("t2008_6 А5 another second term")
        << QString("t2008_6") << "А5"
        << "second" << QVariant(QString("120_4"))
        << "!option 1 is not the slip bases.termUnderStarsCarryAdded";
    QTest::newRow("t2008_6 А5 a wrong shown digit")
        << QString("t2008_6") << "А5"
        << "pattern" << QVariant(QString("***2"))
        << "!the first term does not fit the pattern's shown digits";
    // x ends at 9 with the body in either order, not at option 1's 15.
    QTest::newRow("t2008_6 А6 the last x")
        << QString("t2008_6") << "А6"
        << "variable" << QVariant(QString("x"))
        << "!option 1 is not the slip programs.flowchartBodyReversed";
    QTest::newRow("t2008_6 А7 the loop counter")
        << QString("t2008_6") << "А7"
        << "variable" << QVariant(QString("i")) << "!left i without a value";
    QTest::newRow("t2008_6 А8 a power of two")
        << QString("t2008_6") << "А8"
        << "index" << QVariant(QString("16")) << "!option 2 is not the slip";
    // А9: without the first negation КОЛЛЕГА is the answer, and equal
    // letters taken for neighbours find ПОТОЛОК, not option 1; a statement
    // of a property the check cannot read is refused.
    QTest::newRow("t2008_6 А9 true for three")
        << QString("t2008_6") << "А9"
        << "truth" << QVariant(QString("истинно")) << "!истинно for АНКЕТА, КОЛЛЕГА, ПОТОЛОК";
    QTest::newRow("t2008_6 А9 the first negation gone")
        << QString("t2008_6") << "А9"
        << "statement"
        << QVariant(QString("(слово начинается и оканчивается одной и той же буквой) ∨ "
                            "¬(в слове есть две одинаковые соседние буквы)"))
        << "!option 1 is not the slip logic.wordWhereAnyEqualLetters";
    QTest::newRow("t2008_6 А9 a palindrome")
        << QString("t2008_6") << "А9"
        << "statement"
        << QVariant(QString("¬(слово читается одинаково слева направо и справа налево) ∨ "
                            "¬(в слове есть две одинаковые соседние буквы)"))
        << "!an unknown property";
    // 606: with 110 the chain reads СКОТ, and the slips fit no option.
    QTest::newRow("t2008_6 А13 another chain") << QString("t2008_6") << "А13"
                                               << "hex" << QVariant(QString("606")) << "!0 options fit";
    QTest::newRow("t2008_6 А13 a chain cut short")
        << QString("t2008_6") << "А13"
        << "hex" << QVariant(QString("60")) << "!do not hold the chain's length";
    QTest::newRow("t2008_6 А13 another length")
        << QString("t2008_6") << "А13"
        << "bits" << QVariant(QString("13")) << "!do not hold the chain's length";
    QTest::newRow("t2008_6 А13 a chain read by no code")
        << QString("t2008_6") << "А13"
        << "hex" << QVariant(QString("EEE")) << "!0 options fit";
    // ЛЛЛЛ has no Т: both codes clear of the others fit.
    QTest::newRow("t2008_6 А13 a chain without Т")
        << QString("t2008_6") << "А13"
        << "hex" << QVariant(QString("FFF")) << "!2 options fit";
    QTest::newRow("t2008_6 А13 letters not the table's")
        << QString("t2008_6") << "А13"
        << "letters" << QVariant(QString("А|К|Л|О|С|У")) << "!other letters";
    // With geometry in rule 1, ФАЛГИ keeps it (алгебра before Г) and
    // ГААЛФ breaks it.
    QTest::newRow("t2008_6 А14 algebra before geometry")
        << QString("t2008_6") << "А14"
        << "ifHas" << QVariant(QString("Г")) << "ФАЛГИ";
    QTest::newRow("t2008_6 А14 literature before physics")
        << QString("t2008_6") << "А14"
        << "before" << QVariant(QString("Л")) << "ГААЛФ";
    QTest::newRow("t2008_6 А14 chemistry after history allowed")
        << QString("t2008_6") << "А14"
        << "ifFirst" << QVariant(QString("Г")) << "!2 options fit";
    QTest::newRow("t2008_6 А15 no album")
        << QString("t2008_6") << "А15"
        << "files"
        << QVariant(QString("D:\\Учёба\\Физика\\Задачи\\з1.txt|D:\\Учёба\\Физика\\лаб1.doc|"
                            "D:\\Учёба\\Химия\\Опыты\\опыт1.doc|"
                            "D:\\Проекты\\Химия\\Опыты\\реакция.doc"))
        << "!option 1 is not the slip";
    // A file in the root adds no directory but one more root to count.
    QTest::newRow("t2008_6 А15 a file in the root")
        << QString("t2008_6") << "А15"
        << "files"
        << QVariant(QString("D:\\Учёба\\Физика\\Задачи\\з1.txt|D:\\Учёба\\Физика\\лаб1.doc|"
                            "D:\\Учёба\\Химия\\Опыты\\опыт1.doc|"
                            "D:\\Проекты\\Химия\\Опыты\\реакция.doc|"
                            "D:\\Проекты\\Альбом\\Лето\\море.jpg|D:\\список.txt"))
        << "!option 3 is not the slip text.directoriesOfFilesEachFileWithRoot";
    QTest::newRow("t2008_6 А18 copied further")
        << QString("t2008_6") << "А18"
        << "to" << QVariant(QString("B4")) << "!option 3 is not the slip";
    QTest::newRow("t2008_6 А19 a minus for the times")
        << QString("t2008_6") << "А19"
        << "typed" << QVariant(QString("-")) << "!0 options fit";
    QTest::newRow("t2008_6 А19 the sign it should be")
        << QString("t2008_6") << "А19"
        << "typed" << QVariant(QString("*")) << "!not two different signs";
    QTest::newRow("t2008_6 А19 a block turned round")
        << QString("t2008_6") << "А19"
        << "last" << QVariant(QString("A2")) << "!not a block";
    // 0 + 2 + 1 replacements, and 4 + 2 + 1.
    QTest::newRow("t2008_6 А20 sorted already") << QString("t2008_6") << "А20"
                                                << "start" << QVariant(QString("ББАА")) << "3";
    QTest::newRow("t2008_6 А20 two of each") << QString("t2008_6") << "А20"
                                             << "start" << QVariant(QString("ААББ")) << "7";
    QTest::newRow("t2008_6 А20 no А") << QString("t2008_6") << "А20"
                                      << "start" << QVariant(QString("БББ")) << "0";
    // 7 = 21 in base 3 = 12 in base 5; 17 = 21 in base 8 = 12 in base 15.
    QTest::newRow("t2008_6 B1 another number") << QString("t2008_6") << "B1"
                                               << "value" << QVariant(QString("7")) << "3";
    QTest::newRow("t2008_6 B1 no base for the next one")
        << QString("t2008_6") << "B1"
        << "shift" << QVariant(QString("1")) << "!bases that turn the record round: ";
    QTest::newRow("t2008_6 B1 the same base")
        << QString("t2008_6") << "B1"
        << "shift" << QVariant(QString("0")) << "!not the greater";
    QTest::newRow("t2008_6 B1 seven bases apart")
        << QString("t2008_6") << "B1"
        << "shift" << QVariant(QString("7")) << "8";
    QTest::newRow("t2008_6 B2 another second equation")
        << QString("t2008_6") << "B2"
        << "equations" << QVariant(QString("(¬B → C) → D|(C ∨ ¬A) → ¬B|(C ∨ D) → B")) << "1100";
    QTest::newRow("t2008_6 B2 all equal to 1")
        << QString("t2008_6") << "B2"
        << "values" << QVariant(QString("1|1|1")) << "!3 sets of values";
    // ¬A ∧ ¬C with the first equation leaves 0100 alone: the third is idle.
    QTest::newRow("t2008_6 B2 an equation not needed")
        << QString("t2008_6") << "B2"
        << "equations" << QVariant(QString("(¬B → C) → D|¬A ∧ ¬C|(C ∨ D) → B"))
        << "!equation 3 is not needed";
    QTest::newRow("t2008_6 B2 a value missing")
        << QString("t2008_6") << "B2"
        << "values" << QVariant(QString("0|1")) << "!do not pair";
    QTest::newRow("t2008_6 B3 another walk")
        << QString("t2008_6") << "B3"
        << "program" << QVariant(QString("вперёд 3|направо 90|вперёд 4")) << "5";
    // Оля's words changed: another winner, a statement made idle, a
    // sentence about two properties; Оля left out: two projects fit.
    QTest::newRow("t2008_6 B4 another winner")
        << QString("t2008_6") << "B4" << "statements"
        << QVariant(QString("Победил проект 10 класса. У него один автор|Победил проект по физике. "
                            "У него один автор|Победил проект 11 класса. У него два автора"))
        << "Д";
    QTest::newRow("t2008_6 B4 a statement not needed")
        << QString("t2008_6") << "B4" << "statements"
        << QVariant(QString("Победил проект по физике. Он из 10 класса|Победил проект по физике. "
                            "У него один автор|Победил проект 11 класса. У него два автора"))
        << "!statement 3 is not needed";
    QTest::newRow("t2008_6 B4 a sentence about two properties")
        << QString("t2008_6") << "B4" << "statements"
        << QVariant(QString("Победил проект по химии из 10 класса. У него один автор|Победил проект "
                            "по физике. У него один автор|Победил проект 11 класса. У него два автора"))
        << "!not about one property";
    QTest::newRow("t2008_6 B4 two statements")
        << QString("t2008_6") << "B4" << "statements"
        << QVariant(QString("Победил проект по физике. У него один автор|Победил проект 11 класса. "
                            "У него два автора"))
        << "!projects that fit: А, Д";
    QTest::newRow("t2008_6 B5 slower channel") << QString("t2008_6") << "B5"
                                               << "rate" << QVariant(QString("256")) << "38";
    QTest::newRow("t2008_6 B5 time not whole")
        << QString("t2008_6") << "B5"
        << "share" << QVariant(QString("30")) << "!not whole";
    QTest::newRow("t2008_6 B5 both ways alike")
        << QString("t2008_6") << "B5"
        << "unpack" << QVariant(QString("11")) << "!take as long";
    QTest::newRow("t2008_6 B6 another code") << QString("t2008_6") << "B6"
                                             << "code" << QVariant(QString("11(К10Ж)")) << "9";
    QTest::newRow("t2008_6 B6 a wrong example")
        << QString("t2008_6") << "B6"
        << "decoded" << QVariant(QString("ТТТ|РСРСРСМ|ВАЛАЛАЛАЛЕЕ")) << "!example 101Т";
    // В100(АЛ)10Е: the bracket four times, not three.
    QTest::newRow("t2008_6 B6 a bracket counted short")
        << QString("t2008_6") << "B6"
        << "decoded" << QVariant(QString("ТТТТТ|РСРСРСМ|ВАЛАЛАЛЕЕ")) << "!example В100(АЛ)10Е";
    QTest::newRow("t2008_6 B6 a decimal multiplier")
        << QString("t2008_6") << "B6"
        << "code" << QVariant(QString("2(КЖ)")) << "!not in binary";
    // The link climbs to the root (/klub left over), climbs back into the
    // page's directory (the slip «..» not done), climbs past the root, or
    // starts at the root.
    QTest::newRow("t2008_6 B7 up to the root")
        << QString("t2008_6") << "B7"
        << "link" << QVariant(QString("../../foto/tur.jpg")) << "!0 ways";
    QTest::newRow("t2008_6 B7 back into the page's directory")
        << QString("t2008_6") << "B7"
        << "link" << QVariant(QString("../tur/foto.jpg")) << "ЕЗБГДЖВА";
    QTest::newRow("t2008_6 B7 above the root")
        << QString("t2008_6") << "B7"
        << "link" << QVariant(QString("../../../foto/tur.jpg")) << "!climbs above the root";
    QTest::newRow("t2008_6 B7 from the root")
        << QString("t2008_6") << "B7"
        << "link" << QVariant(QString("/foto/tur.jpg")) << "!not a link counted from the page";
    QTest::newRow("t2008_6 B8 descending") << QString("t2008_6") << "B8"
                                           << "order" << QVariant(QString("убывания")) << "ВБГА";
}

// A task's check run on other givens than the paper's computes from them,
// and refuses what has no one answer.
void TestPaperContent::checksFollowTheirGivens() {
    QFETCH(QString, paper);
    QFETCH(QString, id);
    QFETCH(QString, given);
    QFETCH(QVariant, value);
    QFETCH(QString, answer);
    zut::TaskContent t = taskOf(paper, id);
    QVERIFY(t.givens.contains(given));
    const auto type = t.givens[given].typeId();
    const bool listGiven = type == QMetaType::QVariantList || type == QMetaType::QStringList;
    if (listGiven && value.typeId() == QMetaType::QString)
        value = value.toString().split('|');
    t.givens[given] = value;
    try {
        const QString found = ck::runCheck(t).answer;
        QVERIFY2(!answer.isEmpty() && !answer.startsWith('!'), qPrintable("not refused: " + found));
        QCOMPARE(found, answer);
    } catch (const ck::CheckError& e) {
        QVERIFY2(answer.isEmpty() ||
                     (answer.startsWith('!') && e.message().contains(answer.mid(1))),
                 qPrintable(e.message()));
    }
}

ZUT_TEST_MAIN(TestPaperContent)
#include "tst_papercontent.moc"
