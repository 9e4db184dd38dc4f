#pragma once

// A model variable (or one element of an array variable) as LuInstance
// hands it out: its path and its attribute bits.

#include "host/interfaces/modelvariable.h"
#include "hostlib/hostobject.h"
#include "hostlib/hostobjectpath.h"

class ModelVariableObject final : public HostObject<IModelVariable, IHostObjectPath> {
public:
    // Logged as "variable:" + path.
    static CComPtr<ModelVariableObject> Create(const CString& path, uint32_t attributes);

    const CString& path() const { return m_path; }
    uint32_t attributes() const { return m_attributes; }

    // IModelVariable
    // Copies the path with its NUL into `buffer`: S_OK when it fits, S_FALSE
    // when it had to be cut (still NUL-terminated), E_POINTER without room.
    HRESULT GetPath(char* buffer, uint32_t size) override;
    // 1 when every bit of `mask` is among the attributes, else 0.
    int32_t HasAttribute(uint32_t mask) override;

    // IHostObjectPath
    HRESULT GetObjectPath(CString& path) override;

protected:
    void* FindInterface(REFIID iid) override;

private:
    ModelVariableObject(const CString& path, uint32_t attributes);
    ~ModelVariableObject() override;

    CString m_path;
    uint32_t m_attributes;
};
