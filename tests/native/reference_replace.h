// The reference model of ReplaceSubtext that the differential tests and the fuzzer hold the
// program to: a deliberately plain byte-at-a-time scan, so that it can be checked by reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace reference {

inline unsigned char FoldCase(unsigned char b) { return b >= 0x41 && b <= 0x5A ? b + 0x20 : b; }

inline bool MatchesAt(const std::string& t, std::size_t i, const std::string& s,
                      bool caseSensitive) {
    for (std::size_t k = 0; k < s.size(); ++k) {
        const auto a = static_cast<unsigned char>(t[i + k]);
        const auto b = static_cast<unsigned char>(s[k]);
        if (caseSensitive ? a != b : FoldCase(a) != FoldCase(b)) return false;
    }
    return true;
}

// An empty result stands for the absent Text.
inline std::string ReplaceSubtext(const std::string& t, const std::string& s, const std::string& r,
                                  std::optional<std::int32_t> start,
                                  std::optional<std::int32_t> count, bool caseSensitive) {
    const std::size_t n = t.size();
    const std::size_t m = s.size();
    const std::size_t p = (!start || *start <= 1) ? 0 : static_cast<std::size_t>(*start) - 1;
    const bool limited = count && *count >= 0;
    std::int64_t left = limited ? *count : 0;
    if (n == 0 || m == 0 || p >= n || (limited && left == 0)) return t;

    std::string out = t.substr(0, p);
    std::size_t i = p;
    while (n - i >= m) {
        if (MatchesAt(t, i, s, caseSensitive)) {
            out += r;
            i += m;
            if (limited && --left == 0) break;
        } else if (static_cast<unsigned char>(t[i]) >= 0x80) {
            if (i == n - 1) {  // a lead byte with nothing after it is kept, and ends the scan
                out += t[i];
                i += 1;
                break;
            }
            out += t[i];
            out += t[i + 1];
            i += 2;
        } else {
            out += t[i];
            i += 1;
        }
    }
    out.append(t, i);
    return out;
}

}  // namespace reference
