// A form: one top-level window built from a layout, owning its HWND, its
// windowless controls' painting, its timers and its child controls' events.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/handles.h"
#include "ui/timer.h"

namespace kelbo {

struct FormOptions {
  const wchar_t* className;
  std::wstring caption;
  DWORD style;
  DWORD exStyle;
  COLORREF backColor;
  TwipsSize clientSize;  // as designed; start-up code may resize
  bool dialogKeys;       // Tab, arrows, Enter and Esc move between child controls
  int iconResource;      // the title bar's and task switcher's icon; 0 for none
                         // (loaded as the class is registered: under Wine,
                         // handing icons to the window manager costs about
                         // as much as making the window)
  // Child controls in the common controls' current look. Off, they are the
  // window system's classic ones, which cost nothing to load.
  bool commonControls = false;
};

class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND hWnd() const { return hwnd_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }

  // Outer position and size in twips, read back from the window system,
  // which keeps them in whole pixels.
  struct Bounds {
    float left, top, width, height;
  };
  Bounds OuterBounds() const;  // all four from one read
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void SetLeft(float twips);
  void SetTop(float twips);
  void SetWidth(float twips);
  void SetHeight(float twips);
  // Left and Top in one move, so that the window never stands half-way.
  void MoveTo(float leftTwips, float topTwips);

  bool Visible() const;
  void SetVisible(bool visible);  // shows without activating
  void Show();                    // shows and activates
  void Unload();                  // closes and destroys the window

  COLORREF BackColor() const { return backColor_; }
  void SetBackColor(COLORREF colour);

  const Control* FindControl(std::string_view name) const;

  // Draws the client area's `area` into `dc`; WM_PAINT goes through a back
  // buffer to here, and WM_PRINTCLIENT lets a test render into a memory DC.
  void PaintClient(HDC dc, const RECT& area) const;
  void Invalidate(const RECT& pixels);

  static int OpenForms();
  static void SetQuitWhenLastFormCloses(bool quit);
  // Called with an exception that escaped a form's message handling; the
  // window procedure never lets one through to the system.
  static void SetErrorHandler(std::function<void(const std::exception&)> handler);
  // Hands `error` to that handler; never throws, even if the handler does.
  static void ReportError(const std::exception& error) noexcept;
  // Keyboard navigation for forms that want it; true when the message was used.
  static bool PreTranslateMessage(MSG& message);

  // For windowed child controls: they are created here and report through
  // these handlers.
  HWND CreateChild(const wchar_t* windowClass, const ChildLayout& layout, DWORD style);
  void OnCommand(HWND child, std::function<void(WORD code)> handler);
  void OnScroll(HWND child, std::function<void()> handler);

  // The parts a form is composed of. Controls paint in the order added.
  void AddControl(Control& control);
  void AddTimer(Timer& timer);
  void AddTooltip(const Control& control, const std::wstring& text);
  HFONT Font(const FontStyle& wanted);

 protected:
  Form() = default;
  // Throws std::runtime_error with the system's reason when the window
  // cannot be made.
  void CreateForm(const FormOptions& options);
  // The child control that has the keyboard focus when the form first opens.
  void SetInitialFocus(HWND child) { focus_ = child; }

  // Messages a form wants before the common handling; return true when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  virtual void OnClose() { Unload(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);
  void MakeTooltip();
  Control* ClickableAt(POINT pixel) const;
  void Detach();
  void MoveToPixels(int x, int y);
  void ResizeTo(int width, int height);
  RECT WindowRect() const;

  HWND hwnd_ = nullptr;
  bool dialogKeys_ = false;
  bool commonControls_ = false;
  COLORREF backColor_ = 0;
  UniqueBrush backBrush_;  // for child controls drawn on the form's colour
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  std::vector<std::pair<FontStyle, UniqueFont>> fonts_;
  std::map<HWND, std::function<void(WORD)>> commandHandlers_;
  std::map<HWND, std::function<void()>> scrollHandlers_;
  // Not owned by the form's window: an owned topmost popup keeps Wine from
  // putting its owner into the topmost band. Destroyed with the window.
  UniqueWindow tooltip_;
  // Tips waiting for the tooltip, which is made when the pointer first comes
  // over one of them.
  std::vector<std::pair<const Control*, std::wstring>> tips_;
  Control* pressed_ = nullptr;
  HWND focus_ = nullptr;  // restored when a form with dialog keys is activated again
  int nextChildId_ = 100;
};

}  // namespace kelbo
