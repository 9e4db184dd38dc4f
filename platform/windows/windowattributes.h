#pragma once

// What the platform keeps for a widget beside Qt's own state: its control id,
// its styles and the hook of the window object that wraps it. Private to the
// platform layer.
//
// They live in one table keyed by the widget rather than in dynamic
// properties: a property look-up first searches the widget class's own
// properties by name, and a dialog asks for its items' ids often enough
// (GetDlgItem scans the children) that this was the largest cost of opening a
// dialog.

#include "platform/core/types.h"

class QWidget;
class WindowHook;

struct WindowAttributes {
    int controlId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    WindowHook* hook = nullptr;
};

// The attributes set for `widget`; null when none were.
WindowAttributes* FindWindowAttributes(const QWidget* widget);
// The attributes of `widget`, made on first use and forgotten when the widget
// is destroyed.
WindowAttributes& WindowAttributesOf(QWidget* widget);
