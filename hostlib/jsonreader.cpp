#include "hostlib/jsonreader.h"

#include <QLocale>

#include <cmath>

QString DescribeJsonValue(const QJsonValue& value, JsonNumberText numbers)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true or false");
    case QJsonValue::Double:
        if (numbers == JsonNumberText::Value)
            // Every digit: 2147483648, not 2.14748e+09.
            return QStringLiteral("the number %1")
                .arg(QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest));
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    default:
        return QStringLiteral("nothing");
    }
}

QString JsonItemPlace(const QString& where, qsizetype index)
{
    return QStringLiteral("%1[%2]").arg(where).arg(index);
}

QString JsonMemberPlace(const QString& where, const char* key)
{
    return where.isEmpty() ? QString::fromLatin1(key) : where + QLatin1Char('.') + QLatin1String(key);
}

int JsonHexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

QString JsonTextPosition(const QByteArray& text, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text.at(i) == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

bool JsonReader::Fail(const QString& where, const QString& what)
{
    m_error = where.isEmpty() ? what : where + QStringLiteral(": ") + what;
    return false;
}

bool JsonReader::CheckKeys(const QJsonObject& object, const QString& where, std::initializer_list<const char*> allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = false;
        for (const char* key : allowed)
            known = known || it.key() == QLatin1String(key);
        if (!known)
            return Fail(where, QStringLiteral("unknown key \"%1\"").arg(it.key()));
    }
    return true;
}

bool JsonReader::ReadText(const QJsonValue& value, const QString& where, CString& out)
{
    if (!value.isString())
        return Fail(where, QStringLiteral("expected a string, found %1").arg(Describe(value)));
    out = CString::FromQString(value.toString());
    return true;
}

bool JsonReader::ReadWhole(const QJsonValue& value, const QString& where, double lowest, double highest, double& out)
{
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || number < lowest || number > highest) {
        return Fail(where,
            QStringLiteral("expected a whole number from %1 to %2, found %3")
                .arg(lowest, 0, 'f', 0)
                .arg(highest, 0, 'f', 0)
                .arg(Describe(value)));
    }
    out = number;
    return true;
}
