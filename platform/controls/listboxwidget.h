#pragma once

// The Qt widget of a list box: one column of rows, each holding narrow text and
// a 64-bit item data, all rows one height. It behaves like the classic list
// box: owner drawing through the attached CListBox, LBN_* notifications to the
// parent window for what the user does (when the style has LBS_NOTIFY), and an
// exclusive-or layer for marks drawn outside painting (the drag list's
// insertion mark). Dialog templates make their list boxes with it.

#include "platform/core/types.h"

#include <QListWidget>

#include <vector>

class CListBox;

class ListBoxWidget : public QListWidget {
    Q_OBJECT
public:
    // Item roles: the row's narrow text exactly as written, and its item data.
    static constexpr int TextRole = Qt::UserRole;
    static constexpr int ItemDataRole = Qt::UserRole + 1;

    // The selection mode comes from `style` (LBS_EXTENDEDSEL, LBS_MULTIPLESEL,
    // LBS_NOSEL, else one row) and stays as created, as a list box's does; the
    // styles are recorded as the window's.
    explicit ListBoxWidget(DWORD style, DWORD exStyle = 0, QWidget* parent = nullptr);

    // Scroll bars and frame from the window styles (WS_VSCROLL with
    // LBS_DISABLENOSCROLL keeps the bar, WS_EX_CLIENTEDGE sinks the frame).
    void ApplyStyle(DWORD style, DWORD exStyle);

    // The attached list box object when the window style asks for owner drawing.
    CListBox* OwnerDrawList() const;
    int RowHeight() const;

    // Inverts `rect` (client coordinates) with a half-tone pattern; inverting the
    // same rectangle again restores the pixels. The marks scroll with the rows.
    void InvertHalftoneRect(const QRect& rect);
    int InvertedRectCount() const { return static_cast<int>(m_inverted.size()); }

    // The first visible row (0 for an empty list); scrolling keeps whole rows.
    int TopIndex() const;
    void SetTopIndex(int index);
    // Scrolls by `rows` rows, negative upwards.
    void ScrollRows(int rows);

    // The view's own handling of an event of its client area (see ListBoxViewport).
    bool DeliverViewportEvent(QEvent* event) { return viewportEvent(event); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class UserInput;
    void NotifyParent(UINT code);

    std::vector<QRect> m_inverted; // content coordinates: client y plus the scroll offset
    int m_userInputDepth = 0;
    bool m_userChangedSelection = false;
};
