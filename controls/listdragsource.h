#pragma once

// Reordering an editable list by dragging a row: while a drag runs an empty
// sentinel row after the last gives the drop a place at the end, and a move
// is reported to the parent before the row moves.

#include "platform/controls/draglistbox.h"

class CListBoxEx;
class ListRowReport;
class ListRowTracker;

class ListDragSource {
public:
    ListDragSource(CListBoxEx& list, const ListRowReport& report, ListRowTracker& rows)
        : m_list(list), m_report(report), m_rows(rows)
    {
    }

    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool IsEnabled() const { return m_enabled; }
    // The list's rows, without the sentinel.
    int RowCount() const;

    // A drag list notification; `editing` refuses a new drag (its clean-up
    // still runs, so that neither mark nor sentinel outlives it).
    LRESULT OnNotify(const DRAGLISTINFO& info, bool editing);

private:
    void OnDropped(CPoint point);
    void RemoveSentinel();

    CListBoxEx& m_list;
    const ListRowReport& m_report;
    ListRowTracker& m_rows;
    bool m_enabled = true;
    bool m_sentinel = false;
};
