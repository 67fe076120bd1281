// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheets: references, copied formulas (relative parts move, absolute
// parts stay) and the values of a grid.
#include "taskcheck/error.h"
#include "taskcheck/spreadsheet.h"

#include <QTest>

using namespace zut::check;

namespace {

const std::map<QString, QString> grid = {
    {"A1", "3"},
    {"A2", "5"},
    {"A3", "10"},
    {"B1", "=A1*2"},
    {"B2", "=A2+B1"},
    {"B3", "=СУММ(A1:A3)"},
    {"C1", "=СРЗНАЧ(A1:B2)"},
    {"C2", "=МАКС(A1:A3;B1)"},
    {"C3", "=MIN(B1:B3)-1"},
    {"D1", "=(A1+A2)*A3/4"},
    {"D2", "=2^3+-1"},
    {"E1", "=СРЗНАЧ(A1:A4)"},
    {"E2", "=A4+1"},
    {"E3", "=СЧЁТ(A1:A4)"},
    {"F1", "2,5"},
    {"F2", "=F1*2"},
    {"F3", "=SUM(A1, A2; 4)"},
    {"G1", "итого"},
    {"G2", "=SUM(A1:G1)"},
};

} // namespace

class TestSpreadsheet : public QObject {
    Q_OBJECT

private slots:
    void references_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("fixedColumn");
        QTest::addColumn<bool>("fixedRow");
        QTest::newRow("relative") << "B2" << 1 << 2 << false << false;
        QTest::newRow("column fixed") << "$B2" << 1 << 2 << true << false;
        QTest::newRow("row fixed") << "B$2" << 1 << 2 << false << true;
        QTest::newRow("both fixed") << "$B$2" << 1 << 2 << true << true;
        QTest::newRow("two letters") << "AB10" << 27 << 10 << false << false;
    }
    void references() {
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, fixedColumn);
        QFETCH(bool, fixedRow);
        const CellRef r = parseCell(text);
        QCOMPARE(r.column, column);
        QCOMPARE(r.row, row);
        QCOMPARE(r.fixedColumn, fixedColumn);
        QCOMPARE(r.fixedRow, fixedRow);
        QCOMPARE(cellText(r), text);
    }

    void badReferences() {
        for (const char* t : {"2B", "B", "B0", "$$B2", "Б2", "B2C"})
            QVERIFY_THROWS_EXCEPTION(CheckError, parseCell(QString::fromUtf8(t)));
    }

    void copying_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("copied");
        QTest::newRow("down one row") << "=A1+B1"
                                      << "C1"
                                      << "C2"
                                      << "=A2+B2";
        // $A1 keeps its column and moves its row; B$2 the other way round.
        QTest::newRow("mixed references") << "=$A1*B$2"
                                          << "C3"
                                          << "D5"
                                          << "=$A3*C$2";
        QTest::newRow("absolute stays") << "=$A$1+A1"
                                        << "B2"
                                        << "D3"
                                        << "=$A$1+C2";
        QTest::newRow("range in a function") << "=СУММ(A1:B3)"
                                             << "C1"
                                             << "D2"
                                             << "=СУММ(B2:C4)";
        QTest::newRow("function name with digits") << "=LOG10(A1)"
                                                   << "A2"
                                                   << "B2"
                                                   << "=LOG10(B1)";
        QTest::newRow("lower case") << "=b1*2"
                                    << "A1"
                                    << "A3"
                                    << "=B3*2";
        QTest::newRow("past Z") << "=Z1+1"
                                << "A1"
                                << "B1"
                                << "=AA1+1";
        QTest::newRow("up and left") << "=C3-D4"
                                     << "E5"
                                     << "D3"
                                     << "=B1-C2";
        QTest::newRow("text untouched") << "=A1&\"B2\""
                                        << "A1"
                                        << "B1"
                                        << "=B1&\"B2\"";
        QTest::newRow("same cell") << "=A1+$B$2"
                                   << "C3"
                                   << "C3"
                                   << "=A1+$B$2";
    }
    void copying() {
        QFETCH(QString, formula);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, copied);
        QCOMPARE(copyFormula(formula, from, to), copied);
    }

    void offTheSheet() {
        QVERIFY_THROWS_EXCEPTION(CheckError, copyFormula("=A1", "B2", "A1"));
        QVERIFY_THROWS_EXCEPTION(CheckError, copyFormula("=B2", "B2", "B1x"));
    }

    void values_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<double>("value");
        QTest::newRow("number") << "A1" << 3.0;
        QTest::newRow("product") << "B1" << 6.0;
        QTest::newRow("chain") << "B2" << 11.0;
        QTest::newRow("sum of a range") << "B3" << 18.0;
        QTest::newRow("average of a block") << "C1" << 6.25;
        QTest::newRow("max of a range and a cell") << "C2" << 10.0;
        QTest::newRow("min of formulas") << "C3" << 5.0;
        QTest::newRow("priorities") << "D1" << 20.0;
        QTest::newRow("power and unary minus") << "D2" << 7.0;
        // A4 is empty: the average is of three numbers, 6, not 4.5.
        QTest::newRow("average skips an empty cell") << "E1" << 6.0;
        QTest::newRow("empty cell as 0") << "E2" << 1.0;
        QTest::newRow("count") << "E3" << 3.0;
        QTest::newRow("decimal comma") << "F2" << 5.0;
        QTest::newRow("both separators") << "F3" << 12.0;
        QTest::newRow("text left out of a sum") << "G2" << 43.75;
    }
    void values() {
        QFETCH(QString, cell);
        QFETCH(double, value);
        QCOMPARE(cellValue(grid, cell), value);
        QCOMPARE(evaluateSheet(grid).at(cell), value);
    }

    void textCells() {
        // A text cell has no value; one never filled in is 0.
        QCOMPARE(evaluateSheet(grid).count("G1"), size_t(0));
        QVERIFY_THROWS_EXCEPTION(CheckError, cellValue(grid, "G1"));
        QCOMPARE(cellValue(grid, "H9"), 0.0);
    }

    void faults_data() {
        QTest::addColumn<QString>("a1");
        QTest::addColumn<QString>("b1");
        QTest::addColumn<QString>("message");
        QTest::newRow("circle of two") << "=B1+1"
                                       << "=A1*2"
                                       << "circular";
        QTest::newRow("cell of its own") << "=A1+1"
                                         << "1"
                                         << "circular";
        QTest::newRow("division by zero") << "=B1/(B1-4)"
                                          << "4"
                                          << "#DIV/0!";
        QTest::newRow("text as a number") << "привет"
                                          << "=A1+1"
                                          << "#VALUE!";
        QTest::newRow("unknown function") << "=FOO(B1)"
                                          << "1"
                                          << "unknown function";
        QTest::newRow("formula ends early") << "=B1+"
                                            << "1"
                                            << "ends too early";
        QTest::newRow("range outside a function") << "=B1:B2"
                                                  << "1"
                                                  << "range";
        QTest::newRow("unclosed") << "=СУММ(B1"
                                  << "1"
                                  << "')'";
        QTest::newRow("average of nothing") << "=СРЗНАЧ(C1:C5)"
                                            << "1"
                                            << "#DIV/0!";
    }
    void faults() {
        QFETCH(QString, a1);
        QFETCH(QString, b1);
        QFETCH(QString, message);
        try {
            evaluateSheet({{"A1", a1}, {"B1", b1}});
            QFAIL("no error");
        } catch (const CheckError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    void badCellNames() {
        QVERIFY_THROWS_EXCEPTION(CheckError, evaluateSheet({{"1A", "1"}}));
        QVERIFY_THROWS_EXCEPTION(CheckError, evaluateSheet({{"$A$1", "1"}}));
        QVERIFY_THROWS_EXCEPTION(CheckError, evaluateSheet({{"a1", "1"}, {"A1", "2"}}));
    }
};

QTEST_APPLESS_MAIN(TestSpreadsheet)
#include "tst_solver_spreadsheet.moc"
