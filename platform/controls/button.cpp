#include "platform/controls/button.h"

#include "platform/controls/childcontrol.h"
#include "platform/core/logging.h"

#include <QIcon>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CButton, CWnd)

bool CButton::PreCreateWindow(CREATESTRUCT& /*cs*/)
{
    return true;
}

bool CButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    CREATESTRUCT cs = MakeChildCreateStruct(style, rect, caption);
    if (!PreCreateWindow(cs))
        return false;
    auto* button = new QPushButton(cs.lpszName.ToQString());
    button->setAutoDefault(false);
    m_notifyParent = parent ? parent->GetSafeHwnd() : nullptr;
    // The connection lives with the widget, whatever becomes of this object.
    const QPointer<QWidget> notify = m_notifyParent;
    QObject::connect(button, &QPushButton::clicked, button, [button, notify] {
        ::SendMessage(notify, WM_COMMAND, MAKEWPARAM(CWnd::GetDlgCtrlID(button), static_cast<int>(BN_CLICKED)),
            reinterpret_cast<LPARAM>(button));
    });
    return CreateChildControl(this, button, cs, 0, parent, id);
}

HWND CButton::GetNotifyParent() const
{
    if (m_notifyParent)
        return m_notifyParent;
    return GetSafeHwnd() ? GetSafeHwnd()->parentWidget() : nullptr;
}

namespace {

const char* const BitmapProperty = "pe_bitmap";

QAbstractButton* ButtonWidget(QWidget* widget, const char* operation, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button)
        qCWarning(lcPlatformControls, "%s: there is no button %d.", operation, id);
    return button;
}

// A push button has no check state: checking it changes nothing, as on the
// classic platform.
void SetButtonCheck(QAbstractButton* button, UINT check, const char* operation)
{
    if (!button)
        return;
    if (!button->isCheckable()) {
        qCWarning(lcPlatformControls, "%s: button %d cannot be checked.", operation, CWnd::GetDlgCtrlID(button));
        return;
    }
    button->setChecked(check == BST_CHECKED);
}

UINT ButtonCheck(const QAbstractButton* button)
{
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

} // namespace

void CButton::SetCheck(UINT check)
{
    SetButtonCheck(ButtonWidget(GetSafeHwnd(), "SetCheck", GetDlgCtrlID()), check, "SetCheck");
}

UINT CButton::GetCheck() const
{
    return ButtonCheck(ButtonWidget(GetSafeHwnd(), "GetCheck", GetDlgCtrlID()));
}

QPixmap CButton::SetBitmap(const QPixmap& bitmap)
{
    QAbstractButton* button = ButtonWidget(GetSafeHwnd(), "SetBitmap", GetDlgCtrlID());
    if (!button)
        return {};
    const QPixmap previous = GetBitmap();
    if (bitmap.isNull()) {
        qCWarning(
            lcPlatformControls, "SetBitmap: button %d was given an empty bitmap; it keeps its image.", GetDlgCtrlID());
        return previous;
    }
    button->setProperty(BitmapProperty, bitmap);
    button->setIcon(QIcon(bitmap));
    button->setIconSize(bitmap.size());
    if (GetStyle() & BS_BITMAP)
        button->setText(QString());
    return previous;
}

QPixmap CButton::GetBitmap() const
{
    const QWidget* button = GetSafeHwnd();
    return button ? button->property(BitmapProperty).value<QPixmap>() : QPixmap();
}

// CWnd's dialog-button helpers live with the buttons they work on.
void CWnd::CheckDlgButton(int id, UINT check)
{
    SetButtonCheck(ButtonWidget(GetDlgItemHandle(id), "CheckDlgButton", id), check, "CheckDlgButton");
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    return ButtonCheck(ButtonWidget(GetDlgItemHandle(id), "IsDlgButtonChecked", id));
}
