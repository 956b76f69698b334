#pragma once
#include <string>
#include <vector>

// Plain arithmetic and wording of the figures the benchmarks print.
namespace bench {

// The value at fraction (0 to 1) of the sorted samples: 0.5 is the median.
// 0 for no samples.
double Percentile(std::vector<double> samples, double fraction);
inline double Median(std::vector<double> samples)
{
    return Percentile(std::move(samples), 0.5);
}

// "1.234" or "n/a" when the floor is 0.
std::string Ratio(double figure, double floor);
// A figure set against both floors: "ratio to the bare dialog 2.345, to the
// platform dialog 1.067 (target <= 1.10)". The target is the platform
// floor's: the bare dialog's ratio holds the platform's costs as well.
std::string RatiosToFloors(double figure, double bare, double platform, double platformTarget);
// Bytes as "12.3 MB" (1 MB = 1024 * 1024 bytes).
std::string Megabytes(double bytes);

// A positive whole number from the environment variable `name`, or fallback
// when it is unset or does not read as one.
long CountFromEnvironment(const char* name, long fallback);

} // namespace bench
