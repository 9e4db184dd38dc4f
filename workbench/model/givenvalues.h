#pragma once

// Values the model file gives for a variable in place of the simulated ones:
// a table with one row per time, each row holding a value for every element.
//
//   "values": [
//     {"variable": "Column.z", "times": [0, 3600], "rows": [[0, 0.5, ...], [0, 0.6, ...]]}
//   ]
//
// `variable` is the full path of a variable of the model (block path, ".",
// name; no subscripts); `times` are seconds, increasing; each row holds one
// value per element, the last subscript running fastest (a scalar has one).

#include "hostlib/hostmodel.h"

#include <QJsonValue>
#include <QString>

class JsonStreamWriter;

#include <vector>

struct GivenValues {
    CString variable;
    std::vector<double> times;
    std::vector<std::vector<double>> rows;

    bool operator==(const GivenValues& other) const
    {
        return variable == other.variable && times == other.times && rows == other.rows;
    }
};

// Reads the model file's "values" array. Refuses, with the place in `error`, a
// variable that is not in `blocks` or is given twice, times that are not
// finite and increasing, and rows that do not hold one finite number per element.
bool ReadGivenValues(const QJsonValue& value, const HostModel& blocks, std::vector<GivenValues>& out, QString& error);
// Writes `values` as the model file's "values" array.
void WriteGivenValues(JsonStreamWriter& out, const std::vector<GivenValues>& values);
