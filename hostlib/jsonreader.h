#pragma once

// Reading a JSON file value by value, by hand, so that a fault is refused with
// a message that names its place: "plots[0].owner: expected a string, found a
// number". The model file and the plot definitions are read this way.

#include "platform/core/cstring.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <initializer_list>

// How a number is named in "found ..." texts: by its kind ("a number") or
// with its value ("the number 3").
enum class JsonNumberText { Kind, Value };

// What a value is, for "expected ..., found ..." texts: "null", "true or
// false", "a string", "an array", "an object", "nothing", or a number as
// `numbers` says.
QString DescribeJsonValue(const QJsonValue& value, JsonNumberText numbers);
// The place of an array's item: "plots[2]".
QString JsonItemPlace(const QString& where, qsizetype index);
// The place of an object's member: "plots[2].name"; just "name" at the top.
QString JsonMemberPlace(const QString& where, const char* key);
// The value of a hexadecimal digit (a JSON "\\u" escape's), or -1.
int JsonHexDigit(char ch);
// The 1-based line and column of a byte offset in `text`: "line 3, column 7".
QString JsonTextPosition(const QByteArray& text, int offset);

// The base of a reader that reads one value after another and stops at the
// first fault, whose message it keeps.
class JsonReader {
public:
    // The fault that stopped the reading: "where: what", or "what" at the top.
    const QString& Error() const { return m_error; }

protected:
    explicit JsonReader(JsonNumberText numbers) : m_numbers(numbers) { }

    // Keeps the fault and returns false.
    bool Fail(const QString& where, const QString& what);
    QString Describe(const QJsonValue& value) const { return DescribeJsonValue(value, m_numbers); }

    // Fails on the first key of `object` that is not among `allowed`.
    bool CheckKeys(const QJsonObject& object, const QString& where, std::initializer_list<const char*> allowed);
    bool ReadText(const QJsonValue& value, const QString& where, CString& out);
    // A whole number from `lowest` to `highest`.
    bool ReadWhole(const QJsonValue& value, const QString& where, double lowest, double highest, double& out);

    // Reads `value` as an array: calls `readItem(item, place)` for its items in
    // order and stops at the first that returns false. A value that is no array
    // fails with "expected <expected>, found ...".
    template <typename ReadItem>
    bool ReadEach(const QJsonValue& value, const QString& where, const char* expected, ReadItem readItem)
    {
        if (!value.isArray())
            return Fail(where, QStringLiteral("expected %1, found %2").arg(QLatin1String(expected), Describe(value)));
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (!readItem(array.at(i), JsonItemPlace(where, i)))
                return false;
        }
        return true;
    }

private:
    QString m_error;
    JsonNumberText m_numbers;
};
