// Tasks on tabular data: road tables, a ranking, spreadsheets and charts,
// queries to a search server.
#include "error.h"
#include "queries.h"
#include "routes.h"
#include "spreadsheet.h"
#include "taskcheck.h"

#include <algorithm>
#include <cmath>

namespace zut::check {

namespace {

// A table of road lengths (its corner empty) as the route solver reads it.
RoadMap roadTable(const Task& t, const QVariantMap& table) {
    const QStringList head = table["head"].toStringList();
    if (head.isEmpty() || !head.front().isEmpty())
        t.fail("a road table's corner is not empty");
    QStringList lines{head.mid(1).join(' ')};
    for (const QVariant& row : table["rows"].toList()) {
        QStringList cells = row.toStringList();
        for (QString& c : cells)
            if (c.isEmpty())
                c = "-";
        lines << cells.join(' ');
    }
    return roadsFromTable(lines.join('\n'));
}

// The cells of a spreadsheet picture by their names ("B3"); empty cells
// left out.
std::map<QString, QString> sheet(const Task& t, const QVariantMap& drawn) {
    const QVariantMap s = drawn["spreadsheet"].toMap();
    const QStringList columns = s["columns"].toStringList();
    int row = s.value("first-row", 1).toInt();
    std::map<QString, QString> cells;
    for (const QVariant& r : s["rows"].toList()) {
        const QStringList values = r.toStringList();
        if (values.size() != columns.size())
            t.fail("a spreadsheet row of the wrong length");
        for (qsizetype c = 0; c < columns.size(); ++c)
            if (!values[c].isEmpty())
                cells[columns[c] + QString::number(row)] = values[c];
        ++row;
    }
    return cells;
}

// A label the student types for one shown: the Latin look-alike A among
// Cyrillic capitals stands for the Cyrillic А.
QString typedLabel(const QString& label) {
    return label == "A" ? QString(QChar(0x0410)) : label;
}

} // namespace

void addTables(Registry& r) {
    // The picture's numbered road tables: the number of the one in which the
    // cheapest way from `from` to `to` costs at most `limit`.
    r.solvers["tables.routeWithin"] = [](const Task& t) {
        const QVariantList tables = t.drawn()["tables"].toList();
        QStringList fit;
        for (qsizetype i = 0; i < tables.size(); ++i) {
            const QVariantMap m = tables[i].toMap();
            if (m["title"].toString() != QString("%1)").arg(i + 1))
                t.fail("the tables are not numbered in order");
            if (shortestRoute(roadTable(t, m), t.text("from"), t.text("to")).length <=
                t.integer("limit"))
                fit << QString::number(i + 1);
        }
        if (fit.size() != 1)
            t.fail("tables within the limit: " + fit.join(", "));
        return fit.front();
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
    // The option that, written into the spreadsheet's hidden cell `hidden`
    // (shown "?"), gives the range `first`…`last` of one row values in the
    // proportions of the pie chart of the second picture.
    r.solvers["tables.hiddenForPie"] = [](const Task& t) {
        const std::map<QString, QString> cells = sheet(t, t.drawn(0));
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
        QStringList labels, queries;
        for (const zut::Element& e : t.content().elements)
            if (e.kind == zut::Element::Kind::Row) {
                if (e.children.size() != 2)
                    t.fail("a query row is a label and a query");
                labels << typedLabel(e.children[0].text);
                queries << e.children[1].text;
            }
        if (labels.size() != 4)
            t.fail("not four queries");
        const QString order = t.text("order");
        if (order != "возрастания" && order != "убывания")
            t.fail("order is neither возрастания nor убывания");
        return orderByInclusion(labels, queries, order == "возрастания");
    };
}

} // namespace zut::check
