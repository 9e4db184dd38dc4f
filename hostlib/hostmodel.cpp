#include "hostlib/hostmodel.h"
#include "hostlib/variablepathparts.h"

#include <algorithm>

namespace {

// 'A' to 'Z' as 'a' to 'z', whatever the locale: names are compared the
// same way under every locale the host may set.
char FoldAscii(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// The look-up key: case folded, so that "Überhitzer" and "überhitzer" are one
// name as "T" and "t" are. Names are mostly ASCII, which is folded in place.
std::string Key(std::string_view text)
{
    std::string key(text);
    bool ascii = true;
    for (char& ch : key) {
        ascii = ascii && static_cast<unsigned char>(ch) < 0x80;
        ch = FoldAscii(ch);
    }
    if (ascii)
        return key;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toCaseFolded().toUtf8().toStdString();
}

// Names compared and hashed as Key() folds them, without building the key
// for the common ASCII name.
bool FoldedEqual(std::string_view a, std::string_view b)
{
    if (!IsAscii(a) || !IsAscii(b))
        return Key(a) == Key(b);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

uint64_t FoldedHash(std::string_view text)
{
    uint64_t hash = 1469598103934665603ull;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    if (IsAscii(text)) {
        for (char ch : text)
            mix(static_cast<unsigned char>(FoldAscii(ch)));
    } else {
        for (char ch : Key(text))
            mix(static_cast<unsigned char>(ch));
    }
    // Names that differ in their last characters only ("V998", "V999") must
    // spread over the low bits that pick the slot.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    hash *= 0xC4CEB9FE1A85EC53ull;
    return hash ^ (hash >> 33);
}

constexpr uint32_t FreeSlot = 0;

bool HasControlCharacter(const std::string& text)
{
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Reads "3, *, 2" against the extents into the canonical "3,*,2"; false when
// the count or a value does not fit.
bool ReadSubscripts(const std::string& text, const std::vector<UINT>& extents, std::string& canonical)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(Trimmed(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() != extents.size())
        return false;
    canonical.clear();
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (i > 0)
            canonical += ',';
        if (part == "*") {
            canonical += part;
            continue;
        }
        if (part.empty() || part.size() > 10 || part.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const unsigned long long index = std::stoull(part);
        if (index < 1 || index > extents[i])
            return false;
        canonical += std::to_string(index);
    }
    return true;
}

} // namespace

bool IsAscii(std::string_view text)
{
    for (char ch : text) {
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    }
    return true;
}

bool IsPrintableName(const std::string& text)
{
    return !IsBlank(text) && !HasControlCharacter(text);
}

QString QuotedName(const CString& text)
{
    QString quoted(QLatin1Char('"'));
    for (const QChar ch : text.ToQString()) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F || ch == QLatin1Char('"') || ch == QLatin1Char('\\'))
            quoted += ch.unicode() < 0x20 || ch.unicode() == 0x7F
                ? QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'))
                : QStringLiteral("\\") + ch;
        else
            quoted += ch;
    }
    return quoted + QLatin1Char('"');
}

HostModel::Block::Record HostModel::Block::EndOf(size_t index) const
{
    if (index + 1 < m_records.size())
        return m_records[index + 1];
    return {static_cast<uint32_t>(m_names.size()), static_cast<uint32_t>(m_extents.size()), 0};
}

std::string_view HostModel::Block::NameAt(size_t index) const
{
    const uint32_t first = m_records[index].nameOffset;
    return std::string_view(m_names).substr(first, EndOf(index).nameOffset - first);
}

HostModel::Extents HostModel::Block::ExtentsAt(size_t index) const
{
    const uint32_t first = m_records[index].extentOffset;
    return {m_extents.data() + first, EndOf(index).extentOffset - first};
}

HostModel::Variable HostModel::Block::VariableAt(size_t index) const
{
    const Extents extents = ExtentsAt(index);
    return {
        CString(std::string(NameAt(index))), AttributesAt(index), std::vector<UINT>(extents.begin(), extents.end())};
}

bool HostModel::Block::operator==(const Block& other) const
{
    if (path != other.path || variableCount() != other.variableCount())
        return false;
    for (size_t i = 0; i < variableCount(); ++i) {
        const Extents mine = ExtentsAt(i), theirs = other.ExtentsAt(i);
        if (NameAt(i) != other.NameAt(i) || AttributesAt(i) != other.AttributesAt(i)
            || !std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end()))
            return false;
    }
    return true;
}

void HostModel::Block::Append(const Variable& variable)
{
    const std::string& name = variable.name.str();
    m_records.push_back(
        {static_cast<uint32_t>(m_names.size()), static_cast<uint32_t>(m_extents.size()), variable.attributes});
    m_names += name;
    m_extents.insert(m_extents.end(), variable.extents.begin(), variable.extents.end());
}

size_t HostModel::Block::SlotOf(std::string_view name) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = FoldedHash(name) & mask;; slot = (slot + 1) & mask) {
        const uint32_t value = m_slots[slot];
        if (value == FreeSlot || FoldedEqual(NameAt(value - 1), name))
            return slot;
    }
}

void HostModel::Block::GrowSlots()
{
    // At most half full, so that probes stay short; a power of two for the mask.
    if (m_slots.size() >= 2 * (m_records.size() + 1))
        return;
    std::vector<uint32_t> old
        = std::exchange(m_slots, std::vector<uint32_t>(std::max<size_t>(16, m_slots.size() * 2), FreeSlot));
    for (uint32_t value : old) {
        if (value != FreeSlot)
            m_slots[SlotOf(NameAt(value - 1))] = value;
    }
}

void HostModel::Block::Squeeze()
{
    // Only a quarter or more left unused is given back: a shrink copies the
    // whole array into fresh memory, which costs more than a little slack.
    const auto squeeze = [](auto& array) {
        if (array.capacity() - array.size() > array.size() / 4)
            array.shrink_to_fit();
    };
    squeeze(m_records);
    squeeze(m_names);
    squeeze(m_extents);
}

HostModel::HostModel() : m_data(std::make_shared<Data>())
{
}

HostModel& HostModel::Shared()
{
    static HostModel model;
    return model;
}

void HostModel::Clear()
{
    m_data = std::make_shared<Data>();
}

HostModel::Data& HostModel::Detached()
{
    if (m_data.use_count() > 1)
        m_data = std::make_shared<Data>(*m_data);
    return *m_data;
}

bool HostModel::AddBlock(const CString& path, QString* error)
{
    const std::string& text = path.str();
    if (IsBlank(text))
        return SetError(error, QStringLiteral("A block path must not be empty or blank."));
    bool blankPart = false;
    for (size_t start = 0; start <= text.size();) {
        const size_t dot = std::min(text.find('.', start), text.size());
        blankPart = blankPart || IsBlank(std::string_view(text).substr(start, dot - start));
        start = dot + 1;
    }
    if (blankPart || HasControlCharacter(text) || text.find_first_of("(),") != std::string::npos)
        return SetError(error,
            QStringLiteral("The block path %1 is not valid: it must be names joined by '.', none of them blank, "
                           "without control characters, '(', ')' or ','.")
                .arg(QuotedName(path)));
    std::string key = Key(text);
    if (m_data->blockIndex.count(key) != 0)
        return SetError(error, QStringLiteral("The block %1 exists already.").arg(QuotedName(path)));
    Data& data = Detached();
    // Blocks are mostly filled one after another: the one before is complete.
    if (!data.blocks.empty())
        data.blocks.back().Squeeze();
    data.blockIndex.emplace(std::move(key), data.blocks.size());
    data.blocks.emplace_back();
    data.blocks.back().path = path;
    return true;
}

bool HostModel::AddVariable(const CString& blockPath, const Variable& variable, QString* error)
{
    const auto block = m_data->blockIndex.find(Key(blockPath.str()));
    if (block == m_data->blockIndex.end())
        return SetError(error,
            QStringLiteral("There is no block %1 for the variable %2.")
                .arg(QuotedName(blockPath), QuotedName(variable.name)));
    return AddVariable(block->second, variable, error);
}

bool HostModel::CountElements(const std::vector<UINT>& extents, uint64_t& count)
{
    count = 1;
    for (UINT extent : extents) {
        if (extent != 0 && count > ElementCountLimit / extent)
            return false;
        count *= extent;
    }
    return true;
}

bool HostModel::AddVariable(size_t blockIndex, const Variable& variable, QString* error)
{
    const CString& blockPath = m_data->blocks.at(blockIndex).path;
    const std::string& name = variable.name.str();
    if (!IsPrintableName(name) || name.find_first_of(".(),*?~") != std::string::npos)
        return SetError(error,
            QStringLiteral("The variable name %1 in %2 is not valid: it must not be empty or blank or hold "
                           "control characters or any of . ( ) , * ? ~")
                .arg(QuotedName(variable.name), QuotedName(blockPath)));
    for (UINT extent : variable.extents) {
        if (extent < 1)
            return SetError(error,
                QStringLiteral("The variable %1 in %2 has an extent of 0; each must be at least 1.")
                    .arg(QuotedName(variable.name), QuotedName(blockPath)));
    }
    uint64_t elements = 0;
    if (!CountElements(variable.extents, elements))
        return SetError(error,
            QStringLiteral("The variable %1 in %2 has too many elements: the product of its extents is larger "
                           "than %3.")
                .arg(QuotedName(variable.name), QuotedName(blockPath))
                .arg(ElementCountLimit));
    // A record holds 32-bit offsets.
    const Block& before = m_data->blocks[blockIndex];
    if (before.variableCount() >= 0xFFFFFFFEu || before.m_names.size() + name.size() > 0xFFFFFFFFu
        || before.m_extents.size() + variable.extents.size() > 0xFFFFFFFFu)
        return SetError(error, QStringLiteral("The block %1 holds too many variables.").arg(QuotedName(blockPath)));
    // The table may grow before a refusal; what the model holds does not change.
    Data& data = Detached();
    Block& owner = data.blocks[blockIndex];
    owner.GrowSlots();
    const size_t slot = owner.SlotOf(name);
    if (owner.m_slots[slot] != FreeSlot)
        return SetError(error,
            QStringLiteral("The block %1 holds a variable %2 already.")
                .arg(QuotedName(owner.path), QuotedName(variable.name)));
    owner.m_slots[slot] = static_cast<uint32_t>(owner.variableCount() + 1);
    owner.Append(variable);
    ++data.variableCount;
    return true;
}

const HostModel::Block* HostModel::FindBlock(const char* path) const
{
    if (!path)
        return nullptr;
    const auto found = m_data->blockIndex.find(Key(path));
    return found == m_data->blockIndex.end() ? nullptr : &m_data->blocks[found->second];
}

bool SplitVariablePath(std::string_view path, VariablePathParts& parts)
{
    parts = VariablePathParts();
    std::string_view base = path;
    if (!base.empty() && base.back() == ')') {
        const size_t open = base.rfind('(');
        if (open == std::string_view::npos)
            return false;
        parts.subscripts = base.substr(open + 1, base.size() - open - 2);
        parts.hasSubscripts = true;
        base = base.substr(0, open);
    }
    const size_t dot = base.rfind('.');
    parts.block = dot == std::string_view::npos ? std::string_view() : base.substr(0, dot);
    parts.name = dot == std::string_view::npos ? base : base.substr(dot + 1);
    return true;
}

std::optional<HostModel::Match> HostModel::FindVariable(const char* path) const
{
    if (!path || !*path)
        return std::nullopt;
    VariablePathParts parts;
    if (!SplitVariablePath(path, parts) || parts.block.empty())
        return std::nullopt;
    const auto block = m_data->blockIndex.find(Key(parts.block));
    if (block == m_data->blockIndex.end())
        return std::nullopt;
    const Block& owner = m_data->blocks[block->second];
    const uint32_t value = owner.m_slots.empty() ? FreeSlot : owner.m_slots[owner.SlotOf(parts.name)];
    if (value == FreeSlot)
        return std::nullopt;

    Match match;
    match.block = &owner;
    match.variableIndex = value - 1;
    match.variable = match.block->VariableAt(match.variableIndex);
    std::string canonical = match.block->path.str() + "." + match.variable.name.str();
    if (parts.hasSubscripts) {
        std::string canonicalSubscripts;
        if (!ReadSubscripts(std::string(parts.subscripts), match.variable.extents, canonicalSubscripts))
            return std::nullopt;
        canonical += "(" + canonicalSubscripts + ")";
    }
    match.path = CString(canonical);
    return match;
}

bool HostModel::operator==(const HostModel& other) const
{
    return m_data == other.m_data || m_data->blocks == other.m_data->blocks;
}
