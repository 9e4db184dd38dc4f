#include "support/projecttest.h"

#include "platform/windows/messagebox.h"

#include <QFile>
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

// Stands in for Qt's boxes under every test: a box that no responder of the
// test expected fails the current test with its text at once, instead of
// waiting on a modal loop nobody answers until the test's time runs out.
class UnexpectedMessageBoxes : public MessageBoxService {
public:
    int Show(HWND, const CString& text, const CString& title, UINT style) override
    {
        const QByteArray message
            = "Unexpected message box \"" + QByteArray(title.GetString()) + "\": " + QByteArray(text.GetString());
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        switch (style & MB_TYPEMASK) {
        case MB_OK:
            return IDOK;
        case MB_YESNO:
            return IDNO;
        default:
            return IDCANCEL;
        }
    }
    void Beep(UINT) override { }
};

} // namespace

int ProjectTest::Run(QObject* testObject, int argc, char** argv)
{
    // Qt Test installs its message handler when it starts logging, in qInit.
    QTest::qInit(testObject, argc, argv);
    g_testLogHandler = qInstallMessageHandler(FailOnProjectWarnings);
    UnexpectedMessageBoxes unexpectedBoxes;
    MessageBoxService* const previousBoxes = MessageBoxService::Install(&unexpectedBoxes);
    const int failures = QTest::qRun();
    MessageBoxService::Install(previousBoxes);
    qInstallMessageHandler(g_testLogHandler);
    QTest::qCleanup();
    return failures;
}

bool WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
