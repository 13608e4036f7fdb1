// TextToBytes: the whole block, header included, must be exactly right, since it is written out
// and read back by length.
#include "runtime/text/text_to_bytes.h"

#include <gtest/gtest.h>
#include <sanitizer/allocator_interface.h>

#include <string>

#include "tests/native/same_bytes.h"

namespace {

std::string WholeBlock(const Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.block()), Bytes::kHeaderSize + bytes.size()};
}

TEST(TextToBytes, WritesHeaderAndBytes) {
    const std::string long300(300, 'x');
    const struct {
        std::string text;
        std::string block;
    } cases[] = {
        {"abc", std::string("\x01\0\0\0\x03\0\0\0abc", 11)},
        {"\x81\x5C\xFF", std::string("\x01\0\0\0\x03\0\0\0\x81\x5C\xFF", 11)},
        // A length of 256 or more needs the header's second byte.
        {long300, std::string("\x01\0\0\0\x2C\x01\0\0", 8) + long300},
    };
    for (const auto& [text, block] : cases) {
        SCOPED_TRACE("text [" + Hex(text.substr(0, 16)) + "...], " + std::to_string(text.size()) +
                     " bytes");
        const Bytes bytes = TextToBytes(text.c_str());
        ASSERT_FALSE(bytes.absent());
        EXPECT_TRUE(SameBytes(WholeBlock(bytes), block));
        EXPECT_EQ(__sanitizer_get_allocated_size(bytes.block()), block.size());
    }
}

TEST(TextToBytes, EmptyTextGivesAbsentBytes) {
    const Text absent;
    for (const Bytes& bytes :
         {TextToBytes(""), TextToBytes(static_cast<const char*>(nullptr)), TextToBytes(absent)}) {
        EXPECT_TRUE(bytes.absent());
        EXPECT_EQ(bytes.size(), 0u);
        EXPECT_TRUE(SameBytes(WholeBlock(bytes), std::string("\x01\0\0\0\0\0\0\0", 8)));
    }
}

}  // namespace
