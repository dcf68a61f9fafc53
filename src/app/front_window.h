// The facts about the window in front that decide whether the disc steps
// aside, gathered through the environment, so that a test can say what is
// in front.
#pragma once

#include <windows.h>

#include <optional>

#include "app/full_screen_rule.h"

namespace kelbo {

// Whether a full-screen program is in front of `disc` now.
bool FullScreenInFrontOf(HWND disc);

// The window in front as the rule sees it: none for the shell's desktop and
// taskbar and for this program's own windows.
std::optional<FrontWindow> ProgramInFront();

}  // namespace kelbo
