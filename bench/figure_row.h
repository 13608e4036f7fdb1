// One row of the benchmark table. Every measuring program prints its figures this way and
// scripts/bench.sh gathers the rows into one table, so each figure is judged where it is measured.
#pragma once

#include <cstdio>

// Prints "ROW|figure|Tallowmere|baseline|ratio|goal|met or missed"; the ratio is always
// Tallowmere's median over the baseline's.
inline void PrintFigureRow(const char* figure, double tallowmere, double baseline, int decimals,
                           const char* goal, bool met) {
    std::printf("ROW|%s|%.*f|%.*f|%.3f|%s|%s\n", figure, decimals, tallowmere, decimals, baseline,
                tallowmere / baseline, goal, met ? "met" : "missed");
    std::fflush(stdout);
}
