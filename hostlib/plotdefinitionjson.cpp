#include "hostlib/plotdefinitionjson.h"

#include "hostlib/jsonconvert.h"
#include "hostlib/jsonreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <limits>
#include <vector>

namespace {

QJsonObject AxisToJson(const CString& name, const CStringArray& variables)
{
    return {{QStringLiteral("name"), JsonText(name)}, {QStringLiteral("variables"), JsonTexts(variables)}};
}

QJsonValue GroupToJson(
    const CStringArray& names, const CUIntArray& dimensions, const CUIntArray& counts, const CStringArray& variables)
{
    if (!IsConsistentProfileGroup(names, dimensions, counts, variables)) {
        return QJsonObject {{QStringLiteral("names"), JsonTexts(names)},
            {QStringLiteral("dimensions"), JsonNumbers(dimensions)}, {QStringLiteral("counts"), JsonNumbers(counts)},
            {QStringLiteral("variables"), JsonTexts(variables)}};
    }
    QJsonArray profiles;
    for (const PlotProfile& profile : SplitProfileGroup(names, dimensions, counts, variables)) {
        profiles.append(QJsonObject {{QStringLiteral("name"), JsonText(profile.name)},
            {QStringLiteral("dimension"), static_cast<qint64>(profile.dimension)},
            {QStringLiteral("variables"), JsonTexts(profile.variables)}});
    }
    return profiles;
}

// Reads one JSON value after another; a number found where it does not fit is
// named with its value.
class DefinitionReader : public JsonReader {
public:
    DefinitionReader() : JsonReader(JsonNumberText::Value) { }

    bool ReadDefinition(const QJsonValue& json, PlotDefinition& out)
    {
        if (!json.isObject())
            return Fail(
                QString(), QStringLiteral("the plot definition must be a JSON object, found %1").arg(Describe(json)));
        const QJsonObject object = json.toObject();
        if (!CheckKeys(object, QString(),
                {"is3DPlot", "yAxisIsTime", "xAxis", "yAxis", "plotted", "unassigned", "maxTimePoints", "timeMode",
                    "timeEntries"}))
            return false;
        return ReadOptionalFlag(object, "is3DPlot", out.is3DPlot)
            && ReadOptionalFlag(object, "yAxisIsTime", out.yAxisIsTime)
            && ReadOptionalAxis(object, "xAxis", out.xAxisName, out.xAxisVariables)
            && ReadOptionalAxis(object, "yAxis", out.yAxisName, out.yAxisVariables)
            && ReadOptionalGroup(
                object, "plotted", out.plottedNames, out.plottedDimensions, out.plottedCounts, out.plottedVariables)
            && ReadOptionalGroup(object, "unassigned", out.unassignedNames, out.unassignedDimensions,
                out.unassignedCounts, out.unassignedVariables)
            && ReadOptionalInt(object, "maxTimePoints", out.maxTimePoints)
            && ReadOptionalInt(object, "timeMode", out.timeMode)
            && (!object.contains(QLatin1String("timeEntries"))
                || ReadTexts(
                    object.value(QLatin1String("timeEntries")), QStringLiteral("timeEntries"), out.timeEntries));
    }

private:
    bool ReadInt(const QJsonValue& value, const QString& where, int32_t& out)
    {
        double number = 0;
        if (!ReadWhole(value, where, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), number))
            return false;
        out = static_cast<int32_t>(number);
        return true;
    }

    bool ReadUInt(const QJsonValue& value, const QString& where, UINT& out)
    {
        double number = 0;
        if (!ReadWhole(value, where, 0, std::numeric_limits<UINT>::max(), number))
            return false;
        out = static_cast<UINT>(number);
        return true;
    }

    bool ReadOptionalInt(const QJsonObject& object, const char* key, int32_t& out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        return value.isUndefined() || ReadInt(value, QString::fromLatin1(key), out);
    }

    bool ReadOptionalFlag(const QJsonObject& object, const char* key, int32_t& out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isBool()) {
            out = value.toBool() ? 1 : 0;
            return true;
        }
        return value.isUndefined() || ReadInt(value, QString::fromLatin1(key), out);
    }

    bool ReadTexts(const QJsonValue& value, const QString& where, CStringArray& out)
    {
        CStringArray texts;
        const auto readText = [&](const QJsonValue& item, const QString& place) {
            CString text;
            if (!ReadText(item, place, text))
                return false;
            texts.Add(text);
            return true;
        };
        if (!ReadEach(value, where, "an array of strings", readText))
            return false;
        out = texts;
        return true;
    }

    bool ReadNumbers(const QJsonValue& value, const QString& where, CUIntArray& out)
    {
        CUIntArray numbers;
        const auto readNumber = [&](const QJsonValue& item, const QString& place) {
            UINT number = 0;
            if (!ReadUInt(item, place, number))
                return false;
            numbers.Add(number);
            return true;
        };
        if (!ReadEach(value, where, "an array of whole numbers", readNumber))
            return false;
        out = numbers;
        return true;
    }

    bool ReadOptionalAxis(const QJsonObject& object, const char* key, CString& name, CStringArray& variables)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return true;
        const QString where = QString::fromLatin1(key);
        if (!value.isObject())
            return Fail(where,
                QStringLiteral("expected an object with \"name\" and \"variables\", found %1").arg(Describe(value)));
        const QJsonObject axis = value.toObject();
        if (!CheckKeys(axis, where, {"name", "variables"}))
            return false;
        CString axisName;
        CStringArray axisVariables;
        if (axis.contains(QLatin1String("name"))
            && !ReadText(axis.value(QLatin1String("name")), JsonMemberPlace(where, "name"), axisName))
            return false;
        if (axis.contains(QLatin1String("variables"))
            && !ReadTexts(axis.value(QLatin1String("variables")), JsonMemberPlace(where, "variables"), axisVariables))
            return false;
        name = axisName;
        variables = axisVariables;
        return true;
    }

    bool ReadProfile(const QJsonValue& value, const QString& where, PlotProfile& out)
    {
        if (!value.isObject())
            return Fail(where, QStringLiteral("expected a profile object, found %1").arg(Describe(value)));
        const QJsonObject object = value.toObject();
        if (!CheckKeys(object, where, {"name", "dimension", "variables"}))
            return false;
        if (!object.contains(QLatin1String("name")))
            return Fail(where, QStringLiteral("the profile has no \"name\""));
        return ReadText(object.value(QLatin1String("name")), JsonMemberPlace(where, "name"), out.name)
            && (!object.contains(QLatin1String("dimension"))
                || ReadUInt(
                    object.value(QLatin1String("dimension")), JsonMemberPlace(where, "dimension"), out.dimension))
            && (!object.contains(QLatin1String("variables"))
                || ReadTexts(
                    object.value(QLatin1String("variables")), JsonMemberPlace(where, "variables"), out.variables));
    }

    bool ReadArrays(const QJsonObject& object, const QString& where, CStringArray& names, CUIntArray& dimensions,
        CUIntArray& counts, CStringArray& variables)
    {
        if (!CheckKeys(object, where, {"names", "dimensions", "counts", "variables"}))
            return false;
        CStringArray newNames;
        CUIntArray newDimensions;
        CUIntArray newCounts;
        CStringArray newVariables;
        const auto has = [&object](const char* key) { return object.contains(QLatin1String(key)); };
        const auto at = [&object](const char* key) { return object.value(QLatin1String(key)); };
        if ((has("names") && !ReadTexts(at("names"), JsonMemberPlace(where, "names"), newNames))
            || (has("dimensions")
                && !ReadNumbers(at("dimensions"), JsonMemberPlace(where, "dimensions"), newDimensions))
            || (has("counts") && !ReadNumbers(at("counts"), JsonMemberPlace(where, "counts"), newCounts))
            || (has("variables") && !ReadTexts(at("variables"), JsonMemberPlace(where, "variables"), newVariables)))
            return false;
        names = newNames;
        dimensions = newDimensions;
        counts = newCounts;
        variables = newVariables;
        return true;
    }

    bool ReadOptionalGroup(const QJsonObject& object, const char* key, CStringArray& names, CUIntArray& dimensions,
        CUIntArray& counts, CStringArray& variables)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        const QString where = QString::fromLatin1(key);
        if (value.isUndefined())
            return true;
        if (value.isObject())
            return ReadArrays(value.toObject(), where, names, dimensions, counts, variables);
        std::vector<PlotProfile> profiles;
        const auto readProfile = [&](const QJsonValue& item, const QString& place) {
            PlotProfile profile;
            if (!ReadProfile(item, place, profile))
                return false;
            profiles.push_back(std::move(profile));
            return true;
        };
        if (!ReadEach(value, where, "an array of profiles", readProfile))
            return false;
        JoinProfileGroup(profiles, names, dimensions, counts, variables);
        return true;
    }
};

} // namespace

QJsonObject PlotDefinitionToJson(const PlotDefinition& definition)
{
    return {
        {QStringLiteral("is3DPlot"), definition.is3DPlot},
        {QStringLiteral("yAxisIsTime"), definition.yAxisIsTime},
        {QStringLiteral("xAxis"), AxisToJson(definition.xAxisName, definition.xAxisVariables)},
        {QStringLiteral("yAxis"), AxisToJson(definition.yAxisName, definition.yAxisVariables)},
        {QStringLiteral("plotted"),
            GroupToJson(definition.plottedNames, definition.plottedDimensions, definition.plottedCounts,
                definition.plottedVariables)},
        {QStringLiteral("unassigned"),
            GroupToJson(definition.unassignedNames, definition.unassignedDimensions, definition.unassignedCounts,
                definition.unassignedVariables)},
        {QStringLiteral("maxTimePoints"), definition.maxTimePoints},
        {QStringLiteral("timeMode"), definition.timeMode},
        {QStringLiteral("timeEntries"), JsonTexts(definition.timeEntries)},
    };
}

bool PlotDefinitionFromJson(const QJsonValue& json, PlotDefinition& definition, QString& error)
{
    DefinitionReader reader;
    PlotDefinition read;
    if (!reader.ReadDefinition(json, read)) {
        error = reader.Error();
        return false;
    }
    definition = read;
    return true;
}

bool PlotDefinitionFromJsonText(const QByteArray& text, PlotDefinition& definition, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("JSON syntax error at %1: %2")
                    .arg(JsonTextPosition(text, parseError.offset), parseError.errorString());
        return false;
    }
    if (document.isObject())
        return PlotDefinitionFromJson(document.object(), definition, error);
    return PlotDefinitionFromJson(document.isArray() ? QJsonValue(document.array()) : QJsonValue(), definition, error);
}
