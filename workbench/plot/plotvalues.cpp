#include "workbench/plot/plotvalues.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Folded(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

} // namespace

double InterpolateGiven(const GivenValues& table, size_t element, double seconds)
{
    const std::vector<double>& times = table.Times();
    const auto valueAt = [&](size_t row) { return table.At(row, element); };
    if (times.empty() || table.rowCount() != times.size())
        return 0.0;
    if (seconds <= times.front())
        return valueAt(0);
    if (seconds >= times.back())
        return valueAt(times.size() - 1);
    const size_t after = static_cast<size_t>(std::upper_bound(times.begin(), times.end(), seconds) - times.begin());
    const size_t before = after - 1;
    // In long double: the times' differences need not be doubles.
    const double share = static_cast<double>(
        (static_cast<long double>(seconds) - times[before]) / (static_cast<long double>(times[after]) - times[before]));
    // Weighted, not a + share x (b - a): the difference of values near the
    // largest double overflows.
    return (1 - share) * valueAt(before) + share * valueAt(after);
}

double VariableValues::At(const PlotElement& element, double seconds) const
{
    if (m_given)
        return InterpolateGiven(*m_given, element.flatIndex, seconds);
    if (seconds != m_frontSeconds) {
        m_front = m_simulated.Front(seconds);
        m_frontSeconds = seconds;
    }
    return m_simulated.AtFront(element.place, element.offset, m_front);
}

double PlotElement::At(double seconds) const
{
    return source ? source->At(*this, seconds) : 0.0;
}

PlotValues::PlotValues(const std::vector<GivenValues>& given)
{
    for (const GivenValues& table : given)
        m_given.emplace(Folded(table.variable.str()), &table);
}

VariableValues PlotValues::For(const std::string& variablePath) const
{
    const auto found = m_given.find(Folded(variablePath));
    return VariableValues(found == m_given.end() ? nullptr : found->second, SimulatedProfile::For(variablePath));
}
