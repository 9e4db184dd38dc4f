#pragma once

// Whether a path may receive a file the workbench writes (a model, a picture).

#include <QString>

// True when nothing is at `path` yet or a regular file is. A pipe or a device
// is refused: writing would block or go nowhere, and renaming a new file over
// it would replace it. False with the reason ("it exists and is not a regular
// file") otherwise.
bool CheckOutputTarget(const QString& path, QString& reason);
