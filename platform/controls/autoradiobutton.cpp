#include "platform/controls/autoradiobutton.h"

#include "platform/controls/accessiblefactory.h"
#include "platform/windows/dialogtemplate.h"

#include <QAccessibleWidget>
#include <QButtonGroup>

namespace {

// Assistive tools see a radio button, not the check box that Qt reports for
// a radio without Qt's own exclusivity.
class AutoRadioButtonAccessible final : public QAccessibleWidget {
public:
    explicit AutoRadioButtonAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::RadioButton) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            QString caption = button()->text();
            caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
            caption.remove(QLatin1Char('&'));
            return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override
    {
        // Later, as a click would come: the assistive tool waits for the
        // answer to its request while the click's command runs.
        if (name == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

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
    UseAccessibleInterface<AutoRadioButtonAccessible>(this);
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
