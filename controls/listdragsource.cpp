#include "controls/listdragsource.h"

#include "controls/listboxex.h"
#include "controls/listrowreport.h"
#include "controls/listrowtracker.h"

int ListDragSource::RowCount() const
{
    return m_list.GetCount() - (m_sentinel ? 1 : 0);
}

LRESULT ListDragSource::OnNotify(const DRAGLISTINFO& info, bool editing)
{
    const CPoint point(info.ptCursor.x, info.ptCursor.y);
    const bool refused = editing || !m_enabled;
    switch (info.uNotification) {
    case DL_BEGINDRAG:
        if (refused)
            return 0;
        if (!m_sentinel) {
            m_list.AddString("");
            m_sentinel = true;
        }
        return 1;
    case DL_DRAGGING:
        return refused ? 0 : m_list.Dragging(point);
    case DL_DROPPED:
        if (refused) {
            m_list.DrawInsert(-1);
            RemoveSentinel();
        } else {
            OnDropped(point);
        }
        return 0;
    case DL_CANCELDRAG:
        m_list.DrawInsert(-1);
        RemoveSentinel();
        return 0;
    default:
        return 0;
    }
}

void ListDragSource::RemoveSentinel()
{
    if (!m_sentinel)
        return;
    m_sentinel = false;
    const int count = m_list.GetCount();
    if (count > 0)
        m_list.DeleteString(count - 1);
}

void ListDragSource::OnDropped(CPoint point)
{
    // However the drop ends, the mark and the sentinel go.
    struct CleanUp {
        ListDragSource* source;
        ~CleanUp()
        {
            source->m_list.DrawInsert(-1);
            source->RemoveSentinel();
        }
    } cleanUp {this};

    const int source = m_list.GetCurSel();
    // The row lands before the one under the point: reported before it moves.
    const int target = source == -1 ? -1 : m_list.ItemFromPt(point, FALSE);
    if (target != -1 && target != source && target != source + 1)
        m_report.Report(ListRowEvent::Kind::Moving, RowCount(), source, source < target ? target - 1 : target);
    m_list.Dropped(source, point);
    RemoveSentinel();
    m_rows.SetCurrent(m_list.GetCurSel());
}
