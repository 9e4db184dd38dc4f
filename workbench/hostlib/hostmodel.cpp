#include "workbench/hostlib/hostmodel.h"

#include "host/services/variablepathparser.h"

#include <cctype>

namespace {

std::string Key(const std::string& text)
{
    std::string key = text;
    for (char& ch : key)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return key;
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

QString Quoted(const CString& text)
{
    return QLatin1Char('"') + text.ToQString() + QLatin1Char('"');
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
    if (text.empty())
        return SetError(error, QStringLiteral("A block path must not be empty."));
    if (!LuIsTransportablePath(path) || text.find_first_of("(),") != std::string::npos || text.front() == '.'
        || text.back() == '.' || text.find("..") != std::string::npos)
        return SetError(error,
            QStringLiteral("The block path %1 is not valid: it must be names joined by '.', "
                           "without control characters, '(', ')' or ','.")
                .arg(Quoted(path)));
    const std::string key = Key(text);
    if (m_blockIndex.count(key) != 0)
        return SetError(error, QStringLiteral("The block %1 exists already.").arg(Quoted(path)));
    m_blockIndex.emplace(key, m_blocks.size());
    m_blocks.push_back({path, {}});
    return true;
}

bool HostModel::AddVariable(const CString& blockPath, const Variable& variable, QString* error)
{
    const auto block = m_blockIndex.find(Key(blockPath.str()));
    if (block == m_blockIndex.end())
        return SetError(error,
            QStringLiteral("There is no block %1 for the variable %2.").arg(Quoted(blockPath), Quoted(variable.name)));
    const std::string& name = variable.name.str();
    if (!LuIsTransportablePath(variable.name) || name.find_first_of(".(),*?~") != std::string::npos)
        return SetError(error,
            QStringLiteral("The variable name %1 in %2 is not valid: it must not be empty or hold "
                           "control characters or any of . ( ) , * ? ~")
                .arg(Quoted(variable.name), Quoted(blockPath)));
    for (UINT extent : variable.extents) {
        if (extent < 1)
            return SetError(error,
                QStringLiteral("The variable %1 in %2 has an extent of 0; each must be at least 1.")
                    .arg(Quoted(variable.name), Quoted(blockPath)));
    }
    Block& owner = m_blocks[block->second];
    const std::string key = Key(owner.path.str() + "." + name);
    if (m_variableIndex.count(key) != 0)
        return SetError(error,
            QStringLiteral("The block %1 holds a variable %2 already.").arg(Quoted(blockPath), Quoted(variable.name)));
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
