// Solvers first needed by the 2008 paper, variant 2, until they are merged
// into the topics' files.
#include "bases.h"
#include "error.h"
#include "executor.h"
#include "interpret.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "taskcheck.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace zut::check {

namespace {

// A number written with its base after an underscore ("5C7_16"): the
// digits and the base.
std::pair<QString, int> digitsAndBase(const Task& t, const QString& written) {
    const qsizetype bar = written.indexOf('_');
    bool ok = false;
    const int base = bar > 0 ? written.mid(bar + 1).toInt(&ok) : 0;
    if (!ok)
        t.fail("not digits_base: " + written);
    return {written.left(bar), base};
}

// The properties of a name that this paper's statements speak of, each a
// variable of the statement's formula.
const std::map<QString, WordProperty>& letterProperties() {
    static const std::map<QString, WordProperty> known = {
        {"первая буква согласная", [](const QString& w) { return isConsonant(w.front()); }},
        {"первая буква гласная", [](const QString& w) { return isVowel(w.front()); }},
        {"последняя буква гласная", [](const QString& w) { return isVowel(w.back()); }},
        {"последняя буква согласная", [](const QString& w) { return isConsonant(w.back()); }},
    };
    return known;
}

// A numbered road table (its corner empty) as the route solver reads it.
RoadMap roads(const Task& t, const QVariantMap& table) {
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

// The cells of a spreadsheet picture by their names ("B3"), empty ones
// left out.
std::map<QString, QString> sheetCells(const Task& t, const QVariantMap& drawn) {
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

// "убыванию" or "возрастанию": whether the order is decreasing.
bool decreasing(const Task& t, const QString& given) {
    const QString order = t.text(given);
    if (order != "убыванию" && order != "возрастанию")
        t.fail(given + " is neither убыванию nor возрастанию");
    return order == "убыванию";
}

// Chain n of digits: chain n − 1, then chain n − 2 twice.
QString chainOfTwo(const QString& first, const QString& second, int n) {
    if (n == 1)
        return first;
    QString before = first, last = second;
    for (int i = 3; i <= n; ++i)
        before = std::exchange(last, last + before + before);
    return last;
}

} // namespace

void addT2008_2(Registry& r) {
    // The option names the chart by its number as a word ("третья").
    r.readers["numeralWord"] = [](const QString& answer, const QString& o, int, const Task&) {
        return numeral(o) == number(answer);
    };
    // The option is the answer's digits with the base the given `system`
    // names written as an index ("2707{_8}").
    r.readers["withBase"] = [](const QString& answer, const QString& o, int, const Task& t) {
        return o == QString("%1{_%2}").arg(answer).arg(numeral(t.text("system")));
    };

    // A text of `pages` pages of `lines` lines of `chars` characters, each
    // character `bits` bits.
    r.solvers["volume.pagesOfText"] = [](const Task& t) {
        const qint64 characters = t.integer("pages") * t.integer("lines") * t.integer("chars");
        return written(double(textBits(characters, t.integer("bits"))));
    };
    // The least equal code length of the cells of a `rows` × `columns` field.
    r.solvers["volume.cellCodeBits"] = [](const Task& t) {
        return QString::number(bitsForAlphabet(t.integer("rows") * t.integer("columns")));
    };
    // The information of the message which one of `shelves` shelves of
    // `racks` racks, all equally likely, holds the book.
    r.solvers["volume.oneShelfOfAll"] = [](const Task& t) {
        const double bits = informationBits(t.integer("racks") * t.integer("shelves"));
        if (bits != std::floor(bits))
            t.fail("no whole number of bits");
        return written(bits);
    };
    // A text sent for `minutes` minutes `seconds` seconds at `kbits` Kbit a
    // second, each character `bits` bits: its number of characters.
    r.solvers["volume.symbolsSentAtKbits"] = [](const Task& t) {
        const double seconds = double(t.integer("minutes") * 60 + t.integer("seconds"));
        const double sent =
            transferSize(double(t.integer("kbits")), Unit::Kbit, seconds, Unit::Bit);
        const double characters = sent / double(t.integer("bits"));
        if (characters != std::floor(characters))
            t.fail("no whole number of characters");
        return written(characters);
    };

    // `number` (digits_base) written in the base the word `system` names.
    r.solvers["bases.rewrite"] = [](const Task& t) {
        const auto [digits, base] = digitsAndBase(t, t.text("number"));
        return convertDigits(digits, base, numeral(t.text("system")));
    };
    // The sum of `terms` (each digits_base) in the base `system` names.
    r.solvers["bases.sumOfListedNumbers"] = [](const Task& t) {
        return evaluateBased(t.list("terms").join(" + "), numeral(t.text("system")));
    };

    // The name among the options for which `statement` (letters of the
    // name in parentheses, joined by logical signs) is `truth`.
    r.solvers["logic.nameWhereLetters"] = [](const Task& t) {
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        int n = 0;
        static const QRegularExpression part(R"(\(([^()]+)\))");
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const auto k = letterProperties().find(m.captured(1));
            if (k == letterProperties().end())
                t.fail("an unknown property: " + m.captured(1));
            const QString variable = QString("P%1").arg(++n);
            properties[variable] = k->second;
            statement.replace(m.captured(0), variable);
        }
        const QStringList words =
            wordsWhere(Formula::parse(statement), t.options(), properties, truthGiven(t, "truth"));
        if (words.size() != 1)
            t.fail("the statement is " + t.text("truth") + " for " + words.join(", "));
        return words.front();
    };

    // The value the fragment in three languages leaves in `variable`.
    r.solvers["programs.valueOfOne"] = [](const Task& t) {
        const std::vector<QString> f = t.threeFragments();
        const Comparison c = runAll(
            {{Language::Basic, f[0]}, {Language::Pascal, f[1]}, {Language::Algorithmic, f[2]}});
        if (!c.agree())
            t.fail("the three languages disagree: " + c.differences.join("; "));
        return QString::number(c.results[1].integer(t.text("variable")));
    };
    // The one program of at most `most` (a word: "пяти") of the executor's
    // `commands` that turns `from` into `to`; the example, `example`
    // turning `exampleFrom` into `exampleTo`, must do so.
    r.solvers["programs.commandsWithinWord"] = [](const Task& t) {
        QStringList numbered;
        const QStringList commands = t.list("commands");
        for (qsizetype i = 0; i < commands.size(); ++i)
            numbered << QString("%1: %2").arg(i + 1).arg(commands[i]);
        const QStringList parsed = parseCommands(numbered.join("; "));
        if (runCommands(parsed, t.integer("exampleFrom"), t.text("example")) !=
            t.integer("exampleTo"))
            t.fail("the example program does not do what the wording says");
        const QStringList programs =
            programsFor(parsed, t.integer("from"), t.integer("to"), numeral(t.text("most")));
        if (programs.size() != 1)
            t.fail(QString("%1 programs: %2").arg(programs.size()).arg(programs.join(' ')));
        return programs.front();
    };
    // Chains of digits, each the one before and then twice the one before
    // that, the first two `chains.1` and `chains.2`: the length of the chain
    // `which` (an ordinal word). The chains shown must follow the rule.
    r.solvers["programs.chainOfTwoBefore"] = [](const Task& t) {
        const QStringList shown = t.list("chains");
        if (shown.size() < 3)
            t.fail("fewer than three chains shown");
        for (qsizetype n = 3; n <= shown.size(); ++n)
            if (chainOfTwo(shown[0], shown[1], int(n)) != shown[n - 1])
                t.fail(QString("chain %1 does not follow the rule").arg(n));
        const int n = numeral(t.text("which"));
        std::vector<qint64> length = {0, shown[0].size(), shown[1].size()};
        for (int i = 3; i <= n; ++i)
            length.push_back(length[size_t(i - 1)] + 2 * length[size_t(i - 2)]);
        if (chainOfTwo(shown[0], shown[1], n).size() != length[size_t(n)])
            t.fail("the chain and its length disagree");
        return QString::number(length[size_t(n)]);
    };

    // The number of the picture's numbered road tables whose shortest way
    // from `from` to `to` is exactly `length` long.
    r.solvers["tables.roadTableShortestExactly"] = [](const Task& t) {
        const QVariantList tables = t.drawn()["tables"].toList();
        QStringList fit;
        for (qsizetype i = 0; i < tables.size(); ++i) {
            const QVariantMap m = tables[i].toMap();
            if (m["title"].toString() != QString("%1)").arg(i + 1))
                t.fail("the tables are not numbered in order");
            if (shortestRoute(roads(t, m), t.text("from"), t.text("to")).length ==
                t.integer("length"))
                fit << QString::number(i + 1);
        }
        if (fit.size() != 1)
            t.fail("tables of that length: " + fit.join(", "));
        return fit.front();
    };
    // The records of the picture's table sorted by the field `first` (in
    // `firstOrder`: убыванию, возрастанию), equal ones by `second` (in
    // `secondOrder`): the field `asked` (as the wording writes it, in small
    // letters) of the record at the place `place` (an ordinal word).
    r.solvers["tables.sortedRecord"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const qsizetype k1 = head.indexOf(t.text("first")), k2 = head.indexOf(t.text("second"));
        qsizetype asked = -1;
        for (qsizetype i = 0; i < head.size(); ++i)
            if (head[i].toLower() == t.text("asked").toLower())
                asked = i;
        if (k1 < 0 || k2 < 0 || asked < 0)
            t.fail("a field not in the table");
        const bool down1 = decreasing(t, "firstOrder"), down2 = decreasing(t, "secondOrder");
        std::vector<QStringList> rows;
        for (const QVariant& row : table["rows"].toList())
            rows.push_back(row.toStringList());
        const auto key = [&](const QStringList& row, qsizetype k, bool down) {
            return down ? -number(row[k]) : number(row[k]);
        };
        std::sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
            return std::pair(key(a, k1, down1), key(a, k2, down2)) <
                   std::pair(key(b, k1, down1), key(b, k2, down2));
        });
        for (size_t i = 1; i < rows.size(); ++i)
            if (rows[i][k1] == rows[i - 1][k1] && rows[i][k2] == rows[i - 1][k2])
                t.fail("two records tie on both fields");
        const int place = numeral(t.text("place"));
        if (place < 1 || size_t(place) > rows.size())
            t.fail("no record at that place");
        return rows[size_t(place - 1)][asked];
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
        const qsizetype pictures = qsizetype(t.elements(zut::Element::Kind::Picture).size());
        for (int n = 1; n < pictures; ++n)
            if (chartShows(t.drawn(n)["chart"].toMap(), range))
                fit << QString::number(n);
        if (fit.size() != 1)
            t.fail("charts of those values: " + fit.join(", "));
        return fit.front();
    };

    // Chains of `length` characters of `letters` and `digits`: the option
    // that begins and ends with a letter, has `digitCount` digits none
    // beside another, the letter `once` at most once and the digit `after`
    // never followed by `banned`.
    r.solvers["text.chainRules"] = [](const Task& t) {
        const QString letters = t.list("letters").join(""), digits = t.list("digits").join("");
        const qsizetype length = numeral(t.text("length")), count = numeral(t.text("digitCount"));
        const QString once = t.text("once"), pair = t.text("after") + t.text("banned");
        return theOption(t, [&](const QString& o) {
            if (o.size() != length || digits.contains(o.front()) || digits.contains(o.back()))
                return false;
            qsizetype found = 0;
            for (qsizetype i = 0; i < o.size(); ++i) {
                if (!letters.contains(o[i]) && !digits.contains(o[i]))
                    return false;
                if (!digits.contains(o[i]))
                    continue;
                if (i > 0 && digits.contains(o[i - 1]))
                    return false;
                ++found;
            }
            return found == count && o.count(once) <= 1 && !o.contains(pair);
        });
    };
    // The directory after going `up` (a word) levels up from `start` and
    // then down into `down`, in order.
    r.solvers["text.directoryUpThenDown"] = [](const Task& t) {
        QStringList path = t.text("start").split('\\');
        const int up = numeral(t.text("up"));
        if (up >= path.size())
            t.fail("up beyond the disk");
        path = path.mid(0, path.size() - up) + t.list("down");
        return path.join('\\');
    };
    // The algorithm field (НАЧАЛО … КОНЕЦ) run on `word`: each letter put
    // at the end or at the start of R, as its branch for `vowels` and for
    // the other letters says.
    r.solvers["text.vowelsBackConsonantsFront"] = [](const Task& t) {
        QString algorithm;
        for (const zut::Element* f : t.elements(zut::Element::Kind::Field))
            if (f->text.trimmed().startsWith("НАЧАЛО"))
                algorithm = f->text;
        if (algorithm.isEmpty())
            t.fail("no algorithm");
        if (!algorithm.contains("ЕСЛИ S[i] — гласная буква") || !algorithm.contains("i := 1\n") ||
            !algorithm.contains("i := i + 1\n"))
            t.fail("an algorithm of another kind");
        const auto appends = [&](const QString& branch) {
            const QRegularExpression line("^ *" + branch + R"( R := (.+)$)",
                                          QRegularExpression::MultilineOption);
            const QString what = line.match(algorithm).captured(1).trimmed();
            if (what != "R + S[i]" && what != "S[i] + R")
                t.fail("a branch " + branch + " of no known kind");
            return what == "R + S[i]";
        };
        const bool vowelBack = appends("ТО"), otherBack = appends("ИНАЧЕ");
        const QString vowels = t.list("vowels").join("");
        QString r;
        for (QChar c : t.text("word")) {
            if (vowels.contains(c) ? vowelBack : otherBack)
                r += c;
            else
                r.prepend(c);
        }
        return r;
    };
    // Three `people` in three `towns` (one each), three `phrases` of two
    // halves ("Олег живёт в Муроме, а Роман — в Костроме"), one half of
    // each true: the first letters of the people's towns, in their order.
    r.solvers["text.halfTruePhrasesTowns"] = [](const Task& t) {
        const QStringList people = t.list("people"), towns = t.list("towns");
        std::vector<std::vector<std::pair<qsizetype, qsizetype>>> phrases;
        for (const QString& p : t.list("phrases")) {
            std::vector<std::pair<qsizetype, qsizetype>> halves;
            for (const QString& half : p.split(", а ")) {
                qsizetype who = -1, where = -1;
                for (qsizetype i = 0; i < people.size(); ++i)
                    if (half.contains(people[i]))
                        who = i;
                for (qsizetype i = 0; i < towns.size(); ++i)
                    if (half.contains(towns[i]))
                        where = i;
                if (who < 0 || where < 0)
                    t.fail("a half naming no one or nowhere: " + half);
                halves.emplace_back(who, where);
            }
            if (halves.size() != 2)
                t.fail("a phrase not of two halves: " + p);
            phrases.push_back(halves);
        }
        if (people.size() != towns.size())
            t.fail("the people and the towns do not pair");
        std::vector<qsizetype> town(size_t(people.size()));
        std::iota(town.begin(), town.end(), 0);
        QStringList solutions;
        do {
            const bool halfRight = std::all_of(phrases.begin(), phrases.end(), [&](auto& p) {
                return (town[size_t(p[0].first)] == p[0].second) +
                           (town[size_t(p[1].first)] == p[1].second) ==
                       1;
            });
            if (!halfRight)
                continue;
            QString initials;
            for (qsizetype i : town)
                initials += towns[i].front();
            solutions << initials.toUpper();
        } while (std::next_permutation(town.begin(), town.end()));
        if (solutions.size() != 1)
            t.fail(QString("%1 solutions").arg(solutions.size()));
        return solutions.front();
    };
    // The address `protocol`://`server`/`file` put together from the
    // fragments of the picture's table (a letter and a fragment a row): the
    // letters in that order, in small letters.
    r.solvers["text.addressFromPicture"] = [](const Task& t) {
        QStringList letters, parts;
        for (const QVariant& row : t.drawn()["table"].toMap()["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != 2)
                t.fail("a row is not a letter and a fragment");
            letters << cells[0];
            parts << cells[1];
        }
        const QString address =
            t.text("protocol") + "://" + t.text("server") + "/" + t.text("file");
        std::vector<qsizetype> order(size_t(parts.size()));
        std::iota(order.begin(), order.end(), 0);
        QStringList found;
        do {
            QString spelt, word;
            for (qsizetype i : order) {
                spelt += parts[i];
                word += letters[i];
            }
            if (spelt == address)
                found << word.toLower();
        } while (std::next_permutation(order.begin(), order.end()));
        if (found.size() != 1)
            t.fail(QString("%1 ways to spell %2").arg(found.size()).arg(address));
        return found.front();
    };
}

} // namespace zut::check
