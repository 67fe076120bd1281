// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2008 paper, variant 3, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the С1 listings fail exactly for their fault, the
// check they hold is superfluous and the fix of the worked solution makes
// them right, the С3 game is won as the worked solution says, and the
// letters of B7 and B8 are those the key uses.
#include "testmain.h"

#include "taskcheck/error.h"
#include "taskcheck/interpret.h"
#include "papertest.h"

#include "papercheck.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_3.yaml");
    return c;
}

namespace {

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// What a listing prints for n, as a number.
double printedNumber(ck::Language language, const QString& source, int n) {
    const ck::RunResult r = runWith(language, source, n);
    need(r.printed.size() == 1 && r.printed.front().isNumber(), "not one number printed");
    return r.printed.front().number();
}

// The sum of the wording: n terms, the first 1/2, each half the one before.
double sum(int n) {
    double s = 0, term = 0.5;
    for (int i = 0; i < n; ++i, term /= 2)
        s += term;
    return s;
}

bool near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

// The line of each listing that adds the lone last term, and that line as
// the fix of the worked solution writes it.
const std::vector<std::pair<QString, QString>> lastTerm = {
    {"if (i = n) and (s < 1) then s := s + t;", "if (i = n) and (s < 1) then s := s + t / 2;"},
    {"IF i = n AND s < 1 THEN s = s + t", "IF i = n AND s < 1 THEN s = s + t / 2"}};

} // namespace

class TestT2008_3 : public QObject {
    Q_OBJECT
private slots:
    // The windows, for the paper's key.
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data();
    void superfluousCheck();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void slipsTellTheirOptions_data();
    void slipsTellTheirOptions();
    void barsThatDecide_data();
    void barsThatDecide();
    void roadChanges_data();
    void roadChanges();
    void tournamentSample_data();
    void tournamentSample();
    void slipsOnOtherGivens_data();
    void slipsOnOtherGivens() { solverFollowsItsGiven(); }

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestT2008_3::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing prints the sum rightly for every even n and wrongly for
// every odd one (1 − 1/2ⁿ is told from 1 up to n = 19).
void TestT2008_3::listingFault() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        QList<int> wrong;
        for (int n = 1; n <= 20; ++n)
            if (!near(printedNumber(language, source, n), sum(n)))
                wrong << n;
        QCOMPARE(wrong, (QList<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19}));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::superfluousCheck_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("shorter"); // the last term's line without one check
    QTest::addColumn<bool>("same");       // whether the listing prints the same
    QTest::newRow("Паскаль without s < 1") << 0 << "if i = n then s := s + t;" << true;
    QTest::newRow("Бейсик without s < 1") << 1 << "IF i = n THEN s = s + t" << true;
    QTest::newRow("Паскаль without i = n") << 0 << "if s < 1 then s := s + t;" << false;
    QTest::newRow("Бейсик without i = n") << 1 << "IF s < 1 THEN s = s + t" << false;
}

// Taking out the check of s < 1 changes nothing the listing prints, taking
// out the check of i = n does; the worked solution names the first.
void TestT2008_3::superfluousCheck() {
    QFETCH(int, listing);
    QFETCH(QString, shorter);
    QFETCH(bool, same);
    QVERIFY(task("С1").solution.contains("Проверку s < 1"));
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        const QString changed = replacedLine(source, lastTerm[size_t(listing)].first, shorter);
        bool differs = false;
        for (int n = 1; n <= 40; ++n)
            differs = differs ||
                      printedNumber(language, changed, n) != printedNumber(language, source, n);
        QCOMPARE(!differs, same);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the worked solution gives, half of t for the lone last term,
// makes each listing right for every n.
void TestT2008_3::fixOfTheSolution() {
    QFETCH(int, listing);
    const auto& [line, fixedLine] = lastTerm[size_t(listing)];
    QVERIFY2(task("С1").solution.contains(fixedLine.chopped(listing == 0 ? 1 : 0)),
             qPrintable(fixedLine));
    try {
        const QString fixed = replacedLine(::listing(listing), line, fixedLine);
        const auto language = listingLanguages[size_t(listing)];
        for (int n = 1; n <= 20; ++n)
            QVERIFY2(near(printedNumber(language, fixed, n), sum(n)),
                     qPrintable(QString::number(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n of the worked solution is one where both listings fail, and they
// print what the solution says.
void TestT2008_3::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const QStringList m =
            capture(t.solution, R"(n = (\d+):.* выводит ([\d.]+) вместо (\d+\.\d+))");
        const int n = int(number(m[0]));
        QCOMPARE(m[2].toDouble(), sum(n));
        for (size_t i = 0; i < 2; ++i) {
            const double out = printedNumber(listingLanguages[i], ::listing(int(i)), n);
            QVERIFY(!near(out, sum(n)));
            QCOMPARE(out, m[1].toDouble());
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game searched in full from its wording (a move takes one of the
// listed numbers of stones, whoever takes the last stone loses). The worked
// solution names the winner, the heaps lost for the player to move up to
// the start, a first move that leaves one of them, and how many moves of
// his own the winner makes against the longest defence (three or more).
void TestT2008_3::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        std::vector<qint64> takes;
        for (const QString& k : capture(w, R"(взять из кучи (\d+), (\d+) или (\d+) камня)"))
            takes.push_back(number(k));
        need(w.contains("Проигрывает тот, кто возьмёт последний камень"), "another losing rule");
        const QStringList players =
            capture(w, QString::fromUtf8("первый ход делает (\\w+), второй\u00a0— (\\w+)\\."));
        // wins[n]: the player to move with n stones wins; moves[n]: how many
        // moves the winner then makes when he hurries and the other delays.
        std::vector<bool> wins(size_t(start) + 1, false);
        std::vector<int> moves(size_t(start) + 1, 0);
        wins[0] = true; // the other player has taken the last stone
        for (qint64 n = 1; n <= start; ++n) {
            int fastest = -1, longest = 0;
            for (qint64 k : takes) {
                if (k > n)
                    continue;
                const size_t rest = size_t(n - k);
                if (!wins[rest] && (fastest < 0 || moves[rest] + 1 < fastest))
                    fastest = moves[rest] + 1;
                longest = std::max(longest, moves[rest]);
            }
            wins[size_t(n)] = fastest > 0;
            moves[size_t(n)] = fastest > 0 ? fastest : longest;
        }
        const QString winner = wins[size_t(start)] ? players[0] : players[1];
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        QVERIFY2(moves[size_t(start)] >= 3, qPrintable(QString::number(moves[size_t(start)])));
        QCOMPARE(numeral(capture(t.solution, R"(делает (\w+) ход)")[0]), moves[size_t(start)]);

        QList<qint64> lost, named;
        for (qint64 n = 0; n < start; ++n)
            if (!wins[size_t(n)])
                lost << n;
        const QString heaps = capture(t.solution, R"(кучи из ([\d, и]+) камней)")[0];
        for (const QString& n : heaps.split(rx(R"(,\s*|\s+и\s+)")))
            named << number(n);
        QCOMPARE(named, lost);

        const QStringList first = capture(t.solution, R"(берёт (\d+) камня \((\d+)\))");
        const qint64 take = number(first[0]), after = number(first[1]);
        QVERIFY(std::find(takes.begin(), takes.end(), take) != takes.end());
        QCOMPARE(after, start - take);
        QVERIFY(!wins[size_t(after)]);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// Every letter of the key of B7 and B8 is one of their labels (B8's first
// read as the Cyrillic letter its Latin look-alike stands for), and the
// wording asks for Russian letters.
void TestT2008_3::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    QStringList labels = answerLabels(t);
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QVERIFY(wording(t).contains("русскими буквами"));
    const QString key =
        QString::fromUtf16(t2008_3->key().part2[size_t(zut::taskNumber(id) - 1)][1]);
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

// ---- Part 1: the slips -----------------------------------------------------

void TestT2008_3::slipsTellTheirOptions_data() {
    QTest::addColumn<QString>("id");
    // The options that change places.
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::newRow("А1 separators left out and comma without blank") << "А1" << 1 << 4;
    QTest::newRow("А1 the key and a byte a character") << "А1" << 2 << 3;
    QTest::newRow("А2 logarithm of all balls and the key") << "А2" << 1 << 4;
    QTest::newRow("А2 equal chances and logarithm of the blue") << "А2" << 2 << 3;
    QTest::newRow("А3 smallest alphabet and the bits") << "А3" << 1 << 4;
    QTest::newRow("А3 the key and bits doubled") << "А3" << 2 << 3;
    QTest::newRow("А4 record short and reversed") << "А4" << 2 << 3;
    QTest::newRow("А7 no «- 1» and no «+ 1»") << "А7" << 2 << 4;
    QTest::newRow("А7 added to the divisor, the key") << "А7" << 1 << 3;
    QTest::newRow("А8 not strict and last correction skipped") << "А8" << 2 << 4;
    QTest::newRow("А8 only the asked correction and the key") << "А8" << 1 << 3;
    QTest::newRow("А9 negation moved and negation on both") << "А9" << 3 << 4;
    QTest::newRow("А12 direct roads and most roads") << "А12" << 1 << 2;
    QTest::newRow("А12 row sum and the key") << "А12" << 3 << 4;
    QTest::newRow("А13 ones alone and read as decimal") << "А13" << 1 << 3;
    QTest::newRow("А13 octal digits as fours and the key") << "А13" << 2 << 4;
    QTest::newRow("А14 rules read backwards and the key") << "А14" << 1 << 4;
    QTest::newRow("А14 blue's rule missed and red's rule missed") << "А14" << 2 << 3;
    QTest::newRow("А14 red's rule missed and rules read backwards") << "А14" << 3 << 4;
    QTest::newRow("А16 wind left out and rain left out") << "А16" << 1 << 4;
    QTest::newRow("А16 the key and wind below the bound") << "А16" << 2 << 3;
    QTest::newRow("А15 same-named directory and sideways step") << "А15" << 3 << 4;
    QTest::newRow("А15 climb to the root and the key") << "А15" << 1 << 2;
    QTest::newRow("А18 filled cells only and the common value") << "А18" << 2 << 3;
    QTest::newRow("А18 the key and filled cells only") << "А18" << 1 << 2;
    QTest::newRow("А18 the common value and the sum for the average") << "А18" << 3 << 4;
}

// Each slip a Part 1 task names computes the one wrong answer its option
// shows: with two options changing places, the check refuses the task,
// naming a slip.
void TestT2008_3::slipsTellTheirOptions() {
    QFETCH(QString, id);
    QFETCH(int, a);
    QFETCH(int, b);
    zut::TaskContent t = task(id);
    const ck::Outcome kept = ck::runCheck(t);
    QCOMPARE(kept.carrying.size(), size_t(1));
    QVERIFY(!t.check["slips"].toMap().isEmpty());
    bool swapped = false;
    for (AnswersElement* e : zut::allOf<AnswersElement>(t.elements)) {
        e->options.swapItemsAt(a - 1, b - 1);
        swapped = true;
    }
    QVERIFY(swapped);
    try {
        const ck::Outcome o = ck::runCheck(t);
        QFAIL(qPrintable(QString("not refused; the answer is carried by option %1")
                             .arg(o.carrying.empty() ? 0 : o.carrying.front())));
    } catch (const ck::CheckError& e) {
        QVERIFY2(e.message().contains("is not the slip"), qPrintable(e.message()));
    }
}

// ---- А19: no option falls by the first bar alone -----------------------------

void TestT2008_3::barsThatDecide_data() {
    QTest::addColumn<int>("bars");
    // How many options give the chart's first `bars` bars, copied down.
    QTest::addColumn<int>("fitting");
    QTest::newRow("D1 alone fits every option") << 1 << 4;
    QTest::newRow("D1:D2 fits three options") << 2 << 3;
    QTest::newRow("D1:D3 fits two options") << 3 << 2;
    QTest::newRow("the whole chart fits the key only") << 4 << 1;
}

// The chart cut to its first bars and the range to as many cells: by D1
// alone no option is ruled out, and each later bar rules out exactly one
// wrong option, so only the last bar leaves the key.
void TestT2008_3::barsThatDecide() {
    QFETCH(int, bars);
    QFETCH(int, fitting);
    zut::TaskContent t = task("А19");
    bool cut = false;
    for (PictureElement* e : zut::allOf<PictureElement>(t.elements)) {
        QVariantMap draw = e->draw.toMap();
        if (!draw.contains("chart"))
            continue;
        QVariantMap chart = draw["chart"].toMap();
        chart["values"] = chart["values"].toList().mid(0, bars);
        chart["labels"] = chart["labels"].toStringList().mid(0, bars);
        draw["chart"] = chart;
        e->draw = draw;
        cut = true;
    }
    QVERIFY(cut);
    t.givens["last"] = QString("D%1").arg(bars);
    try {
        const ck::Outcome o = ck::runCheck(t);
        QCOMPARE(fitting, 1);
        QCOMPARE(o.carrying, std::vector<int>{t2008_3->key().part1[18]});
    } catch (const ck::CheckError& e) {
        QVERIFY2(fitting > 1, qPrintable(e.message()));
        QVERIFY2(e.message().contains(QString(": %1 options fit,").arg(fitting)),
                 qPrintable(e.message()));
    }
}

// ---- А12: the roads decide the place, each slip another one ---------------

void TestT2008_3::roadChanges_data() {
    // A road given a new length in both cells of the table (no road: as
    // drawn), and the place found or, after '!', what the refusal says.
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("found");
    QTest::newRow("as drawn") << QString() << QString() << QString() << "Дымки";
    // As long as the way through Горки: the direct roads mislead no more.
    QTest::newRow("Борки–Дымки as long as its detour") << "Борки"
                                                       << "Дымки"
                                                       << "4"
                                                       << "!option 1 is not the slip";
    QTest::newRow("Анино–Дымки 4: two places first")
        << "Анино"
        << "Дымки"
        << "4"
        << "!places that come first alike: Борки, Дымки";
    QTest::newRow("Анино–Дымки 3: the direct roads tie")
        << "Анино"
        << "Дымки"
        << "3"
        << "!places that come first alike: Анино, Горки";
}

// The place whose shortest ways add up to the least: a changed road moves
// the answer or a slip, and a tie is refused.
void TestT2008_3::roadChanges() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, length);
    QFETCH(QString, found);
    zut::TaskContent t = task("А12");
    if (!from.isEmpty())
        QVERIFY(setRoad(t, from, to, length));
    try {
        const ck::Outcome o = ck::runCheck(t);
        QVERIFY2(!found.startsWith('!'), qPrintable("not refused: " + o.answer));
        QCOMPARE(o.answer, found);
        QCOMPARE(o.carrying, std::vector<int>{t2008_3->key().part1[11]});
    } catch (const ck::CheckError& e) {
        QVERIFY2(found.startsWith('!') && e.message().contains(found.mid(1)),
                 qPrintable(e.message()));
    }
}

// ---- С4: the sample output follows from the sample input ------------------

namespace {

// The table С4 asks for, from match lines «<Команда1> <Команда2> <голы1>
// <голы2>»: 3 points a win, 1 a draw; teams by points, then goal
// difference (both decreasing), then name; a line «команда очки разность»
// each.
QStringList standings(const QStringList& matches) {
    struct Team {
        QString name;
        qint64 points = 0, difference = 0;
    };
    std::vector<Team> teams;
    const auto team = [&](const QString& name) -> Team& {
        for (Team& t : teams)
            if (t.name == name)
                return t;
        teams.push_back({name});
        return teams.back();
    };
    for (const QString& line : matches) {
        const QStringList f = line.split(' ');
        need(f.size() == 4, "not a match: " + line);
        const qint64 a = number(f[2]), b = number(f[3]);
        team(f[0]).difference += a - b;
        team(f[0]).points += a > b ? 3 : a == b ? 1 : 0;
        team(f[1]).difference += b - a;
        team(f[1]).points += b > a ? 3 : a == b ? 1 : 0;
    }
    std::sort(teams.begin(), teams.end(), [](const Team& x, const Team& y) {
        if (x.points != y.points)
            return x.points > y.points;
        if (x.difference != y.difference)
            return x.difference > y.difference;
        return x.name < y.name;
    });
    QStringList out;
    for (const Team& t : teams)
        out << QString("%1 %2 %3").arg(t.name).arg(t.points).arg(t.difference);
    return out;
}

} // namespace

void TestT2008_3::tournamentSample_data() {
    // A line of the sample input replaced (empty: as written), and whether
    // the sample output still follows.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("by");
    QTest::addColumn<bool>("follows");
    QTest::newRow("as written") << QString() << QString() << true;
    // Ракета and Вымпел then tie on points and difference: the name decides.
    QTest::newRow("a tie decided by name") << "Вымпел Сокол 2 0" << "Вымпел Сокол 3 0" << false;
    // A win made a draw: Ракета falls behind Вымпел on points.
    QTest::newRow("a win made a draw") << "Сокол Ракета 0 3" << "Сокол Ракета 3 3" << false;
    // One goal less: the points stay, the difference ties, the name decides.
    QTest::newRow("one goal less") << "Сокол Ракета 0 3" << "Сокол Ракета 0 2" << false;
}

// The wording states the output format in words, and its sample output is
// the table its rules make of its sample input; a changed match breaks it.
void TestT2008_3::tournamentSample() {
    QFETCH(QString, line);
    QFETCH(QString, by);
    QFETCH(bool, follows);
    try {
        const QString text = fieldText(task("С4"), "Memo14");
        QVERIFY(text.contains("в формате «<Команда> <очки> <разность мячей>» через один"));
        QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        const qsizetype in = lines.indexOf(rx(".*Пример входных данных:$"));
        const qsizetype out = lines.indexOf("Пример вывода для этих данных:");
        need(in >= 0 && out > in + 1, "no sample");
        const qint64 n = number(lines[in + 1]);
        QStringList matches = lines.mid(in + 2, out - in - 2);
        QCOMPARE(qsizetype(n), matches.size());
        if (!line.isEmpty()) {
            need(matches.contains(line), "no such match: " + line);
            matches.replace(matches.indexOf(line), by);
        }
        QCOMPARE(standings(matches) == lines.mid(out + 1), follows);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// ---- А8 and А9: slips on other givens ---------------------------------------

// А8's corrections made or skipped in the pass of the index asked, and
// А9's negation dropped, moved or doubled where the formula is written
// otherwise; a formula not of two parts, one negated, is refused.
void TestT2008_3::slipsOnOtherGivens_data() {
    solverColumns();
    // Tested on the element before: 1, 2, 4, 8, 16, 32, 64 − 27 = 37,
    // 74 − 27 = 47, 94 − 27 = 67; A[6] = 32 stays, as A[5] = 16 is not over 20.
    solverRow("А8 the ninth, the element before tested", "А8",
              "programs.elementConditionOnPrevious", "index", "9", "67");
    solverRow("А8 the sixth, the element before tested", "А8",
              "programs.elementConditionOnPrevious", "index", "6", "32");
    // The correction taken from the element before: A[6] = 16 − 27 = −11,
    // then −22, −44, −88; A[5] = 16 needs none.
    solverRow("А8 the ninth, corrected from the one before", "А8",
              "programs.elementCorrectionFromPrevious", "index", "9", "-88");
    solverRow("А8 the sixth, corrected from the one before", "А8",
              "programs.elementCorrectionFromPrevious", "index", "6", "-11");
    solverRow("А8 the fifth, no correction", "А8", "programs.elementCorrectionFromPrevious",
              "index", "5", "16");
    // А1 with the last word lost: 9 pairs «тест, » of 6 characters, 16 bits each.
    solverRow("А1 ten words, the last lost", "А1", "volume.repeatedWordLastWordDropped", "times",
              "10", "864");
    solverRow("А1 one word", "А1", "volume.repeatedWordLastWordDropped", "times", "1", "");
    const char* secondNegated = "(X + Y > 12) ∨ ¬(X > Y)";
    solverRow("А9 negation of the second part dropped", "А9", "logic.optionPairNegationDropped",
              "formula", secondNegated, "X = 5, Y = 5");
    solverRow("А9 negation moved to the first part", "А9", "logic.optionPairNegationMoved",
              "formula", secondNegated, "X = 6, Y = 9");
    solverRow("А9 no negation", "А9", "logic.optionPairNegationDropped", "formula",
              "(X > Y) ∨ (X + Y > 12)", "");
    solverRow("А9 both parts negated", "А9", "logic.optionPairNegationMoved", "formula",
              "¬(X > Y) ∨ ¬(X + Y > 12)", "");
    solverRow("А9 three parts", "А9", "logic.optionPairNegationOnBoth", "formula",
              "¬(X > Y) ∨ (X + Y > 12) ∨ (Y > 9)", "");
    solverRow("А9 one part", "А9", "logic.optionPairNegationOnBoth", "formula",
              "¬((X > Y) ∨ (X + Y > 12))", "");
}

ZUT_TEST_MAIN(TestT2008_3)
#include "tst_t2008_3.moc"
