#include "bench/support/Figures.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bench {

double Percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto last = static_cast<double>(samples.size() - 1);
    return samples[static_cast<size_t>(last * fraction + 0.5)];
}

std::string Ratio(double figure, double floor)
{
    if (floor <= 0)
        return "n/a";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", figure / floor);
    return text;
}

std::string RatiosToFloors(double figure, double bare, double platform, double platformTarget)
{
    char target[32];
    std::snprintf(target, sizeof target, " (target <= %.2f)", platformTarget);
    return "ratio to the bare dialog " + Ratio(figure, bare) + ", to the platform dialog " + Ratio(figure, platform)
        + target;
}

std::string Megabytes(double bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", bytes / (1024.0 * 1024.0));
    return text;
}

long CountFromEnvironment(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value > 0 ? value : fallback;
}

} // namespace bench
