// SPDX-License-Identifier: GPL-3.0-or-later
// The papers: building the eight windows, and marking one.
#include "benchmain.h"

#include "core/marking.h"
#include "windows/t20081.h"
#include "windows/t20082.h"
#include "windows/t20083.h"
#include "windows/t20084.h"
#include "windows/t20085.h"
#include "windows/t20086.h"
#include "windows/t20087.h"
#include "windows/test_2007.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

static void BM_BuildEightPapers(benchmark::State& state) {
    for (auto _ : state) {
        Tt2007 a;
        Tt2008_1 b;
        Tt2008_2 c;
        Tt2008_3 d;
        Tt2008_4 e;
        Tt2008_5 f;
        Tt2008_6 g;
        Tt2008_7 h;
        benchmark::DoNotOptimize(h.page());
    }
}
BENCHMARK(BM_BuildEightPapers)->Unit(benchmark::kMillisecond);

// The marking itself, without the window.
static void BM_Mark(benchmark::State& state) {
    Tt2008_5 paper;
    std::array<int, zut::part1Tasks> chosen{};
    std::array<QString, zut::part2Tasks> answers;
    for (int n = 0; n < zut::part1Tasks; ++n)
        chosen[n] = n % 4 + 1;
    for (int n = 0; n < zut::part2Tasks; ++n)
        answers[n] = QString::fromUtf16(paper.key().part2[n][n % 2]);
    for (auto _ : state)
        benchmark::DoNotOptimize(zut::mark(chosen, answers, paper.key()));
}
BENCHMARK(BM_Mark);

// "Проверка" on a window: reading its controls and writing 28 verdicts,
// the result and the grade.
static void BM_ProverkaClick(benchmark::State& state) {
    Tt2008_3 paper;
    for (int n = 1; n <= 20; ++n)
        paper.findChild<QRadioButton*>(zut::optionName(n, n % 4 + 1))->setChecked(true);
    for (int n = 1; n <= 8; ++n)
        paper.findChild<QLineEdit*>(QString("otv_b%1").arg(n))->setText("12121");
    for (auto _ : state)
        paper.proverkaClick();
}
BENCHMARK(BM_ProverkaClick)->Unit(benchmark::kMicrosecond);

// One keystroke into an answer field that already holds a megabyte: the
// field's own work and the copy into the answer slot.
static void BM_KeystrokeInMegabyte(benchmark::State& state) {
    Tt2008_2 paper;
    paper.show();
    auto* field = paper.findChild<QLineEdit*>("otv_b3");
    field->setText(QString("1234567890").repeated(1 << 17));
    field->setFocus();
    field->end(false);
    for (auto _ : state) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, "7", Qt::NoModifier);
        benchmark::DoNotOptimize(paper.answerSlot(3).size());
    }
}
BENCHMARK(BM_KeystrokeInMegabyte)->Unit(benchmark::kMillisecond);

// Scrolling the longest page by one page step, down to its end and up
// again, and painting what it then shows (the whole visible page: a page
// step brings nine tenths of it into view).
static void BM_ScrollPageStep(benchmark::State& state) {
    Tt2008_6 paper;
    paper.show();
    if (!QTest::qWaitForWindowExposed(&paper))
        state.SkipWithError("the window is not shown");
    QScrollBar* bar = paper.page()->verticalScrollBar();
    QWidget* viewport = paper.page()->viewport();
    bar->setValue(0);
    viewport->repaint();
    if (bar->maximum() < 10 * bar->pageStep())
        state.SkipWithError("the page is not some ten page steps long");
    bool down = true;
    for (auto _ : state) {
        if (bar->value() == (down ? bar->maximum() : bar->minimum()))
            down = !down;
        bar->triggerAction(down ? QAbstractSlider::SliderPageStepAdd
                                : QAbstractSlider::SliderPageStepSub);
        viewport->repaint(); // now, not at the next turn of the event loop
    }
}
BENCHMARK(BM_ScrollPageStep)->Unit(benchmark::kMillisecond);

// A page full of content, the test paper's: reading its content file, and
// building its page (widgets and their layout) into a window.
static void BM_ReadContent(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(zut::readContent(":/papers/fixture.yaml"));
}
BENCHMARK(BM_ReadContent)->Unit(benchmark::kMillisecond);

static void BM_BuildPage(benchmark::State& state) {
    const zut::PaperContent content = zut::readContent(":/papers/fixture.yaml");
    const zut::PageSpec geometry{.left = 1,
                                 .width = 1016,
                                 .height = 7919,
                                 .part2Y = 4778,
                                 .part3Y = 6689,
                                 .storedScroll = 0,
                                 .heading = {401, 9},
                                 .headingText = "Тест",
                                 .variantText = nullptr};
    for (auto _ : state) {
        QWidget window;
        benchmark::DoNotOptimize(zut::buildPage(&window, geometry, content, {}));
    }
}
BENCHMARK(BM_BuildPage)->Unit(benchmark::kMillisecond);

ZUT_BENCHMARK_MAIN()
