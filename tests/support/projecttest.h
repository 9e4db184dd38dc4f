#pragma once

// Test mains for the project's tests. Besides what QTEST_MAIN does, they fail
// a test function on every warning of the project's own logging categories
// ("pe." and more) that the test did not announce with QTest::ignoreMessage:
// nothing the project reports may pass unnoticed. A message box shown while
// no ScriptedMessageBoxResponder is installed fails the test function at
// once, naming the box's text, and is answered without waiting.

#include "support/projecttest.h"
#include <QApplication>
#include <QTest>

namespace ProjectTest {
int Run(QObject* testObject, int argc, char** argv);
}

#define PE_TEST_MAIN(TestObject)                                                                                       \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        TestObject test;                                                                                               \
        return ProjectTest::Run(&test, argc, argv);                                                                    \
    }

#define PE_TEST_GUILESS_MAIN(TestObject)                                                                               \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QCoreApplication app(argc, argv);                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        TestObject test;                                                                                               \
        return ProjectTest::Run(&test, argc, argv);                                                                    \
    }

#define PE_TEST_APPLESS_MAIN(TestObject)                                                                               \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        TestObject test;                                                                                               \
        return ProjectTest::Run(&test, argc, argv);                                                                    \
    }
