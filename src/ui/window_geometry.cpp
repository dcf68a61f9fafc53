#include "ui/window_geometry.h"

namespace kelbo {

TwipsRect BoundsInTwips(HWND window, const Scale& scale) {
  return ToTwips(ReadPixelBounds(window), scale);
}

void MoveInTwips(HWND window, const Scale& scale, float left, float top) {
  ::SetWindowPos(window, nullptr, scale.ToPixelsX(left), scale.ToPixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeInTwips(HWND window, const Scale& scale, float width, float height) {
  ::SetWindowPos(window, nullptr, 0, 0, scale.ToPixelsX(width), scale.ToPixelsY(height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

PixelRect ReadPixelBounds(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {.left = r.left, .top = r.top, .right = r.right, .bottom = r.bottom};
}

void ApplyPixelBounds(HWND window, const PixelRect& b) {
  ::SetWindowPos(window, nullptr, b.left, b.top, b.Width(), b.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipsRect ToTwips(const PixelRect& b, const Scale& scale) {
  const double x = scale.TwipsPerPixelX(), y = scale.TwipsPerPixelY();
  return {.left = static_cast<float>(b.left * x),
          .top = static_cast<float>(b.top * y),
          .width = static_cast<float>(b.Width() * x),
          .height = static_cast<float>(b.Height() * y)};
}

void PlaceInTwips(PixelRect& bounds, const Scale& scale, float left, float top) {
  const int width = bounds.Width(), height = bounds.Height();
  bounds.left = scale.ToPixelsX(left);
  bounds.top = scale.ToPixelsY(top);
  bounds.right = bounds.left + width;
  bounds.bottom = bounds.top + height;
}

void SizeInTwips(PixelRect& bounds, const Scale& scale, float width, float height) {
  bounds.right = bounds.left + scale.ToPixelsX(width);
  bounds.bottom = bounds.top + scale.ToPixelsY(height);
}

}  // namespace kelbo
