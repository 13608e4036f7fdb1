// The check that the program sits in the game's directory, beside the game's launcher.
#pragma once

// Runs once the main window exists, before it is shown. Without the launcher in the current
// directory (the program directory) it shows the placement notice and ends the program with 0.
void OnMainWindowCreated();
