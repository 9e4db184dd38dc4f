#pragma once

// The data of a drag or of the clipboard as a drop target receives it: the
// formats on offer, and a format's bytes as a new global memory block.

#include "platform/ole/globalmemory.h"

class QMimeData;

using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;
constexpr DROPEFFECT DROPEFFECT_LINK = 4;

class COleDataObject {
public:
    // Reads `data` (which may be null) without owning it.
    explicit COleDataObject(const QMimeData* data) : m_data(data) { }

    bool IsDataAvailable(UINT format) const;
    // A new block holding exactly the bytes offered under `format`, which the
    // caller frees; null when the format is not offered or memory is short.
    // The bytes are as the sender wrote them: nothing says they end with a NUL.
    HGLOBAL GetGlobalData(UINT format) const;

private:
    const QMimeData* m_data;
};
