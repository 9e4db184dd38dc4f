#pragma once

// CMyListBoxEx: the editable list of the editor's form (the profile variables
// and the profiles to plot): no in-place button beside the edit.

#include "controls/listboxex.h"

class CMyListBoxEx : public CListBoxEx {
    DECLARE_DYNAMIC(CMyListBoxEx)
public:
    CMyListBoxEx();
    ~CMyListBoxEx() override;

    void OnInPlaceButtonClick(int index, const InPlaceNotify& notify) override;
};
