#pragma once

// How an editable list tells its parent about its rows: a row change before it
// is made (IListBoxExParent::OnListRowEvent), whether rows may be added, and
// errors shown to the user. Row indices from outside are checked here.

#include "controls/listboxexparent.h"

class CListBoxEx;

class ListRowReport {
public:
    explicit ListRowReport(CListBoxEx& list) : m_list(list) { }

    // The window that contains the list, when it takes the list's reports.
    IListBoxExParent* Parent() const;
    // Tells the parent of a change to a list of `rows` rows before it is made;
    // the parent may refuse it by raising CInvalidArgException.
    void Report(ListRowEvent::Kind kind, int rows, int row, int toRow = -1, const char* text = nullptr) const;
    // Shows `text` to the user over the parent window.
    void Error(const char* text) const;
    // Raises CInvalidArgException for an index that names none of `rows`
    // rows; `orEnd` lets the index stand just past the last, to insert.
    static void CheckRow(int index, int rows, const char* operation, bool orEnd = false);

private:
    CListBoxEx& m_list;
};
