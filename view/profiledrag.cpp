// A profile dragged out of the profiles list: its variables go under "Lumen
// Variable Path Format", on the drag and, while the drag runs, on the
// clipboard together with the profile's name ("Profile Variable Name Format").

#include "view/variabledragdrop.h"

#include "host/sharedids/sharedids.h"
#include "platform/ole/clipboard.h"
#include "platform/ole/oledatasource.h"
#include "view/formaccess.h"
#include "view/profilespanel.h"
#include "view/variablepathpayload.h"
#include "view/viewlogging.h"

#include <cstring>
#include <string>

namespace {

// A new shared block holding `bytes`; false when there is no memory for it.
bool MakeBlock(const std::string& bytes, HGLOBAL* block)
{
    HGLOBAL made = GlobalAlloc(GMEM_DDESHARE, bytes.size());
    if (!made)
        return false;
    std::memcpy(GlobalLock(made), bytes.data(), bytes.size());
    GlobalUnlock(made);
    *block = made;
    return true;
}

// Puts `block` on the open clipboard, or frees it when it cannot go there.
void PutOnClipboard(UINT format, HGLOBAL block)
{
    if (!SetClipboardData(format, block)) {
        qCWarning(lcView, "The dragged profile could not be put on the clipboard under format %u.", format);
        GlobalFree(block);
    }
}

} // namespace

VariableDragDrop::VariableDragDrop(
    const FormAccess& form, ProfilesPanel& profiles, const DefinitionExchange& definition)
    : m_form(form), m_profiles(profiles), m_definition(definition)
{
}

VariableDragDrop::~VariableDragDrop() = default;

bool VariableDragDrop::BuildVariablePathPayload(HGLOBAL* block) const
{
    CStringArray paths;
    const CListBoxEx& variables = m_profiles.VariablesList();
    for (int i = 0; i < variables.GetCount(); ++i) {
        CString path;
        variables.GetText(i, path);
        paths.Add(path);
    }
    return MakeBlock(VariablePathPayloadBytes(paths), block);
}

bool VariableDragDrop::BuildProfileNamePayload(HGLOBAL* block) const
{
    const CListCtrl& list = m_profiles.List();
    const int row = list.GetNextItem(-1, LVNI_SELECTED);
    const CString name = row >= 0 ? list.GetItemText(row, 0) : CString();
    return MakeBlock(ProfileNamePayloadBytes(name), block);
}

void VariableDragDrop::OnProfilesBeginDrag()
{
    if (m_profiles.List().GetSelectedCount() > 1)
        return;
    const UINT pathFormat = SharedIds::VariablePathFormat();
    HGLOBAL dragBlock = nullptr;
    if (!BuildVariablePathPayload(&dragBlock)) {
        qCWarning(lcView, "No memory for the dragged profile's variables; the drag does not start.");
        return;
    }
    if (!m_dragSource)
        m_dragSource = std::make_unique<COleDataSource>();
    m_dragSource->CacheGlobalData(pathFormat, dragBlock);

    if (OpenClipboard(m_form.Handle())) {
        HGLOBAL block = nullptr;
        if (BuildVariablePathPayload(&block))
            PutOnClipboard(pathFormat, block);
        if (BuildProfileNamePayload(&block))
            PutOnClipboard(SharedIds::ProfileVariableNameFormat(), block);
        CloseClipboard();
    } else {
        qCWarning(lcView, "The clipboard could not be opened; the dragged profile is not on it.");
    }

    m_selfDrag = 1;
    m_dragSource->DoDragDrop(DROPEFFECT_COPY);
    m_selfDrag = 0;

    if (OpenClipboard(m_form.Handle())) {
        EmptyClipboard();
        CloseClipboard();
    }
    m_dragSource->Empty();
}
