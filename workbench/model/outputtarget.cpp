#include "workbench/model/outputtarget.h"

#include <QFileInfo>

bool CheckOutputTarget(const QString& path, QString& reason)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        reason = QStringLiteral("it exists and is not a regular file");
        return false;
    }
    return true;
}
