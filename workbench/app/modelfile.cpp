#include "workbench/app/modelfile.h"

#include "workbench/app/givenvalues.h"

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

    // The whole file as one document: what every refusal is reported from.
    bool ReadModel(const QJsonDocument& document, WorkbenchModel& out)
    {
        if (!document.isObject())
            return Fail(QString(), QStringLiteral("the model file must hold one JSON object"));
        const QJsonObject object = document.object();
        if (!CheckKeys(object, QString(), {"blocks", "plots", "values"}))
            return false;
        if (!object.contains(QLatin1String("blocks")))
            return Fail(QString(), QStringLiteral("the model has no \"blocks\""));
        return ReadEach(object.value(QLatin1String("blocks")), QStringLiteral("blocks"), "an array",
                   [&](const QJsonValue& item, const QString& place) { return ReadBlock(item, place, out.blocks); })
            && (!object.contains(QLatin1String("plots")) || ReadPlots(object.value(QLatin1String("plots")), out))
            && (!object.contains(QLatin1String("values")) || ReadValues(object.value(QLatin1String("values")), out));
    }

    // The file block by block: each block's text is parsed alone and dropped
    // once its variables are stored, so that a large model is never held as a
    // whole JSON document beside the model. Only a file that reads without
    // fault is read this way; false means "read it as one document", which
    // gives the fault's message. Places are left out: they are wanted only in
    // those messages.
    bool ReadModelInParts(const QByteArray& text, WorkbenchModel& out)
    {
        m_quiet = true;
        JsonScanner scanner(text);
        bool blocksRead = false;
        QByteArray plots;
        QByteArray values;
        if (!scanner.Take('{'))
            return false;
        for (bool first = true; !scanner.Take('}'); first = false) {
            QByteArray key;
            if ((!first && !scanner.Take(',')) || !scanner.TakePlainKey(key) || !scanner.Take(':'))
                return false;
            if (key == "blocks" && !blocksRead) {
                blocksRead = true;
                if (!ReadBlocksInParts(scanner, out.blocks))
                    return false;
            } else if (key == "values" && values.isNull()) {
                // Given values too are read once the blocks are.
                if (!scanner.TakeArray(values))
                    return false;
            } else if (key != "plots" || !plots.isNull() || !scanner.TakeArray(plots)) {
                // Plots are read once the blocks they name are.
                return false;
            }
        }
        if (!scanner.AtEnd() || !blocksRead)
            return false;
        QJsonParseError error;
        if (!values.isNull()) {
            const QJsonDocument document = QJsonDocument::fromJson(values, &error);
            if (error.error != QJsonParseError::NoError || !ReadValues(document.array(), out))
                return false;
        }
        if (plots.isNull())
            return true;
        const QJsonDocument document = QJsonDocument::fromJson(plots, &error);
        return error.error == QJsonParseError::NoError && ReadPlots(document.array(), out);
    }

private:
    // The top of a model file, read by hand: an object of plain keys whose
    // values are arrays; the blocks are cut out one by one (as raw data over
    // the text) to be parsed alone. Anything else is left to the
    // whole-document reading.
    class JsonScanner {
    public:
        explicit JsonScanner(const QByteArray& text) : m_at(text.constData()), m_end(text.constData() + text.size()) { }

        bool Take(char ch)
        {
            SkipSpace();
            if (m_at == m_end || *m_at != ch)
                return false;
            ++m_at;
            return true;
        }
        bool AtEnd()
        {
            SkipSpace();
            return m_at == m_end;
        }
        // A key without escapes.
        bool TakePlainKey(QByteArray& key)
        {
            if (!Take('"'))
                return false;
            const char* const start = m_at;
            while (m_at != m_end && *m_at != '"' && *m_at != '\\')
                ++m_at;
            if (m_at == m_end || *m_at != '"')
                return false;
            key = QByteArray(start, m_at - start);
            ++m_at;
            return true;
        }
        bool TakeArray(QByteArray& value) { return TakeNested('[', value); }
        bool TakeObject(QByteArray& value) { return TakeNested('{', value); }

    private:
        void SkipSpace()
        {
            // JSON's white space, as QJsonDocument reads it.
            while (m_at != m_end && (*m_at == ' ' || *m_at == '\t' || *m_at == '\n' || *m_at == '\r'))
                ++m_at;
        }
        // The array or object here up to its closing bracket, skipping
        // strings; whether it is valid is for the parser to say.
        bool TakeNested(char open, QByteArray& value)
        {
            SkipSpace();
            if (m_at == m_end || *m_at != open)
                return false;
            const char* const start = m_at;
            int depth = 0;
            bool inString = false;
            for (const char* at = m_at; at != m_end; ++at) {
                const char ch = *at;
                if (inString) {
                    if (ch == '\\' && at + 1 != m_end)
                        ++at;
                    else if (ch == '"')
                        inString = false;
                } else if (ch == '"') {
                    inString = true;
                } else if (ch == '[' || ch == '{') {
                    ++depth;
                } else if ((ch == ']' || ch == '}') && --depth == 0) {
                    m_at = at + 1;
                    value = QByteArray::fromRawData(start, m_at - start);
                    return true;
                }
            }
            return false;
        }

        const char* m_at;
        const char* m_end;
    };

    bool ReadBlocksInParts(JsonScanner& scanner, HostModel& blocks)
    {
        if (!scanner.Take('['))
            return false;
        for (bool first = true; !scanner.Take(']'); first = false) {
            QByteArray item;
            QJsonParseError error;
            if ((!first && !scanner.Take(',')) || !scanner.TakeObject(item))
                return false;
            const QJsonDocument block = QJsonDocument::fromJson(item, &error);
            if (error.error != QJsonParseError::NoError || !ReadBlock(block.object(), QString(), blocks))
                return false;
        }
        return true;
    }

    // The place of a member, unless places are left out.
    QString MemberPlace(const QString& where, const char* key) const
    {
        return m_quiet ? QString() : JsonMemberPlace(where, key);
    }

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
        return ReadText(value, MemberPlace(where, key), out);
    }

    // Reads the array `value` as ReadEach does, naming items only when places are wanted.
    template <typename ReadItem> bool ReadItems(const QJsonValue& value, const QString& where, ReadItem readItem)
    {
        if (!m_quiet)
            return ReadEach(value, where, "an array", readItem);
        if (!value.isArray())
            return false;
        const QJsonArray array = value.toArray();
        for (const QJsonValue& item : array) {
            if (!readItem(item, QString()))
                return false;
        }
        return true;
    }

    // The host's registry checks names and duplicates as it is filled.
    bool ReadBlock(const QJsonValue& value, const QString& where, HostModel& registry)
    {
        QJsonObject object;
        CString path;
        if (!ReadObject(value, where, object) || !CheckKeys(object, where, {"path", "variables"})
            || !ReadRequiredText(object, where, "path", path))
            return false;
        QString reason;
        if (!registry.AddBlock(path, &reason))
            return Fail(MemberPlace(where, "path"), reason);
        if (!object.contains(QLatin1String("variables")))
            return true;
        const size_t block = registry.blocks().size() - 1;
        HostModel::Variable variable;
        const auto readVariable = [&](const QJsonValue& item, const QString& place) {
            variable.attributes = 0;
            variable.extents.clear();
            return ReadVariable(item, place, variable)
                && (registry.AddVariable(block, variable, &reason) || Fail(place, reason));
        };
        return ReadItems(object.value(QLatin1String("variables")), MemberPlace(where, "variables"), readVariable);
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
            && !ReadItems(object.value(QLatin1String("extents")), MemberPlace(where, "extents"), readExtent))
            return false;
        const QJsonValue widenable = object.value(QLatin1String("widenable"));
        if (!widenable.isUndefined()) {
            if (!widenable.isBool())
                return Fail(MemberPlace(where, "widenable"),
                    QStringLiteral("expected true or false, found %1").arg(Describe(widenable)));
            if (widenable.toBool() && out.extents.size() != 1)
                return Fail(MemberPlace(where, "widenable"),
                    QStringLiteral("only an array with one subscript can be widenable"));
            if (widenable.toBool())
                out.attributes |= ModelVariableWidenableAttribute;
        }
        return true;
    }

    bool ReadValues(const QJsonValue& value, WorkbenchModel& out)
    {
        QString error;
        return ReadGivenValues(value, out.blocks, out.values, error) || Fail(QString(), error);
    }

    bool ReadPlots(const QJsonValue& value, WorkbenchModel& out)
    {
        std::set<std::string> names;
        const auto readPlot = [&](const QJsonValue& item, const QString& place) {
            ModelPlot plot;
            if (!ReadPlot(item, place, out.blocks, plot))
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

    bool ReadPlot(const QJsonValue& value, const QString& where, const HostModel& blocks, ModelPlot& out)
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
        if (!blocks.FindBlock(out.owner))
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

    bool m_quiet = false;
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
    {
        WorkbenchModel read;
        if (ModelReader().ReadModelInParts(text, read)) {
            model = std::move(read);
            return true;
        }
    }
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
    for (const HostModel::Block& block : model.blocks.blocks()) {
        QJsonArray variables;
        for (size_t i = 0; i < block.variableCount(); ++i)
            variables.append(VariableToJson(block.VariableAt(i)));
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
    QJsonObject root {{QStringLiteral("blocks"), blocks}, {QStringLiteral("plots"), plots}};
    if (!model.values.empty())
        root.insert(QStringLiteral("values"), GivenValuesToJson(model.values));
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
