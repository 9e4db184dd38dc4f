#pragma once

// The model browser: a tree of the model's blocks, their variables and, when
// an array variable is expanded, its elements. Variables and elements are
// dragged out as full paths ("Column.T(3)", "Column.T(*)" for the whole array)
// in "Lumen Variable Path Format". The tree is a view over the host model
// (ModelBrowserModel): rows are made as they are shown.

#include "workbench/app/modelbrowsermodel.h"
#include "workbench/model/workbenchmodel.h"

#include <QTreeView>

class ModelBrowser final : public QTreeView {
    Q_OBJECT

public:
    // An expanded array lists at most this many elements; the array as a whole
    // can still be dragged.
    static constexpr int MaxListedElements = ModelBrowserModel::MaxListedElements;
    // Blocks start expanded when the model has at most this many variables;
    // a larger model opens with its blocks closed, so that the tree lays out
    // only what is opened.
    static constexpr int ExpandedVariableLimit = 100000;

    explicit ModelBrowser(QWidget* parent = nullptr);

    void SetModel(const WorkbenchModel& model);

    ModelBrowserModel* browserModel() const { return m_model; }
    // Full paths of the selected variables and elements, in tree order.
    CStringArray SelectedPaths() const;
    // The row whose full path is `path` (blocks, variables, listed elements), or an invalid index.
    QModelIndex FindPath(const QString& path) const { return m_model->FindPath(path); }
    // What a drag of the selection carries; null when no variable is selected.
    QMimeData* MimeDataForSelection() const;

private:
    ModelBrowserModel* m_model;
};
