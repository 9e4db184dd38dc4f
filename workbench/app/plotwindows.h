#pragma once

// The workbench's plot windows, as the host draws the plots that the editor
// defines: one window per plot in the MDI area, drawn from the definition its
// host object holds at the simulated clock, and drawn again when an editor
// writes the definition (NotifyDefinitionWritten, hint 823), when the clock
// moves and when the display time unit changes.

#include "workbench/app/timeunits.h"
#include "workbench/plot/plotdata.h"

#include <QObject>
#include <QPointer>
#include <QSize>

#include <vector>

class ModelSession;
class PlotWindow;
class QJsonObject;
class QMdiArea;
class SimulationClock;

class PlotWindows final : public QObject {
    Q_OBJECT

public:
    // The size of a picture written from the command line.
    static constexpr QSize PictureSize {960, 640};

    PlotWindows(const ModelSession& session, const SimulationClock& clock, QMdiArea* area);

    // What plot `index` shows now, in the display unit.
    PlotData DataFor(int index) const;
    // Opens the window of plot `index`, or brings it to the front.
    PlotWindow* Show(int index);
    // The open window of plot `index`, or null.
    PlotWindow* WindowFor(int index) const;
    // The plot whose window is the active one in the MDI area, or -1.
    int ActivePlot() const;

    void SetDisplayUnit(const TimeUnit& unit);
    // Draws every open window again (the clock moved).
    void RedrawAll();
    void Redraw(int index);

    // Writes plot `index` as drawn now, PictureSize pixels, to `path` (SVG
    // when it ends in ".svg", else PNG). False with the reason in `error`.
    bool SavePicture(int index, const QString& path, QString& error) const;

    // Writes what plot `index` draws now as a table (plotdatatable.h) to
    // `path`. False with the reason in `error`.
    bool SaveData(int index, const QString& path, QString& error) const;

    // The plot that the call-log line says was written, or -1.
    int PlotWrittenBy(const QJsonObject& line) const;

signals:
    // An editor wrote the definition of plot `index`.
    void definitionWritten(int index);

private:
    const ModelSession& m_session;
    const SimulationClock& m_clock;
    QMdiArea* m_area;
    const TimeUnit* m_unit;
    PlotValues m_values;
    std::vector<QPointer<PlotWindow>> m_windows; // per plot
};
