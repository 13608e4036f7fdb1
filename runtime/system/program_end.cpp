// The end state and the one way out of the program: suppress events, release, call back, exit.
#include "runtime/system/program_end.h"

#include <windows.h>
#include <ole2.h>

#include <utility>

namespace {

int g_eventSuppression = 0;
EndCallback g_endCallback = nullptr;
EndCallback g_shellReleaser = nullptr;
bool g_oleInitialised = false;
bool g_inEndCallback = false;

}  // namespace

int EventSuppressionCount() { return g_eventSuppression; }
void RaiseEventSuppression() { ++g_eventSuppression; }
void LowerEventSuppression() {
    if (g_eventSuppression > 0) --g_eventSuppression;
}

void SetEndCallback(EndCallback callback) { g_endCallback = callback; }
void SetShellReleaser(EndCallback releaser) { g_shellReleaser = releaser; }
void MarkOleInitialised() { g_oleInitialised = true; }

void RunShellCleanUp(int) {
    RaiseEventSuppression();
    if (g_shellReleaser) g_shellReleaser();
    if (EndCallback callback = std::exchange(g_endCallback, nullptr)) {
        g_inEndCallback = true;
        callback();
        g_inEndCallback = false;
    }
    if (std::exchange(g_oleInitialised, false)) OleUninitialize();
}

void EndProgram(int exitCode) {
    // A second end from inside the end callback must not run the clean-up into itself.
    if (!g_inEndCallback) RunShellCleanUp(exitCode);
    ExitProcess(static_cast<UINT>(exitCode));
}

void EnterFatalEnd() {
    RaiseEventSuppression();
    g_endCallback = nullptr;
}
