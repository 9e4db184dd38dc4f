#pragma once

// The clipboard formats and window messages the module shares with the host,
// registered by name when the module loads: the same name gives every module
// of the process the same id.

#include "platform/core/types.h"

#include <array>

namespace SharedIds {

// Every clipboard format name that the host's modules share, registered whole.
const std::array<const char*, 30>& SharedClipboardFormatNames();

// Registers everything once; later calls do nothing.
void RegisterAll();

UINT VariablePathFormat(); // "Lumen Variable Path Format"
UINT ProfileVariableNameFormat(); // "Profile Variable Name Format"
UINT DragListMessage(); // "commctrl_DragListMsg"
UINT InPlaceControlMessage(); // "ipc_CtrlMsg", as the in-place controls send it
UINT ListControlMessage(); // "ipc_CtrlMsg" again, as the lists receive it
UINT ShowVarnelViewMessage(); // "SHOW_VARNELVIEW"

} // namespace SharedIds
