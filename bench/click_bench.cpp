// Times one click: OnSetButtonClicked writing Nadeo.ini into a real folder, with the notice
// answered at once, against the least any program can do to write the same 226 bytes (one
// CreateFileA, one WriteFile, one CloseHandle, opened as WriteBytesToFile opens the file).
// Batches of clicks and of direct writes alternate, after a warm-up batch of each.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/figure_row.h"
#include "bench/median.h"
#include "launcher/config_template.h"
#include "launcher/config_writer.h"
#include "launcher/texts.h"
#include "runtime/system/notice.h"
#include "runtime/text/heap_handle.h"
#include "runtime/text/program_directory.h"

namespace {

// An 11-byte program directory: the template's two placeholders of 4 bytes each become 11 bytes,
// so the file is 212 - 8 + 22 = 226 bytes.
constexpr char kParent[] = "C:\\bench";
constexpr char kDirectory[] = "C:\\bench\\G2";
constexpr char kExecutable[] = "C:\\bench\\G2\\Tallowmere.exe";
constexpr char kConfigFile[] = "C:\\bench\\G2/Nadeo.ini";  // the very path the click builds
constexpr std::size_t kFileSize = 226;
constexpr int kCallsPerBatch = 100;
constexpr int kRounds = 31;

bool g_clickFailed = false;

// The template holder's text as the main window's reader hands it over: a fresh block.
Text CopyOfTemplate() {
    char* block = AllocateBlock(kTemplateLength + 1);
    std::memcpy(block, kTemplate, kTemplateLength + 1);
    return Text(block);
}

std::string ReadWholeFile(const char* name) {
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void WriteDirectly(const std::string& contents) {
    SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
    HANDLE file = CreateFileA(kConfigFile, GENERIC_WRITE, 0, &security, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
}

template <typename Action>
double MicrosecondsPerCall(Action action) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER before;
    LARGE_INTEGER after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    for (int i = 0; i < kCallsPerBatch; ++i) action();
    QueryPerformanceCounter(&after);
    return 1e6 * static_cast<double>(after.QuadPart - before.QuadPart) /
           static_cast<double>(frequency.QuadPart) / kCallsPerBatch;
}

}  // namespace

// Stands in for the message box, so that only the click's own work is timed; a failed write
// would show the failure notice, and is remembered.
std::int32_t ShowNotice(const char* message, std::int32_t, const char*) {
    if (std::strcmp(message, kSavedNotice) != 0) g_clickFailed = true;
    return 0;
}

int main() {
    TakeProgramHeap();
    CreateDirectoryA(kParent, nullptr);
    CreateDirectoryA(kDirectory, nullptr);
    StoreProgramDirectory(kExecutable);
    SetTemplateReader(CopyOfTemplate);

    // Both sides must write the same bytes to the same file.
    OnSetButtonClicked();
    const std::string contents = ReadWholeFile(kConfigFile);
    WriteDirectly(contents);
    if (g_clickFailed || contents.size() != kFileSize || ReadWholeFile(kConfigFile) != contents) {
        std::printf("the click did not write the expected %u bytes to %s\n",
                    static_cast<unsigned>(kFileSize), kConfigFile);
        return 1;
    }

    std::vector<double> click;
    std::vector<double> direct;
    for (int round = 0; round <= kRounds; ++round) {
        const double a = MicrosecondsPerCall(OnSetButtonClicked);
        const double b = MicrosecondsPerCall([&] { WriteDirectly(contents); });
        if (round == 0) continue;
        click.push_back(a);
        direct.push_back(b);
        std::printf("sample click %.1f us, direct write %.1f us\n", a, b);
    }
    if (g_clickFailed || ReadWholeFile(kConfigFile) != contents) {
        std::printf("a click failed to write %s\n", kConfigFile);
        return 1;
    }
    DeleteFileA(kConfigFile);
    RemoveDirectoryA(kDirectory);
    RemoveDirectoryA(kParent);

    const double t = Median(click);
    const double b = Median(direct);
    PrintFigureRow("One click, notice stubbed, 226-byte Nadeo.ini (us)", t, b, 1, "ratio <= 1.20",
                   t <= 1.20 * b);
    return 0;
}
