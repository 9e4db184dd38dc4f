#include "controls/listinplaceediting.h"

#include "controls/controlslogging.h"
#include "controls/inplacebutton.h"
#include "controls/inplaceedit.h"
#include "controls/listboxex.h"

namespace {

constexpr UINT InPlaceEditId = 1;
constexpr UINT InPlaceButtonId = 2;

} // namespace

ListInPlaceEditing::ListInPlaceEditing(CListBoxEx& list) : m_list(list)
{
}

ListInPlaceEditing::~ListInPlaceEditing() = default;

void ListInPlaceEditing::Destroy()
{
    m_row = -1;
    if (m_edit) {
        m_edit->Hide();
        m_edit->DestroyWindow();
    }
    if (m_button) {
        m_button->Hide();
        m_button->DestroyWindow();
    }
}

void ListInPlaceEditing::Create()
{
    if (m_edit || !m_list.GetSafeHwnd())
        return;
    m_edit = std::make_unique<CInPlaceEdit>();
    m_edit->Create(m_style | WS_CHILD | WS_BORDER, CRect(), &m_list, InPlaceEditId);
    m_edit->SetFont(m_list.GetFont());
    m_button = std::make_unique<CInPlaceButton>();
    m_button->Create("...", WS_CHILD, CRect(), &m_list, InPlaceButtonId);
}

bool ListInPlaceEditing::IsCreated() const
{
    return m_edit && m_edit->GetSafeHwnd();
}

bool ListInPlaceEditing::Owns(HWND window) const
{
    return window && ((m_edit && window == m_edit->GetSafeHwnd()) || (m_button && window == m_button->GetSafeHwnd()));
}

void ListInPlaceEditing::Open(int row)
{
    m_row = row;
    CRect rowRect;
    m_list.GetItemRect(row, &rowRect);
    const bool withButton = m_style & InPlaceButtonEditStyle;
    m_editRect = rowRect;
    m_editRect.left += 5;
    m_editRect.right -= withButton ? 30 : 5;
    m_editRect.InflateRect(0, 2);
    m_edit->SetWindowText(m_list.GetText(row));
    m_edit->ShowAt(m_editRect);

    m_buttonRect = rowRect;
    if (withButton && m_button) {
        m_buttonRect.left = m_editRect.right;
        m_buttonRect.right = rowRect.right - 5;
        m_buttonRect.InflateRect(0, 2);
        m_button->ShowAt(m_buttonRect);
    }
}

int ListInPlaceEditing::Close()
{
    if (m_edit)
        m_edit->Hide();
    if (m_button)
        m_button->Hide();
    const int row = m_row;
    m_row = -1;
    return row;
}

CString ListInPlaceEditing::Text() const
{
    return m_edit ? m_edit->GetWindowText() : CString();
}

void ListInPlaceEditing::RowsInserted(int first, int last)
{
    if (m_row >= first)
        m_row += last - first + 1;
}

void ListInPlaceEditing::RowsRemoved(int first, int last)
{
    if (m_row > last)
        m_row -= last - first + 1;
    else if (m_row >= first)
        CloseSilently("its row was removed");
}

void ListInPlaceEditing::RowsReset()
{
    if (m_row != -1)
        CloseSilently("the list was emptied");
}

void ListInPlaceEditing::CloseSilently(const char* why)
{
    // Commands end an open edit before they change the rows; this is the
    // guard for a change that did not.
    qCWarning(lcControls, "The in-place edit of row %d closes without storing its text: %s.", m_row, why);
    Close();
}
