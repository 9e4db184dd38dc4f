#pragma once

// Switches the process's default numeric locale (what "the user's default"
// means to the code under test) for one scope, and restores it after.

#include <QByteArray>
#include <QtGlobal>

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

private:
    QByteArray m_previous;
};
