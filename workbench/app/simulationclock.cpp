#include "workbench/app/simulationclock.h"

#include <cmath>

void SimulationClock::Advance(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return;
    m_seconds += seconds;
    ++m_runs;
}

void SimulationClock::SetTo(double seconds)
{
    if (std::isfinite(seconds) && seconds >= 0)
        m_seconds = seconds;
}

void SimulationClock::Reset()
{
    m_seconds = 0.0;
    m_runs = 0;
}
