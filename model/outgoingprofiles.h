#pragma once

// The profiles of the editor's copy gathered into the arrays that the host's
// plot-definition object takes: the axis profiles by name and variables, the
// plotted ones in plot order, the unassigned ones in the set's order.

#include "model/profilearrays.h"
#include "model/profileset.h"

#include <vector>

struct OutgoingProfiles {
    CString xAxisName;
    CString yAxisName;
    CStringArray xAxisVariables;
    CStringArray yAxisVariables;
    ProfileArrays plotted;
    ProfileArrays unassigned;
    // Plot-list entries whose key named no profile: left out of the arrays.
    std::vector<int> missingPlotKeys;
};

OutgoingProfiles GatherOutgoingProfiles(const ProfileSet& profiles, const std::vector<int>& plotKeys);
