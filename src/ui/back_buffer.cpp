#include "ui/back_buffer.h"

#include "ui/handles.h"

namespace kelbo {

void PaintThroughBackBuffer(HWND window,
                            const std::function<void(HDC dc, const RECT& area)>& paint) {
  PaintDc target(window);
  const RECT& area = target.area();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  UniqueMemoryDc buffer(::CreateCompatibleDC(target.dc()));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(target.dc(), width, height));
  const ScopedSelect select(buffer.get(), bitmap.get());
  ::SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
  paint(buffer.get(), area);
  ::SetViewportOrgEx(buffer.get(), 0, 0, nullptr);
  ::BitBlt(target.dc(), area.left, area.top, width, height, buffer.get(), 0, 0, SRCCOPY);
}

}  // namespace kelbo
