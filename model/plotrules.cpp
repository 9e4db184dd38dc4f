#include "model/plotrules.h"

#include "model/profileroles.h"

#include <cstring>

namespace {

constexpr const char* WildcardCharacters = "*?~";

bool Has(int16_t role, ProfileRole bit)
{
    return (role & static_cast<int16_t>(bit)) != 0;
}

// Stage 1: the dimensions the plot type allows.
CString DimensionViolation(const PlotLayout& layout)
{
    // A key that names no profile has no dimension to break a rule with.
    const auto breaks = [&layout](int key, bool (*allowed)(int)) {
        const CSUPEProfile* profile = key >= 0 ? layout.profiles.Find(key) : nullptr;
        return profile && !allowed(profile->dimension);
    };
    const auto oneDimensional = [](int dimension) { return dimension == 1; };
    if (breaks(layout.xAxisKey, oneDimensional))
        return "Profiles assigned to the x-axis must be of one dimension";
    if (breaks(layout.yAxisKey, oneDimensional))
        return "Profiles assigned to the y-axis of 3d plots must be of one dimension";
    const std::vector<int>& keys = layout.plotKeys;
    if (layout.is2DPlot || layout.yAxisIsTime) {
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
            if (breaks(*key, oneDimensional))
                return "All of the profiles must be 1d profiles unless you have selected a 3d plot where the y axis "
                       "does not represent time";
        }
        return CString();
    }
    const size_t count = keys.size();
    for (int key : keys) {
        const CSUPEProfile* profile = layout.profiles.Find(key);
        if (!profile)
            continue;
        if (profile->dimension == 2 && count > 1)
            return "You can only plot one 2d profile on the z-axis of a 3d surface plot";
        if (profile->dimension == 1 && count == 1)
            return "You can not plot a single 1d profile on the z-axis of a 3d surface plot";
    }
    return CString();
}

// Stage 2: how many profiles a 3-d plot takes.
CString PlottedCountViolation(const PlotLayout& layout)
{
    if (layout.is2DPlot)
        return CString();
    const int kind = ClassifyPlotProfiles(layout);
    if (layout.yAxisIsTime) {
        if (kind == 1)
            return "Cannot plot more than one profile on a 3d plot where the Y axis represents time";
        return CString();
    }
    // A single one-dimensional profile against a y-axis profile; stage 1 has
    // refused it already. An empty plot list passes, as in every other plot type.
    if (kind == 0 && !layout.plotKeys.empty()) {
        const CSUPEProfile* first = layout.profiles.Find(layout.plotKeys.front());
        if (first && first->dimension == 1)
            return "Cannot plot a single one-dimensional profile on a 3d plot where the Y axis doesn't represent time";
    }
    return CString();
}

// Stage 3: every profile in use has variables, and more than one point in a 3-d plot.
CString ProfileViolation(const PlotLayout& layout)
{
    CString message;
    layout.profiles.ForEach([&layout, &message](const CSUPEProfile* profile) {
        if (!message.IsEmpty())
            return;
        const bool inUse = profile->role != 0;
        if (inUse && profile->variables.IsEmpty()) {
            message.Format("The profile %s contains no variables.", profile->name.GetString());
        } else if (!layout.is2DPlot && inUse && profile->variables.GetSize() == 1
            && !IsWildcardPath(profile->variables[0])) {
            message.Format(
                "The profile %s contains only 1 variable;\nsingle data points won't be displayed on 3d plots.",
                profile->name.GetString());
        } else if (!layout.is2DPlot && Has(profile->role, ProfileRole::YAxis) && layout.yAxisIsTime) {
            message = "You have specified a profile for the Y axis but have selected the 'Y axis is time' option.\n"
                      "Either remove the profile from the y axis or select the 'Y axis: specify profile' option.";
        }
    });
    return message;
}

} // namespace

bool IsWildcardPath(const CString& path)
{
    return std::strpbrk(path.GetString(), WildcardCharacters) != nullptr;
}

bool IsTwoWildcardPath(const CString& path)
{
    const char* text = path.GetString();
    const char* first = std::strpbrk(text, WildcardCharacters);
    if (!first || first[1] == '\0')
        return false;
    return std::strpbrk(first + 2, WildcardCharacters) != nullptr;
}

int ClassifyPlotProfiles(const PlotLayout& layout)
{
    for (int key : layout.plotKeys) {
        const CSUPEProfile* profile = layout.profiles.Find(key);
        if (!profile)
            continue;
        for (const CString& variable : profile->variables) {
            if (IsTwoWildcardPath(variable))
                return 2;
        }
    }
    return layout.plotKeys.size() >= 2 ? 1 : 0;
}

CString PlotRuleViolation(const PlotLayout& layout)
{
    CString message = DimensionViolation(layout);
    if (message.IsEmpty())
        message = PlottedCountViolation(layout);
    if (message.IsEmpty())
        message = ProfileViolation(layout);
    return message;
}
