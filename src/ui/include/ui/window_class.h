// Registering a top-level window class, once per name, with the exe's icon.
#pragma once

#include <windows.h>

namespace kelbo {

// Throws std::runtime_error with the system's reason when the class cannot
// be registered. `iconResource` 0: no icon. `windowExtra`: the bytes each
// window keeps (DLGWINDOWEXTRA for a dialog's class). A name registered
// already is left as it is.
void RegisterWindowClass(const wchar_t* className, int iconResource, WNDPROC procedure,
                         int windowExtra = 0);

}  // namespace kelbo
