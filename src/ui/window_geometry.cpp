#include "ui/window_geometry.h"

#include "ui/screen.h"

namespace kelbo {

TwipsBounds BoundsInTwips(HWND window) {
  return ToTwips(ReadPixelBounds(window));
}

void MoveInTwips(HWND window, float left, float top) {
  ::SetWindowPos(window, nullptr, Screen::ToPixelsX(left), Screen::ToPixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeInTwips(HWND window, float width, float height) {
  ::SetWindowPos(window, nullptr, 0, 0, Screen::ToPixelsX(width), Screen::ToPixelsY(height),
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

TwipsBounds ToTwips(const PixelBounds& b) {
  const double x = Screen::TwipsPerPixelX(), y = Screen::TwipsPerPixelY();
  return {static_cast<float>(b.left * x), static_cast<float>(b.top * y),
          static_cast<float>(b.width * x), static_cast<float>(b.height * y)};
}

void PlaceInTwips(PixelBounds& bounds, float left, float top) {
  bounds.left = Screen::ToPixelsX(left);
  bounds.top = Screen::ToPixelsY(top);
}

void SizeInTwips(PixelBounds& bounds, float width, float height) {
  bounds.width = Screen::ToPixelsX(width);
  bounds.height = Screen::ToPixelsY(height);
}

}  // namespace kelbo
