#include "workbench/app/workbenchdocks.h"

#include "workbench/app/calllogview.h"
#include "workbench/app/helpwindow.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/profiledropzone.h"
#include "workbench/app/variablefinder.h"
#include "workbench/model/modelsession.h"

#include <QDockWidget>
#include <QListWidget>
#include <QMainWindow>
#include <QStyle>

namespace {

QString AccessText(PlotAccess access)
{
    return access == PlotAccess::Host ? QStringLiteral("host (IProfilePlotHost)")
                                      : QStringLiteral("direct (IProfilePlotData)");
}

QDockWidget* AddDock(
    QMainWindow& window, const QString& title, const QString& name, QWidget* widget, Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(title, &window);
    dock->setObjectName(name);
    dock->setWidget(widget);
    window.addDockWidget(area, dock);
    return dock;
}

} // namespace

WorkbenchDocks::WorkbenchDocks(QMainWindow& window, const ModelSession& session) : m_session(session)
{
    BuildModelDocks(window);
    BuildHelpAndDropDocks(window);
}

void WorkbenchDocks::BuildModelDocks(QMainWindow& window)
{
    m_browser = new ModelBrowser(&window);
    m_browser->SetModel(m_session.model());
    m_browserDock
        = AddDock(window, QStringLiteral("Model"), QStringLiteral("modelDock"), m_browser, Qt::LeftDockWidgetArea);

    m_plotList = new QListWidget(&window);
    m_plotList->setObjectName(QStringLiteral("plotList"));
    m_plotsDock = AddDock(
        window, QStringLiteral("Profile Plots"), QStringLiteral("plotsDock"), m_plotList, Qt::LeftDockWidgetArea);

    m_callLog = new CallLogView(&window);
    m_callLogDock = AddDock(
        window, QStringLiteral("Call Log"), QStringLiteral("callLogDock"), m_callLog, Qt::BottomDockWidgetArea);

    m_finder = new VariableFinder(&window);
    m_finder->SetModel(m_session.model());
    m_finderDock = AddDock(window, QStringLiteral("Variable Finder"), QStringLiteral("variableFinderDock"), m_finder,
        Qt::RightDockWidgetArea);
    m_finderDock->hide();

    window.resizeDocks({m_browserDock, m_plotsDock}, {520, 180}, Qt::Vertical);
    window.resizeDocks({m_browserDock}, {300}, Qt::Horizontal);
    window.resizeDocks({m_callLogDock}, {170}, Qt::Vertical);
}

void WorkbenchDocks::BuildHelpAndDropDocks(QMainWindow& window)
{
    m_help = new HelpWindow(&window);
    m_helpDock = AddDock(window, QStringLiteral("Help"), QStringLiteral("helpDock"), m_help, Qt::RightDockWidgetArea);
    m_helpDock->hide();

    m_dropZone = new ProfileDropZone(&window);
    AddDock(window, QStringLiteral("Dropped Profiles"), QStringLiteral("droppedProfilesDock"), m_dropZone,
        Qt::RightDockWidgetArea);
}

void WorkbenchDocks::FillPlotList()
{
    for (int i = 0; i < m_session.plotCount(); ++i)
        AddPlotListItem(i);
}

void WorkbenchDocks::AddPlotListItem(int index)
{
    const ModelPlot& plot = m_session.plot(index);
    auto* item = new QListWidgetItem(plot.name.ToQString(), m_plotList);
    QString tip = QStringLiteral("Context: %1\nOwner block: %2\nAccess: %3\nTime mode: %4")
                      .arg(plot.contextName.ToQString(), plot.owner.ToQString(), AccessText(plot.access))
                      .arg(plot.definition.timeMode);
    const QStringList& problems = m_session.LoadProblems(index);
    if (!problems.isEmpty()) {
        item->setIcon(m_plotList->style()->standardIcon(QStyle::SP_MessageBoxWarning));
        tip += QStringLiteral("\n\nThe editor may not show this definition as it is:\n- ")
            + problems.join(QStringLiteral("\n- "));
    }
    item->setToolTip(tip);
}

void WorkbenchDocks::Show(QDockWidget* dock)
{
    dock->show();
    dock->raise();
}
