#pragma once

// The workbench's stand-in for a simulation run: a clock in seconds that the
// run commands move.

class SimulationClock {
public:
    double seconds() const { return m_seconds; }
    int runs() const { return m_runs; }

    // One run: the clock moves on by `seconds` (negative or non-finite steps are ignored).
    void Advance(double seconds);
    // Back to the start.
    void Reset();
    // Straight to `seconds` (negative or non-finite times are ignored).
    void SetTo(double seconds);

private:
    double m_seconds = 0.0;
    int m_runs = 0;
};
