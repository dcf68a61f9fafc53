#include "ui/window_geometry.h"

#include "ui/screen.h"

namespace kelbo {

TwipsBounds BoundsInTwips(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  const double x = Screen::TwipsPerPixelX(), y = Screen::TwipsPerPixelY();
  return {static_cast<float>(r.left * x), static_cast<float>(r.top * y),
          static_cast<float>((r.right - r.left) * x), static_cast<float>((r.bottom - r.top) * y)};
}

void MoveInTwips(HWND window, float left, float top) {
  ::SetWindowPos(window, nullptr, Screen::ToPixelsX(left), Screen::ToPixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeInTwips(HWND window, float width, float height) {
  ::SetWindowPos(window, nullptr, 0, 0, Screen::ToPixelsX(width), Screen::ToPixelsY(height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kelbo
