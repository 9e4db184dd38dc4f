#pragma once

// What the host and the Profile Editor module agree on: the module's entry,
// the editor's document type, and the host's messages to an editor frame.

#include "platform/core/com.h"
#include "platform/windows/windowmessage.h"

#include <cstdint>

// The module's entry: registers the editor's document type with the host
// application and returns 1.
using KDInitDllFunction = int (*)(uint32_t reserved);
inline constexpr const char* KDInitDllSymbol = "KDInitDll";

// The editor's document type.
// {DD21FFC0-23A9-11D1-997A-00609733460C}
inline constexpr GUID ProfileEditorDocumentType
    = {0xDD21FFC0, 0x23A9, 0x11D1, {0x99, 0x7A, 0x00, 0x60, 0x97, 0x33, 0x46, 0x0C}};
// The document type's resources: menu and shortcut keys while an editor is active.
inline constexpr UINT ProfileEditorResourceId = 13302;

// Messages from the host to an editor frame.
constexpr UINT WM_PE_RECEIVE_PROFILE = WM_USER + 1; // lParam: a CSUPEProfile the sender owns
constexpr UINT WM_PE_CLOSE_EDITOR = WM_USER + 2;
constexpr UINT WM_PE_RELOAD_DEFINITION = WM_USER + 3;
