#include "workbench/plot/plotdatatable.h"

#include <QLocale>

#include <cmath>
#include <map>
#include <utility>

namespace {

void AddField(QByteArray& out, const QString& text)
{
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quoted) {
        out += text.toUtf8();
        return;
    }
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    out += '"' + escaped.toUtf8() + '"';
}

void AddNumber(QByteArray& out, double value)
{
    if (!std::isnan(value))
        out += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

void AddRow(QByteArray& out, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        AddField(out, fields[i]);
    }
    out += "\r\n";
}

// Rows keyed by x and by the how-manieth point of a line at that x; points
// the chart leaves out (an x that is not finite) are left out here too.
void AddLines(const PlotData& data, QByteArray& out)
{
    QStringList header {data.xTitle};
    for (const PlotLine& line : data.lines)
        header << line.name;
    AddRow(out, header);
    using Key = std::pair<double, int>;
    std::map<Key, std::vector<double>> rows;
    const size_t lineCount = data.lines.size();
    for (size_t l = 0; l < lineCount; ++l) {
        std::map<double, int> seen;
        for (const QPointF& point : data.lines[l].points) {
            if (!std::isfinite(point.x()))
                continue;
            std::vector<double>& row = rows[{point.x(), seen[point.x()]++}];
            row.resize(lineCount, std::nan(""));
            row[l] = point.y();
        }
    }
    for (const auto& [key, values] : rows) {
        AddNumber(out, key.first);
        for (double value : values) {
            out += ',';
            AddNumber(out, std::isfinite(value) ? value : std::nan(""));
        }
        out += "\r\n";
    }
}

void AddMaps(const PlotData& data, QByteArray& out)
{
    AddRow(out, {QStringLiteral("map"), data.xTitle, data.yTitle, data.valueTitle});
    for (const PlotMap& map : data.maps) {
        QByteArray title;
        AddField(title, map.title);
        for (int r = 0; r < map.rows; ++r) {
            for (int c = 0; c < map.columns; ++c) {
                out += title + ',';
                AddNumber(out, map.xValues[static_cast<size_t>(c)]);
                out += ',';
                AddNumber(out, map.yValues[static_cast<size_t>(r)]);
                out += ',';
                AddNumber(out,
                    map.values[static_cast<size_t>(r) * static_cast<size_t>(map.columns) + static_cast<size_t>(c)]);
                out += "\r\n";
            }
        }
    }
}

} // namespace

bool PlotDataTable(const PlotData& data, QByteArray& table, QString& reason)
{
    table.clear();
    if (data.kind == PlotKind::Refused || data.times.empty()) {
        reason = data.reason.isEmpty() ? QStringLiteral("the plot draws nothing") : data.reason;
        return false;
    }
    if (data.kind == PlotKind::Lines)
        AddLines(data, table);
    else
        AddMaps(data, table);
    return true;
}
