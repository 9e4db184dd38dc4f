// The workbench program itself, run as a person or a script runs it: start-up
// tasks, the picture, the call log and the saved model; bad starts that end
// with a message and exit code 2; and a run under a real X server.

#include "workbench/app/mainwindow.h"
#include "workbench/app/modelfile.h"
#include "workbench/app/samplemodel.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct RunResult {
    int exitCode = -1;
    QString out;
    QString err;
};

RunResult RunWorkbench(const QStringList& arguments, const QString& program = QStringLiteral(PE_WORKBENCH_PATH),
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    RunResult result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("did not finish in time");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString Describe(const RunResult& result)
{
    return QStringLiteral("exit %1\nstdout: %2\nstderr: %3").arg(result.exitCode).arg(result.out, result.err);
}

WorkbenchModel ReadModel(const QByteArray& text)
{
    WorkbenchModel model;
    QString error;
    if (!ReadModelFile(text, model, error))
        qWarning("model does not load: %s", qPrintable(error));
    return model;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Distinct colours on a coarse grid: a blank or single-colour picture has one or two.
int DistinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

} // namespace

class WorkbenchRunTest : public QObject {
    Q_OBJECT
private slots:
    void startUpTasksLeaveAPictureACallLogAndTheModel();
    void aModelFromAFileIsSavedAsItWasLoaded();
    void aModelWithDefinitionProblemsStillLoadsAndSaves();
    void badStartsEndWithAMessageAndCode2_data();
    void badStartsEndWithAMessageAndCode2();
    void aModelThatCannotBeSavedEndsWithCode1();
    void helpNamesEveryOption();
    void runsUnderARealXServer();
};

void WorkbenchRunTest::startUpTasksLeaveAPictureACallLogAndTheModel()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString picture = folder.filePath(QStringLiteral("window.png"));
    const QString calls = folder.filePath(QStringLiteral("calls.jsonl"));
    const QString saved = folder.filePath(QStringLiteral("saved.json"));
    const RunResult result = RunWorkbench({"--open", "Column temperatures", "--open", "Reactor axial profiles",
                                           "--screenshot", picture, "--call-log", calls, "--save-on-exit", saved,
                                           "--quit"});
    QVERIFY2(result.exitCode == 0, qPrintable(Describe(result)));
    QVERIFY2(!result.err.contains(QStringLiteral("warning")), qPrintable(result.err));

    // The picture has the main window's size, as the program reports it, and shows something.
    QImage image(picture);
    QVERIFY(!image.isNull());
    const QRegularExpressionMatch reported =
        QRegularExpression(QStringLiteral("main window \\((\\d+)x(\\d+)\\)")).match(result.out);
    QVERIFY2(reported.hasMatch(), qPrintable(result.out));
    QCOMPARE(image.size(), QSize(reported.captured(1).toInt(), reported.captured(2).toInt()));
    QCOMPARE(image.size(), MainWindow::DefaultSize);
    QVERIFY(DistinctColours(image) > 8);

    // One JSON object per line. Both opened documents were set up with the
    // display unit (hint 829); calls reach only the opened plots' objects.
    const QList<QByteArray> lines = ReadAll(calls).split('\n');
    QStringList hintedDocuments;
    QSet<QString> objects;
    int records = 0;
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        QVERIFY2(document.isObject(), line.constData());
        const QJsonObject record = document.object();
        QVERIFY2(!record.value(QStringLiteral("call")).toString().isEmpty(), line.constData());
        ++records;
        if (record.value(QStringLiteral("call")).toString() == QLatin1String("UpdateAllViews")
            && record.value(QStringLiteral("args")).toObject().value(QStringLiteral("hint")).toInt() == 829)
            hintedDocuments << record.value(QStringLiteral("document")).toString();
        if (record.contains(QStringLiteral("object")))
            objects.insert(record.value(QStringLiteral("object")).toString());
    }
    QVERIFY(records >= 2);
    QCOMPARE(hintedDocuments, (QStringList{"Column temperatures", "Reactor axial profiles"}));
    const QSet<QString> openedObjects{"plot:Column temperatures", "plot:Reactor axial profiles",
                                      "plothost:Reactor axial profiles", "block:Column", "block:Reactor"};
    for (const QString& object : objects) {
        QVERIFY2(openedObjects.contains(object) || object.startsWith(QLatin1String("variable:")),
                 qPrintable(object));
    }

    // Nothing was edited: the saved model is the sample.
    QVERIFY(ReadModel(ReadAll(saved)) == ReadModel(SampleModelText()));
}

void WorkbenchRunTest::aModelFromAFileIsSavedAsItWasLoaded()
{
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("plant.json"));
    const QString saved = folder.filePath(QStringLiteral("saved.json"));
    const QByteArray plant = R"j({
        "blocks": [{"path": "Dryer", "variables": [{"name": "W", "extents": [12], "widenable": true},
                                                    {"name": "h", "extents": [12]}]}],
        "plots": [{"name": "Moisture", "owner": "Dryer", "context": "Dryer.MoisturePlot", "access": "host",
                   "definition": {"is3DPlot": 0, "yAxisIsTime": 1,
                                  "xAxis": {"name": "Height", "variables": ["h(*)"]},
                                  "plotted": [{"name": "Moisture", "dimension": 1, "variables": ["W(*)"]}],
                                  "maxTimePoints": 6, "timeMode": 1, "timeEntries": ["0", "30", "90"]}}]
    })j";
    WriteText(input, plant);
    const RunResult result = RunWorkbench({"--model", input, "--open", "Moisture", "--save-on-exit", saved, "--quit"});
    QVERIFY2(result.exitCode == 0, qPrintable(Describe(result)));
    QVERIFY(result.out.contains(QStringLiteral("Saved the model to ") + saved));
    const WorkbenchModel original = ReadModel(plant);
    QCOMPARE(original.plots.size(), size_t(1));
    QVERIFY(ReadModel(ReadAll(saved)) == original);
}

void WorkbenchRunTest::aModelWithDefinitionProblemsStillLoadsAndSaves()
{
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("odd.json"));
    const QString saved = folder.filePath(QStringLiteral("saved.json"));
    const QByteArray odd = R"j({
        "blocks": [{"path": "B", "variables": [{"name": "T", "extents": [3]}]}],
        "plots": [{"name": "Odd", "owner": "B", "context": "B.Odd", "access": "direct",
                   "definition": {"is3DPlot": 1, "yAxisIsTime": 1,
                                  "plotted": [{"name": "A", "variables": ["T(1)"]}, {"name": "Gone", "variables": ["Q"]}],
                                  "timeMode": 0, "timeEntries": ["L"]}}]
    })j";
    WriteText(input, odd);
    const RunResult result = RunWorkbench({"--model", input, "--open", "Odd", "--save-on-exit", saved, "--quit"});
    QVERIFY2(result.exitCode == 0, qPrintable(Describe(result)));
    QVERIFY2(result.err.contains(QStringLiteral("warning: plot \"Odd\": the variable \"Q\" of the profile \"Gone\"")),
             qPrintable(result.err));
    QVERIFY(result.err.contains(QStringLiteral("a 3-d plot against time plots one profile")));
    QVERIFY(ReadModel(ReadAll(saved)) == ReadModel(odd));
}

void WorkbenchRunTest::badStartsEndWithAMessageAndCode2_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("modelText"); // written to model.json in the run's folder when not empty
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown plot") << QStringList{"--open", "Column temperatures", "--open", "No such plot"}
                                  << QByteArray()
                                  << QStringLiteral("There is no plot \"No such plot\" in the model. Its plots are: "
                                                    "\"Column temperatures\"");
    QTest::newRow("malformed model") << QStringList{"--model", "model.json"}
                                     << QByteArray("{\"blocks\": [\n  {\"path\": \"B\"}\n  {\"path\": \"C\"}\n]}")
                                     << QStringLiteral("is not valid: JSON syntax error at line 3");
    QTest::newRow("model with a wrong owner")
        << QStringList{"--model", "model.json"}
        << QByteArray(R"j({"blocks": [], "plots": [{"name": "P", "owner": "X", "context": "", "access": "direct", "definition": {}}]})j")
        << QStringLiteral("plots[0].owner: there is no block \"X\"");
    QTest::newRow("missing model") << QStringList{"--model", "absent.json"} << QByteArray()
                                   << QStringLiteral("Cannot read the model file");
    QTest::newRow("missing module") << QStringList{"--module", "/nonexistent/libprofileeditor.so"} << QByteArray()
                                    << QStringLiteral("The editor module \"/nonexistent/libprofileeditor.so\" does not exist.");
    QTest::newRow("library without the entry") << QStringList{"--module", PE_HOSTLIB_PATH} << QByteArray()
                                               << QStringLiteral("is not an editor module: it has no entry KDInitDll.");
    QTest::newRow("unknown option") << QStringList{"--bogus"} << QByteArray() << QStringLiteral("Unknown option 'bogus'");
    QTest::newRow("stray argument") << QStringList{"extra"} << QByteArray()
                                    << QStringLiteral("Unexpected argument \"extra\"");
    QTest::newRow("option without its value") << QStringList{"--model"} << QByteArray()
                                              << QStringLiteral("Missing value after '--model'");
    QTest::newRow("call log in a missing folder") << QStringList{"--call-log", "no/such/folder/calls.jsonl"}
                                                  << QByteArray() << QStringLiteral("Cannot open the call log");
}

void WorkbenchRunTest::badStartsEndWithAMessageAndCode2()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, modelText);
    QFETCH(QString, message);
    QTemporaryDir folder;
    if (!modelText.isEmpty())
        WriteText(folder.filePath(QStringLiteral("model.json")), modelText);
    for (QString& argument : arguments) {
        if (argument.endsWith(QLatin1String(".json")) || argument.endsWith(QLatin1String(".jsonl")))
            argument = folder.filePath(argument);
    }
    const QString picture = folder.filePath(QStringLiteral("window.png"));
    const QString saved = folder.filePath(QStringLiteral("saved.json"));
    // The row's arguments go last, so that a missing value is really missing.
    const RunResult result = RunWorkbench(QStringList{"--screenshot", picture, "--save-on-exit", saved, "--quit"} + arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(message), qPrintable(Describe(result)));
    QVERIFY(!QFile::exists(picture));
    QVERIFY(!QFile::exists(saved));
}

void WorkbenchRunTest::aModelThatCannotBeSavedEndsWithCode1()
{
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("missing/saved.json"));
    const RunResult result = RunWorkbench({"--save-on-exit", saved, "--quit"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(QStringLiteral("Cannot save the model to \"%1\"").arg(saved)), qPrintable(result.err));
}

void WorkbenchRunTest::helpNamesEveryOption()
{
    const RunResult result = RunWorkbench({"--help"});
    QVERIFY2(result.exitCode == 0, qPrintable(Describe(result)));
    for (const char* option : {"--model", "--open", "--call-log", "--save-on-exit", "--screenshot", "--quit", "--module"})
        QVERIFY2(result.out.contains(QLatin1String(option)), option);
}

void WorkbenchRunTest::runsUnderARealXServer()
{
    // xvfb and xauth are installed by the project's dependency script.
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    QVERIFY2(!xvfbRun.isEmpty(), "xvfb-run is missing: run scripts/install-dependencies.sh");
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("window.png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const RunResult result = RunWorkbench({"-a", "-s", "-screen 0 1600x1200x24", PE_WORKBENCH_PATH, "--open",
                                           "Column composition map", "--screenshot", picture, "--quit"},
                                          xvfbRun, environment);
    QVERIFY2(result.exitCode == 0, qPrintable(Describe(result)));
    const QImage image(picture);
    QVERIFY(!image.isNull());
    QVERIFY(DistinctColours(image) > 8);
}

QTEST_GUILESS_MAIN(WorkbenchRunTest)
#include "tst_workbenchrun.moc"
