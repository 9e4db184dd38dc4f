#pragma once

// A form view that answers assistive tools and context help from its child
// controls: every control is named and reachable with Tab; the accessibility
// queries count, name, locate and hit-test the children (child 0 is the form
// itself, 1 to the count its controls); WM_HELPHITTEST gives the help number
// of the control under a point and WM_COMMANDHELP asks the host for help.

#include "platform/core/com.h"
#include "platform/docview/formview.h"

class QAccessibleInterface;

// Controls without a caption of their own, named by the caption of another
// control, or, with no such control (id 0), by a fixed text.
struct AccessibleNameSource {
    UINT control;
    UINT captionOf;
    const char* fixedName;
};

class CAccessibleFormView : public CFormView {
    DECLARE_DYNAMIC(CAccessibleFormView)
public:
    explicit CAccessibleFormView(UINT templateId) : CFormView(templateId) { }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    HRESULT get_accChildCount(long* count) const;
    HRESULT get_accChild(long child, QAccessibleInterface** out) const;
    HRESULT get_accName(long child, CString* name) const;
    HRESULT accLocation(long* left, long* top, long* width, long* height, long child) const;
    HRESULT accHitTest(long screenX, long screenY, long* child) const;

    LRESULT OnHelpHitTest(LPARAM lParam) const;
    LRESULT OnCommandHelp(LPARAM lParam);
    CWnd* HelpHitTestChild(CPoint screenPoint) const;

protected:
    // Names the controls of `names` (`count` entries) and puts every radio in
    // the tab order.
    void NameControlsForAccessibility(const AccessibleNameSource* names, size_t count);
};
