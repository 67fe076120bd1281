// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: building the fourteen windows, and the first of them alone.
#include "benchmain.h"

#include "app/windowset.h"
#include "windows/start.h"

#include <memory>

static void BM_BuildWindowSet(benchmark::State& state) {
    for (auto _ : state) {
        zut::WindowSet set;
        benchmark::DoNotOptimize(set.windows().size());
    }
}
BENCHMARK(BM_BuildWindowSet)->Unit(benchmark::kMillisecond);

// Until the title window is on screen: what the student waits for.
static void BM_TitleWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        auto title = std::make_unique<TTityl>();
        title->showWindow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        benchmark::DoNotOptimize(title->isVisible());
    }
}
BENCHMARK(BM_TitleWindowShown)->Unit(benchmark::kMillisecond);

ZUT_BENCHMARK_MAIN()
