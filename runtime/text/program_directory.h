// The program directory: the directory of the running executable, fixed once at start-up.
#pragma once

#include "runtime/text/text.h"

// Asks the system for the executable's full path and keeps the part before its last backslash.
// Called once during start-up.
void DetermineProgramDirectory();

// Keeps the part of `executablePath` before its last real backslash as the program directory;
// the empty text when the path holds no backslash.
void StoreProgramDirectory(const char* executablePath);

// The stored program directory, without a trailing separator, as a fresh block; absent when the
// directory is empty. Makes no system call.
Text GetProgramDirectory();
