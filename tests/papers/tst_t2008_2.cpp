// The content of the 2008 paper, variant 2: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault; the
// game of С3 played out; the paper marked through its window with the
// answers found.
#include "testmain.h"

#include "papertest.h"

#include "papercheck.h"

#include "check/bases.h"
#include "check/error.h"
#include "check/executor.h"
#include "check/flowchart.h"
#include "check/interpret.h"
#include "check/logic.h"
#include "check/queries.h"
#include "check/routes.h"
#include "check/spreadsheet.h"
#include "check/volume.h"
#include "paper/content.h"

#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_2.yaml");
    return c;
}

namespace {

// ---- Part 1 --------------------------------------------------------------

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 pages = number(capture(w, R"(занимает (\d+) страниц)")[0]);
    const qint64 lines = number(capture(w, R"((\d+) строк,)")[0]);
    const qint64 perLine = number(capture(w, R"(строке (\d+) символ)")[0]);
    const qint64 per = number(capture(w, R"(закодирован (\d+) битами)")[0]);
    return equalTo(double(ck::textBits(pages * lines * perLine, per)), bits);
}

Verdict solveA2(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(размер (\d+) × (\d+) клеток)");
    return equalTo(ck::bitsForAlphabet(number(m[0]) * number(m[1])), asNumber, 1e-9);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 racks = number(capture(w, R"((\d+) стеллаж)")[0]);
    const qint64 shelves = number(capture(w, R"(на каждом стеллаже (\d+) полок)")[0]);
    need(w.contains("с одинаковой вероятностью"), "the places are not equally likely");
    return equalTo(ck::informationBits(racks * shelves), bits, 1e-9);
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\w+)_(\d+) в (\w+) системе)");
    const int to = numeral(m[2]);
    return basedAs(ck::convertDigits(m[0], int(number(m[1])), to), to);
}

Verdict solveA5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(сумма чисел (\w+_\d+) и (\w+_\d+))");
    const int base = numeral(capture(w, R"(в (\w+) системе)")[0]);
    const QString sum = ck::evaluateBased(m[0] + " + " + m[1], base);
    return [sum](int, const QString& o) { return o == sum; };
}

Verdict solveA7(const zut::TaskContent& t) {
    const QString name = capture(wording(t), R"(значение переменной (\w+))")[0];
    const ck::Comparison c = runThree(t);
    QList<qint64> values;
    for (const ck::RunResult& r : c.results)
        values << r.integer(name);
    need(values.count(values.front()) == 3, "the languages leave different values");
    return equalTo(double(values.front()), asNumber);
}

// А9: each statement about a letter of the name is a variable of the formula.
Verdict solveA9(const zut::TaskContent& t) {
    QString formula = formulaAfter(wording(t), "высказывание");
    const std::map<QString, std::pair<QString, ck::WordProperty>> phrases = {
        {"первая буква согласная",
         {"P", [](const QString& s) { return !s.isEmpty() && ck::isConsonant(s.front()); }}},
        {"первая буква гласная",
         {"Q", [](const QString& s) { return !s.isEmpty() && ck::isVowel(s.front()); }}},
        {"последняя буква согласная",
         {"R", [](const QString& s) { return !s.isEmpty() && ck::isConsonant(s.back()); }}},
        {"последняя буква гласная",
         {"S", [](const QString& s) { return !s.isEmpty() && ck::isVowel(s.back()); }}},
    };
    std::map<QString, ck::WordProperty> properties;
    for (const auto& [phrase, p] : phrases)
        if (formula.contains(phrase)) {
            formula.replace(phrase, p.first);
            properties[p.first] = p.second;
        }
    const auto f = ck::Formula::parse(formula);
    need(f.variables().size() == qsizetype(properties.size()), "a statement not read: " + formula);
    return [f, properties](int, const QString& o) {
        return ck::wordsWhere(f, {o}, properties, true) == QStringList{o};
    };
}

Verdict solveA12(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList ends = capture(w, R"(между пунктами (\w) и (\w))");
    const qint64 length = number(capture(w, R"(имеет длину (\d+) км)")[0]);
    return routeOfLength(t, ends[0], ends[1], length);
}

// The rules of А14 as the test reads them, each by its line in Memo1;
// `digits` are the digits the wording allows.
using ChainRule = std::function<bool(const QString&, const QString& digits)>;
qsizetype digitCount(const QString& s, const QString& digits) {
    return std::count_if(s.begin(), s.end(), [&](QChar c) { return digits.contains(c); });
}
const std::map<QString, ChainRule> chainRules = {
    {"1) в цепочке пять символов;", [](const QString& s, const QString&) { return s.size() == 5; }},
    {"2) первый и последний символы цепочки — буквы;",
     [](const QString& s, const QString& d) {
         return !s.isEmpty() && !d.contains(s.front()) && !d.contains(s.back());
     }},
    {"3) цифр в цепочке ровно две, и рядом они не стоят;",
     [](const QString& s, const QString& d) {
         for (qsizetype i = 1; i < s.size(); ++i)
             if (d.contains(s[i]) && d.contains(s[i - 1]))
                 return false;
         return digitCount(s, d) == 2;
     }},
    {"4) буква А встречается в цепочке не больше одного раза;",
     [](const QString& s, const QString&) { return s.count(u'А') <= 1; }},
    {"5) сразу после цифры 2 не может стоять буква Б.",
     [](const QString& s, const QString&) { return !s.contains(u"2Б"); }},
};

Verdict solveA14(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(из букв ([А-ЯЁ, ]+) и цифр ([\d, ]+) по)");
    const QString letters = QString(m[0]).remove(rx(R"([ ,]|и)"));
    const QString digits = QString(m[1]).remove(rx("[ ,]"));
    const QStringList rules = fieldText(t, "Memo1").split('\n');
    for (const QString& r : rules)
        need(chainRules.contains(r), "a rule the test does not know: " + r);
    return [letters, digits, rules](int, const QString& o) {
        for (QChar c : o)
            if (!letters.contains(c) && !digits.contains(c))
                return false;
        return std::all_of(rules.begin(), rules.end(),
                           [&](const QString& r) { return chainRules.at(r)(o, digits); });
    };
}

// А15: the path after going up the levels the wording says and down into
// the directories it names, in order.
Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    QStringList path = capture(w, R"(каталогом (C:\\\S+)\. )")[0].split('\\');
    const int up = numeral(capture(w, R"(поднялся на (\w+) уровн)")[0]);
    need(up < path.size(), "up beyond the disk");
    path = path.mid(0, path.size() - up);
    for (const auto& m : rx(R"(в каталог (\w+))").globalMatch(w))
        path << m.captured(1);
    const QString end = path.join('\\');
    return [end](int, const QString& o) { return o == end; };
}

// А16: the records sorted by the keys the wording names (the first key
// decreasing or increasing as said, the second breaking ties), and the
// asked field of the record at the asked place.
Verdict solveA16(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    std::vector<QStringList> rows;
    for (const QVariant& r : list(table["rows"]))
        rows.push_back(r.toStringList());
    const QStringList first =
        capture(w, R"(отсортировали по (убыванию|возрастанию) значения поля «([^»]+)»)");
    const QStringList second =
        capture(w, R"(одинаковым \w+ — по (убыванию|возрастанию) значения поля «([^»]+)»)");
    const qsizetype k1 = head.indexOf(first[1]), k2 = head.indexOf(second[1]);
    need(k1 >= 0 && k2 >= 0, "a sort field not in the table");
    const bool down1 = first[0] == "убыванию", down2 = second[0] == "убыванию";
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        const qint64 a1 = number(a[k1]), b1 = number(b[k1]);
        if (a1 != b1)
            return down1 ? a1 > b1 : a1 < b1;
        const qint64 a2 = number(a[k2]), b2 = number(b[k2]);
        return down2 ? a2 > b2 : a2 < b2;
    });
    // No two records may tie on both keys, or the place is not decided.
    for (size_t i = 1; i < rows.size(); ++i)
        need(rows[i][k1] != rows[i - 1][k1] || rows[i][k2] != rows[i - 1][k2], "a tie");
    const int place = numeral(capture(w, R"(на (\w+) месте)")[0]);
    need(w.contains("Какой город"), "another field is asked for");
    const QString city = rows[size_t(place - 1)][head.indexOf("Город")];
    return [city](int, const QString& o) { return o == city; };
}

Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList size = capture(w, R"(размером (\d+) на (\d+) пикселей)");
    const qint64 width = number(size[0]), height = number(size[1]);
    const qint64 memory = number(capture(w, R"(занимает (\d+) Кбайт)")[0]) * 8192;
    need(w.contains("наибольшее количество цветов"), "another question");
    // The most colours whose picture still fits into the memory.
    qint64 colours = 2;
    while (ck::rasterBits(width, height, colours * 2) <= memory)
        colours *= 2;
    need(ck::rasterBits(width, height, colours) <= memory, "not even two colours fit");
    return equalTo(double(colours), asNumber);
}

Verdict solveA18(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString formula = capture(w, R"(формула (=\S+)\. )")[0];
    const QStringList cells = capture(w, R"(из ячейки (\w+) в ячейку (\w+))");
    need(w.contains("В ячейке " + cells[0]), "the formula stands in another cell");
    const QString copied = ck::copyFormula(formula, cells[0], cells[1]);
    return [copied](int, const QString& o) { return o == copied; };
}

// A bar chart shows the values themselves; a pie chart their shares.
bool chartShows(const QVariantMap& chart, const std::vector<double>& values) {
    const QVariantList shown = list(chart["values"]);
    if (shown.size() != qsizetype(values.size()))
        return false;
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    double shownSum = 0;
    for (const QVariant& v : shown)
        shownSum += v.toDouble();
    for (size_t i = 0; i < values.size(); ++i) {
        const double s = shown[qsizetype(i)].toDouble();
        if (chart["kind"] == "pie" ? std::abs(s / shownSum - values[i] / sum) > 1e-9
                                   : std::abs(s - values[i]) > 1e-9)
            return false;
    }
    return true;
}

Verdict solveA19(const zut::TaskContent& t) {
    const auto cells = sheet(picture(t));

    const QStringList range = capture(wording(t), R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[1] == range[3], "the range is not one row");
    std::vector<double> values;
    for (QChar c = range[0][0]; c <= range[2][0]; c = QChar(c.unicode() + 1))
        values.push_back(ck::cellValue(cells, c + range[1]));
    std::vector<bool> shows;
    for (int k = 1; k <= 4; ++k)
        shows.push_back(chartShows(picture(t, k).draw.toMap()["chart"].toMap(), values));
    return [shows](int k, const QString& o) { return numeral(o) == k && shows[size_t(k - 1)]; };
}

// А20: the algorithm of Memo5 run on the word, reading from its text which
// branch puts the character at the end and which at the start, and the step.
Verdict solveA20(const zut::TaskContent& t) {
    const QString notes = oneLine(fieldText(t, "Memo4"));
    const QString vowels =
        capture(notes, R"(Гласными считаются буквы ([А-ЯЁ, ]+), остальные)")[0].remove(rx("[ ,]"));
    const QString algorithm = fieldText(t, "Memo5");
    // Each branch puts the character at the end or at the start of R.
    auto appends = [&](const QString& branch) {
        const auto m = rx("^ *" + branch + R"( R := (.+)$)", QRegularExpression::MultilineOption)
                           .match(algorithm);
        need(m.hasMatch(), "no branch " + branch);
        const QString what = m.captured(1).trimmed();
        need(what == "R + S[i]" || what == "S[i] + R", "a branch the test cannot read: " + what);
        return what == "R + S[i]";
    };
    const bool thenAppends = appends("ТО"), elseAppends = appends("ИНАЧЕ");
    need(algorithm.contains("ЕСЛИ S[i] — гласная буква"), "another condition");
    const qint64 step = number(capture(algorithm, R"(i := i \+ (\d+))")[0]);
    const qint64 from = number(capture(algorithm, R"(i := (\d+)\n)")[0]);
    const QString s = capture(wording(t), "S = «([^»]+)»")[0];
    QString r;
    for (qint64 i = from; i <= s.size(); i += step) {
        const QChar c = s[i - 1];
        if (vowels.contains(c) ? thenAppends : elseAppends)
            r += c;
        else
            r.prepend(c);
    }
    return [r](int, const QString& o) { return o == r; };
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
    need(wording(t).contains("в порядке возрастания через запятую"), "another answer form");
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    QString formula = capture(w, R"(ложно высказывание (.+)\?)")[0];
    formula.replace(rx(R"(\s*·\s*)"), " * ").replace(QChar(0x00A0), ' ');
    const auto f = ck::Formula::parse(formula, {"X"});
    need(w.contains("наибольшее целое число X"), "another bound is asked for");
    const auto x = ck::greatestWhere(f, false, -100000, 100000);
    need(x.has_value(), "the statement is never false");
    // Not false anywhere above it, so the bound is not an artefact of the search range.
    need(!ck::leastWhere(f, false, *x + 1, 1'000'000).has_value(), "false again further up");
    return QString::number(*x);
}

// B4: every way of placing the three in the three towns, kept where each
// phrase has exactly one true half; the answer the towns' initial letters.
QString solveB4(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo8");
    const QString all = oneLine(text);
    const QStringList names = capture(all, R"(^(\S+), (\S+) и (\S+) живут)");
    const QStringList towns = capture(all, R"(один в (\S+), другой в (\S+), третий в (\S+)\.)");
    std::vector<std::vector<std::pair<int, int>>> phrases; // halves: (person, town)
    for (const auto& m :
         rx(R"(^\d\) (.+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        std::vector<std::pair<int, int>> halves;
        for (const QString& half : m.captured(1).split(", а ")) {
            int who = -1, where = -1;
            for (qsizetype n = 0; n < names.size(); ++n)
                if (half.contains(names[n]))
                    who = int(n);
            for (qsizetype n = 0; n < towns.size(); ++n)
                if (half.contains(QString(towns[n]).remove(rx("[;.]$"))))
                    where = int(n);
            need(who >= 0 && where >= 0, "a half the test cannot read: " + half);
            halves.push_back({who, where});
        }
        need(halves.size() == 2, "a phrase not of two halves");
        phrases.push_back(halves);
    }
    need(phrases.size() == 3, "not three phrases");
    need(all.contains("в каждой одна половина верна, а другая нет"), "another rule");
    const QStringList order = capture(all, R"(первые буквы городов (\S+), (\S+) и (\S+) \()");
    std::vector<int> town = {0, 1, 2}; // town[person]
    QStringList solutions;
    do {
        const bool fits = std::all_of(phrases.begin(), phrases.end(), [&](const auto& p) {
            return (town[size_t(p[0].first)] == p[0].second) +
                       (town[size_t(p[1].first)] == p[1].second) ==
                   1;
        });
        if (!fits)
            continue;
        QString s;
        for (const QString& o : order)
            for (qsizetype n = 0; n < names.size(); ++n)
                if (names[n].left(3) == o.left(3))
                    s += towns[town[size_t(n)]].front();
        need(s.size() == 3, "the order names someone unknown");
        solutions << s;
    } while (std::next_permutation(town.begin(), town.end()));
    need(solutions.size() == 1, "not exactly one solution: " + solutions.join(' '));
    return solutions.front().toUpper();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList time = capture(w, R"((\d+) минуты? (\d+) секунд)");
    const double seconds = double(number(time[0]) * 60 + number(time[1]));
    const double rate = double(number(capture(w, R"(скоростью (\d+) Кбит/с)")[0]));
    need(w.contains(QString("(1 Кбит = %1 бита)").arg(ck::bitsIn(ck::Unit::Kbit))),
         "the wording counts a Kbit otherwise");
    const qint64 per = number(capture(w, R"(закодирован (\d+) битами)")[0]);
    const double total = ck::transferSize(rate, ck::Unit::Kbit, seconds, ck::Unit::Bit);
    const double characters = total / double(per);
    need(characters == std::floor(characters), "not a whole number of characters");
    return QString::number(qint64(characters));
}

// B6: string n is string n − 1 followed twice by string n − 2.
QString chain(const QString& first, const QString& second, int n) {
    QString before = first, last = second;
    if (n == 1)
        return first;
    for (int i = 3; i <= n; ++i) {
        const QString next = last + before + before;
        before = last;
        last = next;
    }
    return last;
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString all = oneLine(text);
    const QStringList firsts =
        capture(all, R"(Первая цепочка состоит из одной цифры (\d), вторая — из одной цифры (\d))");
    need(all.contains("сначала записывается предыдущая цепочка, а за ней два раза подряд — "
                      "цепочка, стоящая перед предыдущей"),
         "another rule");
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        need(chain(firsts[0], firsts[1], numeral(m.captured(1))) == m.captured(2),
             "the rule does not give the string shown as " + m.captured(1));
        ++shown;
    }
    need(shown >= 4, "too few strings shown");
    const int n = numeral(capture(text, R"(цифр в (\w+) цепочке)")[0]);
    // The length by its recurrence, and by the string itself.
    std::vector<qint64> length = {0, 1, 1};
    for (int i = 3; i <= n; ++i)
        length.push_back(length[size_t(i - 1)] + 2 * length[size_t(i - 2)]);
    need(chain(firsts[0], firsts[1], n).size() == length[size_t(n)], "lengths disagree");
    return QString::number(length[size_t(n)]);
}

QString solveB7(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(
        w, R"(в файле ([\w.]+) на сервере ([\w.]+), получить файл можно по протоколу (\w+)\.)");
    const QString address = m[2] + "://" + m[1] + "/" + m[0];
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

bool leap(qint64 n) {
    return (n % 4 == 0 && n % 100 != 0) || n % 400 == 0;
}

// The lines of each listing that make its check of evenness: the check
// (the first line that reads so), and its "else" branch (the last lines
// that read so).
struct CheckLines {
    QString check;
    QStringList last;
};
const std::vector<CheckLines> evennessLines = {
    {"if n mod 2 = 0 then", {"else", "writeln('нет')"}},
    {"IF n MOD 2 = 0 THEN", {"ELSE", "PRINT \"нет\"", "END IF"}},
};

} // namespace

class TestT2008_2 : public PaperTest {
    Q_OBJECT
public:
    TestT2008_2()
        : PaperTest(part1Solvers, part2Solvers) {}

private:
    zut::Paper* paper() const override { return t2008_2; }

private slots:
    void a7HasNoCommentRow();
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
};

// This paper's А7 table holds only the fragment: no line of any column is
// a comment of its language.
void TestT2008_2::a7HasNoCommentRow() {
    try {
        const std::vector<QString> columns = tableColumns(element(task("А7"), Kind::Table));
        const QStringList comments = {"'", "REM", "{", "(*", "//", "|"};
        for (const QString& column : columns)
            for (const QString& line : column.split('\n'))
                for (const QString& c : comments)
                    QVERIFY2(!line.trimmed().startsWith(c), qPrintable(line));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Over the years 1 … 2500 each listing answers rightly except for the
// years divisible by 400, and for every one of those it says «нет».
void TestT2008_2::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int wrong = 0;
    try {
        for (qint64 n = 1; n <= 2500; ++n) {
            const QString out = printed(language, source, n);
            if (n % 400 == 0) {
                QCOMPARE(out, QString("нет"));
                ++wrong;
            } else {
                QVERIFY2(out == (leap(n) ? "да" : "нет"),
                         qPrintable(QString("%1: %2").arg(n).arg(out)));
            }
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QCOMPARE(wrong, 6);
}

// Taking out the check of evenness with its «else» branch changes nothing
// the listing prints.
void TestT2008_2::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutLines(source, {evennessLines[size_t(listing)].check},
                                             evennessLines[size_t(listing)].last);

        QCOMPARE(shorter.count('\n'),
                 source.count('\n') - 1 - evennessLines[size_t(listing)].last.size());
        for (qint64 n = 1; n <= 2500; ++n)
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
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

// С3: the game on two heaps played out from its wording; the worked
// solution names the winner, and every reply it names leaves the opponent
// a lost position or wins at once.
void TestT2008_2::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const QStringList heaps = capture(w, R"(в первой (\d+) камн\w*, во второй (\d+))");
        need(w.contains("добавить один камень в одну из кучек"), "another first move");
        need(w.contains("увеличить вдвое число камней в одной из кучек"), "another second move");
        const qint64 goal = number(capture(w, R"(вместе окажется не меньше (\d+) камней)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
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
        const qint64 a = number(heaps[0]), b = number(heaps[1]);
        const QString winner = wins(a, b) ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        // The positions "(x, y)" of the solution after "отвечает позицией"
        // are lost for the one to move.
        for (const auto& m : rx(R"(позицией \((\d+), (\d+)\))").globalMatch(t.solution))
            QVERIFY2(!wins(number(m.captured(1)), number(m.captured(2))), qPrintable(m.captured()));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("first");
    QTest::newRow("B7") << "B7" << int('a');
    QTest::newRow("B8") << "B8" << 0x0410; // Cyrillic А
}

// The labels B7 and B8 ask for run from their first letter on in the
// key's alphabet (B8's first written with its Latin look-alike), and every
// letter of the key is among them.
void TestT2008_2::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    QFETCH(int, first);
    const zut::TaskContent& t = task(id);
    QStringList labels = answerLabels(t);
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.join(""), lettersFrom(QChar(char16_t(first)), labels.size()));
    const auto& accepted = t2008_2->key().part2[size_t(zut::taskNumber(id) - 1)];
    for (const char16_t* s : accepted)
        if (s)
            for (QChar c : QString::fromUtf16(s))
                QVERIFY2(labels.contains(QString(c).toLower()) ||
                             labels.contains(QString(c).toUpper()),
                         qPrintable(QString::fromUtf16(s)));
}

ZUT_TEST_MAIN(TestT2008_2)
#include "tst_t2008_2.moc"
