// The median of a set of samples: what every figure quotes, so a few disturbed rounds on a busy
// machine move no figure.
#pragma once

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}
