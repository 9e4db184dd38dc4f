#pragma once

// An object of the host model that owns a form, such as a block: to the editor
// an IUnknown only, which it hands to LuInstance to learn the path.

#include "hostlib/hostobject.h"
#include "hostlib/hostobjectpath.h"

class ModelObject final : public HostObject<IHostObjectPath> {
public:
    // Logged as "block:" + path unless `logName` names it otherwise.
    static CComPtr<ModelObject> Create(const CString& path, const QString& logName = QString());

    const CString& path() const { return m_path; }

    // IHostObjectPath
    HRESULT GetObjectPath(CString& path) override;

protected:
    void* FindInterface(REFIID iid) override;

private:
    ModelObject(const CString& path, const QString& logName);
    ~ModelObject() override;

    CString m_path;
};
