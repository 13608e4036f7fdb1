// Reading another process's windows.
#include "tests/e2e/window_reading.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

namespace {

constexpr UINT kAnswerMs = 5000;

// Asks the window and gives up after kAnswerMs rather than hang on a program that has stopped.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs,
                             &result))
        return 0;
    return static_cast<LRESULT>(result);
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// A block of memory inside another process, freed with it.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, std::size_t size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE)) {}
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    void* address() const { return address_; }

private:
    HANDLE process_;
    void* address_;
};

}  // namespace

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    return std::string(name, GetClassNameA(window, name, sizeof name));
}

std::string WindowTextOf(HWND window) {
    std::string text(4096, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

std::string ControlTextOf(HWND control) {
    const auto length = static_cast<std::size_t>(Ask(control, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    text.resize(static_cast<std::size_t>(
        Ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::string StatusPartTextOf(HWND statusBar, int part) {
    DWORD processId = 0;
    GetWindowThreadProcessId(statusBar, &processId);
    const UniqueHandle process(OpenProcess(
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process) return "<no access to the process>";
    // Under Wine the length that SB_GETTEXTLENGTHA reports counts characters, not bytes, so the
    // block is made large and the text read up to its terminating zero.
    constexpr std::size_t kBlockSize = 4096;
    const RemoteBlock block(process.get(), kBlockSize);
    if (!block.address()) return "<no memory in the process>";
    Ask(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(block.address()));
    std::string text(kBlockSize, '\0');
    SIZE_T read = 0;
    ReadProcessMemory(process.get(), block.address(), text.data(), kBlockSize - 1, &read);
    text.resize(std::min<std::size_t>(read, text.find('\0')));
    return text;
}

RECT RectInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientRectOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

std::vector<HWND> ChildrenTopDown(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::optional<POINT> NonClientPoint(HWND window, LRESULT hitCode) {
    RECT rect;
    GetWindowRect(window, &rect);
    // The caption and its boxes lie in the top band of the frame; every other pixel is enough
    // to find a part that is several pixels wide.
    const LONG bottom = std::min(rect.bottom, rect.top + 64);
    std::optional<POINT> first;
    RECT part{rect.right, bottom, rect.left, rect.top};
    for (LONG y = rect.top; y < bottom; y += 2) {
        for (LONG x = rect.left; x < rect.right; x += 2) {
            if (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != hitCode) continue;
            if (!first) first = POINT{x, y};
            part = {std::min(part.left, x), std::min(part.top, y), std::max(part.right, x),
                    std::max(part.bottom, y)};
        }
    }
    if (!first) return std::nullopt;
    const POINT middle{(part.left + part.right) / 2, (part.top + part.bottom) / 2};
    if (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)) == hitCode) return middle;
    return first;
}
