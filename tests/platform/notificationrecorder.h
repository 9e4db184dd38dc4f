#pragma once

// A form window that records the notifications its controls send it: the
// control id and code of each WM_COMMAND and WM_NOTIFY, with the fields of the
// list view's records copied as they were while the notification was handled.

#include "platform/controls/listctrl.h"
#include "platform/windows/wnd.h"

#include <QApplication>

#include <functional>
#include <vector>

struct RecordedNotification {
    UINT message = 0;
    int id = 0;
    UINT code = 0;
    int item = -1;
    int subItem = 0;
    UINT newState = 0;
    UINT oldState = 0;
    POINT point;
    LPARAM param = 0;
    WORD key = 0;
    bool controlDown = false;
    bool hasText = false;
    CString text; // LVN_ENDLABELEDIT: the text passed, when not null
    CString editText; // LVN_ENDLABELEDIT: what the label edit held meanwhile
    QWidget* focus = nullptr; // the focus widget when the notification came
};

class NotificationRecorder : public CWnd {
public:
    std::vector<RecordedNotification> received;
    // The answer to LVN_ENDLABELEDIT (non-zero: the row takes the text).
    LRESULT endLabelEditAnswer = 0;
    // Runs for each notification, after it was recorded.
    std::function<void(const RecordedNotification&)> onNotification;

    std::vector<RecordedNotification> WithCode(UINT code) const
    {
        std::vector<RecordedNotification> found;
        for (const RecordedNotification& n : received) {
            if (n.code == code)
                found.push_back(n);
        }
        return found;
    }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message != WM_COMMAND && message != WM_NOTIFY)
            return CWnd::OnWndMsg(message, wParam, lParam, result);
        RecordedNotification n;
        n.message = message;
        n.focus = QApplication::focusWidget();
        n.controlDown = GetKeyState(VK_CONTROL) < 0;
        *result = 0;
        if (message == WM_COMMAND) {
            n.id = LOWORD(wParam);
            n.code = HIWORD(wParam);
        } else {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            n.id = static_cast<int>(header->idFrom);
            n.code = header->code;
            Copy(header, n);
            if (n.code == LVN_ENDLABELEDIT)
                *result = endLabelEditAnswer;
        }
        received.push_back(n);
        if (onNotification)
            onNotification(n);
        return true;
    }

private:
    static void Copy(const NMHDR* header, RecordedNotification& n)
    {
        switch (header->code) {
        case LVN_ITEMCHANGED:
        case LVN_COLUMNCLICK:
        case LVN_BEGINDRAG: {
            const auto* info = reinterpret_cast<const NMLISTVIEW*>(header);
            n.item = info->iItem;
            n.subItem = info->iSubItem;
            n.newState = info->uNewState;
            n.oldState = info->uOldState;
            n.point = info->ptAction;
            n.param = info->lParam;
            break;
        }
        case NM_CLICK:
        case NM_DBLCLK:
        case NM_RCLICK: {
            const auto* info = reinterpret_cast<const NMITEMACTIVATE*>(header);
            n.item = info->iItem;
            n.subItem = info->iSubItem;
            n.point = info->ptAction;
            break;
        }
        case LVN_KEYDOWN:
            n.key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
            break;
        case LVN_ENDLABELEDIT: {
            const auto* info = reinterpret_cast<const NMLVDISPINFO*>(header);
            n.item = info->item.iItem;
            n.param = info->item.lParam;
            n.hasText = info->item.pszText != nullptr;
            if (n.hasText)
                n.text = info->item.pszText;
            auto* list = dynamic_cast<CListCtrl*>(CWnd::FromHandlePermanent(header->hwndFrom));
            if (CEdit* edit = list ? list->GetEditControl() : nullptr)
                n.editText = edit->GetWindowText();
            break;
        }
        default:
            break;
        }
    }
};
