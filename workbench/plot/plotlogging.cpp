#include "workbench/plot/plotlogging.h"

Q_LOGGING_CATEGORY(lcPlot, "pe.workbench.plot")
