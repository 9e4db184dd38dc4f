#pragma once

// The variable finder's rows as a view over the host model: every variable as
// a whole ("Column.T(*)"), narrowed by a filter text. The rows the filter lets
// through are kept as runs of neighbouring variables of one block, so that
// the unfiltered list of millions of variables costs one run per block.

#include "hostlib/hostmodel.h"

#include <QAbstractListModel>

#include <vector>

class VariableFinderModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit VariableFinderModel(QObject* parent = nullptr);

    void SetBlocks(const HostModel& blocks);
    // Keeps the variables whose full path holds `text` (trimmed; case
    // ignored); all of them for an empty text.
    void SetFilter(const QString& text);

    // The full path of row `row`.
    QString PathAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    // The rows' paths in row order.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // Copy only: a target that asked to move would have the rows removed.
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    struct Run {
        size_t block;
        size_t first; // the first variable of the run in its block
        size_t firstRow; // the run's first row
        size_t count;
    };

    void Refill();

    HostModel m_blocks;
    QString m_filter;
    std::vector<Run> m_runs;
    size_t m_rows = 0;
};
