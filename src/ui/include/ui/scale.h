// One window's scale: its DPI, and twips to pixels at that DPI. Each form
// keeps its own, from the monitor it is on: with two monitors of different
// scales, a dialog on one and the disc on the other each draw at their own.
#pragma once

namespace kelbo {

class Scale {
 public:
  explicit Scale(int dpi = 96) : dpi_(dpi) {}

  int Dpi() const { return dpi_; }
  double TwipsPerPixelX() const;
  double TwipsPerPixelY() const;
  int ToPixelsX(double twips) const;
  int ToPixelsY(double twips) const;
  // The screen's size in twips at this scale.
  float ScreenWidth() const;
  float ScreenHeight() const;

 private:
  int dpi_;
};

}  // namespace kelbo
