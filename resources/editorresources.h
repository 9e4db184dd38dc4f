#pragma once

// The module's resources: strings, the host menu and shortcut keys shown while
// an editor frame is active, the form, and the bitmaps.

#include "platform/core/resources.h"

// Built on first use; the module's resource handle.
ResourceModule& EditorResourceModule();
