// SPDX-License-Identifier: GPL-3.0-or-later
#include "queries.h"

#include "error.h"

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>

namespace zut::check {

namespace {

struct Node {
    enum Kind { Word, Not, And, Or } kind = Word;
    QString word;
    std::shared_ptr<Node> a, b;
};
using NodePtr = std::shared_ptr<Node>;

class QueryReader {
public:
    explicit QueryReader(const QString& text)
        : s(text) {}

    NodePtr read() {
        if (s.size() > 10000)
            fail(QStringLiteral("the query is too long"));
        skip();
        if (i >= s.size())
            fail(QStringLiteral("the query is empty"));
        NodePtr n = disjunction();
        skip();
        if (i < s.size())
            fail(QStringLiteral("unexpected '%1'").arg(s[i]));
        return n;
    }
    QStringList words;

private:
    const QString& s;
    qsizetype i = 0;
    int depth = 0;

    [[noreturn]] void fail(const QString& what) const {
        throw CheckError(QStringLiteral("query '%1': %2 at character %3").arg(s, what).arg(i + 1));
    }
    void skip() {
        while (i < s.size() && s[i].isSpace())
            ++i;
    }
    static NodePtr node(Node::Kind k, NodePtr a, NodePtr b = {}) {
        auto n = std::make_shared<Node>();
        n->kind = k;
        n->a = std::move(a);
        n->b = std::move(b);
        return n;
    }
    NodePtr disjunction() {
        NodePtr n = conjunction();
        for (;;) {
            skip();
            if (i < s.size() && s[i] == '|') {
                i += (i + 1 < s.size() && s[i + 1] == '|') ? 2 : 1;
                n = node(Node::Or, n, conjunction());
            } else {
                return n;
            }
        }
    }
    NodePtr conjunction() {
        NodePtr n = negation();
        for (;;) {
            skip();
            if (i < s.size() && s[i] == '&') {
                i += (i + 1 < s.size() && s[i + 1] == '&') ? 2 : 1;
                n = node(Node::And, n, negation());
            } else {
                return n;
            }
        }
    }
    NodePtr negation() {
        struct Guard {
            int& d;
            ~Guard() { --d; }
        } guard{++depth};
        if (depth > 200)
            fail(QStringLiteral("the query is nested too deeply"));
        skip();
        if (i < s.size() && (s[i] == '~' || s[i] == QChar(0x00AC))) {
            ++i;
            return node(Node::Not, negation());
        }
        return primary();
    }
    NodePtr primary() {
        skip();
        if (i >= s.size())
            fail(QStringLiteral("the query ends too early"));
        if (s[i] == '(') {
            ++i;
            NodePtr n = disjunction();
            skip();
            if (i >= s.size() || s[i] != ')')
                fail(QStringLiteral("')' is missing"));
            ++i;
            return n;
        }
        const qsizetype start = i;
        while (i < s.size() && (s[i].isLetterOrNumber() || s[i] == '-' || s[i] == '_'))
            ++i;
        if (i == start)
            fail(QStringLiteral("unexpected '%1'").arg(s[i]));
        auto n = std::make_shared<Node>();
        n->word = s.mid(start, i - start).toLower();
        if (!words.contains(n->word))
            words << n->word;
        skip();
        if (i < s.size() && (s[i].isLetterOrNumber() || s[i] == '(' || s[i] == '~'))
            fail(QStringLiteral("an operator is missing between words"));
        return n;
    }
};

struct Query {
    NodePtr root;
    QStringList words;
};

Query parse(const QString& text) {
    QueryReader r(text);
    Query q;
    q.root = r.read();
    q.words = r.words;
    return q;
}

bool matches(const Node& n, const QStringList& words, quint32 region) {
    switch (n.kind) {
    case Node::Word:
        return region >> words.indexOf(n.word) & 1;
    case Node::Not:
        return !matches(*n.a, words, region);
    case Node::And:
        return matches(*n.a, words, region) && matches(*n.b, words, region);
    case Node::Or:
        return matches(*n.a, words, region) || matches(*n.b, words, region);
    }
    return false;
}

// The Venn regions (sets of words a page holds) in which the query finds pages.
std::vector<bool> regions(const Query& q, const QStringList& words) {
    std::vector<bool> in(size_t(1) << words.size());
    for (quint32 r = 0; r < in.size(); ++r)
        in[r] = matches(*q.root, words, r);
    return in;
}

QStringList allWords(const std::vector<Query>& qs) {
    QStringList words;
    for (const Query& q : qs)
        for (const QString& w : q.words)
            if (!words.contains(w))
                words << w;
    if (words.size() > 12)
        throw CheckError(QStringLiteral("%1 different words are too many").arg(words.size()));
    return words;
}

// Exact fractions for the elimination.
struct Fraction {
    qint64 num = 0, den = 1;
};
Fraction norm(__int128 n, __int128 d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 a = n < 0 ? -n : n, b = d;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) {
        n /= a;
        d /= a;
    }
    if (n > INT64_MAX || n < INT64_MIN || d > INT64_MAX)
        throw CheckError(QStringLiteral("the counts of the queries are too large"));
    return {qint64(n), qint64(d)};
}
Fraction sub(Fraction a, Fraction b) {
    return norm(__int128(a.num) * b.den - __int128(b.num) * a.den, __int128(a.den) * b.den);
}
Fraction mul(Fraction a, Fraction b) {
    return norm(__int128(a.num) * b.num, __int128(a.den) * b.den);
}
Fraction div(Fraction a, Fraction b) {
    return norm(__int128(a.num) * b.den, __int128(a.den) * b.num);
}

void requireLabels(const QStringList& labels, const QStringList& queries) {
    if (labels.size() != queries.size())
        throw CheckError(
            QStringLiteral("%1 labels for %2 queries").arg(labels.size()).arg(queries.size()));
    if (queries.size() < 1)
        throw CheckError(QStringLiteral("no queries to order"));
}

} // namespace

QStringList queryWords(const QString& query) {
    return parse(query).words;
}

QString phrasesAsWords(const QString& query) {
    QString out;
    for (qsizetype i = 0; i < query.size(); ++i) {
        if (query[i] != '"') {
            out += query[i];
            continue;
        }
        const qsizetype end = query.indexOf('"', i + 1);
        if (end < 0)
            throw CheckError(QStringLiteral("query '%1': a phrase is not closed").arg(query));
        const QStringList words = query.mid(i + 1, end - i - 1).split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            throw CheckError(QStringLiteral("query '%1': an empty phrase").arg(query));
        QStringList parts;
        for (qsizetype from = 0; from < words.size(); ++from)
            for (qsizetype to = from; to < words.size(); ++to)
                parts << words.mid(from, to - from + 1).join('_');
        out += '(' + parts.join(QStringLiteral(" & ")) + ')';
        i = end;
    }
    return out;
}

bool queryIncludes(const QString& b, const QString& a) {
    const std::vector<Query> qs = {parse(a), parse(b)};
    const QStringList words = allWords(qs);
    const auto ra = regions(qs[0], words), rb = regions(qs[1], words);
    for (size_t r = 0; r < ra.size(); ++r)
        if (ra[r] && !rb[r])
            return false;
    return true;
}

QString orderByInclusion(const QStringList& labels, const QStringList& queries, bool ascending) {
    requireLabels(labels, queries);
    std::vector<Query> qs;
    for (const QString& q : queries)
        qs.push_back(parse(q));
    const QStringList words = allWords(qs);
    std::vector<std::vector<bool>> rs;
    for (const Query& q : qs)
        rs.push_back(regions(q, words));
    auto subset = [&](size_t a, size_t b) {
        for (size_t r = 0; r < rs[a].size(); ++r)
            if (rs[a][r] && !rs[b][r])
                return false;
        return true;
    };
    QStringList problems;
    for (size_t a = 0; a < qs.size(); ++a)
        for (size_t b = a + 1; b < qs.size(); ++b) {
            const bool ab = subset(a, b), ba = subset(b, a);
            if (ab && ba)
                problems << QStringLiteral("%1 and %2 always find the same pages")
                                .arg(labels[qsizetype(a)], labels[qsizetype(b)]);
            else if (!ab && !ba)
                problems << QStringLiteral("%1 and %2 cannot be ordered")
                                .arg(labels[qsizetype(a)], labels[qsizetype(b)]);
        }
    if (!problems.isEmpty())
        throw CheckError(problems.join(QStringLiteral("; ")));
    std::vector<size_t> order(qs.size());
    std::iota(order.begin(), order.end(), 0);
    // In a chain, a query below another finds fewer pages.
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return a != b && (ascending ? subset(a, b) : subset(b, a));
    });
    QString out;
    for (size_t k : order)
        out += labels[qsizetype(k)];
    return out;
}

qint64 pagesFound(const QString& query, const std::vector<std::pair<QString, qint64>>& known) {
    std::vector<Query> qs;
    for (const auto& [q, n] : known) {
        qs.push_back(parse(q));
        if (n < 0)
            throw CheckError(QStringLiteral("query '%1' cannot find %2 pages").arg(q).arg(n));
    }
    qs.push_back(parse(query));
    const QStringList words = allWords(qs);
    const size_t width = size_t(1) << words.size();
    // Each known count is a sum over the regions the query finds; reduce
    // them to echelon form, the count in the last column.
    std::vector<std::vector<Fraction>> rows;
    std::vector<size_t> pivots;
    for (size_t k = 0; k < known.size(); ++k) {
        const auto in = regions(qs[k], words);
        std::vector<Fraction> row(width + 1);
        for (size_t r = 0; r < width; ++r)
            row[r] = {in[r] ? 1 : 0, 1};
        row[width] = {known[k].second, 1};
        for (size_t p = 0; p < rows.size(); ++p)
            if (row[pivots[p]].num != 0) {
                const Fraction f = div(row[pivots[p]], rows[p][pivots[p]]);
                for (size_t c = 0; c <= width; ++c)
                    row[c] = sub(row[c], mul(f, rows[p][c]));
            }
        size_t pivot = width;
        for (size_t c = 0; c < width && pivot == width; ++c)
            if (row[c].num != 0)
                pivot = c;
        if (pivot == width) {
            if (row[width].num != 0)
                throw CheckError(
                    QStringLiteral("the count of '%1' contradicts the others").arg(known[k].first));
            continue;
        }
        rows.push_back(row);
        pivots.push_back(pivot);
    }
    const auto in = regions(qs.back(), words);
    std::vector<Fraction> target(width + 1);
    for (size_t r = 0; r < width; ++r)
        target[r] = {in[r] ? 1 : 0, 1};
    for (size_t p = 0; p < rows.size(); ++p)
        if (target[pivots[p]].num != 0) {
            const Fraction f = div(target[pivots[p]], rows[p][pivots[p]]);
            for (size_t c = 0; c <= width; ++c)
                target[c] = sub(target[c], mul(f, rows[p][c]));
        }
    for (size_t c = 0; c < width; ++c)
        if (target[c].num != 0)
            throw CheckError(QStringLiteral("the given counts do not decide how many pages '%1' "
                                            "finds")
                                 .arg(query));
    const Fraction v = norm(-__int128(target[width].num), target[width].den);
    if (v.den != 1 || v.num < 0)
        throw CheckError(QStringLiteral("the given counts make '%1' find %2/%3 pages")
                             .arg(query)
                             .arg(v.num)
                             .arg(v.den));
    return v.num;
}

QString orderByCounts(const QStringList& labels, const QStringList& queries,
                      const std::vector<std::pair<QString, qint64>>& known, bool ascending) {
    requireLabels(labels, queries);
    std::vector<std::pair<qint64, qsizetype>> counts;
    for (qsizetype k = 0; k < queries.size(); ++k)
        counts.push_back({pagesFound(queries[k], known), k});
    std::sort(counts.begin(), counts.end());
    for (size_t k = 1; k < counts.size(); ++k)
        if (counts[k].first == counts[k - 1].first)
            throw CheckError(QStringLiteral("%1 and %2 both find %3 pages")
                                 .arg(labels[counts[k - 1].second], labels[counts[k].second])
                                 .arg(counts[k].first));
    if (!ascending)
        std::reverse(counts.begin(), counts.end());
    QString out;
    for (const auto& c : counts)
        out += labels[c.second];
    return out;
}

} // namespace zut::check
