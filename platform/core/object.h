#pragma once

// CObject and creation by class: a class object holds the class name, its base
// and a factory, so that a template can create documents, frames and views by class.

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // Null when the class cannot be created by class.
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;

    static const CRuntimeClass classCObject;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* cls) const;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)                                                                                           \
public:                                                                                                                \
    static const CRuntimeClass class##cls;                                                                             \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls)                                                                                         \
    DECLARE_DYNAMIC(cls)                                                                                               \
    static CObject* CreateObject();

#define IMPLEMENT_DYNAMIC(cls, base)                                                                                   \
    const CRuntimeClass cls::class##cls = {#cls, nullptr, RUNTIME_CLASS(base)};                                        \
    const CRuntimeClass* cls::GetRuntimeClass() const                                                                  \
    {                                                                                                                  \
        return RUNTIME_CLASS(cls);                                                                                     \
    }

#define IMPLEMENT_DYNCREATE(cls, base)                                                                                 \
    CObject* cls::CreateObject()                                                                                       \
    {                                                                                                                  \
        return new cls;                                                                                                \
    }                                                                                                                  \
    const CRuntimeClass cls::class##cls = {#cls, &cls::CreateObject, RUNTIME_CLASS(base)};                             \
    const CRuntimeClass* cls::GetRuntimeClass() const                                                                  \
    {                                                                                                                  \
        return RUNTIME_CLASS(cls);                                                                                     \
    }
