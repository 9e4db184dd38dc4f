#include "workbench/model/givenvalues.h"

#include "hostlib/jsonreader.h"
#include "hostlib/jsonstreamwriter.h"

#include <QJsonObject>

#include <cmath>
#include <set>

namespace {

class GivenValuesReader : public JsonReader {
public:
    GivenValuesReader() : JsonReader(JsonNumberText::Value) { }

    bool Read(const QJsonValue& value, const HostModel& blocks, std::vector<GivenValues>& out)
    {
        std::set<std::string> seen;
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
        if (!ReadNumbers(object.value(QLatin1String("times")), timesPlace, out.times))
            return false;
        if (out.times.empty())
            return Fail(timesPlace, QStringLiteral("at least one time is needed"));
        for (size_t i = 1; i < out.times.size(); ++i) {
            if (!(out.times[i] > out.times[i - 1]))
                return Fail(
                    JsonItemPlace(timesPlace, static_cast<qsizetype>(i)), QStringLiteral("times must increase"));
        }
        const QString rowsPlace = JsonMemberPlace(where, "rows");
        if (!ReadEach(object.value(QLatin1String("rows")), rowsPlace, "an array",
                [&](const QJsonValue& item, const QString& place) {
                    std::vector<double> row;
                    if (!ReadNumbers(item, place, row))
                        return false;
                    if (row.size() != elements)
                        return Fail(place,
                            QStringLiteral("expected %1 values, one per element, found %2")
                                .arg(elements)
                                .arg(row.size()));
                    out.rows.push_back(std::move(row));
                    return true;
                }))
            return false;
        if (out.rows.size() != out.times.size())
            return Fail(rowsPlace,
                QStringLiteral("expected %1 rows, one per time, found %2").arg(out.times.size()).arg(out.rows.size()));
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

bool ReadGivenValues(const QJsonValue& value, const HostModel& blocks, std::vector<GivenValues>& out, QString& error)
{
    GivenValuesReader reader;
    std::vector<GivenValues> read;
    if (!reader.Read(value, blocks, read)) {
        error = reader.Error();
        return false;
    }
    out = std::move(read);
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
        for (const std::vector<double>& row : given.rows)
            WriteNumbers(out, row);
        out.Close();
        out.Key("times");
        WriteNumbers(out, given.times);
        out.Key("variable");
        out.String(given.variable.ToQString());
        out.Close();
    }
    out.Close();
}
