// A started copy of Tallowmere.exe, watched from outside: its process, its main window and the
// controls in it, and where its keyboard focus is. The process is ended when the object goes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/process.h"

// The control IDs that the main window gives its children.
inline constexpr int kButtonId = 100;
inline constexpr int kHolderId = 110;
inline constexpr int kStatusBarId = 120;

// The process's main window, shown or not; null when it has none.
HWND FindMainWindow(DWORD processId);

class RunningProgram {
public:
    // Starts `exe` with `workingDirectory` as its current directory (the exe's folder when empty).
    explicit RunningProgram(const std::string& exe, const std::string& workingDirectory = "");

    DWORD processId() const { return process_->id(); }

    // Waits until the main window is shown and active in the program; false when it never is.
    bool WaitForMainWindow();
    HWND window() const { return window_; }
    HWND button() const { return GetDlgItem(window_, kButtonId); }
    HWND holder() const { return GetDlgItem(window_, kHolderId); }
    HWND statusBar() const { return GetDlgItem(window_, kStatusBarId); }

    // The window with the keyboard focus in the program's thread.
    HWND Focus() const;
    // Waits until `control` has the focus.
    bool FocusReaches(HWND control) const;
    // Makes the main window the foreground window, so that typed keys go to the program.
    bool BringToFront() const;

    bool HasEnded() const { return WaitForSingleObject(process_->handle(), 0) == WAIT_OBJECT_0; }
    // The exit code once the process ended; STILL_ACTIVE when it is still running after the
    // patience time.
    DWORD WaitForExit();

private:
    std::optional<ChildProcess> process_;
    HWND window_ = nullptr;
};
