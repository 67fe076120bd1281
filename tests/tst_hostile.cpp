// Hostile text in the answer fields: whatever is pasted, set or typed is
// kept exactly in the answer slot, nothing lost and nothing altered, and
// marking compares it as it is.
#include "testmain.h"

#include "papertest.h"

#include <QClipboard>
#include <QPushButton>

namespace {

QString withNul() {
    return QString("12") + QChar(0) + "121";
}
QString loneSurrogates() {
    return QString("12") + QChar(0xD800) + QChar(0xDFFF) + "x";
}

} // namespace

class TestHostile : public QObject {
    Q_OBJECT
private slots:
    void init() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanup() { set_.reset(); }
    void keptExactly_data();
    void keptExactly();
    void typedKeyByKey_data();
    void typedKeyByKey();
    void megabyteStaysWhole();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestHostile::keptExactly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("correct"); // against B3 of variant 2, keyed "12121"
    QTest::newRow("the key itself") << "12121" << true;
    QTest::newRow("control characters") << QString("\x01\x02\x1b\x7f") + "12121" << false;
    QTest::newRow("NUL inside") << withNul() << false;
    QTest::newRow("tab and newlines") << "121\t21\n\r\n" << false;
    QTest::newRow("only a newline after the key") << "12121\n" << false;
    QTest::newRow("right-to-left mark after the key") << QString("12121") + QChar(0x200F) << false;
    QTest::newRow("right-to-left override") << QString(QChar(0x202E)) + "12121" << false;
    QTest::newRow("zero-width space") << QString("121") + QChar(0x200B) + "21" << false;
    QTest::newRow("combining marks") << QString("1") + QChar(0x0301) + "2121" << false;
    QTest::newRow("emoji") << "12121😀" << false;
    QTest::newRow("lone surrogates") << loneSurrogates() << false;
    QTest::newRow("full-width digits") << "１２１２１" << false;
    QTest::newRow("Arabic-Indic digits") << "١٢١٢١" << false;
    QTest::newRow("every script") << "Ответ answer απάντηση תשובה جواب 答案 उत्तर คำตอบ ответ"
                                  << false;
    QTest::newRow("a thousand lines") << QString("12121\n").repeated(1000) << false;
}

void TestHostile::keptExactly() {
    QFETCH(QString, text);
    QFETCH(bool, correct);
    zut::Paper* p = t2008_2;
    QLineEdit* field = answerField(p, 3);
    // Pasted at once ...
    QGuiApplication::clipboard()->setText(text);
    field->paste();
    QCOMPARE(field->text(), text);
    QCOMPARE(p->answerSlot(3), text);
    QCOMPARE(p->answerSlot(3).size(), text.size());
    // ... pasted again over a selection, and set whole.
    field->selectAll();
    field->paste();
    QCOMPARE(p->answerSlot(3), text);
    field->clear();
    field->setText(text);
    QCOMPARE(p->answerSlot(3), text);
    // Marked by exact comparison, and nothing else in the paper is touched.
    QTest::mouseClick(child<QPushButton>(p, "proverka"), Qt::LeftButton);
    QCOMPARE(verdict(p, 23)->text(), correct ? "Правильно" : "Неправильно");
    for (int n = 1; n <= 8; ++n)
        if (n != 3)
            QVERIFY(p->answerSlot(n).isEmpty());
}

void TestHostile::typedKeyByKey_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("Cyrillic") << "гвжедба";
    QTest::newRow("emoji") << "😀👍🏽";
    QTest::newRow("Hebrew and Arabic") << "שלום سلام";
    QTest::newRow("combining") << "e\u0301a\u0308";
    QTest::newRow("CJK") << "答案";
}

void TestHostile::typedKeyByKey() {
    QFETCH(QString, text);
    zut::Paper* p = t2008_5;
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    QLineEdit* field = answerField(p, 7);
    field->setFocus();
    // A key a character, surrogate pairs in one key as a keyboard sends them.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
    QCOMPARE(p->answerSlot(7), text);
}

// A megabyte pasted at once is kept whole, and the field takes more keys.
void TestHostile::megabyteStaysWhole() {
    zut::Paper* p = t2008_1;
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    QLineEdit* field = answerField(p, 5);
    const QString megabyte = QString("1234567890").repeated(1 << 17) + "end";
    QGuiApplication::clipboard()->setText(megabyte);
    field->setFocus();
    field->paste();
    QCOMPARE(p->answerSlot(5).size(), megabyte.size());
    type(field, "!");
    QCOMPARE(p->answerSlot(5), megabyte + "!");
    QTest::keyClick(field, Qt::Key_Home);
    type(field, "^");
    QVERIFY(p->answerSlot(5).startsWith("^1234"));
    QCOMPARE(p->answerSlot(5).size(), megabyte.size() + 2);
}

ZUT_TEST_MAIN(TestHostile)
#include "tst_hostile.moc"
