// The workbench: a stand-in for the host application that loads the Profile
// Editor module.

#include "workbench/app/commandline.h"
#include "workbench/app/workbenchrun.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

bool AsksForHelp(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "-?", "--help", "--help-all"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // Help needs no display: answer it before any window system is opened.
    if (AsksForHelp(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("workbench"));
        WorkbenchOptions options;
        QString message;
        const CommandLineResult result = ParseCommandLine(QCoreApplication::arguments(), options, message);
        std::fputs(message.toLocal8Bit().constData(), result == CommandLineResult::Error ? stderr : stdout);
        std::fputs("\n", result == CommandLineResult::Error ? stderr : stdout);
        return result == CommandLineResult::Error ? ExitBadStart : ExitOk;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("workbench"));
    return RunWorkbench(application);
}
