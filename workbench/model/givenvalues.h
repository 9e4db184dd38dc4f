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

#include <cstdint>
#include <memory>
#include <vector>

class JsonStreamWriter;

// A table of values: one row per time, one value per element the table
// gives. Tables read from one results file share their times.
struct GivenValues {
    CString variable;
    std::shared_ptr<const std::vector<double>> times; // seconds, increasing
    // The flat indexes (last subscript fastest) of the elements the table
    // gives, increasing; empty when it gives every element.
    std::vector<uint64_t> givenElements;
    size_t width = 0; // values in a row
    std::vector<double> values; // the rows one after another

    // A table giving every element: one row of `rows` per time.
    static GivenValues Dense(
        const CString& variable, std::vector<double> times, const std::vector<std::vector<double>>& rows);

    const std::vector<double>& Times() const;
    size_t rowCount() const { return width == 0 ? 0 : values.size() / width; }
    // The value of element `element` (a flat index) at row `row`; NaN, a
    // missing value, for an element the table does not give.
    double At(size_t row, uint64_t element) const;

    bool operator==(const GivenValues& other) const;
};

// Reads the model file's "values" array, adding its tables to `out`. Refuses,
// with the place in `error`, a variable that is not in `blocks` or is given
// twice (in `out` already too), times that are not
// finite and increasing, and rows that do not hold one finite number per element.
bool ReadGivenValues(const QJsonValue& value, const HostModel& blocks, std::vector<GivenValues>& out, QString& error);
// Writes `values` as the model file's "values" array.
void WriteGivenValues(JsonStreamWriter& out, const std::vector<GivenValues>& values);
