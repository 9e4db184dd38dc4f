#pragma once

// CListCtrl: the report-style list view over ListViewWidget. Rows carry narrow
// text per column and an item parameter; the user's actions reach the parent
// as WM_NOTIFY (LVN_ITEMCHANGED, LVN_KEYDOWN, LVN_COLUMNCLICK, LVN_BEGINDRAG,
// LVN_ENDLABELEDIT, NM_CLICK, NM_DBLCLK, NM_RCLICK, NM_SETFOCUS, NM_KILLFOCUS).
// Reading or writing a row or column that does not exist raises
// CInvalidArgException; searches answer -1.

#include "platform/controls/edit.h"
#include "platform/controls/notification.h"
#include "platform/windows/wnd.h"

#include <vector>

class ListViewWidget;

// List view styles.
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_EDITLABELS = 0x0200;
constexpr DWORD LVS_NOSORTHEADER = 0x8000;

// Notification codes.
constexpr UINT LVN_ITEMCHANGED = 0u - 101u;
constexpr UINT LVN_ENDLABELEDIT = 0u - 106u;
constexpr UINT LVN_COLUMNCLICK = 0u - 108u;
constexpr UINT LVN_BEGINDRAG = 0u - 109u;
constexpr UINT LVN_KEYDOWN = 0u - 155u;

// Item states, fields and searches.
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;
constexpr UINT LVNI_ALL = 0x0000;
constexpr UINT LVNI_FOCUSED = 0x0001;
constexpr UINT LVNI_SELECTED = 0x0002;
constexpr UINT LVFI_PARAM = 0x0001;
constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;

// Columns.
constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
};

struct LVCOLUMN {
    UINT mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
};

struct LVFINDINFO {
    UINT flags = 0;
    const char* psz = nullptr;
    LPARAM lParam = 0;
};

// Client coordinates (the area below the header).
struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};

// LVN_ITEMCHANGED, LVN_COLUMNCLICK (iItem -1, iSubItem the column), LVN_BEGINDRAG.
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction; // client coordinates
    LPARAM lParam = 0;
};

// NM_CLICK, NM_DBLCLK, NM_RCLICK: the row and column hit (-1: no row); the
// list-view record with the key flags after it.
struct NMITEMACTIVATE : NMLISTVIEW {
    UINT uKeyFlags = 0;
};

// LVN_ENDLABELEDIT: item.pszText is the edited text, null when the edit was
// cancelled with Escape. A non-zero answer makes the row take the text.
struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};

// The comparison of SortItems: negative, zero or positive for two item parameters.
using PFNLVCOMPARE = int (*)(LPARAM first, LPARAM second, LPARAM sortData);

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    // Columns. InsertColumn answers the new column's index; a width of -1
    // keeps the default width.
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1);
    bool GetColumn(int column, LVCOLUMN* info) const;
    bool SetColumn(int column, const LVCOLUMN* info);
    int GetColumnCount() const;

    // Rows. InsertItem at GetItemCount() appends; the answer is the new row.
    int GetItemCount() const;
    int InsertItem(int row, const char* text);
    bool DeleteItem(int row);
    // Deletes the rows (any order; a row given twice goes once) in one pass,
    // as deleting them one by one would, at the cost of a single deletion.
    // No row is deleted when one of them does not exist.
    bool DeleteItems(const std::vector<int>& rows);
    bool DeleteAllItems();
    CString GetItemText(int row, int column) const;
    bool SetItemText(int row, int column, const char* text);
    DWORD_PTR GetItemData(int row) const;
    bool SetItemData(int row, DWORD_PTR data);
    // Every row's text in `column`, and every row's data, in row order: what
    // reading the whole list reads, at the cost of one call.
    std::vector<CString> GetColumnTexts(int column) const;
    std::vector<DWORD_PTR> GetAllItemData() const;

    // States (LVIS_SELECTED, LVIS_FOCUSED); row -1 sets every row.
    UINT GetItemState(int row, UINT mask) const;
    bool SetItemState(int row, UINT state, UINT mask);
    UINT GetSelectedCount() const;
    // The next row after `start` (-1: from the first) with the LVNI_* state; -1 for none.
    int GetNextItem(int start, UINT flags) const;

    // With LVFI_PARAM: the first row after `start` whose parameter matches; -1 for none.
    int FindItem(const LVFINDINFO* info, int start = -1) const;
    // Orders the rows by `compare`, which receives the two rows' parameters.
    // The rows stay where they are while it runs, so the comparison may look
    // rows up by their parameters.
    bool SortItems(PFNLVCOMPARE compare, LPARAM sortData);

    int HitTest(LVHITTESTINFO* info) const;
    int SubItemHitTest(LVHITTESTINFO* info) const;

    // Selects `row` alone and opens its label for editing; -1 ends the open
    // edit. The answer is the label's edit control, null for -1.
    CEdit* EditLabel(int row);
    // The open label edit, or null.
    CEdit* GetEditControl() const;

protected:
    ListViewWidget* listWidget() const;

private:
    ListViewWidget* checkedWidget(const char* operation) const;
    // The edit control object of the open label edit, attached on demand.
    mutable CEdit m_labelEdit;
};
