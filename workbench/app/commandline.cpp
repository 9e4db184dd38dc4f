#include "workbench/app/commandline.h"

#include <QCommandLineParser>

#include <cmath>

CommandLineResult ParseCommandLine(const QStringList& arguments, WorkbenchOptions& options, QString& message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The workbench: a stand-in for the host application. It loads the Profile Editor module, shows a process "
        "model with its profile plots and opens editors on them.\n"
        "Exit codes: 0 done, 1 a picture, a table or the model could not be saved at the end, 2 bad options, "
        "model file, module or plot name."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption model(QStringLiteral("model"),
        QStringLiteral("Load the process model from <file> (JSON) instead of the "
                       "built-in sample."),
        QStringLiteral("file"));
    const QCommandLineOption results(QStringLiteral("results"),
        QStringLiteral("Load a simulator's results from <file> (delimited text, one column per variable, one row per "
                       "time). With --model, in place of the results file the model names; without, the model is "
                       "what the results define."),
        QStringLiteral("file"));
    const QCommandLineOption open(QStringLiteral("open"),
        QStringLiteral("Open an editor on the profile plot named <plot> at start-up "
                       "(repeatable)."),
        QStringLiteral("plot"));
    const QCommandLineOption callLog(QStringLiteral("call-log"),
        QStringLiteral("Write every call the host objects receive and every update "
                       "hint a document broadcasts to <file>, one JSON object per "
                       "line, as it happens."),
        QStringLiteral("file"));
    const QCommandLineOption saveOnExit(QStringLiteral("save-on-exit"),
        QStringLiteral("At exit, save the model with its plot definitions as they "
                       "stand to <file> (the --model format)."),
        QStringLiteral("file"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Once start-up is done, save a PNG picture of the main window "
                       "to <file>."),
        QStringLiteral("file"));
    const QCommandLineOption quit(QStringLiteral("quit"), QStringLiteral("Exit after the start-up tasks."));
    const QCommandLineOption module(QStringLiteral("module"),
        QStringLiteral("Load the editor module from <path> instead of the default "
                       "places (the build tree, then beside the workbench)."),
        QStringLiteral("path"));
    const QCommandLineOption plotImage(QStringLiteral("plot-image"),
        QStringLiteral("At exit, write the picture of the plot PLOT as drawn then to FILE (SVG when FILE ends in "
                       ".svg, else PNG; repeatable)."),
        QStringLiteral("PLOT=FILE"));
    const QCommandLineOption plotData(QStringLiteral("plot-data"),
        QStringLiteral("At exit, write what the plot PLOT draws then to FILE as comma-separated values (repeatable; "
                       "the layout is in the README)."),
        QStringLiteral("PLOT=FILE"));
    const QCommandLineOption showPlot(QStringLiteral("show-plot"),
        QStringLiteral("Open the window of the profile plot named <plot> at start-up, beside the editors "
                       "(repeatable)."),
        QStringLiteral("plot"));
    const QCommandLineOption time(QStringLiteral("time"),
        QStringLiteral("Set the simulated clock to <seconds> at start."), QStringLiteral("seconds"));
    parser.addOptions(
        {model, results, open, callLog, saveOnExit, screenshot, quit, module, plotImage, plotData, showPlot, time});

    if (!parser.parse(arguments)) {
        message = parser.errorText() + QStringLiteral(" (see --help)");
        return CommandLineResult::Error;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        message = parser.helpText();
        return CommandLineResult::Exit;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("Unexpected argument \"%1\" (see --help).").arg(parser.positionalArguments().first());
        return CommandLineResult::Error;
    }
    for (const QCommandLineOption* single : {&model, &results, &callLog, &saveOnExit, &screenshot, &module, &time}) {
        if (parser.values(*single).size() > 1) {
            message = QStringLiteral("--%1 is given more than once.").arg(single->names().first());
            return CommandLineResult::Error;
        }
        if (parser.isSet(*single) && parser.value(*single).isEmpty()) {
            message = QStringLiteral("--%1 needs a non-empty value.").arg(single->names().first());
            return CommandLineResult::Error;
        }
    }
    options.modelPath = parser.value(model);
    options.resultsPath = parser.value(results);
    options.openPlots = parser.values(open);
    options.callLogPath = parser.value(callLog);
    options.saveOnExitPath = parser.value(saveOnExit);
    options.screenshotPath = parser.value(screenshot);
    options.quit = parser.isSet(quit);
    options.modulePath = parser.value(module);
    for (const QCommandLineOption* plotFile : {&plotImage, &plotData}) {
        for (const QString& value : parser.values(*plotFile)) {
            const qsizetype equals = value.indexOf(QLatin1Char('='));
            if (equals <= 0 || equals == value.size() - 1) {
                message = QStringLiteral("--%1 needs PLOT=FILE, not \"%2\".").arg(plotFile->names().first(), value);
                return CommandLineResult::Error;
            }
        }
    }
    options.plotImages = parser.values(plotImage);
    options.plotData = parser.values(plotData);
    options.showPlots = parser.values(showPlot);
    if (parser.isSet(time)) {
        bool ok = false;
        options.clockSeconds = parser.value(time).toDouble(&ok);
        if (!ok || !std::isfinite(options.clockSeconds) || options.clockSeconds < 0) {
            message
                = QStringLiteral("--time needs a number of seconds of 0 or more, not \"%1\".").arg(parser.value(time));
            return CommandLineResult::Error;
        }
    }
    return CommandLineResult::Run;
}
