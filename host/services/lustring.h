#pragma once

// Number text in the host's conventions.

#include "platform/core/cstring.h"

class LuString {
public:
    // Decimal text of `value` with `digits` significant digits (clamped to 1..17),
    // in the C library's current numeric locale (its decimal separator, no
    // thousands grouping), so that atof and sscanf("%lf") read it back as the
    // same value as far as the digits allow: 16 digits give back ordinary values
    // such as 0.1, 2.5, 1e-7 or 12345.678 exactly; 17 give back any double.
    //
    // Form: the value rounded to `digits` significant digits as "%.*e" rounds it,
    // then written without exponent when its decimal exponent lies in -9..15
    // ("0.0000001", "12345.678", "2500000"), else with one ("1.5e+20",
    // "1e-12"). With `trimZeros` true, trailing zeros of the fraction and a
    // separator left bare are dropped ("2.5", "2", "0"); with false, every
    // significant digit stays ("2.50000" for 2.5 with 6 digits). Infinities and
    // NaN give "inf", "-inf" and "nan", which strtod reads back.
    static CString FormatReal_S(double value, int digits, bool trimZeros);
};
