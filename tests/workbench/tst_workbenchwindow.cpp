// The workbench's window in-process, with the editor module loaded by dlopen
// as the program loads it: editors opened on plots, the module's menu while an
// editor is active, the host's commands, the "SHOW_VARNELVIEW" answer, drags
// from the browser and the host's messages to an editor.

#include "workbench/app/calllogview.h"
#include "workbench/app/commandids.h"
#include "workbench/app/mainwindow.h"
#include "workbench/app/menubarbuilder.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/modelfile.h"
#include "workbench/app/modelsession.h"
#include "workbench/app/moduleloader.h"
#include "workbench/app/samplemodel.h"
#include "workbench/app/variablefinder.h"
#include "workbench/app/workbenchmenu.h"
#include "workbench/hostlib/calllog.h"

#include "host/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "host/services/variablepathparser.h"
#include "model/profile.h"
#include "platform/frame.h"
#include "platform/registry.h"

#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <memory>

namespace {

// Records what a WM_USER+1 record holds while the message is handled.
class ProfileRecorder final : public CWnd {
public:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message != WM_PE_RECEIVE_PROFILE)
            return CWnd::OnWndMsg(message, wParam, lParam, result);
        const auto* profile = reinterpret_cast<const CSUPEProfile*>(lParam);
        name = profile->name;
        variables = profile->variables;
        dimension = profile->dimension;
        plotRequested = profile->plotRequested;
        ++received;
        *result = 0;
        return true;
    }

    CString name;
    CStringArray variables;
    int dimension = 0;
    int plotRequested = 0;
    int received = 0;
};

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QList<QJsonObject> HintLines(const QList<QList<QVariant>>& lines, qint64 hint)
{
    QList<QJsonObject> found;
    for (const QList<QVariant>& arguments : lines) {
        const QJsonObject line = arguments.at(0).toJsonObject();
        if (line.value(QStringLiteral("call")).toString() == QLatin1String("UpdateAllViews")
            && line.value(QStringLiteral("args")).toObject().value(QStringLiteral("hint")).toInteger() == hint)
            found.append(line);
    }
    return found;
}

bool SameMenu(const std::vector<MenuItemResource>& a, const std::vector<MenuItemResource>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].id != b[i].id || a[i].text != b[i].text || a[i].separator != b[i].separator
            || !SameMenu(a[i].items, b[i].items))
            return false;
    }
    return true;
}

} // namespace

class WorkbenchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openingAPlotShowsItsEditorFrameWithTheContextInTheCaption();
    void theEditedObjectFollowsThePlotsAccess();
    void openingAPlotAgainActivatesItsFrame();
    void theModulesMenuAndKeysShowWhileAnEditorIsActive();
    void theModulesMenuMirrorsTheWorkbenchMenu();
    void runCommandsReachTheWorkbenchFromMenuAndKey();
    void theDisplayUnitReachesEveryOpenDocument();
    void showViewRequestShowsTheFinderWithTheOwnerPrefix_data();
    void showViewRequestShowsTheFinderWithTheOwnerPrefix();
    void browserDragsFullPathsInTreeOrder();
    void finderDragsTheVariablesItShows();
    void bigArraysListOnlyTheirFirstElements();
    void sentProfileIsTheSendersForTheLengthOfTheMessage();
    void sentPathsLoseTheOwnerBlock_data();
    void sentPathsLoseTheOwnerBlock();
    void closeEditorCommandClosesTheActiveEditor();
    void activatingAPlotInTheListOpensIt();
    void callLogDockShowsEveryLineNewestLast();

private:
    int PlotIndex(const char* name) const { return m_session->model().PlotIndex(name); }

    std::unique_ptr<CKBaseApp> m_app;
    std::unique_ptr<ModelSession> m_session;
    std::unique_ptr<MainWindow> m_window;
};

void WorkbenchWindowTest::init()
{
    m_app = std::make_unique<CKBaseApp>();
    WorkbenchModel model;
    QString error;
    QVERIFY2(ReadModelFile(SampleModelText(), model, error), qPrintable(error));
    m_session = std::make_unique<ModelSession>();
    QVERIFY2(m_session->Start(model, &error), qPrintable(error));
    LoadedModule module;
    QVERIFY2(LoadEditorModule(QString(), *m_app, module, error), qPrintable(error));
    m_window = std::make_unique<MainWindow>(*m_app, *module.docTemplate, *m_session);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WorkbenchWindowTest::cleanup()
{
    m_window.reset();
    FlushDeletes();
    m_session.reset();
    m_app.reset();
}

void WorkbenchWindowTest::openingAPlotShowsItsEditorFrameWithTheContextInTheCaption()
{
    const int plot = PlotIndex("Column temperatures");
    QString error;
    QVERIFY2(m_window->OpenPlot(plot, &error), qPrintable(error));
    CFrameWnd* frame = m_window->editors().FrameForPlot(plot);
    QVERIFY(frame);
    QCOMPARE(frame->GetWindowText(), CString("Profile Editor - Column.TemperaturePlot"));
    auto* sub = qobject_cast<QMdiSubWindow*>(frame->GetSafeHwnd());
    QVERIFY(sub);
    QCOMPARE(sub->mdiArea(), m_window->mdiArea());
    QCOMPARE(m_window->mdiArea()->currentSubWindow(), sub);
    QVERIFY(sub->isVisible());

    auto* document = dynamic_cast<CKSUDocument*>(frame->GetActiveDocument());
    QVERIFY(document);
    QCOMPARE(document->GetTitle(), CString("Column temperatures"));
    QCOMPARE(document->GetDisplayUnit(), CString("s"));
    QCOMPARE(document->CommunicationToDisplayTime(1.0), 1.0);
    QCOMPARE(document->GetDefaultTimeInterval(), 60.0);
    QCOMPARE(CKBaseApp::GetCurrentDocument(), document);
    const tag_VarnelViewContext* context = CKDocument::GetViewContext(document);
    QVERIFY(context);
    QCOMPARE(QString::fromLatin1(context->contextName), QStringLiteral("Column.TemperaturePlot"));
}

void WorkbenchWindowTest::theEditedObjectFollowsThePlotsAccess()
{
    const int direct = PlotIndex("Column temperatures");
    const int host = PlotIndex("Reactor axial profiles");
    QVERIFY(m_window->OpenPlot(direct));
    QVERIFY(m_window->OpenPlot(host));
    const auto contextOf = [this](int plot) {
        return CKDocument::GetViewContext(m_window->editors().FrameForPlot(plot)->GetActiveDocument());
    };
    QCOMPARE(contextOf(direct)->editedObject, m_session->PlotData(direct)->Identity());
    QCOMPARE(contextOf(host)->editedObject, m_session->PlotHost(host)->Identity());

    // The host plot refuses IProfilePlotData: the editor has to ask the plot host.
    void* refused = nullptr;
    QCOMPARE(contextOf(host)->editedObject->QueryInterface(IID_IProfilePlotData, &refused), E_NOINTERFACE);
    void* plotHost = nullptr;
    QCOMPARE(contextOf(host)->editedObject->QueryInterface(IID_IProfilePlotHost, &plotHost), S_OK);
    static_cast<IUnknown*>(plotHost)->Release();
}

void WorkbenchWindowTest::openingAPlotAgainActivatesItsFrame()
{
    const int first = PlotIndex("Column temperatures");
    const int second = PlotIndex("Column compositions");
    QVERIFY(m_window->OpenPlot(first));
    CFrameWnd* firstFrame = m_window->editors().FrameForPlot(first);
    QVERIFY(m_window->OpenPlot(second));
    QCOMPARE(m_window->mdiArea()->currentSubWindow(), m_window->editors().FrameForPlot(second)->GetSafeHwnd());

    QVERIFY(m_window->OpenPlot(first));
    QCOMPARE(m_window->editors().FrameForPlot(first), firstFrame);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 2);
    QCOMPARE(m_window->mdiArea()->currentSubWindow(), firstFrame->GetSafeHwnd());
    QCOMPARE(m_window->editors().OpenEditorCount(), 2);
}

void WorkbenchWindowTest::theModulesMenuAndKeysShowWhileAnEditorIsActive()
{
    QCOMPARE(m_window->shownMenuResourceId(), 0u);
    QCOMPARE(m_window->shortcutCount(), size_t(32));
    QVERIFY(!FindCommandAction(m_window->menuBar(), Command::CloseEditor)->isEnabled());

    QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
    QCOMPARE(m_window->shownMenuResourceId(), EditorMenuResourceId);
    QCOMPARE(m_window->shortcutCount(), AfxFindAccelerators(EditorMenuResourceId)->size());
    // The workbench's own items are there in the module's menu too.
    QVERIFY(FindCommandAction(m_window->menuBar(), Command::CloseEditor)->isEnabled());
    QVERIFY(FindCommandAction(m_window->menuBar(), Command::TimeUnitHours));

    m_window->CloseAllEditors();
    FlushDeletes();
    QCOMPARE(m_window->editors().OpenEditorCount(), 0);
    QCOMPARE(m_window->shownMenuResourceId(), 0u);
    QVERIFY(!FindCommandAction(m_window->menuBar(), Command::CloseEditor)->isEnabled());
}

void WorkbenchWindowTest::theModulesMenuMirrorsTheWorkbenchMenu()
{
    const std::vector<MenuItemResource>* moduleMenu = AfxFindMenu(EditorMenuResourceId);
    QVERIFY(moduleMenu);
    QVERIFY(SameMenu(*moduleMenu, WorkbenchMainMenu()));
    const std::vector<AcceleratorResource>* moduleKeys = AfxFindAccelerators(EditorMenuResourceId);
    QVERIFY(moduleKeys);
    const std::vector<AcceleratorResource> keys = WorkbenchShortcutKeys();
    QCOMPARE(keys.size(), size_t(32));
    QCOMPARE(moduleKeys->size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        QCOMPARE(QString::fromStdString((*moduleKeys)[i].keys), QString::fromStdString(keys[i].keys));
        QCOMPARE((*moduleKeys)[i].command, keys[i].command);
    }
}

void WorkbenchWindowTest::runCommandsReachTheWorkbenchFromMenuAndKey()
{
    QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
    QCOMPARE(m_window->shownMenuResourceId(), EditorMenuResourceId);
    QAction* run = FindCommandAction(m_window->menuBar(), Command::Run);
    QVERIFY(run);
    QVERIFY(run->text().endsWith(QLatin1String("\tF5")));
    run->trigger();
    QCOMPARE(m_window->clock().runs(), 1);
    QCOMPARE(m_window->clock().seconds(), 60.0);
    QVERIFY2(m_window->statusBar()->currentMessage().contains(QStringLiteral("advanced to 60 s")),
             qPrintable(m_window->statusBar()->currentMessage()));

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window->mdiArea()->currentSubWindow(), Qt::Key_F5);
    QCOMPARE(m_window->clock().runs(), 2);

    FindCommandAction(m_window->menuBar(), Command::Stop)->trigger();
    QCOMPARE(m_window->clock().seconds(), 0.0);
}

void WorkbenchWindowTest::theDisplayUnitReachesEveryOpenDocument()
{
    const int first = PlotIndex("Column temperatures");
    const int second = PlotIndex("Reactor axial profiles");
    QVERIFY(m_window->OpenPlot(first));
    QVERIFY(m_window->OpenPlot(second));
    QSignalSpy lines(&CallLog::Instance(), &CallLog::lineWritten);

    FindCommandAction(m_window->menuBar(), Command::TimeUnitMinutes)->trigger();

    const std::vector<CKSUDocument*> documents = m_window->editors().OpenDocuments();
    QCOMPARE(documents.size(), size_t(2));
    for (CKSUDocument* document : documents) {
        QCOMPARE(document->GetDisplayUnit(), CString("min"));
        QCOMPARE(document->CommunicationToDisplayTime(90.0), 1.5);
        QCOMPARE(document->GetDefaultTimeInterval(), 1.0);
    }
    const QList<QJsonObject> hints = HintLines(lines, 829);
    QCOMPARE(hints.size(), 2);
    QStringList told;
    for (const QJsonObject& hint : hints)
        told << hint.value(QStringLiteral("document")).toString();
    told.sort();
    QCOMPARE(told, (QStringList{"Column temperatures", "Reactor axial profiles"}));
    QVERIFY(FindCommandAction(m_window->menuBar(), Command::TimeUnitMinutes)->isChecked());
    QVERIFY(!FindCommandAction(m_window->menuBar(), Command::TimeUnitSeconds)->isChecked());

    // An editor opened later starts in the chosen unit.
    const int third = PlotIndex("Column compositions");
    QVERIFY(m_window->OpenPlot(third));
    auto* later = dynamic_cast<CKSUDocument*>(m_window->editors().FrameForPlot(third)->GetActiveDocument());
    QCOMPARE(later->GetDisplayUnit(), CString("min"));
    QCOMPARE(later->CommunicationToDisplayTime(3600.0), 60.0);
}

void WorkbenchWindowTest::showViewRequestShowsTheFinderWithTheOwnerPrefix_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<bool>("nullText");
    QTest::addColumn<qint64>("viewKind");
    QTest::addColumn<bool>("rightGuid");
    QTest::addColumn<bool>("shown");
    QTest::newRow("owner prefix") << QByteArray("Column") << false << qint64(14) << true << true;
    QTest::newRow("empty text") << QByteArray() << false << qint64(14) << true << true;
    QTest::newRow("no text at all") << QByteArray() << true << qint64(14) << true << true;
    QTest::newRow("another view kind") << QByteArray("Column") << false << qint64(3) << true << false;
    QTest::newRow("another request") << QByteArray("Column") << false << qint64(14) << false << false;
}

void WorkbenchWindowTest::showViewRequestShowsTheFinderWithTheOwnerPrefix()
{
    QFETCH(QByteArray, prefix);
    QFETCH(bool, nullText);
    QFETCH(qint64, viewKind);
    QFETCH(bool, rightGuid);
    QFETCH(bool, shown);

    ShowViewRequest request{};
    request.requestType = ShowViewRequestType;
    if (!rightGuid)
        request.requestType.Data1 ^= 1;
    request.ownerPrefix = nullText ? nullptr : prefix.constData();
    request.viewKind = viewKind;
    QVERIFY(AfxGetMainWnd());
    const LRESULT answer = ::SendMessage(AfxGetMainWnd()->GetSafeHwnd(), RegisterWindowMessage("SHOW_VARNELVIEW"), 0,
                                         reinterpret_cast<LPARAM>(&request));

    QCOMPARE(answer, shown ? 1 : 0);
    QCOMPARE(m_window->finderDock()->isVisible(), shown);
    if (!shown)
        return;
    QCOMPARE(m_window->finder()->filter(), QString::fromLatin1(prefix));
    const QStringList visible = m_window->finder()->VisiblePaths();
    if (prefix.isEmpty()) {
        QVERIFY(visible.contains(QStringLiteral("HX1.Tw(*,*)")));
        QVERIFY(visible.contains(QStringLiteral("Column.R")));
    } else {
        QVERIFY(visible.contains(QStringLiteral("Column.T(*)")));
        QVERIFY(!visible.contains(QStringLiteral("Reactor.T(*)")));
        for (const QString& path : visible)
            QVERIFY2(path.contains(QString::fromLatin1(prefix), Qt::CaseInsensitive), qPrintable(path));
    }
}

void WorkbenchWindowTest::browserDragsFullPathsInTreeOrder()
{
    ModelBrowser* browser = m_window->browser();
    QTreeWidgetItem* scalar = browser->FindPath(QStringLiteral("Column.R"));
    QTreeWidgetItem* array = browser->FindPath(QStringLiteral("Column.T"));
    QVERIFY(scalar && array);
    array->setExpanded(true);
    QTreeWidgetItem* element = browser->FindPath(QStringLiteral("Column.T(3)"));
    QTreeWidgetItem* block = browser->FindPath(QStringLiteral("Column"));
    QVERIFY(element && block);

    // Only a block selected: nothing to drag.
    block->setSelected(true);
    QVERIFY(!browser->MimeDataForSelection());

    // Chosen out of order; the drag carries them in tree order, blocks left out.
    scalar->setSelected(true);
    element->setSelected(true);
    browser->FindPath(QStringLiteral("Column.x"))->setSelected(true);
    std::unique_ptr<QMimeData> data(browser->MimeDataForSelection());
    QVERIFY(data);
    const QString format = ClipboardFormatMimeType(RegisterClipboardFormat("Lumen Variable Path Format"));
    QCOMPARE(format, QStringLiteral("Lumen Variable Path Format"));
    QCOMPARE(data->formats(), QStringList{format});
    const QByteArray payload = data->data(format);
    QByteArray expected("Flowsheet\r\nColumn.T(3)\r\nColumn.x(*,*)\r\nColumn.R");
    expected.append('\0');
    QCOMPARE(payload, expected);
    CStringArray paths;
    QCOMPARE(LuParseVariablePaths(payload.constData(), 1, "", paths), 3);
    QCOMPARE(paths[2], CString("Column.R"));
    // Only copied: a target that asks to move must not take rows out of the browser.
    QCOMPARE(browser->model()->supportedDragActions(), Qt::DropActions(Qt::CopyAction));
}

void WorkbenchWindowTest::finderDragsTheVariablesItShows()
{
    auto* list = m_window->finder()->findChild<QListWidget*>(QStringLiteral("variableFinderList"));
    QVERIFY(list);
    QCOMPARE(list->model()->supportedDragActions(), Qt::DropActions(Qt::CopyAction));
    const QList<QListWidgetItem*> scalars = list->findItems(QStringLiteral("Reactor.Tin"), Qt::MatchExactly);
    const QList<QListWidgetItem*> arrays = list->findItems(QStringLiteral("Reactor.C(*,*)"), Qt::MatchExactly);
    QCOMPARE(scalars.size(), 1);
    QCOMPARE(arrays.size(), 1);
    const QModelIndexList indexes{list->indexFromItem(scalars.first()), list->indexFromItem(arrays.first())};
    std::unique_ptr<QMimeData> data(list->model()->mimeData(indexes));
    QVERIFY(data);
    QByteArray expected("Flowsheet\r\nReactor.C(*,*)\r\nReactor.Tin");
    expected.append('\0');
    QCOMPARE(data->data(QStringLiteral("Lumen Variable Path Format")), expected);
}

void WorkbenchWindowTest::bigArraysListOnlyTheirFirstElements()
{
    WorkbenchModel model;
    model.blocks.push_back({"Big", {{"Q", 0, {3000, 3000}}, {"T", 0, {4}}}});
    ModelBrowser browser;
    browser.SetModel(model);
    QTreeWidgetItem* big = browser.FindPath(QStringLiteral("Big.Q"));
    big->setExpanded(true);
    QCOMPARE(big->childCount(), ModelBrowser::MaxListedElements + 1);
    QCOMPARE(big->child(1)->text(0), QStringLiteral("Q(1,2)"));
    QVERIFY(big->child(ModelBrowser::MaxListedElements)->text(0).contains(QStringLiteral("8999000 more")));
    QVERIFY(!(big->child(ModelBrowser::MaxListedElements)->flags() & Qt::ItemIsDragEnabled));
    QTreeWidgetItem* small = browser.FindPath(QStringLiteral("Big.T"));
    small->setExpanded(true);
    QCOMPARE(small->childCount(), 4);
    QCOMPARE(small->child(3)->data(0, Qt::UserRole).toString(), QStringLiteral("Big.T(4)"));
}

void WorkbenchWindowTest::sentProfileIsTheSendersForTheLengthOfTheMessage()
{
    QWidget target;
    ProfileRecorder recorder;
    QVERIFY(recorder.Attach(&target));
    ProfileToSend profile;
    profile.name = "Hot trays";
    profile.variables = CStringArray{"T(1)", "T(2)"};
    profile.dimension = 2;
    SendProfileToEditor(&target, profile);
    QCOMPARE(recorder.received, 1);
    QCOMPARE(recorder.name, CString("Hot trays"));
    QCOMPARE(recorder.variables, profile.variables);
    QCOMPARE(recorder.dimension, 2);
    QCOMPARE(recorder.plotRequested, 1);
    recorder.Detach();

    // The real editor frame takes it too; the workbench reports the send.
    QVERIFY(!m_window->SendProfileToActiveEditor(profile));
    QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
    QVERIFY(m_window->SendProfileToActiveEditor(profile));
    QVERIFY2(m_window->statusBar()->currentMessage().contains(QStringLiteral("Sent the profile \"Hot trays\" (2 variables)")),
             qPrintable(m_window->statusBar()->currentMessage()));
}

void WorkbenchWindowTest::sentPathsLoseTheOwnerBlock_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("sent");
    QTest::newRow("element of the owner") << QStringLiteral("Column.T(3)") << QStringLiteral("T(3)");
    QTest::newRow("other case") << QStringLiteral("column.x(1,2)") << QStringLiteral("x(1,2)");
    QTest::newRow("longer block name") << QStringLiteral("Columns.T") << QStringLiteral("Columns.T");
    QTest::newRow("other block") << QStringLiteral("Reactor.T(1)") << QStringLiteral("Reactor.T(1)");
    QTest::newRow("the block itself") << QStringLiteral("Column.") << QStringLiteral("Column.");
}

void WorkbenchWindowTest::sentPathsLoseTheOwnerBlock()
{
    QFETCH(QString, path);
    QFETCH(QString, sent);
    const CStringArray relative = RelativeToOwner(CStringArray{CString::FromQString(path)}, "Column");
    QCOMPARE(relative.GetSize(), 1);
    QCOMPARE(relative[0].ToQString(), sent);
}

void WorkbenchWindowTest::closeEditorCommandClosesTheActiveEditor()
{
    const int first = PlotIndex("Column temperatures");
    const int second = PlotIndex("Exchanger wall temperature");
    QVERIFY(m_window->OpenPlot(first));
    QVERIFY(m_window->OpenPlot(second));
    FindCommandAction(m_window->menuBar(), Command::ReloadDefinition)->trigger();
    QVERIFY(m_window->editors().FrameForPlot(second));

    FindCommandAction(m_window->menuBar(), Command::CloseEditor)->trigger();
    FlushDeletes();
    QVERIFY(!m_window->editors().FrameForPlot(second));
    QVERIFY(m_window->editors().FrameForPlot(first));
    QCOMPARE(m_window->editors().OpenEditorCount(), 1);
    // The plot can be opened again.
    QVERIFY(m_window->OpenPlot(second));
    QCOMPARE(m_window->editors().OpenEditorCount(), 2);
}

void WorkbenchWindowTest::activatingAPlotInTheListOpensIt()
{
    QListWidget* list = m_window->plotList();
    QCOMPARE(list->count(), m_session->plotCount());
    const int plot = PlotIndex("Coolant temperatures");
    emit list->itemActivated(list->item(plot));
    CFrameWnd* frame = m_window->editors().FrameForPlot(plot);
    QVERIFY(frame);
    QCOMPARE(frame->GetWindowText(), CString("Profile Editor - Jacket.CoolantPlot"));
}

void WorkbenchWindowTest::callLogDockShowsEveryLineNewestLast()
{
    CallLog::Write({{QStringLiteral("object"), QStringLiteral("test")}, {QStringLiteral("call"), QStringLiteral("First")}});
    CallLog::Write({{QStringLiteral("object"), QStringLiteral("test")}, {QStringLiteral("call"), QStringLiteral("Second")}});
    const QStringList lines = m_window->callLog()->Lines();
    QVERIFY(lines.size() >= 2);
    QVERIFY(lines.at(lines.size() - 2).contains(QStringLiteral("\"First\"")));
    QVERIFY(lines.last().contains(QStringLiteral("\"Second\"")));
}

QTEST_MAIN(WorkbenchWindowTest)
#include "tst_workbenchwindow.moc"
