#pragma once

// The mouse, the keys and the in-place edit's notifications of an editable
// list, turned into the list's row operations: a press chooses the current
// row, a double-click or F2 edits it, Delete removes it, Insert appends a row
// to edit, Alt+arrow moves the selected row, Enter or Escape ends the edit.

#include "platform/core/types.h"

class CListBoxEx;
class ListDragSource;
class ListInPlaceEditing;
class ListRowTracker;
struct InPlaceNotify;

class ListInput {
public:
    ListInput(CListBoxEx& list, ListInPlaceEditing& editing, ListRowTracker& rows, const ListDragSource& drag)
        : m_list(list), m_editing(editing), m_rows(rows), m_drag(drag)
    {
    }

    // True when `message` was one of the list's input messages, handled here.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnInPlaceNotify(const InPlaceNotify* notify);

private:
    void OnLButtonDown(LPARAM point);
    void OnLButtonDblClk(LPARAM point);
    void OnKeyDown(UINT key);
    void OnSysKeyDown(UINT key);
    int RowAt(LPARAM point) const;

    CListBoxEx& m_list;
    ListInPlaceEditing& m_editing;
    ListRowTracker& m_rows;
    const ListDragSource& m_drag;
};
