// The windowless controls of a form's layout: lamps, labels and pictures
// that only show, painted by their form. Anything the user presses is a
// child window (child_controls.h).
#pragma once

#include <windows.h>

#include <string>

#include "ui/geometry.h"
#include "ui/handles.h"
#include "ui/scale.h"

namespace kelbo {

class Form;

struct FontStyle {
  const wchar_t* face;
  double points;
  bool bold;
  bool operator==(const FontStyle&) const = default;
};

// A rectangle in twips relative to the client area, as client pixels at a
// form's scale.
RECT ToPixels(const TwipsRect& box, const Scale& scale);

class Control {
 public:
  Control(std::string name, TwipsRect box) : name_(std::move(name)), box_(box) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  const TwipsRect& box() const { return box_; }
  // The box in client pixels at the form's scale.
  RECT PixelRect() const;

  virtual void Paint(HDC dc) const = 0;
  // The DPI changed: whatever was made at the old pixel size is made again.
  virtual void OnDpiChanged() {}

 protected:
  void Invalidate() const;
  // The form's scale; the screen's before the form adds the control.
  Scale FormScale() const;

  Form* form_ = nullptr;  // set when the form adds the control

 private:
  friend class Form;
  std::string name_;
  TwipsRect box_;
};

// A filled circle, the smaller side of its box across, centred in the box,
// outlined 2 pixels wide in the window-text colour.
class Lamp : public Control {
 public:
  Lamp(std::string name, TwipsRect box, COLORREF fill)
      : Control(std::move(name), box), fill_(fill) {}
  COLORREF FillColor() const { return fill_; }
  // Sets the colour; true when it changed, and the owner must then repaint
  // CircleRect() (the lamps of one tick together, in one area).
  [[nodiscard]] bool SetFillColor(COLORREF colour);
  RECT CircleRect() const;
  void Paint(HDC dc) const override;

 private:
  COLORREF fill_;
};

// Fixed text on the form's own background.
class Label : public Control {
 public:
  enum class Align { Left, Center, Right };
  Label(std::string name, TwipsRect box, std::wstring text, Align align = Align::Left)
      : Control(std::move(name), box), text_(std::move(text)), align_(align) {}
  const std::wstring& Text() const { return text_; }
  void SetText(std::wstring text);
  // Made by the form at the current DPI, each time it paints.
  void SetFont(const FontStyle& font) { font_ = font; }
  void Paint(HDC dc) const override;

 private:
  std::wstring text_;
  Align align_;
  FontStyle font_{};
};

// An icon scaled to its box, loaded when it is first painted or measured:
// a picture that is never seen costs nothing.
class Picture : public Control {
 public:
  Picture(std::string name, TwipsRect box, int iconResource)
      : Control(std::move(name), box), iconResource_(iconResource) {}
  void OnDpiChanged() override { icon_.reset(); }  // loaded again at the new size
  SIZE PictureSizeForTesting() const;
  void Paint(HDC dc) const override;

 private:
  HICON Icon() const;

  mutable UniqueIcon icon_;
  int iconResource_;
};

}  // namespace kelbo
