// The one-click write of the launcher's configuration file.
#pragma once

#include "runtime/text/text.h"

// Where the handler reads the template holder's current text; the main window installs its
// reader when it is created. Absent means the holder is empty.
using TemplateReader = Text (*)();
void SetTemplateReader(TemplateReader reader);

// Writes Nadeo.ini into the program directory from the template holder's text, every 路径 in it
// replaced by the program directory, and tells the user whether the write succeeded.
void OnSetButtonClicked();
