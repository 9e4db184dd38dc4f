#pragma once

// The Qt widget of an auto radio button. Clicked, it checks itself and
// unchecks the other buttons of its group (the dialog's run of controls from
// one WS_GROUP to the next); checked or unchecked by the program, it changes
// alone, so a group may have none checked. Clicks reach the parent window as
// BN_CLICKED. Dialog templates make their auto radio buttons with it.

#include <QRadioButton>

class AutoRadioButton : public QRadioButton {
    Q_OBJECT
public:
    AutoRadioButton(const QString& text, QWidget* parent);

protected:
    void nextCheckState() override;
};
