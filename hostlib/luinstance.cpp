#include "host/services/luinstance.h"

#include "host/interfaces/modelvariable.h"
#include "hostlib/hostmodel.h"
#include "hostlib/hostobjectpath.h"
#include "hostlib/modelvariableobject.h"

LuInstance::LuInstance(IUnknown* owner) : m_owner(owner)
{
}

CString LuInstance::StringPath(int flag) const
{
    CComPtr<IHostObjectPath> pathSource;
    if (!m_owner || FAILED(m_owner.QueryInterface(IID_IHostObjectPath, pathSource)))
        return CString();
    CString path;
    if (FAILED(pathSource->GetObjectPath(path)))
        return CString();
    if (flag == 0)
        return path.Mid(path.ReverseFind('.') + 1);
    return path;
}

HRESULT LuInstance::QueryInstance(REFIID iid, void** out, const char* path, void* /*propertyDescriptor*/) const
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualGUID(iid, IID_IModelVariable))
        return E_NOINTERFACE;
    if (!m_owner || !path || !*path)
        return E_INVALIDARG;

    const HostModel& model = HostModel::Shared();
    const CString ownerPath = StringPath(1);
    std::optional<HostModel::Match> match;
    if (!ownerPath.IsEmpty())
        match = model.FindVariable(ownerPath + "." + path);
    if (!match)
        match = model.FindVariable(path);
    if (!match)
        return LU_E_NOTFOUND;

    CComPtr<ModelVariableObject> variable = ModelVariableObject::Create(match->path, match->variable.attributes);
    *out = static_cast<IModelVariable*>(variable.Detach());
    return S_OK;
}
