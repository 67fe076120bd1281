// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures as the build draws them: sizes, formats and colour
// depths, the transparent ground of the button pictures, what each shows,
// and the title window's background.
#include "testmain.h"

#include "shell/controls.h"
#include "shell/layout.h"
#include "shell/window.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <functional>
#include <queue>

namespace {

// A pixel class, for saying what a picture shows.
using Pick = std::function<bool(QRgb)>;

bool green(QRgb c) {
    return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}
bool red(QRgb c) {
    return qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80;
}
bool blue(QRgb c) {
    return qBlue(c) > qRed(c) + 50 && qBlue(c) > qGreen(c) + 10;
}
bool whiteish(QRgb c) {
    return qRed(c) >= 235 && qGreen(c) >= 235 && qBlue(c) >= 235;
}
bool yellow(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 140 && qBlue(c) < 110;
}
bool gold(QRgb c) {
    return qRed(c) > 190 && qGreen(c) > 80 && qGreen(c) < 240 && qBlue(c) < 100 &&
           qRed(c) > qGreen(c) + 15;
}

QByteArray bytes(const QString& resource) {
    QFile f(resource);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 le(const QByteArray& b, int at, int size) {
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

int count(const QImage& image, const QRect& area, const Pick& pick) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += pick(image.pixel(x, y));
    return n;
}

// How many pixels of the ground colour cannot be reached from the border
// through ground-coloured pixels: such pixels would turn into holes.
int enclosedGround(const QImage& image) {
    const QRgb ground = image.pixel(0, image.height() - 1);
    QImage seen(image.size(), QImage::Format_Mono);
    seen.fill(0);
    std::queue<QPoint> todo;
    for (int x = 0; x < image.width(); ++x)
        for (int y : {0, image.height() - 1})
            todo.push({x, y});
    for (int y = 0; y < image.height(); ++y)
        for (int x : {0, image.width() - 1})
            todo.push({x, y});
    int reached = 0;
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop();
        if (!image.rect().contains(p) || seen.pixelIndex(p) || image.pixel(p) != ground)
            continue;
        seen.setPixel(p, 1);
        ++reached;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            todo.push(p + d);
    }
    return count(image, image.rect(), [ground](QRgb c) { return c == ground; }) - reached;
}

struct Shows {
    const char* what;
    Pick pick;
    int atLeast;
};

class Plain : public zut::Window {};

} // namespace

Q_DECLARE_METATYPE(std::vector<Shows>)

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void bitmaps_data();
    void bitmaps();
    void titleBackground();
    void windowIcon();
};

void TestPictures::bitmaps_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bits");
    QTest::addColumn<std::vector<Shows>>("shows");
    auto row = [](const char* name, QSize size, int bits, std::vector<Shows> shows) {
        QTest::newRow(name) << size << bits << shows;
    };
    row("check.bmp", {32, 32}, 24, {{"green", green, 150}});
    row("cross.bmp", {26, 26}, 24, {{"red", red, 120}});
    row("question.bmp", {32, 32}, 24, {{"blue", blue, 350}, {"white", whiteish, 40}});
    row("sheet.bmp", {41, 39}, 24,
        {{"paper", whiteish, 250}, {"red ticks", red, 12}, {"pencil", yellow, 25}});
    row("pen.bmp", {31, 33}, 24, {{"paper", whiteish, 200}, {"blue pen", blue, 50}});
    row("back.bmp", {32, 32}, 8, {{"blue", blue, 250}, {"white", whiteish, 50}});
    row("explain.bmp", {32, 32}, 24, {{"pages", whiteish, 150}, {"binding", blue, 40}});
    row("paper-icon.bmp", {32, 32}, 24,
        {{"paper", whiteish, 200}, {"pencil", yellow, 20}, {"writing", blue, 20}});
}

void TestPictures::bitmaps() {
    QFETCH(QSize, size);
    QFETCH(int, bits);
    QFETCH(std::vector<Shows>, shows);
    const QString resource = QString(":/pictures/") + QTest::currentDataTag();

    const QByteArray file = bytes(resource);
    QVERIFY2(file.size() > 54, "the picture is missing");
    QCOMPARE(file.left(2), QByteArray("BM"));
    QCOMPARE(int(le(file, 18, 4)), size.width());
    QCOMPARE(int(le(file, 22, 4)), size.height());
    QCOMPARE(int(le(file, 28, 2)), bits);
    QCOMPARE(int(le(file, 30, 4)), 0); // uncompressed

    const QImage image = QImage(resource).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), size);
    const QRgb ground = image.pixel(0, size.height() - 1);
    QVERIFY2(whiteish(ground), "the lower-left pixel is not the white ground");
    // The ground marks nothing but the ground: no pixel inside the drawing
    // has its colour, so no hole opens when it is drawn transparent.
    QCOMPARE(enclosedGround(image), 0);
    const int drawn = count(image, image.rect(), [ground](QRgb c) { return c != ground; });
    QVERIFY2(drawn > size.width() * size.height() / 3, "the drawing is almost empty");
    for (const Shows& s : shows)
        QVERIFY2(count(image, image.rect(), s.pick) >= s.atLeast,
                 qPrintable(QString("too little %1 in the picture").arg(s.what)));

    // As a button shows it: exactly the ground is transparent.
    const QImage shown =
        zut::buttonPicture(resource).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), size);
    int transparent = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool clear = qAlpha(shown.pixel(x, y)) == 0;
            QCOMPARE(clear, image.pixel(x, y) == ground);
            transparent += clear;
        }
    QCOMPARE(transparent, size.width() * size.height() - drawn);
}

void TestPictures::titleBackground() {
    const QString resource = ":/pictures/title.jpg";
    QCOMPARE(bytes(resource).left(3), QByteArray("\xff\xd8\xff"));
    QImageReader reader(resource);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(512, 510));

    // A chequerboard of 128 px squares, light green where column + row is
    // even, pale yellow where it is odd, each with a grain. The two lower
    // right squares hold the books and are left out.
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            if (row == 3 && column >= 2)
                continue;
            const QRect patch(column * 128 + 12, row * 128 + 12, 24, 24);
            double r = 0, g = 0, b = 0, g2 = 0;
            for (int y = patch.top(); y <= patch.bottom(); ++y)
                for (int x = patch.left(); x <= patch.right(); ++x) {
                    const QRgb c = image.pixel(x, y);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    g2 += double(qGreen(c)) * qGreen(c);
                }
            const double n = patch.width() * patch.height();
            r /= n, g /= n, b /= n;
            const double grain = std::sqrt(g2 / n - g * g);
            const QString where = QString("square %1, %2").arg(column).arg(row);
            if ((row + column) % 2 == 0)
                QVERIFY2(g > r + 20 && g > b + 40 && g > 190, qPrintable(where + " is not green"));
            else
                QVERIFY2(r > 235 && g > 225 && b < 220 && b > 150,
                         qPrintable(where + " is not pale yellow"));
            QVERIFY2(grain > 1.5 && grain < 20, qPrintable(where + " has no even grain"));
        }

    // The title: orange-gold letters with a dark shadow in a band between
    // about 170 and 250 px, centred; nothing of it above or below.
    const QRect band(0, 165, 512, 95);
    QVERIFY(count(image, band, gold) > 4000);
    QVERIFY(count(image, band, [](QRgb c) { return qGray(c) < 70; }) > 800);
    QCOMPARE(count(image, QRect(0, 0, 512, 160), gold), 0);
    QCOMPARE(count(image, QRect(0, 262, 512, 80), gold), 0);
    int left = 512, right = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = 0; x < 512; ++x)
            if (gold(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY2(qAbs((left + right) / 2 - 256) <= 8, "the title is not centred");
    QVERIFY2(right - left > 300, "the title is too small");

    // The books and discs fill the lower right corner and nothing else.
    auto strong = [](QRgb c) {
        const int spread =
            std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
        return spread > 110 || qGray(c) < 60 || (blue(c) && qBlue(c) > 200);
    };
    QVERIFY(count(image, QRect(352, 400, 160, 110), strong) > 6000);
    QVERIFY(count(image, QRect(0, 380, 300, 130), strong) < 20);
}

void TestPictures::windowIcon() {
    QTemporaryDir dir;
    const QString path = dir.filePath("icon.yaml");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("window: w\nframe: ordinary\nclient: [100, 100]\nbackground: cream\n"
            "font: {family: Tahoma, size: 11}\nicon: paper-icon.bmp\n");
    f.close();
    Plain w;
    zut::buildLayout(w, path, {});
    const QImage icon =
        w.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(qAlpha(icon.pixel(0, 31)), 0);    // the ground is transparent
    QCOMPARE(qAlpha(icon.pixel(12, 14)), 255); // the sheet is not
}

ZUT_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
