#pragma once

// A model variable, reached by path through LuInstance::QueryInstance.

#include "platform/core/com.h"

// {E98D4F2C-CB0E-11D1-B15F-00A024F1AC65}
inline constexpr IID IID_IModelVariable
    = {0xE98D4F2C, 0xCB0E, 0x11D1, {0xB1, 0x5F, 0x00, 0xA0, 0x24, 0xF1, 0xAC, 0x65}};

// The attribute of an array variable whose single element may be widened to
// the whole array when it is dropped alone.
inline constexpr uint32_t ModelVariableWidenableAttribute = 0x400000;

struct IModelVariable : IUnknown {
    virtual HRESULT GetPath(char* buffer, uint32_t size) = 0;
    // Non-zero when the variable has every attribute bit of `mask`.
    virtual int32_t HasAttribute(uint32_t mask) = 0;
};
