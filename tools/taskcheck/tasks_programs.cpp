// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks on algorithms: flowcharts, fragments in three languages, the
// executors (a calculator of numbered commands, an editor of a string) and
// strings built by a rule.
#include "bases.h"
#include "codes.h"
#include "error.h"
#include "executor.h"
#include "flowchart.h"
#include "interpret.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "taskshared.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace zut::check {

namespace {

// A picture's flowchart in the list form the flowchart solver reads.
QVariantList flowList(const QVariantList& steps) {
    QVariantList out;
    for (const QVariant& s : steps) {
        const QVariantMap m = s.toMap();
        if (m.contains("start"))
            out << QString("начало");
        else if (m.contains("end"))
            out << QString("конец");
        else if (m.contains("do"))
            out << m["do"].toString();
        else if (m.contains("input"))
            out << "ввод " + m["input"].toString();
        else if (m.contains("output"))
            out << "вывод " + m["output"].toString();
        else if (m.contains("if"))
            out << QVariant(QVariantList{"если " + m["if"].toString(), flowList(m["then"].toList()),
                                         flowList(m["else"].toList())});
        else if (m.contains("while"))
            out << QVariant(
                QVariantList{"пока " + m["while"].toString(), flowList(m["body"].toList())});
        else
            throw CheckError("a flowchart step of no known kind");
    }
    return out;
}

FlowchartRun flowchartRun(const Task& t) {
    return runFlowchart(flowchartFromList(flowList(t.drawn()["flowchart"].toList())));
}

// A slip in the picture's flowchart: `change` gets the chart in the list
// form and the place of its one loop at the top level and returns the
// chart as the slip runs it; the value that leaves in `variable`.
QString flowchartSlip(const Task& t,
                      const std::function<QVariantList(QVariantList, qsizetype)>& change) {
    const QVariantList chart = flowList(t.drawn()["flowchart"].toList());
    std::vector<qsizetype> loops;
    for (qsizetype i = 0; i < chart.size(); ++i)
        if (chart[i].toList().value(0).toString().startsWith("пока "))
            loops.push_back(i);
    if (loops.size() != 1)
        t.fail("not one loop at the top of the flowchart");
    const QVariantList slipped = change(chart, loops.front());
    if (slipped == chart)
        t.fail("the slip changes nothing in the flowchart");
    const FlowchartRun run = runFlowchart(flowchartFromList(slipped));
    const auto v = run.variables.find(t.text("variable"));
    if (v == run.variables.end())
        t.fail("the flowchart leaves no " + t.text("variable"));
    return QString::number(v->second);
}

// "x = 79, y = 78": each name with its value.
std::map<QString, qint64> assignments(const QString& text) {
    std::map<QString, qint64> values;
    static const QRegularExpression pair(R"((\w+) = ([−-]?\d+))",
                                         QRegularExpression::UseUnicodePropertiesOption);
    for (const auto& m : pair.globalMatch(text))
        values[m.captured(1)] = number(m.captured(2));
    if (values.empty())
        throw CheckError("no values in " + text);
    return values;
}

// An algorithm on a string, written in one of two sets of words: нач …
// кон with loops "нц пока" … "кц" and branches "если" … "все", or НАЧАЛО …
// КОНЕЦ with ПОКА … КОНЕЦ ПОКА and ЕСЛИ … КОНЕЦ ЕСЛИ; a branch is "то" and
// one command, "иначе" and one command optional. The conditions and
// commands are the executor's own.
class StringAlgorithm {
public:
    StringAlgorithm(const Task& t, const QString& algorithm)
        : t_(t) {
        for (const QString& l : algorithm.split('\n'))
            if (!l.trimmed().isEmpty())
                lines_ << l.trimmed();
        upper_ = lines_.value(0) == "НАЧАЛО";
        if (lines_.size() < 2 || lines_.front() != word("нач", "НАЧАЛО") ||
            lines_.back() != word("кон", "КОНЕЦ"))
            t.fail("the algorithm is not framed by нач and кон or НАЧАЛО and КОНЕЦ");
    }
    virtual ~StringAlgorithm() = default;
    QString run(const QString& start) {
        s_ = start;
        block(1, lines_.size() - 1);
        return s_;
    }

protected:
    virtual bool holds(const QString& condition) const = 0;
    virtual void command(const QString& c) = 0;

    const Task& t_;
    QString s_;

private:
    QString word(const char* lower, const char* upper) const {
        return QString::fromUtf8(upper_ ? upper : lower);
    }
    // The line that closes the construct opened on line `from`.
    qsizetype closing(qsizetype from, const QString& open, const QString& close) const {
        int depth = 0;
        for (qsizetype i = from; i < lines_.size(); ++i) {
            if (lines_[i].startsWith(open + " "))
                ++depth;
            else if (lines_[i] == close && --depth == 0)
                return i;
        }
        t_.fail("no " + close + " for " + lines_[from]);
    }
    // Runs the lines [from, to).
    void block(qsizetype from, qsizetype to) {
        const QString loop = word("нц пока ", "ПОКА "), branch = word("если ", "ЕСЛИ "),
                      then = word("то ", "ТО "), otherwise = word("иначе ", "ИНАЧЕ ");
        for (qsizetype i = from; i < to; ++i) {
            const QString& l = lines_[i];
            if (l.startsWith(loop)) {
                const qsizetype end =
                    upper_ ? closing(i, "ПОКА", "КОНЕЦ ПОКА") : closing(i, "нц", "кц");
                while (holds(l.mid(loop.size()))) {
                    if (++turns_ > 10000)
                        t_.fail("the loop does not end");
                    block(i + 1, end);
                }
                i = end;
            } else if (l.startsWith(branch)) {
                const qsizetype end = closing(i, branch.trimmed(), word("все", "КОНЕЦ ЕСЛИ"));
                const bool two = end == i + 3 && lines_[i + 2].startsWith(otherwise);
                if (!lines_[i + 1].startsWith(then) || (end != i + 2 && !two))
                    t_.fail("a branch is not one command: " + l);
                if (holds(l.mid(branch.size())))
                    command(lines_[i + 1].mid(then.size()));
                else if (two)
                    command(lines_[i + 2].mid(otherwise.size()));
                i = end;
            } else {
                command(l);
            }
        }
    }

    QStringList lines_;
    bool upper_ = false;
    int turns_ = 0;
};

// The editor of a string of letters: the commands в_конец(k) and удали(k),
// the conditions "длина нечётна", "длина чётна", "длина > n", "длина < n".
class Editor : public StringAlgorithm {
public:
    using StringAlgorithm::StringAlgorithm;

private:
    bool holds(const QString& c) const override {
        if (c == "длина нечётна" || c == "длина чётна")
            return (s_.size() % 2 == 1) == (c == "длина нечётна");
        static const QRegularExpression compare(R"(^длина ([<>]) (\d+)$)");
        const auto m = compare.match(c);
        if (!m.hasMatch())
            t_.fail("an unknown condition: " + c);
        const qint64 n = m.captured(2).toLongLong();
        return m.captured(1) == ">" ? s_.size() > n : s_.size() < n;
    }
    void command(const QString& c) override {
        static const QRegularExpression form(R"(^(в_конец|удали)\(([^()]+)\)$)");
        const auto m = form.match(c);
        if (!m.hasMatch())
            t_.fail("an unknown command: " + c);
        const qint64 k = m.captured(2) == "длина" ? s_.size() : number(m.captured(2));
        if (k < 1 || k > s_.size())
            t_.fail("no letter " + QString::number(k) + " in " + s_);
        const QChar letter = s_[k - 1];
        s_.remove(k - 1, 1);
        if (m.captured(1) == "в_конец")
            s_ += letter;
    }
};

// The editor's algorithm (the task's field that starts with нач), its lines
// trimmed, changed by `slip` as a student who makes it would read it, run
// on `start`.
QString editorSlip(const Task& t, const std::function<QStringList(QStringList)>& slip) {
    for (const zut::FieldElement* f : t.all<zut::FieldElement>())
        if (f->text.trimmed().startsWith("нач")) {
            QStringList lines;
            for (const QString& l : f->text.split('\n'))
                if (!l.trimmed().isEmpty())
                    lines << l.trimmed();
            return Editor(t, slip(lines).join('\n')).run(t.text("start"));
        }
    t.fail("no algorithm");
}

// The editor that replaces the leftmost occurrence of one string by another:
// заменить(v, w); conditions нашлось(v), several joined by "или" or by "и"
// in either case.
class ReplacingEditor : public StringAlgorithm {
public:
    using StringAlgorithm::StringAlgorithm;
    // The replacements made so far (a заменить whose chain is absent makes
    // none).
    qint64 replacements() const { return replacements_; }

private:
    bool holds(const QString& condition) const override {
        static const QRegularExpression joint = unicodePattern(R"( (И|ИЛИ|и|или) )");
        static const QRegularExpression found = unicodePattern(R"(^нашлось\((\w+)\)$)");
        QStringList joints;
        for (const auto& m : joint.globalMatch(condition))
            joints << m.captured(1).toLower();
        joints.removeDuplicates();
        if (joints.size() > 1)
            t_.fail("a condition with both или and и: " + condition);
        const bool all = joints.value(0) == "и";
        bool any = false, every = true;
        for (const QString& part : condition.split(joint)) {
            const auto m = found.match(part);
            if (!m.hasMatch())
                t_.fail("an unknown condition: " + part);
            const bool in = s_.contains(m.captured(1));
            any = any || in;
            every = every && in;
        }
        return all ? every : any;
    }
    void command(const QString& c) override {
        static const QRegularExpression replace = unicodePattern(R"(^заменить\((\w+), (\w*)\)$)");
        const auto m = replace.match(c);
        if (!m.hasMatch())
            t_.fail("an unknown command: " + c);
        if (const qsizetype at = s_.indexOf(m.captured(1)); at >= 0) {
            s_.replace(at, m.captured(1).size(), m.captured(2));
            ++replacements_;
        }
    }

    qint64 replacements_ = 0;
};

// Робот's field, a table whose head names the columns and whose first cell
// of each row names the row; cells marked ■ are walls.
class RobotField {
public:
    RobotField(const Task& t, const QVariantMap& table)
        : t_(t) {
        columns_ = table["head"].toStringList().mid(1);
        const QVariantList rows = table["rows"].toList();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QStringList cells = rows[r].toStringList();
            if (cells.size() != columns_.size() + 1)
                t.fail("a field row of the wrong length");
            rows_ << cells[0];
            for (qsizetype c = 1; c < cells.size(); ++c) {
                if (!cells[c].isEmpty() && cells[c] != "■")
                    t.fail("a field cell is neither free nor a wall: " + cells[c]);
                if (cells[c] == "■")
                    walls_.insert({int(r), int(c - 1)});
            }
        }
    }

    // How a pupil may misread the program: each loop taken as «if» (its
    // command done at most once); left and right swapped; up and down swapped.
    enum class Misreading { None, LoopAsIf, LeftRightSwapped, UpDownSwapped };

    // The cell where Робот stops after `program` (НАЧАЛО … КОНЕЦ, moves and
    // loops "ПОКА < справа свободно > вправо") from `start`, read as `misreading`
    // says; fails where it breaks against a wall or the edge.
    QString run(const QString& start, const QStringList& program,
                Misreading misreading = Misreading::None) const {
        static const std::map<QString, std::pair<int, int>> moves = {
            {"вверх", {-1, 0}}, {"вниз", {1, 0}}, {"влево", {0, -1}}, {"вправо", {0, 1}}};
        static const std::map<QString, QString> sides = {
            {"сверху", "вверх"}, {"снизу", "вниз"}, {"слева", "влево"}, {"справа", "вправо"}};
        static const QRegularExpression loop(R"(^ПОКА < (\S+) свободно > (\S+)$)");
        const auto move = [&](const QString& word) {
            static const std::map<QString, QString> leftRight = {{"влево", "вправо"}, {"вправо", "влево"}},
                                                    upDown = {{"вверх", "вниз"}, {"вниз", "вверх"}};
            const auto& swapped = misreading == Misreading::LeftRightSwapped ? leftRight : upDown;
            const bool swaps = misreading == Misreading::LeftRightSwapped ||
                               misreading == Misreading::UpDownSwapped;
            return moves.at(swaps && swapped.contains(word) ? swapped.at(word) : word);
        };
        int c = int(columns_.indexOf(start.left(1)));
        int r = int(rows_.indexOf(start.mid(1)));
        if (!free(r, c))
            t_.fail("Робот starts on no free cell: " + start);
        if (program.value(0) != "НАЧАЛО" || program.value(program.size() - 1) != "КОНЕЦ")
            t_.fail("the program is not framed by НАЧАЛО and КОНЕЦ");
        const auto step = [&](const std::pair<int, int>& d) {
            if (!free(r + d.first, c + d.second))
                t_.fail("Робот breaks at " + columns_[c] + rows_[r]);
            r += d.first;
            c += d.second;
        };
        for (const QString& line : program.mid(1, program.size() - 2)) {
            if (moves.contains(line)) {
                step(move(line));
                continue;
            }
            const auto m = loop.match(line);
            if (!m.hasMatch() || !sides.contains(m.captured(1)) || !moves.contains(m.captured(2)))
                t_.fail("a line Робот does not know: " + line);
            const auto [cr, cc] = move(sides.at(m.captured(1)));
            for (int turns = 0; free(r + cr, c + cc); ++turns) {
                if (turns > 100)
                    t_.fail("a loop does not end");
                step(move(m.captured(2)));
                if (misreading == Misreading::LoopAsIf)
                    break;
            }
        }
        return columns_[c] + rows_[r];
    }

private:
    bool free(int r, int c) const {
        return r >= 0 && c >= 0 && r < rows_.size() && c < columns_.size() &&
               !walls_.contains({r, c});
    }

    const Task& t_;
    QStringList columns_, rows_;
    std::set<std::pair<int, int>> walls_; // (row, column) from 0
};

using Field = std::vector<std::vector<qint64>>;

// The numbers of the picture's table, one vector a row, all rows as long as
// the field `rows` × `columns` the wording gives.
Field numberField(const Task& t) {
    Field f;
    for (const QVariant& r : t.drawn()["table"].toMap()["rows"].toList()) {
        f.emplace_back();
        for (const QString& c : r.toStringList())
            f.back().push_back(number(c));
    }
    if (qint64(f.size()) != t.integer("rows"))
        t.fail("the field has not as many rows as the wording says");
    for (const auto& row : f)
        if (qint64(row.size()) != t.integer("columns"))
            t.fail("a row of the field has not as many cells as the wording says");
    return f;
}

// The Robot from the top-left cell to the bottom-right one: along the
// bottom row right, along the right column down, elsewhere right where
// `right`(the number to the right, the number below) holds, else down. The
// sum of the cells it passes, the first one with it.
qint64 robotWalk(const Field& f, const std::function<bool(qint64, qint64)>& right) {
    const size_t rows = f.size(), columns = f.front().size();
    size_t r = 0, c = 0;
    qint64 sum = f[0][0];
    while (r + 1 < rows || c + 1 < columns) {
        if (r + 1 == rows)
            ++c;
        else if (c + 1 == columns)
            ++r;
        else if (right(f[r][c + 1], f[r + 1][c]))
            ++c;
        else
            ++r;
        sum += f[r][c];
    }
    return sum;
}

// The greatest sum of any way of steps right and down.
qint64 bestWay(const Field& f) {
    const size_t rows = f.size(), columns = f.front().size();
    // best[r * columns + c]: the greatest sum from cell (r, c) on.
    std::vector<qint64> best(rows * columns, 0);
    for (size_t r = rows; r-- > 0;)
        for (size_t c = columns; c-- > 0;) {
            qint64 next = 0;
            if (r + 1 < rows)
                next = best[(r + 1) * columns + c];
            if (c + 1 < columns)
                next = std::max(next, best[r * columns + c + 1]);
            best[r * columns + c] = f[r][c] + next;
        }
    return best.front();
}

// The task's fragment in Pascal as `change` rewrites it, run: a slip the
// student makes, played out. A rewriting that changes nothing is refused.
RunResult runPascalChanged(const Task& t, const std::function<QString(const QString&)>& change) {
    const QString pascal = t.threeFragments()[1];
    const QString changed = change(pascal);
    if (changed == pascal)
        t.fail("the slip changes nothing in the fragment");
    try {
        return run(Language::Pascal, changed);
    } catch (const CheckError& e) {
        t.fail("the fragment as the slip reads it: " + e.message());
    }
}

// "h = 2, m = 15": the task's `variables` with their values in `run`.
QString valuesIn(const Task& t, const RunResult& run) {
    QStringList values;
    for (const QString& v : t.list("variables"))
        values << v + " = " + QString::number(run.integer(v));
    return values.join(", ");
}

// A Pascal fragment's lines: the index of the heading of its last loop
// ("for …"), whose body follows it.
qsizetype lastLoop(const Task& t, const QStringList& lines) {
    for (qsizetype i = lines.size(); i-- > 0;)
        if (lines[i].trimmed().startsWith("for "))
            return i;
    t.fail("the fragment has no loop");
}

} // namespace

void addPrograms(Registry& r) {
    // Slips of the values after a fragment that cuts a number by div and
    // mod: every quotient rounded up ("a div b" read as (a + b − 1) div b);
    // every remainder taken as one subtraction of the divisor ("a mod b"
    // read as a − b); every update of a variable from its own value done
    // one line earlier, before the line above it reads the variable.
    {
        static const QRegularExpression quotient(R"(\b(\w+)\s+div\s+(\w+)\b)");
        static const QRegularExpression remainder(R"(\b(\w+)\s+mod\s+(\w+)\b)");
        r.solvers["programs.valuesRoundedUp"] = [](const Task& t) {
            return valuesIn(t, runPascalChanged(t, [](QString s) {
                                return s.replace(quotient, R"((\1 + \2 - 1) div \2)");
                            }));
        };
        // Every remainder taken as the quotient ("a mod b" read as a div b);
        // a number less its remainder ("n - n mod 9") taken as the number
        // itself, as if the multiple below it divided alike.
        r.solvers["programs.valuesModAsQuotient"] = [](const Task& t) {
            return valuesIn(t, runPascalChanged(t, [](QString s) {
                                return s.replace(remainder, R"(\1 div \2)");
                            }));
        };
        // The quotient taken for the remainder in the first line that takes
        // one, the later remainders right.
        r.solvers["programs.valuesFirstModAsQuotient"] = [](const Task& t) {
            return valuesIn(t, runPascalChanged(t, [](QString s) {
                                const auto m = remainder.match(s);
                                if (m.hasMatch())
                                    s.replace(m.capturedStart(), m.capturedLength(),
                                              m.captured(1) + " div " + m.captured(2));
                                return s;
                            }));
        };
        // The remainder of a smaller number by a greater taken as 0, as if
        // nothing were left ("5 mod 53" read as 0): each "x mod y" times a
        // factor that is 0 where x div y is 0 and 1 elsewhere.
        r.solvers["programs.valuesSmallModZero"] = [](const Task& t) {
            return valuesIn(t, runPascalChanged(t, [](QString s) {
                                return s.replace(
                                    remainder, R"(((\1 mod \2) * (2 * (\1 div \2) div (\1 div \2 + 1))))");
                            }));
        };
        r.solvers["programs.valuesMultipleAsNumber"] = [](const Task& t) {
            return valuesIn(t, runPascalChanged(t, [](QString s) {
                                static const QRegularExpression less(
                                    R"(\b(\w+)\s*-\s*\1\s+mod\s+\w+\b)");
                                return s.replace(less, R"(\1)");
                            }));
        };
        // The addition after a quotient or a remainder done first, as if
        // div and mod came last ("a div k + 1" read as a div (k + 1)).
        r.solvers["programs.valuesAddedToDivisor"] = [](const Task& t) {
            return valuesIn(t, runPascalChanged(t, [](QString s) {
                                static const QRegularExpression added(
                                    R"(\b(div|mod)\s+(\w+)\s*\+\s*(\w+))");
                                return s.replace(added, R"(\1 (\2 + \3))");
                            }));
        };
        // The addition before a quotient done first, left to right, as if
        // div came after it ("y + x div 10" read as (y + x) div 10).
        r.solvers["programs.valuesAddedBeforeQuotient"] = [](const Task& t) {
            return valuesIn(t, runPascalChanged(t, [](QString s) {
                                static const QRegularExpression added(
                                    R"(\b(\w+)\s*\+\s*(\w+)\s+div\s+(\w+)\b)");
                                return s.replace(added, R"((\1 + \2) div \3)");
                            }));
        };
    }
    // Slips of an array element after a fragment whose last loop reads
    // elements it may have changed already: the loop reading a copy made
    // before it; the two terms of each difference in it exchanged.
    r.solvers["programs.elementFromCopy"] = [](const Task& t) {
        const QString array = t.text("array");
        const RunResult whole = runThree(t);
        const auto found = whole.arrays.find(array);
        if (found == whole.arrays.end() || found->second.elements.empty())
            t.fail("the fragment gives no elements to " + array);
        const ArrayValue& before = found->second;
        return QString::number(
            runPascalChanged(t, [&](const QString& s) {
                QStringList lines = s.split('\n');
                const qsizetype loop = lastLoop(t, lines);
                for (qsizetype i = loop + 1; i < lines.size(); ++i) {
                    const qsizetype set = lines[i].indexOf(":=");
                    if (set >= 0)
                        lines[i] = lines[i].left(set) +
                                   lines[i].mid(set).replace(array + "[", "Copy" + array + "[");
                }
                lines.insert(loop, QString("for copyIndex := %1 to %2 do Copy%3[copyIndex] := "
                                           "%3[copyIndex];")
                                       .arg(before.elements.begin()->first)
                                       .arg(before.elements.rbegin()->first)
                                       .arg(array));
                return lines.join('\n');
            }).element(array, t.integer("index")));
    };
    // A slip of an array element: every "+ 1" of the fragment left out.
    // The slip may send other elements off the array (7 * 10 mod 10 is 0),
    // so the last loop, which fills the array asked, runs for the asked
    // index alone, as one works the element out by hand.
    r.solvers["programs.elementWithoutPlusOne"] = [](const Task& t) {
        return QString::number(
            runPascalChanged(t, [&](QString s) {
                static const QRegularExpression plusOne(R"(\s*\+\s*1\b)");
                static const QRegularExpression bounds(R"(:=\s*\S+\s+to\s+\S+\s+do)");
                s.remove(plusOne);
                QStringList lines = s.split('\n');
                QString& loop = lines[lastLoop(t, lines)];
                if (!loop.contains(bounds))
                    t.fail("the last loop has no bounds to narrow");
                loop.replace(bounds, QString(":= %1 to %1 do").arg(t.integer("index")));
                return lines.join('\n');
            }).element(t.text("array"), t.integer("index")));
    };
    r.solvers["programs.elementTermsSwapped"] = [](const Task& t) {
        return QString::number(
            runPascalChanged(t, [&](const QString& s) {
                QStringList lines = s.split('\n');
                for (qsizetype i = lastLoop(t, lines) + 1; i < lines.size(); ++i) {
                    const qsizetype set = lines[i].indexOf(":=");
                    const qsizetype end = lines[i].lastIndexOf(';');
                    if (set < 0)
                        continue;
                    const QString right =
                        lines[i].mid(set + 2, (end < 0 ? lines[i].size() : end) - set - 2);
                    int depth = 0;
                    for (qsizetype k = 0; k < right.size(); ++k) {
                        depth += QString("([").contains(right[k])   ? 1
                                 : QString(")]").contains(right[k]) ? -1
                                                                    : 0;
                        if (depth == 0 && right.mid(k, 3) == " - ") {
                            lines[i] = lines[i].left(set + 2) + " " + right.mid(k + 3).trimmed() +
                                       " - " + right.left(k).trimmed() +
                                       (end < 0 ? QString() : lines[i].mid(end));
                            break;
                        }
                    }
                }
                return lines.join('\n');
            }).element(t.text("array"), t.integer("index")));
    };
    // The values the fragment in three languages leaves in `variables` when
    // every line is read with a slip: « - 1» left out, « + 1» left out.
    const auto valuesMisread = [](const Task& t, const QString& slip) {
        std::vector<QString> f = t.threeFragments();
        for (size_t i = 0; i < f.size(); ++i) {
            const QString was = f[i];
            f[i].remove(slip == "minus" ? " - 1" : " + 1");
            if (f[i] == was)
                t.fail("the slip changes nothing in a fragment");
        }
        const Comparison c = runAll(
            {{Language::Basic, f[0]}, {Language::Pascal, f[1]}, {Language::Algorithmic, f[2]}});
        if (!c.agree())
            t.fail("the three languages disagree: " + c.differences.join("; "));
        QStringList values;
        for (const QString& v : t.list("variables"))
            values << v + " = " + QString::number(c.results[1].integer(v));
        return values.join(", ");
    };
    r.solvers["programs.valuesWithoutMinusOne"] = [=](const Task& t) {
        return valuesMisread(t, "minus");
    };
    r.solvers["programs.valuesWithoutPlusOne"] = [=](const Task& t) {
        return valuesMisread(t, "plus");
    };
    // The option names variables with their values ("x = 79, y = 78"): the
    // same names, the same values as the answer.
    r.readers["values"] = [](const QString& answer, const QString& o, int, const Task&) {
        return assignments(o) == assignments(answer);
    };
    // The one value the picture's flowchart prints.
    r.solvers["programs.flowchartOutput"] = [](const Task& t) {
        const FlowchartRun run = flowchartRun(t);
        if (run.output.size() != 1)
            t.fail(QString("the flowchart prints %1 values").arg(run.output.size()));
        return QString::number(run.output.front());
    };
    // The value the flowchart leaves in `variable`.
    r.solvers["programs.flowchartValue"] = [](const Task& t) {
        const FlowchartRun run = flowchartRun(t);
        const auto v = run.variables.find(t.text("variable"));
        if (v == run.variables.end())
            t.fail("the flowchart leaves no " + t.text("variable"));
        return QString::number(v->second);
    };
    // Slips of that value: the blocks of the loop's body run in reverse
    // order; the loop left one pass early.
    r.solvers["programs.flowchartBodyReversed"] = [](const Task& t) {
        return flowchartSlip(t, [](QVariantList chart, qsizetype loop) {
            QVariantList l = chart[loop].toList(), body = l[1].toList();
            std::reverse(body.begin(), body.end());
            l[1] = body;
            chart[loop] = l;
            return chart;
        });
    };
    r.solvers["programs.flowchartOnePassFewer"] = [](const Task& t) {
        return flowchartSlip(t, [&t](QVariantList chart, qsizetype loop) {
            const QVariantList body = chart[loop].toList()[1].toList();
            QVariantList counted = chart, l = chart[loop].toList();
            l[1] = QVariantList(body) << QString("zzpasses := zzpasses + 1");
            counted[loop] = l;
            counted.insert(loop, QString("zzpasses := 0"));
            const qint64 passes =
                runFlowchart(flowchartFromList(counted)).variables.at("zzpasses");
            if (passes < 1)
                t.fail("the loop runs no pass");
            chart.removeAt(loop); // the loop unrolled, a pass fewer
            for (qint64 p = 1; p < passes; ++p)
                for (qsizetype i = body.size() - 1; i >= 0; --i)
                    chart.insert(loop, body[i]);
            return chart;
        });
    };
    // More slips of that value: the yes and no branches of the loop body's
    // conditions swapped; the body's blocks after its condition read as the
    // end of the yes branch (counted only on that way); the body run once
    // more after the loop ends.
    const auto isCondition = [](const QVariant& block) {
        return block.typeId() == QMetaType::QVariantList && block.toList().size() == 3;
    };
    r.solvers["programs.flowchartBranchesSwapped"] = [=](const Task& t) {
        return flowchartSlip(t, [=](QVariantList chart, qsizetype loop) {
            QVariantList l = chart[loop].toList(), body = l[1].toList();
            for (QVariant& b : body)
                if (isCondition(b)) {
                    const QVariantList c = b.toList();
                    b = QVariantList{c[0], c[2], c[1]};
                }
            l[1] = body;
            chart[loop] = l;
            return chart;
        });
    };
    r.solvers["programs.flowchartAfterConditionInYes"] = [=](const Task& t) {
        return flowchartSlip(t, [=, &t](QVariantList chart, qsizetype loop) {
            QVariantList l = chart[loop].toList(), body = l[1].toList();
            qsizetype at = 0;
            while (at < body.size() && !isCondition(body[at]))
                ++at;
            if (at + 1 >= body.size())
                t.fail("no block after a condition in the loop's body");
            QVariantList c = body[at].toList(), yes = c[1].toList();
            yes.append(body.mid(at + 1));
            c[1] = yes;
            body.erase(body.begin() + at + 1, body.end());
            body[at] = c;
            l[1] = body;
            chart[loop] = l;
            return chart;
        });
    };
    r.solvers["programs.flowchartOnePassMore"] = [](const Task& t) {
        return flowchartSlip(t, [](QVariantList chart, qsizetype loop) {
            const QVariantList body = chart[loop].toList()[1].toList();
            for (qsizetype i = body.size() - 1; i >= 0; --i)
                chart.insert(loop + 1, body[i]);
            return chart;
        });
    };
    // Slips of a digit loop: a factor «k * » left out in the body; the
    // body's first block skipped on a pass where the loop variable's last
    // digit is 0; the loop's condition read on that last digit.
    r.solvers["programs.flowchartFactorLeftOut"] = [](const Task& t) {
        return flowchartSlip(t, [](QVariantList chart, qsizetype loop) {
            static const QRegularExpression factor(R"(\b\d+ \* (?=\w))");
            QVariantList l = chart[loop].toList(), body = l[1].toList();
            for (QVariant& b : body)
                if (b.typeId() == QMetaType::QString)
                    b = b.toString().remove(factor);
            l[1] = body;
            chart[loop] = l;
            return chart;
        });
    };
    const auto loopVariable = [](const Task& t, const QVariantList& l) {
        static const QRegularExpression first(R"(^пока (\w+) > 0$)",
                                              QRegularExpression::UseUnicodePropertiesOption);
        const auto m = first.match(l[0].toString());
        if (!m.hasMatch())
            t.fail("the loop's condition is not «пока n > 0»");
        return m.captured(1);
    };
    r.solvers["programs.flowchartZeroDigitSkipped"] = [=](const Task& t) {
        return flowchartSlip(t, [&](QVariantList chart, qsizetype loop) {
            QVariantList l = chart[loop].toList(), body = l[1].toList();
            body[0] = QVariantList{"если " + loopVariable(t, l) + " mod 10 > 0",
                                   QVariantList{body[0]}, QVariantList{}};
            l[1] = body;
            chart[loop] = l;
            return chart;
        });
    };
    r.solvers["programs.flowchartConditionOnLastDigit"] = [=](const Task& t) {
        return flowchartSlip(t, [&](QVariantList chart, qsizetype loop) {
            QVariantList l = chart[loop].toList();
            l[0] = "пока " + loopVariable(t, l) + " mod 10 > 0";
            chart[loop] = l;
            return chart;
        });
    };
    // The values the fragment in three languages leaves in `variables`.
    r.solvers["programs.values"] = [](const Task& t) {
        const RunResult run = runThree(t);
        QStringList values;
        for (const QString& v : t.list("variables"))
            values << v + " = " + QString::number(run.integer(v));
        return values.join(", ");
    };
    // The element `index` of the array `array` the fragment leaves.
    r.solvers["programs.element"] = [](const Task& t) {
        return QString::number(runThree(t).element(t.text("array"), t.integer("index")));
    };
    // The string the editor's algorithm (the task's field that starts with
    // нач) leaves of `start`.
    r.solvers["programs.editor"] = [](const Task& t) {
        for (const zut::FieldElement* f : t.all<zut::FieldElement>())
            if (f->text.trimmed().startsWith("нач"))
                return Editor(t, f->text).run(t.text("start"));
        t.fail("no algorithm");
    };
    // A slip: the commands of "то" and "иначе" swapped in every branch.
    r.solvers["programs.editorBranchesSwapped"] = [](const Task& t) {
        return editorSlip(t, [&t](QStringList lines) {
            bool swapped = false;
            for (qsizetype i = 0; i + 1 < lines.size(); ++i)
                if (lines[i].startsWith("то ") && lines[i + 1].startsWith("иначе ")) {
                    const QString then = lines[i].mid(3), otherwise = lines[i + 1].mid(6);
                    lines[i] = "то " + otherwise;
                    lines[i + 1] = "иначе " + then;
                    swapped = true;
                }
            if (!swapped)
                t.fail("no branch with то and иначе");
            return lines;
        });
    };
    // A slip: the statements of each "нц пока" loop's body (a command, or a
    // branch from если to все) run in reverse order.
    r.solvers["programs.editorBodyReversed"] = [](const Task& t) {
        return editorSlip(t, [&t](QStringList lines) {
            bool reversed = false;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (!lines[i].startsWith("нц пока "))
                    continue;
                std::vector<QStringList> body;
                qsizetype j = i + 1;
                for (; j < lines.size() && lines[j] != "кц"; ++j) {
                    if (lines[j].startsWith("нц "))
                        t.fail("a loop within a loop");
                    if (lines[j].startsWith("если ")) {
                        body.push_back({});
                        for (; j < lines.size() && lines[j] != "все"; ++j)
                            body.back() << lines[j];
                        if (j == lines.size())
                            t.fail("no все for a branch");
                        body.back() << lines[j];
                    } else {
                        body.push_back({lines[j]});
                    }
                }
                if (body.size() < 2)
                    t.fail("a loop body of one statement has no order to turn");
                QStringList turned;
                for (auto b = body.rbegin(); b != body.rend(); ++b)
                    turned << *b;
                for (qsizetype k = 0; k < turned.size(); ++k)
                    lines[i + 1 + k] = turned[k];
                reversed = true;
                i = j;
            }
            if (!reversed)
                t.fail("no нц пока loop");
            return lines;
        });
    };
    // A number shifter: command 1 adds one, command 2 moves the last digit
    // to the front (refused on a last digit 0). The one program of at most
    // `most` commands from `from` to `to`; `example` must turn
    // `exampleFrom` into `exampleTo`.
    r.solvers["programs.digitShifter"] = [](const Task& t) {
        const auto run = [](qint64 n, const QString& program) -> std::optional<qint64> {
            for (const QChar c : program) {
                if (c == '1') {
                    ++n;
                } else {
                    if (n % 10 == 0)
                        return std::nullopt;
                    const QString digits = QString::number(n);
                    n = (digits.right(1) + digits.left(digits.size() - 1)).toLongLong();
                }
            }
            return n;
        };
        if (run(t.integer("exampleFrom"), t.text("example")) != t.integer("exampleTo"))
            t.fail("the example program does not do what the wording says");
        const qint64 from = t.integer("from"), to = t.integer("to");
        QStringList found;
        std::vector<QString> level = {QString()};
        for (int length = 1; length <= int(countGiven(t, "most")); ++length) {
            std::vector<QString> next;
            for (const QString& p : level)
                for (const char* c : {"1", "2"})
                    next.push_back(p + c);
            for (const QString& p : next)
                if (run(from, p) == to)
                    found << p;
            level = next;
        }
        if (found.size() != 1)
            t.fail(QString("%1 programs: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // A row of cards, a letter a card: command k takes the card at place
    // `from` k (an ordinal word: "первую") and puts it at place `to`
    // ("третье"), the cards between moving one place up. The one program of
    // at most `most` commands that turns the row `start` into `target`; the
    // example `example` must turn `exampleRows.1` into each next row in
    // turn.
    r.solvers["programs.cardMoves"] = [](const Task& t) {
        const QString start = t.text("start");
        const qsizetype to = numeral(t.text("to"));
        std::vector<qsizetype> from;
        for (const QString& f : t.list("from"))
            from.push_back(numeral(f));
        if (to > start.size() ||
            std::any_of(from.begin(), from.end(), [&](qsizetype p) { return p > start.size(); }))
            t.fail("a command names a place beyond the row");
        const auto run = [&](QString row, const QString& program) {
            for (const QChar c : program) {
                const int k = c.digitValue();
                if (k < 1 || size_t(k) > from.size())
                    t.fail("no command " + QString(c));
                const QChar card = row[from[size_t(k - 1)] - 1];
                row.remove(from[size_t(k - 1)] - 1, 1);
                row.insert(to - 1, card);
            }
            return row;
        };
        const QString example = t.text("example");
        const QStringList shown = t.list("exampleRows");
        if (shown.size() != example.size() + 1)
            t.fail("the example does not show a row after each command");
        for (qsizetype i = 0; i < example.size(); ++i)
            if (shown[i].size() != start.size() || run(shown[i], example.mid(i, 1)) != shown[i + 1])
                t.fail(QString("the example's row %1 does not follow").arg(i + 2));
        QStringList found;
        QStringList level = {QString()};
        for (int length = 1; length <= int(countGiven(t, "most")); ++length) {
            QStringList next;
            for (const QString& p : level)
                for (size_t k = 1; k <= from.size(); ++k)
                    next << p + QString::number(k);
            for (const QString& p : next)
                if (run(start, p) == t.text("target"))
                    found << p;
            level = next;
        }
        if (found.size() != 1)
            t.fail(QString("%1 programs: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // The one program of at most `most` (in digits or a word: "пяти") of the
    // executor's `commands` that turns `from` into `to`; the example,
    // `example` turning `exampleFrom` into `exampleTo`, must do so.
    r.solvers["programs.commands"] = [](const Task& t) {
        QStringList numbered;
        const QStringList commands = t.list("commands");
        for (qsizetype i = 0; i < commands.size(); ++i)
            numbered << QString("%1: %2").arg(i + 1).arg(commands[i]);
        const QStringList parsed = parseCommands(numbered.join("; "));
        if (t.has("example") && runCommands(parsed, t.integer("exampleFrom"), t.text("example")) !=
                                    t.integer("exampleTo"))
            t.fail("the example program does not do what the wording says");
        const QStringList programs =
            programsFor(parsed, t.integer("from"), t.integer("to"), int(countGiven(t, "most")));
        if (programs.size() != 1)
            t.fail(QString("%1 programs: %2").arg(programs.size()).arg(programs.join(' ')));
        return programs.front();
    };
    // Chains of digits, each the one before twice, its own number, and the
    // one before twice again, the first `chains.1`: the count of digits
    // other than `digit` in the chain `which` (an ordinal word). The chains
    // shown must follow the rule.
    r.solvers["programs.chainDigits"] = [](const Task& t) {
        static const QString rule = "{s}{s}{n}{s}{s}";
        const QStringList shown = t.list("chains");
        for (qsizetype n = 2; n <= shown.size(); ++n)
            if (buildString(shown[0], rule, int(n)) != shown[n - 1])
                t.fail(QString("chain %1 does not follow the rule").arg(n));
        const int n = numeral(t.text("which"));
        const QChar digit = t.text("digit").front();
        return QString::number(builtLength(shown[0], rule, n) -
                               builtCount(shown[0], rule, n, digit));
    };
    // Кузнечик on the points 0 … `length` of a segment: command 1 jumps
    // `forward` points on, command 2 `back` points back; no jump may leave
    // the segment or land on a point of `forbidden`. The one program of at
    // most `most` commands from `from` to `to`; the example, `example` from
    // `exampleFrom` to `exampleTo`, must be allowed and do so.
    r.solvers["programs.grasshopper"] = [](const Task& t) {
        const qint64 forward = t.integer("forward"), back = t.integer("back"),
                     length = t.integer("length");
        std::set<qint64> forbidden;
        for (const QString& p : t.list("forbidden"))
            forbidden.insert(number(p));
        // Where the program leaves Кузнечик from `x`, or −1 where it may not run.
        const auto run = [&](qint64 x, const QString& program) -> qint64 {
            if (forbidden.contains(x))
                return -1;
            for (QChar c : program) {
                x += c == '1' ? forward : -back;
                if (x < 0 || x > length || forbidden.contains(x))
                    return -1;
            }
            return x;
        };
        if (t.has("example") &&
            run(t.integer("exampleFrom"), t.text("example")) != t.integer("exampleTo"))
            t.fail("the example program does not do what the wording says");
        const int most = int(countGiven(t, "most"));
        QStringList programs;
        for (int n = 1; n <= most; ++n)
            for (int bits = 0; bits < (1 << n); ++bits) {
                QString program;
                for (int i = n - 1; i >= 0; --i)
                    program += (bits >> i & 1) ? '2' : '1';
                if (run(t.integer("from"), program) == t.integer("to"))
                    programs << program;
            }
        if (programs.size() != 1)
            t.fail(QString("%1 programs: %2").arg(programs.size()).arg(programs.join(' ')));
        return programs.front();
    };
    // Chains of the digits 1, 2, 3, each the one before with every digit
    // replaced at once by its group (`rules`: "1 → 12"), the first
    // `chains.1`: how many times `digit` stands in the chain `which` (an
    // ordinal word). The chains shown must follow the rule.
    r.solvers["programs.substitutionCount"] = [](const Task& t) {
        std::map<QChar, QString> group;
        for (const QString& rule : t.list("rules")) {
            const QStringList sides = rule.split(QString::fromUtf8(" → "));
            if (sides.size() != 2 || sides[0].size() != 1 || sides[1].isEmpty())
                t.fail("not a rule: " + rule);
            group[sides[0].front()] = sides[1];
        }
        const auto replaced = [&](const QString& chain) {
            QString next;
            for (QChar c : chain) {
                if (!group.contains(c))
                    t.fail(QString("no rule for %1").arg(c));
                next += group.at(c);
            }
            return next;
        };
        const QStringList shown = t.list("chains");
        for (qsizetype n = 1; n < shown.size(); ++n)
            if (replaced(shown[n - 1]) != shown[n])
                t.fail(QString("chain %1 does not follow the rule").arg(n + 1));
        std::map<QChar, qint64> count;
        for (QChar c : shown.front())
            ++count[c];
        for (int n = numeral(t.text("which")); n > 1; --n) {
            std::map<QChar, qint64> next;
            for (const auto& [c, k] : count)
                for (QChar d : replaced(QString(c)))
                    next[d] += k;
            count = next;
        }
        return QString::number(count[t.text("digit").front()]);
    };
    // The cell where Робот, starting in `start`, stops after the program
    // (the field that starts with НАЧАЛО) on the field the picture draws.
    // Its slips: each loop taken as «if», left and right swapped, up and down
    // swapped (the program read the same way throughout).
    {
        using M = RobotField::Misreading;
        const auto robotRun = [](const Task& t, M misreading) {
            const RobotField field(t, t.drawn()["table"].toMap());
            for (const zut::FieldElement* f : t.all<zut::FieldElement>())
                if (f->text.trimmed().startsWith("НАЧАЛО"))
                    return field.run(t.text("start"), f->text.trimmed().split('\n'), misreading);
            t.fail("no program");
        };
        r.solvers["programs.robotLoopsUntilWall"] = [=](const Task& t) { return robotRun(t, M::None); };
        r.solvers["programs.robotLoopAsIf"] = [=](const Task& t) { return robotRun(t, M::LoopAsIf); };
        r.solvers["programs.robotLeftRightSwapped"] = [=](const Task& t) {
            return robotRun(t, M::LeftRightSwapped);
        };
        r.solvers["programs.robotUpDownSwapped"] = [=](const Task& t) {
            return robotRun(t, M::UpDownSwapped);
        };
    }
    // The value the fragment in three languages leaves in `variable`.
    r.solvers["programs.valueOfOne"] = [](const Task& t) {
        return QString::number(runThree(t).integer(t.text("variable")));
    };
    // Slips of that value, read in the Pascal column: in a body of two
    // statements «s := s + A; n := B» the whole new value B added to the
    // sum instead of A (every value n takes summed); the start value that
    // `variable` is given before the loop left out (the sum begun at 0).
    r.solvers["programs.valueNewValueAdded"] = [](const Task& t) {
        return QString::number(
            runPascalChanged(t, [&t](QString s) {
                static const QRegularExpression body(
                    R"(\bbegin[ \t]*\n[ \t]*(\w+)\s*:=\s*\1\s*\+\s*([^;\n]+?)\s*;[ \t]*\n)"
                    R"([ \t]*(\w+)\s*:=\s*([^;\n]+?)\s*;?[ \t]*\n[ \t]*end\b)");
                const auto m = body.match(s);
                if (!m.hasMatch() || m.captured(1) == m.captured(3))
                    t.fail("no loop body that adds to a sum and then renews another variable");
                return s.replace(m.capturedStart(2), m.capturedLength(2),
                                 "(" + m.captured(4) + ")");
            }).integer(t.text("variable")));
    };
    r.solvers["programs.valueStartLost"] = [](const Task& t) {
        return QString::number(
            runPascalChanged(t, [&t](QString s) {
                const qsizetype loop = s.indexOf(QRegularExpression(R"(\b(for|while|repeat)\b)"));
                const auto start =
                    QRegularExpression("\\b" + t.text("variable") + R"(\s*:=\s*([^;\n]+))")
                        .match(s.left(std::max<qsizetype>(loop, 0)));
                if (loop < 0 || !start.hasMatch())
                    t.fail("no start value before the loop");
                return s.replace(start.capturedStart(1), start.capturedLength(1), "0");
            }).integer(t.text("variable")));
    };
    // More slips of that value, read in the Pascal column: the two
    // statements of a body written on one line («begin» ending the line
    // before, «end» starting the line after) run in the other order; an
    // accumulator of the body, «x := x + …» with x not `variable` and given
    // a start value «x := N» before the loop, taken afresh from its start on
    // every pass («x := N + …»).
    r.solvers["programs.valueLineSwapped"] = [](const Task& t) {
        return QString::number(
            runPascalChanged(t, [&t](QString s) {
                static const QRegularExpression line(
                    R"(\bbegin[ \t]*\n([ \t]*)([^;\n]+?)\s*;[ \t]*([^;\n]+?)\s*(;?)[ \t]*\n([ \t]*)end\b)");
                if (!line.match(s).hasMatch())
                    t.fail("no loop body of two statements on one line");
                return s.replace(line, "begin\n\\1\\3; \\2\\4\n\\5end");
            }).integer(t.text("variable")));
    };
    r.solvers["programs.valueAccumulatorFromStart"] = [](const Task& t) {
        return QString::number(
            runPascalChanged(t, [&t](QString s) {
                static const QRegularExpression step(R"(\b(\w+)\s*:=\s*\1\s*\+)");
                const qsizetype loop = s.indexOf(QRegularExpression(R"(\b(for|while)\b)"));
                if (loop < 0)
                    t.fail("no loop");
                QStringList names;
                for (const auto& m : step.globalMatch(s, loop))
                    if (m.captured(1) != t.text("variable") && !names.contains(m.captured(1)))
                        names << m.captured(1);
                if (names.size() != 1)
                    t.fail(QString("%1 accumulators besides the asked one").arg(names.size()));
                const QString x = names.front();
                const auto start =
                    QRegularExpression("\\b" + x + R"(\s*:=\s*(-?\d+)\s*;)").match(s.left(loop));
                if (!start.hasMatch())
                    t.fail("no start value of " + x + " before the loop");
                return s.left(loop) +
                       s.mid(loop).replace(
                           QRegularExpression("\\b" + x + "\\s*:=\\s*" + x + R"(\s*\+)"),
                           x + " := " + start.captured(1) + " +");
            }).integer(t.text("variable")));
    };
    // One pass more of a counted loop (its upper bound one greater): the
    // value then left in `variable`, read in the fragment's Pascal column.
    r.solvers["programs.valuePassExtra"] = [](const Task& t) {
        static const QRegularExpression upper(R"(\bfor\s+\w+\s*:=\s*-?\d+\s+to\s+(-?\d+)\b)");
        return QString::number(runPascalChanged(t, [&](QString s) {
                                   const auto m = upper.match(s);
                                   if (!m.hasMatch())
                                       t.fail("no counted loop");
                                   return s.replace(m.capturedStart(1), m.capturedLength(1),
                                                    QString::number(m.captured(1).toInt() + 1));
                               }).integer(t.text("variable")));
    };
    // Slips of the value the fragment leaves in `variable`, read in its
    // Pascal column, where whole quotients («a * b div c») are taken: each
    // rounded to the nearest whole instead of down; each exact (every
    // dividend taken 2520 times larger and the result scaled back, so the
    // slip fits values that add and subtract quotients); a product before
    // div with its right factor divided first («a * (b div c)»).
    {
        static const QRegularExpression quotient(R"(((?:\w+\s*\*\s*)*\w+)\s+div\s+(\w+))");
        r.solvers["programs.valueDivRoundedNearest"] = [](const Task& t) {
            return QString::number(runPascalChanged(t, [](QString s) {
                                       return s.replace(quotient, R"((2 * \1 + \2) div (2 * \2))");
                                   }).integer(t.text("variable")));
        };
        r.solvers["programs.valueDivExact"] = [](const Task& t) {
            const qint64 scaled = runPascalChanged(t, [](QString s) {
                                      return s.replace(quotient, R"(\1 * 2520 div \2)");
                                  }).integer(t.text("variable"));
            if (scaled % 2520)
                t.fail("the exact value is no whole number");
            return QString::number(scaled / 2520);
        };
        r.solvers["programs.valueDivRightFirst"] = [](const Task& t) {
            static const QRegularExpression product(R"((\w+)\s*\*\s*(\w+)\s+div\s+(\w+))");
            return QString::number(runPascalChanged(t, [](QString s) {
                                       return s.replace(product, R"(\1 * (\2 div \3))");
                                   }).integer(t.text("variable")));
        };
    }
    // Strings of the `digits` that do not start with `lead` and hold none
    // of the `pairs` of neighbouring digits (in that order): how many have
    // `length` digits (a number word). The strings `good` must obey, the
    // strings `bad` must not, and `shown` must list, length by length, all
    // the strings of each length it shows, in ascending order.
    r.solvers["programs.stringsAvoidingPairs"] = [](const Task& t) {
        const QStringList digits = t.list("digits"), pairs = t.list("pairs");
        const QString lead = t.text("lead");
        QString alphabet;
        for (const QString& d : digits)
            if (d.size() != 1 || alphabet.contains(d))
                t.fail("the digits are not distinct single characters");
            else
                alphabet += d;
        std::sort(alphabet.begin(), alphabet.end());
        for (const QString& p : pairs)
            if (p.size() != 2 || !alphabet.contains(p[0]) || !alphabet.contains(p[1]))
                t.fail("not a pair of the digits: " + p);
        if (lead.size() != 1 || !alphabet.contains(lead))
            t.fail("the leading digit ruled out is not one of the digits");
        const auto obeys = [&](const QString& s) {
            if (s.isEmpty() || s.startsWith(lead))
                return false;
            for (const QChar c : s)
                if (!alphabet.contains(c))
                    return false;
            for (qsizetype i = 0; i + 1 < s.size(); ++i)
                if (pairs.contains(s.mid(i, 2)))
                    return false;
            return true;
        };
        for (const QString& s : t.list("good"))
            if (!obeys(s))
                t.fail("a string said to obey does not: " + s);
        for (const QString& s : t.list("bad"))
            if (obeys(s))
                t.fail("a string said to break the rule obeys it: " + s);
        // Every string of n digits that obeys, in ascending order.
        const std::function<QStringList(int)> all = [&](int n) {
            QStringList out = {""};
            for (int i = 0; i < n; ++i) {
                QStringList longer;
                for (const QString& s : out)
                    for (const QChar c : alphabet)
                        if ((i > 0 || c != lead[0]) && (i == 0 || !pairs.contains(s.right(1) + c)))
                            longer << s + c;
                out = longer;
            }
            return out;
        };
        const QStringList shown = t.list("shown");
        QStringList expected;
        int longest = 0;
        for (const QString& s : shown)
            if (s.size() > longest) {
                if (s.size() > 8)
                    t.fail("a shown string longer than 8 digits");
                longest = int(s.size());
                expected += all(longest);
            }
        if (shown.isEmpty() || shown != expected)
            t.fail("the strings shown are not all the strings of their lengths in order");
        const int n = int(countGiven(t, "length"));
        if (n <= longest || n > 30)
            t.fail("the length asked is shown already or above 30");
        // The count of the strings of i digits by their last digit.
        std::map<QChar, qint64> last;
        for (const QChar c : alphabet)
            last[c] = c == lead[0] ? 0 : 1;
        for (int i = 2; i <= n; ++i) {
            std::map<QChar, qint64> next;
            for (const QChar c : alphabet)
                for (const QChar d : alphabet)
                    if (!pairs.contains(QString(d) + c))
                        next[c] += last[d];
            last = next;
        }
        qint64 count = 0;
        for (const auto& [c, k] : last)
            count += k;
        return QString::number(count);
    };
    // The value the fragment in three languages leaves in `variable`, which
    // each of them prints and nothing else.
    r.solvers["programs.printedValue"] = [](const Task& t) {
        const std::vector<QString> f = t.threeFragments();
        const RunResult pascal = runThree(t);
        const qint64 value = pascal.integer(t.text("variable"));
        for (const RunResult& run :
             {run(Language::Basic, f[0]), pascal, run(Language::Algorithmic, f[2])})
            if (run.printed.size() != 1 || run.printed.front().number() != double(value))
                t.fail("a fragment does not print the value alone");
        return QString::number(value);
    };
    // Slips of the value of `variable` after a fragment that takes whole
    // quotients ("s := s + n div 3"): the remainder taken for each quotient
    // (mod for div); a counted loop one pass short.
    {
        static const QRegularExpression quotient(R"(\b(\w+)\s+div\s+(\w+)\b)");
        r.solvers["programs.printedModForDiv"] = [](const Task& t) {
            return QString::number(runPascalChanged(t, [](QString s) {
                                       return s.replace(quotient, R"(\1 mod \2)");
                                   }).integer(t.text("variable")));
        };
        r.solvers["programs.printedPassShort"] = [](const Task& t) {
            return QString::number(runPascalChanged(t, [](QString s) {
                                       static const QRegularExpression bound(R"(\bto\s+(\d+)\b)");
                                       const auto m = bound.match(s);
                                       if (m.hasMatch())
                                           s.replace(m.capturedStart(1), m.capturedLength(1),
                                                     QString::number(m.captured(1).toInt() - 1));
                                       return s;
                                   }).integer(t.text("variable")));
        };
    }
    // Slips of the value of `variable` after a counted loop whose sign
    // factor flips ("s := s + k * 3 * i - 2; k := -k"): the flip
    // ("k := -k") left out; the factor taken over the whole rest of the
    // term, as if it stood in brackets ("k * (3 * i - 2)").
    r.solvers["programs.printedSignsKept"] = [](const Task& t) {
        return QString::number(runPascalChanged(t, [](QString s) {
                                   static const QRegularExpression flip(R"(\b(\w+)\s*:=\s*-\s*\1\b\s*;?)");
                                   return s.remove(flip);
                               }).integer(t.text("variable")));
    };
    r.solvers["programs.printedSignOnWholeTerm"] = [](const Task& t) {
        return QString::number(runPascalChanged(t, [](QString s) {
                                   static const QRegularExpression sum(
                                       R"((\b(\w+)\s*:=\s*\2\s*\+\s*)(\w+)\s*\*\s*([^;\n]+?)\s*;)");
                                   return s.replace(sum, R"(\1\3 * (\4);)");
                               }).integer(t.text("variable")));
    };
    // Slips of an element of an array filled from an element whose index
    // is computed ("A[i] := A[i div 2] + i mod 2"): the element before read
    // for it (A[i-1]); the added term ("+ i mod 2") left out; the element
    // before the one asked.
    r.solvers["programs.elementPreviousRead"] = [](const Task& t) {
        return QString::number(runPascalChanged(t, [](QString s) {
                                   static const QRegularExpression half(R"(\[\s*(\w+)\s+div\s+\d+\s*\])");
                                   return s.replace(half, R"([\1-1])");
                               }).element(t.text("array"), t.integer("index")));
    };
    r.solvers["programs.elementTermDropped"] = [](const Task& t) {
        return QString::number(runPascalChanged(t, [](QString s) {
                                   static const QRegularExpression term(R"(\s*\+\s*\w+\s+mod\s+\w+)");
                                   return s.remove(term);
                               }).element(t.text("array"), t.integer("index")));
    };
    r.solvers["programs.elementBefore"] = [](const Task& t) {
        return QString::number(runThree(t).element(t.text("array"), t.integer("index") - 1));
    };
    // Slips of an element of an array whose last loop first sets a helper
    // variable ("k := A[i-1] mod i") and then the element from it: every
    // remainder taken as the quotient; the operands of every remainder
    // exchanged (i mod A[i-1]); the helper's value in the pass that sets
    // the element asked given for the element.
    {
        static const QRegularExpression remainder(
            R"((\w+(?:\[[^\]]*\])?)\s+mod\s+(\w+(?:\[[^\]]*\])?))");
        r.solvers["programs.elementModAsQuotient"] = [](const Task& t) {
            return QString::number(runPascalChanged(t, [](QString s) {
                                       return s.replace(remainder, R"(\1 div \2)");
                                   }).element(t.text("array"), t.integer("index")));
        };
        r.solvers["programs.elementModOperandsSwapped"] = [](const Task& t) {
            return QString::number(runPascalChanged(t, [](QString s) {
                                       return s.replace(remainder, R"(\2 mod \1)");
                                   }).element(t.text("array"), t.integer("index")));
        };
        r.solvers["programs.elementHelperOfPass"] = [](const Task& t) {
            static const QRegularExpression bound(R"(\bto\s+\S+\s+do\b)");
            static const QRegularExpression helperSet(R"(^\s*(\w+)\s*:=)");
            // The loop stops after the pass asked; where that is its last
            // pass, the fragment runs as it stands.
            QString helper;
            QStringList lines = t.threeFragments()[1].split('\n');
            const qsizetype loop = lastLoop(t, lines);
            for (qsizetype i = loop + 1; i < lines.size() && helper.isEmpty(); ++i)
                if (const auto m = helperSet.match(lines[i]); m.hasMatch())
                    helper = m.captured(1);
            if (helper.isEmpty() || !lines[loop].contains(bound))
                t.fail("the last loop sets no helper before the element, or has no bound");
            lines[loop].replace(bound, QString("to %1 do").arg(t.integer("index")));
            try {
                return QString::number(run(Language::Pascal, lines.join('\n')).integer(helper));
            } catch (const CheckError& e) {
                t.fail("the fragment cut at the pass asked: " + e.message());
            }
        };
    }
    // Slips of an element of an array whose last loop sets A[i] and then
    // changes the element before it ("A[i-1] := A[i] + i*A[i-1]"): that
    // line left out; its left side read as A[i]; its sum done before its
    // product, left to right ("(A[i] + i)*A[i-1]").
    {
        const auto lineBack = [](const Task& t, const std::function<QString(QString)>& change) {
            const QString array = t.text("array");
            const QRegularExpression back("^\\s*" + QRegularExpression::escape(array) +
                                          R"(\[\s*\w+\s*-\s*1\s*\]\s*:=)");
            return QString::number(runPascalChanged(t, [&](const QString& s) {
                                       QStringList lines = s.split('\n');
                                       bool found = false;
                                       for (qsizetype i = lastLoop(t, lines) + 1; i < lines.size();
                                            ++i)
                                           if (back.match(lines[i]).hasMatch()) {
                                               lines[i] = change(lines[i]);
                                               found = true;
                                           }
                                       if (!found)
                                           t.fail("the loop changes no element before its own");
                                       return lines.join('\n');
                                   }).element(array, t.integer("index")));
        };
        r.solvers["programs.elementLineBackDropped"] = [=](const Task& t) {
            return lineBack(t, [](const QString&) { return QString(); });
        };
        r.solvers["programs.elementLineBackOnOwn"] = [=](const Task& t) {
            return lineBack(t, [](const QString& line) {
                static const QRegularExpression before(R"(\[\s*(\w+)\s*-\s*1\s*\])");
                const qsizetype set = line.indexOf(":=");
                return QString(line.left(set)).replace(before, R"([\1])") + line.mid(set);
            });
        };
        r.solvers["programs.elementLineBackLeftToRight"] = [=](const Task& t) {
            return lineBack(t, [](QString line) {
                static const QRegularExpression sum(
                    R"(:=\s*(\w+(?:\[[^\]]*\])?)\s*\+\s*(\w+(?:\[[^\]]*\])?)\s*\*\s*(\w+(?:\[[^\]]*\])?))");
                return line.replace(sum, R"(:= (\1 + \2) * \3)");
            });
        };
    }
    // Slips of an element of an array whose loop corrects each element by
    // a condition ("if A[i] > 20 then A[i] := A[i] - 27"): the comparison
    // read as not strict (">=" for ">"); the element just computed read as
    // the one before it.
    r.solvers["programs.elementComparisonNotStrict"] = [](const Task& t) {
        return QString::number(runPascalChanged(t, [&](const QString& s) {
                                   QStringList lines = s.split('\n');
                                   for (qsizetype i = lastLoop(t, lines) + 1; i < lines.size(); ++i)
                                       if (lines[i].trimmed().startsWith("if "))
                                           lines[i].replace(" > ", " >= ").replace(" < ", " <= ");
                                   return lines.join('\n');
                               }).element(t.text("array"), t.integer("index")));
    };
    // The element the last loop's pass has just computed (A[i]) read as the
    // one before it (A[i - 1]): in the loop's condition, or on the right of
    // the correction made under it.
    const auto previousRead = [](const Task& t, bool inCondition) {
        return QString::number(runPascalChanged(t, [&](const QString& s) {
                                   static const QRegularExpression loop(R"(^\s*for\s+(\w+)\s*:=)");
                                   QStringList lines = s.split('\n');
                                   const qsizetype at = lastLoop(t, lines);
                                   const auto m = loop.match(lines[at]);
                                   if (!m.hasMatch())
                                       t.fail("the last loop has no variable");
                                   const QString a = t.text("array"), i = m.captured(1);
                                   const QString element = a + "[" + i + "]";
                                   bool read = false;
                                   for (qsizetype k = at + 1; k < lines.size(); ++k) {
                                       QString& line = lines[k];
                                       if (inCondition && line.trimmed().startsWith("if ") &&
                                           line.contains(element)) {
                                           line.replace(element, a + "[" + i + " - 1]");
                                           read = true;
                                       }
                                       const qsizetype set = line.indexOf(":=");
                                       if (!inCondition && k > at + 1 && set > 0 &&
                                           lines[k - 1].trimmed().startsWith("if ") &&
                                           line.indexOf(element, set) > set) {
                                           line = line.left(set) +
                                                  line.mid(set).replace(element,
                                                                        a + "[" + i + " - 1]");
                                           read = true;
                                       }
                                   }
                                   if (!read)
                                       t.fail("no condition or correction on the element just "
                                              "computed");
                                   return lines.join('\n');
                               }).element(t.text("array"), t.integer("index")));
    };
    r.solvers["programs.elementConditionOnPrevious"] = [=](const Task& t) {
        return previousRead(t, true);
    };
    r.solvers["programs.elementCorrectionFromPrevious"] = [=](const Task& t) {
        return previousRead(t, false);
    };
    // Slips of an element far along an array whose rule repeats it with a
    // period ("A[i] := A[i-1]-A[i-2]+10" repeats every 6): the place in the
    // period counted from the first element the last loop computes, not
    // from A[1]; the period taken one longer, as where the repeat is first
    // seen; the rule's constant ("+10") left out.
    {
        // The smallest period of the elements 1 … `index`, at most half of them.
        const auto period = [](const Task& t, const RunResult& run) {
            const std::vector<qint64> a = run.elements(t.text("array"), 1, t.integer("index"));
            for (size_t p = 1; 2 * p <= a.size(); ++p)
                if (std::equal(a.begin() + qsizetype(p), a.end(), a.begin()))
                    return qint64(p);
            t.fail("the elements do not repeat");
        };
        r.solvers["programs.elementPeriodFromLoopStart"] = [=](const Task& t) {
            const RunResult run = runThree(t);
            const QStringList lines = t.threeFragments()[1].split('\n');
            static const QRegularExpression from(R"(:=\s*(\d+)\s+to\b)");
            const auto m = from.match(lines[lastLoop(t, lines)]);
            if (!m.hasMatch())
                t.fail("the last loop has no first index");
            return QString::number(run.element(
                t.text("array"), m.captured(1).toLongLong() + (t.integer("index") - 1) % period(t, run)));
        };
        r.solvers["programs.elementPeriodOneLonger"] = [=](const Task& t) {
            const RunResult run = runThree(t);
            return QString::number(
                run.element(t.text("array"), (t.integer("index") - 1) % (period(t, run) + 1) + 1));
        };
        r.solvers["programs.elementConstantDropped"] = [](const Task& t) {
            return QString::number(runPascalChanged(t, [&](const QString& s) {
                                       static const QRegularExpression constant(R"(\s*[-+]\s*\d+\s*(;?)\s*$)");
                                       QStringList lines = s.split('\n');
                                       for (qsizetype i = lastLoop(t, lines) + 1; i < lines.size(); ++i)
                                           if (lines[i].contains(":="))
                                               lines[i].replace(constant, R"(\1)");
                                       return lines.join('\n');
                                   }).element(t.text("array"), t.integer("index")));
        };
    }
    // Strings of digits, each the one before followed by its copy with every
    // digit increased by 1, the first `strings.1`: how many digits greater
    // than `above` the string `which` (an ordinal word) holds. The strings
    // shown must follow the rule, and no digit may pass 9.
    r.solvers["programs.plusOneCopyCountAbove"] = [](const Task& t) {
        const QStringList shown = t.list("strings");
        QString s = shown.value(0);
        const int which = numeral(t.text("which"));
        for (int n = 2; n <= std::max<int>(which, int(shown.size())); ++n) {
            QString copy = s;
            for (QChar& c : copy) {
                if (!c.isDigit() || c == '9')
                    t.fail(QString("string %1 holds a digit past 9 or a non-digit").arg(n));
                c = QChar(c.unicode() + 1);
            }
            s += copy;
            if (n <= shown.size() && shown[n - 1] != s)
                t.fail(QString("string %1 does not follow the rule").arg(n));
        }
        const int above = t.integer("above");
        return QString::number(std::count_if(s.begin(), s.end(), [&](QChar c) {
            return c.digitValue() > above;
        }));
    };
    // The letters the ant writes on the picture's field (its columns and
    // rows numbered from 1), whose edges are joined: a step over the right
    // edge comes in at the first column of the same row, over the bottom
    // edge at the first row of the same column, and so back. It starts in
    // column `column`, row `row`; each line of `program` holds moves
    // ("вправо 3") and "запиши" commands separated by ", " or "; ". Refused
    // where no move crosses an edge. Its slips on the same field and
    // program: "Clamped", the ant stopping at the edge; "CrossingStep",
    // each step over an edge taken for two steps (refused where a move ends
    // on such a step); "StartSwapped", the column and row of the start
    // read the other way round.
    {
        enum class Ring { Joined, Clamped, CrossingStep, StartSwapped };
        const auto walk = [](const Task& t, Ring way) {
            const QVariantMap table = t.drawn()["table"].toMap();
            const QStringList head = table["head"].toStringList();
            const QVariantList rows = table["rows"].toList();
            const qint64 width = head.size() - 1, height = rows.size();
            for (qsizetype r = 0; r < rows.size(); ++r) {
                const QStringList line = rows[r].toStringList();
                if (line.size() != head.size() || line[0] != QString::number(r + 1))
                    t.fail("the field's rows are not numbered from 1 down");
                for (qsizetype c = 1; c < line.size(); ++c)
                    if (head[c] != QString::number(c) || line[c].size() != 1)
                        t.fail("the field is not numbered columns of one letter a cell");
            }
            static const std::map<QString, std::pair<int, int>> moves = {
                {"вверх", {0, -1}}, {"вниз", {0, 1}}, {"влево", {-1, 0}}, {"вправо", {1, 0}}};
            static const QRegularExpression move(R"(^(\S+) (\d+)$)");
            static const QRegularExpression separator(R"([,;] )");
            qint64 c = t.integer("column"), row = t.integer("row");
            if (way == Ring::StartSwapped)
                std::swap(c, row);
            if (c < 1 || c > width || row < 1 || row > height)
                t.fail("the start is off the field");
            QString letters;
            int crossed = 0;
            for (const QString& line : t.list("program"))
                for (const QString& command : line.split(separator)) {
                    if (command == "запиши") {
                        letters += rows[row - 1].toStringList()[c];
                        continue;
                    }
                    const auto m = move.match(command);
                    if (!m.hasMatch() || !moves.contains(m.captured(1)))
                        t.fail("a command the ant lacks: " + command);
                    const auto [dc, dr] = moves.at(m.captured(1));
                    for (qint64 left = m.captured(2).toLongLong(); left > 0; --left) {
                        const qint64 nc = c + dc, nr = row + dr;
                        if (nc >= 1 && nc <= width && nr >= 1 && nr <= height) {
                            c = nc, row = nr;
                            continue;
                        }
                        ++crossed;
                        if (way == Ring::Clamped)
                            break;
                        if (way == Ring::CrossingStep && --left == 0)
                            t.fail("a move ends on the step over the edge");
                        c = (nc + width - 1) % width + 1;
                        row = (nr + height - 1) % height + 1;
                    }
                }
            if (crossed == 0)
                t.fail("no move crosses an edge");
            return letters;
        };
        r.solvers["programs.antLettersRing"] = [=](const Task& t) { return walk(t, Ring::Joined); };
        r.solvers["programs.antLettersRingClamped"] = [=](const Task& t) {
            return walk(t, Ring::Clamped);
        };
        r.solvers["programs.antLettersRingCrossingStep"] = [=](const Task& t) {
            return walk(t, Ring::CrossingStep);
        };
        r.solvers["programs.antLettersRingStartSwapped"] = [=](const Task& t) {
            return walk(t, Ring::StartSwapped);
        };
    }
    // The Robot's sum on the picture's field of numbers (`rows` ×
    // `columns`), to the greater of the numbers right and below.
    r.solvers["programs.robotSum"] = [](const Task& t) {
        return QString::number(robotWalk(numberField(t), std::greater<qint64>()));
    };
    // Its slips: the best way's sum instead, the first cell left out, the
    // Robot led to the smaller number.
    r.solvers["programs.robotBestWay"] = [](const Task& t) {
        return QString::number(bestWay(numberField(t)));
    };
    r.solvers["programs.robotFirstCellLeftOut"] = [](const Task& t) {
        const Field f = numberField(t);
        return QString::number(robotWalk(f, std::greater<qint64>()) - f[0][0]);
    };
    r.solvers["programs.robotToSmaller"] = [](const Task& t) {
        return QString::number(robotWalk(numberField(t), std::less<qint64>()));
    };
    // Every program of at most `most` (a word: "пяти") of the executor's
    // `commands` that turns `from` into `to`, in dictionary order, one a
    // line; the example, `example` turning `exampleFrom` into `exampleTo`,
    // must do so.
    r.solvers["programs.everyCommandProgram"] = [](const Task& t) {
        QStringList numbered;
        const QStringList commands = t.list("commands");
        for (qsizetype i = 0; i < commands.size(); ++i)
            numbered << QString("%1: %2").arg(i + 1).arg(commands[i]);
        const QStringList parsed = parseCommands(numbered.join("; "));
        if (runCommands(parsed, t.integer("exampleFrom"), t.text("example")) !=
            t.integer("exampleTo"))
            t.fail("the example program does not do what the wording says");
        QStringList programs =
            programsFor(parsed, t.integer("from"), t.integer("to"), numeral(t.text("most")));
        if (programs.isEmpty())
            t.fail("no program");
        programs.sort();
        return programs.join('\n');
    };
    // Strings of digits, each the one before with the decimal sum of its
    // digits written on its right, the first `chains.1`: the digit at
    // `position` in the string number `which`, a place past the strings
    // shown.
    r.solvers["programs.digitSumAppendedAt"] = [](const Task& t) {
        const auto next = [&t](const QString& s) {
            qint64 sum = 0;
            for (const QChar c : s) {
                if (c.digitValue() < 0)
                    t.fail("a string holds a character that is not a digit");
                sum += c.digitValue();
            }
            return s + QString::number(sum);
        };
        const QStringList shown = t.list("chains");
        for (qsizetype n = 1; n < shown.size(); ++n)
            if (next(shown[n - 1]) != shown[n])
                t.fail(QString("string %1 does not follow the rule").arg(n + 1));
        const qint64 which = t.integer("which"), position = t.integer("position");
        if (position <= shown.back().size())
            t.fail("the position lies in a string shown");
        QString s = shown.back();
        for (qint64 n = shown.size(); n < which && s.size() < position; ++n)
            s = next(s);
        if (position > s.size())
            t.fail("the string is shorter than the position");
        return QString(s[position - 1]);
    };
    // How far from its start the turtle ends after `program` (its lines),
    // in whole steps.
    r.solvers["programs.turtleDistance"] = [](const Task& t) {
        const double d = runPen(t.list("program").join('\n')).distance;
        if (std::abs(d - std::round(d)) > 1e-9)
            t.fail("the distance is not whole");
        return QString::number(std::llround(d));
    };
    // How many replacements that algorithm makes, starting from `start`.
    r.solvers["programs.replacingEditorCount"] = [](const Task& t) {
        for (const zut::FieldElement* f : t.all<zut::FieldElement>())
            if (f->text.trimmed().startsWith("НАЧАЛО")) {
                ReplacingEditor editor(t, f->text);
                editor.run(t.text("start"));
                return QString::number(editor.replacements());
            }
        t.fail("no algorithm");
    };
    // Every string that holds each of `digits` once, in increasing order and
    // numbered from 1, the list beginning as `shown` shows and ending with
    // `last`: the number of the string `word`, which is not among those shown.
    r.solvers["programs.arrangementNumber"] = [](const Task& t) {
        QString digits = t.list("digits").join(QString());
        std::sort(digits.begin(), digits.end());
        if (digits.size() < 2 || digits.size() > 8 ||
            std::adjacent_find(digits.begin(), digits.end()) != digits.end() ||
            std::any_of(digits.begin(), digits.end(), [](QChar c) { return !c.isDigit(); }))
            t.fail("the digits are not two to eight different digits");
        QStringList all;
        do
            all << digits;
        while (std::next_permutation(digits.begin(), digits.end()));
        const QStringList shown = t.list("shown");
        if (shown != all.mid(0, shown.size()))
            t.fail("the strings shown are not the start of the list");
        if (t.text("last") != all.back())
            t.fail("the last string given is not the last of the list");
        const qsizetype at = all.indexOf(t.text("word"));
        if (at < 0)
            t.fail("the string asked is not in the list");
        if (at < shown.size())
            t.fail("the string asked is among those shown");
        return QString::number(at + 1);
    };
    // A pair of numbers and two commands: 1 adds the second number to the
    // first, 2 adds the first to the second. The one program of at most
    // `most` commands that turns the pair `from` into the pair `to` (the
    // example program `example` must turn `exampleFrom` into `exampleTo`).
    r.solvers["programs.pairCommands"] = [](const Task& t) {
        const auto pair = [&t](const QString& name) {
            const QStringList p = t.list(name);
            if (p.size() != 2)
                t.fail(name + " is not a pair of numbers");
            return std::pair<qint64, qint64>{p[0].toLongLong(), p[1].toLongLong()};
        };
        const auto run = [&t](std::pair<qint64, qint64> p, const QString& program) {
            for (QChar c : program) {
                if (c == '1')
                    p.first += p.second;
                else if (c == '2')
                    p.second += p.first;
                else
                    t.fail("a program of commands other than 1 and 2: " + program);
            }
            return p;
        };
        if (t.has("example") && run(pair("exampleFrom"), t.text("example")) != pair("exampleTo"))
            t.fail("the example program does not do what the wording says");
        const auto from = pair("from"), to = pair("to");
        const qint64 most = countGiven(t, "most");
        QStringList found;
        for (qint64 length = 1; length <= most; ++length)
            for (qint64 bits = 0; bits < (qint64(1) << length); ++bits) {
                QString program;
                for (qint64 i = length - 1; i >= 0; --i)
                    program += (bits >> i & 1) ? '2' : '1';
                if (run(from, program) == to)
                    found << program;
            }
        if (found.size() != 1)
            t.fail(QString("%1 programs: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // The natural numbers from 1 to `last` written in a row without blanks,
    // beginning as `shown` shows: how many times the digit `digit` occurs.
    r.solvers["programs.digitInRow"] = [](const Task& t) {
        const qint64 last = t.integer("last");
        const QString digit = t.text("digit");
        if (last < 1 || digit.size() != 1 || !digit.front().isDigit())
            t.fail("no row of numbers or no digit");
        QString row;
        for (qint64 n = 1; n <= last; ++n)
            row += QString::number(n);
        if (t.has("shown") && !row.startsWith(t.text("shown")))
            t.fail("the row does not begin as shown");
        return QString::number(row.count(digit.front()));
    };
    // A word executor over the letters `alphabet`: command 1 replaces every
    // letter by the next one (the last by the first), command 2 writes the
    // first letter in front. The one program of at most `most` commands
    // that turns the word `from` into `to`; the example, `example` turning
    // `exampleFrom` into `exampleTo`, must do so.
    r.solvers["programs.wordCommands"] = [](const Task& t) {
        const QString alphabet = t.text("alphabet");
        const auto step = [&](const QString& w, QChar command) {
            if (command == '2')
                return QString(alphabet.front()) + w;
            QString out;
            for (QChar c : w) {
                const qsizetype i = alphabet.indexOf(c);
                if (i < 0)
                    t.fail(QString("the letter %1 is not in the alphabet").arg(c));
                out += alphabet[(i + 1) % alphabet.size()];
            }
            return out;
        };
        const auto run = [&](QString w, const QString& program) {
            for (QChar c : program)
                w = step(w, c);
            return w;
        };
        if (t.has("example") && run(t.text("exampleFrom"), t.text("example")) != t.text("exampleTo"))
            t.fail("the example program does not do what the wording says");
        const int most = int(countGiven(t, "most"));
        QStringList found;
        std::function<void(const QString&, const QString&)> walk = [&](const QString& w,
                                                                       const QString& program) {
            if (!program.isEmpty() && w == t.text("to"))
                found << program;
            if (program.size() < most)
                for (QChar c : {QChar('1'), QChar('2')})
                    walk(step(w, c), program + c);
        };
        walk(t.text("from"), "");
        if (found.size() != 1)
            t.fail(QString("%1 programs: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };

    // The one command «сместиться на (a, b)» that brings the Чертёжник back
    // to where the program (the task's field that starts with нач) started
    // him: the program's shifts summed through «повтори k [ … ]», nested,
    // and reversed. Its slips: the program's first command, a shift before
    // any repeat, left out; every inner (nested) repeat done once; each
    // outer repeat applied to its first command only, the rest of its body
    // done once.
    enum class Drawer { Back, FirstDropped, InnerOnce, OuterFirstOnly };
    const auto drawerShift = [](const Task& t, Drawer slip) {
        QString program;
        for (const zut::FieldElement* f : t.all<zut::FieldElement>())
            if (f->text.trimmed().startsWith("нач"))
                program = f->text;
        if (program.isEmpty())
            t.fail("no program");
        static const QRegularExpression token(
            R"(сместиться на \(([−-]?\d+), ([−-]?\d+)\)|повтори (\d+) \[|\])");
        std::vector<QRegularExpressionMatch> tokens;
        for (const auto& m : token.globalMatch(program))
            tokens.push_back(m);
        size_t at = 0;
        if (slip == Drawer::FirstDropped) {
            if (tokens.empty() || tokens[0].captured(1).isEmpty())
                t.fail("the program does not start with a shift");
            at = 1;
        }
        const auto whole = [](QString s) { return s.replace(QChar(0x2212), '-').toLongLong(); };
        // The shifts of a sequence up to its closing bracket, at `depth`.
        std::function<std::pair<qint64, qint64>(int)> sequence = [&](int depth) {
            qint64 x = 0, y = 0;
            while (at < tokens.size() && tokens[at].captured(0) != "]") {
                const auto m = tokens[at++];
                if (!m.captured(1).isEmpty()) {
                    x += whole(m.captured(1));
                    y += whole(m.captured(2));
                    continue;
                }
                const qint64 times = m.captured(3).toLongLong();
                const size_t first = at;
                const auto [bx, by] = sequence(depth + 1);
                if (at >= tokens.size())
                    t.fail("a repeat is not closed");
                ++at;
                qint64 k = times;
                if (slip == Drawer::InnerOnce && depth > 0)
                    k = 1;
                if (slip == Drawer::OuterFirstOnly && depth == 0) {
                    if (tokens[first].captured(1).isEmpty())
                        t.fail("the repeat starts with a repeat");
                    x += (times - 1) * whole(tokens[first].captured(1));
                    y += (times - 1) * whole(tokens[first].captured(2));
                    k = 1;
                }
                x += k * bx;
                y += k * by;
            }
            return std::pair{x, y};
        };
        auto [x, y] = sequence(0);
        if (at != tokens.size())
            t.fail("a bracket closes nothing");
        x = -x;
        y = -y;
        const auto shown = [](qint64 v) {
            return v < 0 ? QString(QChar(0x2212)) + QString::number(-v) : QString::number(v);
        };
        // No-break spaces, as the options are written: an option is not torn.
        return QString("сместиться\u00A0на\u00A0(%1,\u00A0%2)").arg(shown(x), shown(y));
    };
    r.solvers["programs.drawerBack"] = [=](const Task& t) { return drawerShift(t, Drawer::Back); };
    r.solvers["programs.drawerFirstDropped"] = [=](const Task& t) {
        return drawerShift(t, Drawer::FirstDropped);
    };
    r.solvers["programs.drawerInnerOnce"] = [=](const Task& t) {
        return drawerShift(t, Drawer::InnerOnce);
    };
    r.solvers["programs.drawerOuterFirstOnly"] = [=](const Task& t) {
        return drawerShift(t, Drawer::OuterFirstOnly);
    };
}

} // namespace zut::check
