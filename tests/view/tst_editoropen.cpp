// Opening an editor: the tabs by the kind of plot object, the definition
// listed in the form, the time page per time mode, and definitions or objects
// the editor cannot take as they are. Then the open editor changed by the host
// (reload, a received profile, a new display unit) and by a person (the tab
// pages, the plot-type and y-axis radios).

#include "editorfixture.h"

#include "hostlib/modelobject.h"
#include "resources/editorform.h"
#include "resources/formcontrolids.h"
#include "support/defaultnumericlocale.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <set>

using namespace FormControl;
using namespace FormControlList;

namespace {

// x axis, y axis, three plotted (one two-dimensional) and two unassigned.
PlotDefinition FullDefinition()
{
    PlotDefinition definition;
    definition.is3DPlot = 1;
    definition.yAxisIsTime = 0;
    definition.xAxisName = "Height";
    definition.xAxisVariables = Strings({"z(*)"});
    definition.yAxisName = "Trays";
    definition.yAxisVariables = Strings({"n(1)", "n(2)"});
    AddPlotted(definition, "T", 1, {"T(*)"});
    AddPlotted(definition, "x", 2, {"x(*,1)", "x(*,2)"});
    AddPlotted(definition, "P", 1, {"P(*)"});
    AddUnassigned(definition, "Top", 1, {"T(1)", "T(2)"});
    AddUnassigned(definition, "Bottom", 2, {"x(20,*)"});
    definition.maxTimePoints = 25;
    definition.timeEntries = Strings({"L"});
    return definition;
}

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

std::set<int> Keys(CSUProfileEditorView& view)
{
    std::set<int> keys;
    view.ProfilesPart().Profiles().ForEach([&keys](const CSUPEProfile* profile) { keys.insert(profile->key); });
    return keys;
}

} // namespace

class EditorOpenTest : public QObject {
    Q_OBJECT
private slots:
    // Every control the view reaches is in the form, with the kind the view expects.

    void formHoldsEachControlTheViewReaches_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("kind");
        using namespace FormControl;
        using K = DialogControlKind;
        const auto rows = [](K kind, std::initializer_list<UINT> ids) {
            for (UINT id : ids)
                QTest::addRow("%u", id) << int(id) << int(kind);
        };
        rows(K::AutoRadioButton,
            {Radio2DPlot, Radio3DPlot, RadioYAxisTime, RadioYAxisProfile, RadioContinuousUpdate, RadioSpecifyTimes,
                RadioSpecifyInterval});
        rows(K::ListView, {ProfilesList, TimesList});
        rows(K::ListBox, {VariablesList, PlotList});
        rows(K::OwnerDrawButton, {VariablesStrip, ProfilesStrip, PlotStrip, TimesStrip});
        rows(K::PushButton, {ToXAxis, ToYAxis, ToPlot, Apply, FindVariables, Cancel});
        rows(K::DefPushButton, {Ok});
        rows(K::BitmapButton, {ClearXAxis, ClearYAxis});
        rows(K::Edit, {XAxisField, YAxisField, StartTimeField, IntervalField, MaxTimePointsField});
        rows(K::Static, {XAxisLabel, StartTimeLabel, IntervalLabel, MaxTimePointsLabel});
        rows(K::GroupBox, {YAxisGroup});
        rows(K::TabControl, {Tabs});
        rows(K::UpDown, {MaxTimePointsUpDown});
    }

    void formHoldsEachControlTheViewReaches()
    {
        QFETCH(int, id);
        QFETCH(int, kind);
        const std::vector<DialogControlTemplate>& controls = EditorFormTemplate().controls;
        const auto control = std::find_if(
            controls.begin(), controls.end(), [id](const DialogControlTemplate& each) { return each.id == id; });
        QVERIFY2(control != controls.end(), "the form has no control with this id");
        QCOMPARE(int(control->kind), kind);
    }

    void definitionIsListedInOrder()
    {
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(FullDefinition(), Access::Host);
        QCOMPARE(editor.ProfileRows(),
            QStringList({"Height|1 D", "Trays|1 D", "T|1 D", "x|2 D", "P|1 D", "Top|1 D", "Bottom|2 D"}));
        QCOMPARE(editor.Text(XAxisField), QStringLiteral("Height"));
        QCOMPARE(editor.Text(YAxisField), QStringLiteral("Trays"));
        QCOMPARE(editor.PlotEntries(), QStringList({"T", "x", "P"}));
        QCOMPARE(editor.Tabs(), QStringList({"Profiles", "Time settings"}));
        QCOMPARE(view->AssignmentPart().XAxisKey(), 1);
        QCOMPARE(view->AssignmentPart().YAxisKey(), 2);
        // The first row is selected and its variables listed.
        QCOMPARE(editor.VariableEntries(), QStringList({"z(*)"}));
        QVERIFY(view->ProfilesPart().CurrentProfile() && view->ProfilesPart().CurrentProfile()->name == "Height");
        QVERIFY(editor.Enabled(VariablesStrip));
        QCOMPARE(editor.Text(MaxTimePointsField), QStringLiteral("1")); // 3-d against a y-axis profile
        QVERIFY(editor.Checked(Radio3DPlot) && editor.Checked(RadioYAxisProfile));
        QVERIFY(!editor.Checked(Radio2DPlot) && !editor.Checked(RadioYAxisTime));
        QCOMPARE(editor.plotData()->callNames(),
            QStringList({"GetIs3DPlot", "GetPlotProfiles", "GetUnassignedProfiles", "GetPlotProfileVariables",
                "GetUnassignedProfileVariables", "GetMaxTimePoints", "GetTimes", "GetYAxisIsTime"}));
        QCOMPARE(editor.plotHost()->callNames(),
            QStringList({"QueryInterface", "QueryInterface", "GetPlotDataObjects", "GetTimeMode"}));
        // Each profile's roles and variables as the host gave them.
        int plotted = 0;
        view->ProfilesPart().Profiles().ForEach([&plotted](const CSUPEProfile* profile) {
            if (profile->role == 4)
                ++plotted;
            if (profile->name == "x")
                QCOMPARE(profile->variables.GetSize(), 2);
        });
        QCOMPARE(plotted, 3);
    }

    void emptyDefinitionDisablesTheVariablesStrip()
    {
        EditorFixture editor;
        PlotDefinition empty;
        empty.timeEntries = Strings({"L"});
        CSUProfileEditorView* view = editor.Open(empty, Access::Direct);
        QVERIFY(editor.ProfileRows().isEmpty());
        QVERIFY(editor.PlotEntries().isEmpty());
        QVERIFY(!view->ProfilesPart().CurrentProfile());
        QVERIFY(!editor.Enabled(VariablesStrip));
        QCOMPARE(editor.Text(XAxisField), QString());
        QVERIFY(editor.Checked(Radio2DPlot));
        // Plot data reached directly has no time settings.
        QCOMPARE(editor.Tabs(), QStringList({"Profiles"}));
    }

    void timePageShowsEachMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<UINT>("radio");
        QTest::addColumn<bool>("timesListEnabled");
        QTest::addColumn<bool>("intervalEnabled");
        QTest::addColumn<int>("access");
        QTest::addColumn<QByteArray>("locale");
        const int host = int(Access::Host);
        // Before a load the start field holds 0.0 and the interval the document's default (60 x factor).
        QTest::newRow("continuous") << 0 << QStringList {"L"} << 1.0 << QStringList {"0.0"} << "0.0"
                                    << "60" << RadioContinuousUpdate << false << false << host << QByteArray("C");
        QTest::newRow("specified times, host order kept")
            << 1 << QStringList {"5", "1.5", "5"} << 1.0 << QStringList {"5", "1.5", "5"} << "0.0"
            << "60" << RadioSpecifyTimes << true << false << host << QByteArray("C");
        QTest::newRow("specified times in minutes")
            << 1 << QStringList {"30", "90"} << 1.0 / 60 << QStringList {"0.5", "1.5"} << "0.0"
            << "1" << RadioSpecifyTimes << true << false << host << QByteArray("C");
        QTest::newRow("start and interval")
            << 2 << QStringList {"2*", "0.5"} << 1.0 << QStringList {"0.0"} << "2"
            << "0.5" << RadioSpecifyInterval << false << true << host << QByteArray("C");
        // Entries as the model file keeps them, shown with the user's decimal comma.
        QTest::newRow("start and interval, comma locale")
            << 2 << QStringList {"2.5*", "0.5"} << 1.0 << QStringList {"0,0"} << "2,5"
            << "0,5" << RadioSpecifyInterval << false << true << host << QByteArray("de_DE.UTF-8");
        // Plot data reached directly has no time mode: continuous.
        QTest::newRow("start and interval without a plot host")
            << 2 << QStringList {"2*", "0.5"} << 1.0 << QStringList {"0.0"} << "0.0"
            << "60" << RadioContinuousUpdate << false << false << int(Access::Direct) << QByteArray("C");
    }

    void timePageShowsEachMode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, entries);
        QFETCH(double, factor);
        QFETCH(QStringList, rows);
        QFETCH(QString, start);
        QFETCH(QString, interval);
        QFETCH(UINT, radio);
        QFETCH(bool, timesListEnabled);
        QFETCH(bool, intervalEnabled);
        QFETCH(int, access);
        QFETCH(QByteArray, locale);
        const DefaultNumericLocale numbers(locale.constData());
        PlotDefinition definition;
        definition.timeMode = mode;
        definition.timeEntries = Strings(entries);
        EditorFixture editor;
        editor.Open(definition, static_cast<Access>(access), factor);
        QCOMPARE(editor.TimeRows(), rows);
        QCOMPARE(editor.Text(StartTimeField), start);
        QCOMPARE(editor.Text(IntervalField), interval);
        QCOMPARE(editor.CheckedAmong(TimeModeRadios), QList<UINT>({radio}));
        QCOMPARE(editor.Enabled(TimesList), timesListEnabled);
        QCOMPARE(editor.Enabled(TimesStrip), timesListEnabled);
        QCOMPARE(editor.Enabled(StartTimeField), intervalEnabled);
        QCOMPARE(editor.Enabled(IntervalField), intervalEnabled);
        // A 2-d plot: the maximum points follow "Specify interval".
        QCOMPARE(editor.Enabled(MaxTimePointsField), intervalEnabled);
        QCOMPARE(editor.Text(MaxTimePointsField), QStringLiteral("10"));
        // Every row has a parameter of its own.
        for (int row = 0; row < editor.ListControl(TimesList).GetItemCount(); ++row)
            QCOMPARE(editor.ListControl(TimesList).GetItemData(row), DWORD_PTR(row + 1));
    }

    void disagreeingArraysKeepWhatWasReadAndSaySo()
    {
        ScriptedMessageBoxResponder boxes;
        PlotDefinition definition;
        definition.is3DPlot = 1;
        definition.yAxisIsTime = 0;
        AddPlotted(definition, "First", 1, {"a(*)"});
        AddPlotted(definition, "Second", 1, {"b(*)"});
        AddPlotted(definition, "Third", 1, {"c(*)"});
        definition.plottedCounts[1] = 7; // runs past the variables
        AddUnassigned(definition, "Spare", 1, {"d(1)"});
        definition.timeEntries = Strings({"L"});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be read completely.*Second"));
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
        QCOMPARE(boxes.boxes().size(), size_t(1));
        QCOMPARE(boxes.boxes()[0].title, CString("Profile Editor"));
        QCOMPARE(boxes.boxes()[0].style, UINT(MB_ICONEXCLAMATION | MB_TOPMOST));
        QVERIFY2(QString(boxes.boxes()[0].text.GetString()).contains("\"Second\""), boxes.boxes()[0].text.GetString());
        QCOMPARE(editor.ProfileRows(), QStringList({"First|1 D"}));
        QCOMPARE(editor.PlotEntries(), QStringList({"First"}));
        // A working editor: exactly one choice per radio set, and the page rules run.
        QCOMPARE(
            editor.CheckedAmong(DefinitionRadioIds), QList<UINT>({Radio3DPlot, RadioYAxisTime, RadioContinuousUpdate}));
        editor.Click(Radio2DPlot);
        QVERIFY(view->PlotTypePart().Is2DPlot());
        QVERIFY(editor.Enabled(VariablesStrip));
        QCOMPARE(editor.VariableEntries(), QStringList({"a(*)"}));
    }

    void objectWithoutPlotDataShowsNothingToEdit()
    {
        CComPtr<ModelObject> block = ModelObject::Create("Column", "block:Column");
        const ULONG references = block->refCount();
        {
            EditorFixture editor;
            CSUProfileEditorView* view = editor.OpenOn(block.get(), "Column.Nothing");
            QVERIFY(!view->DefinitionPart().HasDefinition());
            auto* label = editor.frame()->GetSafeHwnd()->findChild<QLabel*>("nothingToEdit");
            QVERIFY(label && label->isVisible());
            QVERIFY(label->text().contains("nothing to edit"));
            QCOMPARE(editor.Tabs(), QStringList({"Profiles"}));
            QVERIFY(!editor.Enabled(ToPlot));
            QVERIFY(!editor.Enabled(Ok));
            QVERIFY(editor.Enabled(Cancel));
            // Only asked for the two interfaces, and holds no reference.
            QCOMPARE(block->callNames(), QStringList({"QueryInterface", "QueryInterface"}));
            // The host's requests find nothing to act on.
            CSUPEProfile sent("Sent");
            sent.plotRequested = 1;
            editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
            editor.frame()->SendMessage(WM_PE_RELOAD_DEFINITION);
            QVERIFY(editor.ProfileRows().isEmpty());
        }
        QCOMPARE(block->refCount(), references);
    }

    void reloadShowsOnlyTheNewDefinitionAndReceivedProfilesArePlotted()
    {
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(ThreeDDefinition(false), Access::Host);
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
        QCOMPARE(view->AssignmentPart().YAxisKey(), -1);
        QCOMPARE(editor.Text(XAxisField), QStringLiteral("Length"));
        // The counter goes on: 3 keys before (y axis, T), then 3 and 4.
        QCOMPARE(before, std::set<int>({1, 2}));
        QCOMPARE(Keys(*view), std::set<int>({3, 4}));
        QCOMPARE(editor.TimeRows(), QStringList({"0.0"}));
        QCOMPARE(
            editor.CheckedAmong(DefinitionRadioIds), QList<UINT>({Radio2DPlot, RadioYAxisTime, RadioSpecifyInterval}));
        QCOMPARE(editor.Text(IntervalField), QStringLiteral("30"));
        // The new first row is not selected by a reload: no profile is current.
        QVERIFY(!view->ProfilesPart().CurrentProfile());
        QVERIFY(editor.VariableEntries().isEmpty());
        QVERIFY(!editor.Enabled(VariablesStrip));

        // A received profile is listed only when the host asks for it to be plotted; then at the end.
        CSUPEProfile sent("Sent");
        sent.variables = Strings({"T(1)", "T(2)"});
        sent.dimension = 2;
        editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
        QCOMPARE(editor.ProfileRows().size(), 2);
        sent.plotRequested = 1;
        editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
        editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
        QCOMPARE(editor.ProfileRows(), QStringList({"Length|1 D", "Spare|2 D", "Sent|2 D", "Sent|2 D"}));
        QCOMPARE(editor.PlotEntries(), QStringList({"Sent", "Sent"}));
        QCOMPARE(Keys(*view), std::set<int>({3, 4, 5, 6}));
        // The sender keeps its profile as it was.
        QCOMPARE(sent.key, 0);
        QCOMPARE(sent.role, int16_t(0));
    }

    void timePageHidesTheProfilesPageAndBackEnablesTheYAxisGroup()
    {
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(ThreeDDefinition(true), Access::Host);
        QVERIFY(!editor.Enabled(YAxisGroup));
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
        // Back on the profiles page the y-axis group is enabled, but not its button.
        editor.ClickTab(0);
        for (UINT id : {YAxisGroup, YAxisField, ClearYAxis, RadioYAxisTime, RadioYAxisProfile})
            QVERIFY2(editor.Enabled(id) && editor.Visible(id), QByteArray::number(id));
        QVERIFY(!editor.Enabled(ToYAxis));
        QVERIFY(!editor.Visible(StartTimeField));
    }

    void yAxisProfileHoldsTheMaximumPointsAtOne()
    {
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(ThreeDDefinition(false), Access::Host);
        QVERIFY(editor.Enabled(ToYAxis) && editor.Enabled(YAxisField));
        editor.ClickTab(1);
        editor.Click(RadioSpecifyInterval);
        QCOMPARE(view->TimePart().CurrentTimeMode(), TimeMode::SpecifyInterval);
        QCOMPARE(editor.CheckedAmong(TimeModeRadios), QList<UINT>({RadioSpecifyInterval}));
        QVERIFY(editor.Enabled(IntervalField) && !editor.Enabled(TimesList));
        for (const UINT* id = MaxTimePointsIds; *id; ++id)
            QVERIFY2(!editor.Enabled(*id), QByteArray::number(*id));
        QCOMPARE(editor.Text(MaxTimePointsField), QStringLiteral("1"));

        editor.ClickTab(0);
        editor.Click(Radio2DPlot);
        QVERIFY(view->PlotTypePart().Is2DPlot() && view->PlotTypePart().YAxisIsTime());
        for (const UINT* id = MaxTimePointsIds; *id; ++id)
            QVERIFY2(editor.Enabled(*id), QByteArray::number(*id));
        // The y-axis profile went back to the unassigned profiles.
        QCOMPARE(editor.Text(YAxisField), QString());
        QCOMPARE(view->AssignmentPart().YAxisKey(), -1);
        QCOMPARE(view->ProfilesPart().Profiles().Find(1)->role, int16_t(0));
        QVERIFY(editor.Checked(RadioYAxisTime) && !editor.Checked(RadioYAxisProfile));
        QVERIFY(!editor.Enabled(YAxisGroup) && !editor.Enabled(ToYAxis));

        // 3-d again keeps the y axis on time; choosing a profile enables its controls.
        editor.Click(Radio3DPlot);
        QVERIFY(!view->PlotTypePart().Is2DPlot() && view->PlotTypePart().YAxisIsTime());
        editor.Click(RadioYAxisProfile);
        QVERIFY(!view->PlotTypePart().YAxisIsTime());
        QVERIFY(editor.Enabled(ToYAxis) && !editor.Enabled(MaxTimePointsField));
    }

    void displayUnitChangeRescalesEveryTime_data()
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

    void displayUnitChangeRescalesEveryTime()
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
        editor.document()->SetDisplayUnit("tick", 60.0);
        QCOMPARE(view->TimePart().TimeFactor(), 60.0);
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
};

PE_TEST_MAIN(EditorOpenTest)
#include "tst_editoropen.moc"
