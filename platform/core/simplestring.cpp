#include "platform/core/simplestring.h"

#include "platform/core/invalidarg.h"

CSimpleString::CSimpleString(const char* text, int length)
{
    if (text && length > 0)
        m_text.assign(text, static_cast<size_t>(length));
}

char CSimpleString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException("CString::GetAt: index out of range");
    return m_text[static_cast<size_t>(index)];
}

void CSimpleString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException("CString::SetAt: index out of range");
    m_text[static_cast<size_t>(index)] = ch;
}
