// The content of the 2008 paper, variant 5: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault over a
// range of inputs, the game of С3 played out against every defence; the
// paper marked through its window with the answers found.
#include "testmain.h"

#include "papertest.h"

#include "papercheck.h"

#include "check/codes.h"
#include "check/flowchart.h"
#include "check/logic.h"
#include "check/queries.h"
#include "check/spreadsheet.h"
#include "check/strings.h"
#include "check/volume.h"
#include "shell/controls.h"

#include <QFontMetrics>
#include <QImage>
#include <QScrollArea>

#include <numeric>
#include <set>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_5.yaml");
    return c;
}

namespace {

// ---- Part 1 --------------------------------------------------------------

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString message = capture(w, "«([^»]+)»")[0];
    const qint64 per = numberIn(w, R"(каждый символ занимает (\d+) бит)");
    need(w.contains("Кавычки в сообщение не входят"), "the quotes may count");
    return equalTo(double(ck::textBits(message, per)), bits);
}

// The fields the rook may stand on, all alike: the message names one.
Verdict solveA2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList board =
        capture(w, R"(состоит из (\d+) полей: (\d+) горизонталей по (\d+) полей)");
    need(number(board[1]) * number(board[2]) == number(board[0]), "the board does not add up");
    const int rows = numeral(capture(w, R"(стоит на одной из (\w+) крайних горизонталей)")[0]);
    need(w.contains("(в битах)"), "the information is not asked in bits");
    return equalTo(ck::informationBits(rows * number(board[2])), asNumber);
}

// The measurements: whole degrees from the least to the greatest, both
// included, each coded with the least number of bits.
Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList range = capture(w, R"(целое число градусов от (−?\d+) до \+?(\d+)\.)");
    const qint64 values = number(range[1]) - number(range[0]) + 1;
    const qint64 count = numberIn(w, R"(результатов (\d+) измерений)");
    need(w.contains("наименьшим возможным количеством бит"), "the code is not the shortest");
    return equalTo(double(ck::messageBits(count, values)), bits);
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\w+)_(\d+) в (\w+) системе)");
    return writtenIn(ck::fromBase(m[0], int(number(m[1]))), numeral(m[2]));
}

// The options are digits without a base: the wording names the base.
Verdict solveA5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(сумма чисел (\w+_\d+) и (\w+_\d+)\?)");
    const int base = numeral(capture(w, R"(Ответ дан в (\w+) системе)")[0]);
    const QString digits = ck::toBase(ck::evaluateBased(m[0] + " + " + m[1]), base);
    return [digits](int, const QString& o) { return o == digits; };
}

// An option that gives variables their values: "a = 30, b = 7".
std::map<QString, qint64> assignments(const QString& option) {
    std::map<QString, qint64> values;
    for (const QString& part : option.split(", ")) {
        const QStringList m = capture(part, R"(^(\w+) = (−?\d+)$)");
        values[m[0]] = number(m[1]);
    }
    return values;
}

Verdict solveA7(const zut::TaskContent& t) {
    const QStringList names = capture(wording(t), R"(значения переменных (\w+) и (\w+))");
    const ck::Comparison c = runThree(t);
    std::map<QString, qint64> found;
    for (const QString& n : names)
        found[n] = c.results.front().integer(n);
    return [found](int, const QString& o) { return assignments(o) == found; };
}

Verdict solveA9(const zut::TaskContent& t) {
    const auto f = ck::Formula::parse(
        capture(wording(t), R"(значений X высказывание (.+) истинно\?$)")[0], {"X"});
    return [f](int, const QString& o) { return ck::evaluateAt(f, number(o)); };
}

// A graph scheme's roads in the list form the route solver reads.
ck::RoadMap schemeRoads(const Element& picture) {
    QStringList roads;
    for (const QVariant& e : list(picture.draw.toMap()["graph"].toMap()["edges"])) {
        const QStringList s = e.toStringList();
        need(s.size() == 3, "a road of a scheme without its length");
        roads << QString("%1-%2 %3").arg(s[0], s[1], s[2]);
    }
    return ck::roadsFromList(roads.join(", "));
}

// А12: the table, then the four schemes, each after its number "k)".
Verdict solveA12(const zut::TaskContent& t) {
    const ck::RoadMap table = roadTable(drawn(t, 0)["table"].toMap());
    std::vector<bool> same;
    int n = 0;
    for (const Element& e : t.elements)
        if (e.kind == Kind::Row)
            for (size_t i = 0; i + 1 < e.children.size(); ++i)
                if (e.children[i].kind == Kind::Text && e.children[i + 1].kind == Kind::Picture) {
                    need(e.children[i].text == QString("%1)").arg(++n),
                         "the schemes are not numbered in order");
                    same.push_back(ck::sameRoads(table, schemeRoads(e.children[i + 1])));
                }
    need(same.size() == 4, "not four schemes");
    return [same](int k, const QString& o) { return numeral(o) == k && same[size_t(k - 1)]; };
}

// А13: the code table of the picture, the message of the wording, read back.
Verdict solveA13(const zut::TaskContent& t) {
    const QVariantMap table = drawn(t)["table"].toMap();
    const QStringList letters = table["head"].toStringList();
    const QStringList codes = list(table["rows"]).value(0).toStringList();
    need(letters.value(0) == "Буква" && codes.value(0) == "Код" && codes.size() == letters.size(),
         "the code table is not letters over codes");
    std::map<QChar, QString> code;
    for (qsizetype i = 1; i < letters.size(); ++i) {
        need(letters[i].size() == 1, "a letter of the table is not one letter");
        code[letters[i][0]] = codes[i];
    }
    need(ck::isPrefixCode(code), "the code can be read in more than one way");
    const QString message = capture(wording(t), R"(Получено сообщение ([01]+)\.)")[0];
    const QStringList words = ck::decodings(message, code);
    need(words.size() == 1, "the message reads as " + words.join(", "));
    const QString word = words.front();
    return [word](int, const QString& o) { return o == word; };
}

// А14's four rules; the kinds of bead are read from the wording.
Verdict solveA14(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList kinds = capture(
        w, R"(обозначенных буквами (.+) \(согласные\) и (.+) \(гласные\), по таким правилам)");
    const QString consonants = listed(kinds[0]).join(""), vowels = listed(kinds[1]).join("");
    for (const char* rule :
         {"гласные и согласные бусины в цепочке чередуются", "первой стоит согласная бусина",
          "бусины на первом и третьем местах разные",
          "последняя бусина обозначена буквой, стоящей в алфавите раньше буквы второй бусины"})
        need(w.contains(QString::fromUtf8(rule)), QString("no rule \"%1\"").arg(rule));
    need(w.contains("Цепочки из четырёх бусин"), "the chain is not of four");
    return [consonants, vowels](int, const QString& o) {
        if (o.size() != 4)
            return false;
        for (QChar c : o)
            if (!consonants.contains(c) && !vowels.contains(c))
                return false;
        for (int i = 1; i < 4; ++i)
            if (vowels.contains(o[i]) == vowels.contains(o[i - 1]))
                return false;
        return consonants.contains(o[0]) && o[0] != o[2] && o[3] < o[1];
    };
}

// Whether a file name fits a mask: '?' one character, '*' any run.
bool fitsMask(const QString& name, const QString& mask) {
    QString pattern;
    for (QChar c : mask)
        pattern += c == '?'   ? QString(".")
                   : c == '*' ? QString(".*")
                              : QRegularExpression::escape(QString(c));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(name).hasMatch();
}

Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList files = listed(capture(w, R"(В каталоге лежат файлы (.+)\. В маске)")[0]);
    const QStringList m = capture(w, R"(выделяет из этого каталога ровно (\w+) файла: (.+)\?$)");
    QStringList wanted = listed(m[1]);
    need(wanted.size() == numeral(m[0]), "the files named are not as many as said");
    for (const QString& f : wanted)
        need(files.contains(f), f + " is not in the directory");
    wanted.sort();
    return [files, wanted](int, const QString& mask) {
        QStringList chosen;
        for (const QString& f : files)
            if (fitsMask(f, mask))
                chosen << f;
        chosen.sort();
        return chosen == wanted;
    };
}

// А16: the condition of the wording, И and ИЛИ written as the formula
// solver's operators, over the numeric fields of each record.
Verdict solveA16(const zut::TaskContent& t) {
    const QVariantMap table = drawn(t)["table"].toMap();
    const QStringList head = table["head"].toStringList();
    QString condition = capture(wording(t), R"(удовлетворяют условию (.+)\?$)")[0];
    condition.replace(" ИЛИ ", " \\/ ").replace(" И ", " && ");
    const QStringList numeric = head.mid(1);
    const auto f = ck::Formula::parse(condition, numeric);
    need(f.variables().isEmpty(), "the condition has a part that is no comparison");
    qint64 count = 0;
    for (const QVariant& r : list(table["rows"])) {
        const QStringList cells = r.toStringList();
        std::map<QString, qint64> values;
        for (qsizetype c = 1; c < head.size(); ++c)
            values[head[c]] = number(cells[c]);
        count += f.evaluate({}, values) ? 1 : 0;
    }
    return equalTo(double(count), asNumber);
}

// The largest palette whose picture fits the memory given.
Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList size = capture(w, R"(размером (\d+) × (\d+) пикселей)");
    const double memory = ck::convert(double(numberIn(w, R"(отвели (\d+) Кбайт памяти)")),
                                      ck::Unit::Kbyte, ck::Unit::Bit);
    need(w.contains("наибольшее возможное число цветов"), "not the largest palette asked for");
    qint64 colours = 0;
    for (qint64 c = 2; double(ck::rasterBits(number(size[0]), number(size[1]), c)) <= memory;
         c *= 2)
        colours = c;
    return equalTo(double(colours), asNumber);
}

Verdict solveA18(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(Формулу (=\S+), записанную в ячейке ([A-Z]+\d+) электронной таблицы, скопировали в ячейку ([A-Z]+\d+)\.)");
    const QString copied = ck::copyFormula(m[0], m[1], m[2]);
    need(wording(t).contains("в ячейке " + m[2] + "?"), "the formula is asked of another cell");
    return [copied](int, const QString& o) { return o == copied; };
}

// The cells of a range in one row or one column ("B3:D3", "E2:E4"), each
// with the label it has on a chart: its row's class (column A) or its
// column's heading (row 1).
std::vector<std::pair<QString, QString>> rangeCells(const QString& range,
                                                    const std::map<QString, QString>& cells) {
    const QStringList m = capture(range, R"(^([A-Z])(\d+):([A-Z])(\d+)$)");
    std::vector<std::pair<QString, QString>> out;
    const auto label = [&](const QString& key) {
        need(cells.contains(key), "no label in " + key);
        return cells.at(key);
    };
    if (m[0] == m[2]) {
        for (qint64 r = number(m[1]); r <= number(m[3]); ++r)
            out.push_back({m[0] + QString::number(r), label("A" + QString::number(r))});
    } else {
        need(m[1] == m[3], "the range is neither a row nor a column");
        for (QChar c = m[0][0]; c <= m[2][0]; c = QChar(c.unicode() + 1))
            out.push_back({QString(c) + m[1], label(QString(c) + "1")});
    }
    return out;
}

struct Chart {
    QString kind;
    std::vector<double> values;
    QStringList labels;
};

// Whether a chart shows the range: its labels, and the values (a bar
// chart) or their shares (a pie chart).
bool shows(const Chart& chart, const std::vector<std::pair<QString, QString>>& range,
           const std::map<QString, double>& values) {
    if (chart.values.size() != range.size())
        return false;
    std::vector<double> wanted;
    QStringList labels;
    for (const auto& [cell, label] : range) {
        if (!values.contains(cell))
            return false;
        wanted.push_back(values.at(cell));
        labels << label;
    }
    if (labels != chart.labels)
        return false;
    const double total = std::accumulate(wanted.begin(), wanted.end(), 0.0);
    const double sum = std::accumulate(chart.values.begin(), chart.values.end(), 0.0);
    for (size_t i = 0; i < wanted.size(); ++i)
        if (chart.kind == "bar" ? chart.values[i] != wanted[i]
                                : std::abs(chart.values[i] / sum - wanted[i] / total) > 1e-9)
            return false;
    return true;
}

Verdict solveA19(const zut::TaskContent& t) {
    const auto cells = sheet(picture(t, 0));
    const auto values = ck::evaluateSheet(cells);
    std::map<QString, Chart> charts;
    for (int n = 1; n <= 2; ++n) {
        const QVariantMap c = drawn(t, n)["chart"].toMap();
        Chart chart{c["kind"].toString(), {}, c["labels"].toStringList()};
        for (const QVariant& v : list(c["values"]))
            chart.values.push_back(v.toDouble());
        charts[chart.kind] = chart;
    }
    need(charts.contains("bar") && charts.contains("pie"), "not a bar and a pie chart");
    return [cells, values, charts](int, const QString& o) {
        const QStringList m =
            capture(o, R"(^столбчатая — по диапазону (\S+), круговая — по диапазону (\S+)$)");
        return shows(charts.at("bar"), rangeCells(m[0], cells), values) &&
               shows(charts.at("pie"), rangeCells(m[1], cells), values);
    };
}

// The numbers of А20's field, by row and column from 0.
std::vector<std::vector<int>> numberField(const Element& picture) {
    std::vector<std::vector<int>> field;
    for (const QVariant& r : list(picture.draw.toMap()["table"].toMap()["rows"])) {
        field.emplace_back();
        for (const QString& c : r.toStringList())
            field.back().push_back(int(number(c)));
        need(field.back().size() == field.front().size(), "the field's rows differ in length");
    }
    return field;
}

// The Robot of А20 from the top-left cell to the bottom-right one: right
// where the number to the right is the greater (`greater` as the rule
// compares), down otherwise, along the bottom row or the right column
// where it must. The sum of the cells it passes, the first included.
qint64 robotSum(const std::vector<std::vector<int>>& f,
                const std::function<bool(int, int)>& greater = std::greater<int>()) {
    const size_t rows = f.size(), columns = f.front().size();
    size_t r = 0, c = 0;
    qint64 sum = f[0][0];
    while (r + 1 < rows || c + 1 < columns) {
        if (r + 1 == rows)
            ++c;
        else if (c + 1 == columns)
            ++r;
        else if (greater(f[r][c + 1], f[r + 1][c]))
            ++c;
        else
            ++r;
        sum += f[r][c];
    }
    return sum;
}

// The greatest sum of any path of steps right and down.
qint64 bestSum(const std::vector<std::vector<int>>& f) {
    const size_t rows = f.size(), columns = f.front().size();
    std::vector<std::vector<qint64>> best(rows, std::vector<qint64>(columns, 0));
    for (size_t r = rows; r-- > 0;)
        for (size_t c = columns; c-- > 0;) {
            qint64 next = 0;
            if (r + 1 < rows)
                next = best[r + 1][c];
            if (c + 1 < columns)
                next = std::max(next, best[r][c + 1]);
            best[r][c] = f[r][c] + next;
        }
    return best[0][0];
}

Verdict solveA20(const zut::TaskContent& t) {
    const auto field = numberField(picture(t));
    const QString text = oneLine(fieldText(t, "Memo4")).simplified();
    const QStringList size = capture(text, R"(поля из (\d+) строк и (\d+) столбцов)");
    need(size_t(number(size[0])) == field.size() && size_t(number(size[1])) == field[0].size(),
         "the field is not the size the wording gives");
    for (const char* rule :
         {"в левой верхней клетке", "если Робот в нижней строке, он идёт вправо",
          "иначе если Робот в правом столбце, он идёт вниз",
          "иначе если число в клетке справа больше числа в клетке снизу, Робот идёт вправо, а "
          "иначе — вниз",
          "Сначала сумма S равна числу в клетке, где стоит Робот"})
        need(text.contains(QString::fromUtf8(rule)), QString("no rule \"%1\"").arg(rule));
    return equalTo(double(robotSum(field)), asNumber);
}

const Part1Solvers part1Solvers = {
    {"А1", solveA1},         {"А2", solveA2},
    {"А3", solveA3},         {"А4", solveA4},
    {"А5", solveA5},         {"А6", flowchartValue},
    {"А7", solveA7},         {"А8", arrayElement},
    {"А9", solveA9},         {"А10", equivalentFormula},
    {"А11", fitsTruthTable}, {"А12", solveA12},
    {"А13", solveA13},       {"А14", solveA14},
    {"А15", solveA15},       {"А16", solveA16},
    {"А17", solveA17},       {"А18", solveA18},
    {"А19", solveA19},       {"А20", solveA20},
};

// ---- Part 2 --------------------------------------------------------------

QString solveB1(const zut::TaskContent& t) {
    const QStringList m =
        capture(wording(t), R"(запись десятичного числа (\d+) оканчивается цифрой (\d)\.)");
    need(wording(t).contains("в порядке возрастания") && wording(t).contains("через запятую"),
         "the answer's form is not asked for");
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(number(m[0]), int(number(m[1]))))
        bases << QString::number(b);
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const auto f = ck::Formula::parse(
        capture(wording(t),
                R"(Каково наибольшее целое X, при котором истинно высказывание (.+?)\? Ответ)")[0],
        {"X"});
    const auto greatest = ck::greatestWhere(f, true, -1000, 1000);
    need(greatest.has_value(), "no such X");
    // Bounded: no greater X far out makes it true.
    need(ck::greatestWhere(f, true, -1000, 1'000'000) == greatest, "the statement has no bound");
    return QString::number(*greatest);
}

// B3's commands and task as its field gives them; every program of at
// most the length allowed, shortest first.
QStringList programsB3(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo7");
    QStringList commands;
    for (const auto& m :
         rx(R"(^(\d)\. (.+)$)", QRegularExpression::MultilineOption).globalMatch(text))
        commands << m.captured(1) + ": " + m.captured(2);
    const QStringList parsed = ck::parseCommands(commands.join("; "));
    need(parsed.size() == 2, "not two commands");
    const QString all = oneLine(text);
    const QStringList example =
        capture(all, R"(программа (\d+) преобразует число (\d+) в число (\d+))");
    need(ck::runCommands(parsed, number(example[1]), example[0]) == number(example[2]),
         "the example program is wrong");
    const QStringList task = capture(
        all,
        R"(Запишите программу, которая преобразует число (\d+) в число (\d+) и содержит не более (\w+) команд)");
    return ck::programsFor(parsed, number(task[0]), number(task[1]), numeral(task[2]));
}

QString solveB3(const zut::TaskContent& t) {
    const QStringList programs = programsB3(t);
    need(!programs.isEmpty(), "no program");
    return programs.front();
}

// B4: every way of sending the four to the four schools tried against the
// three statements, each of which must be right in exactly one half.
QString solveB4(const zut::TaskContent& t) {
    const QString all = oneLine(fieldText(t, "Memo8"));
    const QStringList m = capture(all, R"(^(.+?) учатся в разных школах: № (.+?)\. )");
    const QStringList names = listed(m[0]);
    QStringList schools = listed(m[1]);
    need(names.size() == 4 && schools.size() == 4, "not four pupils and four schools");
    struct Half {
        QString name, school;
    };
    std::vector<std::pair<Half, Half>> said;
    for (const auto& s :
         rx(R"(«(\w+) учится в школе (\d+), а (\w+) — в школе (\d+)»)").globalMatch(all)) {
        said.push_back({{s.captured(1), s.captured(2)}, {s.captured(3), s.captured(4)}});
        for (const QString& n : {s.captured(1), s.captured(3)})
            need(names.contains(n), n + " is none of the four");
    }
    need(said.size() == 3, "not three statements");
    need(all.contains("В каждом высказывании одна половина верна, а другая нет"),
         "the statements are not half true");
    // The answer's order: the names as listed, in the genitive.
    const QStringList order = listed(capture(all, R"(номера школ (.+) именно в этом порядке)")[0]);
    need(order.size() == 4, "the answer's order names not four");
    for (qsizetype i = 0; i < 4; ++i)
        need(order[i].startsWith(names[i].chopped(1)), "the answer's order is not the names'");
    QStringList found;
    std::sort(schools.begin(), schools.end());
    do {
        std::map<QString, QString> at;
        for (qsizetype i = 0; i < 4; ++i)
            at[names[i]] = schools[i];
        if (std::all_of(said.begin(), said.end(), [&](const auto& s) {
                return (at[s.first.name] == s.first.school) !=
                       (at[s.second.name] == s.second.school);
            }))
            found << schools.join("");
    } while (std::next_permutation(schools.begin(), schools.end()));
    need(found.size() == 1, "not exactly one way: " + found.join(' '));
    return found.front();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 rate = numberIn(w, R"(со скоростью ([\d ]+) бит/с)");
    const qint64 seconds = numberIn(w, R"(передача заняла (\d+) секунд)");
    need(w.contains("размер файла в килобайтах"), "not the size in kilobytes asked for");
    const double kbytes =
        ck::transferSize(double(rate), ck::Unit::Bit, double(seconds), ck::Unit::Kbyte);
    need(kbytes == std::floor(kbytes), "the size is not whole");
    return QString::number(qint64(kbytes));
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString rule = "{s}{s}{n}"; // the one before twice, then the new number
    QString first;
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        const int n = numeral(m.captured(1));
        if (n == 1)
            first = m.captured(2);
        need(!first.isEmpty() && ck::buildString(first, rule, n) == m.captured(2),
             "the rule does not give the shown strings");
        need(n == ++shown, "the strings shown are not the first ones in order");
    }
    need(shown >= 3, "too few strings shown");
    const QStringList m =
        capture(oneLine(text), R"(Какая цифра стоит на (\d+)-м месте в (\w+) строке\?)");
    return QString(ck::builtCharAt(first, rule, numeral(m[1]), number(m[0])));
}

QString solveB7(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(в файле ([\w.]+) на сервере ([\w.]+); доступ к файлу осуществляется по протоколу (\w+)\.)");
    const QString address = m[2] + "://" + m[1] + "/" + m[0];
    return spellingLetters(t, address);
}

QString solveB8(const zut::TaskContent& t) {
    return queryOrder(t);
}

const Part2Solvers part2Solvers = {
    {"B1", solveB1}, {"B2", solveB2}, {"B3", solveB3}, {"B4", solveB4},
    {"B5", solveB5}, {"B6", solveB6}, {"B7", solveB7}, {"B8", solveB8},
};

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// The greatest decimal digit of n.
qint64 greatestDigit(qint64 n) {
    qint64 m = 0;
    for (; n > 0; n /= 10)
        m = std::max(m, n % 10);
    return m;
}

// Where the listings fail: n of two or more digits whose leading digit is
// greater than every other one — the loop stops before it.
bool leadingDigitAlone(qint64 n) {
    if (n < 10)
        return false;
    qint64 lead = n;
    while (lead >= 10)
        lead /= 10;
    qint64 rest = n, m = 0;
    for (; rest >= 10; rest /= 10)
        m = std::max(m, rest % 10);
    return lead > m;
}

// The line of each listing that the worked solution calls superfluous.
const QString checkLine[] = {"if m < 0 then m := 0;", "IF m < 0 THEN m = 0"};
// The line that ends the loop, and the fix the worked solution quotes for it.
const QString loopEnd[] = {"until n < 10;", "LOOP UNTIL n < 10"};
const QString fixPattern[] = {R"(«(until [^»]+)»)", R"(\((LOOP UNTIL [^)]+)\))"};

constexpr qint64 lastInput = 3000;

} // namespace

class TestT2008_5 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void part1_data() { addTaskRows("А", 20); }
    void part1() {
        QFETCH(QString, id);
        checkPart1(t2008_5, part1Solvers, id);
    }
    void part1OptionsDistinct_data() { addTaskRows("А", 20); }
    void part1OptionsDistinct() {
        QFETCH(QString, id);
        checkOptionsDistinct(id);
    }
    void remainderOnly();
    void mistakesOfA20();
    void part2_data();
    void part2() {
        QFETCH(QString, id);
        checkPart2(t2008_5, part2Solvers, id);
    }
    void twoProgramsOfB3();
    void capitalsFirstInB8();
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
    void noMixedScriptWords() { checkNoMixedScriptWords(); }
    void fieldsShowTheirLines();
    void cutStripsBlank_data();
    void cutStripsBlank();
    void markedThroughTheWindow() {
        checkMarkedThroughTheWindow(t2008_5, part1Solvers, part2Solvers);
    }

private:
    std::unique_ptr<zut::WindowSet> set_;
};

// А7 of this paper takes only remainders: no quotient in any language.
void TestT2008_5::remainderOnly() {
    try {
        const std::vector<QString> columns = tableColumns(element(task("А7"), Kind::Table));
        QCOMPARE(columns.size(), size_t(3));
        for (const QString& c : columns) {
            QVERIFY2(c.contains("mod", Qt::CaseInsensitive), qPrintable(c));
            QVERIFY2(!c.contains("div", Qt::CaseInsensitive) && !c.contains('\\') &&
                         !c.contains('/'),
                     qPrintable(c));
        }
        // The last row of each column says how the remainder is written,
        // as a comment of that language: it must change nothing.
        QVERIFY(columns[0].split('\n').last().startsWith("' MOD"));
        QVERIFY(columns[1].split('\n').last().startsWith("{mod"));
        QVERIFY(columns[2].split('\n').last().startsWith("| mod"));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The wrong options of А20 are the mistakes its worked solution names:
// the best path instead of the Robot's, the first cell left out, the
// smaller number followed.
void TestT2008_5::mistakesOfA20() {
    try {
        const zut::TaskContent& t = task("А20");
        const auto field = numberField(picture(t));
        const QStringList o = options(t);
        QCOMPARE(number(o[0]), bestSum(field));
        QCOMPARE(number(o[1]), robotSum(field) - field[0][0]);
        QCOMPARE(number(o[3]), robotSum(field, std::less<int>()));
        QVERIFY(bestSum(field) > robotSum(field));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_5::part2_data() {
    QTest::addColumn<QString>("id");
    for (const char* id : {"B1", "B2", "B4", "B5", "B6", "B7"})
        QTest::newRow(id) << QString(id);
}

// B3 asks for any program of at most five commands: the key accepts
// exactly the programs there are, the five-command one first.
void TestT2008_5::twoProgramsOfB3() {
    try {
        QStringList programs = programsB3(task("B3"));
        const auto& accepted = t2008_5->key().part2[2];
        QVERIFY(accepted[1]);
        QStringList keyed{QString::fromUtf16(accepted[0]), QString::fromUtf16(accepted[1])};
        QCOMPARE(keyed[0].size(), 5);
        programs.sort();
        keyed.sort();
        QCOMPARE(programs, keyed);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// B8's key compares the capitals first: the order found is the key's,
// once in capitals and once as the labels are written.
void TestT2008_5::capitalsFirstInB8() {
    try {
        const QString order = solveB8(task("B8"));
        const auto& accepted = t2008_5->key().part2[7];
        QVERIFY(accepted[1]);
        QCOMPARE(QString::fromUtf16(accepted[0]), order.toUpper());
        QCOMPARE(QString::fromUtf16(accepted[1]), order);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_5::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// For every n up to a few thousand each listing prints the greatest digit,
// except exactly where the leading digit is greater than all others: then
// it prints the greatest of the others. Such n exist.
void TestT2008_5::listingFault() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        int wrong = 0;
        for (qint64 n = 1; n <= lastInput; ++n) {
            const qint64 out = number(printed(language, source, n));
            qint64 others = 0;
            for (qint64 rest = n; rest >= 10; rest /= 10)
                others = std::max(others, rest % 10);
            const qint64 expected = leadingDigitAlone(n) ? others : greatestDigit(n);
            QVERIFY2(out == expected, qPrintable(QString("%1: %2").arg(n).arg(out)));
            wrong += out != greatestDigit(n) ? 1 : 0;
        }
        QVERIFY(wrong > 0);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Taking out the check of m < 0 changes nothing the listing prints.
void TestT2008_5::superfluousCheck() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        QVERIFY(task("С1").solution.contains(checkLine[listing].chopped(listing == 0 ? 1 : 0)));
        const QString shorter = withoutLines(source, {checkLine[listing]});
        QCOMPARE(shorter.count('\n'), source.count('\n') - 1);
        for (qint64 n = 1; n <= lastInput; n += 7)
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the worked solution quotes, put in place of the loop's end,
// makes each listing right for every n.
void TestT2008_5::fixOfTheSolution() {
    QFETCH(int, listing);
    try {
        const QString with = capture(task("С1").solution, fixPattern[listing])[0];
        const QString fixed = replacedLine(::listing(listing), loopEnd[listing], "  " + with);
        const auto language = listingLanguages[size_t(listing)];
        for (qint64 n = 1; n <= lastInput; ++n)
            QVERIFY2(number(printed(language, fixed, n)) == greatestDigit(n),
                     qPrintable(QString::number(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n of the worked solution is one where both listings fail, and they
// print what the solution says.
void TestT2008_5::faultExampleOfTheSolution() {
    try {
        const QStringList m =
            capture(task("С1").solution, R"(n = (\d+): программа выводит (\d) вместо (\d))");
        const qint64 n = number(m[0]);
        QCOMPARE(number(m[2]), greatestDigit(n));
        for (size_t i = 0; i < 2; ++i)
            QCOMPARE(printed(listingLanguages[i], ::listing(int(i)), n), m[1]);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording. The worked solution names the
// winner, and its strategy — add as many as the other player while the
// heap is below a bound, double from the bound on — wins against every
// sequence of the other player's moves.
void TestT2008_5::gameStrategy() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const QStringList players = capture(w, R"(^(\w+) и (\w+) играют в игру)");
        const QString first = capture(w, R"(первым ходит (\w+)\.)")[0];
        const QString second = players[0] == first ? players[1] : players[0];
        const qint64 start = numberIn(w, R"(Вначале в кучке (\d+) фишек)");
        const qint64 add = numberIn(w, R"(добавляет в кучку (\d+) фишки)");
        need(w.contains("удваивает число фишек"), "the second move is not doubling");
        const qint64 goal = numberIn(w, R"(становится (\d+) фишек или больше)");
        const auto moves = [add](qint64 n) { return std::vector<qint64>{n + add, n * 2}; };
        const std::vector<bool> wins = moverWins(goal, moves);
        const QString winner = wins[size_t(start)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner + "."), qPrintable(t.solution));
        QCOMPARE(winner, second);

        const qint64 bound = numberIn(t.solution, R"(Пока в кучке меньше (\d+) фишек)");
        QVERIFY(t.solution.contains(QString("тоже добавляет %1 фишки").arg(add)));
        // The winner's reply by the solution's rule.
        const auto reply = [&](qint64 n) { return n < bound ? n + add : n * 2; };
        // Every line of play from `n`, the loser to move: the winner wins it.
        std::function<bool(qint64)> holds = [&](qint64 n) {
            for (qint64 next : moves(n)) {
                if (next >= goal)
                    return false; // the loser has won
                const qint64 answer = reply(next);
                if (answer < goal && !holds(answer))
                    return false;
            }
            return true;
        };
        QVERIFY(holds(start));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_5::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Latin small letters from a on,
// every letter of the key among them, and the wording asks for Latin
// letters in either case.
void TestT2008_5::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    try {
        const QStringList labels = answerLabels(t);
        QCOMPARE(labels.join(""), lettersFrom(u'a', labels.size()));
        QCOMPARE(labels.size(), id == "B7" ? 7 : 4);
        QVERIFY(wording(t).contains("латинскими буквами"));
        QVERIFY(wording(t).contains("строчными") && wording(t).contains("прописными"));
        const auto& accepted = t2008_5->key().part2[size_t(zut::taskNumber(id) - 1)];
        for (const char16_t* k : accepted)
            if (k) {
                const QString key = QString::fromUtf16(k);
                QCOMPARE(key.size(), labels.size());
                for (QChar c : key)
                    QVERIFY2(labels.contains(QString(c.toLower())), qPrintable(key));
            }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// No field of the page cuts a line off at its right edge or a line off
// its foot: every field shows every line of its text whole.
void TestT2008_5::fieldsShowTheirLines() {
    const auto fields = t2008_5->page()->widget()->findChildren<zut::TextField*>();
    int checked = 0;
    for (zut::TextField* f : fields) {
        if (!f->isReadOnly())
            continue; // the heading field Memo6
        const QStringList lines = f->toPlainText().split('\n');
        QCOMPARE(lines.size(), f->property("lines").toInt());
        const QFontMetrics fm(f->font());
        // The field's own width, less its frame and the text's margins (the
        // viewport takes its size only once the field is shown).
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
    QCOMPARE(checked, 12);
}

void TestT2008_5::cutStripsBlank_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("rect");
    for (const zut::TaskContent& t : content().tasks)
        for (const Element* e : elements(t, Kind::Picture))
            if (e->format == "jpeg" && !e->fit &&
                (e->stored.width() > e->rect.width() || e->stored.height() > e->rect.height()))
                QTest::newRow(qPrintable(e->picture)) << e->picture << e->rect;
}

// Where a stored picture is larger than its rectangle, the strip the
// rectangle cuts off is white margin: nothing drawn is lost.
void TestT2008_5::cutStripsBlank() {
    QFETCH(QString, picture);
    QFETCH(QSize, rect);
    const QImage image(":/pictures/" + picture);
    QVERIFY(!image.isNull());
    int strip = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x >= rect.width() || y >= rect.height()) {
                ++strip;
                const QColor c = image.pixelColor(x, y);
                QVERIFY2(std::min({c.red(), c.green(), c.blue()}) > 235,
                         qPrintable(QString("(%1, %2)").arg(x).arg(y)));
            }
    QVERIFY(strip > 0);
}

ZUT_TEST_MAIN(TestT2008_5)
#include "tst_t2008_5.moc"
