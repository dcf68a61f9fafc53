#include "ui/child_routing.h"

#include <optional>

#include "ui/common_controls.h"
#include "ui/system_error.h"

namespace kelbo {

HWND ChildRouting::Create(HWND parent, const Scale& scale, const wchar_t* windowClass,
                          const ChildLayout& layout, DWORD style, HFONT font, bool commonControls) {
  const RECT r = ToPixels(layout.box, scale);
  std::optional<CommonControls> look;
  if (commonControls) look.emplace();
  HWND child = ::CreateWindowExW(0, windowClass, layout.text.c_str(),
                                 WS_CHILD | WS_VISIBLE | (layout.tabStop ? WS_TABSTOP : 0) | style,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextChildId_++)),
                                 ::GetModuleHandleW(nullptr), nullptr);
  if (!child) ThrowSystemError("Cannot create a control");
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  layouts_.emplace_back(child, layout);
  return child;
}

void ChildRouting::Relayout(const Scale& scale,
                            const std::function<HFONT(const FontStyle&)>& font) const {
  for (const auto& [child, layout] : layouts_) {
    const RECT r = ToPixels(layout.box, scale);
    ::SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(layout.font)), TRUE);
  }
}

void ChildRouting::OnCommand(HWND child, std::function<void(WORD)> handler) {
  commandHandlers_[child] = std::move(handler);
}

void ChildRouting::OnScroll(HWND child, std::function<void()> handler) {
  scrollHandlers_[child] = std::move(handler);
}

bool ChildRouting::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND child = reinterpret_cast<HWND>(lParam);
  if (message == WM_COMMAND) {
    const auto it = commandHandlers_.find(child);
    if (it == commandHandlers_.end()) return false;
    const auto handler = it->second;  // a copy: the handler may unload the form
    handler(HIWORD(wParam));
    return true;
  }
  if (message == WM_HSCROLL || message == WM_VSCROLL) {
    const auto it = scrollHandlers_.find(child);
    if (it == scrollHandlers_.end()) return false;
    const auto handler = it->second;
    handler();
    return true;
  }
  return false;
}

void ChildRouting::Clear() {
  commandHandlers_.clear();
  scrollHandlers_.clear();
  layouts_.clear();
  focus_ = nullptr;
}

bool ChildRouting::KeepFocus(HWND form, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(form, focus)) focus_ = focus;
    return false;
  }
  if (!focus_ || !::IsWindow(focus_)) return false;
  ::SetFocus(focus_);
  return true;
}

}  // namespace kelbo
