#include "platform/controls/updownaccessible.h"

#include "platform/controls/accessiblefactory.h"
#include "platform/controls/updownwidget.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace {

class UpDownAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessible(UpDownWidget* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The arrows are parts of the one control, not controls of their own.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(upDown()->Position());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return upDown()->Position(); }
    void setCurrentValue(const QVariant& value) override
    {
        if (widget()->isEnabled())
            upDown()->SetPosition(value.toInt());
    }
    QVariant minimumValue() const override { return std::min(upDown()->Lower(), upDown()->Upper()); }
    QVariant maximumValue() const override { return std::max(upDown()->Lower(), upDown()->Upper()); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override
    {
        return QStringList({increaseAction(), decreaseAction()}) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        // A step towards the larger or the smaller value, whichever way the
        // range runs, as the arrow showing that way would make.
        const int towardsUpper = upDown()->Upper() >= upDown()->Lower() ? 1 : -1;
        if (name == increaseAction() && widget()->isEnabled())
            upDown()->Step(towardsUpper);
        else if (name == decreaseAction() && widget()->isEnabled())
            upDown()->Step(-towardsUpper);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    UpDownWidget* upDown() const { return static_cast<UpDownWidget*>(widget()); }
};

} // namespace

void InstallUpDownAccessibility(UpDownWidget* upDown)
{
    UseAccessibleInterface<UpDownAccessible>(upDown);
}
