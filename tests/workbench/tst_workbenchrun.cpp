// The workbench program itself, run as a person or a script runs it: start-up
// tasks under a real X server leaving a picture, a call log and the saved
// model; a model from a file saved as it was loaded; help, and bad starts that
// end with a message and their exit code.

#include "workbench/app/mainwindow.h"
#include "workbench/app/modelfile.h"
#include "workbench/app/samplemodel.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct RunResult {
    int exitCode = -1;
    QString out;
    QString err;
    QString Describe() const { return QStringLiteral("exit %1\nstdout: %2\nstderr: %3").arg(exitCode).arg(out, err); }
};

RunResult RunWorkbench(const QStringList& arguments, const QString& program = QStringLiteral(PE_WORKBENCH_PATH),
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
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

// Whether both texts are models, and equal ones.
bool SameModel(const QByteArray& a, const QByteArray& b)
{
    WorkbenchModel first, second;
    QString error;
    return ReadModelFile(a, first, error) && ReadModelFile(b, second, error) && first == second;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

class WorkbenchRunTest : public QObject {
    Q_OBJECT
private slots:
    void startUpTasksLeaveAPictureACallLogAndTheModel();
    void aModelFromAFileIsSavedAsItWasLoaded();
    void badStartsAndHelpEndWithAMessageAndTheirCode_data();
    void badStartsAndHelpEndWithAMessageAndTheirCode();
};

void WorkbenchRunTest::startUpTasksLeaveAPictureACallLogAndTheModel()
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
    const QStringList opened{"Column temperatures", "Reactor axial profiles", "Column composition map"};
    const RunResult result = RunWorkbench(
        {"-a", "-s", "-screen 0 1600x1200x24", PE_WORKBENCH_PATH, "--open", opened[0], "--open", opened[1], "--open",
         opened[2], "--screenshot", picture, "--call-log", calls, "--save-on-exit", saved, "--quit"},
        xvfbRun, environment);
    QVERIFY2(result.exitCode == 0, qPrintable(result.Describe()));
    QVERIFY2(!result.err.contains(QStringLiteral("warning")), qPrintable(result.err));

    // The picture is the whole main window, and shows something: a blank or
    // single-colour picture has one or two colours on a coarse grid.
    const QImage image(picture);
    QCOMPARE(image.size(), MainWindow::DefaultSize);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY(colours.size() > 8);

    // One JSON object per line, each naming the call and its arguments; every
    // opened document was set up with the display unit (hint 829).
    QStringList hinted;
    for (const QByteArray& line : ReadAll(calls).split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        const QString call = record.value(QStringLiteral("call")).toString();
        const QJsonValue args = record.value(QStringLiteral("args"));
        QVERIFY2(!call.isEmpty() && args.isObject(), line.constData());
        if (call == QLatin1String("UpdateAllViews") && args.toObject().value(QStringLiteral("hint")).toInt() == 829)
            hinted << record.value(QStringLiteral("document")).toString();
    }
    QCOMPARE(hinted, opened);

    // Nothing was edited: the saved model is the sample.
    QVERIFY(SameModel(ReadAll(saved), SampleModelText()));
}

void WorkbenchRunTest::aModelFromAFileIsSavedAsItWasLoaded()
{
    // The plot's definition has problems: they are shown, and it opens and saves all the same.
    const QByteArray model = R"j({
        "blocks": [{"path": "B", "variables": [{"name": "T", "extents": [3], "widenable": true}]}],
        "plots": [{"name": "Odd", "owner": "B", "context": "B.Odd", "access": "host",
                   "definition": {"is3DPlot": 1, "yAxisIsTime": 1, "maxTimePoints": 6,
                                  "plotted": [{"name": "A", "variables": ["T(1)"]}, {"name": "Gone", "variables": ["Q"]}],
                                  "timeMode": 1, "timeEntries": ["0", "30", "90"]}}]
    })j";
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("model.json"));
    const QString saved = folder.filePath(QStringLiteral("saved.json"));
    QVERIFY(WriteAll(input, model));
    const RunResult result = RunWorkbench({"--model", input, "--open", "Odd", "--save-on-exit", saved, "--quit"});
    QVERIFY2(result.exitCode == 0, qPrintable(result.Describe()));
    QVERIFY(result.out.contains(QStringLiteral("Saved the model to ") + saved));
    QVERIFY2(result.err.contains(QStringLiteral("warning: plot \"Odd\": the variable \"Q\" of the profile \"Gone\""))
                 && result.err.contains(QStringLiteral("a 3-d plot against time plots one profile")),
             qPrintable(result.err));
    QVERIFY(SameModel(ReadAll(saved), model));
}

void WorkbenchRunTest::badStartsAndHelpEndWithAMessageAndTheirCode_data()
{
    QTest::addColumn<QStringList>("arguments"); // "model.json" and "*.jsonl" are files in the run's folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("messages");

    const auto row = [](const char* name, const QStringList& arguments, int exitCode, const QStringList& messages) {
        QTest::newRow(name) << arguments << exitCode << messages;
    };
    row("help", {"--help"}, 0,
        {"--model", "--open", "--call-log", "--save-on-exit", "--screenshot", "--quit", "--module"});
    row("model not saved", {"--save-on-exit", "missing/saved.json"}, 1,
        {"Cannot save the model to \"", "missing/saved.json\""});
    row("unknown plot", {"--open", "Column temperatures", "--open", "No such plot"}, 2,
        {"There is no plot \"No such plot\" in the model. Its plots are: \"Column temperatures\""});
    row("malformed model", {"--model", "model.json"}, 2, {"is not valid: JSON syntax error at line 3"});
    row("missing module", {"--module", "/nonexistent/libprofileeditor.so"}, 2,
        {"The editor module \"/nonexistent/libprofileeditor.so\" does not exist."});
    row("library without the entry", {"--module", PE_HOSTLIB_PATH}, 2,
        {"is not an editor module: it has no entry KDInitDll."});
    row("unknown option", {"--bogus"}, 2, {"Unknown option 'bogus'"});
    row("option without its value", {"--model"}, 2, {"Missing value after '--model'"});
    row("call log in a missing folder", {"--call-log", "no/such/folder/calls.jsonl"}, 2, {"Cannot open the call log"});
}

void WorkbenchRunTest::badStartsAndHelpEndWithAMessageAndTheirCode()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, messages);
    QTemporaryDir folder;
    const QByteArray malformed = "{\"blocks\": [\n  {\"path\": \"B\"}\n  {\"path\": \"C\"}\n]}";
    QVERIFY(WriteAll(folder.filePath(QStringLiteral("model.json")), malformed));
    for (QString& argument : arguments) {
        if (argument.endsWith(QLatin1String(".json")) || argument.endsWith(QLatin1String(".jsonl")))
            argument = folder.filePath(argument);
    }
    // The row's arguments go last, so that a missing value is really missing.
    const QString picture = folder.filePath(QStringLiteral("window.png"));
    const RunResult result = RunWorkbench(QStringList{"--screenshot", picture, "--quit"} + arguments);
    QCOMPARE(result.exitCode, exitCode);
    for (const QString& message : messages)
        QVERIFY2((exitCode ? result.err : result.out).contains(message), qPrintable(result.Describe()));
    // Only a failure at exit comes after the start-up tasks.
    QCOMPARE(QFile::exists(picture), exitCode == 1);
}

QTEST_GUILESS_MAIN(WorkbenchRunTest)
#include "tst_workbenchrun.moc"
