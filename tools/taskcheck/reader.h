// SPDX-License-Identifier: GPL-3.0-or-later
// The text side of the interpreters: a tokenizer that each language sets up
// with its own rules (comments, quotes, operators, letter case), and a
// cursor over the tokens with the helpers every language's reader uses.
#pragma once

#include "interpret.h"

#include <vector>

namespace zut::check::reader {

struct Token {
    enum class Kind { Name, Integer, Real, Text, Symbol, Newline, End };
    Kind kind = Kind::End;
    QString text; // as written (a Text token: its characters without quotes)
    QString key;  // Name: folded to lower case where the language ignores case
    qint64 integer = 0;
    double real = 0;
    int line = 1;
};

struct Rules {
    Language language = Language::Pascal;
    QString label; // names the text in messages; the language's name when empty
    bool caseless = false;
    bool newlines = false;    // line ends are tokens (Basic, the school language)
    QStringList symbols;      // operators and punctuation; longest first is not required
    QStringList lineComments; // "//", "'", "|"
    std::vector<std::pair<QString, QString>> blockComments;
    QChar quote = '"';
    bool doubledQuote = false; // Pascal: '' inside a string is one quote
    bool escapes = false;      // C: \n, \t, \\, \"
    bool charLiterals = false; // C: 'a' is a number
    QString nameSuffixes;      // Basic: A%, N$
    bool remComments = false;  // Basic: REM to the end of the line
    bool preprocessor = false; // C: lines starting with # are skipped
};

std::vector<Token> tokenize(const QString& source, const Rules& rules);

class Cursor {
public:
    Cursor(std::vector<Token> tokens, Language language)
        : toks(std::move(tokens))
        , label(languageName(language)) {}
    // Messages name `label` alone, without a line (one-line texts).
    Cursor(std::vector<Token> tokens, const QString& label)
        : toks(std::move(tokens))
        , label(label)
        , lines(false) {}

    const Token& peek(size_t ahead = 0) const;
    Token take();
    int line() const { return peek().line; }

    bool atEnd() const { return peek().kind == Token::Kind::End; }
    bool isSymbol(const QString& s, size_t ahead = 0) const;
    bool isWord(const QString& w, size_t ahead = 0) const; // a Name token with this key
    bool isNewline() const { return peek().kind == Token::Kind::Newline; }
    bool acceptSymbol(const QString& s);
    bool acceptWord(const QString& w);
    void expectSymbol(const QString& s);
    void expectWord(const QString& w);
    QString expectName(const QString& what);
    void skipNewlines();

    // Nesting of the reader's recursion (parentheses, statements inside
    // statements), kept within a limit so that no text can exhaust the stack.
    void enter();
    void leave() { --depth; }

    [[noreturn]] void fail(const QString& what) const;
    [[noreturn]] void failAt(int line, const QString& what) const;
    QString describe(const Token& t) const;

private:
    std::vector<Token> toks;
    size_t pos = 0;
    QString label;
    bool lines = true;
    int depth = 0;
};

struct Depth {
    explicit Depth(Cursor& cursor)
        : c(cursor) {
        c.enter();
    }
    ~Depth() { c.leave(); }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
    Cursor& c;
};

} // namespace zut::check::reader
