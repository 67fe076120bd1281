// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpret_algo.h"

#include "machine.h"
#include "reader.h"

#include <functional>

namespace zut::check {

namespace {

using namespace machine;
using reader::Token;

class AlgoReader {
public:
    explicit AlgoReader(const QString& source)
        : in(reader::tokenize(source, rules()), Language::Algorithmic) {}

    Program read() {
        Program p;
        p.language = Language::Algorithmic;
        in.skipNewlines();
        while (in.acceptWord(QStringLiteral("использовать"))) {
            in.expectName(QStringLiteral("the name of a set of commands"));
            in.skipNewlines();
        }
        // Statements before the header (global variables) run first.
        std::vector<Stmt> body = statements([&] { return in.isWord(QStringLiteral("алг")); });
        if (in.acceptWord(QStringLiteral("алг"))) {
            header = true;
            while (!in.isNewline() && !in.atEnd())
                in.take(); // the algorithm's type, name and arguments
            in.skipNewlines();
            while (in.isWord(QStringLiteral("дано")) || in.isWord(QStringLiteral("надо"))) {
                while (!in.isNewline() && !in.atEnd())
                    in.take();
                in.skipNewlines();
            }
            in.expectWord(QStringLiteral("нач"));
            for (Stmt& s : statements([&] { return in.isWord(QStringLiteral("кон")); }))
                body.push_back(std::move(s));
            in.expectWord(QStringLiteral("кон"));
            in.skipNewlines();
        }
        if (!in.atEnd())
            in.fail(QStringLiteral("unexpected %1").arg(in.describe(in.peek())));
        p.body = std::move(body);
        p.implicitNames = !header && !declared;
        return p;
    }

private:
    reader::Cursor in;
    bool header = false;
    bool declared = false;

    static reader::Rules rules() {
        reader::Rules r;
        r.language = Language::Algorithmic;
        r.newlines = true;
        r.symbols = {":=",
                     "<=",
                     ">=",
                     "<>",
                     QStringLiteral("≠"),
                     QStringLiteral("≤"),
                     QStringLiteral("≥"),
                     "**",
                     "+",
                     "-",
                     "*",
                     "/",
                     "=",
                     "<",
                     ">",
                     "(",
                     ")",
                     "[",
                     "]",
                     ",",
                     ":",
                     ";"};
        r.lineComments = {"|"};
        r.quote = '"';
        return r;
    }

    bool reserved(const QString& w) const {
        static const QStringList words = {
            "алг",    "нач",  "кон", "цел",   "вещ",    "лог",   "лит", "сим",   "целтаб", "вещтаб",
            "логтаб", "таб",  "нц",  "кц",    "кц_при", "для",   "от",  "до",    "шаг",    "пока",
            "раз",    "если", "то",  "иначе", "все",    "выбор", "при", "вывод", "ввод",   "нс",
            "и",      "или",  "не",  "да",    "нет",    "выход", "утв", "div",   "mod"};
        return words.contains(w);
    }

    void endOfStatement() {
        if (in.acceptSymbol(";") || in.isNewline() || in.atEnd())
            return;
        in.fail(
            QStringLiteral("the statement should end here, not at %1").arg(in.describe(in.peek())));
    }

    std::vector<Stmt> statements(const std::function<bool()>& stop) {
        std::vector<Stmt> list;
        for (;;) {
            while (in.isNewline() || in.acceptSymbol(";"))
                in.skipNewlines();
            if (in.atEnd() || stop())
                return list;
            list.push_back(statement());
            if (!stop())
                endOfStatement();
        }
    }

    bool isDeclarationStart() const {
        static const QStringList types = {"цел", "вещ",    "лог",    "лит",
                                          "сим", "целтаб", "вещтаб", "логтаб"};
        return in.peek().kind == Token::Kind::Name && types.contains(in.peek().key);
    }

    Stmt declaration() {
        Stmt s;
        s.kind = Stmt::Kind::Declare;
        s.line = in.line();
        QString type = in.take().key;
        bool table = type.endsWith(QStringLiteral("таб"));
        if (!table && in.acceptWord(QStringLiteral("таб")))
            table = true;
        if (table && type.endsWith(QStringLiteral("таб")))
            type.chop(3);
        const VarType vt = type == QStringLiteral("цел")   ? VarType::Integer
                           : type == QStringLiteral("вещ") ? VarType::Real
                           : type == QStringLiteral("лог") ? VarType::Boolean
                                                           : VarType::Text;
        declared = true;
        do {
            Decl d;
            d.name = in.expectName(QStringLiteral("a variable name"));
            if (reserved(d.name))
                in.fail(QStringLiteral("'%1' is a reserved word").arg(d.name));
            d.type = vt;
            if (table) {
                d.array = true;
                in.expectSymbol("[");
                d.low = expression();
                in.expectSymbol(":");
                d.high = expression();
                if (in.isSymbol(","))
                    in.fail(QStringLiteral("only one-dimensional tables are supported"));
                in.expectSymbol("]");
            }
            if (in.acceptSymbol("=")) {
                if (table)
                    in.fail(QStringLiteral("a table cannot be given one initial value"));
                d.init = expression();
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
        if (isDeclarationStart())
            return declaration();
        if (in.acceptWord(QStringLiteral("нц")))
            return loop(line);
        if (in.acceptWord(QStringLiteral("если"))) {
            s.kind = Stmt::Kind::If;
            s.cond = expression();
            in.skipNewlines();
            in.expectWord(QStringLiteral("то"));
            s.body = statements([&] {
                return in.isWord(QStringLiteral("иначе")) || in.isWord(QStringLiteral("все"));
            });
            if (in.acceptWord(QStringLiteral("иначе")))
                s.elseBody = statements([&] { return in.isWord(QStringLiteral("все")); });
            if (!in.acceptWord(QStringLiteral("все")))
                in.failAt(line, QStringLiteral("'если' without 'все'"));
            return s;
        }
        if (in.acceptWord(QStringLiteral("выбор")))
            return choice(line);
        if (in.acceptWord(QStringLiteral("вывод"))) {
            // Each item is printed as it comes; нс ends a line.
            Stmt block;
            block.kind = Stmt::Kind::Block;
            block.line = line;
            do {
                Stmt item;
                item.kind = Stmt::Kind::Print;
                item.line = line;
                item.newline = false;
                if (in.acceptWord(QStringLiteral("нс"))) {
                    item.newline = true;
                } else {
                    PrintItem p;
                    p.value = expression();
                    if (in.acceptSymbol(":")) {
                        p.width = expression();
                        if (in.acceptSymbol(":"))
                            p.decimals = expression();
                    }
                    item.items.push_back(std::move(p));
                }
                block.body.push_back(std::move(item));
            } while (in.acceptSymbol(","));
            return block;
        }
        if (in.acceptWord(QStringLiteral("ввод"))) {
            s.kind = Stmt::Kind::Input;
            do
                s.targets.push_back(target());
            while (in.acceptSymbol(","));
            return s;
        }
        if (in.acceptWord(QStringLiteral("выход"))) {
            s.kind = Stmt::Kind::Break;
            return s;
        }
        if (in.acceptWord(QStringLiteral("утв"))) {
            s.kind = Stmt::Kind::Assert;
            s.cond = expression();
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

    Stmt loop(int line) {
        Stmt s;
        s.line = line;
        auto atEnd = [&] {
            return in.isWord(QStringLiteral("кц")) || in.isWord(QStringLiteral("кц_при"));
        };
        if (in.acceptWord(QStringLiteral("для"))) {
            s.kind = Stmt::Kind::For;
            s.target = variable(in.expectName(QStringLiteral("the loop variable")), line);
            in.expectWord(QStringLiteral("от"));
            s.value = expression();
            in.expectWord(QStringLiteral("до"));
            s.cond = expression();
            if (in.acceptWord(QStringLiteral("шаг")))
                s.step = expression();
        } else if (in.acceptWord(QStringLiteral("пока"))) {
            s.kind = Stmt::Kind::Loop;
            s.hasPre = true;
            s.cond = expression();
        } else if (!in.isNewline()) {
            s.kind = Stmt::Kind::Repeat; // нц n раз
            s.cond = expression();
            in.expectWord(QStringLiteral("раз"));
        } else {
            s.kind = Stmt::Kind::Loop;
        }
        s.body = statements(atEnd);
        bool post = in.acceptWord(QStringLiteral("кц_при"));
        if (!post) {
            if (!in.acceptWord(QStringLiteral("кц")))
                in.failAt(line, QStringLiteral("'нц' without 'кц'"));
            post = in.acceptWord(QStringLiteral("при"));
        }
        if (post) {
            if (s.kind != Stmt::Kind::Loop || s.hasPre)
                in.failAt(line, QStringLiteral("'кц при' may only close a loop with no other "
                                               "condition"));
            s.hasPost = true;
            s.postUntil = true;
            s.post = expression();
        }
        return s;
    }

    Stmt choice(int line) {
        // выбор при c1: … при c2: … иначе … все  →  nested ifs
        Stmt root;
        Stmt* cur = nullptr;
        in.skipNewlines();
        auto branchEnd = [&] {
            return in.isWord(QStringLiteral("при")) || in.isWord(QStringLiteral("иначе")) ||
                   in.isWord(QStringLiteral("все"));
        };
        while (in.acceptWord(QStringLiteral("при"))) {
            Stmt s;
            s.kind = Stmt::Kind::If;
            s.line = in.line();
            s.cond = expression();
            in.expectSymbol(":");
            s.body = statements(branchEnd);
            if (!cur) {
                root = std::move(s);
                cur = &root;
            } else {
                cur->elseBody.push_back(std::move(s));
                cur = &cur->elseBody.back();
            }
        }
        if (!cur)
            in.failAt(line, QStringLiteral("'выбор' without 'при'"));
        if (in.acceptWord(QStringLiteral("иначе")))
            cur->elseBody = statements([&] { return in.isWord(QStringLiteral("все")); });
        if (!in.acceptWord(QStringLiteral("все")))
            in.failAt(line, QStringLiteral("'выбор' without 'все'"));
        return root;
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
            if (in.isSymbol(","))
                in.fail(QStringLiteral("only one-dimensional tables are supported"));
            in.expectSymbol("]");
            measure(e);
            return e;
        }
        return variable(name, line);
    }

    Expr expression() {
        const reader::Depth guard(in);
        return infixLevel(in, {{"или", Op::Or, true}}, [this] { return conjunction(); });
    }
    Expr conjunction() {
        return infixLevel(in, {{"и", Op::And, true}}, [this] { return negation(); });
    }
    Expr negation() {
        const reader::Depth guard(in);
        if (in.isWord(QStringLiteral("не"))) {
            const int line = in.take().line;
            return unary(Op::Not, negation(), line);
        }
        return relation();
    }
    Expr relation() {
        Expr a = additive();
        static const std::vector<std::pair<QString, Op>> rel = {
            {"=", Op::Eq}, {"<>", Op::Ne}, {QStringLiteral("≠"), Op::Ne},
            {"<", Op::Lt}, {"<=", Op::Le}, {QStringLiteral("≤"), Op::Le},
            {">", Op::Gt}, {">=", Op::Ge}, {QStringLiteral("≥"), Op::Ge}};
        for (const auto& [sym, op] : rel)
            if (in.isSymbol(sym)) {
                const int line = in.take().line;
                Expr b = additive();
                for (const auto& r : rel)
                    if (in.isSymbol(r.first))
                        in.fail(
                            QStringLiteral("comparisons cannot be chained; join them with 'и'"));
                return binary(op, std::move(a), std::move(b), line);
            }
        return a;
    }
    Expr additive() {
        return infixLevel(in, {{"+", Op::Add}, {"-", Op::Sub}}, [this] { return product(); });
    }
    Expr product() {
        return infixLevel(in, {{"*", Op::Mul}, {"/", Op::RealDiv}}, [this] { return sign(); });
    }
    Expr sign() {
        const reader::Depth guard(in);
        const int line = in.line();
        if (in.acceptSymbol("-"))
            return unary(Op::Neg, sign(), line);
        if (in.acceptSymbol("+"))
            return sign();
        Expr a = primary();
        if (in.isSymbol("**")) {
            in.take();
            return binary(Op::Pow, std::move(a), sign(), line);
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
        if (in.acceptWord(QStringLiteral("да")))
            return literal(Value::ofBoolean(true), line);
        if (in.acceptWord(QStringLiteral("нет")))
            return literal(Value::ofBoolean(false), line);
        if (in.isWord(QStringLiteral("div")) || in.isWord(QStringLiteral("mod"))) {
            const bool isDiv = in.take().key == QLatin1String("div");
            in.expectSymbol("(");
            Expr a = expression();
            in.expectSymbol(",");
            Expr b = expression();
            in.expectSymbol(")");
            return binary(isDiv ? Op::DivFloor : Op::ModFloor, std::move(a), std::move(b), line);
        }
        if (t.kind == Token::Kind::Name && !reserved(t.key)) {
            static const std::map<QString, Builtin> known = {
                {"abs", Builtin::Abs},   {"iabs", Builtin::Abs}, {"sqrt", Builtin::Sqrt},
                {"int", Builtin::Floor}, {"min", Builtin::Min},  {"max", Builtin::Max},
                {"imin", Builtin::Min},  {"imax", Builtin::Max}, {"sign", Builtin::Sign}};
            const auto it = known.find(t.key);
            if (it != known.end() && in.isSymbol("(", 1)) {
                in.take();
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
            if (in.isSymbol("(", 1))
                in.fail(QStringLiteral("unknown function %1").arg(t.text));
            return target();
        }
        in.fail(QStringLiteral("a value expected, found %1").arg(in.describe(t)));
    }
};

} // namespace

RunResult runAlgorithmic(const QString& source, const RunOptions& options) {
    return machine::execute(AlgoReader(source).read(), options);
}

} // namespace zut::check
