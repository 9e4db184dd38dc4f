#include "platform/controls/updownwidget.h"

#include "platform/controls/editwidget.h"
#include "platform/controls/updownaccessible.h"
#include "platform/core/logging.h"
#include "platform/windows/dialogtemplate.h"
#include "platform/windows/wnd.h"

#include <QAccessible>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QWidget* CreateUpDownControl(QWidget* parent, const DialogControlTemplate& control)
{
    return new UpDownWidget(control.style, parent);
}

// The buddy of UDS_AUTOBUDDY: the control made just before the up-down.
void TakeAutoBuddy(QWidget* widget, const DialogControlTemplate& control)
{
    if (!(control.style & UDS_AUTOBUDDY) || !widget->parentWidget())
        return;
    QWidget* previous = nullptr;
    for (QObject* child : widget->parentWidget()->children()) {
        if (child == widget)
            break;
        if (auto* sibling = qobject_cast<QWidget*>(child))
            previous = sibling;
    }
    if (!previous) {
        qCWarning(lcPlatformControls, "Up-down control %d has no control before it to take as buddy.", control.id);
        return;
    }
    static_cast<UpDownWidget*>(widget)->SetBuddy(previous);
}

// Dialog templates make their up-down controls as up-down widgets.
[[maybe_unused]] const bool g_upDownFactoryRegistered = [] {
    RegisterDialogControlFactory(DialogControlKind::UpDown, &CreateUpDownControl, &TakeAutoBuddy);
    return true;
}();

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

} // namespace

UpDownWidget::UpDownWidget(DWORD style, QWidget* parent)
    : QWidget(parent), m_style(style), m_up(ArrowButton(Qt::UpArrow, this)), m_down(ArrowButton(Qt::DownArrow, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    InstallUpDownAccessibility(this);
}

void UpDownWidget::SetRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
    m_position = Clamp(m_position);
}

int UpDownWidget::Clamp(int position) const
{
    return std::clamp(position, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
}

int UpDownWidget::Position()
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_buddy.data()); edit && (m_style & UDS_SETBUDDYINT)) {
        bool isNumber = false;
        const int typed = edit->text().trimmed().toInt(&isNumber);
        if (isNumber)
            m_position = Clamp(typed);
    }
    return m_position;
}

int UpDownWidget::SetPosition(int position)
{
    const int previous = m_position;
    m_position = Clamp(position);
    WriteBuddy();
    return previous;
}

void UpDownWidget::Step(int steps)
{
    // "Up" moves towards the upper end of the range, whichever way it runs.
    const int direction = m_upper >= m_lower ? steps : -steps;
    const int low = std::min(m_lower, m_upper);
    const int high = std::max(m_lower, m_upper);
    int next = Position() + direction;
    if (next > high)
        next = (m_style & UDS_WRAP) ? low : high;
    else if (next < low)
        next = (m_style & UDS_WRAP) ? high : low;
    m_position = next;
    WriteBuddy();
}

void UpDownWidget::WriteBuddy()
{
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, m_position);
        QAccessible::updateAccessibility(&changed);
    }
    auto* edit = qobject_cast<QLineEdit*>(m_buddy.data());
    if (!edit || !(m_style & UDS_SETBUDDYINT))
        return;
    // Plain decimal digits, whatever the locale: no group separators.
    const QString text = QString::number(m_position);
    if (edit->text() != text)
        edit->setText(text);
}

void UpDownWidget::SetBuddy(QWidget* buddy)
{
    if (auto* old = qobject_cast<EditWidget*>(m_buddy.data()))
        disconnect(old, &EditWidget::arrowKeyPressed, this, nullptr);
    m_buddy = buddy;
    if (!buddy)
        return;
    if (m_style & UDS_ALIGNRIGHT) {
        // The control takes the buddy's right edge and the buddy gives up that width.
        const QRect area = buddy->geometry();
        const int width = std::min(this->width(), area.width());
        buddy->setGeometry(area.x(), area.y(), area.width() - width, area.height());
        setGeometry(area.x() + area.width() - width, area.y(), width, area.height());
    }
    if (m_style & UDS_ARROWKEYS) {
        if (auto* edit = qobject_cast<EditWidget*>(buddy))
            connect(edit, &EditWidget::arrowKeyPressed, this, &UpDownWidget::Step);
        else
            qCWarning(lcPlatformControls, "Up-down control %d: its buddy is not an edit; arrow keys stay with it.",
                CWnd::GetDlgCtrlID(this));
    }
    WriteBuddy();
}
