#pragma once

// CDragListBox: a list box whose rows the user drags to another place with the
// mouse. A press on a row followed by a move beyond the drag distance asks the
// parent window whether a drag may start (DL_BEGINDRAG); if it answers
// non-zero, every move reports DL_DRAGGING and shows the cursor the answer
// names, the release reports DL_DROPPED, and Escape, the right button or the
// loss of the focus report DL_CANCELDRAG. The reports are the registered
// "commctrl_DragListMsg" with a DRAGLISTINFO record; the parent reflects them
// back to the list (OnChildNotify), whose default answers are BeginDrag,
// Dragging, Dropped and CancelDrag. While the cursor is above or below the list
// during a drag, the list scrolls a row at a time.

#include "platform/controls/listbox.h"

#include <QPointer>

class QTimer;

constexpr UINT DL_BEGINDRAG = WM_USER + 133;
constexpr UINT DL_DRAGGING = WM_USER + 134;
constexpr UINT DL_DROPPED = WM_USER + 135;
constexpr UINT DL_CANCELDRAG = WM_USER + 136;

// Answers to DL_DRAGGING: the cursor to show (DL_CURSORSET: the parent set it).
constexpr UINT DL_CURSORSET = 0;
constexpr UINT DL_STOPCURSOR = 1;
constexpr UINT DL_COPYCURSOR = 2;
constexpr UINT DL_MOVECURSOR = 3;

struct DRAGLISTINFO {
    UINT uNotification;
    HWND hWnd;
    POINT ptCursor; // screen coordinates
};

// The registered drag-list notification. The first call registers it and its
// reflection to the list that the record names.
UINT DragListMessage();

// The shortest time between two rows scrolled by LBItemFromPt.
constexpr int AutoScrollIntervalMs = 50;

// The row of list box `list` under `screenPoint`, or -1. With `autoScroll`, a
// point above or below the list (and within its width) scrolls it by one row,
// at most once per AutoScrollIntervalMs, and answers -1.
int LBItemFromPt(HWND list, POINT screenPoint, BOOL autoScroll);

class CDragListBox : public CListBox {
    DECLARE_DYNAMIC(CDragListBox)
public:
    CDragListBox();
    ~CDragListBox() override;

    int ItemFromPt(POINT screenPoint, BOOL autoScroll = TRUE) const;

    // The default answers to the notifications; points in screen coordinates.
    virtual BOOL BeginDrag(CPoint point);
    virtual void CancelDrag(CPoint point);
    virtual UINT Dragging(CPoint point);
    // Moves row `sourceIndex` (text and item data) before the row under the
    // point and selects it; nothing when it would stay where it is. A source
    // that is not a row raises CInvalidArgException.
    virtual void Dropped(int sourceIndex, CPoint point);
    // Moves the insertion mark before row `index`; -1 takes it away.
    virtual void DrawInsert(int index);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PreSubclassWindow() override;

    bool IsDragging() const { return m_dragState == DragState::Dragging; }

protected:
    // Inverts the mark before row `index`: drawing it again erases it.
    void DrawSingle(int index);

    int m_nLast = -1; // the row the insertion mark stands before, -1 for none

private:
    enum class DragState { Idle, Pressed, Dragging };

    LRESULT NotifyParent(UINT code, POINT screenPoint);
    POINT ToScreen(LPARAM clientPoint) const;
    void ContinueDrag(POINT screenPoint);
    void EndDrag();
    void CancelDragging();
    void ShowDragCursor(LRESULT answer);

    DragState m_dragState = DragState::Idle;
    POINT m_pressPoint; // client coordinates
    POINT m_lastScreenPoint; // the cursor at the last report
    QPointer<QTimer> m_scrollTimer;
};
