#pragma once

// The logging category of the platform's standard controls.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatformControls)
