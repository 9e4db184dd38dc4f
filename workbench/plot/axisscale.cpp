#include "workbench/plot/axisscale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Spans and steps are worked out in long double, whose range holds the
// difference of any two doubles and a tenth of the smallest denormal.
static_assert(std::numeric_limits<long double>::max_exponent > std::numeric_limits<double>::max_exponent
        && std::numeric_limits<long double>::min_exponent < std::numeric_limits<double>::min_exponent - 60,
    "axis arithmetic needs a long double wider than double");

constexpr double Largest = std::numeric_limits<double>::max();
// The ends of a range stay within this, so that its span is a finite double
// too (Qt's value axes take the difference of the ends in double).
constexpr double EndLimit = Largest / 2;
// Narrower spans count as one value: one over the span, as Qt's axes take it
// to place points, must be a finite double.
constexpr double MinimumSpan = 1e-290;

double ToDouble(long double value)
{
    return static_cast<double>(
        std::clamp(value, static_cast<long double>(-Largest), static_cast<long double>(Largest)));
}

} // namespace

// The shortest 'g' text, from 5 up to 17 digits, that tells every tick apart.
void LabelAxisTicks(std::vector<AxisTick>& ticks)
{
    for (int digits = 5; digits <= 17; ++digits) {
        bool distinct = true;
        for (size_t i = 0; i < ticks.size(); ++i) {
            ticks[i].text = QString::number(ticks[i].value, 'g', digits);
            distinct = distinct && (i == 0 || ticks[i].text != ticks[i - 1].text);
        }
        if (distinct)
            return;
    }
}

double AxisRange::Fraction(double value) const
{
    const long double span = static_cast<long double>(high) - low;
    return static_cast<double>((static_cast<long double>(value) - low) / span);
}

double AxisRange::At(double fraction) const
{
    return ToDouble(low + static_cast<long double>(fraction) * (static_cast<long double>(high) - low));
}

AxisRange DisplayRange(double low, double high)
{
    AxisRange range;
    if (!std::isfinite(low) || !std::isfinite(high) || low > high)
        return range;
    low = std::clamp(low, -EndLimit, EndLimit);
    high = std::clamp(high, -EndLimit, EndLimit);
    if (high - low >= MinimumSpan) {
        range.low = low;
        range.high = high;
        return range;
    }
    // One value: half a unit either side, or a millionth of it where that is more.
    const double middle = low / 2 + high / 2;
    const double pad = std::max(0.5, std::fabs(middle) * 1e-6);
    range.low = std::max(-EndLimit, middle - pad);
    range.high = std::min(EndLimit, middle + pad);
    return range;
}

std::vector<AxisTick> AxisTicks(const AxisRange& range, int most)
{
    std::vector<AxisTick> ticks = AxisTickValues(range, most);
    LabelAxisTicks(ticks);
    return ticks;
}

std::vector<AxisTick> AxisTickValues(const AxisRange& range, int most)
{
    std::vector<AxisTick> ticks;
    most = std::clamp(most, 2, AxisTickLimit);
    const long double low = range.low;
    const long double high = range.high;
    if (!std::isfinite(range.low) || !std::isfinite(range.high) || !(high > low))
        return ticks;
    const long double rough = (high - low) / (most - 1);
    const long double magnitude = std::pow(10.0L, std::floor(std::log10(rough)));
    long double step = magnitude;
    for (long double factor : {1.0L, 2.0L, 2.5L, 5.0L, 10.0L}) {
        step = factor * magnitude;
        if (step >= rough)
            break;
    }
    if (std::isfinite(step) && step > 0) {
        // Counted by index, so that every round moves on however small the step.
        const long double first = std::ceil(low / step);
        const long double last = std::floor(high / step);
        for (int i = 0; i <= AxisTickLimit && first + i <= last && ticks.size() < static_cast<size_t>(most); ++i) {
            long double at = (first + i) * step;
            if (std::fabs(at) < step * 1e-9L)
                at = 0;
            const double value = ToDouble(at);
            // Ticks closer than the spacing of doubles fall together.
            if (value >= range.low && value <= range.high && (ticks.empty() || value > ticks.back().value))
                ticks.push_back({value, QString()});
        }
    }
    // A span of a few doubles may have no round tick within: label the ends.
    if (ticks.empty())
        ticks = {{range.low, QString()}, {range.high, QString()}};
    return ticks;
}
