#pragma once

// Gives every widget of one class an accessibility interface of our own
// making in place of the one Qt would make.

#include <QAccessible>

// Installs, once per pair of classes, a factory that makes an `Accessible`
// for each `Widget`, and drops the interface Qt may have made for `widget`
// already, while it was being constructed.
template <typename Accessible, typename Widget> void UseAccessibleInterface(Widget* widget)
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& /*className*/, QObject* object) -> QAccessibleInterface* {
            auto* typed = qobject_cast<Widget*>(object);
            return typed ? new Accessible(typed) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed)
    if (QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(widget)) {
        if (!dynamic_cast<Accessible*>(seen))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(seen));
    }
}
