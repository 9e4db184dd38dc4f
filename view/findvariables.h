#pragma once

// "Find Variables...": asks the host's main window to show its variable
// finder for the form of `contextName`, narrowed to its owner's prefix where
// that helps (`owner` may be null).

#include "platform/core/com.h"
#include "platform/core/cstring.h"

void ShowVariableFinder(const CString& contextName, IUnknown* owner);
