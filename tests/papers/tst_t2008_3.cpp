// The content of the 2008 paper, variant 3: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault; the
// game of С3 played out; the paper marked through its window with the
// answers found.
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
#include "check/routes.h"
#include "check/spreadsheet.h"
#include "check/strings.h"
#include "check/volume.h"
#include "paper/content.h"

#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_3.yaml");
    return c;
}

namespace {

// ---- Part 1 --------------------------------------------------------------

Verdict solveA1(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(содержит (\d+) страниц, на каждой странице (\d+) строки, в каждой строке (\d+) символа\. Каждый символ кодируется (\d+) битами)");
    const qint64 characters = number(m[0]) * number(m[1]) * number(m[2]);
    return equalTo(double(ck::textBits(characters, number(m[3]))), bits);
}

Verdict solveA2(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"((\d+) шара .*из них (\d+) синих)");
    const double info = ck::informationBits(number(m[0]), number(m[1]));
    need(info == std::floor(info), "the information is not a whole number of bits");
    return equalTo(info, asNumber);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(длиной (\d+) символов занимает (\d+) байт)");
    const qint64 total = number(m[1]) * 8, count = number(m[0]);
    need(total % count == 0, "the bits do not divide among the characters");
    const int per = int(total / count);
    need(wording(t).contains("наибольшее количество символов"), "not the largest alphabet asked");
    // The largest alphabet whose least code is `per` bits.
    return [per](int, const QString& o) {
        const qint64 size = number(o);
        return ck::bitsForAlphabet(size) == per && ck::bitsForAlphabet(size + 1) != per;
    };
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\d+) в (\w+) системе)");
    return writtenIn(number(m[0]), numeral(m[1]));
}

Verdict solveA5(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(сумма чисел (\w+)_(\d+) и (\w+)_(\d+))");
    need(m[1] == m[3], "the two numbers are written in different bases");
    const int base = int(number(m[1]));
    return basedAs(ck::evaluateBased(m[0] + "_" + m[1] + " + " + m[2] + "_" + m[3], base), base);
}

Verdict solveA7(const zut::TaskContent& t) {
    const QStringList names = capture(wording(t), R"(переменных (\w+) и (\w+) после)");
    const ck::RunResult r = runThree(t).results.front();
    const qint64 first = r.integer(names[0]), second = r.integer(names[1]);
    const QString pattern = QString(R"(^%1 = (-?\d+), %2 = (-?\d+)$)").arg(names[0], names[1]);
    return [first, second, pattern](int, const QString& o) {
        const QStringList m = capture(o, pattern);
        return number(m[0]) == first && number(m[1]) == second;
    };
}

Verdict solveA9(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"((истинно|ложно) высказывание)");
    const bool wanted = m[0] == "истинно";
    const auto f = ck::Formula::parse(formulaAfter(w, "высказывание"), {"X"});
    return [f, wanted](int, const QString& o) { return ck::evaluateAt(f, number(o)) == wanted; };
}

Verdict solveA12(const zut::TaskContent& t) {
    const QStringList m =
        capture(wording(t), R"(кратчайшего пути из пункта (\w) в пункт (\w) равна (\d+) км)");
    const qint64 wanted = number(m[2]);
    return routeOfLength(t, m[0], m[1], wanted);
}

// The rules of А14 as the test reads them, each by its wording.
const std::map<QString, std::function<bool(const QString&)>> counterRules = {
    {"в цепочке пять фишек", [](const QString& s) { return s.size() == 5; }},
    {"белых фишек в цепочке ровно две, и они не лежат рядом",
     [](const QString& s) { return s.count(u'Б') == 2 && !s.contains("ББ"); }},
    {"последней в цепочке лежит чёрная фишка",
     [](const QString& s) { return !s.isEmpty() && s.back() == u'Ч'; }},
    {"первой в цепочке не может лежать серая фишка",
     [](const QString& s) { return !s.isEmpty() && s.front() != u'С'; }},
};

Verdict solveA14(const zut::TaskContent& t) {
    const QString w = wording(t);
    QString colours;
    for (const auto& m : rx(R"(\(([А-ЯЁ])\))").globalMatch(w))
        colours += m.captured(1);
    need(colours.size() == 3, "not three colours");
    QStringList rules;
    for (const auto& m : rx(R"(\d\) ([^;.]+)[;.])").globalMatch(w))
        rules << m.captured(1);
    need(rules.size() == 4, "not four rules");
    for (const QString& r : rules)
        need(counterRules.contains(r), "a rule the test does not know: " + r);
    return [colours, rules](int, const QString& o) {
        for (QChar c : o)
            if (!colours.contains(c))
                return false;
        return std::all_of(rules.begin(), rules.end(),
                           [&](const QString& r) { return counterRules.at(r)(o); });
    };
}

Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(каталогом (\S+)\. Сначала он поднялся на (\w+) уровн)");
    QStringList path = m[0].split('\\');
    const int up = numeral(m[1]);
    need(up < path.size(), "climbs above the disc");
    path = path.mid(0, path.size() - up);
    int down = 0;
    for (const auto& d : rx(R"(спустился в каталог (\w+))").globalMatch(w)) {
        path << d.captured(1);
        ++down;
    }
    need(down == 2, "not two steps down");
    const QString end = path.join('\\');
    return [end](int, const QString& o) { return o == end; };
}

int clock(const QString& hhmm) {
    const QStringList m = capture(hhmm, R"(^(\d\d):(\d\d)$)");
    return int(number(m[0]) * 60 + number(m[1]));
}

Verdict solveA16(const zut::TaskContent& t) {
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    const auto column = [&](const QString& name) {
        const qsizetype c = head.indexOf(name);
        need(c >= 0, "no column " + name);
        return c;
    };
    const qsizetype train = column("Поезд"), to = column("Куда"), leaves = column("Отправление"),
                    hours = column("В пути, ч"), price = column("Цена, руб.");
    const QStringList m = capture(
        wording(t),
        R"(уехать в (\w+) поездом, который отправляется не раньше (\d\d:\d\d) и находится в пути не больше (\d+) час)");
    QString best;
    qint64 least = -1;
    int ties = 0;
    for (const QVariant& r : list(table["rows"])) {
        const QStringList cells = r.toStringList();
        if (cells[to] != m[0] || clock(cells[leaves]) < clock(m[1]) ||
            number(cells[hours]) > number(m[2]))
            continue;
        const qint64 p = number(cells[price]);
        if (least < 0 || p < least) {
            least = p;
            best = cells[train];
            ties = 0;
        } else if (p == least) {
            ++ties;
        }
    }
    need(least >= 0 && ties == 0, "no single cheapest train");
    return [best](int, const QString& o) { return o == best; };
}

Verdict solveA17(const zut::TaskContent& t) {
    QList<qint64> palettes;
    for (const auto& m : rx(R"(палитрой из (\d+) цветов)").globalMatch(wording(t)))
        palettes << number(m.captured(1));
    need(palettes.size() == 2, "not two palettes");
    const int before = ck::bitsForAlphabet(palettes[0]), after = ck::bitsForAlphabet(palettes[1]);
    need(before % after == 0, "the volumes are not in a whole ratio");
    const qint64 times = before / after;
    return [times](int, const QString& o) {
        return number(capture(o, R"(^в (\d+) раза?$)")[0]) == times;
    };
}

Verdict solveA18(const zut::TaskContent& t) {
    const QString cell = capture(wording(t), R"(ячейки ([A-Z]+\d+))")[0];
    return equalTo(ck::cellValue(sheet(picture(t)), cell), asNumber);
}

// The values a formula written in the first cell of a column range and
// copied down it gives there.
std::vector<double> copiedDown(const std::map<QString, QString>& cells, const QString& formula,
                               QChar column, int from, int to) {
    std::map<QString, QString> all = cells;
    const QString first = column + QString::number(from);
    for (int row = from; row <= to; ++row) {
        const QString cell = column + QString::number(row);
        need(!cells.contains(cell), "the range is not empty: " + cell);
        all[cell] = ck::copyFormula(formula, first, cell);
    }
    const auto values = ck::evaluateSheet(all);
    std::vector<double> out;
    for (int row = from; row <= to; ++row)
        out.push_back(values.at(column + QString::number(row)));
    return out;
}

Verdict solveA19(const zut::TaskContent& t) {
    const QString text = oneLine(fieldText(t, "Memo3"));
    const QStringList range = capture(text, R"(по значениям ячеек ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[0] == range[2], "the range is not a column");
    need(text.contains("В ячейку " + range[0] + range[1] + " записали"),
         "the formula is not written in the range's first cell");
    const auto cells = sheet(picture(t, 0));
    std::vector<double> bars;
    for (const QVariant& v : list(picture(t, 1).draw.toMap()["chart"].toMap()["values"]))
        bars.push_back(v.toDouble());
    const QChar column = range[0][0];
    const int from = int(number(range[1])), to = int(number(range[3]));
    need(qsizetype(bars.size()) == to - from + 1, "the diagram has not a bar a cell");
    return [=](int, const QString& o) { return copiedDown(cells, o, column, from, to) == bars; };
}

// The four actions of the algorithm of А20, as the test reads Memo1.
QString transformed(QString s) {
    if (s.size() % 2 == 1) // 1) an odd count: Я at the end
        s += u'Я';
    const qsizetype half = s.size() / 2; // 2) the halves change places
    s = s.mid(half) + s.left(half);
    for (QChar& c : s) // 3) А and О change into each other
        c = c == u'А' ? u'О' : c == u'О' ? u'А' : c;
    return s.back() + s; // 4) its last letter in front
}

Verdict solveA20(const zut::TaskContent& t) {
    const QString steps = fieldText(t, "Memo1");
    for (const char* mark :
         {"нечётное число букв, в её конец дописывается буква Я", "половины меняются местами",
          "каждая буква А заменяется буквой О, а каждая буква О — буквой А",
          "в начало цепочки дописывается её последняя буква"})
        need(steps.contains(mark), QString("the actions read otherwise: ") + mark);
    // The worked example of Memo4 is what the actions give, step by step.
    const QString memo = oneLine(fieldText(t, "Memo4"));
    const QStringList chain = capture(memo, R"(: ([А-ЯЁ]+(?: → [А-ЯЁ]+){4})\.)")[0].split(" → ");
    need(transformed(chain[0]) == chain[4], "the example does not come out");
    need(capture(memo, R"(из цепочки (\w+) получается цепочка (\w+))") ==
             QStringList({chain[0], chain[4]}),
         "the example is told otherwise");
    const QString word =
        capture(wording(t), R"(к цепочке (\w+), а затем применить его ещё раз)")[0];
    const QString twice = transformed(transformed(word));
    return [twice](int, const QString& o) { return o == twice; };
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
    const QStringList m = capture(wording(t), R"(числа (\d+) оканчивается на (\d))");
    need(wording(t).contains("в порядке возрастания через запятую"), "another form asked");
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(number(m[0]), int(number(m[1]))))
        bases << QString::number(b);
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const auto f = ck::Formula::parse(
        capture(w, R"(наименьшее натуральное число X, при котором истинно высказывание (.+)\?)")[0],
        {"X"});
    const auto least = ck::leastWhere(f, true, 1, 100000);
    need(least.has_value(), "no such X");
    return QString::number(*least);
}

QString solveB4(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo8");
    const QString all = oneLine(text);
    const QStringList names = capture(all, R"(ученика: (\S+), (\S+), (\S+) и (\S+)\.)");
    static const std::map<QString, int> ordinals = {
        {"перв", 1}, {"втор", 2}, {"трет", 3}, {"четв", 4}};
    // Each forecast: two halves, each a name and a place.
    std::vector<std::vector<std::pair<int, int>>> forecasts;
    for (const auto& m :
         rx(R"(^\d\) (.+)[;.]$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        std::vector<std::pair<int, int>> halves;
        for (const QString& half : m.captured(1).split(", а ")) {
            int who = -1, place = 0, named = 0;
            for (qsizetype n = 0; n < names.size(); ++n)
                if (half.contains(names[n])) {
                    who = int(n);
                    ++named;
                }
            for (const auto& [stem, p] : ordinals)
                if (half.contains(stem))
                    place = p;
            need(named == 1 && place > 0, "a half forecast the test cannot read: " + half);
            halves.push_back({who, place});
        }
        need(halves.size() == 2, "a forecast not of two halves");
        forecasts.push_back(halves);
    }
    need(forecasts.size() == 3, "not three forecasts");
    std::vector<int> places = {1, 2, 3, 4};
    QStringList solutions;
    do {
        const bool fits = std::all_of(forecasts.begin(), forecasts.end(), [&](const auto& g) {
            return (places[size_t(g[0].first)] == g[0].second) +
                       (places[size_t(g[1].first)] == g[1].second) ==
                   1;
        });
        if (fits) {
            QString s;
            // In the order the answer asks for: the names by their first two letters.
            const QStringList order = capture(all, R"(номера мест (\S+), (\S+), (\S+) и (\S+) —)");
            for (const QString& o : order)
                for (qsizetype n = 0; n < names.size(); ++n)
                    if (names[n].left(2) == o.left(2))
                        s += QString::number(places[size_t(n)]);
            need(s.size() == 4, "the answer's order names someone else");
            solutions << s;
        }
    } while (std::next_permutation(places.begin(), places.end()));
    need(solutions.size() == 1, "not exactly one solution: " + solutions.join(' '));
    return solutions.front();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 per = number(capture(w, R"(каждый символ занимает (\d+) бит)")[0]);
    const QStringList m = capture(w, R"(скоростью ([\d ]+) бит/с ровно (\d+) минут)");
    need(w.contains("Сколько символов"), "not the characters asked");
    const double sent = ck::transferSize(double(number(m[0])), ck::Unit::Bit,
                                         double(number(m[1]) * 60), ck::Unit::Bit);
    need(std::fmod(sent, double(per)) == 0, "not a whole number of characters");
    return QString::number(qint64(sent) / per);
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    // Twice the one before, its number, twice the one before again.
    const QString rule = "{s}{s}{n}{s}{s}";
    const QString first = capture(text, R"(состоит из одной цифры (\d))")[0];
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        need(ck::buildString(first, rule, numeral(m.captured(1))) == m.captured(2),
             "the rule does not give the shown strings");
        ++shown;
    }
    need(shown >= 3, "too few strings shown");
    const QStringList m = capture(oneLine(text), R"(цифр, не равных (\d), в (\w+) цепочке)");
    const int n = numeral(m[1]);
    return QString::number(ck::builtLength(first, rule, n) -
                           ck::builtCount(first, rule, n, m[0][0]));
}

QString solveB7(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString file = capture(w, R"(Файл ([\w.]+) находится)")[0];
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

// The superfluous check of each listing, and the loop's head and foot as
// the fix of the worked solution writes them.
const std::vector<QString> checkLine = {"if s > 1 then s := 1;", "IF s > 1 THEN s = 1"};
const std::vector<std::pair<QString, QString>> loopHead = {{"repeat", "while i < n do begin"},
                                                           {"DO", "DO WHILE i < n"}};
const std::vector<std::pair<QString, QString>> loopFoot = {{"until i >= n;", "end;"},
                                                           {"LOOP UNTIL i >= n", "LOOP"}};

} // namespace

class TestT2008_3 : public PaperTest {
    Q_OBJECT
public:
    TestT2008_3()
        : PaperTest(part1Solvers, part2Solvers) {}

private:
    zut::Paper* paper() const override { return t2008_3; }

private slots:
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data() { listingFault_data(); }
    void superfluousCheck();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
};

void TestT2008_3::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing prints the sum rightly for every n from 2 on and wrongly
// for n = 1 only.
void TestT2008_3::listingFault() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        QList<int> wrong;
        for (int n = 1; n <= 20; ++n)
            if (!near(printedNumber(language, source, n), sum(n)))
                wrong << n;
        QCOMPARE(wrong, QList<int>{1});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Taking out the check of s > 1 changes nothing the listing prints.
void TestT2008_3::superfluousCheck() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        const QString shorter = withoutLines(source, {checkLine[size_t(listing)]});
        QCOMPARE(shorter.count('\n'), source.count('\n') - 1);
        for (int n = 1; n <= 40; ++n)
            QCOMPARE(printedNumber(language, shorter, n), printedNumber(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the worked solution gives, the condition checked before the
// loop's body, makes each listing right for every n.
void TestT2008_3::fixOfTheSolution() {
    QFETCH(int, listing);
    const QString solution = task("С1").solution;
    const auto& [head, newHead] = loopHead[size_t(listing)];
    const auto& [foot, newFoot] = loopFoot[size_t(listing)];
    QVERIFY2(solution.contains(newHead.section(' ', 0, 2)), qPrintable(newHead));
    try {
        const QString fixed =
            replacedLine(replacedLine(::listing(listing), head, newHead), foot, newFoot);

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
            capture(t.solution, R"(n = (\d+):.* выводит (\d+\.\d+) вместо (\d+\.\d+))");
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

// С3: the game played out from its wording; the worked solution names the
// winner and a first move that leaves the other player lost.
void TestT2008_3::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = number(capture(w, R"(добавить в кучу (\d+) камень)")[0]);
        need(w.contains("втрое"), "the second move is not tripling");
        const qint64 goal = number(capture(w, R"((\d+) камней или больше)")[0]);
        const QStringList players = capture(w, R"(первый ход делает (\w+), второй — (\w+)\.)");
        const std::vector<bool> wins = moverWins(goal, [add](qint64 n) {
            return std::vector<qint64>{n + add, n * 3};
        });
        const QString winner = wins[size_t(start)] ? players[0] : players[1];
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        const qint64 move = number(capture(t.solution, R"(добавляет (\d+) камень \((\d+)\))")[0]);
        const qint64 after = number(capture(t.solution, R"(добавляет (\d+) камень \((\d+)\))")[1]);
        QCOMPARE(move, add);
        QCOMPARE(after, start + add);
        QVERIFY(after < goal && !wins[size_t(after)]);
        QVERIFY(wins[size_t(start * 3)]); // tripling first would hand the game over
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Cyrillic capitals from А on (B8's
// first written with its Latin look-alike), every letter of the key
// among them, and the wording asks for Russian letters.
void TestT2008_3::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    QStringList labels = answerLabels(t);
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.join(""), lettersFrom(u'А', labels.size()));

    QVERIFY(wording(t).contains("русскими буквами"));
    const QString key =
        QString::fromUtf16(t2008_3->key().part2[size_t(zut::taskNumber(id) - 1)][1]);
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

ZUT_TEST_MAIN(TestT2008_3)
#include "tst_t2008_3.moc"
