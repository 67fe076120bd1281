// SPDX-License-Identifier: GPL-3.0-or-later
// Routes: shortest and longest routes in a table of roads, all simple
// routes, and whether a drawn scheme shows the table's roads.
#include "taskcheck/error.h"
#include "taskcheck/routes.h"

#include <QTest>

using namespace zut::check;

namespace {

// Five places; A–E costs 8 by A B C D E, every other route more.
const QString table = QStringLiteral("   A B C D E\n"
                                     "A  - 2 5 - -\n"
                                     "B  2 - 1 6 -\n"
                                     "C  5 1 - 3 7\n"
                                     "D  - 6 3 - 2\n"
                                     "E  - - 7 2 -\n");

QString text(const Route& r) {
    return r.places.join(QString()) + QLatin1Char(' ') + QString::number(r.length);
}

QStringList texts(const std::vector<Route>& routes) {
    QStringList out;
    for (const Route& r : routes)
        out << text(r);
    return out;
}

} // namespace

class TestRoutes : public QObject {
    Q_OBJECT

private slots:
    void shortest_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("route");
        // The direct-looking A C D E costs 10, two more.
        QTest::newRow("A to E") << "A"
                                << "E"
                                << "ABCDE 8";
        QTest::newRow("B to E") << "B"
                                << "E"
                                << "BCDE 6";
        QTest::newRow("E to A, backwards") << "E"
                                           << "A"
                                           << "EDCBA 8";
        QTest::newRow("A to C through B") << "A"
                                          << "C"
                                          << "ABC 3";
        QTest::newRow("to itself") << "C"
                                   << "C"
                                   << "C 0";
    }
    void shortest() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, route);
        QCOMPARE(text(shortestRoute(roadsFromTable(table), from, to)), route);
    }

    void allRoutes() {
        QCOMPARE(texts(simpleRoutes(roadsFromTable(table), "A", "E")),
                 (QStringList{"ABCDE 8", "ABCE 10", "ABDE 10", "ACDE 10", "ACE 12", "ACBDE 14",
                              "ABDCE 18"}));
        QCOMPARE(text(longestRoute(roadsFromTable(table), "A", "E")), QStringLiteral("ABDCE 18"));
    }

    void ties() {
        const RoadMap map = roadsFromList(QStringLiteral("A-B 1, B-D 2, A-C 2, C-D 1"));
        QCOMPARE(texts(shortestRoutes(map, "A", "D")), (QStringList{"ABD 3", "ACD 3"}));
    }

    void unreachable() {
        const RoadMap map = roadsFromList(QStringLiteral("A-B 1; C-D 1"));
        QVERIFY_THROWS_EXCEPTION(CheckError, shortestRoute(map, "A", "D"));
        QVERIFY_THROWS_EXCEPTION(CheckError, longestRoute(map, "A", "D"));
        QVERIFY(simpleRoutes(map, "A", "D").empty());
        QVERIFY_THROWS_EXCEPTION(CheckError, shortestRoute(map, "A", "F"));
    }

    void schemes_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QStringList>("differences");
        QTest::newRow("same roads")
            << "A-B 2, B-C 1, A-C 5, B-D 6, C-D 3, D-E 2, C-E 7" << QStringList();
        QTest::newRow("names written together")
            << "AB 2, BC 1, AC 5, BD 6, CD 3, DE 2, CE 7" << QStringList();
        QTest::newRow("either way round")
            << "B-A 2, C-B 1, C-A 5, D-B 6, D-C 3, E-D 2, E-C 7" << QStringList();
        QTest::newRow("one length wrong")
            << "A-B 2, B-C 1, A-C 5, B-D 6, C-D 3, D-E 2, C-E 4"
            << QStringList{"road C-E is 7 in the first, 4 in the second"};
        QTest::newRow("one road missing") << "A-B 2, B-C 1, A-C 5, B-D 6, C-D 3, C-E 7"
                                          << QStringList{"road D-E (2) only in the first"};
        QTest::newRow("one road too many")
            << "A-B 2, B-C 1, A-C 5, B-D 6, C-D 3, D-E 2, C-E 7, A-E 9"
            << QStringList{"road A-E (9) only in the second"};
    }
    void schemes() {
        QFETCH(QString, scheme);
        QFETCH(QStringList, differences);
        const RoadMap a = roadsFromTable(table), b = roadsFromList(scheme);
        QCOMPARE(roadDifferences(a, b), differences);
        QCOMPARE(sameRoads(a, b), differences.isEmpty());
    }

    void badTables_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("not symmetric") << "  A B\nA - 3\nB 4 -";
        QTest::newRow("a row short") << "  A B C\nA - 1 2\nB 1 -\nC 2 - -";
        QTest::newRow("a row missing") << "  A B\nA - 1";
        QTest::newRow("not a number") << "  A B\nA - x\nB x -";
        QTest::newRow("negative") << "  A B\nA - -3\nB -3 -";
        QTest::newRow("road to itself") << "  A B\nA 4 1\nB 1 -";
        QTest::newRow("rows out of order") << "  A B\nB - 1\nA 1 -";
        QTest::newRow("empty") << "";
    }
    void badTables() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(CheckError, roadsFromTable(text));
    }

    void badLists_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("no length") << "A-B";
        QTest::newRow("three letters together") << "ABC 3";
        QTest::newRow("road given twice") << "A-B 3, B-A 3";
        QTest::newRow("road to itself") << "A-A 3";
        QTest::newRow("empty") << " , ";
    }
    void badLists() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(CheckError, roadsFromList(text));
    }
};

QTEST_APPLESS_MAIN(TestRoutes)
#include "tst_solver_routes.moc"
