// SPDX-License-Identifier: GPL-3.0-or-later
// Search queries: their notation, order by inclusion of their pages, and
// the counts that follow from other counts.
#include "taskcheck/error.h"
#include "taskcheck/queries.h"

#include <QTest>

using namespace zut::check;

using Counts = std::vector<std::pair<QString, qint64>>;

namespace {

QString fault(const std::function<void()>& f) {
    try {
        f();
    } catch (const CheckError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

class TestQueries : public QObject {
    Q_OBJECT

private slots:
    void words() {
        QCOMPARE(queryWords(QStringLiteral("(Лес | поле) && ~река")),
                 (QStringList{"лес", "поле", "река"}));
        QVERIFY(queryIncludes(QStringLiteral("A | B"), QStringLiteral("A & B")));
        QVERIFY(!queryIncludes(QStringLiteral("A & B"), QStringLiteral("A | B")));
        QVERIFY(queryIncludes(QStringLiteral("A"), QStringLiteral("A & ~B")));
    }

    void malformed_data() {
        QTest::addColumn<QString>("query");
        QTest::newRow("operator missing") << "кошки собаки";
        QTest::newRow("unclosed") << "(кошки | собаки";
        QTest::newRow("starts with an operator") << "| кошки";
        QTest::newRow("ends with an operator") << "кошки &";
        QTest::newRow("empty") << "  ";
        QTest::newRow("stray sign") << "кошки + собаки";
    }
    void malformed() {
        QFETCH(QString, query);
        QVERIFY_THROWS_EXCEPTION(CheckError, queryWords(query));
    }

    void inclusion_data() {
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("queries");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QString>("order");
        const QStringList latin = {"a", "b", "c", "d"};
        const QStringList pets = {"кошки | собаки", "кошки & собаки", "кошки",
                                  "кошки | собаки | попугаи"};
        QTest::newRow("increasing") << latin << pets << true << "bcad";
        QTest::newRow("decreasing") << latin << pets << false << "dacb";
        const QStringList cyrillic = {"А", "Б", "В", "Г"};
        QTest::newRow("three words, label ampersands")
            << cyrillic
            << QStringList{"(лес | поле) && река", "лес && река", "лес | поле | река",
                           "лес && поле && река"}
            << true << "ГБАВ";
        QTest::newRow("negation") << QStringList{"x", "y", "z"}
                                  << QStringList{"кошки", "кошки & ~собаки", "кошки | собаки"}
                                  << true << "yxz";
    }
    void inclusion() {
        QFETCH(QStringList, labels);
        QFETCH(QStringList, queries);
        QFETCH(bool, ascending);
        QFETCH(QString, order);
        QCOMPARE(orderByInclusion(labels, queries, ascending), order);
    }

    void unordered() {
        QString m = fault([] { orderByInclusion({"А", "Б"}, {"кошки", "собаки"}); });
        QVERIFY2(m.contains(QStringLiteral("А and Б cannot be ordered")), qPrintable(m));
        m = fault([] { orderByInclusion({"a", "b", "c"}, {"x | y", "y | x", "x"}); });
        QVERIFY2(m.contains(QLatin1String("a and b always find the same pages")), qPrintable(m));
        m = fault([] { orderByInclusion({"a", "b"}, {"~x", "x"}); });
        QVERIFY2(m.contains(QLatin1String("cannot be ordered")), qPrintable(m));
        QVERIFY_THROWS_EXCEPTION(CheckError, orderByInclusion({"a"}, {"x", "y"}));
    }

    // A phrase finds no more than a phrase within it or its words joined
    // by &, and the order of its words counts.
    void phrases_data() {
        QTest::addColumn<QString>("wider");
        QTest::addColumn<QString>("narrower");
        QTest::addColumn<bool>("includes");
        QTest::newRow("phrase in its words") << "горные & лыжи" << "\"горные лыжи\"" << true;
        QTest::newRow("words not in the phrase") << "\"горные лыжи\"" << "горные & лыжи" << false;
        QTest::newRow("longer in shorter and a word")
            << "\"горные лыжи\" && напрокат" << "\"горные лыжи напрокат\"" << true;
        QTest::newRow("shorter and a word not in longer")
            << "\"горные лыжи напрокат\"" << "\"горные лыжи\" && напрокат" << false;
        QTest::newRow("two overlapping pairs not in the triple")
            << "\"a b c\"" << "\"a b\" & \"b c\"" << false;
        QTest::newRow("triple in the pair at its end") << "\"b c\"" << "\"a b c\"" << true;
        QTest::newRow("word order counts") << "\"лыжи горные\"" << "\"горные лыжи\"" << false;
        QTest::newRow("one quoted word") << "лыжи" << "\"лыжи\"" << true;
    }
    void phrases() {
        QFETCH(QString, wider);
        QFETCH(QString, narrower);
        QFETCH(bool, includes);
        QCOMPARE(queryIncludes(phrasesAsWords(wider), phrasesAsWords(narrower)), includes);
    }
    void malformedPhrase() {
        QVERIFY_THROWS_EXCEPTION(CheckError, phrasesAsWords(QStringLiteral("\"горные лыжи")));
        QVERIFY_THROWS_EXCEPTION(CheckError, phrasesAsWords(QStringLiteral("лыжи & \" \"")));
    }

    void counts_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<qint64>("pages");
        QTest::newRow("one word") << "кофе" << qint64(650);
        QTest::newRow("given") << "чай | кофе" << qint64(1200);
        QTest::newRow("only tea") << "чай & ~кофе" << qint64(550);
        QTest::newRow("only coffee") << "~чай & кофе" << qint64(500);
        QTest::newRow("written otherwise") << "кофе | чай" << qint64(1200);
    }
    void counts() {
        QFETCH(QString, query);
        QFETCH(qint64, pages);
        // кофе = 1200 − 700 + 150.
        const Counts known = {{"чай | кофе", 1200}, {"чай & кофе", 150}, {"чай", 700}};
        QCOMPARE(pagesFound(query, known), pages);
    }

    void inclusionExclusion() {
        QCOMPARE(pagesFound("рыбы & раки", {{"рыбы | раки", 700}, {"рыбы", 400}, {"раки", 500}}),
                 qint64(200));
        // 10 + 20 + 30 − 4 − 5 − 6 + 2.
        const Counts three = {{"a", 10},    {"b", 20},    {"c", 30},       {"a & b", 4},
                              {"a & c", 5}, {"b & c", 6}, {"a & b & c", 2}};
        QCOMPARE(pagesFound("a | b | c", three), qint64(47));
        QCOMPARE(pagesFound("(a | b) & c", three), qint64(9));
    }

    void undecided() {
        QString m = fault([] { pagesFound("кофе", {{"чай", 700}}); });
        QVERIFY2(m.contains(QLatin1String("do not decide")), qPrintable(m));
        m = fault([] {
            pagesFound("кофе", {{"чай", 700}, {"чай & кофе", 150}, {"чай & ~кофе", 500}});
        });
        QVERIFY2(m.contains(QLatin1String("contradicts")), qPrintable(m));
        // (a) + (b) − (a xor b) = 2·(a & b) = 1: half a page cannot be.
        m = fault([] { pagesFound("a & b", {{"a", 2}, {"b", 2}, {"a & ~b | ~a & b", 3}}); });
        QVERIFY2(m.contains(QLatin1String("find 1/2 pages")), qPrintable(m));
    }

    void orderOfCounts() {
        const Counts known = {{"чай | кофе", 1200}, {"чай & кофе", 150}, {"чай", 700}};
        const QStringList queries = {"чай", "кофе", "чай & кофе", "чай | кофе"};
        QCOMPARE(orderByCounts({"a", "b", "c", "d"}, queries, known), QStringLiteral("cbad"));
        QCOMPARE(orderByCounts({"a", "b", "c", "d"}, queries, known, false),
                 QStringLiteral("dabc"));
        const QString m = fault([&] {
            orderByCounts({"a", "b"}, {"чай", "чай & кофе | чай & ~кофе"}, known);
        });
        QVERIFY2(m.contains(QLatin1String("both find 700")), qPrintable(m));
    }
};

QTEST_APPLESS_MAIN(TestQueries)
#include "tst_solver_queries.moc"
