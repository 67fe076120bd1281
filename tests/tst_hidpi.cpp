// SPDX-License-Identifier: GPL-3.0-or-later
// The window set at a device pixel ratio above 1 (QT_SCALE_FACTOR, set by
// the test command): every control of every window at the rectangle it has
// at 96 dpi, which the test takes from a run of itself at a factor of 1;
// window grabs at the full resolution; and no label's text cut off by its
// box.
#include "testmain.h"

#include "papertest.h"
#include "shell/label.h"
#include "shell/window.h"
#include "windows/start.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

// A control's place in its window: the chain of class, name and index
// among its parent's widgets, so that unnamed controls are told apart.
QString key(QWidget* w) {
    if (w->isWindow())
        return w->objectName();
    const auto siblings = w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return key(w->parentWidget()) + QString("/%1:%2#%3")
                                        .arg(w->metaObject()->className(), w->objectName())
                                        .arg(siblings.indexOf(w));
}

// Every window shown in turn as navigation would show it alone, and the
// rectangle of each of its controls (a window: its size) while it is shown.
std::map<QString, QRect> geometries(const zut::WindowSet& set) {
    std::map<QString, QRect> all;
    for (QWidget* w : set.windows()) {
        if (w != static_cast<QWidget*>(Tityl))
            Tityl->hide();
        w->show();
        QCoreApplication::processEvents();
        all[key(w)] = QRect(QPoint(), w->size());
        for (QWidget* c : w->findChildren<QWidget*>())
            all[key(c)] = c->geometry();
        w->hide();
    }
    return all;
}

// The 96-dpi geometry: this test run once more at a factor of 1, printing
// its windows' rectangles.
constexpr const char* dumpArgument = "--geometry-at-96-dpi";

int dumpGeometry() {
    zut::WindowSet set;
    for (const auto& [k, r] : geometries(set))
        std::printf("%s\t%d %d %d %d\n", k.toUtf8().constData(), r.x(), r.y(), r.width(),
                    r.height());
    return 0;
}

std::map<QString, QRect> referenceGeometry(QString& error) {
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.start(QCoreApplication::applicationFilePath(), {dumpArgument});
    std::map<QString, QRect> all;
    if (!run.waitForFinished(120000) || run.exitStatus() != QProcess::NormalExit ||
        run.exitCode() != 0) {
        error = "the run at 96 dpi failed: " + QString::fromLocal8Bit(run.readAllStandardError());
        return all;
    }
    for (const QString& line : QString::fromUtf8(run.readAllStandardOutput()).split('\n')) {
        const QStringList parts = line.split('\t');
        if (parts.size() != 2)
            continue;
        const QStringList n = parts[1].split(' ');
        if (n.size() == 4)
            all[parts[0]] = QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
    }
    return all;
}

qreal factor() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// The rows of `image` (device pixels) that hold ink: any pixel painted
// with more than a faint trace.
std::pair<int, int> inkRows(const QImage& image) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) > 24) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    }
    return {first, last};
}

// A label's text as the label would draw it were it `pad` pixels larger on
// each side: where its ink falls outside the band the real box shows, the
// real label cuts it off. Returns what is cut, empty where nothing is.
QString cutOff(QLabel* l, qreal dpr) {
    const int pad = std::max(40, l->height());
    auto* own = qobject_cast<zut::Label*>(l);
    std::unique_ptr<QLabel> twin(own ? new zut::Label(l->text()) : new QLabel(l->text()));
    twin->setTextFormat(l->textFormat());
    twin->setFont(l->font());
    twin->setPalette(l->palette());
    twin->setAlignment(l->alignment());
    twin->setWordWrap(l->wordWrap());
    twin->setIndent(l->indent());
    twin->setMargin(l->margin());
    twin->setContentsMargins(l->contentsMargins());
    twin->setAutoFillBackground(false);
    twin->resize(l->width(), l->height() + 2 * pad);
    twin->setAttribute(Qt::WA_DontShowOnScreen);

    // Where the real box stands in the twin, in logical pixels.
    const Qt::Alignment v = l->alignment() & Qt::AlignVertical_Mask;
    const bool drawnFromTop = own && zut::designedMetrics(l->font());
    qreal top = 0;
    if (drawnFromTop || v & Qt::AlignTop)
        top = own ? own->descenderLift() : 0;
    else if (v & Qt::AlignBottom)
        top = 2 * pad;
    else
        top = pad;

    QImage image((QSizeF(twin->size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        twin->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    const auto [first, last] = inkRows(image);
    if (first < 0)
        return {};
    // The ink may touch the band's edge rows (antialiasing of a glyph
    // standing on them) but not pass them.
    const int bandTop = int(std::floor(top * dpr));
    const int bandBottom = int(std::ceil((top + l->height()) * dpr)) - 1;
    QStringList cut;
    if (first < bandTop)
        cut << QString("%1 device pixel rows above").arg(bandTop - first);
    if (last > bandBottom)
        cut << QString("%1 device pixel rows below").arg(last - bandBottom);
    return cut.join(", ");
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanup() { set_.reset(); }

    void sameLogicalGeometry();
    void grabsAtFullResolution_data();
    void grabsAtFullResolution();
    void noLabelCutOff_data();
    void noLabelCutOff();
    void cutOffIsSeen_data();
    void cutOffIsSeen();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestHiDpi::initTestCase() {
    if (factor() <= 1.0)
        QSKIP("run with QT_SCALE_FACTOR above 1 (the test command sets 2 and 1.5)");
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), factor());
}

// Every control of the 14 windows has, in device-independent pixels, the
// rectangle it has at 96 dpi.
void TestHiDpi::sameLogicalGeometry() {
    QString error;
    const auto reference = referenceGeometry(error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(reference.size() > 14 * 5); // every window with its controls
    const auto here = geometries(*set_);
    QStringList differ;
    for (const auto& [k, r] : reference) {
        const auto it = here.find(k);
        if (it == here.end())
            differ << k + ": missing";
        else if (it->second != r)
            differ << QString("%1: %2,%3 %4x%5 at 96 dpi, %6,%7 %8x%9 here")
                          .arg(k)
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height())
                          .arg(it->second.x())
                          .arg(it->second.y())
                          .arg(it->second.width())
                          .arg(it->second.height());
    }
    QCOMPARE(here.size(), reference.size());
    QVERIFY2(differ.isEmpty(), qPrintable(differ.mid(0, 20).join('\n')));
}

void TestHiDpi::grabsAtFullResolution_data() {
    QTest::addColumn<QString>("window");
    for (const char* w :
         {"Tityl", "Nachalo", "t2008_menu", "instryk", "poesn", "sprav", "t2007", "t2008_1",
          "t2008_2", "t2008_3", "t2008_4", "t2008_5", "t2008_6", "t2008_7"})
        QTest::newRow(w) << QString(w);
}

void TestHiDpi::grabsAtFullResolution() {
    QFETCH(QString, window);
    QWidget* w = nullptr;
    for (QWidget* c : set_->windows())
        if (c->objectName() == window)
            w = c;
    QVERIFY(w);
    if (w != static_cast<QWidget*>(Tityl))
        Tityl->hide();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QPixmap shot = w->grab();
    // For looking at them: ZUT_HIDPI_SHOTS=/some/folder keeps every grab.
    if (const QString dir = qEnvironmentVariable("ZUT_HIDPI_SHOTS"); !dir.isEmpty())
        QVERIFY(shot.save(QString("%1/%2@%3x.png").arg(dir, window).arg(factor())));
    QCOMPARE(shot.devicePixelRatio(), factor());
    QCOMPARE(shot.size(), (QSizeF(w->size()) * factor()).toSize());
    QCOMPARE(shot.deviceIndependentSize().toSize(), w->size());
    // Drawn, not left blank: more than one colour in the window.
    const QImage image = shot.toImage();
    const QRgb corner = image.pixel(image.width() / 2, image.height() / 2);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; y += 7)
        for (int x = 0; x < image.width() && !varied; x += 7)
            varied = image.pixel(x, y) != corner;
    QVERIFY(varied);
}

void TestHiDpi::noLabelCutOff_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("labelled"); // the title window's text is its picture
    for (const char* w :
         {"Tityl", "Nachalo", "t2008_menu", "instryk", "poesn", "sprav", "t2007", "t2008_1",
          "t2008_2", "t2008_3", "t2008_4", "t2008_5", "t2008_6", "t2008_7"})
        QTest::newRow(w) << QString(w) << (QString(w) != "Tityl");
}

// The ink of every label with text stays inside its box, at the ratio of
// the screen and at 2 (descenders of the last line included).
void TestHiDpi::noLabelCutOff() {
    QFETCH(QString, window);
    QFETCH(bool, labelled);
    QWidget* w = nullptr;
    for (QWidget* c : set_->windows())
        if (c->objectName() == window)
            w = c;
    QVERIFY(w);
    QStringList cut;
    int labels = 0;
    for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l->text().trimmed().isEmpty() || !l->isVisibleTo(w))
            continue;
        ++labels;
        QList<qreal> ratios{factor()};
        if (factor() != 2.0)
            ratios << 2.0;
        for (qreal dpr : ratios) {
            const QString what = cutOff(l, dpr);
            if (!what.isEmpty())
                cut << QString("%1 «%2» at %3: %4")
                           .arg(key(l), l->text().left(40))
                           .arg(dpr)
                           .arg(what);
        }
    }
    QCOMPARE(labels > 0, labelled);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

void TestHiDpi::cutOffIsSeen_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("cut");
    QTest::newRow("room for the descenders") << 22 << false << false;
    QTest::newRow("one line, box too short") << 12 << false << true;
    QTest::newRow("two lines in a box for one") << 19 << true << true;
}

// The check above sees a cut where there is one.
void TestHiDpi::cutOffIsSeen() {
    QFETCH(int, height);
    QFETCH(bool, wrap);
    QFETCH(bool, cut);
    zut::Label l(wrap ? "Ответ к заданию у Дубровского, ру" : "Ответ руды");
    l.setTextFormat(Qt::PlainText);
    l.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f("Times New Roman");
    f.setPixelSize(16);
    l.setFont(f);
    l.setWordWrap(wrap);
    l.setGeometry(0, 0, wrap ? 120 : 200, height);
    for (qreal dpr : {1.5, 2.0})
        QCOMPARE(!cutOff(&l, dpr).isEmpty(), cut);
}

int main(int argc, char** argv) {
    zut::prepareEnvironment();
    const bool dump = argc > 1 && std::strcmp(argv[1], dumpArgument) == 0;
    QApplication app(argc, argv);
    zut::initApplication();
    if (dump)
        return dumpGeometry();
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
