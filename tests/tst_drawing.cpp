// The picture tool on content files: what it draws for each kind of
// picture, and its message for faulty drawing data (which fails the build).
#include "testmain.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

struct Run {
    int status;
    QString errors;
};

Run draw(const QString& content, const QString& out) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.start(ZUT_DRAW, {"content", content, out, ZUT_PICTURE_SOURCES, ZUT_FONT_DIR});
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
    QTest::newRow("graph")
        << "          graph: {nodes: {A: [15, 15], B: [90, 50]}, edges: [[A, B, \"4\"]]}\n";
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
    QTest::newRow("unknown step") << "          flowchart: [{jump: x}]\n"
                                  << "start, end, do, input, output, if or while";
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

// The text of a flowchart's block, read from the drawn SVG.
void TestDrawing::flowchartBlockWords() {
    QFETCH(QString, step);
    QFETCH(QString, drawn);
    QFETCH(QString, notDrawn);
    QTemporaryDir dir;
    QString paper =
        paperWithPicture("          flowchart: [{start: начало}, " + step + ", {end: конец}]\n");
    paper.replace("probe/p.jpg\n        format: jpeg\n        stored: [120, 80]\n",
                  "probe/p.svg\n        format: wmf\n");
    const Run run = draw(write(dir, paper), dir.filePath("out"));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    QFile svg(dir.filePath("out/probe/p.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    // The words as drawn, block after block; a block's text may come in
    // several runs (Cyrillic and Latin apart).
    QString text;
    static const QRegularExpression piece(R"(>([^<>]*)</text>)");
    for (const auto& m : piece.globalMatch(QString::fromUtf8(svg.readAll())))
        text += m.captured(1);
    QVERIFY2(text.startsWith("начало" + drawn + "конец"), qPrintable(text));
    QVERIFY(!text.contains(notDrawn));
}

ZUT_TEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
