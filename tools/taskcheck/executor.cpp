// SPDX-License-Identifier: GPL-3.0-or-later
#include "executor.h"

#include "error.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>

namespace zut::check {

namespace {

// A command's expression in x over whole numbers.
struct Term {
    enum Kind { Number, X, Add, Sub, Mul, Div, IntDiv, Mod, Neg } kind = Number;
    qint64 value = 0;
    std::shared_ptr<Term> a, b;
};
using TermPtr = std::shared_ptr<Term>;

class TermReader {
public:
    explicit TermReader(const QString& text)
        : s(text) {}
    TermPtr read() {
        if (s.size() > 1000)
            fail(QStringLiteral("the command is too long"));
        TermPtr t = sum();
        skip();
        if (i < s.size())
            fail(QStringLiteral("unexpected '%1'").arg(s[i]));
        return t;
    }

private:
    const QString& s;
    qsizetype i = 0;
    int depth = 0;

    [[noreturn]] void fail(const QString& what) const {
        throw CheckError(
            QStringLiteral("command '%1': %2 at character %3").arg(s, what).arg(i + 1));
    }
    void skip() {
        while (i < s.size() && s[i].isSpace())
            ++i;
    }
    bool accept(const QString& w) {
        skip();
        if (!QStringView(s).mid(i).startsWith(w))
            return false;
        const bool word = w[0].isLetter();
        if (word && i + w.size() < s.size() && s[i + w.size()].isLetterOrNumber())
            return false;
        i += w.size();
        return true;
    }
    static TermPtr node(Term::Kind k, TermPtr a, TermPtr b = {}) {
        auto t = std::make_shared<Term>();
        t->kind = k;
        t->a = std::move(a);
        t->b = std::move(b);
        return t;
    }
    TermPtr sum() {
        TermPtr t = product();
        for (;;) {
            if (accept(QStringLiteral("+")))
                t = node(Term::Add, t, product());
            else if (accept(QStringLiteral("-")) || accept(QStringLiteral("−")))
                t = node(Term::Sub, t, product());
            else
                return t;
        }
    }
    TermPtr product() {
        TermPtr t = unary();
        for (;;) {
            if (accept(QStringLiteral("*")) || accept(QStringLiteral("×")) ||
                accept(QStringLiteral("·")))
                t = node(Term::Mul, t, unary());
            else if (accept(QStringLiteral("/")))
                t = node(Term::Div, t, unary());
            else if (accept(QStringLiteral("div")))
                t = node(Term::IntDiv, t, unary());
            else if (accept(QStringLiteral("mod")))
                t = node(Term::Mod, t, unary());
            else
                return t;
        }
    }
    TermPtr unary() {
        struct Guard {
            int& d;
            ~Guard() { --d; }
        } guard{++depth};
        if (depth > 200)
            fail(QStringLiteral("the command is nested too deeply"));
        if (accept(QStringLiteral("-")) || accept(QStringLiteral("−")))
            return node(Term::Neg, unary());
        skip();
        if (accept(QStringLiteral("("))) {
            TermPtr t = sum();
            if (!accept(QStringLiteral(")")))
                fail(QStringLiteral("')' is missing"));
            return t;
        }
        if (accept(QStringLiteral("x")) || accept(QStringLiteral("X")))
            return std::make_shared<Term>(Term{Term::X, 0, {}, {}});
        const qsizetype start = i;
        while (i < s.size() && s[i].isDigit())
            ++i;
        if (i == start)
            fail(i < s.size() ? QStringLiteral("unexpected '%1'").arg(s[i])
                              : QStringLiteral("the command ends too early"));
        bool ok = false;
        const qint64 v = s.mid(start, i - start).toLongLong(&ok);
        if (!ok)
            fail(QStringLiteral("the number is too large"));
        return std::make_shared<Term>(Term{Term::Number, v, {}, {}});
    }
};

// The value of a term at x; none where the command cannot be applied.
std::optional<qint64> apply(const Term& t, qint64 x) {
    auto both = [&](auto f) -> std::optional<qint64> {
        const auto a = apply(*t.a, x), b = apply(*t.b, x);
        if (!a || !b)
            return std::nullopt;
        return f(*a, *b);
    };
    switch (t.kind) {
    case Term::Number:
        return t.value;
    case Term::X:
        return x;
    case Term::Neg: {
        const auto a = apply(*t.a, x);
        qint64 r = 0;
        if (!a || __builtin_sub_overflow(qint64(0), *a, &r))
            return std::nullopt;
        return r;
    }
    case Term::Add:
        return both([](qint64 a, qint64 b) -> std::optional<qint64> {
            qint64 r = 0;
            if (__builtin_add_overflow(a, b, &r))
                return std::nullopt;
            return r;
        });
    case Term::Sub:
        return both([](qint64 a, qint64 b) -> std::optional<qint64> {
            qint64 r = 0;
            if (__builtin_sub_overflow(a, b, &r))
                return std::nullopt;
            return r;
        });
    case Term::Mul:
        return both([](qint64 a, qint64 b) -> std::optional<qint64> {
            qint64 r = 0;
            if (__builtin_mul_overflow(a, b, &r))
                return std::nullopt;
            return r;
        });
    case Term::Div:
        return both([](qint64 a, qint64 b) -> std::optional<qint64> {
            if (b == 0 || a % b != 0)
                return std::nullopt;
            return a / b;
        });
    case Term::IntDiv:
        return both([](qint64 a, qint64 b) -> std::optional<qint64> {
            if (b == 0)
                return std::nullopt;
            return a / b;
        });
    case Term::Mod:
        return both([](qint64 a, qint64 b) -> std::optional<qint64> {
            if (b == 0)
                return std::nullopt;
            return a % b;
        });
    }
    return std::nullopt;
}

// A command written as a phrase, an operator and a number, or an expression.
TermPtr readCommand(const QString& raw) {
    const QString c = raw.trimmed();
    if (c.isEmpty())
        throw CheckError(QStringLiteral("a command is empty"));
    static const std::vector<std::pair<QRegularExpression, QString>> phrases = {
        {QRegularExpression(QStringLiteral("^прибавь\\s+(\\d+)$")), QStringLiteral("x+%1")},
        {QRegularExpression(QStringLiteral("^вычти\\s+(\\d+)$")), QStringLiteral("x-%1")},
        {QRegularExpression(QStringLiteral("^умножь\\s+на\\s+(\\d+)$")), QStringLiteral("x*%1")},
        {QRegularExpression(QStringLiteral("^раздели\\s+на\\s+(\\d+)$")), QStringLiteral("x/%1")},
        // Whole division, the remainder dropped.
        {QRegularExpression(QStringLiteral("^раздели\\s+нацело\\s+на\\s+(\\d+)$")),
         QStringLiteral("x div %1")},
        {QRegularExpression(QStringLiteral("^возведи\\s+в\\s+квадрат$")), QStringLiteral("x*x")},
        {QRegularExpression(QStringLiteral("^припиши\\s+(\\d)\\s+справа$")),
         QStringLiteral("x*10+%1")},
    };
    for (const auto& [re, form] : phrases) {
        const auto m = re.match(c.toLower());
        if (m.hasMatch())
            return TermReader(form.contains(QLatin1String("%1")) ? form.arg(m.captured(1)) : form)
                .read();
    }
    const QChar first = c[0];
    if (first == '*' || first == '+' || first == '-' || first == '/' || first == QChar(0x2212) ||
        first == QChar(0x00D7))
        return TermReader(QStringLiteral("x") + c).read();
    return TermReader(c).read();
}

std::vector<TermPtr> readCommands(const QStringList& commands) {
    if (commands.isEmpty())
        throw CheckError(QStringLiteral("the executor has no commands"));
    if (commands.size() > 9)
        throw CheckError(QStringLiteral("at most 9 commands can be numbered by one digit each"));
    std::vector<TermPtr> out;
    for (const QString& c : commands)
        out.push_back(readCommand(c));
    return out;
}

} // namespace

QStringList parseCommands(const QString& text) {
    static const QRegularExpression sep(QStringLiteral("[;\\n]"));
    static const QRegularExpression numbered(QStringLiteral("^(\\d+)\\s*[:).]\\s*(.*)$"));
    QStringList out;
    for (const QString& part : text.split(sep)) {
        const QString p = part.trimmed();
        if (p.isEmpty())
            continue;
        const auto m = numbered.match(p);
        if (m.hasMatch()) {
            if (m.captured(1).toInt() != out.size() + 1)
                throw CheckError(QStringLiteral("command %1 stands where command %2 should")
                                     .arg(m.captured(1))
                                     .arg(out.size() + 1));
            out << m.captured(2).trimmed();
        } else {
            out << p;
        }
    }
    readCommands(out); // reject a malformed list here
    return out;
}

qint64 runCommands(const QStringList& commands, qint64 start, const QString& program) {
    const auto terms = readCommands(commands);
    qint64 x = start;
    for (qsizetype k = 0; k < program.size(); ++k) {
        const int n = program[k].digitValue();
        if (n < 1 || n > int(terms.size()))
            throw CheckError(QStringLiteral("program '%1': there is no command '%2'")
                                 .arg(program)
                                 .arg(program[k]));
        const auto next = apply(*terms[n - 1], x);
        if (!next)
            throw CheckError(QStringLiteral("program '%1': command %2 cannot be applied to %3 "
                                            "(step %4)")
                                 .arg(program)
                                 .arg(n)
                                 .arg(x)
                                 .arg(k + 1));
        x = *next;
    }
    return x;
}

QStringList programsFor(const QStringList& commands, qint64 from, qint64 to, int maxLength) {
    const auto terms = readCommands(commands);
    if (maxLength < 1)
        throw CheckError(QStringLiteral("a program has at least one command"));
    QStringList found;
    qint64 visited = 0;
    QString program;
    std::function<void(qint64)> walk = [&](qint64 x) {
        if (++visited > 4'000'000)
            throw CheckError(
                QStringLiteral("too many programs of up to %1 commands to try").arg(maxLength));
        if (!program.isEmpty() && x == to)
            found << program;
        if (program.size() == maxLength)
            return;
        for (size_t k = 0; k < terms.size(); ++k)
            if (const auto next = apply(*terms[k], x)) {
                program += QChar('1' + int(k));
                walk(*next);
                program.chop(1);
            }
    };
    walk(from);
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return found;
}

QStringList shortestPrograms(const QStringList& commands, qint64 from, qint64 to, int maxLength) {
    const auto terms = readCommands(commands);
    // Breadth first over numbers; every shortest program is kept.
    std::map<qint64, QStringList> level{{from, {QString()}}};
    std::set<qint64> seen{from};
    for (int len = 1; len <= maxLength && !level.empty(); ++len) {
        std::map<qint64, QStringList> next;
        for (const auto& [x, programs] : level)
            for (size_t k = 0; k < terms.size(); ++k)
                if (const auto y = apply(*terms[k], x)) {
                    if (*y != to && seen.count(*y))
                        continue;
                    for (const QString& p : programs)
                        next[*y] << p + QChar('1' + int(k));
                }
        const auto hit = next.find(to);
        if (hit != next.end()) {
            QStringList out = hit->second;
            std::sort(out.begin(), out.end());
            out.removeDuplicates();
            return out;
        }
        for (const auto& n : next)
            seen.insert(n.first);
        level = std::move(next);
        if (seen.size() > 5'000'000)
            throw CheckError(QStringLiteral("too many numbers to search for a program"));
    }
    return {};
}

// --- the drawing executor ------------------------------------------------

namespace {

struct PenToken {
    enum Kind { Word, Number, Open, Close, LParen, RParen } kind;
    QString text;
    double number = 0;
    qsizetype at = 0;
};

class Pen {
public:
    Pen(const QString& program, qint64 maxSteps)
        : src(program)
        , limit(maxSteps) {
        tokenize();
    }

    PenResult run() {
        size_t k = 0;
        block(k, false);
        PenResult r;
        r.x = clean(x);
        r.y = clean(y);
        r.heading = heading;
        r.distance = clean(std::hypot(x, y));
        r.drawn = clean(drawn);
        return r;
    }

private:
    QString src;
    qint64 limit;
    qint64 steps = 0;
    std::vector<PenToken> toks;
    double x = 0, y = 0, heading = 90, drawn = 0;
    bool down = true;
    int depth = 0;

    static double clean(double v) {
        const double r = std::round(v);
        return std::fabs(v - r) < 1e-9 ? r + 0.0 : v;
    }
    [[noreturn]] void fail(qsizetype at, const QString& what) const {
        throw CheckError(QStringLiteral("pen program, character %1: %2").arg(at + 1).arg(what));
    }
    void tokenize() {
        qsizetype i = 0;
        while (i < src.size()) {
            const QChar c = src[i];
            if (c.isSpace() || c == ',' || c == ';') {
                ++i;
                continue;
            }
            const qsizetype at = i;
            if (c == '[' || c == ']' || c == '(' || c == ')') {
                toks.push_back({c == '['   ? PenToken::Open
                                : c == ']' ? PenToken::Close
                                : c == '(' ? PenToken::LParen
                                           : PenToken::RParen,
                                QString(c), 0, at});
                ++i;
            } else if (c.isDigit() || ((c == '-' || c == QChar(0x2212)) && i + 1 < src.size() &&
                                       src[i + 1].isDigit())) {
                ++i;
                while (i < src.size() && (src[i].isDigit() || src[i] == '.'))
                    ++i;
                QString t = src.mid(at, i - at);
                t.replace(QChar(0x2212), '-');
                bool ok = false;
                const double v = t.toDouble(&ok);
                if (!ok)
                    fail(at, QStringLiteral("'%1' is not a number").arg(t));
                toks.push_back({PenToken::Number, t, v, at});
            } else if (c.isLetter()) {
                while (i < src.size() && src[i].isLetter())
                    ++i;
                toks.push_back({PenToken::Word,
                                src.mid(at, i - at).toLower().replace(QChar(0x0451), QChar(0x0435)),
                                0, at});
            } else {
                fail(at, QStringLiteral("unexpected '%1'").arg(c));
            }
        }
    }
    double number(size_t& k, const QString& after) {
        if (k >= toks.size() || toks[k].kind != PenToken::Number)
            fail(k < toks.size() ? toks[k].at : src.size(),
                 QStringLiteral("a number expected after '%1'").arg(after));
        return toks[k++].number;
    }
    void move(double dx, double dy) {
        x += dx;
        y += dy;
        if (down)
            drawn += std::hypot(dx, dy);
    }
    // Exact sine and cosine at multiples of 90 degrees.
    static double cosd(double a) {
        const double m = std::fmod(std::fmod(a, 360) + 360, 360);
        if (m == 0)
            return 1;
        if (m == 90 || m == 270)
            return 0;
        if (m == 180)
            return -1;
        return std::cos(a * M_PI / 180);
    }
    static double sind(double a) { return cosd(a - 90); }

    // Runs commands from toks[k] to a ']' (inside a repeat) or to the end.
    void block(size_t& k, bool inner) {
        struct Guard {
            int& d;
            ~Guard() { --d; }
        } guard{++depth};
        if (depth > 200)
            fail(k < toks.size() ? toks[k].at : src.size(),
                 QStringLiteral("repeats nested too deeply"));
        while (k < toks.size()) {
            const PenToken t = toks[k];
            if (t.kind == PenToken::Close) {
                if (!inner)
                    fail(t.at, QStringLiteral("']' without '['"));
                return;
            }
            if (t.kind != PenToken::Word)
                fail(t.at, QStringLiteral("a command expected, found '%1'").arg(t.text));
            ++k;
            if (++steps > limit)
                fail(t.at, QStringLiteral("more than %1 steps").arg(limit));
            const QString& w = t.text;
            if (w == QStringLiteral("вперед") || w == QLatin1String("forward") ||
                w == QLatin1String("fd")) {
                const double n = number(k, w);
                move(n * cosd(heading), n * sind(heading));
            } else if (w == QStringLiteral("назад") || w == QLatin1String("back") ||
                       w == QLatin1String("bk")) {
                const double n = number(k, w);
                move(-n * cosd(heading), -n * sind(heading));
            } else if (w == QStringLiteral("направо") || w == QLatin1String("right") ||
                       w == QLatin1String("rt")) {
                heading = std::fmod(std::fmod(heading - number(k, w), 360) + 360, 360);
            } else if (w == QStringLiteral("налево") || w == QLatin1String("left") ||
                       w == QLatin1String("lt")) {
                heading = std::fmod(std::fmod(heading + number(k, w), 360) + 360, 360);
            } else if (w == QStringLiteral("повтори") || w == QLatin1String("repeat")) {
                const double n = number(k, w);
                if (n < 0 || n != std::floor(n))
                    fail(t.at,
                         QStringLiteral("a repeat count must be a whole number of at least 0"));
                if (k >= toks.size() || toks[k].kind != PenToken::Open)
                    fail(t.at, QStringLiteral("'[' expected after the repeat count"));
                const size_t bodyStart = k + 1;
                size_t end = bodyStart;
                for (qint64 r = 0; r < qint64(n); ++r) {
                    end = bodyStart;
                    block(end, true);
                }
                if (n == 0) {
                    // Skip the body without running it.
                    int depth = 1;
                    for (end = bodyStart; end < toks.size() && depth > 0; ++end)
                        depth += toks[end].kind == PenToken::Open    ? 1
                                 : toks[end].kind == PenToken::Close ? -1
                                                                     : 0;
                    if (depth > 0)
                        fail(t.at, QStringLiteral("'[' is never closed"));
                    k = end;
                    continue;
                }
                if (end >= toks.size() || toks[end].kind != PenToken::Close)
                    fail(t.at, QStringLiteral("'[' is never closed"));
                k = end + 1;
            } else if (w == QStringLiteral("сместиться") || w == QLatin1String("move")) {
                if (k < toks.size() && toks[k].kind == PenToken::Word &&
                    toks[k].text == QStringLiteral("на"))
                    ++k;
                if (k >= toks.size() || toks[k].kind != PenToken::LParen)
                    fail(t.at, QStringLiteral("'(' expected: %1 (dx, dy)").arg(w));
                ++k;
                const double dx = number(k, QStringLiteral("("));
                const double dy = number(k, QStringLiteral(","));
                if (k >= toks.size() || toks[k].kind != PenToken::RParen)
                    fail(t.at, QStringLiteral("')' expected after the shift"));
                ++k;
                move(dx, dy);
            } else if (w == QStringLiteral("поднять") || w == QStringLiteral("опустить")) {
                if (k >= toks.size() || toks[k].text != QStringLiteral("перо"))
                    fail(t.at, QStringLiteral("'%1 перо' expected").arg(w));
                ++k;
                down = w == QStringLiteral("опустить");
            } else if (w == QLatin1String("penup") || w == QLatin1String("pu")) {
                down = false;
            } else if (w == QLatin1String("pendown") || w == QLatin1String("pd")) {
                down = true;
            } else {
                fail(t.at, QStringLiteral("unknown command '%1'").arg(w));
            }
        }
        if (inner)
            fail(src.size(), QStringLiteral("'[' is never closed"));
    }
};

} // namespace

PenResult runPen(const QString& program, qint64 maxSteps) {
    return Pen(program, maxSteps).run();
}

} // namespace zut::check
