// What the program takes from the outside world that a test must control:
// the local time, the input and tick counters, the message box and the text
// prompt. main() installs the real one; tests install a scripted one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/full_screen_rule.h"
#include "ui/geometry.h"

namespace kelbo {

struct LocalTime {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Environment {
 public:
  virtual ~Environment() = default;
  virtual LocalTime Now() = 0;
  // Tick count of the last mouse or keyboard input; 0 when it cannot be read.
  virtual std::uint32_t LastInputTick() = 0;
  virtual std::uint32_t TickCount() = 0;
  // The primary monitor's work area: the screen less the taskbar and any
  // other docked bar; the whole screen where there is none or it hides.
  virtual PixelRect WorkArea() = 0;
  // The window in front (GetForegroundWindow); null for none.
  virtual HWND ForegroundWindow() = 0;
  // The process a window belongs to (GetWindowThreadProcessId).
  virtual DWORD ProcessOf(HWND window) = 0;
  // The whole monitor a window is on, or the nearest (rcMonitor).
  virtual PixelRect MonitorOf(HWND window) = 0;
  virtual NotificationState UserNotificationState() = 0;
  // Whether the user has a high-contrast theme on (SPI_GETHIGHCONTRAST).
  virtual bool HighContrast() = 0;
  // A message box with OK only, no icon, titled with the program's title.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal text prompt: the text as typed on OK, nothing on Cancel.
  virtual std::optional<std::wstring> Prompt(const std::wstring& prompt,
                                             const std::wstring& title) = 0;
};

// The real environment unless a test installed its own.
void InstallEnvironment(Environment& environment);
Environment& Env();

}  // namespace kelbo
