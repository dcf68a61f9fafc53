// Pictures from the exe's resources, decoded by the system.
#pragma once

#include "ui/handles.h"

namespace kelbo {

// A JPEG (or any format the imaging component reads) stored as RCDATA,
// scaled to width x height pixels, as a 32-bit top-down DIB section.
UniqueBitmap LoadScaledImageResource(int resourceId, int width, int height);

// The header of a 32-bit top-down DIB of width x height pixels.
BITMAPINFO TopDownDibInfo(int width, int height);

// An icon resource at the size asked for; the system picks the closest image.
UniqueIcon LoadIconAtSize(int resourceId, int width, int height);

}  // namespace kelbo
