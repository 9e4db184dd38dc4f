// The rules a definition must meet before it is written, the rules of typed
// times and intervals, and the numeric order and thinning of the times list.
// The definition as the host object carries it: profiles split from parallel
// arrays that may disagree, and time entries written by time mode under the C
// and a comma-decimal numeric locale and read back. And the profile set: keys
// from a counter that never goes back, never given twice while a profile holds
// them, and the profiles owned by the set.

#include "support/defaultnumericlocale.h"
#include "support/projecttest.h"
#include "support/stringarrays.h"

#include "model/outgoingprofiles.h"
#include "model/plotrules.h"
#include "model/profilearrays.h"
#include "model/profileroles.h"
#include "model/profileset.h"
#include "model/timeentries.h"
#include "model/timevalues.h"

#include "platform/core/invalidarg.h"

#include <algorithm>
#include <cmath>
#include <cstring>
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
        // "T(*,*)" and "T(**)" are in the table above.
        QVERIFY(IsTwoWildcardPath("x(?,~)"));
        QVERIFY(!IsTwoWildcardPath("T*"));

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

    // The list's quick reading of many times gives what atof gives, in either locale.
    void manyTimesReadAsOneAtATime()
    {
        const std::vector<CString> texts {"1.5", "1,5", "2,5e3", "-0", "0x10", " 2", "+3", "1e999", "1e-400", "nan",
            "12abc", "", "7.", ".5", "1,2,3", "1.5e3"};
        for (const char* name : {"C", "de_DE.UTF-8"}) {
            const DefaultNumericLocale locale(name);
            const std::vector<double> values = TimeTextValues(texts);
            for (size_t i = 0; i < texts.size(); ++i) {
                const double single = TimeTextValue(texts[i]);
                QVERIFY2(std::memcmp(&values[i], &single, sizeof single) == 0,
                    qPrintable(QStringLiteral("%1 in %2: %3, not %4")
                                   .arg(texts[i].ToQString(), name)
                                   .arg(values[i])
                                   .arg(single)));
            }
        }
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
        Build(plot, {"X|x|1|x1", "P|p|2|p1;p2;p3", "U|u|1|u1", "Q|p|1|q1"});
        std::vector<int> keys {plot.plotKeys[1], 999, plot.plotKeys[0]};
        const OutgoingProfiles out = GatherOutgoingProfiles(plot.profiles, keys);
        QCOMPARE(out.xAxisName, CString("X"));
        QCOMPARE(out.yAxisName, CString());
        QCOMPARE(out.plotted.names.GetSize(), 2);
        QCOMPARE(out.plotted.names[0], CString("Q"));
        QCOMPARE(out.plotted.variables.GetSize(), 4);
        QCOMPARE(out.plotted.dimensions[1], 2u);
        QCOMPARE(out.plotted.counts[1], 3u);
        QCOMPARE(out.unassigned.names.GetSize(), 1);
        QCOMPARE(out.missingPlotKeys, std::vector<int>({999}));
    }

    void profilesSplitFromTheArrays_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<uint>>("dimensions");
        QTest::addColumn<QList<uint>>("counts");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("made"); // "name:dimension:variables"
        QTest::addColumn<QString>("error");
        const QStringList vars {"T(*)", "x(*,1)", "x(*,2)", "P(3)"};
        QTest::newRow("in order, shares by count")
            << QStringList {"T", "x", "none"} << QList<uint> {1, 2, 1} << QList<uint> {1, 2, 0} << vars
            << QStringList {"T:1:T(*)", "x:2:x(*,1),x(*,2)", "none:1:"} << "";
        QTest::newRow("no names, stray variables")
            << QStringList {} << QList<uint> {} << QList<uint> {} << vars << QStringList {} << "";
        QTest::newRow("counts add up past the variables")
            << QStringList {"T", "x", "P"} << QList<uint> {1, 2, 1} << QList<uint> {1, 2, 5} << vars
            << QStringList {"T:1:T(*)", "x:2:x(*,1),x(*,2)"}
            << "The plotted profile 3 (\"P\") needs 5 variables from position 4 on, but the definition's plotted "
               "variables end after 4.";
        QTest::newRow("a name without a dimension")
            << QStringList {"T", "x"} << QList<uint> {1} << QList<uint> {1, 2} << vars << QStringList {"T:1:T(*)"}
            << "The plotted profile 2 (\"x\") has no dimension: the definition gives fewer dimensions than names.";
        QTest::newRow("a name without a count")
            << QStringList {"T"} << QList<uint> {1} << QList<uint> {} << vars << QStringList {}
            << "The plotted profile 1 (\"T\") has no variable count: the definition gives fewer counts than names.";
        QTest::newRow("a count beyond any array")
            << QStringList {"T"} << QList<uint> {1} << QList<uint> {4294967295u} << vars << QStringList {}
            << "The plotted profile 1 (\"T\") needs 4294967295 variables from "
               "position 1 on, but the definition's plotted variables end after 4.";
    }

    void profilesSplitFromTheArrays()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<uint>, dimensions);
        QFETCH(QList<uint>, counts);
        QFETCH(QStringList, variables);
        QFETCH(QStringList, made);
        QFETCH(QString, error);
        ProfileArrays arrays;
        arrays.names = Strings(names);
        for (uint d : dimensions)
            arrays.dimensions.Add(d);
        for (uint c : counts)
            arrays.counts.Add(c);
        arrays.variables = Strings(variables);
        QStringList got;
        QString raised;
        try {
            SplitProfileArrays(arrays, 4, "plotted", [&got](std::unique_ptr<CSUPEProfile> profile) {
                QCOMPARE(profile->role, int16_t(4));
                got << QStringLiteral("%1:%2:%3")
                           .arg(profile->name.ToQString())
                           .arg(profile->dimension)
                           .arg(Texts(profile->variables).join(','));
            });
        } catch (const CInvalidArgException& e) {
            raised = QString::fromLatin1(e.what());
        }
        QCOMPARE(got, made);
        QCOMPARE(raised, error);
    }

    void timeEntriesAreMadeByMode_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<double>>("rows");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("interval");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("continuous: L whatever the rows hold")
            << QByteArray("C") << 0 << QList<double> {1, 2} << 0.0 << 0.0 << 1.0 << QStringList {"L"};
        QTest::newRow("times in row order, in communication units")
            << QByteArray("C") << 1 << QList<double> {1, 0.5} << 0.0 << 0.0 << 1.0 / 60 << QStringList {"60", "30"};
        QTest::newRow("no times") << QByteArray("C") << 1 << QList<double> {} << 0.0 << 0.0 << 1.0 << QStringList {};
        QTest::newRow("start with its star, then the interval")
            << QByteArray("C") << 2 << QList<double> {} << 2.0 << 0.5 << 1.0 << QStringList {"2*", "0.5"};
        QTest::newRow("comma locale") << QByteArray("de_DE.UTF-8") << 2 << QList<double> {} << 2.5 << 0.1 << 1.0
                                      << QStringList {"2,5*", "0,1"};
    }

    void timeEntriesAreMadeByMode()
    {
        QFETCH(QByteArray, locale);
        QFETCH(int, mode);
        QFETCH(QList<double>, rows);
        QFETCH(double, start);
        QFETCH(double, interval);
        QFETCH(double, factor);
        QFETCH(QStringList, entries);
        const DefaultNumericLocale userLocale(locale.constData());
        const std::vector<double> values(rows.begin(), rows.end());
        const CStringArray made = MakeTimeEntries(static_cast<TimeMode>(mode), values, start, interval, factor);
        QCOMPARE(Texts(made), entries);
        // Read back, the entries show the same times.
        if (mode == 2) {
            const ShownTimes shown = ShowTimeEntries(TimeMode::SpecifyInterval, made, factor);
            QCOMPARE(shown.startTime, FormatTime(start));
            QCOMPARE(shown.interval, FormatTime(interval));
            // A host that gives too few entries is refused, not read past the end.
            QVERIFY_THROWS_EXCEPTION(
                CInvalidArgException, ShowTimeEntries(TimeMode::SpecifyInterval, {made[0]}, factor));
        }
    }

    void keysCountOnAfterDeletesAndWrapAroundHeldKeys()
    {
        ProfileSet set;
        QCOMPARE(set.Add(new CSUPEProfile("a")), 1);
        QCOMPARE(set.Add(new CSUPEProfile("a")), 2); // same name, own key
        QVERIFY(set.Delete(2));
        QVERIFY(!set.Delete(2));
        QCOMPARE(set.Add(new CSUPEProfile("b")), 3);
        set.DeleteAll();
        QVERIFY(set.IsEmpty());
        QCOMPARE(set.Add(new CSUPEProfile("c")), 4);
        QCOMPARE(set.Find(4)->name, CString("c"));
        QCOMPARE(set.Find(4)->key, 4);
        QCOMPARE(set.Find(1), nullptr);
        QCOMPARE(set.Find(-1), nullptr);
        QCOMPARE(set.Find(70000), nullptr);

        // A copy has no key of its own until it joins the set.
        CSUPEProfile copy(*set.Find(4));
        QCOMPARE(copy.key, 0);

        // Keys wrap after the last, skipping 0 ("no key") and the keys still held.
        set.SetNextProfileKeyForTest(65534);
        auto* last = new CSUPEProfile("x");
        QCOMPARE(set.Add(last), 65535);
        QCOMPARE(set.Find(65535), last); // the last key is found like any other
        QCOMPARE(set.Add(new CSUPEProfile("y")), 1);
        set.SetNextProfileKeyForTest(3);
        QCOMPARE(set.Add(new CSUPEProfile("z")), 5); // 4 is held by "c"
        QCOMPARE(set.GetCount(), 4);
    }
};

PE_TEST_APPLESS_MAIN(PlotRulesTest)
#include "tst_plotrules.moc"
