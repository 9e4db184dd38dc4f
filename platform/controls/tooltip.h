#pragma once

// CToolTipCtrl: tooltips for the tools of one owner window. A tool is an id and
// a rectangle of the owner's client area; its text is fixed or asked from the
// owner when the tip is about to show, with a TTN_NEEDTEXT notification.
// Shown with QToolTip when the owner's widget gets Qt's tooltip event, which
// plays the part of the tooltip window watching the owner's mouse input.

#include "platform/core/cstring.h"
#include "platform/core/types.h"
#include "platform/windows/windowmessage.h"

#include <QPointer>

#include <vector>

class CWnd;
class QObject;
class QPoint;
class QWidget;

// Notification codes (narrow text).
constexpr UINT TTN_FIRST = 0u - 520u;
constexpr UINT TTN_GETDISPINFOA = TTN_FIRST - 0u;
constexpr UINT TTN_NEEDTEXTA = TTN_GETDISPINFOA;
constexpr UINT TTN_NEEDTEXT = TTN_NEEDTEXTA;

// Marks a tool whose text the owner supplies on demand (the framework's marker value).
inline char* const LPSTR_TEXTCALLBACK = reinterpret_cast<char*>(static_cast<intptr_t>(-1)); // NOLINT

// The need-text record. The owner copies at most 79 characters and the
// terminator into szText, or points lpszText at a text of its own that
// outlives the notification. idFrom is the tool id; hwndFrom is null, the
// tooltip having no window of its own.
struct NMTTDISPINFOA {
    NMHDR hdr;
    char* lpszText;
    char szText[80];
    void* hinst;
    UINT uFlags;
    LPARAM lParam;
};
using NMTTDISPINFO = NMTTDISPINFOA;

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl();
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    // Starts watching `owner`'s widget. False when the owner has no widget or
    // the control exists already. Tips are active after creation.
    bool Create(CWnd* owner);
    bool IsCreated() const { return !m_watcher.isNull(); }

    // Registers tool `id` of `owner` (the window given to Create) with a fixed
    // text or LPSTR_TEXTCALLBACK, and a client rectangle (null: empty). An id
    // already registered is replaced.
    bool AddTool(CWnd* owner, const char* text, const RECT* rect, UINT_PTR id);
    // Moves tool `id` to `rect`; nothing for an unknown tool.
    void SetToolRect(CWnd* owner, UINT_PTR id, const RECT& rect);
    int GetToolCount() const { return static_cast<int>(m_tools.size()); }
    // Inactive tips show nothing; the owner's own tooltip handling applies.
    void Activate(bool active);
    bool IsActive() const { return m_active; }

private:
    struct Tool {
        UINT_PTR id;
        CRect rect;
        bool onDemand;
        CString text;
    };
    class Watcher;

    Tool* FindTool(UINT_PTR id);
    const Tool* FindTool(UINT_PTR id) const;
    bool IsOwner(const CWnd* window) const;
    // The tool whose rectangle holds the client point: the first registered,
    // or false when none does.
    bool HitTest(POINT point, UINT_PTR* id) const;
    // The text of tool `id`, asking the owner when it is supplied on demand;
    // empty for an unknown tool.
    CString GetToolText(UINT_PTR id) const;
    // Qt's tooltip event at a client point: shows or hides the tip; true when handled.
    bool ShowTipAt(const QPoint& clientPoint, const QPoint& globalPoint);

    QPointer<QWidget> m_owner; // the owner's window
    QPointer<QWidget> m_client; // its client area, which gets the tooltip events
    QPointer<QObject> m_watcher;
    std::vector<Tool> m_tools;
    bool m_active = true;
};
