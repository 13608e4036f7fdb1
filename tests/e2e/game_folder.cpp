// Game folders for the end-to-end tests.
#include "tests/e2e/game_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/bytes.h"

void PlaceLauncher(const std::string& folder, Launcher launcher) {
    const std::string path = folder + "\\" + kLauncherName;
    if (launcher == Launcher::kFile) WriteFileBytes(path, "MZ stand-in");
    if (launcher == Launcher::kDirectory) CreateDirectoryA(path.c_str(), nullptr);
}

GameFolder::GameFolder(Launcher launcher, const std::string& name) : dir_(name) {
    // TALLOWMERE_EXE, set by the build, names the Tallowmere.exe that was just built.
    if (!CopyFileA(TALLOWMERE_EXE, exe().c_str(), FALSE))
        ADD_FAILURE() << "cannot copy " << TALLOWMERE_EXE << " into " << path();
    PlaceLauncher(path(), launcher);
}
