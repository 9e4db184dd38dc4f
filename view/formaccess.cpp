#include "view/formaccess.h"

#include "controls/listboxex.h"
#include "controls/listboxexbuddy.h"
#include "platform/controls/button.h"
#include "platform/windows/messagebox.h"
#include "platform/windows/wnd.h"
#include "resources/editorresources.h"
#include "resources/formcontrolids.h"

HWND FormAccess::Handle() const
{
    return m_form.GetSafeHwnd();
}

void FormAccess::EnableControls(const UINT* ids, bool enable) const
{
    for (; *ids; ++ids) {
        if (CWnd* control = m_form.GetDlgItem(static_cast<int>(*ids)))
            control->EnableWindow(enable);
    }
}

void FormAccess::ShowControls(const UINT* ids, bool show) const
{
    for (; *ids; ++ids) {
        if (CWnd* control = m_form.GetDlgItem(static_cast<int>(*ids)))
            control->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

bool FormAccess::IsChecked(UINT id) const
{
    return m_form.IsDlgButtonChecked(static_cast<int>(id)) == BST_CHECKED;
}

void FormAccess::CheckRadio(UINT id, bool check) const
{
    m_form.CheckDlgButton(static_cast<int>(id), check ? BST_CHECKED : BST_UNCHECKED);
}

void FormAccess::SetControlText(UINT id, const char* text) const
{
    if (CWnd* control = m_form.GetDlgItem(static_cast<int>(id)))
        control->SetWindowText(text);
}

CString FormAccess::ControlText(UINT id) const
{
    CWnd* control = m_form.GetDlgItem(static_cast<int>(id));
    return control ? control->GetWindowText() : CString();
}

int FormAccess::ShowMessage(const char* text, UINT style) const
{
    return MessageBox(Handle(), text, MessageBoxTitle, style);
}

void FormAccess::ReportError(const char* what) const
{
    ShowMessage(what, MB_ICONEXCLAMATION | MB_TOPMOST);
}

std::unique_ptr<CListBoxExBuddy> FormAccess::MakeStrip(
    UINT placeholder, UINT bitmap, std::initializer_list<const char*> tooltips, CListBoxEx* list) const
{
    CStringArray texts;
    for (const char* text : tooltips)
        texts.Add(text);
    auto strip
        = std::make_unique<CListBoxExBuddy>(bitmap, &EditorResourceModule(), static_cast<UINT>(texts.GetSize()), texts);
    strip->TakeOver(placeholder, &m_form);
    if (list) {
        strip->SetListBox(list);
        list->SetBuddy(strip.get());
    }
    return strip;
}
