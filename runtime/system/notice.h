// ShowNotice: a modal message box without an owner, task-modal so the main window waits for it.
#pragma once

#include <cstdint>

// Shows `message` (null: empty) with MessageBoxA style `flags`; `caption` null means the default
// caption 信息：, while an empty caption is shown empty. Returns the button code: the pressed
// button's identifier minus one, 0 when the box could not be shown.
std::int32_t ShowNotice(const char* message, std::int32_t flags = 0, const char* caption = nullptr);
