#include "hostlib/plotdefinition.h"

bool PlotDefinition::operator==(const PlotDefinition& other) const
{
    return is3DPlot == other.is3DPlot && yAxisIsTime == other.yAxisIsTime && xAxisName == other.xAxisName
        && yAxisName == other.yAxisName && xAxisVariables == other.xAxisVariables
        && yAxisVariables == other.yAxisVariables && plottedNames == other.plottedNames
        && plottedDimensions == other.plottedDimensions && plottedCounts == other.plottedCounts
        && plottedVariables == other.plottedVariables && unassignedNames == other.unassignedNames
        && unassignedDimensions == other.unassignedDimensions && unassignedCounts == other.unassignedCounts
        && unassignedVariables == other.unassignedVariables && maxTimePoints == other.maxTimePoints
        && timeEntries == other.timeEntries && timeMode == other.timeMode;
}

bool IsConsistentProfileGroup(
    const CStringArray& names, const CUIntArray& dimensions, const CUIntArray& counts, const CStringArray& variables)
{
    if (dimensions.GetSize() != names.GetSize() || counts.GetSize() != names.GetSize())
        return false;
    uint64_t total = 0;
    for (UINT count : counts)
        total += count;
    return total == static_cast<uint64_t>(variables.GetSize());
}

std::vector<PlotProfile> SplitProfileGroup(
    const CStringArray& names, const CUIntArray& dimensions, const CUIntArray& counts, const CStringArray& variables)
{
    std::vector<PlotProfile> profiles;
    if (!IsConsistentProfileGroup(names, dimensions, counts, variables))
        return profiles;
    profiles.reserve(static_cast<size_t>(names.GetSize()));
    const std::vector<CString>& all = variables.items();
    size_t position = 0;
    for (int i = 0; i < names.GetSize(); ++i) {
        PlotProfile profile;
        profile.name = names[i];
        profile.dimension = dimensions[i];
        const size_t count = counts[i];
        for (size_t k = position; k < position + count; ++k)
            profile.variables.Add(all[k]);
        position += count;
        profiles.push_back(std::move(profile));
    }
    return profiles;
}

void JoinProfileGroup(const std::vector<PlotProfile>& profiles, CStringArray& names, CUIntArray& dimensions,
    CUIntArray& counts, CStringArray& variables)
{
    names.RemoveAll();
    dimensions.RemoveAll();
    counts.RemoveAll();
    variables.RemoveAll();
    for (const PlotProfile& profile : profiles) {
        names.Add(profile.name);
        dimensions.Add(profile.dimension);
        counts.Add(static_cast<UINT>(profile.variables.GetSize()));
        variables.Append(profile.variables);
    }
}
