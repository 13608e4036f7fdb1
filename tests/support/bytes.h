// Byte-exact comparison for the tests: a mismatch prints both sides in hex.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/hex.h"

// Passes when the two byte strings are identical.
testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected);

// The bytes of a file, or "<missing>" when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);

// A UTF-8 text in code page 936, converted by the system, so tests can state Chinese texts
// readably and still compare bytes.
std::string Cp936(std::string_view utf8);
