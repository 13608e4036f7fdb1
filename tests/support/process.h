// Child processes for the tests: run a program, wait for it, read its exit code.
#pragma once

#include <windows.h>

#include <string>

class ChildProcess {
public:
    // Starts `commandLine` in `directory` (the parent's when empty).
    explicit ChildProcess(const std::string& commandLine, const std::string& directory = "");
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    // The exit code after the process ended; STILL_ACTIVE when it did not end within the time.
    DWORD Wait(DWORD timeoutMs = 30000);

private:
    PROCESS_INFORMATION info_{};
};

// The full path of this test program, for tests that run it again as a child.
std::string ThisProgram();
