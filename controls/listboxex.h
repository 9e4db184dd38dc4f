#pragma once

// CListBoxEx: a single-column list of text rows that the user edits in place
// (double-click, F2, Insert, the strip's add button), reorders by dragging or
// with Alt+arrow keys, and shortens with Delete. Every change to its rows is
// reported to the window that contains it (IListBoxExParent) before it is
// made, so that the parent keeps what the rows stand for in step.
//
// Row indices that come from outside (the view, a drop, an index stored
// before rows went away) are checked: an index that names no row ends the
// operation with CInvalidArgException before anything changes. The message
// and notification handlers and ButtonStripCommand catch it and tell the user.
//
// The list keeps the row operations and hands the rest to its parts:
//   ListRowReport       row changes and errors told to the parent
//   ListInPlaceEditing  the edit and "..." button over the edited row
//   ListRowTracker      the current row, following rows others add or remove
//   ListDragSource      reordering by dragging a row
//   ListInput           mouse, keys and the edit's notifications

#include "controls/listdragsource.h"
#include "controls/listinplaceediting.h"
#include "controls/listinput.h"
#include "controls/listrowreport.h"
#include "controls/listrowtracker.h"
#include "platform/controls/draglistbox.h"

class CInPlaceButton;
class CInPlaceEdit;
class CListBoxExBuddy;
struct InPlaceNotify;

// Edit style bit: the in-place "..." button is shown at the right of the edit.
constexpr DWORD InPlaceButtonEditStyle = 0x4000;

// The styles an editable list gets when it is created or taken over.
constexpr DWORD ListBoxExStyle = 0x50201D51;

class CListBoxEx : public CDragListBox {
    DECLARE_DYNAMIC(CListBoxEx)
public:
    CListBoxEx();
    ~CListBoxEx() override;

    void SetBuddy(CListBoxExBuddy* strip) { m_strip = strip; }
    CListBoxExBuddy* GetBuddy() const { return m_strip; }
    void SetEditStyle(DWORD style) { m_editing.SetStyle(style); }
    DWORD GetEditStyle() const { return m_editing.Style(); }
    // In-place editing and reordering are allowed unless switched off here.
    void SetEditable(bool editable) { m_editing.SetEnabled(editable); }
    void SetReorderable(bool reorderable) { m_drag.SetEnabled(reorderable); }

    // The row under the last left-button press since the list got the focus, or -1.
    int GetCurrentIndex() const { return m_rows.Current(); }
    // The row being edited, or -1.
    int GetEditingIndex() const { return m_editing.Row(); }
    CInPlaceEdit* GetInPlaceEdit() const { return m_editing.Edit(); }
    CInPlaceButton* GetInPlaceButton() const { return m_editing.Button(); }

    // Creates the hidden in-place edit (id 1) and button (id 2) once.
    void CreateInPlaceControls();

    // Row operations, reported to the parent first. AddItem and InsertItem
    // return the row they made, RemoveItem the number of rows left. A replaced
    // row keeps the selection and the current index it had.
    int AddItem(const char* text);
    int InsertItem(int index, const char* text);
    int RemoveItem(int index);
    void ReplaceItem(int index, const char* text, DWORD_PTR data);
    void SetItemText(int index, const char* text);
    void SwapItems(int first, int second);
    void MoveItemUp(int index);
    void MoveItemDown(int index);

    // Opens the in-place edit on row `index`; an index at or past the end
    // appends an empty row first. Nothing while an edit is open or editing is off.
    void BeginEdit(int index);
    void AppendAndEdit();
    // Closes the edit: its trimmed text replaces the row's unless cancelled; an
    // empty text, or a cancelled edit of an empty row, removes the row.
    void EndEdit(bool cancelled);
    // Ends an open edit as losing the focus ends it (the text is kept when
    // AcceptEdit agrees). Every row operation from outside the edit runs it
    // first, so that no edit stays open over rows that moved or went away.
    void CommitEdit();

    // A button of the strip: 0 append and edit; on the selected row 1 remove,
    // 2 move up, 3 move down (nothing without a selected row).
    virtual void ButtonStripCommand(int command);

    virtual bool CanEditItem(int index);
    virtual bool AcceptEdit(int index, bool cancelled);
    virtual void OnInPlaceButtonClick(int index, const InPlaceNotify& notify);

    void DrawItem(DRAWITEMSTRUCT* drawItem) override;
    void MeasureItem(MEASUREITEMSTRUCT* measureItem) override;
    void DrawInsert(int index) override;
    bool PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The rows, without the sentinel that a running drag appends.
    int RowCount() const { return m_drag.RowCount(); }
    // Replaces a row's text and data in place, without reporting.
    void ReplaceRow(int index, const CString& text, DWORD_PTR data);

    CListBoxExBuddy* m_strip = nullptr;
    // The parts, each made before the parts that refer to it.
    ListRowReport m_report {*this};
    ListInPlaceEditing m_editing {*this};
    ListRowTracker m_rows {m_editing};
    ListDragSource m_drag {*this, m_report, m_rows};
    ListInput m_input {*this, m_editing, m_rows, m_drag};
};
