#pragma once

// Axis ranges, ticks and positions along an axis that stay finite and bounded
// for any values a model may give: spans wider than the largest double
// (-1e308 to 1e308), spans narrower than the spacing of doubles (1e16 to the
// next double), denormals, and values that are not finite (left out).

#include <QString>

#include <cmath>

#include <vector>

// A range to draw values over: finite, `low` < `high`, and wide enough that
// doubles between the ends can be told apart.
struct AxisRange {
    double low = 0;
    double high = 1;

    // Where `value` lies from `low` (0) to `high` (1); NaN stays NaN, values
    // beyond the ends lie beyond 0 and 1. Never overflows.
    double Fraction(double value) const;
    // The value `fraction` of the way from `low` to `high`. Never overflows.
    double At(double fraction) const;
};

// The range to draw the values from `low` to `high` over: a single value (or
// a span below 1e-290, such as between denormals) is widened around it; ends
// beyond half the largest double are brought back to it, so that the span is
// a finite double; ends that are not finite give 0 to 1.
AxisRange DisplayRange(double low, double high);

// Widens `low` to `high` to take `value` when it is finite (start from
// infinity and minus infinity: low > high after no finite value).
// Inline: it runs once per value of a map.
inline void WidenToFinite(double value, double& low, double& high)
{
    if (std::isfinite(value)) {
        low = value < low ? value : low;
        high = value > high ? value : high;
    }
}

// The most ticks an axis gets, whatever it is asked for.
inline constexpr int AxisTickLimit = 100;

struct AxisTick {
    double value;
    QString text;
};

// Round ticks (1, 2, 2.5 or 5 times a power of ten apart) within `range`,
// at most `most` (and AxisTickLimit) of them, ascending and distinct, each
// with its label in as many digits as tell the ticks apart.
std::vector<AxisTick> AxisTicks(const AxisRange& range, int most);
// The same ticks unlabelled (texts empty), and their labelling: for a caller
// that tries several counts and needs the labels of only some.
std::vector<AxisTick> AxisTickValues(const AxisRange& range, int most);
void LabelAxisTicks(std::vector<AxisTick>& ticks);
