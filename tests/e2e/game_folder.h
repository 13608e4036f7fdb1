// A game folder as a user sets it up: a fresh folder with a copy of the built Tallowmere.exe,
// beside a stand-in for the game's launcher or without one.
#pragma once

#include <string>

#include "tests/support/temp_dir.h"

inline constexpr char kLauncherName[] = "ManiaPlanetLauncher.exe";

// What stands in the folder under the launcher's name.
enum class Launcher { kNone, kFile, kDirectory };

// Puts the launcher stand-in into `folder`.
void PlaceLauncher(const std::string& folder, Launcher launcher);

class GameFolder {
public:
    // `name` may hold code page 936 bytes and spaces.
    explicit GameFolder(Launcher launcher = Launcher::kFile,
                        const std::string& name = "tallowmere-e2e");

    const std::string& path() const { return dir_.path(); }
    std::string exe() const { return dir_ / "Tallowmere.exe"; }
    std::string operator/(const std::string& name) const { return dir_ / name; }

private:
    TempDir dir_;
};
