#pragma once

// The workbench from start to end: options, call log, model, module, main
// window, the start-up tasks, the event loop and what is saved at exit.

class QApplication;

// Returns the process's exit code (see commandline.h).
int RunWorkbench(QApplication& application);
