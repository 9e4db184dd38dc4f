#pragma once

// CListBox: a single-column list box over ListBoxWidget. Rows are narrow text
// with a 64-bit item data each. Reading or writing a row that does not exist
// raises CInvalidArgException; selection and geometry queries answer LB_ERR.

#include "platform/windows/createstruct.h"
#include "platform/windows/wnd.h"

class ListBoxWidget;
class QPainter;

// List box styles.
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_MULTIPLESEL = 0x0008;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_WANTKEYBOARDINPUT = 0x0400;
constexpr DWORD LBS_EXTENDEDSEL = 0x0800;
constexpr DWORD LBS_DISABLENOSCROLL = 0x1000;
constexpr DWORD LBS_NOSEL = 0x4000;

// Notification codes, sent to the parent as WM_COMMAND (lParam the list).
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;
constexpr UINT LBN_SETFOCUS = 4;
constexpr UINT LBN_KILLFOCUS = 5;

constexpr int LB_ERR = -1;

// Owner drawing.
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_FOCUS = 0x0010;

// What an owner-drawn row needs: hDC is the painter of the list's client area.
struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_LISTBOX;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    QPainter* hDC = nullptr;
    RECT rcItem;
    DWORD_PTR itemData = 0;
};

struct MEASUREITEMSTRUCT {
    UINT CtlType = ODT_LISTBOX;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    DWORD_PTR itemData = 0;
};

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    // Adjusts the creation record before the window exists.
    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    // The row's text; the length of the text.
    int GetText(int index, CString& text) const;
    CString GetText(int index) const;
    int GetTextLen(int index) const;
    DWORD_PTR GetItemData(int index) const;
    void SetItemData(int index, DWORD_PTR data);

    // The new row's index. InsertString at -1 appends; at GetCount() too.
    int AddString(const char* text);
    int InsertString(int index, const char* text);
    // The number of rows left.
    int DeleteString(int index);
    void ResetContent();

    // The selected row of a one-row list, the caret row of a multiple-selection
    // list; LB_ERR for none.
    int GetCurSel() const;
    // Selects `index` alone and scrolls it into view; -1 (or a row that does
    // not exist) clears the selection and answers LB_ERR.
    int SetCurSel(int index);
    // 1 when selected, 0 when not, LB_ERR for a row that does not exist.
    int GetSel(int index) const;
    // Selects or deselects one row, or every row with -1.
    int SetSel(int index, bool select = true);
    int GetSelCount() const;

    // Client coordinates; LB_ERR (and an empty rectangle) for a row that does not exist.
    int GetItemRect(int index, RECT* rect) const;
    // The row nearest to `point` (client coordinates); `outside` tells whether
    // the point lies outside every row.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemHeight(int index) const;

    // Owner drawing (LBS_OWNERDRAWFIXED): each visible row is drawn with
    // DrawItem; MeasureItem gives the height of every row.
    virtual void DrawItem(DRAWITEMSTRUCT* drawItem);
    virtual void MeasureItem(MEASUREITEMSTRUCT* measureItem);

    // Inverts `rect` (client coordinates) with the half-tone pattern, as the
    // pattern-invert drawing of the classic platform does: doing it twice
    // restores the pixels.
    void InvertHalftoneRect(const RECT& rect);

protected:
    ListBoxWidget* listWidget() const;
    // Makes the widget follow the window styles (scroll bars, frame).
    void ApplyStyleToWidget();
};
