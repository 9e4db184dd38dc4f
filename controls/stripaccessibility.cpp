#include "controls/stripaccessibility.h"

#include "controls/listboxexbuddy.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

CListBoxExBuddy* StripOf(QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget ? dynamic_cast<CListBoxExBuddy*>(CWnd::FromHandlePermanent(widget)) : nullptr;
}

class StripButtonAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    StripButtonAccessible(QWidget* strip, UINT index) : m_strip(strip), m_index(index) { }

    bool isValid() const override { return m_strip && Strip(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_strip ? m_strip->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_strip.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text t) const override
    {
        CListBoxExBuddy* strip = Strip();
        if (!strip || (t != QAccessible::Name && t != QAccessible::Description))
            return {};
        return QString::fromLocal8Bit(strip->GetTooltipText(m_index + 1).GetString());
    }

    QRect rect() const override
    {
        CListBoxExBuddy* strip = Strip();
        if (!strip)
            return {};
        const CRect cell = strip->GetButtonRect(m_index);
        const QPoint topLeft = strip->clientWidget()->mapToGlobal(QPoint(cell.left, cell.top));
        return QRect(topLeft, QSize(cell.Width(), cell.Height()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.disabled = !m_strip || !m_strip->isEnabled();
        s.invisible = !m_strip || !m_strip->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        // Later, as a click would come: a command may show a modal box, and
        // the assistive tool waits for the answer to its request.
        if (name != pressAction() || !m_strip)
            return;
        QTimer::singleShot(0, m_strip.data(), [strip = m_strip, index = m_index] {
            if (CListBoxExBuddy* buddy = StripOf(strip.data()))
                buddy->PressButton(index);
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    CListBoxExBuddy* Strip() const { return StripOf(m_strip.data()); }

    QPointer<QWidget> m_strip;
    UINT m_index;
};

class StripAccessible final : public QAccessibleWidget {
public:
    explicit StripAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ToolBar) { }
    ~StripAccessible() override
    {
        for (QAccessible::Id id : m_buttonIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (CListBoxExBuddy* strip = StripOf(widget()))
                return QString::fromLocal8Bit(strip->GetWindowText().GetString()).remove(QLatin1Char('&')).trimmed();
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override
    {
        CListBoxExBuddy* strip = StripOf(widget());
        return strip ? static_cast<int>(strip->GetButtonCount()) : 0;
    }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (m_buttonIds.size() <= static_cast<size_t>(index)) {
            auto* button = new StripButtonAccessible(widget(), static_cast<UINT>(m_buttonIds.size()));
            m_buttonIds.push_back(QAccessible::registerAccessibleInterface(button));
        }
        return QAccessible::accessibleInterface(m_buttonIds[static_cast<size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* button = child(i);
            if (button->rect().contains(x, y))
                return button;
        }
        return nullptr;
    }

private:
    mutable std::vector<QAccessible::Id> m_buttonIds;
};

QAccessibleInterface* StripFactory(const QString& /*className*/, QObject* object)
{
    if (!StripOf(object))
        return nullptr;
    return new StripAccessible(static_cast<QWidget*>(object));
}

} // namespace

void InstallStripAccessibility(QWidget* strip)
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(StripFactory);
    }
    // The placeholder button may have been seen already, as a plain button.
    if (QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(strip)) {
        if (!dynamic_cast<StripAccessible*>(seen))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(seen));
    }
}
