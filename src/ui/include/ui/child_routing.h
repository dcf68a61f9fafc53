// A form's windowed child controls: made with the form's fonts and in the
// look the form asks for, and their notifications routed to the handlers
// the controls registered. Dialog keys (Tab, arrows, Enter, Esc) for forms
// that want them, with the focus kept across deactivation as a dialog does.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "ui/control.h"

namespace kelbo {

class ChildRouting {
 public:
  HWND Create(HWND parent, const Scale& scale, const wchar_t* windowClass,
              const ChildLayout& layout, DWORD style, HFONT font, bool commonControls);
  void OnCommand(HWND child, std::function<void(WORD code)> handler);
  void OnScroll(HWND child, std::function<void()> handler);

  // WM_COMMAND, WM_HSCROLL and WM_VSCROLL from a child: true when routed.
  // A handler may unload the form; nothing of this object is used after it.
  bool Route(UINT message, WPARAM wParam, LPARAM lParam);
  // The form's window is gone.
  void Clear();
  // The DPI changed: each child goes to its box at the new DPI, with its
  // font made again by `font`.
  void Relayout(const Scale& scale, const std::function<HFONT(const FontStyle&)>& font) const;

  // WM_ACTIVATE of a form with dialog keys: the focus comes back to where it
  // was. True when the message was handled.
  bool KeepFocus(HWND form, WPARAM wParam);
  void SetFocusTarget(HWND child) { focus_ = child; }

 private:
  std::map<HWND, std::function<void(WORD)>> commandHandlers_;
  std::map<HWND, std::function<void()>> scrollHandlers_;
  std::vector<std::pair<HWND, ChildLayout>> layouts_;
  HWND focus_ = nullptr;
  int nextChildId_ = 100;
};

}  // namespace kelbo
