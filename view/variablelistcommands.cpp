// The variables strip: its buttons operate the variables list, which mirrors
// every change into the current profile's variables.

#include "view/profileeditorview.h"

void CSUProfileEditorView::OnVariablesStripCommand(int button)
{
    // Without a current profile the strip is disabled and the list shows nothing.
    if (!m_currentProfile)
        return;
    m_variablesList.ButtonStripCommand(button);
}
