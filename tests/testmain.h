// A test's main(): the program's own start-up around Qt Test.
#pragma once

#include "shell/application.h"

#include <QApplication>
#include <QTest>

#define ZUT_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char** argv) {                                                              \
        zut::prepareEnvironment();                                                                 \
        QApplication app(argc, argv);                                                              \
        zut::initApplication();                                                                    \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
