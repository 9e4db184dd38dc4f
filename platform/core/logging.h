#pragma once

// The platform's logging categories, one per part: what the framework could
// not do as asked (a missing control, template or resource, a row that could
// not be drawn) is reported here rather than passed over.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatformDocView) // "pe.platform.docview"
Q_DECLARE_LOGGING_CATEGORY(lcPlatformControls) // "pe.platform.controls"
Q_DECLARE_LOGGING_CATEGORY(lcPlatformOle) // "pe.platform.ole"
