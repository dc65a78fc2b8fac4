#include "figures.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

Spread SpreadOf(std::vector<double> samples) {
    if (samples.empty()) return {};
    std::sort(samples.begin(), samples.end());
    auto rank = [&](double p) {
        const auto n = static_cast<double>(samples.size());
        const auto i = static_cast<std::size_t>(std::max(1.0, std::ceil(p * n))) - 1;
        return samples[std::min(i, samples.size() - 1)];
    };
    return {rank(0.50), rank(0.99), samples.back()};
}

void Report(const std::string& name, double value) {
    std::printf("RESULT %s %.3f\n", name.c_str(), value);
    std::fflush(stdout);
}

}  // namespace bench
