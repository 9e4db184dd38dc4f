#pragma once

// COM-style interfaces as plain C++: GUIDs, IUnknown with reference counting and
// QueryInterface, and a smart pointer that holds one reference.

#include "platform/core/types.h"

#include <string>

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline bool SUCCEEDED(HRESULT hr)
{
    return hr >= 0;
}
inline bool FAILED(HRESULT hr)
{
    return hr < 0;
}

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(GUID) == 16, "GUID has the standard 16-byte layout");

using IID = GUID;
using REFIID = const GUID&;
using REFGUID = const GUID&;

bool operator==(const GUID& a, const GUID& b);
inline bool operator!=(const GUID& a, const GUID& b)
{
    return !(a == b);
}
inline bool IsEqualGUID(const GUID& a, const GUID& b)
{
    return a == b;
}

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
std::string GuidToString(const GUID& guid);

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

extern const IID IID_IUnknown;

// Holds one reference on an interface; Attach takes over a reference already counted.
template <class T> class CComPtr {
public:
    CComPtr() = default;
    CComPtr(T* p) : m_p(p) // NOLINT: implicit, like the framework's
    {
        if (m_p)
            m_p->AddRef();
    }
    CComPtr(const CComPtr& o) : CComPtr(o.m_p) { }
    CComPtr(CComPtr&& o) noexcept : m_p(o.m_p) { o.m_p = nullptr; }
    ~CComPtr() { Release(); }
    CComPtr& operator=(const CComPtr& o)
    {
        CComPtr copy(o);
        Swap(copy);
        return *this;
    }
    CComPtr& operator=(CComPtr&& o) noexcept
    {
        CComPtr moved(std::move(o));
        Swap(moved);
        return *this;
    }

    void Release()
    {
        if (m_p) {
            T* p = m_p;
            m_p = nullptr;
            p->Release();
        }
    }
    void Attach(T* p)
    {
        Release();
        m_p = p;
    }
    T* Detach()
    {
        T* p = m_p;
        m_p = nullptr;
        return p;
    }
    // For out parameters: releases what is held and gives the slot.
    T** operator&()
    {
        Release();
        return &m_p;
    }
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    // QueryInterface on the held object for `iid` into `out`.
    template <class Q> HRESULT QueryInterface(REFIID iid, CComPtr<Q>& out) const
    {
        out.Release();
        if (!m_p)
            return E_POINTER;
        void* raw = nullptr;
        const HRESULT hr = m_p->QueryInterface(iid, &raw);
        if (SUCCEEDED(hr))
            out.Attach(static_cast<Q*>(raw));
        return hr;
    }

private:
    void Swap(CComPtr& o) noexcept
    {
        T* p = m_p;
        m_p = o.m_p;
        o.m_p = p;
    }

    T* m_p = nullptr;
};
