// Sample texts for the text benchmarks: code page 936 text laid out like a configuration file,
// Chinese words among ASCII keys and values, with the placeholder 路径 at a fixed spacing.
#pragma once

#include <cstddef>
#include <string>

// Exactly `size` bytes, the same for the same arguments. The first 路径 sits half a spacing in,
// the others one spacing apart. No byte pair can be mistaken for 路径 across a character
// boundary, so a byte search finds exactly the placeholders.
std::string MakeCp936Text(std::size_t size, std::size_t spacing);
