// OnMainWindowCreated: refuses to run anywhere but in the game's directory.
#include "launcher/game_directory_check.h"

#include "launcher/texts.h"
#include "runtime/system/files.h"
#include "runtime/system/notice.h"
#include "runtime/system/program_end.h"

void OnMainWindowCreated() {
    if (FileExists(kLauncherName)) return;
    ShowNotice(kPlacementNotice);
    EndProgram(0);
}
