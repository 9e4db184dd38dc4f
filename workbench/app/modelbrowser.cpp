#include "workbench/app/modelbrowser.h"

#include <QHeaderView>

ModelBrowser::ModelBrowser(QWidget* parent) : QTreeView(parent), m_model(new ModelBrowserModel(this))
{
    setObjectName(QStringLiteral("modelBrowser"));
    setModel(m_model);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setUniformRowHeights(true);
}

void ModelBrowser::SetModel(const WorkbenchModel& model)
{
    m_model->SetBlocks(model.blocks);
    if (model.blocks.variableCount() <= ExpandedVariableLimit)
        expandToDepth(0);
}

CStringArray ModelBrowser::SelectedPaths() const
{
    return m_model->PathsOf(selectionModel()->selectedIndexes());
}

QMimeData* ModelBrowser::MimeDataForSelection() const
{
    return m_model->mimeData(selectionModel()->selectedIndexes());
}
