#pragma once

// How a control tells its parent what happened: WM_COMMAND with the control id
// and a notification code (lParam the control), or WM_NOTIFY with a record that
// starts with an NMHDR naming the control. Both are sent synchronously, so the
// parent's answer is known when the call returns.

#include "platform/windows/windowmessage.h"

class QWidget;

// Notification codes shared by the common controls (carried by WM_NOTIFY).
constexpr UINT NM_CLICK = 0u - 2u;
constexpr UINT NM_DBLCLK = 0u - 3u;
constexpr UINT NM_RCLICK = 0u - 5u;
constexpr UINT NM_SETFOCUS = 0u - 7u;
constexpr UINT NM_KILLFOCUS = 0u - 8u;

// Sends WM_COMMAND with `code` to `parent` (null: the control's parent widget).
LRESULT SendCommandNotification(QWidget* control, UINT code, QWidget* parent = nullptr);

// Fills `header` (the first member of the record) with the control, its id and
// `code`, and sends the record to the control's parent widget as WM_NOTIFY.
LRESULT SendNotifyRecord(QWidget* control, NMHDR& header, UINT code);
