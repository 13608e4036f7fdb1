// File services over FindFirstFileA and CreateFileA, each handle owned for exactly one call.
#include "runtime/system/files.h"

#include <windows.h>

#include <utility>

namespace {

class ScopedFind {
public:
    explicit ScopedFind(HANDLE find) : find_(find) {}
    ScopedFind(const ScopedFind&) = delete;
    ScopedFind& operator=(const ScopedFind&) = delete;
    ~ScopedFind() {
        if (valid()) FindClose(find_);
    }
    bool valid() const { return find_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE find_;
};

class ScopedFile {
public:
    explicit ScopedFile(HANDLE file) : file_(file) {}
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    ~ScopedFile() { Close(); }
    bool valid() const { return file_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return file_; }
    // The handle counts as closed whatever CloseHandle reports.
    bool Close() {
        return !valid() || CloseHandle(std::exchange(file_, INVALID_HANDLE_VALUE)) != FALSE;
    }

private:
    HANDLE file_;
};

}  // namespace

bool FileExists(const char* name) {
    WIN32_FIND_DATAA found;
    return ScopedFind(FindFirstFileA(name ? name : "", &found)).valid();
}

bool WriteBytesToFile(const char* name, std::initializer_list<const Bytes*> sequences) {
    if (name == nullptr || name[0] == '\0') return false;
    // Windows will not replace a read-only file, nor a hidden or system one with plain
    // attributes. Refusing them here first keeps that promise on every system the program runs
    // on, and before anything of the file is lost.
    const DWORD attributes = GetFileAttributesA(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return false;
    SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
    ScopedFile file(CreateFileA(name, GENERIC_WRITE, 0, &security, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    for (const Bytes* sequence : sequences) {
        const DWORD size = sequence ? sequence->size() : 0;
        if (size == 0) continue;
        DWORD written = 0;
        if (!WriteFile(file.get(), sequence->data(), size, &written, nullptr) || written != size)
            return false;
    }
    return file.Close();
}
