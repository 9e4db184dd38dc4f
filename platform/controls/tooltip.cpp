#include "platform/controls/tooltip.h"

#include "platform/windows/wnd.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

// Watches the owner's client widget for Qt's tooltip event. A child of that
// widget, so it goes with the window; the control deletes it if it goes first.
class CToolTipCtrl::Watcher : public QObject {
public:
    Watcher(CToolTipCtrl* control, QWidget* client) : QObject(client), m_control(control)
    {
        client->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        return m_control->ShowTipAt(help->pos(), help->globalPos());
    }

private:
    CToolTipCtrl* m_control;
};

CToolTipCtrl::~CToolTipCtrl()
{
    delete m_watcher.data();
}

bool CToolTipCtrl::Create(CWnd* owner)
{
    if (IsCreated() || !owner || !owner->GetSafeHwnd() || !owner->clientWidget())
        return false;
    m_owner = owner->GetSafeHwnd();
    m_client = owner->clientWidget();
    m_watcher = new Watcher(this, m_client);
    m_active = true;
    return true;
}

bool CToolTipCtrl::IsOwner(const CWnd* window) const
{
    return window && m_owner && window->GetSafeHwnd() == m_owner.data();
}

CToolTipCtrl::Tool* CToolTipCtrl::FindTool(UINT_PTR id)
{
    const auto it = std::find_if(m_tools.begin(), m_tools.end(), [id](const Tool& t) { return t.id == id; });
    return it == m_tools.end() ? nullptr : &*it;
}

const CToolTipCtrl::Tool* CToolTipCtrl::FindTool(UINT_PTR id) const
{
    const auto it = std::find_if(m_tools.begin(), m_tools.end(), [id](const Tool& t) { return t.id == id; });
    return it == m_tools.end() ? nullptr : &*it;
}

bool CToolTipCtrl::AddTool(CWnd* owner, const char* text, const RECT* rect, UINT_PTR id)
{
    if (!IsCreated() || !IsOwner(owner))
        return false;
    Tool tool {id, rect ? CRect(*rect) : CRect(), text == LPSTR_TEXTCALLBACK, {}};
    if (!tool.onDemand)
        tool.text = text;
    if (Tool* existing = FindTool(id))
        *existing = tool;
    else
        m_tools.push_back(tool);
    return true;
}

void CToolTipCtrl::SetToolRect(CWnd* owner, UINT_PTR id, const RECT& rect)
{
    if (!IsOwner(owner))
        return;
    if (Tool* tool = FindTool(id))
        tool->rect = rect;
}

void CToolTipCtrl::Activate(bool active)
{
    m_active = active;
    if (!active && m_client && QToolTip::isVisible())
        QToolTip::hideText();
}

bool CToolTipCtrl::HitTest(POINT point, UINT_PTR* id) const
{
    for (const Tool& tool : m_tools) {
        if (tool.rect.PtInRect(point)) {
            if (id)
                *id = tool.id;
            return true;
        }
    }
    return false;
}

CString CToolTipCtrl::GetToolText(UINT_PTR id) const
{
    const Tool* tool = FindTool(id);
    if (!tool)
        return {};
    if (!tool->onDemand)
        return tool->text;
    NMTTDISPINFO info {};
    info.hdr.hwndFrom = nullptr;
    info.hdr.idFrom = id;
    info.hdr.code = TTN_NEEDTEXT;
    info.lpszText = info.szText;
    ::SendMessage(m_owner, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    // The owner may have filled the whole buffer: never read past it.
    info.szText[sizeof(info.szText) - 1] = '\0';
    if (!info.lpszText || info.lpszText == LPSTR_TEXTCALLBACK)
        return {};
    return CString(info.lpszText);
}

bool CToolTipCtrl::ShowTipAt(const QPoint& clientPoint, const QPoint& globalPoint)
{
    if (!m_active || !m_client)
        return false;
    UINT_PTR id = 0;
    const CString text = HitTest(POINT {clientPoint.x(), clientPoint.y()}, &id) ? GetToolText(id) : CString();
    if (text.IsEmpty()) {
        QToolTip::hideText();
        return true;
    }
    const Tool* tool = FindTool(id);
    // The tip goes when the mouse leaves the tool's rectangle.
    const QRect area = tool ? QRect(tool->rect.left, tool->rect.top, tool->rect.Width(), tool->rect.Height()) : QRect();
    QToolTip::showText(globalPoint, text.ToQString(), m_client, area);
    return true;
}
