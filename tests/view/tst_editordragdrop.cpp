// Variables in and out of the form: drops sent as drag events (a real drag
// cannot run offscreen), profiles dragged out through a drag runner that looks
// at the drag and the clipboard while it runs, and payloads from other
// programs that the form must refuse. And what the form tells the host and
// assistive tools: the variable finder request, context help numbers and help
// on command, the names of every control, the strip buttons as buttons, and
// the keyboard's way through.

#include "editorfixture.h"

#include "host/interfaces/modelvariable.h"
#include "host/services/hosthelp.h"
#include "host/services/showviewrequest.h"
#include "host/sharedids/sharedids.h"
#include "hostlib/hostmodel.h"
#include "hostlib/modelobject.h"
#include "platform/core/registry.h"
#include "platform/ole/oledatasource.h"
#include "resources/formcontrolids.h"
#include "support/projecttest.h"
#include "view/variablepathpayload.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include <cstring>

using namespace FormControl;

namespace {

QString PathMime()
{
    return ClipboardFormatMimeType(SharedIds::VariablePathFormat());
}

QString NameMime()
{
    return ClipboardFormatMimeType(SharedIds::ProfileVariableNameFormat());
}

std::unique_ptr<QMimeData> PathData(const QByteArray& payload)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(PathMime(), payload);
    return data;
}

QByteArray Payload(const QStringList& paths)
{
    QByteArray bytes = "Flowsheet";
    for (const QString& path : paths)
        bytes += "\r\n" + path.toLocal8Bit();
    return bytes + '\0';
}

// The centre of control `id` in the view's window coordinates.
QPoint CentreOf(const EditorFixture& editor, UINT id)
{
    QWidget* control = editor.Widget(id);
    return control->mapTo(editor.view()->GetSafeHwnd(), control->rect().center());
}

PlotDefinition OneProfile()
{
    PlotDefinition definition;
    AddUnassigned(definition, "Top", 1, {"T(1)"});
    return definition;
}

// A drag moving over `point`: whether the form accepts it there.
bool AcceptsAt(const EditorFixture& editor, const QMimeData& data, QPoint point)
{
    QWidget* form = editor.view()->GetSafeHwnd();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &enter);
    QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
    return move.isAccepted() && move.dropAction() == Qt::CopyAction;
}

// A drag that enters, moves to `point` and drops there: whether the form took it.
bool DropAt(const EditorFixture& editor, const QMimeData& data, QPoint point)
{
    AcceptsAt(editor, data, point);
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.view()->GetSafeHwnd(), &drop);
    return drop.isAccepted();
}

// Starts a drag from the profiles list as the list reports one.
void BeginDrag(const EditorFixture& editor, int row)
{
    NMLISTVIEW info {};
    info.hdr.hwndFrom = editor.Widget(FormControl::ProfilesList);
    info.hdr.idFrom = FormControl::ProfilesList;
    info.hdr.code = LVN_BEGINDRAG;
    info.iItem = row;
    editor.view()->SendMessage(WM_NOTIFY, FormControl::ProfilesList, reinterpret_cast<LPARAM>(&info));
}

// The host's main window as the editor sees it: it answers the finder request
// and hears which help file a popup topic comes from.
class MainWindowRecorder final : public CWnd, public IHostHelpWindow {
public:
    MainWindowRecorder() { Attach(new QWidget); }
    ~MainWindowRecorder() override { delete Detach(); }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message != SharedIds::ShowVarnelViewMessage())
            return CWnd::OnWndMsg(message, wParam, lParam, result);
        std::memcpy(block, reinterpret_cast<const void*>(lParam), sizeof block);
        text = reinterpret_cast<const ShowViewRequest*>(lParam)->ownerPrefix;
        *result = 1;
        return true;
    }
    void SetHelpContextFile(const char* helpFile) override { calls << QStringLiteral("file %1").arg(helpFile); }

    unsigned char block[80] = {};
    const char* text = nullptr;
    QStringList calls;
};

// The buttons without a name on the accessibility tree under `node`, each as
// the id of the control that holds it.
QStringList UnnamedButtons(QAccessibleInterface* node, int depth = 0)
{
    QStringList unnamed;
    if (!node || depth > 8)
        return unnamed;
    if (node->role() == QAccessible::PushButton && node->text(QAccessible::Name).isEmpty()) {
        const auto* button = qobject_cast<QWidget*>(node->object());
        unnamed << QString::number(button ? CWnd::GetDlgCtrlID(button->parentWidget()) : 0);
    }
    for (int i = 0; i < node->childCount(); ++i)
        unnamed << UnnamedButtons(node->child(i), depth + 1);
    return unnamed;
}

} // namespace

class EditorDragDropTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SharedIds::RegisterAll();
        HostModel& model = HostModel::Shared();
        QVERIFY(model.AddBlock("B1"));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"T", ModelVariableWidenableAttribute, {10}}));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"X", ModelVariableWidenableAttribute, {3, 4}}));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"P", 0, {10}}));
    }

    void cleanupTestCase() { HostModel::Shared().Clear(); }

    void cleanup()
    {
        COleDataSource::SetDragRunner({});
        m_plotData = {};
        m_owner = {};
    }

    void ownerPrefixIsStrippedIgnoringCaseAndPayloadsReadToTheirSize()
    {
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({0});
        const auto data = PathData(Payload({"b1.T", "B2.T", "B1"}));
        QVERIFY(DropAt(editor, *data, CentreOf(editor, FormControl::VariablesList)));
        // A path no longer than the prefix keeps it: nothing is cut past its end.
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)", "T", "B2.T", "B1"}));
        // A payload without its NUL: the last path runs to the end of the block, nothing past it is read.
        QVERIFY(DropAt(editor, *PathData("Flowsheet\r\nB2.P"), CentreOf(editor, FormControl::VariablesList)));
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)", "T", "B2.T", "B1", "B2.P"}));
        const char memory[] = "Flowsheet\r\nB2.T\r\nB3.T";
        CStringArray paths;
        CString reason;
        QVERIFY(ReadVariablePathPayload(memory, std::strlen("Flowsheet\r\nB2.T"), paths, reason));
        QCOMPARE(paths, CStringArray({"B2.T"}));
        // Several paths on the profiles list make one new profile, open for renaming.
        const QPoint profiles = CentreOf(editor, FormControl::ProfilesList);
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.T(1)", "B1.T(2)", "B2.P"})), profiles));
        QCOMPARE(editor.ProfileRows(), QStringList({"Top|1 D", "New Profile|1 D"}));
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)", "T(2)", "B2.P"}));
        QVERIFY(editor.ListControl(FormControl::ProfilesList).GetEditControl());
    }

    void cursorFollowsTheListUnderItAndElementsWidenOnTheProfilesList()
    {
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({});
        const auto data = PathData(Payload({"B1.T"}));
        const QPoint variables = CentreOf(editor, FormControl::VariablesList);
        QVERIFY(!AcceptsAt(editor, *data, variables));
        QVERIFY(!DropAt(editor, *data, variables));
        QVERIFY(AcceptsAt(editor, *data, CentreOf(editor, FormControl::ProfilesList)));
        QVERIFY(!AcceptsAt(editor, *data, CentreOf(editor, FormControl::Apply)));
        // A drag that enters over no list is still taken, with no action: Qt
        // sends no moves after a refused enter, and the drag may go on to a list.
        QDragEnterEvent enter(CentreOf(editor, FormControl::Apply), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(editor.view()->GetSafeHwnd(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::IgnoreAction);
        editor.SelectProfileRows({0});
        QVERIFY(AcceptsAt(editor, *data, variables));
        // Data without the path format is refused everywhere.
        QMimeData text;
        text.setText(QStringLiteral("B1.T"));
        QVERIFY(!AcceptsAt(editor, text, variables));
        QVERIFY(!DropAt(editor, text, CentreOf(editor, FormControl::ProfilesList)));
        QCOMPARE(editor.ProfileRows().size(), 1);
        // A single element widens to its whole variable only on the profiles list.
        const QPoint profiles = CentreOf(editor, FormControl::ProfilesList);
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.T(3) "})), profiles));
        QCOMPARE(editor.VariableEntries(), QStringList({"T(*)"}));
        // Two subscripts, or a variable without the attribute, stay elements.
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.X(2,1)"})), profiles));
        QCOMPARE(editor.VariableEntries(), QStringList({"X(2,1)"}));
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.P(4)"})), profiles));
        QCOMPARE(editor.VariableEntries(), QStringList({"P(4)"}));
        // On the variables list the element stays an element.
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.T(3)"})), CentreOf(editor, FormControl::VariablesList)));
        QCOMPARE(editor.VariableEntries(), QStringList({"P(4)", "T(3)"}));
    }

    void hostilePayloadsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("reason");
        QByteArray oversized(static_cast<qsizetype>(MaxDropPayloadBytes) + 1, 'a');
        oversized.replace(0, 11, "Flowsheet\r\n");
        QTest::newRow("oversized") << oversized << "more than";
        QTest::newRow("binary after the text") << QByteArray("Flowsheet\r\nB1.T\0\x01\x02", 19) << "binary";
        QTest::newRow("control character") << QByteArray("Flowsheet\r\nB1\x1b.T", 16) << "status -7";
        QTest::newRow("bare line feed") << QByteArray("Flowsheet\nB1.T") << "status -6";
        QTest::newRow("empty") << QByteArray() << "empty";
    }

    void hostilePayloadsAreRefused()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, reason);
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({0});
        const auto data = PathData(payload);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dropped variables are refused.*" + reason));
        QVERIFY(!DropAt(editor, *data, CentreOf(editor, FormControl::VariablesList)));
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)"}));
        // On the profiles list the new profile stays, empty.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dropped variables are refused.*" + reason));
        QVERIFY(!DropAt(editor, *data, CentreOf(editor, FormControl::ProfilesList)));
        QCOMPARE(editor.ProfileRows(), QStringList({"Top|1 D", "New Profile|1 D"}));
        QVERIFY(editor.view()->ProfilesPart().CurrentProfile()->variables.IsEmpty());
    }

    void draggedProfileIsOnTheClipboardWhileTheDragRuns()
    {
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({0});
        QByteArray offered;
        QByteArray clipboardPaths;
        QByteArray clipboardName;
        bool selfDropAccepted = true;
        bool copyOnProfiles = false;
        COleDataSource::SetDragRunner([&](const QMimeData& data, DROPEFFECT allowed) {
            offered = data.data(PathMime());
            const QMimeData* clipboard = QApplication::clipboard()->mimeData();
            clipboardPaths = clipboard->data(PathMime());
            clipboardName = clipboard->data(NameMime());
            selfDropAccepted = DropAt(editor, data, CentreOf(editor, FormControl::VariablesList));
            copyOnProfiles = AcceptsAt(editor, data, CentreOf(editor, FormControl::ProfilesList));
            return allowed & DROPEFFECT_COPY;
        });
        BeginDrag(editor, 0);
        QCOMPARE(offered, QByteArray("Flowsheet\r\nT(1)\0", 16));
        QCOMPARE(clipboardPaths, offered);
        QCOMPARE(clipboardName, QByteArray("Top\0", 4));
        QVERIFY(!selfDropAccepted);
        QVERIFY(copyOnProfiles);
        QVERIFY(!editor.view()->DragDropPart().IsDraggingProfile());
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)"}));
        // Afterwards the clipboard holds neither format.
        const QMimeData* after = QApplication::clipboard()->mimeData();
        QVERIFY(!after || (!after->hasFormat(PathMime()) && !after->hasFormat(NameMime())));

        // A second drag reuses the data source: a profile without variables drags the context line alone.
        editor.view()->ProfilesPart().NewProfile();
        COleDataSource::SetDragRunner([&](const QMimeData& data, DROPEFFECT) {
            offered = data.data(PathMime());
            clipboardName = QApplication::clipboard()->mimeData()->data(NameMime());
            return DROPEFFECT_NONE;
        });
        BeginDrag(editor, 1);
        QCOMPARE(offered, QByteArray("Flowsheet\0", 10));
        QCOMPARE(clipboardName, QByteArray("New Profile\0", 12));
    }

    void findVariablesSendsTheRequestBlock_data()
    {
        QTest::addColumn<QString>("ownerPath");
        QTest::addColumn<QString>("contextName");
        QTest::addColumn<QString>("sent");
        QTest::newRow("owner at the top") << QString("B1") << QString("B1.Plot") << QString();
        QTest::newRow("owner inside an area") << QString("Area1.B1") << QString("Area1.Plot") << QString("Area1");
        QTest::newRow("context without a dot") << QString("Area1.B1") << QString("Plot") << QString();
    }

    void findVariablesSendsTheRequestBlock()
    {
        QFETCH(QString, ownerPath);
        QFETCH(QString, contextName);
        QFETCH(QString, sent);
        MainWindowRecorder mainWindow;
        EditorFixture editor;
        AfxGetApp()->m_pMainWnd = &mainWindow;
        QVERIFY(OpenOwnedBy(editor, ownerPath.toLocal8Bit().constData(), contextName.toLocal8Bit().constData()));
        editor.Click(FindVariables);
        const unsigned char guid[16]
            = {0xD0, 0xE8, 0x40, 0x45, 0x7F, 0x94, 0xD0, 0x11, 0xB8, 0x64, 0x00, 0xC0, 0xDF, 0x12, 0x1F, 0x4E};
        QCOMPARE(std::memcmp(mainWindow.block, guid, 16), 0);
        for (size_t i : {16, 47, 64, 72, 75})
            QCOMPARE(mainWindow.block[i], 0);
        int64_t kind = 0;
        std::memcpy(&kind, mainWindow.block + 56, 8);
        QCOMPARE(kind, 14);
        QVERIFY(mainWindow.text);
        // The text outlives the editor: the host may read it later.
        editor.CloseAll();
        QCOMPARE(QString::fromLocal8Bit(mainWindow.text), sent);
        AfxGetApp()->m_pMainWnd = nullptr;
    }

    void helpAnswersHitTestsAndCommands()
    {
        MainWindowRecorder mainWindow;
        EditorFixture editor;
        AfxGetApp()->m_pMainWnd = &mainWindow;
        dynamic_cast<CKBaseApp*>(AfxGetApp())->SetHelpHandler([&mainWindow](DWORD_PTR context, UINT command) {
            mainWindow.calls << QStringLiteral("help %1 %2").arg(context).arg(command);
        });
        CSUProfileEditorView* view = editor.Open(OneProfile(), Access::Direct);
        QWidget* list = editor.Widget(ProfilesList);
        list->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(list->window()));
        editor.Focus(list);
        QCOMPARE(view->SendMessage(WM_COMMANDHELP, 0, 0), TRUE);
        QCOMPARE(mainWindow.calls, QStringList({"file workbench.hlp", "help 8001006 8"}));
        mainWindow.calls.clear();
        QCOMPARE(view->SendMessage(WM_COMMANDHELP, 0, 4711), TRUE);
        QCOMPARE(mainWindow.calls, QStringList({"help 4711 1"}));
        AfxGetApp()->m_pMainWnd = nullptr;
        // The list lies inside the "Profile Builder" group box and wins over it.
        const QPoint onList = CentreOf(editor, ProfilesList);
        const LPARAM listPoint = onList.x() | (onList.y() << 16);
        QCOMPARE(view->SendMessage(WM_HELPHITTEST, 0, listPoint), 1006 + 8000000);
        QCOMPARE(view->SendMessage(WM_HELPHITTEST, 0, 2 | (2 << 16)), -100);
        list->hide();
        QCOMPARE(view->SendMessage(WM_HELPHITTEST, 0, listPoint), 1003 + 8000000);
    }

    void everyControlIsNamedFoundByAssistiveToolsAndReachedByTab()
    {
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(OneProfile(), Access::Host);
        QStringList unnamed;
        for (QWidget* child : view->GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const int id = CWnd::GetDlgCtrlID(child);
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(child);
            if (id != 0 && (!control || control->text(QAccessible::Name).isEmpty()))
                unnamed << QString::number(id);
        }
        QCOMPARE(unnamed, QStringList());
        QCOMPARE(UnnamedButtons(QAccessible::queryAccessibleInterface(view->GetSafeHwnd())), QStringList());
        const std::pair<UINT, const char*> names[] = {{Apply, "Apply"}, {FindVariables, "Find Variables..."},
            {Radio2DPlot, "2d plot"}, {ProfilesList, "Profiles"}, {VariablesList, "Profile Variables"},
            {PlotList, "Profiles to plot"}, {XAxisField, "X - axis profile (optional)"},
            {StartTimeField, "Start time:"}, {MaxTimePointsField, "Max. time points:"}, {ProfilesStrip, "Profiles"}};
        for (const auto& [id, name] : names)
            QCOMPARE(QAccessible::queryAccessibleInterface(editor.Widget(id))->text(QAccessible::Name), QString(name));
        // Radios are radios to a screen reader, checked or not.
        QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(editor.Widget(Radio2DPlot));
        QCOMPARE(radio->role(), QAccessible::RadioButton);
        QVERIFY(radio->state().checked);
        QVERIFY(!QAccessible::queryAccessibleInterface(editor.Widget(Radio3DPlot))->state().checked);

        // The form's own answers: child count, hit test, name, location and child.
        long count = 0;
        QCOMPARE(view->get_accChildCount(&count), S_OK);
        QCOMPARE(count, long(view->GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size()));
        QWidget* apply = editor.Widget(Apply);
        const QPoint centre = apply->mapToGlobal(apply->rect().center());
        long child = -1;
        QCOMPARE(view->accHitTest(centre.x(), centre.y(), &child), S_OK);
        CString name;
        QCOMPARE(view->get_accName(child, &name), S_OK);
        QCOMPARE(name, CString("Apply"));
        long left = 0, top = 0, width = 0, height = 0;
        QCOMPARE(view->accLocation(&left, &top, &width, &height, child), S_OK);
        QCOMPARE(QRect(int(left), int(top), int(width), int(height)),
            QRect(apply->mapToGlobal(QPoint(0, 0)), apply->size()));
        QAccessibleInterface* control = nullptr;
        QCOMPARE(view->get_accChild(child, &control), S_OK);
        QCOMPARE(control->object(), apply);
        QCOMPARE(view->get_accName(count + 1, &name), E_INVALIDARG);

        // A strip's buttons are buttons with names (pressed by their action in tst_timeediting).
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(editor.Widget(ProfilesStrip));
        QStringList buttons;
        for (int i = 0; i < strip->childCount(); ++i)
            buttons << strip->child(i)->text(QAccessible::Name);
        QCOMPARE(buttons, QStringList({"New", "Delete", "Toggle Dimension"}));
        QCOMPARE(strip->child(0)->role(), QAccessible::PushButton);
        QVERIFY(strip->rect().contains(strip->child(0)->rect()));
        // The keyboard reaches every control a person operates.
        QWidget* first = editor.Widget(VariablesList);
        first->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(first->window()));
        editor.Focus(first);
        QSet<int> reached;
        for (int i = 0; i < 80; ++i) {
            QWidget* focus = QApplication::focusWidget();
            for (QWidget* w = focus; w && w != editor.view()->GetSafeHwnd(); w = w->parentWidget()) {
                if (CWnd::GetDlgCtrlID(w) != 0)
                    reached.insert(CWnd::GetDlgCtrlID(w));
            }
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        // The enabled controls of the shown page that a person operates; of a
        // radio set, Tab reaches the checked one.
        QList<int> missed;
        for (UINT id : {VariablesList, VariablesStrip, ProfilesList, ProfilesStrip, ToXAxis, ToPlot, Tabs, XAxisField,
                 ClearXAxis, PlotList, PlotStrip, Radio2DPlot, Apply, FindVariables, Cancel, Ok}) {
            if (!reached.contains(static_cast<int>(id)))
                missed << static_cast<int>(id);
        }
        QCOMPARE(missed, QList<int>());
        // A strip's buttons are chosen with the arrow keys and pressed with Space.
        QWidget* stripWidget = editor.Widget(ProfilesStrip);
        stripWidget->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(stripWidget->hasFocus());
        QTest::keyClick(stripWidget, Qt::Key_Right);
        QTest::keyClick(stripWidget, Qt::Key_Left);
        QTest::keyClick(stripWidget, Qt::Key_Space);
        QCOMPARE(editor.ProfileRows(), QStringList({"Top|1 D", "New Profile|1 D"}));
    }

    void maxTimePointsIsOneSpinButton()
    {
        EditorFixture editor;
        PlotDefinition definition = OneProfile();
        definition.timeMode = 2;
        definition.timeEntries = Strings({"0*", "1"});
        definition.maxTimePoints = 10000;
        QVERIFY(editor.Open(definition, Access::Host));
        editor.ClickTab(1);
        QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(editor.Widget(MaxTimePointsUpDown));
        QCOMPARE(spin->role(), QAccessible::SpinBox);
        QCOMPARE(spin->text(QAccessible::Name), QStringLiteral("Max. time points:"));
        QCOMPARE(spin->childCount(), 0);
        QAccessibleValueInterface* value = spin->valueInterface();
        QCOMPARE(value->currentValue().toInt(), 10000);
        QCOMPARE(value->minimumValue().toInt(), 1);
        QCOMPARE(value->maximumValue().toInt(), 10000);
        CWnd* field = editor.view()->GetDlgItem(MaxTimePointsField);
        QAccessibleActionInterface* actions = spin->actionInterface();
        actions->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE(field->GetWindowText(), CString("10000"));
        actions->doAction(QAccessibleActionInterface::decreaseAction());
        QCOMPARE(field->GetWindowText(), CString("9999"));
        // What the person typed is where the steps start.
        field->SetWindowText("42");
        QCOMPARE(value->currentValue().toInt(), 42);
        value->setCurrentValue(7);
        QCOMPARE(field->GetWindowText(), CString("7"));
    }

private:
    // Opens an editor whose owner object is block `ownerPath`.
    CSUProfileEditorView* OpenOwnedBy(EditorFixture& editor, const char* ownerPath, const char* contextName)
    {
        m_owner = ModelObject::Create(ownerPath);
        m_plotData = ProfilePlotDataObject::Create(
            "plot:test", OneProfile(), static_cast<IUnknown*>(static_cast<IHostObjectPath*>(m_owner.get())));
        return editor.OpenOn(static_cast<IProfilePlotData*>(m_plotData.get()), contextName);
    }

    CComPtr<ModelObject> m_owner;
    CComPtr<ProfilePlotDataObject> m_plotData;
};

PE_TEST_MAIN(EditorDragDropTest)
#include "tst_editordragdrop.moc"
