#pragma once

// Narrow, single-byte text as the host and the editor use it.

#include "platform/core/types.h"

#include <string>

class QString;

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") { } // NOLINT: implicit like the framework's
    CString(const std::string& text) : m_text(text) { } // NOLINT
    CString(const char* text, int length);
    CString(char ch, int repeat) : m_text(static_cast<size_t>(repeat > 0 ? repeat : 0), ch) { }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); } // NOLINT: the framework's conversion
    const std::string& str() const { return m_text; }

    // Raises CInvalidArgException for an index outside the text.
    char GetAt(int index) const;
    void SetAt(int index, char ch);

    CString& operator=(const char* text);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    bool operator==(const CString& o) const { return m_text == o.m_text; }
    bool operator!=(const CString& o) const { return m_text != o.m_text; }
    bool operator==(const char* o) const { return m_text == (o ? o : ""); }
    bool operator!=(const char* o) const { return !(*this == o); }
    bool operator<(const CString& o) const { return m_text < o.m_text; }

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;

    // Positions are 0-based; -1 means not found.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* chars) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& MakeUpper();
    CString& MakeLower();
    int Delete(int index, int count = 1);
    int Insert(int index, const char* text);
    int Replace(const char* oldText, const char* newText);

    // printf-style formatting under the C library's current locale.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Loads string resource `id` from the resource chain; false when no module has it.
    bool LoadString(UINT id);

    // Conversion at the widget boundary, in the process's locale encoding.
    QString ToQString() const;
    static CString FromQString(const QString& text);

private:
    std::string m_text;
};
