#pragma once

// Process-wide registries of window messages and clipboard formats: the same
// name always gives the same id, in every module of the process.

#include "platform/core/cstring.h"
#include "platform/core/types.h"

#include <QString>

// Ids in 0xC000..0xFFFF; 0 when the name is empty or the range is exhausted.
UINT RegisterWindowMessage(const char* name);
UINT RegisterClipboardFormat(const char* name);

// The registered name of a clipboard format or window message id, or the empty text.
CString GetClipboardFormatName(UINT format);
CString GetWindowMessageName(UINT message);
// The MIME type under which Qt carries a format: the format's name itself, so
// that other programs on the display see it under exactly that name.
QString ClipboardFormatMimeType(UINT format);
