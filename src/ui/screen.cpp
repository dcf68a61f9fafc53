#include "ui/screen.h"

#include <windows.h>

#include "ui/handles.h"
#include "ui/twips.h"

namespace kelbo::Screen {

namespace {

struct Metrics {
  int dpiX, dpiY;
  double twipsPerPixelX, twipsPerPixelY;
  int widthPixels, heightPixels;
};

int messageDpi = 0;

Metrics Read() {
  WindowDc screen(nullptr);
  const int dpiX = messageDpi ? messageDpi : ::GetDeviceCaps(screen.dc(), LOGPIXELSX);
  const int dpiY = messageDpi ? messageDpi : ::GetDeviceCaps(screen.dc(), LOGPIXELSY);
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
