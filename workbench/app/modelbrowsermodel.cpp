#include "workbench/app/modelbrowsermodel.h"

#include "workbench/app/variablepathmime.h"
#include "workbench/model/workbenchmodel.h"

#include "host/interfaces/modelvariable.h"

#include <algorithm>
#include <tuple>

namespace {

static_assert(sizeof(quintptr) == 8, "an index's id holds a block and a variable");

// An index's id says where its parent is: at the top (blocks), a block (its
// variables) or a variable (its elements).
enum class ParentKind : quintptr { Top = 0, Block = 1, Variable = 2 };

quintptr MakeId(ParentKind kind, quintptr block = 0, quintptr variable = 0)
{
    return static_cast<quintptr>(kind) << 62 | block << 32 | variable;
}

ParentKind KindOf(quintptr id)
{
    return static_cast<ParentKind>(id >> 62);
}

quintptr BlockOf(quintptr id)
{
    return (id >> 32) & 0x3FFFFFFFu;
}

quintptr VariableOf(quintptr id)
{
    return id & 0xFFFFFFFFu;
}

QString SizeText(HostModel::Extents extents)
{
    if (extents.empty())
        return QStringLiteral("scalar");
    QStringList texts;
    for (UINT extent : extents)
        texts << QString::number(extent);
    return texts.join(QStringLiteral(" \u00d7 "));
}

// "2,1" for the element at `index` in row-major order (last subscript fastest).
std::string Subscripts(HostModel::Extents extents, uint64_t index)
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

// The row-major position of the element "3,2" (canonical, as HostModel writes
// it); false for a slice with '*'.
bool ElementOrdinal(const std::string& subscripts, HostModel::Extents extents, uint64_t& ordinal)
{
    ordinal = 0;
    size_t start = 0;
    for (size_t k = 0; k < extents.size(); ++k) {
        const size_t comma = std::min(subscripts.find(',', start), subscripts.size());
        const std::string part = subscripts.substr(start, comma - start);
        if (part == "*")
            return false;
        ordinal = ordinal * extents[k] + (std::stoull(part) - 1);
        start = comma + 1;
    }
    return true;
}

} // namespace

QString ShownText(const QString& text)
{
    constexpr qsizetype Half = 500;
    if (text.size() <= 2 * Half + 1)
        return text;
    return text.left(Half) + QChar(0x2026) + text.right(Half);
}

bool ModelBrowserModel::Position::operator<(const Position& other) const
{
    return std::tie(block, variable, element) < std::tie(other.block, other.variable, other.element);
}

ModelBrowserModel::ModelBrowserModel(QObject* parent) : QAbstractItemModel(parent)
{
}

void ModelBrowserModel::SetBlocks(const HostModel& blocks)
{
    beginResetModel();
    m_blocks = blocks;
    endResetModel();
}

uint64_t ModelBrowserModel::ElementCount(const HostModel::Block& block, size_t variable) const
{
    uint64_t count = 1;
    for (UINT extent : block.ExtentsAt(variable))
        count = std::min<uint64_t>(count * extent, uint64_t(1) << 40);
    return count;
}

QString ModelBrowserModel::ElementName(const HostModel::Block& block, size_t variable, uint64_t element) const
{
    const std::string_view name = block.NameAt(variable);
    return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())) + QLatin1Char('(')
        + QString::fromStdString(Subscripts(block.ExtentsAt(variable), element)) + QLatin1Char(')');
}

QModelIndex ModelBrowserModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, MakeId(ParentKind::Top));
    const quintptr id = parent.internalId();
    if (KindOf(id) == ParentKind::Top)
        return createIndex(row, column, MakeId(ParentKind::Block, static_cast<quintptr>(parent.row())));
    return createIndex(row, column, MakeId(ParentKind::Variable, BlockOf(id), static_cast<quintptr>(parent.row())));
}

QModelIndex ModelBrowserModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const quintptr id = child.internalId();
    switch (KindOf(id)) {
    case ParentKind::Block:
        return createIndex(static_cast<int>(BlockOf(id)), 0, MakeId(ParentKind::Top));
    case ParentKind::Variable:
        return createIndex(static_cast<int>(VariableOf(id)), 0, MakeId(ParentKind::Block, BlockOf(id)));
    default:
        return {};
    }
}

int ModelBrowserModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_blocks.blocks().size());
    if (parent.column() != 0)
        return 0;
    const Position position = PositionOf(parent);
    const HostModel::Block& block = m_blocks.blocks()[static_cast<size_t>(position.block)];
    if (position.variable < 0)
        return static_cast<int>(std::min<size_t>(block.variableCount(), INT_MAX));
    if (position.element >= 0 || block.ExtentsAt(static_cast<size_t>(position.variable)).empty())
        return 0;
    const uint64_t count = ElementCount(block, static_cast<size_t>(position.variable));
    return count > MaxListedElements ? MaxListedElements + 1 : static_cast<int>(count);
}

int ModelBrowserModel::columnCount(const QModelIndex& /*parent*/) const
{
    return 2;
}

ModelBrowserModel::Position ModelBrowserModel::PositionOf(const QModelIndex& index) const
{
    const quintptr id = index.internalId();
    switch (KindOf(id)) {
    case ParentKind::Top:
        return {index.row(), -1, -1};
    case ParentKind::Block:
        return {static_cast<int64_t>(BlockOf(id)), index.row(), -1};
    default:
        return {static_cast<int64_t>(BlockOf(id)), static_cast<int64_t>(VariableOf(id)), index.row()};
    }
}

QVariant ModelBrowserModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Position position = PositionOf(index);
    const HostModel::Block& block = m_blocks.blocks()[static_cast<size_t>(position.block)];
    if (role == Qt::ToolTipRole) {
        if (position.variable < 0 || position.element >= 0 || index.column() != 0)
            return {};
        QString tip = PathOf(position).ToQString();
        if (block.AttributesAt(static_cast<size_t>(position.variable)) & ModelVariableWidenableAttribute)
            tip += QStringLiteral("\nA single element dropped alone may stand for the whole array.");
        return tip;
    }
    if (position.variable < 0)
        return index.column() == 0 ? ShownText(block.path.ToQString()) : QString();
    const auto variable = static_cast<size_t>(position.variable);
    if (position.element < 0) {
        if (index.column() == 1)
            return SizeText(block.ExtentsAt(variable));
        const std::string_view name = block.NameAt(variable);
        return ShownText(QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())));
    }
    if (index.column() == 1)
        return QString();
    if (position.element == MaxListedElements)
        return QStringLiteral("\u2026 %1 more (drag the variable for all)")
            .arg(ElementCount(block, variable) - MaxListedElements);
    return ShownText(ElementName(block, variable, static_cast<uint64_t>(position.element)));
}

QVariant ModelBrowserModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Name") : QStringLiteral("Size");
}

Qt::ItemFlags ModelBrowserModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Position position = PositionOf(index);
    if (position.element == MaxListedElements)
        return Qt::ItemIsEnabled;
    if (position.variable < 0)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

CString ModelBrowserModel::PathOf(const Position& position) const
{
    const HostModel::Block& block = m_blocks.blocks()[static_cast<size_t>(position.block)];
    const auto variable = static_cast<size_t>(position.variable);
    if (position.element < 0)
        return WholeVariablePath(block, variable);
    return block.path + "."
        + CString::FromQString(ElementName(block, variable, static_cast<uint64_t>(position.element)));
}

CStringArray ModelBrowserModel::PathsOf(const QModelIndexList& indexes) const
{
    // Selection order is the order of clicks, and a row comes once per column;
    // the drop should see each row once, in tree order.
    std::vector<Position> positions;
    for (const QModelIndex& index : indexes) {
        const Position position = PositionOf(index);
        if (index.isValid() && index.model() == this && position.variable >= 0 && position.element != MaxListedElements)
            positions.push_back(position);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end(),
                        [](const Position& a, const Position& b) { return !(a < b) && !(b < a); }),
        positions.end());
    CStringArray paths;
    for (const Position& position : positions)
        paths.Add(PathOf(position));
    return paths;
}

QModelIndex ModelBrowserModel::FindPath(const QString& path) const
{
    const CString text = CString::FromQString(path);
    const std::vector<HostModel::Block>& blocks = m_blocks.blocks();
    if (const HostModel::Block* block = m_blocks.FindBlock(text))
        return index(static_cast<int>(block - blocks.data()), 0);
    const std::optional<HostModel::Match> match = m_blocks.FindVariable(text);
    if (!match)
        return {};
    const QModelIndex blockIndex = index(static_cast<int>(match->block - blocks.data()), 0);
    const QModelIndex variableIndex = index(static_cast<int>(match->variableIndex), 0, blockIndex);
    const std::string& canonical = match->path.str();
    if (canonical.back() != ')')
        return variableIndex;
    const size_t open = canonical.rfind('(');
    const std::string subscripts = canonical.substr(open + 1, canonical.size() - open - 2);
    if (subscripts.find_first_not_of("*,") == std::string::npos)
        return variableIndex; // the whole array
    uint64_t element = 0;
    if (!ElementOrdinal(subscripts, match->block->ExtentsAt(match->variableIndex), element)
        || element >= MaxListedElements)
        return {};
    return index(static_cast<int>(element), 0, variableIndex);
}

QStringList ModelBrowserModel::mimeTypes() const
{
    return {VariablePathMimeType()};
}

QMimeData* ModelBrowserModel::mimeData(const QModelIndexList& indexes) const
{
    const CStringArray paths = PathsOf(indexes);
    if (paths.IsEmpty())
        return nullptr;
    return MakeVariablePathMimeData(paths);
}
