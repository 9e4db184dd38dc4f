#include "workbench/plot/drawntimes.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Clock steps add up in binary: 0.1 + 0.2 must still count as due at 0.3.
bool IsDue(double time, double now)
{
    return time <= now + 1e-9 * std::max(1.0, std::fabs(now));
}

// NaN for text that holds no finite number ("2*" reads as 2).
double ReadEntry(const CString& entry)
{
    QString text = entry.ToQString().trimmed();
    if (text.endsWith(QLatin1Char('*')))
        text.chop(1);
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? value : std::nan("");
}

// Far on, a step may be below the spacing of doubles: k and k + 1 steps then
// give the same time, drawn once.
void AddDistinct(std::vector<double>& times, double time)
{
    if (times.empty() || time > times.back())
        times.push_back(time);
}

} // namespace

PlotTimeSettings ReadPlotTimeSettings(const PlotDefinition& definition)
{
    PlotTimeSettings settings;
    settings.mode = definition.timeMode;
    settings.maxPoints = definition.maxTimePoints;
    const CStringArray& entries = definition.timeEntries;
    if (settings.mode == 1) {
        for (const CString& entry : entries) {
            const double time = ReadEntry(entry);
            if (!std::isnan(time))
                settings.times.push_back(time);
        }
    } else if (settings.mode == 2 && entries.GetSize() >= 2) {
        settings.start = ReadEntry(entries[0]);
        settings.interval = ReadEntry(entries[1]);
    }
    return settings;
}

std::vector<double> DrawnTimes(const PlotTimeSettings& settings, double now, double clockStep)
{
    std::vector<double> times;
    if (!std::isfinite(now) || now < 0)
        return times;
    const long long maxPoints = std::clamp(settings.maxPoints, 1, DrawnTimesLimit);
    switch (settings.mode) {
    case 0: {
        if (!(clockStep > 0))
            break;
        // Counted in doubles: a clock far on must not overflow a step count.
        const double last = std::floor(now / clockStep + 1e-9);
        const double first = std::max(0.0, last - static_cast<double>(maxPoints) + 1);
        for (long long i = 0; i < maxPoints && first + static_cast<double>(i) <= last; ++i)
            AddDistinct(times, (first + static_cast<double>(i)) * clockStep);
        break;
    }
    case 1:
        for (double time : settings.times) {
            if (time >= 0 && IsDue(time, now))
                times.push_back(time);
        }
        std::sort(times.begin(), times.end());
        times.erase(std::unique(times.begin(), times.end()), times.end());
        if (times.size() > static_cast<size_t>(DrawnTimesLimit))
            times.resize(DrawnTimesLimit);
        break;
    case 2:
        if (!std::isfinite(settings.start) || settings.start < 0 || !(settings.interval > 0))
            break;
        for (long long k = 0; k < maxPoints; ++k) {
            const double time = settings.start + static_cast<double>(k) * settings.interval;
            if (!IsDue(time, now))
                break;
            AddDistinct(times, time);
        }
        break;
    default:
        break;
    }
    return times;
}
