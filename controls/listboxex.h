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

#include "controls/listboxexparent.h"
#include "platform/controls/draglistbox.h"

#include <QMetaObject>

#include <memory>
#include <vector>

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
    void SetEditStyle(DWORD style) { m_editStyle = style; }
    DWORD GetEditStyle() const { return m_editStyle; }
    // In-place editing and reordering are allowed unless switched off here.
    void SetEditable(bool editable) { m_editable = editable ? TRUE : FALSE; }
    void SetReorderable(bool reorderable) { m_reorder = reorderable ? TRUE : FALSE; }

    // The row under the last left-button press since the list got the focus, or -1.
    int GetCurrentIndex() const { return m_currentIndex; }
    // The row being edited, or -1.
    int GetEditingIndex() const { return m_editingIndex; }
    CInPlaceEdit* GetInPlaceEdit() const { return m_edit.get(); }
    CInPlaceButton* GetInPlaceButton() const { return m_button.get(); }

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
    IListBoxExParent* ParentView() const;
    // The rows, without the sentinel that a running drag appends.
    int RowCount() const;
    // Raise CInvalidArgException for an index that names no row; `orEnd`
    // lets the index stand just past the last, to insert.
    void CheckRow(int index, const char* operation, bool orEnd = false) const;
    // Tells the parent of a change before it is made; the parent may refuse it.
    void Report(ListRowEvent::Kind kind, int row, int toRow = -1, const char* text = nullptr);
    // Replaces a row's text and data in place, without reporting.
    void ReplaceRow(int index, const CString& text, DWORD_PTR data);
    void RemoveSentinel();
    void DrawMark(int index);
    void ReportError(const char* text);

    void OnLButtonDown(LPARAM point);
    void OnLButtonDblClk(LPARAM point);
    void OnKeyDown(UINT key);
    void OnSysKeyDown(UINT key);
    LRESULT OnInPlaceNotify(const InPlaceNotify* notify);
    LRESULT OnDragListNotify(const DRAGLISTINFO& info);
    void OnDropped(CPoint point);
    // After a key moved the selection, the current index follows it.
    void FollowSelection(int selectionBefore);
    // Rows added or removed by anyone (the view refills the list for another
    // profile): the current and the edited row follow their rows, and an edit
    // whose row went away closes without writing anywhere.
    void FollowRowsInserted(int first, int last);
    void FollowRowsRemoved(int first, int last);
    void FollowReset();
    void CloseEditSilently(const char* why);

    CListBoxExBuddy* m_strip = nullptr;
    DWORD m_editStyle = 0;
    std::unique_ptr<CInPlaceEdit> m_edit;
    CRect m_editRect;
    std::unique_ptr<CInPlaceButton> m_button;
    CRect m_buttonRect;
    int m_currentIndex = -1;
    int m_editingIndex = -1;
    BOOL m_editable = TRUE;
    BOOL m_reorder = TRUE;
    BOOL m_sentinel = FALSE;
    std::vector<QMetaObject::Connection> m_rowWatch;
};
