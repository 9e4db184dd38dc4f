// The checks a plot definition of the model file gets: the plot rules, the
// paths against the model and the time entries against the time mode.

#include "support/projecttest.h"
#include "workbench/model/plotcheck.h"

#include "hostlib/plotdefinitionjson.h"

#include <QTest>

class WorkbenchPlotCheckTest : public QObject {
    Q_OBJECT
private slots:
    void definitionsAreCheckedAgainstThePlotRules_data();
    void definitionsAreCheckedAgainstThePlotRules();
};

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
    const QByteArray axisX = R"j("xAxis": {"name": "Position", "variables": ["Z(*)"]})j";
    const QByteArray surface = R"j("is3DPlot": 1, "yAxisIsTime": 0, )j" + axisX
        + R"j(, "yAxis": {"name": "Rows", "variables": ["T(*)"]}, )j";
    const QByteArray againstTime = R"j("is3DPlot": 1, "yAxisIsTime": 1, )j" + axisX + ", ";
    const QByteArray oneProfile = R"j("plotted": [{"name": "A", "variables": ["T(*)"]}])j";
    const QByteArray map = R"j("plotted": [{"name": "Map", "dimension": 2, "variables": ["X(*,*)"]}])j";

    plot("2-d plot of a 2-D profile", map, "the plotted profile \"Map\" is 2-D");
    plot(
        "2-d plot whose y axis is not time", R"j("yAxisIsTime": 0, )j" + oneProfile, "\"yAxisIsTime\" must be nonzero");
    plot("2-d plot with a y-axis profile", R"j("yAxis": {"name": "Rows", "variables": ["T(*)"]}, )j" + oneProfile,
        "the y-axis profile \"Rows\" needs a 3-d plot whose y axis is not time");
    plot("3-d against time, two profiles, wildcards side by side",
        againstTime + R"j("plotted": [{"name": "A", "variables": ["T(*)"]}, {"name": "B", "variables": ["Z(**)"]}])j",
        "a 3-d plot against time plots one profile");
    plot("surface of a single 1-D profile", surface + R"j("plotted": [{"name": "A", "variables": ["X(*,1)"]}])j",
        "cannot plot a single 1-D profile (\"A\")");
    plot("surface of a 2-D profile among others",
        surface
            + R"j("plotted": [{"name": "A", "variables": ["X(*,1)"]}, {"name": "Map", "dimension": 2, "variables": ["X(*,*)"]}])j",
        "plots only one 2-D profile, alone; \"Map\" is 2-D among 2 profiles");
    plot("surface of nothing", surface + R"j("plotted": [])j", "it plots none");
    plot("plotted profile without variables", R"j("plotted": [{"name": "Empty"}])j",
        "the plotted \"Empty\" has no variables");
    plot("3-d plot of a single plain variable",
        againstTime + R"j("plotted": [{"name": "One", "variables": ["T(3)"]}])j",
        "the plotted \"One\" holds a single variable");
    plot("2-d plot of a single plain variable", R"j("plotted": [{"name": "One", "variables": ["S"]}])j", "");
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
    time("specified times without the plot host", R"j("timeMode": 1, "timeEntries": ["0"])j",
        "time mode 1 needs access \"host\"", false);
}

void WorkbenchPlotCheckTest::definitionsAreCheckedAgainstThePlotRules()
{
    QFETCH(QByteArray, definition);
    QFETCH(bool, hostAccess);
    QFETCH(QString, expected);

    // Block B: T(5) and Z(5) one-subscript, X(5,3) two-subscript, S scalar.
    HostModel registry;
    QVERIFY(registry.AddBlock("B"));
    for (const HostModel::Variable& variable : {HostModel::Variable {"T", 0, {5}}, HostModel::Variable {"Z", 0, {5}},
             HostModel::Variable {"X", 0, {5, 3}}, HostModel::Variable {"S", 0, {}}})
        QVERIFY(registry.AddVariable("B", variable));

    ModelPlot plot {"P", "B", "B.P", hostAccess ? PlotAccess::Host : PlotAccess::Direct, {}};
    QString error;
    QVERIFY2(PlotDefinitionFromJsonText(definition, plot.definition, error), qPrintable(error));

    const QString problems = PlotProblems(plot, registry).join(QLatin1Char('\n'));
    QVERIFY2(expected.isEmpty() ? problems.isEmpty() : problems.contains(expected), qPrintable(problems));
}

PE_TEST_GUILESS_MAIN(WorkbenchPlotCheckTest)
#include "tst_workbenchplotcheck.moc"
