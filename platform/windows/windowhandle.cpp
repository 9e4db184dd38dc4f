#include "platform/windows/windowhandle.h"

#include "platform/windows/windowattributes.h"

#include <QApplication>
#include <QMetaProperty>
#include <QVariant>

const CRuntimeClass CCmdTarget::classCCmdTarget = {"CCmdTarget", nullptr, RUNTIME_CLASS(CObject)};
const CRuntimeClass* CCmdTarget::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CCmdTarget);
}

namespace {

bool HasWritableTextProperty(const QWidget* widget)
{
    const QMetaObject* meta = widget->metaObject();
    const int index = meta->indexOfProperty("text");
    return index >= 0 && meta->property(index).isWritable();
}

} // namespace

int CWindowHandle::GetDlgCtrlID(const QWidget* widget)
{
    const WindowAttributes* attributes = FindWindowAttributes(widget);
    return attributes ? attributes->controlId : 0;
}

void CWindowHandle::SetDlgCtrlID(QWidget* widget, int id)
{
    if (widget)
        WindowAttributesOf(widget).controlId = id;
}

int CWindowHandle::GetDlgCtrlID() const
{
    return GetDlgCtrlID(m_hWnd);
}

void CWindowHandle::SetDlgCtrlID(int id)
{
    SetDlgCtrlID(m_hWnd, id);
}

DWORD CWindowHandle::GetStyle() const
{
    const WindowAttributes* attributes = FindWindowAttributes(m_hWnd);
    return attributes ? attributes->style : 0;
}

DWORD CWindowHandle::GetExStyle() const
{
    const WindowAttributes* attributes = FindWindowAttributes(m_hWnd);
    return attributes ? attributes->exStyle : 0;
}

void CWindowHandle::InitStyle(QWidget* widget, DWORD style, DWORD exStyle)
{
    if (!widget)
        return;
    WindowAttributes& attributes = WindowAttributesOf(widget);
    attributes.style = style;
    attributes.exStyle = exStyle;
}

bool CWindowHandle::ModifyStyle(DWORD remove, DWORD add)
{
    if (!m_hWnd)
        return false;
    DWORD& style = WindowAttributesOf(m_hWnd).style;
    style = (style & ~remove) | add;
    return true;
}

bool CWindowHandle::ModifyStyleEx(DWORD remove, DWORD add)
{
    if (!m_hWnd)
        return false;
    DWORD& exStyle = WindowAttributesOf(m_hWnd).exStyle;
    exStyle = (exStyle & ~remove) | add;
    return true;
}

void CWindowHandle::SetWindowText(const char* text)
{
    if (!m_hWnd)
        return;
    const QString qtext = CString(text).ToQString();
    // Widgets with a text of their own (buttons, labels, edits) show it; other
    // windows carry it as their title.
    if (HasWritableTextProperty(m_hWnd))
        m_hWnd->setProperty("text", qtext);
    else
        m_hWnd->setWindowTitle(qtext);
}

CString CWindowHandle::GetWindowText() const
{
    if (!m_hWnd)
        return {};
    if (HasWritableTextProperty(m_hWnd))
        return CString::FromQString(m_hWnd->property("text").toString());
    return CString::FromQString(m_hWnd->windowTitle());
}

bool CWindowHandle::ShowWindow(int command)
{
    if (!m_hWnd)
        return false;
    const bool wasVisible = m_hWnd->isVisible();
    if (command == SW_HIDE) {
        m_hWnd->hide();
    } else {
        if (command == SW_SHOWNOACTIVATE)
            m_hWnd->setAttribute(Qt::WA_ShowWithoutActivating);
        m_hWnd->show();
    }
    return wasVisible;
}

bool CWindowHandle::IsWindowVisible() const
{
    return m_hWnd && m_hWnd->isVisible();
}

bool CWindowHandle::EnableWindow(bool enable)
{
    if (!m_hWnd)
        return false;
    const bool wasDisabled = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(enable);
    return wasDisabled;
}

bool CWindowHandle::IsWindowEnabled() const
{
    return m_hWnd && m_hWnd->isEnabled();
}

void CWindowHandle::GetClientRect(RECT* rect) const
{
    const QWidget* client = clientWidget();
    *rect = client ? RECT {0, 0, client->width(), client->height()} : RECT {};
}

void CWindowHandle::GetWindowRect(RECT* rect) const
{
    if (!m_hWnd) {
        *rect = RECT {};
        return;
    }
    const QPoint topLeft = m_hWnd->mapToGlobal(QPoint(0, 0));
    *rect = RECT {topLeft.x(), topLeft.y(), topLeft.x() + m_hWnd->width(), topLeft.y() + m_hWnd->height()};
}

void CWindowHandle::ScreenToClient(POINT* point) const
{
    if (const QWidget* client = clientWidget()) {
        const QPoint p = client->mapFromGlobal(QPoint(point->x, point->y));
        *point = POINT {p.x(), p.y()};
    }
}

void CWindowHandle::ScreenToClient(RECT* rect) const
{
    POINT topLeft {rect->left, rect->top};
    POINT bottomRight {rect->right, rect->bottom};
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    *rect = RECT {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CWindowHandle::ClientToScreen(POINT* point) const
{
    if (const QWidget* client = clientWidget()) {
        const QPoint p = client->mapToGlobal(QPoint(point->x, point->y));
        *point = POINT {p.x(), p.y()};
    }
}

void CWindowHandle::ClientToScreen(RECT* rect) const
{
    POINT topLeft {rect->left, rect->top};
    POINT bottomRight {rect->right, rect->bottom};
    ClientToScreen(&topLeft);
    ClientToScreen(&bottomRight);
    *rect = RECT {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CWindowHandle::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    if (!m_hWnd)
        return;
    m_hWnd->setGeometry(x, y, width, height);
    if (repaint)
        m_hWnd->update();
}

void CWindowHandle::MoveWindow(const RECT& rect, bool repaint)
{
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void CWindowHandle::Invalidate(bool /*erase*/)
{
    if (QWidget* client = clientWidget())
        client->update();
}

void CWindowHandle::InvalidateRect(const RECT* rect, bool erase)
{
    QWidget* client = clientWidget();
    if (!client)
        return;
    if (!rect) {
        Invalidate(erase);
        return;
    }
    client->update(QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top));
}

void CWindowHandle::UpdateWindow()
{
    if (QWidget* client = clientWidget())
        client->repaint();
}

void CWindowHandle::SetFont(const QFont& font)
{
    if (m_hWnd)
        m_hWnd->setFont(font);
}

QFont CWindowHandle::GetFont() const
{
    return m_hWnd ? m_hWnd->font() : QApplication::font();
}

void CWindowHandle::SetRedraw(bool redraw)
{
    if (m_hWnd)
        m_hWnd->setUpdatesEnabled(redraw);
}
