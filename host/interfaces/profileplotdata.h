#pragma once

// The host's plot-definition object. The editor calls these sixteen operations,
// which stand in this order in the host's interface table after operations the
// editor does not call. "Get" operations fill containers the caller owns; "Set"
// operations read them.

#include "platform/core/collections.h"
#include "platform/core/com.h"

// {34295FCE-78DE-11D4-805A-00C04F89DD44}
inline constexpr IID IID_IProfilePlotData
    = {0x34295FCE, 0x78DE, 0x11D4, {0x80, 0x5A, 0x00, 0xC0, 0x4F, 0x89, 0xDD, 0x44}};

struct IProfilePlotData : IUnknown {
    virtual HRESULT GetIs3DPlot(int32_t* is3DPlot) = 0;
    virtual HRESULT SetIs3DPlot(int32_t is3DPlot) = 0;
    virtual HRESULT GetYAxisIsTime(int32_t* yAxisIsTime) = 0;
    virtual HRESULT SetYAxisIsTime(int32_t yAxisIsTime) = 0;
    virtual HRESULT GetPlotProfiles(
        CString& xAxisName, CString& yAxisName, CStringArray& plottedNames, CUIntArray& plottedDimensions)
        = 0;
    virtual HRESULT SetPlotProfiles(const CString& xAxisName, const CString& yAxisName,
        const CStringArray& plottedNames, const CUIntArray& plottedDimensions)
        = 0;
    virtual HRESULT GetPlotProfileVariables(CStringArray& xAxisVariables, CStringArray& yAxisVariables,
        CUIntArray& plottedCounts, CStringArray& plottedVariables)
        = 0;
    virtual HRESULT SetPlotProfileVariables(const CStringArray& xAxisVariables, const CStringArray& yAxisVariables,
        const CUIntArray& plottedCounts, const CStringArray& plottedVariables)
        = 0;
    virtual HRESULT GetUnassignedProfiles(CStringArray& names, CUIntArray& dimensions) = 0;
    virtual HRESULT SetUnassignedProfiles(const CStringArray& names, const CUIntArray& dimensions) = 0;
    virtual HRESULT GetUnassignedProfileVariables(CUIntArray& counts, CStringArray& variables) = 0;
    virtual HRESULT SetUnassignedProfileVariables(const CUIntArray& counts, const CStringArray& variables) = 0;
    virtual HRESULT GetMaxTimePoints(int32_t* maxTimePoints) = 0;
    virtual HRESULT SetMaxTimePoints(int32_t maxTimePoints) = 0;
    virtual HRESULT GetTimes(CStringArray& timeEntries) = 0;
    virtual HRESULT SetTimes(const CStringArray& timeEntries) = 0;
};
