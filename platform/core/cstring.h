#pragma once

// Narrow, single-byte text as the host and the editor use it: searching,
// slicing, case, formatting and conversion over CSimpleString's storage.

#include "platform/core/simplestring.h"

class QString;

class CString : public CSimpleString {
public:
    using CSimpleString::CSimpleString;

    CString& operator=(const char* text);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);

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
};
