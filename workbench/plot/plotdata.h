#pragma once

// What a profile plot shows at a moment of the simulated clock, taken from its
// definition as the host object holds it: the lines of a 2-d plot, or the
// colour maps of a 3-d plot, or the reason it cannot be drawn. No widgets.

#include "workbench/model/workbenchmodel.h"
#include "workbench/plot/plotvalues.h"

#include <QPointF>
#include <QString>

#include <vector>

enum class PlotKind {
    Refused, // nothing drawn; `reason` says why
    Lines, // 2-d plot
    MapsOverTime, // 3-d plot whose y axis is time
    MapOverProfile, // 3-d plot against a y-axis profile
};

struct PlotLine {
    QString name; // "Tray temperatures at 2 min"
    std::vector<QPointF> points;
};

// A grid of values drawn as colours: `rows` x `columns`, row after row.
struct PlotMap {
    QString title;
    QString valueTitle; // what its colours stand for: the variable, else the profile
    int columns = 0;
    int rows = 0;
    std::vector<double> values;
    std::vector<double> xValues; // per column
    std::vector<double> yValues; // per row
};

struct PlotData {
    PlotKind kind = PlotKind::Refused;
    QString title; // the plot's name, and for a surface the time drawn
    QString reason; // why nothing is drawn (refused, or no time due yet); else empty
    QString xTitle;
    QString yTitle;
    // What the values are: the variable when every plotted path names one
    // (for example "T"), else the profile, else the profiles' names.
    QString valueTitle;
    std::vector<double> times; // the times drawn, seconds
    std::vector<PlotLine> lines;
    std::vector<PlotMap> maps;
};

// The most values one plot window draws: the points of all its lines, or the
// cells of all its maps, over every path and time drawn, with the axis
// profiles' values. A definition asking for more is not drawn, and says so,
// before anything is made for it.
inline constexpr size_t PlotDrawingBudget = 2000000;
// The most lines (profiles times times drawn) a 2-d plot's chart draws: the
// chart's time grows faster than its number of lines.
inline constexpr int PlotLineLimit = 500;

// The display time unit: display time = seconds x factor.
struct PlotTimeUnit {
    QString name = QStringLiteral("s");
    double factor = 1.0;
};

// "2 min": `seconds` in `unit`.
QString PlotTimeText(double seconds, const PlotTimeUnit& unit);

// What `plot` (with the definition it holds now) shows at clock `now`.
// Elements stand on the x axis at the x-axis profile's value of their first
// subscript (at their position when there is no x-axis profile or it is
// shorter); surface rows stand at the y-axis profile's values likewise.
PlotData ExtractPlotData(const ModelPlot& plot, const HostModel& registry, const PlotValues& values, double now,
    double clockStep, const PlotTimeUnit& unit);
