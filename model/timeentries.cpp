#include "model/timeentries.h"

#include "host/services/lustring.h"
#include "host/services/setlocale.h"
#include "platform/core/invalidarg.h"

#include <cstdlib>

namespace {

constexpr const char* ContinuousUpdateEntry = "L";
constexpr int TimeDigits = 16;

} // namespace

CString FormatTime(double value)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    return LuString::FormatReal_S(value, TimeDigits, true);
}

CString FormatZeroRow()
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    CString text;
    text.Format("%3.1f", 0.0);
    return text;
}

ShownTimes ShowTimeEntries(TimeMode mode, const CStringArray& entries, double timeFactor)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    ShownTimes shown;
    switch (mode) {
    case TimeMode::ContinuousUpdate:
        shown.rows.push_back(FormatZeroRow());
        break;
    case TimeMode::SpecifyTimes:
        shown.rows.reserve(static_cast<size_t>(entries.GetSize()));
        for (const CString& entry : entries)
            shown.rows.push_back(FormatTime(std::atof(entry) * timeFactor));
        break;
    case TimeMode::SpecifyInterval:
        if (entries.GetSize() < 2) {
            CString text;
            text.Format("The time settings give %d time entr%s; a start time and an interval need two.",
                entries.GetSize(), entries.GetSize() == 1 ? "y" : "ies");
            AfxThrowInvalidArgException(text);
        }
        // atof stops at the "*" that marks the start time.
        shown.hasStartAndInterval = true;
        shown.startTime = FormatTime(std::atof(entries[0]) * timeFactor);
        shown.interval = FormatTime(std::atof(entries[1]) * timeFactor);
        shown.rows.push_back(FormatZeroRow());
        break;
    }
    return shown;
}

CStringArray MakeTimeEntries(
    TimeMode mode, const std::vector<double>& rowValues, double startTime, double interval, double timeFactor)
{
    CStringArray entries;
    switch (mode) {
    case TimeMode::ContinuousUpdate:
        entries.Add(ContinuousUpdateEntry);
        break;
    case TimeMode::SpecifyTimes:
        for (double value : rowValues)
            entries.Add(FormatTime(value / timeFactor));
        break;
    case TimeMode::SpecifyInterval:
        entries.Add(FormatTime(startTime / timeFactor) + "*");
        entries.Add(FormatTime(interval / timeFactor));
        break;
    }
    return entries;
}

CString FormatDefaultInterval(double value)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    CString text;
    text.Format("%g", value);
    return text;
}

CString RescaleTimeText(const CString& text, double ratio)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    return FormatTime(std::atof(text) * ratio);
}

CString TimesColumnHeading(const CString& displayUnit)
{
    return CString("Times (") + displayUnit + ")";
}
