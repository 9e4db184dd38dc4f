#include "platform/controls/autoradiobutton.h"

#include "platform/docview/dialogtemplate.h"

#include <QButtonGroup>

namespace {

QWidget* CreateAutoRadioButton(QWidget* parent, const DialogControlTemplate& control)
{
    return new AutoRadioButton(QString::fromLocal8Bit(control.caption ? control.caption : ""), parent);
}

// Dialog templates make their auto radio buttons with it.
[[maybe_unused]] const bool g_radioFactoryRegistered = [] {
    RegisterDialogControlFactory(DialogControlKind::AutoRadioButton, &CreateAutoRadioButton);
    return true;
}();

} // namespace

AutoRadioButton::AutoRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    // Qt's exclusivity would also act on checks made by the program.
    setAutoExclusive(false);
}

void AutoRadioButton::nextCheckState()
{
    if (QButtonGroup* buttons = group()) {
        for (QAbstractButton* other : buttons->buttons()) {
            if (other != this)
                other->setChecked(false);
        }
    }
    setChecked(true);
}
