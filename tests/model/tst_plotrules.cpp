// The rules a definition must meet before it is written, the rules of typed
// times and intervals, and the numeric order and thinning of the times list.

#include "support/defaultnumericlocale.h"
#include "support/projecttest.h"

#include "model/outgoingprofiles.h"
#include "model/plotrules.h"
#include "model/profileroles.h"
#include "model/timevalues.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A plot built from rows "name|role|dimension|variables", role one of x, y,
// p (plotted, in row order) and u; variables separated by ';'.
struct BuiltPlot {
    ProfileSet profiles;
    int xAxisKey = -1;
    int yAxisKey = -1;
    std::vector<int> plotKeys;
};

void Build(BuiltPlot& plot, const QStringList& rows)
{
    for (const QString& row : rows) {
        const QStringList fields = row.split('|');
        auto* profile = new CSUPEProfile(CString::FromQString(fields[0]));
        profile->dimension = fields[2].toInt();
        for (const QString& variable : fields[3].split(';', Qt::SkipEmptyParts))
            profile->variables.Add(CString::FromQString(variable));
        const QString role = fields[1];
        profile->role = static_cast<int16_t>(role == "x" ? ProfileRole::XAxis
                : role == "y"                            ? ProfileRole::YAxis
                : role == "p"                            ? ProfileRole::Plotted
                                                         : ProfileRole::Unassigned);
        const int key = plot.profiles.Add(profile);
        if (role == "x")
            plot.xAxisKey = key;
        else if (role == "y")
            plot.yAxisKey = key;
        else if (role == "p")
            plot.plotKeys.push_back(key);
    }
}

const char* const AllOneD
    = "All of the profiles must be 1d profiles unless you have selected a 3d plot where the y axis "
      "does not represent time";
const char* const MoreThanOne = "Cannot plot more than one profile on a 3d plot where the Y axis represents time";

} // namespace

class PlotRulesTest : public QObject {
    Q_OBJECT
private slots:
    void firstBrokenRuleIsTold_data()
    {
        QTest::addColumn<bool>("is2D");
        QTest::addColumn<bool>("yIsTime");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("2d: a 2-d x axis wins over everything else")
            << true << true << QStringList {"X|x|2|", "Y|y|2|", "P|p|2|", "E|p|1|"}
            << "Profiles assigned to the x-axis must be of one dimension";
        QTest::newRow("2d: a 2-d y axis") << true << true << QStringList {"X|x|1|a", "Y|y|2|a", "P|p|2|a"}
                                          << "Profiles assigned to the y-axis of 3d plots must be of one dimension";
        QTest::newRow("2d: a 2-d plotted profile") << true << true << QStringList {"P|p|1|a", "Q|p|2|a"} << AllOneD;
        QTest::newRow("3d against time: a 2-d plotted profile")
            << false << true << QStringList {"P|p|2|a;b"} << AllOneD;
        QTest::newRow("3d against a profile: one 1-d")
            << false << false << QStringList {"Y|y|1|a;b", "P|p|1|a;b"}
            << "You can not plot a single 1d profile on the z-axis of a 3d surface plot";
        QTest::newRow("3d against a profile: one 2-d")
            << false << false << QStringList {"Y|y|1|a;b", "P|p|2|a;b"} << "";
        QTest::newRow("3d against a profile: two 1-d")
            << false << false << QStringList {"Y|y|1|a;b", "P|p|1|a;b", "Q|p|1|a;b"} << "";
        QTest::newRow("3d against a profile: a 2-d among two")
            << false << false << QStringList {"Y|y|1|a;b", "P|p|1|a;b", "Q|p|2|a;b"}
            << "You can only plot one 2d profile on the z-axis of a 3d surface plot";
        QTest::newRow("3d against a profile: nothing plotted") << false << false << QStringList {"Y|y|1|a;b"} << "";
        QTest::newRow("3d against time: two plotted")
            << false << true << QStringList {"P|p|1|a;b", "Q|p|1|a;b"} << MoreThanOne;
        QTest::newRow("3d against time: two plotted, wildcards apart")
            << false << true << QStringList {"P|p|1|a;b", "Q|p|1|a;T(*,*)"} << "";
        QTest::newRow("3d against time: two plotted, wildcards side by side")
            << false << true << QStringList {"P|p|1|a;b", "Q|p|1|a;T(**)"} << MoreThanOne;
        QTest::newRow("3d against time: nothing plotted") << false << true << QStringList {"U|u|2|"} << "";
        QTest::newRow("2d: nothing plotted") << true << true << QStringList {} << "";
        QTest::newRow("unassigned without variables") << true << true << QStringList {"E|u|1|", "P|p|1|a"} << "";
        QTest::newRow("plotted without variables")
            << true << true << QStringList {"P|p|1|a", "Empty|p|1|"} << "The profile Empty contains no variables.";
        QTest::newRow("x axis without variables")
            << true << true << QStringList {"Empty|x|1|"} << "The profile Empty contains no variables.";
        QTest::newRow("3d: one plain variable")
            << false << true << QStringList {"One|p|1|T(1)"}
            << "The profile One contains only 1 variable;\nsingle data points won't be displayed on 3d plots.";
        QTest::newRow("3d: one wildcard variable") << false << true << QStringList {"One|p|1|T(~)"} << "";
        QTest::newRow("2d: one plain variable") << true << true << QStringList {"One|p|1|T(1)"} << "";
        QTest::newRow("3d: y profile with the time choice")
            << false << true << QStringList {"Y|y|1|a;b", "P|p|1|a;b"}
            << "You have specified a profile for the Y axis but have selected the 'Y axis is time' option.\n"
               "Either remove the profile from the y axis or select the 'Y axis: specify profile' option.";
        QTest::newRow("2d: y profile with the time choice") << true << true << QStringList {"Y|y|1|a", "P|p|1|a"} << "";
    }

    void firstBrokenRuleIsTold()
    {
        QFETCH(bool, is2D);
        QFETCH(bool, yIsTime);
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        BuiltPlot plot;
        Build(plot, rows);
        const PlotLayout layout {plot.profiles, plot.xAxisKey, plot.yAxisKey, plot.plotKeys, is2D, yIsTime};
        QCOMPARE(PlotRuleViolation(layout).ToQString(), message);
    }

    void twoWildcardPaths()
    {
        QVERIFY(IsTwoWildcardPath("T(*,*)"));
        QVERIFY(IsTwoWildcardPath("x(?,~)"));
        QVERIFY(!IsTwoWildcardPath("T(**)"));
        QVERIFY(!IsTwoWildcardPath("T(*)"));
        QVERIFY(!IsTwoWildcardPath("T*"));
        QVERIFY(IsWildcardPath("T(~)"));
        QVERIFY(!IsWildcardPath("T(1)"));

        // Classification looks at the plotted profiles only, and skips a key that
        // names no profile.
        BuiltPlot plot;
        Build(plot, {"X|x|1|T(*,*)", "P|p|1|a"});
        PlotLayout layout {plot.profiles, plot.xAxisKey, -1, plot.plotKeys, false, true};
        QCOMPARE(ClassifyPlotProfiles(layout), 0);
        layout.plotKeys.push_back(999);
        QCOMPARE(ClassifyPlotProfiles(layout), 1);
        layout.plotKeys.push_back(plot.xAxisKey);
        QCOMPARE(ClassifyPlotProfiles(layout), 2);
        layout.plotKeys = {999};
        layout.is2DPlot = true;
        QCOMPARE(PlotRuleViolation(layout), CString());
    }

    void timeFieldsBeforeAWrite_data()
    {
        QTest::addColumn<QStringList>("fields"); // interval, start time
        QTest::addColumn<int>("check");
        QTest::newRow("both good") << QStringList {"30", "0"} << int(TimeFieldsCheck::Pass);
        QTest::newRow("interval empty, start wrong too") << QStringList {"", ""} << int(TimeFieldsCheck::IntervalEmpty);
        QTest::newRow("interval 0") << QStringList {"0", ""} << int(TimeFieldsCheck::IntervalOutOfRange);
        QTest::newRow("interval nan") << QStringList {"nan", "1"} << int(TimeFieldsCheck::IntervalOutOfRange);
        QTest::newRow("start empty") << QStringList {"5", ""} << int(TimeFieldsCheck::StartTimeEmpty);
        QTest::newRow("start -1") << QStringList {"5", "-1"} << int(TimeFieldsCheck::StartTimeOutOfRange);
        QTest::newRow("start inf") << QStringList {"5", "inf"} << int(TimeFieldsCheck::StartTimeOutOfRange);
        QTest::newRow("letters pass") << QStringList {"abc", "xyz"} << int(TimeFieldsCheck::Pass);
    }

    void timeFieldsBeforeAWrite()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, check);
        QCOMPARE(int(CheckTimeFields(CString::FromQString(fields[0]), CString::FromQString(fields[1]))), check);
    }

    void typedTimes_data()
    {
        // What the times list refuses is tested through the editor; these are the rest.
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("interval");
        QTest::addColumn<QString>("message");
        const QString notReal = "Value is not a real value.";
        QTest::newRow("zero time") << "0" << false << "";
        QTest::newRow("zero interval") << "0" << true << "Time intervals must be greater than zero.";
        QTest::newRow("infinity interval") << "infinity" << true << notReal;
        QTest::newRow("overflow") << "1e999" << false << notReal;
    }

    void typedTimes()
    {
        QFETCH(QString, text);
        QFETCH(bool, interval);
        QFETCH(QString, message);
        const char* problem
            = TimeValueProblem(text.toLatin1().constData(), interval ? TimeRule::Interval : TimeRule::Time);
        QCOMPARE(QString::fromLatin1(problem ? problem : ""), message);
    }

    void commaDecimalTimes()
    {
        const DefaultNumericLocale locale("de_DE.UTF-8");
        double value = 0;
        QVERIFY(ReadLeadingReal("2,5", value));
        QCOMPARE(value, 2.5);
        QCOMPARE(FormatEditedTime(2.5), CString("2,5"));
        // Fields keep every digit of a value; six digits are the least they show.
        QCOMPARE(FormatFieldTime(3600.125), CString("3600,125"));
        QCOMPARE(FormatFieldTime(1.0 / 3.0), CString("0,3333333333333333"));
        QCOMPARE(TimeTextValue("2,5"), 2.5);
    }

    void timesSortWithNotANumberLast()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        std::vector<double> values {5, nan, 1, 3, 0, nan, 3, 3, 0};
        std::sort(values.begin(), values.end(), [](double a, double b) { return CompareTimeValues(a, b) < 0; });
        QCOMPARE(std::vector<double>(values.begin(), values.begin() + 7), std::vector<double>({0, 0, 1, 3, 3, 3, 5}));
        QVERIFY(std::isnan(values[7]) && std::isnan(values[8]));
        QCOMPARE(DuplicateTimeRows(values), std::vector<int>({1, 4, 5}));
    }

    void outgoingArraysSkipAMissingProfile()
    {
        BuiltPlot plot;
        Build(plot, {"X|x|1|x1", "P|p|2|p1;p2", "U|u|1|u1", "Q|p|1|q1"});
        std::vector<int> keys {plot.plotKeys[1], 999, plot.plotKeys[0]};
        const OutgoingProfiles out = GatherOutgoingProfiles(plot.profiles, keys);
        QCOMPARE(out.xAxisName, CString("X"));
        QCOMPARE(out.yAxisName, CString());
        QCOMPARE(out.plotted.names.GetSize(), 2);
        QCOMPARE(out.plotted.names[0], CString("Q"));
        QCOMPARE(out.plotted.variables.GetSize(), 3);
        QCOMPARE(out.plotted.dimensions[1], 2u);
        QCOMPARE(out.unassigned.names.GetSize(), 1);
        QCOMPARE(out.missingPlotKeys, std::vector<int>({999}));
    }
};

PE_TEST_APPLESS_MAIN(PlotRulesTest)
#include "tst_plotrules.moc"
