// The search for the last real backslash of a path, aware of double-byte characters.
#pragma once

#include <cstddef>

// Tells whether a byte begins a double-byte character of the ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char);

// The index of the last byte 0x5C in path[0, length) that is not the second byte of a double-byte
// character, or `length` when there is none. Characters are read from the start of the path.
std::size_t FindLastBackslash(const char* path, std::size_t length, LeadBytePredicate isLeadByte);
