// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of a task's data that several topics' solvers share: a road
// table, a spreadsheet picture, a fragment in three languages, an address
// spelt from labelled parts, a limit written as a number or a word.
#pragma once

#include "interpret.h"
#include "routes.h"
#include "taskcheck.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <map>

namespace zut::check {

// A drawn table of road lengths (the first column and the heading row name
// the places, the corner empty) as the route solver reads it.
RoadMap roadTable(const Task& t, const QVariantMap& table);
// The cells of a drawn spreadsheet by their names ("B3"), empty cells left
// out.
std::map<QString, QString> sheetCells(const Task& t, const QVariantMap& drawn);
// The fragment in its three languages, run; the runs must agree. The
// Pascal run.
RunResult runThree(const Task& t);
// The one order of `parts` (each with its label) that spells `whole`: the
// labels in that order.
QString spelling(const Task& t, const QStringList& labels, const QStringList& parts,
                 const QString& whole);
// The given `name` as a whole number, written in digits or as a word
// ("пяти").
qint64 countGiven(const Task& t, const QString& name);
// A pattern whose \w and \b know Cyrillic letters.
QRegularExpression unicodePattern(const QString& pattern);

} // namespace zut::check
