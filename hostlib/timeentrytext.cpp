#include "hostlib/timeentrytext.h"

#include "host/services/setlocale.h"

#include <clocale>
#include <cstring>

namespace {

// The user's decimal separator when it is one character other than ".", else 0.
char UserDecimalSeparator()
{
    const CSetLocale locale(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
    const char* separator = std::localeconv()->decimal_point;
    if (!separator || std::strlen(separator) != 1 || *separator == '.')
        return 0;
    return *separator;
}

CStringArray SwapSeparators(const CStringArray& entries)
{
    const char user = UserDecimalSeparator();
    if (!user)
        return entries;
    CStringArray swapped;
    for (const CString& entry : entries) {
        std::string text = entry.GetString();
        for (char& c : text) {
            if (c == '.')
                c = user;
            else if (c == user)
                c = '.';
        }
        swapped.Add(CString(text.c_str()));
    }
    return swapped;
}

} // namespace

CStringArray TimeEntriesInUserConventions(const CStringArray& kept)
{
    return SwapSeparators(kept);
}

CStringArray TimeEntriesFromUserConventions(const CStringArray& user)
{
    return SwapSeparators(user);
}

int32_t TimeModeOfEntries(const CStringArray& entries)
{
    if (entries.GetSize() == 1 && entries[0] == "L")
        return 0;
    if (entries.GetSize() == 2 && !entries[0].IsEmpty() && entries[0][entries[0].GetLength() - 1] == '*')
        return 2;
    return 1;
}
