#pragma once

// The registry of the model the host shows: blocks (by path, "B1" or
// "Area1.B1") holding variables (scalar or array, with attribute bits).
// LuInstance::QueryInstance finds variables here by path. Look-ups ignore case
// and go through hash tables, so that a query costs the same for ten
// variables as for ten thousand.

#include "platform/core/cstring.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Whether every byte of `text` is ASCII (below 0x80): such a name reads the
// same in any locale encoding and folds case without tables.
bool IsAscii(std::string_view text);
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

    // A variable's extents as the block stores them.
    struct Extents {
        const UINT* first = nullptr;
        size_t count = 0;

        const UINT* begin() const { return first; }
        const UINT* end() const { return first + count; }
        size_t size() const { return count; }
        bool empty() const { return count == 0; }
        UINT operator[](size_t index) const { return first[index]; }
    };

    // A block and its variables, stored compactly: one small record per
    // variable, the names in one text and the extents in one array, so that a
    // model of millions of variables costs tens of bytes for each.
    class Block {
    public:
        CString path;

        size_t variableCount() const { return m_records.size(); }
        std::string_view NameAt(size_t index) const;
        uint32_t AttributesAt(size_t index) const { return m_records[index].attributes; }
        Extents ExtentsAt(size_t index) const;
        Variable VariableAt(size_t index) const;

        bool operator==(const Block& other) const;

    private:
        friend class HostModel;

        // A variable's name and extents run up to where the next variable's
        // begin (the end of the text or array for the last one), so a record
        // holds only where they start.
        struct Record {
            uint32_t nameOffset;
            uint32_t extentOffset;
            uint32_t attributes;
        };

        void Append(const Variable& variable);
        void Squeeze();
        // The slot holding the variable `name`, or the free slot where it would go.
        size_t SlotOf(std::string_view name) const;
        void GrowSlots();
        // Where the name and the extents of the variable after `index` begin.
        Record EndOf(size_t index) const;

        std::vector<Record> m_records; // in the order they were added
        std::string m_names;
        std::vector<UINT> m_extents;
        // Open addressing over the block's variables, case folded: the
        // variable's index + 1, 0 for a free slot. Four bytes a slot, and a
        // block's table is small enough to stay in the cache while it fills.
        std::vector<uint32_t> m_slots;
    };

    // What a path names: a variable, or one element or slice of an array
    // variable. `block` stays valid until the model next changes.
    struct Match {
        const Block* block = nullptr;
        size_t variableIndex = 0; // in the block
        Variable variable;
        CString path; // written as the model writes it: "B1.T", "B1.X(2,1)", "B1.T(*)"
    };

    HostModel();

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
    // name with control characters or any of ".(),*?~", a zero extent,
    // extents whose product passes ElementCountLimit and a name the block
    // holds already (ignoring case).
    bool AddVariable(const CString& blockPath, const Variable& variable, QString* error = nullptr);
    // The same for the block at `block` in blocks(): what a reader filling a
    // block uses, as finding a block by its path reads the whole path.
    bool AddVariable(size_t block, const Variable& variable, QString* error = nullptr);

    // The most elements a variable may have: what a signed 64-bit count
    // holds, so that element counts and flat indexes never wrap.
    static constexpr uint64_t ElementCountLimit = 0x7FFFFFFFFFFFFFFFull;
    // The product of `extents` (1 for a scalar); false when it passes ElementCountLimit.
    static bool CountElements(const std::vector<UINT>& extents, uint64_t& count);

    const std::vector<Block>& blocks() const { return m_data->blocks; }
    int variableCount() const { return static_cast<int>(m_data->variableCount); }
    const Block* FindBlock(const char* path) const;

    // The variable `path` names ("B1.T"), or an element of it with one
    // subscript per extent, each a number from 1 to the extent or "*" ("B1.T(3)",
    // "B1.X(2, 1)", "B1.T(*)"). Case is ignored.
    std::optional<Match> FindVariable(const char* path) const;

    // Same blocks with the same variables, in the same order.
    bool operator==(const HostModel& other) const;
    bool operator!=(const HostModel& other) const { return !(*this == other); }

private:
    // Copies share their data until one of them changes, so that the file
    // reader, the session, the host's registry and the views hold one model.
    struct Data {
        std::vector<Block> blocks;
        std::unordered_map<std::string, size_t> blockIndex; // case-folded path
        size_t variableCount = 0;
    };

    Data& Detached();

    std::shared_ptr<Data> m_data;
};
