#include "workbench/app/variablepathmime.h"

#include "host/interfaces/dropformats.h"
#include "host/services/variablepathparser.h"
#include "platform/core/registry.h"

#include <QMimeData>

QString VariablePathMimeType()
{
    return ClipboardFormatMimeType(RegisterClipboardFormat(VariablePathFormatName));
}

QByteArray VariablePathPayload(const CStringArray& fullPaths)
{
    CStringArray transportable;
    for (const CString& path : fullPaths) {
        if (LuIsTransportablePath(path))
            transportable.Add(path);
    }
    const CString payload = LuBuildVariablePathPayload(transportable);
    // The receiver reads up to the NUL, as it reads a global memory block.
    return QByteArray(payload.GetString(), payload.GetLength() + 1);
}

QMimeData* MakeVariablePathMimeData(const CStringArray& fullPaths)
{
    auto* data = new QMimeData;
    data->setData(VariablePathMimeType(), VariablePathPayload(fullPaths));
    return data;
}
