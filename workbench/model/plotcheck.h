#pragma once

// Whether a plot definition from the model file is one the editor can show and
// write back unchanged: the plot rules (dimensions by plot type and y axis,
// one profile against time unless a path holds two wildcards, every assigned
// profile with variables, no single plain variable in a 3-d plot, a y-axis
// profile only when the y axis is not time), variable paths that exist in the
// model relative to the owner block, and time entries that fit the time mode
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

// True when `path` holds one of "*?~" and another of them two or more
// characters further on ("x(*,*)"; "T(**)" does not count).
bool IsTwoWildcardPath(const CString& path);
// True when `path` holds one of "*?~".
bool IsWildcardPath(const CString& path);
