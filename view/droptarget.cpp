// The form as a drop target: variable paths dropped on the profiles list make
// a new profile of them; dropped on the variables list they are appended to
// the current profile.

#include "view/variabledragdrop.h"

#include "host/interfaces/modelvariable.h"
#include "host/services/luinstance.h"
#include "host/sharedids/sharedids.h"
#include "view/definitionexchange.h"
#include "view/formaccess.h"
#include "view/profilespanel.h"
#include "view/variablepathpayload.h"
#include "view/viewlogging.h"

namespace {

// A block locked for reading, unlocked and freed when it goes.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL block) : m_block(block), m_bytes(GlobalLock(block)) { }
    ~LockedBlock()
    {
        GlobalUnlock(m_block);
        GlobalFree(m_block);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    const void* bytes() const { return m_bytes; }
    size_t size() const { return GlobalSize(m_block); }

private:
    HGLOBAL m_block;
    void* m_bytes;
};

// Whether the host's model variable at `path`, relative to `owner`, may stand
// for the whole array when one of its elements is dropped alone.
bool IsWidenable(IUnknown* owner, const CString& path)
{
    const LuInstance instance(owner);
    void* found = nullptr;
    if (FAILED(instance.QueryInstance(IID_IModelVariable, &found, path, nullptr)) || !found)
        return false;
    auto* variable = static_cast<IModelVariable*>(found);
    const bool widenable = variable->HasAttribute(ModelVariableWidenableAttribute) != 0;
    variable->Release();
    return widenable;
}

} // namespace

DROPEFFECT VariableDragDrop::OnDragEnter(const COleDataObject* data, CPoint point)
{
    return data && data->IsDataAvailable(SharedIds::VariablePathFormat()) ? DropEffectAt(point) : DROPEFFECT_NONE;
}

void VariableDragDrop::UpdateDropRects()
{
    RECT view;
    m_form.Window().GetWindowRect(&view);
    const auto inView = [&view](const CWnd& list) {
        RECT rect;
        list.GetWindowRect(&rect);
        return CRect(rect.left - view.left, rect.top - view.top, rect.right - view.left, rect.bottom - view.top);
    };
    m_variablesDropRect = inView(m_profiles.VariablesList());
    m_profilesDropRect = inView(m_profiles.List());
}

DROPEFFECT VariableDragDrop::DropEffectAt(CPoint point)
{
    UpdateDropRects();
    // A profile dragged from the profiles list may not be dropped on its own
    // variables.
    if (m_variablesDropRect.PtInRect(point) && m_profiles.CurrentProfile() && m_selfDrag == 0)
        return DROPEFFECT_COPY;
    if (m_profilesDropRect.PtInRect(point))
        return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

bool VariableDragDrop::OnDrop(const COleDataObject* data, CPoint point)
{
    const UINT format = SharedIds::VariablePathFormat();
    if (!data || !data->IsDataAvailable(format))
        return false;
    bool profileMade = false;
    if (m_profilesDropRect.PtInRect(point)) {
        const int before = m_profiles.Profiles().GetCount();
        try {
            m_profiles.NewProfile();
        } catch (const std::exception& error) {
            m_form.ReportError(error.what());
            return false;
        }
        // The new profile must be the current one, or the paths would go to
        // another profile.
        const CSUPEProfile* current = m_profiles.CurrentProfile();
        profileMade = m_profiles.Profiles().GetCount() > before && current
            && current == m_profiles.ProfileFromRow(m_profiles.List().GetItemCount() - 1);
        if (!profileMade) {
            qCWarning(lcView, "A drop on the profiles list made no profile; the variables are not taken.");
            return false;
        }
    }
    if (!profileMade && !m_variablesDropRect.PtInRect(point))
        return false;
    HGLOBAL block = data->GetGlobalData(format);
    if (!block) {
        qCWarning(lcView, "The dropped variables could not be read.");
        return false;
    }
    const LockedBlock locked(block);
    CStringArray paths;
    CString reason;
    if (!ReadVariablePathPayload(locked.bytes(), locked.size(), paths, reason)) {
        qCWarning(lcView, "The dropped variables are refused: %s.", reason.GetString());
        return false;
    }
    const CString prefix = OwnerPrefixOf(m_definition.ContextName());
    if (paths.GetSize() == 1 && profileMade) {
        const WideningCandidate candidate = WideningCandidateOf(paths[0], prefix);
        if (!candidate.variable.IsEmpty() && candidate.singleSubscript
            && IsWidenable(m_definition.Owner(), candidate.variable))
            paths[0] = candidate.variable + "(*)";
    }
    for (const CString& path : paths)
        m_profiles.VariablesList().AddItem(WithoutOwnerPrefix(path, prefix));
    return true;
}
