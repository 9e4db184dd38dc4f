#include "workbench/app/menuandkeys.h"

#include "workbench/app/commandids.h"
#include "workbench/app/timeunits.h"
#include "workbench/app/workbenchmenu.h"

#include "host/interfaces/editorcontract.h"
#include "platform/core/resources.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

void MenuAndKeys::Update(bool editorActive, const TimeUnit& displayUnit)
{
    const std::vector<MenuItemResource>* editorMenu = editorActive ? AfxFindMenu(EditorMenuResourceId) : nullptr;
    const UINT wanted = editorMenu ? EditorMenuResourceId : 0;
    if (!m_menuBuilt || wanted != m_shownMenuId) {
        BuildMenuBar(m_window.menuBar(), WithWorkbenchItems(editorMenu ? *editorMenu : WorkbenchMainMenu()), m_handler);
        // The old keys may be the ones being handled now: they stop at once
        // (two live shortcuts on one key would both go quiet as ambiguous) and
        // go later.
        for (QShortcut* shortcut : m_shortcuts) {
            shortcut->setEnabled(false);
            shortcut->deleteLater();
        }
        const std::vector<AcceleratorResource>* editorKeys
            = editorMenu ? AfxFindAccelerators(EditorMenuResourceId) : nullptr;
        m_shortcuts = InstallShortcuts(&m_window, editorKeys ? *editorKeys : WorkbenchShortcutKeys(), m_handler);
        m_shownMenuId = wanted;
        m_menuBuilt = true;
    }
    UpdateCommands(editorActive, displayUnit);
}

void MenuAndKeys::UpdateCommands(bool editorActive, const TimeUnit& displayUnit)
{
    for (UINT command : {Command::SendProfileToEditor, Command::CloseEditor, Command::ReloadDefinition}) {
        if (QAction* action = FindCommandAction(m_window.menuBar(), command))
            action->setEnabled(editorActive);
    }
    for (const TimeUnit& unit : TimeUnits()) {
        if (QAction* action = FindCommandAction(m_window.menuBar(), unit.command)) {
            action->setCheckable(true);
            action->setChecked(&unit == &displayUnit);
        }
    }
}

QString MenuAndKeys::CommandText(UINT command) const
{
    const QAction* action = FindCommandAction(m_window.menuBar(), command);
    if (!action)
        return QStringLiteral("Command %1").arg(command);
    QString text = action->text().section(QLatin1Char('\t'), 0, 0);
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text;
}
