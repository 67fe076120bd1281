// SPDX-License-Identifier: GPL-3.0-or-later
#include "datapictures.h"

#include "core/content.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <cmath>
#include <functional>
#include <stdexcept>

namespace draw {

namespace {

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

QVariantMap asMap(const QVariant& v, const QString& what) {
    if (v.typeId() != QMetaType::QVariantMap)
        fail(what + " must be a mapping");
    return v.toMap();
}
QVariantList asList(const QVariant& v, const QString& what) {
    if (v.typeId() != QMetaType::QVariantList)
        fail(what + " must be a list");
    return v.toList();
}
QStringList strings(const QVariant& v, const QString& what) {
    QStringList s;
    for (const QVariant& e : asList(v, what))
        s << e.toString();
    return s;
}
// The one kind of a picture's data, and what it holds.
std::pair<QString, QVariant> kindOf(const QVariant& data) {
    QVariantMap m = asMap(data, "a picture's draw");
    const bool spaced = m.remove("spacing") > 0;
    if (m.size() != 1)
        fail("a picture's draw names one kind of picture");
    if (spaced && m.firstKey() != "flowchart")
        fail("only a flowchart has a spacing");
    return {m.firstKey(), m.first()};
}

QFont textFont(qreal pixels, bool bold = false) {
    QFont f("Times New Roman");
    f.setPixelSize(int(std::round(pixels)));
    f.setBold(bold);
    return f;
}

// ---- tables --------------------------------------------------------------

struct Grid {
    std::vector<QStringList> rows; // the first is the head where there is one
    bool head = true;
    bool spreadsheet = false; // a column of row numbers and a head of letters, on grey
    QString title;
    qreal pixels = 14;
};

Grid grid(const QVariantMap& m, bool spreadsheet) {
    Grid g;
    g.spreadsheet = spreadsheet;
    if (m.contains("size"))
        g.pixels = m["size"].toDouble();
    g.title = m.value("title").toString();
    if (spreadsheet) {
        const QStringList columns = strings(m.value("columns"), "a spreadsheet's columns");
        g.rows.push_back(QStringList{""} + columns);
        int number = m.value("first-row", 1).toInt();
        for (const QVariant& r : asList(m.value("rows"), "a spreadsheet's rows"))
            g.rows.push_back(QStringList{QString::number(number++)} + strings(r, "a row"));
    } else {
        if (m.contains("head"))
            g.rows.push_back(strings(m["head"], "a table's head"));
        else
            g.head = false;
        for (const QVariant& r : asList(m.value("rows"), "a table's rows"))
            g.rows.push_back(strings(r, "a row"));
    }
    if (g.rows.empty())
        fail("a table has no rows");
    for (const QStringList& r : g.rows)
        if (r.size() != g.rows.front().size())
            fail("the rows of a table differ in length");
    return g;
}

std::vector<qreal> columnWidths(const Grid& g) {
    const QFontMetricsF fm(textFont(g.pixels, true));
    std::vector<qreal> w(size_t(g.rows.front().size()), 0);
    for (const QStringList& r : g.rows)
        for (qsizetype c = 0; c < r.size(); ++c)
            w[size_t(c)] = std::max(w[size_t(c)], fm.horizontalAdvance(r[c]) + g.pixels);
    return w;
}
qreal rowHeight(const Grid& g) {
    return g.pixels * 1.6;
}
qreal titleHeight(const Grid& g) {
    return g.title.isEmpty() ? 0 : g.pixels * 1.5;
}

QSizeF gridSize(const Grid& g) {
    qreal w = 0;
    for (qreal c : columnWidths(g))
        w += c;
    return {w + 1, titleHeight(g) + rowHeight(g) * qreal(g.rows.size()) + 1};
}

void drawGrid(QPainter& p, const Grid& g, QPointF at) {
    const auto widths = columnWidths(g);
    const qreal rh = rowHeight(g);
    if (!g.title.isEmpty()) {
        p.setFont(textFont(g.pixels, true));
        p.drawText(QRectF(at, QSizeF(gridSize(g).width(), titleHeight(g))),
                   Qt::AlignLeft | Qt::AlignVCenter, g.title);
        at.ry() += titleHeight(g);
    }
    qreal y = at.y();
    for (size_t r = 0; r < g.rows.size(); ++r) {
        qreal x = at.x();
        for (size_t c = 0; c < widths.size(); ++c) {
            const QRectF cell(x, y, widths[c], rh);
            const bool header = (g.head && r == 0) || (g.spreadsheet && c == 0);
            p.setPen(Qt::NoPen);
            p.setBrush(g.spreadsheet && header ? QColor(224, 224, 224) : QColor(Qt::white));
            p.drawRect(cell);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell);
            p.setFont(textFont(g.pixels, header && !g.spreadsheet));
            p.drawText(cell, Qt::AlignCenter, g.rows[r][qsizetype(c)]);
            x += widths[c];
        }
        y += rh;
    }
}

// Numbered tables side by side, each under its title.
std::vector<Grid> grids(const QVariant& v) {
    std::vector<Grid> all;
    for (const QVariant& t : asList(v, "tables"))
        all.push_back(grid(asMap(t, "a table"), false));
    return all;
}
constexpr qreal gridGap = 16;

// ---- charts --------------------------------------------------------------

const QColor chartColours[] = {QColor(70, 110, 190), QColor(200, 80, 70),  QColor(90, 160, 90),
                               QColor(230, 180, 60), QColor(140, 90, 170), QColor(80, 170, 180)};

struct Chart {
    QString kind; // bar or pie
    std::vector<double> values;
    QStringList labels;
    qreal pixels = 13;
    bool onSectors = false; // a pie's labels beside its sectors, not in a legend
    bool oneColour = false; // `colour: one`: every bar in the first colour
};

Chart chart(const QVariantMap& m) {
    Chart c{m.value("kind").toString(), {}, strings(m.value("labels"), "a chart's labels")};
    if (c.kind != "bar" && c.kind != "pie")
        fail("a chart is a bar or a pie chart");
    for (const QVariant& v : asList(m.value("values"), "a chart's values")) {
        bool ok = false;
        c.values.push_back(v.toDouble(&ok));
        if (!ok || c.values.back() < 0)
            fail("a chart's values are numbers not below 0");
    }
    if (c.values.empty() || c.labels.size() != qsizetype(c.values.size()))
        fail("a chart gives one label a value");
    if (m.contains("size"))
        c.pixels = m["size"].toDouble();
    if (m.contains("legend")) {
        const QString legend = m["legend"].toString();
        if (legend != "beside" && legend != "sectors")
            fail("a chart's legend is beside or sectors");
        if (legend == "sectors" && c.kind != "pie")
            fail("only a pie chart has its labels on the sectors");
        c.onSectors = legend == "sectors";
    }
    if (m.contains("colour")) {
        if (m["colour"].toString() != "one")
            fail("a chart's colour is one, or it is not given");
        if (c.kind != "bar")
            fail("only a bar chart is drawn in one colour");
        c.oneColour = true;
    }
    return c;
}

// A pie with its labels beside the sectors: each label stands just outside
// the circle at the middle of its sector's arc, touching that point with the
// side or corner that faces the centre. Without a legend's wide margin the
// picture is nearly square, so fitted into a small rectangle it keeps its
// letters near the size asked for.
struct SectorPie {
    QRectF pie;
    std::vector<QRectF> labels;
    QSizeF size;
};

SectorPie sectorPie(const Chart& c) {
    constexpr qreal radius = 55, gap = 6, margin = 3;
    const QFontMetricsF fm(textFont(c.pixels));
    double sum = 0;
    for (double v : c.values)
        sum += v;
    SectorPie s{QRectF(-radius, -radius, 2 * radius, 2 * radius), {}, {}};
    QRectF all = s.pie;
    double before = 0;
    for (size_t i = 0; i < c.values.size(); ++i) {
        const double share = sum > 0 ? (before + c.values[i] / 2) / sum : 0;
        before += c.values[i];
        // Clockwise from the top, as the sectors are drawn; y grows downwards.
        const double angle = (90 - 360 * share) * M_PI / 180;
        const QPointF out(std::cos(angle), -std::sin(angle));
        const QPointF at = out * (radius + gap);
        const qreal most = std::max(std::abs(out.x()), std::abs(out.y()));
        const QSizeF box(fm.horizontalAdvance(c.labels[qsizetype(i)]) + 2, fm.height());
        const QPointF centre =
            at + QPointF(out.x() / most * box.width() / 2, out.y() / most * box.height() / 2);
        s.labels.push_back(QRectF(centre - QPointF(box.width() / 2, box.height() / 2), box));
        all |= s.labels.back();
    }
    all.adjust(-margin, -margin, margin, margin);
    s.pie.translate(-all.topLeft());
    for (QRectF& r : s.labels)
        r.translate(-all.topLeft());
    s.size = all.size();
    return s;
}

QSizeF chartSize(const Chart& c) {
    if (c.onSectors)
        return sectorPie(c).size;
    return c.kind == "bar" ? QSizeF(40 + 44 * qreal(c.values.size()), 150) : QSizeF(230, 140);
}

void drawChart(QPainter& p, const Chart& c) {
    const QSizeF size = chartSize(c);
    p.setFont(textFont(c.pixels));
    const QFontMetricsF fm(p.font());
    double max = 0, sum = 0;
    for (double v : c.values) {
        max = std::max(max, v);
        sum += v;
    }
    if (c.kind == "bar") {
        const qreal left = 34, bottom = size.height() - 22, top = 10;
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(left, top), QPointF(left, bottom));
        p.drawLine(QPointF(left, bottom), QPointF(size.width() - 4, bottom));
        // Four steps on the axis, at round values.
        const double step =
            max > 0 ? std::pow(10, std::floor(std::log10(max / 4))) *
                          std::ceil(max / 4 / std::pow(10, std::floor(std::log10(max / 4))))
                    : 1;
        const double top_value = step * 4;
        for (int i = 0; i <= 4; ++i) {
            const qreal y = bottom - (bottom - top) * i / 4;
            p.setPen(QPen(QColor(200, 200, 200), 1));
            if (i > 0)
                p.drawLine(QPointF(left + 1, y), QPointF(size.width() - 4, y));
            p.setPen(Qt::black);
            p.drawText(QRectF(0, y - 8, left - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(step * i));
        }
        for (size_t i = 0; i < c.values.size(); ++i) {
            const qreal x = left + 10 + 44 * qreal(i);
            const qreal h = (bottom - top) * c.values[i] / top_value;
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(chartColours[c.oneColour ? 0 : i % 6]);
            p.drawRect(QRectF(x, bottom - h, 26, h));
            p.setBrush(Qt::NoBrush);
            p.drawText(QRectF(x - 9, bottom + 2, 44, 18), Qt::AlignHCenter | Qt::AlignTop,
                       c.labels[qsizetype(i)]);
        }
    } else if (c.onSectors) {
        const SectorPie s = sectorPie(c);
        qreal start = 90 * 16;
        for (size_t i = 0; i < c.values.size(); ++i) {
            const qreal span = sum > 0 ? -360 * 16 * c.values[i] / sum : 0;
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(chartColours[i % 6]);
            p.drawPie(s.pie, int(start), int(span));
            start += span;
        }
        p.setBrush(Qt::NoBrush);
        for (size_t i = 0; i < c.values.size(); ++i)
            p.drawText(s.labels[i], Qt::AlignCenter, c.labels[qsizetype(i)]);
    } else {
        const QRectF pie(6, 6, size.height() - 12, size.height() - 12);
        qreal start = 90 * 16;
        for (size_t i = 0; i < c.values.size(); ++i) {
            const qreal span = sum > 0 ? -360 * 16 * c.values[i] / sum : 0;
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(chartColours[i % 6]);
            p.drawPie(pie, int(start), int(span));
            start += span;
            const qreal y = 14 + 20 * qreal(i);
            p.drawRect(QRectF(pie.right() + 14, y, 12, 12));
            p.setBrush(Qt::NoBrush);
            p.drawText(QPointF(pie.right() + 32, y + 11), c.labels[qsizetype(i)]);
        }
    }
}

// ---- graph schemes -------------------------------------------------------

struct Graph {
    std::map<QString, QPointF> nodes;
    struct Edge {
        QString from, to, label;
    };
    std::vector<Edge> edges;
    QSizeF size;
};

Graph graph(const QVariantMap& m) {
    Graph g;
    const QVariantMap nodes = asMap(m.value("nodes"), "a graph's nodes");
    for (auto it = nodes.begin(); it != nodes.end(); ++it) {
        const QVariantList at = asList(it.value(), "where a node stands");
        if (at.size() != 2)
            fail("a node stands at [x, y]");
        g.nodes[it.key()] = QPointF(at[0].toDouble(), at[1].toDouble());
        g.size = g.size.expandedTo(QSizeF(at[0].toDouble() + 16, at[1].toDouble() + 16));
    }
    for (const QVariant& e : asList(m.value("edges"), "a graph's edges")) {
        const QStringList s = strings(e, "an edge");
        if (s.size() < 2 || s.size() > 3 || !g.nodes.contains(s[0]) || !g.nodes.contains(s[1]))
            fail("an edge joins two of the graph's nodes, with an optional label");
        g.edges.push_back({s[0], s[1], s.size() == 3 ? s[2] : QString()});
    }
    return g;
}

void drawGraph(QPainter& p, const Graph& g) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(textFont(13));
    for (const auto& e : g.edges) {
        const QPointF a = g.nodes.at(e.from), b = g.nodes.at(e.to);
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(a, b);
        if (!e.label.isEmpty()) {
            const QPointF mid = (a + b) / 2;
            const QRectF box(mid - QPointF(11, 8), QSizeF(22, 16));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(box);
            p.setPen(Qt::black);
            p.drawText(box, Qt::AlignCenter, e.label);
        }
    }
    p.setFont(textFont(13, true));
    for (const auto& [name, at] : g.nodes) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(QColor(255, 255, 225));
        p.drawEllipse(at, 11, 11);
        p.drawText(QRectF(at - QPointF(11, 11), QSizeF(22, 22)), Qt::AlignCenter, name);
    }
}

// ---- flowcharts ----------------------------------------------------------
//
// A flowchart is a list of steps, each a mapping of one kind:
//   start: text | end: text | do: text (an assignment or other action)
//   input: text | output: text    (drawn as «ввод text», «вывод text», as
//                                  the checks read them)
//   if: condition, then: [steps], else: [steps]   (either branch may be absent)
//   while: condition, body: [steps]               (the condition before the body)
// It is laid out top to bottom: each piece knows how far it reaches left
// and right of its axis and how tall it is.
//
// A flowchart fitted into a small fixed rectangle may say `spacing: tight`
// beside it: shorter blocks and gaps and a larger font, so that its text
// stays readable after the chart is scaled down into the rectangle.

struct Spacing {
    qreal box, gap, branch, diamond, font;
};
constexpr Spacing roomy{26, 14, 22, 38, 13}, tight{22, 10, 16, 30, 15};

struct Piece {
    enum class Kind { Terminal, Action, Data, If, While, Sequence } kind;
    QString text;
    std::vector<Piece> first;  // then, or the loop's body, or a sequence
    std::vector<Piece> second; // else
    qreal left = 0, right = 0, height = 0;
};

qreal textWidth(const QString& text, const Spacing& s) {
    return QFontMetricsF(textFont(s.font)).horizontalAdvance(text);
}

std::vector<Piece> steps(const QVariant& v);

Piece step(const QVariant& v) {
    const QVariantMap m = asMap(v, "a flowchart's step");
    auto one = [&](const char* key, Piece::Kind kind, const QString& verb = {}) {
        return Piece{kind, verb + m.value(key).toString(), {}, {}};
    };
    if (m.contains("start"))
        return one("start", Piece::Kind::Terminal);
    if (m.contains("end"))
        return one("end", Piece::Kind::Terminal);
    if (m.contains("do"))
        return one("do", Piece::Kind::Action);
    if (m.contains("input"))
        return one("input", Piece::Kind::Data, "ввод ");
    if (m.contains("output"))
        return one("output", Piece::Kind::Data, "вывод ");
    if (m.contains("if")) {
        Piece p{Piece::Kind::If, m["if"].toString(), {}, {}};
        if (m.contains("then"))
            p.first = steps(m["then"]);
        if (m.contains("else"))
            p.second = steps(m["else"]);
        return p;
    }
    if (m.contains("while"))
        return Piece{Piece::Kind::While, m["while"].toString(), steps(m.value("body")), {}};
    fail("a flowchart's step is start, end, do, input, output, if or while");
}

std::vector<Piece> steps(const QVariant& v) {
    std::vector<Piece> all;
    for (const QVariant& s : asList(v, "a flowchart's steps"))
        all.push_back(step(s));
    return all;
}

qreal boxWidth(const Piece& p, const Spacing& s) {
    const qreal w = textWidth(p.text, s) + (p.kind == Piece::Kind::Data ? 36 : 20);
    return std::max<qreal>(w, 80);
}
qreal diamondWidth(const Piece& p, const Spacing& s) {
    return std::max<qreal>(textWidth(p.text, s) * 1.5 + 24, 90);
}

void measure(std::vector<Piece>& seq, qreal& left, qreal& right, qreal& height, const Spacing& s);

void measure(Piece& p, const Spacing& s) {
    switch (p.kind) {
    case Piece::Kind::Terminal:
    case Piece::Kind::Action:
    case Piece::Kind::Data:
        p.left = p.right = boxWidth(p, s) / 2;
        p.height = s.box;
        break;
    case Piece::Kind::If: {
        qreal tl, tr, th, el, er, eh;
        measure(p.first, tl, tr, th, s);
        measure(p.second, el, er, eh, s);
        const qreal half = diamondWidth(p, s) / 2;
        p.left = half + s.branch + el + er;
        p.right = half + s.branch + tl + tr;
        p.height = s.diamond + s.gap + std::max(th, eh) + s.gap;
        break;
    }
    case Piece::Kind::While: {
        qreal bl, br, bh;
        measure(p.first, bl, br, bh, s);
        const qreal half = diamondWidth(p, s) / 2;
        p.left = std::max(half, bl) + s.branch;
        p.right = std::max(half, br) + s.branch + 10;
        p.height = s.gap + s.diamond + s.gap + bh + s.gap + s.gap;
        break;
    }
    case Piece::Kind::Sequence:
        measure(p.first, p.left, p.right, p.height, s);
        break;
    }
}

void measure(std::vector<Piece>& seq, qreal& left, qreal& right, qreal& height, const Spacing& s) {
    left = right = height = 0;
    for (size_t i = 0; i < seq.size(); ++i) {
        measure(seq[i], s);
        left = std::max(left, seq[i].left);
        right = std::max(right, seq[i].right);
        height += seq[i].height + (i ? s.gap : 0);
    }
}

void arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    if (len < 1)
        return;
    const QPointF u = d / len, n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - u * 7 + n * 3);
    head.lineTo(to - u * 7 - n * 3);
    head.closeSubpath();
    p.fillPath(head, Qt::black);
}

void drawSeq(QPainter& p, const std::vector<Piece>& seq, qreal x, qreal y, const Spacing& s);

// Draws a piece with its axis at x and its top at y.
void drawPiece(QPainter& p, const Piece& piece, qreal x, qreal y, const Spacing& s) {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    const qreal w = boxWidth(piece, s);
    const QRectF box(x - w / 2, y, w, s.box);
    switch (piece.kind) {
    case Piece::Kind::Terminal:
        p.drawRoundedRect(box, s.box / 2, s.box / 2);
        p.drawText(box, Qt::AlignCenter, piece.text);
        break;
    case Piece::Kind::Action:
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, piece.text);
        break;
    case Piece::Kind::Data: {
        QPolygonF shape({box.topLeft() + QPointF(10, 0), box.topRight(),
                         box.bottomRight() - QPointF(10, 0), box.bottomLeft()});
        p.drawPolygon(shape);
        p.drawText(box, Qt::AlignCenter, piece.text);
        break;
    }
    case Piece::Kind::If:
    case Piece::Kind::While: {
        const bool loop = piece.kind == Piece::Kind::While;
        const qreal top = loop ? y + s.gap : y;
        const qreal half = diamondWidth(piece, s) / 2, dh = s.diamond;
        const QPointF c(x, top + dh / 2);
        if (loop)
            p.drawLine(QPointF(x, y), QPointF(x, top));
        p.drawPolygon(QPolygonF({QPointF(x, top), QPointF(x + half, c.y()), QPointF(x, top + dh),
                                 QPointF(x - half, c.y())}));
        p.drawText(QRectF(x - half, top, 2 * half, dh), Qt::AlignCenter, piece.text);
        p.setFont(textFont(s.font - 1));
        if (!loop) {
            qreal tl, tr, th, el, er, eh;
            auto then = piece.first, otherwise = piece.second;
            measure(then, tl, tr, th, s);
            measure(otherwise, el, er, eh, s);
            const qreal xt = x + half + s.branch + tl, xe = x - half - s.branch - er;
            const qreal branchTop = top + dh + s.gap, join = branchTop + std::max(th, eh) + s.gap / 2;
            p.drawText(QPointF(x + half + 2, c.y() - 4), "да");
            p.drawText(QPointF(x - half - 22, c.y() - 4), "нет");
            p.setFont(textFont(s.font));
            p.drawLine(QPointF(x + half, c.y()), QPointF(xt, c.y()));
            p.drawLine(QPointF(x - half, c.y()), QPointF(xe, c.y()));
            arrow(p, QPointF(xt, c.y()), QPointF(xt, branchTop));
            arrow(p, QPointF(xe, c.y()), QPointF(xe, branchTop));
            drawSeq(p, then, xt, branchTop, s);
            drawSeq(p, otherwise, xe, branchTop, s);
            p.drawLine(QPointF(xt, branchTop + th), QPointF(xt, join));
            p.drawLine(QPointF(xe, branchTop + eh), QPointF(xe, join));
            p.drawLine(QPointF(xe, join), QPointF(xt, join));
            p.drawLine(QPointF(x, join), QPointF(x, y + piece.height));
        } else {
            qreal bl, br, bh;
            auto body = piece.first;
            measure(body, bl, br, bh, s);
            const qreal bodyTop = top + dh + s.gap, bodyEnd = bodyTop + bh;
            const qreal back = x - std::max(half, bl) - s.branch / 2;
            const qreal out = x + std::max(half, br) + s.branch / 2;
            // Right of the arrow, clear of both the diamond's lower edge and
            // the body's first block: the gap between them is only `gap`.
            p.drawText(QPointF(x + 10, top + dh + 7), "да");
            p.drawText(QPointF(x + half + 2, c.y() - 4), "нет");
            p.setFont(textFont(s.font));
            arrow(p, QPointF(x, top + dh), QPointF(x, bodyTop));
            drawSeq(p, body, x, bodyTop, s);
            // Back up to the condition on the left...
            p.drawLine(QPointF(x, bodyEnd), QPointF(x, bodyEnd + s.gap / 2));
            p.drawLine(QPointF(x, bodyEnd + s.gap / 2), QPointF(back, bodyEnd + s.gap / 2));
            p.drawLine(QPointF(back, bodyEnd + s.gap / 2), QPointF(back, y + s.gap / 2));
            arrow(p, QPointF(back, y + s.gap / 2), QPointF(x, y + s.gap / 2));
            // ...and out on the right when it fails.
            p.drawLine(QPointF(x + half, c.y()), QPointF(out, c.y()));
            p.drawLine(QPointF(out, c.y()), QPointF(out, y + piece.height - s.gap / 2));
            p.drawLine(QPointF(out, y + piece.height - s.gap / 2),
                       QPointF(x, y + piece.height - s.gap / 2));
            p.drawLine(QPointF(x, y + piece.height - s.gap / 2), QPointF(x, y + piece.height));
        }
        break;
    }
    case Piece::Kind::Sequence:
        drawSeq(p, piece.first, x, y, s);
        break;
    }
}

void drawSeq(QPainter& p, const std::vector<Piece>& seq, qreal x, qreal y, const Spacing& s) {
    for (size_t i = 0; i < seq.size(); ++i) {
        if (i) {
            p.setPen(QPen(Qt::black, 1.2));
            arrow(p, QPointF(x, y), QPointF(x, y + s.gap));
            y += s.gap;
        }
        drawPiece(p, seq[i], x, y, s);
        y += seq[i].height;
    }
}

// The spacing a flowchart's draw asks for: roomy unless it says tight.
const Spacing& spacingOf(const QVariant& data) {
    const QVariant s = data.toMap().value("spacing");
    if (s.isNull())
        return roomy;
    if (s.toString() != "tight")
        fail("a flowchart's spacing is tight, or it is not given");
    return tight;
}

Piece flowchart(const QVariant& data) {
    const Spacing& s = spacingOf(data);
    Piece all{Piece::Kind::Sequence, {}, steps(data.toMap().value("flowchart")), {}};
    measure(all, s);
    return all;
}

// ---- one picture ---------------------------------------------------------

QString svgSource(const QVariant& v, const QString& sources) {
    const QString path = QDir(sources).filePath(v.toString());
    if (!QFileInfo::exists(path))
        fail("no drawing " + path);
    return path;
}

} // namespace

QSizeF naturalSize(const QVariant& data, const QString& sources) {
    const auto [kind, v] = kindOf(data);
    if (kind == "table" || kind == "spreadsheet")
        return gridSize(grid(asMap(v, kind), kind == "spreadsheet"));
    if (kind == "tables") {
        QSizeF all;
        for (const Grid& g : grids(v)) {
            const QSizeF s = gridSize(g);
            all = QSizeF(all.width() + (all.width() > 0 ? gridGap : 0) + s.width(),
                         std::max(all.height(), s.height()));
        }
        return all;
    }
    if (kind == "chart")
        return chartSize(chart(asMap(v, kind)));
    if (kind == "graph")
        return graph(asMap(v, kind)).size;
    if (kind == "flowchart") {
        const Piece f = flowchart(data);
        return QSizeF(f.left + f.right + 8, f.height + 8);
    }
    if (kind == "svg")
        return QSvgRenderer(svgSource(v, sources)).defaultSize();
    fail("unknown kind of picture \"" + kind + "\"");
}

namespace {
// White, or the page's cream where a chart says `background: page`: the
// picture's edges then do not show, so charts of different stored sizes
// look alike beside each other.
QColor background(const QVariant& data) {
    const auto [kind, v] = kindOf(data);
    if ((kind != "chart" && kind != "graph") || !v.toMap().contains("background"))
        return Qt::white; // a graph may say so too, for schemes set side by side
    if (v.toMap().value("background").toString() != "page")
        fail("a chart's background is page, or it is not given");
    return QColor(255, 251, 240); // the page's cream (zut::colours::cream)
}

// Whether a chart says `place: left`: drawn at its rectangle's left edge,
// beside the label before it, rather than in the middle of a wide
// rectangle.
bool placedLeft(const QVariant& data) {
    const auto [kind, v] = kindOf(data);
    if (kind != "chart" || !v.toMap().contains("place"))
        return false;
    if (v.toMap().value("place").toString() != "left")
        fail("a chart's place is left, or it is not given");
    return true;
}

// The blank strip a chart may keep at its picture's right edge, in pixels
// (`right-margin: 10`): drawn in the picture less that strip, so a picture
// shown narrower than it is stored loses only blank.
qreal rightMargin(const QVariant& data, const QSizeF& size) {
    const auto [kind, v] = kindOf(data);
    if (kind != "chart" || !v.toMap().contains("right-margin"))
        return 0;
    bool ok = false;
    const qreal margin = v.toMap().value("right-margin").toDouble(&ok);
    if (!ok || margin < 0 || margin >= size.width() / 2)
        fail("a chart's right margin is a number of pixels, below half its width");
    return margin;
}
} // namespace

void drawPicture(QPainter& p, const QVariant& data, const QSizeF& size, const QString& sources) {
    const QSizeF natural = naturalSize(data, sources);
    const qreal width = size.width() - rightMargin(data, size);
    const qreal scale =
        std::min({1.0, width / natural.width(), size.height() / natural.height()});
    p.save();
    p.fillRect(QRectF(QPointF(0, 0), size), background(data));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Centred in the picture (a chart placed left only upright).
    p.translate(placedLeft(data) ? 0 : (width - natural.width() * scale) / 2,
                (size.height() - natural.height() * scale) / 2);
    p.scale(scale, scale);
    const auto [kind, v] = kindOf(data);
    if (kind == "table" || kind == "spreadsheet") {
        drawGrid(p, grid(asMap(v, kind), kind == "spreadsheet"), QPointF(0, 0));
    } else if (kind == "tables") {
        qreal x = 0;
        for (const Grid& g : grids(v)) {
            drawGrid(p, g, QPointF(x, 0));
            x += gridSize(g).width() + gridGap;
        }
    } else if (kind == "chart") {
        drawChart(p, chart(asMap(v, kind)));
    } else if (kind == "graph") {
        drawGraph(p, graph(asMap(v, kind)));
    } else if (kind == "flowchart") {
        const Piece f = flowchart(data);
        const Spacing& s = spacingOf(data);
        p.setFont(textFont(s.font));
        drawPiece(p, f, f.left + 4, 4, s);
    } else if (kind == "svg") {
        QSvgRenderer(svgSource(v, sources)).render(&p, QRectF(QPointF(0, 0), natural));
    }
    p.restore();
}

QStringList drawContentPictures(const QString& content, const QString& out,
                                const QString& sources) {
    const zut::PaperContent paper = zut::readContent(content);
    std::vector<const zut::PictureElement*> pictures;
    for (const zut::TaskContent& t : paper.tasks)
        for (const zut::PictureElement* e : zut::allOf<zut::PictureElement>(t.elements))
            pictures.push_back(e);
    QStringList files;
    for (const zut::PictureElement* e : pictures) {
        const QString path = QDir(out).filePath(e->file);
        QDir().mkpath(QFileInfo(path).path());
        try {
            if (e->format == "jpeg") {
                // A JPEG is drawn at its stored size.
                QImage image(e->stored, QImage::Format_RGB32);
                QPainter p(&image);
                drawPicture(p, e->draw, QSizeF(e->stored), sources);
                p.end();
                QImageWriter writer(path, "jpg");
                writer.setQuality(95);
                if (!writer.write(image))
                    fail("cannot write " + path);
            } else {
                // A vector picture stands for a metafile of its rectangle's size.
                QSvgGenerator svg;
                svg.setFileName(path);
                svg.setSize(e->rect);
                svg.setViewBox(QRect(QPoint(0, 0), e->rect));
                QPainter p(&svg);
                drawPicture(p, e->draw, QSizeF(e->rect), sources);
            }
        } catch (const std::exception& ex) {
            fail(content + ", picture " + e->file + ": " + ex.what());
        }
        files << path;
    }
    return files;
}

} // namespace draw
