#pragma once

// The row an editable list acts on for F2 and Delete: the row under the last
// left-button press since the list got the focus, or the row a key or a
// command moved the selection to. It follows rows that anyone adds or
// removes, and so does the in-place edit's row.

#include <QMetaObject>

#include <vector>

class QAbstractItemModel;
class ListInPlaceEditing;

class ListRowTracker {
public:
    explicit ListRowTracker(ListInPlaceEditing& editing) : m_editing(editing) { }

    // Follows the rows of `rows` (the list's model) from now on, until StopWatching.
    void Watch(const QAbstractItemModel* rows);
    void StopWatching();

    // The current row, or -1.
    int Current() const { return m_current; }
    void SetCurrent(int row) { m_current = row; }
    // A row chosen with the mouse that the keyboard moved away from is no
    // longer the row the user means: the selection is.
    void FollowSelection(int selectionBefore, int selection);

private:
    void RowsInserted(int first, int last);
    void RowsRemoved(int first, int last);
    void RowsReset();

    ListInPlaceEditing& m_editing;
    int m_current = -1;
    std::vector<QMetaObject::Connection> m_watch;
};
