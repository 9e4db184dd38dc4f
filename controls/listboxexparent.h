#pragma once

// What the editable lists and their button strips report to the window that
// contains them; the editor's view implements it. The lists and strips find it
// as their parent window's object.

#include "platform/core/types.h"

class CListBoxEx;
class CListBoxExBuddy;

// A change to a row of an editable list, reported before the list makes it:
// the parent changes what the rows stand for, or refuses the change by
// raising CInvalidArgException, which leaves the list's rows as they were.
struct ListRowEvent {
    enum class Kind {
        Inserting, // a row with `text` goes in at `row`; -1 appends it
        Removing, // row `row` goes (it is the list's selected row meanwhile)
        Moving, // row `row` moves to `toRow`, the rows between shift by one
        Editing, // row `row` takes `text`
    };
    Kind kind;
    int row;
    int toRow;
    const char* text;
    int rows; // the list's rows before the change
};

class IListBoxExParent {
public:
    virtual ~IListBoxExParent() = default;
    // Button `button` (left to right) of a strip that has no list attached.
    virtual void OnStripButton(const CListBoxExBuddy& strip, UINT button) = 0;
    // A row change of `list` (see ListRowEvent).
    virtual void OnListRowEvent(const CListBoxEx& list, const ListRowEvent& event) = 0;
    // False while `list` may not get new rows (typing one in would go nowhere).
    virtual bool CanAddRows(const CListBoxEx& /*list*/) const { return true; }
    // Ends every open in-place edit of the parent's lists as losing the focus
    // would; a strip runs it before any of its commands.
    virtual void EndOpenEdits() { }
};
