// Hex dumps for mismatch reports, shared by every test program. No GoogleTest here: the fuzzers
// use it too.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

inline std::string Hex(std::string_view bytes) {
    std::string out;
    char two[4];
    for (unsigned char b : bytes) {
        std::snprintf(two, sizeof two, "%02X ", b);
        out += two;
    }
    if (!out.empty()) out.pop_back();
    return out;
}
