// The program directory: taken from GetModuleFileNameA once and copied out on every request.
#include "runtime/text/program_directory.h"

#include <windows.h>

#include <cstring>

#include "runtime/text/last_backslash.h"

namespace {

// Long enough for any path the system can report, so the directory is never cut from a
// truncated path.
constexpr DWORD kLongestPath = 32768;

char g_directory[kLongestPath];
std::size_t g_directoryLength = 0;

bool IsAnsiLeadByte(unsigned char b) { return IsDBCSLeadByte(b) != FALSE; }

}  // namespace

void StoreProgramDirectory(const char* executablePath) {
    const std::size_t length = std::strlen(executablePath);
    const std::size_t cut = FindLastBackslash(executablePath, length, IsAnsiLeadByte);
    g_directoryLength = cut == length ? 0 : cut;
    std::memcpy(g_directory, executablePath, g_directoryLength);
    g_directory[g_directoryLength] = '\0';
}

void DetermineProgramDirectory() {
    // Ask with the usual 260 bytes first; a path that fills the buffer may have been cut, so ask
    // again with more room until it fits.
    static char path[kLongestPath];
    for (DWORD size = MAX_PATH;; size *= 2) {
        if (size > kLongestPath) size = kLongestPath;
        const DWORD length = GetModuleFileNameA(nullptr, path, size);
        if (length < size || size == kLongestPath) {
            path[length < size ? length : size - 1] = '\0';
            break;
        }
    }
    StoreProgramDirectory(path);
}

Text GetProgramDirectory() {
    if (g_directoryLength == 0) return Text();
    char* block = AllocateBlock(g_directoryLength + 1);
    std::memcpy(block, g_directory, g_directoryLength + 1);
    return Text(block);
}
