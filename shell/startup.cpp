// Start-up and loading of the main window.
#include "shell/startup.h"

#include <windows.h>
#include <ole2.h>

#include "runtime/system/fatal_error.h"
#include "runtime/system/program_end.h"
#include "runtime/text/concat_text.h"
#include "runtime/text/heap_handle.h"
#include "runtime/text/program_directory.h"
#include "shell/events.h"
#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "shell/texts.h"
#include "shell/window_icons.h"

namespace {

// The program has nothing of its own to do at start or at the end; both still run in their turn.
void RunStartUpHook() {}
void OnProgramEnd() {}

// The directory is joined with a backslash: for a program in a drive root the directory is a bare
// "D:", which on its own would name the drive's current directory rather than its root.
void MakeProgramDirectoryCurrent() {
    const Text directory = GetProgramDirectory();
    if (directory.absent()) return;
    SetCurrentDirectoryA(ConcatText(directory, "\\").c_str());
}

void ReleaseShell() {
    DestroyLoadedWindows();
    DestroyWindowIcons();
}

}  // namespace

void SetQuietErrorMode() {
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void LoadMainWindow() {
    RaiseEventSuppression();
    if (!CreateMainWindow()) EndWithFatalError(kLoadWindowFailed);
    LowerEventSuppression();

    HWND window = MainWindowHandle();
    RaiseEvent(window, kMainWindowItself, kCreationComplete);
    if (!IsWindow(window)) return;
    RaiseEvent(window, kMainWindowItself, kMoved);
    if (!IsWindow(window)) return;
    RaiseEvent(window, kMainWindowItself, kResized);
    if (!IsWindow(window)) return;
    ShowWindow(window, SW_SHOW);
}

int StartProgram() {
    TakeProgramHeap();
    OleInitialize(nullptr);
    MarkOleInitialised();
    DetermineProgramDirectory();
    MakeProgramDirectoryCurrent();
    SetShellReleaser(ReleaseShell);
    RunStartUpHook();
    SetEndCallback(OnProgramEnd);
    LoadMainWindow();
    return RunMessageLoop();
}
