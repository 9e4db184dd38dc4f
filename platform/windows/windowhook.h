#pragma once

// The event filter that turns Qt events on a widget into window messages for its
// window object. Private to the platform layer.

#include "platform/windows/windowmessage.h"

#include <QObject>
#include <QPointer>

class CWnd;
class QWidget;

class WindowHook : public QObject {
public:
    static WindowHook* Of(const QWidget* widget);

    // How the hook treats the widget's own events: a window object that was
    // attached gets them as messages; a wrapper made by a lookup only answers
    // messages sent to the widget and leaves its events to whoever else
    // filters them.
    enum class Input { Translate, LeaveAlone };

    WindowHook(CWnd* wnd, QWidget* widget, QWidget* client, bool ownsWnd, Input input);
    ~WindowHook() override;

    CWnd* wnd() const { return m_wnd; }
    QWidget* client() const { return m_client ? m_client.data() : m_widget.data(); }
    bool ownsWnd() const { return m_ownsWnd; }
    bool translatesInput() const { return m_input == Input::Translate; }
    // The window object goes away first: forget it without deleting it.
    void Release();
    // The window is being destroyed: the object goes now (a plain wrapper is
    // deleted, another object gets PostNcDestroy); the hook stays inert.
    void DestroyWindowObject();

    LRESULT RunDefault();
    QEvent* currentEvent() const { return m_current; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Translate(QObject* watched, QEvent* event, UINT& message, WPARAM& wParam, LPARAM& lParam) const;

    CWnd* m_wnd;
    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_client;
    bool m_ownsWnd;
    Input m_input;
    QEvent* m_current = nullptr;
    QObject* m_currentTarget = nullptr;
    bool m_defaultDone = false;
    QEvent* m_passThrough = nullptr; // the event being re-sent for the default handling
};

// Gives every window object inside `parent` (not its own) its end, innermost
// first, as destroying a window does.
void DestroyDescendantWindowObjects(QObject* parent);

// Maps a Qt key to its virtual-key code; 0 for keys the editor never names.
UINT VirtualKeyFromQtKey(int key);
