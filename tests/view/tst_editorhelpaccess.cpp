// What the form tells the host and assistive tools: the variable finder
// request, context help numbers and help on command, the names of every
// control, the strip buttons as buttons, and the keyboard's way through.

#include "editorfixture.h"

#include "host/services/hosthelp.h"
#include "host/services/showviewrequest.h"
#include "host/sharedids/sharedids.h"
#include "hostlib/modelobject.h"
#include "resources/formcontrolids.h"
#include "support/projecttest.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <cstring>

using namespace FormControl;

namespace {

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

LPARAM ClientPoint(const EditorFixture& editor, UINT id)
{
    QWidget* control = editor.Widget(id);
    const QPoint p = control->mapTo(editor.view()->GetSafeHwnd(), control->rect().center());
    return static_cast<LPARAM>(p.x() | (p.y() << 16));
}

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

PlotDefinition OneProfile()
{
    PlotDefinition definition;
    AddUnassigned(definition, "Top", 1, {"T(1)"});
    return definition;
}

} // namespace

class EditorHelpAccessTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SharedIds::RegisterAll(); }

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
        CComPtr<ModelObject> owner = ModelObject::Create(ownerPath.toLocal8Bit().constData());
        CComPtr<ProfilePlotDataObject> plotData = ProfilePlotDataObject::Create(
            "plot:test", OneProfile(), static_cast<IUnknown*>(static_cast<IHostObjectPath*>(owner.get())));
        QVERIFY(editor.OpenOn(static_cast<IProfilePlotData*>(plotData.get()), contextName.toLocal8Bit().constData()));
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
        QCOMPARE(view->SendMessage(WM_HELPHITTEST, 0, ClientPoint(editor, ProfilesList)), 1006 + 8000000);
        QCOMPARE(view->SendMessage(WM_HELPHITTEST, 0, 2 | (2 << 16)), -100);
        list->hide();
        QCOMPARE(view->SendMessage(WM_HELPHITTEST, 0, ClientPoint(editor, ProfilesList)), 1003 + 8000000);
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

        // A strip's buttons are buttons with names, pressed by their action.
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(editor.Widget(ProfilesStrip));
        QStringList buttons;
        for (int i = 0; i < strip->childCount(); ++i)
            buttons << strip->child(i)->text(QAccessible::Name);
        QCOMPARE(buttons, QStringList({"New", "Delete", "Toggle Dimension"}));
        QAccessibleInterface* newButton = strip->child(0);
        QCOMPARE(newButton->role(), QAccessible::PushButton);
        QVERIFY(strip->rect().contains(newButton->rect()));
        newButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(editor.ProfileRows(), QStringList({"Top|1 D", "New Profile|1 D"}));
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
        QCOMPARE(editor.ProfileRows(), QStringList({"Top|1 D", "New Profile|1 D", "New Profile|1 D"}));
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
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 10000);
        QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("10000"));
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
};

PE_TEST_MAIN(EditorHelpAccessTest)
#include "tst_editorhelpaccess.moc"
