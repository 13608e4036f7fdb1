// The search for the last real backslash: walks the path character by character from its start,
// because a second byte can only be told apart from a backslash by the bytes before it.
#include "runtime/text/last_backslash.h"

std::size_t FindLastBackslash(const char* path, std::size_t length, LeadBytePredicate isLeadByte) {
    std::size_t last = length;
    for (std::size_t i = 0; i < length;) {
        const auto b = static_cast<unsigned char>(path[i]);
        if (b == '\\') last = i;
        i += (isLeadByte(b) && i + 1 < length) ? 2 : 1;
    }
    return last;
}
