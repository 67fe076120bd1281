// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for tests of the paper windows.
#pragma once

#include "paper/pagebuilder.h"
#include "paper/paper.h"
#include "app/windowset.h"
#include "windows/t20081.h"
#include "windows/t20082.h"
#include "windows/t20083.h"
#include "windows/t20084.h"
#include "windows/t20085.h"
#include "windows/t20086.h"
#include "windows/t20087.h"
#include "windows/test_2007.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

inline const char* const paperNames[8] = {"t2007",   "t2008_1", "t2008_2", "t2008_3",
                                          "t2008_4", "t2008_5", "t2008_6", "t2008_7"};

// The window of a set with this reference name.
inline QWidget* window(const zut::WindowSet& set, const QString& name) {
    for (QWidget* w : set.windows())
        if (w->objectName() == name)
            return w;
    qFatal("no window %s", qPrintable(name));
}

// The eight papers of the current window set, 2007 first.
inline std::array<zut::Paper*, 8> papers() {
    return {t2007, t2008_1, t2008_2, t2008_3, t2008_4, t2008_5, t2008_6, t2008_7};
}

template <class T> T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    if (!c)
        qFatal("%s has no %s", qPrintable(w->objectName()), qPrintable(name));
    return c;
}

inline QRadioButton* option(zut::Paper* p, int task, int k) {
    return child<QRadioButton>(p, zut::optionName(task, k));
}
inline QLineEdit* answerField(zut::Paper* p, int task) {
    return child<QLineEdit>(p, QString("otv_b%1").arg(task));
}
inline QLabel* verdict(zut::Paper* p, int marked) { // 1 … 28
    return child<QLabel>(p, marked <= 20 ? QString("otv_a%1").arg(marked)
                                         : QString("otv_bb%1").arg(marked - 20));
}

// Types text key by key, as a student does (Cyrillic included).
inline void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Every text a page shows, top to bottom and left to right, with the
// height it stands at: labels (rich text as plain), buttons, group titles
// and the fields' text.
inline std::vector<std::pair<int, QString>> visibleTexts(QWidget* page) {
    std::vector<std::tuple<int, int, QString>> found;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page))
            continue;
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = Qt::mightBeRichText(l->text())
                       ? QTextDocumentFragment::fromHtml(l->text()).toPlainText()
                       : l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* e = qobject_cast<QPlainTextEdit*>(w))
            // QPlainTextEdit::toPlainText() turns no-break spaces into plain
            // ones; the raw text keeps them, with its paragraph separators.
            text = e->document()->toRawText().replace(QChar::ParagraphSeparator, '\n');
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            text = g->title();
        if (text.trimmed().isEmpty())
            continue;
        const QPoint at = w->mapTo(page, QPoint(0, 0));
        found.emplace_back(at.y(), at.x(), text);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::pair<int, QString>> texts;
    for (const auto& [y, x, text] : found)
        texts.emplace_back(y, text);
    return texts;
}
