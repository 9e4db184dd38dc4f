#pragma once

// Times and intervals typed by the user: reading them as the C library's
// sscanf("%lf") does (the leading number counts, the rest is ignored), the
// rules they must meet, how an edited time is written back, and the numeric
// order and thinning of the times list. Numbers are read and written in the
// user's numeric conventions.

#include "platform/core/cstring.h"

#include <vector>

// Reads the leading real number of `text` (leading white space skipped);
// false when there is none.
bool ReadLeadingReal(const char* text, double& value);

enum class TimeRule {
    Time, // zero or more
    Interval, // more than zero
};

// The message for `text` under `rule`, or null when it is a valid value. A
// value that is not a finite number counts as no real value at all.
const char* TimeValueProblem(const char* text, TimeRule rule);

// The time fields as Apply checks them (texts already trimmed).
enum class TimeFieldsCheck {
    Pass,
    IntervalEmpty, // told with a box, the interval field focused
    IntervalOutOfRange, // told by the field's own check, no box
    StartTimeEmpty, // told with a box, the start-time field focused
    StartTimeOutOfRange, // told by the field's own check, no box
};
TimeFieldsCheck CheckTimeFields(const CString& interval, const CString& startTime);

// An edited row's text: FormatReal_S with 16 digits, and a trailing "0" when
// the text would end in something other than a digit (a bare separator).
CString FormatEditedTime(double value);
// A start time or interval after its field's check: FormatReal_S with 6 digits.
CString FormatFieldTime(double value);

// -1, 0 or 1 by the sign of first - second; a value that is not a number sorts
// after every number, so that the order stays a strict weak order.
int CompareTimeValues(double first, double second);

// The rows of a sorted list to delete so that no two neighbours hold equal
// values, in ascending order: every row equal to the row before it.
std::vector<int> DuplicateTimeRows(const std::vector<double>& sortedValues);

// The leading number of a shown time, 0 when there is none (atof).
double TimeTextValue(const char* text);
// The same for many texts at once, under one switch of the numeric locale.
std::vector<double> TimeTextValues(const std::vector<CString>& texts);
