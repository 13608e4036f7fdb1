// One ReplaceSubtext call as the differential tests see it: the call, the program's answer, the
// reference model's answer, and a description in hex for when the two differ.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/text/replace_subtext.h"
#include "tests/hex.h"
#include "tests/native/reference_replace.h"

// A missing string is handed over as a null pointer, which must read as the empty text.
struct ReplaceCall {
    std::optional<std::string> text, target, replacement;
    std::optional<std::int32_t> start, count;
    bool caseSensitive = true;
};

inline Text RunProgram(const ReplaceCall& call) {
    const auto pointer = [](const std::optional<std::string>& s) {
        return s ? s->c_str() : nullptr;
    };
    return ReplaceSubtext(pointer(call.text), pointer(call.target), pointer(call.replacement),
                          call.start, call.count, call.caseSensitive);
}

inline std::string RunModel(const ReplaceCall& call) {
    return reference::ReplaceSubtext(call.text.value_or(""), call.target.value_or(""),
                                     call.replacement.value_or(""), call.start, call.count,
                                     call.caseSensitive);
}

inline std::string Describe(const ReplaceCall& call) {
    const auto bytes = [](const std::optional<std::string>& s) {
        return s ? "[" + Hex(*s) + "]" : std::string("null");
    };
    const auto number = [](std::optional<std::int32_t> v) {
        return v ? std::to_string(*v) : std::string("omitted");
    };
    return "text " + bytes(call.text) + " target " + bytes(call.target) + " replacement " +
           bytes(call.replacement) + " start " + number(call.start) + " count " +
           number(call.count) + (call.caseSensitive ? " case-sensitive" : " case-insensitive");
}

// Empty when the program and the model agree, on absence as well as on the bytes.
inline std::string Disagreement(const ReplaceCall& call) {
    const std::string expected = RunModel(call);
    const Text actual = RunProgram(call);
    const std::string got(actual.c_str(), actual.length());
    if (actual.absent() == expected.empty() && got == expected) return {};
    const auto shown = [](bool absent, const std::string& s) {
        return absent ? std::string("absent") : "[" + Hex(s) + "]";
    };
    return Describe(call) + "\n  program: " + shown(actual.absent(), got) +
           "\n  model:   " + shown(expected.empty(), expected);
}
