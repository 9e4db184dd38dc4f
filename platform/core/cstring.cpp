#include "platform/core/cstring.h"

#include "platform/core/invalidarg.h"
#include "platform/core/resources.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

void AfxThrowInvalidArgException(const char* what)
{
    throw CInvalidArgException(what);
}

namespace {
bool IsSpace(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}
} // namespace

CString& CString::operator=(const char* text)
{
    m_text = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text)
        m_text += text;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    return CString(a.m_text + b.m_text);
}

CString operator+(const CString& a, const char* b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

int CString::Compare(const char* other) const
{
    return std::strcmp(m_text.c_str(), other ? other : "");
}

int CString::CompareNoCase(const char* other) const
{
    return strcasecmp(m_text.c_str(), other ? other : "");
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const size_t pos = m_text.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    const size_t pos = m_text.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    const size_t pos = m_text.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* chars) const
{
    const size_t pos = m_text.find_first_of(chars ? chars : "");
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    const auto first = std::find_if_not(m_text.begin(), m_text.end(), IsSpace);
    m_text.erase(m_text.begin(), first);
    return *this;
}

CString& CString::TrimRight()
{
    const auto last = std::find_if_not(m_text.rbegin(), m_text.rend(), IsSpace);
    m_text.erase(last.base(), m_text.end());
    return *this;
}

CString& CString::MakeUpper()
{
    for (char& ch : m_text)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& ch : m_text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return *this;
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    index = std::clamp(index, 0, GetLength());
    m_text.insert(static_cast<size_t>(index), text ? text : "");
    return GetLength();
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (!oldText || !*oldText)
        return 0;
    const std::string from(oldText);
    const std::string to(newText ? newText : "");
    int count = 0;
    size_t pos = 0;
    while ((pos = m_text.find(from, pos)) != std::string::npos) {
        m_text.replace(pos, from.size(), to);
        pos += to.size();
        ++count;
    }
    return count;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        m_text.clear();
    } else {
        std::string buffer(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        buffer.resize(static_cast<size_t>(length));
        m_text = std::move(buffer);
    }
    va_end(args);
}

bool CString::LoadString(UINT id)
{
    const char* text = AfxFindString(id);
    if (!text)
        return false;
    m_text = text;
    return true;
}

QString CString::ToQString() const
{
    return QString::fromLocal8Bit(m_text.data(), static_cast<qsizetype>(m_text.size()));
}

CString CString::FromQString(const QString& text)
{
    return CString(text.toLocal8Bit().toStdString());
}
