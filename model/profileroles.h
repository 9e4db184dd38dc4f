#pragma once

// The roles a profile plays in the plot (CSUPEProfile::role), and how the
// profiles list writes a profile's dimension.

#include "model/profile.h"
#include "platform/core/cstring.h"

#include <cstdint>

enum class ProfileRole : int16_t {
    Unassigned = 0,
    XAxis = 1,
    YAxis = 2,
    Plotted = 4,
};

// The one place a role shows the profile: the bits are tested in the order x
// axis, plotted, y axis, and the first one set wins.
ProfileRole ShownRole(int16_t role);

// Takes `role` away from the profile (its other bits stay).
void ClearRole(CSUPEProfile& profile, ProfileRole role);

// "1 D", "2 D": the dimension followed by " D".
CString DimensionText(int32_t dimension);
