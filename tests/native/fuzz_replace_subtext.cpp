// libFuzzer target: ReplaceSubtext against the reference model; any difference aborts with the
// call and both results in hex.
//
// Input layout, so that every input means one call:
//   byte 0  flags: bit 0 case-sensitive; bits 1-2 how start is made, bits 3-4 how count is made
//           (0 omitted, 1 the signed byte, 2 the int32 minimum plus the byte, 3 the maximum
//           minus it); bit 5 the target is cut from the text; bit 6 empty strings go as null
//   byte 1  start byte, byte 2 count byte, byte 3 target length, byte 4 replacement length,
//   byte 5  where in the text the target is cut from (with bit 5)
//   then    the replacement, the target (without bit 5), and the text: zero bytes dropped.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "tests/native/replace_call.h"

namespace {

std::optional<std::int32_t> Number(unsigned kind, std::uint8_t byte) {
    switch (kind) {
        case 0: return std::nullopt;
        case 1: return static_cast<std::int8_t>(byte);
        case 2: return std::numeric_limits<std::int32_t>::min() + byte;
        default: return std::numeric_limits<std::int32_t>::max() - byte;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t header[6] = {};
    const std::size_t headerSize = size < sizeof header ? size : sizeof header;
    for (std::size_t i = 0; i < headerSize; ++i) header[i] = data[i];
    std::string body;
    for (std::size_t i = headerSize; i < size; ++i)
        if (data[i] != 0) body += static_cast<char>(data[i]);

    const std::uint8_t flags = header[0];
    ReplaceCall call;
    call.caseSensitive = flags & 1;
    call.start = Number((flags >> 1) & 3, header[1]);
    call.count = Number((flags >> 3) & 3, header[2]);

    std::size_t at = 0;
    const auto take = [&](std::size_t length) {
        const std::string piece = body.substr(at, length);
        at += piece.size();
        return piece;
    };
    call.replacement = take(header[4]);
    if (flags & 0x20) {
        call.text = take(body.size());
        call.target = call.text->substr(header[5] % (call.text->size() + 1), header[3]);
    } else {
        call.target = take(header[3]);
        call.text = take(body.size());
    }
    if (flags & 0x40)
        for (auto* s : {&call.text, &call.target, &call.replacement})
            if (s->value().empty()) s->reset();

    if (const std::string difference = Disagreement(call); !difference.empty()) {
        std::fprintf(stderr, "ReplaceSubtext differs from the model: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
