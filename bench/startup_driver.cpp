// Times start-up under Wine, from inside it: from CreateProcess until a top-level window of the new
// process is visible, for Tallowmere and for the bare window program in turn (A B A B), after a
// warm-up round of each. Once the window has been painted it also reads the process's peak
// working set, then closes the window as a user would and waits for a clean end.
// Usage: startup_driver ROUNDS TALLOWMERE.exe CLASS BARE.exe CLASS
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/figure_row.h"
#include "bench/median.h"
#include "tools/win32/process_window.h"

namespace {

constexpr double kPatienceMs = 30000;

struct Program {
    const char* path;
    const char* className;  // of the window that counts as the main window
    std::vector<double> startMs;
    std::vector<double> peakKiB;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// One start of the program; false, with the reason printed, when anything went wrong.
bool StartOnce(Program& program, bool keep) {
    const std::string path = program.path;
    const std::string directory = path.substr(0, path.find_last_of("\\/"));
    std::string commandLine = '"' + path + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};

    LARGE_INTEGER started;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&started);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        std::printf("could not start %s\n", program.path);
        return false;
    }
    HWND window = nullptr;
    for (;;) {
        window = FindProcessWindow(process.dwProcessId, nullptr, true);
        QueryPerformanceCounter(&now);
        if (window || Milliseconds(started, now) > kPatienceMs ||
            WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    const double startMs = Milliseconds(started, now);

    bool ok = window != nullptr;
    char className[64] = {};
    if (ok) GetClassNameA(window, className, sizeof className);
    if (ok && lstrcmpA(className, program.className) != 0) {
        std::printf("%s showed a %s window instead of its main window\n", program.path, className);
        ok = false;
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (ok) {
        WaitForInputIdle(process.hProcess, 5000);  // the first paint is done
        ok = GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) != FALSE;
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (exitCode != 0) {
        std::printf("%s ended with exit code %ld\n", program.path, static_cast<long>(exitCode));
        ok = false;
    }
    if (!ok) return false;

    const double peakKiB = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
    std::printf("sample %s: %.1f ms, peak working set %.0f KiB%s\n", program.className, startMs,
                peakKiB, keep ? "" : " (warm-up)");
    if (keep) {
        program.startMs.push_back(startMs);
        program.peakKiB.push_back(peakKiB);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: startup_driver ROUNDS TALLOWMERE.exe CLASS BARE.exe CLASS\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    Program tallowmere{argv[2], argv[3], {}, {}};
    Program bare{argv[4], argv[5], {}, {}};
    for (int round = 0; round <= rounds; ++round) {
        const bool keep = round > 0;
        if (!StartOnce(tallowmere, keep) || !StartOnce(bare, keep)) return 1;
    }

    const double startT = Median(tallowmere.startMs);
    const double startB = Median(bare.startMs);
    PrintFigureRow("Start-up, CreateProcess to visible window (ms)", startT, startB, 1,
                   "ratio <= 1.10", startT <= 1.10 * startB);
    const double peakT = Median(tallowmere.peakKiB);
    const double peakB = Median(bare.peakKiB);
    PrintFigureRow("Peak working set once shown (KiB)", peakT, peakB, 0,
                   "<= baseline + 1024 KiB", peakT <= peakB + 1024);
    return 0;
}
