// One owner for every Win32 handle: a move-only wrapper with a deleter.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace kelbo {

template <typename Handle, auto Close>
struct HandleCloser {
  void operator()(Handle h) const noexcept {
    if (h) Close(h);
  }
};

template <typename Handle, auto Close>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleCloser<Handle, Close>>;

inline void DeleteGdiObject(HGDIOBJ h) {
  ::DeleteObject(h);
}
inline void DestroyIconHandle(HICON h) {
  ::DestroyIcon(h);
}
inline void DestroyMenuHandle(HMENU h) {
  ::DestroyMenu(h);
}
inline void DeleteDcHandle(HDC h) {
  ::DeleteDC(h);
}
inline void DestroyWindowHandle(HWND h) {
  ::DestroyWindow(h);
}
inline void FreeLibraryHandle(HMODULE h) {
  ::FreeLibrary(h);
}
inline void CloseKernelHandle(HANDLE h) {
  ::CloseHandle(h);
}

using UniqueRegion = UniqueHandle<HRGN, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDcHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;
using UniqueLibrary = UniqueHandle<HMODULE, FreeLibraryHandle>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;

// Selects an object into a DC for a scope and puts the old one back, so that
// the object is never deleted while still selected.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ~ScopedSelect() { ::SelectObject(dc_, old_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint/EndPaint as a scope.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
  ~PaintDc() { ::EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// GetDC/ReleaseDC as a scope.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDc() { ::ReleaseDC(hwnd_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

}  // namespace kelbo
