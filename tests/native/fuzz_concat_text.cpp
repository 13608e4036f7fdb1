// libFuzzer target: ConcatText of one to four parts against plain string concatenation; any
// difference in the bytes or the terminator aborts with both sides in hex.
//
// Input layout: byte 0 holds the number of parts less one (bits 0-1), whether each part goes as
// a Text rather than a pointer (bits 2-5), and whether empty parts go as null or absent (bit 6).
// The rest, split at its zero bytes, gives the parts in order; missing parts are empty.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/text/concat_text.h"
#include "tests/hex.h"

namespace {

struct Part {
    std::string bytes;
    bool asText = false;
    bool missing = false;  // null pointer or absent Text
    Text text;
    const char* pointer() const { return missing ? nullptr : bytes.c_str(); }
};

// Calls ConcatText with the parts from `next` on appended to `given`, each part in its own form,
// so that every mix of pointer and Text arguments is instantiated and reached.
template <typename... Given>
Text Join(const std::vector<Part>& parts, std::size_t next, const Given&... given) {
    if constexpr (sizeof...(Given) == 4) {
        return ConcatText(given...);
    } else {
        if constexpr (sizeof...(Given) > 0)
            if (next == parts.size()) return ConcatText(given...);
        const Part& part = parts[next];
        if (part.asText) return Join(parts, next + 1, given..., part.text);
        return Join(parts, next + 1, given..., part.pointer());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t flags = size > 0 ? data[0] : 0;
    std::vector<Part> parts((flags & 3) + 1);
    std::size_t at = 1;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        Part& part = parts[k];
        while (at < size && data[at] != 0) part.bytes += static_cast<char>(data[at++]);
        ++at;
        part.asText = (flags >> (2 + k)) & 1;
        part.missing = part.bytes.empty() && (flags & 0x40);
        if (part.asText && !part.missing) {
            char* block = AllocateBlock(part.bytes.size() + 1);
            std::memcpy(block, part.bytes.c_str(), part.bytes.size() + 1);
            part.text = Text(block);
        }
    }

    std::string expected;
    for (const Part& part : parts) expected += part.bytes;
    const Text result = Join(parts, 0);
    const char* block = result.block();
    // A block too short for the expected bytes is caught by AddressSanitizer in the comparison.
    const bool same = block != nullptr &&
                      std::memcmp(block, expected.data(), expected.size()) == 0 &&
                      block[expected.size()] == '\0';
    if (!same) {
        std::fprintf(stderr, "ConcatText of %zu parts is wrong\n  result:   %s\n  expected: [%s]\n",
                     parts.size(),
                     block ? ("[" + Hex({block, std::strlen(block)}) + "]").c_str() : "absent",
                     Hex(expected).c_str());
        std::abort();
    }
    return 0;
}
