#include "workbench/app/profilesender.h"

#include "host/interfaces/editorcontract.h"
#include "model/profile.h"

#include <memory>

CStringArray RelativeToOwner(const CStringArray& fullPaths, const CString& owner)
{
    CStringArray relative;
    const int prefixLength = owner.GetLength() + 1;
    for (const CString& path : fullPaths) {
        if (!owner.IsEmpty() && path.GetLength() > prefixLength
            && path.Left(owner.GetLength()).CompareNoCase(owner) == 0 && path.GetAt(owner.GetLength()) == '.')
            relative.Add(path.Mid(prefixLength));
        else
            relative.Add(path);
    }
    return relative;
}

LRESULT SendProfileToEditor(HWND frame, const ProfileToSend& profile)
{
    if (!frame)
        return 0;
    // The sender owns the record: the editor copies what it keeps.
    auto record = std::make_unique<CSUPEProfile>(profile.name);
    record->variables.Copy(profile.variables);
    record->dimension = profile.dimension;
    record->plotRequested = 1;
    return ::SendMessage(frame, WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(record.get()));
}
