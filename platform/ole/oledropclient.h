#pragma once

// What a COleDropTarget asks of the window it serves: the effect a drop would
// have at `point` (window coordinates) as a drag enters and moves, the end of
// a drag that leaves, and the drop itself. A window that takes drops (a view,
// say) implements it.

#include "platform/core/types.h"
#include "platform/ole/oledataobject.h"

class IOleDropClient {
public:
    virtual ~IOleDropClient() = default;
    virtual DROPEFFECT OnDragEnter(const COleDataObject* data, DWORD keyState, CPoint point) = 0;
    virtual DROPEFFECT OnDragOver(const COleDataObject* data, DWORD keyState, CPoint point) = 0;
    virtual void OnDragLeave() { }
    // True when the data was taken.
    virtual bool OnDrop(const COleDataObject* data, DROPEFFECT effect, CPoint point) = 0;
};
