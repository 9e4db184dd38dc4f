#pragma once

// Which times a profile plot draws, from its time settings and the simulated
// clock. All times are seconds.

#include "hostlib/plotdefinition.h"

#include <vector>

// A definition's time settings, read from its time entries (kept with "." as
// the decimal separator).
struct PlotTimeSettings {
    int mode = 0; // 0 continuous update, 1 specified times, 2 start time and interval
    std::vector<double> times; // mode 1
    double start = 0; // mode 2
    double interval = 0; // mode 2
    int maxPoints = 1;
};

PlotTimeSettings ReadPlotTimeSettings(const PlotDefinition& definition);

// The most times a plot draws, whatever its maximum number of points says.
inline constexpr int DrawnTimesLimit = 10000;

// The times drawn at clock `now`, ascending:
// - continuous update: every step of the clock (0, step, 2 x step...) up to
//   `now`, the latest `maxPoints` of them;
// - specified times: each given time up to `now`, once;
// - start time and interval: start + k x interval up to `now`, the first
//   `maxPoints` of them.
// A maximum below 1 counts as 1. Empty before the first time is due. Each time
// is drawn once, also where the clock is so far on that steps fall together.
std::vector<double> DrawnTimes(const PlotTimeSettings& settings, double now, double clockStep);
