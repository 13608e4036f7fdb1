// ReplaceSubtext: replaces occurrences of a target in a text, one pass from left to right.
#pragma once

#include <cstdint>
#include <optional>

#include "runtime/text/text.h"

// `text`, `target` and `replacement` may be null, which reads as empty.
// `start` is a 1-based byte position (omitted, or 1 or less: the first byte); the bytes before it
// are copied without being scanned. `count` limits the replacements (omitted or negative: no
// limit; 0: none). Matching is bytewise; without case sensitivity only A-Z fold to a-z.
// The scan steps over double-byte characters (a byte 0x80 or above and the byte after it) whole,
// so a match never begins on the second byte of a pair, and inserted text is never rescanned.
// The result is absent when it is empty.
Text ReplaceSubtext(const char* text, const char* target, const char* replacement,
                    std::optional<std::int32_t> start, std::optional<std::int32_t> count,
                    bool caseSensitive);
