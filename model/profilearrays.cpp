#include "model/profilearrays.h"

#include "platform/core/invalidarg.h"

#include <utility>

namespace {

[[noreturn]] void Disagree(const char* kind, int index, const CString& name, const char* what)
{
    CString text;
    text.Format("The %s profile %d (\"%s\") %s.", kind, index + 1, name.GetString(), what);
    AfxThrowInvalidArgException(text);
}

} // namespace

void SplitProfileArrays(
    ProfileArrays arrays, int16_t role, const char* kind, const std::function<void(std::unique_ptr<CSUPEProfile>)>& add)
{
    const int variableCount = arrays.variables.GetSize();
    int position = 0;
    for (int i = 0; i < arrays.names.GetSize(); ++i) {
        const CString& name = arrays.names[i];
        if (i >= arrays.dimensions.GetSize())
            Disagree(kind, i, name, "has no dimension: the definition gives fewer dimensions than names");
        if (i >= arrays.counts.GetSize())
            Disagree(kind, i, name, "has no variable count: the definition gives fewer counts than names");
        const UINT dimension = arrays.dimensions[i];
        const UINT count = arrays.counts[i];
        if (count > static_cast<UINT>(variableCount - position)) {
            CString what;
            what.Format("needs %u variables from position %d on, but the definition's %s variables end after %d", count,
                position + 1, kind, variableCount);
            Disagree(kind, i, name, what);
        }
        auto profile = std::make_unique<CSUPEProfile>(name);
        profile->role = role;
        profile->dimension = static_cast<int32_t>(dimension);
        // Sized once and filled by moving: no regrowing per variable.
        profile->variables.SetSize(static_cast<int>(count));
        for (int v = 0; v < static_cast<int>(count); ++v)
            profile->variables[v] = std::move(arrays.variables[position + v]);
        position += static_cast<int>(count);
        add(std::move(profile));
    }
}

void AppendToProfileArrays(ProfileArrays& arrays, const CSUPEProfile& profile)
{
    arrays.names.Add(profile.name);
    arrays.dimensions.Add(static_cast<UINT>(profile.dimension));
    arrays.counts.Add(static_cast<UINT>(profile.variables.GetSize()));
    for (const CString& variable : profile.variables)
        arrays.variables.Add(variable);
}
