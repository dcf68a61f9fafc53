// The tips of a form's child controls, shown by the system's tooltip
// control, which watches each control's window itself (TTF_IDISHWND |
// TTF_SUBCLASS): they follow their controls wherever and however large they
// are. The tooltip window is made when the pointer first comes over a
// control with a tip: making it loads the common controls, which a form
// whose tips are never asked for does without.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/handles.h"

namespace kelbo {

class Tooltips {
 public:
  void Add(HWND control, std::wstring text) { tips_.emplace_back(control, std::move(text)); }
  // The pointer is over `control`, a child window of `owner`.
  void PointerOver(HWND owner, HWND control);
  // The form's window is gone, and the tips with it.
  void Clear();

 private:
  void Make(HWND owner);

  // Not owned by the form's window: an owned topmost popup keeps Wine from
  // putting its owner into the topmost band.
  UniqueWindow tooltip_;
  // The window system could not make it: the tips are done without, rather
  // than tried again on every move of the pointer.
  bool unavailable_ = false;
  std::vector<std::pair<HWND, std::wstring>> tips_;
};

}  // namespace kelbo
