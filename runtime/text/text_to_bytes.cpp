// TextToBytes: writes the little-endian header (1, then the length) and the text's bytes.
#include "runtime/text/text_to_bytes.h"

#include <cstdint>
#include <cstring>

namespace {
void PutWord(unsigned char* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}
}  // namespace

Bytes TextToBytes(const char* text) {
    const std::size_t length = text ? std::strlen(text) : 0;
    if (length == 0) return Bytes();
    auto* block = reinterpret_cast<unsigned char*>(AllocateBlock(length + Bytes::kHeaderSize));
    PutWord(block, 1);
    PutWord(block + 4, static_cast<std::uint32_t>(length));
    std::memcpy(block + Bytes::kHeaderSize, text, length);
    return Bytes(block);
}
