#include "platform/ole/oledatasource.h"

#include "platform/core/logging.h"
#include "platform/core/registry.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QWidget>

namespace {

COleDataSource::DragRunner& Runner()
{
    static COleDataSource::DragRunner runner;
    return runner;
}

Qt::DropActions ToDropActions(DROPEFFECT effects)
{
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    if (effects & DROPEFFECT_LINK)
        actions |= Qt::LinkAction;
    return actions;
}

DROPEFFECT ToDropEffect(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction:
        return DROPEFFECT_COPY;
    case Qt::MoveAction:
        return DROPEFFECT_MOVE;
    case Qt::LinkAction:
        return DROPEFFECT_LINK;
    default:
        return DROPEFFECT_NONE;
    }
}

} // namespace

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::CacheGlobalData(UINT format, HGLOBAL block)
{
    HGLOBAL& slot = m_cache[format];
    if (slot && slot != block)
        GlobalFree(slot);
    slot = block;
}

void COleDataSource::Empty()
{
    for (auto& entry : m_cache)
        GlobalFree(entry.second);
    m_cache.clear();
}

QByteArray COleDataSource::CachedData(UINT format) const
{
    const auto found = m_cache.find(format);
    if (found == m_cache.end() || !found->second)
        return {};
    const auto* bytes = static_cast<const char*>(GlobalLock(found->second));
    QByteArray data(bytes, static_cast<qsizetype>(GlobalSize(found->second)));
    GlobalUnlock(found->second);
    return data;
}

void COleDataSource::SetDragRunner(DragRunner runner)
{
    Runner() = std::move(runner);
}

DROPEFFECT COleDataSource::DoDragDrop(DROPEFFECT allowedEffects)
{
    auto data = std::make_unique<QMimeData>();
    for (const auto& entry : m_cache) {
        const QString type = ClipboardFormatMimeType(entry.first);
        if (type.isEmpty()) {
            qCWarning(lcPlatformOle, "DoDragDrop: format %u is not registered; it is not offered.", entry.first);
            continue;
        }
        data->setData(type, CachedData(entry.first));
    }
    if (Runner())
        return Runner()(*data, allowedEffects);
    // The drag belongs to the widget that has the mouse or the focus.
    QObject* source = QApplication::focusWidget();
    if (!source)
        source = qApp;
    auto* drag = new QDrag(source);
    drag->setMimeData(data.release());
    const Qt::DropAction action = drag->exec(ToDropActions(allowedEffects), Qt::CopyAction);
    return ToDropEffect(action) & allowedEffects;
}
