// Small helpers for the forms' tests: pumping messages, reading pixels.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <functional>
#include <utility>

#include "ui/form.h"
#include "ui/handles.h"
#include "ui/screen.h"

namespace kelbo::testing {

// Handles every message waiting for this thread.
inline void PumpMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// Puts the forms' error handler back however the test ends.
struct ErrorHandlerScope {
  explicit ErrorHandlerScope(std::function<void(const std::exception&)> handler) {
    Form::SetErrorHandler(std::move(handler));
  }
  ~ErrorHandlerScope() { Form::SetErrorHandler(nullptr); }
};

// The monitors' DPI as the program reads it, until the scope ends.
struct DpiScope {
  explicit DpiScope(int dpi) { Screen::UseDpi(dpi); }
  ~DpiScope() { Screen::UseDpi(0); }
};

// The client area as the form paints it, rendered into a memory DC, so that
// it does not depend on what covers the window on screen.
class Rendering {
 public:
  explicit Rendering(const Form& form) : Rendering(form.hWnd()) {
    ScopedSelect select(memory_.get(), bitmap_.get());
    form.PaintClient(memory_.get(), client_);
  }
  // A child window as it draws itself (WM_PRINTCLIENT), over `ground`.
  Rendering(HWND window, COLORREF ground) : Rendering(window) {
    ScopedSelect select(memory_.get(), bitmap_.get());
    const UniqueBrush brush(::CreateSolidBrush(ground));
    ::FillRect(memory_.get(), &client_, brush.get());
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory_.get()), PRF_CLIENT);
  }
  COLORREF Pixel(POINT at) const {
    ScopedSelect select(memory_.get(), bitmap_.get());
    return ::GetPixel(memory_.get(), at.x, at.y);
  }

 private:
  // A blank bitmap of the window's client size.
  explicit Rendering(HWND window) {
    ::GetClientRect(window, &client_);
    WindowDc screen(nullptr);
    memory_.reset(::CreateCompatibleDC(screen.dc()));
    bitmap_.reset(::CreateCompatibleBitmap(screen.dc(), client_.right, client_.bottom));
  }

  RECT client_{};
  UniqueMemoryDc memory_;
  UniqueBitmap bitmap_;
};

inline COLORREF RenderedPixel(const Form& form, POINT at) {
  return Rendering(form).Pixel(at);
}

// Handles this thread's messages, timers included, for a while.
inline void PumpFor(DWORD milliseconds) {
  const DWORD until = ::GetTickCount() + milliseconds;
  while (::GetTickCount() < until) {
    PumpMessages();
    ::Sleep(5);
  }
}

inline BYTE Alpha(HWND hwnd) {
  BYTE alpha = 0;
  DWORD flags = 0;
  ::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags);
  return alpha;
}
inline bool Layered(HWND hwnd) {
  return ::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED;
}
inline bool Topmost(HWND hwnd) {
  return ::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST;
}

// Whether the shell holds the icon of this record: only an existing icon
// can be modified.
inline bool IconExists(const NOTIFYICONDATAA& record) {
  NOTIFYICONDATAA probe = record;
  probe.uFlags = 0;
  return ::Shell_NotifyIconA(NIM_MODIFY, &probe);
}

// Runs `action` once, a moment from now, from inside whatever loop runs then
// (a menu's, a dialog's).
inline std::function<void()>& PendingAction() {
  static std::function<void()> action;
  return action;
}
inline void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  auto action = std::move(PendingAction());
  action();
}
inline void SoonInsideTheLoop(std::function<void()> action) {
  PendingAction() = std::move(action);
  ::SetTimer(nullptr, 0, 200, RunPendingAction);
}

// A child window's box in its parent's client area.
inline RECT BoxInParent(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace kelbo::testing
