// Small helpers for the forms' tests: pumping messages, reading pixels.
#pragma once

#include <windows.h>

#include "ui/form.h"
#include "ui/handles.h"

namespace kelbo::testing {

// Handles every message waiting for this thread.
inline void PumpMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// The colour of a client pixel as the form paints it, rendered into a memory
// DC, so that it does not depend on what covers the window on screen.
inline COLORREF RenderedPixel(const Form& form, POINT at) {
  RECT client;
  ::GetClientRect(form.hWnd(), &client);
  WindowDc screen(nullptr);
  UniqueMemoryDc memory(::CreateCompatibleDC(screen.dc()));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.dc(), client.right, client.bottom));
  ScopedSelect select(memory.get(), bitmap.get());
  form.PaintClient(memory.get(), client);
  return ::GetPixel(memory.get(), at.x, at.y);
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

inline POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace kelbo::testing
