// Loading, showing and saving a large model, against plain work on the same bytes.
//
//   modelbench [MEGABYTES] [FILE] [ROUNDS]
//
// Writes a model file of about MEGABYTES (default 100) MB to FILE (default a
// temporary file, removed at the end), then, after one round of warm-up,
// measures ROUNDS (default 11) rounds, the five sides taking turns, each
// measurement in a fresh process of its own so that its peak memory is its own
// (for files of 10 MB and more, three seconds apart; see the main loop):
//   - a plain QJsonDocument parse of the file (the load's baseline);
//   - the workbench loading the model and showing it in the model browser and
//     the variable finder;
//   - a plain buffered write of the saved bytes, held in a QByteArray, flushed
//     to the disk as a save is (the save's baseline);
//   - the same write from memory of large pages (the save's floor);
//   - the workbench saving the loaded model (--save-on-exit's code).
// Prints, for each side, the median and 90th percentile of its processor time
// and of its peak memory (above the process's state before the measured work:
// its start for a load, the loaded model for a save), and the ratios to the
// baselines and to the file's size (the saved file's for a save). Aims: load
// and show <= 1.5 s, memory <= 2 x the file; save <= 2 x the plain write,
// memory <= 1.5 x the file.

#include "workbench/app/modelbrowser.h"
#include "workbench/app/variablefinder.h"
#include "workbench/model/modelfile.h"
#include "workbench/model/modelsession.h"

#include "samplestats.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int VariablesPerBlock = 1000;

// A line of /proc/self/status in bytes ("VmHWM", "VmRSS").
qint64 StatusBytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

// Starts the peak memory afresh at the present resident memory.
void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double ProcessMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Blocks of 1000 variables: scalars, one- and two-subscript arrays, some
// widenable; and one plot.
bool WriteModel(const QString& path, qint64 bytes, qint64& variables)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk = "{\"blocks\": [\n";
    variables = 0;
    for (int block = 0; file.size() + chunk.size() < bytes; ++block) {
        chunk += block == 0 ? "" : ",\n";
        chunk += "{\"path\": \"Area" + QByteArray::number(block / 100) + ".Unit" + QByteArray::number(block)
            + "\", \"variables\": [\n";
        for (int v = 0; v < VariablesPerBlock; ++v, ++variables) {
            chunk += v == 0 ? "" : ",\n";
            const QByteArray name = "\"name\": \"V" + QByteArray::number(v) + "\"";
            switch (v % 4) {
            case 0:
                chunk += "{" + name + "}";
                break;
            case 1:
                chunk += "{" + name + ", \"extents\": [20], \"widenable\": true}";
                break;
            case 2:
                chunk += "{" + name + ", \"extents\": [50]}";
                break;
            default:
                chunk += "{" + name + ", \"extents\": [20, 3]}";
                break;
            }
        }
        chunk += "]}";
        if (file.write(chunk) != chunk.size())
            return false;
        chunk.clear();
    }
    chunk += "\n], \"plots\": [{\"name\": \"P\", \"owner\": \"Area0.Unit0\", \"context\": \"Area0.Unit0.P\", "
             "\"access\": \"direct\", \"definition\": {\"plotted\": [{\"name\": \"A\", \"variables\": "
             "[\"V1(*)\"]}]}}]}\n";
    return file.write(chunk) == chunk.size();
}

// Bytes in memory of large pages where the system offers them, touched once.
// Reading 400 MB of small pages costs a page walk every 4 KiB, which on a
// virtual machine is most of a plain write's time; the save writes from a
// small buffer and does not pay it. Writing from here is the floor.
class LargePageBytes {
public:
    explicit LargePageBytes(const QByteArray& bytes) : m_size(static_cast<size_t>(bytes.size()))
    {
        void* memory
            = mmap(nullptr, std::max<size_t>(m_size, 1), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            return;
        madvise(memory, std::max<size_t>(m_size, 1), MADV_HUGEPAGE);
        m_data = static_cast<char*>(memory);
        std::memcpy(m_data, bytes.constData(), m_size);
    }
    ~LargePageBytes()
    {
        if (m_data)
            munmap(m_data, std::max<size_t>(m_size, 1));
    }
    LargePageBytes(const LargePageBytes&) = delete;
    LargePageBytes& operator=(const LargePageBytes&) = delete;
    const char* data() const { return m_data; }
    qsizetype size() const { return static_cast<qsizetype>(m_size); }

private:
    size_t m_size;
    char* m_data = nullptr;
};

// Writes `size` bytes at `data` to `target` through a buffer of the size the
// save's writer uses, then to the disk, as a save's commit does (otherwise the
// kernel writes them out later, during whatever is measured next).
bool PlainWrite(const QString& target, const char* data, qsizetype size)
{
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    constexpr qsizetype Chunk = qsizetype(1) << 16;
    for (qsizetype at = 0; at < size; at += Chunk) {
        const qsizetype step = std::min(Chunk, size - at);
        if (file.write(data + at, step) != step)
            return false;
    }
    return file.flush() && fdatasync(file.handle()) == 0;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One measurement in this process, of side `what` on the model file `path`,
// writing to `target` where it saves. Prints "<processor ms> <wall ms> <peak
// bytes above the state before the work>".
int Measure(const QString& what, const QString& path, const QString& target)
{
    WorkbenchModel model;
    QString error;
    QByteArray bytes; // the plain write's bytes, made beforehand
    std::unique_ptr<LargePageBytes> floorBytes;
    const bool write = what == QLatin1String("write") || what == QLatin1String("floor");
    if ((what == QLatin1String("save") || write) && !LoadModelFile(path, model, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    if (write) {
        bytes = WriteModelFile(model);
        model = WorkbenchModel();
        if (what == QLatin1String("floor")) {
            floorBytes = std::make_unique<LargePageBytes>(bytes);
            bytes = QByteArray();
            if (!floorBytes->data())
                return 1;
        }
    }
    ResetPeakMemory();
    const qint64 start = StatusBytes("VmRSS");
    const double cpuStart = ProcessMilliseconds();
    QElapsedTimer timer;
    timer.start();
    if (what == QLatin1String("json")) {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(ReadAll(path), &parseError);
        if (parseError.error != QJsonParseError::NoError)
            return 1;
    } else if (what == QLatin1String("load")) {
        ModelSession session;
        if (!LoadModelFile(path, model, error) || !session.Start(model, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        model = WorkbenchModel();
        ModelBrowser browser;
        VariableFinder finder;
        browser.SetModel(session.model());
        finder.SetModel(session.model());
        browser.show();
        finder.show();
        QCoreApplication::processEvents();
    } else if (what == QLatin1String("write")) {
        if (!PlainWrite(target, bytes.constData(), bytes.size()))
            return 1;
    } else if (what == QLatin1String("floor")) {
        if (!PlainWrite(target, floorBytes->data(), floorBytes->size()))
            return 1;
    } else if (!SaveModelFile(target, model, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const double cpu = ProcessMilliseconds() - cpuStart;
    std::printf("%.3f %lld %lld\n", cpu, static_cast<long long>(timer.elapsed()),
        static_cast<long long>(StatusBytes("VmHWM") - start));
    return 0;
}

// The size of the file a save of the model in `path` writes.
qint64 SavedSize(const QString& path)
{
    WorkbenchModel model;
    QString error;
    if (!LoadModelFile(path, model, error))
        return 0;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return WriteModelFile(model, buffer) ? buffer.size() : 0;
}

struct Side {
    const char* name;
    const char* what;
    std::vector<double> cpu; // ms
    std::vector<double> wall; // ms
    std::vector<double> memory; // MB
};

bool RunMeasure(Side& side, const QString& path, const QString& target)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(
        QCoreApplication::applicationFilePath(), {QStringLiteral("--measure"), QLatin1String(side.what), path, target});
    const bool ok
        = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    QFile::remove(target);
    const QList<QByteArray> values = process.readAllStandardOutput().trimmed().split(' ');
    if (!ok || values.size() != 3)
        return false;
    side.cpu.push_back(values[0].toDouble());
    side.wall.push_back(values[1].toDouble());
    side.memory.push_back(values[2].toDouble() / 1e6);
    return true;
}

void PrintMemory(const char* name, const SampleStats& stats, double fileMegabytes)
{
    std::printf("  %-28s median %10.1f MB   p90 %10.1f MB   (%.3f x / %.3f x the file)\n", name, stats.median,
        stats.p90, stats.median / fileMegabytes, stats.p90 / fileMegabytes);
}

void PrintSide(const Side& side, double fileMegabytes)
{
    std::printf("%s\n", side.name);
    PrintStats("processor time", StatsOf(side.cpu));
    PrintStats("wall-clock time", StatsOf(side.wall));
    PrintMemory("peak memory", StatsOf(side.memory), fileMegabytes);
}

void PrintComparison(const char* title, const Side& ours, const Side& baseline)
{
    std::printf("%s\n", title);
    PrintRatio("processor time", StatsOf(ours.cpu), StatsOf(baseline.cpu));
    PrintRatio("wall-clock time", StatsOf(ours.wall), StatsOf(baseline.wall));
}

} // namespace

// The off-screen platform's note on every window shown is not news here.
QtMessageHandler g_nextMessageHandler = nullptr;

void DropWindowSizeNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support propagateSizeHints")))
        g_nextMessageHandler(type, context, message);
}

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 5 && arguments[1] == QLatin1String("--measure")) {
        g_nextMessageHandler = qInstallMessageHandler(DropWindowSizeNotes);
        return Measure(arguments[2], arguments[3], arguments[4]);
    }

    bool ok = true;
    const double megabytes = arguments.size() > 1 ? arguments[1].toDouble(&ok) : 100;
    const int rounds = arguments.size() > 3 ? arguments[3].toInt() : 11;
    if (!ok || megabytes <= 0 || rounds < 1) {
        std::fprintf(stderr, "usage: modelbench [MEGABYTES] [FILE] [ROUNDS]\n");
        return 2;
    }
    QTemporaryDir folder;
    const QString path = arguments.size() > 2 && !arguments[2].isEmpty()
        ? arguments[2]
        : folder.filePath(QStringLiteral("model.json"));
    const QString target = folder.filePath(QStringLiteral("saved.json"));
    qint64 variables = 0;
    if (!WriteModel(path, static_cast<qint64>(megabytes * 1e6), variables)) {
        std::fprintf(stderr, "modelbench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    const double fileMegabytes = static_cast<double>(QFile(path).size()) / 1e6;
    std::printf("model file: %s, %.1f MB, %lld variables; %d rounds after one of warm-up\n", qPrintable(path),
        fileMegabytes, static_cast<long long>(variables), rounds);
    std::fflush(stdout);

    Side json {"plain QJsonDocument parse of the file", "json", {}, {}, {}};
    Side load {"workbench: load the model, show it in browser and finder", "load", {}, {}, {}};
    Side write {"plain buffered write of the saved bytes", "write", {}, {}, {}};
    Side floor {"the same write from memory of large pages", "floor", {}, {}, {}};
    Side save {"workbench: save the model (above the loaded model)", "save", {}, {}, {}};
    // A pause after each measurement. A virtual machine may hand the memory a
    // process frees back to its host (free page reporting, which starts about
    // two seconds after the free); a process started at once ran while that
    // went on: the load took 990 to 1,460 ms right after the 1.3 GB parse and
    // 920 to 980 ms four seconds after it. With the pause, every side starts
    // once the memory of the one before has been handed back. Small files
    // free too little to matter.
    const auto settle = std::chrono::milliseconds(fileMegabytes >= 10 ? 3000 : 0);
    for (int round = 0; round <= rounds; ++round) {
        for (Side* side : {&json, &load, &write, &floor, &save}) {
            if (!RunMeasure(*side, path, target)) {
                std::fprintf(stderr, "modelbench: measuring \"%s\" failed\n", side->name);
                return 1;
            }
            std::this_thread::sleep_for(settle);
            if (round == 0) { // the warm-up
                side->cpu.clear();
                side->wall.clear();
                side->memory.clear();
            }
        }
    }
    const double savedMegabytes = static_cast<double>(SavedSize(path)) / 1e6;
    std::printf("saved file: %.1f MB (indented)\n", savedMegabytes);
    PrintSide(json, fileMegabytes);
    PrintSide(load, fileMegabytes);
    PrintSide(write, savedMegabytes);
    PrintSide(floor, savedMegabytes);
    PrintSide(save, savedMegabytes);
    PrintComparison("load and show / plain parse (aim: load <= 1.5 s, memory <= 2 x the file)", load, json);
    PrintComparison("save / plain write (aim <= 2, memory <= 1.5 x the file)", save, write);
    PrintComparison("save / the write from large pages", save, floor);
    return 0;
}
