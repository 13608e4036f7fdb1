// ConcatText: one measurement per part, one allocation, one copy per part.
#include "runtime/text/concat_text.h"

#include <cstring>

namespace detail {

Text ConcatParts(const char* const* parts, std::size_t* lengths, std::size_t count) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        lengths[i] = parts[i] ? std::strlen(parts[i]) : 0;
        total += lengths[i];
    }
    char* block = AllocateBlock(total + 1);
    char* out = block;
    for (std::size_t i = 0; i < count; ++i) {
        if (lengths[i] != 0) std::memcpy(out, parts[i], lengths[i]);
        out += lengths[i];
    }
    *out = '\0';
    return Text(block);
}

}  // namespace detail
