#include "ui/tooltips.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/common_controls.h"

namespace kelbo {

void Tooltips::Clear() {
  tooltip_.reset();
  unavailable_ = false;
  tips_.clear();
}

void Tooltips::PointerOver(HWND owner, HWND control) {
  if (tooltip_ || unavailable_) return;
  if (std::none_of(tips_.begin(), tips_.end(),
                   [&](const auto& tip) { return tip.first == control; }))
    return;
  Make(owner);
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
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace kelbo
