// ReplaceSubtext against the reference model on many random calls from a fixed seed. The
// alphabets are small so that matches are frequent, and mix letters of both cases, 0x5C and
// bytes 0x80 and above, so that double-byte stepping and lone trailing lead bytes keep occurring.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "tests/native/replace_call.h"

namespace {

constexpr std::string_view kAlphabets[] = {
    "aA",
    "aAbB\\",
    "aB\\\x81\xFE",
    "a\\\x80\xFF",
    "aA\\\x81",
    "\x81\\",
    // The edges of A-Z folding, and letters that only a wider folding would pair.
    "@`[{Zz\xC0\xE0",
};

class CallGenerator {
public:
    explicit CallGenerator(std::uint32_t seed) : random_(seed) {}

    ReplaceCall Next() {
        alphabet_ = kAlphabets[Below(std::size(kAlphabets))];
        anyByte_ = Below(10) == 0;

        ReplaceCall call;
        std::string text = Draw(Below(5) == 0 ? Below(48) : Below(12));
        call.target = NextTarget(text);
        call.replacement = Draw(Below(5));
        call.text = std::move(text);
        for (auto* s : {&call.text, &call.target, &call.replacement})
            if (s->value().empty() && Below(2) == 0) s->reset();

        const auto n = static_cast<std::int32_t>(call.text.value_or("").size());
        if (Below(4) != 0)
            call.start = Below(20) == 0 ? Extreme() : -3 + static_cast<std::int32_t>(Below(n + 7));
        if (Below(4) != 0) {
            switch (Below(8)) {
                case 0: call.count = 0; break;
                case 1: call.count = -1 - static_cast<std::int32_t>(Below(3)); break;
                case 2: call.count = Extreme(); break;
                default: call.count = 1 + static_cast<std::int32_t>(Below(4)); break;
            }
        }
        call.caseSensitive = Below(2) == 0;
        return call;
    }

private:
    std::uint32_t Below(std::size_t bound) { return random_() % static_cast<std::uint32_t>(bound); }

    std::int32_t Extreme() {
        return Below(2) ? std::numeric_limits<std::int32_t>::max()
                        : std::numeric_limits<std::int32_t>::min();
    }

    std::string Draw(std::size_t length) {
        std::string out;
        for (std::size_t i = 0; i < length; ++i)
            out +=
                anyByte_ ? static_cast<char>(1 + Below(255)) : alphabet_[Below(alphabet_.size())];
        return out;
    }

    // Mostly a piece of the text itself, sometimes with its letters' case changed, so that
    // matches are common; otherwise a fresh string, which may begin with a lead byte or be empty.
    std::string NextTarget(const std::string& text) {
        const std::uint32_t kind = Below(10);
        if (kind < 6 && !text.empty()) {
            const std::size_t at = Below(text.size());
            std::string piece =
                text.substr(at, 1 + Below(std::min<std::size_t>(4, text.size() - at)));
            if (Below(2) == 0)
                for (char& c : piece)
                    if (((c | 0x20) >= 'a' && (c | 0x20) <= 'z') && Below(2) == 0) c ^= 0x20;
            return piece;
        }
        if (kind == 6) return static_cast<char>(0x80 + Below(128)) + Draw(Below(3));
        return Draw(Below(5));
    }

    std::mt19937 random_;
    std::string_view alphabet_;
    bool anyByte_ = false;
};

TEST(ReplaceSubtextProperty, AgreesWithTheReferenceModel) {
    constexpr int kCalls = 200000;
    constexpr int kFailuresShown = 10;
    CallGenerator generator(20240611);
    int failures = 0;
    int changed = 0;
    for (int i = 0; i < kCalls && failures < kFailuresShown; ++i) {
        const ReplaceCall call = generator.Next();
        if (const std::string difference = Disagreement(call); !difference.empty()) {
            ADD_FAILURE() << "call " << i << ": " << difference;
            ++failures;
        }
        if (RunModel(call) != call.text.value_or("")) ++changed;
    }
    // Guards the generator: calls that replace nothing would prove little.
    EXPECT_GT(changed, kCalls / 4);
}

}  // namespace
