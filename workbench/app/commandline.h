#pragma once

// The workbench's command line.

#include <QString>
#include <QStringList>

struct WorkbenchOptions {
    QString modelPath; // empty: the built-in sample (or, with resultsPath, nothing)
    QString resultsPath; // empty: the model's own results file, if it names one
    QStringList openPlots; // plots to open an editor on at start-up, in order
    QString callLogPath; // empty: no file
    QString saveOnExitPath; // empty: nothing saved
    QString screenshotPath; // empty: no picture
    bool quit = false; // leave once the start-up tasks are done
    QString modulePath; // empty: the default places
    QStringList plotImages; // "PLOT=FILE": pictures of plots written at exit, in order
    QStringList plotData; // "PLOT=FILE": tables of what plots draw, written at exit, in order
    QStringList showPlots; // plots whose window opens at start-up, beside any editors
    double clockSeconds = 0; // the simulated clock at start
};

enum class CommandLineResult {
    Run, // go on with the options
    Exit, // help or version was shown on standard output
    Error, // the message says what is wrong
};

// Exit codes of the workbench.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailedAtExit = 1; // a picture, a table or the model could not be saved
inline constexpr int ExitBadStart = 2; // bad options, model, module or plot name

// Reads `arguments` (the program name first). For Exit, `message` holds the
// text to print; for Error, the reason.
CommandLineResult ParseCommandLine(const QStringList& arguments, WorkbenchOptions& options, QString& message);
