#pragma once

// The host's plot host in memory: IProfilePlotHost over one
// ProfilePlotDataObject. It refuses IProfilePlotData in QueryInterface, so the
// editor reaches the definition through GetPlotDataObjects and has the time
// settings. Every call is logged.

#include "host/interfaces/profileplothost.h"
#include "hostlib/hostobject.h"
#include "hostlib/profileplotdataobject.h"

class ProfilePlotHostObject final : public HostObject<IProfilePlotHost> {
public:
    // Holds one reference on `plotData`; the owner handed out is the plot
    // data object's owner.
    static CComPtr<ProfilePlotHostObject> Create(const QString& logName, ProfilePlotDataObject* plotData);

    ProfilePlotDataObject* plotData() const { return m_plotData.get(); }
    int definitionWrittenCount() const { return m_definitionWrittenCount; }
    int editorClosingCount() const { return m_editorClosingCount; }
    int previousPlotProfilesCount() const { return m_previousPlotProfilesCount; }
    // What the last NotifyPreviousPlotProfiles passed.
    const CStringArray& previousPlottedNames() const { return m_previousPlottedNames; }
    const CString& previousXAxisName() const { return m_previousXAxisName; }

    // IProfilePlotHost
    HRESULT GetTimeMode(int32_t* timeMode) override;
    HRESULT NotifyPreviousPlotProfiles(
        const CStringArray& previousPlottedNames, const CString& previousXAxisName) override;
    HRESULT GetPlotDataObjects(IProfilePlotData** plotData, IUnknown** owner) override;
    HRESULT NotifyDefinitionWritten() override;
    HRESULT NotifyEditorClosing() override;

protected:
    void* FindInterface(REFIID iid) override;

private:
    ProfilePlotHostObject(const QString& logName, ProfilePlotDataObject* plotData);
    ~ProfilePlotHostObject() override;

    CComPtr<ProfilePlotDataObject> m_plotData;
    int m_definitionWrittenCount = 0;
    int m_editorClosingCount = 0;
    int m_previousPlotProfilesCount = 0;
    CStringArray m_previousPlottedNames;
    CString m_previousXAxisName;
};
