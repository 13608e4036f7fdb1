// The parts that the unit test program plays as a child process of one of its own tests.
#pragma once

#include <cstddef>

// Asks the program heap for kExhaustedRequest bytes after the heap has been filled.
inline constexpr char kExhaustHeapMode[] = "--exhaust-heap";
inline constexpr std::size_t kExhaustedRequest = 212;

// Ends with kFirstEndCode while the end callback ends again with kSecondEndCode.
inline constexpr char kEndTwiceMode[] = "--end-twice";
inline constexpr int kFirstEndCode = 3;
inline constexpr int kSecondEndCode = 7;

// The exit code of a child whose fatal error did not end it.
inline constexpr int kChildReturned = 99;
