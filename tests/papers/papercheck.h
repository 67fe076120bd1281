// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the content tests of the papers, tst_<paper>.cpp and
// tst_papercontent.cpp: reading a task's elements and text from the
// content file, the fragments in three languages, running С1's listings,
// the С3 game, and the answer labels of B7 and B8.
//
// Include it after "testmain.h" and "papertest.h". A paper's test defines
// the paper that task() and listing() read:
//
//     const zut::PaperContent& content() {
//         static const zut::PaperContent c = zut::readContent(":/papers/t2008_4.yaml");
//         return c;
//     }
#pragma once

#include "papertest.h"

#include "taskcheck/error.h"
#include "taskcheck/interpret.h"
#include "taskcheck/taskcheck.h"
#include "core/content.h"
#include "paper/paper.h"
#include "app/windowset.h"

#include <QRegularExpression>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

namespace ck = zut::check;
using zut::AnswersElement;
using zut::Element;
using zut::FieldElement;
using zut::ListingsElement;
using zut::PictureElement;
using zut::ProgramsElement;
using zut::RowElement;
using zut::TableElement;
using zut::TextElement;

// The paper a paper's test reads: each such test defines it.
const zut::PaperContent& content();

// ---- Reading a task ------------------------------------------------------

// A task's data that a test cannot read: the test fails with the reason.
struct Missing : std::runtime_error {
    explicit Missing(const QString& what)
        : std::runtime_error(what.toStdString()) {}
};

// Throws Missing with `what` unless `ok`.
inline void need(bool ok, const QString& what) {
    if (!ok)
        throw Missing(what);
}

// A pattern that reads Cyrillic words as words (\w, \b, \d by Unicode).
inline QRegularExpression
rx(const QString& pattern,
   QRegularExpression::PatternOptions more = QRegularExpression::NoPatternOption) {
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption | more);
}

// The task of the paper with that id ("А1", "B8", "С1").
inline const zut::TaskContent& task(const QString& id) {
    for (const zut::TaskContent& t : content().tasks)
        if (t.id == id)
            return t;
    throw Missing("no task " + id);
}

// The task's elements of one kind, in page order, the elements of rows and
// the fields of Programs and Listings in their place.
template <class Kind> std::vector<const Kind*> all(const zut::TaskContent& t) {
    return zut::allOf<Kind>(t.elements);
}

// The task's element of that kind, the n-th from 0.
template <class Kind> const Kind& element(const zut::TaskContent& t, int n = 0) {
    const auto found = all<Kind>(t);
    need(n >= 0 && size_t(n) < found.size(), t.id + " lacks an element of the kind asked for");
    return *found[size_t(n)];
}

// The task's picture, the n-th from 0.
inline const PictureElement& picture(const zut::TaskContent& t, int n = 0) {
    return element<PictureElement>(t, n);
}

// The data the task's n-th picture is drawn from ("table", "chart" …).
inline QVariantMap drawn(const zut::TaskContent& t, int n = 0) {
    return picture(t, n).draw.toMap();
}

// A list in a picture's data.
inline QVariantList list(const QVariant& v) {
    return v.toList();
}

// Index labels written as a base after an underscore ("57{_8}" reads "57_8").
inline QString optionText(const QString& item) {
    static const QRegularExpression index = rx(R"(\{_(\w+)\})");
    return QString(item).replace(index, "_\\1");
}

// The task's text labels, in page order.
inline QStringList texts(const zut::TaskContent& t) {
    QStringList out;
    for (const TextElement* e : all<TextElement>(t))
        out << e->text;
    return out;
}

// The wording: the task's text labels joined, index labels as optionText
// writes them.
inline QString wording(const zut::TaskContent& t) {
    return optionText(texts(t).join(' '));
}

// The text of the task's field `name` (a field of its own, of a Programs
// or Listings element, or an answer list in a field, one answer a line).
inline QString fieldText(const zut::TaskContent& t, const QString& name) {
    for (const FieldElement* e : all<FieldElement>(t))
        if (e->name == name)
            return e->text;
    for (const AnswersElement* e : all<AnswersElement>(t))
        if (e->name == name)
            return e->options.join('\n');
    throw Missing(t.id + " has no field " + name);
}

// The texts of a Programs or Listings element's fields, in their order.
template <class ProgramsOrListings> std::vector<QString> columnTexts(const ProgramsOrListings& e) {
    std::vector<QString> out;
    for (const FieldElement& c : e.columns)
        out.push_back(c.text);
    return out;
}

// The four options of a Part 1 task: its answer list, or, where there is
// none, the titles of the numbered tables of its picture.
inline QStringList options(const zut::TaskContent& t) {
    for (const AnswersElement* e : all<AnswersElement>(t))
        return e->options;
    QStringList titles;
    for (const PictureElement* e : all<PictureElement>(t))
        if (e->draw.toMap().contains("tables"))
            for (const QVariant& table : list(e->draw.toMap()["tables"]))
                titles << table.toMap()["title"].toString();
    need(titles.size() == 4, t.id + " has neither answers nor four numbered tables");
    return titles;
}

// ---- Reading a text ------------------------------------------------------

// The first match of `pattern` in `text`, all its groups.
inline QStringList capture(const QString& text, const QString& pattern) {
    const auto m = rx(pattern).match(text);
    need(m.hasMatch(), QString("no \"%1\" in \"%2\"").arg(pattern, text));
    return m.capturedTexts().mid(1);
}

// A whole number as the paper writes it: "−3" with the minus sign, "65 536"
// with a blank between thousands.
inline qint64 number(const QString& text) {
    return ck::number(text);
}

// The number in group `group` (from 1) of the first match of `pattern`.
inline qint64 numberIn(const QString& text, const QString& pattern, int group = 1) {
    const QStringList m = capture(text, pattern);
    need(group >= 1 && group <= m.size(), "no group " + QString::number(group) + " in " + pattern);
    return number(m[group - 1]);
}

// A number or ordinal the wordings write as a word ("пяти", "третьей",
// "восьмеричной"), in any case of its first letter.
inline int numeral(const QString& word) {
    return ck::numeral(word);
}

// A field's lines as one line, for patterns that run across them.
inline QString oneLine(const QString& text) {
    return QString(text).replace('\n', ' ');
}

// ---- Pictures and programs -----------------------------------------------

using ck::tableColumns;

// The languages of a fragment in three languages, in the paper's order.
inline const std::vector<ck::Language> threeLanguages = {ck::Language::Basic, ck::Language::Pascal,
                                                         ck::Language::Algorithmic};

// The three fragments, each with its language.
inline std::vector<std::pair<ck::Language, QString>>
inThreeLanguages(const std::vector<QString>& fragments) {
    need(fragments.size() == 3, "not three fragments");
    std::vector<std::pair<ck::Language, QString>> out;
    for (size_t i = 0; i < 3; ++i)
        out.push_back({threeLanguages[i], fragments[i]});
    return out;
}

// ---- С1 and С3 -----------------------------------------------------------

// The text of С1's listing `i`, from 0, as its Listings element sets them
// side by side.
inline QString listing(int i) {
    const ListingsElement& listings = element<ListingsElement>(task("С1"));
    need(i >= 0 && size_t(i) < listings.columns.size(), "С1 has no listing " + QString::number(i));
    return listings.columns[size_t(i)].text;
}

// A listing run in `language` with `input`, one value a line.
template <class... Input>
ck::RunResult runWith(ck::Language language, const QString& listing, Input... input) {
    ck::RunOptions o;
    o.input = {QString::number(input)...};
    return ck::run(language, listing, o);
}

// What a listing prints for `input`, as one string.
template <class... Input>
QString printed(ck::Language language, const QString& listing, Input... input) {
    return runWith(language, listing, input...).output.join('\n').trimmed();
}

// The listing with lines taken out: for each of `first` the first line
// that reads so (trimmed), for each of `last` the last one.
inline QString withoutLines(const QString& listing, const QStringList& first,
                            const QStringList& last = {}) {
    QStringList lines = listing.split('\n');
    const auto reads = [](const QString& r) {
        return [r](const QString& l) { return l.trimmed() == r; };
    };
    for (const QString& r : first) {
        const auto at = std::find_if(lines.begin(), lines.end(), reads(r));
        need(at != lines.end(), "no line " + r);
        lines.erase(at);
    }
    for (const QString& r : last) {
        const auto at = std::find_if(lines.rbegin(), lines.rend(), reads(r));
        need(at != lines.rend(), "no line " + r);
        lines.erase(std::next(at).base());
    }
    return lines.join('\n');
}

// The listing with the first line that reads `line` (trimmed) written as
// `with` instead.
inline QString replacedLine(const QString& listing, const QString& line, const QString& with) {
    QStringList lines = listing.split('\n');
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const QString& l) { return l.trimmed() == line; });
    need(at != lines.end(), "no line " + line);
    *at = with;
    return lines.join('\n');
}

// A game of a heap of stones: wins[n], 0 < n < goal, says whether the
// player to move with n stones wins, where a move turns n into one of
// `moves`(n) and whoever makes goal stones or more wins.
inline std::vector<bool> moverWins(qint64 goal,
                                   const std::function<std::vector<qint64>(qint64)>& moves) {
    std::vector<bool> wins(size_t(std::max<qint64>(goal, 1)), false);
    for (qint64 n = goal - 1; n >= 1; --n)
        for (qint64 next : moves(n)) {
            need(next > n, "a move that does not add stones");
            if (next >= goal || !wins[size_t(next)])
                wins[size_t(n)] = true;
        }
    return wins;
}

// ---- Labels ---------------------------------------------------------------

// A query label of B8 as the student types it: where the labels are the
// Cyrillic capitals, the first is written with its Latin look-alike A,
// which stands for the Cyrillic А of the key.
inline QString typedQueryLabel(const QString& label) {
    return label == "A" ? QString(QChar(0x0410)) : label;
}

// The labels a task of B7's or B8's kind asks the answer in: the first
// cells of its picture's table, or else the first child of each row.
inline QStringList answerLabels(const zut::TaskContent& t) {
    QStringList labels;
    if (!all<PictureElement>(t).empty() && drawn(t).contains("table")) {
        for (const QVariant& r : list(drawn(t)["table"].toMap()["rows"]))
            labels << r.toStringList().value(0);
    } else {
        for (const Element& e : t.elements)
            if (const auto* row = zut::as<RowElement>(e))
                if (const auto* label = zut::as<TextElement>(row->children.front()))
                    labels << label->text;
    }
    return labels;
}

// `count` letters in a row from `first` ("абв…", "АБВ…").
inline QString lettersFrom(QChar first, qsizetype count) {
    QString s;
    for (qsizetype i = 0; i < count; ++i)
        s += QChar(char16_t(first.unicode() + i));
    return s;
}

// The options of a formula task that one gets by taking, at each place of
// the references (a column or a row), what most options have there; at a
// tie every side counts. Empty if the options' references do not line up.
inline QStringList optionsOfCommonParts(const QStringList& opts) {
    static const QRegularExpression part(R"(\$?([A-Z]+)\$?(\d+))");
    std::vector<QStringList> parts;
    for (const QString& o : opts) {
        QStringList p;
        for (const auto& m : part.globalMatch(o))
            p << m.captured(1) << m.captured(2);
        parts.push_back(p);
    }
    QStringList common;
    for (size_t o = 0; o < parts.size(); ++o) {
        bool all = !parts[o].isEmpty();
        for (qsizetype i = 0; all && i < parts[o].size(); ++i) {
            std::map<QString, int> count;
            for (const QStringList& p : parts) {
                if (p.size() != parts[o].size())
                    return {};
                ++count[p[i]];
            }
            int most = 0;
            for (const auto& [value, n] : count)
                most = std::max(most, n);
            all = count[parts[o][i]] == most;
        }
        if (all)
            common << opts[qsizetype(o)];
    }
    return common;
}

// ---- Solvers on changed givens -------------------------------------------

// Runs `solver` on `t`: it must answer `answer`, or refuse where `answer`
// is empty. No-break spaces in its answer count as blanks.
inline void solvesOrRefuses(const QString& solver, const zut::TaskContent& t,
                            const QString& answer) {
    const auto& solvers = ck::registry().solvers;
    QVERIFY2(solvers.contains(solver), qPrintable("no solver " + solver));
    try {
        const QString found = solvers.at(solver)(ck::Task(t));
        QVERIFY2(!answer.isEmpty(), qPrintable("not refused: " + found));
        QCOMPARE(QString(found).replace(QChar(0x00A0), ' '), answer);
    } catch (const ck::CheckError& e) {
        QVERIFY2(answer.isEmpty(), qPrintable(e.message()));
    }
}

// Writes `value` into both cells of the road between `from` and `to` in
// the road table drawn in `t`'s picture (a road where the cells were
// empty); false unless the table has both places.
inline bool setRoad(zut::TaskContent& t, const QString& from, const QString& to,
                    const QString& value) {
    PictureElement* table = nullptr;
    for (PictureElement* e : zut::allOf<PictureElement>(t.elements))
        if (e->draw.toMap().contains("table"))
            table = e;
    if (!table)
        return false;
    QVariantMap draw = table->draw.toMap(), grid = draw["table"].toMap();
    const QStringList head = grid["head"].toStringList();
    QVariantList rows = grid["rows"].toList();
    int changed = 0;
    for (QVariant& r : rows) {
        QStringList cells = r.toStringList();
        for (const auto& [here, there] : {std::pair{from, to}, std::pair{to, from}})
            if (cells.front() == here && head.indexOf(there) > 0) {
                cells[head.indexOf(there)] = value;
                ++changed;
            }
        r = cells;
    }
    grid["rows"] = rows;
    draw["table"] = grid;
    table->draw = draw;
    return changed == 2;
}

// `t` with the truth-table fragment its pictures draw written anew, one
// row a word of digits ("010 100 111"), and these options.
inline zut::TaskContent withTruthRows(zut::TaskContent t, const QString& rows,
                                      const QStringList& options) {
    for (PictureElement* e : zut::allOf<PictureElement>(t.elements)) {
        QVariantMap draw = e->draw.toMap();
        QVariantMap table = draw["table"].toMap();
        QVariantList list;
        for (const QString& row : rows.split(' ')) {
            QStringList cells;
            for (const QChar c : row)
                cells << QString(c);
            list << cells;
        }
        table["rows"] = list;
        draw["table"] = table;
        e->draw = draw;
    }
    for (zut::AnswersElement* e : zut::allOf<zut::AnswersElement>(t.elements))
        e->options = options;
    return t;
}

// A table of rows, each a solver run on one of the paper's tasks with one
// given changed: a list given is written as its items joined by "|", and
// an empty answer means the solver must refuse.
inline void solverColumns() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("answer");
}
inline void solverRow(const char* name, const char* id, const char* solver, const char* given,
                      const char* value, const char* answer) {
    QTest::newRow(name) << QString(id) << QString(solver) << QString(given) << QString(value)
                        << QString(answer);
}
// The check of one such row.
inline void solverFollowsItsGiven() {
    QFETCH(QString, id);
    QFETCH(QString, solver);
    QFETCH(QString, given);
    QFETCH(QString, value);
    QFETCH(QString, answer);
    zut::TaskContent t = task(id);
    QVERIFY(t.givens.contains(given));
    const auto type = t.givens[given].typeId();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList)
        t.givens[given] = value.split('|');
    else
        t.givens[given] = value;
    solvesOrRefuses(solver, t, answer);
}
