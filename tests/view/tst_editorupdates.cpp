// An open editor changed by the host (reload, a received profile, a new
// display unit) and by a person (the tab pages, the plot-type and y-axis radios).

#include "editorfixture.h"

#include "resources/formcontrolids.h"
#include "support/projecttest.h"

#include <QTest>

#include <set>

using namespace FormControl;
using namespace FormControlList;

namespace {

PlotDefinition ThreeDDefinition(bool yAxisIsTime)
{
    PlotDefinition definition;
    definition.is3DPlot = 1;
    definition.yAxisIsTime = yAxisIsTime ? 1 : 0;
    if (!yAxisIsTime) {
        definition.yAxisName = "Trays";
        definition.yAxisVariables = Strings({"n(*)"});
    }
    AddPlotted(definition, "T", 1, {"T(*)"});
    definition.timeMode = 1;
    definition.timeEntries = Strings({"10", "20"});
    return definition;
}

std::set<int> Keys(const CSUProfileEditorView& view)
{
    std::set<int> keys;
    view.Profiles().ForEach([&keys](const CSUPEProfile* profile) { keys.insert(profile->key); });
    return keys;
}

} // namespace

class EditorUpdatesTest : public QObject {
    Q_OBJECT
private slots:
    void reloadShowsOnlyTheNewDefinitionWithNewKeys();
    void receivedProfilesArePlottedAtTheEnd();
    void timePageHidesTheProfilesPage();
    void backFromTheTimePageEnablesTheYAxisGroupButNotItsButton();
    void yAxisProfileHoldsTheMaximumPointsAtOne();
    void displayUnitChangeRescalesEveryTime_data();
    void displayUnitChangeRescalesEveryTime();
};

void EditorUpdatesTest::reloadShowsOnlyTheNewDefinitionWithNewKeys()
{
    EditorFixture editor;
    CSUProfileEditorView* view = editor.Open(ThreeDDefinition(false), Access::Host);
    QVERIFY(view);
    const std::set<int> before = Keys(*view);
    PlotDefinition next;
    next.xAxisName = "Length";
    AddUnassigned(next, "Spare", 2, {"C(*,*)"});
    next.timeMode = 2;
    next.timeEntries = Strings({"0*", "30"});
    editor.plotData()->setDefinition(next);
    editor.frame()->SendMessage(WM_PE_RELOAD_DEFINITION);

    QCOMPARE(editor.ProfileRows(), QStringList({"Length|1 D", "Spare|2 D"}));
    QVERIFY(editor.PlotEntries().isEmpty());
    QCOMPARE(editor.Text(YAxisField), QString());
    QCOMPARE(view->YAxisKey(), -1);
    QCOMPARE(editor.Text(XAxisField), QStringLiteral("Length"));
    // The counter goes on: 3 keys before (y axis, T), then 3 and 4.
    QCOMPARE(before, std::set<int>({1, 2}));
    QCOMPARE(Keys(*view), std::set<int>({3, 4}));
    QCOMPARE(editor.TimeRows(), QStringList({"0.0"}));
    QCOMPARE(editor.CheckedAmong(DefinitionRadioIds), QList<UINT>({Radio2DPlot, RadioYAxisTime, RadioSpecifyInterval}));
    QCOMPARE(editor.Text(IntervalField), QStringLiteral("30"));
    // The new first row is not selected by a reload: no profile is current.
    QVERIFY(!view->CurrentProfile());
    QVERIFY(editor.VariableEntries().isEmpty());
    QVERIFY(!editor.Enabled(VariablesStrip));
}

void EditorUpdatesTest::receivedProfilesArePlottedAtTheEnd()
{
    EditorFixture editor;
    CSUProfileEditorView* view = editor.Open(ThreeDDefinition(true), Access::Host);
    QVERIFY(view);
    CSUPEProfile sent("Sent");
    sent.variables = Strings({"T(1)", "T(2)"});
    sent.dimension = 2;
    editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
    QCOMPARE(editor.ProfileRows(), QStringList({"T|1 D"}));

    sent.plotRequested = 1;
    editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
    editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
    QCOMPARE(editor.ProfileRows(), QStringList({"T|1 D", "Sent|2 D", "Sent|2 D"}));
    QCOMPARE(editor.PlotEntries(), QStringList({"T", "Sent", "Sent"}));
    QCOMPARE(Keys(*view), std::set<int>({1, 2, 3}));
    // The sender keeps its profile as it was.
    QCOMPARE(sent.key, 0);
    QCOMPARE(sent.role, int16_t(0));
}

void EditorUpdatesTest::timePageHidesTheProfilesPage()
{
    EditorFixture editor;
    CSUProfileEditorView* view = editor.Open(ThreeDDefinition(true), Access::Host);
    QVERIFY(view);
    for (const UINT* id = TimePageIds; *id; ++id)
        QVERIFY2(!editor.Visible(*id), QByteArray::number(*id));
    editor.ClickTab(1);
    QCOMPARE(view->CurrentPage(), 1);
    for (const UINT* id = ProfilesPageIds; *id; ++id)
        QVERIFY2(!editor.Visible(*id), QByteArray::number(*id));
    for (const UINT* id = YAxisIds; *id; ++id)
        QVERIFY2(!editor.Visible(*id), QByteArray::number(*id));
    for (const UINT* id = TimePageIds; *id; ++id)
        QVERIFY2(editor.Visible(*id), QByteArray::number(*id));
    // The controls outside the page lists stay.
    for (UINT id : {ProfilesList, VariablesList, ToPlot, Ok, Cancel, Apply, FindVariables})
        QVERIFY2(editor.Visible(id), QByteArray::number(id));
}

void EditorUpdatesTest::backFromTheTimePageEnablesTheYAxisGroupButNotItsButton()
{
    EditorFixture editor;
    QVERIFY(editor.Open(ThreeDDefinition(true), Access::Host));
    QVERIFY(!editor.Enabled(YAxisGroup));
    editor.ClickTab(1);
    editor.ClickTab(0);
    for (UINT id : {YAxisGroup, YAxisField, ClearYAxis, RadioYAxisTime, RadioYAxisProfile})
        QVERIFY2(editor.Enabled(id) && editor.Visible(id), QByteArray::number(id));
    QVERIFY(!editor.Enabled(ToYAxis));
    QVERIFY(!editor.Visible(StartTimeField));
}

void EditorUpdatesTest::yAxisProfileHoldsTheMaximumPointsAtOne()
{
    EditorFixture editor;
    CSUProfileEditorView* view = editor.Open(ThreeDDefinition(false), Access::Host);
    QVERIFY(view);
    QVERIFY(editor.Enabled(ToYAxis) && editor.Enabled(YAxisField));
    editor.ClickTab(1);
    editor.Click(RadioSpecifyInterval);
    QCOMPARE(view->CurrentTimeMode(), TimeMode::SpecifyInterval);
    QCOMPARE(editor.CheckedAmong(TimeModeRadios), QList<UINT>({RadioSpecifyInterval}));
    QVERIFY(editor.Enabled(IntervalField) && !editor.Enabled(TimesList));
    for (const UINT* id = MaxTimePointsIds; *id; ++id)
        QVERIFY2(!editor.Enabled(*id), QByteArray::number(*id));
    QCOMPARE(editor.Text(MaxTimePointsField), QStringLiteral("1"));

    editor.ClickTab(0);
    editor.Click(Radio2DPlot);
    QVERIFY(view->Is2DPlot() && view->YAxisIsTime());
    for (const UINT* id = MaxTimePointsIds; *id; ++id)
        QVERIFY2(editor.Enabled(*id), QByteArray::number(*id));
    // The y-axis profile went back to the unassigned profiles.
    QCOMPARE(editor.Text(YAxisField), QString());
    QCOMPARE(view->YAxisKey(), -1);
    QCOMPARE(view->Profiles().Find(1)->role, int16_t(0));
    QVERIFY(editor.Checked(RadioYAxisTime) && !editor.Checked(RadioYAxisProfile));
    QVERIFY(!editor.Enabled(YAxisGroup) && !editor.Enabled(ToYAxis));

    // 3-d again keeps the y axis on time; choosing a profile enables its controls.
    editor.Click(Radio3DPlot);
    QVERIFY(!view->Is2DPlot() && view->YAxisIsTime());
    editor.Click(RadioYAxisProfile);
    QVERIFY(!view->YAxisIsTime());
    QVERIFY(editor.Enabled(ToYAxis) && !editor.Enabled(MaxTimePointsField));
}

void EditorUpdatesTest::displayUnitChangeRescalesEveryTime_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("interval");
    QTest::newRow("start and interval") << 2 << QStringList {"2*", "0.5"} << QStringList {"0"} << "120"
                                        << "30";
    QTest::newRow("specified times") << 1 << QStringList {"1", "2.5"} << QStringList {"60", "150"} << "0"
                                     << "3600";
}

void EditorUpdatesTest::displayUnitChangeRescalesEveryTime()
{
    QFETCH(int, mode);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, rows);
    QFETCH(QString, start);
    QFETCH(QString, interval);
    PlotDefinition definition;
    definition.timeMode = mode;
    definition.timeEntries = Strings(entries);
    EditorFixture editor;
    CSUProfileEditorView* view = editor.Open(definition, Access::Host, 1.0, "s");
    QVERIFY(view);
    editor.document()->SetDisplayUnit("tick", 60.0);
    QCOMPARE(view->TimeFactor(), 60.0);
    QCOMPARE(editor.TimeRows(), rows);
    QCOMPARE(editor.Text(StartTimeField), start);
    QCOMPARE(editor.Text(IntervalField), interval);
    LVCOLUMN column;
    char heading[64] = {};
    column.mask = LVCF_TEXT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    QVERIFY(editor.ListControl(TimesList).GetColumn(0, &column));
    QCOMPARE(QString(heading), QStringLiteral("Times (tick)"));
}

PE_TEST_MAIN(EditorUpdatesTest)
#include "tst_editorupdates.moc"
