// Number text under the C and the comma-decimal locale: any double, with any
// digit count, is formatted as documented and reads back with strtod under the
// same locale as the same value.

#include "host/services/lustring.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>

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
    if (!std::isnan(value) && read != value)
        std::abort(); // any double, with any digit count, reads back exactly
    if (!trimZeros && std::isfinite(value) && value != 0) {
        // Never fewer significant digits than asked for.
        const int asked = digits < 1 ? 1 : (digits > 17 ? 17 : digits);
        int significant = 0;
        for (const char* p = begin + std::strcspn(begin, "123456789"); *p && *p != 'e'; ++p)
            significant += (*p >= '0' && *p <= '9') ? 1 : 0;
        if (significant < asked)
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
