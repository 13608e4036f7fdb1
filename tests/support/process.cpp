// Child processes for the tests.
#include "tests/support/process.h"

ChildProcess::ChildProcess(const std::string& commandLine, const std::string& directory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info_))
        info_ = {};
}

ChildProcess::~ChildProcess() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

DWORD ChildProcess::Wait(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::string ThisProgram() {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}
