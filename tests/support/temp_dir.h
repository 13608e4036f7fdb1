// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TempDir {
public:
    // `name` may hold code page 936 bytes; the folder is made under the system's temp folder.
    explicit TempDir(const std::string& name = "tallowmere");
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Clears the read-only, hidden and system attributes under `path` and removes it.
void RemoveTree(const std::string& path);
