// The workbench program itself, run as a script runs it: start-up tasks under a
// real X server leave a picture, a call log and the saved model; help and bad
// starts end with a message and their exit code.

#include "support/projecttest.h"
#include "workbench/app/mainwindow.h"
#include "workbench/app/samplemodel.h"
#include "workbench/model/modelfile.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct RunResult {
    int exitCode = -1;
    QString out;
    QString err;
    QString Describe() const { return QStringLiteral("exit %1\nstdout: %2\nstderr: %3").arg(exitCode).arg(out, err); }
};

RunResult RunWorkbench(const QStringList& arguments, const QString& program = QStringLiteral(PE_WORKBENCH_PATH),
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QString& folder = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
    }
    RunResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

} // namespace

class WorkbenchRunTest : public QObject {
    Q_OBJECT
private slots:
    void startUpTasksLeaveAPictureACallLogAndTheModel()
    {
        // Under a real X server (xvfb and xauth come with the project's dependencies).
        const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        QVERIFY2(!xvfbRun.isEmpty(), "xvfb-run is missing: run scripts/install-dependencies.sh");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QTemporaryDir folder;
        const QString picture = folder.filePath(QStringLiteral("window.png"));
        const QString calls = folder.filePath(QStringLiteral("calls.jsonl"));
        const QString saved = folder.filePath(QStringLiteral("saved.json"));
        const QStringList opened {"Column temperatures", "Reactor axial profiles", "Column composition map"};
        const RunResult result = RunWorkbench(
            {"-a", "-s", "-screen 0 1600x1200x24", PE_WORKBENCH_PATH, "--open", opened[0], "--open", opened[1],
                "--open", opened[2], "--screenshot", picture, "--call-log", calls, "--save-on-exit", saved, "--quit"},
            xvfbRun, environment);
        QVERIFY2(result.exitCode == 0, qPrintable(result.Describe()));
        QVERIFY2(!result.err.contains(QStringLiteral("warning")), qPrintable(result.err));

        // The picture is the whole main window, and shows something: a blank or
        // single-colour picture has one or two colours among every 7th pixel.
        const QImage image(picture);
        QCOMPARE(image.size(), MainWindow::DefaultSize);
        QSet<QRgb> colours;
        for (int i = 0; i < image.width() * image.height(); i += 7)
            colours.insert(image.pixel(i % image.width(), i / image.width()));
        QVERIFY(colours.size() > 8);

        // One JSON object per line, each naming the call and its arguments; every
        // opened document was set up with the display unit (hint 829).
        QFile log(calls);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QStringList hinted;
        for (const QString& line : QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject record = QJsonDocument::fromJson(line.toUtf8()).object();
            const QString call = record.value(QStringLiteral("call")).toString();
            const QJsonValue args = record.value(QStringLiteral("args"));
            QVERIFY2(!call.isEmpty() && args.isObject(), qPrintable(line));
            if (call == QLatin1String("UpdateAllViews") && args.toObject().value(QStringLiteral("hint")).toInt() == 829)
                hinted << record.value(QStringLiteral("document")).toString();
        }
        QCOMPARE(hinted, opened);

        // Nothing was edited: the saved model is the sample.
        WorkbenchModel savedModel, sample;
        QString error;
        QVERIFY2(LoadModelFile(saved, savedModel, error), qPrintable(error));
        QVERIFY(ReadSampleModel(sample, error) && savedModel == sample);
    }

    void badStartsAndHelpEndWithAMessageAndTheirCode_data()
    {
        // "*.json" and "*.so" are files in the run's folder, which is the working
        // folder too: "pipe.json" a named pipe, "raw.json" a plot as a careless host
        // may hold it (counts that run past the variables), "truncated.so" the module's
        // first 4096 bytes, "libz.so.1" a copy of the module under a system library's name.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("messages");

        const auto row = [](const char* name, const QStringList& arguments, int exitCode, const QStringList& messages) {
            QTest::newRow(name) << arguments << exitCode << messages;
        };
        row("help", {"--help"}, 0,
            {"--model", "--open", "--call-log", "--save-on-exit", "--screenshot", "--quit", "--module", "--plot-data",
                "--show-plot"});
        row("model cannot be saved", {"--save-on-exit", "missing/saved.json"}, 2,
            {"Cannot save the model to \"", "missing/saved.json\": cannot write in the folder"});
        row("model saved onto a pipe", {"--save-on-exit", "pipe.json"}, 2, {"exists and is not a regular file"});
        row("call log lost", {"--open", "Column temperatures", "--call-log", "/dev/full"}, 1,
            {"Call log \"/dev/full\" closed after a write error",
                "The call log \"/dev/full\" is incomplete: a line could not be written"});
        row("unknown plot", {"--open", "Column temperatures", "--open", "No such plot"}, 2,
            {"There is no plot \"No such plot\" in the model. Its plots are: \"Column temperatures\""});
        row("malformed model", {"--model", "model.json"}, 2,
            {"model.json\" is not valid: JSON syntax error at line 3"});
        row("missing module", {"--module", "/nonexistent/libprofileeditor.so"}, 2,
            {"The editor module \"/nonexistent/libprofileeditor.so\" does not exist."});
        row("truncated module", {"--module", "truncated.so"}, 2,
            {"truncated.so\" is not a loadable editor module: it is truncated: a load segment ends at byte"});
        row("bare module name found in the working folder", {"--module", "libz.so.1"}, 0, {});
        row("unknown option", {"--bogus"}, 2, {"Unknown option 'bogus'"});
        row("option without its value", {"--model"}, 2, {"Missing value after '--model'"});
        // Unattended (--quit), the editor's message box is written out and answered.
        row("definition whose arrays disagree", {"--model", "raw.json", "--open", "Raw"}, 0,
            {"message box \"Profile Editor\"", "The plotted profile 2 (\"Second\") needs 5 variables"});
        // Pictures and tables: "pipe.png" is a named pipe, "full.png" a link to /dev/full.
        row("unknown plot for a picture", {"--plot-image", "No such plot=out.png"}, 2,
            {"There is no plot \"No such plot\" in the model."});
        row("picture without a file", {"--plot-image", "Column temperatures"}, 2, {"--plot-image needs PLOT=FILE"});
        row("negative time", {"--time", "-5"}, 2, {"--time needs a number of seconds"});
        row("picture onto a pipe", {"--plot-image", "Column temperatures=pipe.png"}, 2,
            {"pipe.png\": it exists and is not a regular file."});
        row("picture onto a full device", {"--plot-image", "Column temperatures=full.png"}, 2,
            {"full.png\": it exists and is not a regular file."});
        row("screenshot onto a pipe", {"--screenshot", "pipe.png"}, 2,
            {"Cannot save the picture of the main window to \""});
        row("unwritable picture", {"--plot-image", "Column temperatures=/nonexistent/p.png"}, 1,
            {"Cannot write the plot picture to \"/nonexistent/p.png\": "});
        row("table without a file", {"--plot-data", "Column temperatures="}, 2, {"--plot-data needs PLOT=FILE"});
        row("table onto a pipe", {"--plot-data", "Column temperatures=pipe.png"}, 2,
            {"Cannot write the plot data to \""});
        row("unwritable table", {"--plot-data", "Column temperatures=/nonexistent/d.csv"}, 1,
            {"Cannot write the data of the plot \"Column temperatures\" to \"/nonexistent/d.csv\": No such file or "
             "directory."});
        row("table of a plot that draws nothing yet", {"--plot-data", "Column composition map=d.csv"}, 1,
            {"d.csv\": No time of this plot is due yet at 0 s."});
    }

    void badStartsAndHelpEndWithAMessageAndTheirCode()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, messages);
        QTemporaryDir folder;
        const QByteArray malformed = "{\"blocks\": [\n  {\"path\": \"B\"}\n  {\"path\": \"C\"}\n]}";
        QVERIFY(WriteTestFile(folder.filePath(QStringLiteral("model.json")), malformed));
        const QString pipe = folder.filePath(QStringLiteral("pipe.json"));
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY(WriteTestFile(folder.filePath(QStringLiteral("raw.json")),
            R"j({"blocks": [{"path": "Column", "variables": [{"name": "T", "extents": [20]}]}], "plots": [{"name": "Raw",
            "owner": "Column", "context": "Column.Raw", "access": "host", "definition": {"plotted": {"names": ["First",
            "Second"], "dimensions": [1, 1], "counts": [1, 5], "variables": ["T(1)", "T(2)"]}, "timeMode": 2,
            "timeEntries": ["2.5*", "0.5"]}}]})j"));
        QVERIFY(mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.png"))).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), folder.filePath(QStringLiteral("full.png"))));
        QFile module(QStringLiteral(PE_MODULE_FILE));
        QVERIFY(module.open(QIODevice::ReadOnly));
        QVERIFY(WriteTestFile(folder.filePath(QStringLiteral("truncated.so")), module.read(4096)));
        QVERIFY(QFile::copy(module.fileName(), folder.filePath(QStringLiteral("libz.so.1"))));
        for (QString& argument : arguments) {
            if (QFileInfo(argument).isRelative()
                && (argument.endsWith(QLatin1String(".json")) || argument.endsWith(QLatin1String(".so"))))
                argument = folder.filePath(argument);
        }
        // The row's arguments go last, so that a missing value is really missing.
        const QString picture = folder.filePath(QStringLiteral("window.png"));
        const QStringList screenshot {"--screenshot", picture};
        const RunResult result = RunWorkbench(
            (arguments.contains("--screenshot") ? QStringList() : screenshot) + QStringList {"--quit"} + arguments,
            QStringLiteral(PE_WORKBENCH_PATH), QProcessEnvironment::systemEnvironment(), folder.path());
        QCOMPARE(result.exitCode, exitCode);
        // Help goes to the standard output, every other message to the standard error.
        const QString& shown = arguments.contains(QLatin1String("--help")) ? result.out : result.err;
        for (const QString& message : messages)
            QVERIFY2(shown.contains(message), qPrintable(result.Describe()));
        // A bad start makes no picture and leaves every file as it was.
        if (exitCode == 2)
            QVERIFY(!QFile::exists(picture));
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    }
};

PE_TEST_GUILESS_MAIN(WorkbenchRunTest)
#include "tst_workbenchrun.moc"
