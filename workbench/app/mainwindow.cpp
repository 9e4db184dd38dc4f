#include "workbench/app/mainwindow.h"

#include "workbench/app/commandids.h"
#include "workbench/app/helpwindow.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/newplotdialog.h"
#include "workbench/app/plotwindows.h"
#include "workbench/app/profiledropzone.h"
#include "workbench/app/savefiledialog.h"
#include "workbench/app/sendprofiledialog.h"
#include "workbench/app/sessionfile.h"
#include "workbench/app/statusmessage.h"
#include "workbench/app/variablefinder.h"
#include "workbench/model/modelfile.h"
#include "workbench/model/modelsession.h"
#include "workbench/model/resultsfile.h"

#include "host/interfaces/editorcontract.h"
#include "host/services/kbaseapp.h"
#include "platform/docview/frame.h"
#include "platform/docview/view.h"
#include "platform/windows/messagebox.h"
#include "workbench/plot/plotwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QStatusBar>

#include <algorithm>

MainWindow::MainWindow(CKBaseApp& app, CKDocTemplate& docTemplate, ModelSession& session)
    : m_app(app), m_session(session), m_editors(app, docTemplate, session),
      m_wnd([this](const ShowViewOrder& order) { return ShowView(order); }), m_area(new QMdiArea(this)),
      m_docks(*this, session), m_menus(*this, [this](UINT command) { OnCommand(command); })
{
    setObjectName(QStringLiteral("workbenchMainWindow"));
    m_file = new SessionFile(m_session, *this);
    m_area->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_area);
    CreatePlotWindows();
    ConnectDocks();
    m_docks.FillPlotList();

    m_unitLabel = new QLabel(this);
    m_clockLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_unitLabel);
    statusBar()->addPermanentWidget(m_clockLabel);
    UpdateStatusLabels();

    m_wnd.Attach(this);
    m_app.m_pMainWnd = &m_wnd;
    m_app.SetMdiArea(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MainWindow::UpdateMenus);
    connect(m_area, &QMdiArea::subWindowActivated, this,
        [this](QMdiSubWindow* window) { m_editors.EditorActivated(window); });
    UpdateMenus();
    resize(DefaultSize);
    statusBar()->showMessage(
        QStringLiteral("Ready: %1 plots in the model.").arg(m_session.plotCount()), StatusMessageTimeout);
}

MainWindow::~MainWindow()
{
    CloseAllEditors();
    if (m_app.m_pMainWnd == &m_wnd)
        m_app.m_pMainWnd = nullptr;
    m_app.SetHelpHandler({});
    if (m_app.GetMdiArea() == m_area)
        m_app.SetMdiArea(nullptr);
    m_wnd.Detach();
}

void MainWindow::ConnectDocks()
{
    QListWidget* plotList = m_docks.plotList();
    connect(plotList, &QListWidget::itemActivated, this, [this, plotList](QListWidgetItem* item) {
        QString error;
        if (!OpenPlot(plotList->row(item), &error))
            ReportError(error);
    });
    plotList->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* showPlot = new QAction(QStringLiteral("Show &Plot"), plotList);
    connect(showPlot, &QAction::triggered, this, [this, plotList] { m_plotWindows->Show(plotList->currentRow()); });
    plotList->addAction(showPlot);

    m_app.SetHelpHandler([this](DWORD_PTR context, UINT command) { ShowHelp(context, command); });
    connect(m_docks.dropZone(), &ProfileDropZone::dropped, this,
        [this](const QString& summary) { statusBar()->showMessage(summary, StatusMessageTimeout); });
}

void MainWindow::ShowHelp(DWORD_PTR context, UINT command)
{
    m_docks.helpWindow()->ShowTopic(context, command, m_wnd.helpFile());
    WorkbenchDocks::Show(m_docks.helpDock());
}

void MainWindow::HelpOnActiveEditor()
{
    CFrameWnd* frame = ActiveEditorFrame();
    CView* view = frame ? frame->GetActiveView() : nullptr;
    if (view && view->SendMessage(WM_COMMANDHELP, 0, 0))
        return;
    ShowHelp(0, HELP_CONTEXT);
}

bool MainWindow::AddPlot(const ModelPlot& plot, QString* error)
{
    QString reason;
    if (!m_session.AddPlot(plot, &reason)) {
        reason = QStringLiteral("Cannot add the plot: %1.").arg(reason);
        statusBar()->showMessage(reason, StatusMessageTimeout);
        if (error)
            *error = reason;
        return false;
    }
    const int index = m_session.plotCount() - 1;
    m_docks.AddPlotListItem(index);
    m_docks.plotList()->setCurrentRow(index);
    m_file->MarkModified();
    return OpenPlot(index, error);
}

void MainWindow::NewPlotFromDialog()
{
    // The owner of the plot chosen in the list comes first.
    const int current = m_docks.plotList()->currentRow();
    NewPlotDialog dialog(
        m_session.model().blocks, current >= 0 ? m_session.plot(current).owner.ToQString() : QString(), this);
    QString error;
    if (dialog.exec() == QDialog::Accepted && !AddPlot(dialog.Plot(), &error))
        ReportError(error);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_file->MayClose())
        event->accept();
    else
        event->ignore();
}

void MainWindow::CreatePlotWindows()
{
    m_plotWindows = new PlotWindows(m_session, m_clock, m_area);
    connect(m_plotWindows, &PlotWindows::definitionWritten, m_file, &SessionFile::MarkModified);
}

void MainWindow::ReportError(const QString& error)
{
    statusBar()->showMessage(error, StatusMessageTimeout);
    MessageBoxService::Current().Show(this, CString::FromQString(error), "Workbench", MB_OK | MB_ICONEXCLAMATION);
}

bool MainWindow::OpenPlot(int index, QString* error)
{
    QString reason;
    if (!m_editors.OpenEditor(index, &reason)) {
        statusBar()->showMessage(reason, StatusMessageTimeout);
        if (error)
            *error = reason;
        return false;
    }
    statusBar()->showMessage(
        QStringLiteral("Editing \"%1\".").arg(m_session.plot(index).name.ToQString()), StatusMessageTimeout);
    return true;
}

void MainWindow::ArrangeEditorsAndPlots()
{
    constexpr int SmallestPlotWidth = 520;
    int left = 0;
    std::vector<QMdiSubWindow*> plots;
    for (QMdiSubWindow* window : m_area->subWindowList()) {
        if (m_editors.PlotForFrame(window) >= 0) {
            window->move(left, 0);
            left += window->width();
        } else {
            plots.push_back(window);
        }
    }
    if (plots.empty())
        return;
    // The main window grows where the plots would be narrower than that.
    const int wanted = left + SmallestPlotWidth * static_cast<int>(plots.size());
    if (m_area->viewport()->width() < wanted) {
        resize(width() + wanted - m_area->viewport()->width(), height());
        QCoreApplication::sendPostedEvents();
    }
    const int width
        = std::max(SmallestPlotWidth, (m_area->viewport()->width() - left) / static_cast<int>(plots.size()));
    for (QMdiSubWindow* plot : plots) {
        plot->setGeometry(left, 0, width, m_area->viewport()->height());
        left += width;
    }
}

void MainWindow::CloseAllEditors()
{
    // Each frame's close goes through WM_CLOSE and closes its document.
    m_area->closeAllSubWindows();
}

CFrameWnd* MainWindow::ActiveEditorFrame() const
{
    return m_editors.FrameForPlot(m_editors.PlotForFrame(m_area->currentSubWindow()));
}

void MainWindow::UpdateMenus()
{
    m_menus.Update(ActiveEditorFrame() != nullptr, m_editors.displayUnit());
}

void MainWindow::UpdateStatusLabels()
{
    const TimeUnit& unit = m_editors.displayUnit();
    m_unitLabel->setText(QStringLiteral("Time unit: %1").arg(QLatin1String(unit.name)));
    m_clockLabel->setText(QStringLiteral("Simulation time: %1").arg(FormatTime(m_clock.seconds(), unit)));
}

bool MainWindow::ShowView(const ShowViewOrder& order)
{
    if (order.viewKind != ViewKindFindVariables) {
        statusBar()->showMessage(
            QStringLiteral("A module asked for view kind %1, which the workbench does not have.").arg(order.viewKind),
            StatusMessageTimeout);
        return false;
    }
    WorkbenchDocks::Show(m_docks.finderDock());
    m_docks.finder()->SetFilter(order.ownerPrefix);
    statusBar()->showMessage(order.ownerPrefix.isEmpty()
            ? QStringLiteral("Find Variables: the whole model.")
            : QStringLiteral("Find Variables in \"%1\".").arg(order.ownerPrefix),
        StatusMessageTimeout);
    return true;
}

void MainWindow::SetDisplayUnit(const TimeUnit& unit)
{
    m_editors.SetDisplayUnit(unit);
    m_plotWindows->SetDisplayUnit(unit);
    m_menus.UpdateCommands(ActiveEditorFrame() != nullptr, unit);
    UpdateStatusLabels();
    statusBar()->showMessage(
        QStringLiteral("Display time unit: %1.").arg(QLatin1String(unit.name)), StatusMessageTimeout);
}

bool MainWindow::SendProfileToActiveEditor(const ProfileToSend& profile)
{
    CFrameWnd* frame = ActiveEditorFrame();
    if (!frame)
        return false;
    const QString caption = frame->GetWindowText().ToQString();
    SendProfileToEditor(frame->GetSafeHwnd(), profile);
    statusBar()->showMessage(QStringLiteral("Sent the profile \"%1\" (%2 variables) to %3.")
                                 .arg(profile.name.ToQString())
                                 .arg(profile.variables.GetSize())
                                 .arg(caption),
        StatusMessageTimeout);
    return true;
}

void MainWindow::SendProfileFromDialog()
{
    CFrameWnd* frame = ActiveEditorFrame();
    if (!frame)
        return;
    const int plot = m_editors.PlotForFrame(frame->GetSafeHwnd());
    ProfileToSend initial;
    initial.name = "Profile from host";
    initial.variables = RelativeToOwner(m_docks.browser()->SelectedPaths(), m_session.plot(plot).owner);
    SendProfileDialog dialog(initial, frame->GetWindowText().ToQString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog ran an event loop: the editor may have gone meanwhile.
    if (m_editors.FrameForPlot(plot) != frame) {
        statusBar()->showMessage(
            QStringLiteral("The editor closed before the profile was sent."), StatusMessageTimeout);
        return;
    }
    m_area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frame->GetSafeHwnd()));
    SendProfileToActiveEditor(dialog.Profile());
}

void MainWindow::SendToActiveEditor(UINT message, const QString& what)
{
    CFrameWnd* frame = ActiveEditorFrame();
    if (!frame) {
        statusBar()->showMessage(QStringLiteral("No editor is active."), StatusMessageTimeout);
        return;
    }
    const QString caption = frame->GetWindowText().ToQString();
    frame->SendMessage(message);
    statusBar()->showMessage(QStringLiteral("%1: %2.").arg(what, caption), StatusMessageTimeout);
}

void MainWindow::ChooseDisplayUnit()
{
    QStringList names;
    int current = 0;
    for (const TimeUnit& unit : TimeUnits()) {
        if (&unit == &m_editors.displayUnit())
            current = static_cast<int>(names.size());
        names << QLatin1String(unit.name);
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        this, QStringLiteral("Display Time Unit"), QStringLiteral("Show times in:"), names, current, false, &ok);
    if (const TimeUnit* unit = ok ? FindTimeUnit(chosen) : nullptr)
        SetDisplayUnit(*unit);
}

void MainWindow::SetClock(double seconds)
{
    m_clock.SetTo(seconds);
    UpdateStatusLabels();
    m_plotWindows->RedrawAll();
}

// The active editor's plot, else the one chosen in the plot list.
void MainWindow::ShowPlot()
{
    int index = m_editors.PlotForFrame(m_area->currentSubWindow());
    if (index < 0)
        index = m_docks.plotList()->currentRow();
    if (!m_plotWindows->Show(index))
        statusBar()->showMessage(QStringLiteral("Choose a plot in the plot list first."), StatusMessageTimeout);
}

// File > Export Plot... (its picture) or Export Plot Data... (its table) of
// the active plot window.
void MainWindow::ExportActivePlot(bool asTable)
{
    const int index = m_plotWindows->ActivePlot();
    if (index < 0) {
        statusBar()->showMessage(QStringLiteral("No plot window is active."), StatusMessageTimeout);
        return;
    }
    const QString name = m_session.plot(index).name.ToQString();
    const QString path = asTable
        ? ChooseSaveFile(this, QStringLiteral("Export Plot Data"), name + QStringLiteral(".csv"),
            QStringLiteral("Comma-separated values (*.csv);;All files (*)"))
        : ChooseSaveFile(this, QStringLiteral("Export Plot"), name + QStringLiteral(".png"),
            QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"));
    if (path.isEmpty())
        return;
    QString error;
    const bool saved = asTable ? m_plotWindows->SaveData(index, path, error)
                               : m_plotWindows->WindowFor(index)->SavePicture(path, error);
    if (saved)
        statusBar()->showMessage(
            QStringLiteral("Exported the plot%1 to %2.").arg(asTable ? QStringLiteral("'s data") : QString(), path),
            StatusMessageTimeout);
    else
        ReportError(error);
}

void MainWindow::ChooseResults()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open Results"), QString(), QStringLiteral("Results (*.csv *.tsv *.txt);;All files (*)"));
    if (!path.isEmpty())
        OpenResults(path);
}

bool MainWindow::OpenResults(const QString& path, QString* error)
{
    WorkbenchModel model = m_session.CurrentModel();
    ResultsSource results;
    QString reason;
    if (!ReplaceResults(model, path, reason, results)) {
        ReportError(QStringLiteral("The results were not opened: %1").arg(reason));
        if (error)
            *error = reason;
        return false;
    }
    // Editors, plot windows and views hold the old session's objects and values.
    CloseAllEditors();
    m_area->closeAllSubWindows();
    m_session.Start(model, nullptr);
    delete m_plotWindows;
    CreatePlotWindows();
    m_plotWindows->SetDisplayUnit(m_editors.displayUnit());
    m_docks.browser()->SetModel(m_session.model());
    m_docks.finder()->SetModel(m_session.model());
    m_docks.plotList()->clear();
    m_docks.FillPlotList();
    // The session now refers to other results: saving it records that.
    m_file->MarkModified();
    statusBar()->showMessage(QStringLiteral("Opened the results %1: %2 variables with values. %3")
                                 .arg(path)
                                 .arg(model.resultsValueCount)
                                 .arg(results.note),
        StatusMessageTimeout);
    if (!results.note.isEmpty())
        qCInfo(lcResults).noquote() << results.note;
    return true;
}

void MainWindow::OnCommand(UINT command)
{
    if (const TimeUnit* unit = TimeUnitForCommand(command)) {
        SetDisplayUnit(*unit);
        return;
    }
    RunCommand(command);
}

bool MainWindow::RunClockCommand(UINT command)
{
    const TimeUnit& unit = m_editors.displayUnit();
    switch (command) {
    case Command::Run:
    case Command::Step:
        m_clock.Advance(EditorManager::DefaultIntervalSeconds);
        UpdateStatusLabels();
        m_plotWindows->RedrawAll();
        statusBar()->showMessage(QStringLiteral("Run %1: the simulation advanced to %2.")
                                     .arg(m_clock.runs())
                                     .arg(FormatTime(m_clock.seconds(), unit)),
            StatusMessageTimeout);
        return true;
    case Command::Pause:
        statusBar()->showMessage(
            QStringLiteral("Paused at %1.").arg(FormatTime(m_clock.seconds(), unit)), StatusMessageTimeout);
        return true;
    case Command::Stop:
    case Command::Restart:
        m_clock.Reset();
        UpdateStatusLabels();
        m_plotWindows->RedrawAll();
        statusBar()->showMessage(QStringLiteral("The simulation is back at its start."), StatusMessageTimeout);
        return true;
    default:
        return false;
    }
}

bool MainWindow::RunWindowCommand(UINT command)
{
    switch (command) {
    case Command::ViewModelBrowser:
        WorkbenchDocks::Show(m_docks.browserDock());
        WorkbenchDocks::Show(m_docks.plotsDock());
        return true;
    case Command::ViewCallLog:
        WorkbenchDocks::Show(m_docks.callLogDock());
        return true;
    case Command::ViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case Command::VariableFinder:
        WorkbenchDocks::Show(m_docks.finderDock());
        m_docks.finder()->SetFilter(m_docks.finder()->filter());
        return true;
    case Command::FileClose:
        if (QMdiSubWindow* active = m_area->activeSubWindow())
            active->close();
        return true;
    case Command::WindowCascade:
        m_area->cascadeSubWindows();
        return true;
    case Command::WindowTile:
        m_area->tileSubWindows();
        return true;
    case Command::WindowNext:
        m_area->activateNextSubWindow();
        return true;
    case Command::WindowPrevious:
        m_area->activatePreviousSubWindow();
        return true;
    case Command::WindowCloseAll:
        CloseAllEditors();
        return true;
    default:
        return false;
    }
}

void MainWindow::RunCommand(UINT command)
{
    if (RunClockCommand(command) || RunWindowCommand(command))
        return;
    switch (command) {
    case Command::DisplayTimeUnitDialog:
        ChooseDisplayUnit();
        break;
    case Command::SendProfileToEditor:
        SendProfileFromDialog();
        break;
    case Command::CloseEditor:
        SendToActiveEditor(WM_PE_CLOSE_EDITOR, QStringLiteral("Asked to close"));
        break;
    case Command::ReloadDefinition:
        SendToActiveEditor(WM_PE_RELOAD_DEFINITION, QStringLiteral("Asked to reload its definition"));
        break;
    case Command::ShowPlot:
        ShowPlot();
        break;
    case Command::ExportPlot:
    case Command::ExportPlotData:
        ExportActivePlot(command == Command::ExportPlotData);
        break;
    case Command::NewProfilePlot:
        NewPlotFromDialog();
        break;
    case Command::FileSave:
        m_file->Save();
        break;
    case Command::FileSaveAs:
        m_file->SaveAs();
        break;
    case Command::OpenResults:
        ChooseResults();
        break;
    case Command::AppExit:
        close();
        break;
    case Command::HelpContents:
        HelpOnActiveEditor();
        break;
    case Command::AppAbout:
        QMessageBox::about(this, QStringLiteral("About the Workbench"),
            QStringLiteral("The workbench stands in for the host application: it loads the Profile "
                           "Editor module and opens editors on the profile plots of a process model."));
        break;
    default:
        statusBar()->showMessage(QStringLiteral("%1: not available in the workbench (command %2).")
                                     .arg(m_menus.CommandText(command))
                                     .arg(command),
            StatusMessageTimeout);
        break;
    }
}
