#include "platform/windows/windowhook.h"

#include "platform/windows/windowattributes.h"
#include "platform/windows/wnd.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWidget>

namespace {

// Modifiers and position of the input event being handled, for GetKeyState and
// GetMessagePos.
struct InputState {
    bool active = false;
    Qt::KeyboardModifiers modifiers;
    QPoint globalPos;
};
InputState g_input;

bool IsInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

} // namespace

UINT VirtualKeyFromQtKey(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<UINT>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<UINT>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    default:
        return 0;
    }
}

WindowHook* WindowHook::Of(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    const WindowAttributes* attributes = FindWindowAttributes(widget);
    return attributes ? attributes->hook : nullptr;
}

WindowHook::WindowHook(CWnd* wnd, QWidget* widget, QWidget* client, bool ownsWnd, Input input)
    : QObject(widget), m_wnd(wnd), m_widget(widget), m_client(client), m_ownsWnd(ownsWnd), m_input(input)
{
    widget->installEventFilter(this);
    if (input == Input::Translate && client && client != widget)
        client->installEventFilter(this);
}

WindowHook::~WindowHook()
{
    // The widget is being destroyed (the hook is its child) or the hook was
    // deleted by its window object. Only the first case reaches the object,
    // and then, as when a window is destroyed on purpose, the windows inside
    // it lose their objects first.
    if (m_wnd && m_widget)
        DestroyDescendantWindowObjects(m_widget);
    DestroyWindowObject();
}

void DestroyDescendantWindowObjects(QObject* parent)
{
    // Qt may be deleting `parent`'s children right now: it nulls each entry it
    // has deleted, so walk a copy and skip those.
    const QObjectList children = parent->children();
    for (QObject* child : children) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        DestroyDescendantWindowObjects(widget);
        if (WindowHook* hook = WindowHook::Of(widget))
            hook->DestroyWindowObject();
    }
}

void WindowHook::DestroyWindowObject()
{
    if (!m_wnd)
        return;
    CWnd* wnd = m_wnd;
    m_wnd = nullptr;
    wnd->m_hook = nullptr;
    wnd->SetWidget(nullptr);
    if (m_ownsWnd)
        delete wnd;
    else
        wnd->PostNcDestroy();
}

void WindowHook::Release()
{
    m_wnd = nullptr;
    if (m_widget)
        m_widget->removeEventFilter(this);
    if (m_client)
        m_client->removeEventFilter(this);
}

LRESULT WindowHook::RunDefault()
{
    if (!m_current || m_defaultDone || !m_currentTarget)
        return 0;
    m_defaultDone = true;
    if (m_currentTarget != m_widget.data()) {
        // A scroll area handles its viewport's events in an event filter of its
        // own, which a direct call would skip: send the event again and let it
        // pass this hook. Any propagation to parents happened in that send, so
        // the outer delivery must not repeat it.
        m_passThrough = m_current;
        const bool handled = QCoreApplication::sendEvent(m_currentTarget, m_current);
        m_passThrough = nullptr;
        m_current->accept();
        return handled ? 1 : 0;
    }
    // Calling event() directly bypasses the event filters, so this is exactly
    // the widget's own handling.
    return m_currentTarget->event(m_current) ? 1 : 0;
}

bool WindowHook::Translate(QObject* watched, QEvent* event, UINT& message, WPARAM& wParam, LPARAM& lParam) const
{
    QWidget* clientWidget = client();
    const auto clientPoint = [&](const QPointF& local) {
        QPoint p = local.toPoint();
        if (watched != clientWidget && clientWidget)
            p = clientWidget->mapFrom(static_cast<QWidget*>(watched), p);
        return MAKELPARAM(p.x(), p.y());
    };
    wParam = 0;
    lParam = 0;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        message = (key->modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN;
        wParam = VirtualKeyFromQtKey(key->key());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool left = mouse->button() == Qt::LeftButton;
        const bool right = mouse->button() == Qt::RightButton;
        if (!left && !right)
            return false;
        if (event->type() == QEvent::MouseButtonPress)
            message = left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
        else if (event->type() == QEvent::MouseButtonRelease)
            message = left ? WM_LBUTTONUP : WM_RBUTTONUP;
        else if (left)
            message = WM_LBUTTONDBLCLK;
        else
            return false;
        lParam = clientPoint(mouse->position());
        return true;
    }
    case QEvent::MouseMove:
        message = WM_MOUSEMOVE;
        lParam = clientPoint(static_cast<QMouseEvent*>(event)->position());
        return true;
    case QEvent::Leave:
        if (watched != m_widget)
            return false;
        message = WM_MOUSELEAVE;
        return true;
    case QEvent::FocusIn:
        if (watched != m_widget)
            return false;
        message = WM_SETFOCUS;
        return true;
    case QEvent::FocusOut:
        if (watched != m_widget)
            return false;
        message = WM_KILLFOCUS;
        wParam = reinterpret_cast<WPARAM>(QApplication::focusWidget());
        return true;
    case QEvent::Resize: {
        if (watched != m_widget)
            return false;
        message = WM_SIZE;
        const QSize size = clientWidget ? clientWidget->size() : static_cast<QResizeEvent*>(event)->size();
        lParam = MAKELPARAM(size.width(), size.height());
        return true;
    }
    case QEvent::Paint:
        if (watched != clientWidget)
            return false;
        message = WM_PAINT;
        return true;
    default:
        return false;
    }
}

bool WindowHook::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_wnd || event == m_passThrough)
        return false;
    if (event->type() == WindowMessageEvent::EventType()) {
        if (watched != m_widget)
            return false;
        auto* message = static_cast<WindowMessageEvent*>(event);
        message->delivered = true;
        message->result = m_wnd->WindowProc(message->message, message->wParam, message->lParam);
        return true;
    }
    if (m_input == Input::LeaveAlone)
        return false;
    // A disabled window gets no input, as on the classic platform; Qt drops
    // it in QWidget::event, which runs after this filter.
    if (IsInputEvent(event->type()) && m_widget && !m_widget->isEnabled())
        return false;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    if (!Translate(watched, event, message, wParam, lParam))
        return false;

    // The input state of an outer message comes back on every way out,
    // including the one where the handler destroyed this window.
    struct RestoreInput {
        InputState saved = g_input;
        ~RestoreInput() { g_input = saved; }
    } restoreInput;
    QEvent* savedEvent = m_current;
    QObject* savedTarget = m_currentTarget;
    const bool savedDone = m_defaultDone;
    m_current = event;
    m_currentTarget = watched;
    m_defaultDone = false;
    if (event->type() == QEvent::KeyPress) {
        g_input = {true, static_cast<QKeyEvent*>(event)->modifiers(), QCursor::pos()};
    } else if (auto* mouse = dynamic_cast<QMouseEvent*>(event)) {
        g_input = {true, mouse->modifiers(), mouse->globalPosition().toPoint()};
    }

    // The object may be destroyed by its own handler (a window that closes
    // itself): keep a guard on the widget and touch nothing after it is gone.
    QPointer<QObject> guard(this);
    if (m_wnd->PreTranslateMessage(message, wParam, lParam)) {
        m_defaultDone = true;
    } else {
        m_wnd->WindowProc(message, wParam, lParam);
    }
    if (!guard)
        return true;
    // A swallowed event counts as accepted; after the default handling the
    // widget's own answer stands, so Qt propagates what the widget ignored.
    if (!m_defaultDone)
        event->accept();
    m_current = savedEvent;
    m_currentTarget = savedTarget;
    m_defaultDone = savedDone;
    return true;
}

short GetKeyState(int virtualKey)
{
    const Qt::KeyboardModifiers modifiers
        = g_input.active ? g_input.modifiers : QGuiApplication::queryKeyboardModifiers();
    bool down = false;
    if (virtualKey == static_cast<int>(VK_SHIFT))
        down = modifiers & Qt::ShiftModifier;
    else if (virtualKey == static_cast<int>(VK_CONTROL))
        down = modifiers & Qt::ControlModifier;
    else if (virtualKey == static_cast<int>(VK_MENU))
        down = modifiers & Qt::AltModifier;
    return down ? static_cast<short>(0x8000) : 0;
}

POINT GetCurrentMessagePoint()
{
    const QPoint p = g_input.active ? g_input.globalPos : QCursor::pos();
    return POINT {p.x(), p.y()};
}

DWORD GetMessagePos()
{
    const POINT p = GetCurrentMessagePoint();
    return static_cast<DWORD>(MAKELPARAM(p.x, p.y));
}
