#pragma once

// The form's window as the parts of the view use it: controls by id (enable,
// show, check, text), the editor's message boxes and the button strips above
// the lists. It is all a part needs of the form's window; a part never sees
// the view itself.

#include "platform/core/collections.h"
#include "platform/core/cstring.h"
#include "platform/core/types.h"

#include <initializer_list>
#include <memory>

class CListBoxEx;
class CListBoxExBuddy;
class CWnd;

class FormAccess {
public:
    explicit FormAccess(CWnd& form) : m_form(form) { }

    CWnd& Window() const { return m_form; }
    HWND Handle() const;

    // Each list of ids ends with 0; ids the form lacks are skipped.
    void EnableControls(const UINT* ids, bool enable) const;
    void ShowControls(const UINT* ids, bool show) const;
    bool IsChecked(UINT id) const;
    void CheckRadio(UINT id, bool check) const;
    void SetControlText(UINT id, const char* text) const;
    CString ControlText(UINT id) const;

    // A message box over the form with the editor's title; returns the answer.
    int ShowMessage(const char* text, UINT style) const;
    // Ends a command that failed with an error, telling the user why.
    void ReportError(const char* what) const;

    // Takes over the placeholder `placeholder` as a strip of buttons with
    // image `bitmap`, one tooltip per button; with a list, the strip operates it.
    std::unique_ptr<CListBoxExBuddy> MakeStrip(
        UINT placeholder, UINT bitmap, std::initializer_list<const char*> tooltips, CListBoxEx* list = nullptr) const;

private:
    CWnd& m_form;
};
