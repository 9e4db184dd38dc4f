// What the workbench's plots draw, without widgets: the times of each time
// mode, the values of elements, what each sample plot holds and the reason a
// refused definition gives.

#include "support/projecttest.h"
#include "workbench/app/samplemodel.h"
#include "workbench/model/modelfile.h"
#include "workbench/plot/drawntimes.h"
#include "workbench/plot/plotdata.h"
#include "workbench/plot/simulatedvalues.h"

#include <QTest>

namespace {

PlotDefinition Timed(int mode, QStringList entries, int maxPoints)
{
    PlotDefinition definition;
    definition.timeMode = mode;
    definition.maxTimePoints = maxPoints;
    for (const QString& entry : entries)
        definition.timeEntries.Add(CString::FromQString(entry));
    return definition;
}

} // namespace

class WorkbenchPlotDataTest : public QObject {
    Q_OBJECT
private slots:
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
        const std::vector<double> times = DrawnTimes(ReadPlotTimeSettings(Timed(mode, entries, maxPoints)), now, step);
        QCOMPARE(QList<double>(times.begin(), times.end()), expected);
    }

    void valuesAreSimulatedOrInterpolatedFromTheModelFile()
    {
        // Simulated: the same element and time give the same value, elements and
        // times differ, and the front moves along the column.
        PlotElement first;
        PlotElement last;
        // (The sample's results give Column.T; its liquid flows L are simulated.)
        const VariableValues temperature = m_values.For("Column.L");
        first.source = last.source = &temperature;
        last.place = 1.0;
        // The first element stands at place 0; a second source of the same
        // variable gives the same value (nothing is left over from earlier calls).
        QCOMPARE(first.At(600), SimulatedProfile::For("Column.L").At(0.0, 0, 600));
        const VariableValues temperatureAgain = m_values.For("Column.L");
        PlotElement again = first;
        again.source = &temperatureAgain;
        QCOMPARE(again.At(600), first.At(600));
        QVERIFY(first.At(600) != last.At(600));
        QVERIFY(std::fabs(first.At(0) - first.At(3600)) > 1 || std::fabs(last.At(0) - last.At(3600)) > 1);
        const VariableValues pressure = m_values.For("Column.P");
        PlotElement other = first;
        other.source = &pressure;
        QVERIFY(other.At(600) != first.At(600));

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
        QCOMPARE(InterpolateGiven(table, 0, 125), 25.0);
        // Values and times whose differences pass the largest double.
        const GivenValues extreme = GivenValues::Dense("B.S", {-1e308, 1e308}, {{-1e308}, {1e308}});
        QCOMPARE(InterpolateGiven(extreme, 0, 0), 0.0);
        QCOMPARE(InterpolateGiven(extreme, 0, -1e308), -1e308);
        QCOMPARE(InterpolateGiven(extreme, 0, 5e307), 5e307);
    }

    void givenValuesAreReadAndChecked()
    {
        const QByteArray blocks
            = R"j({"blocks": [{"path": "B", "variables": [{"name": "X", "extents": [2, 2]}, {"name": "S"}]}], )j";
        WorkbenchModel model;
        QString error;
        QVERIFY2(
            ReadModelFile(blocks
                    + R"j("values": [{"variable": "B.X", "times": [0, 10], "rows": [[1, 2, 3, 4], [5, 6, 7, 8]]}, {"variable": "B.S", "times": [0], "rows": [[9]]}]})j",
                model, error),
            qPrintable(error));
        QCOMPARE(model.values.size(), size_t(2));
        QCOMPARE(model.values[0].At(1, 2), 7.0);

        const auto refused = [&](const QByteArray& values) {
            WorkbenchModel unchanged;
            return !ReadModelFile(blocks + R"j("values": )j" + values + "}", unchanged, error) ? error : QString();
        };
        QCOMPARE(refused(R"j([{"variable": "B.X", "times": [0], "rows": [[1, 2, 3]]}])j"),
            QStringLiteral("values[0].rows[0]: expected 4 values, one per element, found 3"));
        QCOMPARE(refused(R"j([{"variable": "B.Y", "times": [0], "rows": [[1]]}])j"),
            QStringLiteral("values[0].variable: there is no variable \"B.Y\" (a full path without subscripts)"));
        QCOMPARE(refused(R"j([{"variable": "B.S", "times": [5, 5], "rows": [[1], [2]]}])j"),
            QStringLiteral("values[0].times[1]: times must increase"));
        QCOMPARE(refused(R"j([{"variable": "B.S", "times": [0, 5], "rows": [[1]]}])j"),
            QStringLiteral("values[0].rows: expected 2 rows, one per time, found 1"));
        QCOMPARE(
            refused(
                R"j([{"variable": "B.S", "times": [0], "rows": [[1]]}, {"variable": "b.s", "times": [0], "rows": [[1]]}])j"),
            QStringLiteral("values[1].variable: the values of \"b.s\" are given already"));
    }

    void eachSamplePlotHoldsItsLinesOrMaps()
    {
        // 2-d over the x-axis profile: ten times of the clock, twenty trays, placed
        // at the given tray heights.
        PlotData lines = Draw(Plot("Column temperatures"), 3600);
        QCOMPARE(lines.kind, PlotKind::Lines);
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
    }

    void refusedDefinitionDrawsOnlyItsReason()
    {
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

PE_TEST_GUILESS_MAIN(WorkbenchPlotDataTest)
#include "tst_workbenchplotdata.moc"
