#include "workbench/model/resultsnames.h"

#include "hostlib/hostmodel.h"
#include "hostlib/variablepathparts.h"
#include "workbench/model/modeltextscanner.h"

namespace {

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "T[3]" as "T(3)"; false for brackets anywhere else or nested.
bool FromBracketForm(std::string& name)
{
    const size_t open = name.find('[');
    if (open == std::string::npos)
        return true;
    if (name.back() != ']' || name.find_first_of("[]()", open + 1) != name.size() - 1
        || name.find_first_of("()]") < open)
        return false;
    name[open] = '(';
    name.back() = ')';
    return true;
}

} // namespace

ColumnNameKind ReadColumnName(const std::string& name, ResultsColumnName& out, QString& error)
{
    std::string path = name;
    VariablePathParts parts;
    if (path.empty() || !FromBracketForm(path) || !SplitVariablePath(path, parts) || parts.name.empty())
        return ColumnNameKind::NotAVariable;
    out.block = std::string(parts.block);
    out.variable = std::string(parts.name);
    out.subscripts.clear();
    if (!parts.hasSubscripts)
        return ColumnNameKind::Variable;
    std::string_view rest = parts.subscripts;
    for (;;) {
        const size_t comma = rest.find(',');
        const std::string_view part = Trimmed(rest.substr(0, comma));
        if (part.empty() || part.find_first_not_of("0123456789") != std::string_view::npos)
            return ColumnNameKind::NotAVariable;
        const std::string_view digits = part.substr(std::min(part.find_first_not_of('0'), part.size()));
        const unsigned long long index = digits.size() > 10 ? ~0ull : std::stoull("0" + std::string(digits));
        if (index < 1 || index > LargestModelExtent) {
            error = QStringLiteral("the subscript %1 of %2 is outside 1 to %3")
                        .arg(QString::fromStdString(std::string(part)), QuotedName(CString(name)))
                        .arg(LargestModelExtent);
            return ColumnNameKind::Fault;
        }
        out.subscripts.push_back(static_cast<UINT>(index));
        if (comma == std::string_view::npos)
            return ColumnNameKind::Variable;
        rest = rest.substr(comma + 1);
    }
}
