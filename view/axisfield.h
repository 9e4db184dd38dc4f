#pragma once

// An axis field of the editor's form (the x-axis and y-axis edits): the form
// sees the field's keys first, as the Delete key there takes the profile off
// the axis instead of editing the field.

#include "platform/controls/edit.h"

#include <QWidget>

class CAxisFieldEdit : public CEdit {
public:
    bool PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        // The form is the nearest enclosing window with a window object.
        for (QWidget* parent = GetSafeHwnd() ? GetSafeHwnd()->parentWidget() : nullptr; parent;
             parent = parent->parentWidget()) {
            if (CWnd* form = FromHandlePermanent(parent))
                return form->PreTranslateMessage(message, wParam, lParam)
                    || CEdit::PreTranslateMessage(message, wParam, lParam);
        }
        return CEdit::PreTranslateMessage(message, wParam, lParam);
    }
};
