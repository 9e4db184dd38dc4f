#pragma once

// The registry of the model the host shows: blocks (by path, "B1" or
// "Area1.B1") holding variables (scalar or array, with attribute bits).
// LuInstance::QueryInstance finds variables here by path. Look-ups ignore case
// and go through hash tables, so that a query costs the same for ten
// variables as for ten thousand.

#include "platform/core/cstring.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Whether `text` can be a name: not empty or blank (spaces and tabs only), and
// without control characters anywhere in it, NUL included.
bool IsPrintableName(const std::string& text);
// `text` in double quotes for a message, with control characters, '"' and
// '\\' escaped as JSON escapes them: "T\u0000".
QString QuotedName(const CString& text);

class HostModel {
public:
    struct Variable {
        CString name; // "T", without block or subscript
        uint32_t attributes = 0; // bits such as ModelVariableWidenableAttribute
        std::vector<UINT> extents; // one per subscript; empty for a scalar
    };

    struct Block {
        CString path;
        std::vector<Variable> variables; // in the order they were added
    };

    // What a path names: a variable, or one element or slice of an array
    // variable. The pointers stay valid until the model next changes.
    struct Match {
        const Block* block = nullptr;
        const Variable* variable = nullptr;
        CString path; // written as the model writes it: "B1.T", "B1.X(2,1)", "B1.T(*)"
    };

    // The registry the host's services search (the workbench fills it from its
    // model file).
    static HostModel& Shared();

    void Clear();

    // Adds an empty block. Refuses, with a reason in `error`, a path with
    // control characters (anywhere, NUL too), '(', ')', ',' or an empty or
    // blank part ("B1..T", " "), and a path that exists already (ignoring case,
    // non-ASCII letters too).
    bool AddBlock(const CString& path, QString* error = nullptr);
    // Adds a variable to an existing block. Refuses an empty or blank name, a
    // name with control characters or any of ".(),*?~", a zero extent and a
    // name the block holds already (ignoring case).
    bool AddVariable(const CString& blockPath, const Variable& variable, QString* error = nullptr);

    const std::vector<Block>& blocks() const { return m_blocks; }
    int variableCount() const { return static_cast<int>(m_variableIndex.size()); }
    const Block* FindBlock(const char* path) const;

    // The variable `path` names ("B1.T"), or an element of it with one
    // subscript per extent, each a number from 1 to the extent or "*" ("B1.T(3)",
    // "B1.X(2, 1)", "B1.T(*)"). Case is ignored.
    std::optional<Match> FindVariable(const char* path) const;

private:
    std::vector<Block> m_blocks;
    std::unordered_map<std::string, size_t> m_blockIndex; // lower-case path
    std::unordered_map<std::string, std::pair<size_t, size_t>> m_variableIndex; // lower-case full path
};
