#include "workbench/plot/plotdata.h"

#include "workbench/model/plotcheck.h"
#include "workbench/plot/drawntimes.h"
#include "workbench/plot/profileelements.h"

#include <algorithm>
#include <cmath>

namespace {

// A profile's values at one time, to place elements or rows by.
std::vector<double> AxisValues(const ProfileRows& profile, double seconds)
{
    std::vector<double> values;
    for (const PlotElement& element : profile.AllElements())
        values.push_back(element.At(seconds));
    return values;
}

double PlaceOn(const std::vector<double>& axis, int position)
{
    return position >= 1 && static_cast<size_t>(position) <= axis.size() ? axis[static_cast<size_t>(position - 1)]
                                                                         : static_cast<double>(position);
}

// The variable every path names ("T" for "T(3)" and "T(*)"), or empty.
QString CommonVariable(const std::vector<const PlotProfile*>& profiles)
{
    QString common;
    for (const PlotProfile* profile : profiles) {
        for (int i = 0; i < profile->variables.GetSize(); ++i) {
            const QString path = profile->variables[i].ToQString();
            const QString variable = path.left(path.indexOf(QLatin1Char('('))).trimmed();
            if (variable.isEmpty() || (!common.isEmpty() && variable.compare(common, Qt::CaseInsensitive) != 0))
                return QString();
            common = variable;
        }
    }
    return common;
}

QString ValueTitle(const std::vector<const PlotProfile*>& profiles)
{
    const QString variable = CommonVariable(profiles);
    if (!variable.isEmpty())
        return variable;
    QStringList names;
    for (const PlotProfile* profile : profiles)
        names << profile->name.ToQString();
    return names.join(QStringLiteral(", "));
}

QString ValueTitle(const PlotProfile& profile)
{
    return ValueTitle(std::vector<const PlotProfile*> {&profile});
}

class Extraction {
public:
    Extraction(const ModelPlot& plot, const HostModel& registry, const PlotValues& values, const PlotTimeUnit& unit)
        : m_definition(plot.definition), m_resolver(registry, values, plot.owner), m_unit(unit)
    {
    }

    bool Run(const std::vector<double>& times, PlotData& data, QString& error)
    {
        data.times = times;
        std::vector<PlotProfile> plotted = SplitProfileGroup(m_definition.plottedNames, m_definition.plottedDimensions,
            m_definition.plottedCounts, m_definition.plottedVariables);
        if (!WithinBudget(plotted, data.kind, times.size(), error))
            return false;
        ProfileRows xAxis;
        if (!m_definition.xAxisName.IsEmpty() && !m_resolver.Resolve(m_definition.xAxisVariables, 1, xAxis, error))
            return false;
        data.xTitle = m_definition.xAxisName.IsEmpty() ? QStringLiteral("Element position")
                                                       : m_definition.xAxisName.ToQString();
        std::vector<ProfileRows> rows(plotted.size());
        for (size_t i = 0; i < plotted.size(); ++i) {
            if (!m_resolver.Resolve(plotted[i].variables, plotted[i].dimension, rows[i], error))
                return false;
        }
        if (times.empty())
            return true;
        const std::vector<double> xAt = AxisValues(xAxis, times.back());
        std::vector<const PlotProfile*> all;
        for (const PlotProfile& profile : plotted)
            all.push_back(&profile);
        data.valueTitle = ValueTitle(all);
        switch (data.kind) {
        case PlotKind::Lines:
            data.yTitle = data.valueTitle;
            for (size_t i = 0; i < plotted.size(); ++i)
                AddLines(plotted[i].name.ToQString(), rows[i].AllElements(), xAxis, times, data);
            break;
        case PlotKind::MapsOverTime:
            data.yTitle = QStringLiteral("Time (%1)").arg(m_unit.name);
            for (size_t i = 0; i < plotted.size(); ++i)
                AddMapsOverTime(plotted[i], rows[i], xAt, times, data);
            break;
        case PlotKind::MapOverProfile: {
            ProfileRows yAxis;
            if (!m_resolver.Resolve(m_definition.yAxisVariables, 1, yAxis, error))
                return false;
            data.yTitle = m_definition.yAxisName.ToQString();
            data.title += QStringLiteral(" at %1").arg(PlotTimeText(times.back(), m_unit));
            return AddMapOverProfile(plotted, rows, xAt, AxisValues(yAxis, times.back()), times.back(), data, error);
        }
        case PlotKind::Refused:
            break;
        }
        return true;
    }

private:
    // Whether what the plot draws stays within the drawing budget, counted
    // from the paths before any element is made: the points of every line or
    // the cells of every map, and the axis profiles' elements at each time.
    bool WithinBudget(const std::vector<PlotProfile>& plotted, PlotKind kind, size_t timeCount, QString& error) const
    {
        size_t xCount = 0;
        size_t yCount = 0;
        size_t plottedCount = 0;
        if (!m_definition.xAxisName.IsEmpty() && !m_resolver.Count(m_definition.xAxisVariables, xCount, error))
            return false;
        if (kind == PlotKind::MapOverProfile && !m_resolver.Count(m_definition.yAxisVariables, yCount, error))
            return false;
        for (const PlotProfile& profile : plotted) {
            size_t count = 0;
            if (!m_resolver.Count(profile.variables, count, error))
                return false;
            plottedCount += count;
        }
        // In double: counts times times may pass the range of size_t.
        const double times = static_cast<double>(std::max<size_t>(timeCount, 1));
        double cost = static_cast<double>(plottedCount + xCount + yCount);
        if (kind == PlotKind::Lines)
            cost = static_cast<double>(plottedCount + xCount) * times;
        else if (kind == PlotKind::MapsOverTime)
            cost = static_cast<double>(plottedCount) * times + static_cast<double>(xCount);
        if (!CheckBudget(cost, error))
            return false;
        const double lines = kind == PlotKind::Lines ? static_cast<double>(plotted.size()) * times : 0;
        if (lines > PlotLineLimit) {
            error = QStringLiteral("it would draw %1 lines, more than the %2 a chart draws")
                        .arg(QString::number(lines, 'f', 0))
                        .arg(PlotLineLimit);
            return false;
        }
        return true;
    }

    static bool CheckBudget(double cost, QString& error)
    {
        if (cost <= static_cast<double>(PlotDrawingBudget))
            return true;
        error = QStringLiteral("it would draw %1 values (elements times times drawn), more than the %2 a plot "
                               "window draws")
                    .arg(QString::number(cost, 'f', 0))
                    .arg(PlotDrawingBudget);
        return false;
    }

    void AddLines(const QString& name, const std::vector<PlotElement>& elements, const ProfileRows& xAxis,
        const std::vector<double>& times, PlotData& data) const
    {
        for (double time : times) {
            const std::vector<double> x = AxisValues(xAxis, time);
            PlotLine line;
            line.name = QStringLiteral("%1 at %2").arg(name, PlotTimeText(time, m_unit));
            for (const PlotElement& element : elements)
                line.points.emplace_back(PlaceOn(x, element.position), element.At(time));
            data.lines.push_back(std::move(line));
        }
    }

    void AddMapsOverTime(const PlotProfile& plotted, const ProfileRows& profile, const std::vector<double>& x,
        const std::vector<double>& times, PlotData& data) const
    {
        for (size_t r = 0; r < profile.rows.size(); ++r) {
            const std::vector<PlotElement>& row = profile.rows[r];
            PlotMap map;
            map.title = profile.rows.size() > 1 ? profile.labels[r] : plotted.name.ToQString();
            map.valueTitle = ValueTitle(plotted);
            map.columns = static_cast<int>(row.size());
            map.rows = static_cast<int>(times.size());
            for (const PlotElement& element : row)
                map.xValues.push_back(PlaceOn(x, element.position));
            map.values.reserve(row.size() * times.size());
            for (double time : times) {
                map.yValues.push_back(time * m_unit.factor);
                for (const PlotElement& element : row)
                    map.values.push_back(element.At(time));
            }
            data.maps.push_back(std::move(map));
        }
    }

    // One 2-D profile gives its rows; several 1-D profiles give one row each.
    bool AddMapOverProfile(const std::vector<PlotProfile>& plotted, const std::vector<ProfileRows>& rows,
        const std::vector<double>& x, const std::vector<double>& y, double time, PlotData& data, QString& error) const
    {
        std::vector<std::vector<PlotElement>> grid;
        if (rows.size() == 1 && plotted[0].dimension == 2)
            grid = rows[0].rows;
        else
            for (const ProfileRows& profile : rows)
                grid.push_back(profile.AllElements());
        if (grid.empty())
            return true;
        PlotMap map;
        map.title = plotted.size() == 1 ? plotted[0].name.ToQString() : QString();
        map.valueTitle = data.valueTitle;
        map.rows = static_cast<int>(grid.size());
        for (const std::vector<PlotElement>& row : grid)
            map.columns = std::max(map.columns, static_cast<int>(row.size()));
        // Rows of unequal length are filled up to the longest.
        if (!CheckBudget(static_cast<double>(map.rows) * map.columns, error))
            return false;
        const std::vector<PlotElement>& widest = *std::max_element(
            grid.begin(), grid.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
        for (const PlotElement& element : widest)
            map.xValues.push_back(PlaceOn(x, element.position));
        for (size_t r = 0; r < grid.size(); ++r) {
            map.yValues.push_back(PlaceOn(y, static_cast<int>(r + 1)));
            for (int c = 0; c < map.columns; ++c)
                map.values.push_back(
                    static_cast<size_t>(c) < grid[r].size() ? grid[r][static_cast<size_t>(c)].At(time) : std::nan(""));
        }
        data.maps.push_back(std::move(map));
        return true;
    }

    const PlotDefinition& m_definition;
    ProfileElementResolver m_resolver;
    const PlotTimeUnit& m_unit;
};

PlotKind KindOf(const PlotDefinition& definition)
{
    if (definition.is3DPlot == 0)
        return PlotKind::Lines;
    return definition.yAxisIsTime != 0 ? PlotKind::MapsOverTime : PlotKind::MapOverProfile;
}

} // namespace

QString PlotTimeText(double seconds, const PlotTimeUnit& unit)
{
    return QStringLiteral("%1 %2").arg(QString::number(seconds * unit.factor, 'g', 6), unit.name);
}

PlotData ExtractPlotData(const ModelPlot& plot, const HostModel& registry, const PlotValues& values, double now,
    double clockStep, const PlotTimeUnit& unit)
{
    PlotData data;
    data.title = plot.name.ToQString();
    const QStringList problems = PlotDrawingProblems(plot, registry);
    if (!problems.isEmpty()) {
        data.reason = QStringLiteral("Not drawn: %1.").arg(problems.first());
        if (problems.size() > 1)
            data.reason += QStringLiteral(" (%1 more problems)").arg(problems.size() - 1);
        return data;
    }
    data.kind = KindOf(plot.definition);
    const std::vector<double> times = DrawnTimes(ReadPlotTimeSettings(plot.definition), now, clockStep);
    QString error;
    if (!Extraction(plot, registry, values, unit).Run(times, data, error)) {
        data = PlotData();
        data.title = plot.name.ToQString();
        data.reason = QStringLiteral("Not drawn: %1.").arg(error);
        return data;
    }
    if (times.empty())
        data.reason = QStringLiteral("No time of this plot is due yet at %1.").arg(PlotTimeText(now, unit));
    return data;
}
