#pragma once

// The workbench's main window: the MDI area where editors open, the model
// browser, the model's profile plots, the call log, the variable finder and a
// status bar; the host's menu and keys, or the module's while an editor is the
// active window; and the host's commands.

#include "workbench/app/editormanager.h"
#include "workbench/app/mainwindowwnd.h"
#include "workbench/app/menuandkeys.h"
#include "workbench/app/profilesender.h"
#include "workbench/app/simulationclock.h"
#include "workbench/app/workbenchdocks.h"

#include <QMainWindow>
#include <QSize>

class CKBaseApp;
class CKDocTemplate;
class ModelSession;
class QLabel;
class QMdiArea;
class PlotWindows;
class SessionFile;
struct ModelPlot;

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize DefaultSize {1200, 800};

    // Becomes the application's main window (m_pMainWnd) and MDI area.
    MainWindow(CKBaseApp& app, CKDocTemplate& docTemplate, ModelSession& session);
    ~MainWindow() override;

    // Opens an editor on the plot, or activates the one open on it.
    bool OpenPlot(int index, QString* error = nullptr);
    // Adds `plot` to the session and the plot list and opens its editor;
    // false with the reason (a taken or blank name, an unknown owner).
    bool AddPlot(const ModelPlot& plot, QString* error = nullptr);
    // Puts the editor frames side by side from the left at their own size,
    // and the plot windows beside them, sharing the rest of the area; the
    // window grows to give each plot a readable width.
    void ArrangeEditorsAndPlots();
    // File > Open Results...: the model with the results file at `path` in
    // place of its own. Editors and plot windows close, and the session
    // starts again on the new model; on a fault nothing changes and the
    // message is shown (and given in `error`).
    bool OpenResults(const QString& path, QString* error = nullptr);
    // Closes every editor frame through its own close handling.
    void CloseAllEditors();

    // Runs a command of the menus and keys by its id.
    void OnCommand(UINT command);
    // Shows one of the host's views for a module's request; false for a kind
    // the workbench does not have.
    bool ShowView(const ShowViewOrder& order);
    void SetDisplayUnit(const TimeUnit& unit);
    // Sends `profile` to the active editor frame (paths as given); false when
    // no editor is active.
    bool SendProfileToActiveEditor(const ProfileToSend& profile);
    // The frame of the active editor, or null.
    CFrameWnd* ActiveEditorFrame() const;

    // The menu bar and keys shown.
    const MenuAndKeys& menus() const { return m_menus; }
    EditorManager& editors() { return m_editors; }
    const SimulationClock& clock() const { return m_clock; }
    // Sets the simulated clock, as the command line's --time does.
    void SetClock(double seconds);
    PlotWindows& plotWindows() const { return *m_plotWindows; }
    QMdiArea* mdiArea() const { return m_area; }
    WorkbenchDocks& docks() { return m_docks; }
    const MainWindowWnd& wnd() const { return m_wnd; }
    // The model file the session is saved to, and its unsaved changes.
    SessionFile& file() const { return *m_file; }

protected:
    // With unsaved changes, asks whether to save them first.
    void closeEvent(QCloseEvent* event) override;

private:
    // What the docks trigger: opening and showing plots, help, dropped profiles.
    void ConnectDocks();
    void NewPlotFromDialog();
    void ExportActivePlot(bool asTable);
    // Tells the user why a command failed: the status bar and a message box.
    void ReportError(const QString& error);
    // The plot windows of the current session; a written definition marks it changed.
    void CreatePlotWindows();
    void UpdateMenus();
    void UpdateStatusLabels();
    // The simulation clock's commands, then the docks' and windows' ones: true when `command` was one of them.
    bool RunClockCommand(UINT command);
    bool RunWindowCommand(UINT command);
    void RunCommand(UINT command);
    void SendProfileFromDialog();
    void SendToActiveEditor(UINT message, const QString& what);
    void ChooseDisplayUnit();
    void ShowPlot();
    void ChooseResults();
    void ShowHelp(DWORD_PTR context, UINT command);
    // F1: help on the focused control of the active editor, else the contents.
    void HelpOnActiveEditor();

    CKBaseApp& m_app;
    ModelSession& m_session;
    EditorManager m_editors;
    MainWindowWnd m_wnd;
    SimulationClock m_clock;
    QMdiArea* m_area;
    WorkbenchDocks m_docks;
    MenuAndKeys m_menus;
    QLabel* m_unitLabel = nullptr;
    QLabel* m_clockLabel = nullptr;
    PlotWindows* m_plotWindows = nullptr;
    SessionFile* m_file = nullptr;
};
