// SPDX-License-Identifier: GPL-3.0-or-later
// The scrolling page of a paper: its heading, the three part headings with
// their instruction boxes, and the 32 task blocks, laid so that the part
// headings and the page end land on the heights the paper fixes.
#pragma once

#include "anatomy.h" // taskNumber(), optionName(): how the page names its controls
#include "core/content.h"
#include "pagearea.h" // what buildPage() returns

#include <QLabel>
#include <QPoint>

#include <functional>

namespace zut {

struct PageSpec {
    int left; // the page area stands at (left, 38), width × 630
    int width;
    int height;       // of the whole page
    int part2Y;       // top of the heading "Часть II"
    int part3Y;       // top of the heading "Часть III"
    int storedScroll; // where the page stands before the paper is first shown
    QPoint heading;   // the heading field Memo6
    const char* headingText;
    const char* variantText; // Label64, or null where the paper has none
};

// Builds the page of a paper into `window`. `answerChanged(n)` is called
// with n = 1 … 8 on every change of the text of answer field n.
PageArea* buildPage(QWidget* window, const PageSpec& geometry, const PaperContent& content,
                    const std::function<void(int)>& answerChanged);

// A small label laid over the blanks a text label leaves for it: the base
// of a number (below the line) or an exponent (above it).
class IndexLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

} // namespace zut
