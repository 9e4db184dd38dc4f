#pragma once

// The main window's docks: the model browser, the list of the model's profile
// plots, the call log, the variable finder, the help and the dropped-profiles
// zone. The main window connects what they trigger.

class CallLogView;
class HelpWindow;
class ModelBrowser;
class ModelSession;
class ProfileDropZone;
class QDockWidget;
class QListWidget;
class QMainWindow;
class VariableFinder;

class WorkbenchDocks {
public:
    // Adds the docks to `window`, which owns their widgets.
    WorkbenchDocks(QMainWindow& window, const ModelSession& session);

    // Fills the plot list with the session's plots, each with its context,
    // owner, access and time mode, and the problems found loading it.
    void FillPlotList();
    void AddPlotListItem(int index);
    // Shows the dock in front.
    static void Show(QDockWidget* dock);

    ModelBrowser* browser() const { return m_browser; }
    QListWidget* plotList() const { return m_plotList; }
    CallLogView* callLog() const { return m_callLog; }
    VariableFinder* finder() const { return m_finder; }
    HelpWindow* helpWindow() const { return m_help; }
    ProfileDropZone* dropZone() const { return m_dropZone; }
    QDockWidget* browserDock() const { return m_browserDock; }
    QDockWidget* plotsDock() const { return m_plotsDock; }
    QDockWidget* callLogDock() const { return m_callLogDock; }
    QDockWidget* finderDock() const { return m_finderDock; }
    QDockWidget* helpDock() const { return m_helpDock; }

private:
    void BuildModelDocks(QMainWindow& window);
    void BuildHelpAndDropDocks(QMainWindow& window);

    const ModelSession& m_session;
    ModelBrowser* m_browser = nullptr;
    QListWidget* m_plotList = nullptr;
    CallLogView* m_callLog = nullptr;
    VariableFinder* m_finder = nullptr;
    HelpWindow* m_help = nullptr;
    ProfileDropZone* m_dropZone = nullptr;
    QDockWidget* m_browserDock = nullptr;
    QDockWidget* m_plotsDock = nullptr;
    QDockWidget* m_callLogDock = nullptr;
    QDockWidget* m_finderDock = nullptr;
    QDockWidget* m_helpDock = nullptr;
};
