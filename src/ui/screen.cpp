#include "ui/screen.h"

#include <windows.h>

#include <utility>

#include "ui/handles.h"
#include "ui/system_library.h"
#include "ui/twips.h"

namespace kelbo::Screen {

namespace {

struct Metrics {
  int dpiX, dpiY;
  double twipsPerPixelX, twipsPerPixelY;
  int widthPixels, heightPixels;
};

int messageDpi = 0;

// The system's DPI. Windows 10 tells it without a device context, which
// under Wine costs most of a millisecond to make; older systems do not.
std::pair<int, int> SystemDpi() {
  using DpiForSystem = UINT(WINAPI*)();
  static const auto forSystem =
      FindFunction<DpiForSystem>(::GetModuleHandleW(L"user32.dll"), "GetDpiForSystem");
  if (forSystem) {
    const int dpi = static_cast<int>(forSystem());
    return {dpi, dpi};
  }
  WindowDc screen(nullptr);
  return {::GetDeviceCaps(screen.dc(), LOGPIXELSX), ::GetDeviceCaps(screen.dc(), LOGPIXELSY)};
}

Metrics Read() {
  const auto [dpiX, dpiY] = messageDpi ? std::pair{messageDpi, messageDpi} : SystemDpi();
  return {dpiX,
          dpiY,
          TwipsPerPixel(dpiX),
          TwipsPerPixel(dpiY),
          ::GetSystemMetrics(SM_CXSCREEN),
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
  messageDpi = dpi;
  Refresh();
}

int Dpi() {
  return Cached().dpiY;
}
double TwipsPerPixelX() {
  return Cached().twipsPerPixelX;
}
double TwipsPerPixelY() {
  return Cached().twipsPerPixelY;
}

float Width() {
  return static_cast<float>(Cached().widthPixels * TwipsPerPixelX());
}
float Height() {
  return static_cast<float>(Cached().heightPixels * TwipsPerPixelY());
}

int WidthPixels() {
  return Cached().widthPixels;
}
int HeightPixels() {
  return Cached().heightPixels;
}

int ToPixelsX(double twips) {
  return TwipsToPixels(twips, TwipsPerPixelX());
}
int ToPixelsY(double twips) {
  return TwipsToPixels(twips, TwipsPerPixelY());
}

}  // namespace kelbo::Screen
