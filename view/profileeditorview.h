#pragma once

// The editor's view: a form view on the editor's form inside a
// CSUProfileEditorFrame. It keeps the message map, the page switch and the
// lifecycle (opening, Apply, OK, Cancel, closing), and hands the work to the
// parts of the form, each owning its state and controls:
//   ProfilesPanel      profiles list, profile set, sort, dimensions, rename,
//                      delete, the current profile's variables list
//   PlotAssignment     axis fields, plot list, ">>" and clear buttons
//   PlotTypeChoice     2-d/3-d and the y-axis choice
//   TimeSettingsPage   times list, start time, interval, maximum points,
//                      time mode, display unit and factor
//   DefinitionExchange the host's objects: load, reload, checks and write
//   VariableDragDrop   variables dragged in and out
// Accessibility and context help come with CAccessibleFormView.

#include "controls/listboxexparent.h"
#include "host/frame/editorviewlink.h"
#include "platform/controls/tabctrl.h"
#include "platform/ole/oledroptarget.h"
#include "view/accessibleformview.h"
#include "view/definitionexchange.h"
#include "view/formaccess.h"
#include "view/formhost.h"
#include "view/plotassignment.h"
#include "view/plottypechoice.h"
#include "view/profilespanel.h"
#include "view/timesettingspage.h"
#include "view/variabledragdrop.h"

class CKSUDocument;
class CSUProfileEditorFrame;
class QLabel;

class CSUProfileEditorView : public CAccessibleFormView,
                             public IListBoxExParent,
                             public IEditorViewLink,
                             public IOleDropClient,
                             private IFormHost {
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
    // The profiles and times strips' buttons, run as their named commands.
    void OnStripButton(const CListBoxExBuddy& strip, UINT button) override;
    // The variables list's rows are the current profile's variables; a
    // removed plot-list entry's profile is no longer plotted.
    void OnListRowEvent(const CListBoxEx& list, const ListRowEvent& event) override;
    // The variables list takes rows only while there is a current profile.
    bool CanAddRows(const CListBoxEx& list) const override;
    // Ends the open in-place edit of every list (profiles, variables, plot,
    // times) as losing the focus does, committing its text. Every row
    // operation that does not come from the edit itself runs it first: strip
    // presses however made, buttons (also by mnemonic), keys and menus of the
    // lists, the host's messages and the display unit change.
    void EndOpenEdits() override;

    // IEditorViewLink: WM_USER+1 and WM_USER+3 through the frame.
    void ReceiveProfile(const CSUPEProfile* source) override;
    void ReloadDefinition() override;

    // The form's parts, for tools and tests that run a part's commands or
    // read state that the form does not show by itself.
    ProfilesPanel& ProfilesPart() { return m_profilesPanel; }
    const PlotAssignment& AssignmentPart() const { return m_assignment; }
    const PlotTypeChoice& PlotTypePart() const { return m_plotType; }
    const TimeSettingsPage& TimePart() const { return m_timePage; }
    DefinitionExchange& DefinitionPart() { return m_definition; }
    const VariableDragDrop& DragDropPart() const { return m_dragDrop; }
    int CurrentPage() const { return m_currentPage; }

    // The drop target's calls, answered by the drag and drop part.
    DROPEFFECT OnDragEnter(const COleDataObject* data, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(const COleDataObject* data, DWORD keyState, CPoint point) override;
    bool OnDrop(const COleDataObject* data, DROPEFFECT effect, CPoint point) override;

private:
    struct MessageMap;

    // IFormHost
    bool IsClosing() const override;
    void CancelEditing() override { OnCancel(); }
    void PlotTypeChanged() override;

    CSUProfileEditorFrame* ParentFrame() const;
    // The document whose display unit the view follows.
    const CKSUDocument* TimeDocument() const;

    // Initial update, by step.
    void FitFrameToForm();
    // The strips, the controls' accessible names, the tabs and the columns.
    void CreateStripsAndTabs();
    void ShowNothingToEdit();

    // The page switch and the buttons that end or commit the editing.
    void OnPageChange();
    void UpdatePageControls();
    void OnApply();
    void OnOk();
    void OnCancel();

    // The form's window for the parts; first, as every part refers to it.
    FormAccess m_form {*this};
    // The parts, which refer to each other: each is made before it is used.
    ProfilesPanel m_profilesPanel {m_form, *this, m_assignment};
    PlotAssignment m_assignment {m_form, m_profilesPanel, m_plotType};
    PlotTypeChoice m_plotType {m_form, *this, m_assignment, m_timePage};
    TimeSettingsPage m_timePage {m_form, *this, m_plotType};
    DefinitionExchange m_definition {m_form, m_profilesPanel, m_assignment, m_plotType, m_timePage};
    VariableDragDrop m_dragDrop {m_form, m_profilesPanel, m_definition};

    CTabCtrl m_tabs;
    CSUProfileEditorFrame* m_frame = nullptr;
    int32_t m_currentPage = 0;
    QLabel* m_nothingToEdit = nullptr;
    COleDropTarget m_dropTarget;
};
