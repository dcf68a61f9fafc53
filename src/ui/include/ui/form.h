// A form: one top-level window built from a layout, owning its HWND, its
// windowless controls' painting, its timers and its child controls. A form
// is a window of its own class, or a dialog that the dialog manager makes
// from a template of its child controls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/accessible_form.h"
#include "ui/back_buffer.h"
#include "ui/child_controls.h"
#include "ui/control.h"
#include "ui/font_cache.h"
#include "ui/handles.h"
#include "ui/lamp_raster.h"
#include "ui/scale.h"
#include "ui/timer.h"
#include "ui/tooltips.h"
#include "ui/window_geometry.h"

namespace kelbo {

struct FormOptions {
  const wchar_t* className = nullptr;
  std::wstring caption{};
  DWORD style = 0;
  DWORD exStyle = 0;
  COLORREF backColor = 0;
  TwipsSize clientSize{};  // as designed; start-up code may resize
  // Tab, the arrows, Enter and Space move between the child controls and
  // press them, as in a dialog.
  bool dialogKeys = false;
  // Made by the dialog manager: tab order, the default button, Esc, the
  // focus kept across deactivation are the system's (dialog keys on).
  bool dialog = false;
  int iconResource = 0;  // the title bar's and task switcher's icon; 0 for none
                         // (loaded as the class is registered: under Wine,
                         // handing icons to the window manager costs about
                         // as much as making the window)
  // Child controls in the common controls' current look. Off, they are the
  // window system's classic ones, which cost nothing to load.
  bool commonControls = false;
  // Where the window is made, its outer bounds. By default the system places
  // it, at the designed client size. A form whose load places and sizes it
  // anyway is better made there: the load then has nothing to move.
  std::optional<TwipsRect> bounds = std::nullopt;
};

// A form: derive from it, and hold the derived form as an Owned<> one
// (below), which closes the window while the whole form still exists.
class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // The message a notification icon of the form's window calls back with.
  static constexpr UINT kTrayMessage = WM_APP + 1;

  HWND hWnd() const { return hwnd_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }

  // The form's own DPI and twips per pixel: the one a new form starts at,
  // then its window's (GetDpiForWindow), then each WM_DPICHANGED's.
  const Scale& GetScale() const { return scale_; }

  // Outer position and size in twips, read back from the window system,
  // which keeps them in whole pixels (or, while held, from the held ones).
  using Bounds = TwipsRect;
  Bounds OuterBounds() const {  // all four from one read
    return held_ ? ToTwips(*held_, scale_) : BoundsInTwips(hwnd_, scale_);
  }
  float Left() const { return OuterBounds().left; }
  float Top() const { return OuterBounds().top; }
  float Width() const { return OuterBounds().width; }
  float Height() const { return OuterBounds().height; }
  void SetLeft(float twips) { MoveTo(twips, Top()); }
  void SetTop(float twips) { MoveTo(Left(), twips); }
  void SetWidth(float twips) { Resize(twips, Height()); }
  void SetHeight(float twips) { Resize(Width(), twips); }
  // Left and Top in one move, so that the window never stands half-way.
  void MoveTo(float leftTwips, float topTwips) {
    if (held_)
      PlaceInTwips(*held_, scale_, leftTwips, topTwips);
    else
      MoveInTwips(hwnd_, scale_, leftTwips, topTwips);
  }

  // For a scope, the form keeps the position and size it is given, in the
  // pixels the window system would keep, and reads them back from there;
  // the window gets them in one move at the end. A load that sets each of
  // the four on its own then moves the window once, not four times.
  class HeldBounds {
   public:
    explicit HeldBounds(Form& form) : form_(form), start_(ReadPixelBounds(form.hwnd_)) {
      form_.held_ = start_;
    }
    ~HeldBounds() {
      const PixelRect bounds = *form_.held_;
      form_.held_.reset();
      if (form_.hwnd_ && bounds != start_) ApplyPixelBounds(form_.hwnd_, bounds);
    }
    HeldBounds(const HeldBounds&) = delete;
    HeldBounds& operator=(const HeldBounds&) = delete;

   private:
    Form& form_;
    const PixelRect start_;
  };

  bool Visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }
  // Shows without activating.
  void SetVisible(bool visible) {
    if (hwnd_) ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
  }
  void Show();  // shows and activates
  // Closes and destroys the window.
  void Unload() {
    if (hwnd_) ::DestroyWindow(hwnd_);
  }

  COLORREF BackColor() const { return backColor_; }
  void SetBackColor(COLORREF colour);

  const Control* FindControl(std::string_view name) const {
    for (const Control* control : controls_)
      if (control->name() == name) return control;
    return nullptr;
  }

  // Draws the client area's `area` into `dc`; WM_PAINT goes through a back
  // buffer to here, and WM_PRINTCLIENT lets a test render into a memory DC.
  void PaintClient(HDC dc, const RECT& area) const;
  void Invalidate(const RECT& pixels) {
    if (hwnd_) ::InvalidateRect(hwnd_, &pixels, FALSE);
  }

  static int OpenFormsForTesting();
  static void SetQuitWhenLastFormCloses(bool quit);
  // Called with an exception that escaped a form's message handling; the
  // window procedure never lets one through to the system.
  static void SetErrorHandler(std::function<void(const std::exception&)> handler);
  // Hands `error` to that handler; never throws, even if the handler does.
  static void ReportError(const std::exception& error) noexcept;
  // Keyboard navigation for forms that want it; true when the message was used.
  static bool PreTranslateMessage(MSG& message);

  // The parts a form is composed of, added before its window is made.
  // Windowless controls paint in the order added. Child controls are made
  // in the order added, which is their tab order; one with a tip shows its
  // text as the tip.
  void AddControl(Control& control);
  void AddTimer(Timer& timer);
  void AddChild(ChildControl& control, bool withTip = false);
  // What assistive technology reads of the form itself.
  void MakeAccessible(AccessibleDescription description) {
    accessibility_.Describe(std::move(description));
  }
  HBRUSH BackBrush() const { return backBrush_.get(); }
  HFONT Font(const FontStyle& wanted) { return fonts_.Get(wanted, scale_.Dpi()); }
  // The pixels a lamp of this size and look is drawn from; valid until the
  // next call.
  const std::vector<std::uint32_t>& LampPixels(int width, int height, const LampLook& look) {
    return lampRasters_.Get(width, height, look);
  }

 protected:
  Form();
  // A form whose window is still open here was not held as an Owned<> one:
  // the derived part is gone, and so are its handlers for the window's last
  // messages. That is reported as an error; then the window is closed.
  virtual ~Form();
  // Makes the window and its child controls. Throws std::runtime_error with
  // the system's reason when they cannot be made; nothing is left open then.
  void CreateForm(const FormOptions& options);

  // The messages a form may answer, each decoded and called from one place
  // in the form's window procedure; the defaults do what the system would.
  virtual void OnClose() { Unload(); }
  // WM_DPICHANGED, once fonts, pictures and child windows are made again at
  // `dpi`: by default the window takes the rectangle the system suggests.
  virtual void OnDpiChanged(int dpi, const RECT& suggested);
  virtual void OnDisplayChange() {}   // WM_DISPLAYCHANGE, the screen read again
  virtual void OnWorkAreaChange() {}  // WM_SETTINGCHANGE of SPI_SETWORKAREA, the same
  virtual void OnTimeChange() {}      // WM_TIMECHANGE
  // WM_SYSCOLORCHANGE, or WM_SETTINGCHANGE of SPI_SETHIGHCONTRAST.
  virtual void OnColoursChange() {}
  virtual void OnResume() {}  // WM_POWERBROADCAST of PBT_APMRESUMEAUTOMATIC
  // kTrayMessage: a notification icon's callback, its lParam as it came.
  virtual void OnTrayNotification(std::uint32_t) {}
  virtual void OnPaintBegins() {}  // WM_PAINT, before the paint
  virtual void OnDestroy() {}      // WM_DESTROY
  // WM_COMMAND that no child control raised: a menu's, or Esc's IDCANCEL.
  virtual void OnCommand(int) {}
  // A message registered at run time (RegisterWindowMessage), which no case
  // can name: true when the form took it.
  virtual bool OnRegisteredMessage(UINT, WPARAM, LPARAM) { return false; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The answer to a message, or nothing for the system's default.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultAnswer(UINT message, WPARAM wParam, LPARAM lParam) const;
  HWND MakeWindow(const FormOptions& options);
  HWND MakeDialog(const FormOptions& options);
  void MakeChildren();
  ChildControl* ChildFor(HWND window) const;
  // Enter on a window that is no dialog: the button with the focus.
  std::optional<LRESULT> FocusedButtonId() const;
  // Each child control's box at the form's scale; each moved to it; each
  // in its font at that scale.
  RECT ChildBox(const ChildControl& child) const;
  void PlaceChildren();
  void SetChildFonts();
  // The DPI changed: fonts, pictures and child windows are made again for
  // it. The form's own size is the derived form's, or the system's advice.
  void RescaleTo(int dpi);
  // Where and how large the window is made, at the form's scale.
  PixelRect PlaceAtScale(const FormOptions& options) const;
  void Detach();

  void Resize(float widthTwips, float heightTwips) {
    if (held_)
      SizeInTwips(*held_, scale_, widthTwips, heightTwips);
    else
      ResizeInTwips(hwnd_, scale_, widthTwips, heightTwips);
  }

  HWND hwnd_ = nullptr;
  Scale scale_;
  std::optional<PixelRect> held_;  // while a HeldBounds lasts
  bool dialogKeys_ = false;
  bool dialog_ = false;
  COLORREF backColor_ = 0;
  UniqueBrush backBrush_;  // for pictures drawn on the form's colour
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  std::vector<ChildControl*> children_;
  std::vector<const ChildControl*> tipped_;
  FontCache fonts_;
  LampRasters lampRasters_;
  BackBuffer backBuffer_;
  Tooltips tips_;
  Accessibility accessibility_;
};

// A form as its owner holds it. Its window is destroyed here, while the
// whole form exists, so that every handler of the form, the derived ones
// included, sees the window go. The program's forms keep their destructors
// protected, so that only an Owned<> one can be destroyed.
template <typename F>
class Owned final : public F {
 public:
  using F::F;
  ~Owned() override { this->Unload(); }
};

}  // namespace kelbo
