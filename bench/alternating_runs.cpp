// The alternation is driven from here, one benchmark per call, because Google Benchmark on its
// own runs all repetitions of one benchmark before the next.
#include "bench/alternating_runs.h"

#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/median.h"

namespace {

// Keeps each run's real time per iteration instead of printing it, under the name the benchmark
// was registered with (the run's full name also carries its settings).
class SampleCollector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            samples[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        }
    }

    std::map<std::string, std::vector<double>> samples;
};

void RunOne(SampleCollector& collector, const std::string& name) {
    benchmark::RunSpecifiedBenchmarks(&collector, "^" + name + "(/|$)");
}

}  // namespace

std::map<std::string, double> RunAlternately(const std::vector<BenchmarkPair>& pairs, int rounds) {
    SampleCollector collector;
    for (int round = 1; round <= rounds; ++round) {
        std::fprintf(stderr, "text benchmarks: round %d of %d\n", round, rounds);
        for (const BenchmarkPair& pair : pairs) {
            RunOne(collector, pair.tallowmere);
            RunOne(collector, pair.baseline);
        }
    }
    std::map<std::string, double> medians;
    for (const auto& [name, samples] : collector.samples) medians[name] = Median(samples);
    return medians;
}
