// TextToBytes: a text's bytes, without its terminator, as a Bytes block.
#pragma once

#include "runtime/text/text.h"

// Absent for an empty (or null) text.
Bytes TextToBytes(const char* text);
inline Bytes TextToBytes(const Text& text) { return TextToBytes(text.block()); }
