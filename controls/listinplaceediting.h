#pragma once

// The in-place edit of an editable list: the edit (and, with
// InPlaceButtonEditStyle, the "..." button) laid over the row being edited,
// and which row that is. It follows rows that others add or remove; what the
// edited text does to the rows is the list's business.

#include "platform/core/types.h"
#include "platform/windows/wnd.h"

#include <memory>

class CInPlaceButton;
class CInPlaceEdit;
class CListBoxEx;

class ListInPlaceEditing {
public:
    explicit ListInPlaceEditing(CListBoxEx& list);
    ~ListInPlaceEditing();

    // Creates the hidden edit (id 1) and button (id 2) once, when the list has a window.
    void Create();
    // The list goes: nothing is left to end, the edit goes without reporting.
    void Destroy();
    bool IsCreated() const;
    void SetStyle(DWORD style) { m_style = style; }
    DWORD Style() const { return m_style; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool IsEnabled() const { return m_enabled; }

    // The row being edited, or -1.
    int Row() const { return m_row; }
    CInPlaceEdit* Edit() const { return m_edit.get(); }
    CInPlaceButton* Button() const { return m_button.get(); }
    // The edit's or the button's window.
    bool Owns(HWND window) const;

    // Shows the edit, holding the row's text, over row `row`.
    void Open(int row);
    // Hides the edit and the button; the row is no longer edited. Returns the
    // row that was, or -1.
    int Close();
    CString Text() const;

    // Rows added or removed by anyone: the edited row follows its row, and an
    // edit whose row went away closes without writing anywhere.
    void RowsInserted(int first, int last);
    void RowsRemoved(int first, int last);
    void RowsReset();

private:
    void CloseSilently(const char* why);

    CListBoxEx& m_list;
    DWORD m_style = 0;
    bool m_enabled = true;
    int m_row = -1;
    std::unique_ptr<CInPlaceEdit> m_edit;
    CRect m_editRect;
    std::unique_ptr<CInPlaceButton> m_button;
    CRect m_buttonRect;
};
