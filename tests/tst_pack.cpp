// SPDX-License-Identifier: GPL-3.0-or-later
// The packed layouts and papers the program embeds: each reads back into
// the very tree its YAML source gives; damaged packed data is refused with
// a reason, never a crash; and the packing tool refuses a faulty paper.
#include "testmain.h"

#include "core/givens.h"
#include "core/yamlfile.h"

#include <QCborStreamWriter>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <functional>

namespace {

// Where two trees first differ, or an empty string where they are the same,
// the order of map keys included.
std::string difference(const YAML::Node& a, const YAML::Node& b, const std::string& at) {
    if (a.Type() != b.Type())
        return at + ": kinds differ";
    switch (a.Type()) {
    case YAML::NodeType::Scalar:
        return a.Scalar() == b.Scalar()
                   ? ""
                   : at + ": \"" + a.Scalar() + "\" against \"" + b.Scalar() + "\"";
    case YAML::NodeType::Sequence:
        if (a.size() != b.size())
            return at + ": lengths differ";
        for (size_t i = 0; i < a.size(); ++i)
            if (auto d = difference(a[i], b[i], at + "[" + std::to_string(i) + "]"); !d.empty())
                return d;
        return "";
    case YAML::NodeType::Map: {
        if (a.size() != b.size())
            return at + ": key counts differ";
        auto ib = b.begin();
        for (auto ia = a.begin(); ia != a.end(); ++ia, ++ib) {
            const std::string key = ia->first.Scalar();
            if (key != ib->first.Scalar())
                return at + ": key " + key + " against " + ib->first.Scalar();
            if (auto d = difference(ia->second, ib->second, at + "." + key); !d.empty())
                return d;
        }
        return "";
    }
    default:
        return "";
    }
}

// The packed form: the self-describe tag, then `body`.
QByteArray packed(const std::function<void(QCborStreamWriter&)>& body) {
    QByteArray data;
    QCborStreamWriter w(&data);
    w.append(QCborKnownTags::Signature);
    body(w);
    return data;
}

QByteArray resource(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPack : public QObject {
    Q_OBJECT
private slots:
    void embeddedAsSource_data();
    void embeddedAsSource();
    void damaged_data();
    void damaged();
    void everyCutRefused();
    void flippedBytesNeverCrash();
    void faultNamed_data();
    void faultNamed();
    void tool_data();
    void tool();

private:
    // Writes `data` to a file of the scratch folder and reads it back.
    std::variant<YAML::Node, std::string> load(const QByteArray& data) {
        const QString path = scratch_.filePath("packed");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
            qFatal("cannot write the scratch file");
        f.close();
        return zut::loadYaml(path);
    }

    QTemporaryDir scratch_;
};

void TestPack::embeddedAsSource_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("embedded");
    for (const char* kind : {"layouts", "papers"}) {
        const QDir dir(QString(RESOURCES_DIR) + "/" + kind);
        const QStringList names = dir.entryList({"*.yaml"}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 7); // seven layouts (one for all papers), eight papers
        for (const QString& name : names)
            QTest::newRow(qPrintable(QString(kind) + "/" + name))
                << dir.filePath(name) << QString(":/%1/%2").arg(kind, name);
    }
}

void TestPack::embeddedAsSource() {
    QFETCH(QString, source);
    QFETCH(QString, embedded);
    QVERIFY2(resource(embedded).startsWith("\xD9\xD9\xF7"), "the embedded resource is not packed");
    const auto fromSource = zut::loadYaml(source);
    const auto fromPacked = zut::loadYaml(embedded);
    QVERIFY(std::holds_alternative<YAML::Node>(fromSource));
    // A paper is packed with its placeholders filled from its givens.
    if (embedded.startsWith(":/papers/"))
        zut::fillGivens(std::get<YAML::Node>(fromSource), source.toStdString());
    if (auto* why = std::get_if<std::string>(&fromPacked))
        QFAIL(why->c_str());
    const std::string d =
        difference(std::get<YAML::Node>(fromSource), std::get<YAML::Node>(fromPacked), "document");
    QVERIFY2(d.empty(), d.c_str());
}

void TestPack::damaged_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("reason");

    const auto text = [](QCborStreamWriter& w) { w.append(QLatin1StringView("x")); };
    QTest::newRow("tag alone") << packed([](QCborStreamWriter&) {}) << "end of input";
    QTest::newRow("a number") << packed([](QCborStreamWriter& w) { w.append(7); })
                              << "a number or a simple value";
    QTest::newRow("a byte string")
        << packed([](QCborStreamWriter& w) { w.append(QByteArray("b")); }) << "byte string";
    QTest::newRow("data after the document") << packed([&](QCborStreamWriter& w) {
        text(w);
        text(w);
    }) << "data follows";
    QTest::newRow("a key given twice") << packed([&](QCborStreamWriter& w) {
        w.startMap(2);
        for (int i = 0; i < 2; ++i) {
            w.append(QLatin1StringView("key"));
            text(w);
        }
        w.endMap();
    }) << "given twice";
    // The second value is read into the first one's node: a list into text.
    QTest::newRow("a key given twice, then with a list") << packed([&](QCborStreamWriter& w) {
        w.startMap(2);
        w.append(QLatin1StringView("key"));
        text(w);
        w.append(QLatin1StringView("key"));
        w.startArray(1);
        text(w);
        w.endArray();
        w.endMap();
    }) << "given twice";
    QTest::newRow("a key that is a list") << packed([&](QCborStreamWriter& w) {
        w.startMap(1);
        w.startArray(0);
        w.endArray();
        text(w);
        w.endMap();
    }) << "text expected, found a list";
    QTest::newRow("nested too deep") << packed([&](QCborStreamWriter& w) {
        for (int i = 0; i < 300; ++i)
            w.startArray(1);
        text(w);
        for (int i = 0; i < 300; ++i)
            w.endArray();
    }) << "nested deeper";
    QTest::newRow("a list that says it is longer") << packed([&](QCborStreamWriter& w) {
        w.startArray(3);
        text(w);
        w.endArray(); // the writer does not count: two items are missing
    }) << "end of input";
    // A text string of four gigabytes announced in nine bytes.
    QTest::newRow("a text longer than the data")
        << QByteArray("\xD9\xD9\xF7\x7B\x00\x00\x00\x01\x00\x00\x00\x00x", 13) << "ends early";
    QTest::newRow("a tag inside") << QByteArray("\xD9\xD9\xF7\xC1\x61x", 6) << "found a tag";
}

void TestPack::damaged() {
    QFETCH(QByteArray, data);
    QFETCH(QString, reason);
    const auto result = load(data);
    const auto* why = std::get_if<std::string>(&result);
    QVERIFY2(why, "damaged data was read as a document");
    const QString message = QString::fromStdString(*why);
    QVERIFY2(message.startsWith("not a valid packed resource: ") && message.contains(reason),
             qPrintable(message));
}

// A packed document cut short anywhere after its tag is refused.
void TestPack::everyCutRefused() {
    const QByteArray whole = resource(":/layouts/start.yaml");
    QVERIFY(whole.size() > 100);
    QVERIFY(std::holds_alternative<YAML::Node>(load(whole)));
    for (qsizetype size = 3; size < whole.size(); ++size) {
        const auto result = load(whole.left(size));
        QVERIFY2(std::holds_alternative<std::string>(result),
                 qPrintable(QString("cut at %1 bytes read as a document").arg(size)));
    }
}

// Damage anywhere gives a document or a reason; which one is not the
// point here (a changed letter is still a document), that nothing breaks
// is, under the sanitizers above all.
void TestPack::flippedBytesNeverCrash() {
    const QByteArray whole = resource(":/papers/t2008_3.yaml");
    QVERIFY(whole.size() > 1000);
    QRandomGenerator random(20261208);
    int refused = 0;
    const int tries = 400;
    for (int i = 0; i < tries; ++i) {
        QByteArray damaged = whole;
        for (int k = 0; k < 4; ++k)
            damaged[random.bounded(qsizetype(3), damaged.size())] = char(random.bounded(256));
        if (std::holds_alternative<std::string>(load(damaged)))
            ++refused;
    }
    // Most damage breaks the structure, some only changes a letter.
    QVERIFY2(refused > tries / 10 && refused < tries,
             qPrintable(QString("%1 of %2 refused").arg(refused).arg(tries)));
}

void TestPack::tool_data() {
    QTest::addColumn<QString>("yaml");
    QTest::addColumn<bool>("content");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("a layout") << "window: w\nlist: [1, two, {a: b}]\nempty:\n" << false << 0 << "";
    QTest::newRow("not YAML") << "a: [1, 2\n" << false << 1 << "not valid YAML";
    QTest::newRow("a key that is a list") << "? [a, b]\n: c\n"
                                          << false << 1 << "not a single value";
    QTest::newRow("a paper without tasks") << "paper: t2007\n" << true << 1 << "input.yaml";
}

// The tool packs what the program reads back, and a fault fails it, naming
// the file: a faulty paper fails the build.
void TestPack::tool() {
    QFETCH(QString, yaml);
    QFETCH(bool, content);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    const QString in = scratch_.filePath("input.yaml");
    const QString out = scratch_.filePath("output");
    QFile::remove(out);
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(yaml.toUtf8());
    f.close();

    QProcess tool;
    QStringList args{in, out};
    if (content)
        args << "--content";
    tool.start(ZUT_PACK, args);
    QVERIFY(tool.waitForFinished(60000));
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QVERIFY2(tool.exitCode() == exitCode, qPrintable(err));
    QCOMPARE(QFile::exists(out), exitCode == 0);
    if (exitCode != 0) {
        QVERIFY2(err.contains(message), qPrintable(err));
        return;
    }
    const auto source = zut::loadYaml(in);
    const auto packedTree = zut::loadYaml(out);
    QVERIFY(std::holds_alternative<YAML::Node>(packedTree));
    const std::string d =
        difference(std::get<YAML::Node>(source), std::get<YAML::Node>(packedTree), "document");
    QVERIFY2(d.empty(), d.c_str());
}

void TestPack::faultNamed_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    const QString a1 = R"(givens: {bits: "16", phrase: "Хочешь найти ошибку? Читай код медленно, строку за строкой."})";
    QTest::newRow("unknown solver") << "solve: volume.text,"
                                    << "solve: volume.txt,"
                                    << "task А1: unknown solver volume.txt";
    QTest::newRow("missing given") << a1 << R"(givens: {bits: "16"})"
                                   << "task А1: placeholder {=phrase} has no given";
    QTest::newRow("given shown by nothing")
        << a1 << R"(givens: {bits: "16", phrase: "Хочешь найти ошибку? Читай код медленно, строку за строкой.", x: "1"})"
        << "task А1: given x is shown by no element";
    QTest::newRow("unknown format") << "{=phrase}"
                                    << "{=phrase:bold}"
                                    << "unknown format";
    // А1's answer is 118 байт, 944 bits.
    const QString a1Options = R"(["102 байта", "118 байт", "944 байта", "122 байта"])";
    QTest::newRow("no option carries it")
        << a1Options << R"(["102 байта", "117 байт", "944 байта", "122 байта"])"
        << "task А1: the answer 944 is carried by 0 options";
    QTest::newRow("two options carry it")
        << a1Options << R"(["102 байта", "118 байт", "944 бита", "122 байта"])"
        << "task А1: the answer 944 is carried by 2 options";
    QTest::newRow("an option that is not its slip")
        << R"(["271", "435", "471", "235"])"
        << R"(["272", "435", "471", "235"])"
        << "task А4: option 1 is not the slip bases.convertBitsReversed models";
    QTest::newRow("a check missing") << "    check: {solve: volume.text, read: volume}\n"
                                     << ""
                                     << "1 of its 28 marked tasks have no check";
    QTest::newRow("a placeholder in a picture's data") << R"(do: "a := 2; b := 50")"
                                                       << R"(do: "a := 2; b := {=x}")"
                                                       << "a picture's data";
}

// A fault in a paper's data fails the packing tool with the task named: a
// copy of a paper with one fault planted.
void TestPack::faultNamed() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    QFile source(QString(RESOURCES_DIR) + "/papers/t2007.yaml");
    QVERIFY(source.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(source.readAll());
    QVERIFY2(text.contains(from), qPrintable(from));
    text.replace(text.indexOf(from), from.size(), to);
    const QString in = scratch_.filePath("paper.yaml");
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
    f.close();
    QProcess tool;
    tool.start(ZUT_PACK, {in, scratch_.filePath("paper.packed"), "--content"});
    QVERIFY(tool.waitForFinished(60000));
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY2(err.contains(message), qPrintable(err));
}

ZUT_TEST_MAIN(TestPack)
#include "tst_pack.moc"
