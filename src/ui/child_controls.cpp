#include "ui/child_controls.h"

#include <commctrl.h>

#include "ui/form.h"
#include "ui/images.h"

namespace kelbo {

DWORD ChildControl::Style() const {
  return WS_CHILD | WS_VISIBLE | style_ | (layout_.tabStop ? WS_TABSTOP : 0) |
         (layout_.groupStart ? WS_GROUP : 0);
}

void ChildControl::Attach(Form* form, HWND hwnd) {
  form_ = form;
  hwnd_ = hwnd;
}

PushButton::PushButton(ChildLayout layout, Role role, std::function<void()> onClick)
    : PushButton(std::move(layout), role == Role::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                 std::move(onClick)) {}

void PushButton::Click() const {
  ::SendMessageW(hWnd(), BM_CLICK, 0, 0);
}

void PushButton::OnCommand(WORD code) {
  // An owner-drawn button takes the second click of a quick pair as a
  // double click: that is a press too, as it is on a push button.
  if (code == BN_CLICKED || code == BN_DOUBLECLICKED) onClick_();  // may unload the form
}

PictureButton::PictureButton(ChildLayout layout, Picture picture, std::function<void()> onClick)
    : PushButton(std::move(layout), BS_OWNERDRAW, std::move(onClick)), picture_(picture) {}

void PictureButton::DecodeJpeg(const ImageDecoder& decoder) {
  if (!picture_.jpegResource || !hWnd()) return;
  RECT r;
  ::GetClientRect(hWnd(), &r);
  bitmap_ = decoder.DecodeJpeg(picture_.jpegResource, r.right, r.bottom);
  ::InvalidateRect(hWnd(), nullptr, FALSE);
}

HICON PictureButton::Icon() const {
  if (picture_.iconResource && !icon_ && hWnd()) {
    RECT r;
    ::GetClientRect(hWnd(), &r);
    icon_ = LoadIconAtSize(picture_.iconResource, r.right, r.bottom);
  }
  return icon_.get();
}

void PictureButton::OnDpiChanged() {
  icon_.reset();  // loaded again at the new size when next drawn
  if (bitmap_) DecodeJpeg(ImageDecoder());
}

SIZE PictureButton::PictureSizeForTesting() const {
  return picture_.iconResource ? IconSize(Icon()) : BitmapSize(bitmap_.get());
}

namespace {

void DrawFocusCue(HDC dc, const RECT& box) {
  const UniquePen pen(::CreatePen(PS_DOT, 1, ::GetSysColor(COLOR_WINDOWTEXT)));
  ScopedSelect selectPen(dc, pen.get());
  ScopedSelect selectBrush(dc, ::GetStockObject(NULL_BRUSH));
  ::SetBkMode(dc, TRANSPARENT);
  ::Rectangle(dc, box.left, box.top, box.right, box.bottom);
}

}  // namespace

// Into a memory bitmap first, so that a press or a focus change never shows
// the bare box for a moment.
void PictureButton::OnDraw(const DRAWITEMSTRUCT& item) const {
  const RECT& box = item.rcItem;
  const int width = box.right - box.left, height = box.bottom - box.top;
  UniqueMemoryDc dc(::CreateCompatibleDC(item.hDC));
  UniqueBitmap canvas(::CreateCompatibleBitmap(item.hDC, width, height));
  if (!dc || !canvas) return;
  {
    ScopedSelect selectCanvas(dc.get(), canvas.get());
    const RECT all{0, 0, width, height};
    ::FillRect(dc.get(), &all, form()->BackBrush());
    if (HICON icon = Icon()) {
      ::DrawIconEx(dc.get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    } else if (bitmap_) {
      UniqueMemoryDc source(::CreateCompatibleDC(item.hDC));
      ScopedSelect selectPicture(source.get(), bitmap_.get());
      ::BitBlt(dc.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    }
    // The focus cue shows once the keyboard is used, as Windows shows it,
    // dotted in the window-text colour (a high-contrast theme's too).
    const bool cueHidden = (item.itemState & ODS_NOFOCUSRECT) ||
                           (::SendMessageW(item.hwndItem, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if ((item.itemState & ODS_FOCUS) && !cueHidden) DrawFocusCue(dc.get(), all);
    ::BitBlt(item.hDC, box.left, box.top, width, height, dc.get(), 0, 0, SRCCOPY);
  }
}

CheckBox::CheckBox(ChildLayout layout)
    : ChildControl(L"BUTTON", BS_AUTOCHECKBOX, std::move(layout)) {}

int CheckBox::Value() const {
  return static_cast<int>(::SendMessageW(hWnd(), BM_GETCHECK, 0, 0));
}
void CheckBox::SetValue(int value) {
  ::SendMessageW(hWnd(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

StaticText::StaticText(ChildLayout layout, Align align)
    : ChildControl(L"STATIC",
                   SS_NOPREFIX | (align == Align::Center  ? SS_CENTER
                                  : align == Align::Right ? SS_RIGHT
                                                          : SS_LEFT),
                   std::move(layout)) {}

std::wstring StaticText::Text() const {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hWnd())) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(hWnd(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void StaticText::SetText(const std::wstring& text) {
  ::SetWindowTextW(hWnd(), text.c_str());
}

Slider::Slider(ChildLayout layout, Range range, std::function<void()> onChange)
    : ChildControl(TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS, std::move(layout)),
      range_(range),
      onChange_(std::move(onChange)) {}

void Slider::OnMade() {
  ::SendMessageW(hWnd(), TBM_SETRANGEMIN, FALSE, range_.minimum);
  ::SendMessageW(hWnd(), TBM_SETRANGEMAX, FALSE, range_.maximum);
  ::SendMessageW(hWnd(), TBM_SETLINESIZE, 0, range_.smallStep);
  ::SendMessageW(hWnd(), TBM_SETPAGESIZE, 0, range_.largeStep);
  ::SendMessageW(hWnd(), TBM_SETTICFREQ, static_cast<WPARAM>(range_.tickFrequency), 0);
}

int Slider::Position() const {
  return static_cast<int>(::SendMessageW(hWnd(), TBM_GETPOS, 0, 0));
}
void Slider::SetPosition(int position) {
  ::SendMessageW(hWnd(), TBM_SETPOS, TRUE, position);
}

}  // namespace kelbo
