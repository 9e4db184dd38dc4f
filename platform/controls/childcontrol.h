#pragma once

// The steps shared by the controls that create their own window: the new Qt
// widget becomes a child of the parent's client area, gets its control id,
// styles, rectangle and visibility, is attached to its window object, and the
// object receives WM_CREATE (lParam the CREATESTRUCT) before anything else.

#include "platform/core/types.h"
#include "platform/windows/createstruct.h"

class CWnd;
class QWidget;

// Fills a creation record for a child control at `rect` (the parent's client
// coordinates).
CREATESTRUCT MakeChildCreateStruct(DWORD style, const RECT& rect, const char* name = nullptr);

// Makes `widget` (new, without parent) the window of `wnd`. A window procedure
// that answers -1 to WM_CREATE fails the creation: the window object is
// detached, the widget deleted and the answer is false. False too without a
// parent window.
bool CreateChildControl(CWnd* wnd, QWidget* widget, CREATESTRUCT& cs, DWORD exStyle, CWnd* parent, UINT id);
