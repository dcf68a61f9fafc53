// A top-level window's outer position and size in twips at the window's
// scale, read from and written to the window system, which keeps them in
// whole pixels.
#pragma once

#include <windows.h>

#include "ui/geometry.h"
#include "ui/scale.h"

namespace kelbo {

// All four from one read of the window's rectangle.
TwipsRect BoundsInTwips(HWND window, const Scale& scale);
// Left and top in one move, so that the window never stands half-way.
void MoveInTwips(HWND window, const Scale& scale, float left, float top);
// Width and height, the top-left corner kept.
void ResizeInTwips(HWND window, const Scale& scale, float width, float height);

// The same in whole pixels, for bounds kept away from the window for a
// while and then given to it in one move.
PixelRect ReadPixelBounds(HWND window);
void ApplyPixelBounds(HWND window, const PixelRect& bounds);
TwipsRect ToTwips(const PixelRect& bounds, const Scale& scale);
// What the window system would hold for a left and top (the size kept), or
// a width and height (the top-left corner kept), given in twips.
void PlaceInTwips(PixelRect& bounds, const Scale& scale, float left, float top);
void SizeInTwips(PixelRect& bounds, const Scale& scale, float width, float height);

}  // namespace kelbo
