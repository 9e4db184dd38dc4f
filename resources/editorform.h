#pragma once

// The editor's form: dialog template 101.

#include "platform/windows/dialogtemplate.h"

inline constexpr UINT EditorFormId = 101;

const DialogTemplate& EditorFormTemplate();
