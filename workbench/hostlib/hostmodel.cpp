#include "workbench/hostlib/hostmodel.h"

#include <algorithm>
#include <cctype>

namespace {

// The look-up key: case folded, so that "Überhitzer" and "überhitzer" are one
// name as "T" and "t" are. Names are mostly ASCII, which is folded in place.
std::string Key(const std::string& text)
{
    std::string key = text;
    bool ascii = true;
    for (char& ch : key) {
        const auto byte = static_cast<unsigned char>(ch);
        ascii = ascii && byte < 0x80;
        ch = static_cast<char>(std::tolower(byte));
    }
    if (ascii)
        return key;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toCaseFolded().toUtf8().toStdString();
}

bool HasControlCharacter(const std::string& text)
{
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

bool IsBlank(const std::string& text)
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

HostModel& HostModel::Shared()
{
    static HostModel model;
    return model;
}

void HostModel::Clear()
{
    m_blocks.clear();
    m_blockIndex.clear();
    m_variableIndex.clear();
}

bool HostModel::AddBlock(const CString& path, QString* error)
{
    const std::string& text = path.str();
    if (IsBlank(text))
        return SetError(error, QStringLiteral("A block path must not be empty or blank."));
    bool blankPart = false;
    for (size_t start = 0; start <= text.size();) {
        const size_t dot = std::min(text.find('.', start), text.size());
        blankPart = blankPart || IsBlank(text.substr(start, dot - start));
        start = dot + 1;
    }
    if (blankPart || HasControlCharacter(text) || text.find_first_of("(),") != std::string::npos)
        return SetError(error,
            QStringLiteral("The block path %1 is not valid: it must be names joined by '.', none of them blank, "
                           "without control characters, '(', ')' or ','.")
                .arg(QuotedName(path)));
    const std::string key = Key(text);
    if (m_blockIndex.count(key) != 0)
        return SetError(error, QStringLiteral("The block %1 exists already.").arg(QuotedName(path)));
    m_blockIndex.emplace(key, m_blocks.size());
    m_blocks.push_back({path, {}});
    return true;
}

bool HostModel::AddVariable(const CString& blockPath, const Variable& variable, QString* error)
{
    const auto block = m_blockIndex.find(Key(blockPath.str()));
    if (block == m_blockIndex.end())
        return SetError(error,
            QStringLiteral("There is no block %1 for the variable %2.")
                .arg(QuotedName(blockPath), QuotedName(variable.name)));
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
    Block& owner = m_blocks[block->second];
    const std::string key = Key(owner.path.str() + "." + name);
    if (m_variableIndex.count(key) != 0)
        return SetError(error,
            QStringLiteral("The block %1 holds a variable %2 already.")
                .arg(QuotedName(blockPath), QuotedName(variable.name)));
    m_variableIndex.emplace(key, std::make_pair(block->second, owner.variables.size()));
    owner.variables.push_back(variable);
    return true;
}

const HostModel::Block* HostModel::FindBlock(const char* path) const
{
    if (!path)
        return nullptr;
    const auto found = m_blockIndex.find(Key(path));
    return found == m_blockIndex.end() ? nullptr : &m_blocks[found->second];
}

std::optional<HostModel::Match> HostModel::FindVariable(const char* path) const
{
    if (!path || !*path)
        return std::nullopt;
    std::string base = path;
    std::string subscripts;
    bool hasSubscripts = false;
    if (base.back() == ')') {
        const size_t open = base.rfind('(');
        if (open == std::string::npos)
            return std::nullopt;
        subscripts = base.substr(open + 1, base.size() - open - 2);
        base.erase(open);
        hasSubscripts = true;
    }
    const auto found = m_variableIndex.find(Key(base));
    if (found == m_variableIndex.end())
        return std::nullopt;

    Match match;
    match.block = &m_blocks[found->second.first];
    match.variable = &match.block->variables[found->second.second];
    std::string canonical = match.block->path.str() + "." + match.variable->name.str();
    if (hasSubscripts) {
        std::string canonicalSubscripts;
        if (!ReadSubscripts(subscripts, match.variable->extents, canonicalSubscripts))
            return std::nullopt;
        canonical += "(" + canonicalSubscripts + ")";
    }
    match.path = CString(canonical);
    return match;
}
