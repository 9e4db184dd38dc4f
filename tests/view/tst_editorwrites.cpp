// The plot builder's writes, driven as a person drives them: assignment by the
// ">>" and clear buttons, the Delete key and the plot strip; the checks before
// a write with their boxes; Apply, OK and Cancel with the calls the host sees.

#include "editorfixture.h"

#include "controls/listboxex.h"
#include "hostlib/calllog.h"
#include "hostlib/modelobject.h"
#include "model/profileroles.h"
#include "resources/formcontrolids.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QJsonArray>
#include <QPointer>
#include <QTest>

using namespace FormControl;

namespace {

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
            m_lines << line;
        });
    }
    ~CallRecorder() { QObject::disconnect(m_connection); }
    QStringList calls() const { return m_calls; }
    QStringList timesWritten() const
    {
        QStringList writes;
        for (const QJsonObject& line : m_lines) {
            if (line.value("call") == "SetTimes")
                writes << line.value("args").toObject().value("timeEntries").toVariant().toStringList().join(" ");
        }
        return writes;
    }
    void clear()
    {
        m_calls.clear();
        m_lines.clear();
    }

private:
    QMetaObject::Connection m_connection;
    QStringList m_calls;
    QList<QJsonObject> m_lines;
};

const QStringList WriteCalls {"SetIs3DPlot", "GetPlotProfiles", "SetPlotProfiles", "SetPlotProfileVariables",
    "SetUnassignedProfiles", "SetUnassignedProfileVariables", "SetTimes", "SetMaxTimePoints", "SetTimes",
    "SetYAxisIsTime", "NotifyDefinitionChanged", "NotifyDefinitionWritten", "NotifyPreviousPlotProfiles"};
// What OK sends after a valid write, as the editor closes.
const QStringList ClosingCalls {"UpdateAllViews 823 [, Column.TemperaturePlot]", "NotifyEditorClosing",
    "UpdateAllViews 823 [, Column.TemperaturePlot]", "UpdateAllViews 0"};

} // namespace

class EditorWritesTest : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(view->AssignmentPart().XAxisKey(),
            view->ProfilesPart().Profiles().Find(view->AssignmentPart().XAxisKey())->key);
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
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
        editor.EditableList(PlotList).SetCurSel(0);
        editor.ClickStripButton(PlotStrip, 0, 3);
        QCOMPARE(editor.PlotEntries(), QStringList({"Q", "R"}));
        QCOMPARE(RoleOf(*view, "P"), 0);
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

        // Read back in a new editor and written again: the same definition.
        EditorFixture again;
        QVERIFY(again.Open(editor.plotData()->definition(), Access::Host));
        again.Click(Apply);
        QCOMPARE(again.plotData()->definition(), definition);
    }

    void timeEntriesByMode()
    {
        EditorFixture editor;
        PlotDefinition definition = Unassigned({});
        definition.timeMode = 2;
        definition.timeEntries = Strings({"2*", "0.5"});
        editor.Open(definition, Access::Host, 60.0, "min");
        CallRecorder recorder;
        editor.Click(Apply);
        editor.Click(Apply);
        QCOMPARE(recorder.timesWritten(), QStringList({"2* 0.5", "2* 0.5", "2* 0.5", "2* 0.5"}));
        QCOMPARE(editor.Text(StartTimeField), QStringLiteral("120"));
        recorder.clear();
        editor.Click(RadioContinuousUpdate);
        editor.Click(Apply);
        QCOMPARE(recorder.timesWritten(), QStringList({"L", "L"}));
    }

    void brokenRulesAreToldWithTheirBoxAndOkClosesOnlyAfterAValidWrite()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        PlotDefinition definition = Unassigned({"A"});
        AddPlotted(definition, "Empty", 1, {});
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
        // The host's model document stays when one of its editors closes.
        editor.document()->m_bAutoDelete = false;
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
        view->GetDlgItem(IntervalField)->SetWindowText("0");
        editor.Click(Apply);
        QVERIFY(boxes.events().empty());
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
        // Unassigned profiles go in the set's order, not the list's.
        QStringList unassigned = Texts(editor.plotData()->definition().unassignedNames);
        unassigned.sort();
        QCOMPARE(unassigned, QStringList({"A", "Empty"}));
        CDocument* document = editor.document();
        editor.CloseAll();
        delete document;
    }

    void okWhenTheDocumentClosesWithTheEditor()
    {
        // A document with no other view goes with the editor, but only once OK's
        // handler has returned: both broadcasts after the close still reach it.
        EditorFixture editor;
        QVERIFY(editor.Open(Unassigned({"A"}), Access::Host));
        CallRecorder recorder;
        editor.Click(Ok);
        QCOMPARE(recorder.calls(), WriteCalls + ClosingCalls);
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
        QVERIFY(editor.frame()->IsClosing());
        QCoreApplication::sendPostedEvents();
        QVERIFY(!frame || !frame->isVisible());
        QVERIFY(boxes.events().empty());
        QCOMPARE(recorder.calls(), QStringList({"NotifyEditorClosing"}));
    }
};

PE_TEST_MAIN(EditorWritesTest)
#include "tst_editorwrites.moc"
