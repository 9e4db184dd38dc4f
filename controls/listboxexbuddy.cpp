#include "controls/listboxexbuddy.h"

#include "controls/listboxex.h"
#include "controls/listboxexparent.h"
#include "controls/stripaccessibility.h"
#include "platform/core/invalidarg.h"
#include "platform/drawing/bitmap.h"
#include "platform/drawing/drawedge.h"
#include "platform/drawing/syscolors.h"
#include "platform/windows/messagebox.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <string>

IMPLEMENT_DYNAMIC(CListBoxExBuddy, CWnd)

CListBoxExBuddy::CListBoxExBuddy(UINT imageId, HINSTANCE module, UINT buttonCount, const CStringArray& tooltipTexts)
    : m_buttonCount(buttonCount), m_image(LoadImageBitmap(module, imageId, LR_LOADMAP3DCOLORS)),
      m_hotIndex(buttonCount), m_buttonRects(buttonCount), m_imageWidth(m_image.width())
{
    for (const CString& text : tooltipTexts)
        m_tooltipTexts.Add(text.Left(MaxTooltipLength));
}

CListBoxExBuddy::~CListBoxExBuddy() = default;

bool CListBoxExBuddy::TakeOver(UINT controlId, CWnd* parent)
{
    m_controlId = controlId;
    return SubclassDlgItem(controlId, parent);
}

void CListBoxExBuddy::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    // Hot tracking needs every move, not only those with a button held.
    widget()->setMouseTracking(true);
    clientWidget()->setMouseTracking(true);
    // A click on a strip button leaves the focus where it was (in its list,
    // say); the keyboard reaches the strip with Tab (OnKeyDown).
    widget()->setFocusPolicy(Qt::TabFocus);
    CreateTooltips();
    InstallStripAccessibility(widget());
    CRect client;
    GetClientRect(&client);
    LayOut(client.Width(), client.Height());
}

void CListBoxExBuddy::CreateTooltips()
{
    if (m_toolTip.IsCreated() || !m_toolTip.Create(this))
        return;
    const RECT empty {};
    for (UINT i = 0; i < m_buttonCount; ++i)
        m_toolTip.AddTool(this, LPSTR_TEXTCALLBACK, &empty, i + 1);
    m_toolTip.Activate(true);
}

void CListBoxExBuddy::LayOut(int width, int height)
{
    const int count = static_cast<int>(m_buttonCount);
    // Division truncating towards zero: a bar lower than a button centres it too.
    const int top = (height - ButtonHeight) / 2;
    for (int i = 0; i < count; ++i) {
        const int left = width - (count - i) * ButtonWidth;
        CRect& rect = m_buttonRects[static_cast<size_t>(i)];
        rect = CRect(left, top, left + ButtonWidth, top + ButtonHeight);
        m_toolTip.SetToolRect(this, static_cast<UINT_PTR>(i) + 1, rect);
    }
}

UINT CListBoxExBuddy::ButtonFromPoint(CPoint point) const
{
    for (UINT i = 0; i < m_buttonCount; ++i) {
        if (m_buttonRects[i].PtInRect(point))
            return i;
    }
    return m_buttonCount;
}

void CListBoxExBuddy::InvalidateButton(UINT index)
{
    if (index < m_buttonCount)
        InvalidateRect(&m_buttonRects[index]);
}

void CListBoxExBuddy::SetHotButton(UINT index)
{
    if (index == m_hotIndex)
        return;
    InvalidateButton(m_hotIndex);
    m_hotIndex = index;
    InvalidateButton(m_hotIndex);
    UpdateWindow();
}

CString CListBoxExBuddy::GetTooltipText(UINT_PTR toolId) const
{
    if (toolId < 1 || toolId > static_cast<UINT_PTR>(m_tooltipTexts.GetSize())) {
        const std::string what = "Tooltip text asked for tool " + std::to_string(toolId) + " of a button strip with "
            + std::to_string(m_tooltipTexts.GetSize()) + " tooltip texts.";
        AfxThrowInvalidArgException(what.c_str());
    }
    return m_tooltipTexts.GetAt(static_cast<int>(toolId - 1));
}

bool CListBoxExBuddy::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_CREATE:
        CreateTooltips();
        *result = Default();
        return true;
    case WM_SIZE:
        LayOut(LOWORD(static_cast<uint64_t>(lParam)), HIWORD(static_cast<uint64_t>(lParam)));
        *result = Default();
        return true;
    case WM_PAINT:
        // Drawn entirely here; the placeholder button's own painting never runs.
        OnPaint();
        *result = 0;
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        // A disabled window takes no mouse input.
        if (IsWindowEnabled()) {
            if (message == WM_MOUSEMOVE)
                OnMouseMove(point);
            else if (message == WM_LBUTTONUP)
                OnLButtonUp(point);
            else
                OnLButtonDown(point); // the second press of a double click comes as the double click
        }
        *result = 0;
        return true;
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<UINT>(wParam))) {
            *result = 0;
            return true;
        }
        break;
    case WM_SETFOCUS:
        if (m_hotIndex >= m_buttonCount)
            SetHotButton(0);
        *result = Default();
        return true;
    case WM_KILLFOCUS:
        SetHotButton(m_buttonCount);
        *result = Default();
        return true;
    case WM_NCMOUSEMOVE:
    case WM_MOUSELEAVE:
        SetHotButton(m_buttonCount);
        *result = Default();
        return true;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->code == TTN_NEEDTEXT) {
            OnNeedText(reinterpret_cast<NMTTDISPINFOA*>(lParam));
            *result = 0;
            return true;
        }
        break;
    }
    default:
        break;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

void CListBoxExBuddy::OnPaint()
{
    QWidget* client = clientWidget();
    CRect rect;
    GetClientRect(&rect);
    const int width = rect.Width();
    const int height = rect.Height();
    if (!client || width <= 0 || height <= 0)
        return;
    const QColor face = GetSysColor(COLOR_BTNFACE);

    const qreal ratio = client->devicePixelRatioF();
    QPixmap buffer(QSize(width, height) * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        painter.fillRect(0, 0, width, height, face);
        painter.setFont(QApplication::font());
        painter.setPen(GetSysColor(COLOR_WINDOWTEXT));
        painter.drawText(QRect(0, 0, width, height),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, GetWindowText().ToQString());
        // After the caption, so that a long caption goes under the image.
        if (!m_image.isNull())
            painter.drawPixmap(
                width - 2 - m_imageWidth, (height - ButtonHeight) / 2, m_image, 0, 0, m_imageWidth, ButtonHeight);
    }

    // Shifted 2 pixels right: the caption starts at x = 2 and the image ends
    // flush with the right edge, over the button cells.
    QPainter painter(client);
    painter.fillRect(0, 0, 2, height, face);
    painter.drawPixmap(2, 0, buffer);
    // The edge frames the cell where the button is hit, on the shifted image.
    if (m_hotIndex < m_buttonCount)
        DrawEdge(painter, m_buttonRects[m_hotIndex], m_pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
}

void CListBoxExBuddy::OnMouseMove(CPoint point)
{
    // While a button is held down it stays the hot one.
    if (!m_pressed)
        SetHotButton(ButtonFromPoint(point));
}

void CListBoxExBuddy::OnLButtonDown(CPoint point)
{
    SetCapture();
    const UINT button = ButtonFromPoint(point);
    SetHotButton(button);
    if (button < m_buttonCount) {
        m_pressed = TRUE;
        InvalidateButton(button);
        UpdateWindow();
    }
}

void CListBoxExBuddy::OnLButtonUp(CPoint point)
{
    const UINT button = ButtonFromPoint(point);
    // Only a press that began on this same button makes a click.
    const bool clicked = m_pressed && button < m_buttonCount && button == m_hotIndex;
    // The strip is back to rest before the command runs: a command may show a
    // modal box, which must not find the mouse captured here, or may rebuild
    // the form.
    m_pressed = FALSE;
    m_hotIndex = button;
    Invalidate();
    UpdateWindow();
    ReleaseCapture();
    if (clicked)
        RunCommand(button);
}

bool CListBoxExBuddy::OnKeyDown(UINT key)
{
    // Left and Right choose the hot button, Space or Return presses it.
    if (m_buttonCount == 0)
        return false;
    switch (key) {
    case VK_LEFT:
        SetHotButton(m_hotIndex < m_buttonCount && m_hotIndex > 0 ? m_hotIndex - 1 : 0);
        return true;
    case VK_RIGHT:
        SetHotButton(m_hotIndex + 1 < m_buttonCount ? m_hotIndex + 1 : m_buttonCount - 1);
        return true;
    case VK_SPACE:
    case VK_RETURN:
        PressButton(m_hotIndex < m_buttonCount ? m_hotIndex : 0);
        return true;
    default:
        return false;
    }
}

CRect CListBoxExBuddy::GetButtonRect(UINT index) const
{
    return index < m_buttonRects.size() ? m_buttonRects[index] : CRect();
}

void CListBoxExBuddy::PressButton(UINT index)
{
    if (IsWindowEnabled() && index < m_buttonCount)
        RunCommand(index);
}

void CListBoxExBuddy::RunCommand(UINT button)
{
    auto* view = dynamic_cast<IListBoxExParent*>(GetParent());
    try {
        // However the button was pressed (an assistive tool's press leaves the
        // focus where it was), an open edit ends before the command reads rows.
        if (view)
            view->EndOpenEdits();
        if (!m_list) {
            if (view)
                view->OnStripButton(*this, button);
            return;
        }
        // A three-button strip has no append button: its buttons are the
        // list's commands 1 to 3 (remove, up, down).
        m_list->ButtonStripCommand(static_cast<int>(m_buttonCount == 3 ? button + 1 : button));
    } catch (const std::exception& error) {
        ReportError(error.what());
    }
}

void CListBoxExBuddy::OnNeedText(NMTTDISPINFOA* info)
{
    info->szText[0] = '\0';
    info->lpszText = info->szText;
    try {
        const CString text = GetTooltipText(info->hdr.idFrom);
        std::snprintf(info->szText, sizeof(info->szText), "%s", text.GetString());
    } catch (const CInvalidArgException& error) {
        ReportError(error.what());
    }
}

void CListBoxExBuddy::ReportError(const char* what)
{
    CWnd* parent = GetParent();
    MessageBox(parent ? parent->GetSafeHwnd() : GetSafeHwnd(), what, "Profile Editor", MB_OK | MB_ICONEXCLAMATION);
}
