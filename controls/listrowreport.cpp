#include "controls/listrowreport.h"

#include "controls/listboxex.h"
#include "platform/core/invalidarg.h"
#include "platform/windows/messagebox.h"

namespace {

const char* const ErrorTitle = "Profile Editor";

} // namespace

IListBoxExParent* ListRowReport::Parent() const
{
    return dynamic_cast<IListBoxExParent*>(m_list.GetParent());
}

void ListRowReport::Report(ListRowEvent::Kind kind, int rows, int row, int toRow, const char* text) const
{
    if (IListBoxExParent* parent = Parent())
        parent->OnListRowEvent(m_list, ListRowEvent {kind, row, toRow, text, rows});
}

void ListRowReport::Error(const char* text) const
{
    CWnd* parent = m_list.GetParent();
    MessageBox(parent ? parent->GetSafeHwnd() : m_list.GetSafeHwnd(), text, ErrorTitle, MB_OK | MB_ICONEXCLAMATION);
}

void ListRowReport::CheckRow(int index, int rows, const char* operation, bool orEnd)
{
    if (index >= 0 && (index < rows || (orEnd && index == rows)))
        return;
    CString text;
    text.Format("%s: the list has no row %d, only %d row%s.", operation, index, rows, rows == 1 ? "" : "s");
    AfxThrowInvalidArgException(text);
}
