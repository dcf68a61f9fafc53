// A top-level window's outer position and size in twips, read from and
// written to the window system, which keeps them in whole pixels.
#pragma once

#include <windows.h>

namespace kelbo {

struct TwipsBounds {
  float left, top, width, height;
};

// All four from one read of the window's rectangle.
TwipsBounds BoundsInTwips(HWND window);
// Left and top in one move, so that the window never stands half-way.
void MoveInTwips(HWND window, float left, float top);
// Width and height, the top-left corner kept.
void ResizeInTwips(HWND window, float width, float height);

}  // namespace kelbo
