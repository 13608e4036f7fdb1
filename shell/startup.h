// Start-up: from the process entry to the running message loop.
#pragma once

// Adds SEM_FAILCRITICALERRORS and SEM_NOOPENFILEERRORBOX to the process error mode, so that a
// drive without a medium fails quietly instead of raising the system's own box.
void SetQuietErrorMode();

// Takes the program heap, initialises OLE, makes the program directory current, registers the
// end callback, loads the main window and runs the message loop. Returns the loop's quit code.
int StartProgram();

// Creates the main window (a failure is fatal), raises its creation-complete event, which may end
// the program, then its moved and resized events, and shows it.
void LoadMainWindow();
