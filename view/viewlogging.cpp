#include "view/viewlogging.h"

Q_LOGGING_CATEGORY(lcView, "pe.view")
