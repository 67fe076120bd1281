// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine.h"

#include "error.h"
#include "reader.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

namespace zut::check::machine {

Expr literal(const Value& v, int line) {
    Expr e;
    e.kind = Expr::Kind::Literal;
    e.value = v;
    e.line = line;
    return e;
}

Expr variable(const QString& name, int line) {
    Expr e;
    e.kind = Expr::Kind::Variable;
    e.name = name;
    e.line = line;
    return e;
}

namespace {

void limitDepth(Expr& e) {
    for (const Expr& a : e.args)
        e.depth = std::max(e.depth, a.depth + 1);
    if (e.depth > 1000)
        throw CheckError(QStringLiteral("line %1: the expression is too long").arg(e.line));
}

} // namespace

void measure(Expr& e) {
    limitDepth(e);
}

Expr unary(Op op, Expr a, int line) {
    Expr e;
    e.kind = Expr::Kind::Unary;
    e.op = op;
    e.line = line;
    e.args.push_back(std::move(a));
    limitDepth(e);
    return e;
}

Expr binary(Op op, Expr a, Expr b, int line) {
    Expr e;
    e.kind = Expr::Kind::Binary;
    e.op = op;
    e.line = line;
    e.args.push_back(std::move(a));
    e.args.push_back(std::move(b));
    limitDepth(e);
    return e;
}

Expr infixLevel(reader::Cursor& in, std::initializer_list<Infix> ops,
                const std::function<Expr()>& operand) {
    Expr a = operand();
    for (;;) {
        const int line = in.line();
        const auto taken = std::find_if(ops.begin(), ops.end(), [&](const Infix& o) {
            return o.word ? in.acceptWord(o.token) : in.acceptSymbol(o.token);
        });
        if (taken == ops.end())
            return a;
        a = binary(taken->op, std::move(a), operand(), line);
    }
}

namespace {

struct Variable {
    QString name; // as first written
    VarType type = VarType::Implicit;
    bool array = false;
    bool constant = false;
    bool locked = false; // the control variable of a running counted loop
    std::optional<Value> value;
    bool bounded = false;
    qint64 low = 0, high = -1;
    std::map<qint64, Value> elements;
};

enum class Flow { Normal, Break, Continue, Halt };

QString shortest(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15)
        return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

class Machine {
public:
    Machine(const Program& p, const RunOptions& o)
        : prog(p)
        , opt(o)
        , lang(p.language) {}

    RunResult run() {
        const Flow f = exec(prog.body);
        if (f == Flow::Break || f == Flow::Continue)
            fail(0,
                 QStringLiteral("'%1' outside a loop")
                     .arg(f == Flow::Break ? QStringLiteral("break") : QStringLiteral("continue")));
        if (!pending.isEmpty())
            result.output << pending;
        for (const QString& k : order) {
            const Variable& v = vars.at(k);
            if (v.array) {
                ArrayValue a;
                a.low = v.bounded ? v.low : 1;
                a.high = v.bounded ? v.high : 0;
                a.elements = v.elements;
                result.arrays[v.name] = a;
            } else if (v.value) {
                result.variables[v.name] = *v.value;
            }
        }
        result.steps = steps;
        return result;
    }

private:
    const Program& prog;
    const RunOptions& opt;
    Language lang;
    std::map<QString, Variable> vars;
    QStringList order;
    RunResult result;
    QString pending;
    qsizetype inputAt = 0;
    qint64 steps = 0;

    bool caseless() const { return lang == Language::Pascal || lang == Language::Basic; }
    QString key(const QString& name) const { return caseless() ? name.toLower() : name; }

    [[noreturn]] void fail(int line, const QString& what) const {
        const QString label = prog.label.isEmpty() ? languageName(lang) : prog.label;
        throw CheckError(
            line > 0 ? QStringLiteral("%1, %2 %3: %4").arg(label, prog.lineWord).arg(line).arg(what)
                     : QStringLiteral("%1: %2").arg(label, what));
    }

    void tick(int line) {
        if (++steps > opt.maxSteps)
            fail(line, QStringLiteral("the run takes more than %1 steps: does a loop never end?")
                           .arg(opt.maxSteps));
    }

    // --- values -------------------------------------------------------

    qint64 add(qint64 a, qint64 b, int line) const {
        qint64 r = 0;
        if (__builtin_add_overflow(a, b, &r))
            fail(line, QStringLiteral("a whole number grows too large"));
        return r;
    }
    qint64 sub(qint64 a, qint64 b, int line) const {
        qint64 r = 0;
        if (__builtin_sub_overflow(a, b, &r))
            fail(line, QStringLiteral("a whole number grows too large"));
        return r;
    }
    qint64 mul(qint64 a, qint64 b, int line) const {
        qint64 r = 0;
        if (__builtin_mul_overflow(a, b, &r))
            fail(line, QStringLiteral("a whole number grows too large"));
        return r;
    }

    // A truth value used as a number: Basic takes true as −1, C as 1.
    Value numeric(const Value& v, int line) const {
        if (v.isNumber())
            return v;
        if (v.type == Value::Type::Boolean && lang == Language::Basic)
            return Value::ofInteger(v.boolean ? -1 : 0);
        if (v.type == Value::Type::Boolean && lang == Language::C)
            return Value::ofInteger(v.boolean ? 1 : 0);
        fail(line, QStringLiteral("%1 is not a number").arg(describe(v)));
    }
    qint64 whole(const Value& v, int line, const QString& what) const {
        const Value n = numeric(v, line);
        if (n.type != Value::Type::Integer)
            fail(line,
                 QStringLiteral("%1 needs a whole number, not %2").arg(what, shortest(n.real)));
        return n.integer;
    }
    qint64 toWhole(double d, int line) const {
        if (!std::isfinite(d) || std::fabs(d) > 9.2e18)
            fail(line, QStringLiteral("the number %1 is too large to be whole").arg(d));
        return qint64(d);
    }
    qint64 roundEven(const Value& v, int line) const {
        const Value n = numeric(v, line);
        if (n.type == Value::Type::Integer)
            return n.integer;
        const int saved = std::fegetround();
        std::fesetround(FE_TONEAREST);
        const double r = std::nearbyint(n.real);
        std::fesetround(saved);
        return toWhole(r, line);
    }
    bool truth(const Value& v, int line) const {
        if (v.type == Value::Type::Boolean)
            return v.boolean;
        if ((lang == Language::Basic || lang == Language::C) && v.isNumber())
            return v.number() != 0;
        fail(line, QStringLiteral("a condition must be true or false, not %1").arg(describe(v)));
    }
    QString describe(const Value& v) const {
        switch (v.type) {
        case Value::Type::Text:
            return QStringLiteral("the text '%1'").arg(v.text);
        case Value::Type::Boolean:
            return QStringLiteral("the truth value %1").arg(v.toString());
        default:
            return QStringLiteral("the number %1").arg(v.toString());
        }
    }

    Value arithmetic(Op op, const Value& x, const Value& y, int line) const {
        if (op == Op::Add && x.type == Value::Type::Text && y.type == Value::Type::Text)
            return Value::ofText(x.text + y.text);
        const Value a = numeric(x, line), b = numeric(y, line);
        const bool ints = a.type == Value::Type::Integer && b.type == Value::Type::Integer;
        auto zero = [&] { fail(line, QStringLiteral("division by zero")); };
        switch (op) {
        case Op::Add:
            return ints ? Value::ofInteger(add(a.integer, b.integer, line))
                        : Value::ofReal(a.number() + b.number());
        case Op::Sub:
            return ints ? Value::ofInteger(sub(a.integer, b.integer, line))
                        : Value::ofReal(a.number() - b.number());
        case Op::Mul:
            return ints ? Value::ofInteger(mul(a.integer, b.integer, line))
                        : Value::ofReal(a.number() * b.number());
        case Op::RealDiv:
            if (b.number() == 0)
                zero();
            return Value::ofReal(a.number() / b.number());
        case Op::CDiv:
        case Op::DivTrunc:
        case Op::ModTrunc:
        case Op::DivFloor:
        case Op::ModFloor:
        case Op::BasicDiv:
        case Op::BasicMod: {
            if (op == Op::CDiv && !ints) {
                if (b.number() == 0)
                    zero();
                return Value::ofReal(a.number() / b.number());
            }
            const bool basic = op == Op::BasicDiv || op == Op::BasicMod;
            const QString name = op == Op::ModTrunc || op == Op::ModFloor || op == Op::BasicMod
                                     ? QStringLiteral("mod")
                                     : QStringLiteral("div");
            const qint64 p = basic ? roundEven(a, line) : whole(a, line, name);
            const qint64 q = basic ? roundEven(b, line) : whole(b, line, name);
            if (q == 0)
                zero();
            if (q == -1 && p == std::numeric_limits<qint64>::min())
                fail(line, QStringLiteral("a whole number grows too large"));
            qint64 quot = p / q, rem = p % q;
            if ((op == Op::DivFloor || op == Op::ModFloor) && rem != 0 && ((rem < 0) != (q < 0))) {
                quot -= 1;
                rem += q;
            }
            const bool isMod = op == Op::ModTrunc || op == Op::ModFloor || op == Op::BasicMod;
            return Value::ofInteger(isMod ? rem : quot);
        }
        case Op::Pow:
            if (ints && b.integer >= 0) {
                const qint64 base = a.integer, n = b.integer;
                if (base == 0 || base == 1)
                    return Value::ofInteger(n == 0 ? 1 : base);
                if (base == -1)
                    return Value::ofInteger(n % 2 ? -1 : 1);
                qint64 r = 1;
                for (qint64 k = 0; k < n; ++k)
                    r = mul(r, base, line);
                return Value::ofInteger(r);
            }
            if (a.number() == 0 && b.number() < 0)
                zero();
            return Value::ofReal(std::pow(a.number(), b.number()));
        default:
            break;
        }
        fail(line, QStringLiteral("unknown operation"));
    }

    Value compare(Op op, const Value& x, const Value& y, int line) const {
        int c = 0;
        if (x.type == Value::Type::Text && y.type == Value::Type::Text) {
            c = x.text.compare(y.text);
        } else if (x.type == Value::Type::Boolean && y.type == Value::Type::Boolean) {
            c = int(x.boolean) - int(y.boolean);
        } else {
            const Value a = numeric(x, line), b = numeric(y, line);
            if (a.type == Value::Type::Integer && b.type == Value::Type::Integer)
                c = a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
            else
                c = a.number() < b.number() ? -1 : a.number() > b.number() ? 1 : 0;
        }
        switch (op) {
        case Op::Eq:
            return Value::ofBoolean(c == 0);
        case Op::Ne:
            return Value::ofBoolean(c != 0);
        case Op::Lt:
            return Value::ofBoolean(c < 0);
        case Op::Le:
            return Value::ofBoolean(c <= 0);
        case Op::Gt:
            return Value::ofBoolean(c > 0);
        default:
            return Value::ofBoolean(c >= 0);
        }
    }

    Value logical(const Expr& e) {
        const int line = e.line;
        if (e.kind == Expr::Kind::Unary) {
            const Value a = eval(e.args[0]);
            if (lang == Language::C || a.type == Value::Type::Boolean)
                return Value::ofBoolean(!truth(a, line));
            return Value::ofInteger(~whole(a, line, QStringLiteral("not")));
        }
        const Value a = eval(e.args[0]);
        const bool logic = lang == Language::C || a.type == Value::Type::Boolean;
        // Basic reads both operands; the other languages stop when the first decides.
        if (logic && lang != Language::Basic && e.op != Op::Xor) {
            const bool first = truth(a, line);
            if (e.op == Op::And && !first)
                return Value::ofBoolean(false);
            if (e.op == Op::Or && first)
                return Value::ofBoolean(true);
            return Value::ofBoolean(truth(eval(e.args[1]), line));
        }
        const Value b = eval(e.args[1]);
        if (a.type == Value::Type::Boolean && b.type == Value::Type::Boolean) {
            switch (e.op) {
            case Op::And:
                return Value::ofBoolean(a.boolean && b.boolean);
            case Op::Or:
                return Value::ofBoolean(a.boolean || b.boolean);
            default:
                return Value::ofBoolean(a.boolean != b.boolean);
            }
        }
        if (lang != Language::Basic &&
            (a.type == Value::Type::Boolean || b.type == Value::Type::Boolean))
            fail(line, QStringLiteral("a truth value and a number joined by a logical operation"));
        const QString what = e.op == Op::And  ? QStringLiteral("and")
                             : e.op == Op::Or ? QStringLiteral("or")
                                              : QStringLiteral("xor");
        const qint64 p = lang == Language::Basic ? roundEven(a, line) : whole(a, line, what);
        const qint64 q = lang == Language::Basic ? roundEven(b, line) : whole(b, line, what);
        return Value::ofInteger(e.op == Op::And ? (p & q) : e.op == Op::Or ? (p | q) : (p ^ q));
    }

    Value call(const Expr& e) {
        const int line = e.line;
        std::vector<Value> a;
        for (const Expr& x : e.args)
            a.push_back(numeric(eval(x), line));
        const bool pair = e.builtin == Builtin::Min || e.builtin == Builtin::Max;
        if (pair ? a.size() < 2 : a.size() != 1)
            fail(line, QStringLiteral("%1 takes %2")
                           .arg(e.name, pair ? QStringLiteral("two or more values")
                                             : QStringLiteral("one value")));
        const Value& v = a[0];
        const bool isInt = v.type == Value::Type::Integer;
        switch (e.builtin) {
        case Builtin::Abs:
            return isInt ? Value::ofInteger(v.integer < 0 ? sub(0, v.integer, line) : v.integer)
                         : Value::ofReal(std::fabs(v.real));
        case Builtin::Square:
            return isInt ? Value::ofInteger(mul(v.integer, v.integer, line))
                         : Value::ofReal(v.real * v.real);
        case Builtin::Sqrt:
            if (v.number() < 0)
                fail(line,
                     QStringLiteral("the square root of the negative number %1").arg(v.toString()));
            return Value::ofReal(std::sqrt(v.number()));
        case Builtin::Trunc:
            return isInt ? v : Value::ofInteger(toWhole(std::trunc(v.real), line));
        case Builtin::RoundEven:
            return Value::ofInteger(roundEven(v, line));
        case Builtin::Floor:
            return isInt ? v : Value::ofInteger(toWhole(std::floor(v.real), line));
        case Builtin::Odd:
            return Value::ofBoolean(whole(v, line, e.name) % 2 != 0);
        case Builtin::Sign:
            return Value::ofInteger(v.number() > 0 ? 1 : v.number() < 0 ? -1 : 0);
        case Builtin::Min:
        case Builtin::Max: {
            Value best = a[0];
            for (const Value& x : a) {
                const bool better = e.builtin == Builtin::Min ? x.number() < best.number()
                                                              : x.number() > best.number();
                if (better)
                    best = x;
            }
            bool allInt = true;
            for (const Value& x : a)
                allInt = allInt && x.type == Value::Type::Integer;
            return allInt ? best : Value::ofReal(best.number());
        }
        }
        fail(line, QStringLiteral("unknown function %1").arg(e.name));
    }

    // --- variables ----------------------------------------------------

    Variable* find(const QString& name) {
        const auto it = vars.find(key(name));
        return it == vars.end() ? nullptr : &it->second;
    }

    Variable& create(const QString& name, VarType type, bool array) {
        Variable& v = vars[key(name)];
        v.name = name;
        v.type = type;
        v.array = array;
        if (!order.contains(key(name)))
            order << key(name);
        return v;
    }

    VarType implicitType(const QString& name) const {
        if (lang == Language::Basic)
            return name.endsWith('%') ? VarType::Integer : VarType::Number;
        return VarType::Implicit;
    }

    // The variable that `e` names, created if the program may create it.
    Variable& resolve(const Expr& e, bool array, bool forWrite) {
        Variable* v = find(e.name);
        if (!v) {
            if (!prog.implicitNames)
                fail(e.line, QStringLiteral("%1 is not declared").arg(e.name));
            if (!forWrite && !(lang == Language::Basic))
                fail(e.line, QStringLiteral("%1 is used before it has a value").arg(e.name));
            v = &create(e.name, implicitType(e.name), array);
            if (array && lang == Language::Basic) {
                // An array used without DIM has the elements 0 … 10.
                v->bounded = true;
                v->low = 0;
                v->high = 10;
            }
            if (!array && lang == Language::Basic)
                v->value = Value::ofInteger(0); // Basic starts every variable at 0
        }
        if (v->array != array)
            fail(e.line, array ? QStringLiteral("%1 is not an array").arg(e.name)
                               : QStringLiteral("%1 is an array; give an index").arg(e.name));
        return *v;
    }

    qint64 index(Variable& v, const Expr& e) {
        const Value i = eval(e.args[0]);
        const qint64 k = lang == Language::Basic ? roundEven(i, e.line)
                                                 : whole(i, e.line, QStringLiteral("an index"));
        if (v.bounded && (k < v.low || k > v.high))
            fail(e.line, QStringLiteral("the index %1 is outside %2[%3..%4]")
                             .arg(k)
                             .arg(v.name)
                             .arg(v.low)
                             .arg(v.high));
        return k;
    }

    Value load(const Expr& e) {
        if (e.kind == Expr::Kind::Variable) {
            Variable& v = resolve(e, false, false);
            if (!v.value)
                fail(e.line, QStringLiteral("%1 is used before it has a value").arg(e.name));
            return *v.value;
        }
        Variable& v = resolve(e, true, false);
        const qint64 k = index(v, e);
        const auto it = v.elements.find(k);
        if (it != v.elements.end())
            return it->second;
        if (lang == Language::Basic)
            return Value::ofInteger(0);
        fail(e.line, QStringLiteral("%1[%2] is used before it has a value").arg(v.name).arg(k));
    }

    [[noreturn]] void refuse(const Value& x, const QString& name, int line) const {
        fail(line, QStringLiteral("%1 cannot be stored in %2").arg(describe(x), name));
    }

    Value convert(const Variable& v, const Value& x, int line) const {
        const QString& n = v.name;
        switch (v.type) {
        case VarType::Integer:
            if (x.type == Value::Type::Integer)
                return x;
            if (x.type == Value::Type::Real) {
                if (lang == Language::C)
                    return Value::ofInteger(toWhole(std::trunc(x.real), line));
                if (lang == Language::Basic)
                    return Value::ofInteger(roundEven(x, line));
                fail(line, QStringLiteral("the real number %1 cannot be stored in the whole-number "
                                          "variable %2")
                               .arg(shortest(x.real), n));
            }
            if (x.type == Value::Type::Boolean && (lang == Language::C || lang == Language::Basic))
                return numeric(x, line);
            refuse(x, n, line);
        case VarType::Real:
            if (x.isNumber() || (x.type == Value::Type::Boolean &&
                                 (lang == Language::C || lang == Language::Basic)))
                return Value::ofReal(numeric(x, line).number());
            refuse(x, n, line);
        case VarType::Boolean:
            if (x.type != Value::Type::Boolean)
                refuse(x, n, line);
            return x;
        case VarType::Text:
            if (x.type != Value::Type::Text)
                refuse(x, n, line);
            return x;
        case VarType::Number:
            if (x.type == Value::Type::Text)
                refuse(x, n, line);
            return numeric(x, line);
        case VarType::Implicit:
            return x;
        }
        return x;
    }

    void store(const Expr& target, const Value& x, bool declaring = false) {
        const bool array = target.kind == Expr::Kind::Element;
        Variable& v = resolve(target, array, true);
        if (!declaring && v.constant)
            fail(target.line, QStringLiteral("%1 is a constant").arg(v.name));
        if (!declaring && v.locked)
            fail(target.line,
                 QStringLiteral("the loop variable %1 is changed inside its loop").arg(v.name));
        const Value c = convert(v, x, target.line);
        if (array)
            v.elements[index(v, target)] = c;
        else
            v.value = c;
    }

    // --- output and input ---------------------------------------------

    void write(const QString& text) {
        for (QChar c : text) {
            if (c == '\n') {
                result.output << pending;
                pending.clear();
            } else {
                pending += c;
            }
        }
    }

    QString format(const Value& v) const {
        switch (v.type) {
        case Value::Type::Text:
            return v.text;
        case Value::Type::Boolean:
            if (lang == Language::Pascal)
                return v.boolean ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            if (lang == Language::Algorithmic)
                return v.boolean ? QStringLiteral("да") : QStringLiteral("нет");
            return QString::number(v.boolean ? (lang == Language::Basic ? -1 : 1) : 0);
        case Value::Type::Integer:
            return QString::number(v.integer);
        case Value::Type::Real:
            return shortest(v.real);
        }
        return {};
    }

    QString basicNumber(const Value& v) const {
        QString s = format(v);
        if (v.type == Value::Type::Real) {
            if (s.startsWith(QLatin1String("0.")))
                s.remove(0, 1);
            else if (s.startsWith(QLatin1String("-0.")))
                s.remove(1, 1);
        }
        return (s.startsWith('-') ? QString() : QStringLiteral(" ")) + s + QLatin1Char(' ');
    }

    void print(const Stmt& s) {
        for (const PrintItem& item : s.items) {
            Value v = eval(item.value);
            if (lang == Language::Basic && v.type == Value::Type::Boolean)
                v = numeric(v, s.line);
            result.printed.push_back(v);
            QString text;
            if (lang == Language::Basic && v.type != Value::Type::Text) {
                text = basicNumber(v);
            } else if (item.decimals) {
                text = QString::number(numeric(v, s.line).number(), 'f',
                                       int(whole(eval(*item.decimals), s.line,
                                                 QStringLiteral("a number of decimals"))));
            } else {
                text = format(v);
            }
            if (item.width) {
                const qint64 w = whole(eval(*item.width), s.line, QStringLiteral("a field width"));
                if (w > 1000)
                    fail(s.line, QStringLiteral("the field width %1 is too large").arg(w));
                text = text.rightJustified(int(w), QLatin1Char(' '));
            }
            write(text);
            if (item.zone) {
                const qsizetype col = pending.size();
                write(QString(14 - col % 14, QLatin1Char(' ')));
            }
        }
        if (s.newline)
            write(QStringLiteral("\n"));
    }

    void printFormatted(const Stmt& s) {
        const QString& f = s.format;
        size_t arg = 0;
        QString out;
        for (qsizetype i = 0; i < f.size(); ++i) {
            if (f[i] != '%') {
                out += f[i];
                continue;
            }
            if (i + 1 < f.size() && f[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            bool left = false, zero = false, plus = false;
            for (; j < f.size() && QStringLiteral("-0+ ").contains(f[j]); ++j) {
                left = left || f[j] == '-';
                zero = zero || f[j] == '0';
                plus = plus || f[j] == '+';
            }
            int width = 0, precision = -1;
            for (; j < f.size() && f[j].isDigit(); ++j)
                width = width * 10 + f[j].digitValue();
            if (j < f.size() && f[j] == '.') {
                precision = 0;
                for (++j; j < f.size() && f[j].isDigit(); ++j)
                    precision = precision * 10 + f[j].digitValue();
            }
            while (j < f.size() && (f[j] == 'l' || f[j] == 'h'))
                ++j;
            if (j >= f.size())
                fail(s.line, QStringLiteral("the format '%1' ends inside a conversion").arg(f));
            const QChar conv = f[j];
            if (arg >= s.items.size())
                fail(s.line, QStringLiteral("printf has fewer values than its format asks for"));
            const Value v = eval(s.items[arg++].value);
            result.printed.push_back(v);
            QString text;
            if (conv == 'd' || conv == 'i' || conv == 'u') {
                const Value n = numeric(v, s.line);
                if (n.type != Value::Type::Integer)
                    fail(s.line, QStringLiteral("%%%1 is given the real number %2")
                                     .arg(conv)
                                     .arg(shortest(n.real)));
                text = QString::number(n.integer);
                if (plus && n.integer >= 0)
                    text.prepend('+');
            } else if (conv == 'f' || conv == 'F' || conv == 'e' || conv == 'g') {
                const Value n = numeric(v, s.line);
                if (n.type != Value::Type::Real)
                    fail(s.line, QStringLiteral("%%%1 is given the whole number %2")
                                     .arg(conv)
                                     .arg(n.integer));
                text = QString::number(n.real, conv == 'F' ? 'f' : conv.toLatin1(),
                                       precision < 0 ? 6 : precision);
            } else if (conv == 'c') {
                text = QChar(char16_t(whole(v, s.line, QStringLiteral("%c"))));
            } else if (conv == 's') {
                if (v.type != Value::Type::Text)
                    fail(s.line, QStringLiteral("%s is given %1").arg(describe(v)));
                text = v.text;
            } else {
                fail(s.line, QStringLiteral("the conversion %%%1 is not supported").arg(conv));
            }
            if (text.size() < width)
                text = left ? text.leftJustified(width, ' ')
                       : zero && conv != 's' && conv != 'c'
                           ? (text.startsWith('-')
                                  ? QStringLiteral("-") + text.mid(1).rightJustified(width - 1, '0')
                                  : text.rightJustified(width, '0'))
                           : text.rightJustified(width, ' ');
            out += text;
            i = j;
        }
        if (arg != s.items.size())
            fail(s.line, QStringLiteral("printf has more values than its format uses"));
        write(out);
    }

    void input(const Stmt& s) {
        for (const Expr& t : s.targets) {
            if (inputAt >= opt.input.size())
                fail(s.line, QStringLiteral("the program reads more values than the %1 given")
                                 .arg(opt.input.size()));
            const QString raw = opt.input[inputAt++].trimmed();
            bool ok = false;
            Value v;
            const qint64 i = raw.toLongLong(&ok);
            if (ok) {
                v = Value::ofInteger(i);
            } else {
                const double d = raw.toDouble(&ok);
                v = ok ? Value::ofReal(d) : Value::ofText(raw);
            }
            const bool array = t.kind == Expr::Kind::Element;
            Variable& var = resolve(t, array, true);
            if (var.type == VarType::Real && v.type == Value::Type::Integer)
                v = Value::ofReal(double(v.integer));
            if (v.type == Value::Type::Text && var.type != VarType::Text)
                fail(s.line, QStringLiteral("the input '%1' is not a number").arg(raw));
            if (v.type == Value::Type::Real && var.type == VarType::Integer)
                fail(s.line, QStringLiteral("the input '%1' is not a whole number, as %2 needs")
                                 .arg(raw, var.name));
            store(t, v);
        }
    }

    // --- statements ---------------------------------------------------

    void declare(const Stmt& s) {
        for (const Decl& d : s.decls) {
            if (Variable* old = find(d.name)) {
                if (lang != Language::C || old->type != d.type || old->array != d.array)
                    fail(s.line, QStringLiteral("%1 is declared twice").arg(d.name));
            }
            Variable& v = create(d.name, d.type, d.array);
            v.value.reset();
            v.elements.clear();
            v.constant = d.constant;
            v.bounded = false;
            if (d.array && d.low && d.high) {
                v.low = whole(eval(*d.low), s.line, QStringLiteral("an array bound"));
                v.high = whole(eval(*d.high), s.line, QStringLiteral("an array bound"));
                if (v.high < v.low)
                    fail(s.line, QStringLiteral("the array %1 has the bounds %2..%3")
                                     .arg(d.name)
                                     .arg(v.low)
                                     .arg(v.high));
                if (v.high - v.low > 10'000'000)
                    fail(s.line, QStringLiteral("the array %1 is too large").arg(d.name));
                v.bounded = true;
            }
            if (d.init)
                store(variable(d.name, s.line), eval(*d.init), true);
            if (!d.initList.empty()) {
                if (qint64(d.initList.size()) > v.high - v.low + 1)
                    fail(s.line, QStringLiteral("too many initial values for %1").arg(d.name));
                for (qint64 k = v.low; k <= v.high; ++k) {
                    const size_t n = size_t(k - v.low);
                    const Value x =
                        n < d.initList.size() ? eval(d.initList[n]) : Value::ofInteger(0);
                    v.elements[k] = convert(v, x, s.line);
                }
            }
        }
    }

    Flow exec(const std::vector<Stmt>& list) {
        for (const Stmt& s : list) {
            const Flow f = exec(s);
            if (f != Flow::Normal)
                return f;
        }
        return Flow::Normal;
    }

    Flow countedLoop(const Stmt& s) {
        Variable& v = resolve(s.target, false, true);
        if (!result.loopVariables.contains(v.name))
            result.loopVariables << v.name;
        if (lang == Language::Basic) {
            store(s.target, eval(s.value));
            const Value limit = numeric(eval(s.cond), s.line);
            const Value step = s.step ? numeric(eval(*s.step), s.line) : Value::ofInteger(1);
            const bool up = step.number() >= 0;
            for (;;) {
                tick(s.line);
                const Value cur = load(s.target);
                if (up ? cur.number() > limit.number() : cur.number() < limit.number())
                    return Flow::Normal;
                const Flow f = exec(s.body);
                if (f == Flow::Break)
                    return Flow::Normal;
                if (f == Flow::Halt)
                    return f;
                store(s.target, arithmetic(Op::Add, load(s.target), step, s.line));
            }
        }
        if (v.type != VarType::Integer && v.type != VarType::Implicit)
            fail(s.line, QStringLiteral("the loop variable %1 must be a whole number").arg(v.name));
        const qint64 first = whole(eval(s.value), s.line, QStringLiteral("a loop bound"));
        const qint64 last = whole(eval(s.cond), s.line, QStringLiteral("a loop bound"));
        qint64 step = s.down ? -1 : 1;
        if (s.step)
            step = whole(eval(*s.step), s.line, QStringLiteral("a loop step"));
        if (step == 0)
            fail(s.line, QStringLiteral("the loop step is 0"));
        for (qint64 k = first; step > 0 ? k <= last : k >= last;) {
            tick(s.line);
            v.value = Value::ofInteger(k);
            v.locked = true;
            const Flow f = exec(s.body);
            v.locked = false;
            if (f == Flow::Break)
                return Flow::Normal;
            if (f == Flow::Halt)
                return f;
            if (__builtin_add_overflow(k, step, &k))
                break;
        }
        // A counted loop that ran out leaves its variable without a value.
        v.value.reset();
        return Flow::Normal;
    }

    Flow exec(const Stmt& s) {
        tick(s.line);
        switch (s.kind) {
        case Stmt::Kind::Nop:
            return Flow::Normal;
        case Stmt::Kind::Assign:
            store(s.target, eval(s.value));
            return Flow::Normal;
        case Stmt::Kind::Block:
            return exec(s.body);
        case Stmt::Kind::If:
            return truth(eval(s.cond), s.line) ? exec(s.body) : exec(s.elseBody);
        case Stmt::Kind::Loop:
            for (;;) {
                tick(s.line);
                if (s.hasPre) {
                    const bool c = truth(eval(s.cond), s.line);
                    if (s.preUntil ? c : !c)
                        return Flow::Normal;
                }
                const Flow f = exec(s.body);
                if (f == Flow::Break)
                    return Flow::Normal;
                if (f == Flow::Halt)
                    return f;
                if (s.hasPost) {
                    const bool c = truth(eval(s.post), s.line);
                    if (s.postUntil ? c : !c)
                        return Flow::Normal;
                }
            }
        case Stmt::Kind::For:
            return countedLoop(s);
        case Stmt::Kind::Repeat: {
            const qint64 n = whole(eval(s.cond), s.line, QStringLiteral("a number of turns"));
            for (qint64 k = 0; k < n; ++k) {
                tick(s.line);
                const Flow f = exec(s.body);
                if (f == Flow::Break)
                    return Flow::Normal;
                if (f == Flow::Halt)
                    return f;
            }
            return Flow::Normal;
        }
        case Stmt::Kind::Assert:
            if (!truth(eval(s.cond), s.line))
                fail(s.line, QStringLiteral("the assertion does not hold"));
            return Flow::Normal;
        case Stmt::Kind::CFor: {
            // The variables a for statement sets up and steps count as its
            // loop variables, as a counted loop's do.
            for (const std::vector<Stmt>* part : {&s.init, &s.update})
                for (const Stmt& p : *part) {
                    QStringList names;
                    if (p.kind == Stmt::Kind::Assign && p.target.kind == Expr::Kind::Variable)
                        names << p.target.name;
                    for (const Decl& d : p.decls)
                        names << d.name;
                    for (const QString& n : names)
                        if (!result.loopVariables.contains(n))
                            result.loopVariables << n;
                }
            if (exec(s.init) == Flow::Halt)
                return Flow::Halt;
            for (;;) {
                tick(s.line);
                if (s.hasPre && !truth(eval(s.cond), s.line))
                    return Flow::Normal;
                const Flow f = exec(s.body);
                if (f == Flow::Break)
                    return Flow::Normal;
                if (f == Flow::Halt)
                    return f;
                exec(s.update);
            }
        }
        case Stmt::Kind::Print:
            print(s);
            return Flow::Normal;
        case Stmt::Kind::Printf:
            printFormatted(s);
            return Flow::Normal;
        case Stmt::Kind::Input:
            input(s);
            return Flow::Normal;
        case Stmt::Kind::Declare:
            declare(s);
            return Flow::Normal;
        case Stmt::Kind::Break:
            return Flow::Break;
        case Stmt::Kind::Continue:
            return Flow::Continue;
        case Stmt::Kind::Halt:
            return Flow::Halt;
        }
        return Flow::Normal;
    }

    int evalDepth = 0;

public:
    Value eval(const Expr& e) {
        // Long chains such as a + a + … + a nest as deeply as they are long.
        struct Guard {
            int& d;
            ~Guard() { --d; }
        } guard{++evalDepth};
        if (evalDepth > 3000)
            fail(e.line, QStringLiteral("the expression is too long"));
        switch (e.kind) {
        case Expr::Kind::Literal:
            return e.value;
        case Expr::Kind::Variable:
        case Expr::Kind::Element:
            return load(e);
        case Expr::Kind::Call:
            return call(e);
        case Expr::Kind::Unary:
            if (e.op == Op::Not)
                return logical(e);
            {
                const Value a = numeric(eval(e.args[0]), e.line);
                return a.type == Value::Type::Integer ? Value::ofInteger(sub(0, a.integer, e.line))
                                                      : Value::ofReal(-a.real);
            }
        case Expr::Kind::Binary:
            switch (e.op) {
            case Op::And:
            case Op::Or:
            case Op::Xor:
                return logical(e);
            case Op::Eq:
            case Op::Ne:
            case Op::Lt:
            case Op::Le:
            case Op::Gt:
            case Op::Ge:
                return compare(e.op, eval(e.args[0]), eval(e.args[1]), e.line);
            default:
                return arithmetic(e.op, eval(e.args[0]), eval(e.args[1]), e.line);
            }
        }
        fail(e.line, QStringLiteral("unknown expression"));
    }
};

} // namespace

RunResult execute(const Program& program, const RunOptions& options) {
    return Machine(program, options).run();
}

} // namespace zut::check::machine
