#include "workbench/plot/simulatedvalues.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

namespace {

uint64_t Fnv1a(std::string_view text)
{
    uint64_t hash = 14695981039346656037ULL;
    for (char ch : text) {
        hash ^= static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(ch)));
        hash *= 1099511628211ULL;
    }
    return hash;
}

} // namespace

SimulatedProfile SimulatedProfile::For(std::string_view variablePath)
{
    const uint64_t h = Fnv1a(variablePath);
    SimulatedProfile profile;
    profile.offset = 10.0 * static_cast<double>(h % 40);
    profile.scale = 20.0 + static_cast<double>(h / 40 % 81);
    profile.tau = 300.0 + 100.0 * static_cast<double>(h / 3240 % 34);
    profile.width = 0.05 + 0.01 * static_cast<double>(h / 110160 % 16);
    profile.falling = ((h >> 40) & 1) == 0;
    return profile;
}

double SimulatedProfile::Front(double seconds) const
{
    return -0.1 + 1.2 * (1.0 - std::exp(-std::max(0.0, seconds) / tau));
}

double SimulatedProfile::AtFront(double s, double c, double front) const
{
    const double u = (falling ? front - s : s - front) / width;
    return offset + scale * (1.0 + 0.25 * c) * 0.5 * (1.0 + std::tanh(u));
}

double ElementPlace(const std::vector<UINT>& subscripts, const std::vector<UINT>& extents)
{
    if (subscripts.empty() || extents.empty() || extents[0] < 2)
        return 0.0;
    return static_cast<double>(subscripts[0] - 1) / static_cast<double>(extents[0] - 1);
}

double ElementOffset(const std::vector<UINT>& subscripts)
{
    double c = 0;
    for (size_t i = 1; i < subscripts.size(); ++i)
        c += static_cast<double>(subscripts[i]) - 1.0;
    return c;
}
