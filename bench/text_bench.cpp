// The text benchmarks, run natively: ReplaceSubtext on code page 936 texts from 1 KiB to 64 MiB
// with dense and with sparse placeholders, and ConcatText from the click's own path to parts of
// megabytes, each against std::string. Both sides get the same bytes and must give the same
// result. Usage: text_bench [--rounds=N] [Google Benchmark flags]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "bench/alternating_runs.h"
#include "bench/cp936_text.h"
#include "bench/figure_row.h"
#include "bench/std_string_text.h"
#include "runtime/text/concat_text.h"
#include "runtime/text/replace_subtext.h"

namespace {

constexpr char kPlaceholder[] = "\xC2\xB7\xBE\xB6";  // 路径
constexpr char kDirectory[] = "D:\\Games\\G2";
constexpr char kConfigFileSuffix[] = "/Nadeo.ini";
constexpr double kMinSecondsPerRun = 0.05;
constexpr double kReplaceGoal = 1.0;
constexpr double kFlatnessGoal = 1.20;
constexpr double kConcatGoal = 1.0;

struct Size {
    const char* label;
    std::size_t bytes;
};
constexpr Size kReplaceSizes[] = {
    {"1 KiB", 1u << 10}, {"64 KiB", 64u << 10}, {"4 MiB", 4u << 20}, {"64 MiB", 64u << 20}};
// Time per byte should not depend on the size from here on: the first is too small for that.
constexpr std::size_t kFlatFrom = 1;

struct Density {
    const char* label;
    std::size_t spacing;  // bytes from one placeholder to the next
};
constexpr Density kDensities[] = {{"dense", 32}, {"sparse", 1024}};

// Where registered benchmarks find their inputs; a deque keeps them in place as it grows.
std::deque<std::string> g_inputs;
std::deque<std::vector<std::string>> g_partLists;

struct Figure {
    std::string label;
    BenchmarkPair pair;
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "text_bench: %s\n", what.c_str());
    std::exit(1);
}

Text ReplaceInTallowmere(const std::string& text) {
    return ReplaceSubtext(text.c_str(), kPlaceholder, kDirectory, std::nullopt, std::nullopt, true);
}

std::string ReplaceInStd(const std::string& text) {
    static const std::string target = kPlaceholder;
    static const std::string replacement = kDirectory;
    return ReplaceAllStd(text, target, replacement);
}

Figure RegisterReplace(const Density& density, const Size& size) {
    const std::string& text = g_inputs.emplace_back(MakeCp936Text(size.bytes, density.spacing));
    if (ReplaceInTallowmere(text).c_str() != ReplaceInStd(text))
        Fail(std::string("ReplaceSubtext and std::string differ on ") + density.label + " " +
             size.label);
    const std::string name = std::string("replace_") + density.label + "_" +
                             std::to_string(size.bytes);
    benchmark::RegisterBenchmark((name + "_tallowmere").c_str(), [&text](benchmark::State& state) {
        for (auto _ : state) {
            const Text result = ReplaceInTallowmere(text);
            benchmark::DoNotOptimize(result.block());
        }
    })->MinTime(kMinSecondsPerRun);
    benchmark::RegisterBenchmark((name + "_std").c_str(), [&text](benchmark::State& state) {
        for (auto _ : state) {
            const std::string result = ReplaceInStd(text);
            benchmark::DoNotOptimize(result.data());
        }
    })->MinTime(kMinSecondsPerRun);
    return {std::string("ReplaceSubtext, ") + density.label + ", " + size.label,
            {name + "_tallowmere", name + "_std"}};
}

template <std::size_t... I>
Text ConcatInTallowmere(const std::vector<std::string>& parts, std::index_sequence<I...>) {
    return ConcatText(parts[I].c_str()...);
}

template <std::size_t... I>
std::string ConcatInStd(const std::vector<std::string>& parts, std::index_sequence<I...>) {
    return ConcatStd({parts[I].c_str()...});
}

template <std::size_t N>
Figure RegisterConcat(const std::string& label, std::vector<std::string> partList) {
    const std::vector<std::string>& parts = g_partLists.emplace_back(std::move(partList));
    using Indices = std::make_index_sequence<N>;
    if (ConcatInTallowmere(parts, Indices()).c_str() != ConcatInStd(parts, Indices()))
        Fail("ConcatText and std::string differ on " + label);
    const std::string name = "concat_" + std::to_string(g_partLists.size());
    benchmark::RegisterBenchmark((name + "_tallowmere").c_str(), [&parts](benchmark::State& state) {
        for (auto _ : state) {
            const Text result = ConcatInTallowmere(parts, Indices());
            benchmark::DoNotOptimize(result.block());
        }
    })->MinTime(kMinSecondsPerRun);
    benchmark::RegisterBenchmark((name + "_std").c_str(), [&parts](benchmark::State& state) {
        for (auto _ : state) {
            const std::string result = ConcatInStd(parts, Indices());
            benchmark::DoNotOptimize(result.data());
        }
    })->MinTime(kMinSecondsPerRun);
    return {"ConcatText, " + label, {name + "_tallowmere", name + "_std"}};
}

std::vector<std::string> Parts(std::size_t count, std::size_t bytes) {
    return std::vector<std::string>(count, MakeCp936Text(bytes, bytes * 2));
}

// A time in the unit that suits the baseline's, so each row reads without exponents.
void PrintTimeRow(const std::string& label, double tallowmereNs, double baselineNs, double goal) {
    const char* unit = "ns";
    double scale = 1;
    if (baselineNs >= 1e7) {
        unit = "ms";
        scale = 1e6;
    } else if (baselineNs >= 1e4) {
        unit = "us";
        scale = 1e3;
    }
    char goalText[32];
    std::snprintf(goalText, sizeof goalText, "ratio <= %.2f", goal);
    PrintFigureRow((label + " (" + unit + ")").c_str(), tallowmereNs / scale, baselineNs / scale,
                   1, goalText, tallowmereNs <= goal * baselineNs);
}

int RoundsFromArguments(int& argc, char** argv) {
    int rounds = 9;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rounds=", 9) == 0)
            rounds = std::max(1, std::atoi(argv[i] + 9));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return rounds;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = RoundsFromArguments(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

    std::vector<std::vector<Figure>> replaceFigures;
    for (const Density& density : kDensities) {
        replaceFigures.emplace_back();
        for (const Size& size : kReplaceSizes)
            replaceFigures.back().push_back(RegisterReplace(density, size));
    }
    const std::vector<Figure> concatFigures = {
        RegisterConcat<2>("directory + /Nadeo.ini, 21 B", {kDirectory, kConfigFileSuffix}),
        RegisterConcat<3>("3 parts of 1 KiB", Parts(3, 1u << 10)),
        RegisterConcat<4>("4 parts of 64 KiB", Parts(4, 64u << 10)),
        RegisterConcat<2>("2 parts of 4 MiB", Parts(2, 4u << 20)),
    };

    std::vector<BenchmarkPair> pairs;
    for (const auto& family : replaceFigures)
        for (const Figure& figure : family) pairs.push_back(figure.pair);
    for (const Figure& figure : concatFigures) pairs.push_back(figure.pair);
    const std::map<std::string, double> medians = RunAlternately(pairs, rounds);
    const auto median = [&](const std::string& name) {
        const auto found = medians.find(name);
        if (found == medians.end()) Fail("no result for " + name);
        return found->second;
    };

    for (std::size_t d = 0; d < replaceFigures.size(); ++d) {
        double lowest[2] = {1e300, 1e300};
        double highest[2] = {0, 0};
        for (std::size_t s = 0; s < replaceFigures[d].size(); ++s) {
            const Figure& figure = replaceFigures[d][s];
            const double t = median(figure.pair.tallowmere);
            const double b = median(figure.pair.baseline);
            PrintTimeRow(figure.label, t, b, kReplaceGoal);
            const double perByte[2] = {t / kReplaceSizes[s].bytes, b / kReplaceSizes[s].bytes};
            std::printf("info %s: %.3f ns per byte, std::string %.3f\n", figure.label.c_str(),
                        perByte[0], perByte[1]);
            if (s < kFlatFrom) continue;
            for (int side = 0; side < 2; ++side) {
                lowest[side] = std::min(lowest[side], perByte[side]);
                highest[side] = std::max(highest[side], perByte[side]);
            }
        }
        const double spread = highest[0] / lowest[0];
        PrintFigureRow((std::string("ReplaceSubtext, ") + kDensities[d].label +
                        ", time per byte, highest / lowest, 64 KiB to 64 MiB")
                           .c_str(),
                       spread, highest[1] / lowest[1], 2, "Tallowmere <= 1.20",
                       spread <= kFlatnessGoal);
    }
    for (const Figure& figure : concatFigures)
        PrintTimeRow(figure.label, median(figure.pair.tallowmere), median(figure.pair.baseline),
                     kConcatGoal);
    return 0;
}
