#include "app/front_window.h"

#include "app/environment.h"

namespace kelbo {

namespace {

// The shell's desktop and taskbars, on any monitor.
bool IsShell(HWND window) {
  if (window == ::GetShellWindow() || window == ::GetDesktopWindow()) return true;
  wchar_t name[32]{};
  ::GetClassNameW(window, name, 32);
  for (const wchar_t* shell : {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"})
    if (::lstrcmpiW(name, shell) == 0) return true;
  return false;
}

bool IsOurs(HWND window) {
  return Env().ProcessOf(window) == ::GetCurrentProcessId();
}

}  // namespace

std::optional<FrontWindow> ProgramInFront() {
  HWND front = Env().ForegroundWindow();
  if (!front || IsShell(front) || IsOurs(front)) return std::nullopt;
  RECT r{};
  ::GetWindowRect(front, &r);
  return FrontWindow{.bounds = {r.left, r.top, r.right, r.bottom},
                     .monitor = Env().MonitorOf(front)};
}

bool FullScreenInFrontOf(HWND disc) {
  return FullScreenInFront(ProgramInFront(), Env().MonitorOf(disc), Env().UserNotificationState());
}

}  // namespace kelbo
