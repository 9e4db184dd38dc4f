// A profile dragged out of the profiles list: its variables go under "Lumen
// Variable Path Format", on the drag and, while the drag runs, on the
// clipboard together with the profile's name ("Profile Variable Name Format").

#include "view/profileeditorview.h"

#include "host/sharedids/sharedids.h"
#include "platform/ole/clipboard.h"
#include "platform/ole/oledatasource.h"
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

bool CSUProfileEditorView::BuildVariablePathPayload(HGLOBAL* block) const
{
    CStringArray paths;
    for (int i = 0; i < m_variablesList.GetCount(); ++i) {
        CString path;
        m_variablesList.GetText(i, path);
        paths.Add(path);
    }
    return MakeBlock(VariablePathPayloadBytes(paths), block);
}

bool CSUProfileEditorView::BuildProfileNamePayload(HGLOBAL* block) const
{
    const int row = m_profilesList.GetNextItem(-1, LVNI_SELECTED);
    const CString name = row >= 0 ? m_profilesList.GetItemText(row, 0) : CString();
    return MakeBlock(ProfileNamePayloadBytes(name), block);
}

void CSUProfileEditorView::OnProfilesBeginDrag(const NMHDR* /*header*/)
{
    if (m_profilesList.GetSelectedCount() > 1)
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

    if (OpenClipboard(GetSafeHwnd())) {
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

    if (OpenClipboard(GetSafeHwnd())) {
        EmptyClipboard();
        CloseClipboard();
    }
    m_dragSource->Empty();
}
