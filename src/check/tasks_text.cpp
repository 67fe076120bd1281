// Tasks on words and symbols: chains of beads by rules, file masks,
// forecasts of a race, an address put together from its parts.
#include "error.h"
#include "taskcheck.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace zut::check {

namespace {

// A file mask: "?" is one character, "*" any run of them, the empty one too.
bool fitsMask(QStringView mask, QStringView name) {
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask.front() == u'*') {
        for (qsizetype skip = 0; skip <= name.size(); ++skip)
            if (fitsMask(mask.mid(1), name.mid(skip)))
                return true;
        return false;
    }
    if (name.isEmpty() || (mask.front() != u'?' && mask.front() != name.front()))
        return false;
    return fitsMask(mask.mid(1), name.mid(1));
}

// The one order of `parts` (each with its label) that spells `whole`: the
// labels in that order.
QString spelling(const Task& t, const QStringList& labels, const QStringList& parts,
                 const QString& whole) {
    std::vector<qsizetype> order(size_t(parts.size()));
    std::iota(order.begin(), order.end(), 0);
    QStringList found;
    do {
        QString spelt, word;
        for (qsizetype i : order) {
            spelt += parts[i];
            word += labels[i];
        }
        if (spelt == whole)
            found << word;
    } while (std::next_permutation(order.begin(), order.end()));
    if (found.size() != 1)
        t.fail(QString("%1 ways to spell %2").arg(found.size()).arg(whole));
    return found.front();
}

} // namespace

void addText(Registry& r) {
    // Chains of three beads: the option whose beads stand each in the set
    // its place allows (`places`, one string of letters a place), no bead
    // twice.
    r.solvers["text.beadsByPlace"] = [](const Task& t) {
        const QStringList places = t.list("places");
        return theOption(t, [&](const QString& chain) {
            if (chain.size() != places.size())
                return false;
            for (qsizetype i = 0; i < chain.size(); ++i)
                if (!places[i].contains(chain[i]) || chain.left(i).contains(chain[i]))
                    return false;
            return true;
        });
    };
    // The option that fits the file mask `mask`.
    r.solvers["text.mask"] = [](const Task& t) {
        return theOption(t, [&](const QString& o) { return fitsMask(t.text("mask"), o); });
    };
    // Four `runners`, three `forecasts` of two claims each ("Борис придёт
    // четвёртым, а Вадим — третьим"), each forecast half right: the places
    // of the runners in their order, the one answer; the `example` of the
    // answer's form must not be it.
    r.solvers["text.halfRightForecasts"] = [](const Task& t) {
        const QStringList names = t.list("runners");
        static const QStringList stems = {"перв", "втор", "трет", "четв"};
        const QRegularExpression claim("(" + names.join('|') + R"()[^,]*?(перв|втор|трет|четв))");
        std::vector<std::vector<std::pair<qsizetype, int>>> forecasts;
        for (const QString& f : t.list("forecasts")) {
            std::vector<std::pair<qsizetype, int>> claims;
            for (const auto& m : claim.globalMatch(f))
                claims.emplace_back(names.indexOf(m.captured(1)),
                                    int(stems.indexOf(m.captured(2))) + 1);
            if (claims.size() != 2)
                t.fail("a forecast has not two claims: " + f);
            forecasts.push_back(claims);
        }
        if (names.size() != 4)
            t.fail("not four runners");
        QStringList solutions;
        std::vector<int> place = {1, 2, 3, 4};
        do {
            const bool halfRight = std::all_of(forecasts.begin(), forecasts.end(), [&](auto& f) {
                return (place[size_t(f[0].first)] == f[0].second) +
                           (place[size_t(f[1].first)] == f[1].second) ==
                       1;
            });
            if (halfRight)
                solutions
                    << QString("%1%2%3%4").arg(place[0]).arg(place[1]).arg(place[2]).arg(place[3]);
        } while (std::next_permutation(place.begin(), place.end()));
        if (solutions.size() != 1)
            t.fail(QString("%1 solutions").arg(solutions.size()));
        if (t.has("example") && t.text("example") == solutions.front())
            t.fail("the example of the answer's form is the answer");
        return solutions.front();
    };
    // The address `protocol`://`server`/`file` put together from the parts
    // of the task's drawn table (a label and a part a row): the labels in
    // that order, as typed (the Latin look-alike A stands for the Cyrillic).
    r.solvers["text.address"] = [](const Task& t) {
        const auto tables = t.elements(zut::Element::Kind::Table);
        if (tables.empty())
            t.fail("no table of parts");
        const zut::Element& table = *tables.front();
        std::map<int, QString> labels, parts;
        for (const zut::Element::Cell& c : table.cells)
            (c.at.x() < table.columnRules.at(0) ? labels : parts)[c.at.y()] = c.text;
        if (labels.size() != parts.size())
            t.fail("the table's rows are not whole");
        QStringList l, p;
        auto label = labels.begin();
        for (auto part = parts.begin(); part != parts.end(); ++part, ++label) {
            if (std::abs(label->first - part->first) > 2)
                t.fail("a label and its part are not on one row");
            l << (label->second == "A" ? QString(QChar(0x0410)) : label->second);
            p << part->second;
        }
        return spelling(t, l, p,
                        t.text("protocol") + "://" + t.text("server") + "/" + t.text("file"));
    };
}

} // namespace zut::check
