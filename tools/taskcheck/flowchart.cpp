// SPDX-License-Identifier: GPL-3.0-or-later
#include "flowchart.h"

#include "error.h"
#include "machine.h"
#include "reader.h"

#include <QStringList>

#include <cmath>

namespace zut::check {

namespace {

using namespace machine;
using reader::Token;

// --- the text and list forms -------------------------------------------

enum class Word { None, Start, End, Input, Output, If, While, Yes, No };

// The keyword a block's text begins with, and the rest of the text.
Word keyword(const QString& line, QString* rest) {
    static const std::vector<std::pair<QString, Word>> words = {
        {QStringLiteral("начало"), Word::Start}, {QStringLiteral("start"), Word::Start},
        {QStringLiteral("конец"), Word::End},    {QStringLiteral("end"), Word::End},
        {QStringLiteral("ввод"), Word::Input},   {QStringLiteral("input"), Word::Input},
        {QStringLiteral("вывод"), Word::Output}, {QStringLiteral("output"), Word::Output},
        {QStringLiteral("если"), Word::If},      {QStringLiteral("if"), Word::If},
        {QStringLiteral("пока"), Word::While},   {QStringLiteral("while"), Word::While},
        {QStringLiteral("да"), Word::Yes},       {QStringLiteral("yes"), Word::Yes},
        {QStringLiteral("нет"), Word::No},       {QStringLiteral("no"), Word::No}};
    const QString t = line.trimmed();
    qsizetype n = 0;
    while (n < t.size() && t[n].isLetter())
        ++n;
    const QString first = t.left(n).toLower();
    for (const auto& [w, kind] : words)
        if (first == w && (n == t.size() || !t[n].isLetterOrNumber())) {
            QString r = t.mid(n).trimmed();
            if (r.startsWith(':') || r.startsWith('.'))
                r = r.mid(1).trimmed();
            *rest = r;
            return kind;
        }
    *rest = t;
    return Word::None;
}

struct Line {
    int indent;
    QString text;
    int number; // in the source, from 1
};

[[noreturn]] void formFail(int line, const QString& what) {
    throw CheckError(QStringLiteral("flowchart, line %1: %2").arg(line).arg(what));
}

Block simpleBlock(Word w, const QString& rest, int line, const QString& whole) {
    Block b;
    b.text = rest;
    switch (w) {
    case Word::Start:
        b.kind = Block::Kind::Start;
        break;
    case Word::End:
        b.kind = Block::Kind::End;
        break;
    case Word::Input:
        b.kind = Block::Kind::Input;
        break;
    case Word::Output:
        b.kind = Block::Kind::Output;
        break;
    case Word::None:
        b.kind = Block::Kind::Assign;
        if (!rest.contains(QLatin1String(":=")) && !rest.contains(QStringLiteral("←")))
            formFail(line, QStringLiteral("'%1' is neither a keyword block nor an assignment")
                               .arg(whole.trimmed()));
        break;
    default:
        formFail(line, QStringLiteral("'%1' stands outside a condition").arg(whole.trimmed()));
    }
    return b;
}

// Reads the blocks at one indentation from lines[k], up to a line indented less.
std::vector<Block> readLevel(const std::vector<Line>& lines, size_t& k, int indent, int depth = 0) {
    if (depth > 100 && k < lines.size())
        formFail(lines[k].number, QStringLiteral("blocks nested too deeply"));
    std::vector<Block> out;
    while (k < lines.size() && lines[k].indent >= indent) {
        const Line& l = lines[k];
        if (l.indent > indent)
            formFail(l.number, QStringLiteral("unexpected indentation"));
        QString rest;
        const Word w = keyword(l.text, &rest);
        ++k;
        const bool hasChildren = k < lines.size() && lines[k].indent > indent;
        const int inner = hasChildren ? lines[k].indent : indent + 1;
        if (w == Word::If || w == Word::While) {
            if (rest.isEmpty())
                formFail(l.number, QStringLiteral("the condition is missing"));
            Block b;
            b.kind = w == Word::If ? Block::Kind::Condition : Block::Kind::Loop;
            b.text = rest;
            if (w == Word::While) {
                b.yes = readLevel(lines, k, inner, depth + 1);
            } else {
                bool sawYes = false, sawNo = false;
                while (k < lines.size() && lines[k].indent == inner && hasChildren) {
                    QString r;
                    const Word branch = keyword(lines[k].text, &r);
                    if ((branch != Word::Yes && branch != Word::No) || !r.isEmpty())
                        formFail(lines[k].number,
                                 QStringLiteral("a condition's branches start with 'да' or 'нет'"));
                    bool& seen = branch == Word::Yes ? sawYes : sawNo;
                    if (seen)
                        formFail(lines[k].number, QStringLiteral("a branch is given twice"));
                    seen = true;
                    ++k;
                    std::vector<Block> blocks;
                    if (k < lines.size() && lines[k].indent > inner)
                        blocks = readLevel(lines, k, lines[k].indent, depth + 1);
                    (branch == Word::Yes ? b.yes : b.no) = std::move(blocks);
                }
            }
            out.push_back(std::move(b));
            continue;
        }
        if (hasChildren)
            formFail(lines[k].number, QStringLiteral("only conditions and loops hold blocks"));
        out.push_back(simpleBlock(w, rest, l.number, l.text));
    }
    return out;
}

[[noreturn]] void listFail(const QString& what) {
    throw CheckError(QStringLiteral("flowchart list: %1").arg(what));
}

std::vector<Block> readList(const QVariantList& list, int depth = 0) {
    if (depth > 100)
        listFail(QStringLiteral("blocks nested too deeply"));
    std::vector<Block> out;
    for (const QVariant& item : list) {
        if (item.typeId() == QMetaType::QString) {
            QString rest;
            const Word w = keyword(item.toString(), &rest);
            if (w == Word::If || w == Word::While)
                listFail(
                    QStringLiteral("'%1' needs its blocks: [\"%1\", [ … ]]").arg(item.toString()));
            out.push_back(simpleBlock(w, rest, 0, item.toString()));
            continue;
        }
        if (item.typeId() != QMetaType::QVariantList)
            listFail(QStringLiteral("an item is neither a string nor a list"));
        const QVariantList parts = item.toList();
        if (parts.isEmpty() || parts[0].typeId() != QMetaType::QString)
            listFail(QStringLiteral("a nested list must start with 'если …' or 'пока …'"));
        QString rest;
        const Word w = keyword(parts[0].toString(), &rest);
        Block b;
        b.text = rest;
        if (w == Word::If) {
            if (parts.size() < 2 || parts.size() > 3)
                listFail(
                    QStringLiteral("'%1' takes a yes list and a no list").arg(parts[0].toString()));
            b.kind = Block::Kind::Condition;
        } else if (w == Word::While) {
            if (parts.size() != 2)
                listFail(QStringLiteral("'%1' takes one list, its body").arg(parts[0].toString()));
            b.kind = Block::Kind::Loop;
        } else {
            listFail(QStringLiteral("'%1' cannot hold blocks").arg(parts[0].toString()));
        }
        if (rest.isEmpty())
            listFail(QStringLiteral("'%1' has no condition").arg(parts[0].toString()));
        for (int k = 1; k < parts.size(); ++k)
            if (parts[k].typeId() != QMetaType::QVariantList)
                listFail(
                    QStringLiteral("the branches of '%1' must be lists").arg(parts[0].toString()));
        b.yes = readList(parts[1].toList(), depth + 1);
        if (parts.size() == 3)
            b.no = readList(parts[2].toList(), depth + 1);
        out.push_back(std::move(b));
    }
    return out;
}

void writeText(const std::vector<Block>& blocks, int depth, QString& out) {
    const QString pad(depth * 2, QLatin1Char(' '));
    auto line = [&](const QString& text) { out += pad + text.trimmed() + QLatin1Char('\n'); };
    for (const Block& b : blocks) {
        switch (b.kind) {
        case Block::Kind::Start:
            line(QStringLiteral("начало ") + b.text);
            break;
        case Block::Kind::End:
            line(QStringLiteral("конец ") + b.text);
            break;
        case Block::Kind::Input:
            line(QStringLiteral("ввод ") + b.text);
            break;
        case Block::Kind::Output:
            line(QStringLiteral("вывод ") + b.text);
            break;
        case Block::Kind::Assign:
            line(b.text);
            break;
        case Block::Kind::Condition:
            line(QStringLiteral("если ") + b.text);
            if (!b.yes.empty()) {
                out += pad + QStringLiteral("  да\n");
                writeText(b.yes, depth + 2, out);
            }
            if (!b.no.empty()) {
                out += pad + QStringLiteral("  нет\n");
                writeText(b.no, depth + 2, out);
            }
            break;
        case Block::Kind::Loop:
            line(QStringLiteral("пока ") + b.text);
            writeText(b.yes, depth + 1, out);
            break;
        }
    }
}

// --- running -------------------------------------------------------------

class BlockReader {
public:
    BlockReader(const QString& text, int number)
        : in(reader::tokenize(text, rules(number, text)), label(number, text))
        , number(number) {}

    std::vector<Stmt> assignments() {
        std::vector<Stmt> out;
        do {
            if (in.atEnd())
                break;
            Stmt s;
            s.kind = Stmt::Kind::Assign;
            s.line = number;
            s.target = variable(name(), number);
            if (!in.acceptSymbol(":=") && !in.acceptSymbol(QStringLiteral("←")))
                in.fail(QStringLiteral("':=' expected, found %1").arg(in.describe(in.peek())));
            s.value = expression();
            out.push_back(std::move(s));
        } while (in.acceptSymbol(";"));
        finish();
        return out;
    }
    std::vector<Expr> names() {
        std::vector<Expr> out;
        do
            out.push_back(variable(name(), number));
        while (in.acceptSymbol(","));
        finish();
        return out;
    }
    std::vector<Expr> expressions() {
        std::vector<Expr> out;
        do
            out.push_back(expression());
        while (in.acceptSymbol(","));
        finish();
        return out;
    }
    Expr condition() {
        Expr e = expression();
        finish();
        return e;
    }

private:
    reader::Cursor in;
    int number;

    static QString label(int number, const QString& text) {
        return QStringLiteral("flowchart, block %1 (%2)").arg(number).arg(text);
    }
    static reader::Rules rules(int number, const QString& text) {
        reader::Rules r;
        r.language = Language::Algorithmic;
        r.label = label(number, text);
        r.symbols = {":=",
                     QStringLiteral("←"),
                     "<=",
                     ">=",
                     "<>",
                     QStringLiteral("≠"),
                     QStringLiteral("≤"),
                     QStringLiteral("≥"),
                     "+",
                     "-",
                     QStringLiteral("−"),
                     "*",
                     QStringLiteral("×"),
                     QStringLiteral("·"),
                     "/",
                     "=",
                     "<",
                     ">",
                     "(",
                     ")",
                     ",",
                     ";"};
        return r;
    }
    static bool reserved(const QString& w) {
        static const QStringList words = {"div", "mod", "и", "или", "не", "and", "or", "not"};
        return words.contains(w.toLower());
    }
    QString name() {
        const QString n = in.expectName(QStringLiteral("a variable"));
        if (reserved(n))
            in.fail(QStringLiteral("'%1' is a reserved word").arg(n));
        return n;
    }
    void finish() {
        if (!in.atEnd())
            in.fail(QStringLiteral("unexpected %1").arg(in.describe(in.peek())));
    }
    bool word(const char* a, const char* b) {
        if (in.peek().kind == Token::Kind::Name &&
            (in.peek().key.toLower() == QString::fromUtf8(a) ||
             in.peek().key.toLower() == QString::fromUtf8(b))) {
            in.take();
            return true;
        }
        return false;
    }
    Expr expression() {
        const reader::Depth guard(in);
        Expr a = conjunction();
        while (word("или", "or"))
            a = binary(Op::Or, std::move(a), conjunction(), number);
        return a;
    }
    Expr conjunction() {
        Expr a = negation();
        while (word("и", "and"))
            a = binary(Op::And, std::move(a), negation(), number);
        return a;
    }
    Expr negation() {
        const reader::Depth guard(in);
        if (word("не", "not"))
            return unary(Op::Not, negation(), number);
        return relation();
    }
    Expr relation() {
        Expr a = additive();
        static const std::vector<std::pair<QString, Op>> rel = {
            {"=", Op::Eq}, {"<>", Op::Ne}, {QStringLiteral("≠"), Op::Ne},
            {"<", Op::Lt}, {"<=", Op::Le}, {QStringLiteral("≤"), Op::Le},
            {">", Op::Gt}, {">=", Op::Ge}, {QStringLiteral("≥"), Op::Ge}};
        for (const auto& [sym, op] : rel)
            if (in.acceptSymbol(sym)) {
                Expr b = additive();
                for (const auto& r : rel)
                    if (in.isSymbol(r.first))
                        in.fail(QStringLiteral("comparisons cannot be chained"));
                return binary(op, std::move(a), std::move(b), number);
            }
        return a;
    }
    Expr additive() {
        Expr a = product();
        for (;;) {
            if (in.acceptSymbol("+"))
                a = binary(Op::Add, std::move(a), product(), number);
            else if (in.acceptSymbol("-") || in.acceptSymbol(QStringLiteral("−")))
                a = binary(Op::Sub, std::move(a), product(), number);
            else
                return a;
        }
    }
    Expr product() {
        Expr a = sign();
        for (;;) {
            if (in.acceptSymbol("*") || in.acceptSymbol(QStringLiteral("×")) ||
                in.acceptSymbol(QStringLiteral("·")))
                a = binary(Op::Mul, std::move(a), sign(), number);
            else if (in.acceptSymbol("/"))
                a = binary(Op::RealDiv, std::move(a), sign(), number);
            else if (word("div", "div"))
                a = binary(Op::DivTrunc, std::move(a), sign(), number);
            else if (word("mod", "mod"))
                a = binary(Op::ModTrunc, std::move(a), sign(), number);
            else
                return a;
        }
    }
    Expr sign() {
        const reader::Depth guard(in);
        if (in.acceptSymbol("-") || in.acceptSymbol(QStringLiteral("−")))
            return unary(Op::Neg, sign(), number);
        return primary();
    }
    Expr primary() {
        const Token t = in.peek();
        if (in.acceptSymbol("(")) {
            Expr e = expression();
            in.expectSymbol(")");
            return e;
        }
        if (t.kind == Token::Kind::Integer) {
            in.take();
            return literal(Value::ofInteger(t.integer), number);
        }
        if (t.kind == Token::Kind::Name && in.isSymbol("(", 1)) {
            const QString f = t.key.toLower();
            in.take();
            in.take();
            Expr a = expression();
            if (f == QLatin1String("abs")) {
                in.expectSymbol(")");
                Expr e;
                e.kind = Expr::Kind::Call;
                e.name = t.text;
                e.builtin = Builtin::Abs;
                e.line = number;
                e.args.push_back(std::move(a));
                measure(e);
                return e;
            }
            if (f != QLatin1String("div") && f != QLatin1String("mod"))
                in.fail(QStringLiteral("unknown function %1").arg(t.text));
            in.expectSymbol(",");
            Expr b = expression();
            in.expectSymbol(")");
            return binary(f == QLatin1String("div") ? Op::DivTrunc : Op::ModTrunc, std::move(a),
                          std::move(b), number);
        }
        if (t.kind == Token::Kind::Name && !reserved(t.key))
            return variable(name(), number);
        in.fail(QStringLiteral("a value expected, found %1").arg(in.describe(t)));
    }
};

class Compiler {
public:
    std::vector<Stmt> compile(const std::vector<Block>& blocks, bool top) {
        std::vector<Stmt> out;
        for (size_t k = 0; k < blocks.size(); ++k) {
            const Block& b = blocks[k];
            const int n = ++count;
            Stmt s;
            s.line = n;
            switch (b.kind) {
            case Block::Kind::Start:
                if (!top || k != 0)
                    throw CheckError(QStringLiteral("flowchart, block %1: 'начало' must be the "
                                                    "first block")
                                         .arg(n));
                break;
            case Block::Kind::End:
                s.kind = Stmt::Kind::Halt;
                break;
            case Block::Kind::Assign:
                s.kind = Stmt::Kind::Block;
                s.body = BlockReader(b.text, n).assignments();
                if (s.body.empty())
                    throw CheckError(
                        QStringLiteral("flowchart, block %1: an empty assignment").arg(n));
                break;
            case Block::Kind::Input:
                s.kind = Stmt::Kind::Input;
                s.targets = BlockReader(b.text, n).names();
                break;
            case Block::Kind::Output:
                s.kind = Stmt::Kind::Print;
                for (Expr& e : BlockReader(b.text, n).expressions()) {
                    PrintItem item;
                    item.value = std::move(e);
                    s.items.push_back(std::move(item));
                }
                break;
            case Block::Kind::Condition:
                s.kind = Stmt::Kind::If;
                s.cond = BlockReader(b.text, n).condition();
                s.body = compile(b.yes, false);
                s.elseBody = compile(b.no, false);
                break;
            case Block::Kind::Loop:
                s.kind = Stmt::Kind::Loop;
                s.hasPre = true;
                s.cond = BlockReader(b.text, n).condition();
                s.body = compile(b.yes, false);
                break;
            }
            out.push_back(std::move(s));
        }
        return out;
    }

private:
    int count = 0;
};

qint64 wholeValue(const Value& v, const QString& what) {
    if (v.type == Value::Type::Integer)
        return v.integer;
    if (v.type == Value::Type::Real && v.real == std::floor(v.real) && std::fabs(v.real) < 9e15)
        return qint64(v.real);
    throw CheckError(
        QStringLiteral("flowchart: %1 is %2, not a whole number").arg(what, v.toString()));
}

} // namespace

Flowchart flowchartFromText(const QString& text) {
    std::vector<Line> lines;
    int number = 0;
    for (QString l : text.split('\n')) {
        ++number;
        l.replace('\t', QStringLiteral("    "));
        if (l.trimmed().isEmpty())
            continue;
        int indent = 0;
        while (indent < l.size() && l[indent] == ' ')
            ++indent;
        lines.push_back({indent, l.trimmed(), number});
    }
    if (lines.empty())
        throw CheckError(QStringLiteral("the flowchart is empty"));
    size_t k = 0;
    Flowchart chart;
    chart.blocks = readLevel(lines, k, lines.front().indent);
    if (k < lines.size())
        formFail(lines[k].number, QStringLiteral("the line is indented less than the first"));
    return chart;
}

Flowchart flowchartFromList(const QVariantList& list) {
    if (list.isEmpty())
        throw CheckError(QStringLiteral("the flowchart is empty"));
    Flowchart chart;
    chart.blocks = readList(list);
    return chart;
}

QString flowchartToText(const Flowchart& chart) {
    QString out;
    writeText(chart.blocks, 0, out);
    return out;
}

FlowchartRun runFlowchart(const Flowchart& chart, const std::vector<qint64>& input,
                          qint64 maxSteps) {
    Program p;
    p.language = Language::Algorithmic;
    p.label = QStringLiteral("flowchart");
    p.lineWord = QStringLiteral("block");
    p.implicitNames = true;
    p.body = Compiler().compile(chart.blocks, true);
    RunOptions o;
    for (qint64 v : input)
        o.input << QString::number(v);
    o.maxSteps = maxSteps;
    const RunResult r = execute(p, o);
    FlowchartRun out;
    for (const auto& [name, v] : r.variables)
        out.variables[name] = wholeValue(v, name);
    for (const Value& v : r.printed)
        out.output.push_back(wholeValue(v, QStringLiteral("an output value")));
    out.steps = r.steps;
    return out;
}

} // namespace zut::check
