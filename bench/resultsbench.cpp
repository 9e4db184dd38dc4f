// Writes a results file of 2,000 columns (arrays of up to 1,000 elements and
// a few scalars) over N times (2,500, 5,000 and 10,000 by default: about 55,
// 110 and 220 MB), and prints the time its import takes beside a plain
// std::from_chars pass over the same numbers read from the same file, the
// floor under any reader: the median and 90th percentile of rounds in which
// the two take turns. Also checks that the
// values take at most 1.3 times their count in doubles.
//   build/release/bench/resultsbench [N...] [--rounds R]

#include "workbench/model/resultsfile.h"

#include "benchsupport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The arrays' extents; the rest of the 2,000 columns are scalars.
const std::vector<int> ArrayExtents {1000, 500, 250, 100, 50, 50, 20, 10, 10};
constexpr int Columns = 2000;

// The file, written row by row; false when it cannot be written.
bool WriteResults(const std::string& path, int times)
{
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    std::string line = "time";
    int columns = 0;
    for (size_t a = 0; a < ArrayExtents.size(); ++a) {
        for (int i = 1; i <= ArrayExtents[a]; ++i, ++columns)
            line += ",Unit.A" + std::to_string(a) + "(" + std::to_string(i) + ")";
    }
    for (int s = 0; columns < Columns; ++s, ++columns)
        line += ",Unit.S" + std::to_string(s);
    line += '\n';
    std::fputs(line.c_str(), file);
    char number[32];
    for (int t = 0; t < times; ++t) {
        line = std::to_string(t * 10);
        for (int c = 0; c < Columns; ++c) {
            const double value = 300.0 + 50.0 * std::sin(0.001 * t + 0.01 * c) + 1e-4 * c;
            const auto written = std::to_chars(number, number + sizeof number, value, std::chars_format::general, 9);
            line += ',';
            line.append(number, written.ptr);
        }
        line += '\n';
        std::fputs(line.c_str(), file);
    }
    return std::fclose(file) == 0;
}

std::vector<Measurement> Import(const QString& path, size_t cells)
{
    ResultsData results;
    QString error;
    const Stopwatch stopwatch;
    const bool read = LoadResultsFile(path, results, error);
    const Measurement elapsed = stopwatch.Read();
    if (!read)
        ReportFault("The import failed: %s\n", qPrintable(error));
    size_t held = 0;
    for (const GivenValues& table : results.values)
        held += table.values.capacity();
    if (static_cast<double>(held) > 1.3 * static_cast<double>(cells))
        ReportFault("The values take %zu doubles for %zu numbers.\n", held, cells);
    return {elapsed};
}

// The floor: the file read in chunks and every number in it parsed.
std::vector<Measurement> PlainParse(const std::string& path, size_t cells)
{
    const Stopwatch stopwatch;
    std::FILE* file = std::fopen(path.c_str(), "r");
    std::vector<char> buffer(size_t(1) << 20);
    size_t held = 0;
    size_t parsed = 0;
    double sum = 0;
    bool header = true;
    while (file) {
        const size_t read = std::fread(buffer.data() + held, 1, buffer.size() - held, file);
        held += read;
        const char* p = buffer.data();
        const char* end = buffer.data() + held;
        // Whole lines only: the rest waits for the next chunk.
        const char* last = read == 0 ? end : static_cast<const char*>(memrchr(p, '\n', held));
        if (header && last) {
            p = static_cast<const char*>(std::memchr(p, '\n', held)) + 1;
            header = false;
        }
        while (last && p < last) {
            double value = 0;
            const auto [after, fault] = std::from_chars(p, last, value);
            sum += value;
            parsed += fault == std::errc() ? 1 : 0;
            p = after + 1;
        }
        held = static_cast<size_t>(end - (last ? std::max(p, last) : p));
        std::memmove(buffer.data(), end - held, held);
        if (read == 0)
            break;
    }
    if (file)
        std::fclose(file);
    const Measurement elapsed = stopwatch.Read();
    if (parsed < cells || !std::isfinite(sum))
        ReportFault("The plain pass parsed %zu numbers of %zu.\n", parsed, cells);
    return {elapsed};
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedMemory();
    const BenchArguments arguments = ArgumentsOf(argc, argv, {2500, 5000, 10000});
    QTemporaryDir folder;
    PrintFiguresHeading(arguments);
    for (int times : arguments.sizes) {
        const QString path = folder.filePath(QStringLiteral("results.csv"));
        if (!WriteResults(path.toStdString(), times)) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
            return 1;
        }
        const size_t cells = static_cast<size_t>(times) * Columns;
        const auto samples = RunRounds(arguments.rounds,
            {[&] { return Import(path, cells); }, [&] { return PlainParse(path.toStdString(), cells); }});
        std::printf(
            "%d columns, %d times, %.0f MB:\n", Columns, times, static_cast<double>(QFileInfo(path).size()) / 1e6);
        PrintSamples("  import", samples[0][0]);
        PrintSamples("  plain from_chars pass", samples[1][0]);
        PrintRatioAim("  import / plain pass", samples[0][0], samples[1][0], 2.0);
    }
    return FaultCount() == 0 ? 0 : 1;
}
