#include "host/sharedids/sharedids.h"

#include "host/interfaces/dropformats.h"

#include "platform/controls/draglistbox.h"
#include "platform/core/registry.h"

namespace {

const std::array<const char*, 30> FormatNames = {
    VariablePathFormatName,
    ProfileVariableNameFormatName,
    "Lumen Model Format",
    "Lumen Model Object Format",
    "Lumen Model Block Format",
    "Lumen Model Stream Format",
    "Lumen Model Connection Format",
    "Lumen Model Parameter Format",
    "Lumen Type Format",
    "Lumen Type Name Format",
    "Lumen Type Definition Format",
    "Lumen Type Instance Format",
    "Lumen Explorer Item Format",
    "Lumen Explorer Folder Format",
    "Lumen Explorer Path Format",
    "Lumen Explorer Selection Format",
    "Lumen Language Text Format",
    "Lumen Language Statement Format",
    "Lumen Language Declaration Format",
    "Lumen Library Node Format",
    "Lumen Library Node Path Format",
    "Lumen Library Node List Format",
    "Lumen Form Format",
    "Lumen Form Item Format",
    "Lumen Form Layout Format",
    "Lumen Form Table Format",
    "Lumen Control Format",
    "Lumen Control Object Format",
    "Lumen Control Property Format",
    "Lumen Control Link Format",
};

struct Ids {
    UINT variablePathFormat = 0;
    UINT profileVariableNameFormat = 0;
    UINT dragListMessage = 0;
    UINT inPlaceControlMessage = 0;
    UINT listControlMessage = 0;
    UINT showVarnelViewMessage = 0;
};

// Built on first use, so that the ids exist before anything of the module
// reads them, whatever order the load-time initialisers run in.
const Ids& Registered()
{
    static const Ids ids = [] {
        Ids registered;
        for (const char* name : FormatNames)
            RegisterClipboardFormat(name);
        registered.variablePathFormat = RegisterClipboardFormat(VariablePathFormatName);
        registered.profileVariableNameFormat = RegisterClipboardFormat(ProfileVariableNameFormatName);
        registered.dragListMessage = ::DragListMessage(); // the platform drag list's own
        registered.inPlaceControlMessage = RegisterWindowMessage("ipc_CtrlMsg");
        registered.listControlMessage = RegisterWindowMessage("ipc_CtrlMsg");
        registered.showVarnelViewMessage = RegisterWindowMessage("SHOW_VARNELVIEW");
        return registered;
    }();
    return ids;
}

} // namespace

namespace SharedIds {

const std::array<const char*, 30>& SharedClipboardFormatNames()
{
    return FormatNames;
}

void RegisterAll()
{
    Registered();
}

UINT VariablePathFormat()
{
    return Registered().variablePathFormat;
}
UINT ProfileVariableNameFormat()
{
    return Registered().profileVariableNameFormat;
}
UINT DragListMessage()
{
    return Registered().dragListMessage;
}
UINT InPlaceControlMessage()
{
    return Registered().inPlaceControlMessage;
}
UINT ListControlMessage()
{
    return Registered().listControlMessage;
}
UINT ShowVarnelViewMessage()
{
    return Registered().showVarnelViewMessage;
}

} // namespace SharedIds
