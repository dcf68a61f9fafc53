#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/images.h"
#include "ui/screen.h"

namespace kelbo {

RECT ToPixels(const TwipsRect& box, const Scale& scale) {
  // Each edge is rounded on its own, so neighbours never overlap or gap.
  return {scale.ToPixelsX(box.left), scale.ToPixelsY(box.top),
          scale.ToPixelsX(box.left + box.width), scale.ToPixelsY(box.top + box.height)};
}

Scale Control::FormScale() const {
  return form_ ? form_->GetScale() : Scale(Screen::Dpi());
}

RECT Control::PixelRect() const {
  return ToPixels(box_, FormScale());
}

void Control::Invalidate() const {
  if (form_) form_->Invalidate(PixelRect());
}

bool Lamp::SetFillColor(COLORREF colour) {
  if (colour == fill_) return false;
  fill_ = colour;
  return true;
}

RECT Lamp::CircleRect() const {
  const TwipsRect& b = box();
  const float diameter = std::min(b.width, b.height);
  return ToPixels({.left = b.left + (b.width - diameter) / 2,
                   .top = b.top + (b.height - diameter) / 2,
                   .width = diameter,
                   .height = diameter},
                  FormScale());
}

void Lamp::Paint(HDC dc) const {
  // Drawn anti-aliased against the form's colour: a plain GDI ellipse of
  // 17 pixels looks jagged.
  if (!form_) return;
  const RECT r = CircleRect();
  const int width = r.right - r.left, height = r.bottom - r.top;
  const LampLook look{fill_, ::GetSysColor(COLOR_WINDOWTEXT), form_->BackColor(), 2.0};
  const std::vector<std::uint32_t>& pixels = form_->LampPixels(width, height, look);
  if (pixels.empty()) return;
  const BITMAPINFO info = TopDownDibInfo(width, height);
  const auto columns = static_cast<DWORD>(width), rows = static_cast<DWORD>(height);
  ::SetDIBitsToDevice(dc, r.left, r.top, columns, rows, 0, 0, 0, rows, pixels.data(), &info,
                      DIB_RGB_COLORS);
}

void Label::SetText(std::wstring text) {
  if (text == text_) return;
  text_ = std::move(text);
  Invalidate();
}

void Label::Paint(HDC dc) const {
  RECT r = PixelRect();
  HFONT font = form_ && font_.face ? form_->Font(font_) : nullptr;
  ScopedSelect selectFont(dc,
                          font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  const UINT align = align_ == Align::Center  ? DT_CENTER
                     : align_ == Align::Right ? DT_RIGHT
                                              : DT_LEFT;
  ::DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
              align | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
}

HICON Picture::Icon() const {
  if (!icon_) {
    const RECT r = PixelRect();
    icon_ = LoadIconAtSize(iconResource_, r.right - r.left, r.bottom - r.top);
  }
  return icon_.get();
}

SIZE Picture::PictureSizeForTesting() const {
  return IconSize(Icon());
}

void Picture::Paint(HDC dc) const {
  const RECT r = PixelRect();
  ::DrawIconEx(dc, r.left, r.top, Icon(), r.right - r.left, r.bottom - r.top, 0, nullptr,
               DI_NORMAL);
}

}  // namespace kelbo
