// The content of the 2008 paper, variant 7: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the fragments of А7 and А8 run in all three
// languages; the listings of С1 run for their fault, their superfluous
// condition and their fix over a range of inputs; the game of С3 played
// out; the paper marked through its window with the answers found.
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

#include <QSet>

#include <algorithm>
#include <numeric>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_7.yaml");
    return c;
}

namespace {

// ---- Part 1 --------------------------------------------------------------

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString phrase = capture(w, "фразы «([^»]+)»")[0];
    const qint64 per = numberIn(w, R"(символ кодируется (\d+) битами)");
    return equalTo(double(ck::textBits(phrase, per)), bits);
}

// One book of all on the shelves: the information of the message.
Verdict solveA2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(стеллаж из (\d+) полок, на каждой полке по (\d+) книг)");
    need(w.contains("какую именно книгу"), "the message is not which book of all");
    const double information = ck::informationBits(number(m[0]) * number(m[1]));
    need(information == std::floor(information), "the information is not a whole number of bits");
    return equalTo(information, asNumber);
}

// A day of measurements, each one of the whole degrees of the range.
Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 every = numberIn(w, R"(каждые (\d+) минут)");
    const QStringList range = capture(w, R"(целое число градусов от (−?\d+) до \+?(\d+)\.)");
    need(w.contains("наименьшим возможным числом бит") && w.contains("за одни сутки"),
         "not the least equal code over one day");
    need(24 * 60 % every == 0, "the measurements do not fill the day");
    const qint64 count = 24 * 60 / every;
    const qint64 values = number(range[1]) - number(range[0]) + 1;
    return equalTo(double(ck::messageBits(count, values)), bits);
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(десятичное число (\d+) в (\w+) системе)");
    return writtenIn(number(m[0]), numeral(m[1]));
}

Verdict solveA5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(сумму чисел (\w+_\d+) и (\w+_\d+)\.)");
    const int base = numeral(capture(w, R"(Результат запишите в (\w+) системе)")[0]);
    return writtenIn(ck::evaluateBased(m[0] + " + " + m[1]), base);
}

// The fragment in three languages, where this paper's notes name only the
// quotient: no remainder may be taken in it.
Verdict solveA7(const zut::TaskContent& t) {
    for (const QString& fragment : tableColumns(element(t, Kind::Table))) {
        need(fragment.contains("частное") && !fragment.contains("остаток"),
             "the note is not on the quotient alone");
        need(!fragment.contains("MOD") && !fragment.contains("mod"), "a remainder in the fragment");
    }
    const ck::RunResult r = runThree(t).results.front();
    const qint64 a = r.integer("a"), b = r.integer("b");
    return [a, b](int, const QString& o) {
        const QStringList m = capture(o, R"(^a = (\d+), b = (\d+)$)");
        return number(m[0]) == a && number(m[1]) == b;
    };
}

Verdict solveA8(const zut::TaskContent& t) {
    const qint64 index = numberIn(wording(t), R"(получит элемент A\[(\d+)\]\?)");
    return equalTo(double(runThree(t).results.front().element("A", index)), asNumber);
}

// А9: a statement about names, each part "(<position> буква <kind>)".
Verdict solveA9(const zut::TaskContent& t) {
    const QString w = wording(t);
    const bool wantTrue = w.contains("истинно высказывание");
    need(wantTrue || w.contains("ложно высказывание"), "neither true nor false is asked for");
    QString formula = formulaAfter(w, "высказывание");
    static const std::map<QString, int> positions = {
        {"первая", 0}, {"вторая", 1}, {"третья", 2}, {"последняя", -1}};
    std::map<QString, ck::WordProperty> properties;
    int n = 0;
    for (const auto& m : rx(R"(\((\w+) буква (\w+)\))").globalMatch(formula)) {
        const QString position = m.captured(1), kind = m.captured(2);
        need(kind == "гласная" || kind == "согласная", "a letter of no known kind: " + kind);
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

// A graph scheme's roads: its nodes are the places, each edge a road of
// the length written on it.
ck::RoadMap graphRoads(const QVariantMap& graph) {
    ck::RoadMap map;
    map.places = graph["nodes"].toMap().keys();
    for (const QVariant& e : list(graph["edges"])) {
        const QStringList edge = e.toStringList();
        need(edge.size() == 3, "a road drawn without its length");
        map.roads.push_back({edge[0], edge[1], number(edge[2])});
    }
    return map;
}

// А12: the road table and the four schemes, each after its caption "k)";
// the option "схема k" is right where scheme k shows the table's roads.
Verdict solveA12(const zut::TaskContent& t) {
    need(wording(t).contains("Какая из схем соответствует таблице?"), "not the scheme asked for");
    const ck::RoadMap table = roadTable(drawn(t, 0)["table"].toMap());
    const auto all = elements(t);
    std::map<int, ck::RoadMap> schemes;
    for (size_t i = 0; i + 1 < all.size(); ++i) {
        const Element* caption = all[i];
        const Element* next = all[i + 1];
        if (caption->kind != Kind::Text || next->kind != Kind::Picture)
            continue;
        const auto m = rx(R"(^(\d)\)$)").match(caption->text);
        if (!m.hasMatch())
            continue;
        need(next->draw.toMap().contains("graph"), "a caption over no scheme");
        schemes[int(number(m.captured(1)))] = graphRoads(next->draw.toMap()["graph"].toMap());
    }
    need(schemes.size() == 4 && schemes.begin()->first == 1, "not four schemes 1) … 4)");
    for (const auto& [k, scheme] : schemes)
        need(QSet<QString>(scheme.places.begin(), scheme.places.end()) ==
                 QSet<QString>(table.places.begin(), table.places.end()),
             QString("scheme %1 shows other places").arg(k));
    return [table, schemes](int k, const QString& o) {
        return o == QString("схема %1").arg(k) && ck::sameRoads(table, schemes.at(k));
    };
}

Verdict solveA13(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString codes = capture(w, R"(двоичными числами: (.+?)\. Слово)")[0];
    std::map<QChar, QString> table;
    for (const auto& m : rx(R"((\w) — ([01]+))").globalMatch(codes))
        table[m.captured(1)[0]] = m.captured(2);
    const QStringList letters = listed(capture(w, R"(буквы (.+?) кодируют)")[0]);
    need(table.size() == size_t(letters.size()), "not every letter has its code");
    for (const QString& l : letters)
        need(table.contains(l[0]), "no code of " + l);
    const QString word = capture(w, R"(Слово ([А-ЯЁ]+) закодировали)")[0];
    const int base = numeral(capture(w, R"(записывается в (\w+) системе)")[0]);
    return basedAs(ck::convertDigits(ck::encode(word, table), 2, base), base);
}

// А14: the password rules as the field states them, the sum read from it.
Verdict solveA14(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo1");
    for (const char* rule : {
             "составляют из латинских букв и цифр",
             "1) в пароле шесть символов: на нечётных местах — буквы, на чётных — цифры;",
             "2) каждая следующая цифра пароля больше предыдущей;",
             "3) каждая следующая буква стоит в латинском алфавите раньше предыдущей;",
         })
        need(text.contains(QString::fromUtf8(rule)), "no rule " + QString::fromUtf8(rule));
    const int sum = int(numberIn(text, R"(4\) сумма цифр пароля равна (\d+)\.)"));
    return [sum](int, const QString& o) {
        if (o.size() != 6)
            return false;
        int total = 0;
        for (int i = 0; i < 6; ++i) {
            const QChar c = o[i];
            if (i % 2 == 0 ? !(c >= 'A' && c <= 'Z') : !c.isDigit())
                return false;
            if (i >= 2 && !(i % 2 == 0 ? c < o[i - 2] : c > o[i - 2]))
                return false;
            if (i % 2 == 1)
                total += c.digitValue();
        }
        return total == sum;
    };
}

// A file-name mask as a pattern: '?' one character, '*' any run of them.
QRegularExpression maskPattern(const QString& mask) {
    QString p;
    for (QChar c : mask)
        p += c == '?'   ? QString(".")
             : c == '*' ? QString(".*")
                        : QRegularExpression::escape(QString(c));
    return QRegularExpression(QRegularExpression::anchoredPattern(p));
}

Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    need(w.contains("знак «?» заменяет ровно один любой символ") &&
             w.contains("знак «*» — любую цепочку символов, в том числе пустую"),
         "the mask's signs mean something else");
    const QRegularExpression mask = maskPattern(capture(w, "подходит под маску «([^»]+)»")[0]);
    return [mask](int, const QString& o) { return mask.match(o).hasMatch(); };
}

// А16: the condition of the wording over the table's numeric fields, its
// ИЛИ and И as the logic solver writes them.
Verdict solveA16(const zut::TaskContent& t) {
    const QVariantMap table = drawn(t)["table"].toMap();
    const QStringList head = table["head"].toStringList();
    QString condition = capture(wording(t), R"(удовлетворяют условию (.+)\?$)")[0];
    condition.replace(" ИЛИ ", " \\/ ").replace(" И ", " && ");
    const QStringList fields = head.mid(1);
    const auto f = ck::Formula::parse(condition, fields);
    for (const QString& used : f.integerVariables())
        need(fields.contains(used), "the condition names a field the table lacks: " + used);
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

Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList size = capture(w, R"(размером (\d+) × (\d+) пикселя)");
    const auto memory = qint64(ck::convert(double(numberIn(w, R"(занимает (\d+) Кбайт)")),
                                           ck::Unit::Kbyte, ck::Unit::Bit));
    need(w.contains("без сжатия") && w.contains("наибольшее число цветов"),
         "not the greatest palette of an uncompressed picture");
    const qint64 width = number(size[0]), height = number(size[1]);
    // The greatest palette that fits: every pixel gets the same bits.
    qint64 colours = 1;
    while (ck::rasterBits(width, height, colours * 2) <= memory)
        colours *= 2;
    need(ck::rasterBits(width, height, colours) == memory, "the memory is not filled");
    return equalTo(double(colours), asNumber);
}

Verdict solveA18(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(В ячейке ([A-Z]+\d+) электронной таблицы записана формула (=\S+)\. Её скопировали в ячейку ([A-Z]+\d+)\.)");
    const QString copied = ck::copyFormula(m[1], m[0], m[2]);
    return [copied](int, const QString& o) { return o == copied; };
}

// А19: the hidden cell gets each option's formula; the bars must show the
// values of the range, in the order of their labels.
Verdict solveA19(const zut::TaskContent& t) {
    const QString text = oneLine(fieldText(t, "Memo3"));
    const QStringList range = capture(text, R"(ячеек диапазона ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[1] == range[3], "the range is not a row");
    const QString hidden = capture(text, R"(записана в ячейке ([A-Z]+\d+)\?)")[0];
    const auto cells = sheet(picture(t, 0));
    need(cells.contains(hidden) && cells.at(hidden) == "?", "the hidden cell shows more than ?");
    const QVariantMap chart = drawn(t, 1)["chart"].toMap();
    need(chart["kind"].toString() == "bar", "not a bar chart");
    QStringList names;
    for (QChar c = range[0][0]; c <= range[2][0]; c = QChar(c.unicode() + 1))
        names << QString(c) + range[1];
    need(chart["labels"].toStringList() == names, "the bars are not labelled with the range");
    std::vector<double> bars;
    for (const QVariant& v : list(chart["values"]))
        bars.push_back(v.toDouble());
    return [cells, hidden, names, bars](int, const QString& o) {
        auto filled = cells;
        filled[hidden] = o;
        const auto values = ck::evaluateSheet(filled);
        for (qsizetype i = 0; i < names.size(); ++i)
            if (!values.contains(names[i]) || values.at(names[i]) != bars[size_t(i)])
                return false;
        return true;
    };
}

// Редактор of А20: its algorithm read from the field's lines and run.
struct EditorStep {
    enum class Kind { Replace, While, If } kind = Kind::Replace;
    QString from, to;  // Replace
    QStringList found; // While, If: "нашлось" of any of these
    std::vector<EditorStep> body, otherwise;
};

QStringList foundAny(const QString& condition) {
    QStringList any;
    for (const QString& part : condition.split(" или ")) {
        const auto m = rx(R"(^нашлось\((\w+)\)$)").match(part);
        need(m.hasMatch(), "a condition Редактор lacks: " + part);
        any << m.captured(1);
    }
    return any;
}

EditorStep replaceStep(const QString& command) {
    const auto m = rx(R"(^заменить\((\w+), (\w*)\)$)").match(command);
    need(m.hasMatch(), "a command Редактор lacks: " + command);
    return {EditorStep::Kind::Replace, m.captured(1), m.captured(2), {}, {}, {}};
}

// The steps from `at` up to the line `end`, which is passed.
std::vector<EditorStep> editorSteps(const QStringList& lines, qsizetype& at, const QString& end) {
    std::vector<EditorStep> steps;
    for (; at < lines.size(); ++at) {
        const QString line = lines[at].trimmed();
        if (line == end)
            return steps;
        if (line.startsWith("нц пока ")) {
            EditorStep loop{EditorStep::Kind::While, {}, {}, foundAny(line.mid(8)), {}, {}};
            loop.body = editorSteps(lines, ++at, "кц");
            steps.push_back(loop);
        } else if (line.startsWith("если ")) {
            EditorStep choice{EditorStep::Kind::If, {}, {}, foundAny(line.mid(5)), {}, {}};
            need(at + 1 < lines.size() && lines[at + 1].trimmed().startsWith("то "), "no то");
            choice.body.push_back(replaceStep(lines[++at].trimmed().mid(3)));
            if (at + 1 < lines.size() && lines[at + 1].trimmed().startsWith("иначе "))
                choice.otherwise.push_back(replaceStep(lines[++at].trimmed().mid(6)));
            need(at + 1 < lines.size() && lines[++at].trimmed() == "все", "no все");
            steps.push_back(choice);
        } else {
            steps.push_back(replaceStep(line));
        }
    }
    throw Missing("no " + end);
}

void runEditor(const std::vector<EditorStep>& steps, QString& s, int& budget) {
    const auto holds = [&s](const QStringList& any) {
        return std::any_of(any.begin(), any.end(),
                           [&s](const QString& v) { return s.contains(v); });
    };
    for (const EditorStep& step : steps) {
        switch (step.kind) {
        case EditorStep::Kind::Replace: {
            const qsizetype at = s.indexOf(step.from);
            if (at >= 0)
                s.replace(at, step.from.size(), step.to);
            break;
        }
        case EditorStep::Kind::If:
            runEditor(holds(step.found) ? step.body : step.otherwise, s, budget);
            break;
        case EditorStep::Kind::While:
            while (holds(step.found)) {
                need(--budget > 0, "Редактор does not stop");
                runEditor(step.body, s, budget);
            }
            break;
        }
    }
}

Verdict solveA20(const zut::TaskContent& t) {
    const QString rules = fieldText(t, "Memo4");
    need(rules.contains("самое левое вхождение цепочки v") &&
             rules.contains("проверяется перед каждым выполнением тела цикла"),
         "Редактор works otherwise than the test runs it");
    QString s = rules.split('\n').last().trimmed();
    need(rx(R"(^[А-ЯЁ]+$)").match(s).hasMatch(), "the last line is not the string");
    const QStringList lines = fieldText(t, "Memo5").split('\n');
    need(lines.front().trimmed() == "нач", "the algorithm does not begin with нач");
    qsizetype at = 1;
    const auto steps = editorSteps(lines, at, "кон");
    need(at == lines.size() - 1, "lines after кон");
    int budget = 10000;
    runEditor(steps, s, budget);
    return [s](int, const QString& o) { return o == s; };
}

const Part1Solvers part1Solvers = {
    {"А1", solveA1},         {"А2", solveA2},
    {"А3", solveA3},         {"А4", solveA4},
    {"А5", solveA5},         {"А6", flowchartValue},
    {"А7", solveA7},         {"А8", solveA8},
    {"А9", solveA9},         {"А10", equivalentFormula},
    {"А11", fitsTruthTable}, {"А12", solveA12},
    {"А13", solveA13},       {"А14", solveA14},
    {"А15", solveA15},       {"А16", solveA16},
    {"А17", solveA17},       {"А18", solveA18},
    {"А19", solveA19},       {"А20", solveA20},
};

// ---- Part 2 --------------------------------------------------------------

QString solveB1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(десятичного числа (\d+) оканчивается цифрой (\d)\.)");
    need(w.contains("в порядке возрастания, разделяя их запятыми"), "not the form the key holds");
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(number(m[0]), int(number(m[1]))))
        bases << QString::number(b);
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const QString formula = capture(
        wording(t),
        R"(Укажите наименьшее натуральное число X, при котором ложно высказывание (.+?)\. Ответ)")
        [0];
    const auto least = ck::leastWhere(ck::Formula::parse(formula, {"X"}), false, 1, 100000);
    need(least.has_value(), "no natural X makes it false");
    return QString::number(*least);
}

QString solveB3(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo7");
    QStringList commands;
    for (const auto& m :
         rx(R"(^(\d)\. (.+)$)", QRegularExpression::MultilineOption).globalMatch(text))
        commands << m.captured(1) + ": " + m.captured(2);
    const QStringList parsed = ck::parseCommands(commands.join("; "));
    need(parsed.size() == 2, "not two commands");
    const QString all = oneLine(text);
    const QStringList example =
        capture(all, R"(программа (\d+) преобразует число (\d+) в число (\d+):)");
    need(ck::runCommands(parsed, number(example[1]), example[0]) == number(example[2]),
         "the example program is wrong");
    need(capture(all, R"(ответ был бы (\d+)\.)")[0] == example[0],
         "the example answer is not the example program");
    const QStringList asked = capture(
        all,
        R"(Запишите программу, которая преобразует число (\d+) в число (\d+) и содержит не более (\w+) команд)");
    const QStringList programs =
        ck::programsFor(parsed, number(asked[0]), number(asked[1]), numeral(asked[2]));
    need(programs.size() == 1, "not exactly one program: " + programs.join(' '));
    return programs.front();
}

// B4: every way of sending the three to the three towns, against the
// guesses, each right in exactly one half.
QString solveB4(const zut::TaskContent& t) {
    const QString all = oneLine(fieldText(t, "Memo8"));
    const QStringList names = capture(all, R"(^(\w+), (\w+) и (\w+) приехали)");
    QStringList towns = capture(all, R"(из трёх разных городов: (\w+), (\w+) и (\w+)\.)");
    need(all.contains("в каждом предположении одна половина верна, а другая нет"),
         "the guesses are not half right");
    struct Half {
        QString name, town;
    };
    std::vector<std::pair<Half, Half>> guesses;
    for (const auto& m : rx(R"(«(\w+) из (\w+), а (\w+) из (\w+)»)").globalMatch(all)) {
        for (int i : {1, 3})
            need(names.contains(m.captured(i)) && towns.contains(m.captured(i + 1)),
                 "a guess names someone or somewhere unknown");
        guesses.push_back({{m.captured(1), m.captured(2)}, {m.captured(3), m.captured(4)}});
    }
    need(guesses.size() == 3, "not three guesses");
    const QStringList order = capture(all, R"(в порядке (\w+), (\w+), (\w+),)");
    need(QSet<QString>(order.begin(), order.end()) == QSet<QString>(names.begin(), names.end()),
         "the answer's order names others");
    std::sort(towns.begin(), towns.end());
    QStringList found;
    do {
        const auto from = [&](const Half& h) { return towns[names.indexOf(h.name)] == h.town; };
        if (std::all_of(guesses.begin(), guesses.end(),
                        [&](const auto& g) { return from(g.first) != from(g.second); })) {
            QString letters;
            for (const QString& n : order)
                letters += towns[names.indexOf(n)][0].toLower();
            found << letters;
        }
    } while (std::next_permutation(towns.begin(), towns.end()));
    need(found.size() == 1, "not exactly one way: " + found.join(' '));
    return found.front();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList page =
        capture(w, R"(Текст из (\d+) страниц, на каждой из которых (\d+) строк по (\d+) символа)");
    const qint64 seconds = numberIn(w, R"(за (\d+) секунд)");
    const qint64 per = numberIn(w, R"(символ текста кодируется (\d+) битами)");
    need(w.contains("С какой скоростью (в битах в секунду)"), "not the rate in bits asked for");
    const qint64 size = ck::textBits(number(page[0]) * number(page[1]) * number(page[2]), per);
    need(size % seconds == 0, "the rate is not whole");
    const qint64 rate = size / seconds;
    need(ck::transferSeconds(double(size), ck::Unit::Bit, double(rate), ck::Unit::Bit) ==
             double(seconds),
         "the rate does not send the text in its time");
    return QString::number(rate);
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString rule = "{n}{s}{s}"; // the new number, then the one before twice
    need(oneLine(text).contains("сначала записывают номер этой новой строки") &&
             oneLine(text).contains("а за ним два раза подряд — предыдущую строку"),
         "the rule is not the one the test knows");
    QString first;
    int shown = 0;
    for (const auto& m :
         rx(R"(^\((\d+)\) (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        const int n = int(number(m.captured(1)));
        if (n == 1)
            first = m.captured(2);
        need(!first.isEmpty() && ck::buildString(first, rule, n) == m.captured(2),
             "the rule does not give the shown strings");
        ++shown;
    }
    need(shown >= 3, "too few strings shown");
    const QStringList m = capture(oneLine(text), R"(цифра (\d) встречается в (\w+) строке)");
    return QString::number(ck::builtCount(first, rule, numeral(m[1]), m[0][0]));
}

QString solveB7(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(Файл ([\w.]+) находится на сервере ([\w.]+), доступ к нему осуществляется по протоколу (\w+)\.)");
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

// The language of each listing, by its column heading.
ck::Language listingLanguage(int i) {
    const QString heading = element(task("С1"), Kind::Listings).items.value(i);
    if (heading == "Программа на Паскале")
        return ck::Language::Pascal;
    need(heading == "Программа на Бейсике", "a listing in no known language: " + heading);
    return ck::Language::Basic;
}

// What the task asks for: the sum of the even digits of n.
qint64 evenDigitSum(qint64 n) {
    qint64 s = 0;
    for (; n > 0; n /= 10)
        s += n % 10 % 2 == 0 ? n % 10 : 0;
    return s;
}
qint64 leadingDigit(qint64 n) {
    while (n > 9)
        n /= 10;
    return n;
}

constexpr qint64 largestInput = 1200;

} // namespace

class TestT2008_7 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void part1_data() { addTaskRows("А", 20); }
    void part1() {
        QFETCH(QString, id);
        checkPart1(t2008_7, part1Solvers, id);
    }
    void part1OptionsDistinct_data() { addTaskRows("А", 20); }
    void part1OptionsDistinct() {
        QFETCH(QString, id);
        checkOptionsDistinct(id);
    }
    void part2_data() { addTaskRows("B", 8); }
    void part2();
    void listingFault_data();
    void listingFault();
    void superfluousCondition_data();
    void superfluousCondition();
    void listingFixed_data();
    void listingFixed();
    void faultExampleOfTheSolution_data() { listingFault_data(); }
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void noMixedScriptWords() { checkNoMixedScriptWords(); }
    void markedThroughTheWindow() {
        checkMarkedThroughTheWindow(t2008_7, part1Solvers, part2Solvers);
    }

private:
    std::unique_ptr<zut::WindowSet> set_;
};

// The answer a correct solution types is one of the accepted strings; where
// there are two, they are that answer in small and in capital letters.
void TestT2008_7::part2() {
    QFETCH(QString, id);
    const auto& key = t2008_7->key().part2[size_t(zut::taskNumber(id) - 1)];
    QStringList accepted{QString::fromUtf16(key[0])};
    if (key[1])
        accepted << QString::fromUtf16(key[1]);
    try {
        const QString answer = part2Solvers.at(id)(task(id));
        QVERIFY2(accepted.contains(answer), qPrintable(answer + " is not accepted"));
        if (accepted.size() == 2) {
            QVERIFY(answer.toLower() != answer.toUpper());
            QStringList cases{answer.toLower(), answer.toUpper()};
            cases.sort();
            accepted.sort();
            QCOMPARE(accepted, cases);
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_7::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing answers rightly unless the leading digit of n is even; then
// it leaves that digit out of the sum.
void TestT2008_7::listingFault() {
    QFETCH(int, listing);
    int wrong = 0;
    try {
        const auto language = listingLanguage(listing);
        for (qint64 n = 1; n <= largestInput; ++n) {
            const qint64 right = evenDigitSum(n);
            const qint64 lead = leadingDigit(n);
            const qint64 expected = lead % 2 == 0 ? right - lead : right;
            QCOMPARE(printed(language, ::listing(listing), n), QString::number(expected));
            wrong += expected != right ? 1 : 0;
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(wrong > 0);
}

void TestT2008_7::superfluousCondition_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("named");
    QTest::newRow("Паскаль") << 0 << " and (d < 10)"
                             << "d < 10";
    QTest::newRow("Бейсик") << 1 << " AND d < 10"
                            << "d < 10 после AND";
}

// Without its check of d < 10 each listing prints what it printed, for
// every n; the worked solution names that check.
void TestT2008_7::superfluousCondition() {
    QFETCH(int, listing);
    QFETCH(QString, part);
    QFETCH(QString, named);
    const QString source = ::listing(listing);
    QVERIFY2(source.contains(part), qPrintable(part));
    QVERIFY2(task("С1").solution.contains(named), qPrintable(named));
    const QString shorter = QString(source).remove(part);
    try {
        const auto language = listingLanguage(listing);
        for (qint64 n = 1; n <= largestInput; ++n)
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_7::listingFixed_data() {
    QTest::addColumn<int>("listing");
    QTest::addColumn<QString>("faulty");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("Паскаль") << 0 << "while n > 9 do begin"
                             << "while n > 0 do begin";
    QTest::newRow("Бейсик") << 1 << "WHILE n > 9"
                            << "WHILE n > 0";
}

// The fix of the worked solution makes each listing right for every n.
void TestT2008_7::listingFixed() {
    QFETCH(int, listing);
    QFETCH(QString, faulty);
    QFETCH(QString, fixed);
    QVERIFY2(task("С1").solution.contains(fixed), qPrintable(fixed));
    try {
        const auto language = listingLanguage(listing);
        const QString mended = replacedLine(::listing(listing), faulty, fixed);
        for (qint64 n = 1; n <= largestInput; ++n)
            QCOMPARE(printed(language, mended, n), QString::number(evenDigitSum(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n of the worked solution: the listing prints what the solution says,
// and the right sum is another.
void TestT2008_7::faultExampleOfTheSolution() {
    QFETCH(int, listing);
    const QString solution = task("С1").solution;
    try {
        const qint64 n = numberIn(solution, R"(n = (\d+):)");
        const qint64 shown = numberIn(solution, R"(программа выводит (\d+))");
        const qint64 right = numberIn(solution, R"(сумма чётных цифр равна (\d+))");
        QCOMPARE(right, evenDigitSum(n));
        QVERIFY(shown != right);
        QCOMPARE(printed(listingLanguage(listing), ::listing(listing), n), QString::number(shown));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording. The worked solution names the
// winner; every heap it has the winner leave (a clause naming the player,
// then the heap in parentheses) loses for the other, every heap it has the
// other leave wins for the winner.
void TestT2008_7::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = numberIn(w, R"(В куче лежат (\d+) камней)");
        const qint64 add = numberIn(w, R"(добавить в кучу (\d+) камня)");
        need(w.contains("удвоить число камней в куче"), "the second move is not doubling");
        const qint64 goal = numberIn(w, R"(окажется (\d+) камней или больше)");
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+)\.)")[0];
        const auto wins = moverWins(goal, [add](qint64 n) { return std::vector{n + add, 2 * n}; });
        const bool firstWins = wins[size_t(start)];
        const QString winner = firstWins ? first : second, loser = firstWins ? second : first;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner + "."), qPrintable(t.solution));
        int heaps = 0;
        for (const auto& [who, moverLoses] : {std::pair{winner, true}, std::pair{loser, false}})
            for (const auto& m :
                 rx(who + R"([^().,:]*\((\d+)(?: или (\d+))?\))").globalMatch(t.solution))
                for (int g : {1, 2})
                    if (!m.captured(g).isEmpty()) {
                        const qint64 heap = number(m.captured(g));
                        ++heaps;
                        if (heap >= goal)
                            QVERIFY2(moverLoses, qPrintable(who + " wins at once"));
                        else
                            QVERIFY2(wins[size_t(heap)] != moverLoses,
                                     qPrintable(QString("%1 leaves %2").arg(who).arg(heap)));
                    }
        QVERIFY(heaps >= 4);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_7::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("first");
    QTest::newRow("B7") << "B7"
                        << "A";
    QTest::newRow("B8") << "B8"
                        << "a";
}

// B7's fragments are the Latin capitals from A, B8's queries the Latin
// small letters from a; the key holds those letters.
void TestT2008_7::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    QFETCH(QString, first);
    const zut::TaskContent& t = task(id);
    const QStringList labels = answerLabels(t);
    QCOMPARE(labels.join(""), lettersFrom(first[0], labels.size()));
    const QString key =
        QString::fromUtf16(t2008_7->key().part2[size_t(zut::taskNumber(id) - 1)][0]);
    QCOMPARE(key.size(), labels.size());
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c), Qt::CaseInsensitive), qPrintable(key));
    if (id == "B7")
        QVERIFY(wording(t).contains("латинскими буквами от A до G"));
}

ZUT_TEST_MAIN(TestT2008_7)
#include "tst_t2008_7.moc"
