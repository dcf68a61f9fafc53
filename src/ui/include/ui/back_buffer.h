// Painting without flicker: WM_PAINT's damaged area is drawn into a memory
// bitmap and copied to the window once.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/handles.h"

namespace kelbo {

// The memory DC and its bitmap, of the window's client size, are kept from
// one paint to the next: a clock repaints a few lamps every second, and
// making a DC anew each time costs more under Wine than drawing them.
class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer() { Release(); }
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Runs BeginPaint and EndPaint around `paint`, which draws `area` (client
  // coordinates) into the DC it is handed.
  void Paint(HWND window, const std::function<void(HDC dc, const RECT& area)>& paint);
  // Lets the DC and the bitmap go; the next paint makes them again.
  void Release();

 private:
  bool Fit(HDC target, SIZE size);

  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ original_ = nullptr;
  SIZE size_{};
};

}  // namespace kelbo
