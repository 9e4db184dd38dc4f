#include "support/projecttest.h"

#include <QRegularExpression>

namespace {

QtMessageHandler g_testLogHandler = nullptr;

bool IsProjectCategory(const char* category)
{
    return category && qstrncmp(category, "pe.", 3) == 0;
}

// Runs in front of Qt Test's own handler: a warning of ours becomes a
// failure unless Qt Test finds it among the messages the test announced,
// which it checks before its failure patterns.
void FailOnProjectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if ((type == QtWarningMsg || type == QtCriticalMsg) && IsProjectCategory(context.category))
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(message))));
    g_testLogHandler(type, context, message);
}

} // namespace

int ProjectTest::Run(QObject* testObject, int argc, char** argv)
{
    // Qt Test installs its message handler when it starts logging, in qInit.
    QTest::qInit(testObject, argc, argv);
    g_testLogHandler = qInstallMessageHandler(FailOnProjectWarnings);
    const int failures = QTest::qRun();
    qInstallMessageHandler(g_testLogHandler);
    QTest::qCleanup();
    return failures;
}
