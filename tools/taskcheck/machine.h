// SPDX-License-Identifier: GPL-3.0-or-later
// The machine under the four interpreters: the program tree that each
// language's reader builds, and its execution with a step limit. The
// readers decide what the text means (a Pascal `div` and the school
// language's div(a, b) are different operations here); the machine only
// runs the tree.
#pragma once

#include "interpret.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace zut::check::reader {
class Cursor;
}

namespace zut::check::machine {

enum class Op {
    Add,
    Sub,
    Mul,
    RealDiv,  // always a real quotient (Pascal, Basic, the school language)
    CDiv,     // whole quotient of two integers, else real (C)
    DivTrunc, // whole quotient rounded towards zero (Pascal div)
    ModTrunc, // remainder with the sign of the dividend (Pascal mod, C %)
    DivFloor, // whole quotient rounded down (the school language's div)
    ModFloor, // remainder with the sign of the divisor (its mod)
    BasicDiv, // Basic \: operands rounded to integers, quotient towards zero
    BasicMod, // Basic MOD: operands rounded to integers
    Pow,
    Neg,
    Not,
    And,
    Or,
    Xor, // And, Or, Xor: logical on truth values, bitwise on integers
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
};

enum class Builtin {
    Abs,
    Square,
    Sqrt,
    Trunc,
    RoundEven, // halves to even (Pascal round, Basic CINT)
    Floor,
    Odd,
    Min,
    Max,
    Sign,
};

struct Expr {
    enum class Kind { Literal, Variable, Element, Unary, Binary, Call };
    Kind kind = Kind::Literal;
    Value value;  // Literal
    QString name; // Variable, Element; Call: the name as written
    Op op = Op::Add;
    Builtin builtin = Builtin::Abs;
    std::vector<Expr> args; // Element: the index; Unary: one; Binary: two; Call: the arguments
    int line = 0;
    int depth = 1; // of the tree under this node, kept bounded (see binary())
};

enum class VarType {
    Integer,
    Real,
    Boolean,
    Text,
    Number,   // Basic: any number, whole or not
    Implicit, // a bare fragment's undeclared variable: takes the type of what it is given
};

struct Decl {
    QString name;
    VarType type = VarType::Integer;
    bool array = false;
    std::optional<Expr> low, high; // array bounds; none: unbounded
    bool constant = false;
    std::optional<Expr> init;   // initial value
    std::vector<Expr> initList; // C: int a[3] = {1, 2, 3}
};

struct PrintItem {
    Expr value;
    std::optional<Expr> width, decimals; // Pascal x:5, x:8:2
    bool zone = false;                   // Basic: followed by ',' (next print zone)
};

struct Stmt {
    enum class Kind {
        Assign,
        If,
        Loop,
        For,
        Repeat,
        CFor,
        Block,
        Print,
        Printf,
        Input,
        Declare,
        Break,
        Continue,
        Halt,
        Assert,
        Nop
    };
    Kind kind = Kind::Nop;
    int line = 0;

    Expr target; // Assign; For: the loop variable
    Expr value;  // Assign; For: the first value
    Expr cond;   // If, Assert, CFor; For: the last value; Loop: the condition before the
                 // body; Repeat: the number of turns
    std::optional<Expr> step; // For
    bool down = false;        // For: Pascal downto

    std::vector<Stmt> body, elseBody;
    std::vector<Stmt> init, update; // CFor

    // Loop: a condition before and/or after the body; `until` ends the loop
    // when the condition is true (repeat … until), otherwise when false.
    bool hasPre = false, preUntil = false, hasPost = false, postUntil = false;
    Expr post;

    std::vector<PrintItem> items; // Print
    bool newline = true;          // Print: end the line
    QString format;               // Printf: the format; the items are its arguments
    std::vector<Expr> targets;    // Input
    std::vector<Decl> decls;      // Declare
};

struct Program {
    Language language = Language::Pascal;
    QString label; // names the program in messages; the language's name when empty
    QString lineWord = QStringLiteral("line"); // what a statement's number counts
    std::vector<Stmt> body;
    bool implicitNames = false; // undeclared names are variables (bare fragments, Basic)
};

RunResult execute(const Program& program, const RunOptions& options);

// Shared by the readers: a literal or a name node, and operations. An
// operation deeper than 1000 levels (a chain of a thousand additions) is
// refused, so that no tree exhausts the stack when it is run or freed.
Expr literal(const Value& v, int line);
Expr variable(const QString& name, int line);
Expr unary(Op op, Expr a, int line);
Expr binary(Op op, Expr a, Expr b, int line);
// Sets the depth of a node built by hand (an element, a call) from its arguments.
void measure(Expr& e);

// One operator of a level of binary operators: a symbol such as "<=" or,
// where `word` is set, a word such as "div".
struct Infix {
    const char* token;
    Op op;
    bool word = false;
};

// A level of left-associative binary operators, a op b op c read as
// ((a op b) op c), the operands read by `operand`.
Expr infixLevel(reader::Cursor& in, std::initializer_list<Infix> ops,
                const std::function<Expr()>& operand);

} // namespace zut::check::machine
