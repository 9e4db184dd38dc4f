// Opening an editor: the tabs by the kind of plot object, the definition
// listed in the form, the time page per time mode, and definitions or objects
// the editor cannot take as they are. Then the open editor changed by the host
// (reload, a received profile, a new display unit) and by a person (the tab
// pages, the plot-type and y-axis radios). Then the plot builder's writes,
// driven as a person drives them: assignment by the ">>" and clear buttons, the
// Delete key and the plot strip; the checks before a write with their boxes;
// Apply, OK and Cancel with the calls the host sees.

#include "editorfixture.h"

#include "hostlib/calllog.h"
#include "hostlib/modelobject.h"
#include "model/profileroles.h"
#include "resources/editorform.h"
#include "resources/formcontrolids.h"
#include "support/defaultnumericlocale.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTreeView>

#include <algorithm>
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

std::set<int> Keys(CSUProfileEditorView& view)
{
    std::set<int> keys;
    view.ProfilesPart().Profiles().ForEach([&keys](const CSUPEProfile* profile) { keys.insert(profile->key); });
    return keys;
}

PlotDefinition Unassigned(const QStringList& names, bool is3D = false)
{
    PlotDefinition definition;
    definition.is3DPlot = is3D ? 1 : 0;
    definition.yAxisIsTime = 1;
    for (const QString& name : names)
        AddUnassigned(definition, name.toLatin1().constData(), 1, {name + "(1)", name + "(2)"});
    definition.timeEntries = Strings({"L"});
    return definition;
}

int RoleOf(CSUProfileEditorView& view, const char* name)
{
    int role = -1;
    view.ProfilesPart().Profiles().ForEach([&](const CSUPEProfile* profile) {
        if (profile->name == name)
            role = profile->role;
    });
    return role;
}

// The calls of the plot objects and the document, in order, as "Call" or
// "UpdateAllViews 823 [path, context]".
class CallRecorder {
public:
    CallRecorder()
    {
        m_connection = QObject::connect(&CallLog::Instance(), &CallLog::lineWritten, [this](const QJsonObject& line) {
            QString call = line.value("call").toString();
            const QJsonObject args = line.value("args").toObject();
            if (call == "UpdateAllViews") {
                call += " " + QString::number(args.value("hint").toInteger());
                if (args.contains("object"))
                    call += " [" + args.value("object").toVariant().toStringList().join(", ") + "]";
            }
            // The owner object answers its path for the broadcast.
            if (call != "QueryInterface" && call != "GetObjectPath")
                m_calls << call;
        });
    }
    ~CallRecorder() { QObject::disconnect(m_connection); }
    QStringList calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

private:
    QMetaObject::Connection m_connection;
    QStringList m_calls;
};

const QStringList WriteCalls {"SetIs3DPlot", "GetPlotProfiles", "SetPlotProfiles", "SetPlotProfileVariables",
    "SetUnassignedProfiles", "SetUnassignedProfileVariables", "SetTimes", "SetMaxTimePoints", "SetTimes",
    "SetYAxisIsTime", "NotifyDefinitionChanged", "NotifyDefinitionWritten", "NotifyPreviousPlotProfiles"};
// What OK sends after a valid write, as the editor closes.
const QStringList ClosingCalls {"UpdateAllViews 823 [, Column.TemperaturePlot]", "NotifyEditorClosing",
    "UpdateAllViews 823 [, Column.TemperaturePlot]", "UpdateAllViews 0"};

} // namespace

class EditorOpenTest : public QObject {
    Q_OBJECT
private slots:
    // Every control the view reaches is in the form, with the kind the view expects.
    void formHoldsEachControlTheViewReaches_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("kind");
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
        // x axis, y axis, three plotted (one two-dimensional) and two unassigned.
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
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
        QCOMPARE(editor.ProfileRows(),
            QStringList({"Height|1 D", "Trays|1 D", "T|1 D", "x|2 D", "P|1 D", "Top|1 D", "Bottom|2 D"}));
        QCOMPARE(editor.Text(XAxisField), QStringLiteral("Height"));
        QCOMPARE(editor.Text(YAxisField), QStringLiteral("Trays"));
        QCOMPARE(editor.PlotEntries(), QStringList({"T", "x", "P"}));
        QCOMPARE(view->AssignmentPart().XAxisKey(), 1);
        QCOMPARE(view->AssignmentPart().YAxisKey(), 2);
        // The first row is selected and its variables listed.
        QCOMPARE(editor.VariableEntries(), QStringList({"z(*)"}));
        QCOMPARE(editor.Text(MaxTimePointsField), QStringLiteral("1")); // 3-d against a y-axis profile
        QCOMPARE(editor.CheckedAmong(DefinitionRadioIds),
            QList<UINT>({Radio3DPlot, RadioYAxisProfile, RadioContinuousUpdate}));
        QCOMPARE(editor.plotData()->callNames(),
            QStringList({"GetIs3DPlot", "GetPlotProfiles", "GetUnassignedProfiles", "GetPlotProfileVariables",
                "GetUnassignedProfileVariables", "GetMaxTimePoints", "GetTimes", "GetYAxisIsTime"}));
        QCOMPARE(editor.plotHost()->callNames(),
            QStringList({"QueryInterface", "QueryInterface", "GetPlotDataObjects", "GetTimeMode"}));
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
        QTest::newRow("specified times in minutes")
            << 1 << QStringList {"30", "90"} << 1.0 / 60 << QStringList {"0.5", "1.5"} << "0.0"
            << "1" << RadioSpecifyTimes << true << false << host << QByteArray("C");
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
        EditorFixture editor;
        editor.Open(SpecifiedTimes(entries, mode), static_cast<Access>(access), factor);
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
        // No profiles: none is current and the variables strip is off; plot data
        // reached directly has no time settings.
        QVERIFY(!editor.view()->ProfilesPart().CurrentProfile() && !editor.Enabled(VariablesStrip));
        QCOMPARE(editor.Tabs().size(), access == int(Access::Host) ? 2 : 1);
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
        PlotDefinition next;
        next.xAxisName = "Length";
        AddUnassigned(next, "Spare", 2, {"C(*,*)"});
        next.timeMode = 2;
        next.timeEntries = Strings({"0*", "30"});
        editor.plotData()->setDefinition(next);
        editor.frame()->SendMessage(WM_PE_RELOAD_DEFINITION);

        QCOMPARE(editor.ProfileRows(), QStringList({"Length|1 D", "Spare|2 D"}));
        QCOMPARE(editor.Text(YAxisField), QString());
        QCOMPARE(view->AssignmentPart().YAxisKey(), -1);
        QCOMPARE(editor.Text(XAxisField), QStringLiteral("Length"));
        QCOMPARE(editor.TimeRows(), QStringList({"0.0"}));
        QCOMPARE(
            editor.CheckedAmong(DefinitionRadioIds), QList<UINT>({Radio2DPlot, RadioYAxisTime, RadioSpecifyInterval}));
        QCOMPARE(editor.Text(IntervalField), QStringLiteral("30"));
        // The new first row is not selected by a reload: no profile is current.
        QVERIFY(!view->ProfilesPart().CurrentProfile());
        QVERIFY(!editor.Enabled(VariablesStrip));

        // A received profile is listed only when the host asks for it to be plotted; then at the end.
        CSUPEProfile sent("Sent");
        sent.variables = Strings({"T(1)", "T(2)"});
        sent.dimension = 2;
        editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
        sent.plotRequested = 1;
        editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
        editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
        QCOMPARE(editor.ProfileRows(), QStringList({"Length|1 D", "Spare|2 D", "Sent|2 D", "Sent|2 D"}));
        QCOMPARE(editor.PlotEntries(), QStringList({"Sent", "Sent"}));
        // The counter goes on past the keys 1 and 2 the first profiles had.
        QCOMPARE(Keys(*view), std::set<int>({3, 4, 5, 6}));
        // The sender keeps its profile as it was.
        QCOMPARE(sent.key, 0);
        QCOMPARE(sent.role, int16_t(0));
    }

    void pageAndPlotTypeRulesEnableTheirControls()
    {
        EditorFixture editor;
        QVERIFY(editor.Open(ThreeDDefinition(true), Access::Host));
        QVERIFY(!editor.Enabled(YAxisGroup));
        for (const UINT* id = TimePageIds; *id; ++id)
            QVERIFY2(!editor.Visible(*id), QByteArray::number(*id));
        editor.ClickTab(1);
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

        // A y-axis profile holds the maximum points at one, in every time mode.
        CSUProfileEditorView* view = editor.view();
        editor.Click(RadioYAxisProfile);
        QVERIFY(editor.Enabled(ToYAxis) && editor.Enabled(YAxisField));
        editor.ClickTab(1);
        editor.Click(RadioSpecifyInterval);
        QCOMPARE(view->TimePart().CurrentTimeMode(), TimeMode::SpecifyInterval);
        for (const UINT* id = MaxTimePointsIds; *id; ++id)
            QVERIFY2(!editor.Enabled(*id), QByteArray::number(*id));
        QCOMPARE(editor.Text(MaxTimePointsField), QStringLiteral("1"));

        editor.ClickTab(0);
        editor.Click(Radio2DPlot);
        QVERIFY(view->PlotTypePart().Is2DPlot() && view->PlotTypePart().YAxisIsTime());
        for (const UINT* id = MaxTimePointsIds; *id; ++id)
            QVERIFY2(editor.Enabled(*id), QByteArray::number(*id));
        QVERIFY(editor.Checked(RadioYAxisTime) && !editor.Checked(RadioYAxisProfile));
        QVERIFY(!editor.Enabled(YAxisGroup) && !editor.Enabled(ToYAxis));
        // 3-d again keeps the y axis on time.
        editor.Click(Radio3DPlot);
        QVERIFY(!view->PlotTypePart().Is2DPlot() && view->PlotTypePart().YAxisIsTime());
    }

    // The fields rescale here; the rows' rescaling and the write in the host's
    // units are checked by the random and the time-editing tests.
    void displayUnitChangeRescalesEveryTime()
    {
        EditorFixture editor;
        QVERIFY(editor.Open(SpecifiedTimes({"2*", "0.5"}, 2), Access::Host, 1.0, "s"));
        editor.document()->SetDisplayUnit("tick", 60.0);
        QCOMPARE(editor.Text(StartTimeField), QStringLiteral("120"));
        QCOMPARE(editor.Text(IntervalField), QStringLiteral("30"));
        QCOMPARE(qobject_cast<QTreeView*>(editor.Widget(TimesList))->model()->headerData(0, Qt::Horizontal).toString(),
            QStringLiteral("Times (tick)"));
    }

    void axesTakeOneUnassignedProfileAndThePlotListTheRest()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(Unassigned({"A", "B", "C"}, true), Access::Host);
        editor.Click(Radio3DPlot);
        editor.Click(RadioYAxisProfile);
        editor.SelectProfileRows({0});
        editor.Click(ToXAxis);
        QCOMPARE(editor.Text(XAxisField), QStringLiteral("A"));
        QCOMPARE(RoleOf(*view, "A"), 1);
        // Another unassigned profile replaces it; the first is unassigned again.
        editor.SelectProfileRows({1});
        editor.Click(ToXAxis);
        QCOMPARE(editor.Text(XAxisField), QStringLiteral("B"));
        QCOMPARE(RoleOf(*view, "A"), 0);
        // Two selected rows, or a profile that has a role, change nothing.
        editor.SelectProfileRows({0, 2});
        editor.Click(ToXAxis);
        editor.SelectProfileRows({1});
        editor.Click(ToYAxis);
        QCOMPARE(editor.Text(XAxisField), QStringLiteral("B"));
        QCOMPARE(editor.Text(YAxisField), QString());
        editor.SelectProfileRows({2});
        editor.Click(ToYAxis);
        QCOMPARE(editor.Text(YAxisField), QStringLiteral("C"));
        QCOMPARE(RoleOf(*view, "C"), 2);
        // Back to 2-d: the y axis is emptied, and ">> Y Axis" does nothing there.
        editor.Click(Radio2DPlot);
        QCOMPARE(editor.Text(YAxisField), QString());
        QCOMPARE(RoleOf(*view, "C"), 0);
        QVERIFY(editor.Checked(RadioYAxisTime));
        view->SendMessage(WM_COMMAND, MAKEWPARAM(ToYAxis, BN_CLICKED), 0);
        QCOMPARE(RoleOf(*view, "C"), 0);
        editor.Click(ClearXAxis);
        QCOMPARE(editor.Text(XAxisField), QString());
        QCOMPARE(view->AssignmentPart().XAxisKey(), -1);
        QCOMPARE(RoleOf(*view, "B"), 0);
        // The plot list takes the selected unassigned profiles, each once.
        editor.SelectProfileRows({1});
        editor.Click(ToXAxis);
        editor.SelectProfileRows({0, 1, 2});
        editor.Click(ToPlot);
        QCOMPARE(editor.PlotEntries(), QStringList({"A", "C"}));
        QCOMPARE(RoleOf(*view, "C"), 4);
        QCOMPARE(RoleOf(*view, "B"), 1);
        editor.Click(ToPlot);
        QCOMPARE(editor.PlotEntries(), QStringList({"A", "C"}));
        // Delete in an axis field takes the profile off.
        QWidget* field = editor.Widget(XAxisField);
        editor.Focus(field);
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(editor.Text(XAxisField), QString());
        QCOMPARE(RoleOf(*view, "B"), 0);
        QCOMPARE(view->AssignmentPart().XAxisKey(), -1);
        // In another control the key is the control's own.
        editor.ClickTab(1);
        editor.Click(RadioSpecifyInterval);
        QWidget* interval = editor.Widget(IntervalField);
        editor.Focus(interval);
        QTest::keyClick(interval, Qt::Key_Home);
        QTest::keyClick(interval, Qt::Key_Delete);
        QCOMPARE(editor.Text(IntervalField), QStringLiteral("0"));
        view->GetDlgItem(IntervalField)->SetWindowText("5");
    }

    void plotStripRemovesAndReorders()
    {
        EditorFixture editor;
        PlotDefinition definition;
        AddPlotted(definition, "P", 1, {"p1"});
        AddPlotted(definition, "Q", 1, {"q1"});
        AddPlotted(definition, "R", 1, {"r1"});
        definition.timeEntries = Strings({"L"});
        QVERIFY(editor.Open(definition, Access::Host));
        editor.EditableList(PlotList).SetCurSel(0);
        editor.ClickStripButton(PlotStrip, 0, 3);
        editor.EditableList(PlotList).SetCurSel(1);
        editor.ClickStripButton(PlotStrip, 1, 3);
        QCOMPARE(editor.PlotEntries(), QStringList({"R", "Q"}));
        editor.Click(Apply);
        QCOMPARE(editor.plotData()->definition().plottedNames, Strings({"R", "Q"}));
        QCOMPARE(editor.plotData()->definition().plottedVariables, Strings({"r1", "q1"}));
        QCOMPARE(editor.plotData()->definition().unassignedNames, Strings({"P"}));
    }

    void applyWritesInOrderAndReadsBackTheSame()
    {
        EditorFixture editor;
        CComPtr<ModelObject> owner = ModelObject::Create("Flowsheet.Column");
        editor.SetOwner(owner.get());
        PlotDefinition definition;
        definition.is3DPlot = 1;
        definition.yAxisIsTime = 0;
        definition.xAxisName = "Length";
        definition.xAxisVariables = Strings({"z(1)", "z(2)"});
        definition.yAxisName = "Trays";
        definition.yAxisVariables = Strings({"n(*)"});
        AddPlotted(definition, "T", 2, {"T(*,1)", "T(*,2)"});
        AddUnassigned(definition, "Spare", 1, {});
        definition.maxTimePoints = 1;
        definition.timeMode = 1;
        definition.timeEntries = Strings({"10", "20"});
        editor.Open(definition, Access::Host);
        CallRecorder recorder;
        editor.Click(Apply);
        const QStringList broadcast {"UpdateAllViews 823 [Flowsheet.Column, Column.TemperaturePlot]"};
        QCOMPARE(recorder.calls(), WriteCalls + broadcast);
        QCOMPARE(editor.plotHost()->previousPlottedNames(), Strings({"T"}));
        QCOMPARE(editor.plotHost()->previousXAxisName(), CString("Length"));
        // The host's definition is the one it gave: nothing was lost or reordered.
        QCOMPARE(editor.plotData()->definition(), definition);
    }

    void brokenRulesAreToldWithTheirBoxAndOkClosesOnlyAfterAValidWrite()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        PlotDefinition definition = Unassigned({"A"});
        AddPlotted(definition, "Empty", 1, {});
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
        QPointer<QWidget> frame = editor.frame()->GetSafeHwnd();
        CallRecorder recorder;
        editor.Click(Apply);
        QCOMPARE(boxes.events().size(), size_t(2));
        QVERIFY(boxes.events()[0].isBeep);
        QCOMPARE(boxes.events()[1].box.text, CString("The profile Empty contains no variables."));
        QCOMPARE(boxes.events()[1].box.title, CString("Profile Editor"));
        QCOMPARE(boxes.events()[1].box.style, 0x40030u);
        QCOMPARE(boxes.events()[1].box.owner, view->GetSafeHwnd());
        QVERIFY(recorder.calls().isEmpty());
        boxes.Clear();
        editor.Click(Ok);
        QCOMPARE(boxes.boxes().size(), size_t(1));
        QCOMPARE(recorder.calls(), QStringList({"UpdateAllViews 0"}));
        QVERIFY(frame && frame->isVisible());
        recorder.clear();

        // The time fields are checked in every time mode, without a beep.
        editor.EditableList(PlotList).SetCurSel(0);
        editor.ClickStripButton(PlotStrip, 0, 3);
        boxes.Clear();
        editor.ClickTab(1);
        view->GetDlgItem(IntervalField)->SetWindowText("  ");
        editor.Click(Apply);
        QCOMPARE(boxes.events().size(), size_t(1));
        QCOMPARE(boxes.boxes()[0].text, CString("Time intervals must be greater than zero."));
        boxes.Clear();
        view->GetDlgItem(IntervalField)->SetWindowText("5");
        view->GetDlgItem(StartTimeField)->SetWindowText("");
        editor.Click(Apply);
        QCOMPARE(boxes.boxes().at(0).text, CString("Times cannot be less than zero."));
        boxes.Clear();
        view->GetDlgItem(StartTimeField)->SetWindowText("-1");
        editor.Click(Apply);
        QVERIFY(boxes.events().empty());
        QVERIFY(recorder.calls().isEmpty());
        view->GetDlgItem(StartTimeField)->SetWindowText("0");
        editor.Click(Ok);
        QCOMPARE(recorder.calls(), WriteCalls + ClosingCalls);
        QVERIFY(!frame || !frame->isVisible());
        QCOMPARE(editor.WrittenTimes(), QStringList({"L"})); // continuous update
        // Unassigned profiles go in the set's order, not the list's.
        QStringList unassigned = Texts(editor.plotData()->definition().unassignedNames);
        unassigned.sort();
        QCOMPARE(unassigned, QStringList({"A", "Empty"}));
        // A document with no other view goes with the editor, but only once OK's
        // handler has returned: both broadcasts after the close still reach it.
        QVERIFY(CKBaseApp::GetCurrentDocument());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!CKBaseApp::GetCurrentDocument());
    }

    void cancelWritesNothingAndSaysNothing()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        PlotDefinition definition = Unassigned({"A"});
        definition.timeMode = 2;
        definition.timeEntries = Strings({"0*", "1"});
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
        CallRecorder recorder;
        editor.ClickTab(1);
        QWidget* start = editor.Widget(StartTimeField);
        editor.Focus(start);
        view->GetDlgItem(StartTimeField)->SetWindowText("-1");
        QPointer<QWidget> frame = editor.frame()->GetSafeHwnd();
        // A person's click: the button takes the focus first, then is clicked.
        editor.Click(Cancel);
        QCoreApplication::sendPostedEvents();
        QVERIFY(!frame || !frame->isVisible());
        QVERIFY(boxes.events().empty());
        QCOMPARE(recorder.calls(), QStringList({"NotifyEditorClosing"}));
    }
};

PE_TEST_MAIN(EditorOpenTest)
#include "tst_editoropen.moc"
