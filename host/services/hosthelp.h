#pragma once

// The host's context help. A module asks the application object (CKBaseApp)
// for a topic by context number; for a popup topic of a control it first
// tells the main window which help file the topic comes from, through
// IHostHelpWindow, which the host's main window object implements.

#include "platform/core/types.h"

// Help commands.
constexpr UINT HELP_CONTEXT = 1; // a normal help topic
constexpr UINT HELP_CONTEXTPOPUP = 8; // a topic shown in a popup beside the control

class IHostHelpWindow {
public:
    // The help file (CKBaseApp::GetHelpFilePath) of the popup topic that follows.
    virtual void SetHelpContextFile(const char* helpFile) = 0;

protected:
    ~IHostHelpWindow() = default;
};
