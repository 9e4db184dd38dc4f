#include "workbench/app/plotwindows.h"

#include "hostlib/calllog.h"
#include "workbench/app/editormanager.h"
#include "workbench/app/simulationclock.h"
#include "workbench/model/modelsession.h"
#include "workbench/plot/picturefile.h"
#include "workbench/plot/plotdatatable.h"
#include "workbench/plot/plotwindow.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

constexpr int DefinitionWrittenHint = 823;

} // namespace

PlotWindows::PlotWindows(const ModelSession& session, const SimulationClock& clock, QMdiArea* area)
    : QObject(area), m_session(session), m_clock(clock), m_area(area), m_unit(&SecondsUnit()),
      m_values(session.model().values), m_windows(static_cast<size_t>(session.plotCount()))
{
    connect(&CallLog::Instance(), &CallLog::lineWritten, this, [this](const QJsonObject& line) {
        const int index = PlotWrittenBy(line);
        if (index >= 0) {
            Redraw(index);
            emit definitionWritten(index);
        }
    });
}

PlotData PlotWindows::DataFor(int index) const
{
    ModelPlot plot = m_session.plot(index);
    plot.definition = m_session.PlotData(index)->definition();
    const PlotTimeUnit unit {QLatin1String(m_unit->name), m_unit->factor};
    return ExtractPlotData(
        plot, m_session.model().blocks, m_values, m_clock.seconds(), EditorManager::DefaultIntervalSeconds, unit);
}

PlotWindow* PlotWindows::Show(int index)
{
    if (index < 0 || index >= m_session.plotCount())
        return nullptr;
    if (PlotWindow* open = WindowFor(index)) {
        m_area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return open;
    }
    auto* window = new PlotWindow;
    window->SetData(DataFor(index));
    QMdiSubWindow* sub = m_area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setObjectName(QStringLiteral("plotSubWindow"));
    sub->resize(PictureSize);
    sub->show();
    // Plots added to the session since get their place here.
    m_windows.resize(std::max(m_windows.size(), static_cast<size_t>(m_session.plotCount())));
    m_windows[static_cast<size_t>(index)] = window;
    return window;
}

PlotWindow* PlotWindows::WindowFor(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < m_windows.size() ? m_windows[static_cast<size_t>(index)].data()
                                                                       : nullptr;
}

int PlotWindows::ActivePlot() const
{
    const QMdiSubWindow* active = m_area->activeSubWindow();
    for (size_t i = 0; active && i < m_windows.size(); ++i) {
        if (m_windows[i] && m_windows[i]->parentWidget() == active)
            return static_cast<int>(i);
    }
    return -1;
}

void PlotWindows::SetDisplayUnit(const TimeUnit& unit)
{
    m_unit = &unit;
    RedrawAll();
}

void PlotWindows::RedrawAll()
{
    for (size_t i = 0; i < m_windows.size(); ++i)
        Redraw(static_cast<int>(i));
}

void PlotWindows::Redraw(int index)
{
    if (PlotWindow* window = WindowFor(index))
        window->SetData(DataFor(index));
}

bool PlotWindows::SavePicture(int index, const QString& path, QString& error) const
{
    PlotWindow window;
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(PictureSize);
    window.SetData(DataFor(index));
    window.show();
    QCoreApplication::processEvents();
    return window.SavePicture(path, error);
}

bool PlotWindows::SaveData(int index, const QString& path, QString& error) const
{
    QByteArray table;
    QString reason;
    if (!PlotDataTable(DataFor(index), table, reason) || !WritePictureFile(path, table, reason)) {
        error = QStringLiteral("Cannot write the data of the plot \"%1\" to \"%2\": %3")
                    .arg(m_session.plot(index).name.ToQString(), path, reason);
        if (!error.endsWith(QLatin1Char('.')))
            error += QLatin1Char('.');
        return false;
    }
    return true;
}

int PlotWindows::PlotWrittenBy(const QJsonObject& line) const
{
    const QString call = line.value(QLatin1String("call")).toString();
    QString name;
    if (call == QLatin1String("UpdateAllViews")
        && line.value(QLatin1String("args")).toObject().value(QLatin1String("hint")).toInt() == DefinitionWrittenHint)
        name = line.value(QLatin1String("document")).toString();
    else if (call == QLatin1String("NotifyDefinitionWritten"))
        name = line.value(QLatin1String("object")).toString().section(QLatin1Char(':'), 1, -1);
    return name.isEmpty() ? -1 : m_session.model().PlotIndex(CString::FromQString(name));
}
