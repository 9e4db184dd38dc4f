#pragma once

// What the benchmarks share: the sizes asked for on the command line and the
// best of a few runs.

#include <algorithm>
#include <cstdlib>
#include <vector>

// The sizes given as arguments, or `defaults` when there are none.
inline std::vector<int> SizesFromArguments(int argc, char** argv, std::vector<int> defaults)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    return sizes.empty() ? defaults : sizes;
}

// The least of `runs` measurements: the first run of each also pays for the
// pages the process has not touched yet, which would favour whatever runs after it.
template <class Measure> double BestOf(int runs, Measure measure)
{
    double best = measure();
    for (int run = 1; run < runs; ++run)
        best = std::min(best, measure());
    return best;
}
