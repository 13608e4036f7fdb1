// File services: whether a name is present, and writing a file whole from byte sequences.
#pragma once

#include <initializer_list>

#include "runtime/text/text.h"

// True when a directory search finds the name: a file or a directory, hidden and system entries
// included, or at least one entry matching a pattern with * or ?. Relative names resolve against
// the current directory. A null name reads as empty, which is never present.
bool FileExists(const char* name);

// Creates the file, or truncates an existing one, and writes the sequences one after another.
// Fails (false) on an empty name, a failed open (which leaves the file system as it was), a
// failed or short write, or a failed close. Read-only, hidden and system files are not opened.
bool WriteBytesToFile(const char* name, std::initializer_list<const Bytes*> sequences = {});
