// SPDX-License-Identifier: GPL-3.0-or-later
#include "routes.h"

#include "error.h"

#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace zut::check {

const Road* roadBetween(const RoadMap& map, const QString& a, const QString& b) {
    for (const Road& r : map.roads)
        if ((r.from == a && r.to == b) || (r.from == b && r.to == a))
            return &r;
    return nullptr;
}

namespace {

const qsizetype maxPlaces = 16;

bool isNoRoad(const QString& cell) {
    return cell == QLatin1String("-") || cell == QStringLiteral("–") ||
           cell == QLatin1String(".") || cell == QStringLiteral("·");
}

qint64 parseLength(const QString& cell, const QString& where) {
    bool ok = false;
    const qint64 v = cell.toLongLong(&ok);
    if (!ok)
        throw CheckError(QStringLiteral("%1: '%2' is not a length").arg(where, cell));
    if (v < 0)
        throw CheckError(QStringLiteral("%1: the length %2 is negative").arg(where).arg(v));
    return v;
}

// Adjacency: for each place, the neighbours and the lengths.
struct Graph {
    QStringList places;
    std::vector<std::vector<std::pair<int, qint64>>> next;
};

Graph graphOf(const RoadMap& map) {
    if (map.places.size() > maxPlaces)
        throw CheckError(QStringLiteral("%1 places are too many").arg(map.places.size()));
    Graph g{map.places, std::vector<std::vector<std::pair<int, qint64>>>(map.places.size())};
    for (const Road& r : map.roads) {
        const qsizetype a = map.places.indexOf(r.from), b = map.places.indexOf(r.to);
        if (a < 0 || b < 0)
            throw CheckError(
                QStringLiteral("the road %1-%2 leads to a place not on the map").arg(r.from, r.to));
        if (r.length < 0)
            throw CheckError(
                QStringLiteral("the road %1-%2 has a negative length").arg(r.from, r.to));
        g.next[a].push_back({int(b), r.length});
        g.next[b].push_back({int(a), r.length});
    }
    return g;
}

int placeIndex(const RoadMap& map, const QString& name) {
    const qsizetype k = map.places.indexOf(name);
    if (k < 0)
        throw CheckError(QStringLiteral("there is no place %1 on the map (places: %2)")
                             .arg(name, map.places.join(QStringLiteral(", "))));
    return int(k);
}

void addRoad(RoadMap& map, const QString& a, const QString& b, qint64 length) {
    if (a == b)
        throw CheckError(QStringLiteral("a road from %1 to itself").arg(a));
    if (roadBetween(map, a, b))
        throw CheckError(QStringLiteral("the road %1-%2 is given twice").arg(a, b));
    for (const QString& p : {a, b})
        if (!map.places.contains(p))
            map.places << p;
    map.roads.push_back({a, b, length});
}

bool routeLess(const Route& x, const Route& y) {
    if (x.length != y.length)
        return x.length < y.length;
    return x.places < y.places;
}

} // namespace

RoadMap roadsFromTable(const QString& text) {
    QStringList lines;
    for (const QString& l : text.split('\n'))
        if (!l.trimmed().isEmpty())
            lines << l.trimmed();
    if (lines.isEmpty())
        throw CheckError(QStringLiteral("the table of roads is empty"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    RoadMap map;
    map.places = lines[0].split(blanks);
    const qsizetype n = map.places.size();
    if (QStringList(map.places).removeDuplicates() != 0)
        throw CheckError(QStringLiteral("a place is named twice in '%1'").arg(lines[0]));
    if (lines.size() != n + 1)
        throw CheckError(QStringLiteral("the table names %1 places but has %2 rows")
                             .arg(n)
                             .arg(lines.size() - 1));
    std::vector<std::vector<std::optional<qint64>>> cells(n, std::vector<std::optional<qint64>>(n));
    for (qsizetype r = 0; r < n; ++r) {
        const QStringList row = lines[r + 1].split(blanks);
        if (row.size() != n + 1 || row[0] != map.places[r])
            throw CheckError(QStringLiteral("row %1 ('%2') must be %3 and %4 cells")
                                 .arg(r + 1)
                                 .arg(lines[r + 1], map.places[r])
                                 .arg(n));
        for (qsizetype c = 0; c < n; ++c) {
            const QString where =
                QStringLiteral("cell %1-%2 of the table").arg(map.places[r], map.places[c]);
            if (isNoRoad(row[c + 1]))
                continue;
            const qint64 v = parseLength(row[c + 1], where);
            if (r == c) {
                if (v != 0)
                    throw CheckError(
                        QStringLiteral("%1: a place has no road to itself").arg(where));
                continue;
            }
            cells[r][c] = v;
        }
    }
    for (qsizetype r = 0; r < n; ++r)
        for (qsizetype c = r + 1; c < n; ++c) {
            if (cells[r][c] != cells[c][r])
                throw CheckError(
                    QStringLiteral("the table is not symmetric: %1-%2 is %3, %2-%1 is %4")
                        .arg(map.places[r], map.places[c],
                             cells[r][c] ? QString::number(*cells[r][c]) : "-",
                             cells[c][r] ? QString::number(*cells[c][r]) : "-"));
            if (cells[r][c])
                map.roads.push_back({map.places[r], map.places[c], *cells[r][c]});
        }
    return map;
}

RoadMap roadsFromList(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,;\\n]"));
    static const QRegularExpression entry(
        QStringLiteral("^(\\w+)\\s*(?:[-–]\\s*(\\w+))?\\s*[:=]?\\s*(-?\\d+)$"),
        QRegularExpression::UseUnicodePropertiesOption);
    RoadMap map;
    for (const QString& raw : text.split(separators)) {
        const QString e = raw.trimmed();
        if (e.isEmpty())
            continue;
        const auto m = entry.match(e);
        if (!m.hasMatch())
            throw CheckError(QStringLiteral("'%1' is not a road (write it as A-B 3)").arg(e));
        QString a = m.captured(1), b = m.captured(2);
        if (b.isEmpty()) {
            if (a.size() != 2)
                throw CheckError(
                    QStringLiteral("'%1': join the two places with '-' (A-B 3)").arg(e));
            b = a.mid(1);
            a = a.left(1);
        }
        addRoad(map, a, b, parseLength(m.captured(3), QStringLiteral("road '%1'").arg(e)));
    }
    if (map.roads.empty())
        throw CheckError(QStringLiteral("the list of roads is empty"));
    return map;
}

std::vector<Route> shortestRoutes(const RoadMap& map, const QString& from, const QString& to) {
    const Graph g = graphOf(map);
    const int s = placeIndex(map, from), t = placeIndex(map, to);
    const qsizetype n = g.places.size();
    // Dijkstra from the end, so that the tight roads lead towards it.
    std::vector<std::optional<qint64>> dist(n);
    std::vector<bool> done(n, false);
    dist[t] = 0;
    for (;;) {
        int u = -1;
        for (int k = 0; k < n; ++k)
            if (!done[k] && dist[k] && (u < 0 || *dist[k] < *dist[u]))
                u = k;
        if (u < 0)
            break;
        done[u] = true;
        for (auto [v, len] : g.next[u])
            if (!dist[v] || *dist[u] + len < *dist[v])
                dist[v] = *dist[u] + len;
    }
    if (!dist[s])
        throw CheckError(QStringLiteral("%1 cannot be reached from %2").arg(to, from));
    std::vector<Route> out;
    QStringList path{g.places[s]};
    std::vector<bool> on(n, false);
    on[s] = true;
    std::function<void(int)> walk = [&](int u) {
        if (u == t) {
            out.push_back({*dist[s], path});
            if (out.size() > 10000)
                throw CheckError(QStringLiteral("too many shortest routes"));
            return;
        }
        for (auto [v, len] : g.next[u])
            if (!on[v] && dist[v] && *dist[v] + len == *dist[u]) {
                on[v] = true;
                path << g.places[v];
                walk(v);
                path.removeLast();
                on[v] = false;
            }
    };
    walk(s);
    std::sort(out.begin(), out.end(), routeLess);
    return out;
}

Route shortestRoute(const RoadMap& map, const QString& from, const QString& to) {
    return shortestRoutes(map, from, to).front();
}

std::vector<Route> simpleRoutes(const RoadMap& map, const QString& from, const QString& to) {
    const Graph g = graphOf(map);
    const int s = placeIndex(map, from), t = placeIndex(map, to);
    std::vector<Route> out;
    std::vector<bool> on(g.places.size(), false);
    Route cur{0, {g.places[s]}};
    on[s] = true;
    qint64 visits = 0;
    std::function<void(int)> walk = [&](int u) {
        if (++visits > 5'000'000)
            throw CheckError(QStringLiteral("too many routes from %1 to %2").arg(from, to));
        if (u == t) {
            out.push_back(cur);
            return;
        }
        for (auto [v, len] : g.next[u])
            if (!on[v]) {
                on[v] = true;
                cur.places << g.places[v];
                cur.length += len;
                walk(v);
                cur.length -= len;
                cur.places.removeLast();
                on[v] = false;
            }
    };
    if (s == t)
        out.push_back(cur);
    else
        walk(s);
    std::sort(out.begin(), out.end(), routeLess);
    return out;
}

Route longestRoute(const RoadMap& map, const QString& from, const QString& to) {
    const std::vector<Route> all = simpleRoutes(map, from, to);
    if (all.empty())
        throw CheckError(QStringLiteral("%1 cannot be reached from %2").arg(to, from));
    return all.back();
}

QStringList roadDifferences(const RoadMap& a, const RoadMap& b) {
    auto key = [](const Road& r) {
        return r.from < r.to ? r.from + QLatin1Char('-') + r.to : r.to + QLatin1Char('-') + r.from;
    };
    std::map<QString, qint64> ra, rb;
    for (const Road& r : a.roads)
        ra[key(r)] = r.length;
    for (const Road& r : b.roads)
        rb[key(r)] = r.length;
    QStringList out;
    for (const QString& p : a.places)
        if (!b.places.contains(p))
            out << QStringLiteral("place %1 only in the first").arg(p);
    for (const QString& p : b.places)
        if (!a.places.contains(p))
            out << QStringLiteral("place %1 only in the second").arg(p);
    for (const auto& [k, len] : ra) {
        const auto it = rb.find(k);
        if (it == rb.end())
            out << QStringLiteral("road %1 (%2) only in the first").arg(k).arg(len);
        else if (it->second != len)
            out << QStringLiteral("road %1 is %2 in the first, %3 in the second")
                       .arg(k)
                       .arg(len)
                       .arg(it->second);
    }
    for (const auto& [k, len] : rb)
        if (ra.find(k) == ra.end())
            out << QStringLiteral("road %1 (%2) only in the second").arg(k).arg(len);
    return out;
}

bool sameRoads(const RoadMap& a, const RoadMap& b) {
    return roadDifferences(a, b).isEmpty();
}

} // namespace zut::check
