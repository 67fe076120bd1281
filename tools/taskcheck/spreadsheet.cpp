// SPDX-License-Identifier: GPL-3.0-or-later
#include "spreadsheet.h"

#include "error.h"

#include <QStringList>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace zut::check {

namespace {

bool isLatin(QChar c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == '_';
}

// Reads a reference at s[i]: $?letters$?digits. Returns its length, 0 if
// none stands there.
qsizetype matchRef(const QString& s, qsizetype i, CellRef* out) {
    qsizetype j = i;
    CellRef r;
    if (j < s.size() && s[j] == '$') {
        r.fixedColumn = true;
        ++j;
    }
    const qsizetype letters = j;
    qint64 col = 0;
    while (j < s.size() && isLatin(s[j])) {
        col = col * 26 + (s[j].toUpper().unicode() - 'A' + 1);
        if (col > 100000)
            return 0;
        ++j;
    }
    if (j == letters)
        return 0;
    if (j < s.size() && s[j] == '$') {
        r.fixedRow = true;
        ++j;
    }
    const qsizetype digits = j;
    qint64 row = 0;
    while (j < s.size() && s[j].isDigit()) {
        row = row * 10 + s[j].digitValue();
        if (row > 100'000'000)
            return 0;
        ++j;
    }
    if (j == digits || row < 1)
        return 0;
    // A name that runs on, or a function such as LOG10(, is no reference.
    if (j < s.size() && (isWordChar(s[j]) || s[j] == '('))
        return 0;
    r.column = int(col - 1);
    r.row = int(row);
    if (out)
        *out = r;
    return j - i;
}

QString columnName(int column) {
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar('A' + (c - 1) % 26));
    return name;
}

QString plainName(const CellRef& r) {
    return columnName(r.column) + QString::number(r.row);
}

// A value in a grid: a number, text, or nothing (an empty cell).
struct Cell {
    enum Kind { Empty, Number, Text } kind = Empty;
    double number = 0;
};

class Sheet;

// Evaluates one formula; references are read through the sheet.
class FormulaReader {
public:
    FormulaReader(const QString& text, const QString& cell, Sheet& sheet)
        : s(text)
        , cell(cell)
        , sheet(sheet) {}
    double parse();

private:
    const QString& s;
    QString cell;
    Sheet& sheet;
    qsizetype i = 0;
    int depth = 0;

    [[noreturn]] void fail(const QString& what) const {
        throw CheckError(
            QStringLiteral("cell %1 ('%2'): %3 at character %4").arg(cell, s, what).arg(i + 1));
    }
    void skip() {
        while (i < s.size() && s[i].isSpace())
            ++i;
    }
    bool accept(QChar c) {
        skip();
        if (i < s.size() && s[i] == c) {
            ++i;
            return true;
        }
        return false;
    }
    double sum();
    double term();
    double power();
    double unary();
    double primary();
    double function(const QString& name);
    double numberOf(const CellRef& r);
};

class Sheet {
public:
    explicit Sheet(const std::map<QString, QString>& cells) {
        for (const auto& [name, content] : cells) {
            CellRef r;
            if (matchRef(name.trimmed(), 0, &r) != name.trimmed().size() || r.fixedColumn ||
                r.fixedRow)
                throw CheckError(QStringLiteral("'%1' is not the name of a cell").arg(name));
            const QString key = plainName(r);
            if (contents.count(key))
                throw CheckError(QStringLiteral("cell %1 is given twice").arg(key));
            contents[key] = content.trimmed();
        }
    }

    Cell value(const QString& key) {
        const auto done = values.find(key);
        if (done != values.end())
            return done->second;
        const auto it = contents.find(key);
        if (it == contents.end() || it->second.isEmpty())
            return {};
        if (it->second.startsWith('=')) {
            if (onPath.contains(key)) {
                QStringList cycle = onPath.mid(onPath.indexOf(key));
                cycle << key;
                throw CheckError(QStringLiteral("circular reference: %1")
                                     .arg(cycle.join(QStringLiteral(" → "))));
            }
            if (onPath.size() > 400)
                throw CheckError(QStringLiteral("cell %1: references run more than 400 cells "
                                                "deep")
                                     .arg(key));
            onPath << key;
            const double v = FormulaReader(it->second.mid(1), key, *this).parse();
            onPath.removeLast();
            return values[key] = Cell{Cell::Number, v};
        }
        QString t = it->second;
        t.replace(',', '.');
        bool ok = false;
        const double v = t.toDouble(&ok);
        return values[key] = ok ? Cell{Cell::Number, v} : Cell{Cell::Text, 0};
    }

    std::map<QString, double> all() {
        std::map<QString, double> out;
        for (const auto& [key, content] : contents) {
            const Cell c = value(key);
            if (c.kind == Cell::Number)
                out[key] = c.number;
        }
        return out;
    }

private:
    std::map<QString, QString> contents;
    std::map<QString, Cell> values;
    QStringList onPath;
};

double FormulaReader::parse() {
    const double v = sum();
    skip();
    if (i < s.size())
        fail(QStringLiteral("unexpected '%1'").arg(s[i]));
    if (!std::isfinite(v))
        fail(QStringLiteral("the value is too large"));
    return v;
}

double FormulaReader::sum() {
    double v = term();
    for (;;) {
        if (accept('+'))
            v += term();
        else if (accept('-') || accept(QChar(0x2212)))
            v -= term();
        else
            return v;
    }
}

double FormulaReader::term() {
    double v = power();
    for (;;) {
        if (accept('*')) {
            v *= power();
        } else if (accept('/')) {
            const qsizetype at = i;
            const double d = power();
            if (d == 0) {
                i = at;
                fail(QStringLiteral("division by zero (#DIV/0!)"));
            }
            v /= d;
        } else {
            return v;
        }
    }
}

double FormulaReader::power() {
    const double v = unary();
    if (accept('^'))
        return std::pow(v, power());
    return v;
}

double FormulaReader::unary() {
    struct Guard {
        int& d;
        ~Guard() { --d; }
    } guard{++depth};
    if (depth > 200)
        fail(QStringLiteral("the formula is nested too deeply"));
    if (accept('-') || accept(QChar(0x2212)))
        return -unary();
    if (accept('+'))
        return unary();
    return primary();
}

double FormulaReader::numberOf(const CellRef& r) {
    const Cell c = sheet.value(plainName(r));
    if (c.kind == Cell::Text)
        fail(QStringLiteral("cell %1 holds text, not a number (#VALUE!)").arg(plainName(r)));
    return c.number;
}

double FormulaReader::primary() {
    skip();
    if (i >= s.size())
        fail(QStringLiteral("the formula ends too early"));
    if (accept('(')) {
        const double v = sum();
        if (!accept(')'))
            fail(QStringLiteral("')' is missing"));
        return v;
    }
    if (s[i].isDigit() || s[i] == '.') {
        const qsizetype start = i;
        while (i < s.size() && (s[i].isDigit() || s[i] == '.'))
            ++i;
        bool ok = false;
        const double v = s.mid(start, i - start).toDouble(&ok);
        if (!ok) {
            i = start;
            fail(QStringLiteral("'%1' is not a number").arg(s.mid(start, i - start)));
        }
        return v;
    }
    CellRef r;
    if (const qsizetype len = matchRef(s, i, &r)) {
        i += len;
        skip();
        if (i < s.size() && s[i] == ':')
            fail(QStringLiteral("a range stands outside a function"));
        return numberOf(r);
    }
    if (s[i].isLetter()) {
        const qsizetype start = i;
        while (i < s.size() && isWordChar(s[i]))
            ++i;
        const QString name = s.mid(start, i - start);
        if (!accept('(')) {
            i = start;
            fail(QStringLiteral("'%1' is neither a cell nor a function").arg(name));
        }
        return function(name.toUpper());
    }
    fail(QStringLiteral("unexpected '%1'").arg(s[i]));
}

double FormulaReader::function(const QString& name) {
    enum { Sum, Average, Max, Min, Count } kind;
    if (name == QStringLiteral("СУММ") || name == QLatin1String("SUM"))
        kind = Sum;
    else if (name == QStringLiteral("СРЗНАЧ") || name == QLatin1String("AVERAGE"))
        kind = Average;
    else if (name == QStringLiteral("МАКС") || name == QLatin1String("MAX"))
        kind = Max;
    else if (name == QStringLiteral("МИН") || name == QLatin1String("MIN"))
        kind = Min;
    else if (name == QStringLiteral("СЧЁТ") || name == QStringLiteral("СЧЕТ") ||
             name == QLatin1String("COUNT"))
        kind = Count;
    else
        fail(QStringLiteral("unknown function %1").arg(name));
    // The numbers among the arguments: empty and text cells of a range are
    // left out, as spreadsheets do.
    std::vector<double> numbers;
    if (!accept(')')) {
        do {
            skip();
            CellRef a, b;
            const qsizetype len = matchRef(s, i, &a);
            qsizetype j = i + len;
            while (len && j < s.size() && s[j].isSpace())
                ++j;
            if (len && j < s.size() && s[j] == ':') {
                ++j;
                while (j < s.size() && s[j].isSpace())
                    ++j;
                const qsizetype len2 = matchRef(s, j, &b);
                if (!len2) {
                    i = j;
                    fail(QStringLiteral("the range is not closed by a cell"));
                }
                i = j + len2;
                const int c0 = std::min(a.column, b.column), c1 = std::max(a.column, b.column);
                const int r0 = std::min(a.row, b.row), r1 = std::max(a.row, b.row);
                if (qint64(c1 - c0 + 1) * (r1 - r0 + 1) > 1'000'000)
                    fail(QStringLiteral("the range is too large"));
                for (int c = c0; c <= c1; ++c)
                    for (int r = r0; r <= r1; ++r) {
                        const Cell v = sheet.value(plainName(CellRef{c, r}));
                        if (v.kind == Cell::Number)
                            numbers.push_back(v.number);
                    }
            } else if (len) {
                i += len;
                const Cell v = sheet.value(plainName(a));
                if (v.kind == Cell::Number)
                    numbers.push_back(v.number);
            } else {
                numbers.push_back(sum());
            }
        } while (accept(';') || accept(','));
        if (!accept(')'))
            fail(QStringLiteral("')' is missing"));
    }
    double v = 0;
    switch (kind) {
    case Sum:
        for (double x : numbers)
            v += x;
        return v;
    case Count:
        return double(numbers.size());
    case Average:
        if (numbers.empty())
            fail(QStringLiteral("%1 of no numbers (#DIV/0!)").arg(name));
        for (double x : numbers)
            v += x;
        return v / double(numbers.size());
    case Max:
    case Min:
        if (numbers.empty())
            return 0;
        v = numbers.front();
        for (double x : numbers)
            v = kind == Max ? std::max(v, x) : std::min(v, x);
        return v;
    }
    return v;
}

} // namespace

CellRef parseCell(const QString& reference) {
    const QString t = reference.trimmed();
    CellRef r;
    if (t.isEmpty() || matchRef(t, 0, &r) != t.size())
        throw CheckError(QStringLiteral("'%1' is not a cell reference").arg(reference));
    return r;
}

QString cellText(const CellRef& ref) {
    return (ref.fixedColumn ? QStringLiteral("$") : QString()) + columnName(ref.column) +
           (ref.fixedRow ? QStringLiteral("$") : QString()) + QString::number(ref.row);
}

QString copyFormula(const QString& formula, const QString& from, const QString& to) {
    const CellRef a = parseCell(from), b = parseCell(to);
    const int dc = b.column - a.column, dr = b.row - a.row;
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < formula.size();) {
        const QChar c = formula[i];
        if (c == '"')
            quoted = !quoted;
        CellRef r;
        const bool wordStart = i == 0 || !(isWordChar(formula[i - 1]) || formula[i - 1] == '$');
        const qsizetype len = quoted || !wordStart ? 0 : matchRef(formula, i, &r);
        if (len == 0) {
            out += c;
            ++i;
            continue;
        }
        if (!r.fixedColumn)
            r.column += dc;
        if (!r.fixedRow)
            r.row += dr;
        if (r.column < 0 || r.row < 1)
            throw CheckError(QStringLiteral("copying '%1' from %2 to %3 moves %4 off the sheet")
                                 .arg(formula, from, to, formula.mid(i, len)));
        out += cellText(r);
        i += len;
    }
    return out;
}

std::map<QString, double> evaluateSheet(const std::map<QString, QString>& cells) {
    return Sheet(cells).all();
}

double cellValue(const std::map<QString, QString>& cells, const QString& cell) {
    const CellRef r = parseCell(cell);
    Sheet sheet(cells);
    const Cell c = sheet.value(plainName(r));
    if (c.kind == Cell::Text)
        throw CheckError(QStringLiteral("cell %1 holds text").arg(cell));
    return c.number;
}

} // namespace zut::check
