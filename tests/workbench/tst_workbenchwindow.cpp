// The workbench's window in-process, with the editor module loaded by dlopen as
// the program loads it: editors on plots, the module's menu, the host's messages.

#include "platform/windows/menubuilder.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"
#include "workbench/app/calllogview.h"
#include "workbench/app/commandids.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/sessionfile.h"
#include "workbench/app/variablefinder.h"
#include "workbench/model/modelfile.h"
#include "workbenchfixture.h"

#include "host/interfaces/editorcontract.h"
#include "host/services/ksudocument.h"
#include "model/profile.h"
#include "platform/controls/listbox.h"
#include "platform/core/registry.h"
#include "platform/docview/frame.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

// Stands in for an editor frame: records what a WM_USER+1 record holds while
// the message is handled (the sender owns it only that long).
class ProfileRecorder final : public CWnd {
public:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message != WM_PE_RECEIVE_PROFILE)
            return CWnd::OnWndMsg(message, wParam, lParam, result);
        received = std::make_unique<CSUPEProfile>(*reinterpret_cast<const CSUPEProfile*>(lParam));
        *result = 0;
        return true;
    }

    std::unique_ptr<CSUPEProfile> received;
};

// A strip button clicked through the window, as the strip captures the mouse.
void ClickStripButton(QWidget* strip, int button, int buttonCount)
{
    const QPoint at = strip->mapTo(strip->window(), QPoint(strip->width() - (buttonCount - button) * 22 + 11, 10));
    QTest::mouseMove(strip->window()->windowHandle(), at);
    QTest::mouseClick(strip->window()->windowHandle(), Qt::LeftButton, {}, at);
}

// "text id" of every command of the menu bar, popups depth first.
QStringList MenuCommands(const QList<QAction*>& actions)
{
    QStringList commands;
    for (const QAction* action : actions) {
        commands << action->text() + QLatin1Char(' ') + action->data().toString();
        if (action->menu())
            commands += MenuCommands(action->menu()->actions());
    }
    return commands;
}

} // namespace

class WorkbenchWindowTest : public QObject, private WorkbenchFixture {
    Q_OBJECT
private slots:
    void init() { OpenWorkbench(); }

    void cleanup() { CloseWorkbench(); }

    void openingAPlotShowsItsEditorFrameOnThePlotsObject()
    {
        const int direct = PlotIndex("Column temperatures");
        QString error;
        QVERIFY2(m_window->OpenPlot(direct, &error), qPrintable(error));
        CFrameWnd* frame = m_window->editors().FrameForPlot(direct);
        QCOMPARE(frame->GetWindowText(), CString("Profile Editor - Column.TemperaturePlot"));
        CDocument* document = frame->GetActiveDocument();
        QCOMPARE(CKBaseApp::GetCurrentDocument(), document);
        QCOMPARE(document->GetTitle(), CString("Column temperatures"));
        const tag_VarnelViewContext* context = CKDocument::GetViewContext(document);
        QCOMPARE(QString::fromLatin1(context->contextName), QStringLiteral("Column.TemperaturePlot"));
        QCOMPARE(context->editedObject, m_session->PlotData(direct)->Identity());

        // A plot with access "host": the editor gets the plot host object.
        const int host = PlotIndex("Reactor axial profiles");
        QVERIFY(m_window->OpenPlot(host));
        QCOMPARE(CKDocument::GetViewContext(m_window->editors().FrameForPlot(host)->GetActiveDocument())->editedObject,
            m_session->PlotHost(host)->Identity());

        QCOMPARE(CKBaseApp::GetCurrentDocument(), m_window->editors().FrameForPlot(host)->GetActiveDocument());

        // Opening a plot again activates its frame, and the host makes its document current.
        QVERIFY(m_window->OpenPlot(direct));
        QCOMPARE(m_window->editors().FrameForPlot(direct), frame);
        QCOMPARE(m_window->mdiArea()->currentSubWindow(), frame->GetSafeHwnd());
        QCOMPARE(CKBaseApp::GetCurrentDocument(), document);
        QCOMPARE(m_window->editors().OpenEditorCount(), 2);
    }

    void theModulesMenuAndKeysShowWhileAnEditorIsActive()
    {
        QCOMPARE(m_window->menus().shownMenuResourceId(), 0u);
        const QStringList workbenchMenu = MenuCommands(m_window->menuBar()->actions());
        QVERIFY(!Action(Command::CloseEditor)->isEnabled());

        // The module's copy of the host's menu and keys, with the workbench's items added.
        QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
        QCOMPARE(m_window->menus().shownMenuResourceId(), EditorMenuResourceId);
        QCOMPARE(m_window->menus().shortcutCount(), AfxFindAccelerators(EditorMenuResourceId)->size());
        QCOMPARE(MenuCommands(m_window->menuBar()->actions()), workbenchMenu);
        QVERIFY(Action(Command::CloseEditor)->isEnabled());
        // Its commands, from the menu or by key, reach the workbench.
        Action(Command::Run)->trigger();
        QCOMPARE(m_window->clock().seconds(), 60.0);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window->mdiArea()->currentSubWindow(), Qt::Key_F5);
        QCOMPARE(m_window->clock().runs(), 2);

        m_window->CloseAllEditors();
        FlushDeletes();
        QCOMPARE(m_window->menus().shownMenuResourceId(), 0u);
        QVERIFY(!Action(Command::CloseEditor)->isEnabled());
    }

    void theDisplayUnitReachesEveryOpenDocument()
    {
        QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
        QVERIFY(m_window->OpenPlot(PlotIndex("Reactor axial profiles")));
        const int logged = m_window->docks().callLog()->Lines().size();

        Action(Command::TimeUnitMinutes)->trigger();

        const std::vector<CKSUDocument*> documents = m_window->editors().OpenDocuments();
        QCOMPARE(documents.size(), size_t(2));
        for (CKSUDocument* document : documents) {
            QCOMPARE(document->GetDisplayUnit(), CString("min"));
            QCOMPARE(document->CommunicationToDisplayTime(90.0), 1.5);
        }
        // Each of them broadcast hint 829; the call log dock shows the lines.
        const QString hints
            = m_window->docks().callLog()->Lines().mid(logged).filter(QStringLiteral("\"hint\":829")).join('\n');
        QVERIFY2(hints.count(QStringLiteral("\"hint\":829")) == 2
                && hints.contains(QStringLiteral("\"Column temperatures\""))
                && hints.contains(QStringLiteral("\"Reactor axial profiles\"")),
            qPrintable(hints));
        QVERIFY(Action(Command::TimeUnitMinutes)->isChecked());
        // Both editors follow: their times lists (control 1038) name the new unit.
        for (const char* plot : {"Column temperatures", "Reactor axial profiles"}) {
            QStringList headings;
            for (QTreeView* list :
                m_window->editors().FrameForPlot(PlotIndex(plot))->GetSafeHwnd()->findChildren<QTreeView*>()) {
                if (CWnd::GetDlgCtrlID(list) == 1038)
                    headings << list->model()->headerData(0, Qt::Horizontal).toString();
            }
            QCOMPARE(headings, QStringList {"Times (min)"});
        }

        // An editor opened later starts in the chosen unit.
        const int later = PlotIndex("Column compositions");
        QVERIFY(m_window->OpenPlot(later));
        auto* document = dynamic_cast<CKSUDocument*>(m_window->editors().FrameForPlot(later)->GetActiveDocument());
        QCOMPARE(document->CommunicationToDisplayTime(3600.0), 60.0);
    }

    void hostMessagesReachTheActiveEditor()
    {
        const ProfileToSend profile {"Hot trays", CStringArray {"T(1)", "T(2)"}, 2};
        QWidget target;
        ProfileRecorder recorder;
        QVERIFY(recorder.Attach(&target));
        SendProfileToEditor(&target, profile);
        recorder.Detach();
        QCOMPARE(recorder.received->name, CString("Hot trays"));
        QCOMPARE(recorder.received->variables, profile.variables);
        QCOMPARE(recorder.received->dimension, 2);
        QCOMPARE(recorder.received->plotRequested, 1);

        // The real editor frames: WM_USER+1 to the active one only, then
        // WM_USER+3 and WM_USER+2 from the Editor menu.
        QVERIFY(!m_window->SendProfileToActiveEditor(profile));
        const int first = PlotIndex("Column temperatures");
        const int active = PlotIndex("Exchanger wall temperature");
        QVERIFY(m_window->OpenPlot(first));
        QVERIFY(m_window->OpenPlot(active));
        QVERIFY(m_window->SendProfileToActiveEditor(profile));
        Action(Command::ReloadDefinition)->trigger();
        QVERIFY(m_window->editors().FrameForPlot(active));
        Action(Command::CloseEditor)->trigger();
        FlushDeletes();
        QVERIFY(!m_window->editors().FrameForPlot(active));
        QVERIFY(m_window->editors().FrameForPlot(first));
    }

    void sentPathsLoseTheOwnerBlock()
    {
        const std::pair<const char*, const char*> paths[] = {{"column.x(1,2)", "x(1,2)"}, {"Columns.T", "Columns.T"}};
        for (const auto& [path, sent] : paths) {
            const CStringArray relative = RelativeToOwner(CStringArray {path}, "Column");
            QCOMPARE(relative.GetSize(), 1);
            QCOMPARE(relative[0], CString(sent));
        }
    }

    void showViewRequestShowsTheFinderWithTheOwnerPrefix()
    {
        m_window->docks().finderDock()->hide();
        ShowViewRequest request {};
        request.requestType = ShowViewRequestType;
        request.ownerPrefix = "Column";
        request.viewKind = ViewKindFindVariables;
        const UINT message = RegisterWindowMessage("SHOW_VARNELVIEW");
        QCOMPARE(
            ::SendMessage(AfxGetMainWnd()->GetSafeHwnd(), message, 0, reinterpret_cast<LPARAM>(&request)), LRESULT(1));
        QVERIFY(m_window->docks().finderDock()->isVisible());
        QCOMPARE(m_window->docks().finder()->filter(), QStringLiteral("Column"));
        const QStringList visible = m_window->docks().finder()->VisiblePaths();
        QVERIFY(visible.contains(QStringLiteral("Column.T(*)")));
        QVERIFY(!visible.contains(QStringLiteral("Reactor.T(*)")));
    }

    void browserDragsFullPathsInTreeOrder()
    {
        // Chosen out of order, carried in tree order, blocks left out.
        ModelBrowser* browser = m_window->docks().browser();
        const auto select = [browser](const char* path) {
            const QModelIndex index = browser->FindPath(QString::fromLatin1(path));
            QVERIFY2(index.isValid(), path);
            browser->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        select("Column");
        QVERIFY(!browser->MimeDataForSelection());
        select("Column.R");
        browser->expand(browser->FindPath(QStringLiteral("Column.T")));
        select("Column.T(3)");
        select("Column.x");
        const QString format = QStringLiteral("Lumen Variable Path Format");
        std::unique_ptr<QMimeData> data(browser->MimeDataForSelection());
        QVERIFY(data);
        QCOMPARE(data->formats(), QStringList {format});
        QCOMPARE(data->data(format), QByteArray("Flowsheet\r\nColumn.T(3)\r\nColumn.x(*,*)\r\nColumn.R") + '\0');
        // Only copied: a target that asks to move must not take rows out.
        QCOMPARE(browser->model()->supportedDragActions(), Qt::DropActions(Qt::CopyAction));
    }

    void aProfileIsBuiltFromNothing()
    {
        const int plot = PlotIndex("Column temperatures");
        QVERIFY(m_window->OpenPlot(plot));
        CFrameWnd* frame = m_window->editors().FrameForPlot(plot);
        auto* profiles = qobject_cast<QTreeView*>(FormControl(frame, 1006));
        QWidget* variablesStrip = FormControl(frame, 1005);
        QWidget* variables = FormControl(frame, 1004);
        const int before = profiles->model()->rowCount();
        // Insert: a new row, its name open for editing.
        profiles->setFocus();
        QTest::keyClick(profiles, Qt::Key_Insert);
        QCOMPARE(profiles->model()->rowCount(), before + 1);
        auto* name = profiles->viewport()->findChild<QLineEdit*>();
        QVERIFY(name && name->isVisible());
        name->selectAll();
        QTest::keyClicks(name, "Bottom trays");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(profiles->model()->index(before, 0).data().toString(), QStringLiteral("Bottom trays"));
        QVERIFY(variablesStrip->isEnabled());
        // Two variables typed through "Add Variable".
        for (const char* path : {"T(19)", "T(20)"}) {
            ClickStripButton(variablesStrip, 0, 4);
            auto* edit = variables->findChild<QLineEdit*>();
            QVERIFY(edit && edit->isVisible());
            QTest::keyClicks(edit, path);
            QTest::keyClick(edit, Qt::Key_Return);
        }
        auto* list = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(variables));
        QTRY_COMPARE(list->GetCount(), 2);
        QCOMPARE(list->GetText(0), CString("T(19)"));
        QCOMPARE(list->GetText(1), CString("T(20)"));
        // Another profile and back: the new one kept its variables.
        profiles->setCurrentIndex(profiles->model()->index(0, 0));
        QCOMPARE(list->GetCount(), 1);
        profiles->setCurrentIndex(profiles->model()->index(before, 0));
        QCOMPARE(list->GetCount(), 2);
        // Plotted and applied: the host object is told of it, with its variables.
        auto* toPlot = qobject_cast<QAbstractButton*>(FormControl(frame, 1010));
        auto* apply = qobject_cast<QAbstractButton*>(FormControl(frame, 1042));
        const int logged = m_window->docks().callLog()->Lines().size();
        QTest::mouseClick(toPlot, Qt::LeftButton);
        QTest::mouseClick(apply, Qt::LeftButton);
        const QStringList calls = m_window->docks().callLog()->Lines().mid(logged);
        const QString names = calls.filter(QStringLiteral("\"call\":\"SetPlotProfiles\"")).join('\n');
        const QString paths = calls.filter(QStringLiteral("\"call\":\"SetPlotProfileVariables\"")).join('\n');
        QVERIFY2(names.contains(QStringLiteral("\"Bottom trays\"")), qPrintable(names));
        QVERIFY2(paths.contains(QStringLiteral("\"T(19)\",\"T(20)\"")), qPrintable(paths));
        // The written definition is a change the session has not saved.
        QVERIFY(m_window->isWindowModified());
    }

    void aNewPlotIsSavedAndReadBack()
    {
        QVERIFY(!m_window->isWindowModified());
        const auto newPlot = [this](const QString& name) {
            AnswerNextDialog([name](QWidget* dialog) {
                dialog->findChild<QLineEdit*>(QStringLiteral("plotName"))->setText(name);
                dialog->findChild<QComboBox*>(QStringLiteral("plotOwner"))->setCurrentText(QStringLiteral("HX1"));
                qobject_cast<QDialog*>(dialog)->accept();
            });
            Action(Command::NewProfilePlot)->trigger();
        };
        ScriptedMessageBoxResponder boxes;
        newPlot(QStringLiteral("Wall map"));
        const int added = PlotIndex("Wall map");
        QCOMPARE(added, m_session->plotCount() - 1);
        QVERIFY(m_window->editors().FrameForPlot(added));
        QCOMPARE(m_session->plot(added).access, PlotAccess::Host);
        QVERIFY(m_window->isWindowModified());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Sample model[*] - Workbench"));
        // A name that is taken is refused, and nothing is added.
        newPlot(QStringLiteral("Wall map"));
        QCOMPARE(boxes.texts(), QStringList {"Cannot add the plot: a plot named \"Wall map\" exists already."});
        QCOMPARE(m_session->plotCount(), added + 1);

        // The sample has no file: Save asks for one.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("session.json"));
        AnswerNextDialog([path](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        });
        Action(Command::FileSave)->trigger();
        QCOMPARE(m_window->file().path(), path);
        QVERIFY(!m_window->isWindowModified());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("session.json[*] - Workbench"));
        WorkbenchModel saved;
        QString error;
        QVERIFY2(LoadModelFile(path, saved, error), qPrintable(error));
        QVERIFY(saved == m_session->CurrentModel());
        QCOMPARE(saved.plots.back().owner, CString("HX1"));
        QVERIFY(saved.plots.back().definition == PlotDefinition());

        // Save again goes to the same file; one that cannot be written says why.
        QVERIFY(QFile::remove(path));
        Action(Command::FileSave)->trigger();
        QVERIFY(QFile::exists(path));
        m_window->file().SetPath(folder.filePath(QStringLiteral("gone/session.json")));
        m_window->file().MarkModified();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("gone.session.json.: cannot write")));
        QVERIFY(!m_window->file().Save());
        QVERIFY2(boxes.texts().last().contains(QStringLiteral("gone/session.json\": cannot write in the folder")),
            qPrintable(boxes.texts().last()));
        QVERIFY(m_window->isWindowModified());
    }

    void closingWithChangesAsksToSaveThem()
    {
        ScriptedMessageBoxResponder boxes;
        QVERIFY(m_window->close()); // nothing changed: no question
        QVERIFY(boxes.boxes().empty());
        m_window->show();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("model.json"));
        m_window->file().SetPath(path);
        m_window->file().MarkModified();
        boxes.Answer(IDCANCEL);
        QVERIFY(!m_window->close());
        QCOMPARE(boxes.texts(), QStringList {"The session has changes that are not saved. Save them to model.json?"});
        QCOMPARE(boxes.boxes()[0].style & MB_TYPEMASK, MB_YESNOCANCEL);
        boxes.Answer(IDYES);
        QVERIFY(m_window->close());
        QVERIFY(QFile::exists(path));
        m_window->show();
        m_window->file().MarkModified();
        QVERIFY(QFile::remove(path));
        boxes.Answer(IDNO);
        QVERIFY(m_window->close());
        QVERIFY(!QFile::exists(path));
    }

    void openResultsAddsTheirVariablesAndKeepsThePlots()
    {
        QTemporaryDir folder;
        QFile results(folder.filePath(QStringLiteral("run2.csv")));
        QVERIFY(results.open(QIODevice::WriteOnly));
        results.write("time,Tank.level,Tank.T(3)\n0,1,2\n60,3,4\n");
        results.close();
        QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
        QVERIFY(Action(Command::OpenResults));
        QString error;
        // A faulty file changes nothing and says where it is wrong.
        QFile ragged(folder.filePath(QStringLiteral("ragged.csv")));
        QVERIFY(ragged.open(QIODevice::WriteOnly));
        ragged.write("time,Tank.level\n0,1,2\n");
        ragged.close();
        ScriptedMessageBoxResponder boxes;
        QVERIFY(!m_window->OpenResults(ragged.fileName(), &error));
        QCOMPARE(boxes.boxes().size(), size_t(1));
        QVERIFY2(boxes.texts()[0].contains(QStringLiteral("line 2")), qPrintable(boxes.texts()[0]));
        QCOMPARE(m_window->editors().OpenEditorCount(), 1);
        QVERIFY(!m_window->isWindowModified());
        QVERIFY2(m_window->OpenResults(results.fileName(), &error), qPrintable(error));
        QVERIFY(m_window->isWindowModified());
        QCOMPARE(m_window->editors().OpenEditorCount(), 0);
        QVERIFY(m_window->docks().browser()->FindPath(QStringLiteral("Tank.T")).isValid());
        QVERIFY(m_window->docks().browser()->FindPath(QStringLiteral("Column.T")).isValid());
        QCOMPARE(m_window->docks().plotList()->count(), m_session->plotCount());
        QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
    }

private:
    int PlotIndex(const char* name) const { return m_session->model().PlotIndex(name); }
    QAction* Action(UINT command) const { return FindCommandAction(m_window->menuBar(), command); }
};

PE_TEST_MAIN(WorkbenchWindowTest)
#include "tst_workbenchwindow.moc"
