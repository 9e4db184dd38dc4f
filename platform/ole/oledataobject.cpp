#include "platform/ole/oledataobject.h"

#include "platform/core/logging.h"
#include "platform/core/registry.h"

#include <QMimeData>

bool COleDataObject::IsDataAvailable(UINT format) const
{
    const QString type = ClipboardFormatMimeType(format);
    return m_data && !type.isEmpty() && m_data->hasFormat(type);
}

HGLOBAL COleDataObject::GetGlobalData(UINT format) const
{
    if (!IsDataAvailable(format))
        return nullptr;
    const QByteArray bytes = m_data->data(ClipboardFormatMimeType(format));
    HGLOBAL block = GlobalAllocCopy(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (!block)
        qCWarning(lcPlatformOle, "GetGlobalData: no memory for %lld bytes of format %u.",
            static_cast<long long>(bytes.size()), format);
    return block;
}
