#pragma once

// What the in-place edit and button report to their owner: the registered
// "ipc_CtrlMsg" sent with wParam 0 and lParam pointing to an InPlaceNotify.
// The owner's non-zero answer tells the control to hide itself.

#include "platform/core/types.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// 28 bytes, packed, little-endian, as the controls have always sent it.
struct InPlaceNotify {
    enum Reason : UINT {
        Key = 1, // detail: the virtual-key code
        ButtonClick = 2, // detail: the button's control id
        FocusLost = 3, // detail: the window receiving the focus, 0 for none
    };

    uint64_t hwndFrom; // the reporting window; 0 in the button's click and focus reports
    UINT reason;
    uint64_t detail;
    POINT pt; // screen position of the message (see the controls for each reason)

    HWND Window() const { return reinterpret_cast<HWND>(static_cast<uintptr_t>(hwndFrom)); }
    UINT KeyCode() const { return static_cast<UINT>(detail); }
    UINT ControlId() const { return static_cast<UINT>(detail); }
    HWND FocusWindow() const { return reinterpret_cast<HWND>(static_cast<uintptr_t>(detail)); }
};
#pragma pack(pop)

static_assert(sizeof(InPlaceNotify) == 28, "InPlaceNotify is a 28-byte record");
static_assert(offsetof(InPlaceNotify, hwndFrom) == 0, "window at offset 0");
static_assert(offsetof(InPlaceNotify, reason) == 8, "reason at offset 8");
static_assert(offsetof(InPlaceNotify, detail) == 12, "detail at offset 12");
static_assert(offsetof(InPlaceNotify, pt) == 20, "position at offset 20");

inline uint64_t WindowBits(HWND window)
{
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window));
}
