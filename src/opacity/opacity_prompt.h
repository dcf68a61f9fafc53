// The opacity prompt behind the main window's hidden "Set Tran" button: asks
// for a number, stores it as the opacity level and applies it to the window.
// Text that is no number is reported and changes nothing; Cancel changes
// nothing and says nothing.
#pragma once

#include <windows.h>

namespace kelbo {

void AskForOpacity(HWND window);

}  // namespace kelbo
