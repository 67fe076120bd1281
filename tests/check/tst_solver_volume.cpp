// SPDX-License-Identifier: GPL-3.0-or-later
// Information volume: texts, alphabets, codes, information and transfer,
// with the slips a task's wrong options come from (bits for bytes, a
// blank not counted, a power of two off by one).
#include "taskcheck/error.h"
#include "taskcheck/volume.h"

#include <QTest>

using namespace zut::check;

Q_DECLARE_METATYPE(zut::check::Unit)

class TestVolume : public QObject {
    Q_OBJECT

private slots:
    void characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("count");
        // Blanks and punctuation count; ё is one character; so is a
        // character that takes two 16-bit units.
        QTest::newRow("phrase") << QStringLiteral("Привет, мир!") << qint64(12);
        QTest::newRow("blanks only") << QStringLiteral("   ") << qint64(3);
        QTest::newRow("empty") << QString() << qint64(0);
        QTest::newRow("outside 16 bits") << QStringLiteral("ёж \U0001F642") << qint64(4);
    }
    void characters() {
        QFETCH(QString, text);
        QFETCH(qint64, count);
        QCOMPARE(characterCount(text), count);
    }

    void textVolume_data() {
        QTest::addColumn<qint64>("characters");
        QTest::addColumn<qint64>("perCharacter");
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<qint64>("bits");
        QTest::newRow("16 bits each") << qint64(12) << qint64(16) << Unit::Bit << qint64(192);
        QTest::newRow("2 bytes each") << qint64(12) << qint64(2) << Unit::Byte << qint64(192);
        QTest::newRow("one byte, 2 Kbytes")
            << qint64(2048) << qint64(1) << Unit::Byte << qint64(16384);
        QTest::newRow("7-bit code") << qint64(30) << qint64(7) << Unit::Bit << qint64(210);
    }
    void textVolume() {
        QFETCH(qint64, characters);
        QFETCH(qint64, perCharacter);
        QFETCH(Unit, unit);
        QFETCH(qint64, bits);
        QCOMPARE(textBits(characters, perCharacter, unit), bits);
    }

    void textOfString() {
        // 12 characters at 16 bits; leaving out the blank would give 176.
        QCOMPARE(textBits(QStringLiteral("Привет, мир!"), 16), qint64(192));
        QCOMPARE(convert(double(textBits(2048, 8)), Unit::Bit, Unit::Kbyte), 2.0);
    }

    void alphabet_data() {
        QTest::addColumn<qint64>("symbols");
        QTest::addColumn<int>("bits");
        QTest::newRow("one symbol") << qint64(1) << 0;
        QTest::newRow("two") << qint64(2) << 1;
        QTest::newRow("three") << qint64(3) << 2;
        QTest::newRow("32 exactly") << qint64(32) << 5;
        QTest::newRow("33, one past") << qint64(33) << 6;
        QTest::newRow("64") << qint64(64) << 6;
        QTest::newRow("65") << qint64(65) << 7;
        QTest::newRow("1000") << qint64(1000) << 10;
    }
    void alphabet() {
        QFETCH(qint64, symbols);
        QFETCH(int, bits);
        QCOMPARE(bitsForAlphabet(symbols), bits);
    }

    void codes_data() {
        QTest::addColumn<qint64>("kinds");
        QTest::addColumn<int>("length");
        QTest::addColumn<qint64>("exactly");
        QTest::addColumn<qint64>("upTo");
        QTest::newRow("two kinds, 5 long") << qint64(2) << 5 << qint64(32) << qint64(62);
        QTest::newRow("three kinds, 3 long") << qint64(3) << 3 << qint64(27) << qint64(39);
        QTest::newRow("three kinds, 4 long") << qint64(3) << 4 << qint64(81) << qint64(120);
    }
    void codes() {
        QFETCH(qint64, kinds);
        QFETCH(int, length);
        QFETCH(qint64, exactly);
        QFETCH(qint64, upTo);
        QCOMPARE(codeCount(kinds, length), exactly);
        QCOMPARE(codeCountUpTo(kinds, length), upTo);
    }

    void leastLength_data() {
        QTest::addColumn<qint64>("kinds");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<bool>("upTo");
        QTest::addColumn<int>("length");
        QTest::newRow("50 objects, two kinds") << qint64(2) << qint64(50) << false << 6;
        QTest::newRow("64 objects fit in 6") << qint64(2) << qint64(64) << false << 6;
        QTest::newRow("65 need 7") << qint64(2) << qint64(65) << false << 7;
        QTest::newRow("50, lengths 1 to L") << qint64(2) << qint64(50) << true << 5;
        QTest::newRow("10 objects, three kinds") << qint64(3) << qint64(10) << false << 3;
        QTest::newRow("one kind, lengths 1 to L") << qint64(1) << qint64(4) << true << 4;
    }
    void leastLength() {
        QFETCH(qint64, kinds);
        QFETCH(qint64, count);
        QFETCH(bool, upTo);
        QFETCH(int, length);
        QCOMPARE(leastCodeLength(kinds, count, upTo), length);
    }

    void information_data() {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("favourable");
        QTest::addColumn<double>("bits");
        QTest::newRow("one of 8") << qint64(8) << qint64(1) << 3.0;
        QTest::newRow("4 of 32") << qint64(32) << qint64(4) << 3.0;
        QTest::newRow("certain") << qint64(16) << qint64(16) << 0.0;
        QTest::newRow("one of 64") << qint64(64) << qint64(1) << 6.0;
    }
    void information() {
        QFETCH(qint64, total);
        QFETCH(qint64, favourable);
        QFETCH(double, bits);
        QCOMPARE(informationBits(total, favourable), bits);
    }

    void messages() {
        // 26 values need 5 bits each; 119 need 7.
        QCOMPARE(messageBits(100, 26), qint64(500));
        QCOMPARE(messageBits(30, 119), qint64(210));
        // 640 × 480 in 256 colours: 8 bits a pixel, 300 Kbytes.
        QCOMPARE(rasterBits(640, 480, 256), qint64(2457600));
        QCOMPARE(convert(double(rasterBits(640, 480, 256)), Unit::Bit, Unit::Kbyte), 300.0);
        // Three colours need 2 bits, not 1.5.
        QCOMPARE(rasterBits(10, 10, 3), qint64(200));
    }

    void transfer_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<Unit>("sizeUnit");
        QTest::addColumn<double>("rate");
        QTest::addColumn<Unit>("rateUnit");
        QTest::addColumn<double>("seconds");
        // 500 Kbytes at 64 Kbit/s; reading the rate as Kbytes/s gives 7.8125.
        QTest::newRow("Kbytes at Kbit/s") << 500.0 << Unit::Kbyte << 64.0 << Unit::Kbit << 62.5;
        QTest::newRow("bits at bit/s") << 4096000.0 << Unit::Bit << 256000.0 << Unit::Bit << 16.0;
        QTest::newRow("Mbyte at Kbyte/s") << 3.0 << Unit::Mbyte << 512.0 << Unit::Kbyte << 6.0;
    }
    void transfer() {
        QFETCH(double, size);
        QFETCH(Unit, sizeUnit);
        QFETCH(double, rate);
        QFETCH(Unit, rateUnit);
        QFETCH(double, seconds);
        QCOMPARE(transferSeconds(size, sizeUnit, rate, rateUnit), seconds);
        QCOMPARE(transferSize(rate, rateUnit, seconds, sizeUnit), size);
    }

    void conversions() {
        QCOMPARE(convert(3, Unit::Mbyte, Unit::Kbit), 24576.0);
        QCOMPARE(convert(1, Unit::Gbyte, Unit::Mbyte), 1024.0);
        QCOMPARE(convert(1024, Unit::Bit, Unit::Byte), 128.0);
    }

    void badInput() {
        QVERIFY_THROWS_EXCEPTION(CheckError, bitsForAlphabet(0));
        QVERIFY_THROWS_EXCEPTION(CheckError, textBits(-1, 8));
        QVERIFY_THROWS_EXCEPTION(CheckError, textBits(10, 0));
        QVERIFY_THROWS_EXCEPTION(CheckError, codeCount(0, 3));
        QVERIFY_THROWS_EXCEPTION(CheckError, codeCount(10, 40)); // too large for 64 bits
        QVERIFY_THROWS_EXCEPTION(CheckError, leastCodeLength(1, 5));
        QVERIFY_THROWS_EXCEPTION(CheckError, informationBits(4, 5));
        QVERIFY_THROWS_EXCEPTION(CheckError, transferSeconds(10, Unit::Byte, 0, Unit::Bit));
    }
};

QTEST_APPLESS_MAIN(TestVolume)
#include "tst_solver_volume.moc"
