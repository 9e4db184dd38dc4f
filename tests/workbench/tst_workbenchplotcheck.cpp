// The checks a plot definition of the model file gets: the editor's plot rules
// (the same verdicts as the editor's, but where the workbench differs on
// purpose), the paths against the model and the time entries against the time
// mode.

#include "support/projecttest.h"
#include "workbench/model/plotcheck.h"

#include "hostlib/plotdefinitionjson.h"
#include "model/plotrules.h"
#include "model/profilearrays.h"
#include "model/profileroles.h"

#include <QTest>

class WorkbenchPlotCheckTest : public QObject {
    Q_OBJECT
private slots:
    void definitionsAreCheckedAgainstThePlotRules_data();
    void definitionsAreCheckedAgainstThePlotRules();
    void workbenchDiffersFromTheEditorOnlyOnPurpose_data();
    void workbenchDiffersFromTheEditorOnlyOnPurpose();
};

namespace {

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

// What the editor says on Apply: the definition loaded as the editor loads it
// (axis profiles one-dimensional, the plotted arrays split), then its rules.
QString EditorVerdict(const PlotDefinition& d)
{
    ProfileSet set;
    const auto axis = [&set](const CString& name, const CStringArray& variables, ProfileRole role) {
        if (name.IsEmpty())
            return -1;
        auto* profile = new CSUPEProfile(name);
        profile->variables = variables;
        profile->role = static_cast<int16_t>(role);
        return set.Add(profile);
    };
    const int x = axis(d.xAxisName, d.xAxisVariables, ProfileRole::XAxis);
    const int y = axis(d.yAxisName, d.yAxisVariables, ProfileRole::YAxis);
    std::vector<int> plotted;
    SplitProfileArrays({d.plottedNames, d.plottedDimensions, d.plottedCounts, d.plottedVariables},
        static_cast<int16_t>(ProfileRole::Plotted), "plotted",
        [&](std::unique_ptr<CSUPEProfile> profile) { plotted.push_back(set.Add(profile.release())); });
    return PlotRuleViolation({set, x, y, plotted, d.is3DPlot == 0, d.yAxisIsTime != 0}).ToQString();
}

} // namespace

void WorkbenchPlotCheckTest::definitionsAreCheckedAgainstThePlotRules_data()
{
    QTest::addColumn<QByteArray>("definition");
    QTest::addColumn<bool>("hostAccess");
    QTest::addColumn<QString>("expected"); // empty: no problem at all

    // Plot rows: continuous update, direct access. Time rows: one plotted profile, the given
    // time settings, access through the plot host. Valid plots of every kind are the sample model's.
    const auto plot = [](const char* name, const QByteArray& parts, const char* expected) {
        QTest::newRow(name) << "{" + parts + R"j(, "timeMode": 0, "timeEntries": ["L"]})j" << false
                            << QString::fromUtf8(expected);
    };
    const auto time = [](const char* name, const QByteArray& parts, const char* expected, bool host = true) {
        QTest::newRow(name) << R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], )j" + parts + "}" << host
                            << QString::fromUtf8(expected);
    };
    const QByteArray oneProfile = R"j("plotted": [{"name": "A", "variables": ["T(*)"]}])j";

    plot(
        "2-d plot whose y axis is not time", R"j("yAxisIsTime": 0, )j" + oneProfile, "\"yAxisIsTime\" must be nonzero");
    plot("2-d plot with a y-axis profile", R"j("yAxis": {"name": "Rows", "variables": ["T(*)"]}, )j" + oneProfile,
        "the y-axis profile \"Rows\" needs a 3-d plot whose y axis is not time");
    plot("path not in the model", R"j("plotted": [{"name": "A", "variables": ["T(1)", "Q(1)"]}])j",
        "the variable \"Q(1)\" of the profile \"A\" is not in the model (looked for in block \"B\")");
    plot(
        "subscript past the extent", R"j("plotted": [{"name": "A", "variables": ["T(6)"]}])j", "the variable \"T(6)\"");
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
}

void WorkbenchPlotCheckTest::definitionsAreCheckedAgainstThePlotRules()
{
    QFETCH(QByteArray, definition);
    QFETCH(bool, hostAccess);
    QFETCH(QString, expected);
    HostModel registry;
    const QString problems = PlotProblems(PlotInBlockB(registry, definition, hostAccess), registry).join('\n');
    QVERIFY2(expected.isEmpty() ? problems.isEmpty() : problems.contains(expected), qPrintable(problems));
}

void WorkbenchPlotCheckTest::workbenchDiffersFromTheEditorOnlyOnPurpose_data()
{
    QTest::addColumn<QByteArray>("definition");
    QTest::addColumn<bool>("hostAccess");
    QTest::addColumn<QString>("editor"); // part of the editor's message; empty: it writes the definition
    QTest::addColumn<QString>("workbenchOnly"); // the one problem only the workbench sees, if any

    // Every path exists in block B, every time entry fits its mode.
    const auto row
        = [](const char* name, const QByteArray& parts, const char* editor, bool host = true,
              const QByteArray& times = R"j("timeMode": 0, "timeEntries": ["L"])j", const char* workbenchOnly = "") {
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

    row("2-d plot of a 2-D profile", plotted + map + "]", "All of the profiles must be 1d profiles");
    row("3-d against time, two wildcards apart",
        againstTime + plotted + one + R"j(, {"name": "B", "variables": ["X(*,*)"]}])j", "");
    row("3-d against time, two profiles", againstTime + plotted + one + R"j(, {"name": "B", "variables": ["Z(*)"]}])j",
        "Cannot plot more than one profile");
    row("3-d against time with a y-axis profile",
        againstTime + R"j("yAxis": {"name": "Rows", "variables": ["T(*)"]}, )j" + plotted + one + "]",
        "You have specified a profile for the Y axis");
    row("surface of a single 1-D profile", surface + plotted + one + "]", "You can not plot a single 1d profile");
    row("surface of a 2-D profile", surface + plotted + map + "]", "");
    row("surface of a 2-D profile among others", surface + plotted + one + ", " + map + "]",
        "You can only plot one 2d profile");
    row("surface of nothing", surface + R"j("plotted": [])j", "");
    row("plotted profile without variables", R"j("plotted": [{"name": "Empty"}])j",
        "The profile Empty contains no variables.");
    row("3-d plot of a single plain variable", againstTime + R"j("plotted": [{"name": "One", "variables": ["T(3)"]}])j",
        "The profile One contains only 1 variable");
    row("2-d plot of a single plain variable", R"j("plotted": [{"name": "One", "variables": ["S"]}])j", "");
    // Without the plot host the editor shows continuous update whatever the
    // definition says: it cannot show these as they are.
    row("specified times without the plot host", plotted + one + "]", "", false,
        R"j("timeMode": 1, "timeEntries": ["0"])j", "time mode 1 needs access \"host\"");
    row("interval without the plot host", plotted + one + "]", "", false,
        R"j("timeMode": 2, "timeEntries": ["0*", "30"])j", "time mode 2 needs access \"host\"");
    row("interval through the plot host", plotted + one + "]", "", true,
        R"j("timeMode": 2, "timeEntries": ["0*", "30"])j");
}

void WorkbenchPlotCheckTest::workbenchDiffersFromTheEditorOnlyOnPurpose()
{
    QFETCH(QByteArray, definition);
    QFETCH(bool, hostAccess);
    QFETCH(QString, editor);
    QFETCH(QString, workbenchOnly);
    HostModel registry;
    const ModelPlot plot = PlotInBlockB(registry, definition, hostAccess);
    const QString verdict = EditorVerdict(plot.definition);
    QVERIFY2(editor.isEmpty() ? verdict.isEmpty() : verdict.startsWith(editor), qPrintable(verdict));

    QStringList problems = PlotProblems(plot, registry);
    if (!workbenchOnly.isEmpty())
        QVERIFY2(!problems.isEmpty() && problems.takeLast().contains(workbenchOnly), qPrintable(problems.join('\n')));
    // The rest is the editor's verdict, as the editor tells it.
    QCOMPARE(problems.size(), verdict.isEmpty() ? 0 : 1);
    QString told = verdict.simplified();
    if (told.endsWith('.'))
        told.chop(1);
    if (!verdict.isEmpty())
        QVERIFY2(problems.front().endsWith(told), qPrintable(problems.front()));
}

PE_TEST_GUILESS_MAIN(WorkbenchPlotCheckTest)
#include "tst_workbenchplotcheck.moc"
