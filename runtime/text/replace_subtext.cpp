// ReplaceSubtext: one scan that assembles the output in a single working buffer, then one copy
// of that buffer into the result block.
#include "runtime/text/replace_subtext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The output under construction. It grows geometrically (at least to the size needed plus 128
// bytes) so that dense replacements in large texts stay linear. Growth goes through the
// program heap, so running out of memory here ends the program like any other allocation.
class WorkingBuffer {
public:
    explicit WorkingBuffer(std::size_t capacity)
        : data_(AllocateBlock(capacity)), capacity_(capacity) {}
    WorkingBuffer(const WorkingBuffer&) = delete;
    WorkingBuffer& operator=(const WorkingBuffer&) = delete;
    ~WorkingBuffer() { ReleaseBlock(data_); }

    void Append(const char* bytes, std::size_t n) {
        if (n == 0) return;
        if (capacity_ - size_ < n) Grow(size_ + n);
        std::memcpy(data_ + size_, bytes, n);
        size_ += n;
    }

    Text CopyToResult() const {
        if (size_ == 0) return Text();
        char* block = AllocateBlock(size_ + 1);
        std::memcpy(block, data_, size_);
        block[size_] = '\0';
        return Text(block);
    }

private:
    void Grow(std::size_t needed) {
        const std::size_t capacity = std::max(needed, capacity_ * 2) + 128;
        char* grown = AllocateBlock(capacity);
        std::memcpy(grown, data_, size_);
        ReleaseBlock(std::exchange(data_, grown));
        capacity_ = capacity;
    }

    char* data_;
    std::size_t size_ = 0;
    std::size_t capacity_;
};

inline bool IsLeadByte(unsigned char b) { return b >= 0x80; }

inline unsigned char FoldCase(unsigned char b) {
    return (b >= 0x41 && b <= 0x5A) ? static_cast<unsigned char>(b + 0x20) : b;
}

bool EqualFolded(const unsigned char* a, const unsigned char* b, std::size_t m) {
    for (std::size_t k = 0; k < m; ++k)
        if (FoldCase(a[k]) != FoldCase(b[k])) return false;
    return true;
}

// The next position at or after `from` where a match may begin and the first byte matches,
// given that `from` is a character boundary of the scan; `n` when there is none.
// memchr finds candidates quickly; a candidate is a boundary exactly when the run of lead-range
// bytes just before it (back to `from` or to a byte below 0x80, after which a character always
// begins) has even length. A candidate that is a second byte moves the boundary past it.
std::size_t NextCandidate(const unsigned char* t, std::size_t from, std::size_t last,
                          unsigned char first) {
    while (from <= last) {
        const void* hit = std::memchr(t + from, first, last - from + 1);
        if (!hit) return SIZE_MAX;
        const std::size_t c = static_cast<const unsigned char*>(hit) - t;
        std::size_t j = c;
        while (j > from && IsLeadByte(t[j - 1])) --j;
        if ((c - j) % 2 == 0) return c;
        from = c + 1;
    }
    return SIZE_MAX;
}

}  // namespace

Text ReplaceSubtext(const char* text, const char* target, const char* replacement,
                    std::optional<std::int32_t> start, std::optional<std::int32_t> count,
                    bool caseSensitive) {
    const auto* t = reinterpret_cast<const unsigned char*>(text ? text : "");
    const auto* s = reinterpret_cast<const unsigned char*>(target ? target : "");
    const char* r = replacement ? replacement : "";
    const std::size_t n = std::strlen(text ? text : "");
    const std::size_t m = std::strlen(target ? target : "");
    const std::size_t rLength = std::strlen(r);

    const std::size_t p = (start && *start > 1) ? static_cast<std::size_t>(*start) - 1 : 0;
    const bool limited = count && *count >= 0;
    std::int32_t remaining = limited ? *count : 0;

    WorkingBuffer out(n + 128);
    if (n == 0 || m == 0 || p >= n || (limited && remaining == 0)) {
        out.Append(text, n);
        return out.CopyToResult();
    }

    out.Append(text, p);
    std::size_t copied = p;  // bytes of T before this position are already in the output
    std::size_t i = p;
    while (i + m <= n) {
        if (caseSensitive) {
            i = NextCandidate(t, i, n - m, s[0]);
            if (i == SIZE_MAX) break;
            if (std::memcmp(t + i, s, m) != 0) {
                i += IsLeadByte(t[i]) ? 2 : 1;
                continue;
            }
        } else if (!EqualFolded(t + i, s, m)) {
            i += IsLeadByte(t[i]) ? 2 : 1;
            continue;
        }
        out.Append(text + copied, i - copied);
        out.Append(r, rLength);
        i += m;
        copied = i;
        if (limited && --remaining == 0) break;
    }
    // What is left is copied whole, a lone lead byte at the very end included.
    out.Append(text + copied, n - copied);
    return out.CopyToResult();
}
