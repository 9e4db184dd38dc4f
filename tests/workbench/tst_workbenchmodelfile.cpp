// The workbench's model file: the sample model, the round trip, and files that
// must be refused with a message that names the place.

#include "workbench/app/modelfile.h"
#include "workbench/app/plotcheck.h"
#include "workbench/app/samplemodel.h"

#include "host/interfaces/modelvariable.h"
#include "workbench/hostlib/plotdefinitionjson.h"

#include <QTemporaryDir>
#include <QFile>
#include <QTest>

#include <set>

namespace {

WorkbenchModel ReadSample()
{
    WorkbenchModel model;
    QString error;
    if (!ReadModelFile(SampleModelText(), model, error))
        qFatal("the sample model does not load: %s", qPrintable(error));
    return model;
}

const HostModel::Variable* FindVariable(const WorkbenchModel& model, const char* block, const char* name)
{
    for (const ModelBlock& candidate : model.blocks) {
        if (candidate.path != block)
            continue;
        for (const HostModel::Variable& variable : candidate.variables) {
            if (variable.name == name)
                return &variable;
        }
    }
    return nullptr;
}

} // namespace

class WorkbenchModelFileTest : public QObject {
    Q_OBJECT
private slots:
    void sampleHoldsAColumnAReactorAndAnExchanger();
    void samplePlotsCoverEveryKindAccessAndTimeMode();
    void everySamplePlotIsADefinitionTheEditorAccepts();
    void writingAndReadingGivesBackAnEqualModel();
    void definitionsTheEditorWouldRefuseStillSurviveTheRoundTrip();
    void malformedFilesAreRefusedNamingThePlace_data();
    void malformedFilesAreRefusedNamingThePlace();
    void fileErrorsNameTheFile();
    void savingToAMissingFolderFailsWithAMessage();
};

void WorkbenchModelFileTest::sampleHoldsAColumnAReactorAndAnExchanger()
{
    const WorkbenchModel model = ReadSample();
    const HostModel::Variable* trayTemperatures = FindVariable(model, "Column", "T");
    QVERIFY(trayTemperatures);
    QCOMPARE(trayTemperatures->extents, std::vector<UINT>{20});
    QCOMPARE(trayTemperatures->attributes, ModelVariableWidenableAttribute);
    const HostModel::Variable* compositions = FindVariable(model, "Column", "x");
    QVERIFY(compositions);
    QCOMPARE(compositions->extents, (std::vector<UINT>{20, 3}));
    QCOMPARE(compositions->attributes, 0u);
    QVERIFY(FindVariable(model, "Column", "R"));
    QVERIFY(FindVariable(model, "Column", "R")->extents.empty());
    QCOMPARE(FindVariable(model, "Reactor", "T")->extents, std::vector<UINT>{50});
    QVERIFY(FindVariable(model, "Reactor.Jacket", "Tc"));
    QVERIFY(FindVariable(model, "HX1", "Tw"));
    // The name the run script opens.
    QVERIFY(model.FindPlot("Column temperatures"));
}

void WorkbenchModelFileTest::samplePlotsCoverEveryKindAccessAndTimeMode()
{
    const WorkbenchModel model = ReadSample();
    bool twoD = false, threeDAgainstTime = false, twoWildcardsAgainstTime = false;
    bool surfaceOf2DProfile = false, surfaceOf1DProfiles = false, direct = false, host = false;
    std::set<int> timeModes;
    for (const ModelPlot& plot : model.plots) {
        const PlotDefinition& d = plot.definition;
        const int plotted = d.plottedNames.GetSize();
        bool twoWildcards = false;
        for (const CString& path : d.plottedVariables)
            twoWildcards = twoWildcards || IsTwoWildcardPath(path);
        twoD = twoD || d.is3DPlot == 0;
        threeDAgainstTime = threeDAgainstTime || (d.is3DPlot && d.yAxisIsTime && plotted == 1);
        twoWildcardsAgainstTime = twoWildcardsAgainstTime || (d.is3DPlot && d.yAxisIsTime && twoWildcards);
        surfaceOf2DProfile = surfaceOf2DProfile
            || (d.is3DPlot && !d.yAxisIsTime && plotted == 1 && d.plottedDimensions[0] == 2);
        surfaceOf1DProfiles = surfaceOf1DProfiles || (d.is3DPlot && !d.yAxisIsTime && plotted > 1);
        direct = direct || plot.access == PlotAccess::Direct;
        host = host || plot.access == PlotAccess::Host;
        timeModes.insert(d.timeMode);
    }
    QVERIFY(twoD);
    QVERIFY(threeDAgainstTime);
    QVERIFY(twoWildcardsAgainstTime);
    QVERIFY(surfaceOf2DProfile);
    QVERIFY(surfaceOf1DProfiles);
    QVERIFY(direct);
    QVERIFY(host);
    QCOMPARE(timeModes, (std::set<int>{0, 1, 2}));
}

void WorkbenchModelFileTest::everySamplePlotIsADefinitionTheEditorAccepts()
{
    const WorkbenchModel model = ReadSample();
    HostModel registry;
    QString error;
    QVERIFY2(FillHostModel(model, registry, &error), qPrintable(error));
    for (const ModelPlot& plot : model.plots) {
        const QStringList problems = PlotProblems(plot, registry);
        QVERIFY2(problems.isEmpty(), qPrintable(plot.name.ToQString() + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
    }
}

void WorkbenchModelFileTest::writingAndReadingGivesBackAnEqualModel()
{
    const WorkbenchModel sample = ReadSample();
    const QByteArray written = WriteModelFile(sample);
    WorkbenchModel reread;
    QString error;
    QVERIFY2(ReadModelFile(written, reread, error), qPrintable(error));
    QVERIFY(reread == sample);
    QCOMPARE(WriteModelFile(reread), written);
}

void WorkbenchModelFileTest::definitionsTheEditorWouldRefuseStillSurviveTheRoundTrip()
{
    WorkbenchModel model = ReadSample();
    PlotDefinition& edited = model.plots.front().definition;
    // Arrays that disagree, a path that is not in the model, a 2-D profile in a 2-d plot.
    edited.plottedCounts.Add(7);
    edited.unassignedNames.Add("Typed by hand");
    edited.unassignedDimensions.Add(2);
    edited.unassignedCounts.Add(1);
    edited.unassignedVariables.Add("NoSuchVariable(1)");
    edited.timeEntries = CStringArray{"12,5", "1e3"};

    WorkbenchModel reread;
    QString error;
    QVERIFY2(ReadModelFile(WriteModelFile(model), reread, error), qPrintable(error));
    QVERIFY(reread == model);
}

void WorkbenchModelFileTest::malformedFilesAreRefusedNamingThePlace_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");

    const QByteArray block = R"j({"path": "B", "variables": [{"name": "T", "extents": [5]}]})j";
    const auto withPlot = [&block](const QByteArray& plot) {
        return QByteArray(R"j({"blocks": [)j") + block + R"j(], "plots": [)j" + plot + "]}";
    };
    const QByteArray definition = R"j("definition": {"timeMode": 0, "timeEntries": ["L"]})j";

    QTest::newRow("syntax error on line 3") << QByteArray("{\n  \"blocks\": [\n    {\"path\": \"B\",}\n  ]\n}")
                                            << QStringLiteral("line 3, column");
    QTest::newRow("not an object") << QByteArray("[]") << QStringLiteral("must hold one JSON object");
    QTest::newRow("empty file") << QByteArray("") << QStringLiteral("JSON syntax error at line 1");
    QTest::newRow("no blocks") << QByteArray("{}") << QStringLiteral("the model has no \"blocks\"");
    QTest::newRow("unknown key") << QByteArray(R"j({"blocks": [], "version": 2})j")
                                 << QStringLiteral("unknown key \"version\"");
    QTest::newRow("blocks not an array") << QByteArray(R"j({"blocks": {}})j")
                                         << QStringLiteral("blocks: expected an array, found an object");
    QTest::newRow("block without path") << QByteArray(R"j({"blocks": [{"variables": []}]})j")
                                        << QStringLiteral("blocks[0]: \"path\" is missing");
    QTest::newRow("block path with an empty part") << QByteArray(R"j({"blocks": [{"path": "A..B"}]})j")
                                                   << QStringLiteral("blocks[0].path: The block path \"A..B\"");
    QTest::newRow("same block twice") << QByteArray(R"j({"blocks": [{"path": "B"}, {"path": "b"}]})j")
                                      << QStringLiteral("blocks[1].path: The block \"b\" exists already");
    QTest::newRow("variable name with a subscript")
        << QByteArray(R"j({"blocks": [{"path": "B", "variables": [{"name": "T(1)"}]}]})j")
        << QStringLiteral("blocks[0].variables[0]: The variable name \"T(1)\"");
    QTest::newRow("same variable twice, other case")
        << QByteArray(R"j({"blocks": [{"path": "B", "variables": [{"name": "T"}, {"name": "t"}]}]})j")
        << QStringLiteral("blocks[0].variables[1]: The block \"B\" holds a variable \"t\" already");
    QTest::newRow("extent of zero")
        << QByteArray(R"j({"blocks": [{"path": "B", "variables": [{"name": "T", "extents": [3, 0]}]}]})j")
        << QStringLiteral("blocks[0].variables[0].extents[1]: expected a whole number from 1 to 1000000");
    QTest::newRow("fractional extent")
        << QByteArray(R"j({"blocks": [{"path": "B", "variables": [{"name": "T", "extents": [2.5]}]}]})j")
        << QStringLiteral("extents[0]: expected a whole number");
    QTest::newRow("widenable two-subscript array")
        << QByteArray(R"j({"blocks": [{"path": "B", "variables": [{"name": "X", "extents": [2, 2], "widenable": true}]}]})j")
        << QStringLiteral("blocks[0].variables[0].widenable: only an array with one subscript can be widenable");
    QTest::newRow("widenable as text")
        << QByteArray(R"j({"blocks": [{"path": "B", "variables": [{"name": "T", "extents": [2], "widenable": "yes"}]}]})j")
        << QStringLiteral("widenable: expected true or false, found a string");
    QTest::newRow("plots not an array") << QByteArray(R"j({"blocks": [], "plots": 3})j")
                                        << QStringLiteral("plots: expected an array, found a number");
    QTest::newRow("plot without name")
        << withPlot(R"j({"owner": "B", "context": "B.P", "access": "direct", )j" + definition + "}")
        << QStringLiteral("plots[0]: \"name\" is missing");
    QTest::newRow("plot with empty name")
        << withPlot(R"j({"name": "", "owner": "B", "context": "B.P", "access": "direct", )j" + definition + "}")
        << QStringLiteral("plots[0].name: a plot needs a name");
    QTest::newRow("same plot name twice")
        << withPlot(R"j({"name": "P", "owner": "B", "context": "B.P", "access": "direct", )j" + definition + R"j(},
                    {"name": "P", "owner": "B", "context": "B.Q", "access": "host", )j" + definition + "}")
        << QStringLiteral("plots[1].name: a plot named \"P\" exists already");
    QTest::newRow("owner that is no block")
        << withPlot(R"j({"name": "P", "owner": "Nowhere", "context": "B.P", "access": "direct", )j" + definition + "}")
        << QStringLiteral("plots[0].owner: there is no block \"Nowhere\"");
    QTest::newRow("unknown access")
        << withPlot(R"j({"name": "P", "owner": "B", "context": "B.P", "access": "remote", )j" + definition + "}")
        << QStringLiteral("plots[0].access: expected \"direct\" or \"host\", found \"remote\"");
    QTest::newRow("context not text")
        << withPlot(R"j({"name": "P", "owner": "B", "context": 4, "access": "direct", )j" + definition + "}")
        << QStringLiteral("plots[0].context: expected a string, found a number");
    QTest::newRow("definition missing")
        << withPlot(R"j({"name": "P", "owner": "B", "context": "B.P", "access": "direct"})j")
        << QStringLiteral("plots[0]: \"definition\" is missing");
    QTest::newRow("bad profile dimension")
        << withPlot(R"j({"name": "P", "owner": "B", "context": "B.P", "access": "direct",
                        "definition": {"plotted": [{"name": "A", "dimension": "two"}]}})j")
        << QStringLiteral("plots[0].definition: plotted[0].dimension: expected a whole number");
    QTest::newRow("unknown plot key")
        << withPlot(R"j({"name": "P", "owner": "B", "context": "B.P", "access": "direct", "colour": 1, )j" + definition + "}")
        << QStringLiteral("plots[0]: unknown key \"colour\"");
}

void WorkbenchModelFileTest::malformedFilesAreRefusedNamingThePlace()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    WorkbenchModel model = ReadSample();
    const WorkbenchModel before = model;
    QString error;
    QVERIFY(!ReadModelFile(text, model, error));
    QVERIFY2(error.contains(expected), qPrintable(error));
    QVERIFY(model == before);
}

void WorkbenchModelFileTest::fileErrorsNameTheFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    WorkbenchModel model;
    QString error;
    const QString missing = folder.filePath(QStringLiteral("missing.json"));
    QVERIFY(!LoadModelFile(missing, model, error));
    QVERIFY2(error.contains(QStringLiteral("Cannot read the model file \"%1\"").arg(missing)), qPrintable(error));

    const QString broken = folder.filePath(QStringLiteral("broken.json"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"blocks\": [\n  nonsense\n]}");
    file.close();
    QVERIFY(!LoadModelFile(broken, model, error));
    QVERIFY2(error.contains(broken) && error.contains(QStringLiteral("line 2")), qPrintable(error));
}

void WorkbenchModelFileTest::savingToAMissingFolderFailsWithAMessage()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("no/such/folder/model.json"));
    QString error;
    QVERIFY(!SaveModelFile(path, ReadSample(), error));
    QVERIFY2(error.contains(path), qPrintable(error));

    const QString good = folder.filePath(QStringLiteral("model.json"));
    QVERIFY2(SaveModelFile(good, ReadSample(), error), qPrintable(error));
    WorkbenchModel reread;
    QVERIFY2(LoadModelFile(good, reread, error), qPrintable(error));
    QVERIFY(reread == ReadSample());
}

QTEST_GUILESS_MAIN(WorkbenchModelFileTest)
#include "tst_workbenchmodelfile.moc"
