#include "model/timevalues.h"

#include "host/services/lustring.h"
#include "host/services/setlocale.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int EditedTimeDigits = 16;
constexpr int FieldTimeDigits = 6;

// atof's value of `text` under the numeric locale whose decimal point is
// `point`. A plain number (what the editor writes) is read without the
// locale's machinery, several times faster; anything else goes to atof.
double ReadTimeText(const CString& text, char point)
{
    char plain[64];
    const int length = text.GetLength();
    bool simple = length > 0 && length < static_cast<int>(sizeof plain);
    for (int i = 0; simple && i < length; ++i) {
        const char ch = text.GetString()[i];
        // In a locale with a decimal comma, atof stops at a '.'.
        simple = ch != '.' || point == '.';
        plain[i] = ch == point ? '.' : ch;
    }
    double value = 0;
    if (simple) {
        const auto [end, error] = std::from_chars(plain, plain + length, value);
        if (error == std::errc() && end == plain + length)
            return value;
    }
    return std::atof(text);
}

} // namespace

bool ReadLeadingReal(const char* text, double& value)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    return text && std::sscanf(text, "%lf", &value) == 1;
}

const char* TimeValueProblem(const char* text, TimeRule rule)
{
    double value = 0;
    // "nan" and "inf" read as numbers, but no time can be one.
    if (!ReadLeadingReal(text, value) || !std::isfinite(value))
        return "Value is not a real value.";
    if (rule == TimeRule::Interval && !(value > 0))
        return "Time intervals must be greater than zero.";
    if (rule == TimeRule::Time && value < 0)
        return "Times cannot be less than zero.";
    return nullptr;
}

CString FormatEditedTime(double value)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    CString text = LuString::FormatReal_S(value, EditedTimeDigits, true);
    const int length = text.GetLength();
    if (length > 0 && !std::isdigit(static_cast<unsigned char>(text.GetString()[length - 1])))
        text += "0";
    return text;
}

CString FormatFieldTime(double value)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    return LuString::FormatReal_S(value, FieldTimeDigits, true);
}

int CompareTimeValues(double first, double second)
{
    const bool firstIsNumber = !std::isnan(first);
    const bool secondIsNumber = !std::isnan(second);
    if (firstIsNumber != secondIsNumber)
        return firstIsNumber ? -1 : 1;
    if (!firstIsNumber)
        return 0;
    const double difference = first - second;
    return difference > 0 ? 1 : difference < 0 ? -1 : 0;
}

std::vector<int> DuplicateTimeRows(const std::vector<double>& sortedValues)
{
    std::vector<int> rows;
    for (size_t row = 1; row < sortedValues.size(); ++row) {
        if (sortedValues[row] == sortedValues[row - 1])
            rows.push_back(static_cast<int>(row));
    }
    return rows;
}

double TimeTextValue(const char* text)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    return text ? std::atof(text) : 0.0;
}

std::vector<double> TimeTextValues(const std::vector<CString>& texts)
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    const char point = *std::localeconv()->decimal_point;
    std::vector<double> values;
    values.reserve(texts.size());
    for (const CString& text : texts)
        values.push_back(ReadTimeText(text, point));
    return values;
}

TimeFieldsCheck CheckTimeFields(const CString& interval, const CString& startTime)
{
    // Text without a number passes here: the field's own check has reported it.
    // A number that is not finite never reaches the host.
    double value = 0;
    if (interval.IsEmpty())
        return TimeFieldsCheck::IntervalEmpty;
    if (ReadLeadingReal(interval, value) && TimeValueProblem(interval, TimeRule::Interval))
        return TimeFieldsCheck::IntervalOutOfRange;
    if (startTime.IsEmpty())
        return TimeFieldsCheck::StartTimeEmpty;
    if (ReadLeadingReal(startTime, value) && TimeValueProblem(startTime, TimeRule::Time))
        return TimeFieldsCheck::StartTimeOutOfRange;
    return TimeFieldsCheck::Pass;
}
