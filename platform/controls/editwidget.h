#pragma once

// The Qt widget of a dialog's edit control: a line edit that tells its parent
// window EN_CHANGE when its text changes (typed or set) and EN_KILLFOCUS when
// it loses the focus. ES_READONLY makes it read-only, ES_NUMBER lets only
// digits be typed. Dialog templates make their edits with it.

#include "platform/core/types.h"

#include <QLineEdit>

class EditWidget : public QLineEdit {
    Q_OBJECT
public:
    explicit EditWidget(DWORD style, QWidget* parent = nullptr);

signals:
    // Up (1) or Down (-1), while an up-down control listens.
    void arrowKeyPressed(int steps);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
