#include "workbench/model/modelfile.h"

#include "workbench/model/givenvalues.h"
#include "workbench/model/heapinlargepages.h"
#include "workbench/model/modeltextscanner.h"
#include "workbench/model/outputtarget.h"
#include "workbench/model/resultsfile.h"

#include "host/interfaces/modelvariable.h"
#include "hostlib/jsonduplicatekeys.h"
#include "hostlib/jsonreader.h"
#include "hostlib/jsonstreamwriter.h"
#include "hostlib/plotdefinitionjson.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QTemporaryFile>

#include <sys/mman.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string_view>

namespace {

const char* AccessName(PlotAccess access)
{
    return access == PlotAccess::Host ? "host" : "direct";
}

// Reads the file's values one after another; a value of the wrong type is
// named by its kind.
class ModelReader : public JsonReader {
public:
    explicit ModelReader(ResultsSource* results = nullptr) : JsonReader(JsonNumberText::Kind), m_results(results) { }

    // The whole file as one document: what every refusal is reported from.
    bool ReadModel(const QJsonDocument& document, WorkbenchModel& out)
    {
        if (!document.isObject())
            return Fail(QString(), QStringLiteral("the model file must hold one JSON object"));
        const QJsonObject object = document.object();
        if (!CheckKeys(object, QString(), {"blocks", "plots", "values", "results"}))
            return false;
        const bool listsBlocks = object.contains(QLatin1String("blocks"));
        if ((listsBlocks
                && !ReadEach(object.value(QLatin1String("blocks")), QStringLiteral("blocks"), "an array",
                    [&](const QJsonValue& item, const QString& place) { return ReadBlock(item, place, out.blocks); }))
            || !ReadResults(object, out))
            return false;
        if (!listsBlocks && out.results.isEmpty())
            return Fail(QString(), QStringLiteral("the model has no \"blocks\""));
        return (!object.contains(QLatin1String("plots")) || ReadPlots(object.value(QLatin1String("plots")), out))
            && (!object.contains(QLatin1String("values")) || ReadValues(object.value(QLatin1String("values")), out));
    }

    // The file read by the scanner, without a JSON document: the blocks
    // straight from the text; plots and given values, which are small, each
    // parsed alone once the blocks they name are read. Only a file that
    // reads without fault is read this way; false means "read it as one
    // document", which gives the fault's message.
    bool ReadModelInParts(
        const QByteArray& text, WorkbenchModel& out, const std::function<void(const char*)>& passed = {})
    {
        ModelTextScanner scanner(text);
        bool blocksRead = false;
        QByteArray plots;
        QByteArray values;
        std::string key;
        if (!scanner.Take('{'))
            return false;
        for (bool first = true; !scanner.Take('}'); first = false) {
            if ((!first && !scanner.Take(',')) || !scanner.TakeString(key) || !scanner.Take(':'))
                return false;
            if (key == "blocks" && !blocksRead) {
                blocksRead = true;
                if (!scanner.TakeBlocks(out.blocks, passed))
                    return false;
            } else if (key == "values" && values.isNull()) {
                if (!scanner.TakeArray(values))
                    return false;
            } else if (key != "plots" || !plots.isNull() || !scanner.TakeArray(plots)) {
                return false;
            }
        }
        if (!scanner.AtEnd() || !blocksRead)
            return false;
        QJsonDocument document;
        return (values.isNull() || (ParseArray(values, document) && ReadValues(document.array(), out)))
            && (plots.isNull() || (ParseArray(plots, document) && ReadPlots(document.array(), out)));
    }

private:
    // A part of the file as a document, when it is valid JSON and gives no key twice.
    static bool ParseArray(const QByteArray& text, QJsonDocument& document)
    {
        QJsonParseError error;
        document = QJsonDocument::fromJson(text, &error);
        QString duplicate;
        return error.error == QJsonParseError::NoError && !FindDuplicateJsonKey(text, duplicate);
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
        return ReadText(value, JsonMemberPlace(where, key), out);
    }

    // The model file's "results": the results file's blocks and values
    // come first. A replacement file is read whatever the model names.
    bool ReadResults(const QJsonObject& object, WorkbenchModel& out)
    {
        const QJsonValue value = object.value(QLatin1String("results"));
        QString reference = value.toString();
        if (!value.isUndefined() && (!value.isString() || reference.isEmpty()))
            return Fail(QStringLiteral("results"),
                QStringLiteral("expected the name of a results file, found %1").arg(Describe(value)));
        if (m_results && !m_results->replacement.isEmpty())
            reference = QFileInfo(m_results->replacement).absoluteFilePath();
        if (reference.isEmpty())
            return true;
        if (!m_results)
            return Fail(
                QStringLiteral("results"), QStringLiteral("only a model file read from disk can name a results file"));
        ResultsData results;
        QString reason;
        const QString path = QFileInfo(QDir(m_results->folder).filePath(reference)).absoluteFilePath();
        if (!LoadResultsFile(path, results, reason, &out.blocks))
            return Fail(QStringLiteral("results"), reason);
        if (!AddListedBlocks(out.blocks, results.blocks))
            return false;
        m_results->note = SkippedColumnsNote(results);
        out.results = path;
        out.listedBlocks = std::move(out.blocks);
        out.blocks = std::move(results.blocks);
        out.values = std::move(results.values);
        out.resultsValueCount = out.values.size();
        return true;
    }

    // The listed blocks and variables added to the results file's; a variable
    // both define must have the same extents.
    bool AddListedBlocks(const HostModel& listed, HostModel& merged)
    {
        for (size_t b = 0; b < listed.blocks().size(); ++b) {
            const HostModel::Block& block = listed.blocks()[b];
            const QString where = JsonItemPlace(QStringLiteral("blocks"), static_cast<qsizetype>(b));
            QString reason;
            if (!merged.FindBlock(block.path) && !merged.AddBlock(block.path, &reason))
                return Fail(where, reason);
            for (size_t v = 0; v < block.variableCount(); ++v) {
                const HostModel::Variable variable = block.VariableAt(v);
                const auto given = merged.FindVariable(WholeVariablePath(block, v));
                if (given && given->variable.extents != variable.extents)
                    return Fail(JsonItemPlace(JsonMemberPlace(where, "variables"), static_cast<qsizetype>(v)),
                        QStringLiteral("the results file gives %1 other extents").arg(QuotedName(given->path)));
                if (!given && !merged.AddVariable(block.path, variable, &reason))
                    return Fail(where, reason);
            }
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
            return Fail(JsonMemberPlace(where, "path"), reason);
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
            if (!ReadWhole(item, place, 1, LargestModelExtent, extent))
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

    bool ReadValues(const QJsonValue& value, WorkbenchModel& out)
    {
        QString error;
        return ReadGivenValues(value, out.blocks, out.values, error) || Fail(QString(), error);
    }

    ResultsSource* m_results;

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
};

// Host text as a JSON string: ASCII as it is, the rest through the locale
// encoding as the document's writer takes it.
void WriteHostText(JsonStreamWriter& out, std::string_view text)
{
    if (std::all_of(text.begin(), text.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }))
        out.Utf8String(text.data(), static_cast<qsizetype>(text.size()));
    else
        out.String(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

void WriteBlock(JsonStreamWriter& out, const HostModel::Block& block)
{
    // Keys in the order a JSON document sorts them.
    out.OpenObject();
    out.Key("path");
    WriteHostText(out, block.path.str());
    out.Key("variables");
    out.OpenArray();
    for (size_t i = 0; i < block.variableCount(); ++i) {
        out.OpenObject();
        const HostModel::Extents extents = block.ExtentsAt(i);
        if (!extents.empty()) {
            out.Key("extents");
            out.OpenArray();
            for (UINT extent : extents)
                out.Whole(extent);
            out.Close();
        }
        out.Key("name");
        WriteHostText(out, block.NameAt(i));
        if (block.AttributesAt(i) & ModelVariableWidenableAttribute) {
            out.Key("widenable");
            out.Bool(true);
        }
        out.Close();
    }
    out.Close();
    out.Close();
}

QJsonObject PlotToJson(const ModelPlot& plot)
{
    return QJsonObject {{QStringLiteral("name"), plot.name.ToQString()},
        {QStringLiteral("owner"), plot.owner.ToQString()}, {QStringLiteral("context"), plot.contextName.ToQString()},
        {QStringLiteral("access"), QLatin1String(AccessName(plot.access))},
        {QStringLiteral("definition"), PlotDefinitionToJson(plot.definition)}};
}

// Memory for a file's text, in large pages where the system offers them:
// reading 100 MB into fresh small pages costs a page fault every 4 KiB, more
// than reading the text itself.
class TextMemory {
public:
    explicit TextMemory(qint64 size) : m_size(static_cast<size_t>(std::max<qint64>(size, 1)))
    {
        void* memory = mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            return;
        m_data = static_cast<char*>(memory);
        madvise(memory, m_size, MADV_HUGEPAGE);
    }
    ~TextMemory()
    {
        if (m_data)
            munmap(m_data, m_size);
    }
    TextMemory(const TextMemory&) = delete;
    TextMemory& operator=(const TextMemory&) = delete;

    char* data() const { return m_data; }
    // Gives pages before `upTo` back to the system; they read as zeros from
    // then on.
    void Release(const char* upTo)
    {
        // In steps of whole large pages (2 MiB), a few at a time: splitting
        // large pages or a call per block would cost more than the reading.
        constexpr size_t Step = size_t(2) << 20;
        const size_t end = reinterpret_cast<uintptr_t>(upTo) / Step * Step - reinterpret_cast<uintptr_t>(m_data);
        if (upTo - m_data >= static_cast<ptrdiff_t>(m_released + 5 * Step)
            && madvise(m_data + m_released, end - m_released, MADV_DONTNEED) == 0)
            m_released = end;
    }
    bool released() const { return m_released > 0; }

private:
    size_t m_size;
    char* m_data = nullptr;
    size_t m_released = 0;
};

// Reads the file at `path`, at most `sizeLimit` bytes, into `memory`; `text` is its text there.
bool ReadFileText(
    const QString& path, qint64 sizeLimit, std::unique_ptr<TextMemory>& memory, QByteArray& text, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read the model file \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    // Read up to one byte past the limit, so that a file growing meanwhile is caught too.
    const qint64 wanted = file.size() > sizeLimit ? 0 : file.size() + 1;
    memory = std::make_unique<TextMemory>(wanted);
    const qint64 read = wanted > 0 && memory->data() ? file.read(memory->data(), wanted) : 0;
    text = QByteArray::fromRawData(memory->data(), static_cast<qsizetype>(std::max<qint64>(read, 0)));
    if (file.size() > sizeLimit || text.size() > sizeLimit) {
        error = QStringLiteral("The model file \"%1\" is larger than %2 bytes, the most a model file may hold.")
                    .arg(path)
                    .arg(sizeLimit);
        return false;
    }
    if (file.error() != QFileDevice::NoError || read < 0 || !memory->data()) {
        error = QStringLiteral("Cannot read the model file \"%1\": %2")
                    .arg(path, memory->data() ? file.errorString() : QStringLiteral("out of memory"));
        return false;
    }
    return true;
}

} // namespace

bool ReadModelFile(const QByteArray& text, WorkbenchModel& model, QString& error, ResultsSource* results)
{
    // The scanner reads no results reference: a model with one is read as a document.
    if (!results || results->replacement.isEmpty()) {
        WorkbenchModel read;
        if (ModelReader().ReadModelInParts(text, read)) {
            model = std::move(read);
            return true;
        }
    }
    return ReadModelFileAsOneDocument(text, model, error, results);
}

bool ReadModelFileAsOneDocument(const QByteArray& text, WorkbenchModel& model, QString& error, ResultsSource* results)
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
    // The parser keeps one of two values under one key: refuse the text.
    if (FindDuplicateJsonKey(text, error))
        return false;
    ModelReader reader(results);
    WorkbenchModel read;
    if (!reader.ReadModel(document, read)) {
        error = reader.Error();
        return false;
    }
    model = std::move(read);
    return true;
}

bool WriteModelFile(const WorkbenchModel& model, QIODevice& device, const QString& folder)
{
    JsonStreamWriter out(device);
    out.OpenObject();
    // With a results file, only what the model file adds to it.
    out.Key("blocks");
    out.OpenArray();
    for (const HostModel::Block& block : (model.results.isEmpty() ? model.blocks : model.listedBlocks).blocks())
        WriteBlock(out, block);
    out.Close();
    out.Key("plots");
    out.OpenArray();
    for (const ModelPlot& plot : model.plots)
        out.Object(PlotToJson(plot));
    out.Close();
    if (!model.results.isEmpty()) {
        // Relative to the model file, so that the two can move together; a
        // resource (the sample's) stays where it is.
        out.Key("results");
        out.String(folder.isEmpty() || model.results.startsWith(QLatin1Char(':'))
                ? model.results
                : QDir(folder).relativeFilePath(model.results));
    }
    const std::vector<GivenValues> ownValues(
        model.values.begin() + static_cast<ptrdiff_t>(std::min(model.resultsValueCount, model.values.size())),
        model.values.end());
    if (!ownValues.empty()) {
        out.Key("values");
        WriteGivenValues(out, ownValues);
    }
    out.Close();
    return out.Finish();
}

QByteArray WriteModelFile(const WorkbenchModel& model)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteModelFile(model, buffer);
    return buffer.data();
}

bool ReplaceResults(WorkbenchModel& model, const QString& path, QString& error, ResultsSource& results)
{
    // The model's own part, written and read back with the new file: every
    // check a model file passes.
    results.replacement = path;
    return ReadModelFile(WriteModelFile(model), model, error, &results);
}

bool LoadModelFile(const QString& path, WorkbenchModel& model, QString& error, qint64 sizeLimit, ResultsSource* results)
{
    ResultsSource beside;
    ResultsSource& source = results ? *results : beside;
    source.folder = QFileInfo(path).absolutePath();
    // A device or a pipe could be read without end or block for ever.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("Cannot read the model file \"%1\": it is not a regular file.").arg(path);
        return false;
    }
    std::unique_ptr<TextMemory> memory;
    QByteArray text;
    if (!ReadFileText(path, sizeLimit, memory, text, error))
        return false;
    if (source.replacement.isEmpty()) {
        // The text is given back as the blocks are read from it, so that the
        // file and the model are never both held whole.
        WorkbenchModel read;
        HeapInLargePages heap(static_cast<size_t>(text.size()));
        const auto passed = [&memory, &heap](const char* upTo) {
            memory->Release(upTo);
            heap.AdviseGrowth();
        };
        if (ModelReader().ReadModelInParts(text, read, passed)) {
            model = std::move(read);
            return true;
        }
    }
    // A fault: its message comes from the whole text, read again where part of it was given back.
    if (memory->released() && !ReadFileText(path, sizeLimit, memory, text, error))
        return false;
    QString reason;
    if (!ReadModelFileAsOneDocument(text, model, reason, &source)) {
        error = QStringLiteral("The model file \"%1\" is not valid: %2").arg(path, reason);
        return false;
    }
    return true;
}

bool CheckModelSaveTarget(const QString& path, QString& error)
{
    const QFileInfo info(path);
    QString reason;
    if (!CheckOutputTarget(path, reason)) {
        error = QStringLiteral("Cannot save the model to \"%1\": %2.").arg(path, reason);
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
    if (!file.open(QIODevice::WriteOnly) || !WriteModelFile(model, file, QFileInfo(path).absolutePath())
        || !file.commit()) {
        error = QStringLiteral("Cannot save the model to \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
