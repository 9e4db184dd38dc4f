#include "workbench/model/givenvalues.h"

#include "hostlib/jsonreader.h"
#include "hostlib/jsonstreamwriter.h"

#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>

namespace {

class GivenValuesReader : public JsonReader {
public:
    GivenValuesReader() : JsonReader(JsonNumberText::Value) { }

    bool Read(const QJsonValue& value, const HostModel& blocks, const std::vector<GivenValues>& before,
        std::vector<GivenValues>& out)
    {
        std::set<std::string> seen;
        for (const GivenValues& given : before)
            seen.insert(CString(given.variable).MakeLower().str());
        return ReadEach(value, QStringLiteral("values"), "an array", [&](const QJsonValue& item, const QString& place) {
            GivenValues given;
            if (!ReadTable(item, place, blocks, given))
                return false;
            if (!seen.insert(CString(given.variable).MakeLower().str()).second)
                return Fail(JsonMemberPlace(place, "variable"),
                    QStringLiteral("the values of %1 are given already").arg(QuotedName(given.variable)));
            out.push_back(std::move(given));
            return true;
        });
    }

private:
    bool ReadTable(const QJsonValue& value, const QString& where, const HostModel& blocks, GivenValues& out)
    {
        if (!value.isObject())
            return Fail(where, QStringLiteral("expected an object, found %1").arg(Describe(value)));
        const QJsonObject object = value.toObject();
        if (!CheckKeys(object, where, {"variable", "times", "rows"}))
            return false;
        const QString variablePlace = JsonMemberPlace(where, "variable");
        if (!ReadText(object.value(QLatin1String("variable")), variablePlace, out.variable))
            return false;
        const std::optional<HostModel::Match> match
            = out.variable.Find('(') < 0 ? blocks.FindVariable(out.variable) : std::nullopt;
        if (!match)
            return Fail(variablePlace,
                QStringLiteral("there is no variable %1 (a full path without subscripts)")
                    .arg(QuotedName(out.variable)));
        uint64_t elements = 0;
        if (!HostModel::CountElements(match->variable.extents, elements))
            return Fail(variablePlace, QStringLiteral("%1 has too many elements").arg(QuotedName(out.variable)));

        const QString timesPlace = JsonMemberPlace(where, "times");
        std::vector<double> times;
        if (!ReadNumbers(object.value(QLatin1String("times")), timesPlace, times))
            return false;
        if (times.empty())
            return Fail(timesPlace, QStringLiteral("at least one time is needed"));
        for (size_t i = 1; i < times.size(); ++i) {
            if (!(times[i] > times[i - 1]))
                return Fail(
                    JsonItemPlace(timesPlace, static_cast<qsizetype>(i)), QStringLiteral("times must increase"));
        }
        const QString rowsPlace = JsonMemberPlace(where, "rows");
        out.width = static_cast<size_t>(elements);
        size_t rows = 0;
        if (!ReadEach(object.value(QLatin1String("rows")), rowsPlace, "an array",
                [&](const QJsonValue& item, const QString& place) {
                    const size_t before = out.values.size();
                    if (!ReadNumbers(item, place, out.values))
                        return false;
                    if (out.values.size() - before != elements)
                        return Fail(place,
                            QStringLiteral("expected %1 values, one per element, found %2")
                                .arg(elements)
                                .arg(out.values.size() - before));
                    ++rows;
                    return true;
                }))
            return false;
        if (rows != times.size())
            return Fail(
                rowsPlace, QStringLiteral("expected %1 rows, one per time, found %2").arg(times.size()).arg(rows));
        out.times = std::make_shared<const std::vector<double>>(std::move(times));
        return true;
    }

    bool ReadNumbers(const QJsonValue& value, const QString& where, std::vector<double>& out)
    {
        return ReadEach(value, where, "an array of numbers", [&](const QJsonValue& item, const QString& place) {
            if (!item.isDouble() || !std::isfinite(item.toDouble()))
                return Fail(place, QStringLiteral("expected a finite number, found %1").arg(Describe(item)));
            out.push_back(item.toDouble());
            return true;
        });
    }
};

void WriteNumbers(JsonStreamWriter& out, const std::vector<double>& numbers)
{
    out.OpenArray();
    for (double number : numbers)
        out.Number(number);
    out.Close();
}

} // namespace

GivenValues GivenValues::Dense(
    const CString& variable, std::vector<double> times, const std::vector<std::vector<double>>& rows)
{
    GivenValues table;
    table.variable = variable;
    table.times = std::make_shared<const std::vector<double>>(std::move(times));
    table.width = rows.empty() ? 0 : rows.front().size();
    for (const std::vector<double>& row : rows)
        table.values.insert(table.values.end(), row.begin(), row.end());
    return table;
}

const std::vector<double>& GivenValues::Times() const
{
    static const std::vector<double> none;
    return times ? *times : none;
}

double GivenValues::At(size_t row, uint64_t element) const
{
    size_t slot = static_cast<size_t>(element);
    if (!givenElements.empty()) {
        const auto found = std::lower_bound(givenElements.begin(), givenElements.end(), element);
        if (found == givenElements.end() || *found != element)
            return std::numeric_limits<double>::quiet_NaN();
        slot = static_cast<size_t>(found - givenElements.begin());
    }
    const size_t at = row * width + slot;
    return slot < width && at < values.size() ? values[at] : std::numeric_limits<double>::quiet_NaN();
}

bool GivenValues::operator==(const GivenValues& other) const
{
    // Values compared bit for bit, so that missing values (NaN) compare equal too.
    return variable == other.variable && Times() == other.Times() && givenElements == other.givenElements
        && width == other.width && values.size() == other.values.size()
        && std::memcmp(values.data(), other.values.data(), values.size() * sizeof(double)) == 0;
}

bool ReadGivenValues(const QJsonValue& value, const HostModel& blocks, std::vector<GivenValues>& out, QString& error)
{
    GivenValuesReader reader;
    std::vector<GivenValues> read;
    if (!reader.Read(value, blocks, out, read)) {
        error = reader.Error();
        return false;
    }
    out.insert(out.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return true;
}

void WriteGivenValues(JsonStreamWriter& out, const std::vector<GivenValues>& values)
{
    // Keys in the order a JSON document sorts them.
    out.OpenArray();
    for (const GivenValues& given : values) {
        out.OpenObject();
        out.Key("rows");
        out.OpenArray();
        for (size_t row = 0; row < given.rowCount(); ++row) {
            out.OpenArray();
            for (size_t i = 0; i < given.width; ++i)
                out.Number(given.values[row * given.width + i]);
            out.Close();
        }
        out.Close();
        out.Key("times");
        WriteNumbers(out, given.Times());
        out.Key("variable");
        out.String(given.variable.ToQString());
        out.Close();
    }
    out.Close();
}
