#include "workbench/model/delimitedtext.h"

#include "hostlib/hostmodel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale.h>
#include <stdlib.h>

namespace {

constexpr size_t ChunkSize = size_t(1) << 20;
constexpr size_t LongestCellShown = 40;

// Numbers as C reads them whatever the process's locale says.
double ReadCNumber(const char* text, char** end)
{
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(text, end, cLocale);
}

void Trim(std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

QString Shown(const std::string& cell)
{
    return QuotedName(CString(cell.size() > LongestCellShown ? cell.substr(0, LongestCellShown) + "..." : cell));
}

// A chunk, or less for a smaller text.
size_t BufferSizeFor(const QIODevice& device)
{
    return device.isSequential() ? ChunkSize
                                 : static_cast<size_t>(std::clamp<qint64>(device.size() + 2, 64, qint64(ChunkSize)));
}

} // namespace

DelimitedTextReader::DelimitedTextReader(QIODevice& device) : m_device(device), m_buffer(BufferSizeFor(device))
{
}

bool DelimitedTextReader::Fail(qint64 column, const QString& message)
{
    m_error = QStringLiteral("line %1, column %2: %3").arg(m_line).arg(column).arg(message);
    return false;
}

bool DelimitedTextReader::Refill()
{
    if (m_at > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_at, m_end - m_at);
        m_end -= m_at;
        m_at = 0;
    }
    // One byte stays free for the newline that ends a last line without one.
    if (m_buffer.size() - m_end < ChunkSize / 2)
        m_buffer.resize(m_buffer.size() * 2);
    const qint64 read = m_device.read(m_buffer.data() + m_end, static_cast<qint64>(m_buffer.size() - m_end - 1));
    if (read < 0)
        Fail(1, QStringLiteral("the text cannot be read: %1").arg(m_device.errorString()));
    if (read <= 0) {
        m_deviceDone = true;
        return false;
    }
    m_end += static_cast<size_t>(read);
    return true;
}

bool DelimitedTextReader::HoldLineFrom(size_t from, size_t& newline)
{
    size_t searched = from;
    for (;;) {
        const char* start = m_buffer.data() + m_at;
        const size_t held = m_end - m_at;
        if (searched < held) {
            if (const void* found = std::memchr(start + searched, '\n', held - searched)) {
                newline = static_cast<size_t>(static_cast<const char*>(found) - start);
                return true;
            }
            searched = held;
        }
        if (!m_deviceDone && Refill())
            continue;
        if (held <= from || !m_error.isEmpty())
            return false;
        m_buffer[m_end++] = '\n';
        newline = held;
        return true;
    }
}

bool DelimitedTextReader::ReadHeader(std::vector<std::string>& names)
{
    names.clear();
    m_line = 1;
    size_t newline = 0;
    // Empty lines before the header are passed over.
    for (;;) {
        if (!HoldLineFrom(0, newline)) {
            m_line = 1;
            return m_error.isEmpty() ? Fail(1, QStringLiteral("the file is empty")) : false;
        }
        if (newline > 1 || (newline == 1 && m_buffer[m_at] != '\r'))
            break;
        m_at += newline + 1;
        ++m_line;
    }
    // The record may go on over lines inside quotes.
    qint64 lines = 1;
    bool quoted = false;
    for (size_t i = 0;; ++i) {
        if (i == newline) {
            if (!quoted)
                break;
            if (!HoldLineFrom(i + 1, newline))
                return Fail(1, QStringLiteral("a quote in the header is not closed"));
            ++lines;
        } else if (m_buffer[m_at + i] == '"') {
            quoted = !quoted;
        }
    }
    std::string_view record(m_buffer.data() + m_at, newline);
    if (!record.empty() && record.back() == '\r')
        record.remove_suffix(1);
    quoted = false;
    bool semicolon = false;
    bool tab = false;
    for (char ch : record) {
        quoted = ch == '"' ? !quoted : quoted;
        semicolon = semicolon || (!quoted && ch == ';');
        tab = tab || (!quoted && ch == '\t');
    }
    m_separator = tab ? '\t' : semicolon ? ';' : ',';
    std::string cell;
    quoted = false;
    for (size_t i = 0; i <= record.size(); ++i) {
        const char ch = i < record.size() ? record[i] : m_separator;
        if (ch == '"' && quoted && i + 1 < record.size() && record[i + 1] == '"') {
            cell += '"';
            ++i;
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (ch == m_separator && !quoted) {
            Trim(cell);
            names.push_back(std::move(cell));
            cell.clear();
        } else {
            cell += ch;
        }
    }
    m_at += newline + 1;
    m_nextLine = m_line + lines;
    return true;
}

bool DelimitedTextReader::ReadOddCell(const char*& p, const char* end, size_t column, double& value)
{
    const qint64 place = static_cast<qint64>(column);
    m_cell.clear();
    if (*p == '"') {
        for (++p;; ++p) {
            if (p >= end)
                return Fail(place, QStringLiteral("a quote is not closed on its line"));
            if (*p == '"' && (p + 1 >= end || p[1] != '"'))
                break;
            p += *p == '"' ? 1 : 0;
            m_cell += *p;
        }
        ++p;
        if (p != end && *p != m_separator)
            return Fail(place, QStringLiteral("text follows the closing quote"));
    } else {
        const void* stop = std::memchr(p, m_separator, static_cast<size_t>(end - p));
        const char* cellEnd = stop ? static_cast<const char*>(stop) : end;
        m_cell.assign(p, cellEnd);
        p = cellEnd;
    }
    Trim(m_cell);
    if (m_cell.empty()) {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    char* parsedEnd = nullptr;
    value = ReadCNumber(m_cell.c_str(), &parsedEnd);
    if (parsedEnd != m_cell.c_str() + m_cell.size())
        return Fail(place, QStringLiteral("%1 is not a number").arg(Shown(m_cell)));
    return true;
}

DelimitedTextReader::Row DelimitedTextReader::ReadNumbers(std::vector<double>& cells)
{
    const size_t count = cells.size();
    for (;;) {
        size_t newline = 0;
        if (!HoldLineFrom(0, newline))
            return m_error.isEmpty() ? Row::End : Row::Fault;
        m_line = m_nextLine++;
        const char* p = m_buffer.data() + m_at;
        const char* end = p + newline;
        if (end > p && end[-1] == '\r')
            --end;
        if (p == end) {
            m_at += newline + 1;
            continue;
        }
        for (size_t i = 0; i < count; ++i) {
            // The quick path: a plain number right up to the separator.
            const auto [after, fault] = std::from_chars(p, end, cells[i]);
            if (fault == std::errc() && (after == end || *after == m_separator))
                p = after;
            else if (!ReadOddCell(p, end, i + 1, cells[i]))
                return Row::Fault;
            if (i + 1 == count)
                break;
            if (p == end) {
                Fail(static_cast<qint64>(i + 2),
                    QStringLiteral("the row ends after %1 cells; the header names %2").arg(i + 1).arg(count));
                return Row::Fault;
            }
            ++p;
        }
        if (p != end) {
            Fail(static_cast<qint64>(count + 1),
                QStringLiteral("the row has more cells than the %1 the header names").arg(count));
            return Row::Fault;
        }
        m_at += newline + 1;
        return Row::Read;
    }
}
