#include "ui/tooltips.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/common_controls.h"
#include "ui/control.h"

namespace kelbo {

void Tooltips::Add(const Control& control, std::wstring text) {
  tips_.emplace_back(&control, std::move(text));
}

void Tooltips::Clear() {
  tooltip_.reset();
  unavailable_ = false;
  tips_.clear();
}

void Tooltips::Relayout(HWND owner) {
  if (!tooltip_) return;  // made later, from the boxes as they are then
  for (const auto& [control, text] : tips_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.rect = control->PixelRect();
    ::SendMessageW(tooltip_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Tooltips::Relay(HWND owner, UINT message, WPARAM wParam, LPARAM lParam) {
  if (tips_.empty() || unavailable_) return;
  if (!tooltip_) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool overATip = std::any_of(tips_.begin(), tips_.end(), [&](const auto& tip) {
      const RECT r = tip.first->PixelRect();
      return ::PtInRect(&r, at) != FALSE;
    });
    if (!overATip) return;
    Make(owner);
    if (!tooltip_) return;
  }
  MSG relayed{owner, message, wParam, lParam, 0, {}};
  ::SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void Tooltips::Make(HWND owner) {
  const CommonControls look;
  tooltip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr));
  if (!tooltip_) {
    unavailable_ = true;
    return;
  }
  for (const auto& [control, text] : tips_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // No TTF_SUBCLASS: a subclassed window pays a property lookup in the
    // window system on every message it gets, the drift's moves included.
    // The form relays its mouse messages itself.
    tool.uFlags = 0;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.rect = control->PixelRect();
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace kelbo
