// Starting and watching Tallowmere.exe.
#include "tests/e2e/running_program.h"

#include <cstring>

#include "tests/e2e/polling.h"
#include "tests/e2e/real_input.h"

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId != search->processId || std::strcmp(className, "WTWindow") != 0) return TRUE;
    search->found = window;
    return FALSE;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

}  // namespace

HWND FindMainWindow(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

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
