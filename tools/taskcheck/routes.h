// SPDX-License-Identifier: GPL-3.0-or-later
// Routes between places joined by roads of known lengths (or costs): the
// shortest route, every route that visits no place twice, the longest such
// route, and whether a drawn scheme of roads shows the same roads as a
// table.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zut::check {

struct Road {
    QString from, to;
    qint64 length = 0;
};

struct RoadMap {
    QStringList places;
    std::vector<Road> roads; // each pair of places at most once, either way round
};

// A table of lengths: the first line names the places (separated by
// blanks); each further line is a place's name and one cell per place, a
// number or '-' (also '–', '.', '·') where no road is. The table must be
// symmetric, with no road on its diagonal (0 there is taken as none).
RoadMap roadsFromTable(const QString& text);

// A list of roads: entries separated by commas, semicolons or new lines,
// each two place names joined by '-' (or '–') and then the length after a
// blank, ':' or '=': "A-B 3, B-C: 4". Single-letter names may be written
// together: "AB 3".
RoadMap roadsFromList(const QString& text);

struct Route {
    qint64 length = 0;
    QStringList places; // from the start to the end
};

// The shortest route; throws when `to` cannot be reached.
// The road between `a` and `b`, either way round; null where there is none.
const Road* roadBetween(const RoadMap& map, const QString& a, const QString& b);

Route shortestRoute(const RoadMap& map, const QString& from, const QString& to);

// Every route of the least length, ordered by their places.
std::vector<Route> shortestRoutes(const RoadMap& map, const QString& from, const QString& to);

// Every route from `from` to `to` that visits no place twice, by length and
// then by places.
std::vector<Route> simpleRoutes(const RoadMap& map, const QString& from, const QString& to);

// The longest route that visits no place twice; throws when there is none.
Route longestRoute(const RoadMap& map, const QString& from, const QString& to);

// The differences between two maps of roads (a road missing from one, or of
// another length; a place of one missing from the other), one line each;
// empty when they show the same roads.
QStringList roadDifferences(const RoadMap& a, const RoadMap& b);
bool sameRoads(const RoadMap& a, const RoadMap& b);

} // namespace zut::check
