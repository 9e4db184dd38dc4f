#include "workbench/app/helpwindow.h"

#include "host/services/hosthelp.h"

namespace {

constexpr DWORD_PTR ControlTopicBase = 8000000;

struct ControlTopic {
    UINT id;
    const char* text;
};

// What the Profile Editor's controls do, by control id.
constexpr ControlTopic EditorTopics[] = {
    {1001, "Makes the plot two-dimensional."},
    {1002, "Makes the plot three-dimensional: the y axis is time or a profile."},
    {1004, "The variables of the selected profile. Drop variables here to add them to it."},
    {1006,
        "The profiles. Drop variables here to make a new profile of them; drag a profile out to offer its "
        "variables."},
    {1008, "Puts the selected profile on the x axis."},
    {1009, "Puts the selected profile on the y axis."},
    {1010, "Adds the selected profiles to the plot."},
    {1016, "The profiles that are plotted, in plot order."},
    {1038, "The times at which the plot is drawn."},
    {1042, "Checks the definition and writes it to the plot."},
    {1043, "Shows the variable finder of the model."},
    {1045, "Closes the editor without writing."},
    {1047, "Checks and writes the definition, then closes the editor."},
};

QString TopicText(DWORD_PTR context)
{
    if (context > ControlTopicBase) {
        const DWORD_PTR id = context - ControlTopicBase;
        for (const ControlTopic& topic : EditorTopics) {
            if (topic.id == id)
                return QStringLiteral("Profile Editor, control %1: %2").arg(id).arg(QLatin1String(topic.text));
        }
        return QStringLiteral("Profile Editor, control %1: no help is written for this control.").arg(id);
    }
    return QStringLiteral("Help topic %1.").arg(context);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    setAccessibleName(QStringLiteral("Help"));
    setPlainText(QStringLiteral("Press F1 in an editor for help on the control that has the focus."));
}

void HelpWindow::ShowTopic(DWORD_PTR context, UINT command, const QString& helpFile)
{
    m_lastTopic = context;
    m_lastCommand = command;
    const QString kind = command == HELP_CONTEXTPOPUP ? QStringLiteral("popup") : QStringLiteral("topic");
    setPlainText(QStringLiteral("%1\n\n(%2 %3 of %4)")
                     .arg(TopicText(context), kind)
                     .arg(context)
                     .arg(helpFile.isEmpty() ? QStringLiteral("the workbench's help") : helpFile));
}
