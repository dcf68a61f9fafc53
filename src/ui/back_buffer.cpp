#include "ui/back_buffer.h"

namespace kelbo {

void BackBuffer::Release() {
  if (dc_ && original_) ::SelectObject(dc_.get(), original_);
  original_ = nullptr;
  dc_.reset();
  bitmap_.reset();
  size_ = {};
}

bool BackBuffer::Fit(HDC target, SIZE size) {
  if (dc_ && size.cx == size_.cx && size.cy == size_.cy) return true;
  Release();
  dc_.reset(::CreateCompatibleDC(target));
  bitmap_.reset(::CreateCompatibleBitmap(target, size.cx, size.cy));
  if (!dc_ || !bitmap_) {
    Release();
    return false;
  }
  original_ = ::SelectObject(dc_.get(), bitmap_.get());
  size_ = size;
  return true;
}

void BackBuffer::Paint(HWND window, const std::function<void(HDC dc, const RECT& area)>& paint) {
  PaintDc target(window);
  const RECT& area = target.area();
  if (area.right <= area.left || area.bottom <= area.top) return;
  RECT client;
  ::GetClientRect(window, &client);
  if (!Fit(target.dc(), {client.right, client.bottom})) {
    paint(target.dc(), area);  // no memory to spare: straight to the window, flicker and all
    return;
  }
  paint(dc_.get(), area);
  ::BitBlt(target.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           dc_.get(), area.left, area.top, SRCCOPY);
}

}  // namespace kelbo
