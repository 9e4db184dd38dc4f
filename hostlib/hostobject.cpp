#include "hostlib/hostobject.h"

#include "host/interfaces/formmodelsource.h"
#include "host/interfaces/modelvariable.h"
#include "host/interfaces/profileplotdata.h"
#include "host/interfaces/profileplothost.h"
#include "hostlib/calllog.h"
#include "hostlib/hostobjectpath.h"

QString HostInterfaceName(REFIID iid)
{
    struct Known {
        const IID* iid;
        const char* name;
    };
    static const Known known[] = {
        {&IID_IUnknown, "IUnknown"},
        {&IID_IProfilePlotData, "IProfilePlotData"},
        {&IID_IFormModelSource, "IFormModelSource"},
        {&IID_IProfilePlotHost, "IProfilePlotHost"},
        {&IID_IModelVariable, "IModelVariable"},
        {&IID_IHostObjectPath, "IHostObjectPath"},
    };
    for (const Known& entry : known) {
        if (IsEqualGUID(*entry.iid, iid))
            return QString::fromLatin1(entry.name);
    }
    return QString();
}

HostObjectCore::HostObjectCore(QString logName) : m_logName(std::move(logName))
{
}

HostObjectCore::~HostObjectCore() = default;

QStringList HostObjectCore::callNames() const
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_calls.size()));
    for (const CallRecord& record : m_calls)
        names.append(record.call);
    return names;
}

void HostObjectCore::LogCall(const char* call, const QJsonObject& args)
{
    m_calls.push_back({QString::fromLatin1(call), args});
    CallLog::Write({{QStringLiteral("object"), m_logName}, {QStringLiteral("call"), m_calls.back().call},
        {QStringLiteral("args"), args}});
}

void HostObjectCore::LogQueryInterface(REFIID iid)
{
    QJsonObject args {{QStringLiteral("iid"), QString::fromStdString(GuidToString(iid))}};
    const QString name = HostInterfaceName(iid);
    if (!name.isEmpty())
        args.insert(QStringLiteral("interface"), name);
    LogCall("QueryInterface", args);
}
