// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpret_c.h"

#include "machine.h"
#include "reader.h"

namespace zut::check {

namespace {

using namespace machine;
using reader::Token;

class CReader {
public:
    explicit CReader(const QString& source)
        : in(reader::tokenize(source, rules()), Language::C) {}

    Program read() {
        Program p;
        p.language = Language::C;
        if (hasMain()) {
            // Global declarations, then main; no other function.
            while (!in.atEnd()) {
                if (isFunctionStart()) {
                    const QString name = functionName();
                    if (name != QLatin1String("main"))
                        in.fail(QStringLiteral("functions other than main are not supported "
                                               "(%1)")
                                    .arg(name));
                    in.expectSymbol("(");
                    in.acceptWord("void");
                    if (!in.isSymbol(")")) {
                        while (!in.isSymbol(")") && !in.atEnd())
                            in.take(); // int argc, char** argv: not used
                    }
                    in.expectSymbol(")");
                    p.body.push_back(statement());
                } else if (isTypeStart()) {
                    p.body.push_back(declaration());
                    in.expectSymbol(";");
                } else {
                    in.fail(QStringLiteral("a declaration or main expected, found %1")
                                .arg(in.describe(in.peek())));
                }
            }
            p.implicitNames = false;
            return p;
        }
        while (!in.atEnd())
            p.body.push_back(statement());
        p.implicitNames = !declared;
        return p;
    }

private:
    reader::Cursor in;
    bool declared = false;

    static reader::Rules rules() {
        reader::Rules r;
        r.language = Language::C;
        r.symbols = {"++", "--", "+=", "-=", "*=", "/=", "%=", "==", "!=", "<=", ">=",
                     "&&", "||", "+",  "-",  "*",  "/",  "%",  "=",  "<",  ">",  "!",
                     "(",  ")",  "[",  "]",  "{",  "}",  ";",  ",",  "&",  "?",  ":"};
        r.lineComments = {"//"};
        r.blockComments = {{"/*", "*/"}};
        r.quote = '"';
        r.escapes = true;
        r.charLiterals = true;
        r.preprocessor = true;
        return r;
    }

    bool hasMain() const {
        for (size_t k = 0;; ++k) {
            const Token& t = in.peek(k);
            if (t.kind == Token::Kind::End)
                return false;
            if (t.kind == Token::Kind::Name && t.key == QLatin1String("main") &&
                in.isSymbol("(", k + 1))
                return true;
        }
    }

    bool isTypeWord(size_t ahead = 0) const {
        static const QStringList types = {"int",    "long",  "short", "unsigned", "signed", "char",
                                          "double", "float", "bool",  "_Bool",    "const"};
        const Token& t = in.peek(ahead);
        return t.kind == Token::Kind::Name && types.contains(t.key);
    }
    bool isTypeStart() const { return isTypeWord(); }

    bool isFunctionStart() const {
        size_t k = 0;
        if (in.isWord("void"))
            k = 1;
        else
            while (isTypeWord(k))
                ++k;
        return k > 0 && in.peek(k).kind == Token::Kind::Name && in.isSymbol("(", k + 1);
    }
    QString functionName() {
        while (isTypeWord() || in.isWord("void"))
            in.take();
        return in.take().text;
    }

    bool reserved(const QString& w) const {
        static const QStringList words = {
            "int",   "long",    "short", "unsigned", "signed",   "char",   "double",
            "float", "bool",    "_Bool", "const",    "void",     "if",     "else",
            "for",   "while",   "do",    "break",    "continue", "return", "switch",
            "case",  "default", "goto",  "sizeof",   "struct"};
        return words.contains(w);
    }

    VarType typeName(bool* constant) {
        bool real = false, any = false;
        while (isTypeWord()) {
            const QString w = in.take().key;
            if (w == QLatin1String("const"))
                *constant = true;
            else
                any = true;
            real = real || w == QLatin1String("double") || w == QLatin1String("float");
        }
        if (!any)
            in.fail(QStringLiteral("a type expected"));
        return real ? VarType::Real : VarType::Integer;
    }

    Stmt declaration() {
        Stmt s;
        s.kind = Stmt::Kind::Declare;
        s.line = in.line();
        declared = true;
        bool constant = false;
        const VarType type = typeName(&constant);
        do {
            Decl d;
            d.type = type;
            d.constant = constant;
            if (in.isSymbol("*"))
                in.fail(QStringLiteral("pointers are not supported"));
            d.name = in.expectName(QStringLiteral("a variable name"));
            if (reserved(d.name))
                in.fail(QStringLiteral("'%1' is a reserved word").arg(d.name));
            std::optional<Expr> size;
            if (in.acceptSymbol("[")) {
                d.array = true;
                if (!in.isSymbol("]"))
                    size = expression();
                in.expectSymbol("]");
                if (in.isSymbol("["))
                    in.fail(QStringLiteral("only one-dimensional arrays are supported"));
            }
            if (in.acceptSymbol("=")) {
                if (d.array) {
                    in.expectSymbol("{");
                    if (!in.isSymbol("}")) {
                        do {
                            if (in.isSymbol("}"))
                                break; // a trailing comma
                            d.initList.push_back(expression());
                        } while (in.acceptSymbol(","));
                    }
                    in.expectSymbol("}");
                } else {
                    d.init = expression();
                }
            }
            if (d.array) {
                if (!size && d.initList.empty())
                    in.fail(QStringLiteral("the array %1 has no size").arg(d.name));
                d.low = literal(Value::ofInteger(0), s.line);
                d.high = size ? binary(Op::Sub, *size, literal(Value::ofInteger(1), s.line), s.line)
                              : literal(Value::ofInteger(qint64(d.initList.size()) - 1), s.line);
            }
            s.decls.push_back(std::move(d));
        } while (in.acceptSymbol(","));
        return s;
    }

    Stmt statement() {
        const reader::Depth guard(in);
        const int line = in.line();
        Stmt s;
        s.line = line;
        if (in.acceptSymbol(";"))
            return s;
        if (in.acceptSymbol("{")) {
            s.kind = Stmt::Kind::Block;
            while (!in.isSymbol("}")) {
                if (in.atEnd())
                    in.failAt(line, QStringLiteral("'{' is never closed"));
                s.body.push_back(statement());
            }
            in.take();
            return s;
        }
        if (isTypeStart()) {
            Stmt d = declaration();
            in.expectSymbol(";");
            return d;
        }
        if (in.acceptWord("if")) {
            s.kind = Stmt::Kind::If;
            s.cond = condition();
            s.body.push_back(statement());
            if (in.acceptWord("else"))
                s.elseBody.push_back(statement());
            return s;
        }
        if (in.acceptWord("while")) {
            s.kind = Stmt::Kind::Loop;
            s.hasPre = true;
            s.cond = condition();
            s.body.push_back(statement());
            return s;
        }
        if (in.acceptWord("do")) {
            s.kind = Stmt::Kind::Loop;
            s.body.push_back(statement());
            in.expectWord("while");
            s.hasPost = true;
            s.post = condition();
            in.expectSymbol(";");
            return s;
        }
        if (in.acceptWord("for")) {
            s.kind = Stmt::Kind::CFor;
            in.expectSymbol("(");
            if (isTypeStart())
                s.init.push_back(declaration());
            else if (!in.isSymbol(";"))
                simpleList(s.init);
            in.expectSymbol(";");
            if (!in.isSymbol(";")) {
                s.hasPre = true;
                s.cond = expression();
            }
            in.expectSymbol(";");
            if (!in.isSymbol(")"))
                simpleList(s.update);
            in.expectSymbol(")");
            s.body.push_back(statement());
            return s;
        }
        if (in.acceptWord("break")) {
            in.expectSymbol(";");
            s.kind = Stmt::Kind::Break;
            return s;
        }
        if (in.acceptWord("continue")) {
            in.expectSymbol(";");
            s.kind = Stmt::Kind::Continue;
            return s;
        }
        if (in.acceptWord("return")) {
            if (!in.isSymbol(";"))
                expression();
            in.expectSymbol(";");
            s.kind = Stmt::Kind::Halt;
            return s;
        }
        if (in.isWord("printf") && in.isSymbol("(", 1)) {
            in.take();
            in.take();
            s.kind = Stmt::Kind::Printf;
            if (in.peek().kind != Token::Kind::Text)
                in.fail(QStringLiteral("printf needs a format string"));
            s.format = in.take().text;
            while (in.acceptSymbol(",")) {
                PrintItem item;
                item.value = expression();
                s.items.push_back(std::move(item));
            }
            in.expectSymbol(")");
            in.expectSymbol(";");
            return s;
        }
        if (in.isWord("scanf") && in.isSymbol("(", 1)) {
            in.take();
            in.take();
            s.kind = Stmt::Kind::Input;
            if (in.peek().kind != Token::Kind::Text)
                in.fail(QStringLiteral("scanf needs a format string"));
            const QString format = in.take().text;
            while (in.acceptSymbol(",")) {
                if (!in.acceptSymbol("&") && !in.isSymbol("[", 1))
                    in.fail(QStringLiteral("scanf needs the address of a variable: &name"));
                s.targets.push_back(target());
            }
            if (qsizetype(s.targets.size()) !=
                format.count('%') - 2 * format.count(QLatin1String("%%")))
                in.failAt(line, QStringLiteral("scanf's format and its variables do not match"));
            in.expectSymbol(")");
            in.expectSymbol(";");
            return s;
        }
        std::vector<Stmt> list;
        simpleList(list);
        in.expectSymbol(";");
        if (list.size() == 1)
            return list.front();
        s.kind = Stmt::Kind::Block;
        s.body = std::move(list);
        return s;
    }

    Expr condition() {
        in.expectSymbol("(");
        Expr e = expression();
        in.expectSymbol(")");
        return e;
    }

    // Assignments, increments and decrements separated by commas.
    void simpleList(std::vector<Stmt>& out) {
        do
            out.push_back(simple());
        while (in.acceptSymbol(","));
    }

    Stmt simple() {
        const int line = in.line();
        Stmt s;
        s.kind = Stmt::Kind::Assign;
        s.line = line;
        if (in.isSymbol("++") || in.isSymbol("--")) {
            const bool inc = in.take().text == QLatin1String("++");
            s.target = target();
            s.value =
                binary(inc ? Op::Add : Op::Sub, s.target, literal(Value::ofInteger(1), line), line);
            return s;
        }
        if (in.peek().kind != Token::Kind::Name || reserved(in.peek().key))
            in.fail(QStringLiteral("a statement expected, found %1").arg(in.describe(in.peek())));
        s.target = target();
        static const std::vector<std::pair<QString, Op>> compound = {{"+=", Op::Add},
                                                                     {"-=", Op::Sub},
                                                                     {"*=", Op::Mul},
                                                                     {"/=", Op::CDiv},
                                                                     {"%=", Op::ModTrunc}};
        if (in.acceptSymbol("++") || in.isSymbol("--")) {
            const bool inc = !in.acceptSymbol("--");
            s.value =
                binary(inc ? Op::Add : Op::Sub, s.target, literal(Value::ofInteger(1), line), line);
            return s;
        }
        if (in.acceptSymbol("=")) {
            s.value = expression();
            if (in.isSymbol("="))
                in.fail(QStringLiteral("chained assignments are not supported"));
            return s;
        }
        for (const auto& [sym, op] : compound)
            if (in.acceptSymbol(sym)) {
                s.value = binary(op, s.target, expression(), line);
                return s;
            }
        in.fail(QStringLiteral("an assignment expected after %1, found %2")
                    .arg(s.target.name, in.describe(in.peek())));
    }

    Expr target() {
        const int line = in.line();
        const QString name = in.expectName(QStringLiteral("a variable"));
        if (reserved(name))
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
        Expr a = infixLevel(in, {{"||", Op::Or}}, [this] { return conjunction(); });
        if (in.isSymbol("?"))
            in.fail(QStringLiteral("the ?: operator is not supported"));
        if (in.isSymbol("=") || in.isSymbol("++") || in.isSymbol("--") || in.isSymbol("+="))
            in.fail(QStringLiteral("an assignment inside an expression is not supported"));
        return a;
    }
    Expr conjunction() {
        return infixLevel(in, {{"&&", Op::And}}, [this] { return equality(); });
    }
    Expr equality() {
        return infixLevel(in, {{"==", Op::Eq}, {"!=", Op::Ne}}, [this] { return relation(); });
    }
    Expr relation() {
        return infixLevel(in, {{"<", Op::Lt}, {"<=", Op::Le}, {">", Op::Gt}, {">=", Op::Ge}},
                          [this] { return additive(); });
    }
    Expr additive() {
        return infixLevel(in, {{"+", Op::Add}, {"-", Op::Sub}}, [this] { return product(); });
    }
    Expr product() {
        return infixLevel(in, {{"*", Op::Mul}, {"/", Op::CDiv}, {"%", Op::ModTrunc}},
                          [this] { return prefix(); });
    }
    Expr prefix() {
        const reader::Depth guard(in);
        const int line = in.line();
        if (in.acceptSymbol("-"))
            return unary(Op::Neg, prefix(), line);
        if (in.acceptSymbol("+"))
            return prefix();
        if (in.acceptSymbol("!"))
            return unary(Op::Not, prefix(), line);
        if (in.isSymbol("(") && isTypeWord(1)) {
            in.take();
            bool constant = false;
            const VarType t = typeName(&constant);
            in.expectSymbol(")");
            Expr a = prefix();
            if (t == VarType::Real)
                return binary(Op::Mul, std::move(a), literal(Value::ofReal(1.0), line), line);
            Expr e;
            e.kind = Expr::Kind::Call;
            e.name = QStringLiteral("(int)");
            e.builtin = Builtin::Trunc;
            e.line = line;
            e.args.push_back(std::move(a));
            measure(e);
            return e;
        }
        return primary();
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
            if (in.isSymbol("(", 1)) {
                static const std::map<QString, Builtin> known = {
                    {"abs", Builtin::Abs}, {"fabs", Builtin::Abs}, {"sqrt", Builtin::Sqrt}};
                const auto it = known.find(t.key);
                if (it == known.end())
                    in.fail(QStringLiteral("unknown function %1").arg(t.text));
                in.take();
                in.take();
                Expr e;
                e.kind = Expr::Kind::Call;
                e.name = t.text;
                e.builtin = it->second;
                e.line = line;
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

RunResult runC(const QString& source, const RunOptions& options) {
    return machine::execute(CReader(source).read(), options);
}

} // namespace zut::check
