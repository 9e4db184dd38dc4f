#include "model/outgoingprofiles.h"

#include "model/profileroles.h"

OutgoingProfiles GatherOutgoingProfiles(const ProfileSet& profiles, const std::vector<int>& plotKeys)
{
    OutgoingProfiles out;
    profiles.ForEach([&out](const CSUPEProfile* profile) {
        switch (ShownRole(profile->role)) {
        case ProfileRole::Unassigned:
            AppendToProfileArrays(out.unassigned, *profile);
            break;
        case ProfileRole::XAxis:
            out.xAxisName = profile->name;
            out.xAxisVariables = profile->variables;
            break;
        case ProfileRole::YAxis:
            out.yAxisName = profile->name;
            out.yAxisVariables = profile->variables;
            break;
        case ProfileRole::Plotted:
            // Written in plot order below.
            break;
        }
    });
    for (int key : plotKeys) {
        if (const CSUPEProfile* profile = profiles.Find(key))
            AppendToProfileArrays(out.plotted, *profile);
        else
            out.missingPlotKeys.push_back(key);
    }
    return out;
}
