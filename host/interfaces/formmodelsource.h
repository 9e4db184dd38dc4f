#pragma once

// Queried on IProfilePlotData: the object that owns the form, and the notice
// that the definition was written.

#include "platform/core/com.h"

// {34295FBF-78DE-11D4-805A-00C04F89DD44}
inline constexpr IID IID_IFormModelSource
    = {0x34295FBF, 0x78DE, 0x11D4, {0x80, 0x5A, 0x00, 0xC0, 0x4F, 0x89, 0xDD, 0x44}};

struct IFormModelSource : IUnknown {
    // Gives one reference on the owner object (null when there is none).
    virtual HRESULT GetOwnerObject(IUnknown** owner) = 0;
    virtual HRESULT NotifyDefinitionChanged() = 0;
};
