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
    // Each kind laid in a column `width` wide (the element's own width
    // where it gives one), with the name its rectangle is recorded by.
    std::pair<QRect, QString> lay(const TextElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const AnswersElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const FieldElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const PictureElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const TableElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const ProgramsElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const ListingsElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const RowElement& e, QPoint at, int width);
    std::pair<QRect, QString> lay(const RuleElement& e, QPoint at, int width);

    QRect text(const Lettering& l, QPoint at, int width, const QString& written);
    // How a field looks: `own` is its own line count, which its "lines"
    // property keeps.
    struct FieldLook {
        QString name;
        Lettering lettering;
        bool border = false;
        int own = 0;
    };
    // A field element's own look.
    static FieldLook lookOf(const FieldElement& f) {
        return {f.name, f.lettering, f.border, f.lines};
    }
    // A field `at.width()` wide and as tall as `at.height()` lines, read out
    // as the task's with `part` after it ("Задание А8, Паскаль") and `what`.
    QRect field(const FieldLook& look, QRect at, const QString& text, const QString& part = {},
                const QString& what = "Текст задания");
    QRect table(const TableElement& e, QPoint at);
    void record(const QString& what, const QRect& r) { area_->laid.push_back({task_, what, r}); }

    Builder& b_;
    PageArea* area_;
    QString task_;
    int texts_ = 0; // the task's text fields so far, each read out with its own name
};

} // namespace zut
