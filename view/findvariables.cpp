// "Find Variables...": asks the host's main window to show its variable
// finder, narrowed to the form's owner prefix where that helps.

#include "view/findvariables.h"

#include "host/services/luinstance.h"
#include "host/services/showviewrequest.h"
#include "host/sharedids/sharedids.h"
#include "platform/docview/application.h"
#include "view/variablepathpayload.h"
#include "view/viewlogging.h"

namespace {

// The text the request points to: the host may keep the pointer after the
// call, so it lives as long as the module.
CString& SentOwnerPrefix()
{
    static CString text;
    return text;
}

} // namespace

void ShowVariableFinder(const CString& contextName, IUnknown* owner)
{
    // An owner at the top of the model (a path without '.') needs no prefix.
    CString prefix = OwnerPrefixOf(contextName);
    if (owner && LuInstance(owner).StringPath(1).Find('.') < 0)
        prefix.Empty();
    SentOwnerPrefix() = prefix;

    ShowViewRequest request {};
    request.requestType = ShowViewRequestType;
    request.ownerPrefix = SentOwnerPrefix().GetString();
    request.viewKind = ViewKindFindVariables;
    CWnd* mainWindow = AfxGetMainWnd();
    if (!mainWindow) {
        qCWarning(lcView, "There is no main window to show the variable finder.");
        return;
    }
    mainWindow->SendMessage(SharedIds::ShowVarnelViewMessage(), 0, reinterpret_cast<LPARAM>(&request));
}
