#include "host/services/setlocale.h"

#include <clocale>

namespace {

// The C library's category for the host's number; -1 for an unknown one.
int LibraryCategory(int category)
{
    switch (category) {
    case LC_CATEGORY_ALL:
        return LC_ALL;
    case LC_CATEGORY_COLLATE:
        return LC_COLLATE;
    case LC_CATEGORY_CTYPE:
        return LC_CTYPE;
    case LC_CATEGORY_MONETARY:
        return LC_MONETARY;
    case LC_CATEGORY_NUMERIC:
        return LC_NUMERIC;
    case LC_CATEGORY_TIME:
        return LC_TIME;
    default:
        return -1;
    }
}

// The name setlocale takes for a locale id; "" reads the environment. Null for
// an unknown id.
const char* LibraryLocaleName(int localeId)
{
    switch (localeId) {
    case LOCALE_ID_USER_DEFAULT:
    case LOCALE_ID_SYSTEM_DEFAULT:
        return "";
    case LOCALE_ID_INVARIANT:
        return "C";
    default:
        return nullptr;
    }
}

} // namespace

CSetLocale::CSetLocale(int category, int localeId)
{
    const int libraryCategory = LibraryCategory(category);
    const char* name = LibraryLocaleName(localeId);
    if (libraryCategory < 0 || !name)
        return;
    const char* previous = std::setlocale(libraryCategory, nullptr);
    if (!previous)
        return;
    // Copied at once: the next setlocale call may reuse the buffer it points to.
    m_previous = previous;
    m_category = libraryCategory;
    std::setlocale(libraryCategory, name);
}

CSetLocale::~CSetLocale()
{
    if (m_category >= 0)
        std::setlocale(m_category, m_previous.c_str());
}
