// The content of the 2008 paper, variant 1: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault; the
// paper marked through its window with the answers found.
#include "testmain.h"

#include "papertest.h"

#include "papercheck.h"

#include "check/bases.h"
#include "check/codes.h"
#include "check/error.h"
#include "check/executor.h"
#include "check/flowchart.h"
#include "check/interpret.h"
#include "check/logic.h"
#include "check/queries.h"
#include "check/spreadsheet.h"
#include "check/strings.h"
#include "check/volume.h"
#include "paper/content.h"

#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_1.yaml");
    return c;
}

namespace {

// ---- Part 1 --------------------------------------------------------------

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString phrase = capture(w, "«([^»]+)»")[0];
    const qint64 per = number(capture(w, R"(занимает (\d+) бит)")[0]);
    return equalTo(double(ck::textBits(phrase, per)), bits);
}

Verdict solveA2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 states = w.count("«");
    need(states == w.count("»"), "unbalanced quotes");
    const qint64 wanted = number(capture(w, R"((\d+) различных сигналов)")[0]);
    return equalTo(ck::leastCodeLength(states, wanted), asNumber);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList range = capture(w, R"(от (\d+) до (\d+))");
    const qint64 values = number(range[1]) - number(range[0]) + 1;
    const qint64 count = number(capture(w, R"((\d+) таких измерений)")[0]);
    return equalTo(double(ck::messageBits(count, values)), bits);
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\d+) в (\w+) системе)");
    const QString digits = ck::toBase(number(m[0]), numeral(m[1]));
    return [digits](int, const QString& o) { return o == digits; };
}

Verdict solveA5(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(сумма чисел (\w+_\d+) и (\w+_\d+))");
    const qint64 sum = ck::evaluateBased(m[0] + " + " + m[1]);
    return [sum](int, const QString& o) {
        const auto [digits, base] = based(optionText(o));
        return ck::fromBase(digits, base) == sum && ck::toBase(sum, base) == digits;
    };
}

Verdict solveA7(const zut::TaskContent& t) {
    const ck::RunResult r = runThree(t).results.front();
    const qint64 a = r.integer("a"), b = r.integer("b");
    return [a, b](int, const QString& o) {
        const QStringList m = capture(o, R"(^a = (-?\d+), b = (-?\d+)$)");
        return number(m[0]) == a && number(m[1]) == b;
    };
}

Verdict solveA9(const zut::TaskContent& t) {
    const auto f = ck::Formula::parse(formulaAfter(wording(t), "высказывание"), {"X"});
    return [f](int, const QString& o) { return ck::evaluateAt(f, number(o)); };
}

double minutes(const QString& o) {
    const QStringList m = capture(o, R"(^(\d+) ч (\d+) мин$)");
    return double(number(m[0]) * 60 + number(m[1]));
}

Verdict solveA12(const zut::TaskContent& t) {
    const QString w = wording(t);
    QList<qint64> lengths, speeds;
    for (const auto& m : rx(R"(длиной (\d+) км)").globalMatch(w))
        lengths << number(m.captured(1));
    for (const auto& m : rx(R"(скоростью (\d+) км/ч)").globalMatch(w))
        speeds << number(m.captured(1));
    need(!lengths.isEmpty() && lengths.size() == speeds.size(), "lengths and speeds do not pair");
    double total = double(number(capture(w, R"(стоит (\d+) минут)")[0]));
    for (qsizetype i = 0; i < lengths.size(); ++i)
        total += 60.0 * double(lengths[i]) / double(speeds[i]);
    return equalTo(total, minutes);
}

// The rules of А14 as the test reads them, each by its line in Memo1.
const std::map<QString, std::function<bool(const QString&)>> beadRules = {
    {"1) в цепочке четыре бусины;", [](const QString& s) { return s.size() == 4; }},
    {"2) первая и последняя бусины одного цвета;",
     [](const QString& s) { return !s.isEmpty() && s.front() == s.back(); }},
    {"3) соседние бусины разного цвета;",
     [](const QString& s) {
         for (qsizetype i = 1; i < s.size(); ++i)
             if (s[i] == s[i - 1])
                 return false;
         return true;
     }},
    {"4) жёлтых бусин в цепочке не больше одной.",
     [](const QString& s) { return s.count(u'Ж') <= 1; }},
};

Verdict solveA14(const zut::TaskContent& t) {
    QString colours;
    for (const auto& m : rx(R"(\(([А-ЯЁ])\))").globalMatch(wording(t)))
        colours += m.captured(1);
    need(colours.size() == 4, "not four colours");
    const QStringList rules = fieldText(t, "Memo1").split('\n');
    for (const QString& r : rules)
        need(beadRules.contains(r), "a rule the test does not know: " + r);
    return [colours, rules](int, const QString& o) {
        for (QChar c : o)
            if (!colours.contains(c))
                return false;
        return std::all_of(rules.begin(), rules.end(),
                           [&](const QString& r) { return beadRules.at(r)(o); });
    };
}

// A file-name mask: '?' one character, '*' any run of them.
bool matches(QStringView mask, QStringView name) {
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask.front() == u'*')
        return matches(mask.mid(1), name) || (!name.isEmpty() && matches(mask, name.mid(1)));
    return !name.isEmpty() && (mask.front() == u'?' || mask.front() == name.front()) &&
           matches(mask.mid(1), name.mid(1));
}

Verdict solveA15(const zut::TaskContent& t) {
    QString mask;
    for (const auto& m : rx("«([^»]+)»").globalMatch(wording(t)))
        mask = m.captured(1); // the last quoted: the first two are the signs explained
    need(mask.size() > 1, "no mask");
    return [mask](int, const QString& o) { return matches(mask, o); };
}

Verdict solveA16(const zut::TaskContent& t) {
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    QString condition = capture(wording(t), R"(условию (.+)\?$)")[0];
    condition.replace(" ИЛИ ", " ∨ ").replace(" И ", " ∧ ");
    const QStringList numeric = head.mid(1);
    const auto f = ck::Formula::parse(condition, numeric);
    qint64 count = 0;
    for (const QVariant& r : list(table["rows"])) {
        const QStringList cells = r.toStringList();
        std::map<QString, qint64> values;
        for (qsizetype i = 1; i < head.size(); ++i)
            values[head[i]] = number(cells[i]);
        count += f.evaluate({}, values) ? 1 : 0;
    }
    return equalTo(double(count), asNumber);
}

Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList size = capture(w, R"(размером (\d+) на (\d+) пикселей)");
    const qint64 colours = number(capture(w, R"(палитрой из (\d+) цветов)")[0]);
    return equalTo(double(ck::rasterBits(number(size[0]), number(size[1]), colours)), bits);
}

Verdict solveA18(const zut::TaskContent& t) {
    const QString cell = capture(wording(t), R"(ячейки ([A-Z]+\d+))")[0];
    return equalTo(ck::cellValue(sheet(picture(t)), cell), asNumber);
}

Verdict solveA19(const zut::TaskContent& t) {
    const QStringList range = capture(wording(t), R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[1] == range[3], "the range is not a row");
    const auto values = ck::evaluateSheet(sheet(picture(t)));
    std::vector<double> wanted;
    for (QChar c = range[0][0]; c <= range[2][0]; c = QChar(c.unicode() + 1))
        wanted.push_back(values.at(c + range[1]));
    // Each diagram after the label with its number.
    std::map<int, std::vector<double>> diagrams;
    int label = 0;
    for (const Element* e : elements(t)) {
        if (e->kind == Kind::Text && rx(R"(^\d\)$)").match(e->text).hasMatch())
            label = e->text.left(1).toInt();
        if (e->kind == Kind::Picture && e->draw.toMap().contains("chart")) {
            need(label > 0 && !diagrams.contains(label), "a diagram without its own number");
            for (const QVariant& v : list(e->draw.toMap()["chart"].toMap()["values"]))
                diagrams[label].push_back(v.toDouble());
        }
    }
    need(diagrams.size() == 4, "not four diagrams");
    return [diagrams, wanted](int k, const QString& o) {
        return numeral(o) == k && diagrams.at(k) == wanted;
    };
}

// Робот on its field: the cells marked ■ are walls.
struct Field {
    QStringList columns;
    QStringList rows;
    std::set<std::pair<int, int>> walls; // (row, column) from 0
    bool free(int r, int c) const {
        return r >= 0 && c >= 0 && r < rows.size() && c < columns.size() && !walls.contains({r, c});
    }
};

Field robotField(const Element& picture) {
    const QVariantMap table = picture.draw.toMap()["table"].toMap();
    Field f;
    f.columns = table["head"].toStringList().mid(1);
    const QVariantList rows = list(table["rows"]);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].toStringList();
        need(cells.size() == f.columns.size() + 1, "a field row of the wrong length");
        f.rows << cells[0];
        for (qsizetype c = 1; c < cells.size(); ++c) {
            need(cells[c].isEmpty() || cells[c] == "■", "a field cell is neither free nor wall");
            if (cells[c] == "■")
                f.walls.insert({int(r), int(c - 1)});
        }
    }
    return f;
}

// Runs the program; returns the cell where Робот stops, or empty when it
// breaks against a wall.
QString runRobot(const Field& f, const QString& start, const QStringList& program) {
    static const std::map<QString, std::pair<int, int>> moves = {
        {"вверх", {-1, 0}}, {"вниз", {1, 0}}, {"влево", {0, -1}}, {"вправо", {0, 1}}};
    static const std::map<QString, QString> sides = {
        {"сверху", "вверх"}, {"снизу", "вниз"}, {"слева", "влево"}, {"справа", "вправо"}};
    int c = int(f.columns.indexOf(start.left(1)));
    int r = int(f.rows.indexOf(start.mid(1)));
    need(c >= 0 && r >= 0 && f.free(r, c), "Робот starts on no free cell");
    need(program.value(0) == "НАЧАЛО" && program.value(program.size() - 1) == "КОНЕЦ",
         "the program is not framed by НАЧАЛО and КОНЕЦ");
    static const QRegularExpression loop = rx(R"(^ПОКА < (\w+) свободно > (\w+)$)");
    for (const QString& line : program.mid(1, program.size() - 2)) {
        if (moves.contains(line)) {
            const auto [dr, dc] = moves.at(line);
            if (!f.free(r + dr, c + dc))
                return {};
            r += dr;
            c += dc;
            continue;
        }
        const auto m = loop.match(line);
        need(m.hasMatch() && sides.contains(m.captured(1)) && moves.contains(m.captured(2)),
             "a line Робот does not know: " + line);
        const auto [cr, cc] = moves.at(sides.at(m.captured(1)));
        const auto [dr, dc] = moves.at(m.captured(2));
        for (int turns = 0; f.free(r + cr, c + cc); ++turns) {
            need(turns < 100, "the loop does not end");
            if (!f.free(r + dr, c + dc))
                return {};
            r += dr;
            c += dc;
        }
    }
    return f.columns[c] + f.rows[r];
}

Verdict solveA20(const zut::TaskContent& t) {
    const QString start = capture(wording(t), R"(находится в клетке ([a-z]\d))")[0];
    const QString end = runRobot(robotField(picture(t)), start, fieldText(t, "Memo2").split('\n'));
    need(!end.isEmpty(), "Робот breaks");
    return [end](int, const QString& o) { return o == end; };
}

const Part1Solvers part1Solvers = {
    {"А1", solveA1},         {"А2", solveA2},
    {"А3", solveA3},         {"А4", solveA4},
    {"А5", solveA5},         {"А6", flowchartValue},
    {"А7", solveA7},         {"А8", arrayElement},
    {"А9", solveA9},         {"А10", equivalentFormula},
    {"А11", fitsTruthTable}, {"А12", solveA12},
    {"А13", codedWord},      {"А14", solveA14},
    {"А15", solveA15},       {"А16", solveA16},
    {"А17", solveA17},       {"А18", solveA18},
    {"А19", solveA19},       {"А20", solveA20},
};

// ---- Part 2 --------------------------------------------------------------

QString solveB1(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(числа (\d+) оканчивается цифрой (\d))");
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(number(m[0]), int(number(m[1]))))
        bases << QString::number(b);
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const auto f = ck::Formula::parse(capture(w, R"(уравнение (.+) = 1,)")[0]);
    const QStringList names = capture(w, R"(где (.+) — логические)")[0].split(", ");
    return QString::number(ck::countSolutions(f, names));
}

QString solveB4(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo8");
    const QString all = oneLine(text);
    QStringList names = capture(all, R"(— (\S+), (\S+), (\S+) и (\S+) —)");
    static const std::map<QString, int> ordinals = {
        {"перв", 1}, {"втор", 2}, {"трет", 3}, {"четв", 4}};
    // Each guess: two halves, each a name and a place.
    std::vector<std::vector<std::pair<int, int>>> guesses;
    for (const auto& m :
         rx(R"(^\d\) (.+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        std::vector<std::pair<int, int>> halves;
        for (const QString& half : m.captured(1).split(", а ")) {
            int who = -1, place = 0;
            for (qsizetype n = 0; n < names.size(); ++n)
                if (half.contains(names[n]))
                    who = int(n);
            for (const auto& [stem, p] : ordinals)
                if (half.contains(stem))
                    place = p;
            need(who >= 0 && place > 0, "a half guess the test cannot read: " + half);
            halves.push_back({who, place});
        }
        need(halves.size() == 2, "a guess not of two halves");
        guesses.push_back(halves);
    }
    need(guesses.size() == 3, "not three guesses");
    std::vector<int> places = {1, 2, 3, 4};
    QStringList solutions;
    do {
        const bool fits = std::all_of(guesses.begin(), guesses.end(), [&](const auto& g) {
            return (places[g[0].first] == g[0].second) + (places[g[1].first] == g[1].second) == 1;
        });
        if (fits) {
            QString s;
            // In the order the answer asks for: the names by their first two letters.
            const QStringList order = capture(all, R"(номера мест (\S+), (\S+), (\S+) и (\S+) —)");
            for (const QString& o : order)
                for (qsizetype n = 0; n < names.size(); ++n)
                    if (names[n].left(2) == o.left(2))
                        s += QString::number(places[size_t(n)]);
            solutions << s;
        }
    } while (std::next_permutation(places.begin(), places.end()));
    need(solutions.size() == 1, "not exactly one solution: " + solutions.join(' '));
    return solutions.front();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 rate = number(capture(w, R"(скоростью ([\d ]+) бит/с)")[0]);
    const QStringList time = capture(w, R"((\d+) минуту? (\d+) секунд)");
    const double seconds = double(number(time[0]) * 60 + number(time[1]));
    need(w.contains("в килобайтах"), "the size is asked in another unit");
    const double size = ck::transferSize(double(rate), ck::Unit::Bit, seconds, ck::Unit::Kbyte);
    need(size == std::floor(size), "the size is not whole");
    return QString::number(qint64(size));
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString rule = "{s}{s}{n}"; // twice the one before, then the new number
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        const int n = numeral(m.captured(1));
        need(ck::buildString("1", rule, n) == m.captured(2),
             "the rule does not give the shown strings");
        ++shown;
    }
    need(shown >= 3, "too few strings shown");
    const int n = numeral(capture(text, R"(цифр в (\w+) цепочке)")[0]);
    return QString::number(ck::builtLength("1", rule, n));
}

QString solveB7(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString file = capture(w, R"(Файл ([\w.]+) лежит)")[0];
    const QString server = capture(w, R"(сервере ([\w.]+),)")[0];
    const QString protocol = capture(w, R"(протоколу (\w+)\.)")[0];
    const QString address = protocol + "://" + server + "/" + file;
    return spellingLetters(t, address).toLower();
}

QString solveB8(const zut::TaskContent& t) {
    return queryOrder(t, typedQueryLabel).toLower();
}

const Part2Solvers part2Solvers = {
    {"B1", solveB1}, {"B2", solveB2}, {"B3", commandProgram}, {"B4", solveB4},
    {"B5", solveB5}, {"B6", solveB6}, {"B7", solveB7},        {"B8", solveB8},
};

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic,
                                                    ck::Language::C};

// The lines of each listing that make its check of y <= 3: the check, its
// "else" and what that branch prints (in Basic also one END IF).
const std::vector<QStringList> checkLines = {
    {"if y <= 3 then", "else", "writeln('не принадлежит')"},
    {"IF y <= 3 THEN", "ELSE", "PRINT \"не принадлежит\"", "END IF"},
    {"if (y <= 3)", "else", "printf(\"не принадлежит\\n\");"},
};

bool inside(double x, double y) {
    return x >= 0 && y >= 0 && x * x + y * y <= 9;
}

} // namespace

class TestT2008_1 : public PaperTest {
    Q_OBJECT
public:
    TestT2008_1()
        : PaperTest(part1Solvers, part2Solvers) {}

private:
    zut::Paper* paper() const override { return t2008_1; }

private slots:
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
};

void TestT2008_1::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
    QTest::newRow("Си") << 2;
}

// Over a grid of points each listing either answers rightly or prints
// nothing; it prints nothing for some point outside the region, and never
// for one inside.
void TestT2008_1::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0;
    try {
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5) {
                const QString out = printed(language, source, x, y);
                const QString expected = inside(x, y) ? "принадлежит" : "не принадлежит";
                if (out.isEmpty() && !inside(x, y))
                    ++silent;
                else
                    QVERIFY2(out == expected,
                             qPrintable(QString("(%1, %2): %3").arg(x).arg(y).arg(out)));
            }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
}

// Taking out the check of y <= 3 with its branch, which never runs, changes
// nothing the listing prints.
void TestT2008_1::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutLines(source, checkLines[size_t(listing)]);

        QVERIFY(shorter.count('\n') < source.count('\n'));
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5)
                QCOMPARE(printed(language, shorter, x, y), printed(language, source, x, y));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The point the worked solution gives lies outside the region, and every
// listing prints nothing for it.
void TestT2008_1::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const QStringList m = capture(t.solution, R"(x = (−?\d+), y = (−?\d+))");
        const double x = double(number(m[0])), y = double(number(m[1]));
        QVERIFY(!inside(x, y));
        for (size_t i = 0; i < 3; ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), x, y), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner.
void TestT2008_1::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = number(capture(w, R"(добавить в кучу (\d+) камн)")[0]);
        need(w.contains("вдвое"), "the second move is not doubling");
        const qint64 goal = number(capture(w, R"((\d+) камня или больше)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
        const std::vector<bool> wins = moverWins(goal, [add](qint64 n) {
            return std::vector<qint64>{n + add, n * 2};
        });
        const QString winner = wins[size_t(start)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_1::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Cyrillic capitals from А on (B8's
// first written with its Latin look-alike), every letter of the key among
// them.
void TestT2008_1::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    QStringList labels = answerLabels(t);
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.join(""), lettersFrom(u'А', labels.size()));
    const QString key =
        QString::fromUtf16(t2008_1->key().part2[size_t(zut::taskNumber(id) - 1)][1]);
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

ZUT_TEST_MAIN(TestT2008_1)
#include "tst_t2008_1.moc"
