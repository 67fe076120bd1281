// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks on tabular data: road tables, a ranking, spreadsheets and charts,
// queries to a search server.
#include "bases.h"
#include "codes.h"
#include "error.h"
#include "executor.h"
#include "interpret.h"
#include "logic.h"
#include "queries.h"
#include "routes.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "taskshared.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace zut::check {

namespace {

// A label the student types for one shown: the Latin look-alike A among
// Cyrillic capitals stands for the Cyrillic А.
QString typedLabel(const QString& label) {
    return label == "A" ? QString(QChar(0x0410)) : label;
}

// Whether a chart shows `values`: a bar chart the values themselves, a pie
// chart their shares.
bool chartShows(const QVariantMap& chart, const std::vector<double>& values) {
    const QVariantList shown = chart["values"].toList();
    if (shown.size() != qsizetype(values.size()))
        return false;
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    double shownSum = 0;
    for (const QVariant& v : shown)
        shownSum += v.toDouble();
    const bool pie = chart["kind"].toString() == "pie";
    for (size_t i = 0; i < values.size(); ++i) {
        const double s = shown[qsizetype(i)].toDouble();
        if (pie ? std::abs(s / shownSum - values[i] / sum) > 1e-9 : std::abs(s - values[i]) > 1e-9)
            return false;
    }
    return true;
}

// The cells of a one-column range ("C2:C4"), top to bottom; empty when the
// option is no such range.
QStringList columnCells(const QString& range) {
    static const QRegularExpression form(R"(^([A-Z])(\d+):([A-Z])(\d+)$)");
    const auto m = form.match(range);
    if (!m.hasMatch() || m.captured(1) != m.captured(3))
        return {};
    QStringList cells;
    for (int r = m.captured(2).toInt(); r <= m.captured(4).toInt(); ++r)
        cells << m.captured(1) + QString::number(r);
    return cells;
}

// The values of a one-column range's cells, top to bottom; empty when the
// option is no such range or a cell of it has no value.
std::vector<double> valuesOfRange(const std::map<QString, double>& values, const QString& range) {
    std::vector<double> out;
    for (const QString& c : columnCells(range)) {
        if (!values.contains(c))
            return {};
        out.push_back(values.at(c));
    }
    return out;
}

// A drawn scheme of roads: its nodes the places, each edge a road of the
// length written on it; or, where `lengths` is false, each edge a line
// with no number (its length left 0).
RoadMap drawnScheme(const Task& t, const QVariantMap& graph, bool lengths = true) {
    RoadMap map;
    map.places = graph["nodes"].toMap().keys();
    for (const QVariant& e : graph["edges"].toList()) {
        const QStringList edge = e.toStringList();
        if (edge.size() != (lengths ? 3 : 2))
            t.fail(lengths ? "a road drawn without its length" : "a line drawn with a number");
        map.roads.push_back({edge[0], edge[1], lengths ? number(edge[2]) : 0});
    }
    return map;
}

// The schemes a task draws after the captions "1)", "2)" … in page order,
// rows walked (a caption is a text that a picture follows), each with its
// number as the caption writes it; refused where they are not numbered in
// order.
std::vector<std::pair<QString, RoadMap>> numberedSchemes(const Task& t, bool lengths = true) {
    static const QRegularExpression caption(R"(^(\d)\)$)");
    std::vector<std::pair<QString, RoadMap>> found;
    const zut::TextElement* text = nullptr;
    zut::walkElements(t.content().elements, [&](const auto& body) {
        using B = std::decay_t<decltype(body)>;
        if constexpr (std::is_same_v<B, zut::TextElement>)
            text = &body;
        if constexpr (std::is_same_v<B, zut::PictureElement>) {
            if (const auto m = text ? caption.match(text->text) : QRegularExpressionMatch();
                m.hasMatch()) {
                if (m.captured(1).toInt() != int(found.size()) + 1)
                    t.fail("the schemes are not numbered in order");
                found.push_back(
                    {m.captured(1), drawnScheme(t, body.draw.toMap()["graph"].toMap(), lengths)});
            }
            text = nullptr;
        }
    });
    return found;
}

// The number of the one numbered road table of the task's picture (titled
// "1)", "2)" … in order) whose roads `fit`; refused, naming `what` fits,
// unless exactly one does.
QString theRoadTable(const Task& t, const std::function<bool(const RoadMap&)>& fits,
                     const QString& what = "tables that fit") {
    const QVariantList tables = t.drawn()["tables"].toList();
    QStringList fit;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const QVariantMap m = tables[i].toMap();
        if (m["title"].toString() != QString("%1)").arg(i + 1))
            t.fail("the tables are not numbered in order");
        if (fits(roadTable(t, m)))
            fit << QString::number(i + 1);
    }
    if (fit.size() != 1)
        t.fail(what + ": " + fit.join(", "));
    return fit.front();
}

// The four query rows of a task (a label and a query each), the labels as
// typed, and whether `order` asks for возрастания (else убывания).
struct QueryRows {
    QStringList labels, queries;
    bool ascending;
};
QueryRows queryRows(const Task& t) {
    QueryRows q;
    for (const zut::Element& e : t.content().elements)
        if (const auto* row = zut::as<zut::RowElement>(e)) {
            const auto* label =
                row->children.size() == 2 ? zut::as<zut::TextElement>(row->children[0]) : nullptr;
            const auto* query =
                row->children.size() == 2 ? zut::as<zut::TextElement>(row->children[1]) : nullptr;
            if (!label || !query)
                t.fail("a query row is a label and a query");
            q.labels << typedLabel(label->text);
            q.queries << query->text;
        }
    if (q.labels.size() != 4)
        t.fail("not four queries");
    const QString order = t.text("order");
    if (order != "возрастания" && order != "убывания")
        t.fail("order is neither возрастания nor убывания");
    q.ascending = order == "возрастания";
    return q;
}

// `formula` with the sign $ of every part of every reference turned over:
// a marked part unmarked, an unmarked one marked ($B2 gives B$2).
QString dollarsTurned(const QString& formula) {
    static const QRegularExpression reference(
        R"((?<![A-Za-z0-9_$])(\$?)([A-Z]+)(\$?)(\d+)(?![A-Za-z0-9_(]))");
    QString out;
    qsizetype done = 0;
    for (const auto& m : reference.globalMatch(formula)) {
        out += formula.mid(done, m.capturedStart() - done);
        out += (m.captured(1).isEmpty() ? "$" : "") + m.captured(2) +
               (m.captured(3).isEmpty() ? "$" : "") + m.captured(4);
        done = m.capturedEnd();
    }
    return out + formula.mid(done);
}

// Whether inclusion alone orders the queries; a task that claims to need
// more than inclusion must not be ordered so.
bool inclusionOrders(const QStringList& labels, const QStringList& queries) {
    try {
        orderByInclusion(labels, queries);
        return true;
    } catch (const CheckError&) {
        return false;
    }
}

// The order of a task's query rows where a search rule decides it: each
// query read as the rule reads it (`withRule`), and as a student who misses
// the rule would read it, in each of the ways `without` names. Refused
// where no query uses the rule (`unused` says so) or where any reading
// without it orders the queries as well.
using QueryReading = std::function<QString(const QString&)>;
QString orderNeedingRule(const Task& t, const QRegularExpression& uses, const QString& unused,
                         const QueryReading& withRule,
                         const std::vector<std::pair<QString, QueryReading>>& without) {
    const auto [labels, queries, ascending] = queryRows(t);
    if (std::none_of(queries.begin(), queries.end(),
                     [&](const QString& q) { return uses.match(q).hasMatch(); }))
        t.fail(unused);
    for (const auto& [how, reading] : without) {
        QStringList read;
        for (const QString& q : queries)
            read << reading(q);
        if (inclusionOrders(labels, read))
            t.fail("the queries are ordered " + how);
    }
    QStringList read;
    for (const QString& q : queries)
        read << withRule(q);
    return orderByInclusion(labels, read, ascending);
}

// The town of the one tour of the picture's table (columns Город, Дней,
// Цена …) that `key` puts first, the least key first; a tie for first place
// is refused. The prices have their thousands parted by a no-break space
// ("56 000"): a price not so grouped is refused, and so is a tour of no
// days.
QString firstTour(const Task& t, const std::function<double(qint64 days, qint64 price)>& key) {
    static const QRegularExpression groups(QString::fromUtf8(R"(^\d{1,3}(?:\x{00A0}\d{3})*$)"));
    const QVariantMap table = t.drawn()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    qsizetype town = head.indexOf("Город"), days = head.indexOf("Дней"), price = -1;
    for (qsizetype i = 0; i < head.size(); ++i)
        if (head[i].startsWith("Цена"))
            price = i;
    if (town < 0 || days < 0 || price < 0)
        t.fail("the table lacks a column");
    std::vector<std::pair<double, QString>> keyed;
    for (const QVariant& row : table["rows"].toList()) {
        const QStringList cells = row.toStringList();
        const QString written = cells.value(price);
        if (!groups.match(written).hasMatch())
            t.fail("a price not grouped by thousands: " + written);
        const qint64 d = number(cells.value(days));
        if (d <= 0)
            t.fail("a tour of no days: " + cells.value(town));
        keyed.push_back(
            {key(d, number(QString(written).remove(QChar(0x00A0)))), cells.value(town)});
    }
    std::sort(keyed.begin(), keyed.end());
    if (keyed.size() < 2 || keyed[0].first == keyed[1].first)
        t.fail("no one tour comes first");
    return keyed.front().second;
}

} // namespace

void addTables(Registry& r) {
    // The option «Год» по убыванию (also «по полю «Год» по убыванию») whose
    // sort of the picture's table puts the records of `first` (cells of one
    // column, «» kept off) first, in that order, and no tie decides their
    // order or the next record; numbers compare as numbers, words by the
    // Russian alphabet.
    r.solvers["tables.sortUsed"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        std::vector<QStringList> rows;
        for (const QVariant& row : table["rows"].toList())
            rows.push_back(row.toStringList());
        QStringList first = t.list("first");
        for (QString& f : first)
            f.remove(QChar(0x00AB)).remove(QChar(0x00BB));
        qsizetype named = -1;
        for (qsizetype c = 0; c < head.size() && named < 0; ++c)
            for (const QStringList& row : rows)
                if (row.value(c) == first.value(0))
                    named = c;
        if (named < 0 || first.size() + 1 > qsizetype(rows.size()))
            t.fail("the records named are not in the table");
        static const QString alphabet = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
        const auto compare = [](const QString& a, const QString& b) {
            bool na = false, nb = false;
            const double x = a.toDouble(&na), y = b.toDouble(&nb);
            if (na && nb)
                return x < y ? -1 : x > y ? 1 : 0;
            for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
                const auto p = alphabet.indexOf(a[i].toUpper()), q = alphabet.indexOf(b[i].toUpper());
                const int u = p < 0 ? a[i].unicode() + 100 : int(p), v = q < 0 ? b[i].unicode() + 100 : int(q);
                if (u != v)
                    return u < v ? -1 : 1;
            }
            return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
        };
        static const QRegularExpression form = unicodePattern(
            QString::fromUtf8("^(?:по полю )?«([^»]+)» по (возрастанию|убыванию)$"));
        return theOption(t, [&](const QString& o) {
            const auto m = form.match(o);
            if (!m.hasMatch())
                throw CheckError("not a field and an order: " + o);
            const qsizetype field = head.indexOf(m.captured(1));
            if (field < 0)
                throw CheckError("no such field: " + m.captured(1));
            const int sign = m.captured(2) == "убыванию" ? -1 : 1;
            std::vector<QStringList> sorted = rows;
            std::stable_sort(sorted.begin(), sorted.end(), [&](const QStringList& a, const QStringList& b) {
                return sign * compare(a.value(field), b.value(field)) < 0;
            });
            for (qsizetype i = 0; i < first.size(); ++i)
                if (sorted[size_t(i)].value(named) != first[i] ||
                    compare(sorted[size_t(i)].value(field), sorted[size_t(i) + 1].value(field)) == 0)
                    return false;
            return true;
        });
    };
    // The fewest whole units the class `team` alone adds in one new month so
    // that, the charts drawn again, its sector of the pie of the classes'
    // totals (picture 2) takes at least half the circle and the new month's
    // bar on the bar chart of the months' totals (picture 1) stands above
    // each other bar. The sheet (picture 0): a heading row, a row a class
    // (its name, a number a month, its total), a last row of the months'
    // totals and the whole; refused unless every total is its row's or its
    // column's sum and the charts show those totals, the pie labelled with
    // the classes. Its slips: the bar alone; the half taken of the old
    // whole, the bar left out; the team's own earlier units left out.
    {
        struct Standing {
            double own = 0, others = 0, tallest = 0;
        };
        const auto standing = [](const Task& t) {
            const QVariantList rows = t.drawn(0)["spreadsheet"].toMap()["rows"].toList();
            const QVariantMap bar = t.drawn(1)["chart"].toMap(), pie = t.drawn(2)["chart"].toMap();
            if (bar["kind"].toString() != "bar" || pie["kind"].toString() != "pie")
                t.fail("not a bar chart and then a pie");
            if (rows.size() < 4)
                t.fail("a sheet of fewer than two classes");
            std::vector<std::vector<double>> numbers; // the rows under the heading
            QStringList classes;
            for (qsizetype r = 1; r < rows.size(); ++r) {
                const QStringList cells = rows[r].toStringList();
                std::vector<double> row;
                for (qsizetype c = 1; c < cells.size(); ++c) {
                    bool ok = false;
                    row.push_back(cells[c].toDouble(&ok));
                    if (!ok)
                        t.fail("a sheet's cell is no number: " + cells[c]);
                }
                if (row.size() < 3 || (!numbers.empty() && row.size() != numbers.front().size()))
                    t.fail("a sheet's rows differ in length or hold fewer than two months");
                numbers.push_back(row);
                if (r + 1 < rows.size())
                    classes << cells.value(0);
            }
            const size_t months = numbers.front().size() - 1, last = numbers.size() - 1;
            for (const std::vector<double>& row : numbers)
                if (std::accumulate(row.begin(), row.end() - 1, 0.0) != row.back())
                    t.fail("a total is not its row's sum");
            std::vector<double> classTotals;
            for (size_t i = 0; i < last; ++i)
                classTotals.push_back(numbers[i][months]);
            for (size_t c = 0; c <= months; ++c) {
                double column = 0;
                for (size_t i = 0; i < last; ++i)
                    column += numbers[i][c];
                if (column != numbers[last][c])
                    t.fail("a total is not its column's sum");
            }
            const std::vector<double> monthTotals(numbers[last].begin(), numbers[last].end() - 1);
            if (!chartShows(bar, monthTotals))
                t.fail("the bar chart does not show the months' totals");
            if (!chartShows(pie, classTotals) || pie["labels"].toStringList() != classes)
                t.fail("the pie does not show the classes' totals");
            const qsizetype team = classes.indexOf(t.text("team"));
            if (team < 0)
                t.fail("the sheet has no class " + t.text("team"));
            return Standing{classTotals[size_t(team)],
                            numbers[last][months] - classTotals[size_t(team)],
                            *std::max_element(monthTotals.begin(), monthTotals.end())};
        };
        const auto above = [](double v) { return std::floor(v) + 1; };
        const auto atLeast = [](double v) { return std::max(0.0, std::ceil(v)); };
        r.solvers["tables.fewestForHalfAndTallest"] = [=](const Task& t) {
            const Standing s = standing(t);
            return written(std::max(atLeast(s.others - s.own), above(s.tallest)));
        };
        r.solvers["tables.fewestForHalfAndTallestBarOnly"] = [=](const Task& t) {
            return written(above(standing(t).tallest));
        };
        r.solvers["tables.fewestForHalfAndTallestWholeKept"] = [=](const Task& t) {
            const Standing s = standing(t);
            return written(atLeast((s.own + s.others) / 2 - s.own));
        };
        r.solvers["tables.fewestForHalfAndTallestOwnForgotten"] = [=](const Task& t) {
            const Standing s = standing(t);
            return written(std::max(atLeast(s.others), above(s.tallest)));
        };
    }
    // The value in cell `to` after the formula `formula` of cell `from` is
    // copied there; the sheet holds the numbers `values` in column `column`
    // from row 1 down and the number `fixedValue` in cell `fixed`. Its
    // slips: the formula copied with its '$' parts shifted too; the formula
    // not copied at all (its value in `from`); the value one row above
    // `to`.
    {
        const auto sheet = [](const Task& t) {
            std::map<QString, QString> cells;
            const QStringList values = t.list("values");
            for (qsizetype i = 0; i < values.size(); ++i)
                cells[t.text("column") + QString::number(i + 1)] = values[i];
            cells[t.text("fixed")] = t.text("fixedValue");
            return cells;
        };
        const auto valueIn = [=](const Task& t, const QString& formula, const QString& cell) {
            auto cells = sheet(t);
            if (cells.contains(cell))
                t.fail("the formula's cell holds a number");
            cells[cell] = formula;
            return written(cellValue(cells, cell));
        };
        r.solvers["tables.copiedValue"] = [=](const Task& t) {
            return valueIn(t, copyFormula(t.text("formula"), t.text("from"), t.text("to")), t.text("to"));
        };
        r.solvers["tables.copiedValueFixedShifted"] = [=](const Task& t) {
            const QString loose = QString(t.text("formula")).remove('$');
            if (loose == t.text("formula"))
                t.fail("the formula has no fixed part");
            return valueIn(t, copyFormula(loose, t.text("from"), t.text("to")), t.text("to"));
        };
        r.solvers["tables.copiedValueUncopied"] = [=](const Task& t) {
            return valueIn(t, t.text("formula"), t.text("from"));
        };
        r.solvers["tables.copiedValueRowAbove"] = [=](const Task& t) {
            CellRef above = parseCell(t.text("to"));
            above.row -= 1;
            return valueIn(t, copyFormula(t.text("formula"), t.text("from"), cellText(above)),
                           cellText(above));
        };
    }
    // The picture's one road table and the roads the options name
    // («П–У»): the road whose closing lengthens the shortest route from
    // `from` to `to` the most; refused on a tie or where closing a road
    // leaves some place cut off. Its slips, each the greatest among the
    // named roads: the longest that lies on the shortest route (refused
    // unless that route is one); the one whose own ends are the farthest
    // apart without it, less its length (as if the route only went round
    // it); the longest of them all.
    {
        const auto closing = [](const Task& t) {
            const RoadMap map = roadTable(t, t.drawn()["table"].toMap());
            std::map<QString, RoadMap> without;
            for (const QString& o : t.options()) {
                const QStringList ends = o.split(QChar(0x2013));
                if (ends.size() != 2 || !roadBetween(map, ends[0], ends[1]))
                    t.fail("an option is no road of the table: " + o);
                RoadMap m = map;
                std::erase_if(m.roads, [&](const Road& r) {
                    return QStringList{r.from, r.to} == ends || QStringList{r.to, r.from} == ends;
                });
                for (const QString& p : m.places)
                    try {
                        shortestRoute(m, ends[0], p);
                    } catch (const CheckError&) {
                        t.fail("closing " + o + " cuts off " + p);
                    }
                without[o] = m;
            }
            return std::pair{map, without};
        };
        const auto greatest = [](const Task& t,
                                 const std::function<qint64(const QString&)>& score) {
            qint64 best = 0;
            for (const QString& o : t.options())
                best = std::max(best, score(o));
            return theOption(t, [&](const QString& o) { return score(o) == best; });
        };
        r.solvers["tables.closingLengthensMost"] = [=](const Task& t) {
            const auto [map, without] = closing(t);
            const qint64 before = shortestRoute(map, t.text("from"), t.text("to")).length;
            return greatest(t, [&](const QString& o) {
                return shortestRoute(without.at(o), t.text("from"), t.text("to")).length - before;
            });
        };
        r.solvers["tables.closingLongestOnRoute"] = [=](const Task& t) {
            const auto [map, without] = closing(t);
            const auto routes = shortestRoutes(map, t.text("from"), t.text("to"));
            if (routes.size() != 1)
                t.fail("not one shortest route");
            return greatest(t, [&](const QString& o) {
                const QStringList ends = o.split(QChar(0x2013));
                const qsizetype at = routes.front().places.indexOf(ends[0]);
                const bool on = (at >= 0 && routes.front().places.value(at + 1) == ends[1]) ||
                                (at > 0 && routes.front().places[at - 1] == ends[1]);
                return on ? roadBetween(map, ends[0], ends[1])->length : 0;
            });
        };
        r.solvers["tables.closingLongestBypass"] = [=](const Task& t) {
            const auto [map, without] = closing(t);
            return greatest(t, [&](const QString& o) {
                const QStringList ends = o.split(QChar(0x2013));
                return shortestRoute(without.at(o), ends[0], ends[1]).length -
                       roadBetween(map, ends[0], ends[1])->length;
            });
        };
        r.solvers["tables.closingLongestRoad"] = [=](const Task& t) {
            const auto [map, without] = closing(t);
            return greatest(t, [&](const QString& o) {
                const QStringList ends = o.split(QChar(0x2013));
                return roadBetween(map, ends[0], ends[1])->length;
            });
        };
    }
    // The picture's table of records, grouped by the column `group` and
    // scored in the column `score`: the group with the largest total;
    // refused on a tie. Its slips: the group of the best single score; the
    // group with the most members; the group with the best average.
    {
        const auto best = [](const Task& t,
                             const std::function<double(const std::vector<qint64>&)>& measure) {
            const QVariantMap table = t.drawn()["table"].toMap();
            const QStringList head = table["head"].toStringList();
            const auto group = head.indexOf(t.text("group")), score = head.indexOf(t.text("score"));
            if (group < 0 || score < 0)
                t.fail("the table lacks a column");
            std::map<QString, std::vector<qint64>> scores;
            for (const QVariant& row : table["rows"].toList()) {
                const QStringList cells = row.toStringList();
                scores[cells.value(group)].push_back(number(cells.value(score)));
            }
            QString top;
            double most = 0;
            int ties = 0;
            for (const auto& [name, list] : scores) {
                const double m = measure(list);
                if (top.isEmpty() || m > most) {
                    top = name;
                    most = m;
                    ties = 1;
                } else if (m == most) {
                    ++ties;
                }
            }
            if (ties != 1)
                t.fail("groups tie");
            return top;
        };
        const auto total = [](const std::vector<qint64>& v) {
            return double(std::accumulate(v.begin(), v.end(), qint64(0)));
        };
        r.solvers["tables.groupWinner"] = [=](const Task& t) { return best(t, total); };
        r.solvers["tables.groupBestSingle"] = [=](const Task& t) {
            return best(t, [](const std::vector<qint64>& v) {
                return double(*std::max_element(v.begin(), v.end()));
            });
        };
        r.solvers["tables.groupMostMembers"] = [=](const Task& t) {
            return best(t, [](const std::vector<qint64>& v) { return double(v.size()); });
        };
        r.solvers["tables.groupBestAverage"] = [=](const Task& t) {
            return best(t, [=](const std::vector<qint64>& v) { return total(v) / double(v.size()); });
        };
    }
    // The option, a formula entered in `from` (the first cell of `range`)
    // and copied into every cell of `range`, that makes each cell the
    // product of the number above the range in its column and the number
    // left of the range in its row.
    const auto productTable = [](const Task& t) {
        const QStringList ends = t.text("range").split(':');
        if (ends.size() != 2 || ends[0] != t.text("from"))
            t.fail("the range does not start at the formula's cell");
        const CellRef first = parseCell(ends[0]), last = parseCell(ends[1]);
        if (first.row < 2 || first.column < 1 || last.row < first.row || last.column < first.column)
            t.fail("no room for the factors");
        const auto name = [](int column, int row) {
            CellRef c;
            c.column = column;
            c.row = row;
            return cellText(c);
        };
        // Factors that no other product of two of them gives.
        std::map<QString, QString> factors;
        qint64 next = 11;
        for (int c = first.column; c <= last.column; ++c, next += 2)
            factors[name(c, first.row - 1)] = QString::number(next * next);
        for (int row = first.row; row <= last.row; ++row, next += 2)
            factors[name(first.column - 1, row)] = QString::number(next * next * next);
        return theOption(t, [&](const QString& formula) {
            std::map<QString, QString> cells = factors;
            for (int c = first.column; c <= last.column; ++c)
                for (int row = first.row; row <= last.row; ++row)
                    cells[name(c, row)] = copyFormula(formula, ends[0], name(c, row));
            try {
                const std::map<QString, double> values = evaluateSheet(cells);
                for (int c = first.column; c <= last.column; ++c)
                    for (int row = first.row; row <= last.row; ++row)
                        if (values.at(name(c, row)) !=
                            cells.at(name(c, first.row - 1)).toDouble() *
                                cells.at(name(first.column - 1, row)).toDouble())
                            return false;
                return true;
            } catch (const CheckError&) {
                return false;
            }
        });
    };
    r.solvers["tables.productTableFormula"] = productTable;
    // Its slips, each the right formula with its $ signs changed in every
    // reference: none at all; both parts fixed; the fixed part swapped
    // ($A2 read as A$2).
    {
        const auto marked = [=](const Task& t, const QString& how) {
            static const QRegularExpression reference(
                R"((?<![A-Za-z0-9_$])(\$?)([A-Z]+)(\$?)(\d+)(?![A-Za-z0-9_(]))");
            const QString right = productTable(t);
            QString out;
            qsizetype at = 0;
            for (const auto& m : reference.globalMatch(right)) {
                out += right.mid(at, m.capturedStart() - at);
                const bool column = !m.captured(1).isEmpty(), row = !m.captured(3).isEmpty();
                const bool c = how == "all" || (how == "swapped" && row);
                const bool w = how == "all" || (how == "swapped" && column);
                out += (c ? "$" : "") + m.captured(2) + (w ? "$" : "") + m.captured(4);
                at = m.capturedEnd();
            }
            return out + right.mid(at);
        };
        r.solvers["tables.productTableUnfixed"] = [=](const Task& t) { return marked(t, "none"); };
        r.solvers["tables.productTableAllFixed"] = [=](const Task& t) { return marked(t, "all"); };
        r.solvers["tables.productTableFixingSwapped"] = [=](const Task& t) {
            return marked(t, "swapped");
        };
    }
    // The place of the picture's road table from which the shortest routes
    // to all the other places add up to the least; refused unless one
    // place does. Its slips, each the one place that comes first so: the
    // direct road taken wherever there is one, a shortest route only where
    // there is none; the most roads; the least sum of the numbers in its
    // row, as if an empty cell were a road of 0.
    {
        using Score = std::function<qint64(const RoadMap&, const QString&)>;
        const auto firstPlace = [](const Task& t, const Score& score) {
            const RoadMap map = roadTable(t, t.drawn()["table"].toMap());
            std::map<qint64, QStringList> by;
            for (const QString& p : map.places)
                by[score(map, p)] << p;
            const QStringList& first = by.begin()->second;
            if (first.size() != 1)
                t.fail("places that come first alike: " + first.join(", "));
            return first.front();
        };
        // The sum of the roads from `p`; the number of them.
        const auto roadsFrom = [](const RoadMap& map, const QString& p) {
            std::pair<qint64, qint64> sumAndCount{0, 0};
            for (const Road& road : map.roads)
                if (road.from == p || road.to == p)
                    sumAndCount = {sumAndCount.first + road.length, sumAndCount.second + 1};
            return sumAndCount;
        };
        const auto totalFrom = [=](bool directFirst) -> Score {
            return [=](const RoadMap& map, const QString& p) {
                qint64 sum = 0;
                for (const QString& q : map.places) {
                    const Road* road = directFirst ? roadBetween(map, p, q) : nullptr;
                    sum += q == p ? 0 : road ? road->length : shortestRoute(map, p, q).length;
                }
                return sum;
            };
        };
        r.solvers["tables.leastTotalDistance"] = [=](const Task& t) {
            return firstPlace(t, totalFrom(false));
        };
        r.solvers["tables.leastTotalDirectRoads"] = [=](const Task& t) {
            return firstPlace(t, totalFrom(true));
        };
        r.solvers["tables.mostRoads"] = [=](const Task& t) {
            return firstPlace(
                t, [=](const RoadMap& map, const QString& p) { return -roadsFrom(map, p).second; });
        };
        r.solvers["tables.leastRowSum"] = [=](const Task& t) {
            return firstPlace(
                t, [=](const RoadMap& map, const QString& p) { return roadsFrom(map, p).first; });
        };
    }
    // The whole number from −1000 to 1000 that, written into the empty
    // cell `cell` of the picture's spreadsheet, makes the two cells `equal`
    // equal; refused unless exactly one number does. A slip rewrites the
    // formulas first: "filled" averages a range over the cells the picture
    // fills (the new number added to the sum but not to the count), "sum"
    // takes an average for the sum of its range. The slip "value" gives the
    // equal value of the two cells instead of the number.
    const auto valueMakingEqual = [](const Task& t, const QString& slip) {
        std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
        const QString cell = t.text("cell");
        const QStringList equal = t.list("equal");
        if (cells.count(cell) || equal.size() != 2)
            t.fail("the cell is not empty or not two cells to compare");
        static const QRegularExpression average = unicodePattern(R"(СРЗНАЧ\(([^()]*)\))");
        bool changed = slip.isEmpty() || slip == "value";
        for (auto& [name, text] : cells) {
            const QString was = text;
            if (slip == "sum")
                text.replace(average, "СУММ(\\1)");
            if (slip == "filled")
                for (auto m = average.match(text); m.hasMatch(); m = average.match(text)) {
                    std::map<QString, QString> probe = sheetCells(t, t.drawn(0));
                    probe["ZZ1"] = "=СЧЁТ(" + m.captured(1) + ")";
                    text.replace(m.capturedStart(), m.capturedLength(),
                                 "(СУММ(" + m.captured(1) + ")/" +
                                     written(cellValue(probe, "ZZ1")) + ")");
                }
            changed = changed || text != was;
        }
        if (!changed)
            t.fail("no formula that the slip changes");
        QStringList found;
        for (int x = -1000; x <= 1000; ++x) {
            cells[cell] = QString::number(x);
            const std::map<QString, double> values = evaluateSheet(cells);
            if (std::fabs(values.at(equal[0]) - values.at(equal[1])) < 1e-9)
                found << QString::number(x);
        }
        if (found.size() != 1)
            t.fail(QString("%1 numbers make the cells equal").arg(found.size()));
        if (slip == "value") {
            cells[cell] = found.front();
            return written(evaluateSheet(cells).at(equal[0]));
        }
        return found.front();
    };
    r.solvers["tables.sheetValueMakingEqual"] = [=](const Task& t) {
        return valueMakingEqual(t, {});
    };
    r.solvers["tables.sheetEqualFilledOnly"] = [=](const Task& t) {
        return valueMakingEqual(t, "filled");
    };
    r.solvers["tables.sheetEqualSumForAverage"] = [=](const Task& t) {
        return valueMakingEqual(t, "sum");
    };
    r.solvers["tables.sheetEqualCommonValue"] = [=](const Task& t) {
        return valueMakingEqual(t, "value");
    };
    // The picture's numbered road tables: the number of the one in which the
    // cheapest way from `from` to `to` costs at most `limit`.
    // With `length` instead of `limit`: the one whose cheapest way is
    // exactly that long.
    r.solvers["tables.routeWithin"] = [](const Task& t) {
        const bool exact = t.has("length");
        const qint64 bound = t.integer(exact ? "length" : "limit");
        return theRoadTable(t, [&](const RoadMap& map) {
            const qint64 length = shortestRoute(map, t.text("from"), t.text("to")).length;
            return exact ? length == bound : length <= bound;
        });
    };
    // The names of the picture's table (columns Фамилия, Баллы, Время, мин)
    // from the first place: more points first, of equal points less time.
    r.solvers["tables.ranking"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const auto name = head.indexOf("Фамилия"), points = head.indexOf("Баллы"),
                   time = head.indexOf("Время, мин");
        if (name < 0 || points < 0 || time < 0)
            t.fail("the table lacks a column");
        QList<QStringList> rows;
        for (const QVariant& row : table["rows"].toList())
            rows << row.toStringList();
        std::sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
            if (number(a[points]) != number(b[points]))
                return number(a[points]) > number(b[points]);
            return number(a[time]) < number(b[time]);
        });
        QStringList order;
        for (const QStringList& row : rows)
            order << row[name];
        return order.join(", ");
    };
    // `formula` in cell `from` copied into cell `to`.
    r.solvers["tables.copyFormula"] = [](const Task& t) {
        return copyFormula(t.text("formula"), t.text("from"), t.text("to"));
    };
    // Its slips. Only the shift between the columns made: the formula
    // copied into the cell of `to`'s column in `from`'s row.
    r.solvers["tables.copyFormulaColumnsOnly"] = [](const Task& t) {
        CellRef across = parseCell(t.text("from"));
        across.column = parseCell(t.text("to")).column;
        return copyFormula(t.text("formula"), t.text("from"), cellText(across));
    };
    // The formula written into `to` as it stands in `from`.
    r.solvers["tables.formulaUncopied"] = [](const Task& t) { return t.text("formula"); };
    // The sign $ read the wrong way round: the part of a reference that it
    // marks moves, the unmarked part stays ($B2 copied one column right and
    // two rows down gives $C2). Copying with every part's $ turned over and
    // turning them back gives just that.
    r.solvers["tables.copyFormulaFixingSwapped"] = [](const Task& t) {
        return dollarsTurned(
            copyFormula(dollarsTurned(t.text("formula")), t.text("from"), t.text("to")));
    };
    // How many cells the one range of `formula` (as "$A$1:B2") covers once
    // the formula is copied from `from` into `to`. Its slips: the $ signs
    // ignored (the range moves whole); only the shift between the rows made;
    // the shift counted by the cells from `from` to `to` inclusive, one
    // column and one row too far (C3 to F7 taken as 4 columns and 5 rows).
    {
        const auto cells = [](const Task& t, const QString& formula, const QString& into) {
            static const QRegularExpression range(R"((\$?[A-Z]+\$?\d+):(\$?[A-Z]+\$?\d+))");
            const QString copied = copyFormula(formula, t.text("from"), into);
            const auto m = range.match(copied);
            if (!m.hasMatch() || range.match(copied, m.capturedEnd()).hasMatch())
                t.fail("not one range in " + copied);
            const CellRef a = parseCell(m.captured(1)), b = parseCell(m.captured(2));
            const int columns = std::abs(a.column - b.column) + 1;
            const int rows = std::abs(a.row - b.row) + 1;
            return QString::number(columns * rows);
        };
        r.solvers["tables.copiedRangeCells"] = [=](const Task& t) {
            return cells(t, t.text("formula"), t.text("to"));
        };
        r.solvers["tables.copiedRangeCellsFixingIgnored"] = [=](const Task& t) {
            return cells(t, QString(t.text("formula")).remove('$'), t.text("to"));
        };
        r.solvers["tables.copiedRangeCellsRowsOnly"] = [=](const Task& t) {
            CellRef down = parseCell(t.text("from"));
            down.row = parseCell(t.text("to")).row;
            return cells(t, t.text("formula"), cellText(down));
        };
        r.solvers["tables.copiedRangeCellsShiftInclusive"] = [=](const Task& t) {
            const CellRef from = parseCell(t.text("from"));
            CellRef further = parseCell(t.text("to"));
            further.column += (further.column > from.column) - (further.column < from.column);
            further.row += (further.row > from.row) - (further.row < from.row);
            if (further.column < 0 || further.row < 1)
                t.fail("the shift counted inclusive leaves the sheet");
            return cells(t, t.text("formula"), cellText(further));
        };
    }
    // The option that, written into the spreadsheet's hidden cell `hidden`
    // (shown "?"), gives the range `first`…`last` of one row values in the
    // proportions of the pie chart of the second picture.
    r.solvers["tables.hiddenForPie"] = [](const Task& t) {
        const std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
        const QString hidden = t.text("hidden");
        if (!cells.contains(hidden) || cells.at(hidden) != "?")
            t.fail("the hidden cell is not shown as hidden");
        std::vector<double> shown;
        double shownSum = 0;
        for (const QVariant& v : t.drawn(1)["chart"].toMap()["values"].toList()) {
            shown.push_back(v.toDouble());
            shownSum += v.toDouble();
        }
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.row != last.row)
            t.fail("the range is not one row");
        return theOption(t, [&](const QString& o) {
            auto filled = cells;
            filled[hidden] = o;
            const auto values = evaluateSheet(filled);
            std::vector<double> range;
            double sum = 0;
            for (int c = first.column; c <= last.column; ++c) {
                const double v = values.at(cellText({c, first.row}));
                if (v < 0)
                    return false; // a pie has no negative sector
                range.push_back(v);
                sum += v;
            }
            if (range.size() != shown.size() || sum <= 0)
                return false;
            for (size_t i = 0; i < range.size(); ++i)
                if (std::abs(range[i] / sum - shown[i] / shownSum) > 1e-9)
                    return false;
            return true;
        });
    };
    // The labels of the task's query rows (a label and a query each), as
    // typed, in the order of the number of pages found that `order`
    // (возрастания or убывания) asks for.
    r.solvers["tables.queryOrder"] = [](const Task& t) {
        const auto [labels, queries, ascending] = queryRows(t);
        return orderByInclusion(labels, queries, ascending);
    };
    // As tables.queryOrder, where the wording states that every page with
    // the word `part` holds the word `whole` too: `part` is read as
    // (`part` & `whole`). The order must need that fact.
    r.solvers["tables.queryOrderWithFact"] = [](const Task& t) {
        const auto [labels, queries, ascending] = queryRows(t);
        const QRegularExpression part = unicodePattern("\\b" + t.text("part") + "\\b");
        QStringList withFact;
        for (const QString& q : queries)
            withFact << QString(q).replace(part, "(" + t.text("part") + " & " + t.text("whole") + ")");
        if (withFact == queries)
            t.fail("no query holds " + t.text("part"));
        if (inclusionOrders(labels, queries))
            t.fail("the queries are ordered without the fact");
        return orderByInclusion(labels, withFact, ascending);
    };
    // As tables.queryOrder, by the numbers of pages that follow from the
    // wording's counts (`knownQueries` finding `knownCounts` pages, pairwise);
    // the order must need the counts, not inclusion alone.
    r.solvers["tables.queryOrderByCounts"] = [](const Task& t) {
        const auto [labels, queries, ascending] = queryRows(t);
        const QStringList known = t.list("knownQueries"), counts = t.list("knownCounts");
        if (known.size() != counts.size())
            t.fail("the known queries and their counts differ in number");
        std::vector<std::pair<QString, qint64>> pairs;
        for (qsizetype i = 0; i < known.size(); ++i)
            pairs.emplace_back(known[i], number(counts[i]));
        if (inclusionOrders(labels, queries))
            t.fail("the queries are ordered without the counts");
        return orderByCounts(labels, queries, pairs, ascending);
    };
    // As tables.queryOrder, where a phrase in quotation marks finds only
    // pages with its words side by side and in its order (read as
    // phrasesAsWords writes it). The order must need that rule: with every
    // phrase read as its words joined by &, some two queries cannot be
    // told apart or ordered.
    r.solvers["tables.queryOrderWithPhrase"] = [](const Task& t) {
        static const QRegularExpression phrase(R"re("([^"]*)")re");
        const auto asWords = [](QString q) {
            for (auto m = phrase.match(q); m.hasMatch(); m = phrase.match(q))
                q.replace(m.capturedStart(), m.capturedLength(),
                          "(" + m.captured(1).split(' ', Qt::SkipEmptyParts).join(" & ") + ")");
            return q;
        };
        return orderNeedingRule(t, phrase, "no query holds a phrase", phrasesAsWords,
                                {{"without the phrase rule", asWords}});
    };
    // As tables.queryOrder, where a word ending in * stands for every word
    // that begins with it («парус*»: парус, парусник …): such a mask is read
    // as the queries' whole words that begin with it, or an unnamed word
    // that begins with it or with a longer mask that begins with it. The
    // order must need that rule: with every mask read as a word of its own,
    // some two queries cannot be ordered.
    r.solvers["tables.queryOrderWithMask"] = [](const Task& t) {
        static const QRegularExpression mask = unicodePattern(R"((\w+)\*)");
        static const QRegularExpression whole = unicodePattern(R"(\w+(?![\w*]))");
        QStringList stems, words;
        const QStringList queries = queryRows(t).queries;
        for (const QString& q : queries) {
            for (const auto& m : mask.globalMatch(q))
                stems << m.captured(1);
            for (const auto& m : whole.globalMatch(q))
                words << m.captured(0);
        }
        const auto unnamed = [](const QString& stem) { return stem + "_"; };
        const auto rewritten = [=](const QString& q, bool rule) {
            QString out;
            qsizetype done = 0;
            for (const auto& m : mask.globalMatch(q)) {
                const QString stem = m.captured(1);
                QStringList any;
                if (rule) {
                    for (const QString& w : words)
                        if (w.startsWith(stem) && !any.contains(w))
                            any << w;
                    for (const QString& longer : stems)
                        if (longer.startsWith(stem) && !any.contains(unnamed(longer)))
                            any << unnamed(longer);
                } else {
                    any << unnamed(stem);
                }
                out += q.mid(done, m.capturedStart() - done) + "(" + any.join(" | ") + ")";
                done = m.capturedEnd();
            }
            return out + q.mid(done);
        };
        return orderNeedingRule(
            t, mask, "no query holds a mask", [=](const QString& q) { return rewritten(q, true); },
            {{"without the mask rule", [=](const QString& q) { return rewritten(q, false); }}});
    };
    // As tables.queryOrder, by the pages each query finds on a site of
    // `site` pages numbered from 1, the word `words`.k standing on the pages
    // that `pages`.k lists ("2, 3, 5 и 7"): a page is found where the query
    // holds for the words it has. Every word of the queries needs its list,
    // the numbers of pages found must all differ, and inclusion alone must
    // not order the queries.
    r.solvers["tables.queryOrderOnPages"] = [](const Task& t) {
        const auto [labels, queries, ascending] = queryRows(t);
        const QStringList words = t.list("words"), lists = t.list("pages");
        const qint64 site = t.integer("site");
        if (words.size() != lists.size())
            t.fail("the words and their lists of pages differ in number");
        if (QStringList(words).removeDuplicates() > 0)
            t.fail("a word listed twice");
        static const QRegularExpression digits(R"(\d+)");
        std::vector<std::set<qint64>> on;
        for (const QString& list : lists) {
            std::set<qint64> pages;
            for (const auto& m : digits.globalMatch(list)) {
                const qint64 page = m.captured(0).toLongLong();
                if (page < 1 || page > site)
                    t.fail("page " + m.captured(0) + " is not on the site");
                if (!pages.insert(page).second)
                    t.fail("page " + m.captured(0) + " listed twice for one word");
            }
            if (pages.empty())
                t.fail("a word on no page");
            on.push_back(pages);
        }
        for (const QString& q : queries)
            for (const QString& w : queryWords(q))
                if (!words.contains(w, Qt::CaseInsensitive))
                    t.fail("the word " + w + " has no list of pages");
        if (inclusionOrders(labels, queries))
            t.fail("the queries are ordered without the pages");
        std::vector<std::pair<qint64, QString>> found;
        for (qsizetype k = 0; k < queries.size(); ++k) {
            qint64 count = 0;
            for (qint64 page = 1; page <= site; ++page) {
                QStringList holds; // the page's words, and the others negated
                for (size_t w = 0; w < on.size(); ++w)
                    holds << (on[w].contains(page) ? "" : "~") + words[qsizetype(w)];
                count += queryIncludes(queries[k], holds.join(" & ")) ? 1 : 0;
            }
            found.emplace_back(count, labels[k]);
        }
        std::sort(found.begin(), found.end());
        for (size_t k = 1; k < found.size(); ++k)
            if (found[k].first == found[k - 1].first)
                t.fail(QString("%1 and %2 both find %3 pages")
                           .arg(found[k - 1].second, found[k].second)
                           .arg(found[k].first));
        if (!ascending)
            std::reverse(found.begin(), found.end());
        QString order;
        for (const auto& f : found)
            order += f.second;
        return order;
    };
    // As tables.queryOrder, where the wording states that the query (or
    // word) `more` finds more pages than the query `fewer`. A query finds
    // fewer pages than another where the other finds all its pages (the
    // counts all differ, as the wording states), or where the fact forces
    // it: the other finds every page that `more` finds and `fewer` does
    // not, and the first none of them, and of the pages that both or
    // neither of the two find, the other finds all the first finds (the
    // difference of their counts is then at least that of `more` and
    // `fewer`). The order must need the fact.
    r.solvers["tables.queryOrderWithMore"] = [](const Task& t) {
        const auto [labels, queries, ascending] = queryRows(t);
        const QString more = "(" + t.text("more").toLower() + ")",
                      fewer = "(" + t.text("fewer").toLower() + ")";
        if (more == fewer)
            t.fail("the fact compares a query with itself");
        QStringList used;
        for (const QString& q : queries)
            used << queryWords(q);
        for (const QString& w : queryWords(more) + queryWords(fewer))
            if (!used.contains(w))
                t.fail("no query holds the word " + w + " of the fact");
        if (inclusionOrders(labels, queries))
            t.fail("the queries are ordered without the fact");
        const QString gain = more + " & ~" + fewer;
        const QString even = "((" + more + " & " + fewer + ") | (~" + more + " & ~" + fewer + "))";
        const auto n = size_t(queries.size());
        std::vector<std::vector<bool>> below(n, std::vector<bool>(n));
        for (size_t i = 0; i < n; ++i)
            for (size_t j = 0; j < n; ++j) {
                if (i == j)
                    continue;
                const QString a = "(" + queries[qsizetype(i)] + ")",
                              b = "(" + queries[qsizetype(j)] + ")";
                below[i][j] = queryIncludes(b, a) || (queryIncludes(b + " & ~" + a, gain) &&
                                                      queryIncludes(b, a + " & " + even));
            }
        for (size_t k = 0; k < n; ++k)
            for (size_t i = 0; i < n; ++i)
                for (size_t j = 0; j < n; ++j)
                    if (below[i][k] && below[k][j])
                        below[i][j] = true;
        QStringList problems;
        for (size_t i = 0; i < n; ++i)
            for (size_t j = i + 1; j < n; ++j)
                if (below[i][j] == below[j][i])
                    problems << QString(below[i][j] ? "%1 and %2 find as many pages"
                                                    : "%1 and %2 cannot be ordered")
                                    .arg(labels[qsizetype(i)], labels[qsizetype(j)]);
        if (!problems.isEmpty())
            t.fail(problems.join("; "));
        std::vector<size_t> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(),
                  [&](size_t a, size_t b) { return ascending ? below[a][b] : below[b][a]; });
        QString out;
        for (size_t k : order)
            out += labels[qsizetype(k)];
        return out;
    };
    // The number of rows of the picture's table for which `condition` holds:
    // columns as whole-number variables, joined by ИЛИ and И.
    r.solvers["tables.countRecordsWhere"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const QStringList numeric = head.mid(1);
        QString condition = t.text("condition");
        condition.replace(" ИЛИ ", " ∨ ").replace(" И ", " ∧ ");
        const Formula f = Formula::parse(condition, numeric);
        qint64 count = 0;
        for (const QVariant& row : table["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != head.size())
                t.fail("a table row of the wrong length");
            std::map<QString, qint64> values;
            for (qsizetype i = 1; i < head.size(); ++i)
                values[head[i]] = number(cells[i]);
            count += f.evaluate({}, values) ? 1 : 0;
        }
        return QString::number(count);
    };
    // The value of the spreadsheet's cell `cell`.
    r.solvers["tables.sheetCellValue"] = [](const Task& t) {
        return written(cellValue(sheetCells(t, t.drawn(0)), t.text("cell")));
    };
    // The option names the chart by its number as a word ("третья").
    r.readers["numeralWord"] = [](const QString& answer, const QString& o, int, const Task&) {
        return numeral(o) == number(answer);
    };
    // The number of the chart, among the pictures after the spreadsheet,
    // that shows the values of the range `first`…`last` of one row.
    r.solvers["tables.chartShowingRowRange"] = [](const Task& t) {
        const auto values = evaluateSheet(sheetCells(t, t.drawn(0)));
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.row != last.row || first.column > last.column)
            t.fail("the range is not one row");
        std::vector<double> range;
        for (int c = first.column; c <= last.column; ++c) {
            const auto v = values.find(cellText({c, first.row}));
            range.push_back(v == values.end() ? 0.0 : v->second);
        }
        QStringList fit;
        const qsizetype pictures = qsizetype(t.all<zut::PictureElement>().size());
        for (int n = 1; n < pictures; ++n)
            if (chartShows(t.drawn(n)["chart"].toMap(), range))
                fit << QString::number(n);
        if (fit.size() != 1)
            t.fail("charts of those values: " + fit.join(", "));
        return fit.front();
    };
    // The picture's weather records (columns Дата, Температура, °C, Осадки,
    // мм, Ветер, м/с): the date of the warmest day without precipitation and
    // with wind of at most `wind` м/с. And its slips: the wind left out; the
    // wind taken below `wind` only; the precipitation left out.
    const auto warmestDay = [](const Task& t, bool dry, bool calm, bool below) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const auto column = [&](const char* name) {
            const qsizetype c = head.indexOf(name);
            if (c < 0)
                t.fail(QString("no column ") + name);
            return c;
        };
        const qsizetype date = column("Дата"), warmth = column("Температура, °C"),
                        rain = column("Осадки, мм"), wind = column("Ветер, м/с");
        const qint64 most = t.integer("wind");
        QStringList best;
        qint64 warmest = 0;
        for (const QVariant& row : table["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != head.size())
                t.fail("a row of the wrong length");
            const qint64 w = number(cells[wind]);
            if ((dry && number(cells[rain]) != 0) || (calm && (below ? w >= most : w > most)))
                continue;
            const qint64 degrees = number(cells[warmth]);
            if (best.isEmpty() || degrees > warmest) {
                warmest = degrees;
                best = {cells[date]};
            } else if (degrees == warmest) {
                best << cells[date];
            }
        }
        if (best.size() != 1)
            t.fail("no one warmest day: " + best.join(", "));
        return best.front();
    };
    r.solvers["tables.warmestCalmDryDay"] = [=](const Task& t) {
        return warmestDay(t, true, true, false);
    };
    r.solvers["tables.warmestDryDay"] = [=](const Task& t) {
        return warmestDay(t, true, false, false);
    };
    r.solvers["tables.warmestDryDayWindBelow"] = [=](const Task& t) {
        return warmestDay(t, true, true, true);
    };
    r.solvers["tables.warmestCalmDay"] = [=](const Task& t) {
        return warmestDay(t, false, true, false);
    };
    // The option, a formula written into `first` and copied down the column
    // to `last` in the spreadsheet of the first picture, whose values are
    // the bars of the chart of the second.
    r.solvers["tables.copiedFormulaForBars"] = [](const Task& t) {
        const std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
        std::vector<double> bars;
        for (const QVariant& v : t.drawn(1)["chart"].toMap()["values"].toList())
            bars.push_back(v.toDouble());
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.column != last.column || last.row - first.row + 1 != int(bars.size()))
            t.fail("the range is not a column of a cell a bar");
        return theOption(t, [&](const QString& formula) {
            auto filled = cells;
            for (int row = first.row; row <= last.row; ++row) {
                const QString cell = cellText({first.column, row});
                if (cells.contains(cell))
                    t.fail("the range is not empty: " + cell);
                filled[cell] = copyFormula(formula, t.text("first"), cell);
            }
            const auto values = evaluateSheet(filled);
            for (int row = first.row; row <= last.row; ++row)
                if (values.at(cellText({first.column, row})) != bars[size_t(row - first.row)])
                    return false;
            return true;
        });
    };
    // The option, a one-column range of the spreadsheet of the first
    // picture, whose values both charts of the next pictures show: a bar
    // chart the values, a pie chart their shares, each labelled by the
    // column A of the values' rows.
    r.solvers["tables.rangeOnBothCharts"] = [](const Task& t) {
        const std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
        const std::map<QString, double> values = evaluateSheet(cells);
        const std::vector<QVariantMap> charts = {t.drawn(1)["chart"].toMap(),
                                                 t.drawn(2)["chart"].toMap()};
        if (charts[0]["kind"].toString() != "bar" || charts[1]["kind"].toString() != "pie")
            t.fail("not a bar chart and a pie chart");
        return theOption(t, [&](const QString& o) {
            std::vector<double> range;
            QStringList labels;
            for (const QString& c : columnCells(o)) {
                if (!values.contains(c) || !cells.contains("A" + c.mid(1)))
                    return false;
                range.push_back(values.at(c));
                labels << cells.at("A" + c.mid(1));
            }
            const double total = std::accumulate(range.begin(), range.end(), 0.0);
            for (const QVariantMap& chart : charts) {
                std::vector<double> shown;
                for (const QVariant& v : chart["values"].toList())
                    shown.push_back(v.toDouble());
                const double sum = std::accumulate(shown.begin(), shown.end(), 0.0);
                if (range.empty() || shown.size() != range.size() ||
                    chart["labels"].toStringList() != labels)
                    return false;
                for (size_t i = 0; i < range.size(); ++i)
                    if (chart["kind"].toString() == "bar"
                            ? shown[i] != range[i]
                            : std::abs(shown[i] / sum - range[i] / total) > 1e-9)
                        return false;
            }
            return true;
        });
    };
    // The slip of a reader who looks at the pie chart only: the option, a
    // one-column range of the first picture's spreadsheet, whose values are
    // in the pie's proportions (next-but-one picture) but are not the bars'
    // values (next picture).
    r.solvers["tables.rangeOnPieOnly"] = [](const Task& t) {
        const std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
        const std::map<QString, double> values = evaluateSheet(cells);
        const auto shown = [&](int picture) {
            std::vector<double> v;
            for (const QVariant& x : t.drawn(picture)["chart"].toMap()["values"].toList())
                v.push_back(x.toDouble());
            return v;
        };
        const std::vector<double> bars = shown(1), pie = shown(2);
        const double pieSum = std::accumulate(pie.begin(), pie.end(), 0.0);
        return theOption(t, [&](const QString& o) {
            const std::vector<double> range = valuesOfRange(values, o);
            if (range.empty() || range.size() != pie.size())
                return false;
            const double total = std::accumulate(range.begin(), range.end(), 0.0);
            for (size_t i = 0; i < range.size(); ++i)
                if (std::abs(pie[i] / pieSum - range[i] / total) > 1e-9)
                    return false;
            return range != bars;
        });
    };
    // The slip of a reader who compares two sectors of the pie only: the
    // option, a one-column range of the first picture's spreadsheet whose
    // first two values are in the proportion of the pie's (next-but-one
    // picture) first two sectors, but whose values are not in the pie's
    // proportions as a whole.
    r.solvers["tables.rangeOnTwoSectorsOnly"] = [](const Task& t) {
        const std::map<QString, double> values = evaluateSheet(sheetCells(t, t.drawn(0)));
        std::vector<double> pie;
        for (const QVariant& x : t.drawn(2)["chart"].toMap()["values"].toList())
            pie.push_back(x.toDouble());
        if (pie.size() < 3)
            t.fail("the pie has fewer than three sectors");
        return theOption(t, [&](const QString& o) {
            const std::vector<double> range = valuesOfRange(values, o);
            if (range.size() != pie.size())
                return false;
            bool whole = true;
            for (size_t i = 1; i < range.size(); ++i)
                whole = whole && std::abs(range[i] * pie[0] - range[0] * pie[i]) < 1e-9;
            return std::abs(range[1] * pie[0] - range[0] * pie[1]) < 1e-9 && range[0] > 0 && !whole;
        });
    };
    // The slip of a reader who takes the charts for pictures of all the
    // numbers typed in: the option, a range of several columns of the first
    // picture's spreadsheet, whose cells are exactly those holding an
    // entered number (not a formula, not a text).
    r.solvers["tables.rangeOfEnteredNumbers"] = [](const Task& t) {
        std::set<QString> entered;
        for (const auto& [cell, text] : sheetCells(t, t.drawn(0))) {
            bool number = false;
            text.toDouble(&number);
            if (number)
                entered.insert(cell);
        }
        static const QRegularExpression form(R"(^([A-Z]+\d+):([A-Z]+\d+)$)");
        return theOption(t, [&](const QString& o) {
            const auto m = form.match(o);
            if (!m.hasMatch())
                return false;
            const CellRef first = parseCell(m.captured(1)), last = parseCell(m.captured(2));
            if (first.column >= last.column)
                return false;
            std::set<QString> block;
            for (int column = first.column; column <= last.column; ++column)
                for (int row = first.row; row <= last.row; ++row)
                    block.insert(cellText({column, row}));
            return block == entered;
        });
    };
    // The picture's numbered tables of one-way fares (the row names the
    // place left, the column the place reached; an empty cell: no fare that
    // way): the number of the one table in which every place can be reached
    // from every other, with changes. Its slips, each the one table other
    // than that which fits: only the ways out of the first place checked;
    // only the ways into it checked; every row and every column holding a
    // fare (each place can be left and reached).
    {
        using Links = std::vector<std::vector<bool>>;
        const auto tablesOf = [](const Task& t) {
            std::vector<Links> tables;
            const QVariantList drawn = t.drawn()["tables"].toList();
            for (qsizetype i = 0; i < drawn.size(); ++i) {
                const QVariantMap m = drawn[i].toMap();
                if (m["title"].toString() != QString("%1)").arg(i + 1))
                    t.fail("the tables are not numbered in order");
                const QStringList places = m["head"].toStringList().mid(1);
                Links l;
                for (const QVariant& row : m["rows"].toList()) {
                    const QStringList cells = row.toStringList();
                    if (cells.size() != places.size() + 1 || cells[0] != places.value(l.size()))
                        t.fail("a table whose rows are not its columns' places");
                    std::vector<bool> line;
                    for (const QString& c : cells.mid(1)) {
                        if (!c.isEmpty())
                            number(c); // a fare is a number
                        line.push_back(!c.isEmpty());
                    }
                    if (line[l.size()])
                        t.fail("a fare on a table's diagonal");
                    l.push_back(line);
                }
                if (l.size() != size_t(places.size()) || l.size() < 2)
                    t.fail("a table that is not square");
                tables.push_back(l);
            }
            return tables;
        };
        // reach[i][j]: j can be reached from i (i itself included).
        const auto closure = [](Links l) {
            for (size_t i = 0; i < l.size(); ++i)
                l[i][i] = true;
            for (size_t k = 0; k < l.size(); ++k)
                for (size_t i = 0; i < l.size(); ++i)
                    for (size_t j = 0; j < l.size(); ++j)
                        if (l[i][k] && l[k][j])
                            l[i][j] = true;
            return l;
        };
        const auto outOfFirst = [=](const Links& l) {
            const Links r = closure(l);
            return std::all_of(r[0].begin(), r[0].end(), [](bool b) { return b; });
        };
        const auto intoFirst = [=](const Links& l) {
            const Links r = closure(l);
            return std::all_of(r.begin(), r.end(),
                               [](const std::vector<bool>& row) { return row[0]; });
        };
        const auto everywhere = [=](const Links& l) { return outOfFirst(l) && intoFirst(l); };
        const auto rowsAndColumns = [](const Links& l) {
            for (size_t i = 0; i < l.size(); ++i) {
                bool out = false, in = false;
                for (size_t j = 0; j < l.size(); ++j) {
                    out = out || l[i][j];
                    in = in || l[j][i];
                }
                if (!out || !in)
                    return false;
            }
            return true;
        };
        const auto tableWhere = [=](const Task& t, const std::function<bool(const Links&)>& fits,
                                    bool slip) {
            const std::vector<Links> tables = tablesOf(t);
            QStringList fit;
            for (size_t i = 0; i < tables.size(); ++i)
                if (fits(tables[i]) && !(slip && everywhere(tables[i])))
                    fit << QString::number(i + 1);
            if (fit.size() != 1)
                t.fail("tables that fit: " + fit.join(", "));
            return fit.front();
        };
        r.solvers["tables.reachableEverywhere"] = [=](const Task& t) {
            return tableWhere(t, everywhere, false);
        };
        r.solvers["tables.reachableEverywhereOutOfFirst"] = [=](const Task& t) {
            return tableWhere(t, outOfFirst, true);
        };
        r.solvers["tables.reachableEverywhereIntoFirst"] = [=](const Task& t) {
            return tableWhere(t, intoFirst, true);
        };
        r.solvers["tables.reachableEverywhereRowsColumns"] = [=](const Task& t) {
            return tableWhere(t, rowsAndColumns, true);
        };
    }
    // The option, a condition on the records of the task's field (one a
    // line, `fields` separated by ", "), that selects exactly the rows of
    // the picture's table. Comparisons "(Поле = «слово»)", "(Поле > 12)"
    // are joined by И and ИЛИ.
    r.solvers["tables.selectionCondition"] = [](const Task& t) {
        const QStringList fields = t.list("fields");
        const auto memos = t.all<zut::FieldElement>();
        if (memos.size() != 1)
            t.fail("not one field of records");
        std::vector<QStringList> records, shown;
        for (const QString& line : memos.front()->text.split('\n', Qt::SkipEmptyParts)) {
            records.push_back(line.split(", "));
            if (records.back().size() != fields.size())
                t.fail("a record of the wrong length: " + line);
        }
        const QVariantMap table = t.drawn()["table"].toMap();
        if (table["head"].toStringList() != fields)
            t.fail("the table shows other fields");
        for (const QVariant& row : table["rows"].toList())
            shown.push_back(row.toStringList());
        static const QRegularExpression atom =
            unicodePattern(R"(\((\w+) (=|>|<) (?:«(\w+)»|(\d+))\))");
        return theOption(t, [&](const QString& o) {
            QString formula = o;
            std::vector<std::function<bool(const QStringList&)>> tests;
            for (const auto& m : atom.globalMatch(o)) {
                const qsizetype field = fields.indexOf(m.captured(1));
                if (field < 0)
                    t.fail("no field " + m.captured(1));
                const QString op = m.captured(2), word = m.captured(3), value = m.captured(4);
                tests.push_back([=](const QStringList& rec) {
                    if (!word.isEmpty())
                        return op == "=" && rec[field] == word;
                    const qint64 a = number(rec[field]), b = number(value);
                    return op == "=" ? a == b : op == ">" ? a > b : a < b;
                });
                formula.replace(m.captured(0), QString("P%1").arg(tests.size()));
            }
            if (tests.empty())
                t.fail("a condition of no comparisons: " + o);
            formula.replace(" ИЛИ ", " \\/ ").replace(" И ", " && ");
            const Formula f = Formula::parse(formula);
            std::vector<QStringList> selected;
            for (const QStringList& rec : records) {
                std::map<QString, bool> values;
                for (size_t i = 0; i < tests.size(); ++i)
                    values[QString("P%1").arg(i + 1)] = tests[i](rec);
                if (f.evaluate(values))
                    selected.push_back(rec);
            }
            return selected == shown;
        });
    };
    // The option, an ordinal word ("первая"), naming the numbered bar chart
    // (pictures 2 … 5) whose bars, each labelled with its cell's name, show
    // the values of the block `first` … `last` of the first picture's
    // spreadsheet, row by row. Its slips: the two rows' values given to
    // each other's cells (a block of two rows); every
    // multiplication read as an addition.
    {
        const auto block = [](const Task& t) {
            const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
            if (first.row > last.row || first.column > last.column)
                t.fail("not a block from its top left to its bottom right");
            const auto values = evaluateSheet(sheetCells(t, t.drawn(0)));
            std::vector<std::vector<std::pair<QString, double>>> rows;
            for (int r = first.row; r <= last.row; ++r) {
                rows.emplace_back();
                for (int c = first.column; c <= last.column; ++c) {
                    const QString cell = cellText({c, r, false, false});
                    if (!values.contains(cell))
                        t.fail("no value in " + cell);
                    rows.back().emplace_back(cell, values.at(cell));
                }
            }
            return rows;
        };
        const auto chartOf = [](const Task& t, const QStringList& labels, const std::vector<double>& wanted) {
            return theOption(t, [&](const QString& o) {
                const QVariantMap chart = t.drawn(numeral(o))["chart"].toMap();
                return chart["kind"].toString() == "bar" && chart["labels"].toStringList() == labels &&
                       chartShows(chart, wanted);
            });
        };
        r.solvers["tables.blockChartByOrdinal"] = [=](const Task& t) {
            QStringList labels;
            std::vector<double> wanted;
            for (const auto& row : block(t))
                for (const auto& [cell, value] : row) {
                    labels << cell;
                    wanted.push_back(value);
                }
            return chartOf(t, labels, wanted);
        };
        // Slip: every plus sign in the formulas read as a multiplication;
        // refused where that changes no value of the block.
        r.solvers["tables.blockChartPlusAsTimes"] = [=](const Task& t) {
            std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
            for (auto& [cell, text] : cells)
                if (text.startsWith('='))
                    text.replace('+', '*');
            const auto misread = evaluateSheet(cells);
            QStringList labels;
            std::vector<double> wanted;
            bool changed = false;
            for (const auto& row : block(t))
                for (const auto& [cell, value] : row) {
                    labels << cell;
                    wanted.push_back(misread.at(cell));
                    changed = changed || misread.at(cell) != value;
                }
            if (!changed)
                t.fail("no addition in the block's formulas");
            return chartOf(t, labels, wanted);
        };
        // The numbered bar chart that may show the block once one sign
        // `meant` of one formula of the sheet has been typed as `typed`,
        // every other sign as the sheet shows it and the formulas
        // recalculated. Its slip: one such sign typed so in each of two
        // different formulas (two mistakes where the task allows one).
        const auto mistyped = [=](const Task& t, bool twoFormulas) {
            const std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
            const QString meant = t.text("meant"), typed = t.text("typed");
            if (meant.size() != 1 || typed.size() != 1 || meant == typed)
                t.fail("not two different signs");
            QStringList labels;
            for (const auto& row : block(t))
                for (const auto& [cell, value] : row)
                    labels << cell;
            // Each formula's cell with its formulas of one sign mistyped.
            std::vector<std::pair<QString, QStringList>> misread;
            for (const auto& [cell, text] : cells) {
                if (!text.startsWith('='))
                    continue;
                QStringList formulas;
                for (qsizetype i = text.indexOf(meant); i >= 0; i = text.indexOf(meant, i + 1))
                    formulas << text.left(i) + typed + text.mid(i + 1);
                if (!formulas.isEmpty())
                    misread.emplace_back(cell, formulas);
            }
            std::vector<std::map<QString, QString>> sheets;
            for (size_t a = 0; a < misread.size(); ++a)
                for (const QString& fa : misread[a].second) {
                    if (!twoFormulas) {
                        sheets.push_back(cells);
                        sheets.back()[misread[a].first] = fa;
                        continue;
                    }
                    for (size_t b = a + 1; b < misread.size(); ++b)
                        for (const QString& fb : misread[b].second) {
                            sheets.push_back(cells);
                            sheets.back()[misread[a].first] = fa;
                            sheets.back()[misread[b].first] = fb;
                        }
                }
            if (sheets.empty())
                t.fail(twoFormulas ? "no two formulas with a sign " + meant : "no sign " + meant + " to mistype");
            std::vector<std::vector<double>> possible;
            for (const auto& sheet : sheets) {
                const auto values = evaluateSheet(sheet);
                std::vector<double> shown;
                for (const QString& name : labels)
                    shown.push_back(values.at(name));
                possible.push_back(shown);
            }
            return theOption(t, [&](const QString& o) {
                const QVariantMap chart = t.drawn(numeral(o))["chart"].toMap();
                return chart["kind"].toString() == "bar" &&
                       chart["labels"].toStringList() == labels &&
                       std::any_of(
                           possible.begin(), possible.end(),
                           [&](const std::vector<double>& p) { return chartShows(chart, p); });
            });
        };
        r.solvers["tables.blockChartOneMistyped"] = [=](const Task& t) {
            return mistyped(t, false);
        };
        r.solvers["tables.blockChartMistypedTwoFormulas"] = [=](const Task& t) {
            return mistyped(t, true);
        };
    }
    // The least length of a round trip over the picture's road table that
    // leaves `from`, passes every other place and comes back to it, any
    // place passed as often as need be. Its slips: the trip without the
    // way back; each place passed once, along the roads alone (refused
    // where no such trip is); always on to the nearest place not yet
    // passed, by its shortest way, and then back (refused where two are
    // equally near).
    {
        // The picture's road table and the place `from` the trip leaves.
        const auto roadsFrom = [](const Task& t) {
            RoadMap map = roadTable(t, t.drawn()["table"].toMap());
            const QString home = t.text("from");
            if (!map.places.contains(home))
                t.fail("the table has no place " + home);
            return std::pair{std::move(map), home};
        };
        const auto roundTrip = [=](const Task& t, bool back, bool roadsOnly) {
            const auto [map, home] = roadsFrom(t);
            QStringList order = map.places;
            order.removeOne(home);
            std::sort(order.begin(), order.end());
            qint64 least = -1;
            do {
                const QStringList stops = QStringList{home} + order + QStringList{home};
                qint64 length = 0;
                for (qsizetype i = 1; i < stops.size() - (back ? 0 : 1) && length >= 0; ++i) {
                    if (!roadsOnly) {
                        length += shortestRoute(map, stops[i - 1], stops[i]).length;
                        continue;
                    }
                    const Road* road = roadBetween(map, stops[i - 1], stops[i]);
                    length = road ? length + road->length : -1;
                }
                if (length >= 0 && (least < 0 || length < least))
                    least = length;
            } while (std::next_permutation(order.begin(), order.end()));
            if (least < 0)
                t.fail("no trip passes each place once along the roads");
            return QString::number(least);
        };
        r.solvers["tables.shortestRoundTrip"] = [=](const Task& t) {
            return roundTrip(t, true, false);
        };
        r.solvers["tables.shortestRoundTripNoWayBack"] = [=](const Task& t) {
            return roundTrip(t, false, false);
        };
        r.solvers["tables.shortestRoundTripOnceEach"] = [=](const Task& t) {
            return roundTrip(t, true, true);
        };
        r.solvers["tables.shortestRoundTripNearestFirst"] = [=](const Task& t) {
            const auto [map, home] = roadsFrom(t);
            QStringList left = map.places;
            left.removeOne(home);
            QString here = home;
            qint64 length = 0;
            while (!left.isEmpty()) {
                std::map<qint64, QStringList> byWay;
                for (const QString& p : left)
                    byWay[shortestRoute(map, here, p).length] << p;
                const auto& [way, nearest] = *byWay.begin();
                if (nearest.size() != 1)
                    t.fail("equally near from " + here + ": " + nearest.join(", "));
                length += way;
                here = nearest.front();
                left.removeOne(here);
            }
            return QString::number(length + shortestRoute(map, here, home).length);
        };
    }
    // The picture's table of tours (see firstTour): the town of the tour
    // whose price for one day is the least.
    r.solvers["tables.cheapestPerDayGrouped"] = [](const Task& t) {
        return firstTour(t, [](qint64 days, qint64 price) { return double(price) / double(days); });
    };
    // Its slips: the tour cheapest in all, not for a day; the longest tour;
    // the price parted among the nights (a day fewer) instead of the days.
    r.solvers["tables.cheapestTourInAll"] = [](const Task& t) {
        return firstTour(t, [](qint64, qint64 price) { return double(price); });
    };
    r.solvers["tables.longestTour"] = [](const Task& t) {
        return firstTour(t, [](qint64 days, qint64) { return -double(days); });
    };
    r.solvers["tables.cheapestPerNight"] = [](const Task& t) {
        return firstTour(t, [&t](qint64 days, qint64 price) {
            if (days < 2)
                t.fail("a tour of no nights");
            return double(price) / double(days - 1);
        });
    };
    // The formula that was in cell `from` if, copied into cell `to`, it
    // reads `formula` there.
    r.solvers["tables.formulaBeforeCopy"] = [](const Task& t) {
        return copyFormula(t.text("formula"), t.text("to"), t.text("from"));
    };
    // Its slip: the columns moved back but the rows moved on the way the
    // copy went (from D3 back to B5 read as from D3 to B1).
    r.solvers["tables.formulaBeforeCopyRowsForward"] = [](const Task& t) {
        const CellRef from = parseCell(t.text("from")), to = parseCell(t.text("to"));
        CellRef wrong = from;
        wrong.row = to.row + (to.row - from.row);
        if (wrong.row < 1 || from.row == to.row)
            t.fail("no row to move the wrong way");
        return copyFormula(t.text("formula"), t.text("to"), cellText(wrong));
    };
    // A slip of tables.formulaBeforeCopy: the sign $ read the wrong way
    // round, so the parts it marks move back and the unmarked parts stay
    // (from D3 back to B5, $F4 gives $D4 and G5 stays G5).
    r.solvers["tables.formulaBeforeCopyFixingSwapped"] = [](const Task& t) {
        return dollarsTurned(
            copyFormula(dollarsTurned(t.text("formula")), t.text("to"), t.text("from")));
    };
    // The number of the one chart, among the pictures after the
    // spreadsheet, that shows the values of the range `first`…`last` of one
    // row for some natural number 1 … 1000 in the cell `hidden` (shown "?").
    // A chart names its bars or sectors by the range's cells, in any order;
    // a bar chart shows the values, a pie chart their shares (none below 0).
    r.solvers["tables.chartForSomeHidden"] = [](const Task& t) {
        const std::map<QString, QString> cells = sheetCells(t, t.drawn(0));
        const QString hidden = t.text("hidden");
        if (!cells.contains(hidden) || cells.at(hidden) != "?")
            t.fail("the hidden cell is not shown as hidden");
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.row != last.row || first.column > last.column)
            t.fail("the range is not one row");
        std::set<QString> range;
        for (int c = first.column; c <= last.column; ++c)
            range.insert(cellText({c, first.row}));
        // The range's values for each natural number in the hidden cell
        // that every formula can take (no division by zero).
        std::vector<std::pair<int, std::map<QString, double>>> filled;
        for (int x = 1; x <= 1000; ++x) {
            auto grid = cells;
            grid[hidden] = QString::number(x);
            try {
                filled.push_back({x, evaluateSheet(grid)});
            } catch (const CheckError&) {
            }
        }
        QStringList fit;
        const int pictures = int(t.all<zut::PictureElement>().size());
        for (int n = 1; n < pictures; ++n) {
            const QVariantMap chart = t.drawn(n)["chart"].toMap();
            const QStringList labels = chart["labels"].toStringList();
            const std::set<QString> named(labels.begin(), labels.end());
            if (named != range || qsizetype(named.size()) != labels.size())
                t.fail(QString("chart %1 names a cell outside the range, twice or not at all")
                           .arg(n));
            const bool pie = chart["kind"].toString() == "pie";
            for (const auto& [x, values] : filled) {
                std::vector<double> shown;
                for (const QString& label : labels)
                    shown.push_back(values.at(label));
                if (pie && *std::min_element(shown.begin(), shown.end()) < 0)
                    continue;
                if (chartShows(chart, shown)) {
                    fit << QString::number(n);
                    break;
                }
            }
        }
        if (fit.size() != 1)
            t.fail("charts that fit some value: " + fit.join(", "));
        return fit.front();
    };

    // The option, a cell, into which the formula `formula` of the cell
    // `from` was copied to read `copied` there.
    // The option cell into which `formula` from `from` cannot be copied: a
    // reference of the copy would leave the sheet (left of A or above 1).
    r.solvers["tables.copyLeavesSheet"] = [](const Task& t) {
        return theOption(t, [&](const QString& cell) {
            try {
                copyFormula(t.text("formula"), t.text("from"), cell);
                return false;
            } catch (const CheckError&) {
                return true;
            }
        });
    };

    // The surname of the pupil of the class `grade` with the highest mark in
    // the subject `subject`, the picture's two tables joined by the pupil's
    // code: pupils (code, surname, class) and marks (code, subject, mark);
    // refused on a tie. Its slips: the marks matched to the pupils by their
    // row, not by the code; the class left out; the best in another subject.
    const auto bestJoined = [](const Task& t, bool byRow, bool anyGrade, bool otherSubject) {
        const QVariantList tables = t.drawn()["tables"].toList();
        if (tables.size() != 2)
            t.fail("not two tables");
        std::vector<QStringList> pupils;
        for (const QVariant& row : tables[0].toMap()["rows"].toList()) {
            pupils.push_back(row.toStringList());
            if (pupils.back().size() != 3)
                t.fail("a pupil's row is not a code, a surname and a class");
        }
        QString best;
        qint64 top = -1;
        int tied = 0;
        const QVariantList marks = tables[1].toMap()["rows"].toList();
        for (qsizetype i = 0; i < marks.size(); ++i) {
            const QStringList m = marks[i].toStringList();
            if (m.size() != 3)
                t.fail("a mark's row is not a code, a subject and a mark");
            const auto pupil =
                byRow ? (size_t(i) < pupils.size() ? pupils.begin() + i : pupils.end())
                      : std::find_if(pupils.begin(), pupils.end(),
                                     [&](const QStringList& p) { return p[0] == m[0]; });
            if (pupil == pupils.end()) {
                if (byRow)
                    continue;
                t.fail("a mark of no pupil: " + m[0]);
            }
            if ((m[1] == t.text("subject")) == otherSubject ||
                (!anyGrade && (*pupil)[2] != t.text("grade")))
                continue;
            const qint64 mark = number(m[2]);
            if (mark > top) {
                top = mark;
                best = (*pupil)[1];
                tied = 1;
            } else if (mark == top) {
                ++tied;
            }
        }
        if (tied != 1)
            t.fail("no one best pupil");
        return best;
    };
    r.solvers["tables.bestJoined"] = [=](const Task& t) { return bestJoined(t, false, false, false); };
    r.solvers["tables.bestJoinedByRow"] = [=](const Task& t) {
        return bestJoined(t, true, false, false);
    };
    r.solvers["tables.bestJoinedAnyGrade"] = [=](const Task& t) {
        return bestJoined(t, false, true, false);
    };
    r.solvers["tables.bestJoinedOtherSubject"] = [=](const Task& t) {
        return bestJoined(t, false, false, true);
    };

    // Which bars of the second picture's bar chart (the cells `first` …
    // `last` of one row of the first picture's sheet) change when the
    // number `was` in the cell `cell` is replaced by `now`, said as the
    // options say it: "изменится только столбик A2", "изменятся только
    // столбики A2 и C2", "изменятся все три столбика", "не изменится ни
    // один столбик". The chart must show the values before the change.
    r.solvers["tables.barsChanged"] = [](const Task& t) {
        auto cells = sheetCells(t, t.drawn(0));
        const QString cell = t.text("cell");
        if (!cells.contains(cell) || number(cells.at(cell)) != t.integer("was"))
            t.fail("the sheet does not hold the number that is replaced");
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.row != last.row)
            t.fail("the range is not one row");
        QStringList range;
        for (int c = first.column; c <= last.column; ++c)
            range << cellText({c, first.row, false, false});
        const QVariantMap chart = t.drawn(1)["chart"].toMap();
        const QVariantList bars = chart["values"].toList();
        if (chart["kind"].toString() != "bar" || chart["labels"].toStringList() != range ||
            bars.size() != range.size())
            t.fail("the bars are not the range");
        const auto before = evaluateSheet(cells);
        cells[cell] = QString::number(t.integer("now"));
        const auto after = evaluateSheet(cells);
        QStringList changed;
        for (qsizetype i = 0; i < range.size(); ++i) {
            if (before.at(range[i]) != bars[i].toDouble())
                t.fail("the bar " + range[i] + " does not show its cell");
            if (after.at(range[i]) != before.at(range[i]))
                changed << range[i];
        }
        if (changed.isEmpty())
            return QString("не изменится ни один столбик");
        if (changed.size() == range.size() && range.size() == 3)
            return QString("изменятся все три столбика");
        if (changed.size() == 1)
            return "изменится только столбик " + changed.front();
        if (changed.size() == 2)
            return "изменятся только столбики " + changed.join(" и ");
        t.fail("a change the options cannot say");
    };

    // The scheme ("схема 1" … "схема 4", each a picture after its caption
    // "1)" … "4)" drawing one route from `from` to `to` as lines with no
    // numbers) of the fastest trip: the minutes of its stretches, read from
    // the first picture's table of bus times, and `wait` minutes at every
    // change of bus in a place between. Its slips: the changes free (the
    // least riding time), the fewest changes whatever the riding time,
    // every change counted twice. A line the table has no bus for, a route
    // that is no one chain from `from` to `to`, or a tie is refused.
    const auto fastestRoute = [](const Task& t, qint64 waitTimes, bool fewestChanges) {
        const RoadMap table = roadTable(t, t.drawn(0)["table"].toMap());
        const auto schemes = numberedSchemes(t, false);
        if (schemes.size() != 4)
            t.fail("not four schemes");
        std::map<qint64, QStringList> byTime;
        for (const auto& [number, scheme] : schemes) {
            std::vector<Road> left = scheme.roads;
            QString at = t.text("from");
            qint64 riding = 0, stretches = 0;
            while (!left.empty()) {
                const auto next = std::find_if(left.begin(), left.end(), [&](const Road& r) {
                    return r.from == at || r.to == at;
                });
                if (next == left.end())
                    t.fail("scheme " + number + " is no one chain from its start");
                const QString there = next->from == at ? next->to : next->from;
                const Road* bus = roadBetween(table, at, there);
                if (!bus)
                    t.fail("no bus from " + at + " to " + there);
                riding += bus->length;
                ++stretches;
                at = there;
                left.erase(next);
            }
            if (at != t.text("to") || stretches == 0)
                t.fail("scheme " + number + " does not end at " + t.text("to"));
            const qint64 time = fewestChanges
                                    ? stretches
                                    : riding + waitTimes * t.integer("wait") * (stretches - 1);
            byTime[time] << "схема " + number;
        }
        if (byTime.begin()->second.size() != 1)
            t.fail("a tie: " + byTime.begin()->second.join(", "));
        return byTime.begin()->second.front();
    };
    r.solvers["tables.fastestRoute"] = [=](const Task& t) { return fastestRoute(t, 1, false); };
    r.solvers["tables.fastestRouteChangesFree"] = [=](const Task& t) {
        return fastestRoute(t, 0, false);
    };
    r.solvers["tables.fastestRouteFewestChanges"] = [=](const Task& t) {
        return fastestRoute(t, 0, true);
    };
    r.solvers["tables.fastestRouteChangeTwice"] = [=](const Task& t) {
        return fastestRoute(t, 2, false);
    };

    // The scheme (a picture after its caption "1)" … "4)", the options
    // "первая" … "четвёртая") drawing the roads that join every place of
    // the first picture's table of costs for the least total cost: the one
    // cheapest network, refused where two networks cost the same least. Its
    // slips, each the scheme of those roads: the cheapest roads taken, as
    // many as a network needs, whether they join every place or not; the
    // cheapest ways from the table's first place; the walk from the first
    // place, always along the cheapest road to a place not yet visited.
    {
        const auto networkScheme = [](const Task& t,
                                      const std::function<RoadMap(const RoadMap&)>& chosen) {
            const RoadMap table = roadTable(t, t.drawn(0)["table"].toMap());
            RoadMap wanted = chosen(table);
            wanted.places = table.places;
            QStringList fit;
            const auto schemes = numberedSchemes(t);
            for (const auto& [number, scheme] : schemes)
                if (sameRoads(wanted, scheme))
                    fit << number;
            if (qsizetype(schemes.size()) != t.options().size() || fit.size() != 1)
                t.fail(QString("%1 schemes, these fit: %2").arg(schemes.size()).arg(fit.join(", ")));
            return fit.front();
        };
        // The table's roads from the cheapest, refused where two cost alike.
        const auto byCost = [](const Task& t, const RoadMap& table) {
            std::vector<Road> roads = table.roads;
            std::sort(roads.begin(), roads.end(),
                      [](const Road& a, const Road& b) { return a.length < b.length; });
            for (size_t i = 1; i < roads.size(); ++i)
                if (roads[i].length == roads[i - 1].length)
                    t.fail("two roads cost alike");
            if (table.places.size() < 3 || qsizetype(roads.size()) < table.places.size())
                t.fail("no choice of roads");
            return roads;
        };
        r.solvers["tables.cheapestNetwork"] = [=](const Task& t) {
            return networkScheme(t, [&](const RoadMap& table) {
                std::map<QString, QString> group; // each place's group, by a place in it
                for (const QString& p : table.places)
                    group[p] = p;
                const std::function<QString(const QString&)> root = [&](const QString& p) {
                    return group[p] == p ? p : root(group[p]);
                };
                RoadMap net;
                for (const Road& road : byCost(t, table))
                    if (root(road.from) != root(road.to)) {
                        group[root(road.from)] = root(road.to);
                        net.roads.push_back(road);
                    }
                if (qsizetype(net.roads.size()) != table.places.size() - 1)
                    t.fail("the roads do not join every place");
                return net;
            });
        };
        r.solvers["tables.cheapestNetworkCheapestRoads"] = [=](const Task& t) {
            return networkScheme(t, [&](const RoadMap& table) {
                const std::vector<Road> roads = byCost(t, table);
                RoadMap net;
                net.roads.assign(roads.begin(), roads.begin() + (table.places.size() - 1));
                return net;
            });
        };
        r.solvers["tables.cheapestNetworkShortestWays"] = [=](const Task& t) {
            return networkScheme(t, [&](const RoadMap& table) {
                RoadMap net;
                for (const QString& p : table.places.mid(1)) {
                    const std::vector<Route> ways = shortestRoutes(table, table.places.front(), p);
                    if (ways.size() != 1)
                        t.fail("no one cheapest way to " + p);
                    const QStringList& way = ways.front().places;
                    const QString& before = way[way.size() - 2];
                    if (const Road* road = roadBetween(table, before, p))
                        net.roads.push_back(*road);
                }
                return net;
            });
        };
        r.solvers["tables.cheapestNetworkNearestWalk"] = [=](const Task& t) {
            return networkScheme(t, [&](const RoadMap& table) {
                byCost(t, table); // no two roads alike, so the walk has no ties
                RoadMap net;
                QStringList visited{table.places.front()};
                while (visited.size() < table.places.size()) {
                    const Road* next = nullptr;
                    for (const Road& road : table.roads) {
                        const bool out = (road.from == visited.back() && !visited.contains(road.to)) ||
                                         (road.to == visited.back() && !visited.contains(road.from));
                        if (out && (!next || road.length < next->length))
                            next = &road;
                    }
                    if (!next)
                        t.fail("the walk stops at " + visited.back());
                    net.roads.push_back(*next);
                    visited << (next->from == visited.back() ? next->to : next->from);
                }
                return net;
            });
        };
    }
}

} // namespace zut::check
