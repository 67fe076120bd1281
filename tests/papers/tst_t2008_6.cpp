// What the 2008 paper, variant 6, needs beyond its tasks' checks
// (tst_tasks) and what every paper's content must satisfy
// (tst_papercontent): the worked solution of А20 traces the program and
// its wrong options are the program run with one mistake each, B4 needs
// every forecast, the С1 listings fail exactly for their fault, the С3
// game is won as the worked solution says, the answer labels are the
// key's, and the fields show their lines.
#include "testmain.h"

#include "check/interpret.h"
#include "papertest.h"

#include "papercheck.h"
#include "shell/controls.h"
#include "shell/windowset.h"

#include <QFontMetrics>

#include <algorithm>
#include <functional>
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

// B4: every order of the teams tried against the forecasts, each of which
// must be right about exactly one of its two teams.
struct Forecast {
    QChar team1;
    int place1;
    QChar team2;
    int place2;
};

std::vector<Forecast> forecasts(const QString& text) {
    std::vector<Forecast> out;
    for (const auto& m : rx(R"(«(\w) будет (\w+), а (\w) — (\w+)»)").globalMatch(text))
        out.push_back(
            {m.captured(1)[0], numeral(m.captured(2)), m.captured(3)[0], numeral(m.captured(4))});
    return out;
}

// The orders (the teams from the first place down) that fit all forecasts.
QStringList fittingOrders(const QString& teams, const std::vector<Forecast>& said) {
    QString order = teams;
    std::sort(order.begin(), order.end());
    QStringList found;
    do {
        const auto place = [&](QChar team) { return int(order.indexOf(team)) + 1; };
        if (std::all_of(said.begin(), said.end(), [&](const Forecast& f) {
                return (place(f.team1) == f.place1) != (place(f.team2) == f.place2);
            }))
            found << order;
    } while (std::next_permutation(order.begin(), order.end()));
    return found;
}

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// The region of С1's wording: 0 ≤ y ≤ c − x · x.
double parabolaTop() {
    return double(numberIn(wording(task("С1")), R"(параболой y = (\d+) − x · x и осью абсцисс)"));
}
bool inside(double x, double y) {
    return y >= 0 && y <= parabolaTop() - x * x;
}

// The points the listings are run at: a grid around the region, its
// boundary points included.
std::vector<std::pair<double, double>> grid() {
    std::vector<std::pair<double, double>> points;
    for (int i = -8; i <= 8; ++i)
        for (int k = -6; k <= 10; ++k)
            points.push_back({i * 0.25, k * 0.25});
    return points;
}

// The part of the inner condition that С1's second question is about.
const QStringList superfluous = {" and (x * x <= 1)", " AND x * x <= 1"};

// The listing with the superfluous part of its inner condition taken out.
QString withoutSuperfluous(int listing) {
    const QString source = ::listing(listing);
    need(source.count(superfluous[listing]) == 1, "no superfluous part " + superfluous[listing]);
    return QString(source).replace(superfluous[listing], "");
}

// The fixed listings of the solution, in place of the listing's checks.
QString fixedListing(int listing) {
    const QStringList fix =
        capture(oneLine(task("С1").solution),
                R"(в Паскале (if .+? else writeln\('нет'\)), в Бейсике (IF .+? ELSE PRINT "нет"))");
    const QString source = ::listing(listing);
    if (listing == 0)
        return withoutLines(
            replacedLine(source, "if y <= 1 - x * x then", fix[0]),
            {"if (y >= 0) and (x * x <= 1) then writeln('да')", "else writeln('нет')"});
    return withoutLines(
        replacedLine(source, "IF y <= 1 - x * x THEN", fix[1]),
        {"IF y >= 0 AND x * x <= 1 THEN PRINT \"да\" ELSE PRINT \"нет\"", "END IF"});
}

// ---- С3 ------------------------------------------------------------------

// Two heaps; a move adds one stone to a heap or doubles it, and whoever
// makes `goal` stones in the two together wins.
class TwoHeaps {
public:
    explicit TwoHeaps(qint64 goal)
        : goal_(goal) {}
    static std::vector<std::pair<qint64, qint64>> moves(qint64 a, qint64 b) {
        return {{a + 1, b}, {a, b + 1}, {2 * a, b}, {a, 2 * b}};
    }
    bool ends(qint64 a, qint64 b) const { return a + b >= goal_; }
    // Whether the player to move wins from (a, b).
    bool moverWins(qint64 a, qint64 b) {
        const auto key = std::make_pair(a, b);
        if (const auto it = known_.find(key); it != known_.end())
            return it->second;
        bool wins = false;
        for (const auto& [na, nb] : moves(a, b))
            if (ends(na, nb) || !moverWins(na, nb))
                wins = true;
        known_[key] = wins;
        return wins;
    }
    // Whether the player to move wins with his next move.
    bool winsAtOnce(qint64 a, qint64 b) const {
        const auto m = moves(a, b);
        return std::any_of(m.begin(), m.end(),
                           [&](const auto& p) { return ends(p.first, p.second); });
    }

private:
    qint64 goal_;
    std::map<std::pair<qint64, qint64>, bool> known_;
};

struct Game {
    qint64 first, second, goal;
    QString starts, answers;
};

Game game() {
    const QString w = wording(task("С3"));
    need(w.contains("либо добавить один камень в любую из кучек, либо удвоить число камней в любой "
                    "из кучек"),
         "the moves are not the ones the test plays");
    need(w.contains("в двух кучках вместе окажется"), "the goal is not the two heaps together");
    return {numberIn(w, R"(в первой (\d+) камн)"), numberIn(w, R"(во второй (\d+) камн)"),
            numberIn(w, R"((\d+) камней или больше)"), capture(w, R"(первый ход делает (\w+))")[0],
            capture(w, R"(второй — (\w+))")[0]};
}

// Pairs of heaps written "5 и 6" in a text.
std::vector<std::pair<qint64, qint64>> heaps(const QString& text) {
    std::vector<std::pair<qint64, qint64>> out;
    for (const auto& m : rx(R"((\d+) и (\d+))").globalMatch(text))
        out.push_back({number(m.captured(1)), number(m.captured(2))});
    return out;
}

// The fields of the page that take a listing or a long text, with the
// lines their content says.
int readOnlyFields() {
    int n = 0;
    for (const zut::TaskContent& t : content().tasks)
        n += int(elements(t, Kind::Field).size());
    return n;
}

} // namespace

class TestT2008_6 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void traceOfA20Solution();
    void mistakesOfA20_data();
    void mistakesOfA20();
    void oneFirstPlaceInB4();
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data() { listingFault_data(); }
    void superfluousCheck();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameStrategy();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void fieldsShowTheirLines();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

// The worked solution of А20 shows the string after each step of the loop
// as the program makes it, and then the answer.
void TestT2008_6::traceOfA20Solution() {
    const zut::TaskContent& t = task("А20");
    try {
        const EditorProgram p = EditorReader(fieldText(t, "Memo5")).read();
        QString text = capture(wording(t), R"(к строке (\w+)\?)")[0];
        QStringList states{text};
        int steps = 0;
        runEditor(p.statements, text, steps, &states);
        QStringList shown;
        const QString loop = oneLine(t.solution).section(';', 0, 0);
        for (const QString& step : loop.split(" → "))
            shown << step.section(") ", -1);
        QCOMPARE(shown, states.mid(0, states.size() - 1));
        QVERIFY(oneLine(t.solution).contains(QString(": %1, ответ").arg(states.last())));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::mistakesOfA20_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("mistake");
    QTest::newRow("no command after the loop") << 1 << "after";
    QTest::newRow("checks the other way round") << 2 << "order";
    QTest::newRow("every occurrence at once") << 4 << "all";
}

// The wrong options of А20 are what the program gives with one typical
// mistake each: so they are plausible, and none of them is right.
void TestT2008_6::mistakesOfA20() {
    QFETCH(int, option);
    QFETCH(QString, mistake);
    const zut::TaskContent& t = task("А20");
    try {
        EditorProgram p = EditorReader(fieldText(t, "Memo5")).read();
        using K = EditorProgram::Statement::Kind;
        QCOMPARE(p.statements.size(), size_t(2));
        QCOMPARE(int(p.statements[0].kind), int(K::While));
        auto& branch = p.statements[0].body.front();
        QCOMPARE(int(branch.kind), int(K::If));
        QString text = capture(wording(t), R"(к строке (\w+)\?)")[0];
        if (mistake == "after") {
            p.statements.pop_back();
        } else if (mistake == "order") {
            std::swap(branch.body, branch.otherwise);
            branch.found = {branch.body.front().from};
        }
        if (mistake == "all") {
            // Each command replaces every occurrence at once.
            std::function<void(const std::vector<EditorProgram::Statement>&)> run =
                [&](const std::vector<EditorProgram::Statement>& ss) {
                    for (const auto& s : ss) {
                        if (s.kind == K::Replace)
                            text.replace(s.from, s.to);
                        else if (s.kind == K::While)
                            while (holds(s, text))
                                run(s.body);
                        else
                            run(holds(s, text) ? s.body : s.otherwise);
                    }
                };
            run(p.statements);
        } else {
            int steps = 0;
            runEditor(p.statements, text, steps);
        }
        QCOMPARE(text, options(t)[option - 1]);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Without any one of the three forecasts B4 has more than one order of the
// teams, so each of them is needed; and the first place is a team nobody
// named.
void TestT2008_6::oneFirstPlaceInB4() {
    try {
        const QString all = oneLine(fieldText(task("B4"), "Memo8"));
        const auto said = forecasts(all);
        QCOMPARE(said.size(), size_t(3));
        for (size_t left = 0; left < said.size(); ++left) {
            auto fewer = said;
            fewer.erase(fewer.begin() + qsizetype(left));
            QVERIFY(fittingOrders("АБВГ", fewer).size() > 1);
        }
        const QStringList orders = fittingOrders("АБВГ", said);
        QCOMPARE(orders.size(), 1);
        const QString first = orders.front().left(1);
        for (const Forecast& f : said)
            QVERIFY(f.team1 != first[0] && f.team2 != first[0]);
        QVERIFY(all.contains(QString("Про команду %1 не говорил никто").arg(first)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// At every point of the grid each listing answers rightly or prints
// nothing; it prints nothing exactly above the parabola, and never inside.
void TestT2008_6::listingFault() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0, in = 0;
    try {
        const QString source = ::listing(listing);
        for (const auto& [x, y] : grid()) {
            const QString out = printed(language, source, x, y);
            const bool above = y > parabolaTop() - x * x;
            const QString where = QString("(%1; %2): %3").arg(x).arg(y).arg(out);
            if (above) {
                QVERIFY2(out.isEmpty(), qPrintable(where));
                ++silent;
            } else {
                QVERIFY2(out == (inside(x, y) ? "да" : "нет"), qPrintable(where));
                in += inside(x, y);
            }
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
    QVERIFY(in > 0);
}

// Taking out the superfluous part of the inner condition changes nothing
// the listing prints.
void TestT2008_6::superfluousCheck() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutSuperfluous(listing);
        QVERIFY(shorter.size() < ::listing(listing).size());
        for (const auto& [x, y] : grid())
            QCOMPARE(printed(language, shorter, x, y), printed(language, ::listing(listing), x, y));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the solution gives answers rightly at every point of the grid.
void TestT2008_6::fixOfTheSolution() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString fixed = fixedListing(listing);
        for (const auto& [x, y] : grid())
            QCOMPARE(printed(language, fixed, x, y), QString(inside(x, y) ? "да" : "нет"));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The point the worked solution gives lies outside the region, and both
// listings print nothing for it.
void TestT2008_6::faultExampleOfTheSolution() {
    try {
        const QStringList m =
            capture(task("С1").solution, R"(x = (−?\d+(?:,\d+)?), y = (−?\d+(?:,\d+)?))");
        const double x = QString(m[0]).replace(QChar(0x2212), '-').replace(',', '.').toDouble();
        const double y = QString(m[1]).replace(QChar(0x2212), '-').replace(',', '.').toDouble();
        QVERIFY(!inside(x, y));
        for (size_t i = 0; i < 2; ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), x, y), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3 played out: the winner the solution names wins from the start; the
// heaps it leaves after the loser's first step lose for the mover, and
// from every position it names the winner finishes at once.
void TestT2008_6::gameStrategy() {
    try {
        const Game g = game();
        TwoHeaps play(g.goal);
        QVERIFY(!play.ends(g.first, g.second));
        const QString winner = play.moverWins(g.first, g.second) ? g.starts : g.answers;
        const QString solution = oneLine(task("С3").solution);
        QVERIFY2(solution.startsWith("Выигрывает " + winner + "."), qPrintable(solution));
        // Every first move of the loser has an answer that wins.
        for (const auto& [a, b] : TwoHeaps::moves(g.first, g.second)) {
            QVERIFY(!play.ends(a, b));
            QVERIFY(play.moverWins(a, b));
        }
        const auto reply = heaps(capture(solution, R"(делает кучки (\d+ и \d+))")[0]);
        QCOMPARE(reply.size(), size_t(1));
        QVERIFY(!play.ends(reply[0].first, reply[0].second));
        QVERIFY(!play.moverWins(reply[0].first, reply[0].second));
        const auto then = heaps(capture(solution, R"(позиции (.+?)\. )")[0]);
        QCOMPARE(then.size(), size_t(4));
        for (const auto& [a, b] : TwoHeaps::moves(reply[0].first, reply[0].second)) {
            QVERIFY(std::find(then.begin(), then.end(), std::make_pair(a, b)) != then.end());
            QVERIFY(!play.ends(a, b));
            QVERIFY(play.winsAtOnce(a, b));
        }
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

ZUT_TEST_MAIN(TestT2008_6)
#include "tst_t2008_6.moc"
