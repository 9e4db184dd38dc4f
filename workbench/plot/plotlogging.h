#pragma once

#include <QLoggingCategory>

// Diagnostics of the workbench's plot windows.
Q_DECLARE_LOGGING_CATEGORY(lcPlot)
