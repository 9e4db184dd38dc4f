#pragma once

// The module's entry, called by the host after loading it.

#include "host/generalutil.h"
#include "platform/com.h"
#include "platform/resources.h"

// The editor's document type.
// {DD21FFC0-23A9-11D1-997A-00609733460C}
inline constexpr GUID ProfileEditorDocumentType = {0xDD21FFC0, 0x23A9, 0x11D1, {0x99, 0x7A, 0x00, 0x60, 0x97, 0x33, 0x46, 0x0C}};
inline constexpr UINT ProfileEditorResourceId = 13302;

// Registers the Profile Editor document type with the host application;
// returns 1 whatever the argument.
extern "C" PE_EXPORT int KDInitDll(uint32_t reserved);

// The module's own resources (the extension-module record's resource handle).
HINSTANCE ProfileEditorModule();
