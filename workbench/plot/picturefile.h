#pragma once

// Writing a picture (a plot's or a window's) to a file, with every failure
// reported: a target that is not a regular file, a failed open, write or close.

#include <QByteArray>
#include <QString>

class QPixmap;

// Whether `path` may receive a file: nothing is there yet, or a regular file.
// A pipe or a device is refused (writing would block, or go nowhere). False
// with the reason ("it exists and is not a regular file") otherwise.
bool CheckPictureTarget(const QString& path, QString& reason);

// Checks `path` as above and writes `bytes` to it; false with the reason
// (the system's, such as "No space left on device") when any step fails.
bool WritePictureFile(const QString& path, const QByteArray& bytes, QString& reason);

// `picture` as PNG bytes; empty when it cannot be encoded.
QByteArray PngBytes(const QPixmap& picture);
