#include "ui/popup_menu.h"

namespace kelbo {

PopupMenu::PopupMenu() : menu_(::CreatePopupMenu()) {}

void PopupMenu::Append(const wchar_t* caption) {
  const UINT id = static_cast<UINT>(::GetMenuItemCount(menu_.get())) + 1;
  ::AppendMenuW(menu_.get(), MF_STRING, id, caption);
}

int PopupMenu::Track(HWND owner) const {
  POINT at;
  ::GetCursorPos(&at);
  // Without the foreground, the menu would not close on a click elsewhere.
  ::SetForegroundWindow(owner);
  const BOOL chosen = ::TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       at.x, at.y, 0, owner, nullptr);
  ::PostMessageW(owner, WM_NULL, 0, 0);
  return chosen;
}

}  // namespace kelbo
