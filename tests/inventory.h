// SPDX-License-Identifier: GPL-3.0-or-later
// The content check of a paper's inventory: what the built page holds,
// task by task, against the inventory data written for the paper —
// pictures (format, stored size, rectangle, fit), read-only text fields
// (name, lines, border), drawn tables and index labels.
#pragma once

#include "core/yamlfile.h"
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

// The inventory as written for a paper, read as the program reads its data.
inline QMap<QString, Task> read(const QString& path) {
    auto loaded = zut::loadYaml(path);
    if (const auto* why = std::get_if<std::string>(&loaded))
        qFatal("no inventory %s: %s", qPrintable(path), why->c_str());
    const YAML::Node root = std::get<YAML::Node>(loaded);
    const zut::DataReader r(path.toStdString());
    r.allowOnly(root, {"pictures", "fields", "tables", "indexes"});
    QMap<QString, Task> tasks;
    // Each part is a map from a task to its list or count.
    const auto each = [&](const char* part, const auto& take) {
        const YAML::Node byTask = root[part]; // iterated as one node, not temporaries
        for (auto it = byTask.begin(); it != byTask.end(); ++it)
            take(tasks[r.text(it->first, part)], it->second);
    };
    each("pictures", [&](Task& t, const YAML::Node& list) {
        for (const auto& p : list)
            t.pictures << Picture{r.text(p["format"], "format"),
                                  p["stored"] ? r.size(p["stored"], "stored") : QSize(),
                                  r.size(p["rect"], "rect"), p["fit"] && r.flag(p["fit"], "fit")};
    });
    each("fields", [&](Task& t, const YAML::Node& list) {
        for (const auto& f : list)
            t.fields << Field{r.text(f["name"], "name"), r.integer(f["lines"], "lines"),
                              f["border"] && r.flag(f["border"], "border")};
    });
    each("tables", [&](Task& t, const YAML::Node& n) { t.tables = r.integer(n, "tables"); });
    each("indexes", [&](Task& t, const YAML::Node& n) { t.indexes = r.integer(n, "indexes"); });
    return tasks;
}

// What the built page holds, task by task.
inline QMap<QString, Task> found(zut::Paper* paper, const zut::PaperContent& content) {
    QMap<QString, Task> tasks;
    const auto pictures = [&](const QString& task, const std::vector<zut::Element>& elements) {
        for (const zut::PictureElement* e : zut::allOf<zut::PictureElement>(elements)) {
            auto* p = paper->findChild<zut::Picture*>(e->file);
            const QSize stored = e->format == "jpeg" ? QImage(p->resource()).size() : QSize();
            tasks[task].pictures << Picture{e->format, stored, p->size(), e->fit};
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
