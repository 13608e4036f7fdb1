// The main window description as data: sizes, styles, child IDs and the two event bindings.
#include "shell/main_window_description.h"

#include "launcher/config_template.h"
#include "launcher/config_writer.h"
#include "launcher/game_directory_check.h"
#include "shell/texts.h"

namespace {

constexpr EventBinding kWindowEvents[] = {{kCreationComplete, OnMainWindowCreated}};
constexpr EventBinding kButtonEvents[] = {{kClicked, OnSetButtonClicked}};

// Created button first; the z-order from the top is the reverse: status bar, holder, button.
// The holder lies inside the band that the status bar covers, so it is never seen.
constexpr ControlDescription kControls[] = {
    // class                 text            style        x   y    w    h   id   events
    {"BUTTON",             kButtonCaption, 0x44012F00, 87, 21, 134, 61, 100, kButtonEvents},
    {"EDIT",               kTemplate,      0x44011044, 72, 112, 8,  16, 110, {}},
    {"msctls_statusbar32", "",             0x40000803, 0,  84, 308, 20, 120, {}},
};

}  // namespace

const WindowDescription kMainWindowDescription = {
    kMainWindowClass, kMainWindowTitle, 0x02CA0000, 314, 147, kWindowEvents, kControls,
};
