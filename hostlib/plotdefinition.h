#pragma once

// The whole definition of one profile plot as the host keeps it: the items that
// IProfilePlotData reads and writes, in the same parallel-array form, and the
// time mode that IProfilePlotHost answers. A plain value: the host object gives
// back exactly what was last written into it, even arrays that disagree.

#include "platform/core/collections.h"

#include <vector>

struct PlotDefinition {
    int32_t is3DPlot = 0; // nonzero: 3-d plot
    int32_t yAxisIsTime = 1; // nonzero: the y axis represents time

    CString xAxisName; // empty: no x-axis profile
    CString yAxisName; // empty: no y-axis profile
    CStringArray xAxisVariables;
    CStringArray yAxisVariables;

    // The plotted profiles in plot order; the variables of all of them run
    // together, the counts telling where each profile's share ends.
    CStringArray plottedNames;
    CUIntArray plottedDimensions;
    CUIntArray plottedCounts;
    CStringArray plottedVariables;

    // The unassigned profiles, in the same form.
    CStringArray unassignedNames;
    CUIntArray unassignedDimensions;
    CUIntArray unassignedCounts;
    CStringArray unassignedVariables;

    int32_t maxTimePoints = 10;
    // The time settings as entries of the time mode's form: "L" for continuous
    // update, one value per time, or the start time followed by "*" and the interval.
    CStringArray timeEntries;
    // 0 continuous update, 1 specified times, 2 start time and interval.
    int32_t timeMode = 0;

    bool operator==(const PlotDefinition& other) const;
    bool operator!=(const PlotDefinition& other) const { return !(*this == other); }
};

// One profile of the plotted or the unassigned group, as a record.
struct PlotProfile {
    CString name;
    UINT dimension = 1;
    CStringArray variables;

    bool operator==(const PlotProfile& other) const
    {
        return name == other.name && dimension == other.dimension && variables == other.variables;
    }
};

// True when names, dimensions and counts have one entry per profile and the
// counts add up to the number of variables, so that the group splits into
// profiles.
bool IsConsistentProfileGroup(
    const CStringArray& names, const CUIntArray& dimensions, const CUIntArray& counts, const CStringArray& variables);

// Splits a consistent group into its profiles; empty for an inconsistent one.
std::vector<PlotProfile> SplitProfileGroup(
    const CStringArray& names, const CUIntArray& dimensions, const CUIntArray& counts, const CStringArray& variables);

// Runs profiles together into the parallel arrays.
void JoinProfileGroup(const std::vector<PlotProfile>& profiles, CStringArray& names, CUIntArray& dimensions,
    CUIntArray& counts, CStringArray& variables);
