// Painting without flicker: WM_PAINT's damaged area is drawn into a memory
// bitmap of its size and copied to the window once.
#pragma once

#include <windows.h>

#include <functional>

namespace kelbo {

// Runs BeginPaint and EndPaint around `paint`, which draws `area` (client
// coordinates) into the DC it is handed.
void PaintThroughBackBuffer(HWND window,
                            const std::function<void(HDC dc, const RECT& area)>& paint);

}  // namespace kelbo
