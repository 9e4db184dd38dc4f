#include "host/entry/moduleentry.h"

#include "host/frame/profileeditorframe.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "host/sharedids/sharedids.h"
#include "resources/editorresources.h"
#include "view/profileeditorview.h"

#include "platform/docview/application.h"

namespace {

// What attaching the module to the host process does: the shared ids are
// registered, then the module's resources join the framework's chain.
struct ModuleAttach {
    ModuleAttach()
    {
        SharedIds::RegisterAll();
        AfxAddResourceModule(&EditorResourceModule());
    }
};
const ModuleAttach attachAtLoad;

} // namespace

extern "C" int KDInitDll(uint32_t /*reserved*/)
{
    auto* docTemplate
        = new CKDocTemplate(ProfileEditorDocumentType, ProfileEditorResourceId, RUNTIME_CLASS(CKSUDocument),
            RUNTIME_CLASS(CSUProfileEditorFrame), RUNTIME_CLASS(CSUProfileEditorView), nullptr);
    if (CWinApp* app = AfxGetApp())
        app->AddDocTemplate(docTemplate); // the application owns it from now on
    else
        delete docTemplate; // no host application to hand it to
    return 1;
}
