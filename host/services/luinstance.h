#pragma once

// A host model object seen through its path: the path of the object itself,
// and the model variables found relative to it.

#include "platform/core/com.h"
#include "platform/core/cstring.h"

// QueryInstance found no variable at the path.
constexpr HRESULT LU_E_NOTFOUND = static_cast<HRESULT>(0x80070490u);

class LuInstance {
public:
    // Holds one reference on `owner` (which may be null) while it lives.
    explicit LuInstance(IUnknown* owner);

    // The owner object's path ("Flowsheet.B1") for a non-zero `flag`, its own
    // name (the part after the last '.', "B1") for 0. Empty for a null owner or
    // an object that is not part of the host model.
    CString StringPath(int flag) const;

    // Finds the model variable at `path` and gives it as `iid` with one
    // reference in `out`. The path is read relative to the owner's path first
    // (owner "B1", path "T" finds "B1.T"), then as a full path; case is ignored.
    // A path may name one element of an array variable ("T(3)", "X(2,1)").
    // `propertyDescriptor` is not used. Negative when nothing is found, when the
    // owner is null, when the path is empty or when `iid` is not
    // IID_IModelVariable; `out` is then null.
    HRESULT QueryInstance(REFIID iid, void** out, const char* path, void* propertyDescriptor) const;

private:
    CComPtr<IUnknown> m_owner;
};
