// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile text in the answer fields: whatever is pasted, set or typed is
// kept exactly in the answer slot, nothing lost and nothing altered, and
// marking compares it as it is.
#include "testmain.h"

#include "papertest.h"

#include <QClipboard>
#include <QPlainTextEdit>
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
    void headingKeepsPastedText_data();
    void headingKeepsPastedText();
    void typedKeyByKey_data();
    void typedKeyByKey();
    void megabyteStaysWhole();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

// The hostile texts; none is the answer to any task.
static const std::vector<std::pair<const char*, QString>>& hostileTexts() {
    static const std::vector<std::pair<const char*, QString>> texts = {
        {"control characters", QString("\x01\x02\x1b\x7f") + "12121"},
        {"NUL inside", withNul()},
        {"tab and newlines", "121\t21\n\r\n"},
        {"only a newline after the key", "12121\n"},
        {"right-to-left mark after the key", QString("12121") + QChar(0x200F)},
        {"right-to-left override", QString(QChar(0x202E)) + "12121"},
        {"zero-width space", QString("121") + QChar(0x200B) + "21"},
        {"combining marks", QString("1") + QChar(0x0301) + "2121"},
        {"emoji", "12121😀"},
        {"lone surrogates", loneSurrogates()},
        {"full-width digits", "１２１２１"},
        {"Arabic-Indic digits", "١٢١٢١"},
        {"every script", "Ответ answer απάντηση תשובה جواب 答案 उत्तर คำตอบ ответ"},
        {"a thousand lines", QString("12121\n").repeated(1000)},
    };
    return texts;
}

void TestHostile::keptExactly_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("correct");
    QTest::newRow("B3: the key itself") << 3 << "12121" << true; // variant 2's B3 key
    for (int n = 1; n <= 8; ++n)
        for (const auto& [name, text] : hostileTexts())
            QTest::addRow("B%d: %s", n, name) << n << text << false;
}

void TestHostile::keptExactly() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, correct);
    zut::Paper* p = t2008_2;
    QLineEdit* f = answerField(p, field);
    // Pasted at once ...
    QGuiApplication::clipboard()->setText(text);
    f->paste();
    QCOMPARE(f->text(), text);
    QCOMPARE(p->answerSlot(field), text);
    QCOMPARE(p->answerSlot(field).size(), text.size());
    // ... pasted again over a selection, and set whole.
    f->selectAll();
    f->paste();
    QCOMPARE(p->answerSlot(field), text);
    f->clear();
    f->setText(text);
    QCOMPARE(p->answerSlot(field), text);
    // Marked by exact comparison, and nothing else in the paper is touched.
    QTest::mouseClick(child<QPushButton>(p, "proverka"), Qt::LeftButton);
    QCOMPARE(verdict(p, 20 + field)->text(), correct ? "Правильно" : "Неправильно");
    for (int n = 1; n <= 8; ++n)
        if (n != field)
            QVERIFY(p->answerSlot(n).isEmpty());
}

// The heading field takes whatever is pasted into it, every character kept
// in order (its line breaks as the field writes them), and no answer of
// the paper changes.
void TestHostile::headingKeepsPastedText_data() {
    QTest::addColumn<QString>("text");
    for (const auto& [name, text] : hostileTexts())
        QTest::newRow(name) << text;
}

void TestHostile::headingKeepsPastedText() {
    QFETCH(QString, text);
    zut::Paper* p = t2008_4;
    auto* heading = child<QPlainTextEdit>(p, "Memo6");
    const QString before = heading->toPlainText();
    heading->moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setText(text);
    heading->paste();
    QString expected = text;
    expected.replace("\r\n", "\n").replace('\r', '\n');
    QCOMPARE(heading->toPlainText(), before + expected);
    for (int n = 1; n <= 8; ++n)
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
