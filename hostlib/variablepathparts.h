#pragma once

// A variable path taken apart, as the model's look-ups read it: "Area1.B1.X(3, 1)"
// gives the block "Area1.B1", the name "X" and the subscripts "3, 1".
// Variable names hold no '.', so the block is everything before the last one
// (empty when there is none).

#include <string_view>

struct VariablePathParts {
    std::string_view block;
    std::string_view name;
    std::string_view subscripts;
    bool hasSubscripts = false;
};

// False when the path ends in ')' without a '(' before it.
bool SplitVariablePath(std::string_view path, VariablePathParts& parts);
