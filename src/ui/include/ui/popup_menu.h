// A popup menu of plain text items, opened at the pointer.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/handles.h"

namespace kelbo {

class PopupMenu {
 public:
  // The items' captions in order, each followed by its own fields that the
  // menu has no use for: a caller keeps one table of items and what they mean.
  template <typename Item, std::size_t N>
  explicit PopupMenu(const Item (&items)[N]) : PopupMenu() {
    for (const Item& item : items) Append(item.caption);
  }
  HMENU Handle() const { return menu_.get(); }

  // Opens the menu at the pointer for `owner` and waits for a choice: the
  // chosen item's index from 1, or 0 when the menu was dismissed. The menu
  // closes when the user clicks elsewhere.
  int Track(HWND owner) const;

 private:
  PopupMenu();
  void Append(const wchar_t* caption);

  UniqueMenu menu_;
};

}  // namespace kelbo
