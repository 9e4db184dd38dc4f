#include "workbench/app/variablefindermodel.h"

#include "workbench/app/modelbrowsermodel.h"
#include "workbench/app/variablepathmime.h"
#include "workbench/model/workbenchmodel.h"

#include "hostlib/hostmodel.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

// Whether `path` holds `wanted` ignoring case, as QString::contains does; ASCII
// texts are compared without making a QString of every path.
bool Contains(const std::string& path, const std::string& wanted, const QString& wantedText)
{
    if (!IsAscii(path) || !IsAscii(wanted))
        return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()))
            .contains(wantedText, Qt::CaseInsensitive);
    return std::search(path.begin(), path.end(), wanted.begin(), wanted.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    }) != path.end();
}

} // namespace

VariableFinderModel::VariableFinderModel(QObject* parent) : QAbstractListModel(parent)
{
}

void VariableFinderModel::SetBlocks(const HostModel& blocks)
{
    beginResetModel();
    m_blocks = blocks;
    Refill();
    endResetModel();
}

void VariableFinderModel::SetFilter(const QString& text)
{
    beginResetModel();
    m_filter = text.trimmed();
    Refill();
    endResetModel();
}

void VariableFinderModel::Refill()
{
    m_runs.clear();
    m_rows = 0;
    const std::string wanted = m_filter.toLocal8Bit().toStdString();
    const std::vector<HostModel::Block>& blocks = m_blocks.blocks();
    for (size_t b = 0; b < blocks.size(); ++b) {
        const HostModel::Block& block = blocks[b];
        // A match lies in the block's path (then every variable matches) or
        // ends after it, starting at most in its last characters: the path,
        // however long, is looked at once per block, not once per variable.
        const QString blockPath = block.path.ToQString();
        const bool everyVariable = m_filter.isEmpty() || blockPath.contains(m_filter, Qt::CaseInsensitive);
        const std::string edge
            = everyVariable ? std::string() : blockPath.right(m_filter.size() - 1).toLocal8Bit().toStdString() + ".";
        for (size_t v = 0; v < block.variableCount(); ++v) {
            if (!everyVariable && !Contains(edge + WholeVariableName(block, v), wanted, m_filter))
                continue;
            if (!m_runs.empty() && m_runs.back().block == b && m_runs.back().first + m_runs.back().count == v)
                ++m_runs.back().count;
            else
                m_runs.push_back({b, v, m_rows, 1});
            ++m_rows;
        }
    }
}

QString VariableFinderModel::PathAt(int row) const
{
    const auto at = static_cast<size_t>(row);
    const auto run = std::upper_bound(
        m_runs.begin(), m_runs.end(), at, [](size_t wanted, const Run& r) { return wanted < r.firstRow; });
    const Run& found = *std::prev(run);
    return WholeVariablePath(m_blocks.blocks()[found.block], found.first + (at - found.firstRow)).ToQString();
}

int VariableFinderModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(std::min<size_t>(m_rows, INT_MAX));
}

QVariant VariableFinderModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    return ShownText(PathAt(index.row()));
}

Qt::ItemFlags VariableFinderModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList VariableFinderModel::mimeTypes() const
{
    return {VariablePathMimeType()};
}

QMimeData* VariableFinderModel::mimeData(const QModelIndexList& indexes) const
{
    std::vector<int> rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.model() == this && index.row() < rowCount())
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    CStringArray paths;
    for (int row : rows)
        paths.Add(CString::FromQString(PathAt(row)));
    return paths.IsEmpty() ? nullptr : MakeVariablePathMimeData(paths);
}
