// The checks a plot definition of the model file gets: the plot rules, the
// paths against the model and the time entries against the time mode.

#include "workbench/app/plotcheck.h"

#include "workbench/hostlib/plotdefinitionjson.h"

#include <QTest>

class WorkbenchPlotCheckTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void definitionsAreCheckedAgainstThePlotRules_data();
    void definitionsAreCheckedAgainstThePlotRules();
    void twoWildcardsMustStandApart_data();
    void twoWildcardsMustStandApart();

private:
    HostModel m_registry;
};

void WorkbenchPlotCheckTest::initTestCase()
{
    // Block B: T(5) and Z(5) one-subscript, X(5,3) two-subscript, S scalar.
    QVERIFY(m_registry.AddBlock("B"));
    QVERIFY(m_registry.AddVariable("B", {"T", 0, {5}}));
    QVERIFY(m_registry.AddVariable("B", {"Z", 0, {5}}));
    QVERIFY(m_registry.AddVariable("B", {"X", 0, {5, 3}}));
    QVERIFY(m_registry.AddVariable("B", {"S", 0, {}}));
}

void WorkbenchPlotCheckTest::definitionsAreCheckedAgainstThePlotRules_data()
{
    QTest::addColumn<QByteArray>("definition");
    QTest::addColumn<bool>("hostAccess");
    QTest::addColumn<QString>("expected"); // empty: no problem at all

    // Each row states the parts that matter; missing keys keep their defaults
    // (2-d against time, continuous update needs "L").
    const QByteArray continuous = R"j("timeMode": 0, "timeEntries": ["L"])j";
    const auto def = [&continuous](const QByteArray& parts) { return "{" + parts + ", " + continuous + "}"; };
    const QByteArray axisX = R"j("xAxis": {"name": "Position", "variables": ["Z(*)"]})j";
    const QByteArray surface = R"j("is3DPlot": 1, "yAxisIsTime": 0, )j" + axisX
        + R"j(, "yAxis": {"name": "Rows", "variables": ["T(*)"]})j";
    const QByteArray againstTime = R"j("is3DPlot": 1, "yAxisIsTime": 1, )j" + axisX;

    QTest::newRow("2-d plot of 1-D profiles")
        << def(axisX + R"j(, "plotted": [{"name": "A", "variables": ["T(1)", "T(2)"]}, {"name": "B", "variables": ["T(*)"]}])j")
        << false << QString();
    QTest::newRow("2-d plot of a 2-D profile")
        << def(axisX + R"j(, "plotted": [{"name": "Map", "dimension": 2, "variables": ["X(*,*)"]}])j") << false
        << QStringLiteral("the plotted profile \"Map\" is 2-D");
    QTest::newRow("2-d plot whose y axis is not time")
        << def(R"j("yAxisIsTime": 0, "plotted": [{"name": "A", "variables": ["T(*)"]}])j") << false
        << QStringLiteral("\"yAxisIsTime\" must be nonzero");
    QTest::newRow("2-d plot with a y-axis profile")
        << def(R"j("yAxis": {"name": "Rows", "variables": ["T(*)"]}, "plotted": [{"name": "A", "variables": ["T(*)"]}])j")
        << false << QStringLiteral("the y-axis profile \"Rows\" needs a 3-d plot whose y axis is not time");
    QTest::newRow("3-d against time, one profile")
        << def(againstTime + R"j(, "plotted": [{"name": "A", "variables": ["T(*)"]}])j") << false << QString();
    QTest::newRow("3-d against time, two profiles")
        << def(againstTime + R"j(, "plotted": [{"name": "A", "variables": ["T(*)"]}, {"name": "B", "variables": ["Z(*)"]}])j")
        << false << QStringLiteral("a 3-d plot against time plots one profile");
    QTest::newRow("3-d against time, two profiles and a two-wildcard path")
        << def(againstTime + R"j(, "plotted": [{"name": "A", "variables": ["T(*)"]}, {"name": "B", "variables": ["X(*,*)"]}])j")
        << false << QString();
    QTest::newRow("3-d against time, a 2-D profile")
        << def(againstTime + R"j(, "plotted": [{"name": "Map", "dimension": 2, "variables": ["X(*,*)"]}])j") << false
        << QStringLiteral("the plotted profile \"Map\" is 2-D");
    QTest::newRow("3-d against time with a y-axis profile")
        << def(againstTime + R"j(, "yAxis": {"name": "Rows", "variables": ["T(*)"]}, "plotted": [{"name": "A", "variables": ["X(*,1)"]}])j")
        << false << QStringLiteral("needs a 3-d plot whose y axis is not time");
    QTest::newRow("surface of one 2-D profile")
        << def(surface + R"j(, "plotted": [{"name": "Map", "dimension": 2, "variables": ["X(*,*)"]}])j") << false
        << QString();
    QTest::newRow("surface of several 1-D profiles")
        << def(surface + R"j(, "plotted": [{"name": "A", "variables": ["X(*,1)"]}, {"name": "B", "variables": ["X(*,2)"]}])j")
        << false << QString();
    QTest::newRow("surface of a single 1-D profile")
        << def(surface + R"j(, "plotted": [{"name": "A", "variables": ["X(*,1)"]}])j") << false
        << QStringLiteral("cannot plot a single 1-D profile (\"A\")");
    QTest::newRow("surface of a 2-D profile among others")
        << def(surface + R"j(, "plotted": [{"name": "A", "variables": ["X(*,1)"]}, {"name": "Map", "dimension": 2, "variables": ["X(*,*)"]}])j")
        << false << QStringLiteral("plots only one 2-D profile, alone; \"Map\" is 2-D among 2 profiles");
    QTest::newRow("surface of nothing") << def(surface) << false << QStringLiteral("it plots none");
    QTest::newRow("plotted profile without variables")
        << def(R"j("plotted": [{"name": "Empty"}])j") << false
        << QStringLiteral("the plotted \"Empty\" has no variables");
    QTest::newRow("x-axis profile without variables")
        << def(R"j("xAxis": {"name": "Position", "variables": []}, "plotted": [{"name": "A", "variables": ["T(*)"]}])j")
        << false << QStringLiteral("the x-axis profile \"Position\" has no variables");
    QTest::newRow("x-axis variables without a name")
        << def(R"j("xAxis": {"name": "", "variables": ["Z(*)"]}, "plotted": [{"name": "A", "variables": ["T(*)"]}])j")
        << false << QStringLiteral("the x-axis profile has variables but no name");
    QTest::newRow("unassigned profile without variables")
        << def(R"j("plotted": [{"name": "A", "variables": ["T(*)"]}], "unassigned": [{"name": "Later"}])j") << false
        << QString();
    QTest::newRow("3-d plot of a single plain variable")
        << def(againstTime + R"j(, "plotted": [{"name": "One", "variables": ["T(3)"]}])j") << false
        << QStringLiteral("the plotted \"One\" holds a single variable");
    QTest::newRow("2-d plot of a single plain variable")
        << def(R"j("plotted": [{"name": "One", "variables": ["S"]}])j") << false << QString();
    QTest::newRow("path not in the model")
        << def(R"j("plotted": [{"name": "A", "variables": ["T(1)", "Q(1)"]}])j") << false
        << QStringLiteral("the variable \"Q(1)\" of the profile \"A\" is not in the model (looked for in block \"B\")");
    QTest::newRow("subscript past the extent")
        << def(R"j("plotted": [{"name": "A", "variables": ["T(6)"]}])j") << false
        << QStringLiteral("the variable \"T(6)\"");
    QTest::newRow("unassigned path not in the model")
        << def(R"j("plotted": [{"name": "A", "variables": ["T(*)"]}], "unassigned": [{"name": "U", "variables": ["W"]}])j")
        << false << QStringLiteral("the variable \"W\" of the profile \"U\"");
    QTest::newRow("full path") << def(R"j("plotted": [{"name": "A", "variables": ["B.T(1)", "b.t(2)"]}])j") << false
                               << QString();
    QTest::newRow("profile of dimension 3")
        << def(R"j("plotted": [{"name": "A", "variables": ["T(*)"]}], "unassigned": [{"name": "Cube", "dimension": 3, "variables": ["X(*,*)"]}])j")
        << false << QStringLiteral("the profile \"Cube\" has dimension 3");
    QTest::newRow("arrays that disagree")
        << QByteArray(R"j({"plotted": {"names": ["A"], "dimensions": [1], "counts": [2], "variables": ["T(1)"]},)j" + continuous + "}")
        << false << QStringLiteral("the plotted profiles' names, dimensions, counts and variables do not agree");
    QTest::newRow("no points to keep")
        << def(R"j("plotted": [{"name": "A", "variables": ["T(*)"]}], "maxTimePoints": 0)j") << false
        << QStringLiteral("at least 1, not 0");
    QTest::newRow("continuous update with times")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 0, "timeEntries": ["0"]})j")
        << false << QStringLiteral("the time entries are exactly [\"L\"]");
    QTest::newRow("specified times")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 1, "timeEntries": ["0", "2.5", "60"]})j")
        << true << QString();
    QTest::newRow("specified times, one negative")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 1, "timeEntries": ["0", "-5"]})j")
        << true << QStringLiteral("the time entry \"-5\" is not a time of 0 or more");
    QTest::newRow("specified times, none")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 1, "timeEntries": []})j")
        << true << QStringLiteral("there must be at least one time");
    QTest::newRow("interval")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 2, "timeEntries": ["10*", "30"]})j")
        << true << QString();
    QTest::newRow("interval without the star")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 2, "timeEntries": ["10", "30"]})j")
        << true << QStringLiteral("the start time followed by \"*\"");
    QTest::newRow("interval of zero")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 2, "timeEntries": ["0*", "0"]})j")
        << true << QStringLiteral("the interval \"0\" is not greater than zero");
    QTest::newRow("unknown time mode")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 3, "timeEntries": ["L"]})j")
        << true << QStringLiteral("the time mode 3 is not 0, 1 or 2");
    QTest::newRow("specified times without the plot host")
        << QByteArray(R"j({"plotted": [{"name": "A", "variables": ["T(*)"]}], "timeMode": 1, "timeEntries": ["0"]})j")
        << false << QStringLiteral("time mode 1 needs access \"host\"");
}

void WorkbenchPlotCheckTest::definitionsAreCheckedAgainstThePlotRules()
{
    QFETCH(QByteArray, definition);
    QFETCH(bool, hostAccess);
    QFETCH(QString, expected);

    ModelPlot plot;
    plot.name = "P";
    plot.owner = "B";
    plot.contextName = "B.P";
    plot.access = hostAccess ? PlotAccess::Host : PlotAccess::Direct;
    QString error;
    QVERIFY2(PlotDefinitionFromJsonText(definition, plot.definition, error), qPrintable(error));

    const QStringList problems = PlotProblems(plot, m_registry);
    if (expected.isEmpty()) {
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    } else {
        QVERIFY2(problems.join(QLatin1Char('\n')).contains(expected), qPrintable(problems.join(QStringLiteral("; "))));
    }
}

void WorkbenchPlotCheckTest::twoWildcardsMustStandApart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("twoWildcards");
    QTest::newRow("two subscripts") << QStringLiteral("X(*,*)") << true;
    QTest::newRow("side by side") << QStringLiteral("T(**)") << false;
    QTest::newRow("one") << QStringLiteral("T(*)") << false;
    QTest::newRow("mixed characters") << QStringLiteral("a*b?c") << true;
    QTest::newRow("tildes") << QStringLiteral("~x~") << true;
    QTest::newRow("none") << QStringLiteral("T(1)") << false;
    QTest::newRow("empty") << QString() << false;
}

void WorkbenchPlotCheckTest::twoWildcardsMustStandApart()
{
    QFETCH(QString, path);
    QFETCH(bool, twoWildcards);
    QCOMPARE(IsTwoWildcardPath(CString::FromQString(path)), twoWildcards);
}

QTEST_GUILESS_MAIN(WorkbenchPlotCheckTest)
#include "tst_workbenchplotcheck.moc"
