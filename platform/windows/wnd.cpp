#include "platform/windows/wnd.h"

#include "platform/windows/windowattributes.h"
#include "platform/windows/windowhook.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <vector>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

WindowHook* HookOf(const QWidget* widget)
{
    return WindowHook::Of(widget);
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
        if (WindowAttributes* attributes = FindWindowAttributes(GetSafeHwnd()))
            attributes->hook = nullptr;
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
    wrapper->SetWidget(widget);
    wrapper->m_hook = new WindowHook(wrapper, widget, DefaultClient(widget), true, WindowHook::Input::LeaveAlone);
    WindowAttributesOf(widget).hook = wrapper->m_hook;
    return wrapper;
}

QWidget* CWnd::clientWidget() const
{
    return m_hook ? m_hook->client() : GetSafeHwnd();
}

bool CWnd::Attach(HWND widget, QWidget* client)
{
    if (!widget || GetSafeHwnd())
        return false;
    if (WindowHook* old = HookOf(widget)) {
        CWnd* previous = old->wnd();
        if (previous && !old->ownsWnd())
            return false; // another window object holds it already
        old->Release();
        if (previous) {
            previous->m_hook = nullptr;
            previous->SetWidget(nullptr);
        }
        delete old;
        delete previous; // a plain wrapper, or nothing
    }
    SetWidget(widget);
    m_hook = new WindowHook(this, widget, client ? client : DefaultClient(widget), false, WindowHook::Input::Translate);
    WindowAttributesOf(widget).hook = m_hook;
    return true;
}

HWND CWnd::Detach()
{
    HWND widget = GetSafeHwnd();
    if (m_hook) {
        m_hook->Release();
        delete m_hook;
        m_hook = nullptr;
    }
    if (WindowAttributes* attributes = FindWindowAttributes(widget))
        attributes->hook = nullptr;
    SetWidget(nullptr);
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
    QWidget* widget = GetSafeHwnd();
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
    return ::SendMessage(GetSafeHwnd(), message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessage(GetSafeHwnd(), message, wParam, lParam);
}

HWND CWnd::GetDlgItemHandle(int id) const
{
    if (!GetSafeHwnd())
        return nullptr;
    // Direct children first, in creation order, as a dialog's items are.
    const auto children = GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (GetDlgCtrlID(child) == id)
            return child;
    }
    const auto all = GetSafeHwnd()->findChildren<QWidget*>();
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
    return GetSafeHwnd() ? FromHandle(GetSafeHwnd()->parentWidget()) : nullptr;
}

CWnd* CWnd::GetParentFrame() const
{
    for (QWidget* w = GetSafeHwnd() ? GetSafeHwnd()->parentWidget() : nullptr; w; w = w->parentWidget()) {
        CWnd* wnd = FromHandlePermanent(w);
        if (wnd && wnd->IsFrameWnd())
            return wnd;
    }
    return nullptr;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (GetSafeHwnd())
        GetSafeHwnd()->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(QApplication::focusWidget());
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
    if (child && child != GetSafeHwnd()) {
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
