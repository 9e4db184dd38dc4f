#pragma once

// The block that a module sends with the registered message "SHOW_VARNELVIEW"
// to the host's main window, lParam its address, to have one of the host's
// views shown: 80 bytes, in the host's layout for 64-bit processes.

#include "platform/core/com.h"

#include <cstddef>
#include <cstdint>

struct ShowViewRequest {
    GUID requestType; // byte 0: ShowViewRequestType
    uint8_t zero[32]; // byte 16
    const char* ownerPrefix; // byte 48: NUL-terminated text, may be empty
    int64_t viewKind; // byte 56: ViewKindFindVariables, ...
    uint64_t reserved; // byte 64
    uint32_t flags; // byte 72: 0
    uint32_t padding; // byte 76
};

static_assert(sizeof(ShowViewRequest) == 80, "the request block is 80 bytes");
static_assert(offsetof(ShowViewRequest, requestType) == 0, "GUID at byte 0");
static_assert(offsetof(ShowViewRequest, zero) == 16, "zero bytes at byte 16");
static_assert(offsetof(ShowViewRequest, ownerPrefix) == 48, "text pointer at byte 48");
static_assert(offsetof(ShowViewRequest, viewKind) == 56, "view kind at byte 56");
static_assert(offsetof(ShowViewRequest, reserved) == 64, "reserved at byte 64");
static_assert(offsetof(ShowViewRequest, flags) == 72, "flags at byte 72");
static_assert(sizeof(GUID) == 16, "a GUID is 16 bytes");

// {4540E8D0-947F-11D0-B864-00C0DF121F4E}
inline constexpr GUID ShowViewRequestType
    = {0x4540E8D0, 0x947F, 0x11D0, {0xB8, 0x64, 0x00, 0xC0, 0xDF, 0x12, 0x1F, 0x4E}};
inline constexpr int64_t ViewKindFindVariables = 14;
