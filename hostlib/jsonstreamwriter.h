#pragma once

// Writing JSON text value by value to a device, through a buffer, in the
// indented form QJsonDocument::toJson(QJsonDocument::Indented) gives: four
// spaces per level, "key": value, an empty array as "[" and "]" on two
// lines. A large file is written without a document of it in memory; the
// caller gives an object's keys in the order the document would (sorted).

#include <QByteArray>
#include <QIODevice>
#include <QJsonObject>
#include <QString>

#include <cstring>
#include <memory>
#include <vector>

class JsonStreamWriter {
public:
    explicit JsonStreamWriter(QIODevice& device);

    void OpenObject();
    void OpenArray();
    // Closes the innermost object or array; closing the outermost ends the text with a line break.
    void Close();
    // The next member's key, in an object.
    void Key(const char* key);
    // Values: as members after Key(), or as items of an array.
    void String(const QString& text);
    // UTF-8 text: ASCII is written as it is, without a QString.
    void Utf8String(const char* text, qsizetype size);
    void Whole(qint64 number);
    void Number(double number);
    void Bool(bool value);
    // An object as QJsonDocument would write it (small objects only: it is
    // formatted whole before it is written).
    void Object(const QJsonObject& object);

    // Writes what is buffered; false when any write so far failed.
    bool Finish();

private:
    void BeforeValue();
    void Indent(size_t depth);
    void Open(char opener, char closer);
    void Put(const char* text, qsizetype size)
    {
        if (size <= BufferSize - m_used) {
            std::memcpy(m_buffer.get() + m_used, text, static_cast<size_t>(size));
            m_used += size;
        } else {
            PutLong(text, size);
        }
    }
    void PutLong(const char* text, qsizetype size);
    // A string without what comes before a value.
    void PutString(const char* text, qsizetype size);
    void Put(const QByteArray& text) { Put(text.constData(), text.size()); }
    void Flush();

    QIODevice& m_device;
    static constexpr qsizetype BufferSize = qsizetype(1) << 16;
    std::unique_ptr<char[]> m_buffer;
    qsizetype m_used = 0;
    struct Level {
        char closer; // '}' or ']'
        qsizetype count; // values written so far
    };
    std::vector<Level> m_levels; // the open objects and arrays, outermost first
    bool m_afterKey = false;
    bool m_failed = false;
};
