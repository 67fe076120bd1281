// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpret_basic.h"

#include "machine.h"
#include "reader.h"

#include <functional>

namespace zut::check {

namespace {

using namespace machine;
using reader::Token;

class BasicReader {
public:
    explicit BasicReader(const QString& source)
        : in(reader::tokenize(source, rules()), Language::Basic) {}

    Program read() {
        Program p;
        p.language = Language::Basic;
        p.implicitNames = true;
        if (in.peek().kind == Token::Kind::Integer)
            in.take(); // the first line's number
        p.body = block([] { return false; });
        if (!in.atEnd())
            in.fail(QStringLiteral("unexpected %1").arg(in.describe(in.peek())));
        return p;
    }

private:
    reader::Cursor in;

    static reader::Rules rules() {
        reader::Rules r;
        r.language = Language::Basic;
        r.caseless = true;
        r.newlines = true;
        r.symbols = {"<=", ">=", "<>", "=", "<", ">", "+", "-", "*",
                     "/",  "\\", "^",  "(", ")", ",", ";", ":", "?"};
        r.lineComments = {"'"};
        r.remComments = true;
        r.quote = '"';
        r.nameSuffixes = QStringLiteral("%$!#&");
        return r;
    }

    bool reserved(const QString& key) const {
        static const QStringList words = {"and",  "as",  "dim",   "do",   "else",  "elseif", "end",
                                          "exit", "for", "gosub", "goto", "if",    "input",  "let",
                                          "loop", "mod", "next",  "not",  "or",    "print",  "step",
                                          "then", "to",  "until", "wend", "while", "xor"};
        return words.contains(key);
    }

    // Skips line ends, ':' and line numbers between statements.
    void separators() {
        for (;;) {
            if (in.isNewline()) {
                in.take();
                if (in.peek().kind == Token::Kind::Integer)
                    in.take(); // a line number
            } else if (!in.acceptSymbol(":")) {
                return;
            }
        }
    }

    void endOfStatement() {
        if (!in.isNewline() && !in.isSymbol(":") && !in.atEnd() && !in.isWord("else"))
            in.fail(QStringLiteral("the statement should end here, not at %1")
                        .arg(in.describe(in.peek())));
    }

    std::vector<Stmt> block(const std::function<bool()>& stop) {
        std::vector<Stmt> list;
        for (;;) {
            separators();
            if (in.atEnd() || stop())
                return list;
            list.push_back(statement());
            endOfStatement();
        }
    }

    // The statements of a one-line IF: up to the end of the line or ELSE.
    std::vector<Stmt> inlineStatements() {
        std::vector<Stmt> list;
        for (;;) {
            if (in.peek().kind == Token::Kind::Integer)
                in.fail(QStringLiteral("a jump to a line number is not supported"));
            list.push_back(statement());
            if (!in.acceptSymbol(":"))
                return list;
            if (in.isNewline() || in.atEnd() || in.isWord("else"))
                return list;
        }
    }

    Stmt statement() {
        const reader::Depth guard(in);
        const int line = in.line();
        Stmt s;
        s.line = line;
        if (in.acceptWord("print") || in.acceptSymbol("?")) {
            s.kind = Stmt::Kind::Print;
            while (!in.isNewline() && !in.atEnd() && !in.isSymbol(":") && !in.isWord("else")) {
                if (in.acceptSymbol(";")) {
                    s.newline = false;
                    continue;
                }
                if (in.acceptSymbol(",")) {
                    if (s.items.empty()) {
                        PrintItem blank;
                        blank.value = literal(Value::ofText(QString()), line);
                        s.items.push_back(blank);
                    }
                    s.items.back().zone = true;
                    s.newline = false;
                    continue;
                }
                PrintItem item;
                item.value = expression();
                s.items.push_back(std::move(item));
                s.newline = true;
            }
            return s;
        }
        if (in.acceptWord("input")) {
            s.kind = Stmt::Kind::Input;
            if (in.peek().kind == Token::Kind::Text) {
                in.take();
                if (!in.acceptSymbol(";"))
                    in.expectSymbol(",");
            }
            do
                s.targets.push_back(target());
            while (in.acceptSymbol(","));
            return s;
        }
        if (in.acceptWord("dim")) {
            s.kind = Stmt::Kind::Declare;
            do {
                Decl d;
                d.name = in.expectName(QStringLiteral("an array name"));
                d.type = d.name.endsWith('%') ? VarType::Integer : VarType::Number;
                if (in.acceptSymbol("(")) {
                    d.array = true;
                    d.low = literal(Value::ofInteger(0), line);
                    d.high = expression();
                    if (in.acceptWord("to")) {
                        d.low = d.high;
                        d.high = expression();
                    }
                    if (in.isSymbol(","))
                        in.fail(QStringLiteral("only one-dimensional arrays are supported"));
                    in.expectSymbol(")");
                }
                if (in.acceptWord("as")) {
                    const QString t = in.expectName(QStringLiteral("a type")).toLower();
                    if (t == QLatin1String("integer") || t == QLatin1String("long"))
                        d.type = VarType::Integer;
                    else if (t == QLatin1String("single") || t == QLatin1String("double"))
                        d.type = VarType::Real;
                    else
                        in.failAt(line, QStringLiteral("unknown type %1").arg(t));
                }
                s.decls.push_back(std::move(d));
            } while (in.acceptSymbol(","));
            return s;
        }
        if (in.acceptWord("for")) {
            s.kind = Stmt::Kind::For;
            const QString name = in.expectName(QStringLiteral("the loop variable"));
            s.target = variable(name, line);
            in.expectSymbol("=");
            s.value = expression();
            in.expectWord("to");
            s.cond = expression();
            if (in.acceptWord("step"))
                s.step = expression();
            s.body = block([&] { return in.isWord("next"); });
            if (!in.acceptWord("next"))
                in.failAt(line, QStringLiteral("FOR without NEXT"));
            if (in.peek().kind == Token::Kind::Name && !reserved(in.peek().key)) {
                const Token n = in.take();
                if (n.key != name.toLower())
                    in.failAt(n.line,
                              QStringLiteral("NEXT %1 closes the loop over %2").arg(n.text, name));
            }
            return s;
        }
        if (in.acceptWord("while")) {
            s.kind = Stmt::Kind::Loop;
            s.hasPre = true;
            s.cond = expression();
            s.body = block([&] { return in.isWord("wend"); });
            if (!in.acceptWord("wend"))
                in.failAt(line, QStringLiteral("WHILE without WEND"));
            return s;
        }
        if (in.acceptWord("do")) {
            s.kind = Stmt::Kind::Loop;
            if (in.isWord("while") || in.isWord("until")) {
                s.hasPre = true;
                s.preUntil = in.take().key == QLatin1String("until");
                s.cond = expression();
            }
            s.body = block([&] { return in.isWord("loop"); });
            if (!in.acceptWord("loop"))
                in.failAt(line, QStringLiteral("DO without LOOP"));
            if (in.isWord("while") || in.isWord("until")) {
                if (s.hasPre)
                    in.fail(QStringLiteral("a DO loop with two conditions"));
                s.hasPost = true;
                s.postUntil = in.take().key == QLatin1String("until");
                s.post = expression();
            }
            return s;
        }
        if (in.acceptWord("if"))
            return ifStatement(line);
        if (in.acceptWord("exit")) {
            if (!in.acceptWord("for") && !in.acceptWord("do"))
                in.fail(QStringLiteral("EXIT FOR or EXIT DO expected"));
            s.kind = Stmt::Kind::Break;
            return s;
        }
        if (in.isWord("end") && !in.isWord("if", 1)) {
            in.take();
            s.kind = Stmt::Kind::Halt;
            return s;
        }
        if (in.acceptWord("stop")) {
            s.kind = Stmt::Kind::Halt;
            return s;
        }
        if (in.acceptWord("cls")) {
            s.kind = Stmt::Kind::Nop;
            return s;
        }
        if (in.isWord("goto") || in.isWord("gosub"))
            in.fail(QStringLiteral("%1 is not supported").arg(in.peek().text.toUpper()));
        in.acceptWord("let");
        if (in.peek().kind == Token::Kind::Name && !reserved(in.peek().key)) {
            s.kind = Stmt::Kind::Assign;
            s.target = target();
            in.expectSymbol("=");
            s.value = expression();
            return s;
        }
        in.fail(QStringLiteral("a statement expected, found %1").arg(in.describe(in.peek())));
    }

    Stmt ifStatement(int line) {
        Stmt s;
        s.kind = Stmt::Kind::If;
        s.line = line;
        s.cond = expression();
        in.expectWord("then");
        if (!in.isNewline()) {
            s.body = inlineStatements();
            if (in.acceptWord("else"))
                s.elseBody = inlineStatements();
            return s;
        }
        auto branchEnd = [&] {
            return in.isWord("else") || in.isWord("elseif") ||
                   (in.isWord("end") && in.isWord("if", 1));
        };
        s.body = block(branchEnd);
        if (in.isWord("elseif")) {
            const int l = in.take().line;
            s.elseBody.push_back(ifStatement(l));
            return s; // the inner IF took END IF
        }
        if (in.acceptWord("else"))
            s.elseBody = block([&] { return in.isWord("end") && in.isWord("if", 1); });
        if (!(in.acceptWord("end") && in.acceptWord("if")))
            in.failAt(line, QStringLiteral("IF without END IF"));
        return s;
    }

    Expr target() {
        const int line = in.line();
        const QString name = in.expectName(QStringLiteral("a variable"));
        if (reserved(name.toLower()))
            in.failAt(line, QStringLiteral("'%1' is a reserved word").arg(name));
        if (in.acceptSymbol("(")) {
            Expr e;
            e.kind = Expr::Kind::Element;
            e.name = name;
            e.line = line;
            e.args.push_back(expression());
            if (in.isSymbol(","))
                in.fail(QStringLiteral("only one-dimensional arrays are supported"));
            in.expectSymbol(")");
            measure(e);
            return e;
        }
        return variable(name, line);
    }

    Expr expression() {
        const reader::Depth guard(in);
        return orLevel();
    }

    Expr orLevel() {
        return infixLevel(in, {{"or", Op::Or, true}, {"xor", Op::Xor, true}},
                          [this] { return andLevel(); });
    }
    Expr andLevel() {
        return infixLevel(in, {{"and", Op::And, true}}, [this] { return notLevel(); });
    }
    Expr notLevel() {
        const reader::Depth guard(in);
        if (in.isWord("not")) {
            const int line = in.take().line;
            return unary(Op::Not, notLevel(), line);
        }
        return relation();
    }
    Expr relation() {
        return infixLevel(in,
                          {{"=", Op::Eq},
                           {"<>", Op::Ne},
                           {"<", Op::Lt},
                           {"<=", Op::Le},
                           {">", Op::Gt},
                           {">=", Op::Ge}},
                          [this] { return additive(); });
    }
    Expr additive() {
        return infixLevel(in, {{"+", Op::Add}, {"-", Op::Sub}}, [this] { return modLevel(); });
    }
    Expr modLevel() {
        return infixLevel(in, {{"mod", Op::BasicMod, true}}, [this] { return intDivLevel(); });
    }
    Expr intDivLevel() {
        return infixLevel(in, {{"\\", Op::BasicDiv}}, [this] { return product(); });
    }
    Expr product() {
        return infixLevel(in, {{"*", Op::Mul}, {"/", Op::RealDiv}}, [this] { return negation(); });
    }
    Expr negation() {
        const reader::Depth guard(in);
        const int line = in.line();
        if (in.acceptSymbol("-"))
            return unary(Op::Neg, negation(), line);
        if (in.acceptSymbol("+"))
            return negation();
        return power();
    }
    Expr power() {
        Expr a = primary();
        while (in.isSymbol("^")) {
            const int line = in.take().line;
            Expr b = in.isSymbol("-") ? negation() : primary();
            a = binary(Op::Pow, std::move(a), std::move(b), line);
        }
        return a;
    }
    Expr primary() {
        const int line = in.line();
        const Token t = in.peek();
        if (in.acceptSymbol("(")) {
            Expr e = expression();
            in.expectSymbol(")");
            return e;
        }
        if (t.kind == Token::Kind::Integer) {
            in.take();
            return literal(Value::ofInteger(t.integer), line);
        }
        if (t.kind == Token::Kind::Real) {
            in.take();
            return literal(Value::ofReal(t.real), line);
        }
        if (t.kind == Token::Kind::Text) {
            in.take();
            return literal(Value::ofText(t.text), line);
        }
        if (t.kind == Token::Kind::Name && !reserved(t.key)) {
            static const std::map<QString, Builtin> known = {
                {"abs", Builtin::Abs},   {"sqr", Builtin::Sqrt},       {"int", Builtin::Floor},
                {"fix", Builtin::Trunc}, {"cint", Builtin::RoundEven}, {"sgn", Builtin::Sign}};
            const auto it = known.find(t.key);
            if (it != known.end()) {
                in.take();
                Expr e;
                e.kind = Expr::Kind::Call;
                e.name = t.text;
                e.builtin = it->second;
                e.line = line;
                in.expectSymbol("(");
                e.args.push_back(expression());
                in.expectSymbol(")");
                measure(e);
                return e;
            }
            return target();
        }
        in.fail(QStringLiteral("a value expected, found %1").arg(in.describe(t)));
    }
};

} // namespace

RunResult runBasic(const QString& source, const RunOptions& options) {
    return machine::execute(BasicReader(source).read(), options);
}

} // namespace zut::check
