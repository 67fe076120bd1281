// The 2007 paper's own content check: every task whose answer can be
// computed is solved again from the data the page shows (texts, field
// texts, the data its pictures are drawn from), and exactly the keyed
// option, or the first accepted string, must carry that answer. The
// listings are run in each of their languages, the pictures' cut-off
// strips must be blank, and marking the paper with the computed answers
// must give full marks.
#include "testmain.h"

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
#include "papertest.h"

#include "papercheck.h"
#include "shell/windowset.h"
#include "windows/start.h"

#include <QImage>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2007.yaml");
    return c;
}

namespace {

// A formula as written on the page, in the solvers' notation.
QString formulaText(QString s) {
    s.replace(QChar(0x00B7), '*'); // ·
    s.replace(QChar(0x2212), '-'); // −
    s.remove('?');
    return s.trimmed();
}

using Verdicts = std::array<bool, 4>;
template <class F> Verdicts each(const QStringList& items, F right) {
    if (items.size() != 4)
        throw Missing("not four answers");
    Verdicts v{};
    for (int i = 0; i < 4; ++i)
        v[size_t(i)] = right(items[i]);
    return v;
}

// ---- Part 1: which of the four options are right, from the task's data ----

Verdicts a1() {
    const QStringList t = texts(task("А1"));
    const qint64 perCharacter = numberIn(t[0], R"((\d+) бит)");
    const QString phrase = capture(t[1], "«(.*)»")[0];
    const qint64 wanted = ck::textBits(phrase, perCharacter);
    return each(options(task("А1")), [&](const QString& o) { return bits(o) == wanted; });
}

Verdicts a2() {
    const QString t = wording(task("А2"));
    const int kinds = numeral(capture(t, R"(в одном из (\S+) положений)")[0]);
    const int length = numeral(capture(t, R"(ровно из (\S+) положений)")[0]);
    const qint64 count = ck::codeCount(kinds, length);
    return each(options(task("А2")), [&](const QString& o) { return number(o) == count; });
}

Verdicts a3() {
    const QString t = wording(task("А3"));
    const qint64 low = numberIn(t, R"(от ([−-]?\d+) до)");
    const qint64 high = numberIn(t, R"(до \+?(\d+))");
    const qint64 count = numberIn(t, R"(записи (\d+) измерений)");
    const qint64 wanted = ck::messageBits(count, high - low + 1);
    return each(options(task("А3")), [&](const QString& o) { return bits(o) == wanted; });
}

Verdicts a4() {
    const QString t = wording(task("А4"));
    const qint64 value = numberIn(t, R"(число (\d+) в)");
    const int base = numeral(capture(t, R"(в (\S+) системе)")[0]);
    const QString written = ck::toBase(value, base);
    return each(options(task("А4")), [&](const QString& o) { return o == written; });
}

Verdicts a5() {
    const QString t = wording(task("А5"));
    QString expression = capture(t, R"(выражения (.+?) и запишите)")[0];
    expression.replace(QRegularExpression(R"(\{_(\d+)\})"), "_\\1");
    expression = formulaText(expression);
    const int base = numeral(capture(t, R"(в (\S+) системе)")[0]);
    const QString value = ck::evaluateBased(expression, base);
    return each(options(task("А5")), [&](const QString& o) { return o == value; });
}

Verdicts a6() {
    const ck::FlowchartRun run =
        ck::runFlowchart(ck::flowchartFromList(flowList(list(drawn(task("А6"))["flowchart"]))));
    if (run.output.size() != 1)
        throw Missing("the flowchart prints " + QString::number(run.output.size()) + " values");
    return each(options(task("А6")), [&](const QString& o) { return number(o) == run.output[0]; });
}

// А7: the fragment's lines, one column a language, as the drawn table shows them.
std::vector<QString> a7Fragments() {
    return tableColumns(element(task("А7"), Kind::Table));
}

Verdicts a7() {
    const ck::Comparison c = runThree(a7Fragments());
    const qint64 x = c.results[1].integer("x"), y = c.results[1].integer("y");
    return each(options(task("А7")), [&](const QString& o) {
        return numberIn(o, R"(x = ([−-]?\d+))") == x && numberIn(o, R"(y = ([−-]?\d+))") == y;
    });
}

std::vector<QString> a8Fragments() {
    const zut::TaskContent& t = task("А8");
    return {fieldText(t, "MA8b"), fieldText(t, "MA8P"), fieldText(t, "MA8A")};
}

Verdicts a8() {
    const ck::Comparison c = runThree(a8Fragments());
    const qint64 index = numberIn(wording(task("А8")), R"(элемент A\[(\d+)\])");
    const qint64 value = c.results[1].element("A", index);
    return each(options(task("А8")), [&](const QString& o) { return number(o) == value; });
}

Verdicts a9() {
    const QStringList t = texts(task("А9"));
    const bool value = !t[0].contains("ложно");
    // The properties the statement names, each a variable of the formula.
    const std::map<QString, std::pair<QString, ck::WordProperty>> known = {
        {"первая буква имени согласная",
         {"P", [](const QString& w) { return ck::isConsonant(w.front()); }}},
        {"последняя буква имени гласная",
         {"Q", [](const QString& w) { return ck::isVowel(w.back()); }}},
    };
    QString statement = formulaText(t[1]);
    std::map<QString, ck::WordProperty> properties;
    for (auto it = QRegularExpression(R"(\(([^()]+)\))").globalMatch(statement); it.hasNext();) {
        const auto m = it.next();
        const auto k = known.find(m.captured(1));
        if (k == known.end())
            throw Missing("an unknown property: " + m.captured(1));
        properties[k->second.first] = k->second.second;
        statement.replace(m.captured(0), k->second.first);
    }
    const QStringList words =
        ck::wordsWhere(ck::Formula::parse(statement), options(task("А9")), properties, value);
    return each(options(task("А9")), [&](const QString& o) { return words.contains(o); });
}

Verdicts a10() {
    const ck::Formula given =
        ck::Formula::parse(formulaText(capture(wording(task("А10")), R"(выражению (.+)\?)")[0]));
    return each(options(task("А10")), [&](const QString& o) {
        return ck::equivalent(given, ck::Formula::parse(formulaText(o)));
    });
}

Verdicts a11() {
    const QVariantMap t = drawn(task("А11"))["table"].toMap();
    QStringList head = t["head"].toStringList();
    need(!head.isEmpty() && head.last() == "F", "А11's table does not end with F");
    head.removeLast();
    QStringList rows;
    for (const QVariant& r : list(t["rows"]))
        rows << r.toStringList().join("");

    return each(options(task("А11")), [&](const QString& o) {
        return ck::fitsTableFragment(ck::Formula::parse(formulaText(o)), head, rows);
    });
}

// А12: the four tables of the picture are the four options.
Verdicts a12() {
    const QString t = wording(task("А12"));
    const QString from = capture(t, R"(проезда из (\w) в (\w))")[0];
    const QString to = capture(t, R"(проезда из (\w) в (\w))")[1];
    const qint64 limit = numberIn(t, R"(не больше (\d+))");
    const QVariantList tables = drawn(task("А12"))["tables"].toList();
    if (tables.size() != 4)
        throw Missing("А12 has not four tables");
    Verdicts v{};
    for (int i = 0; i < 4; ++i) {
        const QVariantMap m = tables[i].toMap();
        if (m["title"].toString() != QString("%1)").arg(i + 1))
            throw Missing("А12's tables are not numbered in order");
        v[size_t(i)] = ck::shortestRoute(roadTable(m), from, to).length <= limit;
    }
    return v;
}

Verdicts a13() {
    const QString t = wording(task("А13"));
    std::map<QChar, QString> codes;
    for (auto it = QRegularExpression(R"(([А-ЯЁ])[ \x{00A0}]— ([01]+))").globalMatch(t);
         it.hasNext();) {
        const auto m = it.next();
        codes[m.captured(1)[0]] = m.captured(2);
    }
    const QString word = capture(t, R"(слова ([А-ЯЁ]+))")[0];
    const int base = numeral(capture(t, R"(в (\S+) системе)")[0]);
    const QString value = ck::convertDigits(ck::encode(word, codes), 2, base);
    return each(options(task("А13")), [&](const QString& o) { return o == value; });
}

Verdicts a14() {
    // The beads each rule allows, in the order of the rules.
    std::vector<QString> allowed;
    for (const QString& line : fieldText(task("А14"), "Memo1").split('\n'))
        if (QRegularExpression(R"(^\d\))").match(line).hasMatch()) {
            QString beads;
            for (auto it = QRegularExpression(R"(\b([A-Z])\b)").globalMatch(line); it.hasNext();)
                beads += it.next().captured(1);
            allowed.push_back(beads);
        }
    if (allowed.size() != 3)
        throw Missing("А14 has not three rules");
    return each(options(task("А14")), [&](const QString& chain) {
        if (chain.size() != 3)
            return false;
        for (int i = 0; i < 3; ++i)
            if (!allowed[size_t(i)].contains(chain[i]) || chain.left(i).contains(chain[i]))
                return false;
        return true;
    });
}

// A file mask: "?" is one character, "*" any run of them, the empty one too.
bool fitsMask(QStringView mask, QStringView name) {
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask.front() == '*')
        for (qsizetype skip = 0; skip <= name.size(); ++skip)
            if (fitsMask(mask.mid(1), name.mid(skip)))
                return true;
    if (mask.front() == '*')
        return false;
    if (name.isEmpty() || (mask.front() != '?' && mask.front() != name.front()))
        return false;
    return fitsMask(mask.mid(1), name.mid(1));
}

Verdicts a15() {
    const QString mask = capture(wording(task("А15")), R"(маске (\S+))")[0];
    return each(options(task("А15")), [&](const QString& o) { return fitsMask(mask, o); });
}

Verdicts a16() {
    const QVariantMap t = drawn(task("А16"))["table"].toMap();
    QStringList head;
    for (const QVariant& h : t["head"].toList())
        head << h.toString();
    const auto name = head.indexOf("Фамилия"), points = head.indexOf("Баллы"),
               time = head.indexOf("Время, мин");
    if (name < 0 || points < 0 || time < 0)
        throw Missing("А16's table lacks a column");
    QList<QStringList> rows;
    for (const QVariant& r : t["rows"].toList()) {
        QStringList row;
        for (const QVariant& c : r.toList())
            row << c.toString();
        rows << row;
    }
    // More points first; of equal points, less time first.
    std::sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        if (a[points].toInt() != b[points].toInt())
            return a[points].toInt() > b[points].toInt();
        return a[time].toInt() < b[time].toInt();
    });
    QStringList order;
    for (const QStringList& r : rows)
        order << r[name];
    return each(options(task("А16")), [&](const QString& o) { return o == order.join(", "); });
}

Verdicts a17() {
    const QString t = wording(task("А17"));
    const qint64 width = numberIn(t, R"((\d+) × (\d+))", 1);
    const qint64 height = numberIn(t, R"((\d+) × (\d+))", 2);
    const qint64 volume = qint64(bits(capture(t, R"((\d+ Кбайт))")[0]));
    if (volume % (width * height))
        throw Missing("А17's picture has no whole number of bits a point");
    const qint64 colours = qint64(1) << (volume / (width * height));
    if (ck::rasterBits(width, height, colours) != volume)
        throw Missing("А17: the volume solver disagrees");
    return each(options(task("А17")), [&](const QString& o) { return number(o) == colours; });
}

Verdicts a18() {
    const QString t = wording(task("А18"));
    const QString formula = capture(t, R"(формула (=\S+?)\.\s)")[0];
    const QString from = capture(t, R"(ячейку ([A-Z]+\d+) скопировать в ячейку ([A-Z]+\d+))")[0];
    const QString to = capture(t, R"(ячейку ([A-Z]+\d+) скопировать в ячейку ([A-Z]+\d+))")[1];
    const QString copied = ck::copyFormula(formula, from, to);
    return each(options(task("А18")), [&](const QString& o) { return o == copied; });
}

Verdicts a19() {
    const zut::TaskContent& t = task("А19");
    const QString text = fieldText(t, "Memo3");
    const QString hidden = capture(text, R"(в ячейке ([A-Z]\d+) скрыто)")[0];
    const QStringList range = capture(text, R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))");
    const QString first = range[0], row = range[1], last = range[2];
    const std::map<QString, QString> cells = sheet(picture(t, 0));
    need(cells.contains(hidden) && cells.at(hidden) == "?",
         "А19's hidden cell is not shown as hidden");
    std::vector<double> shown;
    double shownSum = 0;
    for (const QVariant& v : list(drawn(t, 1)["chart"].toMap()["values"])) {
        shown.push_back(v.toDouble());
        shownSum += v.toDouble();
    }
    return each(options(task("А19")), [&](const QString& o) {
        auto filled = cells;
        filled[hidden] = o;
        const auto values = ck::evaluateSheet(filled);
        std::vector<double> inRange;
        double sum = 0;
        for (QChar c = first[0]; c <= last[0]; c = QChar(c.unicode() + 1)) {
            const double v = values.at(QString(c) + row);
            if (v < 0)
                return false; // a pie has no negative sector
            inRange.push_back(v);
            sum += v;
        }
        if (inRange.size() != shown.size() || sum <= 0)
            return false;
        for (size_t i = 0; i < inRange.size(); ++i)
            if (std::abs(inRange[i] / sum - shown[i] / shownSum) > 1e-9)
                return false;

        return true;
    });
}

// А20: the Editor's algorithm, read from its text and run on a string. It
// knows what the algorithm uses: "нц пока" … "кц", "если" … "все" with
// one-command branches "то …" and "иначе …", and the two commands.
class Editor {
public:
    explicit Editor(const QString& algorithm) {
        for (const QString& l : algorithm.split('\n'))
            if (!l.trimmed().isEmpty())
                lines_ << l.trimmed();
        if (lines_.size() < 2 || lines_.front() != "нач" || lines_.back() != "кон")
            throw Missing("the algorithm is not framed by нач and кон");
    }
    QString run(const QString& start) {
        s_ = start;
        block(1, lines_.size() - 1);
        return s_;
    }

private:
    QStringList lines_;
    QString s_;
    int turns_ = 0;

    bool holds(const QString& c) const {
        if (c == "длина нечётна" || c == "длина чётна")
            return (s_.size() % 2 == 1) == (c == "длина нечётна");
        const auto m = QRegularExpression(R"(^длина ([<>]) (\d+)$)").match(c);
        if (!m.hasMatch())
            throw Missing("an unknown condition: " + c);
        const qint64 n = m.captured(2).toLongLong();
        return m.captured(1) == ">" ? s_.size() > n : s_.size() < n;
    }
    void command(const QString& c) {
        const auto m = QRegularExpression(R"(^(в_конец|удали)\(([^()]+)\)$)").match(c);
        if (!m.hasMatch())
            throw Missing("an unknown command: " + c);
        const qint64 k = m.captured(2) == "длина" ? s_.size() : number(m.captured(2));
        if (k < 1 || k > s_.size())
            throw Missing("no letter " + QString::number(k) + " in " + s_);
        const QChar letter = s_[k - 1];
        s_.remove(k - 1, 1);
        if (m.captured(1) == "в_конец")
            s_ += letter;
    }
    // The line that closes the construct opened on line `from`.
    qsizetype closing(qsizetype from, const QString& open, const QString& close) const {
        int depth = 0;
        for (qsizetype i = from; i < lines_.size(); ++i) {
            if (lines_[i].startsWith(open))
                ++depth;
            else if (lines_[i] == close && --depth == 0)
                return i;
        }
        throw Missing("no " + close + " for " + lines_[from]);
    }
    // Runs the lines [from, to).
    void block(qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            const QString& l = lines_[i];
            if (l.startsWith("нц пока ")) {
                const qsizetype end = closing(i, "нц", "кц");
                while (holds(l.mid(8))) {
                    if (++turns_ > 10000)
                        throw Missing("the loop does not end");
                    block(i + 1, end);
                }
                i = end;
            } else if (l.startsWith("если ")) {
                const qsizetype end = closing(i, "если", "все");
                if (end != i + 3 || !lines_[i + 1].startsWith("то ") ||
                    !lines_[i + 2].startsWith("иначе "))
                    throw Missing("a branch is not one command: " + l);
                command(holds(l.mid(5)) ? lines_[i + 1].mid(3) : lines_[i + 2].mid(6));
                i = end;
            } else {
                command(l);
            }
        }
    }
};

Verdicts a20() {
    const QString description = fieldText(task("А20"), "Memo4");
    const QString start = capture(description, R"(для строки\s+([А-ЯЁ]+))")[0].trimmed();
    const QString result = Editor(fieldText(task("А20"), "Memo5")).run(start);
    return each(options(task("А20")), [&](const QString& o) { return o == result; });
}

// This paper's solvers find their task by its id and give the four
// verdicts at once.
Solver fourAtOnce(Verdicts (*solve)()) {
    return [solve](const zut::TaskContent&) {
        const Verdicts v = solve();
        return Verdict([v](int k, const QString&) { return v[size_t(k - 1)]; });
    };
}

const Part1Solvers part1Solvers = {
    {"А1", fourAtOnce(a1)},   {"А2", fourAtOnce(a2)},   {"А3", fourAtOnce(a3)},
    {"А4", fourAtOnce(a4)},   {"А5", fourAtOnce(a5)},   {"А6", fourAtOnce(a6)},
    {"А7", fourAtOnce(a7)},   {"А8", fourAtOnce(a8)},   {"А9", fourAtOnce(a9)},
    {"А10", fourAtOnce(a10)}, {"А11", fourAtOnce(a11)}, {"А12", fourAtOnce(a12)},
    {"А13", fourAtOnce(a13)}, {"А14", fourAtOnce(a14)}, {"А15", fourAtOnce(a15)},
    {"А16", fourAtOnce(a16)}, {"А17", fourAtOnce(a17)}, {"А18", fourAtOnce(a18)},
    {"А19", fourAtOnce(a19)}, {"А20", fourAtOnce(a20)}};

// ---- Part 2: the string a correct solution types -----------------------------

QString b1() {
    const QString t = wording(task("B1"));
    const qint64 value = numberIn(t, R"(числа (\d+) равна (\d+))", 1);
    const int digit = int(numberIn(t, R"(числа (\d+) равна (\d+))", 2));
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(value, digit))
        bases << QString::number(b);
    return bases.join(',');
}

QString b2() {
    const QStringList t = texts(task("B2"));
    const ck::Formula f = ck::Formula::parse(formulaText(t[1]), {"X"});
    const bool greatest = t[0].contains("наибольшее");
    const bool value = t[0].contains("истинно");
    const auto x = greatest ? ck::greatestWhere(f, value, -10000, 10000)
                            : ck::leastWhere(f, value, -10000, 10000);
    if (!x || *x == 10000 || *x == -10000)
        throw Missing("B2 has no bound within the range searched");
    return QString::number(*x);
}

// The lines of `text` that match `pattern` (a line's number, then its
// text), numbered 1, 2, … in order: their texts.
QStringList numberedLines(const QString& text, const QString& pattern, const QString& what) {
    QStringList out;
    for (const auto& m :
         QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text)) {
        need(m.captured(1).toInt() == out.size() + 1, what + " are not numbered in order");
        out << m.captured(2).trimmed();
    }
    return out;
}

QString b3() {
    const QString t = fieldText(task("B3"), "Memo7");
    const QStringList commands = numberedLines(t, R"(^\s*(\d)\. (.+)$)", "B3's commands");
    const QStringList parsed = ck::parseCommands(commands.join('\n'));
    // The example the wording gives must do what it says.
    const QString example = capture(t, R"(программа (\d+) —)")[0];
    const auto exampleRun =
        QRegularExpression(R"(преобразует число (\d+) в число\s+(\d+))").match(t);
    if (!exampleRun.hasMatch() || ck::runCommands(parsed, exampleRun.captured(1).toLongLong(),
                                                  example) != exampleRun.captured(2).toLongLong())
        throw Missing("B3's example does not do what the wording says");
    const QString task = t.mid(t.indexOf("Запишите"));
    const qint64 from = numberIn(task, R"(число (\d+) в число\s+(\d+))", 1);
    const qint64 to = numberIn(task, R"(число (\d+) в число\s+(\d+))", 2);
    const int most = int(numberIn(task, R"(не более (\d+) команд)"));
    const QStringList programs = ck::programsFor(parsed, from, to, most);
    if (programs.size() != 1)
        throw Missing("B3 has " + QString::number(programs.size()) +
                      " programs: " + programs.join(' '));
    return programs.front();
}

QString b4() {
    const QString t = fieldText(task("B4"), "Memo8");
    QString flat = t;
    flat.replace('\n', ' ');
    // The runners, in the order the first sentence names them.
    const QString line = capture(flat, R"(участвовали ([^.]+)\.)")[0];
    QStringList names;
    for (auto it = QRegularExpression(R"([А-ЯЁ][а-яё]+)").globalMatch(line); it.hasNext();)
        names << it.next().captured(0);
    // Each forecast: two claims "runner — place".
    const QStringList stems = {"перв", "втор", "трет", "четв"};
    const QString anyName = names.join('|');
    std::vector<std::array<std::pair<int, int>, 2>> forecasts;
    for (auto it = QRegularExpression("«([^»]+)»").globalMatch(flat); it.hasNext();) {
        const QString claim = it.next().captured(1);
        std::vector<std::pair<int, int>> parts;
        for (auto c = QRegularExpression("(" + anyName + R"()[^«»]*?(перв|втор|трет|четв))")
                          .globalMatch(claim);
             c.hasNext();) {
            const auto m = c.next();
            parts.emplace_back(int(names.indexOf(m.captured(1))),
                               int(stems.indexOf(m.captured(2))) + 1);
        }
        if (parts.size() != 2)
            throw Missing("a forecast of B4 has not two claims: " + claim);
        forecasts.push_back({parts[0], parts[1]});
    }
    if (names.size() != 4 || forecasts.size() != 3)
        throw Missing("B4 has not four runners and three forecasts");
    auto halfTrue = [&](const std::array<int, 4>& place) {
        for (const auto& f : forecasts)
            if ((place[size_t(f[0].first)] == f[0].second) +
                    (place[size_t(f[1].first)] == f[1].second) !=
                1)
                return false;
        return true;
    };
    QStringList solutions;
    std::array<int, 4> place = {1, 2, 3, 4};
    do
        if (halfTrue(place))
            solutions
                << QString("%1%2%3%4").arg(place[0]).arg(place[1]).arg(place[2]).arg(place[3]);
    while (std::next_permutation(place.begin(), place.end()));
    // The example of the answer form must not be a solution.
    if (solutions.contains(capture(flat, R"(запись (\d{4}))")[0]))
        throw Missing("B4's example is a solution");
    if (solutions.size() != 1)
        throw Missing("B4 has " + QString::number(solutions.size()) + " solutions");
    return solutions.front();
}

QString b5() {
    const QString t = wording(task("B5"));
    double kbytes = 0;
    int parts = 0;
    for (auto it =
             QRegularExpression(R"((\d+) минут\S* [^,]*?со скоростью (\d+) бит/с)").globalMatch(t);
         it.hasNext(); ++parts) {
        const auto m = it.next();
        kbytes += ck::transferSize(m.captured(2).toDouble(), ck::Unit::Bit,
                                   m.captured(1).toDouble() * 60, ck::Unit::Kbyte);
    }
    if (parts != 2 || kbytes != std::floor(kbytes))
        throw Missing("B5 does not come to a whole number of Kbytes");
    return QString::number(qint64(kbytes));
}

// The rule of B6, as its wording states it: twice the chain before, the
// new chain's number, twice the chain before.
const char* const b6Rule = "{s}{s}{n}{s}{s}";

QString b6() {
    const QString t = fieldText(task("B6"), "Memo9");
    const QStringList shown = numberedLines(t, R"(^\s*(\d)\) (\d+)$)", "B6's chains");
    if (shown.size() < 2)
        throw Missing("B6 shows too few chains");
    for (int n = 2; n <= shown.size(); ++n)
        if (ck::buildString(shown[0], b6Rule, n) != shown[n - 1])
            throw Missing(QString("B6's chain %1 does not follow the rule").arg(n));
    const int n = numeral(capture(t, R"(содержит (\S+)\s+цепочка)")[0]);
    const QChar digit = capture(t, R"(отличных от (\d))")[0][0];
    return QString::number(ck::builtLength(shown[0], b6Rule, n) -
                           ck::builtCount(shown[0], b6Rule, n, digit));
}

// A label letter as the key writes it: the Latin look-alike stands for the
// Cyrillic letter.
QChar cyrillic(QChar c) {
    return c == QChar('A') ? QChar(0x0410) : c;
}

QString b7() {
    const Element& t = element(task("B7"), Kind::Table);
    std::map<int, QString> letters, parts;
    for (const Element::Cell& c : t.cells)
        (c.at.x() < t.columnRules.at(0) ? letters : parts)[c.at.y()] = c.text;
    if (letters.size() != parts.size())
        throw Missing("B7's rows are not whole");
    QStringList labels, fragments;
    auto l = letters.begin();
    for (auto p = parts.begin(); p != parts.end(); ++p, ++l) {
        if (std::abs(l->first - p->first) > 2)
            throw Missing("B7's letter and fragment are not on one row");
        labels << l->second;
        fragments << p->second;
    }
    const QString w = wording(task("B7"));
    const QString file = capture(w, R"(Файл (\S+) хранится)")[0];
    const QString server = capture(w, R"(на сервере (\S+?),)")[0];
    const QString protocol = capture(w, R"(по протоколу (\w+))")[0];
    const QString address = protocol + "://" + server + "/" + file;
    // Every order of the fragments that spells the address.
    std::vector<int> order(size_t(fragments.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    QStringList found;
    do {
        QString spelt, word;
        for (int i : order) {
            spelt += fragments[i];
            word += cyrillic(labels[i][0]);
        }
        if (spelt == address)
            found << word;
    } while (std::next_permutation(order.begin(), order.end()));
    if (found.size() != 1)
        throw Missing("B7's fragments spell the address in " + QString::number(found.size()) +
                      " ways");
    return found.front().toLower();
}

QString b8() {
    const auto typed = [](const QString& label) {
        need(label.size() == 1, "a label of B8 is not one letter: " + label);
        return QString(cyrillic(label[0]));
    };
    return queryOrder(task("B8"), typed).toLower();
}

// The Part 2 solvers likewise find their task by its id.
Part2Solver byId(QString (*solve)()) {
    return [solve](const zut::TaskContent&) { return solve(); };
}

const Part2Solvers part2Solvers = {{"B1", byId(b1)}, {"B2", byId(b2)}, {"B3", byId(b3)},
                                   {"B4", byId(b4)}, {"B5", byId(b5)}, {"B6", byId(b6)},
                                   {"B7", byId(b7)}, {"B8", byId(b8)}};

// ---- С1: the three listings ------------------------------------------------

struct Listing {
    const char* name;
    ck::Language language;
    // The superfluous check, as the listing writes it, and the missing
    // condition added where the listing's other two stand.
    QStringList superfluous;
    const char* written;
    const char* fixed;
};
const Listing listings[] = {
    {"Memo10",
     ck::Language::Pascal,
     {"if a <= 0 then", "ok := false;"},
     "(b < a + c);",
     "(b < a + c) and (c < a + b);"},
    {"Memo11",
     ck::Language::Basic,
     {"IF A <= 0 THEN OK = 0"},
     "B < A + C THEN",
     "B < A + C AND C < A + B THEN"},
    {"Memo12",
     ck::Language::C,
     {"if (a <= 0)", "ok = 0;"},
     "(b < a + c);",
     "(b < a + c) && (c < a + b);"},
};

bool triangle(int a, int b, int c) {
    return a < b + c && b < a + c && c < a + b;
}

} // namespace

class TestT2007 : public PaperTest {
    Q_OBJECT
public:
    TestT2007()
        : PaperTest(part1Solvers, part2Solvers) {}

private:
    zut::Paper* paper() const override { return t2007; }

private slots:
    void everyTaskHasContent();
    void threeLanguagesAgree_data();
    void threeLanguagesAgree();
    void listingFault_data();
    void listingFault();
    void partThreeGame();
    void cutOffStripsAreBlank_data();
    void cutOffStripsAreBlank();
};

void TestT2007::everyTaskHasContent() {
    QCOMPARE(content().paper, "t2007");
    for (const zut::TaskContent& t : content().tasks) {
        QVERIFY2(!t.elements.empty(), qPrintable(t.id + " has no elements"));
        QVERIFY2(t.solution.size() > 40, qPrintable(t.id + " has no worked solution"));
    }
}

void TestT2007::threeLanguagesAgree_data() {
    QTest::addColumn<QString>("task");
    QTest::newRow("А7") << "А7";
    QTest::newRow("А8") << "А8";
}

// The fragments run in their own languages leave the same values, and
// each is a fragment of its language, not of another.
void TestT2007::threeLanguagesAgree() {
    QFETCH(QString, task);
    const std::vector<QString> texts = task == "А7" ? a7Fragments() : a8Fragments();
    QCOMPARE(texts.size(), size_t(3));
    try {
        const auto fragments = inThreeLanguages(texts);
        const ck::Comparison c = ck::runAll(fragments);
        QVERIFY2(c.agree(), qPrintable(c.differences.join("; ")));
        for (const auto& [language, text] : fragments)
            for (const auto& [other, otherText] : fragments)
                if (other != language) {
                    bool rejected = false;
                    try {
                        ck::run(other, text);
                    } catch (const ck::CheckError&) {
                        rejected = true;
                    }
                    QVERIFY2(rejected,
                             qPrintable(ck::languageName(language) + " text is also valid " +
                                        ck::languageName(other)));
                }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2007::listingFault_data() {
    QTest::addColumn<int>("listing");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(listings[i].name) << i;
}

// Each С1 listing fails exactly where the missing condition matters, its
// superfluous part changes nothing, and the fix makes it right.
void TestT2007::listingFault() {
    QFETCH(int, listing);
    const Listing& l = listings[listing];
    try {
        const QString source = fieldText(task("С1"), l.name);
        const QString pruned = withoutLines(source, l.superfluous);
        QVERIFY(source.contains(l.written));
        const QString fixed = QString(source).replace(l.written, l.fixed);
        int wrong = 0;
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= 6; ++b)
                for (int c = 1; c <= 6; ++c) {
                    const QString right = triangle(a, b, c) ? "можно" : "нельзя";
                    const QString shown = printed(l.language, source, a, b, c);
                    QVERIFY(shown == "можно" || shown == "нельзя");
                    if (shown != right) {
                        ++wrong;
                        QVERIFY2(c >= a + b, qPrintable(QString("wrong for %1 %2 %3, not a "
                                                                "fault of the missing check")
                                                            .arg(a)
                                                            .arg(b)
                                                            .arg(c)));
                    }
                    QCOMPARE(printed(l.language, pruned, a, b, c), shown);
                    QCOMPARE(printed(l.language, fixed, a, b, c), right);
                }
        QVERIFY(wrong > 0);
        // The example of the worked solution is one of the failing inputs.
        QCOMPARE(printed(l.language, source, 1, 1, 5), "можно");
        // The superfluous check does decide for a number that is not natural.
        QCOMPARE(printed(l.language, source, 0, 2, 3), "нельзя");
        QCOMPARE(printed(l.language, pruned, 0, 2, 3), "можно");
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2007::partThreeGame() {
    const QString t = wording(task("С3"));
    const int start = int(numberIn(t, R"(кучка из (\d+) камней)"));
    const int goal = int(numberIn(t, R"((\d+) камней или больше)"));
    const std::vector<bool> wins = moverWins(goal, [](qint64 n) {
        return std::vector<qint64>{n + 1, n + 4, n * 2};
    });
    QVERIFY(wins[size_t(start)]); // the first player, Петя, wins
    QStringList winning;
    const QStringList moves = {"один камень", "четыре камня", "удвоить"};
    const int after[] = {start + 1, start + 4, start * 2};
    for (int i = 0; i < 3; ++i)
        if (after[i] >= goal || !wins[size_t(after[i])])
            winning << moves[i];
    QCOMPARE(winning, QStringList{"четыре камня"});
    QVERIFY(task("С3").solution.contains("выигрывает Петя"));
    QVERIFY(task("С3").solution.contains("добавляет четыре камня"));
    QStringList losing;
    for (int n = 1; n < goal; ++n)
        if (!wins[size_t(n)])
            losing << QString::number(n);
    QVERIFY(task("С3").solution.contains(losing.join(", ")));
}

void TestT2007::cutOffStripsAreBlank_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("file");
    QTest::newRow("А11") << "А11"
                         << "t2007/a11.jpg";
    QTest::newRow("А12") << "А12"
                         << "t2007/a12.jpg";
    QTest::newRow("А16") << "А16"
                         << "t2007/a16.jpg";
}

// A JPEG larger than its rectangle loses only blank margin, and what the
// rectangle shows has ink.
void TestT2007::cutOffStripsAreBlank() {
    QFETCH(QString, id);
    QFETCH(QString, file);
    const auto pictures = elements(task(id), Kind::Picture);
    QCOMPARE(pictures.size(), size_t(1));
    const Element& e = *pictures.front();
    QCOMPARE(e.picture, file);
    const QImage image(":/pictures/" + file);
    QCOMPARE(image.size(), e.stored);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool dark = qGray(image.pixel(x, y)) < 160;
            if (x >= e.rect.width() || y >= e.rect.height())
                QVERIFY2(!dark, qPrintable(QString("ink cut off at %1, %2").arg(x).arg(y)));
            else
                ink += dark;
        }
    QVERIFY(ink > 100);
}

ZUT_TEST_MAIN(TestT2007)
#include "tst_t2007.moc"
