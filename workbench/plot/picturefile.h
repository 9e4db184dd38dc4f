#pragma once

// Writing a picture (a plot's or a window's) to a file, with every failure
// reported: a target that is not a regular file, a failed open, write or close.

#include <QByteArray>
#include <QString>

class QPixmap;

// Checks `path` (CheckOutputTarget) and writes `bytes` to it; false with the reason
// (the system's, such as "No space left on device") when any step fails.
bool WritePictureFile(const QString& path, const QByteArray& bytes, QString& reason);

// `picture` as PNG bytes; empty when it cannot be encoded.
QByteArray PngBytes(const QPixmap& picture);
