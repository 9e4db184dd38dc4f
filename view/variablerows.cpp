// The variables list's rows are the current profile's variables at every
// step: each change the list reports is made to the profile first, and one
// whose index names no variable is refused before the list changes.

#include "view/profilespanel.h"

#include "controls/listboxexparent.h"
#include "platform/core/invalidarg.h"

void ProfilesPanel::CheckVariable(const CSUPEProfile& profile, int index, const char* operation, bool orEnd)
{
    const int count = profile.variables.GetSize();
    if (index >= 0 && (index < count || (orEnd && index == count)))
        return;
    CString text;
    text.Format("%s: the profile \"%s\" has no variable %d, only %d variable%s.", operation, profile.name.GetString(),
        index, count, count == 1 ? "" : "s");
    AfxThrowInvalidArgException(text);
}

void ProfilesPanel::OnVariablesRowEvent(const ListRowEvent& event)
{
    if (!m_currentProfile)
        return;
    CStringArray& variables = m_currentProfile->variables;
    switch (event.kind) {
    case ListRowEvent::Kind::Inserting:
        if (event.row < 0) {
            variables.Add(event.text);
            return;
        }
        CheckVariable(*m_currentProfile, event.row, "Insert row", true);
        variables.InsertAt(event.row, event.text);
        return;
    case ListRowEvent::Kind::Removing:
        CheckVariable(*m_currentProfile, event.row, "Remove row");
        variables.RemoveAt(event.row);
        return;
    case ListRowEvent::Kind::Editing:
        CheckVariable(*m_currentProfile, event.row, "Replace row");
        variables.SetAt(event.row, event.text);
        return;
    case ListRowEvent::Kind::Moving: {
        if (event.rows > variables.GetSize()) {
            CString text;
            text.Format("Move row: the list shows %d rows but the profile \"%s\" has %d variables.", event.rows,
                m_currentProfile->name.GetString(), variables.GetSize());
            AfxThrowInvalidArgException(text);
        }
        CheckVariable(*m_currentProfile, event.row, "Move row");
        CheckVariable(*m_currentProfile, event.toRow, "Move row");
        const CString variable = variables[event.row];
        variables.RemoveAt(event.row);
        variables.InsertAt(event.toRow, variable);
        return;
    }
    }
}
