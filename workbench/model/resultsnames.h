#pragma once

// A results file's column names read as variable paths: the host's form
// ("Column.T(3)", "Column.x(2,1)", "Column.R") or the bracket form that
// equation-based simulators write ("column.T[3]", "x[2,1]", "tank.level").

#include "platform/core/cstring.h"

#include <QString>

#include <string>
#include <vector>

struct ResultsColumnName {
    std::string block; // empty when the name has no block path
    std::string variable;
    std::vector<UINT> subscripts; // empty for a scalar
};

enum class ColumnNameKind {
    Variable,
    NotAVariable, // a name such as "der(x)": its column is passed over
    Fault, // a subscript of 0 or above LargestModelExtent
};

// Reads `name`; for a fault, `error` says why.
ColumnNameKind ReadColumnName(const std::string& name, ResultsColumnName& out, QString& error);
