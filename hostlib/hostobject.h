#pragma once

// The base of the in-memory host objects: reference counting and
// QueryInterface as the host's objects do them, and a log of every call the
// object receives (AddRef and Release excepted), in order, with its arguments.
// Each record also goes to the process-wide CallLog.
//
// Objects start with no reference and live on the heap only (their destructors
// are protected); Create functions hand them out in a CComPtr, and the last
// Release deletes them.

#include "platform/core/com.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vector>

struct CallRecord {
    QString call; // the operation's name as the interface names it
    QJsonObject args; // its arguments by parameter name; empty for none
};

// The interface names used in QueryInterface records: "IProfilePlotData"...;
// empty for an IID the host does not know.
QString HostInterfaceName(REFIID iid);

class HostObjectCore {
public:
    HostObjectCore(const HostObjectCore&) = delete;
    HostObjectCore& operator=(const HostObjectCore&) = delete;

    // The name that identifies the object in the call log ("plot:Column temperatures").
    const QString& logName() const { return m_logName; }
    void setLogName(const QString& name) { m_logName = name; }

    const std::vector<CallRecord>& calls() const { return m_calls; }
    QStringList callNames() const;
    void clearCalls() { m_calls.clear(); }

    ULONG refCount() const { return m_refCount; }

protected:
    explicit HostObjectCore(QString logName);
    virtual ~HostObjectCore();

    void LogCall(const char* call, const QJsonObject& args = {});
    void LogQueryInterface(REFIID iid);
    ULONG IncrementRefCount() { return ++m_refCount; }
    ULONG DecrementRefCount() { return --m_refCount; }

private:
    QString m_logName;
    std::vector<CallRecord> m_calls;
    ULONG m_refCount = 0;
};

template <class First, class... Rest> class HostObject : public First, public Rest..., public HostObjectCore {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        LogQueryInterface(iid);
        if (!object)
            return E_POINTER;
        *object = IsEqualGUID(iid, IID_IUnknown) ? static_cast<void*>(Identity()) : FindInterface(iid);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    ULONG AddRef() override { return IncrementRefCount(); }

    ULONG Release() override
    {
        const ULONG remaining = DecrementRefCount();
        if (remaining == 0)
            delete this;
        return remaining;
    }

    // The one IUnknown pointer that stands for the object (COM identity).
    IUnknown* Identity() { return static_cast<First*>(this); }

protected:
    using HostObjectCore::HostObjectCore;
    ~HostObject() override = default;

    // The pointer for one of the object's interfaces, converted from the
    // interface type (static_cast<IFoo*>(this)), or null for one it refuses.
    // IID_IUnknown is answered here.
    virtual void* FindInterface(REFIID iid) = 0;
};
