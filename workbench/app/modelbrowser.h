#pragma once

// The model browser: a tree of the model's blocks, their variables and, when
// an array variable is expanded, its elements. Variables and elements are
// dragged out as full paths ("Column.T(3)", "Column.T(*)" for the whole array)
// in "Lumen Variable Path Format".

#include "workbench/app/workbenchmodel.h"

#include <QTreeWidget>

class ModelBrowser final : public QTreeWidget {
    Q_OBJECT

public:
    // An expanded array lists at most this many elements; the array as a whole
    // can still be dragged.
    static constexpr int MaxListedElements = 1000;

    explicit ModelBrowser(QWidget* parent = nullptr);

    void SetModel(const WorkbenchModel& model);

    // Full paths of the selected variables and elements, in tree order.
    CStringArray SelectedPaths() const;
    // The item whose full path is `path` (blocks, variables, listed elements), or null.
    QTreeWidgetItem* FindPath(const QString& path) const;
    // What a drag of the selection carries; null when no variable is selected.
    QMimeData* MimeDataForSelection() const { return mimeData(selectedItems()); }

    QStringList mimeTypes() const override;

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    // Copy only: a target that asked to move would have the rows removed.
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

private:
    void ListElements(QTreeWidgetItem* variableItem);
    CStringArray PathsOf(QList<QTreeWidgetItem*> items) const;

    WorkbenchModel m_model;
};
