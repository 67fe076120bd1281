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

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <array>

inline const char* const paperNames[8] = {"t2007",   "t2008_1", "t2008_2", "t2008_3",
                                          "t2008_4", "t2008_5", "t2008_6", "t2008_7"};

// The eight papers of the current window set, 2007 first.
// The window of a set with this reference name.
inline QWidget* window(const zut::WindowSet& set, const QString& name) {
    for (QWidget* w : set.windows())
        if (w->objectName() == name)
            return w;
    qFatal("no window %s", qPrintable(name));
}

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
