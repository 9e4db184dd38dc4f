// The workbench's window in-process, with the editor module loaded by dlopen as
// the program loads it: editors on plots, the module's menu, the host's messages;
// the workbench as the other side of the editor's drags, drops and help; the
// plot windows shown from the plot list, drawn again when the definition is
// written and when the clock moves; and the plot pictures the program writes
// from its command line.

#include "platform/windows/menubuilder.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"
#include "workbench/app/calllogview.h"
#include "workbench/app/commandids.h"
#include "workbench/app/helpwindow.h"
#include "workbench/app/mainwindow.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/moduleloader.h"
#include "workbench/app/plotwindows.h"
#include "workbench/app/profiledropzone.h"
#include "workbench/app/samplemodel.h"
#include "workbench/app/sessionfile.h"
#include "workbench/app/variablefinder.h"
#include "workbench/model/modelfile.h"
#include "workbench/model/modelsession.h"
#include "workbench/plot/axisscale.h"
#include "workbench/plot/colourmappainter.h"
#include "workbench/plot/plotwindow.h"

#include "host/interfaces/dropformats.h"
#include "host/interfaces/editorcontract.h"
#include "host/services/hosthelp.h"
#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "model/profile.h"
#include "platform/controls/listbox.h"
#include "platform/controls/listctrl.h"
#include "platform/core/registry.h"
#include "platform/docview/frame.h"
#include "platform/docview/view.h"
#include "platform/ole/oledatasource.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QValueAxis>

#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <tuple>

#include <cmath>
#include <csignal>
#include <sys/resource.h>

namespace {

// Lets deferred deletions and the events they post run.
void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs `answer` on the next modal dialog once it shows (a dialog's exec()
// returns only after it is answered).
void AnswerNextDialog(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

// Answers the next file dialog by typing `path` into its file name field, as a
// person does, and accepting. (QFileDialog::selectFile leaves that field alone
// while it has the focus, so it would keep the suggested name.)
void AnswerNextFileDialog(const QString& path)
{
    AnswerNextDialog([path](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        // Active and focused, as on a desktop, whatever the platform plugin does.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        name->setFocus();
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
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

// One block "B" with T(n) and z(n), the values of both given by `rows` at
// `times`, and the plots of T over z: "Map" (3-d against time), "Lines"
// (2-d) and "Surface" (3-d against z); at most `maxPoints` times each.
QByteArray ExtremeModel(const char* rows, const char* times = "[0]", int n = 2, int maxPoints = 10)
{
    const QByteArray plot = R"json({"name": "%1", "owner": "B", "context": "B.%1", "access": "host", "definition": {
        "is3DPlot": %2, "yAxisIsTime": %3, "xAxis": {"name": "Height", "variables": ["z(*)"]},
        "yAxis": {"name": "%6", "variables": [%7]},
        "plotted": [%5], "maxTimePoints": %4, "timeEntries": ["L"]}})json";
    const QByteArray one = R"json({"name": "T", "dimension": 1, "variables": ["T(*)"]})json";
    const QByteArray two = one + R"json(, {"name": "z", "dimension": 1, "variables": ["z(*)"]})json";
    QByteArray plots;
    using Kind = std::tuple<const char*, int, int>; // name, 3-d, y axis is time
    for (const auto& [name, is3D, yIsTime] : {Kind {"Map", 1, 1}, Kind {"Lines", 0, 1}, Kind {"Surface", 1, 0}})
        plots += QString::fromLatin1(plot)
                     .arg(QLatin1String(name))
                     .arg(is3D)
                     .arg(yIsTime)
                     .arg(maxPoints)
                     .arg(QLatin1String(yIsTime ? one : two))
                     .arg(QLatin1String(yIsTime ? "" : "Depth"), QLatin1String(yIsTime ? "" : "\"z(*)\""))
                     .toLatin1()
            + ",";
    plots.chop(1);
    QByteArray values;
    if (rows)
        values = QStringLiteral(R"json(, "values": [{"variable": "B.T", "times": %1, "rows": %2},
            {"variable": "B.z", "times": %1, "rows": %2}])json")
                     .arg(QLatin1String(times), QLatin1String(rows))
                     .toLatin1();
    return QStringLiteral(R"json({"blocks": [{"path": "B", "variables": [{"name": "T", "extents": [%1]},
        {"name": "z", "extents": [%1]}]}], "plots": [%2]%3})json")
        .arg(n)
        .arg(QLatin1String(plots), QLatin1String(values))
        .toLatin1();
}

// The fields of one line of delimited text, quotes taken off.
QStringList CsvFields(const QString& line)
{
    QStringList fields {QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('"') && quoted && i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
            fields.last() += line[++i];
        else if (line[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (line[i] == QLatin1Char(',') && !quoted)
            fields << QString();
        else
            fields.last() += line[i];
    }
    return fields;
}

// Whether the table written for `data` holds its numbers: each line's value
// at its x, or each map cell's x, y and value, in order. Empty when it does.
QString TableMismatch(const PlotData& data, const QString& text)
{
    QStringList rows = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (rows.isEmpty())
        return QStringLiteral("no header");
    const QStringList header = CsvFields(rows.takeFirst());
    std::map<double, QStringList> byX;
    for (const QString& row : rows)
        byX[CsvFields(row).first().toDouble()] = CsvFields(row);
    qsizetype cell = 0;
    for (size_t l = 0; l < data.lines.size(); ++l) {
        for (const QPointF& point : data.lines[l].points) {
            const QStringList row = byX[point.x()];
            if (header.value(static_cast<qsizetype>(l) + 1) != data.lines[l].name || row.size() != header.size()
                || row[static_cast<qsizetype>(l) + 1].toDouble() != point.y())
                return QStringLiteral("line %1 at %2: %3").arg(data.lines[l].name).arg(point.x()).arg(row.join(','));
        }
    }
    for (const PlotMap& map : data.maps) {
        for (int r = 0; r < map.rows; ++r) {
            for (int c = 0; c < map.columns; ++c, ++cell) {
                const QStringList row = CsvFields(rows.value(cell));
                if (row.size() != 4 || row[0] != map.title || row[1].toDouble() != map.xValues[size_t(c)]
                    || row[2].toDouble() != map.yValues[size_t(r)]
                    || row[3].toDouble() != map.values[size_t(r) * size_t(map.columns) + size_t(c)])
                    return QStringLiteral("cell %1: %2").arg(cell).arg(rows.value(cell));
            }
        }
    }
    return cell == (data.maps.empty() ? 0 : rows.size()) ? QString() : QStringLiteral("%1 rows").arg(rows.size());
}

// Ticks an axis over `low` to `high` gets: few, finite, ascending, told apart.
bool TicksAreBounded(double low, double high, QString& problem)
{
    const std::vector<AxisTick> ticks = AxisTicks(DisplayRange(low, high), 1000);
    if (ticks.empty() || ticks.size() > static_cast<size_t>(AxisTickLimit))
        problem = QStringLiteral("%1 ticks").arg(ticks.size());
    for (size_t i = 0; i < ticks.size() && problem.isEmpty(); ++i) {
        if (!std::isfinite(ticks[i].value) || (i > 0 && !(ticks[i].value > ticks[i - 1].value))
            || (i > 0 && ticks[i].text == ticks[i - 1].text))
            problem = QStringLiteral("tick %1 is %2 (%3)").arg(i).arg(ticks[i].value).arg(ticks[i].text);
    }
    return problem.isEmpty();
}

} // namespace

// Each test runs the workbench in-process as the program starts it: the
// application object, a session on the sample model, the editor module loaded
// by dlopen and KDInitDll, and the main window shown.
class WorkbenchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_app = std::make_unique<CKBaseApp>();
        WorkbenchModel model;
        QString error;
        QVERIFY2(ReadSampleModel(model, error), qPrintable(error));
        m_session = std::make_unique<ModelSession>();
        QVERIFY2(m_session->Start(model, &error), qPrintable(error));
        LoadedModule module;
        QVERIFY2(LoadEditorModule(QString(), *m_app, module, error), qPrintable(error));
        m_window = std::make_unique<MainWindow>(*m_app, *module.docTemplate, *m_session);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Window first, then deferred deletions, then session and application.
    void cleanup()
    {
        COleDataSource::SetDragRunner({});
        m_window.reset();
        FlushDeletes();
        m_session.reset();
        m_app.reset();
    }

    void openingAPlotShowsItsEditorFrameOnThePlotsObjectInTheDisplayUnit()
    {
        const int direct = PlotIndex("Column temperatures");
        QString error;
        QVERIFY2(m_window->OpenPlot(direct, &error), qPrintable(error));
        CFrameWnd* frame = m_window->editors().FrameForPlot(direct);
        QCOMPARE(frame->GetWindowText(), CString("Profile Editor - Column.TemperaturePlot"));
        CDocument* document = frame->GetActiveDocument();
        QCOMPARE(document->GetTitle(), CString("Column temperatures"));
        QCOMPARE(CKDocument::GetViewContext(document)->editedObject, m_session->PlotData(direct)->Identity());

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

        // The display unit reaches every open document.
        Action(Command::TimeUnitMinutes)->trigger();
        const std::vector<CKSUDocument*> documents = m_window->editors().OpenDocuments();
        QCOMPARE(documents.size(), size_t(2));
        for (CKSUDocument* open : documents) {
            QCOMPARE(open->GetDisplayUnit(), CString("min"));
            QCOMPARE(open->CommunicationToDisplayTime(90.0), 1.5);
        }
        // An editor opened later starts in the chosen unit.
        const int later = PlotIndex("Column compositions");
        QVERIFY(m_window->OpenPlot(later));
        auto* laterDocument = dynamic_cast<CKSUDocument*>(m_window->editors().FrameForPlot(later)->GetActiveDocument());
        QCOMPARE(laterDocument->CommunicationToDisplayTime(3600.0), 60.0);
    }

    void theModulesMenuAndKeysShowWhileAnEditorIsActive()
    {
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

    void hostMessagesReachTheActiveEditor()
    {
        const ProfileToSend profile {"Hot trays", CStringArray {"T(1)", "T(2)"}, 2};
        // Paths sent lose the owner block, whatever its case, and only a whole one.
        QCOMPARE(RelativeToOwner(CStringArray {"column.x(1,2)", "Columns.T"}, "Column"),
            (CStringArray {"x(1,2)", "Columns.T"}));

        // The real editor frames: WM_USER+1 to the active one only, then
        // WM_USER+3 and WM_USER+2 from the Editor menu.
        QVERIFY(!m_window->SendProfileToActiveEditor(profile));
        const int first = PlotIndex("Column temperatures");
        const int active = PlotIndex("Exchanger wall temperature");
        QVERIFY(m_window->OpenPlot(first));
        QVERIFY(m_window->OpenPlot(active));
        QVERIFY(m_window->SendProfileToActiveEditor(profile));
        // The editor lists it last, to be plotted, with its dimension and variables.
        CView* editor = m_window->editors().FrameForPlot(active)->GetActiveView();
        auto* profiles = qobject_cast<QTreeView*>(Control(editor, 1006));
        const QModelIndex sent = profiles->model()->index(profiles->model()->rowCount() - 1, 0);
        QCOMPARE(sent.data().toString() + "|" + sent.siblingAtColumn(1).data().toString(), "Hot trays|2 D");
        QVERIFY(!qobject_cast<QListWidget*>(Control(editor, 1016))->findItems("Hot trays", {}).isEmpty());
        profiles->setCurrentIndex(sent);
        auto* variables = qobject_cast<QListWidget*>(Control(editor, 1004));
        QCOMPARE(variables->count(), 2);
        QCOMPARE(variables->item(1)->text(), QStringLiteral("T(2)"));
        Action(Command::ReloadDefinition)->trigger();
        Action(Command::CloseEditor)->trigger();
        FlushDeletes();
        QVERIFY(!m_window->editors().FrameForPlot(active));
        QVERIFY(m_window->editors().FrameForPlot(first));
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
        // Applied, not only shown: what the finder lists under it is the finder's own test.
        QVERIFY(!m_window->docks().finder()->VisiblePaths().contains(QStringLiteral("Reactor.T(*)")));
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
        QCOMPARE(data->formats(), QStringList {format});
        QCOMPARE(data->data(format), QByteArray("Flowsheet\r\nColumn.T(3)\r\nColumn.x(*,*)\r\nColumn.R") + '\0');
        // Only copied: a target that asks to move must not take rows out.
        QCOMPARE(browser->model()->supportedDragActions(), Qt::DropActions(Qt::CopyAction));
    }

    void aNewPlotIsSavedAndReadBack()
    {
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
        AnswerNextFileDialog(path);
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
        const QString results = folder.filePath(QStringLiteral("run2.csv"));
        QVERIFY(WriteTestFile(results, "time,Tank.level,Tank.T(3)\n0,1,2\n60,3,4\n"));
        QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
        QString error;
        // A faulty file changes nothing and says where it is wrong.
        const QString ragged = folder.filePath(QStringLiteral("ragged.csv"));
        QVERIFY(WriteTestFile(ragged, "time,Tank.level\n0,1,2\n"));
        ScriptedMessageBoxResponder boxes;
        QVERIFY(!m_window->OpenResults(ragged, &error));
        QCOMPARE(boxes.boxes().size(), size_t(1));
        QVERIFY2(boxes.texts()[0].contains(QStringLiteral("line 2")), qPrintable(boxes.texts()[0]));
        QCOMPARE(m_window->editors().OpenEditorCount(), 1);
        QVERIFY(!m_window->isWindowModified());
        QVERIFY2(m_window->OpenResults(results, &error), qPrintable(error));
        QVERIFY(m_window->isWindowModified());
        QCOMPARE(m_window->editors().OpenEditorCount(), 0);
        QVERIFY(m_window->docks().browser()->FindPath(QStringLiteral("Tank.T")).isValid());
        QVERIFY(m_window->docks().browser()->FindPath(QStringLiteral("Column.T")).isValid());
        QCOMPARE(m_window->docks().plotList()->count(), m_session->plotCount());
        QVERIFY(m_window->OpenPlot(PlotIndex("Column temperatures")));
    }

    void profileDraggedOutLandsInTheWorkbench()
    {
        CView* view = OpenColumnEditor();
        auto* profiles = dynamic_cast<CListCtrl*>(CWnd::FromHandlePermanent(Control(view, 1006)));
        profiles->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        const CString name = profiles->GetItemText(0, 0);
        ProfileDropZone* zone = m_window->docks().dropZone();
        // What is not a list of variable paths is refused.
        QString error;
        QVERIFY(!zone->TakeDrop(QByteArray("Flowsheet\r\nB1\x07.T", 16), QString(), &error));
        QVERIFY(error.contains(QStringLiteral("not a list of variable paths")));
        QVERIFY(!zone->TakeDrop(QByteArray(static_cast<qsizetype>(MaxDropPayloadBytes) + 1, 'x'), QString(), &error));
        QCOMPARE(zone->count(), 0);
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
        const QString results = folder.filePath(QStringLiteral("tube.csv"));
        QVERIFY(WriteTestFile(results,
            "\"time\";\"tube.T[1]\";\"tube.T[2]\";\"tube.T[3]\";\"der(x)\"\n"
            "0;300;310;320;0\n"
            "100;400;410;420;0\n"
            "200;600;610;620;0\n"));
        QString error;
        QVERIFY2(m_window->OpenResults(results, &error), qPrintable(error));

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
        profilesView->setCurrentIndex(profilesView->model()->index(0, 0));
        QTest::mouseClick(Control(view, 1010), Qt::LeftButton); // ">>" to the plot list
        QTest::mouseClick(Control(view, 1042), Qt::LeftButton); // Apply
        const PlotDefinition applied = m_session->CurrentModel().plots[size_t(index)].definition;
        QCOMPARE(applied.plottedVariables, CStringArray({"T(*)"}));

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

    void plotWindowRedrawsWhenTheDefinitionIsWrittenAndTheClockMoves()
    {
        const int plot = m_session->model().PlotIndex("Column temperatures");
        m_window->docks().plotList()->setCurrentRow(plot);
        m_window->OnCommand(Command::ShowPlot);
        PlotWindow* window = m_window->plotWindows().WindowFor(plot);

        // Each step of the clock adds a time to draw.
        m_window->OnCommand(Command::Step);
        m_window->OnCommand(Command::Step);
        QCOMPARE(window->chart()->series().size(), 3);

        // A write as the editor's Apply makes it: the host object's Set calls,
        // then hint 823 to the document. Until the hint the window keeps its picture.
        QVERIFY(m_window->OpenPlot(plot));
        CDocument* document = m_window->editors().FrameForPlot(plot)->GetActiveDocument();
        m_session->PlotData(plot)->SetIs3DPlot(1);
        QCOMPARE(window->data().kind, PlotKind::Lines);
        document->UpdateAllViews(nullptr, 829, nullptr);
        QCOMPARE(window->data().kind, PlotKind::Lines);
        document->UpdateAllViews(nullptr, 823, nullptr);
        QCOMPARE(window->data().kind, PlotKind::MapsOverTime);
        QCOMPARE(window->data().maps.size(), size_t(1));
        QCOMPARE(window->data().maps[0].rows, 3);
        QVERIFY(!window->chart());

        // A plot reached through the plot host is drawn again on NotifyDefinitionWritten.
        const int hosted = m_session->model().PlotIndex("Column compositions");
        PlotWindow* other = m_window->plotWindows().Show(hosted);
        m_session->PlotData(hosted)->SetIs3DPlot(0);
        m_session->PlotHost(hosted)->NotifyDefinitionWritten();
        QCOMPARE(other->data().kind, PlotKind::Lines);

        QCOMPARE(window->reasonLabel()->isVisible(), false);

        // The editor's own Apply: it opened on the 2-d definition and writes it
        // back, so the window draws lines again.
        auto* apply
            = qobject_cast<QAbstractButton*>(Control(m_window->editors().FrameForPlot(plot)->GetActiveView(), 1042));
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(window->data().kind, PlotKind::Lines);
        QVERIFY(window->chart());
        // The written definition is a change the session has not saved.
        QVERIFY(m_window->isWindowModified());
    }

    void commandLineWritesAPictureOfEachPlot()
    {
        QTemporaryDir folder;
        QStringList arguments {"--quit", "--time", "3600"};
        for (int i = 0; i < m_session->plotCount(); ++i) {
            const QString file = m_session->plot(i).name.ToQString() + "=" + folder.filePath(QString::number(i));
            arguments << "--plot-image" << file + ".png"
                      << "--plot-data" << file + ".csv";
        }
        arguments << "--plot-image" << QStringLiteral("Column temperatures=") + folder.filePath("lines.svg");
        QProcess process;
        process.start(QStringLiteral(PE_WORKBENCH_PATH), arguments);
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        for (int i = 0; i < m_session->plotCount(); ++i) {
            const QImage image(folder.filePath(QString::number(i) + ".png"));
            QCOMPARE(image.size(), PlotWindows::PictureSize);
            // Drawn, not blank: more than a handful of colours.
            QSet<QRgb> colours;
            for (int p = 0; p < image.width() * image.height(); p += 13)
                colours.insert(image.pixel(p % image.width(), p / image.width()));
            QVERIFY2(colours.size() > 8, qPrintable(m_session->plot(i).name.ToQString()));
        }
        QFile svg(folder.filePath("lines.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        // The tables hold the numbers the windows draw at the same clock.
        m_window->SetClock(3600);
        for (int i = 0; i < m_session->plotCount(); ++i) {
            QFile table(folder.filePath(QString::number(i) + ".csv"));
            QVERIFY(table.open(QIODevice::ReadOnly));
            const QString mismatch
                = TableMismatch(m_window->plotWindows().DataFor(i), QString::fromUtf8(table.readAll()));
            QVERIFY2(mismatch.isEmpty(), qPrintable(m_session->plot(i).name.ToQString() + ": " + mismatch));
        }
        // File > Export Plot Data... writes the active window's table.
        const PlotWindow* shown = m_window->plotWindows().Show(2);
        const QString exported = folder.filePath("exported.csv");
        AnswerNextFileDialog(exported);
        FindCommandAction(m_window->menuBar(), Command::ExportPlotData)->trigger();
        QFile table(exported);
        QVERIFY(table.open(QIODevice::ReadOnly));
        QCOMPARE(TableMismatch(shown->data(), QString::fromUtf8(table.readAll())), QString());
    }

    void eachMapHasAColourScaleOfItsOwn()
    {
        // Two maps of two cells, values far apart: each spans its own colours,
        // so that no cell takes the colour halfway along the scale.
        PlotData data;
        data.kind = PlotKind::MapsOverTime;
        for (const std::vector<double>& values : {std::vector<double> {0, 1}, std::vector<double> {1000, 2000}})
            data.maps.push_back({QStringLiteral("m"), QStringLiteral("T"), 2, 1, values, {1, 2}, {0}});
        QImage image(900, 500, QImage::Format_RGB32);
        const ColourScale scale;
        QPainter painter(&image);
        PaintColourMaps(painter, image.rect(), data, scale);
        painter.end();
        int halfway = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                halfway += image.pixel(x, y) == scale.At(0.5);
        }
        QVERIFY2(halfway < 100, qPrintable(QString::number(halfway))); // a line of each colour bar
    }

    void mapColoursAreThoseOfTheQuotient()
    {
        // Values on either side of each boundary between two of the scale's
        // colours, over spans whose reciprocals are not exact: every cell has
        // the colour of (value - low) / span.
        const ColourScale scale;
        for (const auto& [low, span] : {std::pair {0.0, 1.0}, {-7.0, 3.0}, {0.1, 1e-3}, {-2e5, 7.1e5}}) {
            PlotMap map {QStringLiteral("m"), QStringLiteral("T"), 0, 1, {low, low + span}, {}, {0}};
            for (int k = 0; k < ColourScale::Size; ++k) {
                const double boundary = low + span * ((k + 0.5) / (ColourScale::Size - 1));
                for (double value : {std::nextafter(boundary, -HUGE_VAL), boundary, std::nextafter(boundary, HUGE_VAL)})
                    map.values.push_back(value);
            }
            map.columns = static_cast<int>(map.values.size());
            map.xValues.resize(map.values.size());
            std::iota(map.xValues.begin(), map.xValues.end(), 0.0);
            const AxisRange range {low, low + span};
            const QImage cells = ColourMapImage(map, QSize(map.columns, 1), range, scale);
            for (int x = 0; x < map.columns; ++x) {
                const double value = map.values[static_cast<size_t>(x)];
                QVERIFY2(cells.pixel(x, 0) == (scale.At((value - low) / (range.high - range.low)) | 0xff000000u),
                    qPrintable(QString::number(value, 'g', 17)));
            }
        }
    }

    void hostileValuesEndWithAPictureOrAReason_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<double>("now");
        QTest::addColumn<QString>("plot");
        QTest::addColumn<QString>("reason"); // empty: drawn

        const QByteArray tiny = ExtremeModel("[[1e16, 1.0000000000000002e16]]");
        const QByteArray swinging = ExtremeModel("[[-1.7976931348623157e308, 1.7976931348623157e308], "
                                                 "[1.7976931348623157e308, -1.7976931348623157e308]]",
            "[0, 7200]");
        for (const char* plot : {"Map", "Lines", "Surface"}) {
            const auto row = [plot](const char* name, const QByteArray& model, double now, const QString& reason) {
                QTest::addRow("%s, %s", name, plot) << model << now << QString::fromLatin1(plot) << reason;
            };
            row("tiny relative span", tiny, 3600, {});
            row("span past the largest double", ExtremeModel("[[-1e308, 1e308]]"), 3600, {});
            row("largest doubles swinging", swinging, 3600, {});
            row("denormals", ExtremeModel("[[5e-324, 1e-323]]"), 3600, {});
            row("zero to the smallest denormal", ExtremeModel("[[0, 5e-324]]"), 3600, {});
            row("one value near the largest double", ExtremeModel("[[1.7976931348623157e308, 1.7976931348623157e308]]"),
                3600, {});
            row("clock far on", tiny, 1e20, {});
            // A chart's time grows faster than its lines: at most PlotLineLimit of them.
            const bool lines = QByteArray(plot) == "Lines";
            row("as many times as a chart draws lines", ExtremeModel(nullptr, "[0]", 1, PlotLineLimit), 600000, {});
            row("ten thousand times", ExtremeModel(nullptr, "[0]", 1, 10000), 600000,
                lines ? QStringLiteral("it would draw 10000 lines, more than the %1 a chart draws").arg(PlotLineLimit)
                      : QString());
            // 10^6 elements at 10^4 times: 10^10 values asked for.
            row("huge extent at many times", ExtremeModel(nullptr, "[0]", 1000000, 10000), 600000,
                QStringLiteral("more than the %1 a plot window draws").arg(PlotDrawingBudget));
        }
    }

    void hostileValuesEndWithAPictureOrAReason()
    {
        QFETCH(QByteArray, model);
        QFETCH(double, now);
        QFETCH(QString, plot);
        QFETCH(QString, reason);
        WorkbenchModel hostile;
        QString error;
        QVERIFY2(ReadModelFile(model, hostile, error), qPrintable(error));
        const PlotValues values(hostile.values);
        QElapsedTimer timer;
        timer.start();
        PlotData data
            = ExtractPlotData(*hostile.FindPlot(CString::FromQString(plot)), hostile.blocks, values, now, 60, {});
        const PlotData drawn = data;
        PlotWindow window;
        window.resize(PlotWindows::PictureSize);
        window.SetData(std::move(data));
        QImage picture(window.size(), QImage::Format_RGB32);
        window.render(&picture);
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));

        if (!reason.isEmpty()) {
            QCOMPARE(drawn.kind, PlotKind::Refused);
            QVERIFY2(drawn.reason.startsWith(QLatin1String("Not drawn: ")) && drawn.reason.contains(reason)
                    && !drawn.reason.contains(QLatin1Char('\n')),
                qPrintable(drawn.reason));
            QCOMPARE(window.reasonLabel()->text(), drawn.reason);
            return;
        }
        QVERIFY2(drawn.reason.isEmpty(), qPrintable(drawn.reason));
        double low = std::numeric_limits<double>::infinity();
        double high = -low;
        for (const PlotMap& map : drawn.maps) {
            for (double value : map.values)
                WidenToFinite(value, low, high);
        }
        for (const PlotLine& line : drawn.lines) {
            for (const QPointF& point : line.points) {
                WidenToFinite(point.x(), low, high);
                WidenToFinite(point.y(), low, high);
            }
        }
        QString problem;
        QVERIFY2(TicksAreBounded(low, high, problem), qPrintable(problem));
        // A map of values told apart shows the scale's first and last colours.
        const ColourScale scale;
        for (const PlotMap& map : drawn.maps) {
            double mapLow = std::numeric_limits<double>::infinity();
            double mapHigh = -mapLow;
            for (double value : map.values)
                WidenToFinite(value, mapLow, mapHigh);
            const AxisRange range = DisplayRange(mapLow, mapHigh);
            if (range.low != mapLow || range.high != mapHigh || map.rows > 64)
                continue;
            const QImage cells = ColourMapImage(map, QSize(64, map.rows), range, scale);
            QSet<QRgb> colours;
            for (int y = 0; y < cells.height(); ++y) {
                for (int x = 0; x < cells.width(); ++x)
                    colours.insert(cells.pixel(x, y));
            }
            QVERIFY2(colours.contains(scale.table().front() | 0xff000000u)
                    && colours.contains(scale.table().back() | 0xff000000u),
                qPrintable(QStringLiteral("%1 colours").arg(colours.size())));
        }
        if (QChart* chart = window.chart()) {
            for (QAbstractAxis* axis : chart->axes()) {
                const auto* valueAxis = qobject_cast<QValueAxis*>(axis);
                QVERIFY(valueAxis && std::isfinite(valueAxis->max() - valueAxis->min()));
                QVERIFY(valueAxis->max() > valueAxis->min());
            }
        }
    }

    void picturesThatCannotBeWrittenAreReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("SVG") << "plot.svg";
        QTest::newRow("PNG") << "plot.png";
    }

    void picturesThatCannotBeWrittenAreReported()
    {
        // A file may grow to 64 bytes only: the picture's write fails as on a full disk.
        QFETCH(QString, file);
        QTemporaryDir folder;
        PlotWindow* window = m_window->plotWindows().Show(0);
        rlimit before {};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 64;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        QString error;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Cannot write the plot picture to "));
        const bool saved = window->SavePicture(folder.filePath(file), error);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved);
        QVERIFY2(
            error.startsWith(QStringLiteral("Cannot write the plot picture to \"%1\": ").arg(folder.filePath(file))),
            qPrintable(error));
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
    int PlotIndex(const char* name) const { return m_session->model().PlotIndex(name); }
    QAction* Action(UINT command) const { return FindCommandAction(m_window->menuBar(), command); }

    std::unique_ptr<CKBaseApp> m_app;
    std::unique_ptr<ModelSession> m_session;
    std::unique_ptr<MainWindow> m_window;
};

PE_TEST_MAIN(WorkbenchWindowTest)
#include "tst_workbenchwindow.moc"
