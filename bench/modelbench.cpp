// Loading and showing a large model against a plain JSON parse of its file.
//
//   modelbench [MEGABYTES] [FILE]
//
// Writes a model file of about MEGABYTES (default 100) MB to FILE (default a
// temporary file, removed at the end), then measures, each in a fresh process
// of its own so that peak memory is its own: a plain QJsonDocument parse of the
// file, and the workbench loading the model and showing it in the model
// browser and the variable finder. Prints time, peak memory above the
// process's start and the ratios: memory to file size, time to the JSON parse.

#include "workbench/app/modelbrowser.h"
#include "workbench/app/modelfile.h"
#include "workbench/app/modelsession.h"
#include "workbench/app/variablefinder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int VariablesPerBlock = 1000;

// The process's peak resident memory so far, in bytes (VmHWM).
qint64 PeakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
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

// One measurement in this process: prints "<milliseconds> <peak bytes above start>".
int Measure(const QString& what, const QString& path)
{
    const qint64 start = PeakMemory();
    QElapsedTimer timer;
    timer.start();
    if (what == QLatin1String("json")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (error.error != QJsonParseError::NoError)
            return 1;
    } else {
        WorkbenchModel model;
        QString error;
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
    }
    std::printf("%lld %lld\n", static_cast<long long>(timer.elapsed()), static_cast<long long>(PeakMemory() - start));
    return 0;
}

struct Figures {
    double seconds = 0;
    double megabytes = 0;
};

bool RunMeasure(const QString& what, const QString& path, Figures& figures)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure"), what, path});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    const QList<QByteArray> values = process.readAllStandardOutput().trimmed().split(' ');
    if (values.size() != 2)
        return false;
    figures.seconds = values[0].toDouble() / 1000;
    figures.megabytes = values[1].toDouble() / 1e6;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--measure"))
        return Measure(arguments[2], arguments[3]);

    bool ok = true;
    const double megabytes = arguments.size() > 1 ? arguments[1].toDouble(&ok) : 100;
    if (!ok || megabytes <= 0) {
        std::fprintf(stderr, "usage: modelbench [MEGABYTES] [FILE]\n");
        return 2;
    }
    QTemporaryDir folder;
    const QString path = arguments.size() > 2 ? arguments[2] : folder.filePath(QStringLiteral("model.json"));
    qint64 variables = 0;
    if (!WriteModel(path, static_cast<qint64>(megabytes * 1e6), variables)) {
        std::fprintf(stderr, "modelbench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    const double fileMegabytes = static_cast<double>(QFile(path).size()) / 1e6;
    std::printf("model file: %s, %.1f MB, %lld variables\n", qPrintable(path), fileMegabytes,
        static_cast<long long>(variables));
    std::fflush(stdout);

    Figures json, model;
    if (!RunMeasure(QStringLiteral("json"), path, json) || !RunMeasure(QStringLiteral("model"), path, model)) {
        std::fprintf(stderr, "modelbench: a measurement failed\n");
        return 1;
    }
    std::printf("%-36s %10s %14s\n", "", "time (s)", "peak memory (MB)");
    std::printf("%-36s %10.2f %14.0f\n", "QJsonDocument parse", json.seconds, json.megabytes);
    std::printf("%-36s %10.2f %14.0f\n", "workbench: load and show the model", model.seconds, model.megabytes);
    std::printf("ratios: memory %.2f x file size (aim <= 5), time %.2f x the JSON parse (aim <= 3)\n",
        model.megabytes / fileMegabytes, model.seconds / json.seconds);
    return 0;
}
