// SPDX-License-Identifier: GPL-3.0-or-later
// Executors and strings: programs of numbered commands, the drawing
// executor, strings built by rules and run-length codes.
#include "taskcheck/error.h"
#include "taskcheck/executor.h"
#include "taskcheck/strings.h"

#include <QTest>

#include <cmath>

using namespace zut::check;

class TestExecutor : public QObject {
    Q_OBJECT

private slots:
    void programs_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QStringList>("all");
        QTest::addColumn<QStringList>("shortest");
        // 3 → 6 → 5 → 10; of four commands only 3 → 6 → 12 → 11 → 10.
        QTest::newRow("double, subtract one") << "1: *2; 2: -1" << qint64(3) << qint64(10) << 4
                                              << QStringList{"121", "1122"} << QStringList{"121"};
        // Both commands make 3 of 1, so two programs of three commands.
        QTest::newRow("phrases, two routes")
            << QString::fromUtf8("1: умножь на 3\n2: прибавь 2") << qint64(1) << qint64(15) << 3
            << QStringList{"121", "221"} << QStringList{"121", "221"};
        // /2 applies to even numbers only.
        QTest::newRow("exact halving")
            << "/2; -3" << qint64(20) << qint64(2) << 3 << QStringList{"112"} << QStringList{"112"};
        // Whole division drops the remainder: 20 → 6 → 12 → 4 → 1 → 7.
        QTest::newRow("whole division")
            << QString::fromUtf8("прибавь 6; раздели нацело на 3") << qint64(20) << qint64(7) << 5
            << QStringList{"21221"} << QStringList{"21221"};
        QTest::newRow("square and add") << "x*x; x+1" << qint64(2) << qint64(26) << 4
                                        << QStringList{"1212"} << QStringList{"1212"};
        QTest::newRow("append a digit")
            << QString::fromUtf8("припиши 1 справа; вычти 2") << qint64(2) << qint64(19) << 2
            << QStringList{"12"} << QStringList{"12"};
        // 1 + 3 = 4, 8, 11, 22, 25, 50, 100: seven commands.
        QTest::newRow("none short enough")
            << "*2; +3" << qint64(1) << qint64(100) << 3 << QStringList() << QStringList{"2121211"};
    }
    void programs() {
        QFETCH(QString, commands);
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(int, maxLength);
        QFETCH(QStringList, all);
        QFETCH(QStringList, shortest);
        const QStringList c = parseCommands(commands);
        QCOMPARE(programsFor(c, from, to, maxLength), all);
        QCOMPARE(shortestPrograms(c, from, to), shortest);
        for (const QString& p : all + shortest)
            QCOMPARE(runCommands(c, from, p), to);
    }

    void badCommands() {
        QVERIFY_THROWS_EXCEPTION(CheckError, parseCommands("1: *2; 3: -1"));
        QVERIFY_THROWS_EXCEPTION(CheckError, parseCommands("x **"));
        QVERIFY_THROWS_EXCEPTION(CheckError, parseCommands(""));
        QVERIFY_THROWS_EXCEPTION(CheckError, parseCommands("+1;+1;+1;+1;+1;+1;+1;+1;+1;+1"));
        const QStringList c = parseCommands("/2; -1");
        QVERIFY_THROWS_EXCEPTION(CheckError, runCommands(c, 7, "1")); // 7 is odd
        QVERIFY_THROWS_EXCEPTION(CheckError, runCommands(c, 8, "13"));
        QVERIFY_THROWS_EXCEPTION(CheckError, programsFor(c, 8, 1, 0));
        QVERIFY_THROWS_EXCEPTION(CheckError, programsFor(parseCommands("+1; +2; +3"), 0, 1, 20));
    }

    void pen_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("drawn");
        QTest::newRow("right angle")
            << QString::fromUtf8("вперёд 30 направо 90 вперёд 40") << 40.0 << 30.0 << 50.0 << 70.0;
        QTest::newRow("square") << QString::fromUtf8("повтори 4 [вперёд 10 направо 90]") << 0.0
                                << 0.0 << 0.0 << 40.0;
        QTest::newRow("triangle") << QString::fromUtf8("повтори 3 [вперёд 10 налево 120]") << 0.0
                                  << 0.0 << 0.0 << 30.0;
        QTest::newRow("shift") << QString::fromUtf8("сместиться на (3, 4)") << 3.0 << 4.0 << 5.0
                               << 5.0;
        QTest::newRow("shift back")
            << QString::fromUtf8("сместиться на (-6, 8), сместиться на (6, -8)") << 0.0 << 0.0
            << 0.0 << 20.0;
        QTest::newRow("pen up") << QString::fromUtf8(
                                       "поднять перо вперёд 12 опустить перо налево 90 вперёд 5")
                                << -5.0 << 12.0 << 13.0 << 5.0;
        QTest::newRow("nested repeats")
            << "repeat 2 [forward 5 repeat 2 [right 90]]" << 0.0 << 0.0 << 0.0 << 10.0;
        QTest::newRow("repeat none")
            << QString::fromUtf8("повтори 0 [вперёд 5] назад 1") << 0.0 << -1.0 << 1.0 << 1.0;
    }
    void pen() {
        QFETCH(QString, program);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, distance);
        QFETCH(double, drawn);
        const PenResult r = runPen(program);
        QCOMPARE(r.x, x);
        QCOMPARE(r.y, y);
        QCOMPARE(r.distance, distance);
        QCOMPARE(r.drawn, drawn);
    }

    void penHeading() {
        QCOMPARE(runPen(QString::fromUtf8("направо 30")).heading, 60.0);
        QCOMPARE(runPen(QString::fromUtf8("налево 300")).heading, 30.0);
        // A diagonal move of 10: as far right as up, 10 from the start.
        const PenResult r = runPen(QString::fromUtf8("направо 45 вперёд 10"));
        QVERIFY(std::fabs(r.distance - 10.0) < 1e-9);
        QVERIFY(std::fabs(r.x - r.y) < 1e-9);
    }

    void badPens_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("number missing") << QString::fromUtf8("вперёд направо 90");
        QTest::newRow("unclosed") << QString::fromUtf8("повтори 2 [вперёд 5");
        QTest::newRow("unknown") << QString::fromUtf8("прыгни 5");
        QTest::newRow("bracket alone") << "]";
        QTest::newRow("fraction of a repeat") << QString::fromUtf8("повтори 1.5 [вперёд 1]");
        QTest::newRow("runaway") << QString::fromUtf8("повтори 100000 [повтори 100000 [вперёд 1]]");
    }
    void badPens() {
        QFETCH(QString, program);
        QVERIFY_THROWS_EXCEPTION(CheckError, runPen(program));
    }

    void builtStrings_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("alphabet");
        QTest::addColumn<QString>("result");
        QTest::newRow("number between copies") << "1"
                                               << "{s}{n}{s}" << 3 << ""
                                               << "1213121";
        QTest::newRow("reversed copy") << "AB"
                                       << "{s}{r}{c}" << 3 << "ABCDEFGH"
                                       << "ABBABBABBAC";
        QTest::newRow("number in front") << "1"
                                         << "{n}{s}{s}" << 3 << ""
                                         << "3211211";
        QTest::newRow("literal characters") << "a"
                                            << "({s})" << 3 << ""
                                            << "((a))";
        QTest::newRow("first string") << "xyz"
                                      << "{s}{s}" << 1 << ""
                                      << "xyz";
    }
    void builtStrings() {
        QFETCH(QString, first);
        QFETCH(QString, rule);
        QFETCH(int, number);
        QFETCH(QString, alphabet);
        QFETCH(QString, result);
        QCOMPARE(buildString(first, rule, number, alphabet), result);
        QCOMPARE(builtLength(first, rule, number, alphabet), qint64(result.size()));
        // The character and the counts agree with the string built.
        for (qint64 p = 1; p <= result.size(); ++p)
            QCOMPARE(builtCharAt(first, rule, number, p, alphabet), result[p - 1]);
        for (QChar c : result)
            QCOMPARE(builtCount(first, rule, number, c, alphabet), qint64(result.count(c)));
    }

    void longStrings() {
        const QString abc = QStringLiteral("ABCDEFGH");
        // Lengths 2, 5, 11, 23, 47, 95, 191, 383.
        QCOMPARE(builtLength("AB", "{s}{r}{c}", 8, abc), qint64(383));
        QCOMPARE(builtCharAt("AB", "{s}{r}{c}", 8, 383, abc), QChar('H'));
        // The first character of the reversed half is the last of string 7.
        QCOMPARE(builtCharAt("AB", "{s}{r}{c}", 8, 192, abc), QChar('G'));
        // Position 7 of string 3 is A; copying instead of reversing would give B.
        QCOMPARE(builtCharAt("AB", "{s}{r}{c}", 3, 7, abc), QChar('A'));
        QCOMPARE(builtCount("AB", "{s}{r}{c}", 8, 'B', abc), qint64(192));
        QCOMPARE(builtCount("AB", "{s}{r}{c}", 8, 'C', abc), qint64(32));
        // 1, 3, 7, …, 511, then 1024, 2050, 4102: "10" onwards has two digits.
        QCOMPARE(builtLength("1", "{n}{s}{s}", 12), qint64(4102));
        QCOMPARE(builtCount("1", "{n}{s}{s}", 12, '2'), qint64(1025));
        QCOMPARE(builtCharAt("1", "{n}{s}{s}", 12, 2), QChar('2'));
        QCOMPARE(builtCharAt("1", "{n}{s}{s}", 12, 3), QChar('1'));
        // Far too long to build, still counted.
        QCOMPARE(builtLength("ab", "{s}{s}", 60), qint64(2) << 59);
        QVERIFY_THROWS_EXCEPTION(CheckError, buildString("ab", "{s}{s}", 60));
    }

    void badRules() {
        QVERIFY_THROWS_EXCEPTION(CheckError, buildString("a", "{s}{x}", 2));
        QVERIFY_THROWS_EXCEPTION(CheckError, buildString("a", "{s", 2));
        QVERIFY_THROWS_EXCEPTION(CheckError, buildString("a", "{s}", 0));
        QVERIFY_THROWS_EXCEPTION(CheckError, buildString("a", "{s}{c}", 3, "A"));
        QVERIFY_THROWS_EXCEPTION(CheckError, builtCharAt("a", "{s}{s}", 2, 3));
        QVERIFY_THROWS_EXCEPTION(CheckError, builtLength("ab", "{s}{s}", 70));
    }

    void applying() {
        const auto appendReversed = [](const QString& s) { return s + reversed(s); };
        QCOMPARE(applyTimes("ab", appendReversed, 2), QStringLiteral("abbaabba"));
        QCOMPARE(applyTimes("ab", appendReversed, 0), QStringLiteral("ab"));
        QCOMPARE(reversed(QStringLiteral("ёж\U0001F642")), QStringLiteral("\U0001F642жё"));
    }

    void runLength_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("counts") << "3A2B"
                                << "AAABB";
        QTest::newRow("a group") << "2(AB)C"
                                 << "ABABC";
        QTest::newRow("two-digit count") << "A10B"
                                         << "A" + QString(10, 'B');
        QTest::newRow("count inside a group") << "3(2AB)"
                                              << "AABAABAAB";
        QTest::newRow("nested groups") << "2(A2(BC))"
                                       << "ABCBCABCBC";
        QTest::newRow("zero times") << "0A3(B)"
                                    << "BBB";
        QTest::newRow("Cyrillic") << QString::fromUtf8("2я3б") << QString::fromUtf8("яяббб");
    }
    void runLength() {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QCOMPARE(runLengthDecode(code), text);
        QCOMPARE(runLengthDecodedLength(code), qint64(text.size()));
    }

    void runLengthMore() {
        QCOMPARE(runLengthDecodedLength("12(3(A2B))"), qint64(108));
        QCOMPARE(runLengthDecodedLength("1000000000(AB)"), qint64(2000000000));
        QVERIFY_THROWS_EXCEPTION(CheckError, runLengthDecode("1000000000(AB)"));
        QCOMPARE(runLengthEncode("AAABCCCCD"), QStringLiteral("3AB4CD"));
        QCOMPARE(runLengthDecode(runLengthEncode("xxyyyyyyyyyyyz")),
                 QStringLiteral("xxyyyyyyyyyyyz"));
        for (const char* bad : {"3", "2(AB", "AB)", "5(", "99999999999999999999A"})
            QVERIFY_THROWS_EXCEPTION(CheckError, runLengthDecodedLength(QString::fromLatin1(bad)));
        QVERIFY_THROWS_EXCEPTION(CheckError, runLengthEncode("A1"));
    }
};

QTEST_APPLESS_MAIN(TestExecutor)
#include "tst_solver_executor.moc"
