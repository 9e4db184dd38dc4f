#include "platform/core/logging.h"

Q_LOGGING_CATEGORY(lcPlatformDocView, "pe.platform.docview")
Q_LOGGING_CATEGORY(lcPlatformControls, "pe.platform.controls")
Q_LOGGING_CATEGORY(lcPlatformOle, "pe.platform.ole")
