#pragma once

// The plot host, queried on the edited object when it refuses IProfilePlotData.
// The editor calls these operations, in this table order.

#include "host/interfaces/profileplotdata.h"

// {2332E151-F5D2-11D3-8042-00C04F89DD44}
inline constexpr IID IID_IProfilePlotHost
    = {0x2332E151, 0xF5D2, 0x11D3, {0x80, 0x42, 0x00, 0xC0, 0x4F, 0x89, 0xDD, 0x44}};

struct IProfilePlotHost : IUnknown {
    // A TimeMode: 0 continuous update, 1 specified times, 2 start time and interval.
    virtual HRESULT GetTimeMode(int32_t* timeMode) = 0;
    virtual HRESULT NotifyPreviousPlotProfiles(
        const CStringArray& previousPlottedNames, const CString& previousXAxisName)
        = 0;
    // Gives one reference on each: the plot-definition object and the owner object.
    virtual HRESULT GetPlotDataObjects(IProfilePlotData** plotData, IUnknown** owner) = 0;
    virtual HRESULT NotifyDefinitionWritten() = 0;
    virtual HRESULT NotifyEditorClosing() = 0;
};
