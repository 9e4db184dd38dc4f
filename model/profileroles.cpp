#include "model/profileroles.h"

ProfileRole ShownRole(int16_t role)
{
    for (ProfileRole bit : {ProfileRole::XAxis, ProfileRole::Plotted, ProfileRole::YAxis}) {
        if (role & static_cast<int16_t>(bit))
            return bit;
    }
    return ProfileRole::Unassigned;
}

CString DimensionText(int32_t dimension)
{
    // The two dimensions a profile can have, without formatting.
    if (dimension == 1)
        return "1 D";
    if (dimension == 2)
        return "2 D";
    CString text;
    text.Format("%d D", dimension);
    return text;
}

void ClearRole(CSUPEProfile& profile, ProfileRole role)
{
    profile.role = static_cast<int16_t>(profile.role & ~static_cast<int16_t>(role));
}
