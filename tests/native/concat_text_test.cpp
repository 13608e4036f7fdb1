// ConcatText: parts given as plain pointers or as Text, null and absent ones reading as empty.
#include "runtime/text/concat_text.h"

#include <gtest/gtest.h>
#include <sanitizer/allocator_interface.h>

#include <cstring>
#include <string>

#include "tests/native/same_bytes.h"

namespace {

Text Owned(const std::string& bytes) {
    char* block = AllocateBlock(bytes.size() + 1);
    std::memcpy(block, bytes.c_str(), bytes.size() + 1);
    return Text(block);
}

TEST(ConcatText, JoinsPartsInOrder) {
    const Text absent;
    const Text dir = Owned("D:\\Games\\\x81\x5C");
    EXPECT_TRUE(SameBytes(View(ConcatText(absent, "/Nadeo.ini")), "/Nadeo.ini"));
    EXPECT_TRUE(SameBytes(View(ConcatText(dir, "/Nadeo.ini")), "D:\\Games\\\x81\x5C/Nadeo.ini"));
    EXPECT_TRUE(SameBytes(View(ConcatText("a", dir, "\xB0")), "aD:\\Games\\\x81\x5C\xB0"));
    EXPECT_TRUE(
        SameBytes(View(ConcatText("ab", static_cast<const char*>(nullptr), "", "c")), "abc"));
    EXPECT_TRUE(SameBytes(View(ConcatText(dir)), View(dir)));
}

// Joining nothing but empty parts still gives a block: one byte, the terminator.
TEST(ConcatText, OnlyEmptyPartsGiveATerminatorBlock) {
    const Text absent;
    for (const Text& result :
         {ConcatText("", ""), ConcatText(absent, static_cast<const char*>(nullptr)),
          ConcatText(absent)}) {
        ASSERT_FALSE(result.absent());
        EXPECT_EQ(result.block()[0], '\0');
        EXPECT_EQ(__sanitizer_get_allocated_size(result.block()), 1u);
    }
}

// The result is a block of its own: the parts stay untouched and valid after it is released.
TEST(ConcatText, LeavesThePartsAlone) {
    const Text part = Owned("abc");
    const char* before = part.block();
    { const Text joined = ConcatText(part, part); }
    EXPECT_EQ(part.block(), before);
    EXPECT_TRUE(SameBytes(View(part), "abc"));
}

}  // namespace
