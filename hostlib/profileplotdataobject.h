#pragma once

// The host's plot-definition object in memory: IProfilePlotData over a
// PlotDefinition, with IFormModelSource for its owner. Every Get gives exactly
// what the last Set (or setDefinition) put there; every call is logged.

#include "host/interfaces/formmodelsource.h"
#include "host/interfaces/profileplotdata.h"
#include "hostlib/hostobject.h"
#include "hostlib/plotdefinition.h"

class ProfilePlotDataObject final : public HostObject<IProfilePlotData, IFormModelSource> {
public:
    // `owner` (may be null) is held with one reference.
    static CComPtr<ProfilePlotDataObject> Create(
        const QString& logName, const PlotDefinition& definition, IUnknown* owner);

    // The host's own access, not logged.
    const PlotDefinition& definition() const { return m_definition; }
    void setDefinition(const PlotDefinition& definition) { m_definition = definition; }
    IUnknown* owner() const { return m_owner.get(); }
    void setOwner(IUnknown* owner) { m_owner = CComPtr<IUnknown>(owner); }
    // How often NotifyDefinitionChanged arrived.
    int definitionChangedCount() const { return m_definitionChangedCount; }

    // IProfilePlotData
    HRESULT GetIs3DPlot(int32_t* is3DPlot) override;
    HRESULT SetIs3DPlot(int32_t is3DPlot) override;
    HRESULT GetYAxisIsTime(int32_t* yAxisIsTime) override;
    HRESULT SetYAxisIsTime(int32_t yAxisIsTime) override;
    HRESULT GetPlotProfiles(
        CString& xAxisName, CString& yAxisName, CStringArray& plottedNames, CUIntArray& plottedDimensions) override;
    HRESULT SetPlotProfiles(const CString& xAxisName, const CString& yAxisName, const CStringArray& plottedNames,
        const CUIntArray& plottedDimensions) override;
    HRESULT GetPlotProfileVariables(CStringArray& xAxisVariables, CStringArray& yAxisVariables,
        CUIntArray& plottedCounts, CStringArray& plottedVariables) override;
    HRESULT SetPlotProfileVariables(const CStringArray& xAxisVariables, const CStringArray& yAxisVariables,
        const CUIntArray& plottedCounts, const CStringArray& plottedVariables) override;
    HRESULT GetUnassignedProfiles(CStringArray& names, CUIntArray& dimensions) override;
    HRESULT SetUnassignedProfiles(const CStringArray& names, const CUIntArray& dimensions) override;
    HRESULT GetUnassignedProfileVariables(CUIntArray& counts, CStringArray& variables) override;
    HRESULT SetUnassignedProfileVariables(const CUIntArray& counts, const CStringArray& variables) override;
    HRESULT GetMaxTimePoints(int32_t* maxTimePoints) override;
    HRESULT SetMaxTimePoints(int32_t maxTimePoints) override;
    HRESULT GetTimes(CStringArray& timeEntries) override;
    HRESULT SetTimes(const CStringArray& timeEntries) override;

    // IFormModelSource
    HRESULT GetOwnerObject(IUnknown** owner) override;
    HRESULT NotifyDefinitionChanged() override;

protected:
    void* FindInterface(REFIID iid) override;

private:
    ProfilePlotDataObject(const QString& logName, const PlotDefinition& definition, IUnknown* owner);
    ~ProfilePlotDataObject() override;

    PlotDefinition m_definition;
    CComPtr<IUnknown> m_owner;
    int m_definitionChangedCount = 0;
};
