// Tasks on algorithms: flowcharts, fragments in three languages, the
// executors (a calculator of numbered commands, an editor of a string) and
// strings built by a rule.
#include "error.h"
#include "executor.h"
#include "flowchart.h"
#include "interpret.h"
#include "strings.h"
#include "taskcheck.h"

#include <QRegularExpression>

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

// The fragment in its three languages, run; the runs must agree.
RunResult runThree(const Task& t) {
    const std::vector<QString> f = t.threeFragments();
    const Comparison c =
        runAll({{Language::Basic, f[0]}, {Language::Pascal, f[1]}, {Language::Algorithmic, f[2]}});
    if (!c.agree())
        t.fail("the three languages disagree: " + c.differences.join("; "));
    return c.results[1];
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

// The editor of a string of letters: its algorithm as the field writes it,
// with "нц пока" … "кц", "если" … "все" of one-command branches "то …"
// and "иначе …", and the commands в_конец(k) and удали(k).
class Editor {
public:
    Editor(const Task& t, const QString& algorithm)
        : t_(t) {
        for (const QString& l : algorithm.split('\n'))
            if (!l.trimmed().isEmpty())
                lines_ << l.trimmed();
        if (lines_.size() < 2 || lines_.front() != "нач" || lines_.back() != "кон")
            t.fail("the algorithm is not framed by нач and кон");
    }
    QString run(const QString& start) {
        s_ = start;
        block(1, lines_.size() - 1);
        return s_;
    }

private:
    bool holds(const QString& c) const {
        if (c == "длина нечётна" || c == "длина чётна")
            return (s_.size() % 2 == 1) == (c == "длина нечётна");
        static const QRegularExpression compare(R"(^длина ([<>]) (\d+)$)");
        const auto m = compare.match(c);
        if (!m.hasMatch())
            t_.fail("an unknown condition: " + c);
        const qint64 n = m.captured(2).toLongLong();
        return m.captured(1) == ">" ? s_.size() > n : s_.size() < n;
    }
    void command(const QString& c) {
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
    // The line that closes the construct opened on line `from`.
    qsizetype closing(qsizetype from, const QString& open, const QString& close) const {
        int depth = 0;
        for (qsizetype i = from; i < lines_.size(); ++i) {
            if (lines_[i].startsWith(open))
                ++depth;
            else if (lines_[i] == close && --depth == 0)
                return i;
        }
        t_.fail("no " + close + " for " + lines_[from]);
    }
    // Runs the lines [from, to).
    void block(qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            const QString& l = lines_[i];
            if (l.startsWith("нц пока ")) {
                const qsizetype end = closing(i, "нц", "кц");
                while (holds(l.mid(8))) {
                    if (++turns_ > 10000)
                        t_.fail("the loop does not end");
                    block(i + 1, end);
                }
                i = end;
            } else if (l.startsWith("если ")) {
                const qsizetype end = closing(i, "если", "все");
                if (end != i + 3 || !lines_[i + 1].startsWith("то ") ||
                    !lines_[i + 2].startsWith("иначе "))
                    t_.fail("a branch is not one command: " + l);
                command(holds(l.mid(5)) ? lines_[i + 1].mid(3) : lines_[i + 2].mid(6));
                i = end;
            } else {
                command(l);
            }
        }
    }

    const Task& t_;
    QStringList lines_;
    QString s_;
    int turns_ = 0;
};

} // namespace

void addPrograms(Registry& r) {
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
        for (const zut::Element* f : t.elements(zut::Element::Kind::Field))
            if (f->text.trimmed().startsWith("нач"))
                return Editor(t, f->text).run(t.text("start"));
        t.fail("no algorithm");
    };
    // The one program of at most `most` of the executor's `commands` that
    // turns `from` into `to`; the example, `example` turning `exampleFrom`
    // into `exampleTo`, must do so.
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
            programsFor(parsed, t.integer("from"), t.integer("to"), int(t.integer("most")));
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
}

} // namespace zut::check
