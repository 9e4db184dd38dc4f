#include "platform/windows/wnd.h"

#include "platform/windows/windowhook.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaProperty>
#include <QVariant>
#include <QWidget>

#include <vector>

const CRuntimeClass CCmdTarget::classCCmdTarget = {"CCmdTarget", nullptr, RUNTIME_CLASS(CObject)};
const CRuntimeClass* CCmdTarget::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CCmdTarget);
}

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

const char* const HookProperty = WindowHook::PropertyName;
const char* const IdProperty = "pe_controlId";
const char* const StyleProperty = "pe_style";
const char* const ExStyleProperty = "pe_exStyle";

WindowHook* HookOf(const QWidget* widget)
{
    return WindowHook::Of(widget);
}

bool HasWritableTextProperty(const QWidget* widget)
{
    const QMetaObject* meta = widget->metaObject();
    const int index = meta->indexOfProperty("text");
    return index >= 0 && meta->property(index).isWritable();
}

struct ReflectedMessage {
    UINT message;
    ReflectedChildFn childOf;
};

std::vector<ReflectedMessage>& ReflectedMessages()
{
    static std::vector<ReflectedMessage> messages;
    return messages;
}

QWidget* DefaultClient(QWidget* widget)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        return area->viewport();
    return widget;
}

} // namespace

CWnd::~CWnd()
{
    if (m_hook) {
        WindowHook* hook = m_hook;
        m_hook = nullptr;
        hook->Release();
        if (m_hWnd)
            m_hWnd->setProperty(HookProperty, QVariant());
        hook->deleteLater();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND widget)
{
    WindowHook* hook = HookOf(widget);
    return hook ? hook->wnd() : nullptr;
}

CWnd* CWnd::FromHandle(HWND widget)
{
    if (!widget)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(widget))
        return wnd;
    // A lookup does not take the widget over: the wrapper answers messages
    // sent to it, and the widget's events reach it as they did before.
    auto* wrapper = new CWnd;
    wrapper->m_hWnd = widget;
    wrapper->m_hook = new WindowHook(wrapper, widget, DefaultClient(widget), true, WindowHook::Input::LeaveAlone);
    widget->setProperty(HookProperty, QVariant::fromValue<void*>(wrapper->m_hook));
    return wrapper;
}

QWidget* CWnd::clientWidget() const
{
    return m_hook ? m_hook->client() : m_hWnd.data();
}

bool CWnd::Attach(HWND widget, QWidget* client)
{
    if (!widget || m_hWnd)
        return false;
    if (WindowHook* old = HookOf(widget)) {
        CWnd* previous = old->wnd();
        if (previous && !old->ownsWnd())
            return false; // another window object holds it already
        old->Release();
        if (previous) {
            previous->m_hook = nullptr;
            previous->m_hWnd = nullptr;
        }
        delete old;
        delete previous; // a plain wrapper, or nothing
    }
    m_hWnd = widget;
    m_hook = new WindowHook(this, widget, client ? client : DefaultClient(widget), false, WindowHook::Input::Translate);
    widget->setProperty(HookProperty, QVariant::fromValue<void*>(m_hook));
    return true;
}

HWND CWnd::Detach()
{
    HWND widget = m_hWnd;
    if (m_hook) {
        m_hook->Release();
        delete m_hook;
        m_hook = nullptr;
    }
    if (widget)
        widget->setProperty(HookProperty, QVariant());
    m_hWnd = nullptr;
    return widget;
}

bool CWnd::SubclassWindow(HWND widget)
{
    if (!Attach(widget))
        return false;
    PreSubclassWindow();
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent)
        return false;
    return SubclassWindow(parent->GetDlgItemHandle(static_cast<int>(id)));
}

bool CWnd::DestroyWindow()
{
    QWidget* widget = m_hWnd;
    if (!widget)
        return false;
    SendMessage(WM_DESTROY);
    // The window objects go now, children first, as their windows would; the
    // widgets themselves are deleted once control returns to the event loop,
    // because this may run inside one of their own event handlers. `this` may
    // be deleted below: touch no member afterwards.
    DestroyDescendantWindowObjects(widget);
    if (WindowHook* hook = HookOf(widget))
        hook->DestroyWindowObject();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(widget)) {
        if (QMdiArea* area = sub->mdiArea())
            area->removeSubWindow(sub);
    }
    widget->hide();
    widget->deleteLater();
    return true;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

int CWnd::GetDlgCtrlID(const QWidget* widget)
{
    return widget ? widget->property(IdProperty).toInt() : 0;
}

void CWnd::SetDlgCtrlID(QWidget* widget, int id)
{
    if (widget)
        widget->setProperty(IdProperty, id);
}

int CWnd::GetDlgCtrlID() const
{
    return GetDlgCtrlID(m_hWnd);
}

void CWnd::SetDlgCtrlID(int id)
{
    SetDlgCtrlID(m_hWnd, id);
}

HWND CWnd::GetDlgItemHandle(int id) const
{
    if (!m_hWnd)
        return nullptr;
    // Direct children first, in creation order, as a dialog's items are.
    const auto children = m_hWnd->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (GetDlgCtrlID(child) == id)
            return child;
    }
    const auto all = m_hWnd->findChildren<QWidget*>();
    for (QWidget* child : all) {
        if (GetDlgCtrlID(child) == id)
            return child;
    }
    return nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(GetDlgItemHandle(id));
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd ? FromHandle(m_hWnd->parentWidget()) : nullptr;
}

CWnd* CWnd::GetParentFrame() const
{
    for (QWidget* w = m_hWnd ? m_hWnd->parentWidget() : nullptr; w; w = w->parentWidget()) {
        CWnd* wnd = FromHandlePermanent(w);
        if (wnd && wnd->IsFrameWnd())
            return wnd;
    }
    return nullptr;
}

DWORD CWnd::GetStyle() const
{
    return m_hWnd ? m_hWnd->property(StyleProperty).toUInt() : 0;
}

DWORD CWnd::GetExStyle() const
{
    return m_hWnd ? m_hWnd->property(ExStyleProperty).toUInt() : 0;
}

void CWnd::InitStyle(QWidget* widget, DWORD style, DWORD exStyle)
{
    if (!widget)
        return;
    widget->setProperty(StyleProperty, style);
    widget->setProperty(ExStyleProperty, exStyle);
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add)
{
    if (!m_hWnd)
        return false;
    m_hWnd->setProperty(StyleProperty, (GetStyle() & ~remove) | add);
    return true;
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add)
{
    if (!m_hWnd)
        return false;
    m_hWnd->setProperty(ExStyleProperty, (GetExStyle() & ~remove) | add);
    return true;
}

void CWnd::SetWindowText(const char* text)
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

CString CWnd::GetWindowText() const
{
    if (!m_hWnd)
        return {};
    if (HasWritableTextProperty(m_hWnd))
        return CString::FromQString(m_hWnd->property("text").toString());
    return CString::FromQString(m_hWnd->windowTitle());
}

bool CWnd::ShowWindow(int command)
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

bool CWnd::IsWindowVisible() const
{
    return m_hWnd && m_hWnd->isVisible();
}

bool CWnd::EnableWindow(bool enable)
{
    if (!m_hWnd)
        return false;
    const bool wasDisabled = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(enable);
    return wasDisabled;
}

bool CWnd::IsWindowEnabled() const
{
    return m_hWnd && m_hWnd->isEnabled();
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_hWnd)
        m_hWnd->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(QApplication::focusWidget());
}

void CWnd::GetClientRect(RECT* rect) const
{
    const QWidget* client = clientWidget();
    *rect = client ? RECT {0, 0, client->width(), client->height()} : RECT {};
}

void CWnd::GetWindowRect(RECT* rect) const
{
    if (!m_hWnd) {
        *rect = RECT {};
        return;
    }
    const QPoint topLeft = m_hWnd->mapToGlobal(QPoint(0, 0));
    *rect = RECT {topLeft.x(), topLeft.y(), topLeft.x() + m_hWnd->width(), topLeft.y() + m_hWnd->height()};
}

void CWnd::ScreenToClient(POINT* point) const
{
    if (const QWidget* client = clientWidget()) {
        const QPoint p = client->mapFromGlobal(QPoint(point->x, point->y));
        *point = POINT {p.x(), p.y()};
    }
}

void CWnd::ScreenToClient(RECT* rect) const
{
    POINT topLeft {rect->left, rect->top};
    POINT bottomRight {rect->right, rect->bottom};
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    *rect = RECT {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CWnd::ClientToScreen(POINT* point) const
{
    if (const QWidget* client = clientWidget()) {
        const QPoint p = client->mapToGlobal(QPoint(point->x, point->y));
        *point = POINT {p.x(), p.y()};
    }
}

void CWnd::ClientToScreen(RECT* rect) const
{
    POINT topLeft {rect->left, rect->top};
    POINT bottomRight {rect->right, rect->bottom};
    ClientToScreen(&topLeft);
    ClientToScreen(&bottomRight);
    *rect = RECT {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    if (!m_hWnd)
        return;
    m_hWnd->setGeometry(x, y, width, height);
    if (repaint)
        m_hWnd->update();
}

void CWnd::MoveWindow(const RECT& rect, bool repaint)
{
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void CWnd::Invalidate(bool /*erase*/)
{
    if (QWidget* client = clientWidget())
        client->update();
}

void CWnd::InvalidateRect(const RECT* rect, bool erase)
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

void CWnd::UpdateWindow()
{
    if (QWidget* client = clientWidget())
        client->repaint();
}

void CWnd::SetFont(const QFont& font)
{
    if (m_hWnd)
        m_hWnd->setFont(font);
}

QFont CWnd::GetFont() const
{
    return m_hWnd ? m_hWnd->font() : QApplication::font();
}

CWnd* CWnd::SetCapture()
{
    CWnd* previous = FromHandle(GetCapture());
    if (QWidget* client = clientWidget())
        client->grabMouse();
    return previous;
}

void CWnd::ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

HWND CWnd::GetCapture()
{
    QWidget* grabber = QWidget::mouseGrabber();
    // A client widget (a viewport) stands for its window.
    for (QWidget* w = grabber; w; w = w->parentWidget()) {
        if (HookOf(w))
            return w;
    }
    return grabber;
}

void CWnd::SetRedraw(bool redraw)
{
    if (m_hWnd)
        m_hWnd->setUpdatesEnabled(redraw);
}

void RegisterReflectedMessage(UINT message, ReflectedChildFn childOf)
{
    for (ReflectedMessage& entry : ReflectedMessages()) {
        if (entry.message == message) {
            entry.childOf = childOf;
            return;
        }
    }
    ReflectedMessages().push_back({message, childOf});
}

HWND ReflectedChildOf(UINT message, LPARAM lParam)
{
    for (const ReflectedMessage& entry : ReflectedMessages()) {
        if (entry.message == message && message != 0)
            return lParam ? entry.childOf(lParam) : nullptr;
    }
    return nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

namespace {

// The control that sent a notification to its parent, for reflection.
HWND NotifyingChild(UINT message, WPARAM /*wParam*/, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return reinterpret_cast<HWND>(lParam);
    if (message == WM_NOTIFY && lParam)
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    return ReflectedChildOf(message, lParam);
}

} // namespace

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // Notifications go to the control that sent them first (reflection).
    HWND child = NotifyingChild(message, wParam, lParam);
    if (child && child != m_hWnd) {
        if (CWnd* control = FromHandlePermanent(child))
            return control->OnChildNotify(message, wParam, lParam, result);
    }
    return false;
}

bool CWnd::OnChildNotify(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT* /*result*/)
{
    return false;
}

LRESULT CWnd::DefWindowProc(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return Default();
}

LRESULT CWnd::Default()
{
    return m_hook ? m_hook->RunDefault() : 0;
}

bool CWnd::PreTranslateMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return false;
}

QEvent* CWnd::CurrentEvent() const
{
    return m_hook ? m_hook->currentEvent() : nullptr;
}
