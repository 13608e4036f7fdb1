// Byte helpers for the tests.
#include "tests/support/bytes.h"

#include <windows.h>

#include <fstream>
#include <iterator>

testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\n  actual   (" << actual.size() << " bytes): "
                                       << Hex(actual) << "\n  expected (" << expected.size()
                                       << " bytes): " << Hex(expected);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

std::string Cp936(std::string_view utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    wide.data(), static_cast<int>(wide.size())));
    std::string out(wide.size() * 2, '\0');
    out.resize(WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}
