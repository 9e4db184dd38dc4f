#pragma once

// CListBoxExBuddy: the caption bar above an editable list, taken over from an
// owner-drawn placeholder button of the form. It shows the placeholder's
// caption at the left and a row of 22 x 20 image buttons anchored to the right
// edge, each with a tooltip. A click operates the attached list, or, with no
// list attached, goes to the parent's OnStripButton.

#include "platform/controls/tooltip.h"
#include "platform/core/collections.h"
#include "platform/core/resources.h"
#include "platform/windows/wnd.h"

#include <QPixmap>

#include <vector>

class CListBoxEx;
struct NMTTDISPINFOA;

class CListBoxExBuddy : public CWnd {
    DECLARE_DYNAMIC(CListBoxExBuddy)
public:
    static constexpr int ButtonWidth = 22;
    static constexpr int ButtonHeight = 20;
    // The platform's tooltip buffer holds 80 bytes with the terminator.
    static constexpr int MaxTooltipLength = 79;

    // Loads image `imageId` from `module` (then the resource chain) with the
    // 3-D colour mapping; one tooltip text per button, cut to MaxTooltipLength.
    CListBoxExBuddy(UINT imageId, HINSTANCE module, UINT buttonCount, const CStringArray& tooltipTexts);
    ~CListBoxExBuddy() override;

    // Takes over the placeholder control `controlId` of `parent`; false when
    // the parent has no such control or another window object holds it.
    bool TakeOver(UINT controlId, CWnd* parent);

    UINT GetButtonCount() const { return m_buttonCount; }
    void SetListBox(CListBoxEx* list) { m_list = list; }
    CListBoxEx* GetListBox() const { return m_list; }
    UINT GetControlId() const { return m_controlId; }
    int GetImageWidth() const { return m_imageWidth; }
    // The button under the mouse, or GetButtonCount() for none.
    UINT GetHotButton() const { return m_hotIndex; }
    bool IsPressed() const { return m_pressed != FALSE; }

    // The tooltip text of tool `toolId` (button toolId - 1); an id outside
    // 1..GetButtonCount() raises CInvalidArgException.
    CString GetTooltipText(UINT_PTR toolId) const;
    // Button `index`'s cell in client coordinates; empty outside the buttons.
    CRect GetButtonRect(UINT index) const;
    // Runs button `index`'s command as a click does (assistive tools and the
    // keyboard press buttons this way); nothing when disabled or out of range.
    void PressButton(UINT index);

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PreSubclassWindow() override;

private:
    void CreateTooltips();
    void LayOut(int width, int height);
    UINT ButtonFromPoint(CPoint point) const;
    void InvalidateButton(UINT index);
    // Makes `index` the hot button; repaints the changed cells at once.
    void SetHotButton(UINT index);

    void OnPaint();
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);
    bool OnKeyDown(UINT key);
    void OnNeedText(NMTTDISPINFOA* info);
    void RunCommand(UINT button);
    // Ends an operation that failed with an error, telling the user why.
    void ReportError(const char* what);

    UINT m_buttonCount;
    CStringArray m_tooltipTexts;
    CListBoxEx* m_list = nullptr;
    QPixmap m_image;
    UINT m_hotIndex;
    BOOL m_pressed = FALSE;
    std::vector<CRect> m_buttonRects;
    CToolTipCtrl m_toolTip;
    int m_imageWidth;
    UINT m_controlId = 0;
};
