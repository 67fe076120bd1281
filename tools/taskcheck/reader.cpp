// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader.h"

#include "error.h"

#include <algorithm>

namespace zut::check::reader {

namespace {

[[noreturn]] void lexFail(const Rules& rules, int line, const QString& what) {
    const QString label = rules.label.isEmpty() ? languageName(rules.language) : rules.label;
    throw CheckError(QStringLiteral("%1, line %2: %3").arg(label).arg(line).arg(what));
}

bool isNameStart(QChar c) {
    return c.isLetter() || c == '_';
}
bool isNamePart(QChar c) {
    return c.isLetterOrNumber() || c == '_';
}

Token newline() {
    Token t;
    t.kind = Token::Kind::Newline;
    t.text = QStringLiteral("\\n");
    return t;
}

} // namespace

std::vector<Token> tokenize(const QString& src, const Rules& rules) {
    std::vector<Token> out;
    QStringList symbols = rules.symbols;
    std::sort(symbols.begin(), symbols.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    int line = 1;
    qsizetype i = 0;
    bool lineStart = true;
    auto at = [&](const QString& w) { return QStringView(src).mid(i).startsWith(w); };
    auto push = [&](Token t) {
        t.line = line;
        out.push_back(std::move(t));
        lineStart = false;
    };
    auto skipLine = [&] {
        while (i < src.size() && src[i] != '\n')
            ++i;
    };
    while (i < src.size()) {
        const QChar c = src[i];
        if (c == '\n') {
            if (rules.newlines && !out.empty() && out.back().kind != Token::Kind::Newline)
                push(newline());
            ++line;
            ++i;
            lineStart = true;
            continue;
        }
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (rules.preprocessor && lineStart && c == '#') {
            skipLine();
            continue;
        }
        bool comment = false;
        for (const QString& lc : rules.lineComments)
            if (at(lc)) {
                skipLine();
                comment = true;
                break;
            }
        if (comment)
            continue;
        for (const auto& [open, close] : rules.blockComments)
            if (at(open)) {
                const int startLine = line;
                i += open.size();
                while (i < src.size() && !at(close)) {
                    if (src[i] == '\n')
                        ++line;
                    ++i;
                }
                if (i >= src.size())
                    lexFail(rules, startLine,
                            QStringLiteral("the comment opened by '%1' is never closed").arg(open));
                i += close.size();
                comment = true;
                break;
            }
        if (comment)
            continue;
        Token t;
        if (isNameStart(c)) {
            const qsizetype start = i;
            while (i < src.size() && isNamePart(src[i]))
                ++i;
            if (i < src.size() && rules.nameSuffixes.contains(src[i]))
                ++i;
            t.kind = Token::Kind::Name;
            t.text = src.mid(start, i - start);
            t.key = rules.caseless ? t.text.toLower() : t.text;
            if (rules.remComments &&
                t.key.compare(QLatin1String("rem"), Qt::CaseInsensitive) == 0) {
                skipLine();
                continue;
            }
            push(t);
            continue;
        }
        if (c.isDigit() || (c == '.' && i + 1 < src.size() && src[i + 1].isDigit() &&
                            rules.language == Language::Basic)) {
            const qsizetype start = i;
            while (i < src.size() && src[i].isDigit())
                ++i;
            bool real = false;
            if (i + 1 < src.size() && src[i] == '.' && src[i + 1].isDigit()) {
                real = true;
                ++i;
                while (i < src.size() && src[i].isDigit())
                    ++i;
            } else if (i < src.size() && src[i] == '.' && rules.language == Language::Basic) {
                real = true;
                ++i;
            }
            if (i < src.size() && (src[i] == 'e' || src[i] == 'E')) {
                qsizetype j = i + 1;
                if (j < src.size() && (src[j] == '+' || src[j] == '-'))
                    ++j;
                if (j < src.size() && src[j].isDigit()) {
                    real = true;
                    i = j;
                    while (i < src.size() && src[i].isDigit())
                        ++i;
                }
            }
            t.text = src.mid(start, i - start);
            bool ok = false;
            if (real) {
                t.kind = Token::Kind::Real;
                t.real = t.text.toDouble(&ok);
            } else {
                t.kind = Token::Kind::Integer;
                t.integer = t.text.toLongLong(&ok);
            }
            if (!ok)
                lexFail(rules, line, QStringLiteral("the number %1 is too large").arg(t.text));
            if (i < src.size() && isNameStart(src[i]))
                lexFail(rules, line, QStringLiteral("'%1' runs into a name").arg(t.text + src[i]));
            push(t);
            continue;
        }
        if (rules.charLiterals && c == '\'') {
            qsizetype j = i + 1;
            QChar ch;
            if (j < src.size() && src[j] == '\\' && j + 1 < src.size()) {
                const QChar e = src[j + 1];
                ch = e == 'n' ? QChar('\n') : e == 't' ? QChar('\t') : e == '0' ? QChar(0) : e;
                j += 2;
            } else if (j < src.size()) {
                ch = src[j++];
            }
            if (j >= src.size() || src[j] != '\'')
                lexFail(rules, line, QStringLiteral("a character constant is not closed"));
            t.kind = Token::Kind::Integer;
            t.integer = ch.unicode();
            t.text = src.mid(i, j + 1 - i);
            i = j + 1;
            push(t);
            continue;
        }
        if (c == rules.quote || (rules.language == Language::Algorithmic && c == '\'')) {
            const QChar q = c;
            ++i;
            QString text;
            for (;;) {
                if (i >= src.size() || src[i] == '\n')
                    lexFail(rules, line, QStringLiteral("a string is not closed"));
                if (src[i] == q) {
                    if (rules.doubledQuote && i + 1 < src.size() && src[i + 1] == q) {
                        text += q;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (rules.escapes && src[i] == '\\' && i + 1 < src.size()) {
                    const QChar e = src[i + 1];
                    text += e == 'n' ? QChar('\n') : e == 't' ? QChar('\t') : e;
                    i += 2;
                    continue;
                }
                text += src[i++];
            }
            t.kind = Token::Kind::Text;
            t.text = text;
            push(t);
            continue;
        }
        bool matched = false;
        for (const QString& s : symbols)
            if (at(s)) {
                t.kind = Token::Kind::Symbol;
                t.text = s;
                i += s.size();
                push(t);
                matched = true;
                break;
            }
        if (!matched)
            lexFail(rules, line, QStringLiteral("unexpected character '%1'").arg(c));
    }
    if (rules.newlines && !out.empty() && out.back().kind != Token::Kind::Newline)
        push(newline());
    Token end;
    end.kind = Token::Kind::End;
    end.line = line;
    out.push_back(end);
    return out;
}

const Token& Cursor::peek(size_t ahead) const {
    return toks[std::min(pos + ahead, toks.size() - 1)];
}

Token Cursor::take() {
    Token t = peek();
    if (pos < toks.size() - 1)
        ++pos;
    return t;
}

bool Cursor::isSymbol(const QString& s, size_t ahead) const {
    const Token& t = peek(ahead);
    return t.kind == Token::Kind::Symbol && t.text == s;
}

bool Cursor::isWord(const QString& w, size_t ahead) const {
    const Token& t = peek(ahead);
    return t.kind == Token::Kind::Name && t.key == w;
}

bool Cursor::acceptSymbol(const QString& s) {
    if (!isSymbol(s))
        return false;
    take();
    return true;
}

bool Cursor::acceptWord(const QString& w) {
    if (!isWord(w))
        return false;
    take();
    return true;
}

void Cursor::expectSymbol(const QString& s) {
    if (!acceptSymbol(s))
        fail(QStringLiteral("'%1' expected, found %2").arg(s, describe(peek())));
}

void Cursor::expectWord(const QString& w) {
    if (!acceptWord(w))
        fail(QStringLiteral("'%1' expected, found %2").arg(w, describe(peek())));
}

QString Cursor::expectName(const QString& what) {
    if (peek().kind != Token::Kind::Name)
        fail(QStringLiteral("%1 expected, found %2").arg(what, describe(peek())));
    return take().text;
}

void Cursor::skipNewlines() {
    while (isNewline())
        take();
}

void Cursor::enter() {
    if (++depth > 200)
        fail(QStringLiteral("the text is nested too deeply"));
}

void Cursor::fail(const QString& what) const {
    failAt(peek().line, what);
}

void Cursor::failAt(int line, const QString& what) const {
    if (!lines)
        throw CheckError(QStringLiteral("%1: %2").arg(label, what));
    throw CheckError(QStringLiteral("%1, line %2: %3").arg(label).arg(line).arg(what));
}

QString Cursor::describe(const Token& t) const {
    switch (t.kind) {
    case Token::Kind::End:
        return QStringLiteral("the end of the program");
    case Token::Kind::Newline:
        return QStringLiteral("the end of the line");
    case Token::Kind::Text:
        return QStringLiteral("the string \"%1\"").arg(t.text);
    default:
        return QStringLiteral("'%1'").arg(t.text);
    }
}

} // namespace zut::check::reader
