// Event dispatch over the loaded windows. The program loads only its main window, so the list
// holds at most one window.
#include "shell/events.h"

#include "runtime/system/program_end.h"

namespace {

struct LoadedWindow {
    HWND window = nullptr;
    const WindowDescription* description = nullptr;
};

LoadedWindow g_loaded;
bool g_loopStarted = false;

std::span<const EventBinding> EventTable(const WindowDescription& description, int control) {
    if (control == 0) return description.events;
    if (control < 0 || static_cast<std::size_t>(control) > description.controls.size()) return {};
    return description.controls[control - 1].events;
}

}  // namespace

void AddLoadedWindow(HWND window, const WindowDescription& description) {
    g_loaded = {window, &description};
}

void RemoveLoadedWindow(HWND window) {
    if (g_loaded.window != window) return;
    g_loaded = {};
    if (g_loopStarted) PostQuitMessage(0);
}

void DestroyLoadedWindows() {
    if (AnyLoadedWindowExists()) DestroyWindow(g_loaded.window);
    g_loaded = {};
}

bool AnyLoadedWindowExists() { return g_loaded.window != nullptr && IsWindow(g_loaded.window); }

void MarkMessageLoopStarted() { g_loopStarted = true; }

bool RaiseEvent(HWND window, int control, int event) {
    if (EventSuppressionCount() >= 1) return false;
    if (window == nullptr || window != g_loaded.window) return false;
    for (const EventBinding& binding : EventTable(*g_loaded.description, control)) {
        if (binding.event != event) continue;
        if (binding.handler == nullptr) return false;
        binding.handler();
        return true;
    }
    return false;
}
