#pragma once

// The rules a plot definition must meet before it is written to the host: the
// dimensions of the axis and plotted profiles for the plot type, the number of
// profiles a 3-d plot against time takes, and the variables every profile in
// use needs. Pure functions over the editor's copy of the definition, which
// the workbench applies too (its own target: no widgets, no host).

#include "model/profileset.h"

#include "platform/core/cstring.h"

#include <vector>

// The plot as the editor holds it: the profile set, the axis keys (-1: none),
// the plot list's keys in plot order, the plot type and the y-axis choice.
struct PlotLayout {
    const ProfileSet& profiles;
    int xAxisKey = -1;
    int yAxisKey = -1;
    std::vector<int> plotKeys;
    bool is2DPlot = true;
    bool yAxisIsTime = true;
};

// A path holding one of "*?~": it stands for several variables.
bool IsWildcardPath(const CString& path);
// A path holding a wildcard character and another one at least two places
// after it ("T(*,*)"); two side by side ("T(**)") do not count.
bool IsTwoWildcardPath(const CString& path);

// 2 when a plotted profile has a two-wildcard path, else 1 with two or more
// plot-list entries, else 0. Entries whose key names no profile are skipped.
int ClassifyPlotProfiles(const PlotLayout& layout);

// The message of the first broken rule about dimensions, the number of plotted
// profiles and each profile's variables, in the order the rules are tried;
// empty when none is broken.
CString PlotRuleViolation(const PlotLayout& layout);
