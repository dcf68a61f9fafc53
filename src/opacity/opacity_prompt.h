// The opacity prompt behind the main window's hidden "Set Tran" button: asks
// for a number, stores it as the opacity level and applies it to the window.
#pragma once

#include <windows.h>

namespace kelbo {

void AskForOpacity(HWND window);

}  // namespace kelbo
