#include "support/stringarrays.h"

CStringArray Strings(const QStringList& texts)
{
    CStringArray array;
    for (const QString& text : texts)
        array.Add(CString::FromQString(text));
    return array;
}

QStringList Texts(const CStringArray& strings)
{
    QStringList texts;
    for (const CString& text : strings)
        texts << text.ToQString();
    return texts;
}
