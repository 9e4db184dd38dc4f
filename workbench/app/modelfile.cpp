#include "workbench/app/modelfile.h"

#include "host/interfaces/modelvariable.h"
#include "workbench/hostlib/jsonreader.h"
#include "workbench/hostlib/plotdefinitionjson.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QTemporaryFile>

#include <set>

namespace {

constexpr double LargestExtent = 1000000;

const char* AccessName(PlotAccess access)
{
    return access == PlotAccess::Host ? "host" : "direct";
}

// Reads the file's values one after another; a value of the wrong type is
// named by its kind.
class ModelReader : public JsonReader {
public:
    ModelReader() : JsonReader(JsonNumberText::Kind) { }

    bool ReadModel(const QJsonDocument& document, WorkbenchModel& out)
    {
        if (!document.isObject())
            return Fail(QString(), QStringLiteral("the model file must hold one JSON object"));
        const QJsonObject object = document.object();
        if (!CheckKeys(object, QString(), {"blocks", "plots"}))
            return false;
        if (!object.contains(QLatin1String("blocks")))
            return Fail(QString(), QStringLiteral("the model has no \"blocks\""));
        return ReadBlocks(object.value(QLatin1String("blocks")), out)
            && (!object.contains(QLatin1String("plots")) || ReadPlots(object.value(QLatin1String("plots")), out));
    }

private:
    bool ReadObject(const QJsonValue& value, const QString& where, QJsonObject& out)
    {
        if (!value.isObject())
            return Fail(where, QStringLiteral("expected an object, found %1").arg(Describe(value)));
        out = value.toObject();
        return true;
    }

    bool ReadRequiredText(const QJsonObject& object, const QString& where, const char* key, CString& out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return Fail(where, QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
        return ReadText(value, JsonMemberPlace(where, key), out);
    }

    bool ReadBlocks(const QJsonValue& value, WorkbenchModel& out)
    {
        // The host's registry checks names and duplicates as it is filled.
        HostModel registry;
        const auto readBlock = [&](const QJsonValue& item, const QString& place) {
            ModelBlock block;
            if (!ReadBlock(item, place, registry, block))
                return false;
            out.blocks.push_back(std::move(block));
            return true;
        };
        if (!ReadEach(value, QStringLiteral("blocks"), "an array", readBlock))
            return false;
        m_registry = std::move(registry);
        return true;
    }

    bool ReadBlock(const QJsonValue& value, const QString& where, HostModel& registry, ModelBlock& out)
    {
        QJsonObject object;
        if (!ReadObject(value, where, object) || !CheckKeys(object, where, {"path", "variables"})
            || !ReadRequiredText(object, where, "path", out.path))
            return false;
        QString reason;
        if (!registry.AddBlock(out.path, &reason))
            return Fail(JsonMemberPlace(where, "path"), reason);
        if (!object.contains(QLatin1String("variables")))
            return true;
        const auto readVariable = [&](const QJsonValue& item, const QString& place) {
            HostModel::Variable variable;
            if (!ReadVariable(item, place, variable))
                return false;
            if (!registry.AddVariable(out.path, variable, &reason))
                return Fail(place, reason);
            out.variables.push_back(std::move(variable));
            return true;
        };
        return ReadEach(
            object.value(QLatin1String("variables")), JsonMemberPlace(where, "variables"), "an array", readVariable);
    }

    bool ReadVariable(const QJsonValue& value, const QString& where, HostModel::Variable& out)
    {
        QJsonObject object;
        if (!ReadObject(value, where, object) || !CheckKeys(object, where, {"name", "extents", "widenable"})
            || !ReadRequiredText(object, where, "name", out.name))
            return false;
        const auto readExtent = [&](const QJsonValue& item, const QString& place) {
            double extent = 0;
            if (!ReadWhole(item, place, 1, LargestExtent, extent))
                return false;
            out.extents.push_back(static_cast<UINT>(extent));
            return true;
        };
        if (object.contains(QLatin1String("extents"))
            && !ReadEach(
                object.value(QLatin1String("extents")), JsonMemberPlace(where, "extents"), "an array", readExtent))
            return false;
        const QJsonValue widenable = object.value(QLatin1String("widenable"));
        if (!widenable.isUndefined()) {
            if (!widenable.isBool())
                return Fail(JsonMemberPlace(where, "widenable"),
                    QStringLiteral("expected true or false, found %1").arg(Describe(widenable)));
            if (widenable.toBool() && out.extents.size() != 1)
                return Fail(JsonMemberPlace(where, "widenable"),
                    QStringLiteral("only an array with one subscript can be widenable"));
            if (widenable.toBool())
                out.attributes |= ModelVariableWidenableAttribute;
        }
        return true;
    }

    bool ReadPlots(const QJsonValue& value, WorkbenchModel& out)
    {
        std::set<std::string> names;
        const auto readPlot = [&](const QJsonValue& item, const QString& place) {
            ModelPlot plot;
            if (!ReadPlot(item, place, plot))
                return false;
            if (!names.insert(plot.name.str()).second)
                return Fail(JsonMemberPlace(place, "name"),
                    QStringLiteral("a plot named %1 exists already; plot names must be unique")
                        .arg(QuotedName(plot.name)));
            out.plots.push_back(std::move(plot));
            return true;
        };
        return ReadEach(value, QStringLiteral("plots"), "an array", readPlot);
    }

    bool ReadPlot(const QJsonValue& value, const QString& where, ModelPlot& out)
    {
        QJsonObject object;
        if (!ReadObject(value, where, object)
            || !CheckKeys(object, where, {"name", "owner", "context", "access", "definition"})
            || !ReadRequiredText(object, where, "name", out.name)
            || !ReadRequiredText(object, where, "owner", out.owner)
            || !ReadRequiredText(object, where, "context", out.contextName))
            return false;
        if (!IsPrintableName(out.name.str()))
            return Fail(JsonMemberPlace(where, "name"),
                QStringLiteral("a plot needs a name that is not blank and holds no control characters, not %1")
                    .arg(QuotedName(out.name)));
        if (!m_registry.FindBlock(out.owner))
            return Fail(
                JsonMemberPlace(where, "owner"), QStringLiteral("there is no block %1").arg(QuotedName(out.owner)));
        CString access;
        if (!ReadRequiredText(object, where, "access", access))
            return false;
        if (access == "direct")
            out.access = PlotAccess::Direct;
        else if (access == "host")
            out.access = PlotAccess::Host;
        else
            return Fail(JsonMemberPlace(where, "access"),
                QStringLiteral("expected \"direct\" or \"host\", found %1").arg(QuotedName(access)));
        const QJsonValue definition = object.value(QLatin1String("definition"));
        if (definition.isUndefined())
            return Fail(where, QStringLiteral("\"definition\" is missing"));
        QString reason;
        if (!PlotDefinitionFromJson(definition, out.definition, reason))
            return Fail(JsonMemberPlace(where, "definition"), reason);
        return true;
    }

    HostModel m_registry;
};

QJsonObject VariableToJson(const HostModel::Variable& variable)
{
    QJsonObject object {{QStringLiteral("name"), variable.name.ToQString()}};
    if (!variable.extents.empty()) {
        QJsonArray extents;
        for (UINT extent : variable.extents)
            extents.append(static_cast<qint64>(extent));
        object.insert(QStringLiteral("extents"), extents);
    }
    if (variable.attributes & ModelVariableWidenableAttribute)
        object.insert(QStringLiteral("widenable"), true);
    return object;
}

} // namespace

bool ReadModelFile(const QByteArray& text, WorkbenchModel& model, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("JSON syntax error at %1 (offset %2): %3")
                    .arg(JsonTextPosition(text, parseError.offset))
                    .arg(parseError.offset)
                    .arg(parseError.errorString());
        return false;
    }
    ModelReader reader;
    WorkbenchModel read;
    if (!reader.ReadModel(document, read)) {
        error = reader.Error();
        return false;
    }
    model = std::move(read);
    return true;
}

QByteArray WriteModelFile(const WorkbenchModel& model)
{
    QJsonArray blocks;
    for (const ModelBlock& block : model.blocks) {
        QJsonArray variables;
        for (const HostModel::Variable& variable : block.variables)
            variables.append(VariableToJson(variable));
        blocks.append(
            QJsonObject {{QStringLiteral("path"), block.path.ToQString()}, {QStringLiteral("variables"), variables}});
    }
    QJsonArray plots;
    for (const ModelPlot& plot : model.plots) {
        plots.append(QJsonObject {{QStringLiteral("name"), plot.name.ToQString()},
            {QStringLiteral("owner"), plot.owner.ToQString()},
            {QStringLiteral("context"), plot.contextName.ToQString()},
            {QStringLiteral("access"), QLatin1String(AccessName(plot.access))},
            {QStringLiteral("definition"), PlotDefinitionToJson(plot.definition)}});
    }
    const QJsonObject root {{QStringLiteral("blocks"), blocks}, {QStringLiteral("plots"), plots}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool LoadModelFile(const QString& path, WorkbenchModel& model, QString& error, qint64 sizeLimit)
{
    // A device or a pipe could be read without end or block for ever.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("Cannot read the model file \"%1\": it is not a regular file.").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read the model file \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    // Read up to one byte past the limit, so that a file growing meanwhile is caught too.
    const QByteArray text = file.size() > sizeLimit ? QByteArray() : file.read(file.size() + 1);
    if (file.size() > sizeLimit || text.size() > sizeLimit) {
        error = QStringLiteral("The model file \"%1\" is larger than %2 bytes, the most a model file may hold.")
                    .arg(path)
                    .arg(sizeLimit);
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Cannot read the model file \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    file.close();
    QString reason;
    if (!ReadModelFile(text, model, reason)) {
        error = QStringLiteral("The model file \"%1\" is not valid: %2").arg(path, reason);
        return false;
    }
    return true;
}

bool CheckModelSaveTarget(const QString& path, QString& error)
{
    const QFileInfo info(path);
    // Renaming the new file over a device or a pipe would replace it.
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("Cannot save the model to \"%1\": it exists and is not a regular file.").arg(path);
        return false;
    }
    if (info.exists() && !info.isWritable()) {
        error = QStringLiteral("Cannot save the model to \"%1\": it is not writable.").arg(path);
        return false;
    }
    // The file is written beside its target and renamed: try that folder.
    QTemporaryFile probe(info.absoluteDir().filePath(QStringLiteral(".workbench-save-XXXXXX")));
    if (!probe.open()) {
        error = QStringLiteral("Cannot save the model to \"%1\": cannot write in the folder \"%2\": %3")
                    .arg(path, info.absolutePath(), probe.errorString());
        return false;
    }
    return true;
}

bool SaveModelFile(const QString& path, const WorkbenchModel& model, QString& error)
{
    if (!CheckModelSaveTarget(path, error))
        return false;
    QSaveFile file(path);
    const QByteArray text = WriteModelFile(model);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        error = QStringLiteral("Cannot save the model to \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
