#include "hostlib/profileplotdataobject.h"

#include "hostlib/jsonconvert.h"
#include "hostlib/timeentrytext.h"

namespace {

QJsonObject Arg(const char* name, const QJsonValue& value)
{
    return {{QLatin1String(name), value}};
}

} // namespace

CComPtr<ProfilePlotDataObject> ProfilePlotDataObject::Create(
    const QString& logName, const PlotDefinition& definition, IUnknown* owner)
{
    return CComPtr<ProfilePlotDataObject>(new ProfilePlotDataObject(logName, definition, owner));
}

ProfilePlotDataObject::ProfilePlotDataObject(const QString& logName, const PlotDefinition& definition, IUnknown* owner)
    : HostObject(logName), m_definition(definition), m_owner(owner)
{
}

ProfilePlotDataObject::~ProfilePlotDataObject() = default;

void* ProfilePlotDataObject::FindInterface(REFIID iid)
{
    if (IsEqualGUID(iid, IID_IProfilePlotData))
        return static_cast<IProfilePlotData*>(this);
    if (IsEqualGUID(iid, IID_IFormModelSource))
        return static_cast<IFormModelSource*>(this);
    return nullptr;
}

HRESULT ProfilePlotDataObject::GetIs3DPlot(int32_t* is3DPlot)
{
    LogCall("GetIs3DPlot");
    if (!is3DPlot)
        return E_POINTER;
    *is3DPlot = m_definition.is3DPlot;
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetIs3DPlot(int32_t is3DPlot)
{
    LogCall("SetIs3DPlot", Arg("is3DPlot", is3DPlot));
    m_definition.is3DPlot = is3DPlot;
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetYAxisIsTime(int32_t* yAxisIsTime)
{
    LogCall("GetYAxisIsTime");
    if (!yAxisIsTime)
        return E_POINTER;
    *yAxisIsTime = m_definition.yAxisIsTime;
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetYAxisIsTime(int32_t yAxisIsTime)
{
    LogCall("SetYAxisIsTime", Arg("yAxisIsTime", yAxisIsTime));
    m_definition.yAxisIsTime = yAxisIsTime;
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetPlotProfiles(
    CString& xAxisName, CString& yAxisName, CStringArray& plottedNames, CUIntArray& plottedDimensions)
{
    LogCall("GetPlotProfiles");
    xAxisName = m_definition.xAxisName;
    yAxisName = m_definition.yAxisName;
    plottedNames = m_definition.plottedNames;
    plottedDimensions = m_definition.plottedDimensions;
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetPlotProfiles(const CString& xAxisName, const CString& yAxisName,
    const CStringArray& plottedNames, const CUIntArray& plottedDimensions)
{
    LogCall("SetPlotProfiles",
        {{QStringLiteral("xAxisName"), JsonText(xAxisName)}, {QStringLiteral("yAxisName"), JsonText(yAxisName)},
            {QStringLiteral("plottedNames"), JsonTexts(plottedNames)},
            {QStringLiteral("plottedDimensions"), JsonNumbers(plottedDimensions)}});
    m_definition.xAxisName = xAxisName;
    m_definition.yAxisName = yAxisName;
    m_definition.plottedNames = plottedNames;
    m_definition.plottedDimensions = plottedDimensions;
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetPlotProfileVariables(CStringArray& xAxisVariables, CStringArray& yAxisVariables,
    CUIntArray& plottedCounts, CStringArray& plottedVariables)
{
    LogCall("GetPlotProfileVariables");
    xAxisVariables = m_definition.xAxisVariables;
    yAxisVariables = m_definition.yAxisVariables;
    plottedCounts = m_definition.plottedCounts;
    plottedVariables = m_definition.plottedVariables;
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetPlotProfileVariables(const CStringArray& xAxisVariables,
    const CStringArray& yAxisVariables, const CUIntArray& plottedCounts, const CStringArray& plottedVariables)
{
    LogCall("SetPlotProfileVariables",
        {{QStringLiteral("xAxisVariables"), JsonTexts(xAxisVariables)},
            {QStringLiteral("yAxisVariables"), JsonTexts(yAxisVariables)},
            {QStringLiteral("plottedCounts"), JsonNumbers(plottedCounts)},
            {QStringLiteral("plottedVariables"), JsonTexts(plottedVariables)}});
    m_definition.xAxisVariables = xAxisVariables;
    m_definition.yAxisVariables = yAxisVariables;
    m_definition.plottedCounts = plottedCounts;
    m_definition.plottedVariables = plottedVariables;
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetUnassignedProfiles(CStringArray& names, CUIntArray& dimensions)
{
    LogCall("GetUnassignedProfiles");
    names = m_definition.unassignedNames;
    dimensions = m_definition.unassignedDimensions;
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetUnassignedProfiles(const CStringArray& names, const CUIntArray& dimensions)
{
    LogCall("SetUnassignedProfiles",
        {{QStringLiteral("names"), JsonTexts(names)}, {QStringLiteral("dimensions"), JsonNumbers(dimensions)}});
    m_definition.unassignedNames = names;
    m_definition.unassignedDimensions = dimensions;
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetUnassignedProfileVariables(CUIntArray& counts, CStringArray& variables)
{
    LogCall("GetUnassignedProfileVariables");
    counts = m_definition.unassignedCounts;
    variables = m_definition.unassignedVariables;
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetUnassignedProfileVariables(const CUIntArray& counts, const CStringArray& variables)
{
    LogCall("SetUnassignedProfileVariables",
        {{QStringLiteral("counts"), JsonNumbers(counts)}, {QStringLiteral("variables"), JsonTexts(variables)}});
    m_definition.unassignedCounts = counts;
    m_definition.unassignedVariables = variables;
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetMaxTimePoints(int32_t* maxTimePoints)
{
    LogCall("GetMaxTimePoints");
    if (!maxTimePoints)
        return E_POINTER;
    *maxTimePoints = m_definition.maxTimePoints;
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetMaxTimePoints(int32_t maxTimePoints)
{
    LogCall("SetMaxTimePoints", Arg("maxTimePoints", maxTimePoints));
    m_definition.maxTimePoints = maxTimePoints;
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetTimes(CStringArray& timeEntries)
{
    LogCall("GetTimes");
    timeEntries = TimeEntriesInUserConventions(m_definition.timeEntries);
    return S_OK;
}

HRESULT ProfilePlotDataObject::SetTimes(const CStringArray& timeEntries)
{
    LogCall("SetTimes", Arg("timeEntries", JsonTexts(timeEntries)));
    m_definition.timeEntries = TimeEntriesFromUserConventions(timeEntries);
    m_definition.timeMode = TimeModeOfEntries(timeEntries);
    return S_OK;
}

HRESULT ProfilePlotDataObject::GetOwnerObject(IUnknown** owner)
{
    LogCall("GetOwnerObject");
    if (!owner)
        return E_POINTER;
    *owner = m_owner.get();
    if (*owner)
        (*owner)->AddRef();
    return S_OK;
}

HRESULT ProfilePlotDataObject::NotifyDefinitionChanged()
{
    LogCall("NotifyDefinitionChanged");
    ++m_definitionChangedCount;
    return S_OK;
}
