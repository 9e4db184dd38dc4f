#pragma once

// The creation record a window receives with WM_CREATE (lParam) and that
// PreCreateWindow may adjust before the window exists.

#include "platform/core/cstring.h"
#include "platform/core/types.h"

struct CREATESTRUCT {
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    CString lpszName;
    void* lpCreateParams = nullptr;
};
