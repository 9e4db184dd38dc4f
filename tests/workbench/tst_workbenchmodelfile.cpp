// The workbench's model file: the sample model, the round trip, files that
// must be refused with a message that names the place, and the checks a plot
// definition gets: the editor's plot rules (the same verdicts as the editor's,
// but where the workbench differs on purpose), the paths against the model and
// the time entries against the time mode. And results files: the name forms
// simulators write, the faults that refuse a file (naming line and column), and
// a model file that refers to one. What the plots draw, without widgets: the
// times of each time mode, the values of elements, what each sample plot holds
// and the reason a refused definition gives. And large models: the host model's
// compact store, the model browser and the variable finder as views over it
// (rows made on demand, none stored per variable), the file read block by block.

#include "hostlib/jsonstreamwriter.h"
#include "hostlib/plotdefinitionjson.h"
#include "support/projecttest.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/samplemodel.h"
#include "workbench/app/variablefinder.h"
#include "workbench/app/variablefindermodel.h"
#include "workbench/model/heapinlargepages.h"
#include "workbench/model/modelfile.h"
#include "workbench/model/plotcheck.h"
#include "workbench/model/resultsfile.h"
#include "workbench/plot/drawntimes.h"
#include "workbench/plot/plotdata.h"
#include "workbench/plot/simulatedvalues.h"

#include "host/interfaces/modelvariable.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <cmath>
#include <memory>

namespace {

const QString PathFormat = QStringLiteral("Lumen Variable Path Format");

// Blocks "Area<b/10>.Unit<b>" of `perBlock` variables V0.. cycling through a
// scalar, a widenable T(20), an array of 1500 and a 20 x 3 array.
QByteArray GeneratedModel(int blocks, int perBlock)
{
    QByteArray text = "{\"blocks\": [";
    for (int b = 0; b < blocks; ++b) {
        text += (b == 0 ? "" : ",\n") + QByteArray("{\"path\": \"Area") + QByteArray::number(b / 10) + ".Unit"
            + QByteArray::number(b) + "\", \"variables\": [";
        for (int v = 0; v < perBlock; ++v) {
            static const char* const kinds[]
                = {"", ", \"extents\": [20], \"widenable\": true", ", \"extents\": [1500]", ", \"extents\": [20, 3]"};
            text += (v == 0 ? "" : ",") + QByteArray("{\"name\": \"V") + QByteArray::number(v) + "\"" + kinds[v % 4]
                + "}";
        }
        text += "]}";
    }
    return text + "]}";
}

WorkbenchModel Read(const QByteArray& text)
{
    WorkbenchModel model;
    QString error;
    if (!ReadModelFile(text, model, error))
        qFatal("the model does not load: %s", qPrintable(error));
    return model;
}

const QByteArray SmallModel = R"j({"blocks": [
    {"path": "Column", "variables": [
        {"name": "T", "extents": [20], "widenable": true}, {"name": "x", "extents": [2, 3]}, {"name": "R"},
        {"name": "Long", "extents": [1500]}]},
    {"path": "Reactor.Jacket", "variables": [{"name": "Überhitzer"}, {"name": "T", "extents": [50]}]}]})j";

QByteArray Payload(QMimeData* data)
{
    std::unique_ptr<QMimeData> owned(data);
    return owned ? owned->data(PathFormat) : QByteArray("(no data)");
}

// Block B: T(5) and Z(5) one-subscript, X(5,3) two-subscript, S scalar.
ModelPlot PlotInBlockB(HostModel& registry, const QByteArray& definition, bool hostAccess)
{
    registry.AddBlock("B");
    for (const HostModel::Variable& variable : {HostModel::Variable {"T", 0, {5}}, HostModel::Variable {"Z", 0, {5}},
             HostModel::Variable {"X", 0, {5, 3}}, HostModel::Variable {"S", 0, {}}})
        registry.AddVariable("B", variable);
    ModelPlot plot {"P", "B", "B.P", hostAccess ? PlotAccess::Host : PlotAccess::Direct, {}};
    QString error;
    if (!PlotDefinitionFromJsonText(definition, plot.definition, error))
        qWarning("%s", qPrintable(error));
    return plot;
}

// "Block.name[extents] time:value,value|time:..." for each table, NaN as "-".
QString Dump(const ResultsData& results)
{
    QStringList tables;
    for (const GivenValues& table : results.values) {
        const auto match = results.blocks.FindVariable(table.variable);
        uint64_t elements = 0;
        HostModel::CountElements(match->variable.extents, elements);
        QStringList extents, rows;
        for (UINT extent : match->variable.extents)
            extents << QString::number(extent);
        for (size_t row = 0; row < table.rowCount(); ++row) {
            QStringList values;
            for (uint64_t element = 0; element < elements; ++element) {
                const double value = table.At(row, element);
                values << (std::isnan(value) ? QStringLiteral("-") : QString::number(value));
            }
            rows << QString::number(table.Times()[row]) + ":" + values.join(',');
        }
        tables << table.variable.ToQString() + "[" + extents.join(',') + "] " + rows.join('|');
    }
    return tables.join(QStringLiteral("; "));
}

} // namespace

class WorkbenchModelFileTest : public QObject {
    Q_OBJECT
private slots:
    // The sample's plots of every kind and time mode are drawn below, and opened
    // with either access by tst_workbenchwindow.
    void sampleFillsTheHostModelAndEveryPlotIsValid()
    {
        HostModel registry;
        QString error;
        QVERIFY2(FillHostModel(m_sample, registry, &error), qPrintable(error));
        // Extents and "widenable" reach the registry as the file gives them.
        const auto temperatures = registry.FindVariable("Column.T"), compositions = registry.FindVariable("Column.x");
        QCOMPARE(temperatures->variable.attributes, ModelVariableWidenableAttribute);
        QCOMPARE(compositions->variable.extents, (std::vector<UINT> {20, 3}));
        QCOMPARE(compositions->variable.attributes, 0u);
        for (const ModelPlot& plot : m_sample.plots) {
            const QStringList problems = PlotProblems(plot, registry);
            QVERIFY2(
                problems.isEmpty(), qPrintable(plot.name.ToQString() + ": " + problems.join(QStringLiteral("; "))));
        }
    }

    void numbersAreWrittenAsADocumentWritesThem()
    {
        const std::vector<double> numbers {0.1, -0.0, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, -2.5e-7,
            3600.0, -3.0, 1e15, 9007199254740992.0, 9007199254740994.0, 1e16, 123456789012345678.0, 1e20, 1e21, -1e300};
        QJsonArray expected;
        for (double number : numbers)
            expected.append(number);
        QBuffer written;
        written.open(QIODevice::WriteOnly);
        JsonStreamWriter out(written);
        out.OpenArray();
        for (double number : numbers)
            out.Number(number);
        out.Close();
        QVERIFY(out.Finish());
        QCOMPARE(written.data(), QJsonDocument(expected).toJson(QJsonDocument::Indented));
    }

    void malformedFilesAreRefusedNamingThePlace_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");

        const auto row = [](const char* name, const QByteArray& text, const char* expected) {
            QTest::newRow(name) << text << QString::fromUtf8(expected);
        };
        const auto withVariable = [](const QByteArray& variable) {
            return R"j({"blocks": [{"path": "B", "variables": [)j" + variable + "]}]}";
        };
        const auto withPlots
            = [](const QByteArray& plots) { return R"j({"blocks": [{"path": "B"}], "plots": [)j" + plots + "]}"; };
        const QByteArray definition = R"j("definition": {"timeMode": 0, "timeEntries": ["L"]})j";
        const QByteArray plot
            = R"j({"name": "P", "owner": "B", "context": "B.P", "access": "direct", )j" + definition + "}";

        row("syntax error on line 3", "{\n  \"blocks\": [\n    {\"path\": \"B\",}\n  ]\n}", "line 3, column");
        row("not an object", "[]", "must hold one JSON object");
        row("no blocks", "{}", "the model has no \"blocks\"");
        row("unknown key", R"j({"blocks": [], "version": 2})j", "unknown key \"version\"");
        row("blocks not an array", R"j({"blocks": {}})j", "blocks: expected an array, found an object");
        row("block without path", R"j({"blocks": [{"variables": []}]})j", "blocks[0]: \"path\" is missing");
        // Blocks are read one by one; a fault anywhere is still reported as the
        // whole file would report it: a syntax error before any block's fault.
        row("fault in a later block", R"j({"blocks": [{"path": "A"}, {"path": "B", "variables": [{"name": 3}]}]})j",
            "blocks[1].variables[0].name: expected a string, found a number");
        row("syntax error after a faulty block",
            "{\"blocks\": [{\"path\": \"A\", \"size\": 1},\n {\"path\": \"B\"}],\n \"plots\": [}", "line 3, column");
        // A key given twice would have one of its values dropped without a word.
        row("blocks twice", R"j({"blocks": [], "blocks": {}})j",
            "duplicate key \"blocks\" at line 1, column 16 (offset 15)");
        row("plots twice, the first dropped",
            "{\"blocks\": [{\"path\": \"B\"}],\n \"plots\": [" + plot + "],\n \"plots\": []}",
            ("duplicate key \"plots\" at line 3, column 2 (offset " + QByteArray::number(43 + plot.size()) + ")")
                .constData());
        row("path twice in a block", R"j({"blocks": [{"path": "A", "path": "B"}]})j",
            "blocks[0]: duplicate key \"path\" at line 1, column 27 (offset 26)");
        row("key twice in a later variable", withVariable(R"j({"name": "T"}, {"name": "U", "name": "V"})j"),
            "blocks[0].variables[1]: duplicate key \"name\" at line 1, column 70 (offset 69)");
        row("key twice, once escaped", R"j({"blocks": [], "bl\u006fcks": []})j", "duplicate key \"blocks\" at line 1");
        row("key twice in a definition",
            withPlots(QByteArray(plot).replace(definition, R"j("definition": {"timeMode": 0, "timeMode": 1})j")),
            "plots[0].definition: duplicate key \"timeMode\"");
        const auto withValues = [&](const QByteArray& values) {
            return withVariable(R"j({"name": "X", "extents": [2, 2]}, {"name": "S"})j").chopped(1)
                + R"j(, "values": [)j" + values + "]}";
        };
        row("key twice in given values",
            withValues(R"j({"variable": "B.S", "times": [0], "rows": [[1]], "rows": [[2]]})j"),
            "values[0]: duplicate key \"rows\" at line 1");
        row("values of an element missing", withValues(R"j({"variable": "B.X", "times": [0], "rows": [[1, 2, 3]]})j"),
            "values[0].rows[0]: expected 4 values, one per element, found 3");
        row("values of no variable", withValues(R"j({"variable": "B.Y", "times": [0], "rows": [[1]]})j"),
            "values[0].variable: there is no variable \"B.Y\" (a full path without subscripts)");
        row("values at a repeated time", withValues(R"j({"variable": "B.S", "times": [5, 5], "rows": [[1], [2]]})j"),
            "values[0].times[1]: times must increase");
        row("fewer rows than times", withValues(R"j({"variable": "B.S", "times": [0, 5], "rows": [[1]]})j"),
            "values[0].rows: expected 2 rows, one per time, found 1");
        row("values of a variable twice",
            withValues(
                R"j({"variable": "B.S", "times": [0], "rows": [[1]]}, {"variable": "b.s", "times": [0], "rows": [[1]]})j"),
            "values[1].variable: the values of \"b.s\" are given already");
        row("block not an object", R"j({"blocks": [{"path": "A"}, "B"]})j",
            "blocks[1]: expected an object, found a string");
        row("variable name with a subscript", withVariable(R"j({"name": "T(1)"})j"),
            "blocks[0].variables[0]: The variable name \"T(1)\"");
        row("NUL inside a variable name", withVariable(R"j({"name": "T\u0000"})j"),
            "blocks[0].variables[0]: The variable name \"T\\u0000\" in \"B\" is not valid");
        row("NUL inside a variable name beside the name before it",
            withVariable(R"j({"name": "T"}, {"name": "T\u0000"})j"),
            "blocks[0].variables[1]: The variable name \"T\\u0000\"");
        row("NUL inside a block path", R"j({"blocks": [{"path": "Col\u0000umn"}]})j",
            "blocks[0].path: The block path \"Col\\u0000umn\" is not valid");
        row("blank variable name", withVariable(R"j({"name": " "})j"),
            "blocks[0].variables[0]: The variable name \" \" in \"B\" is not valid");
        row("blank part of a block path", R"j({"blocks": [{"path": "Column. "}]})j",
            "blocks[0].path: The block path \"Column. \" is not valid");
        row("same variable twice, other non-ASCII case",
            withVariable(R"j({"name": "Überhitzer"}, {"name": "überhitzer"})j"),
            "blocks[0].variables[1]: The block \"B\" holds a variable \"überhitzer\" already");
        row("same block twice, other non-ASCII case", R"j({"blocks": [{"path": "Kühler"}, {"path": "KÜHLER"}]})j",
            "blocks[1].path: The block \"KÜHLER\" exists already");
        row("extent of zero", withVariable(R"j({"name": "T", "extents": [3, 0]})j"),
            "blocks[0].variables[0].extents[1]: expected a whole number from 1 to 1000000");
        // Extents whose product wraps a 64-bit count would read as a few elements.
        row("elements past a 64-bit count", withVariable(R"j({"name": "X", "extents": [65536, 65536, 65536, 65536]})j"),
            "blocks[0].variables[0]: The variable \"X\" in \"B\" has too many elements: the product of its extents is "
            "larger than 9223372036854775807");
        row("elements past a signed 64-bit count",
            withVariable(R"j({"name": "X", "extents": [1000000, 1000000, 1000000, 10]})j"),
            "blocks[0].variables[0]: The variable \"X\" in \"B\" has too many elements");
        row("extent past the largest", withVariable(R"j({"name": "X", "extents": [4294967297]})j"),
            "blocks[0].variables[0].extents[0]: expected a whole number from 1 to 1000000, found a number");
        row("widenable two-subscript array", withVariable(R"j({"name": "X", "extents": [2, 2], "widenable": true})j"),
            "blocks[0].variables[0].widenable: only an array with one subscript can be widenable");
        row("widenable scalar", withVariable(R"j({"name": "X", "widenable": true})j"),
            "blocks[0].variables[0].widenable: only an array with one subscript can be widenable");
        row("plot without name", withPlots(QByteArray(plot).replace(R"j("name": "P", )j", "")),
            "plots[0]: \"name\" is missing");
        row("blank plot name", withPlots(QByteArray(plot).replace(R"j("name": "P")j", R"j("name": "  ")j")),
            "plots[0].name: a plot needs a name that is not blank");
        row("number shown with every digit",
            withPlots(QByteArray(plot).replace(definition, R"j("definition": {"maxTimePoints": 2147483648})j")),
            "plots[0].definition: maxTimePoints: expected a whole number from -2147483648 to 2147483647, found the "
            "number 2147483648");
        row("same plot name twice", withPlots(plot + ", " + plot), "plots[1].name: a plot named \"P\" exists already");
        row("owner that is no block", withPlots(QByteArray(plot).replace("\"B\"", "\"Nowhere\"")),
            "plots[0].owner: there is no block \"Nowhere\"");
        row("unknown access", withPlots(QByteArray(plot).replace("direct", "remote")),
            "plots[0].access: expected \"direct\" or \"host\", found \"remote\"");
        row("bad profile dimension",
            withPlots(QByteArray(plot).replace(
                definition, R"j("definition": {"plotted": [{"name": "A", "dimension": "two"}]})j")),
            "plots[0].definition: plotted[0].dimension: expected a whole number");
    }

    void malformedFilesAreRefusedNamingThePlace()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        WorkbenchModel model = m_sample;
        const WorkbenchModel before = model;
        QString error;
        QVERIFY(!ReadModelFile(text, model, error));
        QVERIFY2(error.contains(expected), qPrintable(error));
        QVERIFY(model == before);
    }

    void onlyRegularFilesWithinTheLimitAreRead()
    {
        QTemporaryDir folder;
        const QString pipe = folder.filePath(QStringLiteral("pipe.json"));
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const QString large = folder.filePath(QStringLiteral("large.json"));
        const QByteArray text = WriteModelFile(m_sample);
        QVERIFY(WriteTestFile(large, text));

        // A device would be read without end, a pipe would block; neither is read.
        WorkbenchModel model;
        QString error;
        for (const QString& path : {QStringLiteral("/dev/zero"), pipe}) {
            QVERIFY(!LoadModelFile(path, model, error));
            QVERIFY2(error.contains(QStringLiteral("is not a regular file")), qPrintable(error));
        }
        QVERIFY(!LoadModelFile(large, model, error, text.size() - 1));
        QVERIFY2(error.contains(QStringLiteral("is larger than %1 bytes").arg(text.size() - 1)), qPrintable(error));
        QVERIFY2(LoadModelFile(large, model, error, text.size()), qPrintable(error));
        // What saving refuses is the command line's (tst_workbenchrun) and the window's.
    }

    void definitionsAreCheckedAsTheEditorChecksThem_data()
    {
        QTest::addColumn<QByteArray>("definition");
        QTest::addColumn<bool>("hostAccess");
        QTest::addColumn<QString>("editor"); // the editor's refusal on one line, as the workbench tells it; empty: none
        QTest::addColumn<QString>("workbench"); // the problems only the workbench sees, one a line

        // Plot rows: continuous update, direct access. Time rows: one plotted profile, the given
        // time settings, access through the plot host. Valid plots of every kind are the sample model's.
        const auto plot = [](const char* name, const QByteArray& parts, const char* expected, const char* editor = "") {
            QTest::newRow(name) << "{" + parts + R"j(, "timeMode": 0, "timeEntries": ["L"]})j" << false
                                << QString::fromUtf8(editor) << QString::fromUtf8(expected);
        };
        const auto time = [](const char* name, const QByteArray& parts, const char* expected, bool host = true) {
            QTest::newRow(name) << R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], )j" + parts + "}" << host
                                << QString() << QString::fromUtf8(expected);
        };
        const QByteArray oneProfile = R"j("plotted": [{"name": "A", "variables": ["T(*)"]}])j";

        plot("2-d plot whose y axis is not time", R"j("yAxisIsTime": 0, )j" + oneProfile,
            "\"yAxisIsTime\" must be nonzero");
        plot("2-d plot with a y-axis profile", R"j("yAxis": {"name": "Rows", "variables": ["T(*)"]}, )j" + oneProfile,
            "the y-axis profile \"Rows\" needs a 3-d plot whose y axis is not time");
        plot("path not in the model", R"j("plotted": [{"name": "A", "variables": ["T(1)", "Q(1)"]}])j",
            "the variable \"Q(1)\" of the profile \"A\" is not in the model (looked for in block \"B\")");
        plot("subscript past the extent", R"j("plotted": [{"name": "A", "variables": ["T(6)"]}])j",
            "the variable \"T(6)\"");
        plot("full path", R"j("plotted": [{"name": "A", "variables": ["B.T(1)", "b.t(2)"]}])j", "");
        plot("arrays that disagree",
            R"j("plotted": {"names": ["A"], "dimensions": [1], "counts": [2], "variables": ["T(1)"]})j",
            "the plotted profiles' names, dimensions, counts and variables do not agree");
        plot("no points to keep", oneProfile + R"j(, "maxTimePoints": 0)j", "at least 1, not 0");

        time("continuous update with times", R"j("timeMode": 0, "timeEntries": ["0"])j",
            "the time entries are exactly [\"L\"]");
        time("specified times, one negative", R"j("timeMode": 1, "timeEntries": ["0", "-5"])j",
            "the time entry \"-5\" is not a time of 0 or more");
        time("interval without the star", R"j("timeMode": 2, "timeEntries": ["10", "30"])j",
            "the start time followed by \"*\"");
        time("specified times, not finite", R"j("timeMode": 1, "timeEntries": ["nan", "inf"])j",
            "the time entry \"nan\" is not a time of 0 or more\nthe time entry \"inf\" is not a time of 0 or more");
        time("interval not finite", R"j("timeMode": 2, "timeEntries": ["inf*", "nan"])j",
            "the start time \"inf*\" is not a time of 0 or more\nthe interval \"nan\" is not greater than zero");
        time("interval of zero", R"j("timeMode": 2, "timeEntries": ["0*", "0"])j",
            "the interval \"0\" is not greater than zero");
        time("unknown time mode", R"j("timeMode": 3, "timeEntries": ["L"])j", "the time mode 3 is not 0, 1 or 2");

        // Every path exists in block B, every time entry fits its mode. (Valid plots
        // of every kind, through either access, are the sample's.)
        const auto row = [](const char* name, const QByteArray& parts, const char* editor, bool host = true,
                             const QByteArray& times = R"j("timeMode": 0, "timeEntries": ["L"])j",
                             const char* workbenchOnly = "") {
            QTest::newRow(name) << "{" + parts + ", " + times + "}" << host << QString::fromUtf8(editor)
                                << QString::fromUtf8(workbenchOnly);
        };
        const QByteArray axisX = R"j("xAxis": {"name": "Position", "variables": ["Z(*)"]})j";
        const QByteArray surface = R"j("is3DPlot": 1, "yAxisIsTime": 0, )j" + axisX
            + R"j(, "yAxis": {"name": "Rows", "variables": ["T(*)"]}, )j";
        const QByteArray againstTime = R"j("is3DPlot": 1, "yAxisIsTime": 1, )j" + axisX + ", ";
        const QByteArray one = R"j({"name": "A", "variables": ["T(*)"]})j";
        const QByteArray map = R"j({"name": "Map", "dimension": 2, "variables": ["X(*,*)"]})j";
        const QByteArray plotted = R"j("plotted": [)j";

        row("2-d plot of a 2-D profile", plotted + map + "]",
            "All of the profiles must be 1d profiles unless you have selected a 3d plot where the y axis does not "
            "represent time");
        row("3-d against time with a y-axis profile",
            againstTime + R"j("yAxis": {"name": "Rows", "variables": ["T(*)"]}, )j" + plotted + one + "]",
            "You have specified a profile for the Y axis but have selected the 'Y axis is time' option. Either "
            "remove the profile from the y axis or select the 'Y axis: specify profile' option");
        row("surface of nothing", surface + R"j("plotted": [])j", "");
        row("2-d plot of a single plain variable", R"j("plotted": [{"name": "One", "variables": ["S"]}])j", "");
        // Without the plot host the editor shows continuous update whatever the
        // definition says: it cannot show these as they are.
        row("specified times without the plot host", plotted + one + "]", "", false,
            R"j("timeMode": 1, "timeEntries": ["0"])j", "time mode 1 needs access \"host\"");
        row("interval without the plot host", plotted + one + "]", "", false,
            R"j("timeMode": 2, "timeEntries": ["0*", "30"])j", "time mode 2 needs access \"host\"");
    }

    void definitionsAreCheckedAsTheEditorChecksThem()
    {
        QFETCH(QByteArray, definition);
        QFETCH(bool, hostAccess);
        QFETCH(QString, editor);
        QFETCH(QString, workbench);
        HostModel registry;
        const ModelPlot plot = PlotInBlockB(registry, definition, hostAccess);
        QStringList problems = PlotProblems(plot, registry);
        // The editor's refusal, where it refuses, comes first as the editor words it.
        if (!editor.isEmpty()) {
            QVERIFY2(!problems.isEmpty() && problems.takeFirst() == "the editor refuses it: " + editor,
                qPrintable(problems.join('\n')));
        }
        // The rest is what only the workbench sees.
        QVERIFY2(problems.join('\n').contains(workbench), qPrintable(problems.join('\n')));
        QCOMPARE(problems.size(), workbench.isEmpty() ? 0 : workbench.count('\n') + 1);
    }

    void resultsFilesLoadOrAreRefusedNamingLineAndColumn_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected"); // the tables read, or why the file is refused
        QTest::addColumn<QString>("skipped");

        // Extents are the largest subscripts; elements never given are missing.
        QTest::newRow("host form, commas, quoted, empty and nan missing")
            << QByteArray("time,Column.T(1),Column.T(3),\"Column.x(2,1)\",Column.R\n0,1,2,3,4\n10,5,,7,nan\n")
            << "Column.T[3] 0:1,-,2|10:5,-,-; Column.x[2,1] 0:-,3|10:-,7; Column.R[] 0:4|10:-"
            << "";
        QTest::newRow("bracket form, semicolons, own block, names passed over")
            << QByteArray("Time;column.T[2];x[1,2];tank.level;der(x);a[1](2)\n0;1;2;3;4;5\n")
            << "column.T[2] 0:-,1; run1.x[1,2] 0:-,2; tank.level[] 0:3"
            << "\"der(x)\", \"a[1](2)\"";
        // A repeated time (an event): the later row takes the earlier one's place.
        QTest::newRow("tabs, CRLF, quotes with quotes, repeated time, numbers as C reads them")
            << QByteArray("\"TIME\"\t\"der(\"\"x\"\")\"\tB.v\r\n0\t 1e-3 \t+2\r\n5\t1\t2\r\n5\t0x10\t\r\n\r\n")
            << "B.v[] 0:2|5:-"
            << "\"der(\\\"x\\\")\"";

        const auto row = [](const char* name, const QByteArray& text, const char* expected) {
            QTest::newRow(name) << text << QString::fromUtf8(expected) << QString();
        };
        row("empty", "\n\n", "line 1, column 1: the file is empty");
        row("no header", "0,1\n",
            "line 1, column 1: the first row must name the columns, the first one \"time\", not \"0\"");
        row("no rows", "time,A.x\n", "line 1, column 1: the file names its columns but holds no rows of values");
        row("row too short", "time,A.x,A.y\n0,1,2\n1,2\n",
            "line 3, column 3: the row ends after 2 cells; the header names 3");
        row("row too long", "time,A.x\n0,1,2\n",
            "line 2, column 3: the row has more cells than the 2 the header names");
        row("not a number", "time,A.x\n0,1\n1,1.5.2\n", "line 3, column 2: \"1.5.2\" is not a number");
        row("decimal comma", "time;A.x\n0;1,5\n", "line 2, column 2: \"1,5\" is not a number");
        row("quote not closed", "time,A.x\n0,\"1\n", "line 2, column 2: a quote is not closed on its line");
        row("missing time", "time,A.x\n,1\n", "line 2, column 1: the time must be a number of seconds");
        row("decreasing time", "time,A.x\n0,1\n5,1\n4,1\n",
            "line 4, column 1: the time 4 is before the time 5 above it: times must not decrease");
        row("same column twice", "time,A.T(2),a.t[2]\n0,1,2\n",
            "line 1, column 3: \"a.t[2]\" names the same element as column 2");
        row("subscript 0", "time,A.T(0)\n0,1\n",
            "line 1, column 2: the subscript 0 of \"A.T(0)\" is outside 1 to 1000000");
        row("subscript above the largest", "time,A.x,A.T[1000001]\n0,1,2\n",
            "line 1, column 3: the subscript 1000001 of \"A.T[1000001]\" is outside 1 to 1000000");
        row("subscripts that disagree", "time,A.T(1),\"A.T(1,2)\"\n0,1,2\n",
            "line 1, column 3: \"A.T(1,2)\" gives 2 subscripts where column 2 gave 1");
        // Lines count from the file's first, over empty lines and a header whose
        // quotes hold a line break.
        row("lines counted over breaks in quotes", "\n\"time\",\"A.\nx\"\n\n0,abc\n",
            "line 5, column 2: \"abc\" is not a number");
    }

    void resultsFilesLoadOrAreRefusedNamingLineAndColumn()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QFETCH(QString, skipped);
        ResultsData results;
        results.skippedCount = 7;
        QString error;
        QBuffer device;
        device.setData(text);
        device.open(QIODevice::ReadOnly);
        if (ReadResults(device, CString("run1"), results, error)) {
            QCOMPARE(Dump(results), expected);
            QCOMPARE(results.firstSkipped.join(QStringLiteral(", ")), skipped);
        } else {
            // A refused file leaves what it was to fill as it was.
            QCOMPARE(error, expected);
            QCOMPARE(results.skippedCount, size_t(7));
        }
    }

    void aModelFileFindsItsResultsAndSavesOnlyItsOwnPart()
    {
        QTemporaryDir folder;
        const QString resultsPath = folder.filePath(QStringLiteral("run1.csv"));
        QByteArray results = "time,Column.T(1),Column.T(2),Column.Qc,der(x)\n";
        for (int row = 0; row < 1000; ++row)
            results += QByteArray::number(row) + ",1,2,3,4\n";
        QVERIFY(WriteTestFile(resultsPath, results));
        // Blocks left out; a listed block is added, and a listed variable the
        // results give too lends them its attributes.
        const QByteArray text = R"j({"results": "run1.csv", "blocks": [{"path": "Column", "variables": [
            {"name": "T", "extents": [2], "widenable": true}, {"name": "z", "extents": [2]}]}, {"path": "Tank"}],
            "plots": [{"name": "P", "owner": "Column", "context": "Column.P", "access": "direct",
            "definition": {"timeMode": 0, "timeEntries": ["L"]}}],
            "values": [{"variable": "Column.z", "times": [0], "rows": [[1, 2]]}]})j";
        const QString modelPath = folder.filePath(QStringLiteral("model.json"));
        QVERIFY(WriteTestFile(modelPath, text));

        WorkbenchModel model;
        QString error;
        ResultsSource source;
        QVERIFY2(LoadModelFile(modelPath, model, error, ModelFileSizeLimit, &source), qPrintable(error));
        QCOMPARE(
            source.note, QStringLiteral("1 column(s) whose names are no variable paths were passed over: \"der(x)\""));
        QCOMPARE(model.blocks.variableCount(), 3);
        QCOMPARE(model.blocks.FindVariable("Column.T")->variable.attributes, 0x400000u);
        QVERIFY(model.blocks.FindBlock("Tank"));
        QCOMPARE(model.values.size(), size_t(3));
        QCOMPARE(model.values[0].At(999, 1), 2.0);
        // Values take little more than their count in doubles, and the tables share one array of times.
        QVERIFY(model.values[0].values.capacity() <= 2000 * 13 / 10);
        QCOMPARE(model.values[0].times, model.values[1].times);

        // Saved elsewhere: the reference, relative to the saved file, and the
        // model file's own blocks and values.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("copies")));
        const QString savedPath = folder.filePath(QStringLiteral("copies/saved.json"));
        QVERIFY2(SaveModelFile(savedPath, model, error), qPrintable(error));
        WorkbenchModel reread;
        QVERIFY2(LoadModelFile(savedPath, reread, error), qPrintable(error));
        QVERIFY(reread == model);
        QVERIFY(!WriteModelFile(model).contains("Qc"));
        QFile saved(savedPath);
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("\"results\": \"../run1.csv\""));

        // Another file in its place (--results); a fault there names the file, line and column.
        QVERIFY(WriteTestFile(resultsPath, "time,Column.T(3)\n0,x\n"));
        source.replacement = resultsPath;
        QVERIFY(!LoadModelFile(modelPath, reread, error, ModelFileSizeLimit, &source));
        QVERIFY2(error.endsWith(QStringLiteral("run1.csv\" is not valid: line 2, column 2: \"x\" is not a number")),
            qPrintable(error));
        // Extents that disagree with the listed ones; a reference read from no file.
        QVERIFY(WriteTestFile(resultsPath, "time,Column.T(3)\n0,1\n"));
        QVERIFY(!LoadModelFile(modelPath, reread, error));
        QVERIFY2(error.endsWith(
                     QStringLiteral("blocks[0].variables[0]: the results file gives \"Column.T(*)\" other extents")),
            qPrintable(error));
        QVERIFY(!ReadModelFile(text, reread, error));
        QCOMPARE(error, QStringLiteral("results: only a model file read from disk can name a results file"));
    }

    void copiesShareTheModelUntilOneChanges()
    {
        HostModel original;
        QVERIFY(original.AddBlock("B"));
        // Enough variables for the table of names to grow several times.
        for (int v = 0; v < 5000; ++v)
            QVERIFY(original.AddVariable("B", {CString(("V" + std::to_string(v)).c_str()), 0, {}}));
        HostModel copy = original;
        QVERIFY(copy.AddVariable("B", {"W", ModelVariableWidenableAttribute, {4}}));
        QVERIFY(!copy.AddVariable("B", {"v4999", 0, {}}));
        QCOMPARE(copy.variableCount(), 5001);
        QVERIFY(!original.FindVariable("B.W"));
        QCOMPARE(copy.FindVariable("b.w(4)")->variable.attributes, ModelVariableWidenableAttribute);
        for (const char* name : {"B.V0", "B.v2500", "B.V4999"})
            QVERIFY2(original.FindVariable(name) && copy.FindVariable(name), name);
        // Case is ignored beyond ASCII too, and only the path's own block is searched.
        const WorkbenchModel small = Read(SmallModel);
        QCOMPARE(small.blocks.FindVariable("reactor.jacket.ÜBERHITZER")->path, CString("Reactor.Jacket.Überhitzer"));
        QVERIFY(!small.blocks.FindVariable("Column.Überhitzer"));
    }

    void browserRowsAreMadeFromTheModel_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name"); // empty: no row
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("children");
        QTest::addColumn<QByteArray>("dragged"); // empty: not draggable

        const auto row = [](const char* path, const char* name, const char* size, int children, const char* dragged) {
            QTest::newRow(path) << QString::fromLatin1(path) << QString::fromLatin1(name) << QString::fromLatin1(size)
                                << children << QByteArray(dragged);
        };
        row("Column", "Column", "", 4, "");
        row("Column.R", "R", "scalar", 0, "Column.R");
        row("column.t(*)", "T", "20", 20, "Column.T(*)");
        row("Column.T(3)", "T(3)", "", 0, "Column.T(3)"); // an element of a widenable array
        row("Column.x(2,1)", "x(2,1)", "", 0, "Column.x(2,1)"); // two subscripts, the last fastest
        row("Column.Long", "Long", "1500", 1001, "Column.Long(*)"); // past the listed elements
        row("Column.Long(1000)", "Long(1000)", "", 0, "Column.Long(1000)"); // the last listed element
        row("Column.Long(1001)", "", "", 0, "");
        row("Column.x(*,1)", "", "", 0, ""); // a slice is no row
        row("Column.Q", "", "", 0, "");
    }

    void browserRowsAreMadeFromTheModel()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, size);
        QFETCH(int, children);
        QFETCH(QByteArray, dragged);
        ModelBrowserModel model;
        model.SetBlocks(Read(SmallModel).blocks);
        const QModelIndex index = model.FindPath(path);
        QCOMPARE(index.isValid(), !name.isEmpty());
        if (!index.isValid())
            return;
        QCOMPARE(index.data().toString(), name);
        QCOMPARE(index.siblingAtColumn(1).data().toString(), size);
        QCOMPARE(model.rowCount(index), children);
        QCOMPARE(model.flags(index).testFlag(Qt::ItemIsDragEnabled), !dragged.isEmpty());
        QCOMPARE(model.index(index.row(), 0, model.parent(index)), index);
        if (!dragged.isEmpty())
            QCOMPARE(Payload(model.mimeData({index, index.siblingAtColumn(1)})), "Flowsheet\r\n" + dragged + '\0');
        if (children > 1000) {
            const QModelIndex more = model.index(1000, 0, index);
            QCOMPARE(more.data().toString(), QStringLiteral("\u2026 500 more (drag the variable for all)"));
            QVERIFY(!model.flags(more).testFlag(Qt::ItemIsSelectable));
            QVERIFY(!model.mimeData({more}));
        }
    }

    void finderFiltersWithoutARowPerVariable_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("visible");

        const QStringList all {"Column.T(*)", "Column.x(*,*)", "Column.R", "Column.Long(*)",
            "Reactor.Jacket.Überhitzer", "Reactor.Jacket.T(*)"};
        QTest::newRow("none") << "" << all;
        QTest::newRow("owner prefix, trimmed") << " Column " << all.mid(0, 4);
        QTest::newRow("across the dot and subscripts") << "JACKET.T(" << QStringList {"Reactor.Jacket.T(*)"};
        QTest::newRow("non-ASCII case") << "überHITZER" << QStringList {"Reactor.Jacket.Überhitzer"};
        QTest::newRow("nothing") << "Column.Q" << QStringList();
    }

    void finderFiltersWithoutARowPerVariable()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, visible);
        VariableFinder finder;
        finder.SetModel(Read(SmallModel));
        finder.SetFilter(filter);
        QCOMPARE(finder.VisiblePaths(), visible);
        VariableFinderModel* model = finder.finderModel();
        if (visible.size() >= 2) {
            // Dragged in row order, whatever the order of the selection.
            const QByteArray payload = Payload(model->mimeData({model->index(1), model->index(0), model->index(1)}));
            QCOMPARE(payload, ("Flowsheet\r\n" + visible[0] + "\r\n" + visible[1]).toUtf8() + '\0');
        }
    }

    // Defined after the class: moc misreads the escaped quotes in its raw strings.
    void fileOrderAndSpellingReadAsOneDocumentWould_data();

    void fileOrderAndSpellingReadAsOneDocumentWould()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, lastVariable);
        WorkbenchModel model;
        QString error;
        ResultsSource beside {SampleModelFolder(), {}, {}};
        QVERIFY2(ReadModelFile(text, model, error, &beside), qPrintable(error));
        const std::vector<HostModel::Block>& blocks = model.blocks.blocks();
        QString last;
        for (const HostModel::Block& block : blocks) {
            for (size_t v = 0; v < block.variableCount(); ++v)
                last = block.path.ToQString() + QLatin1Char('.') + QString::fromStdString(std::string(block.NameAt(v)));
        }
        QCOMPARE(last, lastVariable);
        // The direct reading gives what the one-document reading gives.
        WorkbenchModel whole;
        QVERIFY2(ReadModelFileAsOneDocument(text, whole, error, &beside), qPrintable(error));
        QVERIFY(whole == model);
        // Written as it is made, the text is still the one a whole document
        // gives, and reads back as the same model.
        const QByteArray written = WriteModelFile(model);
        QCOMPARE(written, QJsonDocument::fromJson(written).toJson(QJsonDocument::Indented));
        WorkbenchModel reread;
        QVERIFY2(ReadModelFile(written, reread, error, &beside), qPrintable(error));
        QVERIFY(reread == model);
    }

    void largeModelIsBrowsedDeepWithoutItemObjects()
    {
        const WorkbenchModel model = Read(GeneratedModel(200, 1000));

        ModelBrowser browser;
        browser.SetModel(model);
        const QModelIndex lastBlock = browser.model()->index(199, 0);
        QCOMPARE(lastBlock.data().toString(), QStringLiteral("Area19.Unit199"));
        QCOMPARE(browser.model()->rowCount(lastBlock), 1000);
        QCOMPARE(browser.model()->rowCount(browser.model()->index(998, 0, lastBlock)), 1001);

        VariableFinder finder;
        finder.SetModel(model);
        QCOMPARE(finder.finderModel()->rowCount(), 200000);
        QCOMPARE(finder.finderModel()->PathAt(199999), QStringLiteral("Area19.Unit199.V999(*,*)"));
    }

    void aModelsHeapIsAskedForLargePagesWhileItIsRead()
    {
        std::vector<std::unique_ptr<char[]>> allocations;
        {
            HeapInLargePages heap(size_t(64) << 20);
            for (int i = 0; i < 20000; ++i) {
                allocations.emplace_back(new char[1000]);
                if (i % 1000 == 0)
                    heap.AdviseGrowth();
            }
        }
        // The mapping that holds the last allocation, from /proc/self/smaps.
        const auto address = reinterpret_cast<quintptr>(allocations.back().get());
        QFile smaps(QStringLiteral("/proc/self/smaps"));
        QVERIFY(smaps.open(QIODevice::ReadOnly));
        bool inside = false;
        QByteArray name;
        QByteArray flags;
        for (const QByteArray& line : smaps.readAll().split('\n')) {
            // "start-end perms offset device inode [name]" opens a mapping.
            const QList<QByteArray> fields = line.simplified().split(' ');
            const QList<QByteArray> range = fields.first().split('-');
            if (range.size() == 2 && fields.size() >= 5) {
                inside = range[0].toULongLong(nullptr, 16) <= address && address < range[1].toULongLong(nullptr, 16);
                if (inside)
                    name = fields.value(5);
            } else if (inside && line.startsWith("VmFlags:")) {
                flags = line;
            }
        }
        if (name != "[heap]")
            QSKIP("This allocator does not grow a heap with brk (a sanitizer's, for one).");
        QVERIFY2(flags.contains(" hg"), flags.constData());
    }

    void largeFileIsReportedAsTheWholeTextWouldAndLoadsInLinearTime()
    {
        // Loading gives the text it has read back to the system; a fault after
        // more than that is still reported from the whole file, and a file
        // without fault reads as its text does.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("large.json"));
        // A first block of 12 MB, more than is given back at a time, of 4000
        // variables: a step that copied the path for each variable would copy 48 GB.
        const QByteArray blockPath = QByteArray("Area.").repeated(2400000) + "Unit";
        QByteArray valid = "{\"blocks\": [{\"path\": \"" + blockPath + "\", \"variables\": [";
        for (int v = 0; v < 4000; ++v)
            valid += (v == 0 ? "{\"name\": \"V" : ", {\"name\": \"V") + QByteArray::number(v) + "\"}";
        valid += "]}, {\"path\": \"B\", \"variables\": [{\"name\": \"T\"}]}]}";
        QElapsedTimer timer;
        for (const QByteArray& text :
            {valid, valid.chopped(2) + R"j(, {"path": "Bad", "variables": [{"name": 3}]}]})j"}) {
            timer.start();
            QVERIFY(WriteTestFile(path, text));
            WorkbenchModel loaded;
            WorkbenchModel read;
            QString loadError;
            QString readError;
            const bool readOk = ReadModelFile(text, read, readError);
            QCOMPARE(LoadModelFile(path, loaded, loadError), readOk);
            if (readOk) {
                QVERIFY(loaded == read);
                QVERIFY(loaded.blocks.FindVariable("B.T"));
                QVERIFY(loaded.blocks.FindVariable((blockPath + ".V3999").constData()));
                ModelBrowser browser;
                browser.SetModel(loaded);
                VariableFinder finder;
                finder.SetModel(loaded);
                finder.SetFilter(QStringLiteral("V3999"));
                QCOMPARE(finder.finderModel()->rowCount(), 1);
            } else {
                QCOMPARE(readError, QStringLiteral("blocks[2].variables[0].name: expected a string, found a number"));
                QVERIFY2(loadError.endsWith(QStringLiteral("is not valid: ") + readError), qPrintable(loadError));
            }
            QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
        }
    }

    void initTestCase()
    {
        QString error;
        QVERIFY2(ReadSampleModel(m_sample, error), qPrintable(error));
        m_values = PlotValues(m_sample.values);
    }

    void drawnTimesFollowTheTimeMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("maxPoints");
        QTest::addColumn<double>("now");
        QTest::addColumn<double>("step");
        QTest::addColumn<QList<double>>("expected");

        const auto row = [](const char* name, int mode, QStringList entries, int maxPoints, double now, double step,
                             QList<double> expected) {
            QTest::newRow(name) << mode << entries << maxPoints << now << step << expected;
        };
        row("continuous at the start", 0, {"L"}, 10, 0, 60, {0});
        row("continuous keeps the latest", 0, {"L"}, 3, 650, 60, {480, 540, 600});
        row("continuous with fewer steps than points", 0, {"L"}, 10, 130, 60, {0, 60, 120});
        row("continuous steps that add up in binary", 0, {"L"}, 10, 0.3, 0.1, {0, 0.1, 0.2, 0.30000000000000004});
        row("continuous before the clock starts", 0, {"L"}, 10, -1, 60, {});
        row("continuous with no points counts one", 0, {"L"}, 0, 600, 60, {600});
        row("specified times up to now, sorted, once", 1, {"1200", "600", "0", "600", "1800.5"}, 2, 1200, 60,
            {0, 600, 1200});
        row("specified times none due", 1, {"10"}, 10, 5, 60, {});
        row("interval keeps the first", 2, {"60*", "120"}, 5, 100000, 60, {60, 180, 300, 420, 540});
        row("interval up to now", 2, {"60*", "120"}, 5, 300, 60, {60, 180, 300});
        row("interval before its start", 2, {"60*", "120"}, 5, 59, 60, {});
        row("interval of zero draws nothing", 2, {"0*", "0"}, 5, 100, 60, {});
        // Steps below the spacing of doubles at the clock: each time once.
        row("continuous far on draws each time once", 0, {"L"}, 10, 1e20, 60, {1e20});
        row("interval far on draws each time once", 2, {"1e20*", "1"}, 5, 1e20, 60, {1e20});
        row("interval from far on, growing", 2, {"1e17*", "8"}, 4, 2e17, 60, {1e17, 1e17 + 16, 1e17 + 32});
    }

    void drawnTimesFollowTheTimeMode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, entries);
        QFETCH(int, maxPoints);
        QFETCH(double, now);
        QFETCH(double, step);
        QFETCH(QList<double>, expected);
        PlotDefinition definition;
        definition.timeMode = mode;
        definition.maxTimePoints = maxPoints;
        for (const QString& entry : entries)
            definition.timeEntries.Add(CString::FromQString(entry));
        const std::vector<double> times = DrawnTimes(ReadPlotTimeSettings(definition), now, step);
        QCOMPARE(QList<double>(times.begin(), times.end()), expected);
    }

    void valuesAreSimulatedOrInterpolatedFromTheModelFile()
    {
        // Simulated: the same element and time give the same value, by the
        // documented rule.
        PlotElement first;
        PlotElement last;
        // (The sample's results give Column.T; its liquid flows L are simulated.)
        const VariableValues temperature = m_values.For("Column.L");
        first.source = last.source = &temperature;
        last.place = 1.0;
        // The first element stands at place 0, and gives what a fresh profile
        // gives (nothing is left over from earlier calls).
        QCOMPARE(first.At(600), SimulatedProfile::For("Column.L").At(0.0, 0, 600));

        // The documented rule, worked out apart from the code.
        QCOMPARE(SimulatedProfile::For("Column.T").At(ElementPlace({1}, {20}), 0, 0), 430.8848549823503);
        QCOMPARE(SimulatedProfile::For("column.t").At(ElementPlace({20}, {20}), 0, 3600), 431.99821835204114);
        QCOMPARE(SimulatedProfile::For("Column.x").At(ElementPlace({5, 2}, {20, 3}), ElementOffset({5, 2}), 600),
            252.98224515568506);
        QCOMPARE(SimulatedProfile::For("Column.R").At(ElementPlace({}, {}), 0, 120), 164.8488157196731);
        // Many elements at one time, then an earlier time again: each value is its own.
        const double early = first.At(60);
        QCOMPARE(last.At(600), SimulatedProfile::For("Column.L").At(1.0, 0, 600));
        QCOMPARE(first.At(60), early);

        // Given: the sample's tray heights, found ignoring case; linear between
        // given times, the first row before them and the last after them.
        const VariableValues heights = m_values.For("COLUMN.z");
        PlotElement tray;
        tray.source = &heights;
        tray.flatIndex = 3;
        QCOMPARE(tray.At(0), 2.0);
        QCOMPARE(tray.At(99999), 2.0);
        const GivenValues table = GivenValues::Dense("B.T", {100, 200}, {{0, 10}, {100, 30}});
        QCOMPARE(InterpolateGiven(table, 1, 150), 20.0);
        QCOMPARE(InterpolateGiven(table, 1, 0), 10.0);
        QCOMPARE(InterpolateGiven(table, 1, 500), 30.0);
        // Values and times whose differences pass the largest double.
        const GivenValues extreme = GivenValues::Dense("B.S", {-1e308, 1e308}, {{-1e308}, {1e308}});
        QCOMPARE(InterpolateGiven(extreme, 0, 0), 0.0);
        QCOMPARE(InterpolateGiven(extreme, 0, -1e308), -1e308);
        QCOMPARE(InterpolateGiven(extreme, 0, 5e307), 5e307);

        // A model file's rows give the elements of a time in order.
        const WorkbenchModel model = Read(
            R"j({"blocks": [{"path": "B", "variables": [{"name": "X", "extents": [2, 2]}, {"name": "S"}]}], "values": [{"variable": "B.X", "times": [0, 10], "rows": [[1, 2, 3, 4], [5, 6, 7, 8]]}, {"variable": "B.S", "times": [0], "rows": [[9]]}]})j");
        QCOMPARE(model.values.size(), size_t(2));
        QCOMPARE(model.values[0].At(1, 2), 7.0);
    }

    void eachSamplePlotHoldsItsLinesOrMaps()
    {
        // 2-d over the x-axis profile: ten times of the clock, twenty trays, placed
        // at the given tray heights.
        PlotData lines = Draw(Plot("Column temperatures"), 3600);
        QCOMPARE(lines.lines.size(), size_t(10));
        QCOMPARE(lines.lines.front().name, QStringLiteral("Tray temperatures at 3060 s"));
        QCOMPARE(lines.lines.back().points.size(), size_t(20));
        QCOMPARE(lines.lines.back().points[1].x(), 1.0);
        QCOMPARE(lines.xTitle, QStringLiteral("Tray height"));
        QCOMPARE(lines.yTitle, QStringLiteral("T")); // the variable plotted

        // Without an x-axis profile the elements stand at their positions.
        ModelPlot noAxis = Plot("Column temperatures");
        noAxis.definition.xAxisName = "";
        noAxis.definition.xAxisVariables.RemoveAll();
        lines = Draw(noAxis, 0);
        QCOMPARE(lines.lines.size(), size_t(1));
        QCOMPARE(lines.lines[0].points[19].x(), 20.0);
        QCOMPARE(lines.xTitle, QStringLiteral("Element position"));
        // Two variables: the profile names what is plotted.
        noAxis.definition.plottedVariables.Add("P(1)");
        noAxis.definition.plottedCounts.SetAt(0, 2);
        QCOMPARE(Draw(noAxis, 0).yTitle, QStringLiteral("Tray temperatures"));

        // Two profiles, the times due of 0, 3600 and 7200; the single elements
        // stand at their own heights.
        lines = Draw(Plot("Coolant temperatures"), 3600);
        QCOMPARE(lines.lines.size(), size_t(4));
        QCOMPARE(lines.lines[3].name, QStringLiteral("Inlet and outlet at 3600 s"));
        QCOMPARE(lines.lines[3].points.size(), size_t(2));
        QCOMPARE(lines.lines[3].points[1].x(), 5.0);

        // 3-d against time: a row per time drawn, in the display unit.
        PlotData maps = Draw(Plot("Column compositions"), 3600, {QStringLiteral("min"), 1.0 / 60});
        QCOMPARE(maps.kind, PlotKind::MapsOverTime);
        QCOMPARE(maps.maps.size(), size_t(1));
        QCOMPARE(maps.maps[0].columns, 20);
        QCOMPARE(maps.maps[0].rows, 4);
        QCOMPARE(maps.maps[0].yValues, (std::vector<double> {0, 10, 20, 30}));
        QCOMPARE(maps.yTitle, QStringLiteral("Time (min)"));

        // A two-wildcard path gives a map per element of its second subscript.
        maps = Draw(Plot("Reactor axial profiles"), 3600);
        QCOMPARE(maps.maps.size(), size_t(5));
        QCOMPARE(maps.maps[0].title, QStringLiteral("Temperature"));
        QCOMPARE(maps.maps[4].title, QStringLiteral("C(*,4)"));
        QCOMPARE(maps.maps[0].valueTitle, QStringLiteral("T"));
        QCOMPARE(maps.maps[4].valueTitle, QStringLiteral("C"));
        QCOMPARE(maps.maps[4].columns, 50);
        QCOMPARE(maps.maps[4].rows, 20);
        QCOMPARE(maps.maps[4].values.size(), size_t(50 * 20));

        // 3-d against a y-axis profile: the 2-D profile over both profiles' values,
        // or the 1-D profiles as rows, at the latest time drawn.
        maps = Draw(Plot("Exchanger wall temperature"), 3600);
        QCOMPARE(maps.kind, PlotKind::MapOverProfile);
        QCOMPARE(maps.title, QStringLiteral("Exchanger wall temperature at 3600 s"));
        QCOMPARE(maps.maps[0].columns, 30);
        QCOMPARE(maps.maps[0].rows, 5);
        QCOMPARE(maps.maps[0].yValues, (std::vector<double> {0.01, 0.02, 0.03, 0.04, 0.05}));
        maps = Draw(Plot("Column composition map"), 3600);
        QCOMPARE(maps.title, QStringLiteral("Column composition map at 540 s"));
        QCOMPARE(maps.maps[0].columns, 20);
        QCOMPARE(maps.maps[0].rows, 3);
        QCOMPARE(maps.maps[0].yValues, (std::vector<double> {1, 2, 3}));

        // Before its first time a plot draws nothing and says so.
        maps = Draw(Plot("Column composition map"), 30);
        QVERIFY(maps.maps.empty());
        QCOMPARE(maps.reason, QStringLiteral("No time of this plot is due yet at 30 s."));

        // A definition the editor refuses draws only the reason.
        ModelPlot plot = Plot("Column temperatures");
        plot.definition.plottedDimensions.SetAt(0, 2);
        PlotData data = Draw(plot, 3600);
        QCOMPARE(data.kind, PlotKind::Refused);
        QVERIFY(data.lines.empty() && data.maps.empty());
        QCOMPARE(data.reason,
            QStringLiteral("Not drawn: the editor refuses it: All of the profiles must be 1d profiles unless you have "
                           "selected a 3d plot where the y axis does not represent time."));

        // Specified times with access "direct" still draw: only what the editor shows differs.
        plot = Plot("Coolant temperatures");
        plot.access = PlotAccess::Direct;
        QCOMPARE(Draw(plot, 0).kind, PlotKind::Lines);
    }

private:
    ModelPlot Plot(const char* name) const { return *m_sample.FindPlot(name); }
    PlotData Draw(const ModelPlot& plot, double now, const PlotTimeUnit& unit = {}) const
    {
        return ExtractPlotData(plot, m_sample.blocks, m_values, now, 60, unit);
    }

    WorkbenchModel m_sample;
    PlotValues m_values {m_sample.values};
};

void WorkbenchModelFileTest::fileOrderAndSpellingReadAsOneDocumentWould_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("lastVariable");

    const QByteArray blocks = R"j("blocks": [{"path": "B", "variables": [{"name": "T", "extents": [3]}]},
        {"path": "C", "variables": []}, {"path": "D"}, {"path": "E", "variables": [{"name": "[{\"}]"}]}])j";
    const QByteArray plots = R"j("plots": [{"name": "P", "owner": "D", "context": "D.P", "access": "host",
        "definition": {"timeMode": 0, "timeEntries": ["L"]}}])j";
    const auto row = [](const char* name, const QByteArray& text, const char* lastVariable = "B.T") {
        QTest::newRow(name) << text << QString::fromUtf8(lastVariable);
    };
    const auto oneBlock = [](const QByteArray& variables) {
        return R"j({"blocks": [{"path": "B", "variables": [)j" + variables + "]}]}";
    };
    row("blocks then plots", "{" + blocks + ", " + plots + "}", R"j(E.[{"}])j");
    row("plots before the blocks they name", "{" + plots + ",\r\n\t" + blocks + "}", R"j(E.[{"}])j");
    row("escaped key", R"j({"bl\u006fcks": [{"path": "B", "variables": [{"name": "T"}]}]})j");
    row("byte order mark", "\xEF\xBB\xBF" + oneBlock(R"j({"name": "T"})j"));
    row("empty blocks", R"j( {"blocks": []} )j", "");
    row("keys of a variable in another order",
        oneBlock(R"j({"widenable": false, "extents": [1000000], "name": "T"})j"));
    row("escapes and non-ASCII in names",
        R"j({"blocks": [{"path": "K\u00fchler", "variables": [{"name": "Ü\ud834\udd1e\/\""}]}]})j",
        "K\u00fchler.\u00dc\U0001D11E/\"");
    row("elements up to a signed 64-bit count",
        oneBlock(R"j({"name": "T", "extents": [1000000, 1000000, 1000000, 9]})j"));
    row("numbers the parser reads as whole", oneBlock(R"j({"name": "T", "extents": [2.0, 3e0, 1E1]})j"));
    row("variables before the path", R"j({"blocks": [{"variables": [{"name": "T"}], "path": "B"}]})j");
    row("sample", SampleModelText(), "HX1.Q");
    // A definition the editor would refuse is kept as it is: arrays that
    // disagree, a path that is not in the model, times in odd forms.
    row("definition kept as written", R"j({"blocks": [{"path": "B"}], "plots": [{"name": "P",
        "owner": "B", "context": "B.P", "access": "host", "definition": {"plotted": {"names": ["A"],
        "dimensions": [1], "counts": [7], "variables": []}, "unassigned": [{"name": "Typed by hand", "dimension": 2,
        "variables": ["NoSuchVariable(1)"]}], "maxTimePoints": 3, "timeMode": 2, "timeEntries": ["12,5", "1e3"]}}]})j",
        "");
}

PE_TEST_MAIN(WorkbenchModelFileTest)
#include "tst_workbenchmodelfile.moc"
