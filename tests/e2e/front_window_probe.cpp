// Another program's window in front of the clock: "full" covers its whole
// monitor, as a film or a game does; "maximized" is a maximized window,
// which leaves the taskbar. It stays until the probe is ended.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
  const bool full = argc > 1 && std::strcmp(argv[1], "full") == 0;
  HWND window = nullptr;
  if (full) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& m = monitor.rcMonitor;
    window = ::CreateWindowExW(0, L"STATIC", L"A film", WS_POPUP, m.left, m.top, m.right - m.left,
                               m.bottom - m.top, nullptr, nullptr, nullptr, nullptr);
  } else {
    window = ::CreateWindowExW(0, L"STATIC", L"A document", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, 400, 300, nullptr, nullptr, nullptr, nullptr);
  }
  if (!window) return 1;
  ::ShowWindow(window, full ? SW_SHOW : SW_SHOWMAXIMIZED);
  ::SetForegroundWindow(window);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
