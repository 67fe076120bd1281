// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic.h"

#include "error.h"

#include <algorithm>

namespace zut::check {

struct Formula::Node {
    enum Kind {
        Const,
        Var,
        IntVar,
        Num,
        Not,
        And,
        Or,
        Imp,
        Eqv,
        Lt,
        Le,
        Gt,
        Ge,
        Eq,
        Ne,
        Add,
        Sub,
        Mul,
        Neg
    };
    Kind kind = Const;
    bool truth = false;
    qint64 number = 0;
    QString name;
    std::shared_ptr<const Node> a, b;
};

namespace {

using Node = Formula::Node;
using NodePtr = std::shared_ptr<const Node>;

enum class Tok {
    Name,
    Number,
    Not,
    And,
    Or,
    Imp,
    Eqv,
    Equals,
    Lt,
    Le,
    Gt,
    Ge,
    Ne,
    Plus,
    Minus,
    Times,
    Open,
    Close,
    End
};

struct Token {
    Tok kind;
    QString text;
    qsizetype at; // character index in the source
};

bool isNameStart(QChar c) {
    return c.isLetter();
}
bool isNamePart(QChar c) {
    return c.isLetterOrNumber() || c == '_';
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    qsizetype i = 0;
    auto fail = [&](const QString& what) {
        throw CheckError(
            QStringLiteral("formula '%1': %2 at character %3").arg(s, what).arg(i + 1));
    };
    auto starts = [&](const char16_t* w) { return QStringView(s).mid(i).startsWith(w); };
    while (i < s.size()) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        const qsizetype at = i;
        auto push = [&](Tok k, qsizetype len) {
            out.push_back({k, s.mid(at, len), at});
            i += len;
        };
        if (isNameStart(c)) {
            qsizetype j = i;
            while (j < s.size() && isNamePart(s[j]))
                ++j;
            push(Tok::Name, j - i);
        } else if (c.isDigit()) {
            qsizetype j = i;
            while (j < s.size() && s[j].isDigit())
                ++j;
            push(Tok::Number, j - i);
        } else if (c == QChar(0x00AC) || c == '!') {
            push(Tok::Not, 1);
        } else if (starts(u"/\\")) {
            push(Tok::And, 2);
        } else if (starts(u"\\/")) {
            push(Tok::Or, 2);
        } else if (starts(u"&&") || starts(u"||")) {
            push(c == '&' ? Tok::And : Tok::Or, 2);
        } else if (c == '&' || c == QChar(0x2227)) {
            push(Tok::And, 1);
        } else if (c == '|' || c == QChar(0x2228)) {
            push(Tok::Or, 1);
        } else if (starts(u"\u2013>") || starts(u"->") || starts(u"\u2014>")) {
            push(Tok::Imp, 2);
        } else if (c == QChar(0x2192)) {
            push(Tok::Imp, 1);
        } else if (starts(u"<->")) {
            push(Tok::Eqv, 3);
        } else if (c == QChar(0x2261) || c == QChar(0x2194)) {
            push(Tok::Eqv, 1);
        } else if (starts(u"<>")) {
            push(Tok::Ne, 2);
        } else if (starts(u"<=")) {
            push(Tok::Le, 2);
        } else if (starts(u">=")) {
            push(Tok::Ge, 2);
        } else if (c == QChar(0x2260)) {
            push(Tok::Ne, 1);
        } else if (c == QChar(0x2264)) {
            push(Tok::Le, 1);
        } else if (c == QChar(0x2265)) {
            push(Tok::Ge, 1);
        } else if (c == '<') {
            push(Tok::Lt, 1);
        } else if (c == '>') {
            push(Tok::Gt, 1);
        } else if (c == '=') {
            push(Tok::Equals, 1);
        } else if (c == '+') {
            push(Tok::Plus, 1);
        } else if (c == '-' || c == QChar(0x2212)) {
            push(Tok::Minus, 1);
        } else if (c == '*' || c == QChar(0x00B7)) {
            push(Tok::Times, 1);
        } else if (c == '(') {
            push(Tok::Open, 1);
        } else if (c == ')') {
            push(Tok::Close, 1);
        } else {
            fail(QStringLiteral("unexpected '%1'").arg(c));
        }
    }
    out.push_back({Tok::End, QString(), s.size()});
    return out;
}

NodePtr make(Node::Kind k, NodePtr a = {}, NodePtr b = {}) {
    auto n = std::make_shared<Node>();
    n->kind = k;
    n->a = std::move(a);
    n->b = std::move(b);
    return n;
}

bool isArithmetic(const NodePtr& n) {
    switch (n->kind) {
    case Node::IntVar:
    case Node::Add:
    case Node::Sub:
    case Node::Mul:
    case Node::Neg:
        return true;
    case Node::Num:
        return n->number > 1;
    default:
        return false;
    }
}

class Parser {
public:
    Parser(const QString& text, const QStringList& integers)
        : source(text)
        , ints(integers)
        , toks(tokenize(text)) {
        // A chain of operators is evaluated recursively: bound its length.
        if (toks.size() > 5000)
            throw CheckError(QStringLiteral("formula '%1…': too long").arg(text.left(40)));
    }

    NodePtr parse() {
        if (toks.front().kind == Tok::End)
            fail(QStringLiteral("the formula is empty"));
        NodePtr n = logical(equivalence());
        if (peek().kind != Tok::End)
            fail(QStringLiteral("unexpected '%1'").arg(peek().text));
        return n;
    }

    QStringList names, integerNames;

private:
    const QString& source;
    QStringList ints;
    std::vector<Token> toks;
    size_t pos = 0;
    int depth = 0;

    // Parentheses and negations nest the parser's recursion; keep it bounded.
    struct Nest {
        Parser& p;
        explicit Nest(Parser& parser)
            : p(parser) {
            if (++p.depth > 200)
                p.fail(QStringLiteral("the formula is nested too deeply"));
        }
        ~Nest() { --p.depth; }
    };

    const Token& peek() const { return toks[pos]; }
    Token take() { return toks[pos++]; }
    bool accept(Tok k) {
        if (peek().kind != k)
            return false;
        ++pos;
        return true;
    }
    [[noreturn]] void fail(const QString& what, qsizetype at = -1) const {
        throw CheckError(QStringLiteral("formula '%1': %2 at character %3")
                             .arg(source, what)
                             .arg((at < 0 ? peek().at : at) + 1));
    }

    // A node used as a truth value: a number literal must be 0 or 1.
    NodePtr logical(NodePtr n, qsizetype at = -1) {
        if (n->kind == Node::Num) {
            if (n->number > 1)
                fail(QStringLiteral("%1 is not a truth value").arg(n->number), at);
            auto c = std::make_shared<Node>();
            c->kind = Node::Const;
            c->truth = n->number == 1;
            return c;
        }
        if (isArithmetic(n))
            fail(QStringLiteral("a number stands where a truth value is needed"), at);
        return n;
    }
    NodePtr numeric(NodePtr n, qsizetype at) {
        if (n->kind == Node::Num || isArithmetic(n))
            return n;
        fail(QStringLiteral("a truth value stands where a number is needed"), at);
    }

    NodePtr equivalence() {
        const Nest nest(*this);
        NodePtr n = implication();
        while (peek().kind == Tok::Eqv || peek().kind == Tok::Equals) {
            const qsizetype at = take().at;
            n = make(Node::Eqv, logical(n, at), logical(implication(), at));
        }
        return n;
    }
    NodePtr implication() {
        NodePtr n = disjunction();
        if (peek().kind == Tok::Imp) {
            const qsizetype at = take().at;
            n = make(Node::Imp, logical(n, at), logical(disjunction(), at));
            if (peek().kind == Tok::Imp)
                fail(QStringLiteral("a chain of implications needs parentheses"));
        }
        return n;
    }
    NodePtr disjunction() {
        NodePtr n = conjunction();
        while (peek().kind == Tok::Or) {
            const qsizetype at = take().at;
            n = make(Node::Or, logical(n, at), logical(conjunction(), at));
        }
        return n;
    }
    NodePtr conjunction() {
        NodePtr n = negation();
        while (peek().kind == Tok::And) {
            const qsizetype at = take().at;
            n = make(Node::And, logical(n, at), logical(negation(), at));
        }
        return n;
    }
    NodePtr negation() {
        const Nest nest(*this);
        if (peek().kind == Tok::Not) {
            const qsizetype at = take().at;
            return make(Node::Not, logical(negation(), at));
        }
        return comparison();
    }
    NodePtr comparison() {
        NodePtr left = sum();
        const Token op = peek();
        Node::Kind kind;
        switch (op.kind) {
        case Tok::Lt:
            kind = Node::Lt;
            break;
        case Tok::Le:
            kind = Node::Le;
            break;
        case Tok::Gt:
            kind = Node::Gt;
            break;
        case Tok::Ge:
            kind = Node::Ge;
            break;
        case Tok::Ne:
            kind = Node::Ne;
            break;
        case Tok::Equals: {
            // A comparison when a number stands on either side; otherwise
            // the equivalence, read further up.
            if (isArithmetic(left)) {
                kind = Node::Eq;
                break;
            }
            if (left->kind != Node::Num)
                return left;
            const size_t saved = pos;
            ++pos;
            bool numberRight = false;
            try {
                numberRight = isArithmetic(sum());
            } catch (const CheckError&) {
            }
            pos = saved;
            if (!numberRight)
                return left;
            kind = Node::Eq;
            break;
        }
        default:
            return left;
        }
        ++pos;
        NodePtr right = sum();
        NodePtr n = make(kind, numeric(left, op.at), numeric(right, op.at));
        switch (peek().kind) {
        case Tok::Lt:
        case Tok::Le:
        case Tok::Gt:
        case Tok::Ge:
        case Tok::Ne:
            fail(QStringLiteral("comparisons cannot be chained"));
        default:
            break;
        }
        return n;
    }
    NodePtr sum() {
        NodePtr n = product();
        while (peek().kind == Tok::Plus || peek().kind == Tok::Minus) {
            const Token op = take();
            NodePtr r = product();
            n = make(op.kind == Tok::Plus ? Node::Add : Node::Sub, numeric(n, op.at),
                     numeric(r, op.at));
        }
        return n;
    }
    NodePtr product() {
        NodePtr n = unary();
        while (peek().kind == Tok::Times) {
            const Token op = take();
            NodePtr r = unary();
            n = make(Node::Mul, numeric(n, op.at), numeric(r, op.at));
        }
        return n;
    }
    NodePtr unary() {
        const Nest nest(*this);
        if (peek().kind == Tok::Minus) {
            const qsizetype at = take().at;
            return make(Node::Neg, numeric(unary(), at));
        }
        return primary();
    }
    NodePtr primary() {
        const Token t = peek();
        switch (t.kind) {
        case Tok::Open: {
            ++pos;
            NodePtr n = equivalence();
            if (!accept(Tok::Close))
                fail(QStringLiteral("')' is missing"));
            return n;
        }
        case Tok::Number: {
            ++pos;
            auto n = std::make_shared<Node>();
            n->kind = Node::Num;
            bool ok = false;
            n->number = t.text.toLongLong(&ok);
            if (!ok)
                fail(QStringLiteral("the number %1 is too large").arg(t.text), t.at);
            return n;
        }
        case Tok::Name: {
            ++pos;
            auto n = std::make_shared<Node>();
            n->name = t.text;
            if (ints.contains(t.text)) {
                n->kind = Node::IntVar;
                if (!integerNames.contains(t.text))
                    integerNames << t.text;
            } else {
                n->kind = Node::Var;
                if (!names.contains(t.text))
                    names << t.text;
            }
            if (peek().kind == Tok::Name || peek().kind == Tok::Number || peek().kind == Tok::Open)
                fail(QStringLiteral("an operator is missing"));
            return n;
        }
        case Tok::End:
            fail(QStringLiteral("the formula ends too early"));
        default:
            fail(QStringLiteral("unexpected '%1'").arg(t.text));
        }
    }
};

qint64 arithmetic(qint64 a, qint64 b, Node::Kind k) {
    qint64 r = 0;
    const bool over = k == Node::Add   ? __builtin_add_overflow(a, b, &r)
                      : k == Node::Sub ? __builtin_sub_overflow(a, b, &r)
                                       : __builtin_mul_overflow(a, b, &r);
    if (over)
        throw CheckError(QStringLiteral("a number in the formula is too large"));
    return r;
}

struct Env {
    const std::map<QString, bool>& values;
    const std::map<QString, qint64>& integers;
};

qint64 number(const Node& n, const Env& env) {
    switch (n.kind) {
    case Node::Num:
        return n.number;
    case Node::IntVar: {
        const auto it = env.integers.find(n.name);
        if (it == env.integers.end())
            throw CheckError(QStringLiteral("the number %1 has no value").arg(n.name));
        return it->second;
    }
    case Node::Neg:
        return arithmetic(0, number(*n.a, env), Node::Sub);
    case Node::Add:
    case Node::Sub:
    case Node::Mul:
        return arithmetic(number(*n.a, env), number(*n.b, env), n.kind);
    default:
        throw CheckError(QStringLiteral("a truth value stands where a number is needed"));
    }
}

bool truth(const Node& n, const Env& env) {
    switch (n.kind) {
    case Node::Const:
        return n.truth;
    case Node::Var: {
        const auto it = env.values.find(n.name);
        if (it == env.values.end())
            throw CheckError(QStringLiteral("the variable %1 has no value").arg(n.name));
        return it->second;
    }
    case Node::Not:
        return !truth(*n.a, env);
    case Node::And:
        return truth(*n.a, env) && truth(*n.b, env);
    case Node::Or:
        return truth(*n.a, env) || truth(*n.b, env);
    case Node::Imp:
        return !truth(*n.a, env) || truth(*n.b, env);
    case Node::Eqv:
        return truth(*n.a, env) == truth(*n.b, env);
    case Node::Lt:
        return number(*n.a, env) < number(*n.b, env);
    case Node::Le:
        return number(*n.a, env) <= number(*n.b, env);
    case Node::Gt:
        return number(*n.a, env) > number(*n.b, env);
    case Node::Ge:
        return number(*n.a, env) >= number(*n.b, env);
    case Node::Eq:
        return number(*n.a, env) == number(*n.b, env);
    case Node::Ne:
        return number(*n.a, env) != number(*n.b, env);
    default:
        throw CheckError(QStringLiteral("a number stands where a truth value is needed"));
    }
}

void requireNoIntegers(const Formula& f) {
    if (!f.integerVariables().isEmpty())
        throw CheckError(QStringLiteral("formula '%1' has whole-number variables; give them values")
                             .arg(f.text()));
}

// Calls `visit` with the values of `order` in every row, counted in binary.
template <typename Visit> void forEachRow(const QStringList& order, Visit visit) {
    if (order.size() > 24)
        throw CheckError(
            QStringLiteral("%1 variables are too many for a truth table").arg(order.size()));
    std::map<QString, bool> values;
    const qint64 rows = qint64(1) << order.size();
    for (qint64 r = 0; r < rows; ++r) {
        for (qsizetype k = 0; k < order.size(); ++k)
            values[order[k]] = (r >> (order.size() - 1 - k)) & 1;
        visit(values, r);
    }
}

QStringList completeOrder(const Formula& f, const QStringList& order) {
    if (order.isEmpty()) {
        QStringList sorted = f.variables();
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }
    for (const QString& v : f.variables())
        if (!order.contains(v))
            throw CheckError(QStringLiteral("formula '%1': the variable %2 is not among %3")
                                 .arg(f.text(), v, order.join(QStringLiteral(", "))));
    QStringList unique = order;
    if (unique.removeDuplicates() != 0)
        throw CheckError(QStringLiteral("a variable is named twice in %1").arg(order.join(',')));
    return order;
}

void requireSingleInteger(const Formula& f) {
    if (f.integerVariables().size() != 1 || !f.variables().isEmpty())
        throw CheckError(
            QStringLiteral("formula '%1' is not a statement about one whole number").arg(f.text()));
}

} // namespace

Formula Formula::parse(const QString& text, const QStringList& integers) {
    Parser p(text, integers);
    Formula f;
    f.root = p.parse();
    f.source = text;
    f.names = p.names;
    f.integerNames = p.integerNames;
    return f;
}

bool Formula::evaluate(const std::map<QString, bool>& values,
                       const std::map<QString, qint64>& integers) const {
    if (!root)
        throw CheckError(QStringLiteral("an empty formula has no value"));
    return truth(*root, Env{values, integers});
}

std::vector<bool> truthTable(const Formula& f, const QStringList& order) {
    requireNoIntegers(f);
    std::vector<bool> table;
    forEachRow(completeOrder(f, order),
               [&](const std::map<QString, bool>& v, qint64) { table.push_back(f.evaluate(v)); });
    return table;
}

bool equivalent(const Formula& a, const Formula& b) {
    requireNoIntegers(a);
    requireNoIntegers(b);
    QStringList all = a.variables();
    for (const QString& v : b.variables())
        if (!all.contains(v))
            all << v;
    bool same = true;
    forEachRow(all, [&](const std::map<QString, bool>& v, qint64) {
        same = same && a.evaluate(v) == b.evaluate(v);
    });
    return same;
}

bool fitsTableFragment(const Formula& f, const QStringList& columns, const QStringList& rows) {
    requireNoIntegers(f);
    QStringList all = columns;
    for (const QString& v : f.variables())
        if (!all.contains(v))
            all << v;
    for (const QString& row : rows) {
        if (row.size() != columns.size() + 1)
            throw CheckError(
                QStringLiteral("table row '%1' needs %2 cells").arg(row).arg(columns.size() + 1));
        for (QChar c : row)
            if (c != '0' && c != '1' && c != '?')
                throw CheckError(
                    QStringLiteral("table row '%1': '%2' is not 0, 1 or ?").arg(row).arg(c));
        bool fits = false;
        forEachRow(all, [&](const std::map<QString, bool>& v, qint64) {
            for (qsizetype k = 0; k < columns.size(); ++k)
                if (row[k] != '?' && (row[k] == '1') != v.at(columns[k]))
                    return;
            const QChar shown = row.back();
            fits = fits || shown == '?' || (shown == '1') == f.evaluate(v);
        });
        if (!fits)
            return false;
    }
    return true;
}

qint64 countSolutions(const Formula& f, const QStringList& variables) {
    requireNoIntegers(f);
    qint64 count = 0;
    forEachRow(variables.isEmpty() ? f.variables() : completeOrder(f, variables),
               [&](const std::map<QString, bool>& v, qint64) { count += f.evaluate(v); });
    return count;
}

QStringList assignmentsWhere(const Formula& f, const QStringList& order, bool value) {
    requireNoIntegers(f);
    if (order.isEmpty())
        throw CheckError(QStringLiteral("the order of the variables is not given"));
    const QStringList vars = completeOrder(f, order);
    QStringList out;
    forEachRow(vars, [&](const std::map<QString, bool>& v, qint64) {
        if (f.evaluate(v) != value)
            return;
        QString s;
        for (const QString& name : vars)
            s += v.at(name) ? '1' : '0';
        out << s;
    });
    return out;
}

bool evaluateAt(const Formula& f, qint64 x) {
    requireSingleInteger(f);
    return f.evaluate({}, {{f.integerVariables().front(), x}});
}

namespace {

std::optional<qint64> search(const Formula& f, bool value, qint64 from, qint64 to, bool upward) {
    requireSingleInteger(f);
    if (from > to)
        throw CheckError(QStringLiteral("the range %1 … %2 is empty").arg(from).arg(to));
    if (to - from > 100'000'000)
        throw CheckError(
            QStringLiteral("the range %1 … %2 is too wide to search").arg(from).arg(to));
    const QString x = f.integerVariables().front();
    for (qint64 k = 0; k <= to - from; ++k) {
        const qint64 v = upward ? from + k : to - k;
        if (f.evaluate({}, {{x, v}}) == value)
            return v;
    }
    return std::nullopt;
}

} // namespace

std::optional<qint64> leastWhere(const Formula& f, bool value, qint64 from, qint64 to) {
    return search(f, value, from, to, true);
}

std::optional<qint64> greatestWhere(const Formula& f, bool value, qint64 from, qint64 to) {
    return search(f, value, from, to, false);
}

QStringList wordsWhere(const Formula& f, const QStringList& words,
                       const std::map<QString, WordProperty>& properties, bool value) {
    requireNoIntegers(f);
    for (const QString& v : f.variables())
        if (properties.find(v) == properties.end())
            throw CheckError(
                QStringLiteral("formula '%1': no property is given for %2").arg(f.text(), v));
    QStringList out;
    for (const QString& w : words) {
        std::map<QString, bool> values;
        for (const QString& v : f.variables())
            values[v] = properties.at(v)(w);
        if (f.evaluate(values) == value)
            out << w;
    }
    return out;
}

bool isVowel(QChar c) {
    return QStringLiteral("аеёиоуыэюяaeiouy").contains(c.toLower());
}

bool isConsonant(QChar c) {
    const QChar l = c.toLower();
    const bool russian = l >= QChar(0x0430) && l <= QChar(0x044F);
    const bool latin = l >= 'a' && l <= 'z';
    return (russian || latin || l == QChar(0x0451)) && !isVowel(l) && l != QChar(0x044C) &&
           l != QChar(0x044A);
}

} // namespace zut::check
