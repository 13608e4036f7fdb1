// ConcatText: joins texts one after another into a fresh block.
#pragma once

#include <array>
#include <cstddef>

#include "runtime/text/text.h"

namespace detail {
inline const char* PartBytes(const char* part) noexcept { return part; }
inline const char* PartBytes(const Text& part) noexcept { return part.block(); }
Text ConcatParts(const char* const* parts, std::size_t* lengths, std::size_t count);
}  // namespace detail

// Joins the parts in argument order; a null or absent part counts as empty. The result is never
// absent: joining only empty parts gives a block holding just the terminator.
template <typename... Parts>
Text ConcatText(const Parts&... parts) {
    static_assert(sizeof...(Parts) >= 1, "ConcatText takes at least one part");
    const std::array<const char*, sizeof...(Parts)> bytes{detail::PartBytes(parts)...};
    std::array<std::size_t, sizeof...(Parts)> lengths;  // scratch on the stack, one per part
    return detail::ConcatParts(bytes.data(), lengths.data(), bytes.size());
}
