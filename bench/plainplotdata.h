#pragma once

// A plot-definition object that only keeps what is written to it, as a host
// keeps its arrays: no call log, so that a benchmark of the editor's write
// measures the editor and the copies a host cannot avoid, not the workbench's
// logging of every path.

#include "host/interfaces/profileplotdata.h"
#include "hostlib/plotdefinition.h"

class PlainPlotData final : public IProfilePlotData {
public:
    explicit PlainPlotData(const PlotDefinition& definition) : m_definition(definition) { }
    ~PlainPlotData() override = default;
    PlainPlotData(const PlainPlotData&) = delete;
    PlainPlotData& operator=(const PlainPlotData&) = delete;

    const PlotDefinition& definition() const { return m_definition; }

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IProfilePlotData) ? this : nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    // Lives on the benchmark's stack: the counts are kept but delete nothing.
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override { return --m_refs; }

    HRESULT GetIs3DPlot(int32_t* is3DPlot) override
    {
        *is3DPlot = m_definition.is3DPlot;
        return S_OK;
    }
    HRESULT SetIs3DPlot(int32_t is3DPlot) override
    {
        m_definition.is3DPlot = is3DPlot;
        return S_OK;
    }
    HRESULT GetYAxisIsTime(int32_t* yAxisIsTime) override
    {
        *yAxisIsTime = m_definition.yAxisIsTime;
        return S_OK;
    }
    HRESULT SetYAxisIsTime(int32_t yAxisIsTime) override
    {
        m_definition.yAxisIsTime = yAxisIsTime;
        return S_OK;
    }
    HRESULT GetPlotProfiles(
        CString& xAxisName, CString& yAxisName, CStringArray& plottedNames, CUIntArray& plottedDimensions) override
    {
        xAxisName = m_definition.xAxisName;
        yAxisName = m_definition.yAxisName;
        plottedNames = m_definition.plottedNames;
        plottedDimensions = m_definition.plottedDimensions;
        return S_OK;
    }
    HRESULT SetPlotProfiles(const CString& xAxisName, const CString& yAxisName, const CStringArray& plottedNames,
        const CUIntArray& plottedDimensions) override
    {
        m_definition.xAxisName = xAxisName;
        m_definition.yAxisName = yAxisName;
        m_definition.plottedNames = plottedNames;
        m_definition.plottedDimensions = plottedDimensions;
        return S_OK;
    }
    HRESULT GetPlotProfileVariables(CStringArray& xAxisVariables, CStringArray& yAxisVariables,
        CUIntArray& plottedCounts, CStringArray& plottedVariables) override
    {
        xAxisVariables = m_definition.xAxisVariables;
        yAxisVariables = m_definition.yAxisVariables;
        plottedCounts = m_definition.plottedCounts;
        plottedVariables = m_definition.plottedVariables;
        return S_OK;
    }
    HRESULT SetPlotProfileVariables(const CStringArray& xAxisVariables, const CStringArray& yAxisVariables,
        const CUIntArray& plottedCounts, const CStringArray& plottedVariables) override
    {
        m_definition.xAxisVariables = xAxisVariables;
        m_definition.yAxisVariables = yAxisVariables;
        m_definition.plottedCounts = plottedCounts;
        m_definition.plottedVariables = plottedVariables;
        return S_OK;
    }
    HRESULT GetUnassignedProfiles(CStringArray& names, CUIntArray& dimensions) override
    {
        names = m_definition.unassignedNames;
        dimensions = m_definition.unassignedDimensions;
        return S_OK;
    }
    HRESULT SetUnassignedProfiles(const CStringArray& names, const CUIntArray& dimensions) override
    {
        m_definition.unassignedNames = names;
        m_definition.unassignedDimensions = dimensions;
        return S_OK;
    }
    HRESULT GetUnassignedProfileVariables(CUIntArray& counts, CStringArray& variables) override
    {
        counts = m_definition.unassignedCounts;
        variables = m_definition.unassignedVariables;
        return S_OK;
    }
    HRESULT SetUnassignedProfileVariables(const CUIntArray& counts, const CStringArray& variables) override
    {
        m_definition.unassignedCounts = counts;
        m_definition.unassignedVariables = variables;
        return S_OK;
    }
    HRESULT GetMaxTimePoints(int32_t* maxTimePoints) override
    {
        *maxTimePoints = m_definition.maxTimePoints;
        return S_OK;
    }
    HRESULT SetMaxTimePoints(int32_t maxTimePoints) override
    {
        m_definition.maxTimePoints = maxTimePoints;
        return S_OK;
    }
    HRESULT GetTimes(CStringArray& timeEntries) override
    {
        timeEntries = m_definition.timeEntries;
        return S_OK;
    }
    HRESULT SetTimes(const CStringArray& timeEntries) override
    {
        m_definition.timeEntries = timeEntries;
        return S_OK;
    }

private:
    PlotDefinition m_definition;
    ULONG m_refs = 0;
};
