#include "platform/controls/listboxwidget.h"

#include "platform/controls/listbox.h"
#include "platform/core/logging.h"
#include "platform/windows/dialogtemplate.h"
#include "platform/windows/wnd.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <exception>

namespace {

// The client area of a list box. The list's window hook receives the
// viewport's input and paint events and runs their default handling by calling
// event() directly, which passes by the scroll area's own viewport filter; this
// viewport hands those events to the list view, so that the default handling
// is the list's own.
class ListBoxViewport : public QWidget {
public:
    explicit ListBoxViewport(ListBoxWidget* list) : QWidget(list), m_list(list) { }

protected:
    bool event(QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Paint:
            return m_list->DeliverViewportEvent(event);
        default:
            return QWidget::event(event);
        }
    }

private:
    ListBoxWidget* m_list;
};

// Rows are drawn by the list box object when it draws its own rows.
class ListBoxDelegate : public QStyledItemDelegate {
public:
    explicit ListBoxDelegate(ListBoxWidget* list) : QStyledItemDelegate(list), m_list(list) { }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        CListBox* owner = m_list->OwnerDrawList();
        if (!owner) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        DRAWITEMSTRUCT item;
        item.CtlID = static_cast<UINT>(CWnd::GetDlgCtrlID(m_list));
        item.itemID = static_cast<UINT>(index.row());
        item.itemAction = ODA_DRAWENTIRE;
        if (option.state & QStyle::State_Selected)
            item.itemState |= ODS_SELECTED;
        if (option.state & QStyle::State_HasFocus)
            item.itemState |= ODS_FOCUS;
        if (!(option.state & QStyle::State_Enabled))
            item.itemState |= ODS_DISABLED;
        item.hwndItem = m_list;
        item.hDC = painter;
        const QRect& r = option.rect;
        item.rcItem = RECT {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        item.itemData = index.data(ListBoxWidget::ItemDataRole).toULongLong();
        painter->save();
        try {
            owner->DrawItem(&item);
        } catch (const std::exception& error) {
            // A row that cannot be drawn stays blank; painting goes on.
            qCWarning(lcPlatformControls, "List %d: row %d could not be drawn: %s", CWnd::GetDlgCtrlID(m_list),
                index.row(), error.what());
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_list->RowHeight());
    }

private:
    ListBoxWidget* m_list;
};

QAbstractItemView::SelectionMode SelectionModeOf(DWORD style)
{
    if (style & LBS_NOSEL)
        return QAbstractItemView::NoSelection;
    if (style & LBS_EXTENDEDSEL)
        return QAbstractItemView::ExtendedSelection;
    if (style & LBS_MULTIPLESEL)
        return QAbstractItemView::MultiSelection;
    return QAbstractItemView::SingleSelection;
}

QWidget* CreateListBoxControl(QWidget* parent, const DialogControlTemplate& control)
{
    return new ListBoxWidget(control.style, control.exStyle, parent);
}

// Dialog templates make their list boxes as list box widgets.
[[maybe_unused]] const bool g_listBoxFactoryRegistered = [] {
    RegisterDialogControlFactory(DialogControlKind::ListBox, &CreateListBoxControl);
    return true;
}();

} // namespace

// Counts the input handlers running; when the outermost ends and the user
// changed the selection meanwhile, the parent is told once.
class ListBoxWidget::UserInput {
public:
    explicit UserInput(ListBoxWidget* list) : m_list(list) { ++m_list->m_userInputDepth; }
    ~UserInput()
    {
        if (--m_list->m_userInputDepth == 0 && m_list->m_userChangedSelection) {
            m_list->m_userChangedSelection = false;
            m_list->NotifyParent(LBN_SELCHANGE);
        }
    }
    UserInput(const UserInput&) = delete;
    UserInput& operator=(const UserInput&) = delete;

private:
    ListBoxWidget* m_list;
};

ListBoxWidget::ListBoxWidget(DWORD style, DWORD exStyle, QWidget* parent) : QListWidget(parent)
{
    setViewport(new ListBoxViewport(this));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setItemDelegate(new ListBoxDelegate(this));
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setTextElideMode(Qt::ElideNone);
    setSelectionMode(SelectionModeOf(style));
    ApplyStyle(style, exStyle);
    CWnd::InitStyle(this, style, exStyle);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_userInputDepth > 0)
            m_userChangedSelection = true;
    });
}

void ListBoxWidget::ApplyStyle(DWORD style, DWORD exStyle)
{
    Qt::ScrollBarPolicy vertical = Qt::ScrollBarAlwaysOff;
    if (style & WS_VSCROLL)
        vertical = (style & LBS_DISABLENOSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    setVerticalScrollBarPolicy(vertical);
    setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (exStyle & WS_EX_CLIENTEDGE) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    } else if (style & WS_BORDER) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

CListBox* ListBoxWidget::OwnerDrawList() const
{
    auto* list = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(const_cast<ListBoxWidget*>(this)));
    if (list && (list->GetStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        return list;
    return nullptr;
}

int ListBoxWidget::RowHeight() const
{
    const int fontHeight = fontMetrics().height();
    CListBox* owner = OwnerDrawList();
    if (!owner)
        return fontHeight;
    MEASUREITEMSTRUCT measure;
    measure.CtlID = static_cast<UINT>(CWnd::GetDlgCtrlID(this));
    measure.itemWidth = static_cast<UINT>(viewport()->width());
    measure.itemHeight = static_cast<UINT>(fontHeight);
    owner->MeasureItem(&measure);
    return std::max(1, static_cast<int>(measure.itemHeight));
}

void ListBoxWidget::InvertHalftoneRect(const QRect& rect)
{
    if (rect.isEmpty())
        return;
    const QRect content = rect.translated(0, verticalOffset());
    // Exclusive-or twice is nothing: a second inversion of the same rectangle
    // takes the first away.
    const auto same = std::find(m_inverted.begin(), m_inverted.end(), content);
    if (same != m_inverted.end())
        m_inverted.erase(same);
    else
        m_inverted.push_back(content);
    viewport()->update(rect);
}

int ListBoxWidget::TopIndex() const
{
    const QModelIndex top = indexAt(QPoint(0, 0));
    return top.isValid() ? top.row() : 0;
}

void ListBoxWidget::SetTopIndex(int index)
{
    if (QListWidgetItem* row = item(index))
        scrollToItem(row, QAbstractItemView::PositionAtTop);
}

void ListBoxWidget::ScrollRows(int rows)
{
    // Scrolling is by rows, so a step of the bar is one row.
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + rows * bar->singleStep());
}

void ListBoxWidget::paintEvent(QPaintEvent* event)
{
    // Rows added or taken away lay out later; a paint before that would show
    // the rows where they were.
    executeDelayedItemsLayout();
    QListWidget::paintEvent(event);
    if (m_inverted.empty())
        return;
    QPainter painter(viewport());
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const int offset = verticalOffset();
    painter.setBrushOrigin(0, -offset);
    const QBrush halftone(Qt::white, Qt::Dense4Pattern);
    for (const QRect& rect : m_inverted)
        painter.fillRect(rect.translated(0, -offset), halftone);
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    UserInput input(this);
    QListWidget::mousePressEvent(event);
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event)
{
    UserInput input(this);
    QListWidget::mouseMoveEvent(event);
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    UserInput input(this);
    QListWidget::mouseReleaseEvent(event);
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    {
        UserInput input(this);
        QListWidget::mouseDoubleClickEvent(event);
    }
    NotifyParent(LBN_DBLCLK);
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    // Alt with a key belongs to the menu and to the window's own commands; a
    // list box does not move its selection for it.
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore();
        return;
    }
    UserInput input(this);
    QListWidget::keyPressEvent(event);
}

void ListBoxWidget::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    NotifyParent(LBN_SETFOCUS);
}

void ListBoxWidget::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    NotifyParent(LBN_KILLFOCUS);
}

void ListBoxWidget::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        doItemsLayout();
}

void ListBoxWidget::NotifyParent(UINT code)
{
    if (!(CWnd::FromHandle(this)->GetStyle() & LBS_NOTIFY))
        return;
    ::SendMessage(parentWidget(), WM_COMMAND, MAKEWPARAM(CWnd::GetDlgCtrlID(this), static_cast<int>(code)),
        reinterpret_cast<LPARAM>(this));
}
