// The content of the 2008 paper, variant 4: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault, the
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
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_4.yaml");
    return c;
}

namespace {

// ---- Part 1 --------------------------------------------------------------

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString phrase = capture(w, "«([^»]+)»")[0];
    const qint64 per = number(capture(w, R"(кодируется (\d+) битами)")[0]);
    return equalTo(double(ck::textBits(phrase, per)), bits);
}

Verdict solveA2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList kinds = capture(w, R"(подаёт (\w+) и (\w+) вспышки)");
    need(kinds[0] != kinds[1], "the two kinds of flash are one");
    const QStringList range = capture(w, R"(не менее чем из (\w+) и не более чем из (\w+) вспыш)");
    qint64 count = 0;
    for (int length = numeral(range[0]); length <= numeral(range[1]); ++length)
        count += ck::codeCount(kinds.size(), length);
    return equalTo(double(count), asNumber);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString amount = capture(w, R"(равен (\d+,\d+) Мбайта)")[0];
    need(w.contains("Сколько это килобит?"), "the volume is asked in another unit");
    const double kbits =
        ck::convert(QString(amount).replace(',', '.').toDouble(), ck::Unit::Mbyte, ck::Unit::Kbit);
    return equalTo(kbits, asNumber);
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\w+)_(\d+) в (\w+) системе)");
    const qint64 value = ck::fromBase(m[0], int(number(m[1])));
    return writtenIn(value, numeral(m[2]));
}

Verdict solveA5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(сумму чисел (\w+_\d+) и (\w+_\d+))");
    const int base = numeral(capture(w, R"(результат в (\w+) системе)")[0]);
    return writtenIn(ck::evaluateBased(m[0] + " + " + m[1]), base);
}

Verdict solveA7(const zut::TaskContent& t) {
    const QString name = capture(wording(t), R"(значение переменной (\w+))")[0];
    const ck::Comparison c = runThree(t);
    const qint64 value = c.results.front().integer(name);
    // What each fragment prints is that value too.
    for (const ck::RunResult& r : c.results) {
        need(r.printed.size() == 1, "a fragment prints not one value");
        need(r.printed.front().number() == double(value), "a fragment prints another value");
    }
    return equalTo(double(value), asNumber);
}

// А9: a statement about words, each part "(<position> буква <kind>)".
Verdict solveA9(const zut::TaskContent& t) {
    const QString w = wording(t);
    const bool wantTrue = w.contains("истинно высказывание");
    need(wantTrue || w.contains("ложно высказывание"), "neither true nor false is asked for");
    QString formula = formulaAfter(w, "высказывание");
    static const QRegularExpression part = rx(R"(\((\w+) буква (\w+)\))");
    std::map<QString, ck::WordProperty> properties;
    int n = 0;
    for (const auto& m : part.globalMatch(formula)) {
        const QString position = m.captured(1), kind = m.captured(2);
        need(kind == "гласная" || kind == "согласная", "a letter of no known kind: " + kind);
        static const std::map<QString, int> positions = {
            {"первая", 0}, {"вторая", 1}, {"третья", 2}, {"последняя", -1}};
        need(positions.contains(position), "a letter at no known place: " + position);
        const int at = positions.at(position);
        const bool vowel = kind == "гласная";
        const QString name = QString("P%1").arg(++n);
        properties[name] = [at, vowel](const QString& word) {
            const QChar c = at < 0 ? word.back() : word.at(at);
            return vowel ? ck::isVowel(c) : ck::isConsonant(c);
        };
        formula.replace(m.captured(0), name);
    }
    need(n == 2, "not two parts in the statement");
    const auto f = ck::Formula::parse(formula);
    return [f, properties, wantTrue](int, const QString& o) {
        return ck::wordsWhere(f, {o}, properties, wantTrue) == QStringList{o};
    };
}

Verdict solveA12(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList ends = capture(w, R"(кратчайшего пути из (\w) в (\w) равна (\d+) км)");
    const qint64 wanted = number(ends[2]);
    return routeOfLength(t, ends[0], ends[1], wanted);
}

Verdict solveA13(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(Буквам (.+) сопоставлены коды (.+) соответственно)");
    const QStringList letters = listed(m[0]), codes = listed(m[1]);
    need(letters.size() == 4 && codes.size() == 4, "not four letter codes");
    std::map<QChar, QString> table;
    for (qsizetype i = 0; i < 4; ++i)
        table[letters[i][0]] = codes[i];
    const QString word = capture(w, R"(Слово ([А-ЯЁ]+))")[0];
    const int base = numeral(capture(w, R"(в (\w+) системе)")[0]);
    const QString digits = ck::convertDigits(ck::encode(word, table), 2, base);
    return [digits, base](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == digits && b == base;
    };
}

// А14's rules, their numbers read from the wording.
Verdict solveA14(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString letters =
        capture(w, R"(На первом месте стоит одна из букв ([А-ЯЁ](?:, [А-ЯЁ])+)\.)")[0].remove(", ");
    need(w.contains("На третьем месте — одна из тех же букв") &&
             w.contains("стоящая в алфавите дальше первой буквы"),
         "the third place's rule is not the one the test knows");
    const int above = int(number(capture(w, R"(На втором месте — цифра, большая (\d)\.)")[0]));
    const int less = int(number(capture(
        w, R"(На четвёртом месте — цифра, меньшая цифры на втором месте ровно на (\d)\.)")[0]));
    need(w.contains("Цепочка из четырёх символов"), "the chain is not of four");
    return [letters, above, less](int, const QString& o) {
        if (o.size() != 4 || !o[1].isDigit() || !o[3].isDigit())
            return false;
        const int second = o[1].digitValue(), fourth = o[3].digitValue();
        return letters.contains(o[0]) && second > above && letters.contains(o[2]) && o[2] > o[0] &&
               fourth == second - less;
    };
}

Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    QStringList path = capture(w, R"(с каталогом (\S+)\. Сначала)")[0].split('\\');
    const int up = numeral(capture(w, R"(поднялся на (\w+) уровн)")[0]);
    need(up < path.size(), "the climb goes above the disk");
    path.resize(path.size() - up);
    for (const auto& m : rx("каталог «([^»]+)»").globalMatch(w))
        path << m.captured(1);
    const QString result = path.join('\\');
    return [result](int, const QString& o) { return o == result; };
}

Verdict solveA16(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    const QString first = capture(w, R"(по возрастанию значения поля «([^»]+)»)")[0];
    const QString second = capture(w, R"(по убыванию значения поля «([^»]+)»)")[0];
    const int place = numeral(capture(w, R"(на (\w+) месте)")[0]);
    const qsizetype a = head.indexOf(first), b = head.indexOf(second), name = head.indexOf("Поезд");
    need(a >= 0 && b >= 0 && name >= 0, "a field the wording names is not in the table");
    std::vector<QStringList> rows;
    for (const QVariant& r : list(table["rows"]))
        rows.push_back(r.toStringList());
    std::sort(rows.begin(), rows.end(), [&](const QStringList& x, const QStringList& y) {
        if (number(x[a]) != number(y[a]))
            return number(x[a]) < number(y[a]);
        return number(x[b]) > number(y[b]);
    });
    // No tie left that the order does not decide.
    for (size_t i = 1; i < rows.size(); ++i)
        need(rows[i][a] != rows[i - 1][a] || rows[i][b] != rows[i - 1][b], "a tie in the order");
    need(size_t(place) <= rows.size(), "fewer records than the place");
    const QString train = rows[size_t(place - 1)][name];
    return [train](int, const QString& o) { return o == train; };
}

Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 before = number(capture(w, R"(палитрой из (\d+) цветов)")[0]);
    const qint64 after = number(capture(w, R"(палитру до (\d+) цветов)")[0]);
    need(w.contains("размер рисунка в пикселях не изменился"), "the size may change");
    const double ratio =
        double(ck::rasterBits(64, 64, before)) / double(ck::rasterBits(64, 64, after));
    return equalTo(ratio, asNumber);
}

Verdict solveA18(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(В ячейке ([A-Z]+\d+) электронной таблицы записана формула (=\S+)\. Её скопировали в ячейку ([A-Z]+\d+)\.)");
    const QString copied = ck::copyFormula(m[1], m[0], m[2]);
    return [copied](int, const QString& o) { return o == copied; };
}

// The cells of a range within one column ("C2:C4"), top to bottom.
QStringList columnRange(const QString& range) {
    const QStringList m = capture(range, R"(^([A-Z])(\d+):([A-Z])(\d+)$)");
    need(m[0] == m[2], "the range is not a column");
    QStringList cells;
    for (qint64 r = number(m[1]); r <= number(m[3]); ++r)
        cells << m[0] + QString::number(r);
    return cells;
}

Verdict solveA19(const zut::TaskContent& t) {
    const auto cells = sheet(picture(t, 0));
    const auto values = ck::evaluateSheet(cells);
    struct Chart {
        QString kind;
        std::vector<double> values;
        QStringList labels;
    };
    std::vector<Chart> charts;
    for (int n = 1; n <= 2; ++n) {
        const QVariantMap c = picture(t, n).draw.toMap()["chart"].toMap();
        Chart chart{c["kind"].toString(), {}, c["labels"].toStringList()};
        for (const QVariant& v : list(c["values"]))
            chart.values.push_back(v.toDouble());
        charts.push_back(chart);
    }
    need(charts[0].kind == "bar" && charts[1].kind == "pie", "not a bar and a pie chart");
    return [cells, values, charts](int, const QString& o) {
        const QStringList range = columnRange(o);
        std::vector<double> wanted;
        QStringList classes;
        for (const QString& c : range) {
            if (!values.contains(c))
                return false;
            wanted.push_back(values.at(c));
            // The label of a value is the class in column A of its row.
            classes << cells.at("A" + c.mid(1));
        }
        const double total = std::accumulate(wanted.begin(), wanted.end(), 0.0);
        for (const Chart& chart : charts) {
            if (chart.labels != classes || chart.values.size() != wanted.size())
                return false;
            const double sum = std::accumulate(chart.values.begin(), chart.values.end(), 0.0);
            for (size_t i = 0; i < wanted.size(); ++i) {
                // A bar chart shows the values, a pie chart their shares.
                const bool same = chart.kind == "bar"
                                      ? chart.values[i] == wanted[i]
                                      : std::abs(chart.values[i] / sum - wanted[i] / total) < 1e-9;
                if (!same)
                    return false;
            }
        }
        return true;
    };
}

// Муравей on its field of letters: the cells by (column, row) from 1.
struct LetterField {
    std::map<std::pair<int, int>, QString> cells;
};

LetterField letterField(const Element& picture) {
    const QVariantMap table = picture.draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    LetterField f;
    const QVariantList rows = list(table["rows"]);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].toStringList();
        need(cells[0] == QString::number(r + 1), "the rows are not numbered from 1 down");
        for (qsizetype c = 1; c < cells.size(); ++c) {
            need(head[c] == QString::number(c), "the columns are not numbered from 1");
            need(cells[c].size() == 1, "a cell holds not one letter");
            f.cells[{int(c), int(r + 1)}] = cells[c];
        }
    }
    return f;
}

// Runs Муравей's program (the lines after "программу:" up to the question)
// and returns what it writes; empty where it leaves the field.
QString runAnt(const LetterField& f, const QString& text) {
    const QStringList start =
        capture(QString(text).replace('\n', ' '), R"(на пересечении столбца (\d+) и строки (\d+))");
    int c = int(number(start[0])), r = int(number(start[1]));
    const QStringList lines = text.split('\n');
    qsizetype from = 0;
    for (qsizetype i = 0; i < lines.size() && from == 0; ++i)
        if (lines[i].endsWith("программу:"))
            from = i + 1;
    need(from > 0, "no program");
    static const std::map<QString, std::pair<int, int>> moves = {
        {"вверх", {0, -1}}, {"вниз", {0, 1}}, {"влево", {-1, 0}}, {"вправо", {1, 0}}};
    static const QRegularExpression move = rx(R"(^(\w+) (\d+)$)");
    QString written;
    int commands = 0;
    for (qsizetype i = from; i < lines.size() && !lines[i].endsWith('?'); ++i)
        for (const QString& command : lines[i].split(", ")) {
            ++commands;
            if (command == "запиши") {
                written += f.cells.at({c, r});
                continue;
            }
            const auto m = move.match(command);
            need(m.hasMatch() && moves.contains(m.captured(1)),
                 "a command Муравей lacks: " + command);
            const auto [dc, dr] = moves.at(m.captured(1));
            c += dc * int(number(m.captured(2)));
            r += dr * int(number(m.captured(2)));
            if (!f.cells.contains({c, r}))
                return {};
        }
    need(commands > 0, "an empty program");
    return written;
}

Verdict solveA20(const zut::TaskContent& t) {
    const QString written = runAnt(letterField(picture(t)), fieldText(t, "Memo1"));
    need(!written.isEmpty(), "Муравей leaves the field");
    return [written](int, const QString& o) { return o == written; };
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
    const QStringList m = capture(wording(t), R"(числа (\d+) имеет вид (\w+)\.)");
    const std::vector<qint64> bases = ck::basesWithPattern(number(m[0]), m[1]);
    need(bases.size() == 1, "not exactly one base");
    return QString::number(bases.front());
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList order = capture(w, R"(переменных (.+?), при которых)")[0].split(", ");
    const bool value = !w.contains("ложно логическое выражение");
    need(!value || w.contains("истинно логическое выражение"), "no truth value asked for");
    const auto f = ck::Formula::parse(capture(w, R"(логическое выражение (.+?)\. Ответ)")[0]);
    const QStringList sets = ck::assignmentsWhere(f, order, value);
    need(sets.size() == 1, "not exactly one set of values: " + sets.join(' '));
    need(w.contains(order.join(", ").replace(", " + order.last(), " и " + order.last()) +
                    ", именно в этом порядке"),
         "the answer's order is not the one named");
    return sets.front();
}

// B4: every cell of the plan tried against the guesses, each of which
// must be right in exactly one half.
QString solveB4(const zut::TaskContent& t) {
    const QString all = oneLine(fieldText(t, "Memo8"));
    const QStringList rows = listed(capture(all, R"(ряды обозначены буквами (.+?), места)")[0]);
    const QStringList span = capture(all, R"(цифрами от (\d) до (\d)\.)");
    need(all.contains("каждый угадал ровно одно"), "the guesses are not half right");
    std::vector<std::pair<QString, int>> guesses;
    for (const auto& m : rx(R"(«Приз в ряду (\w), на месте (\d)»)").globalMatch(all)) {
        need(rows.contains(m.captured(1)), "a guess names no row of the plan");
        guesses.push_back({m.captured(1), int(number(m.captured(2)))});
    }
    need(guesses.size() == 3, "not three guesses");
    QStringList found;
    for (const QString& row : rows)
        for (int place = int(number(span[0])); place <= int(number(span[1])); ++place)
            if (std::all_of(guesses.begin(), guesses.end(),
                            [&](const auto& g) { return (g.first == row) != (g.second == place); }))
                found << row + QString::number(place);
    need(found.size() == 1, "not exactly one cell: " + found.join(' '));
    return found.front();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 rate = number(capture(w, R"(скоростью ([\d ]+) бит/с)")[0]);
    const qint64 seconds = number(capture(w, R"(в течение (\d+) секунд)")[0]);
    const QStringList page = capture(w, R"((\d+) строк по (\d+) символов)");
    const qint64 perCharacter = number(capture(w, R"(кодируется (\d+) битами)")[0]);
    need(w.contains("Сколько страниц"), "not the pages asked for");
    const double sent =
        ck::transferSize(double(rate), ck::Unit::Bit, double(seconds), ck::Unit::Bit);
    const double pageBits = double(ck::textBits(number(page[0]) * number(page[1]), perCharacter));
    const double pages = sent / pageBits;
    need(pages == std::floor(pages), "the pages are not whole");
    return QString::number(qint64(pages));
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString rule = "{s}{n}{s}"; // the one before, the new number, the one before
    QString first;
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\w+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        const int n = numeral(m.captured(1));
        if (n == 1)
            first = m.captured(2);
        need(!first.isEmpty() && ck::buildString(first, rule, n) == m.captured(2),
             "the rule does not give the shown strings");
        ++shown;
    }
    need(shown >= 3, "too few strings shown");
    const QStringList m = capture(text, R"(буква (\w) встречается в (\w+) строке)");
    return QString::number(ck::builtCount(first, rule, numeral(m[1]), m[0][0]));
}

QString solveB7(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t), R"(С сервера ([\w.]+) по протоколу (\w+) можно получить файл ([\w.]+)\.)");
    const QString address = m[1] + "://" + m[0] + "/" + m[2];
    return spellingLetters(t, address);
}

QString solveB8(const zut::TaskContent& t) {
    return queryOrder(t);
}

const Part2Solvers part2Solvers = {
    {"B1", solveB1}, {"B2", solveB2}, {"B3", commandProgram}, {"B4", solveB4},
    {"B5", solveB5}, {"B6", solveB6}, {"B7", solveB7},        {"B8", solveB8},
};

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// The segment of С1's wording, "[2; 9]".
std::pair<qint64, qint64> segment() {
    const QStringList m = capture(wording(task("С1")), R"(отрезку \[(−?\d+); (−?\d+)\])");
    return {number(m[0]), number(m[1])};
}

// The lines of each listing that make its check of x > 0: the check and,
// in Basic, the END IF that closes it (the last one).
QString withoutCheck(const QString& listing, int which) {
    return which == 0 ? withoutLines(listing, {"if x > 0 then"})
                      : withoutLines(listing, {"IF x > 0 THEN"}, {"END IF"});
}

} // namespace

class TestT2008_4 : public PaperTest {
    Q_OBJECT
public:
    TestT2008_4()
        : PaperTest(part1Solvers, part2Solvers) {}

private:
    zut::Paper* paper() const override { return t2008_4; }

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

void TestT2008_4::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// For every x around the segment each listing either answers rightly or
// prints nothing; it prints nothing for some x outside the segment, and
// never for one inside.
void TestT2008_4::listingsShareTheirFault() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0;
    try {
        const auto [low, high] = segment();
        for (qint64 x = low - 6; x <= high + 6; ++x) {
            const bool inside = x >= low && x <= high;
            const QString out = printed(language, source, x);
            if (out.isEmpty() && !inside)
                ++silent;
            else
                QVERIFY2(out == (inside ? "да" : "нет"),
                         qPrintable(QString("%1: %2").arg(x).arg(out)));
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
}

// Taking out the check of x > 0 changes nothing the listing prints.
void TestT2008_4::superfluousCheck() {
    QFETCH(int, listing);
    const QString source = ::listing(listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutCheck(source, listing);
        QVERIFY(shorter.count('\n') < source.count('\n'));
        for (qint64 x = -10; x <= 20; ++x)
            QCOMPARE(printed(language, shorter, x), printed(language, source, x));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The x the worked solution gives lies outside the segment, and both
// listings print nothing for it.
void TestT2008_4::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const qint64 x = number(capture(t.solution, R"(x = (−?\d+))")[0]);
        const auto [low, high] = segment();
        QVERIFY(x < low || x > high);
        for (size_t i = 0; i < 2; ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), x), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner.
void TestT2008_4::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = numeral(capture(w, R"(добавить в кучу (\w+) камень)")[0]);
        need(w.contains("утроить число камней"), "the second move is not tripling");
        const qint64 goal = number(capture(w, R"((\d+) камней или больше)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
        const std::vector<bool> wins = moverWins(goal, [add](qint64 n) {
            return std::vector<qint64>{n + add, n * 3};
        });
        const QString winner = wins[size_t(start)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_4::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Latin small letters from a on,
// every letter of the key among them.
void TestT2008_4::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    const QStringList labels = answerLabels(t);
    QCOMPARE(labels.join(""), lettersFrom(u'a', labels.size()));
    const QString key =
        QString::fromUtf16(t2008_4->key().part2[size_t(zut::taskNumber(id) - 1)][0]);
    QCOMPARE(key.size(), labels.size());
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

ZUT_TEST_MAIN(TestT2008_4)
#include "tst_t2008_4.moc"
