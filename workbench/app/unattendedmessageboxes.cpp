#include "workbench/app/unattendedmessageboxes.h"

#include <cstdio>

UnattendedMessageBoxes::UnattendedMessageBoxes() : m_previous(Install(this))
{
}

UnattendedMessageBoxes::~UnattendedMessageBoxes()
{
    Install(m_previous);
}

int UnattendedMessageBoxes::Show(HWND /*owner*/, const CString& text, const CString& title, UINT style)
{
    int answer = IDOK;
    switch (style & MB_TYPEMASK) {
    case MB_YESNO:
        answer = IDNO;
        break;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        answer = IDCANCEL;
        break;
    default:
        break;
    }
    std::fprintf(stderr, "workbench: message box \"%s\": %s\n", title.GetString(), text.GetString());
    return answer;
}

void UnattendedMessageBoxes::Beep(UINT /*type*/)
{
}
