#include "hostlib/profileplothostobject.h"

#include "hostlib/jsonconvert.h"

CComPtr<ProfilePlotHostObject> ProfilePlotHostObject::Create(const QString& logName, ProfilePlotDataObject* plotData)
{
    return CComPtr<ProfilePlotHostObject>(new ProfilePlotHostObject(logName, plotData));
}

ProfilePlotHostObject::ProfilePlotHostObject(const QString& logName, ProfilePlotDataObject* plotData)
    : HostObject(logName), m_plotData(plotData)
{
}

ProfilePlotHostObject::~ProfilePlotHostObject() = default;

void* ProfilePlotHostObject::FindInterface(REFIID iid)
{
    // IProfilePlotData is refused on purpose: the editor then asks for this
    // interface and takes the definition from GetPlotDataObjects.
    if (IsEqualGUID(iid, IID_IProfilePlotHost))
        return static_cast<IProfilePlotHost*>(this);
    return nullptr;
}

HRESULT ProfilePlotHostObject::GetTimeMode(int32_t* timeMode)
{
    LogCall("GetTimeMode");
    if (!timeMode)
        return E_POINTER;
    *timeMode = m_plotData ? m_plotData->definition().timeMode : 0;
    return m_plotData ? S_OK : E_FAIL;
}

HRESULT ProfilePlotHostObject::NotifyPreviousPlotProfiles(
    const CStringArray& previousPlottedNames, const CString& previousXAxisName)
{
    LogCall("NotifyPreviousPlotProfiles",
        {{QStringLiteral("previousPlottedNames"), JsonTexts(previousPlottedNames)},
            {QStringLiteral("previousXAxisName"), JsonText(previousXAxisName)}});
    ++m_previousPlotProfilesCount;
    m_previousPlottedNames = previousPlottedNames;
    m_previousXAxisName = previousXAxisName;
    return S_OK;
}

HRESULT ProfilePlotHostObject::GetPlotDataObjects(IProfilePlotData** plotData, IUnknown** owner)
{
    LogCall("GetPlotDataObjects");
    if (plotData)
        *plotData = nullptr;
    if (owner)
        *owner = nullptr;
    if (!plotData || !owner)
        return E_POINTER;
    if (!m_plotData)
        return E_FAIL;
    *plotData = m_plotData.get();
    (*plotData)->AddRef();
    *owner = m_plotData->owner();
    if (*owner)
        (*owner)->AddRef();
    return S_OK;
}

HRESULT ProfilePlotHostObject::NotifyDefinitionWritten()
{
    LogCall("NotifyDefinitionWritten");
    ++m_definitionWrittenCount;
    return S_OK;
}

HRESULT ProfilePlotHostObject::NotifyEditorClosing()
{
    LogCall("NotifyEditorClosing");
    ++m_editorClosingCount;
    return S_OK;
}
