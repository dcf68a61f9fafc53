#include "ui/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace kelbo {

void EnsureCommonControls() {
  static const bool loaded = [] {
    // The exe's manifest asks for version 6; loading by name honours it.
    HMODULE library = ::LoadLibraryW(L"comctl32.dll");
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<Init>(
        reinterpret_cast<void*>(::GetProcAddress(library, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
    return init && init(&controls);
  }();
  (void)loaded;
}

}  // namespace kelbo
