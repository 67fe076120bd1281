// SPDX-License-Identifier: GPL-3.0-or-later
// Flowcharts: the text and list forms, the tree they give (which the
// drawing part reads), runs on whole numbers, and faulty charts.
#include "taskcheck/error.h"
#include "taskcheck/flowchart.h"

#include <QTest>

using namespace zut::check;

namespace {

// The greatest common divisor by subtraction.
const QString euclid = QString::fromUtf8(R"(
начало
ввод a, b
пока a <> b
  если a > b
    да
      a := a - b
    нет
      b := b - a
вывод a
конец
)");

QVariantList squaresList() {
    return QVariantList{
        QStringLiteral("начало"),
        QStringLiteral("s := 0; k := 1"),
        QVariantList{QStringLiteral("пока k <= 5"),
                     QVariantList{QStringLiteral("s := s + k * k"), QStringLiteral("k := k + 1")}},
        QVariantList{QStringLiteral("если s mod 2 = 0"), QVariantList{QStringLiteral("r := 1")},
                     QVariantList{QStringLiteral("r := 2")}},
        QStringLiteral("вывод s, r"),
        QStringLiteral("конец"),
    };
}

QString fault(const QString& text, const std::vector<qint64>& input = {}, qint64 steps = 1000) {
    try {
        runFlowchart(flowchartFromText(text), input, steps);
    } catch (const CheckError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

class TestFlowchart : public QObject {
    Q_OBJECT

private slots:
    void tree() {
        const Flowchart f = flowchartFromText(euclid);
        QCOMPARE(f.blocks.size(), size_t(5));
        QCOMPARE(f.blocks[0].kind, Block::Kind::Start);
        QCOMPARE(f.blocks[1].kind, Block::Kind::Input);
        QCOMPARE(f.blocks[1].text, QStringLiteral("a, b"));
        const Block& loop = f.blocks[2];
        QCOMPARE(loop.kind, Block::Kind::Loop);
        QCOMPARE(loop.text, QStringLiteral("a <> b"));
        QCOMPARE(loop.yes.size(), size_t(1));
        const Block& cond = loop.yes[0];
        QCOMPARE(cond.kind, Block::Kind::Condition);
        QCOMPARE(cond.yes.size(), size_t(1));
        QCOMPARE(cond.no.size(), size_t(1));
        QCOMPARE(cond.no[0].text, QStringLiteral("b := b - a"));
        QCOMPARE(f.blocks[4].kind, Block::Kind::End);
    }

    void runs_data() {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QList<qint64>>("input");
        QTest::addColumn<QString>("variables");
        QTest::addColumn<QList<qint64>>("output");
        QTest::newRow("gcd of 84 and 36")
            << euclid << QList<qint64>{84, 36} << "a=12 b=12" << QList<qint64>{12};
        QTest::newRow("gcd of 35 and 12")
            << euclid << QList<qint64>{35, 12} << "a=1 b=1" << QList<qint64>{1};
        // (n mod 100) div 10: left to right at one priority.
        QTest::newRow("digits") << QString::fromUtf8(
                                       "n := 345\na := n div 100\nb := n mod 100 div 10\n"
                                       "c := mod(n, 10)\ns := a + b + c")
                                << QList<qint64>() << "n=345 a=3 b=4 c=5 s=12" << QList<qint64>();
        QTest::newRow("condition with и and не")
            << QString::fromUtf8(
                   "x := 7; y := -2\nесли (x > 0) и не (y > 0)\n  да\n    z := x - y\n  нет\n"
                   "    z := 0")
            << QList<qint64>() << "z=9" << QList<qint64>();
        QTest::newRow("no branch only")
            << QString::fromUtf8("x := 4\nесли x > 5\n  нет\n    x := x * 10") << QList<qint64>()
            << "x=40" << QList<qint64>();
        QTest::newRow("exact division")
            << QString::fromUtf8("x := 18 / 3 + 1") << QList<qint64>() << "x=7" << QList<qint64>();
        QTest::newRow("English keywords")
            << QString::fromUtf8("start\ninput n\nf := 1\nwhile n > 1\n  f := f * n; n := n - 1\n"
                                 "output f\nend")
            << QList<qint64>{5} << "f=120 n=1" << QList<qint64>{120};
        QTest::newRow("end stops the run") << QString::fromUtf8("x := 1\nконец\nx := 2")
                                           << QList<qint64>() << "x=1" << QList<qint64>();
    }
    void runs() {
        QFETCH(QString, chart);
        QFETCH(QList<qint64>, input);
        QFETCH(QString, variables);
        QFETCH(QList<qint64>, output);
        const FlowchartRun r =
            runFlowchart(flowchartFromText(chart), std::vector<qint64>(input.begin(), input.end()));
        QStringList got;
        for (const QString& pair : variables.split(' ')) {
            const QString name = pair.section('=', 0, 0);
            QVERIFY2(r.variables.count(name), qPrintable(name + " has no value"));
            got << name + '=' + QString::number(r.variables.at(name));
        }
        QCOMPARE(got.join(' '), variables);
        QCOMPARE(QList<qint64>(r.output.begin(), r.output.end()), output);
    }

    void listForm() {
        // 1 + 4 + 9 + 16 + 25 = 55, odd, so r = 2.
        const FlowchartRun r = runFlowchart(flowchartFromList(squaresList()));
        QCOMPARE(r.variables.at("s"), qint64(55));
        QCOMPARE(r.variables.at("k"), qint64(6));
        QCOMPARE(r.variables.at("r"), qint64(2));
        QCOMPARE(r.output, (std::vector<qint64>{55, 2}));
    }

    void textRoundTrip() {
        // The text written from a chart reads back as the same chart.
        const Flowchart fromList = flowchartFromList(squaresList());
        const QString text = flowchartToText(fromList);
        QCOMPARE(flowchartToText(flowchartFromText(text)), text);
        QCOMPARE(runFlowchart(flowchartFromText(text)).output, (std::vector<qint64>{55, 2}));
        QCOMPARE(flowchartToText(flowchartFromText(euclid)).trimmed(), euclid.trimmed());
    }

    void faults_data() {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("message");
        QTest::newRow("runaway loop")
            << QString::fromUtf8("a := 1\nпока a > 0\n  a := a + 1") << "more than 1000 steps";
        QTest::newRow("malformed assignment") << "a := := 1"
                                              << "block 1";
        QTest::newRow("no value yet") << "b := a + 1"
                                      << "a is used before it has a value";
        QTest::newRow("division by zero")
            << QString::fromUtf8("a := 5\nb := a div (a - 5)") << "block 2: division by zero";
        QTest::newRow("not whole at the end") << "x := 18 / 4"
                                              << "not a whole number";
        QTest::newRow("input used up")
            << QString::fromUtf8("ввод a, b") << "more values than the 1";
        QTest::newRow("start not first") << QString::fromUtf8("a := 1\nначало") << "first block";
        QTest::newRow("unknown function") << "a := sqrt(4)"
                                          << "unknown function";
        QTest::newRow("chained comparison")
            << QString::fromUtf8("a := 1\nпока 0 < a < 5\n  a := a + 1") << "chained";
    }
    void faults() {
        QFETCH(QString, chart);
        QFETCH(QString, message);
        const QString got = fault(chart, {3});
        QVERIFY2(got.contains(message), qPrintable(got));
    }

    void badForms_data() {
        QTest::addColumn<QString>("chart");
        QTest::newRow("neither keyword nor assignment") << QString::fromUtf8("печать a");
        QTest::newRow("branch outside a condition") << QString::fromUtf8("да\n  a := 1");
        QTest::newRow("condition without branches' words")
            << QString::fromUtf8("если a > 0\n  a := 1");
        QTest::newRow("empty condition") << QString::fromUtf8("пока\n  a := 1");
        QTest::newRow("branch twice")
            << QString::fromUtf8("если a > 0\n  да\n    a := 1\n  да\n    a := 2");
        QTest::newRow("indented assignment") << QString::fromUtf8("a := 1\n  b := 2");
        QTest::newRow("empty") << "  \n";
    }
    void badForms() {
        QFETCH(QString, chart);
        QVERIFY_THROWS_EXCEPTION(CheckError, flowchartFromText(chart));
    }

    void badLists() {
        QVERIFY_THROWS_EXCEPTION(CheckError, flowchartFromList({}));
        QVERIFY_THROWS_EXCEPTION(CheckError, flowchartFromList({QStringLiteral("если a > 0")}));
        QVERIFY_THROWS_EXCEPTION(
            CheckError,
            flowchartFromList({QVariantList{QStringLiteral("a := 1"), QVariantList{}}}));
        QVERIFY_THROWS_EXCEPTION(CheckError,
                                 flowchartFromList({QVariantList{QStringLiteral("пока a > 0"),
                                                                 QStringLiteral("a := 1")}}));
        QVERIFY_THROWS_EXCEPTION(CheckError, flowchartFromList({QVariant(5)}));
    }
};

QTEST_APPLESS_MAIN(TestFlowchart)
#include "tst_solver_flowchart.moc"
