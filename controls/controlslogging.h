#pragma once

// The editable list controls' logging category: what a list had to work
// around because its rows changed under it.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcControls) // "pe.controls"
