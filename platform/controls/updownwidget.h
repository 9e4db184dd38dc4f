#pragma once

// The Qt widget of an up-down control: two arrow buttons that step a position
// within a range. With UDS_SETBUDDYINT it writes the position into its buddy
// as a decimal integer without thousands separators, and reads the buddy's
// text back before each step; with UDS_ARROWKEYS the Up and Down keys in the
// buddy step it too; with UDS_ALIGNRIGHT it sits on the buddy's right edge.
// Dialog templates make their up-down controls with it, and with
// UDS_AUTOBUDDY give it the control before it as buddy. Assistive tools see
// it as one spin button with the position as its value.

#include "platform/core/types.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

class UpDownWidget : public QWidget {
    Q_OBJECT
public:
    explicit UpDownWidget(DWORD style, QWidget* parent = nullptr);

    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    // The position, first taken from the buddy's text when it holds a number.
    int Position();
    // Sets the position, kept within the range; answers the previous one.
    int SetPosition(int position);
    // One step towards the upper end of the range (`steps` 1) or the lower (-1).
    void Step(int steps);

    QWidget* Buddy() const { return m_buddy; }
    void SetBuddy(QWidget* buddy);

private:
    int Clamp(int position) const;
    void WriteBuddy();

    DWORD m_style;
    int m_lower = 100; // the control's default range runs from 100 down to 0
    int m_upper = 0;
    int m_position = 0;
    QPointer<QWidget> m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
};
