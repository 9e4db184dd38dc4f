#include "workbench/model/modeltextscanner.h"

#include "host/interfaces/modelvariable.h"
#include "hostlib/jsonreader.h"

#include <QString>

#include <cctype>
#include <cstring>

namespace {

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

CString ScannedText(const std::string& utf8)
{
    // ASCII reads the same in any locale encoding; the rest goes the way the
    // JSON reader's text goes.
    if (IsAscii(utf8))
        return CString(utf8);
    return CString::FromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

ModelTextScanner::ModelTextScanner(const QByteArray& text)
    : m_at(text.constData()), m_end(text.constData() + text.size())
{
    // A byte order mark, which the parser passes over too.
    if (text.startsWith("\xEF\xBB\xBF"))
        m_at += 3;
}

void ModelTextScanner::SkipSpace()
{
    // JSON's white space, as the parser reads it.
    while (m_at != m_end && (*m_at == ' ' || *m_at == '\t' || *m_at == '\n' || *m_at == '\r'))
        ++m_at;
}

bool ModelTextScanner::Take(char ch)
{
    SkipSpace();
    if (m_at == m_end || *m_at != ch)
        return false;
    ++m_at;
    return true;
}

bool ModelTextScanner::AtEnd()
{
    SkipSpace();
    return m_at == m_end;
}

bool ModelTextScanner::TakeWord(const char* word)
{
    SkipSpace();
    const size_t length = std::strlen(word);
    if (static_cast<size_t>(m_end - m_at) < length || std::memcmp(m_at, word, length) != 0)
        return false;
    m_at += length;
    // "truex" is no word.
    return m_at == m_end || !std::isalnum(static_cast<unsigned char>(*m_at));
}

bool ModelTextScanner::TakeString(std::string& out)
{
    if (!Take('"'))
        return false;
    out.clear();
    for (;;) {
        const char* const start = m_at;
        while (m_at != m_end && *m_at != '"' && *m_at != '\\' && static_cast<unsigned char>(*m_at) >= 0x20
            && static_cast<unsigned char>(*m_at) < 0x80)
            ++m_at;
        out.append(start, m_at);
        if (m_at == m_end)
            return false;
        const unsigned char ch = static_cast<unsigned char>(*m_at);
        if (ch == '"') {
            ++m_at;
            return true;
        }
        if (ch < 0x20)
            return false;
        if (!(ch == '\\' ? TakeEscape(out) : TakeUtf8(out)))
            return false;
    }
}

bool ModelTextScanner::TakeEscape(std::string& out)
{
    if (m_end - m_at < 2)
        return false;
    const char escaped = m_at[1];
    m_at += 2;
    static const char from[] = "\"\\/bfnrt";
    static const char to[] = "\"\\/\b\f\n\r\t";
    if (const char* found = escaped ? std::strchr(from, escaped) : nullptr) {
        out += to[found - from];
        return true;
    }
    if (escaped != 'u')
        return false;
    const auto takeUnit = [this](char32_t& unit) {
        if (m_end - m_at < 4)
            return false;
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = JsonHexDigit(m_at[i]);
            if (digit < 0)
                return false;
            unit = unit * 16 + static_cast<char32_t>(digit);
        }
        m_at += 4;
        return true;
    };
    char32_t unit = 0;
    if (!takeUnit(unit))
        return false;
    if (unit >= 0xDC00 && unit < 0xE000)
        return false;
    if (unit >= 0xD800 && unit < 0xDC00) {
        char32_t low = 0;
        if (m_end - m_at < 2 || m_at[0] != '\\' || m_at[1] != 'u')
            return false;
        m_at += 2;
        if (!takeUnit(low) || low < 0xDC00 || low >= 0xE000)
            return false;
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, unit);
    return true;
}

bool ModelTextScanner::TakeUtf8(std::string& out)
{
    // One character of two to four bytes, shortest form, no surrogate, at
    // most U+10FFFF; anything else is left to the parser.
    const unsigned char lead = static_cast<unsigned char>(*m_at);
    const int length = lead >= 0xC2 && lead < 0xE0 ? 2
        : lead >= 0xE0 && lead < 0xF0              ? 3
        : lead >= 0xF0 && lead < 0xF5              ? 4
                                                   : 0;
    if (length == 0 || m_end - m_at < length)
        return false;
    char32_t code = lead & (0xFF >> (length + 1));
    for (int i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(m_at[i]);
        if ((next & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (next & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return false;
    out.append(m_at, m_at + length);
    m_at += length;
    return true;
}

bool ModelTextScanner::TakeArray(QByteArray& raw)
{
    SkipSpace();
    if (m_at == m_end || *m_at != '[')
        return false;
    const char* const start = m_at;
    int depth = 0;
    bool inString = false;
    for (const char* at = m_at; at != m_end; ++at) {
        const char ch = *at;
        if (inString) {
            if (ch == '\\' && at + 1 != m_end)
                ++at;
            else if (ch == '"')
                inString = false;
        } else if (ch == '"') {
            inString = true;
        } else if (ch == '[' || ch == '{') {
            ++depth;
        } else if ((ch == ']' || ch == '}') && --depth == 0) {
            m_at = at + 1;
            raw = QByteArray(start, m_at - start);
            return true;
        }
    }
    return false;
}

bool ModelTextScanner::TakeExtent(UINT& out)
{
    // A whole number written plainly; "3.0" or "3e0" is left to the parser.
    SkipSpace();
    if (m_at == m_end || *m_at < '1' || *m_at > '9')
        return false;
    uint64_t value = 0;
    while (m_at != m_end && *m_at >= '0' && *m_at <= '9' && value <= LargestModelExtent)
        value = value * 10 + static_cast<uint64_t>(*m_at++ - '0');
    if (value > LargestModelExtent || (m_at != m_end && (*m_at == '.' || *m_at == 'e' || *m_at == 'E')))
        return false;
    out = static_cast<UINT>(value);
    return true;
}

bool ModelTextScanner::TakeBlocks(HostModel& blocks, const std::function<void(const char*)>& passed)
{
    if (!Take('['))
        return false;
    if (Take(']'))
        return true;
    do {
        if (!TakeBlock(blocks))
            return false;
        if (passed)
            passed(m_at);
    } while (Take(','));
    return Take(']');
}

bool ModelTextScanner::TakeBlock(HostModel& blocks)
{
    // {"path": ..., "variables": [...]}, the path first.
    std::string key;
    std::string path;
    if (!Take('{') || !TakeString(key) || key != "path" || !Take(':') || !TakeString(path)
        || !blocks.AddBlock(ScannedText(path)))
        return false;
    if (Take('}'))
        return true;
    if (!Take(',') || !TakeString(key) || key != "variables" || !Take(':') || !Take('['))
        return false;
    const size_t block = blocks.blocks().size() - 1;
    if (!Take(']')) {
        HostModel::Variable variable;
        do {
            if (!TakeVariable(variable) || !blocks.AddVariable(block, variable))
                return false;
        } while (Take(','));
        if (!Take(']'))
            return false;
    }
    return Take('}');
}

bool ModelTextScanner::TakeVariable(HostModel::Variable& out)
{
    out.attributes = 0;
    out.extents.clear();
    out.name = CString();
    // Each key at most once, in any order.
    bool named = false;
    bool extents = false;
    bool widenable = false;
    std::string text;
    if (!Take('{'))
        return false;
    if (Take('}'))
        return false; // no name
    do {
        if (!TakeString(text) || !Take(':'))
            return false;
        if (text == "name" && !named) {
            named = true;
            if (!TakeString(text))
                return false;
            out.name = ScannedText(text);
        } else if (text == "extents" && !extents) {
            extents = true;
            if (!Take('['))
                return false;
            if (!Take(']')) {
                do {
                    UINT extent = 0;
                    if (!TakeExtent(extent))
                        return false;
                    out.extents.push_back(extent);
                } while (Take(','));
                if (!Take(']'))
                    return false;
            }
        } else if (text == "widenable" && !widenable) {
            widenable = true;
            if (TakeWord("true"))
                out.attributes |= ModelVariableWidenableAttribute;
            else if (!TakeWord("false"))
                return false;
        } else {
            return false;
        }
    } while (Take(','));
    // Widenable asks for one subscript, checked once the extents are known.
    return Take('}') && named && (!(out.attributes & ModelVariableWidenableAttribute) || out.extents.size() == 1);
}
