// The tips of a form's windowless controls: one tooltip window, made when
// the pointer first comes over one of them (making it loads the common
// controls, which a form whose tips are never asked for does without), and
// fed the form's mouse messages by the form.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/handles.h"

namespace kelbo {

class Control;

class Tooltips {
 public:
  void Add(const Control& control, std::wstring text);
  // A client mouse message of `owner`, the form the tips belong to.
  void Relay(HWND owner, UINT message, WPARAM wParam, LPARAM lParam);
  // The form's window is gone, and the tips with it.
  void Clear();
  // The controls' boxes changed (a new display scale): each tip follows its
  // control.
  void Relayout(HWND owner);
  // The controls that have tips, and their texts, in the order added.
  const std::vector<std::pair<const Control*, std::wstring>>& Entries() const { return tips_; }

 private:
  void Make(HWND owner);

  // Not owned by the form's window: an owned topmost popup keeps Wine from
  // putting its owner into the topmost band.
  UniqueWindow tooltip_;
  // The window system could not make it: the tips are done without, rather
  // than tried again on every move of the pointer.
  bool unavailable_ = false;
  std::vector<std::pair<const Control*, std::wstring>> tips_;
};

}  // namespace kelbo
