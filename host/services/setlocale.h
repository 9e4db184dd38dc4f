#pragma once

// A scope guard over the C library's locale: while it lives, one locale
// category follows the locale the guard was asked for; its destructor restores
// exactly what was in force before. Guards nest (restore in reverse order).

#include <string>

// Categories, numbered as the host numbers them.
constexpr int LC_CATEGORY_ALL = 0;
constexpr int LC_CATEGORY_COLLATE = 1;
constexpr int LC_CATEGORY_CTYPE = 2;
constexpr int LC_CATEGORY_MONETARY = 3;
constexpr int LC_CATEGORY_NUMERIC = 4;
constexpr int LC_CATEGORY_TIME = 5;

// Locale ids: the user's default (taken from the environment, LC_ALL, then the
// category's own variable, then LANG) and the invariant "C" locale.
constexpr int LOCALE_ID_USER_DEFAULT = 0x400;
constexpr int LOCALE_ID_SYSTEM_DEFAULT = 0x800;
constexpr int LOCALE_ID_INVARIANT = 0x7F;

class CSetLocale {
public:
    // An unknown category or locale id leaves the locale as it is. A locale
    // named by the environment but not installed also leaves it as it is, as
    // the C library does.
    CSetLocale(int category, int localeId);
    ~CSetLocale();
    CSetLocale(const CSetLocale&) = delete;
    CSetLocale& operator=(const CSetLocale&) = delete;

private:
    int m_category = -1; // the C library's category; -1 when nothing was changed
    std::string m_previous;
};
