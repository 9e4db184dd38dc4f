#pragma once

// The display time units the workbench offers. Times are kept in seconds (the
// communication unit); display time = seconds x factor.

#include "platform/core/types.h"

#include <QString>

#include <vector>

struct TimeUnit {
    const char* name; // "s", "min", "h": the text the documents show
    double factor; // display time per second
    UINT command; // the menu command that chooses it
};

const std::vector<TimeUnit>& TimeUnits();
// The unit named `name`, or null.
const TimeUnit* FindTimeUnit(const QString& name);
// The unit chosen by `command`, or null.
const TimeUnit* TimeUnitForCommand(UINT command);
const TimeUnit& SecondsUnit();

// "90 s", "1.5 min": `seconds` shown in `unit`.
QString FormatTime(double seconds, const TimeUnit& unit);
