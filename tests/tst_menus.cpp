// SPDX-License-Identifier: GPL-3.0-or-later
// The title window, the chooser and the variant menu as their tables give
// them: every control's place, size, text, font, colour, picture, cursor and
// tab order, and how the buttons show their pictures.
#include "testmain.h"

#include "shell/label.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "app/windowset.h"

#include <QLabel>
#include <QPushButton>

#include <string_view>

namespace {

QWidget* window(const zut::WindowSet& set, const QString& name) {
    for (QWidget* w : set.windows())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QColor tooltip() {
    return QApplication::palette().color(QPalette::ToolTipBase);
}

struct Font {
    const char* family = nullptr; // none: the window font
    int size = 0;
    bool bold = false;
    bool italic = false;
};
const Font century16bi{"Century Schoolbook", 16, true, true};
const Font century19bi{"Century Schoolbook", 19, true, true};
const Font century24bi{"Century Schoolbook", 24, true, true};
const Font window11{"Tahoma", 11, false, false};

struct Control {
    const char* window;
    const char* name;
    QRect rect;
    const char* text;
    Font font;
    QColor colour;
    const char* picture = nullptr;
    QSize pictureSize = {};
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool fixed = true; // a label that is not fixed takes the size of its text
    bool centred = true;
};

std::vector<Control> buttons() {
    const QColor teal = zut::colours::teal;
    const Qt::CursorShape hand = Qt::PointingHandCursor;
    std::vector<Control> all = {
        {"Tityl",
         "Start",
         {24, 344, 241, 41},
         "Начать работу",
         century16bi,
         teal,
         "check.bmp",
         {32, 32},
         hand},
        {"Tityl",
         "Stop",
         {24, 400, 241, 41},
         "Выйти из программы",
         century16bi,
         teal,
         "cross.bmp",
         {26, 26},
         hand},
        {"Tityl",
         "BitBtn1",
         {456, 448, 41, 41},
         "",
         window11,
         Qt::black,
         "question.bmp",
         {32, 32},
         Qt::ArrowCursor},
        {"Nachalo",
         "vixod",
         {304, 244, 209, 41},
         "Выход из программы",
         {"Century Schoolbook", 16, false, true},
         teal,
         "cross.bmp",
         {26, 26},
         hand},
        {"Nachalo",
         "test2007",
         {48, 96, 49, 49},
         "",
         window11,
         Qt::black,
         "sheet.bmp",
         {41, 39},
         hand},
        {"Nachalo",
         "test2008",
         {48, 168, 49, 49},
         "",
         window11,
         Qt::black,
         "sheet.bmp",
         {41, 39},
         hand},
        {"t2008_menu",
         "nazad",
         {434, 363, 47, 40},
         "",
         window11,
         Qt::black,
         "back.bmp",
         {32, 32},
         hand},
        {"t2008_menu",
         "vixod",
         {504, 362, 49, 41},
         "",
         window11,
         Qt::black,
         "cross.bmp",
         {26, 26},
         hand},
    };
    static const char* names[] = {"var1", "var2", "var3", "var4", "var5", "var6", "var7"};
    static const char* texts[] = {"1 вариант", "2 вариант", "3 вариант", "4 вариант",
                                  "5 вариант", "6 вариант", "7 вариант"};
    for (int i = 0; i < 7; ++i)
        all.push_back({"t2008_menu",
                       names[i],
                       {i % 2 ? 320 : 64, 96 + 80 * (i / 2), 193, 49},
                       texts[i],
                       century19bi,
                       teal,
                       "pen.bmp",
                       {31, 33},
                       hand});
    // The four buttons of each paper's frame; the bottom bar of the 2007
    // paper stands a pixel lower.
    for (const char* paper :
         {"t2007", "t2008_1", "t2008_2", "t2008_3", "t2008_4", "t2008_5", "t2008_6", "t2008_7"}) {
        const int bottom = std::string_view(paper) == "t2007" ? 667 : 666;
        all.push_back({paper,
                       "poesnen",
                       {1, -1, 238, 41},
                       "Пояснения к работе",
                       century16bi,
                       teal,
                       "explain.bmp",
                       {32, 32},
                       hand});
        all.push_back({paper,
                       "instr",
                       {846, 0, 173, 40},
                       "Инструкция",
                       century16bi,
                       teal,
                       "question.bmp",
                       {32, 32},
                       hand});
        all.push_back({paper,
                       "proverka",
                       {697, bottom, 170, 40},
                       "Проверка",
                       century16bi,
                       teal,
                       "check.bmp",
                       {32, 32},
                       hand});
        all.push_back({paper,
                       "nazad",
                       {866, bottom, 152, 40},
                       "Назад",
                       century16bi,
                       teal,
                       "back.bmp",
                       {32, 32},
                       hand});
    }
    return all;
}

std::vector<Control> labels() {
    const QColor teal = zut::colours::teal, red = zut::colours::red;
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    return {
        {"Nachalo", "Label1", {125, 29, 273, 35}, "Выберите тест", century24bi, teal},
        {"Nachalo",
         "Label4",
         {112, 106, 146, 23},
         "Тест 2007 года",
         {"Century Schoolbook", 19, true, false},
         red,
         nullptr,
         {},
         Qt::ArrowCursor,
         false},
        {"Nachalo",
         "Label6",
         {112, 168, 146, 23},
         "Тест 2008 года",
         {"Century Schoolbook", 19, true, false},
         red,
         nullptr,
         {},
         Qt::ArrowCursor,
         false},
        {"Nachalo",
         "Label7",
         {103, 197, 205, 19},
         "Включает 7 вариантов.  ",
         {"Century Schoolbook", 15, true, true},
         teal,
         nullptr,
         {},
         Qt::ArrowCursor,
         false},
        // The credit keeps its designed box, whatever its text.
        {"Nachalo",
         "Label2",
         {390, 303, 123, 19},
         "© Разработчики",
         {"Times New Roman", 16, false, true},
         text,
         nullptr,
         {},
         Qt::ArrowCursor,
         true,
         false},
        {"t2008_menu", "Label1", {149, 29, 273, 35}, "Выберите вариант", century24bi, teal},
    };
}

void addRows(const std::vector<Control>& controls) {
    QTest::addColumn<Control>("control");
    for (const Control& c : controls)
        QTest::addRow("%s.%s", c.window, c.name) << c;
}

void checkFont(QWidget* w, const Font& f) {
    QCOMPARE(w->font().family(), QString(f.family));
    QCOMPARE(w->font().pixelSize(), f.size);
    QCOMPARE(w->font().bold(), f.bold);
    QCOMPARE(w->font().italic(), f.italic);
}

// Where the picture `icon` stands in the button's image (its opaque pixels
// match there exactly), or an empty rectangle.
QRect findPicture(const QImage& button, const QImage& icon) {
    for (int y = 0; y + icon.height() <= button.height(); ++y)
        for (int x = 0; x + icon.width() <= button.width(); ++x) {
            bool match = true;
            for (int iy = 0; match && iy < icon.height(); ++iy)
                for (int ix = 0; match && ix < icon.width(); ++ix) {
                    const QRgb p = icon.pixel(ix, iy);
                    if (qAlpha(p) == 255 && (button.pixel(x + ix, y + iy) | 0xff000000) != p)
                        match = false;
                }
            if (match)
                return QRect(x, y, icon.width(), icon.height());
        }
    return {};
}

// The columns of the button's image that hold pixels of the caption colour
// outside the picture.
std::pair<int, int> captionInk(const QImage& button, const QRect& picture, const QColor& colour) {
    int left = button.width(), right = -1;
    for (int y = 0; y < button.height(); ++y)
        for (int x = 0; x < button.width(); ++x) {
            if (picture.contains(x, y))
                continue;
            const QColor c = button.pixelColor(x, y);
            const int d = qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                          qAbs(c.blue() - colour.blue());
            if (d < 90) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    return {left, right};
}

} // namespace

Q_DECLARE_METATYPE(Control)

class TestMenus : public QObject {
    Q_OBJECT
private slots:
    void buttons_data() { addRows(::buttons()); }
    void buttons();
    void pictureBesideCaption_data() { addRows(::buttons()); }
    void pictureBesideCaption();
    void labels_data() { addRows(::labels()); }
    void labels();
    void tabOrder_data();
    void tabOrder();
    void background();
    void paperIcons();
};

void TestMenus::buttons() {
    QFETCH(Control, control);
    zut::WindowSet set;
    auto* b = window(set, control.window)->findChild<QPushButton*>(control.name);
    QVERIFY(b);
    QCOMPARE(b->geometry(), control.rect);
    QCOMPARE(b->text(), QString(control.text));
    checkFont(b, control.font);
    if (*control.text)
        QCOMPARE(b->palette().color(QPalette::ButtonText), control.colour);
    QCOMPARE(b->cursor().shape(), control.cursor);
    QCOMPARE(b->iconSize(), control.pictureSize);
    // The picture is the named one, its ground drawn transparent.
    const QImage expected = zut::buttonPicture(QString(":/pictures/") + control.picture)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(expected.size(), control.pictureSize);
    const QImage shown =
        b->icon().pixmap(control.pictureSize).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown, expected);
}

void TestMenus::pictureBesideCaption() {
    QFETCH(Control, control);
    zut::WindowSet set;
    auto* b = window(set, control.window)->findChild<QPushButton*>(control.name);
    QVERIFY(b);
    const QImage image = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage icon = zut::buttonPicture(QString(":/pictures/") + control.picture)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    const QRect picture = findPicture(image, icon);
    QVERIFY2(!picture.isEmpty(), "the picture is not drawn unscaled on the button");
    // Centred vertically, as the pair is horizontally.
    QVERIFY(qAbs(picture.top() - (b->height() - picture.bottom() - 1)) <= 1);
    if (!*control.text) {
        QVERIFY2(qAbs(picture.left() - (b->width() - picture.right() - 1)) <= 1,
                 "the picture is not centred");
        return;
    }
    const auto [left, right] = captionInk(image, picture, control.colour);
    QVERIFY2(right > left, "no caption drawn");
    // The caption starts 4 px after the picture; its first letter may stand
    // a pixel or two off its advance.
    const int gap = left - picture.right() - 1;
    QVERIFY2(gap >= 2 && gap <= 7, qPrintable(QString("gap %1 px").arg(gap)));
    // The pair, picture and caption by its advance, is centred.
    const qreal end =
        picture.right() + 1 + 4 + QFontMetricsF(b->font()).horizontalAdvance(b->text());
    const qreal before = picture.left(), after = b->width() - end;
    QVERIFY2(
        qAbs(before - after) <= 2.5,
        qPrintable(QString("pair not centred: %1 px before, %2 after").arg(before).arg(after)));
}

void TestMenus::labels() {
    QFETCH(Control, control);
    zut::WindowSet set;
    auto* l = window(set, control.window)->findChild<QLabel*>(control.name);
    QVERIFY(l);
    QCOMPARE(l->text(), QString(control.text));
    checkFont(l, control.font);
    QCOMPARE(l->palette().color(QPalette::WindowText), control.colour);
    // Plain text that reacts to nothing: it cannot be selected or edited.
    QCOMPARE(l->textFormat(), Qt::PlainText);
    QVERIFY(!(l->textInteractionFlags() &
              (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable)));
    QCOMPARE(l->pos(), control.rect.topLeft());
    if (control.fixed) {
        QCOMPARE(l->size(), control.rect.size());
        QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask,
                 control.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    } else {
        // Sized to its text: about the designed width with these fonts.
        QVERIFY2(qAbs(l->width() - control.rect.width()) <= 4,
                 qPrintable(QString("width %1").arg(l->width())));
    }
    // Nothing of the text is cut off.
    // Labels in the stand-in for Century Schoolbook put their baseline where
    // the layout's font had it; others where the font's own ascent does.
    const QFontMetrics m(l->font());
    const auto designed = zut::designedMetrics(l->font());
    const int baseline = designed ? qRound(designed->ascent) : m.ascent();
    const QRect ink = m.tightBoundingRect(l->text()).translated(0, baseline);
    const int offset =
        l->alignment() & Qt::AlignHCenter ? (l->width() - m.horizontalAdvance(l->text())) / 2 : 0;
    QVERIFY2(QRect(QPoint(), l->size()).adjusted(-1, 0, 1, 0).contains(ink.translated(offset, 0)),
             qPrintable(QString("text %1 outside %2x%3")
                            .arg(QString("%1,%2 %3x%4")
                                     .arg(ink.x() + offset)
                                     .arg(ink.y())
                                     .arg(ink.width())
                                     .arg(ink.height()))
                            .arg(l->width())
                            .arg(l->height())));
}

void TestMenus::tabOrder_data() {
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Tityl") << QStringList{"Start", "Stop", "BitBtn1"};
    QTest::newRow("Nachalo") << QStringList{"vixod", "test2007", "test2008"};
    QTest::newRow("t2008_menu") << QStringList{"vixod", "var1", "var2",  "var3", "var4",
                                               "var5",  "var6", "nazad", "var7"};
}

void TestMenus::tabOrder() {
    QFETCH(QStringList, order);
    zut::WindowSet set;
    QWidget* w = window(set, QTest::currentDataTag());
    // Follow the focus chain from the first control round to it again,
    // keeping what the Tab key stops at.
    QWidget* first = w->findChild<QWidget*>(order.first());
    QVERIFY(first);
    QStringList seen;
    QWidget* c = first;
    do {
        if (c->isWindow() == false && c->window() == w && (c->focusPolicy() & Qt::TabFocus))
            seen << c->objectName();
        c = c->nextInFocusChain();
    } while (c != first && seen.size() < 50);
    QCOMPARE(seen, order);
}

void TestMenus::background() {
    zut::WindowSet set;
    QWidget* title = window(set, "Tityl");
    auto* fon = title->findChild<zut::Picture*>("fon");
    QVERIFY(fon);
    QCOMPARE(fon->geometry(), QRect(0, 0, 513, 505));
    QVERIFY(!fon->fit());
    QCOMPARE(fon->drawnRect(), QRect(0, 0, 512, 510)); // unscaled, cut by the control
    QCOMPARE(fon->resource(), ":/pictures/title.jpg");

    const QImage shown = title->grab(QRect(0, 0, 513, 505)).toImage();
    const QImage picture = QImage(":/pictures/title.jpg").convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 505; y += 7) {
        // The rightmost column shows the window's tooltip colour.
        QCOMPARE(shown.pixelColor(512, y), tooltip());
        QCOMPARE(shown.pixel(5, y) | 0xff000000, picture.pixel(5, y));
    }
    QCOMPARE(shown.pixel(500, 2) | 0xff000000, picture.pixel(500, 2));
}

// Every paper window carries the papers' icon, its ground transparent.
void TestMenus::paperIcons() {
    zut::WindowSet set;
    const QImage expected = zut::buttonPicture(":/pictures/paper-icon.bmp")
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(expected.size(), QSize(32, 32));
    QCOMPARE(qAlpha(expected.pixel(0, 31)), 0);
    int papers = 0;
    for (QWidget* w : set.windows())
        if (w->objectName().startsWith("t200") && w->objectName() != "t2008_menu") {
            ++papers;
            const QImage shown =
                w->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(shown == expected, qPrintable(w->objectName()));
        }
    QCOMPARE(papers, 8);
}

ZUT_TEST_MAIN(TestMenus)
#include "tst_menus.moc"
