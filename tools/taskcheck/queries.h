// SPDX-License-Identifier: GPL-3.0-or-later
// Search queries: words joined by | (OR) and & (AND, also "&&" as labels
// store it), with ~ (NOT) and parentheses; ~ binds tightest, then &, then |.
// Queries are ordered by the number of pages they find: from given counts
// of some queries (the others follow by inclusion and exclusion), or, with
// no counts, by which query's pages are always among another's.
#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace zut::check {

// The words of a query, in the order they first occur; throws on a
// malformed query.
QStringList queryWords(const QString& query);

// The query with every phrase in quotation marks ("X Y Z", its words side
// by side in that order) written as what such a page must hold: each word,
// and each run of two or more neighbouring words of the phrase as a word of
// its own ("X_Y", "Y_Z", "X_Y_Z"); a longer phrase so finds no more pages
// than a phrase within it, and "X Y" and "Y X" are different phrases.
// Throws on an unclosed or empty phrase.
QString phrasesAsWords(const QString& query);

// Whether every page that `a` finds is found by `b`, whatever pages exist.
bool queryIncludes(const QString& b, const QString& a);

// The labels of the queries in order of the number of pages found
// (increasing, or decreasing when `ascending` is false), joined into one
// string: "ВГБА". Ordered by inclusion only; throws, naming them, when two
// queries cannot be ordered (neither finds all the other's pages, or both
// always find the same pages).
QString orderByInclusion(const QStringList& labels, const QStringList& queries,
                         bool ascending = true);

// The number of pages `query` finds, from the known counts of other
// queries; throws when the counts do not decide it or contradict each other.
qint64 pagesFound(const QString& query, const std::vector<std::pair<QString, qint64>>& known);

// As orderByInclusion, by the numbers of pages that follow from `known`;
// throws when two queries find the same number.
QString orderByCounts(const QStringList& labels, const QStringList& queries,
                      const std::vector<std::pair<QString, qint64>>& known, bool ascending = true);

} // namespace zut::check
