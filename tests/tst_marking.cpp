// SPDX-License-Identifier: GPL-3.0-or-later
// The answer keys and marking: the keys held by the eight papers against
// the published key tables, the matching rules of Part 2 answers over the
// real keys, and the grade bands.
#include "testmain.h"

#include "core/marking.h"
#include "paper/paper.h"
#include "papertest.h"
#include "app/windowset.h"

namespace {

// Part 1: the correct option per task, papers in the order 2007, 2008/1 … 2008/7.
const char* const part1Rows[20] = {
    "2 1 3 2 2 4 1 3", // A1
    "2 3 4 4 2 2 4 1", // A2
    "2 1 3 2 1 1 2 3", // A3
    "4 4 3 1 3 3 2 3", // A4
    "3 3 2 2 2 4 2 2", // A5
    "2 2 2 4 2 4 3 2", // A6
    "4 4 2 1 3 2 3 3", // A7
    "3 4 1 3 4 4 3 3", // A8
    "3 2 3 2 1 1 4 4", // A9
    "2 4 4 4 2 2 3 3", // A10
    "2 1 4 3 1 4 4 3", // A11
    "3 3 2 4 3 1 2 4", // A12
    "3 2 2 4 2 2 3 4", // A13
    "4 4 1 1 4 1 1 2", // A14
    "3 2 3 2 1 4 2 2", // A15
    "3 1 2 2 3 3 3 1", // A16
    "2 3 1 1 1 2 2 1", // A17
    "2 2 4 1 4 1 2 3", // A18
    "1 4 3 1 1 1 1 4", // A19
    "1 4 4 4 2 3 3 2", // A20
};

// Part 2: per paper, B1 … B8; "x|y" where a task accepts two strings, in their order.
const char* const part2Rows[8][8] = {
    {"6,9,18", "9", "121211", "1423", "3750", "85", "гвжедба|ГВЖЕДБА", "гваб|ГВАБ"}, // Tt2007
    {"3,7,21", "10", "11121", "3124", "625", "127", "жгбваед|ЖГБВАЕД", "бваг|БВАГ"}, // Tt2008_1
    {"4,6,9,12,18,36", "6", "12121", "ДМК|дмк", "43008", "683", "ecafgbd|ECAFGBD",
     "гбва|ГБВА"}, // Tt2008_2
    {"6,8,12,24", "6", "11122", "1342", "480000", "340", "дваегбж|ДВАЕГБЖ",
     "гваб|ГВАБ"},                                                                // Tt2008_3
    {"5", "1000", "21221", "м5|М5", "32", "256", "egadbfc|EGADBFC", "dcab|DCAB"}, // Tt2008_4
    {"6,9,12,18,36", "3", "11221|1211", "10576534", "315", "8", "fgbadec|FGBADEC",
     "BCDA|bcda"},                                                           // Tt2008_5
    {"5", "0100", "10", "А|а", "2", "10", "езбгдвжа|ЕЗБГДВЖА", "агбв|АГБВ"}, // Tt2008_6
    {"4,6,8,12,24", "4", "22112", "мве|МВЕ", "17920", "513", "DGAFCEB|dgafceb",
     "BCAD|bcad"}, // Tt2008_7
};

QStringList accepted(const zut::AnswerKey& key, int task) {
    QStringList strings;
    for (const char16_t* s : key.part2[task - 1])
        if (s)
            strings << QString::fromUtf16(s);
    return strings;
}

// Marks a paper on which only Part 2 task `task` is answered, with `answer`.
zut::Marking markOne(const zut::AnswerKey& key, int task, const QString& answer) {
    std::array<QString, zut::part2Tasks> answers;
    answers[task - 1] = answer;
    return zut::mark({}, answers, key);
}

enum class Script { Cyrillic, Latin, None };
Script script(const QString& s) {
    bool cyr = false, lat = false;
    for (QChar c : s) {
        cyr = cyr || (c.script() == QChar::Script_Cyrillic);
        lat = lat || (c.script() == QChar::Script_Latin);
    }
    return cyr && lat ? Script::None : cyr ? Script::Cyrillic : Script::Latin;
}

} // namespace

class TestMarking : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void keysAsPublished_data();
    void keysAsPublished();
    void keysAreClean_data() { paperRows(); }
    void keysAreClean();
    void part2Matching_data();
    void part2Matching();
    void gradeBands_data();
    void gradeBands();
    void part1OnlyTheKeyedOption_data() { paperRows(); }
    void part1OnlyTheKeyedOption();

private:
    void paperRows() {
        QTest::addColumn<int>("paper");
        for (int i = 0; i < 8; ++i)
            QTest::newRow(paperNames[i]) << i;
    }
    std::unique_ptr<zut::WindowSet> set_;
};

void TestMarking::keysAsPublished_data() {
    paperRows();
}

void TestMarking::keysAsPublished() {
    QFETCH(int, paper);
    const zut::AnswerKey& key = papers()[paper]->key();
    for (int t = 0; t < 20; ++t) {
        const QStringList row = QString(part1Rows[t]).split(' ');
        QCOMPARE(key.part1[t], row[paper].toInt());
    }
    for (int t = 1; t <= 8; ++t)
        QCOMPARE(accepted(key, t), QString::fromUtf8(part2Rows[paper][t - 1]).split('|'));
}

void TestMarking::keysAreClean() {
    QFETCH(int, paper);
    const zut::AnswerKey& key = papers()[paper]->key();
    for (int option : key.part1)
        QVERIFY(option >= 1 && option <= 4);
    for (int t = 1; t <= 8; ++t) {
        const QStringList strings = accepted(key, t);
        QVERIFY(!strings.isEmpty());
        for (const QString& s : strings) {
            QVERIFY2(!s.isEmpty() && s.trimmed() == s && !s.contains(' '), qPrintable(s));
            QVERIFY2(script(s) != Script::None, qPrintable("mixed alphabets: " + s));
        }
        // Two letter strings are the same letters in the two cases.
        if (strings.size() == 2 && strings[0].front().isLetter())
            QVERIFY(strings[0].toLower() == strings[1].toLower() && strings[0] != strings[1]);
    }
}

void TestMarking::part2Matching_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("task");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");
    auto row = [](const char* name, int paper, int task, const char* answer, bool correct) {
        QTest::newRow(name) << paper << task << QString::fromUtf8(answer) << correct;
    };
    // Numbers and lists
    row("2007 B1 as keyed", 0, 1, "6,9,18", true);
    row("2007 B1 blank after each comma", 0, 1, "6, 9, 18", false);
    row("2007 B1 leading blank", 0, 1, " 6,9,18", false);
    row("2007 B1 trailing blank", 0, 1, "6,9,18 ", false);
    row("2007 B1 other order", 0, 1, "18,9,6", false);
    row("2007 B1 semicolons", 0, 1, "6;9;18", false);
    row("2007 B2 leading zero added", 0, 2, "09", false);
    row("2008/6 B2 as keyed", 6, 2, "0100", true);
    row("2008/6 B2 leading zero left out", 6, 2, "100", false);
    row("2008/2 B1 long list", 2, 1, "4,6,9,12,18,36", true);
    row("2008/2 B1 one missing", 2, 1, "4,6,9,12,18", false);
    // Letters in two cases
    row("2007 B7 lower case", 0, 7, "гвжедба", true);
    row("2007 B7 upper case", 0, 7, "ГВЖЕДБА", true);
    row("2007 B7 mixed case", 0, 7, "Гвжедба", false);
    row("2008/2 B4 upper first", 2, 4, "ДМК", true);
    row("2008/2 B4 lower second", 2, 4, "дмк", true);
    row("2008/5 B8 upper", 5, 8, "BCDA", true);
    row("2008/5 B8 lower", 5, 8, "bcda", true);
    row("2008/5 B8 mixed", 5, 8, "bCDA", false);
    // Look-alike letters of the other alphabet
    row("2008/6 B4 Cyrillic capital", 6, 4, "\u0410", true);
    row("2008/6 B4 Cyrillic small", 6, 4, "\u0430", true);
    row("2008/6 B4 Latin capital", 6, 4, "A", false);
    row("2008/6 B4 Latin small", 6, 4, "a", false);
    row("2008/4 B4 Cyrillic", 4, 4, "м5", true);
    row("2008/4 B4 upper Cyrillic", 4, 4, "М5", true);
    row("2008/4 B4 Latin m", 4, 4, "m5", false);
    row("2008/4 B4 Latin M", 4, 4, "M5", false);
    row("2008/7 B7 Latin as keyed", 7, 7, "DGAFCEB", true);
    row("2008/7 B7 a Cyrillic А inside", 7, 7, "DG\u0410FCEB", false);
    row("2008/4 B8 Cyrillic look-alikes", 4, 8, "d\u0441\u0430b", false);
    row("2007 B8 Latin B and A for Cyrillic", 0, 8, "\u0413BA\u0411", false);
    row("2007 B8 Cyrillic upper as keyed", 0, 8, "\u0413\u0412\u0410\u0411", true);
    // The one task with two different answers
    row("2008/5 B3 five commands", 5, 3, "11221", true);
    row("2008/5 B3 four commands", 5, 3, "1211", true);
    row("2008/5 B3 both together", 5, 3, "11221,1211", false);
    // Nothing typed
    row("2007 B5 empty", 0, 5, "", false);
    row("2007 B5 a blank", 0, 5, " ", false);
}

void TestMarking::part2Matching() {
    QFETCH(int, paper);
    QFETCH(int, task);
    QFETCH(QString, answer);
    QFETCH(bool, correct);
    const zut::Marking m = markOne(papers()[paper]->key(), task, answer);
    QCOMPARE(m.correct[zut::part1Tasks + task - 1], correct);
    QCOMPARE(m.count, correct ? 1 : 0); // either string counts once
}

void TestMarking::gradeBands_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("grade");
    const QList<QPair<int, const char*>> bands = {
        {28, "5 (отлично)"},     {25, "5 (отлично)"},           {24, "4 (хорошо)"},
        {21, "4 (хорошо)"},      {20, "3 (удовлетворительно)"}, {17, "3 (удовлетворительно)"},
        {16, "2 (очень плохо)"}, {1, "2 (очень плохо)"},        {0, "2 (очень плохо)"}};
    for (const auto& [count, grade] : bands)
        QTest::newRow(qPrintable(QString::number(count))) << count << QString::fromUtf8(grade);
}

// The grade and result for exactly `count` correct answers, through the
// real key of one paper: the first `count` tasks right, the rest wrong.
void TestMarking::gradeBands() {
    QFETCH(int, count);
    QFETCH(QString, grade);
    const zut::AnswerKey& key = papers()[3]->key();
    std::array<int, 20> chosen{};
    std::array<QString, 8> answers;
    for (int t = 0; t < 28; ++t) {
        const bool right = t < count;
        if (t < 20)
            chosen[t] = right ? key.part1[t] : (t % 2 ? 0 : key.part1[t] % 4 + 1);
        else
            answers[t - 20] = right ? QString::fromUtf16(key.part2[t - 20][0]) : QString("x");
    }
    const zut::Marking m = zut::mark(chosen, answers, key);
    QCOMPARE(m.count, count);
    QCOMPARE(m.grade, grade);
    QCOMPARE(m.result, QString("Из 28 вопросов правильных - %1 (без учета части 3)").arg(count));
}

void TestMarking::part1OnlyTheKeyedOption() {
    QFETCH(int, paper);
    const zut::AnswerKey& key = papers()[paper]->key();
    for (int t = 0; t < 20; ++t)
        for (int option = 0; option <= 4; ++option) {
            std::array<int, 20> chosen{};
            chosen[t] = option;
            const zut::Marking m = zut::mark(chosen, {}, key);
            QCOMPARE(m.correct[t], option == key.part1[t]);
            QCOMPARE(m.count, option == key.part1[t] ? 1 : 0);
        }
}

ZUT_TEST_MAIN(TestMarking)
#include "tst_marking.moc"
