// The program's fatal errors: an exhausted heap and a main window that cannot be created.
#pragma once

// Stops all further events, forgets the end callback, shows the error report with `message`
// and ends the program with exit code -1. Allocates nothing, so it works on an exhausted heap.
[[noreturn]] void EndWithFatalError(const char* message);
