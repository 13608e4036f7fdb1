// What one click is expected to write into Nadeo.ini, stated independently of the program's own
// copy of the template, so a change to that copy shows up here.
#pragma once

#include <string>

// The template the holder starts with: eleven CR LF lines, 212 bytes in code page 936.
std::string InitialTemplate();

// `text` with every 路径 replaced by `directory`, scanning from left to right.
std::string FilledIn(std::string text, const std::string& directory);
