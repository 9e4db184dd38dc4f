// The workbench as the other side of the editor's drags, drops and help, with
// the module loaded as the program loads it: variables from the model browser
// dropped on an editor, a profile dragged out onto the workbench, F1 help.

#include "support/projecttest.h"
#include "workbench/app/helpwindow.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/plotwindows.h"
#include "workbench/app/profiledropzone.h"
#include "workbenchfixture.h"

#include "host/interfaces/dropformats.h"
#include "host/services/hosthelp.h"
#include "platform/controls/listbox.h"
#include "platform/controls/listctrl.h"
#include "platform/docview/frame.h"
#include "platform/docview/view.h"
#include "platform/ole/oledatasource.h"

#include <QDockWidget>
#include <QDropEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

// Drags `data` over `target` to `point` and drops it there: whether it was taken.
bool DropOn(QWidget* target, const QMimeData& data, QPoint point)
{
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class WorkbenchDragDropTest : public QObject, private WorkbenchFixture {
    Q_OBJECT
private slots:
    void init() { OpenWorkbench(); }

    void cleanup()
    {
        COleDataSource::SetDragRunner({});
        CloseWorkbench();
    }

    void browserVariablesDroppedOnAnEditorMakeAProfile()
    {
        CView* view = OpenColumnEditor();
        ModelBrowser* browser = m_window->docks().browser();
        browser->expand(browser->FindPath(QStringLiteral("Column.T")));
        browser->selectionModel()->select(
            browser->FindPath(QStringLiteral("Column.T(3)")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        std::unique_ptr<QMimeData> one(browser->MimeDataForSelection());
        QWidget* profiles = Control(view, 1006);
        const QPoint onProfiles = profiles->mapTo(view->GetSafeHwnd(), profiles->rect().center());
        QVERIFY(DropOn(view->GetSafeHwnd(), *one, onProfiles));
        // One element of a widenable array, owner prefix "Column": the whole variable.
        auto* variables = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(Control(view, 1004)));
        QCOMPARE(variables->GetCount(), 1);
        QCOMPARE(variables->GetText(0), CString("T(*)"));

        browser->selectionModel()->select(
            browser->FindPath(QStringLiteral("Column.P")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        std::unique_ptr<QMimeData> two(browser->MimeDataForSelection());
        QWidget* list = Control(view, 1004);
        QVERIFY(DropOn(view->GetSafeHwnd(), *two, list->mapTo(view->GetSafeHwnd(), list->rect().center())));
        QCOMPARE(variables->GetCount(), 3);
        QCOMPARE(variables->GetText(1), CString("T(3)"));
        QCOMPARE(variables->GetText(2), CString("P(*)"));
    }

    void profileDraggedOutLandsInTheWorkbench()
    {
        CView* view = OpenColumnEditor();
        auto* profiles = dynamic_cast<CListCtrl*>(CWnd::FromHandlePermanent(Control(view, 1006)));
        profiles->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        const CString name = profiles->GetItemText(0, 0);
        ProfileDropZone* zone = m_window->docks().dropZone();
        COleDataSource::SetDragRunner([zone](const QMimeData& data, DROPEFFECT) {
            return DropOn(zone->viewport(), data, zone->viewport()->rect().center()) ? DROPEFFECT_COPY
                                                                                     : DROPEFFECT_NONE;
        });
        NMLISTVIEW info {};
        info.hdr.hwndFrom = profiles->GetSafeHwnd();
        info.hdr.idFrom = 1006;
        info.hdr.code = LVN_BEGINDRAG;
        view->SendMessage(WM_NOTIFY, 1006, reinterpret_cast<LPARAM>(&info));
        QCOMPARE(zone->count(), 2);
        QCOMPARE(zone->item(0)->text(), QStringLiteral("%1: 1 variable").arg(QString::fromLocal8Bit(name.GetString())));
        QCOMPARE(zone->item(1)->text(), QStringLiteral("    z(*)"));
    }

    void dropZoneRefusesWhatIsNotAPathList()
    {
        ProfileDropZone* zone = m_window->docks().dropZone();
        QString error;
        QVERIFY(!zone->TakeDrop(QByteArray("Flowsheet\r\nB1\x07.T", 16), QString(), &error));
        QVERIFY(error.contains(QStringLiteral("not a list of variable paths")));
        QVERIFY(!zone->TakeDrop(QByteArray(static_cast<qsizetype>(MaxDropPayloadBytes) + 1, 'x'), QString(), &error));
        QCOMPARE(zone->count(), 0);
    }

    void f1InTheProfilesListShowsItsPopupTopic()
    {
        CView* view = OpenColumnEditor();
        QWidget* profiles = Control(view, 1006);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        profiles->setFocus();
        QTRY_VERIFY(profiles->hasFocus());
        QTest::keyClick(profiles, Qt::Key_F1);
        QCOMPARE(m_window->docks().helpWindow()->lastTopic(), DWORD_PTR(1006 + 8000000));
        QCOMPARE(m_window->docks().helpWindow()->lastCommand(), HELP_CONTEXTPOPUP);
        QVERIFY(m_window->docks().helpDock()->isVisible());
        QVERIFY(m_window->docks().helpWindow()->toPlainText().contains(QStringLiteral("control 1006")));
    }

    // A simulator's results, a new plot built from them by dragging as a user
    // does, and the numbers the plot window draws, read back from its exported
    // table: the file's values, interpolated where the drawn time falls between rows.
    void resultsDraggedIntoANewPlotAreWhatItDraws()
    {
        QTemporaryDir folder;
        QFile results(folder.filePath(QStringLiteral("tube.csv")));
        QVERIFY(results.open(QIODevice::WriteOnly));
        results.write("\"time\";\"tube.T[1]\";\"tube.T[2]\";\"tube.T[3]\";\"der(x)\"\n"
                      "0;300;310;320;0\n"
                      "100;400;410;420;0\n"
                      "200;600;610;620;0\n");
        results.close();
        QString error;
        QVERIFY2(m_window->OpenResults(results.fileName(), &error), qPrintable(error));
        const auto found = m_session->model().blocks.FindVariable("tube.T");
        QCOMPARE(found->variable.extents, std::vector<UINT>({3}));

        ModelPlot plot;
        plot.name = "Tube";
        plot.owner = "tube";
        plot.contextName = "tube.Tube";
        plot.access = PlotAccess::Host;
        QVERIFY2(m_window->AddPlot(plot, &error), qPrintable(error));
        const int index = m_session->model().PlotIndex("Tube");
        CFrameWnd* frame = m_window->editors().FrameForPlot(index);
        CView* view = frame->GetActiveView();

        ModelBrowser* browser = m_window->docks().browser();
        browser->selectionModel()->select(
            browser->FindPath(QStringLiteral("tube.T")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        std::unique_ptr<QMimeData> dragged(browser->MimeDataForSelection());
        QWidget* profiles = Control(view, 1006);
        QVERIFY(DropOn(view->GetSafeHwnd(), *dragged, profiles->mapTo(view->GetSafeHwnd(), profiles->rect().center())));
        auto* profilesView = qobject_cast<QTreeView*>(profiles);
        QCOMPARE(profilesView->model()->rowCount(), 1);
        profilesView->setCurrentIndex(profilesView->model()->index(0, 0));
        QTest::mouseClick(Control(view, 1010), Qt::LeftButton); // ">>" to the plot list
        QTest::mouseClick(Control(view, 1042), Qt::LeftButton); // Apply
        const PlotDefinition applied = m_session->CurrentModel().plots[size_t(index)].definition;
        QCOMPARE(applied.plottedVariables.GetSize(), 1);
        QCOMPARE(applied.plottedVariables[0], CString("T(*)"));

        // Continuous update draws each 60 s step up to the clock: 0 s is a row of
        // the file, 60 s and 120 s lie between rows.
        m_window->SetClock(150);
        const QString table = folder.filePath(QStringLiteral("tube-data.csv"));
        QVERIFY2(m_window->plotWindows().SaveData(index, table, error), qPrintable(error));
        QFile written(table);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(written.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(rows,
            QStringList({"Element position,New Profile at 0 s,New Profile at 60 s,New Profile at 120 s",
                "1,300,360,440", "2,310,370,450", "3,320,380,460"}));
    }

private:
    CView* OpenColumnEditor()
    {
        const int plot = m_session->model().PlotIndex("Column temperatures");
        if (!m_window->OpenPlot(plot))
            return nullptr;
        CFrameWnd* frame = m_window->editors().FrameForPlot(plot);
        return frame ? frame->GetActiveView() : nullptr;
    }
    QWidget* Control(CView* view, int id) const { return view->GetDlgItemHandle(id); }
};

PE_TEST_MAIN(WorkbenchDragDropTest)
#include "tst_workbenchdragdrop.moc"
