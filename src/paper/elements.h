// SPDX-License-Identifier: GPL-3.0-or-later
// The content elements of a task block (texts, fields, tables, pictures,
// programs, listings, rows of these): each laid where the block puts it and
// recorded with its rectangle in the page area's `laid`.
#pragma once

#include "builder.h"
#include "pagebuilder.h"

namespace zut {

class ElementLayout {
public:
    ElementLayout(Builder& b, PageArea* area, const QString& task)
        : b_(b)
        , area_(area)
        , task_(task) {}

    // Lays `e` with its top-left corner at `at` in a column `width` wide;
    // returns its rectangle.
    QRect lay(const Element& e, QPoint at, int width);

private:
    QRect text(const Element& e, QPoint at, int width, const QString& what);
    // A field as tall as `shown` lines (its own count where 0), read out as
    // the task's with `part` after it ("Задание А8, Паскаль") and `what`.
    QRect field(const Element& e, QPoint at, int width, const QString& text, int shown = 0,
                const QString& part = {}, const QString& what = "Текст задания");
    QRect table(const Element& e, QPoint at);
    QRect programs(const Element& e, QPoint at, int width);
    QRect listings(const Element& e, QPoint at, int width);
    QRect row(const Element& e, QPoint at, int width);
    void record(const QString& what, const QRect& r) { area_->laid.push_back({task_, what, r}); }

    Builder& b_;
    PageArea* area_;
    QString task_;
    int texts_ = 0; // the task's text fields so far, each read out with its own name
};

} // namespace zut
