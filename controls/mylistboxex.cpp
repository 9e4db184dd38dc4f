#include "controls/mylistboxex.h"

IMPLEMENT_DYNAMIC(CMyListBoxEx, CListBoxEx)

CMyListBoxEx::CMyListBoxEx()
{
    SetEditStyle(0);
}

CMyListBoxEx::~CMyListBoxEx() = default;

void CMyListBoxEx::OnInPlaceButtonClick(int /*index*/, const InPlaceNotify& /*notify*/)
{
    // The editor's lists show no in-place button.
}
