#include "hostlib/jsonstreamwriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>

JsonStreamWriter::JsonStreamWriter(QIODevice& device) : m_device(device), m_buffer(new char[BufferSize])
{
}

void JsonStreamWriter::PutLong(const char* text, qsizetype size)
{
    while (size > 0) {
        if (m_used == BufferSize)
            Flush();
        const qsizetype step = std::min(size, BufferSize - m_used);
        std::memcpy(m_buffer.get() + m_used, text, static_cast<size_t>(step));
        m_used += step;
        text += step;
        size -= step;
    }
}

void JsonStreamWriter::Flush()
{
    if (!m_failed && m_used > 0 && m_device.write(m_buffer.get(), m_used) != m_used)
        m_failed = true;
    m_used = 0;
}

bool JsonStreamWriter::Finish()
{
    Flush();
    return !m_failed;
}

void JsonStreamWriter::Indent(size_t depth)
{
    static const char spaces[] = "                                                                ";
    constexpr size_t most = sizeof spaces - 1;
    if (depth * 4 <= most) {
        Put(spaces, static_cast<qsizetype>(depth * 4));
        return;
    }
    for (size_t left = depth * 4; left > 0;) {
        const size_t step = std::min(left, most);
        Put(spaces, static_cast<qsizetype>(step));
        left -= step;
    }
}

void JsonStreamWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty())
        return;
    if (m_levels.back().count++ > 0)
        Put(",\n", 2);
    Indent(m_levels.size());
}

void JsonStreamWriter::Key(const char* key)
{
    BeforeValue();
    PutString(key, static_cast<qsizetype>(qstrlen(key)));
    Put(": ", 2);
    m_afterKey = true;
}

void JsonStreamWriter::Open(char opener, char closer)
{
    BeforeValue();
    const char text[] = {opener, '\n'};
    Put(text, 2);
    m_levels.push_back({closer, 0});
}

void JsonStreamWriter::OpenObject()
{
    Open('{', '}');
}

void JsonStreamWriter::OpenArray()
{
    Open('[', ']');
}

void JsonStreamWriter::Close()
{
    if (m_levels.empty())
        return;
    const Level level = m_levels.back();
    m_levels.pop_back();
    if (level.count > 0)
        Put("\n", 1);
    Indent(m_levels.size());
    Put(&level.closer, 1);
    if (m_levels.empty())
        Put("\n", 1);
}

void JsonStreamWriter::String(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    Utf8String(utf8.constData(), utf8.size());
}

void JsonStreamWriter::Utf8String(const char* text, qsizetype size)
{
    BeforeValue();
    PutString(text, size);
}

void JsonStreamWriter::PutString(const char* text, qsizetype size)
{
    Put("\"", 1);
    const char* plain = text;
    const char* const end = text + size;
    for (const char* at = text; at != end; ++at) {
        const unsigned char ch = static_cast<unsigned char>(*at);
        if (ch >= 0x20 && ch != '"' && ch != '\\')
            continue;
        Put(plain, at - plain);
        plain = at + 1;
        char escape[6] = {'\\', 0, 0, 0, 0, 0};
        qsizetype length = 2;
        switch (ch) {
        case '"':
        case '\\':
            escape[1] = static_cast<char>(ch);
            break;
        case '\b':
            escape[1] = 'b';
            break;
        case '\f':
            escape[1] = 'f';
            break;
        case '\n':
            escape[1] = 'n';
            break;
        case '\r':
            escape[1] = 'r';
            break;
        case '\t':
            escape[1] = 't';
            break;
        default: {
            static const char digits[] = "0123456789abcdef";
            escape[1] = 'u';
            escape[2] = '0';
            escape[3] = '0';
            escape[4] = digits[ch >> 4];
            escape[5] = digits[ch & 0xF];
            length = 6;
            break;
        }
        }
        Put(escape, length);
    }
    Put(plain, end - plain);
    Put("\"", 1);
}

void JsonStreamWriter::Whole(qint64 number)
{
    BeforeValue();
    char digits[24];
    char* at = digits + sizeof digits;
    quint64 magnitude = number < 0 ? 0 - static_cast<quint64>(number) : static_cast<quint64>(number);
    do {
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0)
        *--at = '-';
    Put(at, digits + sizeof digits - at);
}

void JsonStreamWriter::Number(double number)
{
    // As a document's value made from a double writes it: a whole number
    // that a double holds exactly as a plain integer, another the shortest
    // text that reads back, null for what JSON cannot hold.
    constexpr double ExactWholeLimit = 9007199254740992.0; // 2^53
    if (std::trunc(number) == number && std::fabs(number) <= ExactWholeLimit) {
        Whole(static_cast<qint64>(number));
        return;
    }
    BeforeValue();
    if (std::isfinite(number))
        Put(QByteArray::number(number, 'g', QLocale::FloatingPointShortest));
    else
        Put("null", 4);
}

void JsonStreamWriter::Bool(bool value)
{
    BeforeValue();
    if (value)
        Put("true", 4);
    else
        Put("false", 5);
}

void JsonStreamWriter::Object(const QJsonObject& object)
{
    BeforeValue();
    // The document writes the object at depth 0: its lines past the first
    // take this depth's indentation too.
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    const QByteArray indent(4 * static_cast<qsizetype>(m_levels.size()), ' ');
    const qsizetype end = text.endsWith('\n') ? text.size() - 1 : text.size();
    qsizetype start = 0;
    for (qsizetype lineEnd = text.indexOf('\n'); lineEnd >= 0 && lineEnd < end;
         start = lineEnd + 1, lineEnd = text.indexOf('\n', start)) {
        Put(text.constData() + start, lineEnd + 1 - start);
        Put(indent);
    }
    Put(text.constData() + start, end - start);
}
