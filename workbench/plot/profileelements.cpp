#include "workbench/plot/profileelements.h"

#include <QStringList>

#include <optional>

namespace {

bool IsWildcardSubscript(const QString& text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?')) || text.contains(QLatin1Char('~'));
}

// The subscripts written in `path`: one text per subscript, empty when the path has none.
QStringList SubscriptTexts(const CString& path)
{
    const QString text = path.ToQString();
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype close = text.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return {};
    QStringList parts = text.mid(open + 1, close - open - 1).split(QLatin1Char(','));
    for (QString& part : parts)
        part = part.trimmed();
    return parts;
}

} // namespace

std::vector<PlotElement> ProfileRows::AllElements() const
{
    std::vector<PlotElement> all;
    for (const std::vector<PlotElement>& row : rows)
        all.insert(all.end(), row.begin(), row.end());
    return all;
}

ProfileElementResolver::ProfileElementResolver(
    const HostModel& registry, const PlotValues& values, const CString& owner)
    : m_registry(registry), m_values(values), m_owner(owner)
{
}

bool ProfileElementResolver::ReadPath(const CString& path, PathShape& shape, QString& error) const
{
    std::optional<HostModel::Match> match = m_registry.FindVariable(m_owner + "." + path);
    if (!match)
        match = m_registry.FindVariable(path);
    if (!match) {
        error = QStringLiteral("the variable %1 is not in the model").arg(QuotedName(path));
        return false;
    }
    const std::vector<UINT>& extents = match->variable.extents;
    QStringList texts = SubscriptTexts(path);
    if (texts.isEmpty())
        texts = QStringList(static_cast<qsizetype>(extents.size()), QStringLiteral("*"));
    if (static_cast<size_t>(texts.size()) != extents.size()) {
        error = QStringLiteral("the path %1 has %2 subscripts where its variable has %3")
                    .arg(QuotedName(path))
                    .arg(texts.size())
                    .arg(extents.size());
        return false;
    }
    // Each subscript's first and last value; the wildcards' dimensions in order.
    shape.first.assign(extents.size(), 0);
    shape.last.assign(extents.size(), 0);
    shape.wildcards.clear();
    shape.count = 1;
    for (size_t d = 0; d < extents.size(); ++d) {
        const QString& text = texts[static_cast<qsizetype>(d)];
        if (IsWildcardSubscript(text)) {
            shape.first[d] = 1;
            shape.last[d] = extents[d];
            shape.wildcards.push_back(d);
            shape.count *= extents[d];
            if (shape.count > PlotPathElementLimit) {
                error = QStringLiteral("the path %1 names more than %2 elements")
                            .arg(QuotedName(path))
                            .arg(PlotPathElementLimit);
                return false;
            }
        } else {
            bool ok = false;
            const uint value = text.toUInt(&ok);
            if (!ok || value < 1 || value > extents[d]) {
                error = QStringLiteral("the path %1 has a subscript out of range").arg(QuotedName(path));
                return false;
            }
            shape.first[d] = shape.last[d] = value;
        }
    }
    shape.match = std::move(match);
    return true;
}

bool ProfileElementResolver::Count(const CStringArray& paths, size_t& count, QString& error) const
{
    count = 0;
    PathShape shape;
    for (const CString& path : paths) {
        if (!ReadPath(path, shape, error))
            return false;
        count += shape.count;
    }
    return true;
}

bool ProfileElementResolver::ExpandPath(
    const CString& path, std::vector<std::vector<PlotElement>>& groups, std::vector<QString>& labels, QString& error)
{
    PathShape shape;
    if (!ReadPath(path, shape, error))
        return false;
    const HostModel::Match& match = *shape.match;
    const std::vector<UINT>& extents = match.variable.extents;
    const std::vector<UINT>& first = shape.first;
    const std::vector<UINT>& last = shape.last;
    const std::vector<size_t>& wildcards = shape.wildcards;

    const std::string variablePath = match.block->path.str() + "." + match.variable.name.str();
    m_sources.push_back(m_values.For(variablePath));
    const VariableValues* source = &m_sources.back();
    const QString name = match.variable.name.ToQString();

    // Odometer over every subscript, the last running fastest; an element goes
    // to the group of its wildcards after the first.
    std::vector<UINT> subscripts = first;
    const size_t groupBase = groups.size();
    for (;;) {
        size_t group = 0;
        for (size_t w = 1; w < wildcards.size(); ++w)
            group = group * extents[wildcards[w]] + (subscripts[wildcards[w]] - 1);
        if (groups.size() <= groupBase + group) {
            groups.resize(groupBase + group + 1);
            labels.resize(groups.size());
            QStringList parts;
            for (size_t d = 0; d < subscripts.size(); ++d)
                parts << (!wildcards.empty() && d == wildcards[0] ? QStringLiteral("*")
                                                                  : QString::number(subscripts[d]));
            labels[groupBase + group]
                = subscripts.empty() ? name : QStringLiteral("%1(%2)").arg(name, parts.join(QLatin1Char(',')));
        }
        PlotElement element;
        element.source = source;
        size_t flat = 0;
        for (size_t d = 0; d < extents.size(); ++d)
            flat = flat * extents[d] + (subscripts[d] - 1);
        element.flatIndex = flat;
        element.place = ElementPlace(subscripts, extents);
        element.offset = ElementOffset(subscripts);
        element.position = subscripts.empty() ? 0 : static_cast<int>(subscripts[0]); // 0: placed by Resolve
        groups[groupBase + group].push_back(element);

        size_t d = subscripts.size();
        while (d > 0 && subscripts[d - 1] == last[d - 1]) {
            subscripts[d - 1] = first[d - 1];
            --d;
        }
        if (d == 0)
            break;
        ++subscripts[d - 1];
    }
    return true;
}

bool ProfileElementResolver::Resolve(const CStringArray& paths, UINT dimension, ProfileRows& out, QString& error)
{
    ProfileRows rows;
    bool split = dimension == 2;
    for (const CString& path : paths) {
        const size_t before = rows.rows.size();
        if (!ExpandPath(path, rows.rows, rows.labels, error))
            return false;
        split = split || rows.rows.size() - before > 1;
    }
    if (!split && rows.rows.size() > 1) {
        ProfileRows joined;
        joined.rows.push_back(rows.AllElements());
        joined.labels.push_back(QString());
        rows = std::move(joined);
    }
    // Scalars stand along the x axis in their order in the row.
    for (std::vector<PlotElement>& row : rows.rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (row[i].position == 0)
                row[i].position = static_cast<int>(i + 1);
        }
    }
    out = std::move(rows);
    return true;
}
