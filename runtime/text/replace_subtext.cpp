// ReplaceSubtext: one scan that assembles the output in a single working buffer, which then
// becomes the result block.
#include "runtime/text/replace_subtext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The output under construction, in one block of the program heap. It grows in place where the
// heap allows, geometrically (at least to the size needed plus 128 bytes), so that dense
// replacements in large texts stay linear; at the end it is cut to its exact size and handed
// over as the result. Running out of memory ends the program like any other allocation.
class WorkingBuffer {
public:
    explicit WorkingBuffer(std::size_t capacity)
        : data_(AllocateBlock(capacity)), capacity_(capacity) {}
    WorkingBuffer(const WorkingBuffer&) = delete;
    WorkingBuffer& operator=(const WorkingBuffer&) = delete;
    ~WorkingBuffer() { ReleaseBlock(data_); }

    void Append(const char* bytes, std::size_t n) {
        if (n == 0) return;
        if (capacity_ - size_ < n) {
            capacity_ = std::max(size_ + n, capacity_ * 2) + 128;
            data_ = ResizeBlock(data_, capacity_);
        }
        std::memcpy(data_ + size_, bytes, n);
        size_ += n;
    }

    // The output with its terminator in a block of exactly that size; absent when empty.
    Text TakeResult() {
        if (size_ == 0) return Text();
        char* block = ResizeBlock(std::exchange(data_, nullptr), size_ + 1);
        block[size_] = '\0';
        return Text(block);
    }

private:
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

// Whether position `c` begins a character of the scan, given that `boundary` <= c does.
// A character always begins after a byte below 0x80 (a single byte or the second of a pair), so
// only the run of lead-range bytes just before `c` matters: `c` begins a character exactly when
// that run has even length. Callers move `boundary` forward past every position they settle, so
// no byte is walked over twice.
bool BeginsCharacter(const unsigned char* t, std::size_t boundary, std::size_t c) {
    std::size_t j = c;
    while (j > boundary && IsLeadByte(t[j - 1])) --j;
    return (c - j) % 2 == 0;
}

}  // namespace

Text ReplaceSubtext(const char* text, const char* target, const char* replacement,
                    std::optional<std::int32_t> start, std::optional<std::int32_t> count,
                    bool caseSensitive) {
    text = text ? text : "";
    target = target ? target : "";
    replacement = replacement ? replacement : "";
    const auto* t = reinterpret_cast<const unsigned char*>(text);
    const auto* s = reinterpret_cast<const unsigned char*>(target);
    const std::size_t n = std::strlen(text);
    const std::size_t m = std::strlen(target);
    const std::size_t rLength = std::strlen(replacement);

    const std::size_t p = (start && *start > 1) ? static_cast<std::size_t>(*start) - 1 : 0;
    const bool limited = count && *count >= 0;
    std::int32_t remaining = limited ? *count : 0;

    WorkingBuffer out(n + 128);
    if (n == 0 || m == 0 || p >= n || (limited && remaining == 0)) {
        out.Append(text, n);
        return out.TakeResult();
    }

    // The bytes before the start index are copied without being scanned; bytes of T before
    // `copied` are in the output already.
    std::size_t copied = 0;
    std::size_t boundary = p;  // a position where a character of the scan begins
    std::size_t i = p;         // where the search goes on
    while (i + m <= n) {
        std::size_t c;
        if (caseSensitive) {
            // memchr and memcmp find a full match first; only then is it asked whether the
            // match begins a character rather than on the second byte of a pair.
            const void* hit = std::memchr(t + i, s[0], n - m - i + 1);
            if (!hit) break;
            c = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - t);
            if (std::memcmp(t + c, s, m) != 0) {
                i = c + 1;
                continue;
            }
            if (!BeginsCharacter(t, boundary, c)) {
                boundary = i = c + 1;  // c is the second byte of a pair
                continue;
            }
        } else {
            c = i;
            if (!EqualFolded(t + c, s, m)) {
                boundary = i = c + (IsLeadByte(t[c]) ? 2 : 1);
                continue;
            }
        }
        out.Append(text + copied, c - copied);
        out.Append(replacement, rLength);
        boundary = i = copied = c + m;
        if (limited && --remaining == 0) break;
    }
    // What is left is copied whole, a lone lead byte at the very end included.
    out.Append(text + copied, n - copied);
    return out.TakeResult();
}
