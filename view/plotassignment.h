#pragma once

// The plot assignment of the editor's form: the x-axis and y-axis fields, the
// plot list with its strip, the ">>" buttons that give the selected profiles
// a role and the clear buttons, the Delete key in an axis field and the plot
// strip's Remove that take it away again.
//
// Owns: those controls and the keys of the axis profiles.
// Asks: the profiles panel for the selected profiles and the profile of a
// key; the plot type whether a y-axis profile is allowed.

#include "controls/mylistboxex.h"
#include "model/profileroles.h"
#include "platform/controls/button.h"
#include "view/axisfield.h"

#include <cstdint>
#include <memory>
#include <vector>

class CDataExchange;
class CListBoxExBuddy;
struct ListRowEvent;
class FormAccess;
class PlotTypeChoice;
class ProfilesPanel;

class PlotAssignment {
public:
    PlotAssignment(const FormAccess& form, ProfilesPanel& profiles, const PlotTypeChoice& plotType);
    ~PlotAssignment();
    PlotAssignment(const PlotAssignment&) = delete;
    PlotAssignment& operator=(const PlotAssignment&) = delete;

    void Bind(CDataExchange* pDX);
    void CreateStrip();
    void SetClearButtonBitmaps();

    // Gives the selected profiles `role` on `target`; a profile takes a role
    // only while it has none. Nothing here shows a message.
    enum class AssignTarget { XAxisField, YAxisField, PlotList };
    void AssignToTarget(AssignTarget target, ProfileRole role);
    // Takes `role` from the profile on `target` (the plot list's selected entry).
    void RemoveFromTarget(AssignTarget target, ProfileRole role);

    // The buttons and the plot strip's Remove.
    void OnToXAxis();
    void OnToYAxis();
    void OnToPlot();
    void ClearXAxisField();
    void ClearYAxisField();
    // A plot-list entry is removed (the strip, Delete): its profile is no
    // longer plotted.
    void OnPlotRowEvent(const ListRowEvent& event);
    // The Delete key in the axis field `focus`: true when it took a profile off.
    bool HandleDeleteKey(HWND focus);

    // Shows the profile where its role places it; `newlyAdded` says that its
    // key is new, so the plot list cannot show it yet.
    void ShowAssignedProfile(CSUPEProfile* profile, bool newlyAdded);
    // Takes the profile's role display away (the role itself stays).
    void UnassignProfile(CSUPEProfile* profile);
    // Empties every display at once, as every profile goes.
    void ClearAll();
    void ClearPlotSelection() { m_plotList.SetCurSel(-1); }

    int XAxisKey() const { return m_xAxisKey; }
    int YAxisKey() const { return m_yAxisKey; }
    // The keys of the plot list's entries, top to bottom.
    std::vector<int> PlotKeys() const;
    CMyListBoxEx& PlotList() { return m_plotList; }

private:
    const FormAccess& m_form;
    ProfilesPanel& m_profiles;
    const PlotTypeChoice& m_plotType;
    CMyListBoxEx m_plotList;
    CAxisFieldEdit m_yAxisField;
    CAxisFieldEdit m_xAxisField;
    std::unique_ptr<CListBoxExBuddy> m_plotStrip;
    CButton m_clearXAxisButton;
    CButton m_clearYAxisButton;
    int32_t m_xAxisKey = -1;
    int32_t m_yAxisKey = -1;
};
