#include "workbench/app/commandline.h"

#include <QCommandLineParser>

#include <cmath>

namespace {

// One option: its name, what it does, the name of its value (none for a
// switch), and whether it may be given more than once.
struct OptionSpec {
    const char* name;
    const char* description;
    const char* valueName;
    bool repeatable;
};

constexpr OptionSpec Options[] = {
    {"model", "Load the process model from <file> (JSON) instead of the built-in sample.", "file", false},
    {"results",
        "Load a simulator's results from <file> (delimited text, one column per variable, one row per time). With "
        "--model, in place of the results file the model names; without, the model is what the results define.",
        "file", false},
    {"open", "Open an editor on the profile plot named <plot> at start-up (repeatable).", "plot", true},
    {"call-log",
        "Write every call the host objects receive and every update hint a document broadcasts to <file>, one JSON "
        "object per line, as it happens.",
        "file", false},
    {"save-on-exit", "At exit, save the model with its plot definitions as they stand to <file> (the --model format).",
        "file", false},
    {"screenshot", "Once start-up is done, save a PNG picture of the main window to <file>.", "file", false},
    {"quit", "Exit after the start-up tasks.", nullptr, false},
    {"module",
        "Load the editor module from <path> instead of the default places (the build tree, then beside the "
        "workbench).",
        "path", false},
    {"plot-image",
        "At exit, write the picture of the plot PLOT as drawn then to FILE (SVG when FILE ends in .svg, else PNG; "
        "repeatable).",
        "PLOT=FILE", true},
    {"plot-data",
        "At exit, write what the plot PLOT draws then to FILE as comma-separated values (repeatable; the layout is "
        "in the README).",
        "PLOT=FILE", true},
    {"show-plot", "Open the window of the profile plot named <plot> at start-up, beside the editors (repeatable).",
        "plot", true},
    {"time", "Set the simulated clock to <seconds> at start.", "seconds", false},
};

// The first fault of the parsed values, or an empty text.
QString ValueFault(const QCommandLineParser& parser)
{
    for (const OptionSpec& spec : Options) {
        const QString name = QString::fromLatin1(spec.name);
        if (!spec.valueName)
            continue;
        const QStringList values = parser.values(name);
        if (!spec.repeatable && values.size() > 1)
            return QStringLiteral("--%1 is given more than once.").arg(name);
        if (!spec.repeatable && parser.isSet(name) && values.first().isEmpty())
            return QStringLiteral("--%1 needs a non-empty value.").arg(name);
        if (qstrcmp(spec.valueName, "PLOT=FILE") != 0)
            continue;
        for (const QString& value : values) {
            const qsizetype equals = value.indexOf(QLatin1Char('='));
            if (equals <= 0 || equals == value.size() - 1)
                return QStringLiteral("--%1 needs PLOT=FILE, not \"%2\".").arg(name, value);
        }
    }
    return {};
}

} // namespace

CommandLineResult ParseCommandLine(const QStringList& arguments, WorkbenchOptions& options, QString& message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The workbench: a stand-in for the host application. It loads the Profile Editor module, shows a process "
        "model with its profile plots and opens editors on them.\n"
        "Exit codes: 0 done, 1 a picture, a table or the model could not be saved at the end, 2 bad options, "
        "model file, module or plot name."));
    const QCommandLineOption help = parser.addHelpOption();
    for (const OptionSpec& spec : Options) {
        parser.addOption(spec.valueName
                ? QCommandLineOption(QString::fromLatin1(spec.name), QString::fromLatin1(spec.description),
                    QString::fromLatin1(spec.valueName))
                : QCommandLineOption(QString::fromLatin1(spec.name), QString::fromLatin1(spec.description)));
    }

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
    message = ValueFault(parser);
    if (!message.isEmpty())
        return CommandLineResult::Error;
    options.modelPath = parser.value(QStringLiteral("model"));
    options.resultsPath = parser.value(QStringLiteral("results"));
    options.openPlots = parser.values(QStringLiteral("open"));
    options.callLogPath = parser.value(QStringLiteral("call-log"));
    options.saveOnExitPath = parser.value(QStringLiteral("save-on-exit"));
    options.screenshotPath = parser.value(QStringLiteral("screenshot"));
    options.quit = parser.isSet(QStringLiteral("quit"));
    options.modulePath = parser.value(QStringLiteral("module"));
    options.plotImages = parser.values(QStringLiteral("plot-image"));
    options.plotData = parser.values(QStringLiteral("plot-data"));
    options.showPlots = parser.values(QStringLiteral("show-plot"));
    const QString time = parser.value(QStringLiteral("time"));
    if (parser.isSet(QStringLiteral("time"))) {
        bool ok = false;
        options.clockSeconds = time.toDouble(&ok);
        if (!ok || !std::isfinite(options.clockSeconds) || options.clockSeconds < 0) {
            message = QStringLiteral("--time needs a number of seconds of 0 or more, not \"%1\".").arg(time);
            return CommandLineResult::Error;
        }
    }
    return CommandLineResult::Run;
}
