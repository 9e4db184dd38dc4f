#include "host/services/lustring.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Decimal exponents written without an exponent part.
constexpr int SmallestPlainExponent = -9;
constexpr int LargestPlainExponent = 15;

std::string DecimalSeparator()
{
    const lconv* conventions = std::localeconv();
    if (conventions && conventions->decimal_point && *conventions->decimal_point)
        return conventions->decimal_point;
    return ".";
}

// Seventeen significant digits give back any double.
constexpr int MaxSignificantDigits = 17;

// `value` as "%.*e" writes it with `digits` significant digits, or with as
// many more as strtod needs to read back the same value: a person's 3600.125
// keeps its seventh digit. The text is then laid out from these digits and
// exponent, so the rounding is the C library's own.
void RoundedToReadBack(double value, int digits, char* scientific, size_t size)
{
    for (int precision = digits; precision <= MaxSignificantDigits; ++precision) {
        std::snprintf(scientific, size, "%.*e", precision - 1, value);
        if (std::strtod(scientific, nullptr) == value)
            return;
    }
}

void TrimTrailingZeros(std::string& digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
}

} // namespace

CString LuString::FormatReal_S(double value, int digits, bool trimZeros)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";

    char scientific[64];
    RoundedToReadBack(value, std::clamp(digits, 1, MaxSignificantDigits), scientific, sizeof scientific);

    std::string significant;
    const char* exponentPart = nullptr;
    for (const char* p = scientific; *p; ++p) {
        if (*p == 'e' || *p == 'E') {
            exponentPart = p + 1;
            break;
        }
        if (*p >= '0' && *p <= '9')
            significant += *p;
    }
    const int exponent = exponentPart ? std::atoi(exponentPart) : 0;
    const bool negative = scientific[0] == '-' && significant.find_first_not_of('0') != std::string::npos;
    const std::string separator = DecimalSeparator();

    std::string text = negative ? "-" : "";
    if (significant.find_first_not_of('0') == std::string::npos) {
        // Zero, also -0: written as "0" (with its zeros when they are kept).
        std::string fraction(significant.size() - 1, '0');
        if (trimZeros)
            fraction.clear();
        text = fraction.empty() ? "0" : "0" + separator + fraction;
        return CString(text);
    }

    if (exponent >= SmallestPlainExponent && exponent <= LargestPlainExponent) {
        std::string integerPart;
        std::string fraction;
        if (exponent >= 0) {
            const size_t integerDigits = static_cast<size_t>(exponent) + 1;
            integerPart = significant.substr(0, std::min(integerDigits, significant.size()));
            integerPart.append(integerDigits - integerPart.size(), '0');
            if (significant.size() > integerDigits)
                fraction = significant.substr(integerDigits);
        } else {
            integerPart = "0";
            fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + significant;
        }
        if (trimZeros)
            TrimTrailingZeros(fraction);
        text += integerPart;
        if (!fraction.empty())
            text += separator + fraction;
        return CString(text);
    }

    std::string fraction = significant.substr(1);
    if (trimZeros)
        TrimTrailingZeros(fraction);
    text += significant.substr(0, 1);
    if (!fraction.empty())
        text += separator + fraction;
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text += exponentText;
    return CString(text);
}
