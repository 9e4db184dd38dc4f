#pragma once

// The values a plot draws: the model file's table where it gives one for the
// variable, interpolated linearly between its times (the first row before the
// first time, the last after the last), else the simulated values.

#include "workbench/model/givenvalues.h"
#include "workbench/plot/simulatedvalues.h"

#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

class VariableValues;

// One element of a variable, placed for the value functions.
struct PlotElement {
    const VariableValues* source = nullptr; // the variable's values
    size_t flatIndex = 0; // in the variable's elements, the last subscript running fastest
    double place = 0; // s of the simulated values
    double offset = 0; // c of the simulated values
    int position = 1; // where it stands along the plot's x axis: its first subscript

    double At(double seconds) const;
};

// The value of element `element` of `table` at `seconds`.
double InterpolateGiven(const GivenValues& table, size_t element, double seconds);

// The source of one variable's values.
class VariableValues {
public:
    VariableValues(const GivenValues* given, SimulatedProfile simulated) : m_given(given), m_simulated(simulated) { }
    double At(const PlotElement& element, double seconds) const;

private:
    const GivenValues* m_given;
    SimulatedProfile m_simulated;
    // The front at the time last asked for: a plot asks for many elements at one time.
    mutable double m_frontSeconds = std::numeric_limits<double>::quiet_NaN();
    mutable double m_front = 0;
};

class PlotValues {
public:
    // `given` must outlive this object.
    explicit PlotValues(const std::vector<GivenValues>& given);

    VariableValues For(const std::string& variablePath) const;

private:
    std::unordered_map<std::string, const GivenValues*> m_given; // by lower-case path
};
