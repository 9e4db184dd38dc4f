#include "platform/controls/listviewwidget.h"

#include "platform/controls/listctrl.h"
#include "platform/controls/listviewmodel.h"
#include "platform/core/invalidarg.h"
#include "platform/core/logging.h"
#include "platform/windows/dialogtemplate.h"
#include "platform/windows/windowhook.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <exception>
#include <string>

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

ListViewWidget::ListViewWidget(DWORD style, QWidget* parent) : QTreeView(parent), m_rows(new ListViewModel(this))
{
    setModel(m_rows);
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
}

ListViewWidget::~ListViewWidget()
{
    // The open edit goes first, silently: its focus loss must not reach a list
    // that is half destroyed.
    m_endingEdit = true;
    delete m_editor.data();
    // The selection model and the model go with this object's children,
    // after the list view is gone: no selection change may reach it then.
    disconnect(selectionModel(), nullptr, this, nullptr);
}

int ListViewWidget::RowCount() const
{
    return m_rows->RowCount();
}

int ListViewWidget::ColumnCount() const
{
    return m_rows->ColumnCount();
}

QByteArray ListViewWidget::CellText(int row, int column) const
{
    return m_rows->CellText(row, column);
}

void ListViewWidget::SetCellText(int row, int column, const QByteArray& text)
{
    m_rows->SetCellText(row, column, text);
}

LPARAM ListViewWidget::Param(int row) const
{
    return m_rows->Param(row);
}

void ListViewWidget::SetParam(int row, LPARAM param)
{
    m_rows->SetParam(row, param);
}

int ListViewWidget::InsertRow(int row, const QByteArray& text)
{
    m_rows->InsertRow(row, text);
    return row;
}

void ListViewWidget::RemoveRow(int row)
{
    if (m_editor && m_editIndex.isValid() && m_editIndex.row() == row)
        EndLabelEdit(true);
    const bool wasSilent = m_silent;
    m_silent = true;
    m_rows->RemoveRow(row);
    m_silent = wasSilent;
}

void ListViewWidget::RemoveRows(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty())
        return;
    // A single-selection list moves its selection with its focus: a handful of
    // rows at most, removed as one by one.
    if (selectionMode() == QAbstractItemView::SingleSelection) {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            RemoveRow(*row);
        return;
    }
    if (m_editor && m_editIndex.isValid() && std::binary_search(rows.begin(), rows.end(), m_editIndex.row()))
        EndLabelEdit(true);
    // The focus of a removed row moves as removing the rows one by one, from
    // the last, would move it.
    const int current = currentIndex().row();
    int focus = -1;
    const auto currentGone = std::lower_bound(rows.begin(), rows.end(), current);
    if (current >= 0 && currentGone != rows.end() && *currentGone == current) {
        // The run of removed rows around the current one ends at `above` and `below`.
        int above = current - 1;
        for (auto gone = currentGone; gone != rows.begin() && *(gone - 1) == above; --gone)
            --above;
        int below = current + 1;
        for (auto gone = currentGone + 1; gone != rows.end() && *gone == below; ++gone)
            ++below;
        focus = above >= 0 ? above : (below < RowCount() ? below : -1);
    }
    const bool wasSilent = m_silent;
    m_silent = true;
    m_rows->RemoveRows(rows);
    if (focus >= 0) {
        const int newRow = focus - static_cast<int>(std::lower_bound(rows.begin(), rows.end(), focus) - rows.begin());
        selectionModel()->setCurrentIndex(m_rows->index(newRow, 0), QItemSelectionModel::NoUpdate);
    }
    m_silent = wasSilent;
}

void ListViewWidget::RemoveAllRows()
{
    EndLabelEdit(true);
    const bool wasSilent = m_silent;
    m_silent = true;
    m_rows->RemoveAllRows();
    m_silent = wasSilent;
}

void ListViewWidget::InsertColumn(int column, const QByteArray& heading, int format, int width)
{
    m_rows->InsertColumn(column, heading, format);
    if (width >= 0)
        header()->resizeSection(column, width);
}

QByteArray ListViewWidget::ColumnHeading(int column) const
{
    return m_rows->ColumnHeading(column);
}

void ListViewWidget::SetColumnHeading(int column, const QByteArray& heading)
{
    m_rows->SetColumnHeading(column, heading);
}

int ListViewWidget::ColumnFormat(int column) const
{
    return m_rows->ColumnFormat(column);
}

void ListViewWidget::SetColumnFormat(int column, int format)
{
    if (column < 0 || column >= ColumnCount())
        return;
    m_rows->SetColumnFormat(column, format);
}

UINT ListViewWidget::StateOf(int row) const
{
    if (row < 0 || row >= RowCount())
        return 0;
    UINT state = m_rows->IsSelected(row) ? LVIS_SELECTED : 0;
    if (currentIndex().row() == row)
        state |= LVIS_FOCUSED;
    return state;
}

void ListViewWidget::SetSelected(int row, bool selected)
{
    selectionModel()->select(m_rows->index(row, 0),
        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | QItemSelectionModel::Rows);
}

void ListViewWidget::SetFocused(int row, bool focused)
{
    if (focused)
        selectionModel()->setCurrentIndex(m_rows->index(row, 0), QItemSelectionModel::NoUpdate);
    else if (currentIndex().row() == row)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

int ListViewWidget::SelectedCount() const
{
    return m_rows->SelectedCount();
}

int ListViewWidget::FindParam(LPARAM param, int start) const
{
    return m_rows->FindParam(param, start);
}

void ListViewWidget::SortByParams(CompareFn compare, LPARAM sortData)
{
    EndLabelEdit(false);
    std::string failure;
    // The rows move once, after the last comparison, so rows keep their
    // places (and parameters their rows) while comparing.
    m_rows->SortByParams([&](LPARAM first, LPARAM second) {
        try {
            return compare(first, second, sortData) < 0;
        } catch (const std::exception& error) {
            // The sort cannot be left by an exception: the rows would stay half moved.
            if (failure.empty())
                failure = error.what();
            return false;
        }
    });
    if (!failure.empty()) {
        failure = "SortItems: the comparison failed: " + failure;
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
    if (row < 0 || row >= RowCount())
        return nullptr;
    const QModelIndex index = m_rows->index(row, 0);
    scrollTo(index);
    // The edited row becomes the only selected row, as a click on it would.
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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
        info.item.lParam = Param(row);
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

void ListViewWidget::NotifySelectionChange(const QItemSelection& selected, const QItemSelection& deselected)
{
    // The rows keep their selection themselves, so that reading a row's state
    // costs no search through the selection's ranges.
    const auto mark = [this](const QItemSelection& rows, bool nowSelected) {
        for (const QItemSelectionRange& range : rows) {
            for (int row = range.top(); row <= range.bottom() && row < RowCount(); ++row)
                m_rows->SetSelected(row, nowSelected);
        }
    };
    mark(deselected, false);
    mark(selected, true);
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
                if (row < RowCount())
                    info.lParam = Param(row);
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
        info.lParam = Param(info.iItem);
    }
    Notify(info.hdr, code);
}

void ListViewWidget::rowsInserted(const QModelIndex& parent, int start, int end)
{
    // While hidden, the base view restarts a timer for every row added, to
    // fetch rows that this model never holds back; the rows only need the
    // layout that is redone once anyway.
    if (!isVisible()) {
        scheduleDelayedItemsLayout();
        return;
    }
    QTreeView::rowsInserted(parent, start, end);
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
        QTreeView::keyPressEvent(event);
}

void ListViewWidget::mousePressEvent(QMouseEvent* event)
{
    EndLabelEdit(false);
    m_pressPoint = event->position().toPoint();
    int column = 0;
    UINT flags = 0;
    m_pressRow = event->button() == Qt::LeftButton ? HitTest(m_pressPoint, &column, &flags) : -1;
    m_dragBegun = false;
    QTreeView::mousePressEvent(event);
}

void ListViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_pressRow < 0) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    // A row pressed and dragged starts a drag once; the parent does the rest.
    if (!m_dragBegun
        && (event->position().toPoint() - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragBegun = true;
        NMLISTVIEW info;
        info.iItem = m_pressRow;
        info.ptAction = POINT {m_pressPoint.x(), m_pressPoint.y()};
        if (m_pressRow < RowCount())
            info.lParam = Param(m_pressRow);
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
    QTreeView::mouseReleaseEvent(event);
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
    QTreeView::mouseDoubleClickEvent(event);
    if (!self || event->button() != Qt::LeftButton)
        return;
    m_skipNextClick = true;
    NotifyItemActivate(NM_DBLCLK, event->position().toPoint());
}

void ListViewWidget::focusInEvent(QFocusEvent* event)
{
    QTreeView::focusInEvent(event);
    NMHDR header {};
    Notify(header, NM_SETFOCUS);
}

void ListViewWidget::focusOutEvent(QFocusEvent* event)
{
    QTreeView::focusOutEvent(event);
    NMHDR header {};
    Notify(header, NM_KILLFOCUS);
}

void ListViewWidget::startDrag(Qt::DropActions /*supportedActions*/)
{
    // Drags are the parent's, started from LVN_BEGINDRAG.
}
