#pragma once

// The source side of a drag: blocks offered under registered formats, cached
// until Empty, and the drag that carries them. On this platform the drag is
// Qt's; a program may run drags through a runner of its own instead (a test
// that looks at what a running drag offers, say).

#include "platform/ole/oledataobject.h"

#include <QByteArray>

#include <functional>
#include <map>

class COleDataSource {
public:
    COleDataSource() = default;
    ~COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers the block under `format` and takes it over, replacing (and
    // freeing) a block cached earlier under that format.
    void CacheGlobalData(UINT format, HGLOBAL block);
    // Frees every cached block.
    void Empty();
    bool IsEmpty() const { return m_cache.empty(); }
    // The cached bytes of `format`, empty when none are.
    QByteArray CachedData(UINT format) const;

    // Runs a drag of the cached data and answers the effect the target chose,
    // DROPEFFECT_NONE when it was cancelled or refused. Returns only when the
    // drag has ended.
    DROPEFFECT DoDragDrop(DROPEFFECT allowedEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);

    // Runs every later drag through `runner` (given the offered data and the
    // allowed effects) instead of Qt's; an empty function restores Qt's.
    using DragRunner = std::function<DROPEFFECT(const QMimeData& data, DROPEFFECT allowedEffects)>;
    static void SetDragRunner(DragRunner runner);

private:
    std::map<UINT, HGLOBAL> m_cache;
};
