#pragma once

// Switches the process's default numeric locale (what "the user's default"
// means to the code under test) for one scope, and restores it after.

#include <QByteArray>
#include <QtGlobal>

#include <clocale>
#include <string>

class DefaultNumericLocale {
public:
    explicit DefaultNumericLocale(const char* name) : m_previous(qgetenv("LC_NUMERIC"))
    {
        qputenv("LC_NUMERIC", name);
        qunsetenv("LC_ALL");
    }
    ~DefaultNumericLocale() { qputenv("LC_NUMERIC", m_previous); }
    DefaultNumericLocale(const DefaultNumericLocale&) = delete;
    DefaultNumericLocale& operator=(const DefaultNumericLocale&) = delete;

    // Whether the C library knows `name`: a test that needs it fails rather
    // than passing unnoticed under the C locale.
    static bool IsInstalled(const char* name)
    {
        const std::string before = std::setlocale(LC_NUMERIC, nullptr);
        const bool known = std::setlocale(LC_NUMERIC, name) != nullptr;
        std::setlocale(LC_NUMERIC, before.c_str());
        return known;
    }

private:
    QByteArray m_previous;
};
