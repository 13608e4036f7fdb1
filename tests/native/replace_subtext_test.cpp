// ReplaceSubtext on hand-picked cases, each also held against the reference model so that the
// model the property test trusts is itself pinned down, and on inputs of several megabytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tests/native/replace_call.h"
#include "tests/native/same_bytes.h"

namespace {

struct Example {
    ReplaceCall call;
    std::string expected;  // empty: the result must be absent
};

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

const Example kExamples[] = {
    {{.text = "abcabc", .target = "bc", .replacement = "X"}, "aXaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .count = 1}, "aXabc"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .count = 0}, "abcabc"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .count = -3}, "aXaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .count = kMin}, "aXaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = 3}, "abcaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = 1}, "aXaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = 0}, "aXaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = -5}, "aXaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = kMin}, "aXaX"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = 6}, "abcabc"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = 7}, "abcabc"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = kMax}, "abcabc"},
    {{.text = "abcabc", .target = "bc", .replacement = "X", .start = 3, .count = 1}, "abcaX"},
    {{.text = "abcabc", .target = "bc"}, "aa"},
    {{.text = "abcabc", .target = "bc", .replacement = ""}, "aa"},
    // Matches do not overlap, and inserted text is never scanned again.
    {{.text = "aaa", .target = "aa", .replacement = "b"}, "ba"},
    {{.text = "ab", .target = "a", .replacement = "aa"}, "aab"},
    {{.text = "ABC", .target = "b", .replacement = "X"}, "ABC"},
    {{.text = "ABC", .target = "b", .replacement = "X", .caseSensitive = false}, "AXC"},
    {{.text = "abc", .target = "B", .replacement = "X", .caseSensitive = false}, "aXc"},
    // Only A-Z fold: not the neighbours of A-Z, nor letters beyond ASCII.
    {{.text = "@[", .target = "`{", .replacement = "X", .caseSensitive = false}, "@["},
    {{.text = "\xC0", .target = "\xE0", .replacement = "X", .caseSensitive = false}, "\xC0"},
    {{.text = "ab", .target = "ab", .replacement = ""}, ""},
    {{.text = "", .target = "a", .replacement = "X"}, ""},
    {{.target = "a", .replacement = "X"}, ""},
    {{.text = "abc", .target = "", .replacement = "X"}, "abc"},
    {{.text = "abc", .replacement = "X"}, "abc"},
    {{.text = "ab", .target = "abc", .replacement = "X"}, "ab"},
    // A byte 0x80 or above takes the next byte with it: no match begins on a second byte.
    {{.text = "\xB0\x61", .target = "a", .replacement = "X"}, "\xB0\x61"},
    {{.text = "\x81\\\\", .target = "\\", .replacement = "/"}, "\x81\\/"},
    {{.text = "\x81\x81\\", .target = "\\", .replacement = "/"}, "\x81\x81/"},
    {{.text = "\x81\x41", .target = "a", .replacement = "X", .caseSensitive = false}, "\x81\x41"},
    {{.text = "\x81\x81", .target = "\x81", .replacement = "X"}, "XX"},
    // A start inside a pair is taken as it is, not moved to a character boundary.
    {{.text = "\x81\x61", .target = "a", .replacement = "X", .start = 2}, "\x81X"},
    // A lead byte at the very end is copied, matched or not.
    {{.text = "ab\xB0", .target = "x", .replacement = "Y"}, "ab\xB0"},
    {{.text = "ab\xB0", .target = "xy", .replacement = "Y"}, "ab\xB0"},
    {{.text = "ab\xB0", .target = "\xB0", .replacement = "Y"}, "abY"},
};

TEST(ReplaceSubtext, HandPickedCases) {
    for (const auto& [call, expected] : kExamples) {
        SCOPED_TRACE(Describe(call));
        const Text result = RunProgram(call);
        EXPECT_EQ(result.absent(), expected.empty());
        EXPECT_TRUE(SameBytes(View(result), expected)) << "from the program";
        EXPECT_TRUE(SameBytes(RunModel(call), expected)) << "from the model";
    }
}

std::string Repeat(const std::string& unit, std::size_t times) {
    std::string out;
    out.reserve(unit.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += unit;
    return out;
}

// A scan that rescans, or grows its output a little at a time, would not get through these in
// any reasonable time; CTest's timeout is what catches that, not a clock in the test.
TEST(ReplaceSubtext, LargeInputs) {
    constexpr std::size_t kHalf = std::size_t{4} << 20;  // pairs of bytes: 8 MiB of text
    const ReplaceCall calls[] = {
        {.text = Repeat("ab", kHalf), .target = "a", .replacement = "<a>"},
        {.text = Repeat("aB", kHalf), .target = "b", .replacement = "xyz", .caseSensitive = false},
        // Every candidate is the second byte of a pair.
        {.text = Repeat("\x81\x61", kHalf), .target = "a", .replacement = "<a>"},
        // One long run of lead bytes, then a candidate that the run makes a second byte.
        {.text = Repeat("\x81", 2 * kHalf - 1) + "a", .target = "a", .replacement = "<a>"},
        {.text = Repeat("\x81", 2 * kHalf - 1) + "a", .target = "\x81", .replacement = "<>"},
    };
    for (const ReplaceCall& call : calls) {
        SCOPED_TRACE("target [" + Hex(*call.target) + "] in " + std::to_string(call.text->size()) +
                     " bytes starting [" + Hex(call.text->substr(0, 8)) + "]");
        EXPECT_TRUE(SameBytes(View(RunProgram(call)), RunModel(call)));
    }
}

}  // namespace
