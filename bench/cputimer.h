#pragma once

// The processor time of the calling thread, for the benchmarks: on a machine
// that other programs keep busy, wall-clock time also counts the time this
// program waits for a processor, which neither side of a comparison causes.

#include <sys/resource.h>

#include <ctime>

class CpuTimer {
public:
    CpuTimer() { start(); }
    void start() { m_start = Now(); }
    double Milliseconds() const { return Now() - m_start; }
    // The minor page faults (first touches of fresh pages) of this thread so far.
    static long MinorFaults()
    {
        rusage usage {};
        getrusage(RUSAGE_THREAD, &usage);
        return usage.ru_minflt;
    }

private:
    static double Now()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    }
    double m_start = 0;
};
