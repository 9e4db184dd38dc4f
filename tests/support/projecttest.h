#pragma once

// Test mains for the project's tests. Besides what QTEST_MAIN does, they fail
// a test function on every warning of the project's own logging categories
// ("pe." and more) that the test did not announce with QTest::ignoreMessage:
// nothing the project reports may pass unnoticed. A message box shown while
// no ScriptedMessageBoxResponder is installed fails the test function at
// once, naming the box's text, and is answered without waiting.

#include <QApplication>
#include <QTest>

namespace ProjectTest {
int Run(QObject* testObject, int argc, char** argv);
}

// Writes `bytes` to the file `path`, replacing it: whether all of them were written.
bool WriteTestFile(const QString& path, const QByteArray& bytes);

// Runs `TestObject` after `makeApp` made the application object it needs.
#define PE_TEST_MAIN_WITH(TestObject, makeApp)                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        makeApp;                                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        TestObject test;                                                                                               \
        return ProjectTest::Run(&test, argc, argv);                                                                    \
    }

#define PE_TEST_MAIN(TestObject)                                                                                       \
    PE_TEST_MAIN_WITH(TestObject, QApplication app(argc, argv); app.setAttribute(Qt::AA_Use96Dpi, true))
#define PE_TEST_GUILESS_MAIN(TestObject) PE_TEST_MAIN_WITH(TestObject, QCoreApplication app(argc, argv))
#define PE_TEST_APPLESS_MAIN(TestObject) PE_TEST_MAIN_WITH(TestObject, (void)argc)
