// A popup menu of plain text items, opened at the pointer.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "ui/handles.h"

namespace kelbo {

class PopupMenu {
 public:
  explicit PopupMenu(std::initializer_list<const wchar_t*> items);
  HMENU Handle() const { return menu_.get(); }

  // Opens the menu at the pointer for `owner` and waits for a choice: the
  // chosen item's index from 1, or 0 when the menu was dismissed. The menu
  // closes when the user clicks elsewhere.
  int Track(HWND owner) const;

 private:
  UniqueMenu menu_;
};

}  // namespace kelbo
