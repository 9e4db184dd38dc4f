#pragma once

// Makes a window a drop target: drags that enter, move over, leave and drop on
// the window reach its drop client (OnDragEnter, OnDragOver, OnDragLeave,
// OnDrop) with the data on offer, the key state (MK_*) and the point in the
// window's coordinates. The answer of enter and over decides the cursor; a
// client that answers DROPEFFECT_NONE is shown as refusing the drop there.

#include "platform/ole/oledropclient.h"

#include <QPointer>

class CWnd;
class QObject;

constexpr DWORD MK_LBUTTON = 0x0001;
constexpr DWORD MK_RBUTTON = 0x0002;
constexpr DWORD MK_SHIFT = 0x0004;
constexpr DWORD MK_CONTROL = 0x0008;
constexpr DWORD MK_MBUTTON = 0x0010;
constexpr DWORD MK_ALT = 0x0020;

class COleDropTarget {
public:
    COleDropTarget() = default;
    ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // False when the window has none yet, there is no client, or a window
    // is registered already.
    bool Register(CWnd* window, IOleDropClient* client);
    // A window that is its own drop client (a view, say).
    template <class Window> bool Register(Window* window) { return Register(window, window); }
    void Revoke();

private:
    QPointer<QObject> m_filter;
};
