// SPDX-License-Identifier: GPL-3.0-or-later
// Number bases: writing and reading numbers, digit counts, based
// expressions, the bases in which a number ends in a digit or takes a
// form, and letter codes.
#include "taskcheck/bases.h"
#include "taskcheck/codes.h"
#include "taskcheck/error.h"

#include <QTest>

#include <limits>

using namespace zut::check;

using Bases = std::vector<qint64>;
Q_DECLARE_METATYPE(Bases)

namespace {

const std::map<QChar, QString> twoBitCode = {{QChar(u'А'), QStringLiteral("00")},
                                             {QChar(u'Б'), QStringLiteral("01")},
                                             {QChar(u'В'), QStringLiteral("10")},
                                             {QChar(u'Г'), QStringLiteral("11")}};

} // namespace

class TestBases : public QObject {
    Q_OBJECT

private slots:
    void writing_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("digits");
        QTest::newRow("219 in binary") << qint64(219) << 2 << "11011011";
        QTest::newRow("255 in hex") << qint64(255) << 16 << "FF";
        QTest::newRow("100 in octal") << qint64(100) << 8 << "144";
        QTest::newRow("zero") << qint64(0) << 5 << "0";
        QTest::newRow("negative") << qint64(-10) << 3 << "-101";
        QTest::newRow("largest digit") << qint64(35) << 36 << "Z";
        QTest::newRow("36 in base 36") << qint64(36) << 36 << "10";
    }
    void writing() {
        QFETCH(qint64, value);
        QFETCH(int, base);
        QFETCH(QString, digits);
        QCOMPARE(toBase(value, base), digits);
        QCOMPARE(fromBase(digits, base), value);
    }

    void extremes() {
        const qint64 least = std::numeric_limits<qint64>::min();
        QCOMPARE(toBase(least, 2), QStringLiteral("-1") + QString(63, '0'));
        QCOMPARE(fromBase(toBase(least, 16), 16), least);
        QCOMPARE(fromBase(QStringLiteral("1a"), 16), qint64(26)); // either case
    }

    void badDigits_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("base");
        QTest::newRow("9 in octal") << "19" << 8;
        QTest::newRow("2 in binary") << "102" << 2;
        QTest::newRow("base 37") << "12" << 37;
        QTest::newRow("base 1") << "0" << 1;
        QTest::newRow("no digits") << "" << 10;
        QTest::newRow("too large") << "FFFFFFFFFFFFFFFFF" << 16;
        QTest::newRow("a blank inside") << "1 0" << 2;
    }
    void badDigits() {
        QFETCH(QString, digits);
        QFETCH(int, base);
        QVERIFY_THROWS_EXCEPTION(CheckError, fromBase(digits, base));
    }

    void digitCounts_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("base");
        QTest::addColumn<QChar>("digit");
        QTest::addColumn<int>("count");
        // 217 = 11011001: a slip from 219 gives five ones, not six.
        QTest::newRow("ones of 219") << qint64(219) << 2 << QChar('1') << 6;
        QTest::newRow("ones of 217") << qint64(217) << 2 << QChar('1') << 5;
        QTest::newRow("zeros of 217") << qint64(217) << 2 << QChar('0') << 3;
        QTest::newRow("fours of 100 in octal") << qint64(100) << 8 << QChar('4') << 2;
        QTest::newRow("F of 255, lower case asked") << qint64(255) << 16 << QChar('f') << 2;
    }
    void digitCounts() {
        QFETCH(qint64, value);
        QFETCH(int, base);
        QFETCH(QChar, digit);
        QFETCH(int, count);
        QCOMPARE(digitCount(value, base, digit), count);
    }

    void longCodes_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("result");
        QTest::newRow("leading zero") << "0110" << 2 << 16 << "6";
        QTest::newRow("eight bits") << "11011000" << 2 << 16 << "D8";
        QTest::newRow("2 to the 64") << "1" + QString(64, '0') << 2 << 16 << "1" + QString(16, '0');
        QTest::newRow("hex to binary") << "FF" << 16 << 2 << "11111111";
        QTest::newRow("all zeros") << "000" << 2 << 10 << "0";
        QTest::newRow("octal to hex") << "777" << 8 << 16 << "1FF";
    }
    void longCodes() {
        QFETCH(QString, digits);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, result);
        QCOMPARE(convertDigits(digits, from, to), result);
    }

    void expressions_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("result");
        // 11 + 31 · 26 = 817 = 331 in hex; read left to right it would be 1092.
        QTest::newRow("sum and product") << "1011_2 + 37_8 * 1A_16" << 16 << "331";
        QTest::newRow("same in decimal") << "1011_2 + 37_8 * 1A_16" << 10 << "817";
        QTest::newRow("two bases") << "101_2 + 11_3" << 2 << "1001";
        QTest::newRow("subscript bases") << QStringLiteral("1011₂ + 17₈") << 2 << "11010";
        QTest::newRow("parentheses") << "(10_2 + 10_3) * 10_4" << 10 << "20";
        QTest::newRow("difference") << "100_8 - 77_8" << 8 << "1";
        QTest::newRow("plain decimal") << "12 + 3 * 4" << 10 << "24";
    }
    void expressions() {
        QFETCH(QString, expression);
        QFETCH(int, base);
        QFETCH(QString, result);
        QCOMPARE(evaluateBased(expression, base), result);
    }

    void badExpressions_data() {
        QTest::addColumn<QString>("expression");
        QTest::newRow("digit above base") << "12_2 + 1";
        QTest::newRow("ends early") << "1_2 +";
        QTest::newRow("base missing") << "1_ + 1";
        QTest::newRow("unclosed") << "(1_2 + 1";
        QTest::newRow("stray character") << "1_2 / 1_2";
        QTest::newRow("empty") << "";
    }
    void badExpressions() {
        QFETCH(QString, expression);
        QVERIFY_THROWS_EXCEPTION(CheckError, evaluateBased(expression));
    }

    void endings_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("digit");
        QTest::addColumn<Bases>("bases");
        // 15 − 3 = 12, bases above 3 that divide it.
        QTest::newRow("15 ends in 3") << qint64(15) << 3 << Bases{4, 6, 12};
        QTest::newRow("29 ends in 5") << qint64(29) << 5 << Bases{6, 8, 12, 24};
        QTest::newRow("10 ends in 0") << qint64(10) << 0 << Bases{2, 5, 10};
        QTest::newRow("23 ends in 1") << qint64(23) << 1 << Bases{2, 11, 22};
        QTest::newRow("digit above the number") << qint64(7) << 9 << Bases{};
        QTest::newRow("square of a prime") << qint64(51) << 2 << Bases{7, 49};
    }
    void endings() {
        QFETCH(qint64, value);
        QFETCH(int, digit);
        QFETCH(Bases, bases);
        QCOMPARE(basesEndingIn(value, digit), bases);
        for (qint64 b : bases)
            if (b <= 36) // beyond 36 a digit has no character of its own
                QVERIFY(toBase(value, int(b)).endsWith(QChar('0' + digit)));
    }

    void endlessEndings() {
        // 5 is written "5" in every base above 5.
        QVERIFY_THROWS_EXCEPTION(CheckError, basesEndingIn(5, 5));
        QVERIFY_THROWS_EXCEPTION(CheckError, basesEndingIn(-4, 1));
    }

    void patterns_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<Bases>("bases");
        QTest::newRow("23 as 43") << qint64(23) << "43" << Bases{5};
        QTest::newRow("23 as 32") << qint64(23) << "32" << Bases{7};
        QTest::newRow("13 as 111") << qint64(13) << "111" << Bases{3};
        QTest::newRow("30 as 1?0") << qint64(30) << "1?0" << Bases{5};
        QTest::newRow("12 as 1?") << qint64(12) << "1?" << Bases{7, 8, 9, 10, 11, 12};
        QTest::newRow("no base") << qint64(24) << "43" << Bases{};
        // 1·b + 9 = 13 gives b = 4, but 9 is no digit of base 4.
        QTest::newRow("digit too big for the base") << qint64(13) << "19" << Bases{};
    }
    void patterns() {
        QFETCH(qint64, value);
        QFETCH(QString, pattern);
        QFETCH(Bases, bases);
        QCOMPARE(basesWithPattern(value, pattern), bases);
    }

    void digitCountBases() {
        // 20 has three digits in bases 3 (202) and 4 (110) only.
        QCOMPARE(basesWithDigitCount(20, 3), (Bases{3, 4}));
        QCOMPARE(basesWithDigitCount(20, 5), (Bases{2}));
        QVERIFY_THROWS_EXCEPTION(CheckError, basesWithPattern(5, QStringLiteral("?")));
        QVERIFY_THROWS_EXCEPTION(CheckError, basesWithPattern(5, QStringLiteral("0?")));
        QVERIFY_THROWS_EXCEPTION(CheckError, basesWithPattern(5, QStringLiteral("1#?")));
    }

    void letterCodes() {
        QCOMPARE(encode(QStringLiteral("ВАГБ"), twoBitCode), QStringLiteral("10001101"));
        QCOMPARE(decodings(QStringLiteral("10001101"), twoBitCode), QStringList{"ВАГБ"});
        QVERIFY(isPrefixCode(twoBitCode));
        // The message in hex: 10001101 = 8D.
        QCOMPARE(convertDigits(encode(QStringLiteral("ВАГБ"), twoBitCode), 2, 16),
                 QStringLiteral("8D"));
    }

    void ambiguousCodes() {
        const std::map<QChar, QString> codes = {{QChar(u'А'), QStringLiteral("0")},
                                                {QChar(u'Б'), QStringLiteral("01")},
                                                {QChar(u'В'), QStringLiteral("10")}};
        QVERIFY(!isPrefixCode(codes));
        QCOMPARE(decodings(QStringLiteral("010"), codes), (QStringList{"АВ", "БА"}));
        QCOMPARE(decodings(QStringLiteral("1"), codes), QStringList());
        QVERIFY_THROWS_EXCEPTION(CheckError, encode(QStringLiteral("АГ"), codes));
    }
};

QTEST_APPLESS_MAIN(TestBases)
#include "tst_solver_bases.moc"
