// SPDX-License-Identifier: GPL-3.0-or-later
// The content check of a paper's inventory: what the built page holds,
// task by task, against the inventory data written for the paper —
// pictures (format, stored size, rectangle, fit), read-only text fields
// (name, lines, border), drawn tables and index labels.
#pragma once

#include "paper/paper.h"
#include "shell/controls.h"

#include <QFile>
#include <QImage>
#include <QMap>

#include <yaml-cpp/yaml.h>

namespace inventory {

struct Picture {
    QString format;
    QSize stored, rect;
    bool fit = false;
    bool operator==(const Picture&) const = default;
};
struct Field {
    QString name;
    int lines = 0;
    bool border = false;
    bool operator==(const Field&) const = default;
};
struct Task {
    QList<Picture> pictures;
    QList<Field> fields;
    int tables = 0;
    int indexes = 0;
};

inline QString describe(const Picture& p) {
    const QString stored =
        p.stored.isValid() ? QString(" %1×%2").arg(p.stored.width()).arg(p.stored.height()) : "";
    return QString("%1%2 in %3×%4%5")
        .arg(p.format, stored)
        .arg(p.rect.width())
        .arg(p.rect.height())
        .arg(p.fit ? ", fit" : "");
}
inline QString describe(const Field& f) {
    return QString("%1 %2 lines%3").arg(f.name).arg(f.lines).arg(f.border ? ", bordered" : "");
}

inline QSize size(const YAML::Node& n) {
    return n ? QSize(n[0].as<int>(), n[1].as<int>()) : QSize();
}

// The inventory as written for a paper.
inline QMap<QString, Task> read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no inventory %s", qPrintable(path));
    const YAML::Node root = YAML::Load(f.readAll().toStdString());
    QMap<QString, Task> tasks;
    auto task = [&](const YAML::const_iterator& it) -> Task& {
        return tasks[QString::fromStdString(it->first.Scalar())];
    };
    const YAML::Node pictures = root["pictures"]; // iterated as one node, not temporaries
    for (auto it = pictures.begin(); it != pictures.end(); ++it)
        for (const YAML::Node list = it->second; const auto& p : list)
            task(it).pictures << Picture{QString::fromStdString(p["format"].Scalar()),
                                         size(p["stored"]), size(p["rect"]),
                                         p["fit"] && p["fit"].as<bool>()};
    const YAML::Node fields = root["fields"]; // iterated as one node, not temporaries
    for (auto it = fields.begin(); it != fields.end(); ++it)
        for (const YAML::Node list = it->second; const auto& fl : list)
            task(it).fields << Field{QString::fromStdString(fl["name"].Scalar()),
                                     fl["lines"].as<int>(),
                                     fl["border"] && fl["border"].as<bool>()};
    const YAML::Node tables = root["tables"]; // iterated as one node, not temporaries
    for (auto it = tables.begin(); it != tables.end(); ++it)
        task(it).tables = it->second.as<int>();
    const YAML::Node indexes = root["indexes"]; // iterated as one node, not temporaries
    for (auto it = indexes.begin(); it != indexes.end(); ++it)
        task(it).indexes = it->second.as<int>();
    return tasks;
}

// What the built page holds, task by task.
inline QMap<QString, Task> found(zut::Paper* paper, const zut::PaperContent& content) {
    QMap<QString, Task> tasks;
    std::function<void(const QString&, const std::vector<zut::Element>&)> pictures =
        [&](const QString& task, const std::vector<zut::Element>& elements) {
            for (const zut::Element& e : elements) {
                if (e.kind == zut::Element::Kind::Picture) {
                    auto* p = paper->findChild<zut::Picture*>(e.picture);
                    const QSize stored =
                        e.format == "jpeg" ? QImage(p->resource()).size() : QSize();
                    tasks[task].pictures << Picture{e.format, stored, p->size(), e.fit};
                }
                pictures(task, e.children);
            }
        };
    for (const zut::TaskContent& t : content.tasks)
        pictures(t.id, t.elements);
    for (const auto& laid : paper->page()->laid) {
        if (laid.what.startsWith("field ")) {
            auto* f = paper->findChild<zut::TextField*>(laid.what.mid(6));
            tasks[laid.task].fields << Field{f->objectName(), f->property("lines").toInt(),
                                             f->frameShape() != QFrame::NoFrame};
        }
        if (laid.what == "table" || laid.what == "programs" || laid.what == "listings")
            ++tasks[laid.task].tables;
    }
    // The fields of the program and listing tables.
    for (auto* f : paper->page()->widget()->findChildren<zut::TextField*>()) {
        const QString n = f->objectName();
        if (!(n.startsWith("MA8") || (n >= "Memo10" && n <= "Memo12" && n.size() == 6) ||
              (n >= "Memo15" && n <= "Memo17" && n.size() == 6)))
            continue;
        for (const auto& laid : paper->page()->laid)
            if ((laid.what == "programs" || laid.what == "listings") &&
                laid.rect.intersects(f->geometry()))
                tasks[laid.task].fields
                    << Field{n, f->property("lines").toInt(), f->frameShape() != QFrame::NoFrame};
    }
    for (auto* i : paper->page()->widget()->findChildren<zut::IndexLabel*>())
        ++tasks[i->property("task").toString()].indexes;
    return tasks;
}

// Every difference between the two, one line each.
inline QStringList differences(const QMap<QString, Task>& expected,
                               const QMap<QString, Task>& page) {
    QStringList out;
    QStringList ids = expected.keys() + page.keys();
    ids.removeDuplicates();
    for (const QString& id : ids) {
        const Task e = expected.value(id), p = page.value(id);
        for (const Picture& pic : e.pictures)
            if (!p.pictures.contains(pic))
                out << id + ": no picture " + describe(pic);
        for (const Picture& pic : p.pictures)
            if (!e.pictures.contains(pic))
                out << id + ": picture " + describe(pic) + " is not in the inventory";
        for (const Field& f : e.fields)
            if (!p.fields.contains(f))
                out << id + ": no field " + describe(f);
        for (const Field& f : p.fields)
            if (!e.fields.contains(f))
                out << id + ": field " + describe(f) + " is not in the inventory";
        if (e.tables != p.tables)
            out << QString("%1: %2 drawn tables, not %3").arg(id).arg(p.tables).arg(e.tables);
        if (e.indexes != p.indexes)
            out << QString("%1: %2 index labels, not %3").arg(id).arg(p.indexes).arg(e.indexes);
    }
    return out;
}

} // namespace inventory
