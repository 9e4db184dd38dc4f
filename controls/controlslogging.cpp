#include "controls/controlslogging.h"

Q_LOGGING_CATEGORY(lcControls, "pe.controls")
