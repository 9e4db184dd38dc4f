#include "workbench/app/modelbrowser.h"

#include "workbench/app/variablepathmime.h"

#include "host/interfaces/modelvariable.h"

#include <QHeaderView>

#include <algorithm>
#include <tuple>

namespace {

enum Role {
    PathRole = Qt::UserRole, // the full path to drag; empty for blocks
    BlockRole, // index of the block in the model
    VariableRole, // index of the variable in its block; -1 for blocks
    ElementRole, // index of the element; -1 for blocks and variables
    ListedRole, // an array item's elements are listed
};

QString SizeText(const HostModel::Variable& variable)
{
    if (variable.extents.empty())
        return QStringLiteral("scalar");
    QStringList extents;
    for (UINT extent : variable.extents)
        extents << QString::number(extent);
    return extents.join(QStringLiteral(" \u00d7 "));
}

uint64_t ElementCount(const HostModel::Variable& variable)
{
    uint64_t count = 1;
    for (UINT extent : variable.extents)
        count = std::min<uint64_t>(count * extent, uint64_t(1) << 40);
    return count;
}

// "2,1" for the element at `index` in row-major order (last subscript fastest).
std::string Subscripts(const std::vector<UINT>& extents, uint64_t index)
{
    std::vector<uint64_t> values(extents.size());
    for (size_t k = extents.size(); k-- > 0;) {
        values[k] = index % extents[k] + 1;
        index /= extents[k];
    }
    std::string text;
    for (size_t k = 0; k < values.size(); ++k)
        text += (k == 0 ? "" : ",") + std::to_string(values[k]);
    return text;
}

std::tuple<int, int, int> TreePosition(const QTreeWidgetItem* item)
{
    return {item->data(0, BlockRole).toInt(), item->data(0, VariableRole).toInt(), item->data(0, ElementRole).toInt()};
}

} // namespace

ModelBrowser::ModelBrowser(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("modelBrowser"));
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size")});
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemExpanded, this, &ModelBrowser::ListElements);
}

void ModelBrowser::SetModel(const WorkbenchModel& model)
{
    m_model = model;
    clear();
    QList<QTreeWidgetItem*> blocks;
    for (size_t b = 0; b < m_model.blocks.size(); ++b) {
        const ModelBlock& block = m_model.blocks[b];
        auto* blockItem = new QTreeWidgetItem({block.path.ToQString(), QString()});
        blockItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        blockItem->setData(0, BlockRole, static_cast<int>(b));
        blockItem->setData(0, VariableRole, -1);
        blockItem->setData(0, ElementRole, -1);
        for (size_t v = 0; v < block.variables.size(); ++v) {
            const HostModel::Variable& variable = block.variables[v];
            auto* item = new QTreeWidgetItem(blockItem, {variable.name.ToQString(), SizeText(variable)});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
            item->setData(0, PathRole, (block.path + "." + WholeVariableName(variable)).ToQString());
            item->setData(0, BlockRole, static_cast<int>(b));
            item->setData(0, VariableRole, static_cast<int>(v));
            item->setData(0, ElementRole, -1);
            QString tip = item->data(0, PathRole).toString();
            if (variable.attributes & ModelVariableWidenableAttribute)
                tip += QStringLiteral("\nA single element dropped alone may stand for the whole array.");
            item->setToolTip(0, tip);
            if (!variable.extents.empty())
                item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        }
        blocks.append(blockItem);
    }
    addTopLevelItems(blocks);
    for (QTreeWidgetItem* blockItem : blocks)
        blockItem->setExpanded(true);
}

void ModelBrowser::ListElements(QTreeWidgetItem* item)
{
    const int v = item->data(0, VariableRole).toInt();
    if (v < 0 || item->data(0, ElementRole).toInt() >= 0 || item->data(0, ListedRole).toBool())
        return;
    item->setData(0, ListedRole, true);
    const ModelBlock& block = m_model.blocks.at(static_cast<size_t>(item->data(0, BlockRole).toInt()));
    const HostModel::Variable& variable = block.variables.at(static_cast<size_t>(v));
    if (variable.extents.empty())
        return;
    const uint64_t count = ElementCount(variable);
    const uint64_t listed = std::min<uint64_t>(count, MaxListedElements);
    QList<QTreeWidgetItem*> elements;
    elements.reserve(static_cast<qsizetype>(listed) + 1);
    for (uint64_t e = 0; e < listed; ++e) {
        const QString name = variable.name.ToQString() + QLatin1Char('(')
            + QString::fromStdString(Subscripts(variable.extents, e)) + QLatin1Char(')');
        auto* element = new QTreeWidgetItem({name, QString()});
        element->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        element->setData(0, PathRole, block.path.ToQString() + QLatin1Char('.') + name);
        element->setData(0, BlockRole, item->data(0, BlockRole));
        element->setData(0, VariableRole, v);
        element->setData(0, ElementRole, static_cast<int>(e));
        elements.append(element);
    }
    if (listed < count) {
        auto* more = new QTreeWidgetItem(
            {QStringLiteral("\u2026 %1 more (drag the variable for all)").arg(count - listed), QString()});
        more->setFlags(Qt::ItemIsEnabled);
        more->setData(0, BlockRole, item->data(0, BlockRole));
        more->setData(0, VariableRole, v);
        more->setData(0, ElementRole, static_cast<int>(listed));
        elements.append(more);
    }
    item->addChildren(elements);
}

CStringArray ModelBrowser::PathsOf(QList<QTreeWidgetItem*> items) const
{
    // Selection order is the order of clicks; the drop should see tree order.
    std::sort(items.begin(), items.end(),
        [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return TreePosition(a) < TreePosition(b); });
    CStringArray paths;
    for (const QTreeWidgetItem* item : items) {
        const QString path = item->data(0, PathRole).toString();
        if (!path.isEmpty())
            paths.Add(CString::FromQString(path));
    }
    return paths;
}

CStringArray ModelBrowser::SelectedPaths() const
{
    return PathsOf(selectedItems());
}

QTreeWidgetItem* ModelBrowser::FindPath(const QString& path) const
{
    for (int b = 0; b < topLevelItemCount(); ++b) {
        QTreeWidgetItem* blockItem = topLevelItem(b);
        if (blockItem->text(0).compare(path, Qt::CaseInsensitive) == 0)
            return blockItem;
        if (!path.startsWith(blockItem->text(0) + QLatin1Char('.'), Qt::CaseInsensitive))
            continue;
        for (int v = 0; v < blockItem->childCount(); ++v) {
            QTreeWidgetItem* variableItem = blockItem->child(v);
            const QString plainPath = blockItem->text(0) + QLatin1Char('.') + variableItem->text(0);
            if (variableItem->data(0, PathRole).toString().compare(path, Qt::CaseInsensitive) == 0
                || plainPath.compare(path, Qt::CaseInsensitive) == 0)
                return variableItem;
            for (int e = 0; e < variableItem->childCount(); ++e) {
                if (variableItem->child(e)->data(0, PathRole).toString().compare(path, Qt::CaseInsensitive) == 0)
                    return variableItem->child(e);
            }
        }
    }
    return nullptr;
}

QStringList ModelBrowser::mimeTypes() const
{
    return {VariablePathMimeType()};
}

QMimeData* ModelBrowser::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    const CStringArray paths = PathsOf(items);
    if (paths.IsEmpty())
        return nullptr;
    return MakeVariablePathMimeData(paths);
}
