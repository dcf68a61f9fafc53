#include "ui/window_geometry.h"

namespace kelbo {

TwipsBounds BoundsInTwips(HWND window, const Scale& scale) {
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

PixelBounds ReadPixelBounds(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void ApplyPixelBounds(HWND window, const PixelBounds& b) {
  ::SetWindowPos(window, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipsBounds ToTwips(const PixelBounds& b, const Scale& scale) {
  const double x = scale.TwipsPerPixelX(), y = scale.TwipsPerPixelY();
  return {static_cast<float>(b.left * x), static_cast<float>(b.top * y),
          static_cast<float>(b.width * x), static_cast<float>(b.height * y)};
}

void PlaceInTwips(PixelBounds& bounds, const Scale& scale, float left, float top) {
  bounds.left = scale.ToPixelsX(left);
  bounds.top = scale.ToPixelsY(top);
}

void SizeInTwips(PixelBounds& bounds, const Scale& scale, float width, float height) {
  bounds.width = scale.ToPixelsX(width);
  bounds.height = scale.ToPixelsY(height);
}

}  // namespace kelbo
