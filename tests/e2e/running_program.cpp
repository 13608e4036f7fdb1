// Starting and watching Tallowmere.exe.
#include "tests/e2e/running_program.h"

#include <cstring>

#include "tools/win32/polling.h"
#include "tools/win32/real_input.h"
#include "tools/win32/process_window.h"

namespace {

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

}  // namespace

HWND FindMainWindow(DWORD processId) { return FindProcessWindow(processId, "WTWindow", false); }

// The mouse is parked first, so that the window does not come up under it: see ClickAt.
RunningProgram::RunningProgram(const std::string& exe, const std::string& workingDirectory) {
    ParkMouse();
    process_.emplace("\"" + exe + "\"",
                     workingDirectory.empty() ? FolderOf(exe) : workingDirectory);
    if (process_->started()) WaitForInputIdle(process_->handle(), kPatienceMs);
}

bool RunningProgram::WaitForMainWindow() {
    return WaitUntil([this] {
        window_ = FindMainWindow(processId());
        return window_ && IsWindowVisible(window_) && ThreadInfoOf(window_).hwndActive == window_;
    });
}

HWND RunningProgram::Focus() const { return ThreadInfoOf(window_).hwndFocus; }

bool RunningProgram::FocusReaches(HWND control) const {
    return WaitUntil([&] { return Focus() == control; });
}

bool RunningProgram::BringToFront() const { return ::BringToFront(window_); }

DWORD RunningProgram::WaitForExit() { return process_->Wait(kPatienceMs); }
