// Runs registered Google Benchmark benchmarks in pairs, Tallowmere's and then the baseline's,
// round after round, so that both sides of every figure see the same state of the machine.
#pragma once

#include <map>
#include <string>
#include <vector>

struct BenchmarkPair {
    std::string tallowmere;  // names of registered benchmarks
    std::string baseline;
};

// Runs each pair `rounds` times, alternating within the pair, and returns the median real time
// per iteration, in nanoseconds, of every benchmark by name.
std::map<std::string, double> RunAlternately(const std::vector<BenchmarkPair>& pairs, int rounds);
