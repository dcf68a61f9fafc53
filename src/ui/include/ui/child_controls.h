// Controls that are windows of their own, children of a form: the system's
// push button, check box, static text and slider, and picture buttons
// (owner-drawn buttons). Windows gives them the keyboard (Tab, arrows,
// Enter, Space, the focus cue), and screen readers read them through the
// system. A form makes them, or the dialog manager does from the form's
// template, and notifications come back to the control that raised them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/handles.h"

namespace kelbo {

class Form;
class ImageDecoder;

// What every child control is made from. The text is what the control shows
// or, for one that shows none (a slider, a picture), its name for screen
// readers.
struct ChildLayout {
  TwipsRect box;
  std::wstring text;
  FontStyle font;
  bool tabStop;
  bool groupStart = false;  // the arrow keys move within a group
};

class ChildControl {
 public:
  ChildControl(const wchar_t* windowClass, DWORD style, ChildLayout layout)
      : windowClass_(windowClass), style_(style), layout_(std::move(layout)) {}
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;
  virtual ~ChildControl() = default;

  HWND hWnd() const { return hwnd_; }
  const ChildLayout& Layout() const { return layout_; }
  const wchar_t* WindowClass() const { return windowClass_; }
  // The window's style: child, visible, and the layout's tab stop and group.
  DWORD Style() const;

  // Notifications, handed back by the form: WM_COMMAND's code, WM_HSCROLL,
  // WM_DRAWITEM.
  virtual void OnCommand(WORD) {}
  virtual void OnScroll() {}
  virtual void OnDraw(const DRAWITEMSTRUCT&) const {}
  // The window exists now, with its box and font.
  virtual void OnMade() {}
  // The form's scale changed; box and font have followed it already.
  virtual void OnDpiChanged() {}

 protected:
  const Form* form() const { return form_; }

 private:
  friend class Form;
  void Attach(Form* form, HWND hwnd);
  void Detach() { hwnd_ = nullptr; }

  const wchar_t* windowClass_;
  DWORD style_;
  ChildLayout layout_;
  Form* form_ = nullptr;
  HWND hwnd_ = nullptr;  // destroyed with the parent window
};

class PushButton : public ChildControl {
 public:
  // A default button is the one Enter presses, and looks it.
  enum class Role { Plain, Default };
  PushButton(ChildLayout layout, Role role, std::function<void()> onClick);
  void Click() const;  // as a press from the keyboard or the mouse would
  void OnCommand(WORD code) override;

 protected:
  PushButton(ChildLayout layout, DWORD style, std::function<void()> onClick)
      : ChildControl(L"BUTTON", style, std::move(layout)), onClick_(std::move(onClick)) {}

 private:
  std::function<void()> onClick_;
};

// A picture scaled to fill its box, on the form's colour: a JPEG resource,
// decoded once the form asks (DecodeJpeg), or an icon resource, loaded when
// first drawn. Its text is its tooltip and its name for screen readers.
class PictureButton : public PushButton {
 public:
  struct Picture {
    int jpegResource = 0;
    int iconResource = 0;
  };
  PictureButton(ChildLayout layout, Picture picture, std::function<void()> onClick);
  void DecodeJpeg(const ImageDecoder& decoder);
  bool Decoded() const { return !picture_.jpegResource || bitmap_; }
  SIZE PictureSizeForTesting() const;
  void OnDraw(const DRAWITEMSTRUCT& item) const override;
  void OnDpiChanged() override;

 private:
  HICON Icon() const;

  Picture picture_;
  UniqueBitmap bitmap_;
  mutable UniqueIcon icon_;
};

class CheckBox : public ChildControl {
 public:
  explicit CheckBox(ChildLayout layout);
  int Value() const;  // 0 unchecked, 1 checked, 2 greyed
  void SetValue(int value);
};

// Text the program sets, in the system's colours.
class StaticText : public ChildControl {
 public:
  enum class Align { Left, Center, Right };
  StaticText(ChildLayout layout, Align align);
  std::wstring Text() const;
  void SetText(const std::wstring& text);
};

class Slider : public ChildControl {
 public:
  struct Range {
    int minimum, maximum, smallStep, largeStep, tickFrequency;
  };
  // The layout's text is not shown: it is the slider's name for screen
  // readers, which read its position as its value.
  Slider(ChildLayout layout, Range range, std::function<void()> onChange);
  int Position() const;
  void SetPosition(int position);
  void OnMade() override;
  void OnScroll() override { onChange_(); }

 private:
  Range range_;
  std::function<void()> onChange_;
};

}  // namespace kelbo
