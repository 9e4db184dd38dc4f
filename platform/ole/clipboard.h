#pragma once

// The clipboard as the framework offers it: open it for a window, put blocks
// on it under registered formats, empty it, close it. What is set while it is
// open reaches the system clipboard (Qt's) when it is closed, each format
// under its MIME type (its name), so that other programs read it by name.

#include "platform/ole/globalmemory.h"

// False when the clipboard is open already.
bool OpenClipboard(HWND owner);
// Takes every format off the clipboard; false when it is not open.
bool EmptyClipboard();
// Puts the block's bytes on the clipboard under `format`, replacing what that
// format held, and takes the block over (it is freed: the answer, the block's
// old handle, only says that it worked). Null when the clipboard is not open
// or the format is not registered; the block is then the caller's.
HGLOBAL SetClipboardData(UINT format, HGLOBAL block);
bool CloseClipboard();
