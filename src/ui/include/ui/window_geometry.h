// A top-level window's outer position and size in twips at the window's
// scale, read from and written to the window system, which keeps them in
// whole pixels.
#pragma once

#include <windows.h>

#include "ui/scale.h"

namespace kelbo {

struct TwipsBounds {
  float left, top, width, height;
};

// All four from one read of the window's rectangle.
TwipsBounds BoundsInTwips(HWND window, const Scale& scale);
// Left and top in one move, so that the window never stands half-way.
void MoveInTwips(HWND window, const Scale& scale, float left, float top);
// Width and height, the top-left corner kept.
void ResizeInTwips(HWND window, const Scale& scale, float width, float height);

// The same in whole pixels, for bounds kept away from the window for a
// while and then given to it in one move.
struct PixelBounds {
  int left, top, width, height;
  bool operator==(const PixelBounds&) const = default;
};
PixelBounds ReadPixelBounds(HWND window);
void ApplyPixelBounds(HWND window, const PixelBounds& bounds);
TwipsBounds ToTwips(const PixelBounds& bounds, const Scale& scale);
// What the window system would hold for a left and top, or a width and
// height, given in twips.
void PlaceInTwips(PixelBounds& bounds, const Scale& scale, float left, float top);
void SizeInTwips(PixelBounds& bounds, const Scale& scale, float width, float height);

}  // namespace kelbo
