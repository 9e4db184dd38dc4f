#pragma once

// What the benchmarks share: the sizes and the number of rounds asked for on
// the command line, and the rounds runner that gives each side of a comparison
// its samples.

#include "cputimer.h"
#include "samplestats.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <string>
#include <vector>

struct BenchArguments {
    std::vector<int> sizes;
    int rounds = 11;
};

// "[SIZE...] [--rounds N]": the sizes given, or `defaults` when there are none,
// and at least one round (`rounds` unless asked otherwise).
inline BenchArguments ArgumentsOf(int argc, char** argv, std::vector<int> defaults, int rounds = 11)
{
    BenchArguments arguments;
    arguments.rounds = rounds;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            arguments.rounds = std::max(1, std::atoi(argv[++i]));
        } else {
            const int size = std::atoi(argv[i]);
            if (size <= 0) {
                std::fprintf(stderr, "Not a size: %s (usage: [SIZE...] [--rounds N])\n", argv[i]);
                std::exit(2);
            }
            arguments.sizes.push_back(size);
        }
    }
    if (arguments.sizes.empty())
        arguments.sizes = std::move(defaults);
    return arguments;
}

// How many wrong results the benchmark has seen; it exits with 1 if any.
inline int& FaultCount()
{
    static int count = 0;
    return count;
}

// Prints a wrong result (an editor that did not open, rows out of order) and counts it.
__attribute__((format(printf, 1, 2))) inline void ReportFault(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    ++FaultCount();
}

// Keeps freed memory in the process and serves large blocks from the heap,
// for both sides of every comparison alike.
// Measured with the minor page faults of each round: by default glibc gives
// blocks of 128 KiB and more mappings of their own, raises that threshold
// after the first such block is freed, and hands the top of the heap back to
// the system once enough of it is free; so a round either reused warm pages
// or paid a fault for every fresh page it touched, depending on what the
// rounds before it had freed. At 10,000 profiles the editor's load took
// 26 ms in the rounds with no page fault and 130 ms in those with 7,800, and
// the plain copy that Apply is compared with 110 to 167 ms with 7,800 to
// 11,700 faults in every round (processor time). Called first thing in main,
// it makes every round after the warm-up reuse memory: a median of no
// faults, and the load's and that copy's medians of 27 and 16 ms with
// 90th percentiles within 15 % of them. PE_BENCH_MALLOC_DEFAULTS=1 in the
// environment leaves glibc's settings alone, to show the difference.
inline void KeepFreedMemory()
{
    if (std::getenv("PE_BENCH_MALLOC_DEFAULTS"))
        return;
    if (!mallopt(M_MMAP_THRESHOLD, 1 << 30) || !mallopt(M_TRIM_THRESHOLD, 1 << 30))
        std::fprintf(stderr, "The allocator's thresholds could not be set; the rounds may pay for fresh pages.\n");
}

// The line above a benchmark's figures: what they are.
inline void PrintFiguresHeading(const BenchArguments& arguments)
{
    std::printf(
        "Processor time of this thread; after a warm-up, %d rounds with the sides taking turns.\n", arguments.rounds);
}

// One figure of one run: processor time and the minor page faults it took.
struct Measurement {
    double milliseconds = 0;
    double faults = 0;
};

// Reads through a buffer four times the size of the processor's largest cache
// shared by a core (32 MiB on this machine class), so that the work measured
// next finds its data in memory, not in a cache, on every side and in every
// round: as a sort after a person's edit does, seconds after the rows were
// last read. Left as each side's set-up left them, the caches held what that
// set-up happened to leave there, more for one side than for the other: Qt's
// sort of 10,000 tree items took 0.95 ms warm and 1.4 to 2.0 ms from memory,
// the editor's 0.94 and 1.0 to 1.1 ms. PE_BENCH_WARM_CACHES=1 in the
// environment leaves the caches as the work before left them, to show the
// difference.
inline void EvictCaches()
{
    static const bool warm = std::getenv("PE_BENCH_WARM_CACHES") != nullptr;
    if (warm)
        return;
    static const std::vector<unsigned char> sweep(size_t {128} << 20, 1);
    unsigned sum = 0;
    for (size_t i = 0; i < sweep.size(); i += 64)
        sum += sweep[i];
    __asm__ volatile("" : : "r"(sum)); // keeps the reads, whose sum nothing uses
}

// Times one stretch of work on this thread.
class Stopwatch {
public:
    Stopwatch() { start(); }
    void start()
    {
        m_faults = CpuTimer::MinorFaults();
        m_timer.start();
    }
    // Starts once the work's data is out of the caches (EvictCaches()).
    static Stopwatch FromMemory()
    {
        EvictCaches();
        return Stopwatch();
    }
    void startFromMemory()
    {
        EvictCaches();
        start();
    }
    Measurement Read() const
    {
        const double milliseconds = m_timer.Milliseconds();
        return {milliseconds, static_cast<double>(CpuTimer::MinorFaults() - m_faults)};
    }

private:
    CpuTimer m_timer;
    long m_faults = 0;
};

// The samples of one figure, one per round.
struct Samples {
    std::vector<double> milliseconds;
    std::vector<double> faults;
    SampleStats Time() const { return StatsOf(milliseconds); }
    double MedianFaults() const { return StatsOf(faults).median; }
};

// Round by round sum of two figures, as one side made of both.
inline Samples Sum(const Samples& a, const Samples& b)
{
    Samples sum;
    for (size_t round = 0; round < a.milliseconds.size() && round < b.milliseconds.size(); ++round) {
        sum.milliseconds.push_back(a.milliseconds[round] + b.milliseconds[round]);
        sum.faults.push_back(a.faults[round] + b.faults[round]);
    }
    return sum;
}

// One side of a comparison: one run gives one or more figures, always in the same order.
using Side = std::function<std::vector<Measurement>()>;

// Delivers every event the work before has posted (layout and update
// requests, deferred deletions). No event loop runs between rounds; without
// this the queue grows round by round, and Qt searches it whenever a widget
// posts an event or goes: a third of a long run's processor time went there,
// though outside the measured work.
inline void SettlePostedEvents()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs every side once unrecorded, so that code, caches and the heap are warm,
// then `rounds` rounds in which the sides take turns, so that a busy moment of
// the machine falls on all of them alike. Returns for each side its figures'
// samples: result[side][figure].
inline std::vector<std::vector<Samples>> RunRounds(int rounds, const std::vector<Side>& sides)
{
    std::vector<std::vector<Samples>> samples(sides.size());
    for (const Side& side : sides) {
        SettlePostedEvents();
        side();
    }
    for (int round = 0; round < rounds; ++round) {
        for (size_t s = 0; s < sides.size(); ++s) {
            SettlePostedEvents();
            const std::vector<Measurement> figures = sides[s]();
            samples[s].resize(figures.size());
            for (size_t f = 0; f < figures.size(); ++f) {
                samples[s][f].milliseconds.push_back(figures[f].milliseconds);
                samples[s][f].faults.push_back(figures[f].faults);
            }
        }
    }
    return samples;
}

// "name median p90 faults" for one side.
inline void PrintSamples(const std::string& name, const Samples& samples)
{
    PrintStats(name.c_str(), samples.Time(), samples.MedianFaults());
}

// The ratio of two sides' medians and 90th percentiles, and whether it meets `aim` at both.
inline void PrintRatioAim(const std::string& name, const Samples& ours, const Samples& baseline, double aim)
{
    const SampleStats a = ours.Time();
    const SampleStats b = baseline.Time();
    PrintRatio(name.c_str(), a, b);
    if (aim > 0) {
        const bool met = a.median <= aim * b.median && a.p90 <= aim * b.p90;
        std::printf("  %-34s aim    %10.2f  %s\n", "", aim, met ? "met" : "MISSED");
    }
}
