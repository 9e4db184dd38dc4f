#pragma once

// The storage and element access of narrow, single-byte text: the part of the
// host's string type that searching, slicing and formatting build on.

#include "platform/core/types.h"

#include <string>

class CSimpleString {
public:
    CSimpleString() = default;
    CSimpleString(const char* text) : m_text(text ? text : "") { } // NOLINT: implicit like the framework's
    CSimpleString(const std::string& text) : m_text(text) { } // NOLINT
    CSimpleString(const char* text, int length);
    CSimpleString(char ch, int repeat) : m_text(static_cast<size_t>(repeat > 0 ? repeat : 0), ch) { }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); } // NOLINT: the framework's conversion
    const std::string& str() const { return m_text; }

    // Raises CInvalidArgException for an index outside the text.
    char GetAt(int index) const;
    void SetAt(int index, char ch);

    bool operator==(const CSimpleString& o) const { return m_text == o.m_text; }
    bool operator!=(const CSimpleString& o) const { return m_text != o.m_text; }
    bool operator==(const char* o) const { return m_text == (o ? o : ""); }
    bool operator!=(const char* o) const { return !(*this == o); }
    bool operator<(const CSimpleString& o) const { return m_text < o.m_text; }

protected:
    std::string m_text;
};
