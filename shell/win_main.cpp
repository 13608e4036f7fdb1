// The process entry of Tallowmere.exe. The command line and the show command are not used: the
// main window always starts in its normal state.
#include <windows.h>

#include "runtime/system/program_end.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SetQuietErrorMode();
    const int exitCode = StartProgram();
    RunShellCleanUp(exitCode);
    return exitCode;
}
