#include "hostlib/modelvariableobject.h"

#include <cstring>

CComPtr<ModelVariableObject> ModelVariableObject::Create(const CString& path, uint32_t attributes)
{
    return CComPtr<ModelVariableObject>(new ModelVariableObject(path, attributes));
}

ModelVariableObject::ModelVariableObject(const CString& path, uint32_t attributes)
    : HostObject(QStringLiteral("variable:") + path.ToQString()), m_path(path), m_attributes(attributes)
{
}

ModelVariableObject::~ModelVariableObject() = default;

void* ModelVariableObject::FindInterface(REFIID iid)
{
    if (IsEqualGUID(iid, IID_IModelVariable))
        return static_cast<IModelVariable*>(this);
    if (IsEqualGUID(iid, IID_IHostObjectPath))
        return static_cast<IHostObjectPath*>(this);
    return nullptr;
}

HRESULT ModelVariableObject::GetPath(char* buffer, uint32_t size)
{
    LogCall("GetPath", {{QStringLiteral("size"), static_cast<qint64>(size)}});
    if (!buffer || size == 0)
        return E_POINTER;
    const size_t length = static_cast<size_t>(m_path.GetLength());
    const size_t copied = std::min<size_t>(length, size - 1);
    std::memcpy(buffer, m_path.GetString(), copied);
    buffer[copied] = '\0';
    return copied == length ? S_OK : S_FALSE;
}

int32_t ModelVariableObject::HasAttribute(uint32_t mask)
{
    LogCall("HasAttribute", {{QStringLiteral("mask"), static_cast<qint64>(mask)}});
    return (m_attributes & mask) == mask ? 1 : 0;
}

HRESULT ModelVariableObject::GetObjectPath(CString& path)
{
    LogCall("GetObjectPath");
    path = m_path;
    return S_OK;
}
