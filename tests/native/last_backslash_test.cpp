// FindLastBackslash: under a double-byte code page a 0x5C can be the second byte of a character,
// and cutting a path there would split the character and keep a wrong directory.
#include "runtime/text/last_backslash.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "tests/hex.h"

namespace {

bool DoubleByteLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool SingleByteLead(unsigned char) { return false; }

TEST(FindLastBackslash, FindsTheLastRealBackslash) {
    const struct {
        std::string path;
        LeadBytePredicate isLead;
        std::size_t expected;
    } cases[] = {
        {"D:\\Games\\G2\\tool.exe", DoubleByteLead, 11},
        {"C:\\tool.exe", DoubleByteLead, 2},
        {"tool.exe", DoubleByteLead, 8},
        {"", DoubleByteLead, 0},
        {"\\", DoubleByteLead, 0},
        // A directory whose name ends in the pair 81 5C.
        {"D:\\\x81\x5C\\t.exe", DoubleByteLead, 5},
        {"D:\\\x81\x5Ct.exe", DoubleByteLead, 2},
        {"\x81\x5C", DoubleByteLead, 2},
        // Pairs are read from the start: 81 81 is a pair, so the 5C after it stands alone.
        {"\x81\x81\\", DoubleByteLead, 2},
        {"\x81\x81\x81\\", DoubleByteLead, 4},
        // 0x80 and 0xFF are not leads here, so the 5C after them is real.
        {"\x80\\", DoubleByteLead, 1},
        {"\xFF\\", DoubleByteLead, 1},
        // A lead byte at the very end has no second byte to swallow.
        {"a\\b\x81", DoubleByteLead, 1},
        // With a single-byte code page every 0x5C counts.
        {"D:\\\x81\x5Ct.exe", SingleByteLead, 4},
        {"\x81\x81\x81\\", SingleByteLead, 3},
    };
    for (const auto& [path, isLead, expected] : cases) {
        // No terminator after the bytes: AddressSanitizer reports any read past the length.
        const std::vector<char> exact(path.begin(), path.end());
        EXPECT_EQ(FindLastBackslash(exact.data(), exact.size(), isLead), expected)
            << "path [" << Hex(path) << "]" << (isLead == SingleByteLead ? " single-byte" : "");
    }
}

// The length bounds the search: a backslash just past it is not seen.
TEST(FindLastBackslash, LooksOnlyWithinTheLength) {
    const std::string path = "a\\b\\";
    EXPECT_EQ(FindLastBackslash(path.data(), 3, DoubleByteLead), 1u);
    EXPECT_EQ(FindLastBackslash(path.data(), 1, DoubleByteLead), 1u);
    // A lead byte at the end of the range does not reach past it to take the next byte.
    const std::string pair = "a\x81\\";
    EXPECT_EQ(FindLastBackslash(pair.data(), 2, DoubleByteLead), 2u);
}

}  // namespace
