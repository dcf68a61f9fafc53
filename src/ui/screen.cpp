#include "ui/screen.h"

#include <windows.h>

#include "ui/handles.h"
#include "ui/system_library.h"

namespace kelbo::Screen {

namespace {

struct Metrics {
  int dpi;
  int widthPixels, heightPixels;
};

int testDpi = 0;        // the sign-in DPI
int testWindowDpi = 0;  // every window's

// The system's DPI. Windows 10 tells it without a device context, which
// under Wine costs most of a millisecond to make; older systems do not.
int SystemDpi() {
  using DpiForSystem = UINT(WINAPI*)();
  static const auto forSystem =
      FindFunction<DpiForSystem>(::GetModuleHandleW(L"user32.dll"), "GetDpiForSystem");
  if (forSystem) return static_cast<int>(forSystem());
  WindowDc screen(nullptr);
  return ::GetDeviceCaps(screen.dc(), LOGPIXELSY);
}

Metrics Read() {
  return {testDpi ? testDpi : SystemDpi(), ::GetSystemMetrics(SM_CXSCREEN),
          ::GetSystemMetrics(SM_CYSCREEN)};
}

Metrics& Cached() {
  static Metrics metrics = Read();
  return metrics;
}

}  // namespace

void Refresh() {
  Cached() = Read();
}

void UseDpi(int dpi) {
  testWindowDpi = dpi;
  UseSignInDpi(dpi);
}

void UseSignInDpi(int dpi) {
  testDpi = dpi;
  Refresh();
}

int WindowDpi(HWND window) {
  if (testWindowDpi) return testWindowDpi;
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto forWindow =
      FindFunction<DpiForWindow>(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  return forWindow ? static_cast<int>(forWindow(window)) : 0;
}

int Dpi() {
  return Cached().dpi;
}

int WidthPixels() {
  return Cached().widthPixels;
}
int HeightPixels() {
  return Cached().heightPixels;
}

}  // namespace kelbo::Screen
