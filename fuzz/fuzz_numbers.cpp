// Number text under the C and the comma-decimal locale: any double, with any
// digit count, is formatted as documented and reads back with strtod under the
// same locale (exactly with 17 digits).

#include "host/services/lustring.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void Check(double value, int digits, bool trimZeros)
{
    const CString text = LuString::FormatReal_S(value, digits, trimZeros);
    const char* begin = text;
    if (text.IsEmpty() || std::strchr(begin, ' '))
        std::abort();
    const char separator = *std::localeconv()->decimal_point;
    if (std::strchr(begin, separator == '.' ? ',' : '.'))
        std::abort(); // the other locale's separator, or grouping
    char* end = nullptr;
    const double read = std::strtod(begin, &end);
    if (*end != '\0')
        std::abort(); // strtod reads the whole text
    if (std::isnan(value) != std::isnan(read))
        std::abort();
    if (!std::isnan(value) && digits >= 17 && read != value)
        std::abort();
    if (std::isfinite(value) && value != 0) {
        // Rounded to the digits asked for: within half a unit in the last
        // place. Near the largest double, rounding up may leave the range.
        const int kept = digits < 1 ? 1 : (digits > 17 ? 17 : digits);
        const double tolerance = std::fabs(value) * std::pow(10.0, 1 - kept);
        const bool roundedPastLargest
            = std::isinf(read) && std::fabs(value) + tolerance > std::numeric_limits<double>::max();
        if (!roundedPastLargest && std::fabs(read - value) > tolerance)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Made by scripts/install-dependencies.sh; without it the second half
    // would check the C locale twice.
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        std::abort();
    std::setlocale(LC_NUMERIC, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(double) + 2)
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const int digits = static_cast<int8_t>(data[sizeof value]);
    const bool trimZeros = data[sizeof value + 1] & 1;
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        std::setlocale(LC_NUMERIC, locale);
        Check(value, digits, trimZeros);
    }
    std::setlocale(LC_NUMERIC, "C");
    return 0;
}
