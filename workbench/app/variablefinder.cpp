#include "workbench/app/variablefinder.h"

#include "workbench/app/variablepathmime.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The finder's list: its rows drag out as variable paths.
class FinderList final : public QListWidget {
public:
    using QListWidget::QListWidget;

    QStringList mimeTypes() const override { return {VariablePathMimeType()}; }

protected:
    // Copy only: a target that asked to move would have the rows removed.
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override
    {
        QList<QListWidgetItem*> ordered = items;
        std::sort(
            ordered.begin(), ordered.end(), [this](QListWidgetItem* a, QListWidgetItem* b) { return row(a) < row(b); });
        CStringArray paths;
        for (const QListWidgetItem* item : ordered)
            paths.Add(CString::FromQString(item->text()));
        return paths.IsEmpty() ? nullptr : MakeVariablePathMimeData(paths);
    }
};

} // namespace

VariableFinder::VariableFinder(QWidget* parent)
    : QWidget(parent), m_filter(new QLineEdit(this)), m_list(new FinderList(this))
{
    setObjectName(QStringLiteral("variableFinder"));
    m_filter->setObjectName(QStringLiteral("variableFinderFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter variables"));
    m_filter->setClearButtonEnabled(true);
    m_list->setObjectName(QStringLiteral("variableFinderList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setDragEnabled(true);
    m_list->setDragDropMode(QAbstractItemView::DragOnly);
    m_list->setUniformItemSizes(true);

    auto* label = new QLabel(QStringLiteral("&Find:"), this);
    label->setBuddy(m_filter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label);
    layout->addWidget(m_filter);
    layout->addWidget(m_list);

    connect(m_filter, &QLineEdit::textChanged, this, &VariableFinder::ApplyFilter);
}

void VariableFinder::SetModel(const WorkbenchModel& model)
{
    m_list->clear();
    QStringList paths;
    for (const ModelBlock& block : model.blocks) {
        for (const HostModel::Variable& variable : block.variables)
            paths << (block.path + "." + WholeVariableName(variable)).ToQString();
    }
    m_list->addItems(paths);
    ApplyFilter(m_filter->text());
}

void VariableFinder::SetFilter(const QString& text)
{
    m_filter->setText(text);
    ApplyFilter(text); // also when the text did not change
    m_filter->setFocus();
}

QString VariableFinder::filter() const
{
    return m_filter->text();
}

QStringList VariableFinder::VisiblePaths() const
{
    QStringList paths;
    for (int row = 0; row < m_list->count(); ++row) {
        if (!m_list->item(row)->isHidden())
            paths << m_list->item(row)->text();
    }
    return paths;
}

void VariableFinder::ApplyFilter(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        item->setHidden(!wanted.isEmpty() && !item->text().contains(wanted, Qt::CaseInsensitive));
    }
}
