#pragma once

// The host's own way to ask a model object for its path; LuInstance uses it.
// The editor never sees it.

#include "platform/core/com.h"
#include "platform/core/cstring.h"

// {5B0C7E41-2D4A-4C1E-9A63-7F2E8D1B6C05}
inline constexpr IID IID_IHostObjectPath
    = {0x5B0C7E41, 0x2D4A, 0x4C1E, {0x9A, 0x63, 0x7F, 0x2E, 0x8D, 0x1B, 0x6C, 0x05}};

struct IHostObjectPath : IUnknown {
    // The object's full path in the model ("Flowsheet.B1", "B1.T").
    virtual HRESULT GetObjectPath(CString& path) = 0;
};
