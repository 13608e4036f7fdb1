// Text and Bytes: move-only owners of blocks from the program heap.
// An absent value (no block) reads as the empty text or the empty byte sequence, and releasing it
// does nothing, so callers never need to test for absence before use or release.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "runtime/text/program_heap.h"

// A zero-terminated byte string in the ANSI code page.
class Text {
public:
    Text() = default;
    explicit Text(char* block) noexcept : block_(block) {}
    Text(Text&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    Text& operator=(Text&& other) noexcept {
        if (this != &other) ReleaseBlock(std::exchange(block_, std::exchange(other.block_, nullptr)));
        return *this;
    }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { ReleaseBlock(block_); }

    bool absent() const noexcept { return block_ == nullptr; }
    const char* c_str() const noexcept { return block_ ? block_ : ""; }
    std::size_t length() const noexcept { return block_ ? std::strlen(block_) : 0; }
    // The block itself, null when absent; for tests and callers that compare identity.
    const char* block() const noexcept { return block_; }

private:
    char* block_ = nullptr;
};

// A byte sequence of known length. Its block holds a 32-bit 1, a 32-bit length N and the N bytes.
class Bytes {
public:
    static constexpr std::size_t kHeaderSize = 8;

    Bytes() = default;
    explicit Bytes(unsigned char* block) noexcept : block_(block) {}
    Bytes(Bytes&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    Bytes& operator=(Bytes&& other) noexcept {
        if (this != &other) ReleaseBlock(std::exchange(block_, std::exchange(other.block_, nullptr)));
        return *this;
    }
    Bytes(const Bytes&) = delete;
    Bytes& operator=(const Bytes&) = delete;
    ~Bytes() { ReleaseBlock(block_); }

    bool absent() const noexcept { return block_ == nullptr; }
    // The whole block, header included; the constant empty sequence when absent.
    const unsigned char* block() const noexcept { return block_ ? block_ : kEmptyBlock; }
    std::uint32_t size() const noexcept {
        std::uint32_t n;
        std::memcpy(&n, block() + 4, sizeof n);
        return n;
    }
    const unsigned char* data() const noexcept { return block() + kHeaderSize; }

private:
    static constexpr unsigned char kEmptyBlock[kHeaderSize] = {1, 0, 0, 0, 0, 0, 0, 0};
    unsigned char* block_ = nullptr;
};
