#pragma once

// Variables as the host hands them to drop targets: the "Lumen Variable Path
// Format" payload (the host's path list and a terminating NUL) under the MIME
// type that carries that clipboard format.

#include "platform/core/collections.h"

#include <QByteArray>
#include <QString>

class QMimeData;

// The MIME type of "Lumen Variable Path Format".
QString VariablePathMimeType();
// The payload for `fullPaths` ("Column.T(3)"), NUL included.
QByteArray VariablePathPayload(const CStringArray& fullPaths);
// New mime data holding the payload; the caller (or the drag) owns it. Paths
// that cannot travel in the payload are left out.
QMimeData* MakeVariablePathMimeData(const CStringArray& fullPaths);
