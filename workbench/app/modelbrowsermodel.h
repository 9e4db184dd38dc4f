#pragma once

// The model browser's items as a view over the host model: blocks, their
// variables and, under an array variable, its first elements. Nothing is
// stored per row; each index names its block, variable and element, and its
// text is made when the view asks for it, so that a model of millions of
// variables costs the browser nothing beyond the model itself.

#include "hostlib/hostmodel.h"

#include "platform/core/collections.h"

#include <QAbstractItemModel>

// `text` as a row shows it: a text of thousands of characters (a block path
// can be megabytes long) is cut in its middle, so that laying it out stays
// cheap; paths dragged and tooltips stay whole.
QString ShownText(const QString& text);

class ModelBrowserModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    // An array lists at most this many elements, then one row that says how
    // many more there are; the array as a whole can still be dragged.
    static constexpr int MaxListedElements = 1000;

    explicit ModelBrowserModel(QObject* parent = nullptr);

    void SetBlocks(const HostModel& blocks);

    // The row of the block, variable or listed element whose full path is
    // `path` ("Column", "Column.T", "Column.T(*)", "Column.T(3)"), ignoring
    // case; invalid when there is none.
    QModelIndex FindPath(const QString& path) const;
    // Full paths of the variables and elements among `indexes`, in tree
    // order, each once; blocks are left out.
    CStringArray PathsOf(const QModelIndexList& indexes) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // Copy only: a target that asked to move would have the rows removed.
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    // Where a row is: its block, variable (-1 for a block) and element (-1 for
    // a block or variable; MaxListedElements for the "more" row).
    struct Position {
        int64_t block = -1;
        int64_t variable = -1;
        int64_t element = -1;

        bool operator<(const Position& other) const;
    };

    Position PositionOf(const QModelIndex& index) const;
    uint64_t ElementCount(const HostModel::Block& block, size_t variable) const;
    QString ElementName(const HostModel::Block& block, size_t variable, uint64_t element) const;
    CString PathOf(const Position& position) const;

    HostModel m_blocks;
};
