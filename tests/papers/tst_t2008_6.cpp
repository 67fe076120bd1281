// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2008 paper, variant 6, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the worked solution of А20 counts the program's
// replacements loop by loop and its wrong options are those counts with
// one mistake each, the А17 picture that takes most memory and its slips
// are found from the options, the А19 diagrams are found from the sheet
// with one sign mistyped, the С1 listings fail exactly for their fault,
// the С3 game of splitting heaps is won as the worked solution says, the
// answer labels are the key's, and the fields show their lines.
#include "testmain.h"

#include "taskcheck/interpret.h"
#include "papertest.h"

#include "papercheck.h"
#include "shell/controls.h"
#include "app/windowset.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_6.yaml");
    return c;
}

namespace {

// ---- А20: the Редактор's program ------------------------------------------

// A program of Memo5: commands заменить(v, w), loops ПОКА … КОНЕЦ ПОКА and
// branches ЕСЛИ … ТО … ИНАЧЕ … КОНЕЦ ЕСЛИ, whose conditions are нашлось(v)
// joined by ИЛИ or by И.
struct EditorProgram {
    struct Statement {
        enum class Kind { Replace, While, If } kind = Kind::Replace;
        QString from, to;  // Replace
        QStringList found; // While, If: the chains of the condition
        bool all = false;  // the chains joined by И rather than ИЛИ
        std::vector<Statement> body, otherwise;
    };
    std::vector<Statement> statements;
};

class EditorReader {
public:
    explicit EditorReader(const QString& text) {
        for (const QString& l : text.split('\n'))
            lines_ << l.trimmed();
    }
    EditorProgram read() {
        need(next() == "НАЧАЛО", "the program does not start with НАЧАЛО");
        EditorProgram p;
        p.statements = block({"КОНЕЦ"});
        need(at_ == lines_.size(), "lines after КОНЕЦ");
        return p;
    }

private:
    QString next() {
        need(at_ < lines_.size(), "the program ends too soon");
        return lines_[at_++];
    }
    static EditorProgram::Statement replace(const QString& line) {
        const QStringList m = capture(line, R"(^заменить\((\w+), (\w*)\)$)");
        return {EditorProgram::Statement::Kind::Replace, m[0], m[1], {}, false, {}, {}};
    }
    static void condition(EditorProgram::Statement& s, const QString& text) {
        const bool any = text.contains(" ИЛИ "), all = text.contains(" И ");
        need(!(any && all), "a condition with both ИЛИ and И");
        s.all = all;
        for (const QString& part : text.split(all ? " И " : " ИЛИ "))
            s.found << capture(part, R"(^нашлось\((\w+)\)$)")[0];
    }
    // Statements up to the line `end` (consumed).
    std::vector<EditorProgram::Statement> block(const QStringList& end) {
        std::vector<EditorProgram::Statement> out;
        for (QString line = next(); !end.contains(line); line = next()) {
            EditorProgram::Statement s;
            if (line.startsWith("ПОКА ")) {
                s.kind = EditorProgram::Statement::Kind::While;
                condition(s, line.mid(5));
                s.body = block({"КОНЕЦ ПОКА"});
            } else if (line.startsWith("ЕСЛИ ")) {
                s.kind = EditorProgram::Statement::Kind::If;
                condition(s, line.mid(5));
                const QString then = next();
                need(then.startsWith("ТО "), "ЕСЛИ without ТО");
                s.body.push_back(replace(then.mid(3)));
                QString line2 = next();
                if (line2.startsWith("ИНАЧЕ ")) {
                    s.otherwise.push_back(replace(line2.mid(6)));
                    line2 = next();
                }
                need(line2 == "КОНЕЦ ЕСЛИ", "ЕСЛИ without КОНЕЦ ЕСЛИ");
            } else {
                s = replace(line);
            }
            out.push_back(s);
        }
        return out;
    }

    QStringList lines_;
    qsizetype at_ = 0;
};

bool holds(const EditorProgram::Statement& s, const QString& text) {
    const auto in = [&](const QString& chain) { return text.contains(chain); };
    return s.all ? std::all_of(s.found.begin(), s.found.end(), in)
                 : std::any_of(s.found.begin(), s.found.end(), in);
}

// Runs the statements on `text`; `states`, where given, collects the text
// after each replacement.
void runEditor(const std::vector<EditorProgram::Statement>& statements, QString& text, int& steps,
               QStringList* states = nullptr) {
    using K = EditorProgram::Statement::Kind;
    for (const auto& s : statements) {
        need(++steps < 100000, "the program does not stop");
        switch (s.kind) {
        case K::Replace:
            if (const qsizetype at = text.indexOf(s.from); at >= 0) {
                text.replace(at, s.from.size(), s.to);
                if (states)
                    *states << text;
            }
            break;
        case K::While:
            while (holds(s, text))
                runEditor(s.body, text, steps, states);
            break;
        case K::If:
            runEditor(holds(s, text) ? s.body : s.otherwise, text, steps, states);
            break;
        }
    }
}

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// The inputs the listings are run at: every triple of whole numbers from
// −3 to 3, ties included.
std::vector<std::array<int, 3>> triples() {
    std::vector<std::array<int, 3>> out;
    for (int a = -3; a <= 3; ++a)
        for (int b = -3; b <= 3; ++b)
            for (int c = -3; c <= 3; ++c)
                out.push_back({a, b, c});
    return out;
}
QString largest(const std::array<int, 3>& v) {
    return QString::number(*std::max_element(v.begin(), v.end()));
}
QString printedFor(int listing, const QString& source, const std::array<int, 3>& v) {
    return printed(listingLanguages[size_t(listing)], source, v[0], v[1], v[2]);
}

// The part of the second condition that С1's second question is about,
// and the other parts of the two conditions, each needed.
const QStringList superfluous = {"(b >= a) and ", "b >= a AND "};
const std::vector<QStringList> neededParts = {{"(a >= b) and ", " and (c > a)", " and (b > m)"},
                                              {"a >= b AND ", " AND c > a", " AND b > m"}};

// The listing with one part of a condition taken out.
QString withoutPart(int listing, const QString& part) {
    const QString source = ::listing(listing);
    need(source.count(part) == 1, "no part " + part);
    return QString(source).replace(part, "");
}
QString withoutSuperfluous(int listing) {
    return withoutPart(listing, superfluous[listing]);
}

// The fixed listings of the solution: the line that assigns c written as
// the solution says.
QString fixedListing(int listing) {
    const QStringList fix =
        capture(oneLine(task("С1").solution),
                R"(в Паскале (if .+? then m := c); в Бейсике (IF .+? THEN m = c))");
    return replacedLine(::listing(listing),
                        listing == 0 ? "if (a >= b) and (c > a) then m := c;"
                                     : "IF a >= b AND c > a THEN m = c",
                        listing == 0 ? "  " + fix[0] + ";" : fix[1]);
}

// ---- С3 ------------------------------------------------------------------

// Two heaps; a move takes one heap away and splits the other into two
// heaps of at least one stone each; whoever cannot move loses. A position
// is written smaller heap first.
using Heaps = std::pair<qint64, qint64>;

Heaps heaps(qint64 a, qint64 b) {
    return {std::min(a, b), std::max(a, b)};
}

class SplitHeaps {
public:
    static std::vector<Heaps> moves(Heaps p) {
        std::vector<Heaps> out;
        for (const qint64 kept : {p.first, p.second})
            for (qint64 x = 1; 2 * x <= kept; ++x)
                if (std::find(out.begin(), out.end(), heaps(x, kept - x)) == out.end())
                    out.push_back(heaps(x, kept - x));
        return out;
    }
    // Whether the player to move wins from `p`.
    bool moverWins(Heaps p) {
        if (const auto it = wins_.find(p); it != wins_.end())
            return it->second;
        bool wins = false;
        for (const Heaps& next : moves(p))
            wins = wins || !moverWins(next);
        return wins_[p] = wins;
    }
    // From a position the player to move wins: the fewest of his moves
    // that win whatever the other does.
    int movesToWin(Heaps p) {
        if (const auto it = length_.find(p); it != length_.end())
            return it->second;
        int best = std::numeric_limits<int>::max();
        for (const Heaps& next : moves(p)) {
            if (moverWins(next))
                continue;
            int longest = 0; // the other's longest defence
            for (const Heaps& reply : moves(next))
                longest = std::max(longest, movesToWin(reply));
            best = std::min(best, 1 + longest);
        }
        return length_[p] = best;
    }

private:
    std::map<Heaps, bool> wins_;
    std::map<Heaps, int> length_;
};

struct Game {
    Heaps start;
    QString starts, answers;
};

Game game() {
    const QString w = wording(task("С3"));
    need(w.contains("убирает со стола одну из кучек целиком, а другую делит на две непустые кучки"),
         "the moves are not the ones the test plays");
    need(w.contains("Кучку из одного камня разделить нельзя"), "a heap of one may be split");
    need(w.contains("Проигрывает тот, кто не может сделать ход"), "the goal is not the last move");
    return {heaps(numberIn(w, R"(в первой (\d+) камн)"), numberIn(w, R"(во второй (\d+) камн)")),
            capture(w, R"(первый ход делает (\w+))")[0], capture(w, R"(второй\W+(\w+)\.)")[0]};
}

// The fields of the page that take a listing or a long text, with the
// lines their content says.
int readOnlyFields() {
    int n = 0;
    for (const zut::TaskContent& t : content().tasks)
        n += int(all<FieldElement>(t).size());
    return n;
}

} // namespace

class TestT2008_6 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void replacementsOfA20Solution();
    void mistakesOfA20_data();
    void mistakesOfA20();
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data() { listingFault_data(); }
    void superfluousCheck();
    void otherPartsNeeded_data();
    void otherPartsNeeded();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameStrategy();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void fieldsShowTheirLines();
    void largestPictureOfA17_data();
    void largestPictureOfA17();
    void mistypedSignOfA19_data();
    void mistypedSignOfA19();
    void slipsOfA7FromOtherStarts_data();
    void slipsOfA7FromOtherStarts();
    void reachabilityOfA12_data();
    void reachabilityOfA12();
    void solversFollowTheirGivens_data();
    void solversFollowTheirGivens();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

// The replacements each loop of А20's program makes from the start string,
// loop by loop, counted by running the program.
std::vector<int> replacementsByLoop(const zut::TaskContent& t) {
    const EditorProgram p = EditorReader(fieldText(t, "Memo5")).read();
    QString text = capture(wording(t), R"(к строке (\w+)\?)")[0];
    std::vector<int> counts;
    for (const auto& s : p.statements) {
        need(s.kind == EditorProgram::Statement::Kind::While, "a statement outside the loops");
        QStringList states;
        int steps = 0;
        runEditor({s}, text, steps, &states);
        counts.push_back(int(states.size()));
    }
    return counts;
}

// The worked solution of А20 gives the replacements of each loop, their
// sum and the option that carries it, as the program makes them; the
// pairs «А левее Б» it counts for the first loop are that loop's
// replacements.
void TestT2008_6::replacementsOfA20Solution() {
    const zut::TaskContent& t = task("А20");
    try {
        const std::vector<int> counts = replacementsByLoop(t);
        QCOMPARE(counts.size(), size_t(3));
        const QString solution = oneLine(t.solution);
        const QStringList said =
            capture(solution, R"(Всего (\d+) \+ (\d+) \+ (\d+) = (\d+) замен, ответ (\d))");
        const int total = counts[0] + counts[1] + counts[2];
        for (int i = 0; i < 3; ++i)
            QCOMPARE(said[i].toInt(), counts[size_t(i)]);
        QCOMPARE(said[3].toInt(), total);
        QCOMPARE(options(t)[said[4].toInt() - 1], QString::number(total));
        const QString start = capture(wording(t), R"(к строке (\w+)\?)")[0];
        int pairs = 0;
        for (qsizetype i = 0; i < start.size(); ++i)
            if (start[i] == u'А')
                pairs += int(start.mid(i).count(u'Б'));
        QCOMPARE(pairs, counts[0]);
        QVERIFY(solution.contains(QString("= %1 (для каждой буквы А").arg(pairs)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::mistakesOfA20_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("mistake");
    QTest::newRow("the second loop once") << 1 << "once";
    QTest::newRow("only the neighbours of the start") << 2 << "neighbours";
    QTest::newRow("pairs the other way round") << 4 << "reversed";
}

// The wrong options of А20 are the loops' counts with one typical mistake
// each: so they are plausible, and none of them is right.
void TestT2008_6::mistakesOfA20() {
    QFETCH(int, option);
    QFETCH(QString, mistake);
    const zut::TaskContent& t = task("А20");
    try {
        std::vector<int> counts = replacementsByLoop(t);
        QCOMPARE(counts.size(), size_t(3));
        const QString start = capture(wording(t), R"(к строке (\w+)\?)")[0];
        if (mistake == "once")
            counts[1] = 1;
        else if (mistake == "neighbours")
            counts[0] = int(start.count("АБ"));
        else
            counts[0] = int(start.count(u'А') * start.count(u'Б')) - counts[0];
        QCOMPARE(options(t)[option - 1], QString::number(counts[0] + counts[1] + counts[2]));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// For every triple each listing prints the largest number, except where
// a < b < c: there it prints b, as the fault makes it.
void TestT2008_6::listingFault() {
    QFETCH(int, listing);
    int wrong = 0;
    try {
        const QString source = ::listing(listing);
        for (const auto& v : triples()) {
            const bool fault = v[0] < v[1] && v[1] < v[2];
            const QString out = printedFor(listing, source, v);
            QCOMPARE(out, fault ? QString::number(v[1]) : largest(v));
            wrong += fault;
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(wrong > 0);
}

// Taking out the superfluous part of the condition changes nothing the
// listing prints.
void TestT2008_6::superfluousCheck() {
    QFETCH(int, listing);
    try {
        const QString shorter = withoutSuperfluous(listing);
        QVERIFY(shorter.size() < ::listing(listing).size());
        for (const auto& v : triples())
            QCOMPARE(printedFor(listing, shorter, v), printedFor(listing, ::listing(listing), v));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Each other part of the two conditions is needed: without it the listing
// prints another number for the triple the row names (the first two are
// the worked solution's).
void TestT2008_6::otherPartsNeeded_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("triple");
    const char* const languages[] = {"Паскаль", "Бейсик"};
    for (int listing = 0; listing < 2; ++listing) {
        const auto row = [&](int part, const char* name, const char* triple) {
            QTest::addRow("%s, %s", languages[listing], name) << listing << part << QString(triple);
        };
        row(1, "c > a", "3,1,2");
        row(2, "b > m", "1,1,3");
        row(0, "a >= b", "1,2,3");
    }
}

void TestT2008_6::otherPartsNeeded() {
    QFETCH(int, listing);
    QFETCH(int, part);
    QFETCH(QString, triple);
    try {
        const QStringList n = triple.split(',');
        const std::array<int, 3> v = {n[0].toInt(), n[1].toInt(), n[2].toInt()};
        const QString shorter = withoutPart(listing, neededParts[size_t(listing)][part]);
        QVERIFY(printedFor(listing, shorter, v) != printedFor(listing, ::listing(listing), v));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the solution gives prints the largest number for every triple.
void TestT2008_6::fixOfTheSolution() {
    QFETCH(int, listing);
    try {
        const QString fixed = fixedListing(listing);
        for (const auto& v : triples())
            QCOMPARE(printedFor(listing, fixed, v), largest(v));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// For the numbers the worked solution gives both listings print what it
// says, and that is not the largest.
void TestT2008_6::faultExampleOfTheSolution() {
    try {
        const QString solution = oneLine(task("С1").solution);
        const std::array<int, 3> v = {int(numberIn(solution, R"(a = (\d+), b = \d+, c = \d+)")),
                                      int(numberIn(solution, R"(a = \d+, b = (\d+), c = \d+)")),
                                      int(numberIn(solution, R"(a = \d+, b = \d+, c = (\d+))"))};
        const QString said = capture(solution, R"(а программа выводит (\d+))")[0];
        QVERIFY(said != largest(v));
        QVERIFY(solution.contains("наибольшее число " + largest(v)));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(printedFor(i, listing(i), v), said);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3 played out by a full search: the winner the solution names wins from
// the start; the positions lost for the player to move are exactly those
// with two odd heaps, as the solution says; the first moves it gives are
// all the winning ones; its sample game is played by the rules, the winner
// leaving two odd heaps each time and making the last move; and the game
// lasts the winner's moves it says when he wins fastest and the other
// holds out longest.
void TestT2008_6::gameStrategy() {
    try {
        const Game g = game();
        SplitHeaps play;
        const bool firstWins = play.moverWins(g.start);
        const QString solution = oneLine(task("С3").solution);
        QVERIFY2(solution.startsWith("Выигрывает " + (firstWins ? g.starts : g.answers) + "."),
                 qPrintable(solution));
        QVERIFY(solution.contains("в обеих кучках нечётное число камней"));
        for (qint64 a = 1; a <= g.start.second; ++a)
            for (qint64 b = a; b <= g.start.second; ++b)
                QCOMPARE(play.moverWins({a, b}), a % 2 == 0 || b % 2 == 0);
        QVERIFY(firstWins);
        const QStringList first = capture(
            solution, R"(убирает кучку из (\d+) камней, а кучку из (\d+) камней делит на кучки (\d+) и (\d+) или (\d+) и (\d+)\.)");
        QCOMPARE(heaps(number(first[0]), number(first[1])), g.start);
        std::vector<Heaps> said, winning;
        for (int i = 2; i < 6; i += 2) {
            said.push_back(heaps(number(first[i]), number(first[i + 1])));
            QCOMPARE(number(first[i]) + number(first[i + 1]), number(first[1]));
        }
        for (const Heaps& next : SplitHeaps::moves(g.start))
            if (!play.moverWins(next))
                winning.push_back(next);
        std::sort(said.begin(), said.end());
        QCOMPARE(said, winning);
        const QString sample = capture(solution, R"(Пример партии: ([^.]*)\.)")[0];
        std::vector<Heaps> line;
        for (const auto& m : QRegularExpression(R"(\((\d+), (\d+)\))").globalMatch(sample))
            line.push_back(heaps(m.captured(1).toLongLong(), m.captured(2).toLongLong()));
        QVERIFY(line.size() >= 3 && line.size() % 2 == 0);
        QCOMPARE(line.front(), g.start);
        for (size_t i = 1; i < line.size(); ++i) {
            const auto legal = SplitHeaps::moves(line[i - 1]);
            QVERIFY(std::find(legal.begin(), legal.end(), line[i]) != legal.end());
            if (i % 2 == 1)
                QVERIFY(!play.moverWins(line[i]));
        }
        QVERIFY(SplitHeaps::moves(line.back()).empty());
        const QString fastest = capture(solution, R"(игра кончается (\w+) ходом)")[0];
        QCOMPARE(numeral(fastest), play.movesToWin(g.start));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// B7 has eight labels and B8 four (B8's first read as the Cyrillic letter
// its Latin look-alike stands for); every letter of the key is a label's.
void TestT2008_6::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    QStringList labels = answerLabels(t);
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A"));
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.size(), id == "B7" ? 8 : 4);
    const QString key =
        QString::fromUtf16(t2008_6->key().part2[size_t(zut::taskNumber(id) - 1)][0]).toUpper();
    QCOMPARE(key.size(), labels.size());
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

// Every read-only field shows all its lines within its width, no line
// cut off at the right edge.
void TestT2008_6::fieldsShowTheirLines() {
    int checked = 0;
    for (zut::TextField* f : t2008_6->page()->widget()->findChildren<zut::TextField*>()) {
        if (!f->isReadOnly())
            continue; // the heading
        const QStringList lines = f->toPlainText().split('\n');
        QCOMPARE(lines.size(), f->property("lines").toInt());
        const QFontMetrics fm(f->font());
        const int room =
            f->width() - 2 * f->frameWidth() - 2 * int(f->document()->documentMargin());
        for (const QString& line : lines)
            QVERIFY2(fm.horizontalAdvance(line) <= room,
                     qPrintable(QString("%1: \"%2\" is %3 px in %4")
                                    .arg(f->objectName(), line)
                                    .arg(fm.horizontalAdvance(line))
                                    .arg(room)));
        ++checked;
    }
    QCOMPARE(checked, readOnlyFields());
}

// The pictures of a task, rows walked, to plant other data in.
std::vector<PictureElement*> picturesOf(zut::TaskContent& t) {
    return zut::allOf<PictureElement>(t.elements);
}

// The solver `name` run on a task, or "!" and its refusal.
QString solved(const QString& name, const zut::TaskContent& t) {
    try {
        return ck::registry().solvers.at(name)(ck::Task(t));
    } catch (const ck::CheckError& e) {
        return "!" + e.message();
    }
}

// А17: the picture that takes most memory, and the pictures its slips
// choose, found from the options as written or from planted options
// (joined by "|"); a refusal after "!".
void TestT2008_6::largestPictureOfA17_data() {
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("found");
    const QString the40 = "640 × 400 пикселей, 40 цветов";
    QTest::newRow("as written") << ""
                                << "volume.largestPicture" << the40;
    QTest::newRow("pixels only") << ""
                                 << "volume.largestPicturePixels"
                                 << "800 × 400 пикселей, 6 цветов";
    QTest::newRow("colours as bits") << ""
                                     << "volume.largestPictureColoursAsBits"
                                     << "160 × 120 пикселей, 65 536 цветов";
    QTest::newRow("bits rounded down") << ""
                                       << "volume.largestPictureBitsRoundedDown"
                                       << "512 × 512 пикселей, 32 цвета";
    // 30 colours take 5 bits either way: the 512 × 512 picture is larger.
    const QString others = "|160 × 120 пикселей, 65 536 цветов|800 × 400 пикселей, 6 цветов";
    QTest::newRow("30 colours") << "512 × 512 пикселей, 32 цвета|640 × 400 пикселей, 30 цветов" +
                                       others
                                << "volume.largestPicture"
                                << "512 × 512 пикселей, 32 цвета";
    QTest::newRow("a tie") << "640 × 400 пикселей, 64 цвета|" + the40 + others
                           << "volume.largestPicture"
                           << "!no one picture";
    QTest::newRow("no picture") << "640 на 400 пикселей, 64 цвета|" + the40 + others
                                << "volume.largestPicture"
                                << "!not a picture";
}

void TestT2008_6::largestPictureOfA17() {
    QFETCH(QString, planted);
    QFETCH(QString, solver);
    QFETCH(QString, found);
    zut::TaskContent t = task("А17");
    if (!planted.isEmpty()) {
        bool done = false;
        for (AnswersElement* e : zut::allOf<AnswersElement>(t.elements)) {
            e->options = planted.split('|');
            done = true;
        }
        QVERIFY(done);
    }
    const QString got = solved(solver, t);
    if (found.startsWith('!'))
        QVERIFY2(got.startsWith('!') && got.contains(found.mid(1)), qPrintable(got));
    else
        QCOMPARE(got, found);
}

// А19: the diagrams that a sheet with one sign «*» typed as «+» may give
// (the key's solver), and those with one «*» typed so in each of two
// formulas (the slip of diagram 3). A planted sheet ("" keeps it; rows split by
// "|", cells by ",") and planted values of one diagram (0 plants none)
// give the option found, or the refusal after "!".
void TestT2008_6::mistypedSignOfA19_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("diagram");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("found");
    const QString one = "tables.blockChartOneMistyped",
                  two = "tables.blockChartMistypedTwoFormulas";
    QTest::newRow("as drawn") << "" << 0 << "" << one << "первая";
    QTest::newRow("as drawn, B1 and C1 mistyped") << "" << 0 << "" << two << "третья";
    // Both signs of B2 are one formula: 2 + 3 + 5, C2 = 20 − 15.
    QTest::newRow("both signs of B2 are no two formulas") << "" << 3 << "23,15,10,5" << two << "!0 options fit";
    // B2's first sign and C2's sign: 2 + 15 = 17, C2 = 2 + 17 − 15.
    QTest::newRow("B2 and C2 mistyped") << "" << 3 << "23,15,17,4" << two << "третья";
    // The second «*» of B2 mistyped: B2 = 2 · 3 + 5 = 11, C2 = 22 − 15.
    QTest::newRow("the other sign of B2 drawn") << "" << 2 << "23,15,11,7" << one << "!2 options fit";
    // The mistype in C1 passed on to C2: 60 − 8.
    QTest::newRow("the mistype in C1 drawn") << "" << 4 << "23,8,30,52" << one << "!2 options fit";
    QTest::newRow("the mistype in C1 not passed on") << "" << 4 << "23,8,30,45" << one << "первая";
    // The one «*» of B1 mistyped: 5 + 4 + 3, the rest as without a mistake.
    QTest::newRow("the mistype in B1 drawn") << "" << 2 << "12,15,30,45" << one << "!2 options fit";
    QTest::newRow("the right values") << "" << 1 << "23,15,30,45" << one << "!0 options fit";
    QTest::newRow("both signs of B2 are no one mistype") << "" << 1 << "23,15,10,5" << one << "!0 options fit";
    // B1 = 2 + 4 · 3 = 14, C1 = 14 + 4, B2 = 14 − 2, C2 = 18 + 2.
    QTest::newRow("another sheet, B1 and C2 mistyped")
        << "2,=A1*A2*3,=B1+A2|4,=B1-A1,=C1*2" << 4 << "14,18,12,20" << two << "четвёртая";
    // B1 mistyped alone: C2 = 18 · 2.
    QTest::newRow("another sheet, B1 alone mistyped")
        << "2,=A1*A2*3,=B1+A2|4,=B1-A1,=C1*2" << 4 << "14,18,12,36" << two << "!0 options fit";
    QTest::newRow("no two formulas with a sign")
        << "2,=A1*A2*3,=B1+A2|4,=B1-A1,=C1-2" << 0 << "" << two << "!no two formulas with a sign";
    QTest::newRow("no sign to mistype")
        << "2,=A1+A2,=B1+A2|4,=B1-A1,=C1-2" << 0 << "" << one << "!no sign";
}

void TestT2008_6::mistypedSignOfA19() {
    QFETCH(QString, sheet);
    QFETCH(int, diagram);
    QFETCH(QString, values);
    QFETCH(QString, solver);
    QFETCH(QString, found);
    zut::TaskContent t = task("А19");
    const std::vector<PictureElement*> pictures = picturesOf(t);
    QCOMPARE(pictures.size(), size_t(5));
    const auto plant = [&](int n, const QString& part, const QString& key, const QVariant& v) {
        QVariantMap draw = pictures[size_t(n)]->draw.toMap();
        QVariantMap inner = draw[part].toMap();
        QVERIFY(inner.contains(key));
        inner[key] = v;
        draw[part] = inner;
        pictures[size_t(n)]->draw = draw;
    };
    if (!sheet.isEmpty()) {
        QVariantList rows;
        for (const QString& row : sheet.split('|'))
            rows << QVariant(row.split(','));
        plant(0, "spreadsheet", "rows", rows);
    }
    if (diagram > 0) {
        QVariantList shown;
        for (const QString& v : values.split(','))
            shown << v.toInt();
        plant(diagram, "chart", "values", shown);
    }
    const QString got = solved(solver, t);
    if (found.startsWith('!'))
        QVERIFY2(got.startsWith('!') && got.contains(found.mid(1)), qPrintable(got));
    else
        QCOMPARE(got, found);
}

// А7's fragments with n starting from another number in all three
// languages: the value of s and the slips of options 1 and 4 (every new n
// added to s; s begun at 0), found in the Pascal column.
void TestT2008_6::slipsOfA7FromOtherStarts_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QString value = "programs.valueOfOne", every = "programs.valueNewValueAdded",
                  fromZero = "programs.valueStartLost";
    // From 20: n = 20, 8, 4, 2, the quotients 6, 2, 1.
    QTest::newRow("from 20") << "20" << value << "29";
    QTest::newRow("from 20, every n") << "20" << every << "34";
    QTest::newRow("from 20, from 0") << "20" << fromZero << "9";
    // From 2 the loop never runs: s keeps its start, or 0.
    QTest::newRow("from 2") << "2" << value << "2";
    QTest::newRow("from 2, every n") << "2" << every << "2";
    QTest::newRow("from 2, from 0") << "2" << fromZero << "0";
}

void TestT2008_6::slipsOfA7FromOtherStarts() {
    QFETCH(QString, start);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А7");
    int planted = 0;
    for (zut::FieldElement* f : zut::allOf<zut::FieldElement>(t.elements)) {
        QVERIFY(f->text.count("59") == 1);
        f->text.replace("59", start);
        ++planted;
    }
    QCOMPARE(planted, 3);
    solvesOrRefuses(solver, t, answer);
}

// А12's tables with one cell changed ("table|from|to|fare", the table
// counted from 1, an empty fare removes one): the table the solver or a
// slip finds, or "" where none or two fit.
void TestT2008_6::reachabilityOfA12_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("answer");
    const QString all = "tables.reachableEverywhere", out = "tables.reachableEverywhereOutOfFirst",
                  in = "tables.reachableEverywhereIntoFirst",
                  local = "tables.reachableEverywhereRowsColumns";
    QTest::newRow("as built") << "" << all << "2";
    QTest::newRow("as built, out of К") << "" << out << "1";
    QTest::newRow("as built, into К") << "" << in << "4";
    QTest::newRow("as built, rows and columns") << "" << local << "3";
    // Н → К closes table 1's way back: two tables fit.
    QTest::newRow("table 1 closed") << "1|Н|К|2" << all << "";
    // Without М → К the key's ring breaks: none fits, К still leaves.
    QTest::newRow("ring broken") << "2|М|К|" << all << "";
    QTest::newRow("ring broken, out of К") << "2|М|К|" << out << "";
    // Л → М joins table 3's pairs one way: К reaches all there too.
    QTest::newRow("pairs joined, out of К") << "3|Л|М|8" << out << "";
    QTest::newRow("pairs joined, rows and columns") << "3|Л|М|8" << local << "3";
    // Н → Н: a fare on the diagonal is refused.
    QTest::newRow("diagonal") << "4|Н|Н|1" << all << "";
}

void TestT2008_6::reachabilityOfA12() {
    QFETCH(QString, change);
    QFETCH(QString, solver);
    QFETCH(QString, answer);
    zut::TaskContent t = task("А12");
    const std::vector<PictureElement*> pictures = picturesOf(t);
    QCOMPARE(pictures.size(), size_t(1));
    if (!change.isEmpty()) {
        const QStringList c = change.split('|');
        QVariantMap draw = pictures[0]->draw.toMap();
        QVariantList tables = draw["tables"].toList();
        QVariantMap table = tables[c[0].toInt() - 1].toMap();
        const QStringList head = table["head"].toStringList();
        QVariantList rows = table["rows"].toList();
        const qsizetype from = head.indexOf(c[1]) - 1, to = head.indexOf(c[2]);
        QVERIFY(from >= 0 && to > 0);
        QStringList row = rows[from].toStringList();
        QVERIFY(row[to] != c[3]);
        row[to] = c[3];
        rows[from] = row;
        table["rows"] = rows;
        tables[c[0].toInt() - 1] = table;
        draw["tables"] = tables;
        pictures[0]->draw = draw;
    }
    solvesOrRefuses(solver, t, answer);
}

void TestT2008_6::solversFollowTheirGivens_data() {
    solverColumns();
    const auto row = solverRow;
    // А4: six binary digits are 32 … 63, all within 25 … 124; three
    // ternary digits are 9 … 26, below 64. From the powers themselves:
    // 64 … 127 against 125 … 624. Eight binary digits (128 … 255) lie within
    // four base-5 ones (125 … 624). Seven base-5 digits at most are
    // 1 … 78 124, which holds the four numbers 4 … 7 of three binary ones.
    row("А4 one range inside the other", "А4", "bases.numbersWithLengths", "lengths", "шести|трёх",
        "32");
    row("А4 no number in common", "А4", "bases.numbersWithLengths", "systems", "двоичной|троичной",
        "");
    row("А4 one base only", "А4", "bases.numbersWithLengths", "systems", "двоичной", "");
    row("А4 powers shifted", "А4", "bases.numbersWithLengthsPowersShifted", "lengths", "шести|трёх",
        "3");
    row("А4 the first base's record at most", "А4", "bases.numbersWithLengthsFirstAtMost",
        "systems", "пятеричной|двоичной", "4");
    // The outer ends: 32 … 63 inside 25 … 124 leaves 25 … 124 (100), and
    // 128 … 255 inside 125 … 624 leaves 125 … 624 (500); ranges that do not
    // meet give no such slip.
    row("А4 outer ends, one range inside", "А4", "bases.numbersWithLengthsOuterEnds", "lengths",
        "шести|трёх", "100");
    row("А4 outer ends, eight and four", "А4", "bases.numbersWithLengthsOuterEnds", "lengths",
        "восьми|четырёх", "500");
    row("А4 outer ends, apart", "А4", "bases.numbersWithLengthsOuterEnds", "systems",
        "двоичной|троичной", "");
    // А3 with each field as wide as the record of its highest value: 63
    // posts keep 6 bits (210 as the answer); 32 days take 6 bits, not 5, so
    // 7 + 6 + 5 leave 6 bits (−45 + 63); in 2 bytes nothing is left.
    row("А3 highest values, 63 posts", "А3", "volume.largestBoundWidthsOfHighest", "highs",
        "63|31|23", "210");
    row("А3 highest values, 32 days", "А3", "volume.largestBoundWidthsOfHighest", "highs",
        "64|32|23", "18");
    row("А3 highest values, 2 bytes", "А3", "volume.largestBoundWidthsOfHighest", "bytes", "2", "");
    // А1 with the blanks left out: 2 rows hold 4 stars and 2 line ends
    // (96 bits), 11 rows 121 stars and 11 line ends (2112 bits).
    row("А1 no blanks, 2 rows", "А1", "volume.starTreeNoBlanks", "rows", "2", "96");
    row("А1 no blanks, 11 rows", "А1", "volume.starTreeNoBlanks", "rows", "11", "2112");
    // А5: 2*23 shows one more digit of the same 2323₄; a shown 2 in the
    // units is not 3113₄ − 130₄; 3133₄ − 130₄ = 3003₄ borrows nowhere, so
    // ignoring the carries changes nothing; 3113₄ − 120₄ = 2333₄, with the
    // carry added 3133₄; a second term as long as the sum has no left
    // flush; the terms in two bases are refused.
    row("А5 one more digit shown", "А5", "bases.termUnderStars", "pattern", "2*23", "2323_4");
    row("А5 a shown digit wrong", "А5", "bases.termUnderStars", "pattern", "***2", "");
    row("А5 no borrow", "А5", "bases.termUnderStarsCarriesIgnored", "sum", "3133_4", "");
    row("А5 carry added, other term", "А5", "bases.termUnderStarsCarryAdded", "second", "120_4",
        "3133_4");
    row("А5 flush left, term as long", "А5", "bases.termUnderStarsFlushLeft", "second", "1130_4",
        "");
    row("А5 two bases", "А5", "bases.termUnderStars", "second", "130_5", "");
    // А9 asked истинно: three options are right; without the first negation
    // АНТЕННА joins them; with any two equal letters neighbours none does.
    row("А9 the first negation, true", "А9", "logic.wordWhereFirstNegationLost", "truth", "истинно",
        "АНТЕННА");
    row("А9 any equal letters, true", "А9", "logic.wordWhereAnyEqualLetters", "truth", "истинно",
        "");
    row("А9 no negation to lose", "А9", "logic.wordWhereNegationsLost", "statement",
        "(слово начинается и оканчивается одной и той же буквой) ∨ "
        "(в слове есть две одинаковые соседние буквы)",
        "");
    // With the first part plain the first negation is the second part's:
    // КОЛЛЕГА is right, ПОТОЛОК fits without it.
    row("А9 the second part's negation", "А9", "logic.wordWhereFirstNegationLost", "statement",
        "(слово начинается и оканчивается одной и той же буквой) ∨ "
        "¬(в слове есть две одинаковые соседние буквы)",
        "ПОТОЛОК");
    // ПОТОЛОК's three О make it doubled only for the slip.
    row("А9 any equal letters, one negation", "А9", "logic.wordWhereAnyEqualLetters", "statement",
        "(слово начинается и оканчивается одной и той же буквой) ∨ "
        "¬(в слове есть две одинаковые соседние буквы)",
        "ПОТОЛОК");
}

void TestT2008_6::solversFollowTheirGivens() {
    solverFollowsItsGiven();
}

ZUT_TEST_MAIN(TestT2008_6)
#include "tst_t2008_6.moc"
