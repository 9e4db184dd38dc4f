#pragma once

// The host's view context record: what the host tells a view about the object
// it edits. The editor reads only the two fields named here, at fixed offsets.

#include "platform/core/com.h"

#include <cstddef>

struct tag_VarnelViewContext {
    uint8_t reserved0[48];
    const char* contextName; // byte 48: the context name, a NUL-terminated text
    uint8_t reserved1[8];
    IUnknown* editedObject; // byte 64: the object being edited (no reference given)
    uint8_t reserved2[24];
};

static_assert(offsetof(tag_VarnelViewContext, contextName) == 48, "context name at byte 48");
static_assert(offsetof(tag_VarnelViewContext, editedObject) == 64, "edited object at byte 64");
