#pragma once

// The host's help: shows the topic a module asks for by context number. A
// module's control has topic number control id + 8000000; a popup topic is
// about the control that had the focus, a normal topic about a subject.

#include "platform/core/types.h"

#include <QString>
#include <QTextBrowser>

class HelpWindow final : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows topic `context` as `command` (HELP_CONTEXT or HELP_CONTEXTPOPUP)
    // asks; `helpFile` is the file the main window was told of.
    void ShowTopic(DWORD_PTR context, UINT command, const QString& helpFile);
    DWORD_PTR lastTopic() const { return m_lastTopic; }
    UINT lastCommand() const { return m_lastCommand; }

private:
    DWORD_PTR m_lastTopic = 0;
    UINT m_lastCommand = 0;
};
