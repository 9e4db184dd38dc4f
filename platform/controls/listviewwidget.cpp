#include "platform/controls/listviewwidget.h"

#include "platform/controls/listctrl.h"
#include "platform/core/invalidarg.h"
#include "platform/core/logging.h"
#include "platform/docview/dialogtemplate.h"
#include "platform/windows/windowhook.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <exception>

namespace {

// The label editor: Enter accepts, Escape cancels, losing the focus accepts.
class InPlaceLabelEdit : public QLineEdit {
public:
    InPlaceLabelEdit(ListViewWidget* list, QWidget* parent) : QLineEdit(parent), m_list(list) { }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            m_list->EndLabelEdit(false);
            return;
        case Qt::Key_Escape:
            event->accept();
            m_list->EndLabelEdit(true);
            return;
        default:
            QLineEdit::keyPressEvent(event);
        }
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        // A context menu of the edit itself takes the focus only for a moment.
        if (event->reason() != Qt::PopupFocusReason)
            m_list->EndLabelEdit(false);
    }

private:
    ListViewWidget* m_list;
};

// Rows compare through the list's comparison of their parameters.
class ListViewItem : public QTreeWidgetItem {
public:
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const auto* list = static_cast<const ListViewWidget*>(treeWidget());
        return list && list->CompareRows(*this, other) < 0;
    }
};

Qt::Alignment AlignmentOf(int format)
{
    switch (format & 0x3) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QWidget* CreateListViewControl(QWidget* parent, const DialogControlTemplate& control)
{
    return new ListViewWidget(control.style, parent);
}

// Dialog templates make their list views as list view widgets.
[[maybe_unused]] const bool g_listViewFactoryRegistered = [] {
    RegisterDialogControlFactory(DialogControlKind::ListView, &CreateListViewControl);
    return true;
}();

} // namespace

ListViewWidget::ListViewWidget(DWORD style, QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(
        (style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection : QAbstractItemView::ExtendedSelection);
    // Dragging is reported as LVN_BEGINDRAG; enabling it only keeps a press on
    // a selected row from dropping the rest of the selection before a drag.
    setDragEnabled(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(!(style & LVS_NOSORTHEADER));
    if (style & WS_BORDER) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }

    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        NMLISTVIEW info;
        info.iItem = -1;
        info.iSubItem = column;
        Notify(info.hdr, LVN_COLUMNCLICK);
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this](const QItemSelection& selected, const QItemSelection& deselected) {
            NotifySelectionChange(selected, deselected);
        });
    const auto invalidate = [this] { m_paramIndexValid = false; };
    connect(model(), &QAbstractItemModel::rowsInserted, this, invalidate);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, invalidate);
    connect(model(), &QAbstractItemModel::layoutChanged, this, invalidate);
    connect(model(), &QAbstractItemModel::modelReset, this, invalidate);
    connect(model(), &QAbstractItemModel::dataChanged, this, invalidate);
}

ListViewWidget::~ListViewWidget()
{
    // The open edit goes first, silently: its focus loss must not reach a list
    // that is half destroyed.
    m_endingEdit = true;
    delete m_editor.data();
    // The tree widget's destructor clears its model, which would signal a list
    // view that no longer exists.
    disconnect(model(), nullptr, this, nullptr);
    disconnect(selectionModel(), nullptr, this, nullptr);
}

QByteArray ListViewWidget::CellText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(column, TextRole).toByteArray() : QByteArray();
}

void ListViewWidget::SetCellText(int row, int column, const QByteArray& text)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    item->setData(column, TextRole, text);
    item->setText(column, QString::fromLocal8Bit(text));
    item->setTextAlignment(column, AlignmentOf(ColumnFormat(column)));
}

int ListViewWidget::InsertRow(int row, const QByteArray& text)
{
    auto* item = new ListViewItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    item->setData(0, ParamRole, QVariant::fromValue<qlonglong>(0));
    for (int column = 0; column < columnCount(); ++column)
        item->setData(column, TextRole, QByteArray());
    insertTopLevelItem(row, item);
    SetCellText(row, 0, text);
    return row;
}

void ListViewWidget::RemoveRow(int row)
{
    if (m_editor && m_editIndex.isValid() && m_editIndex.row() == row)
        EndLabelEdit(true);
    const bool wasSilent = m_silent;
    m_silent = true;
    delete takeTopLevelItem(row);
    m_silent = wasSilent;
}

void ListViewWidget::RemoveAllRows()
{
    EndLabelEdit(true);
    const bool wasSilent = m_silent;
    m_silent = true;
    clear();
    m_silent = wasSilent;
}

void ListViewWidget::InsertColumn(int column, const QByteArray& heading, int format, int width)
{
    const int count = columnCount();
    QStringList headings;
    for (int c = 0; c < count; ++c)
        headings << headerItem()->text(c);
    headings.insert(column, QString::fromLocal8Bit(heading));
    setColumnCount(count + 1);
    setHeaderLabels(headings);
    headerItem()->setData(column, TextRole, heading);
    for (int c = count; c > column; --c)
        headerItem()->setData(c, TextRole, headerItem()->data(c - 1, TextRole));
    m_formats.insert(m_formats.begin() + column, format);
    for (int c = 0; c <= count; ++c)
        headerItem()->setTextAlignment(c, AlignmentOf(m_formats[static_cast<size_t>(c)]));
    // The cells right of the new column move one column on.
    for (int row = 0; row < topLevelItemCount(); ++row) {
        for (int c = count; c > column; --c)
            SetCellText(row, c, CellText(row, c - 1));
        SetCellText(row, column, QByteArray());
    }
    if (width >= 0)
        header()->resizeSection(column, width);
}

QByteArray ListViewWidget::ColumnHeading(int column) const
{
    return headerItem()->data(column, TextRole).toByteArray();
}

void ListViewWidget::SetColumnHeading(int column, const QByteArray& heading)
{
    headerItem()->setData(column, TextRole, heading);
    headerItem()->setText(column, QString::fromLocal8Bit(heading));
}

int ListViewWidget::ColumnFormat(int column) const
{
    return column >= 0 && column < static_cast<int>(m_formats.size()) ? m_formats[static_cast<size_t>(column)]
                                                                      : LVCFMT_LEFT;
}

void ListViewWidget::SetColumnFormat(int column, int format)
{
    if (column < 0 || column >= static_cast<int>(m_formats.size()))
        return;
    m_formats[static_cast<size_t>(column)] = format;
    headerItem()->setTextAlignment(column, AlignmentOf(format));
    for (int row = 0; row < topLevelItemCount(); ++row)
        topLevelItem(row)->setTextAlignment(column, AlignmentOf(format));
}

void ListViewWidget::RebuildParamIndex() const
{
    m_paramRows.clear();
    const int count = topLevelItemCount();
    for (int row = 0; row < count; ++row)
        m_paramRows[topLevelItem(row)->data(0, ParamRole).toLongLong()].push_back(row);
    m_paramIndexValid = true;
}

int ListViewWidget::FindParam(LPARAM param, int start) const
{
    if (!m_paramIndexValid)
        RebuildParamIndex();
    const auto found = m_paramRows.find(param);
    if (found == m_paramRows.end())
        return -1;
    const std::vector<int>& rows = found->second;
    const auto next = std::upper_bound(rows.begin(), rows.end(), start);
    return next == rows.end() ? -1 : *next;
}

int ListViewWidget::CompareRows(const QTreeWidgetItem& first, const QTreeWidgetItem& second) const
{
    if (!m_compare)
        return 0;
    try {
        return m_compare(first.data(0, ParamRole).toLongLong(), second.data(0, ParamRole).toLongLong(), m_sortData);
    } catch (const std::exception& error) {
        // Qt's sort cannot be left by an exception: the rows would stay half moved.
        if (m_sortFailure.empty())
            m_sortFailure = error.what();
        return 0;
    }
}

void ListViewWidget::SortByParams(CompareFn compare, LPARAM sortData)
{
    EndLabelEdit(false);
    m_compare = compare;
    m_sortData = sortData;
    m_sortFailure.clear();
    // The model sorts a list of the rows and moves them once at the end, so
    // rows keep their places (and parameters their rows) while comparing.
    sortItems(0, Qt::AscendingOrder);
    m_compare = nullptr;
    if (!m_sortFailure.empty()) {
        const std::string failure = "SortItems: the comparison failed: " + m_sortFailure;
        m_sortFailure.clear();
        qCWarning(lcPlatformControls, "%s", failure.c_str());
        AfxThrowInvalidArgException(failure.c_str());
    }
}

int ListViewWidget::HitTest(const QPoint& point, int* column, UINT* flags) const
{
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) {
        *column = 0;
        *flags = LVHT_NOWHERE;
        return -1;
    }
    *column = index.column();
    *flags = LVHT_ONITEMLABEL;
    return index.row();
}

QLineEdit* ListViewWidget::BeginLabelEdit(int row)
{
    EndLabelEdit(false);
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return nullptr;
    scrollToItem(item);
    // The edited row becomes the only selected row, as a click on it would.
    setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QModelIndex index = indexFromItem(item, 0);
    auto* editor = new InPlaceLabelEdit(this, viewport());
    editor->setText(QString::fromLocal8Bit(CellText(row, 0)));
    editor->selectAll();
    QRect rect = visualRect(index);
    rect.setWidth(std::max(rect.width(), 40));
    editor->setGeometry(rect);
    m_editor = editor;
    m_editIndex = index;
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    return editor;
}

void ListViewWidget::EndLabelEdit(bool cancelled)
{
    if (!m_editor || m_endingEdit)
        return;
    m_endingEdit = true;
    QPointer<QLineEdit> editor = m_editor;
    // The parent reads the edit while it handles the notification (and may
    // show a message box meanwhile, which takes the focus from the edit).
    if (m_editIndex.isValid()) {
        const int row = m_editIndex.row();
        QByteArray text = editor->text().toLocal8Bit();
        NMLVDISPINFO info;
        info.item.mask = LVIF_TEXT;
        info.item.iItem = row;
        info.item.pszText = cancelled ? nullptr : text.data();
        info.item.cchTextMax = static_cast<int>(text.size()) + 1;
        info.item.lParam = topLevelItem(row)->data(0, ParamRole).toLongLong();
        QPointer<ListViewWidget> self(this);
        const LRESULT accepted = Notify(info.hdr, LVN_ENDLABELEDIT);
        if (!self)
            return;
        if (accepted && !cancelled && m_editIndex.isValid())
            SetCellText(m_editIndex.row(), 0, text);
    }
    m_editor = nullptr;
    m_editIndex = QPersistentModelIndex();
    if (editor) {
        if (editor->hasFocus())
            setFocus(Qt::OtherFocusReason);
        editor->hide();
        editor->deleteLater();
    }
    m_endingEdit = false;
}

LRESULT ListViewWidget::Notify(NMHDR& header, UINT code)
{
    return SendNotifyRecord(this, header, code);
}

UINT ListViewWidget::StateOf(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return 0;
    UINT state = item->isSelected() ? LVIS_SELECTED : 0;
    if (currentItem() == item)
        state |= LVIS_FOCUSED;
    return state;
}

void ListViewWidget::NotifySelectionChange(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_silent)
        return;
    const auto notify = [this](const QItemSelection& rows, bool nowSelected) {
        for (const QItemSelectionRange& range : rows) {
            for (int row = range.top(); row <= range.bottom(); ++row) {
                NMLISTVIEW info;
                info.iItem = row;
                info.uChanged = LVIF_STATE;
                info.uNewState = StateOf(row);
                info.uOldState = nowSelected ? (info.uNewState & ~LVIS_SELECTED) : (info.uNewState | LVIS_SELECTED);
                if (const QTreeWidgetItem* item = topLevelItem(row))
                    info.lParam = item->data(0, ParamRole).toLongLong();
                Notify(info.hdr, LVN_ITEMCHANGED);
            }
        }
    };
    notify(deselected, false);
    notify(selected, true);
}

void ListViewWidget::NotifyItemActivate(UINT code, const QPoint& point)
{
    NMITEMACTIVATE info;
    UINT flags = 0;
    info.iItem = HitTest(point, &info.iSubItem, &flags);
    info.ptAction = POINT {point.x(), point.y()};
    if (info.iItem >= 0) {
        info.uNewState = info.uOldState = StateOf(info.iItem);
        info.lParam = topLevelItem(info.iItem)->data(0, ParamRole).toLongLong();
    }
    Notify(info.hdr, code);
}

void ListViewWidget::keyPressEvent(QKeyEvent* event)
{
    // Alt with a key belongs to the menu and the window's commands.
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore();
        return;
    }
    NMLVKEYDOWN info;
    info.wVKey = static_cast<WORD>(VirtualKeyFromQtKey(event->key()));
    QPointer<ListViewWidget> self(this);
    Notify(info.hdr, LVN_KEYDOWN);
    if (self)
        QTreeWidget::keyPressEvent(event);
}

void ListViewWidget::mousePressEvent(QMouseEvent* event)
{
    EndLabelEdit(false);
    m_pressPoint = event->position().toPoint();
    int column = 0;
    UINT flags = 0;
    m_pressRow = event->button() == Qt::LeftButton ? HitTest(m_pressPoint, &column, &flags) : -1;
    m_dragBegun = false;
    QTreeWidget::mousePressEvent(event);
}

void ListViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_pressRow < 0) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // A row pressed and dragged starts a drag once; the parent does the rest.
    if (!m_dragBegun
        && (event->position().toPoint() - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragBegun = true;
        NMLISTVIEW info;
        info.iItem = m_pressRow;
        info.ptAction = POINT {m_pressPoint.x(), m_pressPoint.y()};
        if (const QTreeWidgetItem* item = topLevelItem(m_pressRow))
            info.lParam = item->data(0, ParamRole).toLongLong();
        Notify(info.hdr, LVN_BEGINDRAG);
    }
    event->accept();
}

void ListViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dragged = m_dragBegun;
    m_pressRow = -1;
    m_dragBegun = false;
    if (dragged) {
        // The selection stays as the drag found it.
        setState(QAbstractItemView::NoState);
        event->accept();
        return;
    }
    QPointer<ListViewWidget> self(this);
    QTreeWidget::mouseReleaseEvent(event);
    if (!self)
        return;
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        NotifyItemActivate(NM_RCLICK, point);
    } else if (event->button() == Qt::LeftButton) {
        // The release that ends a double-click is not a click of its own.
        if (m_skipNextClick)
            m_skipNextClick = false;
        else
            NotifyItemActivate(NM_CLICK, point);
    }
}

void ListViewWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPointer<ListViewWidget> self(this);
    QTreeWidget::mouseDoubleClickEvent(event);
    if (!self || event->button() != Qt::LeftButton)
        return;
    m_skipNextClick = true;
    NotifyItemActivate(NM_DBLCLK, event->position().toPoint());
}

void ListViewWidget::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    NMHDR header {};
    Notify(header, NM_SETFOCUS);
}

void ListViewWidget::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    NMHDR header {};
    Notify(header, NM_KILLFOCUS);
}

void ListViewWidget::startDrag(Qt::DropActions /*supportedActions*/)
{
    // Drags are the parent's, started from LVN_BEGINDRAG.
}
