// The baselines of the text benchmarks: what a C++ programmer writes with std::string without
// further thought.
#pragma once

#include <initializer_list>
#include <string>

// Find and replace every occurrence, left to right, into a string reserved at the input's size.
inline std::string ReplaceAllStd(const std::string& text, const std::string& target,
                                 const std::string& replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t at = text.find(target); at != std::string::npos;
         at = text.find(target, copied)) {
        out.append(text, copied, at - copied);
        out += replacement;
        copied = at + target.size();
    }
    out.append(text, copied);
    return out;
}

// Joins C strings, the parts ConcatText takes, by appending them one after another.
inline std::string ConcatStd(std::initializer_list<const char*> parts) {
    std::string out;
    for (const char* part : parts) out += part;
    return out;
}
