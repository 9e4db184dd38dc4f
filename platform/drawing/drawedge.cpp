#include "platform/drawing/drawedge.h"

#include "platform/drawing/syscolors.h"

#include <QPainter>

namespace {

struct EdgeColours {
    int topLeft;
    int bottomRight;
};

EdgeColours OuterColours(UINT edge)
{
    if (edge & BDR_RAISEDOUTER)
        return {COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    return {COLOR_BTNSHADOW, COLOR_3DHILIGHT};
}

EdgeColours InnerColours(UINT edge)
{
    if (edge & BDR_RAISEDINNER)
        return {COLOR_3DHILIGHT, COLOR_BTNSHADOW};
    return {COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

// One pixel-wide frame: top and left first, then bottom and right over them,
// so the top-right and bottom-left corners take the bottom-right colour.
void DrawFrame(QPainter& painter, const CRect& r, const EdgeColours& colours, UINT sides)
{
    if (r.IsRectEmpty())
        return;
    const QColor topLeft = GetSysColor(colours.topLeft);
    const QColor bottomRight = GetSysColor(colours.bottomRight);
    if (sides & BF_TOP)
        painter.fillRect(r.left, r.top, r.Width(), 1, topLeft);
    if (sides & BF_LEFT)
        painter.fillRect(r.left, r.top, 1, r.Height(), topLeft);
    if (sides & BF_BOTTOM)
        painter.fillRect(r.left, r.bottom - 1, r.Width(), 1, bottomRight);
    if (sides & BF_RIGHT)
        painter.fillRect(r.right - 1, r.top, 1, r.Height(), bottomRight);
}

} // namespace

bool DrawEdge(QPainter& painter, const RECT& rect, UINT edge, UINT sides)
{
    CRect r(rect);
    const bool outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const bool inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    if (r.IsRectEmpty() || (!outer && !inner))
        return false;
    if (outer) {
        DrawFrame(painter, r, OuterColours(edge), sides);
        // The inner edge goes one pixel in on the sides that have an outer one.
        r = CRect(r.left + ((sides & BF_LEFT) ? 1 : 0), r.top + ((sides & BF_TOP) ? 1 : 0),
            r.right - ((sides & BF_RIGHT) ? 1 : 0), r.bottom - ((sides & BF_BOTTOM) ? 1 : 0));
    }
    if (inner)
        DrawFrame(painter, r, InnerColours(edge), sides);
    return true;
}
