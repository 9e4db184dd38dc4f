#include "workbench/model/plotcheck.h"

#include <QLocale>

#include <cmath>
#include <cstring>

namespace {

constexpr const char* WildcardCharacters = "*?~";

// A profile in one of the places a definition gives it.
struct PlacedProfile {
    PlotProfile profile;
    bool assigned = false; // on an axis or plotted
    const char* place = "";
};

// Time entries are written in the user's numeric conventions; either the C
// locale's or the user's reading will do. "nan" and "inf" are no times.
bool ReadNumber(QString text, double& value)
{
    text = text.trimmed();
    bool ok = false;
    value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        value = QLocale::system().toDouble(text, &ok);
    return ok && std::isfinite(value);
}

class PlotChecker {
public:
    PlotChecker(const ModelPlot& plot, const HostModel& registry, bool checkAccess)
        : m_plot(plot), m_registry(registry), m_checkAccess(checkAccess)
    {
    }

    QStringList Run()
    {
        const PlotDefinition& d = m_plot.definition;
        const bool is3D = d.is3DPlot != 0;
        const bool yIsTime = d.yAxisIsTime != 0;

        GatherProfiles();
        if (!is3D && !yIsTime)
            Add(QStringLiteral("a 2-d plot has time on its y axis, so \"yAxisIsTime\" must be nonzero"));
        if (!d.yAxisName.IsEmpty() && (!is3D || yIsTime))
            Add(QStringLiteral("the y-axis profile %1 needs a 3-d plot whose y axis is not time")
                    .arg(QuotedName(d.yAxisName)));
        if (m_plottedConsistent)
            CheckPlottedDimensions(is3D, yIsTime);
        CheckProfileContents(is3D);
        CheckTimes();
        if (d.maxTimePoints < 1)
            Add(QStringLiteral("the maximum number of time points must be at least 1, not %1").arg(d.maxTimePoints));
        return m_problems;
    }

private:
    void Add(const QString& problem) { m_problems.append(problem); }

    void AddAxis(const char* place, const CString& name, const CStringArray& variables)
    {
        if (name.IsEmpty()) {
            if (!variables.IsEmpty())
                Add(QStringLiteral("the %1 has variables but no name").arg(QLatin1String(place)));
            return;
        }
        PlacedProfile placed;
        placed.profile.name = name;
        placed.profile.variables = variables;
        placed.assigned = true;
        placed.place = place;
        m_profiles.push_back(std::move(placed));
    }

    bool AddGroup(const char* place, bool assigned, const CStringArray& names, const CUIntArray& dimensions,
        const CUIntArray& counts, const CStringArray& variables)
    {
        if (!IsConsistentProfileGroup(names, dimensions, counts, variables)) {
            Add(QStringLiteral("the %1 profiles' names, dimensions, counts and variables do not agree")
                    .arg(QLatin1String(place)));
            return false;
        }
        for (PlotProfile& profile : SplitProfileGroup(names, dimensions, counts, variables)) {
            if (profile.dimension != 1 && profile.dimension != 2)
                Add(QStringLiteral("the profile %1 has dimension %2; a profile is 1-D or 2-D")
                        .arg(QuotedName(profile.name))
                        .arg(profile.dimension));
            if (assigned)
                m_plotted.push_back(profile);
            m_profiles.push_back({std::move(profile), assigned, place});
        }
        return true;
    }

    void GatherProfiles()
    {
        const PlotDefinition& d = m_plot.definition;
        AddAxis("x-axis profile", d.xAxisName, d.xAxisVariables);
        AddAxis("y-axis profile", d.yAxisName, d.yAxisVariables);
        m_plottedConsistent
            = AddGroup("plotted", true, d.plottedNames, d.plottedDimensions, d.plottedCounts, d.plottedVariables);
        AddGroup(
            "unassigned", false, d.unassignedNames, d.unassignedDimensions, d.unassignedCounts, d.unassignedVariables);
    }

    void CheckPlottedDimensions(bool is3D, bool yIsTime)
    {
        if (!is3D || yIsTime) {
            for (const PlotProfile& profile : m_plotted) {
                if (profile.dimension != 1)
                    Add(QStringLiteral("the plotted profile %1 is 2-D; a 2-d plot or a plot against time plots 1-D "
                                       "profiles only")
                            .arg(QuotedName(profile.name)));
            }
        }
        if (is3D && yIsTime && m_plotted.size() > 1 && !HasTwoWildcardPath())
            Add(QStringLiteral("a 3-d plot against time plots one profile, unless a plotted path holds two wildcards"));
        if (is3D && !yIsTime) {
            if (m_plotted.empty()) {
                Add(QStringLiteral("a 3-d plot against a y-axis profile must plot one 2-D profile or several 1-D "
                                   "profiles; it plots none"));
            } else if (m_plotted.size() == 1 && m_plotted.front().dimension == 1) {
                Add(QStringLiteral("a 3-d plot against a y-axis profile cannot plot a single 1-D profile (%1)")
                        .arg(QuotedName(m_plotted.front().name)));
            } else if (m_plotted.size() > 1) {
                for (const PlotProfile& profile : m_plotted) {
                    if (profile.dimension == 2)
                        Add(QStringLiteral("a 3-d plot against a y-axis profile plots only one 2-D profile, alone; "
                                           "%1 is 2-D among %2 profiles")
                                .arg(QuotedName(profile.name))
                                .arg(m_plotted.size()));
                }
            }
        }
    }

    bool HasTwoWildcardPath() const
    {
        for (const PlotProfile& profile : m_plotted) {
            for (const CString& path : profile.variables) {
                if (IsTwoWildcardPath(path))
                    return true;
            }
        }
        return false;
    }

    void CheckProfileContents(bool is3D)
    {
        for (const PlacedProfile& placed : m_profiles) {
            const PlotProfile& profile = placed.profile;
            if (placed.assigned && profile.variables.IsEmpty())
                Add(QStringLiteral("the %1 %2 has no variables")
                        .arg(QLatin1String(placed.place), QuotedName(profile.name)));
            if (is3D && placed.assigned && profile.variables.GetSize() == 1 && !IsWildcardPath(profile.variables[0]))
                Add(QStringLiteral("the %1 %2 holds a single variable, which a 3-d plot cannot show")
                        .arg(QLatin1String(placed.place), QuotedName(profile.name)));
            for (const CString& path : profile.variables) {
                if (!Exists(path))
                    Add(QStringLiteral("the variable %1 of the profile %2 is not in the model (looked for in block %3)")
                            .arg(QuotedName(path), QuotedName(profile.name), QuotedName(m_plot.owner)));
            }
        }
    }

    // As the host resolves paths: relative to the owner block first, then whole.
    bool Exists(const CString& path) const
    {
        if (path.IsEmpty())
            return false;
        return m_registry.FindVariable(m_plot.owner + "." + path).has_value()
            || m_registry.FindVariable(path).has_value();
    }

    void CheckTimes()
    {
        const PlotDefinition& d = m_plot.definition;
        const CStringArray& entries = d.timeEntries;
        switch (d.timeMode) {
        case 0:
            if (entries.GetSize() != 1 || entries[0] != "L")
                Add(QStringLiteral("in time mode 0 (continuous update) the time entries are exactly [\"L\"]"));
            break;
        case 1: {
            if (entries.IsEmpty())
                Add(QStringLiteral("in time mode 1 (specified times) there must be at least one time"));
            for (const CString& entry : entries) {
                double value = 0;
                if (!ReadNumber(entry.ToQString(), value) || value < 0)
                    Add(QStringLiteral("the time entry %1 is not a time of 0 or more").arg(QuotedName(entry)));
            }
            break;
        }
        case 2:
            CheckInterval(entries);
            break;
        default:
            Add(QStringLiteral("the time mode %1 is not 0, 1 or 2").arg(d.timeMode));
            break;
        }
        if (m_checkAccess && m_plot.access == PlotAccess::Direct && d.timeMode != 0)
            Add(QStringLiteral("time mode %1 needs access \"host\": without the plot host the editor always shows "
                               "continuous update")
                    .arg(d.timeMode));
    }

    void CheckInterval(const CStringArray& entries)
    {
        if (entries.GetSize() != 2 || entries[0].IsEmpty() || entries[0].str().back() != '*') {
            Add(QStringLiteral("in time mode 2 (interval) the time entries are the start time followed by \"*\", "
                               "then the interval"));
            return;
        }
        double start = 0;
        double interval = 0;
        const QString startText = entries[0].ToQString().chopped(1);
        if (!ReadNumber(startText, start) || start < 0)
            Add(QStringLiteral("the start time %1 is not a time of 0 or more").arg(QuotedName(entries[0])));
        if (!ReadNumber(entries[1].ToQString(), interval) || interval <= 0)
            Add(QStringLiteral("the interval %1 is not greater than zero").arg(QuotedName(entries[1])));
    }

    const ModelPlot& m_plot;
    const HostModel& m_registry;
    const bool m_checkAccess;
    std::vector<PlacedProfile> m_profiles;
    std::vector<PlotProfile> m_plotted;
    bool m_plottedConsistent = true;
    QStringList m_problems;
};

} // namespace

bool IsWildcardPath(const CString& path)
{
    return path.FindOneOf(WildcardCharacters) >= 0;
}

bool IsTwoWildcardPath(const CString& path)
{
    const std::string& text = path.str();
    const size_t first = text.find_first_of(WildcardCharacters);
    return first != std::string::npos && text.find_first_of(WildcardCharacters, first + 2) != std::string::npos;
}

QStringList PlotProblems(const ModelPlot& plot, const HostModel& registry)
{
    return PlotChecker(plot, registry, true).Run();
}

QStringList PlotDrawingProblems(const ModelPlot& plot, const HostModel& registry)
{
    return PlotChecker(plot, registry, false).Run();
}
