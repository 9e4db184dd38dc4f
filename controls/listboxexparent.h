#pragma once

// What the editable lists and their button strips need of the view that
// contains them; the view implements it. The lists and strips find it as their
// parent window's object.

#include "platform/core/types.h"

class CSUPEProfile;

class IListBoxExParent {
public:
    virtual ~IListBoxExParent() = default;
    // The profile of the only selected profiles-list row, or null.
    virtual CSUPEProfile* CurrentProfile() = 0;
    // A button of a strip: button index and the strip's control id (1007, 1018 or 1036).
    virtual void OnListStripCommand(int button, UINT stripId) = 0;
    // Ends every open in-place edit of the parent's lists as losing the focus
    // would; a strip runs it before any of its commands.
    virtual void EndOpenEdits() { }
};
