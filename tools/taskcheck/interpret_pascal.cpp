// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpret_pascal.h"

#include "machine.h"
#include "reader.h"

namespace zut::check {

namespace {

using namespace machine;
using reader::Token;

class PascalReader {
public:
    explicit PascalReader(const QString& source)
        : in(reader::tokenize(source, rules()), Language::Pascal) {}

    Program read() {
        Program p;
        p.language = Language::Pascal;
        bool declared = false;
        const bool header = in.isWord("program") || in.isWord("uses");
        const bool whole = header || in.isWord("var") || in.isWord("const") || in.isWord("begin");
        if (!whole) {
            p.implicitNames = true;
            p.body = statements();
            if (!in.atEnd())
                in.fail(QStringLiteral("unexpected %1").arg(in.describe(in.peek())));
            return p;
        }
        if (in.acceptWord("program")) {
            in.expectName(QStringLiteral("the program's name"));
            if (in.acceptSymbol("(")) {
                do
                    in.expectName(QStringLiteral("a name"));
                while (in.acceptSymbol(","));
                in.expectSymbol(")");
            }
            in.expectSymbol(";");
        }
        if (in.acceptWord("uses")) {
            do
                in.expectName(QStringLiteral("a unit name"));
            while (in.acceptSymbol(","));
            in.expectSymbol(";");
        }
        for (;;) {
            if (in.acceptWord("const")) {
                declared = true;
                constants(p.body);
            } else if (in.acceptWord("var")) {
                declared = true;
                variables(p.body);
            } else {
                break;
            }
        }
        if (!header && !in.isWord("begin")) {
            // A fragment that opens with declarations: the names it does not
            // declare are declared elsewhere.
            p.implicitNames = true;
            append(p.body, statements());
            if (!in.atEnd())
                in.fail(QStringLiteral("unexpected %1").arg(in.describe(in.peek())));
            return p;
        }
        p.implicitNames = !declared;
        in.expectWord("begin");
        append(p.body, statements());
        in.expectWord("end");
        if (!in.acceptSymbol(".") && !in.atEnd())
            in.fail(QStringLiteral("'.' expected after the last 'end'"));
        if (!in.atEnd())
            in.fail(QStringLiteral("text after the end of the program: %1")
                        .arg(in.describe(in.peek())));
        return p;
    }

private:
    reader::Cursor in;

    static reader::Rules rules() {
        reader::Rules r;
        r.language = Language::Pascal;
        r.caseless = true;
        r.symbols = {":=", "..", "<=", ">=", "<>", "+", "-", "*", "/", "=",
                     "<",  ">",  "(",  ")",  "[",  "]", ";", ":", ",", "."};
        r.lineComments = {"//"};
        r.blockComments = {{"{", "}"}, {"(*", "*)"}};
        r.quote = '\'';
        r.doubledQuote = true;
        return r;
    }

    static void append(std::vector<Stmt>& to, std::vector<Stmt> more) {
        for (Stmt& s : more)
            to.push_back(std::move(s));
    }

    bool reserved(const QString& key) const {
        static const QStringList words = {
            "and",  "array", "begin", "case",      "const",   "div",    "do",   "downto",
            "else", "end",   "for",   "function",  "goto",    "if",     "in",   "mod",
            "not",  "of",    "or",    "procedure", "program", "repeat", "then", "to",
            "type", "until", "var",   "while",     "xor"};
        return words.contains(key);
    }

    VarType simpleType() {
        const QString t = in.expectName(QStringLiteral("a type")).toLower();
        static const QStringList ints = {"integer",  "longint",  "int64",    "byte",     "word",
                                         "shortint", "smallint", "cardinal", "longword", "qword"};
        static const QStringList reals = {"real", "double", "single", "extended", "comp"};
        if (ints.contains(t))
            return VarType::Integer;
        if (reals.contains(t))
            return VarType::Real;
        if (t == QLatin1String("boolean"))
            return VarType::Boolean;
        if (t == QLatin1String("string") || t == QLatin1String("char"))
            return VarType::Text;
        in.failAt(in.line(), QStringLiteral("unknown type %1").arg(t));
    }

    // A name followed by one of `marks` opens a declaration; any other name
    // opens the statements of a fragment.
    bool declaring(const QStringList& marks) const {
        if (in.peek().kind != Token::Kind::Name || reserved(in.peek().key))
            return false;
        for (const QString& m : marks)
            if (in.isSymbol(m, 1))
                return true;
        return false;
    }

    void constants(std::vector<Stmt>& body) {
        while (declaring({"=", ":"})) {
            Stmt s;
            s.kind = Stmt::Kind::Declare;
            s.line = in.line();
            Decl d;
            d.name = in.take().text;
            d.type = VarType::Implicit;
            d.constant = true;
            if (in.acceptSymbol(":")) {
                d.type = simpleType(); // a typed constant is an initialised variable
                d.constant = false;
            }
            in.expectSymbol("=");
            d.init = expression();
            in.expectSymbol(";");
            s.decls.push_back(std::move(d));
            body.push_back(std::move(s));
        }
    }

    void variables(std::vector<Stmt>& body) {
        while (declaring({":", ","})) {
            Stmt s;
            s.kind = Stmt::Kind::Declare;
            s.line = in.line();
            QStringList names;
            do
                names << in.expectName(QStringLiteral("a variable name"));
            while (in.acceptSymbol(","));
            in.expectSymbol(":");
            Decl proto;
            if (in.acceptWord("array")) {
                proto.array = true;
                in.expectSymbol("[");
                proto.low = expression();
                in.expectSymbol("..");
                proto.high = expression();
                if (in.isSymbol(","))
                    in.fail(QStringLiteral("only one-dimensional arrays are supported"));
                in.expectSymbol("]");
                in.expectWord("of");
                if (in.isWord("array"))
                    in.fail(QStringLiteral("only one-dimensional arrays are supported"));
            }
            proto.type = simpleType();
            if (in.acceptSymbol("=")) {
                if (proto.array || names.size() != 1)
                    in.fail(QStringLiteral("only a single variable may be given an initial value"));
                proto.init = expression();
            }
            in.expectSymbol(";");
            for (const QString& n : names) {
                Decl d = proto;
                d.name = n;
                s.decls.push_back(std::move(d));
            }
            body.push_back(std::move(s));
        }
    }

    std::vector<Stmt> statements() {
        std::vector<Stmt> list;
        for (;;) {
            if (in.isWord("else"))
                in.fail(QStringLiteral("';' before 'else' is not allowed"));
            if (!in.isSymbol(";") && !in.isWord("end") && !in.isWord("until") && !in.atEnd())
                list.push_back(statement());
            if (!in.acceptSymbol(";")) {
                if (!in.isWord("end") && !in.isWord("until") && !in.atEnd())
                    in.fail(QStringLiteral("';' expected, found %1").arg(in.describe(in.peek())));
                return list;
            }
        }
    }

    Stmt block(std::vector<Stmt> body, int line) {
        Stmt s;
        s.kind = Stmt::Kind::Block;
        s.line = line;
        s.body = std::move(body);
        return s;
    }

    Stmt statement() {
        const reader::Depth guard(in);
        const int line = in.line();
        Stmt s;
        s.line = line;
        if (in.acceptWord("begin")) {
            Stmt b = block(statements(), line);
            in.expectWord("end");
            return b;
        }
        if (in.acceptWord("if")) {
            s.kind = Stmt::Kind::If;
            s.cond = expression();
            in.expectWord("then");
            if (!in.isWord("else") && !in.isSymbol(";") && !in.isWord("end"))
                s.body.push_back(statement());
            if (in.acceptWord("else") && !in.isSymbol(";") && !in.isWord("end"))
                s.elseBody.push_back(statement());
            return s;
        }
        if (in.acceptWord("for")) {
            s.kind = Stmt::Kind::For;
            s.target = variable(in.expectName(QStringLiteral("the loop variable")), line);
            in.expectSymbol(":=");
            s.value = expression();
            if (in.acceptWord("downto"))
                s.down = true;
            else
                in.expectWord("to");
            s.cond = expression();
            in.expectWord("do");
            if (!in.isSymbol(";") && !in.isWord("end"))
                s.body.push_back(statement());
            return s;
        }
        if (in.acceptWord("while")) {
            s.kind = Stmt::Kind::Loop;
            s.hasPre = true;
            s.cond = expression();
            in.expectWord("do");
            if (!in.isSymbol(";") && !in.isWord("end"))
                s.body.push_back(statement());
            return s;
        }
        if (in.acceptWord("repeat")) {
            s.kind = Stmt::Kind::Loop;
            s.body = statements();
            in.expectWord("until");
            s.hasPost = true;
            s.postUntil = true;
            s.post = expression();
            return s;
        }
        if (in.acceptWord("break")) {
            s.kind = Stmt::Kind::Break;
            return s;
        }
        if (in.acceptWord("continue")) {
            s.kind = Stmt::Kind::Continue;
            return s;
        }
        if (in.acceptWord("exit") || in.acceptWord("halt")) {
            if (in.acceptSymbol("(")) {
                expression();
                in.expectSymbol(")");
            }
            s.kind = Stmt::Kind::Halt;
            return s;
        }
        if (in.isWord("write") || in.isWord("writeln")) {
            s.kind = Stmt::Kind::Print;
            s.newline = in.take().key == QLatin1String("writeln");
            if (in.acceptSymbol("(")) {
                if (!in.isSymbol(")")) {
                    do {
                        PrintItem item;
                        item.value = expression();
                        if (in.acceptSymbol(":")) {
                            item.width = expression();
                            if (in.acceptSymbol(":"))
                                item.decimals = expression();
                        }
                        s.items.push_back(std::move(item));
                    } while (in.acceptSymbol(","));
                }
                in.expectSymbol(")");
            }
            return s;
        }
        if (in.isWord("read") || in.isWord("readln")) {
            in.take();
            s.kind = Stmt::Kind::Input;
            if (in.acceptSymbol("(")) {
                if (!in.isSymbol(")")) {
                    do
                        s.targets.push_back(target());
                    while (in.acceptSymbol(","));
                }
                in.expectSymbol(")");
            }
            return s;
        }
        if (in.isWord("inc") || in.isWord("dec")) {
            const bool inc = in.take().key == QLatin1String("inc");
            in.expectSymbol("(");
            s.kind = Stmt::Kind::Assign;
            s.target = target();
            Expr by = literal(Value::ofInteger(1), line);
            if (in.acceptSymbol(","))
                by = expression();
            in.expectSymbol(")");
            s.value = binary(inc ? Op::Add : Op::Sub, s.target, by, line);
            return s;
        }
        if (in.peek().kind == Token::Kind::Name && !reserved(in.peek().key)) {
            s.kind = Stmt::Kind::Assign;
            s.target = target();
            if (in.isSymbol("="))
                in.fail(QStringLiteral("':=' expected for an assignment, found '='"));
            in.expectSymbol(":=");
            s.value = expression();
            return s;
        }
        in.fail(QStringLiteral("a statement expected, found %1").arg(in.describe(in.peek())));
    }

    Expr target() {
        const int line = in.line();
        const QString name = in.expectName(QStringLiteral("a variable"));
        if (reserved(name.toLower()))
            in.failAt(line, QStringLiteral("'%1' is a reserved word").arg(name));
        if (in.acceptSymbol("[")) {
            Expr e;
            e.kind = Expr::Kind::Element;
            e.name = name;
            e.line = line;
            e.args.push_back(expression());
            in.expectSymbol("]");
            measure(e);
            return e;
        }
        return variable(name, line);
    }

    Expr expression() {
        const reader::Depth guard(in);
        Expr a = simple();
        const int line = in.line();
        static const std::vector<std::pair<QString, Op>> rel = {{"=", Op::Eq}, {"<>", Op::Ne},
                                                                {"<", Op::Lt}, {"<=", Op::Le},
                                                                {">", Op::Gt}, {">=", Op::Ge}};
        for (const auto& [sym, op] : rel)
            if (in.acceptSymbol(sym)) {
                Expr b = simple();
                for (const auto& r : rel)
                    if (in.isSymbol(r.first))
                        in.fail(QStringLiteral("comparisons cannot be chained; use parentheses "
                                               "and 'and'"));
                return binary(op, std::move(a), std::move(b), line);
            }
        return a;
    }

    Expr simple() {
        return infixLevel(
            in, {{"+", Op::Add}, {"-", Op::Sub}, {"or", Op::Or, true}, {"xor", Op::Xor, true}},
            [this] { return term(); });
    }

    Expr term() {
        return infixLevel(in,
                          {{"*", Op::Mul},
                           {"/", Op::RealDiv},
                           {"div", Op::DivTrunc, true},
                           {"mod", Op::ModTrunc, true},
                           {"and", Op::And, true}},
                          [this] { return factor(); });
    }

    Expr factor() {
        const reader::Depth guard(in);
        const int line = in.line();
        const Token t = in.peek();
        if (in.acceptSymbol("(")) {
            Expr e = expression();
            in.expectSymbol(")");
            return e;
        }
        if (in.acceptSymbol("-"))
            return unary(Op::Neg, factor(), line);
        if (in.acceptSymbol("+"))
            return factor();
        if (in.acceptWord("not"))
            return unary(Op::Not, factor(), line);
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
            if (t.key == QLatin1String("true") || t.key == QLatin1String("false")) {
                in.take();
                return literal(Value::ofBoolean(t.key == QLatin1String("true")), line);
            }
            if (in.isSymbol("(", 1))
                return function();
            return target();
        }
        in.fail(QStringLiteral("a value expected, found %1").arg(in.describe(t)));
    }

    Expr function() {
        const int line = in.line();
        const Token t = in.take();
        static const std::map<QString, Builtin> known = {
            {"abs", Builtin::Abs},     {"sqr", Builtin::Square},      {"sqrt", Builtin::Sqrt},
            {"trunc", Builtin::Trunc}, {"round", Builtin::RoundEven}, {"odd", Builtin::Odd},
            {"min", Builtin::Min},     {"max", Builtin::Max}};
        const auto it = known.find(t.key);
        if (it == known.end())
            in.failAt(line, QStringLiteral("unknown function %1").arg(t.text));
        Expr e;
        e.kind = Expr::Kind::Call;
        e.name = t.text;
        e.builtin = it->second;
        e.line = line;
        in.expectSymbol("(");
        do
            e.args.push_back(expression());
        while (in.acceptSymbol(","));
        in.expectSymbol(")");
        measure(e);
        return e;
    }
};

} // namespace

RunResult runPascal(const QString& source, const RunOptions& options) {
    return machine::execute(PascalReader(source).read(), options);
}

} // namespace zut::check
