#include "platform/windows/menubuilder.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

void AddMenuItems(QMenu* menu, const std::vector<MenuItemResource>& items, const CommandHandler& handler)
{
    for (const MenuItemResource& item : items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (!item.items.empty() || item.id == 0) {
            QMenu* popup = menu->addMenu(QString::fromStdString(item.text));
            AddMenuItems(popup, item.items, handler);
        } else {
            QAction* action = menu->addAction(QString::fromStdString(item.text));
            action->setData(item.id);
            const UINT id = item.id;
            if (handler)
                QObject::connect(action, &QAction::triggered, menu, [handler, id] { handler(id); });
        }
    }
}

namespace {

QAction* FindIn(const QList<QAction*>& actions, UINT id)
{
    for (QAction* action : actions) {
        if (QMenu* popup = action->menu()) {
            if (QAction* found = FindIn(popup->actions(), id))
                return found;
        } else if (!action->isSeparator() && action->data().toUInt() == id) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

void BuildMenuBar(QMenuBar* bar, const std::vector<MenuItemResource>& menu, const CommandHandler& handler)
{
    // The old popups may be the ones whose action is being handled right now.
    const QList<QMenu*> old = bar->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    bar->clear();
    for (QMenu* popup : old)
        popup->deleteLater();

    for (const MenuItemResource& popup : menu) {
        if (popup.separator)
            continue;
        QMenu* qmenu = bar->addMenu(QString::fromStdString(popup.text));
        AddMenuItems(qmenu, popup.items, handler);
    }
}

std::vector<QShortcut*> InstallShortcuts(
    QWidget* window, const std::vector<AcceleratorResource>& keys, const CommandHandler& handler)
{
    std::vector<QShortcut*> shortcuts;
    shortcuts.reserve(keys.size());
    for (const AcceleratorResource& key : keys) {
        const QKeySequence sequence(QString::fromStdString(key.keys), QKeySequence::PortableText);
        if (sequence.isEmpty())
            continue;
        auto* shortcut = new QShortcut(sequence, window);
        const UINT id = key.command;
        QObject::connect(shortcut, &QShortcut::activated, window, [handler, id] { handler(id); });
        shortcuts.push_back(shortcut);
    }
    return shortcuts;
}

QAction* FindCommandAction(const QMenuBar* bar, UINT id)
{
    return bar ? FindIn(bar->actions(), id) : nullptr;
}
