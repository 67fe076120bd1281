// SPDX-License-Identifier: GPL-3.0-or-later
// A benchmark's main(): the program's own start-up around Google Benchmark.
#pragma once

#include "app/application.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#define ZUT_BENCHMARK_MAIN()                                                                       \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        qputenv("QT_LOGGING_RULES", "default.warning=false"); /* offscreen cannot raise() */       \
        zut::prepareEnvironment();                                                                 \
        QApplication app(argc, argv);                                                              \
        zut::initApplication();                                                                    \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
