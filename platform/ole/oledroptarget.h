#pragma once

// Makes a view a drop target: drags that enter, move over, leave and drop on
// the view's window reach its OnDragEnter, OnDragOver, OnDragLeave and OnDrop
// with the data on offer, the key state (MK_*) and the point in the view's
// window coordinates. The answer of enter and over decides the cursor; a
// target that answers DROPEFFECT_NONE is shown as refusing the drop there.

#include "platform/ole/oledataobject.h"

#include <QPointer>

class CView;
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

    // False when the view has no window or is registered already.
    bool Register(CView* view);
    void Revoke();

private:
    QPointer<QObject> m_filter;
};
