#pragma once

// Figures the benchmarks print from repeated measurements of one side: the
// median and the 90th percentile, so that one slow round (a page fault storm, a
// busy neighbour) moves neither, and the ratio of two sides' medians.

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

struct SampleStats {
    double median = 0;
    double p90 = 0;
};

// The median and the 90th percentile (nearest rank) of `samples`.
inline SampleStats StatsOf(std::vector<double> samples)
{
    SampleStats stats;
    if (samples.empty())
        return stats;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    stats.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    const size_t rank = (n * 9 + 9) / 10; // ceil(0.9 n), 1-based
    stats.p90 = samples[std::min(n, std::max<size_t>(rank, 1)) - 1];
    return stats;
}

// "name median p90" in milliseconds, for one side of a comparison, and the
// median number of page faults of its rounds where it is given.
inline void PrintStats(const char* name, const SampleStats& stats, double faults = -1)
{
    std::printf("  %-34s median %10.3f ms   p90 %10.3f ms", name, stats.median, stats.p90);
    if (faults >= 0)
        std::printf("   %8.0f faults", faults);
    std::printf("\n");
}

// The ratio of two sides' medians and of their 90th percentiles.
inline void PrintRatio(const char* name, const SampleStats& ours, const SampleStats& baseline)
{
    const double median = baseline.median > 0 ? ours.median / baseline.median : 0;
    const double p90 = baseline.p90 > 0 ? ours.p90 / baseline.p90 : 0;
    std::printf("  %-34s ratio  %10.3f (median)  %6.3f (p90)\n", name, median, p90);
}
