// The program's points, sizes and rectangles, in two units: twips (float,
// as a window's place read back from whole pixels has fractions of them)
// and pixels (int, as the window system keeps them). One field order
// everywhere, Win32's: left before top. Build them with named fields
// ({.left = ..., .top = ...}), whose order the compiler checks. Portable.
#pragma once

namespace kelbo {

struct TwipsPoint {
  float left = 0, top = 0;
};

struct TwipsSize {
  float width = 0, height = 0;
};

struct TwipsRect {
  float left = 0, top = 0, width = 0, height = 0;
};

// As Win32's RECT: right and bottom exclusive.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

}  // namespace kelbo
