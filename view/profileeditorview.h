#pragma once

// The editor's view: a form view on the editor's form inside a
// CSUProfileEditorFrame. It holds the profiles of the definition being edited
// (ProfileSet), reads the definition from the host's plot-definition object,
// and runs the form's commands. Its operations are spread over files by role:
// profileeditorview.cpp (lifetime, initial update, message map),
// profilesetops.cpp (the profile set and its displays), definitionexchange.cpp
// (loading and reloading), timepage.cpp (the time settings page),
// plotbuilder.cpp (pages and plot type), assignment.cpp (plot roles),
// validation.cpp (the checks before a write), definitionwrite.cpp (writing,
// Apply, OK, Cancel), timeediting.cpp (editing the times),
// profilelistcommands.cpp (the profiles list's commands), profilesort.cpp,
// dimensionchange.cpp and variablelistcommands.cpp (the variables strip),
// droptarget.cpp and profiledrag.cpp (variables dragged in and out),
// findvariables.cpp, contexthelp.cpp and accessibility.cpp.

#include "controls/listboxexparent.h"
#include "controls/mylistboxex.h"
#include "host/frame/editorviewlink.h"
#include "host/interfaces/profileplotdata.h"
#include "host/interfaces/profileplothost.h"
#include "model/plotrules.h"
#include "model/profileroles.h"
#include "model/profileset.h"
#include "model/timeentries.h"
#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/listctrl.h"
#include "platform/controls/spinbuttonctrl.h"
#include "platform/controls/tabctrl.h"
#include "platform/docview/formview.h"
#include "platform/ole/globalmemory.h"
#include "platform/ole/oledroptarget.h"
#include "view/axisfield.h"

#include <memory>
#include <vector>

class CKSUDocument;
class CListBoxExBuddy;
class COleDataSource;
class CSUProfileEditorFrame;
class QAccessibleInterface;
class QLabel;
struct tag_VarnelViewContext;

class CSUProfileEditorView : public CFormView, public IListBoxExParent, public IEditorViewLink, public IOleDropClient {
    DECLARE_DYNCREATE(CSUProfileEditorView)
public:
    CSUProfileEditorView();
    ~CSUProfileEditorView() override;

    void OnInitialUpdate() override;
    // Hint 829 (display unit changed) rescales every shown time.
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // The Delete key in an axis field takes the profile off that axis.
    bool PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // IListBoxExParent
    CSUPEProfile* CurrentProfile() override { return m_currentProfile; }
    void OnListStripCommand(int button, UINT stripId) override;
    // Ends the open in-place edit of every list (profiles, variables, plot,
    // times) as losing the focus does, committing its text. Every row
    // operation that does not come from the edit itself runs it first: strip
    // presses however made, buttons (also by mnemonic), keys and menus of the
    // lists, the host's messages and the display unit change.
    void EndOpenEdits() override;

    // IEditorViewLink: WM_USER+1 and WM_USER+3 through the frame.
    void ReceiveProfile(const CSUPEProfile* source) override;
    void ReloadDefinition() override;

    // The profile set and the form's displays of it.
    CSUPEProfile* CreateProfile(const CString& name);
    int AddProfileRow(CSUPEProfile* profile);
    CSUPEProfile* ProfileFromRow(int row) const;
    void RefreshAssignedProfile(CSUPEProfile* profile);
    void UnassignProfile(CSUPEProfile* profile);
    void RemoveAllProfiles();
    void ShowProfileVariables();
    // Deletes every selected profile, asking first for one that has a role.
    void DeleteSelectedProfiles();

    // The definition from the host object.
    void LoadDefinition();

    // The time settings page.
    void UpdateTimeModeControls(bool checkRadio);
    void UpdateMaxTimePointsControls();
    void RescaleTimes(double ratio);

    // Plot roles, the checks before a write, and the write.
    enum class AssignTarget { XAxisField, YAxisField, PlotList };
    void AssignToTarget(AssignTarget target, ProfileRole role);
    void RemoveFromTarget(AssignTarget target, ProfileRole role);
    int ValidateDefinition();
    int ClassifyPlotProfiles() const;
    void ApplyDefinition();
    // 1 when `text` is a valid time (or interval); otherwise tells why, and 0.
    int ValidateTimeValue(const char* text, bool interval);

    // Pages and plot type.
    void UpdatePageControls();
    void EnableControls(const UINT* ids, bool enable);
    void ShowControls(const UINT* ids, bool show);

    // State that the form does not show by itself.
    const ProfileSet& Profiles() const { return m_profiles; }
    int XAxisKey() const { return m_xAxisKey; }
    int YAxisKey() const { return m_yAxisKey; }
    bool Is2DPlot() const { return m_is2DPlot != 0; }
    bool YAxisIsTime() const { return m_yAxisIsTime != 0; }
    TimeMode CurrentTimeMode() const { return m_timeMode; }
    double TimeFactor() const { return m_timeFactor; }
    int CurrentPage() const { return m_currentPage; }
    // False when the edited object gave no plot-definition object: the form
    // then says so and offers nothing to edit.
    bool HasDefinition() const { return m_plotData != nullptr; }

    // Variables dragged in and out (droptarget.cpp, profiledrag.cpp).
    DROPEFFECT OnDragEnter(const COleDataObject* data, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(const COleDataObject* data, DWORD keyState, CPoint point) override;
    bool OnDrop(const COleDataObject* data, DROPEFFECT effect, CPoint point) override;
    DROPEFFECT DropEffectAt(CPoint point);
    void UpdateDropRects();
    bool BuildVariablePathPayload(HGLOBAL* block) const;
    bool BuildProfileNamePayload(HGLOBAL* block) const;
    bool IsDraggingProfile() const { return m_selfDrag != 0; }

    // Accessibility queries (accessibility.cpp), answered from the child
    // controls: child 0 is the form itself, 1 to the count its controls.
    HRESULT get_accChildCount(long* count) const;
    HRESULT get_accChild(long child, QAccessibleInterface** out) const;
    HRESULT get_accName(long child, CString* name) const;
    HRESULT accLocation(long* left, long* top, long* width, long* height, long child) const;
    HRESULT accHitTest(long screenX, long screenY, long* child) const;

    // Context help (contexthelp.cpp): WM_HELPHITTEST and WM_COMMANDHELP.
    LRESULT OnHelpHitTest(LPARAM lParam) const;
    LRESULT OnCommandHelp(LPARAM lParam);
    CWnd* HelpHitTestChild(CPoint screenPoint) const;

private:
    struct MessageMap;

    CSUProfileEditorFrame* ParentFrame() const;
    // The document whose display unit the view follows.
    const CKSUDocument* TimeDocument() const;

    // Initial update, by step.
    void FitFrameToForm();
    void CreateStrips();
    void CreateTabsAndColumns();
    void TakeTimeUnitFromDocument();
    void FillTimeFields();
    void SetClearButtonBitmaps();
    void ObtainHostObjects(const tag_VarnelViewContext* context);
    void ShowNothingToEdit();

    // Shows the profile where its role places it; `newlyAdded` says that its
    // key is new, so the plot list cannot show it yet.
    void ShowAssignedProfile(CSUPEProfile* profile, bool newlyAdded);

    // Loading.
    void LoadProfiles();
    void LoadTimeSettings();
    void AddLoadedProfile(std::unique_ptr<CSUPEProfile> profile);
    void ReportLoadError(const char* what);
    void ShowTimesList(const ShownTimes& shown);
    int AppendTimeRow(const CString& text);

    // Commands.
    void OnPageChange(const NMHDR* header);
    void On2DPlot();
    void On3DPlot();
    void OnYAxisIsTime();
    void OnYAxisIsProfile();
    void OnContinuousUpdate();
    void OnSpecifyTimes();
    void OnSpecifyInterval();
    void OnProfilesListItemChanged(const NMHDR* header);
    void ClearXAxisField();
    void ClearYAxisField();
    void OnToXAxis();
    void OnToYAxis();
    void OnToPlot();
    void OnPlotStripCommand(int button);
    void OnApply();
    void OnOk();
    void OnCancel();
    // Writing and its checks.
    std::vector<int> PlotKeys() const;
    PlotLayout CurrentLayout() const;
    void ShowRuleMessage(const char* text);
    CStringArray WriteTimeEntries();
    CStringArray WrittenObjectNames() const;
    // Time editing.
    bool IsClosing() const;
    bool FocusIsOnCancel() const;
    // False when the field holds text that is not a valid time (the user was told).
    bool CheckTimeFieldOnFocusLoss(CEdit& field, bool interval);
    // Runs the check of the time field that has the focus, as leaving it would.
    bool CheckFocusedTimeField();
    void OnStartTimeKillFocus();
    void OnIntervalKillFocus();
    void OnTimesEndLabelEdit(const NMHDR* header);
    void OnTimesClick(const NMHDR* header);
    void OnTimesKeyDown(const NMHDR* header);
    void OnTimesFocusChange(const NMHDR* header);
    void OnTimesStripCommand(int button);
    void NewTimeRow();
    void DeleteSelectedTimeRows();
    void SortAndThinTimeRows();
    void RepaintTimesList();
    // The profiles and variables lists: one function per strip, then the
    // profiles list's notifications and what they run.
    void OnProfilesStripCommand(int button);
    void OnVariablesStripCommand(int button);
    void NewProfile();
    void OnProfileLabelEdited(const NMHDR* header);
    void OnProfilesListDoubleClick(const NMHDR* header);
    void OnProfilesListKeyDown(const NMHDR* header);
    void OnProfilesListRightClick(const NMHDR* header);
    void OnProfilesColumnClick(const NMHDR* header);
    void SortProfiles(int column);
    // The profiles-list row and column under the cursor of the message being handled.
    int ProfileRowAtCursor(int* column, UINT* flags) const;
    // The selected rows, top to bottom.
    std::vector<int> SelectedProfileRows() const;
    // `row` if it still carries `key`, else the row that does, or -1.
    int RowWithKey(int row, int key) const;
    void ToggleSelectedDimensions();
    void SwapSelectedDimensions();
    void ToggleRowDimension(int row);
    void SetRowDimension(int row, int32_t dimension);
    void ShowDimensionMenu(int row);
    bool IsChecked(UINT id) const;
    void CheckRadio(UINT id, bool check);
    void SetControlText(UINT id, const char* text);
    CString ControlText(UINT id) const;
    // Ends a command that failed with an error, telling the user why.
    void ReportError(const char* what);
    void OnProfilesBeginDrag(const NMHDR* header);
    void OnFindVariables();
    // Names every control for assistive tools and puts every one in the tab
    // order (accessibility.cpp).
    void NameControlsForAccessibility();

    // The form's controls, in the order DoDataExchange binds them.
    CMyListBoxEx m_plotList;
    CEdit m_startTimeEdit;
    CEdit m_intervalEdit;
    CSpinButtonCtrl m_maxTimePointsUpDown;
    CListCtrl m_timesList;
    CAxisFieldEdit m_yAxisField;
    CAxisFieldEdit m_xAxisField;
    CListCtrl m_profilesList;
    CMyListBoxEx m_variablesList;
    CTabCtrl m_tabs;
    std::unique_ptr<CListBoxExBuddy> m_variablesStrip;
    std::unique_ptr<CListBoxExBuddy> m_profilesStrip;
    std::unique_ptr<CListBoxExBuddy> m_timesStrip;
    std::unique_ptr<CListBoxExBuddy> m_plotStrip;
    CButton m_clearXAxisButton;
    CButton m_clearYAxisButton;
    CSUProfileEditorFrame* m_frame = nullptr;

    int32_t m_xAxisKey = -1;
    int32_t m_yAxisKey = -1;
    int32_t m_profileSortDirection = 0;
    int32_t m_profileSortColumn = 0;
    CSUPEProfile* m_currentProfile = nullptr;
    int32_t m_timeRowCounter = 0;
    int32_t m_currentPage = 0;
    int32_t m_is2DPlot = 1;
    // Loading sets it; a load that ends early leaves the y axis on time.
    int32_t m_yAxisIsTime = 1;
    // Owns the profiles; it also keeps the key counter (nextProfileKey).
    ProfileSet m_profiles;
    IProfilePlotHost* m_plotHost = nullptr;
    TimeMode m_timeMode = TimeMode::ContinuousUpdate;
    CString m_contextName;
    double m_timeFactor = 1.0;
    CString m_displayUnit;
    IProfilePlotData* m_plotData = nullptr;
    IUnknown* m_owner = nullptr;
    QLabel* m_nothingToEdit = nullptr;
    // Drag and drop: the drag data source (made on the first drag), the drop
    // target, the two drop rectangles in view coordinates and the self-drag flag.
    std::unique_ptr<COleDataSource> m_dragSource;
    COleDropTarget m_dropTarget;
    CRect m_variablesDropRect;
    CRect m_profilesDropRect;
    int32_t m_selfDrag = 0;
};
