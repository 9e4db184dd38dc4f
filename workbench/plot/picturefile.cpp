#include "workbench/plot/picturefile.h"
#include "workbench/model/outputtarget.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

bool WritePictureFile(const QString& path, const QByteArray& bytes, QString& reason)
{
    if (!CheckOutputTarget(path, reason))
        return false;
    QFile file(path);
    // Unbuffered, so that a failed write is seen, with its cause, where it happens.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        reason = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return false;
    }
    return true;
}

QByteArray PngBytes(const QPixmap& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return bytes;
}
