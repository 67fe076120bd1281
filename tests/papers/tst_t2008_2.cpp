// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2008 paper, variant 2, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): А7's table has no comment row and its slips follow
// other starts and bodies of its loop, А16's solver reads
// prices grouped by thousands, the С1 listings fail exactly for their
// fault, have one superfluous part and are right once fixed as the worked
// solution says, and the С3 game is won as the worked solution says.
#include "testmain.h"

#include "taskcheck/error.h"
#include "taskcheck/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <QRegularExpression>

#include <functional>
#include <map>
#include <set>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_2.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

bool leap(qint64 n) {
    return (n % 4 == 0 && n % 100 != 0) || n % 400 == 0;
}

// The listing with `what`, which it must hold exactly once, written as
// `with`.
QString replacedOnce(const QString& source, const QString& what, const QString& with) {
    need(source.count(what) == 1, "not once in the listing: " + what);
    QString out = source;
    return out.replace(what, with);
}

// Each listing's comparisons joined to a condition by «and», taken out
// with their «and»: the superfluous one, and the three that are needed.
struct Removal {
    QString what, with;
};
struct ConditionParts {
    Removal superfluous;
    std::vector<Removal> needed;
};
const std::vector<ConditionParts> conditionParts = {
    {{" and (n mod 400 <> 0) then", " then"},
     {{"(n mod 4 = 0) and (n mod 100 <> 0)", "(n mod 100 <> 0)"},
      {"(n mod 4 = 0) and (n mod 100 <> 0)", "(n mod 4 = 0)"},
      {"(n mod 100 <> 0) and (n mod 400 <> 0)", "(n mod 400 <> 0)"}}},
    {{" AND n MOD 400 <> 0 THEN", " THEN"},
     {{"n MOD 4 = 0 AND n MOD 100 <> 0", "n MOD 100 <> 0"},
      {"n MOD 4 = 0 AND n MOD 100 <> 0", "n MOD 4 = 0"},
      {"n MOD 100 <> 0 AND n MOD 400 <> 0", "n MOD 400 <> 0"}}},
};

// The fix of the worked solution: the comparison with 400 turned round.
const std::vector<Removal> fixes = {{"n mod 400 = 0", "n mod 400 <> 0"},
                                    {"n MOD 400 = 0", "n MOD 400 <> 0"}};

QString fixed(const QString& source, int listing) {
    const Removal& f = fixes[size_t(listing)];
    return replacedOnce(source, f.what, f.with);
}

} // namespace

class TestT2008_2 : public QObject {
    Q_OBJECT
private slots:
    void a7HasNoCommentRow();
    void cheapestTourOfGroupedPrices_data();
    void cheapestTourOfGroupedPrices();
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousPart_data() { listingsShareTheirFault_data(); }
    void superfluousPart();
    void fixOfTheSolution_data() { listingsShareTheirFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameWinner();
    void slipsFollowTheirGivens_data();
    void slipsFollowTheirGivens();
    void commonPartsOfFormulas_data();
    void commonPartsOfFormulas();
    void formulaKeyNotOfCommonParts();
    void chartForSomeHidden_data();
    void chartForSomeHidden();
    void roundTripOnOtherRoads_data();
    void roundTripOnOtherRoads();
    void sumOfSumsOnOtherLines_data();
    void sumOfSumsOnOtherLines();
};

// This paper's А7 table holds only the fragment: no line of any column is
// a comment of its language.
void TestT2008_2::a7HasNoCommentRow() {
    try {
        const std::vector<QString> columns = tableColumns(element<TableElement>(task("А7")));
        const QStringList comments = {"'", "REM", "{", "(*", "//", "|"};
        for (const QString& column : columns)
            for (const QString& line : column.split('\n'))
                for (const QString& c : comments)
                    QVERIFY2(!line.trimmed().startsWith(c), qPrintable(line));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::cheapestTourOfGroupedPrices_data() {
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("town");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("answer"); // empty: the solver must refuse
    const auto rowOf = [](const char* solver, const char* name, const char* town,
                          const char* column, const char* cell, const char* answer) {
        QTest::newRow(name) << QString(solver) << QString(town) << QString(column)
                            << QString(cell) << QString(answer);
    };
    const auto row = [&](const char* name, const char* town, const char* column,
                         const char* cell, const char* answer) {
        rowOf("tables.cheapestPerDayGrouped", name, town, column, cell, answer);
    };
    const char* price = "Цена (руб.)";
    row("Хургада for eight days", "Хургада", "Дней", "8", "Хургада");
    row("Прага for a million", "Прага", price, "1\u00A0000\u00A0000", "Афины");
    row("Рим as cheap as Прага", "Рим", price, "30\u00A0100", "");
    row("a price not grouped", "Прага", price, "38700", "");
    row("a plain blank", "Прага", price, "38 700", "");
    row("groups of two", "Прага", price, "3\u00A087\u00A000", "");
    row("a tour of no days", "Прага", "Дней", "0", "");
    // The slips the wrong options model.
    rowOf("tables.cheapestTourInAll", "in all: Прага dearer", "Хургада", price, "40\u00A0000", "Прага");
    rowOf("tables.cheapestTourInAll", "in all: a tie", "Прага", price, "33\u00A0000", "");
    rowOf("tables.longestTour", "longest: Прага", "Прага", "Дней", "20", "Прага");
    rowOf("tables.longestTour", "longest: a tie", "Афины", "Дней", "14", "");
    rowOf("tables.cheapestPerNight", "nights: Прага longer", "Прага", "Дней", "10", "Прага");
    rowOf("tables.cheapestPerNight", "nights: a one-day tour", "Прага", "Дней", "1", "");
}

// А16: the table with one cell changed, its prices written as the page
// writes them, gives the tour cheapest for a day (or the one a slip picks),
// or is refused.
void TestT2008_2::cheapestTourOfGroupedPrices() {
    QFETCH(QString, solver);
    QFETCH(QString, town);
    QFETCH(QString, column);
    QFETCH(QString, cell);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А16");
    bool changed = false;
    for (PictureElement* e : zut::allOf<PictureElement>(t.elements)) {
        QVariantMap data = e->draw.toMap();
        QVariantMap table = data["table"].toMap();
        const qsizetype c = table["head"].toStringList().indexOf(column);
        QVariantList rows = table["rows"].toList();
        for (QVariant& r : rows) {
            QStringList cells = r.toStringList();
            if (c >= 0 && cells.value(1) == town) {
                cells[c] = cell;
                r = cells;
                changed = true;
            }
        }
        table["rows"] = rows;
        data["table"] = table;
        e->draw = data;
    }
    QVERIFY2(changed, qPrintable(town + ", " + column));
    solvesOrRefuses(solver, t, answer);
}

void TestT2008_2::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Over the years 1 … 2500 each listing answers rightly except for the
// years divisible by 100, and for every one of those it answers the
// opposite: «нет» for 2000, «да» for 1900.
void TestT2008_2::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int wrong = 0;
    try {
        for (qint64 n = 1; n <= 2500; ++n) {
            const QString out = printed(language, source, n);
            const QString right = leap(n) ? "да" : "нет";
            QVERIFY2((out == right) == (n % 100 != 0),
                     qPrintable(QString("%1: %2").arg(n).arg(out)));
            QVERIFY2(out == "да" || out == "нет", qPrintable(out));
            wrong += out != right;
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QCOMPARE(wrong, 25);
}

// Taking the comparison n mod 400 <> 0 out of the second condition changes
// nothing the listing prints, before the fix and after it; taking out any
// of the other three comparisons joined by «and» changes something.
void TestT2008_2::superfluousPart() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    const ConditionParts& c = conditionParts[size_t(listing)];
    const auto output = [&](const QString& source) {
        QStringList out;
        for (qint64 n = 1; n <= 2500; ++n)
            out << printed(language, source, n);
        return out;
    };
    try {
        const QString source = ::listing(listing);
        const QString shorter = replacedOnce(source, c.superfluous.what, c.superfluous.with);
        QCOMPARE(output(shorter), output(source));
        QCOMPARE(output(fixed(shorter, listing)), output(fixed(source, listing)));
        for (const Removal& r : c.needed)
            QVERIFY2(output(replacedOnce(source, r.what, r.with)) != output(source),
                     qPrintable(r.what));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The listings fixed as the worked solution says answer rightly for every
// year 1 … 2500.
void TestT2008_2::fixOfTheSolution() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString source = fixed(::listing(listing), listing);
        for (qint64 n = 1; n <= 2500; ++n)
            QVERIFY2(printed(language, source, n) == (leap(n) ? "да" : "нет"),
                     qPrintable(QString::number(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The year the worked solution gives is a leap year, and both listings
// answer «нет» for it.
void TestT2008_2::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const qint64 n = number(capture(t.solution, R"(n = (\d+))")[0]);
        QVERIFY(leap(n));
        for (size_t i = 0; i < listingLanguages.size(); ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), n), QString("нет"));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game on two heaps searched in full from its wording; the worked
// solution names the winner and how many of his own moves he needs at
// most (three or more), every reply it names leaves the opponent a lost
// position, every list of the loser's moves it gives is all his moves,
// and every final position it lists ends the game and is reached from
// the position it follows by one move of each.
void TestT2008_2::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const QStringList heaps = capture(w, R"(в первой (\d+) камн\w*, во второй (\d+))");
        need(w.contains("добавить один камень в одну из кучек"), "another first move");
        need(w.contains("увеличить вдвое число камней в одной из кучек"), "another second move");
        const qint64 goal = number(capture(w, R"(вместе окажется не меньше (\d+) камней)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, "второй\u00A0— (\\w+)")[0];
        auto moves = [](qint64 a, qint64 b) {
            return std::vector<std::pair<qint64, qint64>>{
                {a + 1, b}, {a, b + 1}, {a * 2, b}, {a, b * 2}};
        };
        std::map<std::pair<qint64, qint64>, bool> memo;
        std::function<bool(qint64, qint64)> wins = [&](qint64 a, qint64 b) {
            const auto key = std::make_pair(a, b);
            if (auto it = memo.find(key); it != memo.end())
                return it->second;
            bool w = false;
            for (auto [x, y] : moves(a, b))
                if (x + y >= goal || !wins(x, y))
                    w = true;
            memo[key] = w;
            return w;
        };
        // The half-moves the game lasts when the winner hurries and the
        // loser holds out.
        std::map<std::pair<qint64, qint64>, int> lasting;
        std::function<int(qint64, qint64)> length = [&](qint64 a, qint64 b) {
            const auto key = std::make_pair(a, b);
            if (auto it = lasting.find(key); it != lasting.end())
                return it->second;
            const bool win = wins(a, b);
            int best = win ? 1 << 20 : 0;
            for (auto [x, y] : moves(a, b)) {
                const int n = x + y >= goal ? 1 : 1 + length(x, y);
                if (win && (x + y >= goal || !wins(x, y)))
                    best = std::min(best, n);
                if (!win)
                    best = std::max(best, n);
            }
            lasting[key] = best;
            return best;
        };
        const qint64 a = number(heaps[0]), b = number(heaps[1]);
        const QString winner = wins(a, b) ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        const int own = wins(a, b) ? (length(a, b) + 1) / 2 : length(a, b) / 2;
        const QStringList ordinals = {"первого", "второго", "третьего", "четвёртого", "пятого"};
        const QString named = capture(t.solution, R"(не позже своего (\w+) хода)")[0];
        QCOMPARE(ordinals.indexOf(named) + 1, own);
        QVERIFY2(own >= 3, qPrintable(named));
        const QRegularExpression pair = rx(R"(\((\d+), (\d+)\))");
        auto pairs = [&](const QString& text) {
            std::set<std::pair<qint64, qint64>> out;
            for (const auto& m : pair.globalMatch(text))
                out.insert({number(m.captured(1)), number(m.captured(2))});
            return out;
        };
        // "Первым ходом Аня получает …", "Из (4, 4) Аня получает …": all
        // the moves from there.
        int lists = 0;
        for (const auto& m : rx(R"((?:Первым ходом|Из \((\d+), (\d+)\)) \w+ получает ([^;.:]*))")
                                 .globalMatch(t.solution)) {
            const qint64 x = m.captured(1).isEmpty() ? a : number(m.captured(1));
            const qint64 y = m.captured(2).isEmpty() ? b : number(m.captured(2));
            const auto all = moves(x, y);
            const std::set<std::pair<qint64, qint64>> every(all.begin(), all.end());
            QVERIFY2(pairs(m.captured(3)) == every, qPrintable(m.captured()));
            ++lists;
        }
        QVERIFY(lists >= 2);
        // "из (3, 6) — (4, 12), …" (a no-break space before the dash): ends
        // reached by one move of each.
        int ends = 0;
        for (const auto& m :
             rx(R"(из \((\d+), (\d+)\)[ \x{00A0}]— ((?:\(\d+, \d+\)(?:, )?)+))").globalMatch(t.solution)) {
            std::set<std::pair<qint64, qint64>> reached;
            for (auto [x, y] : moves(number(m.captured(1)), number(m.captured(2))))
                for (auto [u, v] : moves(x, y))
                    reached.insert({u, v});
            for (const auto& [u, v] : pairs(m.captured(3))) {
                QVERIFY2(u + v >= goal && reached.contains({u, v}), qPrintable(m.captured()));
                ++ends;
            }
        }
        QVERIFY(ends >= 4);
        // The positions "(x, y)" of the solution after "отвечает позицией"
        // are lost for the one to move.
        for (const auto& m : rx(R"(позицией \((\d+), (\d+)\))").globalMatch(t.solution))
            QVERIFY2(!wins(number(m.captured(1)), number(m.captured(2))), qPrintable(m.captured()));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::slipsFollowTheirGivens_data() {
    solverColumns();
    const auto row = solverRow;
    // А1: 5 full pages of 40 lines and 16 more, 64 characters a line, 16
    // bits each; the extra lines must make part of a page.
    row("А1 extra 39", "А1", "volume.pagesAndLines", "extra", "39", "244736");
    row("А1 extra a whole page", "А1", "volume.pagesAndLines", "extra", "40", "");
    row("А1 no extra", "А1", "volume.pagesAndLines", "extra", "0", "");
    row("А1 six pages, the next full", "А1", "volume.pagesAndLinesPageFull", "pages", "6",
        "286720");
    row("А1 a byte each whatever the code", "А1", "volume.pagesAndLinesByteEach", "bits", "32",
        "110592");
    // А4: 1 and 0 written around 3B4₁₆ = 1110110100₂. 1F₁₆ = 11111₂ (0001
    // 1111 with its zeros); 35₈ = 11101₂ (011 101); 9C₁₆ = 1001 1100 has
    // no leading zeros.
    row("А4 1F", "А4", "bases.bitsWrittenOn", "number", "1F_16", "7E");
    row("А4 11 on the left", "А4", "bases.bitsWrittenOn", "left", "11", "1F68");
    row("А4 into octal", "А4", "bases.bitsWrittenOn", "system", "восьмеричной", "7550");
    row("А4 a digit 2", "А4", "bases.bitsWrittenOn", "left", "2", "");
    row("А4 from decimal", "А4", "bases.bitsWrittenOn", "number", "57_10", "");
    row("А4 1F, zeros kept", "А4", "bases.bitsWrittenOnZerosKept", "number", "1F_16", "23E");
    row("А4 35 octal, zeros kept", "А4", "bases.bitsWrittenOnZerosKept", "number", "35_8", "BA");
    row("А4 9C, no zeros to keep", "А4", "bases.bitsWrittenOnZerosKept", "number", "9C_16", "");
    row("А4 11 on the left, swapped", "А4", "bases.bitsWrittenOnSidesSwapped", "left", "11", "ED3");
    row("А4 1 on both sides", "А4", "bases.bitsWrittenOnSidesSwapped", "right", "1", "");
    row("А4 11 on the left, right out", "А4", "bases.bitsWrittenOnRightLeftOut", "left", "11",
        "FB4");
    // А5: 77₈ + 1₁₆ = 64 carries through every digit.
    row("А5 a carry through all", "А5", "bases.onesOfSum", "terms", "77_8|1_16", "1");
    row("А5 carries forgotten", "А5", "bases.onesOfSumNoCarries", "terms", "77_8|1_16", "7");
    row("А5 77 read as decimal", "А5", "bases.onesOfSumFirstAsDecimal", "terms", "77_8|1_16", "4");
    row("А5 77 in fours", "А5", "bases.onesOfSumFirstInFours", "terms", "77_8|1_16", "4");
    row("А5 hexadecimal in fours", "А5", "bases.onesOfSumFirstInFours", "terms", "FF_16|1_8", "");
    row("А5 three terms", "А5", "bases.onesOfSum", "terms", "1_2|1_2|1_2", "");
    // А17: 16 colours, 8 Кбайт.
    row("А17 a byte a pixel, 2 Кбайт", "А17", "volume.largestSquareByteAPixel", "kbytes", "2",
        "45 × 45");
    row("А17 a byte a pixel, 2 colours", "А17", "volume.largestSquareByteAPixel", "colours", "2",
        "90 × 90");
    row("А17 bytes as bits, 256 colours", "А17", "volume.largestSquareBytesAsBits", "colours",
        "256", "32 × 32");
    // B1: 35 in at most three digits, adding 1 carries. The carry asks b to
    // divide value + 1, the length value < b^length: 23 carries in base 2
    // with five digits; 35 in two digits needs b ≥ 6, in one only b = 36;
    // in six digits every divisor of 36 passes, and 36 carries in base 37
    // alone, so in both the length bounds nothing.
    row("B1 23", "B1", "bases.carryWithinLength", "value", "23", "3,4,6,8,12,24");
    row("B1 47", "B1", "bases.carryWithinLength", "value", "47", "4,6,8,12,16,24,48");
    row("B1 two digits", "B1", "bases.carryWithinLength", "length", "двух", "6,9,12,18,36");
    row("B1 one digit", "B1", "bases.carryWithinLength", "length", "одной", "36");
    row("B1 six digits", "B1", "bases.carryWithinLength", "length", "шести", "");
    row("B1 36, carried in base 37 only", "B1", "bases.carryWithinLength", "value", "36", "");
    // B6: strings of 0, 1, 2 not starting with 0 and without 11, 12, 22.
    // By length 2, 3, 7, 15, 32, 69, 148, 318, 683, 1467; the strings
    // shown, good and bad must agree with the rule.
    row("B6 eight digits", "B6", "programs.stringsAvoidingPairs", "length", "восьми", "318");
    row("B6 ten digits", "B6", "programs.stringsAvoidingPairs", "length", "десяти", "1467");
    row("B6 a length shown", "B6", "programs.stringsAvoidingPairs", "length", "четырёх", "");
    row("B6 21 for 12", "B6", "programs.stringsAvoidingPairs", "pairs", "11|21|22", "");
    row("B6 a string left out", "B6", "programs.stringsAvoidingPairs", "shown",
        "100|101|102|200|201|202", "");
    row("B6 a good string called bad", "B6", "programs.stringsAvoidingPairs", "bad",
        "0210|1202|2102", "");
    row("B6 1 ruled out first", "B6", "programs.stringsAvoidingPairs", "lead", "1", "");
    // B7: the levels from the top down, ru, orion, math, spelt from the
    // lowest up; with two levels the top one alone gives the order.
    row("B7 math above orion", "B7", "text.addressByLevels", "levels", "ru|math|orion", "ecagfbd");
    row("B7 two levels", "B7", "text.addressByLevels", "levels", "ru|orion", "");
    row("B7 another computer", "B7", "text.addressByLevels", "host", "www", "");
    // А2 (200, codes of two): 48 needs 7 (6² = 36), 169 is exactly 13²,
    // codes of three: 5³ = 125 < 200 ≤ 216 = 6³; the root rounded down is
    // no slip for a whole power.
    row("А2 48", "А2", "volume.leastAlphabetForCodes", "count", "48", "7");
    row("А2 169", "А2", "volume.leastAlphabetForCodes", "count", "169", "13");
    row("А2 codes of three", "А2", "volume.leastAlphabetForCodes", "length", "трёх", "6");
    row("А2 codes of one", "А2", "volume.leastAlphabetForCodes", "length", "одного", "200");
    row("А2 per symbol of five", "А2", "volume.leastAlphabetCellsPerSymbol", "length", "пяти",
        "40");
    row("А2 per symbol of three", "А2", "volume.leastAlphabetCellsPerSymbol", "length", "трёх", "");
    // А15 from C:\Музыка\Оркестр\Ноты\Скрипка to other files: the shared
    // part is counted by whole names (Оркестры is not Оркестр); a file in
    // the current directory has no «..» to leave out, and one at the root
    // no shared directory to name again.
    row("А15 beside Ноты", "А15", "text.relativeName", "file",
        "C:\\Музыка\\Оркестр\\Альт\\соло.mid", "..\\..\\Альт\\соло.mid");
    row("А15 a name that begins alike", "А15", "text.relativeName", "file",
        "C:\\Музыка\\Оркестры\\марш.mid", "..\\..\\..\\Оркестры\\марш.mid");
    row("А15 in the current directory", "А15", "text.relativeName", "file",
        "C:\\Музыка\\Оркестр\\Ноты\\Скрипка\\этюд.mid", "этюд.mid");
    row("А15 at the root", "А15", "text.relativeName", "file", "C:\\гимн.mid",
        "..\\..\\..\\..\\гимн.mid");
    row("А15 on another disk", "А15", "text.relativeName", "file", "D:\\Музыка\\бас.mid", "");
    row("А15 one fewer beside Ноты", "А15", "text.relativeNameOneUpFewer", "file",
        "C:\\Музыка\\Оркестр\\Альт\\соло.mid", "..\\Альт\\соло.mid");
    row("А15 one fewer of none", "А15", "text.relativeNameOneUpFewer", "file",
        "C:\\Музыка\\Оркестр\\Ноты\\Скрипка\\этюд.mid", "");
    row("А15 Оркестр named again", "А15", "text.relativeNameSharedRepeated", "file",
        "C:\\Музыка\\Оркестр\\Альт\\соло.mid", "..\\..\\Оркестр\\Альт\\соло.mid");
    row("А15 the disk named again", "А15", "text.relativeNameSharedRepeated", "file",
        "C:\\гимн.mid", "");
    row("А15 from the root, a file there", "А15", "text.relativeNameFromRoot", "file",
        "C:\\гимн.mid", "гимн.mid");
    // А3: 64 · 8 = 2⁹; the bits multiplied: 6 · 3, 5 · 4, 1 · 3; 10 shelves
    // give no whole number of bits.
    row("А3 64 racks", "А3", "volume.oneShelfOfAll", "racks", "64", "9");
    row("А3 64 racks, bits multiplied", "А3", "volume.oneShelfOfAllBitsMultiplied", "racks", "64",
        "18");
    row("А3 16 shelves, bits multiplied", "А3", "volume.oneShelfOfAllBitsMultiplied", "shelves",
        "16", "20");
    row("А3 2 racks, bits multiplied", "А3", "volume.oneShelfOfAllBitsMultiplied", "racks", "2",
        "3");
    row("А3 10 shelves, bits multiplied", "А3", "volume.oneShelfOfAllBitsMultiplied", "shelves",
        "10", "");
    // А12 from the other villages: the round trip is 27 from any of them,
    // the rest depends on where it starts.
    row("А12 from Мостки", "А12", "tables.shortestRoundTrip", "from", "Мостки", "27");
    row("А12 from Мостки, no way back", "А12", "tables.shortestRoundTripNoWayBack", "from",
        "Мостки", "15");
    row("А12 from Полянка, no way back", "А12", "tables.shortestRoundTripNoWayBack", "from",
        "Полянка", "20");
    row("А12 from Заречье, nearest first", "А12", "tables.shortestRoundTripNearestFirst", "from",
        "Заречье", "31");
    row("А12 from Ивняки, once each", "А12", "tables.shortestRoundTripOnceEach", "from", "Ивняки",
        "34");
    row("А12 from a village not in the table", "А12", "tables.shortestRoundTrip", "from", "Вешки",
        "");
    // А8 without "+ 1": A[i] = 7i mod 10, so B[2] = A[4] = 8, B[7] = A[9] = 3,
    // B[5] = A[5] = 5, and B[10] = A[0] reads outside the array.
    row("А8 B[2] without + 1", "А8", "programs.elementWithoutPlusOne", "index", "2", "8");
    row("А8 B[7] without + 1", "А8", "programs.elementWithoutPlusOne", "index", "7", "3");
    row("А8 B[5] without + 1", "А8", "programs.elementWithoutPlusOne", "index", "5", "5");
    row("А8 B[10] without + 1", "А8", "programs.elementWithoutPlusOne", "index", "10", "");
    // А9 over Владимир, Самара, Мурманск, Брянск (8, 6, 8 and 6 letters).
    // The parts: letters counted, the first letter placed.
#define A9_LETTERS(n) "(в названии " n " букв)"
#define A9_FIRST(letter) "(название начинается с буквы, стоящей в алфавите " letter ")"
    const char* const notAfterG = A9_LETTERS("больше шести") " ∧ ¬" A9_FIRST("позже буквы «Г»");
    const char* const shorterBeforeG = "¬" A9_LETTERS("больше шести") " ∧ " A9_FIRST(
        "раньше буквы «Г»");
    const char* const noNegation = A9_LETTERS("больше шести") " ∧ " A9_FIRST("раньше буквы «И»");
    const char* const moreThanFive = A9_LETTERS("больше пяти") " ∧ ¬" A9_FIRST("раньше буквы «Н»");
    const char* const moreThanSeven = A9_LETTERS("больше семи") " ∧ ¬" A9_FIRST("раньше буквы «И»");
    const char* const moreThanEight =
        A9_LETTERS("больше восьми") " ∧ ¬" A9_FIRST("раньше буквы «И»");
    const char* const fewerThanSix = A9_LETTERS("меньше шести") " ∧ ¬" A9_FIRST("раньше буквы «И»");
    const char* const beforeT = A9_LETTERS("больше шести") " ∧ ¬" A9_FIRST("раньше буквы «Т»");
#undef A9_LETTERS
#undef A9_FIRST
    row("А9 negation lost", "А9", "logic.townWhereNegationLost", "truth", "истинно", "Владимир");
    // Right: Владимир (В not after Г); without the negation Мурманск.
    row("А9 negation lost, after Г", "А9", "logic.townWhereNegationLost", "statement",
        notAfterG, "Мурманск");
    row("А9 no negation to lose", "А9", "logic.townWhereNegationLost", "statement",
        noNegation, "");
    // Right: Самара; without the negation Владимир, Мурманск and Брянск.
    row("А9 negation lost, three fit", "А9", "logic.townWhereNegationLost", "statement",
        moreThanFive, "");
    row("А9 six taken in", "А9", "logic.townWhereBoundTakenIn", "truth", "истинно", "Самара");
    row("А9 seven taken in: none", "А9", "logic.townWhereBoundTakenIn", "statement",
        moreThanSeven, "");
    row("А9 eight taken in", "А9", "logic.townWhereBoundTakenIn", "statement",
        moreThanEight, "Мурманск");
    row("А9 fewer than six, six taken in", "А9", "logic.townWhereBoundTakenIn", "statement",
        fewerThanSix, "Самара");
    row("А9 negation moved", "А9", "logic.townWhereNegationMoved", "truth", "истинно", "Брянск");
    // Right: Брянск; the negation moved to the second part: Мурманск.
    row("А9 negation moved off the first part", "А9", "logic.townWhereNegationMoved",
        "statement", shorterBeforeG, "Мурманск");
    // False for Владимир, Самара and Брянск; moved, for Мурманск too.
    row("А9 negation moved, false", "А9", "logic.townWhereNegationMoved", "truth", "ложно",
        "Мурманск");
    // Right: none; moved to the first part: Самара and Брянск both.
    row("А9 negation moved, two fit", "А9", "logic.townWhereNegationMoved", "statement", beforeT,
        "");
    // А13 with the options 70E, C26, 8D8, B0E and other codes. With 10,
    // 110, 111, 0 the chain 70E reads 0 111 0 0 0 0 111 0, the same from
    // either end; two-bit codes read B0E as ТШААШТ; with 111 in place of
    // 110 the chain C26 does not read.
    row("А13 70E with other codes", "А13", "codes.palindromeChain", "codes", "10|110|111|0", "70E");
    row("А13 two-bit codes", "А13", "codes.palindromeChain", "codes", "00|01|10|11", "B0E");
    row("А13 no prefix code", "А13", "codes.palindromeChain", "codes", "0|01|110|10", "");
    row("А13 C26 unread", "А13", "codes.palindromeChain", "codes", "00|01|111|10", "");
    row("А13 chains of 16", "А13", "codes.palindromeChain", "bits", "16", "");
    row("А13 bits, two-bit codes", "А13", "codes.palindromeChainBits", "codes", "00|01|10|11",
        "70E");
    row("А13 bits, C26 unread", "А13", "codes.palindromeChainBits", "codes", "00|01|111|10", "");
    row("А13 digits, two-bit codes", "А13", "codes.palindromeChainDigits", "codes", "00|01|10|11",
        "8D8");
    // B0E cut into pairs, 11 read as Ш: ТШААШТ, its mirror kept when А and
    // Л exchange codes; pairs of a uniform code are no slip; with 10, 110,
    // 111, 0 a piece of one sign begins three codes.
    row("А13 as uniform, letters exchanged", "А13", "codes.palindromeChainAsUniform", "codes",
        "01|00|10|110", "B0E");
    row("А13 as uniform, two-bit codes", "А13", "codes.palindromeChainAsUniform", "codes",
        "00|01|10|11", "");
    row("А13 as uniform, other codes", "А13", "codes.palindromeChainAsUniform", "codes",
        "10|110|111|0", "");
    // А18: D4 back to B5 read as D4 to B3.
    row("А18 rows forward from D4", "А18", "tables.formulaBeforeCopyRowsForward", "to", "D4",
        "=C$1+$F3*E4");
    row("А18 rows forward, same row", "А18", "tables.formulaBeforeCopyRowsForward", "to", "D5", "");
    row("А18 rows forward off the sheet", "А18", "tables.formulaBeforeCopyRowsForward", "to", "D2",
        "");
    // $ read the wrong way round, from D3 back to B5: what $ marks moves
    // two columns left and two rows down, the rest stays.
    row("А18 $ swapped, whole fixed and free", "А18", "tables.formulaBeforeCopyFixingSwapped",
        "formula", "=$E$1+G5", "=$C$3+G5");
    row("А18 $ swapped, mixed", "А18", "tables.formulaBeforeCopyFixingSwapped", "formula",
        "=B$2*$H7", "=B$4*$F7");
    row("А18 $ swapped, a range", "А18", "tables.formulaBeforeCopyFixingSwapped", "formula",
        "=СУММ($E1:F$1)", "=СУММ($C1:F$3)");
    row("А18 $ swapped, off the sheet", "А18", "tables.formulaBeforeCopyFixingSwapped", "formula",
        "=$B$1", "");
}

// The slips of А1, А2, А3, А4, А5, А8, А9, А12, А13, А17 and А18 and the
// solvers of А1, А3, А4, А5, А12, А13 and B1, run on other givens than the
// paper's, compute
// from them or refuse.
void TestT2008_2::slipsFollowTheirGivens() {
    solverFollowsItsGiven();
}

void TestT2008_2::commonPartsOfFormulas_data() {
    QTest::addColumn<QStringList>("opts");
    QTest::addColumn<QStringList>("common");
    QTest::newRow("one majority") << QStringList{"=B1+C$2", "=A1+C$2", "=A1+$D$3", "=A4+C$2"}
                                  << QStringList{"=A1+C$2"};
    QTest::newRow("a tie takes both")
        << QStringList{"=A1", "=A2", "=B1", "=B2"} << QStringList{"=A1", "=A2", "=B1", "=B2"};
    QTest::newRow("no option of the majority")
        << QStringList{"=A1+B2", "=A2+C1", "=D1+B1", "=A3+B3"} << QStringList{};
    QTest::newRow("references not lined up")
        << QStringList{"=A1+B1", "=A1", "=A1+B1", "=A1+B1"} << QStringList{};
}

// The helper that finds the options of the majority's parts.
void TestT2008_2::commonPartsOfFormulas() {
    QFETCH(QStringList, opts);
    QFETCH(QStringList, common);
    QCOMPARE(optionsOfCommonParts(opts), common);
}

// А18: whoever takes, at each place of the references, the column or row
// most options have there must not land on the key alone.
void TestT2008_2::formulaKeyNotOfCommonParts() {
    const zut::TaskContent& t = task("А18");
    const QStringList opts = options(t);
    const QString key = ck::registry().solvers.at("tables.formulaBeforeCopy")(ck::Task(t));
    QVERIFY(opts.contains(key));
    const QStringList common = optionsOfCommonParts(opts);
    QVERIFY(!common.isEmpty()); // the options line up and were looked at
    // No tie at any place leaves the reading open: one option is of the
    // common parts, and it is not the key.
    QVERIFY2(common.size() == 1, qPrintable(common.join(", ")));
    QVERIFY2(common != QStringList{key}, qPrintable(key + " alone is of the common parts"));
}

void TestT2008_2::chartForSomeHidden_data() {
    QTest::addColumn<QVariantList>("changes"); // each {chart, kind, values, labels}
    QTest::addColumn<QString>("answer");       // empty: the solver must refuse
    const QStringList inOrder = {"A2", "B2", "C2", "D2"};
    const auto change = [&](int chart, const char* kind, const QVariantList& values,
                            const QStringList& labels = {}) {
        return QVariantMap{{"chart", chart},
                           {"kind", QString(kind)},
                           {"values", values},
                           {"labels", labels.isEmpty() ? inOrder : labels}};
    };
    // B1 = x gives A2:D2 = 3 + x, 12 − 2x, 2x, 12 / x.
    QTest::newRow("the key's bars in another order")
        << QVariantList{change(3, "bar", {8, 7, 4, 3}, {"C2", "A2", "B2", "D2"})} << "3";
    QTest::newRow("the key as a pie of its doubled values")
        << QVariantList{change(3, "pie", {14, 8, 16, 6})} << "3";
    QTest::newRow("bars of x = 3 beside the key")
        << QVariantList{change(1, "bar", {6, 6, 6, 4})} << "";
    QTest::newRow("a pie of x = 2 beside the key")
        << QVariantList{change(4, "pie", {5, 8, 4, 6})} << "";
    QTest::newRow("the key one off in D2") << QVariantList{change(3, "bar", {7, 4, 8, 4})} << "";
    QTest::newRow("bars of x = 5, D2 not whole, beside the key")
        << QVariantList{change(3, "bar", {7, 4, 8, 3}), change(1, "bar", {8, 2, 10, 2.4})} << "";
    QTest::newRow("the fit moved to the first chart")
        << QVariantList{change(3, "bar", {7, 16, 8, 3}), change(1, "bar", {7, 4, 8, 3})} << "1";
    QTest::newRow("the fit moved to a pie of x = 2")
        << QVariantList{change(3, "bar", {6, 4, 8, 4}), change(4, "pie", {10, 16, 8, 12})} << "4";
    QTest::newRow("a cell left out")
        << QVariantList{change(3, "bar", {7, 4, 8}, {"A2", "B2", "C2"})} << "";
    QTest::newRow("a cell named twice")
        << QVariantList{change(2, "bar", {6, 4, 8, 4}, {"A2", "B2", "C2", "C2"})} << "";
}

// А19: the charts with some changed give the one chart that some natural
// number in B1 fits, or are refused.
void TestT2008_2::chartForSomeHidden() {
    QFETCH(QVariantList, changes);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А19");
    std::map<int, QVariantMap> wanted;
    for (const QVariant& c : changes)
        wanted[c.toMap()["chart"].toInt()] = c.toMap();
    int picture = 0, changed = 0;
    for (PictureElement* e : zut::allOf<PictureElement>(t.elements)) {
        if (auto it = wanted.find(picture); it != wanted.end()) {
            QVariantMap data = e->draw.toMap();
            QVariantMap chart = data["chart"].toMap();
            QVERIFY2(!chart.isEmpty(), "not a chart");
            for (const char* key : {"kind", "values", "labels"})
                chart[key] = it->second[key];
            data["chart"] = chart;
            e->draw = data;
            ++changed;
        }
        ++picture;
    }
    QCOMPARE(changed, int(wanted.size()));
    QCOMPARE(picture, 5);
    solvesOrRefuses("tables.chartForSomeHidden", t, answer);
}

// А12 with one road's length changed in the table (both its cells; no
// length takes the road away), from Ольховка: the round trip or a slip, or
// a refusal ("") where no trip passes each village once along the roads or
// two villages are equally near.
void TestT2008_2::roundTripOnOtherRoads_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    // Ивняки 10 away: 20 there and back against 10 + 12 through Заречье.
    QTest::newRow("Ольховка–Ивняки 10") << "Ольховка"
                                        << "Ивняки"
                                        << "10"
                                        << "tables.shortestRoundTrip"
                                        << "39";
    QTest::newRow("Ольховка–Ивняки 10, no way back") << "Ольховка"
                                                     << "Ивняки"
                                                     << "10"
                                                     << "tables.shortestRoundTripNoWayBack"
                                                     << "29";
    QTest::newRow("Ольховка–Ивняки 10, nearest first") << "Ольховка"
                                                       << "Ивняки"
                                                       << "10"
                                                       << "tables.shortestRoundTripNearestFirst"
                                                       << "40";
    // Ивняки 5 from Заречье: passing each village once is now the best.
    QTest::newRow("Заречье–Ивняки 5, once each") << "Заречье"
                                                 << "Ивняки"
                                                 << "5"
                                                 << "tables.shortestRoundTripOnceEach"
                                                 << "27";
    QTest::newRow("Заречье–Ивняки gone, once each") << "Заречье"
                                                    << "Ивняки"
                                                    << ""
                                                    << "tables.shortestRoundTripOnceEach"
                                                    << "";
    QTest::newRow("Ольховка–Полянка 1: Заречье as near") << "Ольховка"
                                                         << "Полянка"
                                                         << "1"
                                                         << "tables.shortestRoundTripNearestFirst"
                                                         << "";
}

void TestT2008_2::roundTripOnOtherRoads() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, length);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А12");
    QVERIFY(setRoad(t, from, to, length));
    solvesOrRefuses(solver, t, answer);
}

// А7 (s := 0; t := start; for i := 3 to 6: the body) with another start
// of t or another body, written in Pascal and the algorithmic language
// (Basic joins with «:» and assigns with «=»): the value of s, the body's
// two statements swapped, t taken afresh from its start, or a refusal ("").
void TestT2008_2::sumOfSumsOnOtherLines_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QString mine = "t := t + i; s := s + t";
    const QString value = "programs.valueOfOne", swapped = "programs.valueLineSwapped",
                  fresh = "programs.valueAccumulatorFromStart";
    // t = 3, 7, 12, 18 and 8, 12, 17, 23.
    QTest::newRow("t from 0") << "0" << mine << value << "40";
    QTest::newRow("t from 0, swapped") << "0" << mine << swapped << "22";
    QTest::newRow("t from 0, afresh") << "0" << mine << fresh << "18";
    QTest::newRow("t from 5") << "5" << mine << value << "60";
    QTest::newRow("t from 5, swapped") << "5" << mine << swapped << "42";
    QTest::newRow("t from 5, afresh") << "5" << mine << fresh << "38";
    // Swapping a body already swapped gives the paper's answer back.
    QTest::newRow("swapped back") << "2"
                                  << "s := s + t; t := t + i" << swapped << "48";
    // t := i accumulates nothing: s adds 3 … 6, or 2 … 5 swapped.
    QTest::newRow("no accumulator") << "2"
                                    << "t := i; s := s + t" << value << "18";
    QTest::newRow("no accumulator, swapped") << "2"
                                             << "t := i; s := s + t" << swapped << "14";
    QTest::newRow("no accumulator, afresh") << "2"
                                            << "t := i; s := s + t" << fresh << "";
}

void TestT2008_2::sumOfSumsOnOtherLines() {
    QFETCH(QString, start);
    QFETCH(QString, body);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    const QString basicBody = QString(body).replace(":=", "=").replace(";", ":");
    const std::map<QString, QString> lines = {
        {"s = 0: t = 2", "s = 0: t = " + start},
        {"s := 0; t := 2;", "s := 0; t := " + start + ";"},
        {"s := 0; t := 2", "s := 0; t := " + start},
        {"  t = t + i: s = s + t", "  " + basicBody},
        {"  t := t + i; s := s + t", "  " + body},
    };
    zut::TaskContent t = task("А7");
    int replaced = 0;
    for (TableElement* e : zut::allOf<TableElement>(t.elements))
        for (TableElement::Cell& c : e->cells)
            if (const auto l = lines.find(c.text); l != lines.end()) {
                c.text = l->second;
                ++replaced;
            }
    QCOMPARE(replaced, 6);
    solvesOrRefuses(solver, t, answer);
}

ZUT_TEST_MAIN(TestT2008_2)
#include "tst_t2008_2.moc"
