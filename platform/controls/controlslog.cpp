#include "platform/controls/controlslog.h"

Q_LOGGING_CATEGORY(lcPlatformControls, "pe.platform.controls")
