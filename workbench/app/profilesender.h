#pragma once

// The host's "plot this profile" message to an open editor frame: WM_USER+1
// with a CSUPEProfile that the sender owns for the length of the call.

#include "platform/core/collections.h"
#include "platform/core/types.h"

struct ProfileToSend {
    CString name;
    CStringArray variables;
    int dimension = 1; // 1 or 2
};

// The editor keeps paths relative to the owner block: a path that begins with
// `owner` and a '.' (ignoring case) loses that prefix; others stay whole.
CStringArray RelativeToOwner(const CStringArray& fullPaths, const CString& owner);

// Sends the profile, with plotRequested 1, to the frame and deletes it once
// the message returns. Answers the frame's result (0 for a null frame).
LRESULT SendProfileToEditor(HWND frame, const ProfileToSend& profile);
