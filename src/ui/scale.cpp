#include "ui/scale.h"

#include "ui/screen.h"
#include "ui/twips.h"

namespace kelbo {

double Scale::TwipsPerPixelX() const {
  return TwipsPerPixel(dpi_);
}
double Scale::TwipsPerPixelY() const {
  return TwipsPerPixel(dpi_);
}
int Scale::ToPixelsX(double twips) const {
  return TwipsToPixels(twips, TwipsPerPixelX());
}
int Scale::ToPixelsY(double twips) const {
  return TwipsToPixels(twips, TwipsPerPixelY());
}
float Scale::ScreenWidth() const {
  return static_cast<float>(Screen::WidthPixels() * TwipsPerPixelX());
}
float Scale::ScreenHeight() const {
  return static_cast<float>(Screen::HeightPixels() * TwipsPerPixelY());
}

}  // namespace kelbo
