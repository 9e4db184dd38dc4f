#include "hostlib/jsonconvert.h"

QJsonValue JsonText(const CString& text)
{
    return text.ToQString();
}

QJsonArray JsonTexts(const CStringArray& texts)
{
    QJsonArray array;
    for (const CString& text : texts)
        array.append(text.ToQString());
    return array;
}

QJsonArray JsonNumbers(const CUIntArray& numbers)
{
    QJsonArray array;
    for (UINT number : numbers)
        array.append(static_cast<qint64>(number));
    return array;
}
