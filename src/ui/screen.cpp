#include "ui/screen.h"

#include <windows.h>

#include "ui/handles.h"
#include "ui/twips.h"

namespace kelbo::Screen {

namespace {
int DeviceCaps(int index) {
  WindowDc screen(nullptr);
  return ::GetDeviceCaps(screen.dc(), index);
}
}  // namespace

int Dpi() {
  return DeviceCaps(LOGPIXELSY);
}
double TwipsPerPixelX() {
  return TwipsPerPixel(DeviceCaps(LOGPIXELSX));
}
double TwipsPerPixelY() {
  return TwipsPerPixel(DeviceCaps(LOGPIXELSY));
}

float Width() {
  return static_cast<float>(::GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX());
}
float Height() {
  return static_cast<float>(::GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY());
}

int ToPixelsX(double twips) {
  return TwipsToPixels(twips, TwipsPerPixelX());
}
int ToPixelsY(double twips) {
  return TwipsToPixels(twips, TwipsPerPixelY());
}

}  // namespace kelbo::Screen
