#include "workbench/hostlib/plotdefinitionjson.h"

#include "workbench/hostlib/jsonconvert.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace {

QJsonObject AxisToJson(const CString& name, const CStringArray& variables)
{
    return {{QStringLiteral("name"), JsonText(name)}, {QStringLiteral("variables"), JsonTexts(variables)}};
}

QJsonValue GroupToJson(const CStringArray& names, const CUIntArray& dimensions, const CUIntArray& counts,
                       const CStringArray& variables)
{
    if (!IsConsistentProfileGroup(names, dimensions, counts, variables)) {
        return QJsonObject{{QStringLiteral("names"), JsonTexts(names)},
                           {QStringLiteral("dimensions"), JsonNumbers(dimensions)},
                           {QStringLiteral("counts"), JsonNumbers(counts)},
                           {QStringLiteral("variables"), JsonTexts(variables)}};
    }
    QJsonArray profiles;
    for (const PlotProfile& profile : SplitProfileGroup(names, dimensions, counts, variables)) {
        profiles.append(QJsonObject{{QStringLiteral("name"), JsonText(profile.name)},
                                    {QStringLiteral("dimension"), static_cast<qint64>(profile.dimension)},
                                    {QStringLiteral("variables"), JsonTexts(profile.variables)}});
    }
    return profiles;
}

QString Describe(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true or false");
    case QJsonValue::Double:
        return QStringLiteral("the number %1").arg(value.toDouble());
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    default:
        return QStringLiteral("nothing");
    }
}

QString Item(const QString& where, qsizetype index)
{
    return QStringLiteral("%1[%2]").arg(where).arg(index);
}

QString Member(const QString& where, const char* key)
{
    return where.isEmpty() ? QString::fromLatin1(key) : where + QLatin1Char('.') + QLatin1String(key);
}

// Reads one JSON value after another; the first failure is kept in `error`.
class DefinitionReader {
public:
    QString error;

    bool ReadDefinition(const QJsonValue& json, PlotDefinition& out)
    {
        if (!json.isObject())
            return Fail(QString(), QStringLiteral("the plot definition must be a JSON object, found %1").arg(Describe(json)));
        const QJsonObject object = json.toObject();
        if (!CheckKeys(object, QString(),
                       {"is3DPlot", "yAxisIsTime", "xAxis", "yAxis", "plotted", "unassigned", "maxTimePoints",
                        "timeMode", "timeEntries"}))
            return false;
        return ReadOptionalFlag(object, "is3DPlot", out.is3DPlot)
            && ReadOptionalFlag(object, "yAxisIsTime", out.yAxisIsTime)
            && ReadOptionalAxis(object, "xAxis", out.xAxisName, out.xAxisVariables)
            && ReadOptionalAxis(object, "yAxis", out.yAxisName, out.yAxisVariables)
            && ReadOptionalGroup(object, "plotted", out.plottedNames, out.plottedDimensions, out.plottedCounts,
                                 out.plottedVariables)
            && ReadOptionalGroup(object, "unassigned", out.unassignedNames, out.unassignedDimensions,
                                 out.unassignedCounts, out.unassignedVariables)
            && ReadOptionalInt(object, "maxTimePoints", out.maxTimePoints)
            && ReadOptionalInt(object, "timeMode", out.timeMode)
            && (!object.contains(QLatin1String("timeEntries"))
                || ReadTexts(object.value(QLatin1String("timeEntries")), QStringLiteral("timeEntries"), out.timeEntries));
    }

private:
    bool Fail(const QString& where, const QString& what)
    {
        error = where.isEmpty() ? what : where + QStringLiteral(": ") + what;
        return false;
    }

    bool CheckKeys(const QJsonObject& object, const QString& where, std::initializer_list<const char*> allowed)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool known = false;
            for (const char* key : allowed)
                known = known || it.key() == QLatin1String(key);
            if (!known)
                return Fail(where, QStringLiteral("unknown key \"%1\"").arg(it.key()));
        }
        return true;
    }

    bool ReadWhole(const QJsonValue& value, const QString& where, double lowest, double highest, double& out)
    {
        const double number = value.toDouble();
        if (!value.isDouble() || std::floor(number) != number || number < lowest || number > highest) {
            return Fail(where, QStringLiteral("expected a whole number from %1 to %2, found %3")
                                   .arg(lowest, 0, 'f', 0)
                                   .arg(highest, 0, 'f', 0)
                                   .arg(Describe(value)));
        }
        out = number;
        return true;
    }

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

    bool ReadText(const QJsonValue& value, const QString& where, CString& out)
    {
        if (!value.isString())
            return Fail(where, QStringLiteral("expected a string, found %1").arg(Describe(value)));
        out = CString::FromQString(value.toString());
        return true;
    }

    bool ReadTexts(const QJsonValue& value, const QString& where, CStringArray& out)
    {
        if (!value.isArray())
            return Fail(where, QStringLiteral("expected an array of strings, found %1").arg(Describe(value)));
        const QJsonArray array = value.toArray();
        CStringArray texts;
        for (qsizetype i = 0; i < array.size(); ++i) {
            CString text;
            if (!ReadText(array.at(i), Item(where, i), text))
                return false;
            texts.Add(text);
        }
        out = texts;
        return true;
    }

    bool ReadNumbers(const QJsonValue& value, const QString& where, CUIntArray& out)
    {
        if (!value.isArray())
            return Fail(where, QStringLiteral("expected an array of whole numbers, found %1").arg(Describe(value)));
        const QJsonArray array = value.toArray();
        CUIntArray numbers;
        for (qsizetype i = 0; i < array.size(); ++i) {
            UINT number = 0;
            if (!ReadUInt(array.at(i), Item(where, i), number))
                return false;
            numbers.Add(number);
        }
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
            return Fail(where, QStringLiteral("expected an object with \"name\" and \"variables\", found %1")
                                   .arg(Describe(value)));
        const QJsonObject axis = value.toObject();
        if (!CheckKeys(axis, where, {"name", "variables"}))
            return false;
        CString axisName;
        CStringArray axisVariables;
        if (axis.contains(QLatin1String("name")) && !ReadText(axis.value(QLatin1String("name")), Member(where, "name"), axisName))
            return false;
        if (axis.contains(QLatin1String("variables"))
            && !ReadTexts(axis.value(QLatin1String("variables")), Member(where, "variables"), axisVariables))
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
        return ReadText(object.value(QLatin1String("name")), Member(where, "name"), out.name)
            && (!object.contains(QLatin1String("dimension"))
                || ReadUInt(object.value(QLatin1String("dimension")), Member(where, "dimension"), out.dimension))
            && (!object.contains(QLatin1String("variables"))
                || ReadTexts(object.value(QLatin1String("variables")), Member(where, "variables"), out.variables));
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
        if ((has("names") && !ReadTexts(at("names"), Member(where, "names"), newNames))
            || (has("dimensions") && !ReadNumbers(at("dimensions"), Member(where, "dimensions"), newDimensions))
            || (has("counts") && !ReadNumbers(at("counts"), Member(where, "counts"), newCounts))
            || (has("variables") && !ReadTexts(at("variables"), Member(where, "variables"), newVariables)))
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
        if (!value.isArray())
            return Fail(where, QStringLiteral("expected an array of profiles, found %1").arg(Describe(value)));
        const QJsonArray array = value.toArray();
        std::vector<PlotProfile> profiles;
        profiles.reserve(static_cast<size_t>(array.size()));
        for (qsizetype i = 0; i < array.size(); ++i) {
            PlotProfile profile;
            if (!ReadProfile(array.at(i), Item(where, i), profile))
                return false;
            profiles.push_back(std::move(profile));
        }
        JoinProfileGroup(profiles, names, dimensions, counts, variables);
        return true;
    }
};

// 1-based line and column of a byte offset in `text`.
QString Position(const QByteArray& text, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text.at(i) == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

} // namespace

QJsonObject PlotDefinitionToJson(const PlotDefinition& definition)
{
    return {
        {QStringLiteral("is3DPlot"), definition.is3DPlot},
        {QStringLiteral("yAxisIsTime"), definition.yAxisIsTime},
        {QStringLiteral("xAxis"), AxisToJson(definition.xAxisName, definition.xAxisVariables)},
        {QStringLiteral("yAxis"), AxisToJson(definition.yAxisName, definition.yAxisVariables)},
        {QStringLiteral("plotted"), GroupToJson(definition.plottedNames, definition.plottedDimensions,
                                                definition.plottedCounts, definition.plottedVariables)},
        {QStringLiteral("unassigned"), GroupToJson(definition.unassignedNames, definition.unassignedDimensions,
                                                   definition.unassignedCounts, definition.unassignedVariables)},
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
        error = reader.error;
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
        error = QStringLiteral("JSON syntax error at %1: %2").arg(Position(text, parseError.offset), parseError.errorString());
        return false;
    }
    if (document.isObject())
        return PlotDefinitionFromJson(document.object(), definition, error);
    return PlotDefinitionFromJson(document.isArray() ? QJsonValue(document.array()) : QJsonValue(), definition, error);
}
