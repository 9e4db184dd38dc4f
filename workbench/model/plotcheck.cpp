#include "workbench/model/plotcheck.h"

#include "model/plotrules.h"
#include "model/profileroles.h"
#include "model/profileset.h"
#include "platform/core/invalidarg.h"

#include <QLocale>

#include <cmath>

namespace {

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
        if (!d.yAxisName.IsEmpty() && !is3D)
            Add(QStringLiteral("the y-axis profile %1 needs a 3-d plot whose y axis is not time")
                    .arg(QuotedName(d.yAxisName)));
        CheckPlotRules(is3D, yIsTime);
        CheckPaths();
        CheckTimes();
        if (d.maxTimePoints < 1)
            Add(QStringLiteral("the maximum number of time points must be at least 1, not %1").arg(d.maxTimePoints));
        return m_problems;
    }

private:
    void Add(const QString& problem) { m_problems.append(problem); }

    // Each profile goes into the profile set as the editor would load it, with its role.
    int AddProfile(const PlotProfile& profile, ProfileRole role)
    {
        auto* loaded = new CSUPEProfile(profile.name);
        loaded->dimension = static_cast<int32_t>(profile.dimension);
        loaded->variables = profile.variables;
        loaded->role = static_cast<int16_t>(role);
        m_profiles.push_back(profile);
        return m_set.Add(loaded);
    }

    void AddAxis(const char* place, const CString& name, const CStringArray& variables, ProfileRole role, int& key)
    {
        if (name.IsEmpty()) {
            if (!variables.IsEmpty())
                Add(QStringLiteral("the %1 has variables but no name").arg(QLatin1String(place)));
            return;
        }
        key = AddProfile({name, 1, variables}, role);
    }

    void AddGroup(const char* place, ProfileRole role, const CStringArray& names, const CUIntArray& dimensions,
        const CUIntArray& counts, const CStringArray& variables)
    {
        if (!IsConsistentProfileGroup(names, dimensions, counts, variables)) {
            Add(QStringLiteral("the %1 profiles' names, dimensions, counts and variables do not agree")
                    .arg(QLatin1String(place)));
            return;
        }
        for (const PlotProfile& profile : SplitProfileGroup(names, dimensions, counts, variables)) {
            if (profile.dimension != 1 && profile.dimension != 2)
                Add(QStringLiteral("the profile %1 has dimension %2; a profile is 1-D or 2-D")
                        .arg(QuotedName(profile.name))
                        .arg(profile.dimension));
            const int key = AddProfile(profile, role);
            if (role == ProfileRole::Plotted)
                m_plotKeys.push_back(key);
        }
    }

    void GatherProfiles()
    {
        try {
            GatherEveryProfile();
        } catch (const CInvalidArgException& error) {
            Add(QStringLiteral("the editor cannot hold every profile: %1").arg(QString::fromLocal8Bit(error.what())));
        }
    }

    void GatherEveryProfile()
    {
        const PlotDefinition& d = m_plot.definition;
        AddAxis("x-axis profile", d.xAxisName, d.xAxisVariables, ProfileRole::XAxis, m_xAxisKey);
        AddAxis("y-axis profile", d.yAxisName, d.yAxisVariables, ProfileRole::YAxis, m_yAxisKey);
        AddGroup(
            "plotted", ProfileRole::Plotted, d.plottedNames, d.plottedDimensions, d.plottedCounts, d.plottedVariables);
        AddGroup("unassigned", ProfileRole::Unassigned, d.unassignedNames, d.unassignedDimensions, d.unassignedCounts,
            d.unassignedVariables);
    }

    // The editor's own rules, which Apply checks before it writes the definition.
    void CheckPlotRules(bool is3D, bool yIsTime)
    {
        const PlotLayout layout {m_set, m_xAxisKey, m_yAxisKey, m_plotKeys, !is3D, yIsTime};
        QString message = PlotRuleViolation(layout).ToQString().simplified();
        if (message.isEmpty())
            return;
        if (message.endsWith(QLatin1Char('.')))
            message.chop(1);
        Add(QStringLiteral("the editor refuses it: %1").arg(message));
    }

    void CheckPaths()
    {
        for (const PlotProfile& profile : m_profiles) {
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
    std::vector<PlotProfile> m_profiles;
    ProfileSet m_set;
    int m_xAxisKey = -1;
    int m_yAxisKey = -1;
    std::vector<int> m_plotKeys;
    QStringList m_problems;
};

} // namespace

QStringList PlotProblems(const ModelPlot& plot, const HostModel& registry)
{
    return PlotChecker(plot, registry, true).Run();
}

QStringList PlotDrawingProblems(const ModelPlot& plot, const HostModel& registry)
{
    return PlotChecker(plot, registry, false).Run();
}
