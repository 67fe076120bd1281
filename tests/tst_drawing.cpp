// SPDX-License-Identifier: GPL-3.0-or-later
// The picture tool on content files: what it draws for each kind of
// picture, and its message for faulty drawing data (which fails the build).
#include "testmain.h"

#include <QImage>
#include <QPicture>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdlib>

namespace {

struct Run {
    int status;
    QString errors;
};

Run draw(const QString& content, const QString& out, const QStringList& more = {}) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.start(ZUT_DRAW,
               QStringList{"content", content, out, ZUT_PICTURE_SOURCES, ZUT_FONT_DIR} + more);
    tool.waitForFinished(60000);
    QStringList errors =
        QString::fromUtf8(tool.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    errors.removeIf([](const QString& line) { return line.startsWith("QStandardPaths:"); });
    return {tool.exitCode(), errors.join('\n')};
}

QString paperWithPicture(const QString& picture) {
    QString s = "paper: probe\ntasks:\n";
    for (int n = 1; n <= 20; ++n)
        s += n == 3 ? "  - task: А3\n    elements:\n      - picture: probe/p.jpg\n"
                      "        format: jpeg\n        stored: [120, 80]\n        rect: [120, 80]\n"
                      "        draw:\n" +
                          picture
                    : QString("  - {task: А%1}\n").arg(n);
    for (int n = 1; n <= 8; ++n)
        s += QString("  - {task: B%1}\n").arg(n);
    for (int n = 1; n <= 4; ++n)
        s += QString("  - {task: С%1}\n").arg(n);
    return s;
}

QString write(QTemporaryDir& dir, const QString& text) {
    const QString path = dir.filePath("paper.yaml");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    return path;
}

int darkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 200;
    return dark;
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    void drawsEachKind_data();
    void drawsEachKind();
    void faultyData_data();
    void faultyData();
    void flowchartBlockWords_data();
    void flowchartBlockWords();
    void flowchartSpacing_data();
    void flowchartSpacing();
    void pieLabels_data();
    void pieLabels();
    void chartPlace_data();
    void chartPlace();
    void chartColours_data();
    void chartColours();
    void chartRightMargin_data();
    void chartRightMargin();
    void resourceList_data();
    void resourceList();
};

void TestDrawing::drawsEachKind_data() {
    QTest::addColumn<QString>("picture");
    QTest::newRow("table") << "          table: {head: [X, F], rows: [[0, 1], [1, 0]]}\n";
    QTest::newRow("spreadsheet")
        << "          spreadsheet: {columns: [A, B], rows: [[1, \"=A1*2\"]]}\n";
    QTest::newRow("tables")
        << "          tables: [{title: \"1)\", rows: [[a]]}, {title: \"2)\", rows: [[b]]}]\n";
    QTest::newRow("bar chart") << "          chart: {kind: bar, values: [3, 5], labels: [A, B]}\n";
    QTest::newRow("pie chart") << "          chart: {kind: pie, values: [3, 5], labels: [A, B]}\n";
    QTest::newRow("chart on the page")
        << "          chart: {kind: bar, values: [3, 5], labels: [A, B], background: page}\n";
    QTest::newRow("pie labelled on its sectors")
        << "          chart: {kind: pie, values: [3, 5], labels: [A, B], legend: sectors}\n";
    QTest::newRow("graph")
        << "          graph: {nodes: {A: [15, 15], B: [90, 50]}, edges: [[A, B, \"4\"]]}\n";
    QTest::newRow("graph on the page")
        << "          graph: {nodes: {A: [15, 15], B: [90, 50]}, edges: [[A, B, \"4\"]], "
           "background: page}\n";
    QTest::newRow("flowchart")
        << "          flowchart:\n            - start: начало\n"
           "            - while: \"i < 3\"\n              body: [{do: \"i := i + 1\"}]\n"
           "            - end: конец\n";
    QTest::newRow("freeform") << "          svg: fixture/house.svg\n";
}

void TestDrawing::drawsEachKind() {
    QFETCH(QString, picture);
    QTemporaryDir dir;
    const Run run = draw(write(dir, paperWithPicture(picture)), dir.filePath("out"));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    const QImage image(dir.filePath("out/probe/p.jpg"));
    QCOMPARE(image.size(), QSize(120, 80)); // its stored size
    QVERIFY(darkPixels(image) > 40);        // lines and letters, not a blank
    // Outside what is drawn: white, or the page's cream where asked for
    // (within what the JPEG keeps of a colour).
    const QColor corner = image.pixelColor(0, 0);
    const QColor wanted = picture.contains("background: page") ? QColor(255, 251, 240) : Qt::white;
    QVERIFY2(std::abs(corner.red() - wanted.red()) + std::abs(corner.green() - wanted.green()) +
                     std::abs(corner.blue() - wanted.blue()) <=
                 6,
             qPrintable(corner.name()));
}

// The list the build embeds: every picture the tool drew, by its name in
// the content, the file each entry points at being a picture of that kind
// (a QPicture recording in place of a drawing where the build asks for one).
void TestDrawing::resourceList_data() {
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<QString>("vectorKind");
    QTest::newRow("drawings as drawn") << QStringList{} << "svg";
    QTest::newRow("drawings recorded") << QStringList{"record"} << "recording";
}

void TestDrawing::resourceList() {
    QFETCH(QStringList, record);
    QFETCH(QString, vectorKind);
    QTemporaryDir dir;
    const QString vector = "  - task: А5\n    elements:\n      - picture: probe/v.svg\n"
                           "        format: emf\n        rect: [90, 60]\n        draw:\n"
                           "          table: {rows: [[1, 2]]}\n";
    QString text = paperWithPicture("          table: {rows: [[1]]}\n");
    text.replace("  - {task: А5}\n", vector);
    const QString list = dir.filePath("lists/probe.qrc");
    const Run run = draw(write(dir, text), dir.filePath("out"), QStringList{list} + record);
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);

    QFile file(list);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QMap<QString, QString> entries; // name in the content -> file embedded
    QString prefix;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"qresource")
            prefix = xml.attributes().value("prefix").toString();
        if (xml.isStartElement() && xml.name() == u"file") {
            const QString alias = xml.attributes().value("alias").toString();
            entries[alias] = dir.filePath("lists/" + xml.readElementText());
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(prefix, QString("/pictures"));
    QCOMPARE(entries.keys(), (QStringList{"probe/p.jpg", "probe/v.svg"}));
    QCOMPARE(QImage(entries["probe/p.jpg"]).size(), QSize(120, 80));
    if (vectorKind == "svg") {
        QVERIFY(QSvgRenderer(entries["probe/v.svg"]).isValid());
    } else {
        QVERIFY(!QSvgRenderer(entries["probe/v.svg"]).isValid());
        QPicture recording;
        QVERIFY(recording.load(entries["probe/v.svg"]));
        QCOMPARE(recording.boundingRect().size(), QSize(90, 60));
    }
}

void TestDrawing::faultyData_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown kind") << "          photo: cat\n"
                                  << "unknown kind of picture \"photo\"";
    QTest::newRow("two kinds") << "          table: {rows: [[1]]}\n          chart: {}\n"
                               << "names one kind";
    QTest::newRow("ragged table") << "          table: {rows: [[1, 2], [3]]}\n"
                                  << "differ in length";
    QTest::newRow("edge to nowhere") << "          graph: {nodes: {A: [5, 5]}, edges: [[A, Z]]}\n"
                                     << "joins two of the graph's nodes";
    QTest::newRow("chart without labels")
        << "          chart: {kind: bar, values: [1, 2], labels: [A]}\n"
        << "one label a value";
    QTest::newRow("negative value")
        << "          chart: {kind: pie, values: [1, -2], labels: [A, B]}\n"
        << "not below 0";
    QTest::newRow("chart on a colour")
        << "          chart: {kind: bar, values: [1, 2], labels: [A, B], background: blue}\n"
        << "background is page";
    QTest::newRow("legend of a bar chart on sectors")
        << "          chart: {kind: bar, values: [1, 2], labels: [A, B], legend: sectors}\n"
        << "only a pie chart has its labels on the sectors";
    QTest::newRow("unknown legend")
        << "          chart: {kind: pie, values: [1, 2], labels: [A, B], legend: below}\n"
        << "legend is beside or sectors";
    QTest::newRow("chart placed right")
        << "          chart: {kind: bar, values: [1, 2], labels: [A, B], place: right}\n"
        << "place is left";
    QTest::newRow("pie in one colour")
        << "          chart: {kind: pie, values: [1, 2], labels: [A, B], colour: one}\n"
        << "only a bar chart is drawn in one colour";
    QTest::newRow("unknown colour")
        << "          chart: {kind: bar, values: [1, 2], labels: [A, B], colour: red}\n"
        << "colour is one";
    QTest::newRow("right margin past the middle")
        << "          chart: {kind: bar, values: [1, 2], labels: [A, B], right-margin: 60}\n"
        << "right margin is a number of pixels";
    QTest::newRow("unknown step") << "          flowchart: [{jump: x}]\n"
                                  << "start, end, do, input, output, if or while";
    QTest::newRow("unknown spacing") << "          spacing: wide\n          flowchart: [{end: x}]\n"
                                     << "spacing is tight";
    QTest::newRow("spacing of a table")
        << "          spacing: tight\n          table: {rows: [[1]]}\n"
        << "only a flowchart has a spacing";
    QTest::newRow("missing drawing") << "          svg: nowhere.svg\n"
                                     << "no drawing";
}

void TestDrawing::faultyData() {
    QFETCH(QString, picture);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const Run run = draw(write(dir, paperWithPicture(picture)), dir.filePath("out"));
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains("picture probe/p.jpg") && run.errors.contains(message),
             qPrintable(run.errors));
}

void TestDrawing::flowchartBlockWords_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("notDrawn");
    // A data block says what it does, as the checks read it: «вывод b».
    QTest::newRow("output") << "{output: b}"
                            << "вывод b"
                            << "ввод";
    QTest::newRow("input") << "{input: \"a, b\"}"
                           << "ввод a, b"
                           << "вывод";
    QTest::newRow("output of two") << "{output: \"s, r\"}"
                                   << "вывод s, r"
                                   << "ввод";
    // An action's text stands as written, with no verb before it.
    QTest::newRow("action") << "{do: \"b := b − a\"}"
                            << "b := b − a"
                            << "вывод";
}

namespace {

// A pie chart's pieces as the SVG of a vector picture holds them, in the
// picture's own pixels: the pie's centre and radius (from its first
// sector's outline), and each label with where its baseline starts and the
// size its letters show at.
struct DrawnPie {
    QPointF centre;
    qreal radius = 0;
    struct Label {
        QString text;
        QPointF at;
        qreal pixels;
    };
    std::vector<Label> labels;
};

// The SVG the tool draws of one picture in a vector rectangle of `rect`.
QString drawnSvg(const QString& picture, const QSize& rect, QString& errors) {
    QTemporaryDir dir;
    QString paper = paperWithPicture(picture);
    paper.replace("probe/p.jpg\n        format: jpeg\n        stored: [120, 80]\n"
                  "        rect: [120, 80]\n",
                  QString("probe/p.svg\n        format: wmf\n        rect: [%1, %2]\n")
                      .arg(rect.width())
                      .arg(rect.height()));
    const Run run = draw(write(dir, paper), dir.filePath("out"));
    errors = run.errors;
    QFile svg(dir.filePath("out/probe/p.svg"));
    if (run.status != 0 || !svg.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(svg.readAll());
}

// Calls `each` with every group of an SVG and the place, in the picture's
// own pixels, of a point of the group.
template <typename F> void forEachGroup(const QString& svg, F each) {
    static const QRegularExpression group(
        R"re(<g [^>]*transform="matrix\(([^)]*)\)"[^>]*>(.*?)</g>)re",
        QRegularExpression::DotMatchesEverythingOption);
    for (const auto& g : group.globalMatch(svg)) {
        const QStringList m = g.captured(1).split(',');
        const qreal scale = m[0].toDouble(), dx = m[4].toDouble(), dy = m[5].toDouble();
        each(g.captured(2), scale, [=](const QString& x, const QString& y) {
            return QPointF(x.toDouble() * scale + dx, y.toDouble() * scale + dy);
        });
    }
}

// Every text of an SVG with where its baseline starts and the size its
// letters show at.
std::vector<DrawnPie::Label> drawnLabels(const QString& svg) {
    static const QRegularExpression label(
        R"re(<text [^>]*x="([-\d.]+)" y="([-\d.]+)"[^>]*font-size="([\d.]+)"[^>]*>([^<]*)</text>)re",
        QRegularExpression::DotMatchesEverythingOption);
    std::vector<DrawnPie::Label> all;
    forEachGroup(svg, [&](const QString& body, qreal scale, auto place) {
        for (const auto& l : label.globalMatch(body))
            all.push_back({l.captured(4), place(l.captured(1), l.captured(2)),
                           l.captured(3).toDouble() * scale});
    });
    return all;
}

DrawnPie drawnPie(const QString& chart, const QSize& rect, QString& errors) {
    const QString text = drawnSvg("          chart: " + chart + "\n", rect, errors);
    static const QRegularExpression sector(R"re(d="M([-\d.]+),([-\d.]+) L([-\d.]+),([-\d.]+))re");
    DrawnPie pie;
    bool found = false;
    forEachGroup(text, [&](const QString& body, qreal, auto place) {
        const auto s = sector.match(body);
        if (s.hasMatch() && !found) {
            found = true;
            pie.centre = place(s.captured(1), s.captured(2));
            const QPointF edge = place(s.captured(3), s.captured(4));
            pie.radius = std::hypot(edge.x() - pie.centre.x(), edge.y() - pie.centre.y());
        }
    });
    pie.labels = drawnLabels(text);
    return pie;
}

// Degrees from `a` to `b`, folded into 0…180.
double apart(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

} // namespace

// The text of a flowchart's block, read from the drawn SVG.
void TestDrawing::flowchartBlockWords() {
    QFETCH(QString, step);
    QFETCH(QString, drawn);
    QFETCH(QString, notDrawn);
    QString errors;
    const QString svg = drawnSvg(
        "          flowchart: [{start: начало}, " + step + ", {end: конец}]\n", {120, 80}, errors);
    QCOMPARE(errors, QString());
    // The words as drawn, block after block; a block's text may come in
    // several runs (Cyrillic and Latin apart).
    QString text;
    for (const auto& l : drawnLabels(svg))
        text += l.text;
    QVERIFY2(text.startsWith("начало" + drawn + "конец"), qPrintable(text));
    QVERIFY(!text.contains(notDrawn));
}

// The size a flowchart's letters show at once it is fitted into its
// rectangle: a tall chart in a small rectangle shrinks with its letters,
// and `spacing: tight` keeps them readable; a chart is never enlarged.
void TestDrawing::flowchartSpacing_data() {
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QSize>("rect");
    QTest::addColumn<double>("least");
    QTest::addColumn<double>("most");
    QTest::newRow("nested loops, roomy") << "" << QSize(247, 277) << 7.5 << 9.0;
    QTest::newRow("nested loops, tight") << "tight" << QSize(247, 277) << 11.0 << 13.0;
    QTest::newRow("roomy in a large frame") << "" << QSize(600, 600) << 12.0 << 13.0;
    QTest::newRow("tight in a large frame") << "tight" << QSize(600, 600) << 14.0 << 15.0;
}

void TestDrawing::flowchartSpacing() {
    QFETCH(QString, spacing);
    QFETCH(QSize, rect);
    QFETCH(double, least);
    QFETCH(double, most);
    const QString chart =
        "          flowchart:\n            - start: начало\n            - do: \"k := 0; i := 1\"\n"
        "            - while: \"i ≤ 4\"\n              body:\n                - do: \"j := i\"\n"
        "                - while: \"j ≤ 4\"\n                  body: [{do: \"j := j + 1\"}]\n"
        "                - do: \"i := i + 1\"\n            - end: конец\n";
    QString errors;
    const auto labels = drawnLabels(
        drawnSvg((spacing.isEmpty() ? "" : "          spacing: " + spacing + "\n") + chart, rect,
                 errors));
    QCOMPARE(errors, QString());
    QVERIFY(labels.size() >= 10); // the seven blocks, «да» and «нет» twice
    for (const auto& l : labels)
        QVERIFY2(l.pixels >= least - 0.01 && l.pixels <= most + 0.01,
                 qPrintable(QString("%1 at %2 px").arg(l.text).arg(l.pixels)));
}

// A pie's labels once the picture is fitted into its rectangle. A legend
// beside the pie widens the picture, which is then shrunk with its letters;
// labels beside the sectors keep them near the size asked for (a picture is
// never enlarged), each outside the circle, towards the middle of its own
// sector rather than of any other, and inside the picture.
void TestDrawing::pieLabels_data() {
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QSize>("rect");
    QTest::addColumn<double>("least");
    QTest::addColumn<double>("most");
    const QString halfAndQuarters = "{kind: pie, values: [4, 2, 2], labels: [A2, B2, C2], size: 16";
    QTest::newRow("legend beside, small frame") << halfAndQuarters + "}" << QList<double>{}
                                                << QSize(153, 145) << 9.0 << 12.0;
    QTest::newRow("a half and two quarters") << halfAndQuarters + ", legend: sectors}"
                                             << QList<double>{4, 2, 2} << QSize(153, 145) << 15.0
                                             << 16.0;
    QTest::newRow("large frame") << halfAndQuarters + ", legend: sectors}"
                                 << QList<double>{4, 2, 2} << QSize(400, 300) << 16.0 << 16.0;
    QTest::newRow("two halves")
        << "{kind: pie, values: [1, 1], labels: [A, B], size: 16, legend: sectors}"
        << QList<double>{1, 1} << QSize(153, 145) << 15.0 << 16.0;
    QTest::newRow("four unequal")
        << "{kind: pie, values: [4, 7, 8, 3], labels: [A2, B2, C2, D2], size: 15, legend: sectors}"
        << QList<double>{4, 7, 8, 3} << QSize(209, 160) << 15.0 << 15.0;
    QTest::newRow("a thin sector last")
        << "{kind: pie, values: [5, 4, 1], labels: [X, Y, Z], size: 16, legend: sectors}"
        << QList<double>{5, 4, 1} << QSize(160, 160) << 16.0 << 16.0;
    QTest::newRow("long words, narrow frame")
        << "{kind: pie, values: [7, 14, 9], labels: [Сентябрь, Октябрь, Ноябрь], size: 15, "
           "legend: sectors}"
        << QList<double>{7, 14, 9} << QSize(150, 150) << 8.0 << 13.0;
}

void TestDrawing::pieLabels() {
    QFETCH(QString, chart);
    QFETCH(QList<double>, values);
    QFETCH(QSize, rect);
    QFETCH(double, least);
    QFETCH(double, most);
    QString errors;
    const DrawnPie pie = drawnPie(chart, rect, errors);
    QCOMPARE(errors, QString());
    QVERIFY(pie.radius > 20 && !pie.labels.empty());
    for (const DrawnPie::Label& l : pie.labels)
        QVERIFY2(l.pixels >= least - 0.01 && l.pixels <= most + 0.01,
                 qPrintable(QString("%1 at %2 px").arg(l.text).arg(l.pixels)));
    if (values.isEmpty())
        return; // a legend: its places are not the sectors'
    QCOMPARE(pie.labels.size(), size_t(values.size()));
    // Each sector's middle, in degrees counterclockwise from the right,
    // the sectors going clockwise from the top.
    double sum = 0, before = 0;
    for (double v : values)
        sum += v;
    std::vector<double> middles;
    for (double v : values) {
        middles.push_back(90 - 360 * (before + v / 2) / sum);
        before += v;
    }
    for (size_t i = 0; i < pie.labels.size(); ++i) {
        const DrawnPie::Label& l = pie.labels[i];
        const QPointF d = l.at - pie.centre;
        const double towards = std::atan2(-d.y(), d.x()) * 180 / M_PI;
        const QString why = QString("%1 at (%2, %3), centre (%4, %5)")
                                .arg(l.text)
                                .arg(l.at.x())
                                .arg(l.at.y())
                                .arg(pie.centre.x())
                                .arg(pie.centre.y());
        QVERIFY2(std::hypot(d.x(), d.y()) > pie.radius, qPrintable(why + ": inside the circle"));
        for (size_t k = 0; k < middles.size(); ++k)
            QVERIFY2(k == i || apart(towards, middles[i]) < apart(towards, middles[k]),
                     qPrintable(why + ": nearer another sector"));
        QVERIFY2(l.at.x() >= 0 && l.at.x() < rect.width() && l.at.y() - l.pixels * 0.7 >= 0 &&
                     l.at.y() <= rect.height(),
                 qPrintable(why + ": outside the picture"));
    }
}

// `place: left` draws a chart at its picture's left edge: the drawing moves
// left by the half of the width it leaves free, unchanged otherwise (the
// picture is 120 × 80; a bar chart of two bars, 128 × 150, is scaled to
// 68 px wide, of three bars to 92 px; six bars and a pie with its legend
// fill the width).
namespace {
// The first and the last column of `image` holding a dark pixel.
std::pair<int, int> darkColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 200) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}
} // namespace

void TestDrawing::chartPlace_data() {
    QTest::addColumn<QString>("chart");
    QTest::addColumn<int>("shift");
    QTest::newRow("two bars") << "kind: bar, values: [3, 5], labels: [A, B]" << 26;
    QTest::newRow("two bars on the page")
        << "kind: bar, values: [3, 5], labels: [A, B], background: page" << 26;
    QTest::newRow("three bars") << "kind: bar, values: [1, 2, 3], labels: [A, B, C]" << 14;
    QTest::newRow("six bars filling the width")
        << "kind: bar, values: [1, 2, 3, 4, 5, 6], labels: [A, B, C, D, E, F]" << 0;
    QTest::newRow("pie filling the width") << "kind: pie, values: [3, 5], labels: [A, B]" << 0;
}

void TestDrawing::chartPlace() {
    QFETCH(QString, chart);
    QFETCH(int, shift);
    std::pair<int, int> columns[2];
    for (int left = 0; left < 2; ++left) {
        QTemporaryDir dir;
        const QString picture =
            "          chart: {" + chart + (left ? ", place: left}\n" : "}\n");
        const Run run = draw(write(dir, paperWithPicture(picture)), dir.filePath("out"));
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.status, 0);
        const QImage image(dir.filePath("out/probe/p.jpg"));
        QCOMPARE(image.size(), QSize(120, 80));
        columns[left] = darkColumns(image);
        QVERIFY(columns[left].first >= 0);
    }
    const auto [centredFirst, centredLast] = columns[0];
    const auto [leftFirst, leftLast] = columns[1];
    QVERIFY2(std::abs(centredFirst - leftFirst - shift) <= 1 &&
                 std::abs(centredLast - leftLast - shift) <= 1,
             qPrintable(QString("centred %1…%2, left %3…%4")
                            .arg(centredFirst)
                            .arg(centredLast)
                            .arg(leftFirst)
                            .arg(leftLast)));
}

void TestDrawing::chartColours_data() {
    QTest::addColumn<QString>("chart");
    QTest::addColumn<int>("colours");
    QTest::newRow("bars in their colours") << "kind: bar, values: [1, 2, 3], labels: [A, B, C]" << 3;
    QTest::newRow("bars in one colour")
        << "kind: bar, values: [1, 2, 3], labels: [A, B, C], colour: one" << 1;
    QTest::newRow("sectors in their colours") << "kind: pie, values: [1, 2, 3], labels: [A, B, C]"
                                               << 3;
}

// How many of the charts' colours (first blue, then red, then green) fill
// the bars or sectors: each its own, or only the first where a bar chart
// asks for one colour.
void TestDrawing::chartColours() {
    QFETCH(QString, chart);
    QFETCH(int, colours);
    QString errors;
    const QString svg = drawnSvg("          chart: {" + chart + "}\n", {120, 80}, errors);
    QCOMPARE(errors, QString());
    int found = 0;
    for (const char* fill : {"#466ebe", "#c85046", "#5aa05a"})
        found += svg.contains(QString("fill=\"%1\"").arg(fill)) ? 1 : 0;
    QCOMPARE(found, colours);
    QVERIFY(svg.contains("fill=\"#466ebe\""));
}

void TestDrawing::chartRightMargin_data() {
    QTest::addColumn<QString>("chart");
    QTest::addColumn<int>("margin");
    const QString six = "kind: bar, values: [1, 2, 3, 4, 5, 6], labels: [A, B, C, D, E, F]";
    QTest::newRow("six bars, no margin") << six << 0;
    QTest::newRow("six bars, 10 px") << six << 10;
    QTest::newRow("six bars, 30 px") << six << 30;
    QTest::newRow("six bars placed left, 20 px") << six + ", place: left" << 20;
    QTest::newRow("six bars on the page, 16 px") << six + ", background: page" << 16;
}

// `right-margin` keeps that many pixels at the right of the picture free of
// any ink, the grid's light lines too, and the chart (one filling the
// width of the 120 × 80 picture) still reaches to within 6 px of the strip.
void TestDrawing::chartRightMargin() {
    QFETCH(QString, chart);
    QFETCH(int, margin);
    QTemporaryDir dir;
    const QString picture = "          chart: {" + chart +
                            (margin ? QString(", right-margin: %1}\n").arg(margin) : "}\n");
    const Run run = draw(write(dir, paperWithPicture(picture)), dir.filePath("out"));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    const QImage image(dir.filePath("out/probe/p.jpg"));
    QCOMPARE(image.size(), QSize(120, 80));
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 235)
                last = x;
    QVERIFY2(last < 120 - margin && last >= 120 - margin - 6,
             qPrintable(QString("ink up to column %1").arg(last)));
}

ZUT_TEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
