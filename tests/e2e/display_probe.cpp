// Run inside a Wine virtual desktop beside the clock:
//   display_probe resize W H   changes the screen's size, as a user's display
//                              settings or an unplugged monitor would;
//   display_probe where        prints the clock's window rectangle, the
//                              screen's size and whether the clock is shown:
//                              "left top right bottom width height visible".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "resize") == 0) {
    // One of the modes the display offers, as a display settings page picks.
    const DWORD width = static_cast<DWORD>(std::atoi(argv[2]));
    const DWORD height = static_cast<DWORD>(std::atoi(argv[3]));
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    bool found = false;
    for (DWORD i = 0; !found && ::EnumDisplaySettingsW(nullptr, i, &mode); ++i)
      found = mode.dmPelsWidth == width && mode.dmPelsHeight == height;
    if (!found) return 3;
    const LONG result = ::ChangeDisplaySettingsW(&mode, 0);
    std::printf("%ld\n", result);
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "where") == 0) {
    HWND clock = ::FindWindowW(L"KelboTimeMain", nullptr);
    if (!clock) return 1;
    RECT r;
    ::GetWindowRect(clock, &r);
    std::printf("%ld %ld %ld %ld %d %d %d\n", r.left, r.top, r.right, r.bottom,
                ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                ::IsWindowVisible(clock) ? 1 : 0);
    return 0;
  }
  return 2;
}
