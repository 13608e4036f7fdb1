// The end of the program: the end state, the shell clean-up and EndProgram.
#pragma once

using EndCallback = void (*)();

// While the count is 1 or more, the shell delivers no event to the program's handlers.
int EventSuppressionCount();
void RaiseEventSuppression();
void LowerEventSuppression();  // never below 0

// Stores the callback that the shell clean-up runs once, after the windows are gone.
void SetEndCallback(EndCallback callback);

// What the shell itself holds and must let go of at the end (its loaded windows and its
// default icons); registered by the shell at start-up.
void SetShellReleaser(EndCallback releaser);

// Start-up calls this right after OleInitialize, so that the clean-up uninitialises OLE.
void MarkOleInitialised();

// The shell clean-up: suppresses events, releases the shell's windows and icons, runs the end
// callback once and uninitialises OLE. Each release acts only on what is still held.
void RunShellCleanUp(int exitCode);

// Runs the shell clean-up and ends the process with `exitCode`. Called again from inside the end
// callback, it ends the process at once with its own code.
[[noreturn]] void EndProgram(int exitCode);

// The fatal-error path: suppresses events for good and forgets the end callback.
void EnterFatalEnd();
