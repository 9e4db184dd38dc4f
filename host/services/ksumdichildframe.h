#pragma once

// The host's MDI child frame, base of the editor's frame.

#include "platform/docview/frame.h"

class CKSUMDIChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CKSUMDIChildFrame)
public:
    // The host asks its frames this; a frame of its own answers 1.
    virtual int QueryHostFrameState();
};
