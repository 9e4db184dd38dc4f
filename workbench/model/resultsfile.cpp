#include "workbench/model/resultsfile.h"

#include "workbench/model/delimitedtext.h"
#include "workbench/model/resultsnames.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

Q_LOGGING_CATEGORY(lcResults, "pe.workbench.results")

namespace {

constexpr int SkippedNamesShown = 5;
constexpr double Missing = std::numeric_limits<double>::quiet_NaN();

std::string Folded(const std::string& text)
{
    return CString(text).MakeLower().str();
}

// One variable as the header names it: its columns and their subscripts.
struct VariableColumns {
    std::string block;
    std::string name;
    std::vector<UINT> extents; // the largest subscript in each dimension
    std::vector<size_t> columns; // indexes in the header
    std::vector<std::vector<UINT>> subscripts; // one per column
};

// Where each column's values go: table `table[c]`, slot `slot[c]` of its
// rows; no table for the time and for columns passed over.
struct ColumnTargets {
    static constexpr size_t None = ~size_t(0);
    std::vector<size_t> table;
    std::vector<size_t> slot;
};

class ResultsBuilder {
public:
    ResultsBuilder(DelimitedTextReader& reader, const CString& ownBlock, const HostModel* described)
        : m_reader(reader), m_ownBlock(ownBlock), m_described(described)
    {
    }

    bool ReadHeader(ResultsData& out)
    {
        std::vector<std::string> names;
        if (!m_reader.ReadHeader(names))
            return false;
        if (Folded(names[0]) != "time")
            return m_reader.Fail(1,
                QStringLiteral("the first row must name the columns, the first one \"time\", not %1")
                    .arg(QuotedName(CString(names[0]))));
        m_targets.table.assign(names.size(), ColumnTargets::None);
        m_targets.slot.assign(names.size(), 0);
        std::vector<VariableColumns> variables;
        std::unordered_map<std::string, size_t> byKey;
        for (size_t column = 1; column < names.size(); ++column) {
            ResultsColumnName read;
            QString reason;
            const ColumnNameKind kind = ReadColumnName(names[column], read, reason);
            if (kind == ColumnNameKind::Fault)
                return m_reader.Fail(static_cast<qint64>(column + 1), reason);
            if (kind == ColumnNameKind::NotAVariable) {
                Skip(out, names[column]);
                continue;
            }
            if (read.block.empty())
                read.block = m_ownBlock.str();
            const auto [found, added] = byKey.emplace(Folded(read.block + "." + read.variable), variables.size());
            if (added)
                variables.push_back({read.block, read.variable, std::vector<UINT>(read.subscripts.size(), 0), {}, {}});
            VariableColumns& variable = variables[found->second];
            if (read.subscripts.size() != variable.extents.size())
                return m_reader.Fail(static_cast<qint64>(column + 1),
                    QStringLiteral("%1 gives %2 subscripts where column %3 gave %4")
                        .arg(QuotedName(CString(names[column])))
                        .arg(read.subscripts.size())
                        .arg(variable.columns.front() + 1)
                        .arg(variable.extents.size()));
            for (size_t i = 0; i < read.subscripts.size(); ++i)
                variable.extents[i] = std::max(variable.extents[i], read.subscripts[i]);
            variable.columns.push_back(column);
            variable.subscripts.push_back(std::move(read.subscripts));
        }
        for (VariableColumns& variable : variables) {
            if (!AddVariable(variable, names, out))
                return false;
        }
        return true;
    }

    // `lines` and `bytes`: what the text holds, -1 when unknown.
    bool ReadRows(qint64 lines, qint64 bytes, ResultsData& out)
    {
        // A row takes at least a separator or line break per cell.
        const qint64 columns = static_cast<qint64>(m_targets.table.size());
        const qint64 rowsAtMost = lines < 0 ? 1 : std::min(lines, bytes / columns + 1);
        auto times = std::make_shared<std::vector<double>>();
        times->reserve(static_cast<size_t>(std::max<qint64>(rowsAtMost, 1)));
        for (GivenValues& table : out.values) {
            table.values.reserve(times->capacity() * table.width);
            table.times = times;
        }
        std::vector<double> cells(m_targets.table.size());
        std::vector<double*> rows(out.values.size());
        DelimitedTextReader::Row read;
        while ((read = m_reader.ReadNumbers(cells)) == DelimitedTextReader::Row::Read) {
            const double time = cells[0];
            if (!std::isfinite(time))
                return m_reader.Fail(1, QStringLiteral("the time must be a number of seconds"));
            if (!times->empty() && time < times->back())
                return m_reader.Fail(1,
                    QStringLiteral("the time %1 is before the time %2 above it: times must not decrease")
                        .arg(time)
                        .arg(times->back()));
            // A repeated time, as an event gives: the later row takes the place of the earlier.
            const bool repeated = !times->empty() && time == times->back();
            if (!repeated)
                times->push_back(time);
            for (size_t t = 0; t < out.values.size(); ++t) {
                GivenValues& table = out.values[t];
                if (repeated)
                    std::fill(table.values.end() - static_cast<ptrdiff_t>(table.width), table.values.end(), Missing);
                else
                    table.values.insert(table.values.end(), table.width, Missing);
                rows[t] = table.values.data() + table.values.size() - table.width;
            }
            for (size_t column = 1; column < cells.size(); ++column) {
                const size_t table = m_targets.table[column];
                if (table != ColumnTargets::None)
                    rows[table][m_targets.slot[column]] = cells[column];
            }
        }
        if (read == DelimitedTextReader::Row::Fault)
            return false;
        if (times->empty())
            return m_reader.Fail(1, QStringLiteral("the file names its columns but holds no rows of values"));
        // Fewer rows than lines (repeated times, empty lines): give back what is spare.
        const auto fits
            = [](const std::vector<double>& values) { return values.capacity() <= values.size() * 13 / 10; };
        if (!fits(*times))
            times->shrink_to_fit();
        for (GivenValues& table : out.values) {
            if (!fits(table.values))
                table.values.shrink_to_fit();
        }
        return true;
    }

private:
    void Skip(ResultsData& out, const std::string& name)
    {
        if (out.firstSkipped.size() < SkippedNamesShown)
            out.firstSkipped << QuotedName(CString(name));
        ++out.skippedCount;
    }

    // Registers the variable and lays out its table: the given elements in
    // the order of their flat index, the last subscript running fastest.
    bool AddVariable(VariableColumns& variable, const std::vector<std::string>& names, ResultsData& out)
    {
        const qint64 firstColumn = static_cast<qint64>(variable.columns.front() + 1);
        const CString block(variable.block);
        QString reason;
        uint64_t elements = 0;
        if (!HostModel::CountElements(variable.extents, elements))
            return m_reader.Fail(firstColumn,
                QStringLiteral("%1 has more elements than a variable may have")
                    .arg(QuotedName(CString(names[variable.columns.front()]))));
        const HostModel::Block* existing = out.blocks.FindBlock(block);
        const CString blockPath = existing ? existing->path : block;
        const CString path(blockPath.str() + "." + variable.name);
        const auto described = m_described ? m_described->FindVariable(path) : std::nullopt;
        const uint32_t attributes
            = described && described->variable.extents == variable.extents ? described->variable.attributes : 0;
        if ((!existing && !out.blocks.AddBlock(block, &reason))
            || !out.blocks.AddVariable(blockPath, {CString(variable.name), attributes, variable.extents}, &reason)) {
            qCDebug(lcResults) << "passed over:" << reason;
            for (size_t column : variable.columns)
                Skip(out, names[column]);
            return true;
        }
        std::vector<std::pair<uint64_t, size_t>> flat; // flat index, column
        for (size_t i = 0; i < variable.columns.size(); ++i) {
            uint64_t index = 0;
            for (size_t d = 0; d < variable.extents.size(); ++d)
                index = index * variable.extents[d] + (variable.subscripts[i][d] - 1);
            flat.emplace_back(index, variable.columns[i]);
        }
        std::sort(flat.begin(), flat.end());
        GivenValues table;
        table.variable = path;
        table.width = flat.size();
        for (size_t slot = 0; slot < flat.size(); ++slot) {
            if (slot > 0 && flat[slot].first == flat[slot - 1].first) {
                const auto [first, second] = std::minmax(flat[slot].second, flat[slot - 1].second);
                return m_reader.Fail(static_cast<qint64>(second + 1),
                    QStringLiteral("%1 names the same element as column %2")
                        .arg(QuotedName(CString(names[second])))
                        .arg(first + 1));
            }
            m_targets.table[flat[slot].second] = out.values.size();
            m_targets.slot[flat[slot].second] = slot;
            if (flat.size() < elements)
                table.givenElements.push_back(flat[slot].first);
        }
        out.values.push_back(std::move(table));
        return true;
    }

    DelimitedTextReader& m_reader;
    CString m_ownBlock;
    const HostModel* m_described;
    ColumnTargets m_targets;
};

// The count of lines and bytes of the text, which bound its rows; -1 when
// the device cannot be read twice.
qint64 CountLines(QIODevice& device, qint64& bytes)
{
    bytes = 0;
    if (device.isSequential() || !device.seek(0))
        return -1;
    std::vector<char> chunk(static_cast<size_t>(std::clamp<qint64>(device.size() + 1, 1, qint64(1) << 20)));
    qint64 lines = 1;
    qint64 read = 0;
    while ((read = device.read(chunk.data(), static_cast<qint64>(chunk.size()))) > 0) {
        lines += std::count(chunk.data(), chunk.data() + read, '\n');
        bytes += read;
    }
    return device.seek(0) ? lines : -1;
}

} // namespace

bool ReadResults(
    QIODevice& device, const CString& ownBlock, ResultsData& out, QString& error, const HostModel* described)
{
    qint64 bytes = 0;
    const qint64 lines = CountLines(device, bytes);
    DelimitedTextReader reader(device);
    ResultsBuilder builder(reader, ownBlock, described);
    ResultsData read;
    if (!builder.ReadHeader(read) || !builder.ReadRows(lines, bytes, read)) {
        error = reader.error();
        return false;
    }
    out = std::move(read);
    return true;
}

bool LoadResultsFile(const QString& path, ResultsData& out, QString& error, const HostModel* described)
{
    const QFileInfo info(path);
    QFile file(path);
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("Cannot read the results file \"%1\": it is not a regular file.").arg(path);
    } else if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read the results file \"%1\": %2").arg(path, file.errorString());
    } else {
        // The base name may not make a block path ("a(1).csv"): then "Results".
        CString ownBlock = CString::FromQString(info.completeBaseName());
        if (HostModel probe; !probe.AddBlock(ownBlock))
            ownBlock = CString("Results");
        QString reason;
        if (ReadResults(file, ownBlock, out, reason, described))
            return true;
        error = QStringLiteral("The results file \"%1\" is not valid: %2").arg(path, reason);
    }
    return false;
}

QString SkippedColumnsNote(const ResultsData& results)
{
    if (results.skippedCount == 0)
        return QString();
    return QStringLiteral("%1 column(s) whose names are no variable paths were passed over: %2%3")
        .arg(results.skippedCount)
        .arg(results.firstSkipped.join(QStringLiteral(", ")))
        .arg(results.skippedCount > static_cast<size_t>(results.firstSkipped.size()) ? QStringLiteral(", ...")
                                                                                     : QString());
}
