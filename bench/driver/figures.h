#pragma once
// The driver's clock and how it hands its figures to scripts/bench.
#include <string>
#include <vector>

namespace bench {

double NowMs();  // a monotonic clock, in milliseconds with sub-millisecond resolution

struct Spread {
    double p50 = 0, p99 = 0, max = 0;
};
// Nearest-rank percentiles of the samples; all zero when there are none.
Spread SpreadOf(std::vector<double> samples);

// One "RESULT <name> <value>" line on standard output, which the script collects.
void Report(const std::string& name, double value);

}  // namespace bench
