#pragma once

// The view's logging category: what the host or the definition did that the
// editor could only work around.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcView) // "pe.view"
