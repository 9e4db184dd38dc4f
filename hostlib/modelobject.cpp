#include "hostlib/modelobject.h"

CComPtr<ModelObject> ModelObject::Create(const CString& path, const QString& logName)
{
    return CComPtr<ModelObject>(new ModelObject(path, logName));
}

ModelObject::ModelObject(const CString& path, const QString& logName)
    : HostObject(logName.isEmpty() ? QStringLiteral("block:") + path.ToQString() : logName), m_path(path)
{
}

ModelObject::~ModelObject() = default;

void* ModelObject::FindInterface(REFIID iid)
{
    if (IsEqualGUID(iid, IID_IHostObjectPath))
        return static_cast<IHostObjectPath*>(this);
    return nullptr;
}

HRESULT ModelObject::GetObjectPath(CString& path)
{
    LogCall("GetObjectPath");
    path = m_path;
    return S_OK;
}
