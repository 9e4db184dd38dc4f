#pragma once

// The time settings as the host's plot-definition object carries them: a list
// of texts whose form depends on the time mode, in communication time units.
// The editor shows every time in display units: display = communication x factor.
// Numbers are read and written in the user's numeric conventions.

#include "platform/core/collections.h"
#include "platform/core/cstring.h"

#include <vector>

enum class TimeMode : int32_t {
    ContinuousUpdate = 0,
    SpecifyTimes = 1,
    SpecifyInterval = 2,
};

// What the time page shows after a load, in display units.
struct ShownTimes {
    std::vector<CString> rows; // the times list, in the host's order
    bool hasStartAndInterval = false;
    CString startTime;
    CString interval;
};

// Mode 0: one row "0.0" ("%3.1f" of zero); mode 1: one row per entry; mode 2:
// the start time from entry 0 (its "*" ignored) and the interval from entry 1,
// and one row "0.0". Raises CInvalidArgException when mode 2 has fewer than
// two entries. Another mode shows nothing.
ShownTimes ShowTimeEntries(TimeMode mode, const CStringArray& entries, double timeFactor);

// Mode 0: "L"; mode 1: one entry per row value; mode 2: the start time
// followed by "*", then the interval. Values are display times; entries are
// communication times.
CStringArray MakeTimeEntries(
    TimeMode mode, const std::vector<double>& rowValues, double startTime, double interval, double timeFactor);

// A time as the page shows it: FormatReal_S with 16 digits, zeros trimmed.
CString FormatTime(double value);
// Zero as a row that stands for no time shows it: "%3.1f".
CString FormatZeroRow();
// The default interval as the interval field first shows it: "%g".
CString FormatDefaultInterval(double value);
// A shown time multiplied by `ratio` on a change of the display unit: the
// leading number of `text` (0 when there is none), written as FormatTime writes.
CString RescaleTimeText(const CString& text, double ratio);
// The heading of the times column: "Times (" + unit + ")".
CString TimesColumnHeading(const CString& displayUnit);
