#pragma once

// The workbench's stand-in for simulation results: every model variable has a
// value at every element and time, a smooth front that moves along the
// variable's first subscript as time goes on.
//
//   value = offset + scale x (1 + 0.25 x c) x S(u)
//   S(u)  = (1 + tanh u) / 2
//   u     = (front(t) - s) / width    for a falling profile (high before the front)
//   u     = (s - front(t)) / width    for a rising one
//   front(t) = -0.1 + 1.2 x (1 - exp(-t / tau))
//
// s is the element's place along its first subscript, (i - 1) / (n - 1) (0 for
// a scalar or an extent of 1); c adds up (subscript - 1) over the other
// subscripts, so that x(*,2) lies above x(*,1). The parameters come from h, the
// 64-bit FNV-1a hash of the variable's full path in lower case ("column.t"):
// offset = 10 x (h mod 40), scale = 20 + (h / 40 mod 81),
// tau = 300 + 100 x (h / 3240 mod 34) seconds, width = 0.05 + 0.01 x (h / 110160 mod 16),
// falling when bit 40 of h is 0.

#include "platform/core/types.h"

#include <string_view>
#include <vector>

struct SimulatedProfile {
    double offset = 0;
    double scale = 1;
    double tau = 1;
    double width = 0.1;
    bool falling = true;

    // The parameters of the variable `variablePath` ("Column.T").
    static SimulatedProfile For(std::string_view variablePath);

    double At(double s, double c, double seconds) const { return AtFront(s, c, Front(seconds)); }
    // The same in two steps, for many elements at one time.
    double Front(double seconds) const;
    double AtFront(double s, double c, double front) const;
};

// s and c of an element, as above, from its subscripts (1-based) and the
// variable's extents.
double ElementPlace(const std::vector<UINT>& subscripts, const std::vector<UINT>& extents);
double ElementOffset(const std::vector<UINT>& subscripts);
