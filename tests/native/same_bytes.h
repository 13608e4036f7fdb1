// Byte-exact comparison for the native GoogleTest suites: a mismatch prints both sides in hex.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "runtime/text/text.h"
#include "tests/hex.h"

inline std::string_view View(const Text& text) { return {text.c_str(), text.length()}; }

// Long strings (the large-input tests make megabytes) are shown around the first difference
// only, so that a failure stays readable.
inline testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return testing::AssertionSuccess();
    constexpr std::size_t kShown = 96;
    std::size_t from = 0;
    if (std::max(actual.size(), expected.size()) > kShown) {
        const auto diff =
            std::mismatch(actual.begin(), actual.begin() + std::min(actual.size(), expected.size()),
                          expected.begin());
        from = static_cast<std::size_t>(diff.first - actual.begin()) / 16 * 16;
    }
    const auto window = [&](std::string_view bytes) {
        return from > 0 || bytes.size() > kShown
                   ? "from offset " + std::to_string(from) + ": " +
                         Hex(bytes.substr(std::min(from, bytes.size()), kShown))
                   : Hex(bytes);
    };
    return testing::AssertionFailure()
           << "\n  actual   (" << actual.size() << " bytes): " << window(actual)
           << "\n  expected (" << expected.size() << " bytes): " << window(expected);
}
