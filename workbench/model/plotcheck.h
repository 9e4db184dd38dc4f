#pragma once

// Whether a plot definition from the model file is one the editor can show and
// write back unchanged: the editor's own plot rules (model/plotrules.h), run
// over the profiles as the editor loads them; a y-axis profile only on a 3-d
// plot and time on the y axis of a 2-d plot; variable paths that exist in the
// model relative to the owner block; and time entries that fit the time mode
// and the plot's access.
//
// The workbench loads a plot with problems anyway (so that a saved model always
// loads again) and shows them; the sample model has none.

#include "workbench/model/workbenchmodel.h"

#include <QStringList>

// The problems of `plot`, each a sentence; empty when there are none. Paths are
// looked up in `registry` (filled from the same model).
QStringList PlotProblems(const ModelPlot& plot, const HostModel& registry);
// The same problems but for the time mode's fit to the plot's access, which
// only decides what the editor shows: what keeps the host from drawing the plot.
QStringList PlotDrawingProblems(const ModelPlot& plot, const HostModel& registry);
