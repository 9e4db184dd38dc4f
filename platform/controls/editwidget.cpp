#include "platform/controls/editwidget.h"

#include "platform/controls/edit.h"
#include "platform/controls/notification.h"
#include "platform/windows/dialogtemplate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QRegularExpressionValidator>

namespace {

QWidget* CreateEditControl(QWidget* parent, const DialogControlTemplate& control)
{
    return new EditWidget(control.style, parent);
}

// Dialog templates make their edits as edit widgets.
[[maybe_unused]] const bool g_editFactoryRegistered = [] {
    RegisterDialogControlFactory(DialogControlKind::Edit, &CreateEditControl);
    return true;
}();

} // namespace

EditWidget::EditWidget(DWORD style, QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(style & ES_READONLY);
    if (style & ES_NUMBER)
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    connect(this, &QLineEdit::textChanged, this, [this] { SendCommandNotification(this, EN_CHANGE); });
}

void EditWidget::keyPressEvent(QKeyEvent* event)
{
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && !isReadOnly() && isSignalConnected(QMetaMethod::fromSignal(&EditWidget::arrowKeyPressed))) {
        event->accept();
        emit arrowKeyPressed(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditWidget::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The window receiving the focus already has it, so the parent can ask
    // where the focus went (to Cancel, say).
    SendCommandNotification(this, EN_KILLFOCUS);
}
