#pragma once

// Number text in the host's conventions.

#include "platform/core/cstring.h"

class LuString {
public:
    // Decimal text of `value` with at least `digits` significant digits
    // (clamped to 1..17), and as many more as it takes for atof and
    // sscanf("%lf") to read back the same value: 3600.125 with 6 digits is
    // "3600.125", 2/3 with 6 is "0.6666666666666666", 0.1 with 16 is "0.1".
    // Written in the C library's current numeric locale (its decimal
    // separator, no thousands grouping).
    //
    // Form: the value rounded as "%.*e" rounds it to those digits, then
    // written without exponent when its decimal exponent lies in -9..15
    // ("0.0000001", "12345.678", "2500000"), else with one ("1.5e+20",
    // "1e-12"). With `trimZeros` true, trailing zeros of the fraction and a
    // separator left bare are dropped ("2.5", "2", "0"); with false, every
    // significant digit stays ("2.50000" for 2.5 with 6 digits). Infinities and
    // NaN give "inf", "-inf" and "nan", which strtod reads back.
    static CString FormatReal_S(double value, int digits, bool trimZeros);
};
